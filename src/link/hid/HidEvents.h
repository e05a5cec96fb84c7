// Event types of the HID layer. A handler keeps its identity when copied, so the
// controller can tell the devices that still use its handler from those that were given
// one of their own (two handlers are the same when one was copied from the other).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

class QObject;
class TJvHidDevice;

template <typename Sig>
class JvHidEvent;

template <typename R, typename... A>
class JvHidEvent<R(A...)> {
 public:
  JvHidEvent() = default;
  JvHidEvent(std::nullptr_t) {}
  template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, JvHidEvent> &&
                                                    std::is_invocable_r_v<R, F&, A...>>>
  JvHidEvent(F f) : fn_(std::make_shared<const std::function<R(A...)>>(std::move(f))) {}

  explicit operator bool() const { return fn_ != nullptr; }
  R operator()(A... args) const { return (*fn_)(args...); }
  bool operator==(const JvHidEvent& other) const { return fn_ == other.fn_; }

 private:
  std::shared_ptr<const std::function<R(A...)>> fn_;
};

using TJvHidPlugEvent = JvHidEvent<void(TJvHidDevice* HidDev)>;
using TJvHidEnumerateEvent = JvHidEvent<bool(TJvHidDevice* HidDev, int32_t Idx)>;
using TJvHidDataEvent = JvHidEvent<void(TJvHidDevice* HidDev, uint8_t ReportID, const void* Data, uint16_t Size)>;
using TJvHidDataErrorEvent = JvHidEvent<void(TJvHidDevice* HidDev, uint32_t Error)>;
using TJvHidNotifyEvent = JvHidEvent<void(QObject* Sender)>;
