#pragma once
// Auto-reset events and a wait for any of several of them, with a time-out.
//
// An event is an eventfd: Set() makes it signalled, a successful wait consumes the signal
// (the event resets itself), so one Set() releases exactly one wait. WaitForAny() also
// accepts other waitable file descriptors (FdWaitable, for example a serial port), which
// count as signalled while readable and are not consumed by the wait.
#include <cstdint>
#include <initializer_list>

// Results of WaitForAny, as the callers test them.
constexpr std::uint32_t WAIT_OBJECT_0 = 0x00000000u;
constexpr std::uint32_t WAIT_TIMEOUT = 0x00000102u;
constexpr std::uint32_t WAIT_FAILED = 0xFFFFFFFFu;
constexpr int INFINITE_WAIT = -1;

// Something WaitForAny can wait on: a file descriptor polled for input.
class Waitable {
 public:
  virtual ~Waitable() = default;
  // The descriptor polled for POLLIN; -1 when the object is not usable.
  virtual int WaitFd() const = 0;
  // Called when poll reported the descriptor ready (`revents`); true when the object counts
  // as signalled (an event consumes its signal here and can lose the race to another waiter).
  virtual bool TryAcquire(short revents) = 0;
};

class AutoResetEvent final : public Waitable {
 public:
  AutoResetEvent();  // unsignalled
  ~AutoResetEvent() override;
  AutoResetEvent(const AutoResetEvent&) = delete;
  AutoResetEvent& operator=(const AutoResetEvent&) = delete;

  bool Valid() const { return fd_ >= 0; }
  void Set();
  void Reset();
  // Waits for this event alone: true when it was signalled within `timeoutMs`.
  bool Wait(int timeoutMs);

  int WaitFd() const override { return fd_; }
  bool TryAcquire(short revents) override;

 private:
  int fd_ = -1;
};

// A plain descriptor as a waitable: signalled while poll reports it readable or in error
// (hang-up and error count as signalled, so the caller looks at the descriptor itself).
class FdWaitable final : public Waitable {
 public:
  explicit FdWaitable(int fd = -1) : fd_(fd) {}
  void SetFd(int fd) { fd_ = fd; }
  int WaitFd() const override { return fd_; }
  bool TryAcquire(short revents) override { return revents != 0; }

 private:
  int fd_;
};

// Waits until one of `objects` is signalled or `timeoutMs` passes (INFINITE_WAIT: no limit).
// When several are signalled the first in the list wins and only it is consumed.
// Returns WAIT_OBJECT_0 + index, WAIT_TIMEOUT, or WAIT_FAILED (an unusable object or a failed
// poll).
std::uint32_t WaitForAny(std::initializer_list<Waitable*> objects, int timeoutMs);
