#pragma once
// The owner window of a link under test: records every message the link delivers (on the
// GUI thread), every frame its worker writes and the traffic-log lines; optional hooks
// answer writes or react to messages the way the main window would.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "CommandCode.h"
#include "LCmd.h"
#include "LFedLink.h"
#include "LinkMessages.h"
#include "LinkOwner.h"
#include "QtTestSupport.h"
#include "SimUnit.h"
#include "messages/MessageTarget.h"
#include "messages/QueuedCall.h"

class FakeOwner : public LinkOwner {
 public:
  struct Message {
    UINT msg;
    ByteArray frame;  // a reply's frame bytes, copied during the call
    WPARAM wParam;
    LPARAM lParam;
  };

  int GetDeviceId() const override { return deviceId; }
  void UsbWrite(const std::uint8_t* bytes, int count) override { Written(bytes, count); }
  void NetWrite(const std::uint8_t* bytes, int count) override { Written(bytes, count); }
  void LogComWrite(const std::uint8_t* bytes, int count) override {
    std::lock_guard lock(mutex_);
    comWrites_.emplace_back(bytes, bytes + count);
  }
  void LogComRead(const std::uint8_t* bytes, int count) override {
    std::lock_guard lock(mutex_);
    comReads_.emplace_back(bytes, bytes + count);
  }

  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    Message m{msg, {}, wParam, lParam};
    if (msg == WM_LINK_REPLY || msg == WM_LINK_REPLY_ALT) m.frame = ReplyFrame(wParam);
    messages.push_back(m);
    if (onMessage) onMessage(m);
    return 0;
  }

  // Worker side.
  std::vector<ByteArray> Writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
  }
  bool WaitWrites(std::size_t count) {
    std::unique_lock lock(mutex_);
    return written_.wait_for(lock, std::chrono::seconds(10), [&] { return writes_.size() >= count; });
  }
  std::vector<ByteArray> ComWrites() const {
    std::lock_guard lock(mutex_);
    return comWrites_;
  }
  std::vector<ByteArray> ComReads() const {
    std::lock_guard lock(mutex_);
    return comReads_;
  }

  // GUI side.
  std::vector<Message> Of(UINT msg) const {
    std::vector<Message> out;
    for (const Message& m : messages) {
      if (m.msg == msg) out.push_back(m);
    }
    return out;
  }
  bool PumpUntilMessages(UINT msg, std::size_t count) {
    return PumpUntil([&] { return Of(msg).size() >= count; });
  }

  // Answers each written frame for which `reply` gives bytes, by handing them to `link` on
  // the GUI thread as the main window's input handlers do.
  void AnswerWith(std::weak_ptr<LFedLink> link,
                  std::function<std::optional<ByteArray>(const ByteArray&)> reply) {
    onWrite = [this, link, reply](const ByteArray& frame) {
      std::optional<ByteArray> answer = reply(frame);
      if (!answer) return;
      PostCall(GetMessageTarget(), [link, bytes = *answer] {
        if (auto l = link.lock()) l->PutReceived(bytes.data(), static_cast<int>(bytes.size()));
      });
    };
  }

  int deviceId = 1;
  std::vector<Message> messages;                      // GUI thread only
  std::function<void(const Message&)> onMessage;      // GUI thread
  std::function<void(const ByteArray&)> onWrite;      // worker thread, after recording

 private:
  void Written(const std::uint8_t* bytes, int count) {
    ByteArray frame(bytes, bytes + count);
    {
      std::lock_guard lock(mutex_);
      writes_.push_back(frame);
    }
    written_.notify_all();
    if (onWrite) onWrite(frame);
  }

  mutable std::mutex mutex_;
  std::condition_variable written_;
  std::vector<ByteArray> writes_;
  std::vector<ByteArray> comWrites_;
  std::vector<ByteArray> comReads_;
};

// A request frame for unit 1 and the unit's reply to it.
inline ByteArray Request(std::uint8_t code, std::uint8_t unit = 1) { return LCmd(unit, code).Serialise(); }
inline ByteArray Reply(std::uint8_t code, const ByteArray& payload = {}) {
  return SimUnit::BuildFrame(1, code, payload);
}
inline std::uint8_t CodeOf(const ByteArray& frame) { return frame.size() > 5 ? frame[5] : 0; }

// A link with the knobs tests turn: shorter keep-alive and close waits, and a hook on
// failure reports (called on the reporting thread before the message is posted).
template <class L>
class Tuned : public L {
 public:
  using L::L;
  ~Tuned() override { this->Close(); }
  void SetKeepAliveInterval(int ms) { this->keepAliveInterval_ = ms; }
  void SetCloseWait(int ms) { this->closeWaitMs_ = ms; }
  // Whether the worker waits in a synchronous hand-over to the owner.
  bool HandOverPending() const { return this->handOver_.HasPending(); }
  void OnError(int code, int unitId) override {
    if (onError) onError(code, unitId);
    L::OnError(code, unitId);
  }
  std::function<void(int, int)> onError;
};
