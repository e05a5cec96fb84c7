#pragma once
// The queued protocol layer over a transport link (LUsb, LNet, LComm): one frame
// outstanding at a time, the send queue with its coalescing rule (SendQueue), the keep-alive
// poll while idle, the frame parser (FrameParser) as the byte handler, and the synchronous
// delivery of each reply to the owner window (WM_LINK_REPLY) followed by the next queued
// frame.
//
// A reply ends the wait for the frame it answers. When that frame was written more than once
// (a resend before a slow reply came), the unit answers each write: those further answers,
// the same bytes again, are late duplicates and are dropped. So a slow unit never makes one
// reply count for two requests. Other frames (the unit's own) are delivered as ever. A frame
// with a damaged trailer answers nothing: it is delivered and advances the queue, but the
// frame it came for stays outstanding, so its time-out writes it again.
//
// Threads: the GUI thread calls Enqueue, the send entries, Open, Close, the setters and
// the keep-alive; the worker runs the parser, DeliverReply and SendNext. The queue, the
// parser and the stamps are guarded by the link's lock; the worker lets go of the lock for
// the duration of the WM_LINK_REPLY call, during which the owner may enqueue more frames.
// Frames go to the worker through the transport's own send, never through the virtual
// entries this layer overrides.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "CommandCode.h"
#include "FrameParser.h"
#include "LinkMessages.h"
#include "thread/PerformanceCounter.h"
#include "SendQueue.h"
#include "timer/TTimer.h"

template <class Transport>
class LinkProc : public Transport {
 public:
  static constexpr int kKeepAliveInterval = 2000;
  static constexpr int kKeepAliveTimeout = 5000;

  // The most derived class closes the link in its destructor, so the worker never reaches
  // a half-destroyed object.
  ~LinkProc() override = default;

  // The one sending entry: drops the frame on a closed link (and an empty one); restarts
  // the keep-alive timer; sends at once when idle, else queues the frame (see SendQueue).
  void Enqueue(const ByteArray& frame, bool appendOnly) {
    if (!this->IsOpen() || frame.empty()) return;
    if (keepAlive_) {
      keepAlive_->SetEnabled(false);
      keepAlive_->SetEnabled(true);
    }
    std::lock_guard lock(this->lock_);
    if (queue_.Enqueue(frame, appendOnly)) {
      sendStamp_ = PerformanceCounter::Now();
      Transport::SendFrame(frame);
    }
  }

  // The virtual send entries: Enqueue with the frame replaceable.
  void SendRaw(const std::uint8_t* bytes, int count) override {
    if (count < 0) return;
    Enqueue(ByteArray(bytes, bytes + count), false);
  }
  void SendFrame(const ByteArray& frame) override { Enqueue(frame, false); }
  void SetWaitTimeout(int ms) override { Transport::SetWaitTimeout(ms); }

  // Disables the keep-alive, discards the waiting frames, closes the transport.
  void Close() override {
    if (keepAlive_) keepAlive_->SetEnabled(false);
    {
      std::lock_guard lock(this->lock_);
      queue_.Clear();
    }
    Transport::Close();
    keepAlive_.reset();
  }

  // No keep-alive polls while set.
  void SetQuiet(bool quiet) {
    std::lock_guard lock(this->lock_);
    quiet_ = quiet;
  }
  bool GetQuiet() const { return quiet_; }
  // The unit ID of the keep-alive poll.
  void SetUnitId(int id) { unitId_ = id; }
  int GetUnitId() const { return unitId_; }

  // GUI thread, every keep-alive interval unless restarted: while idle and not quiet, sets
  // the keep-alive reply time-out and sends the poll (code 18).
  void OnKeepAliveTimer() {
    {
      std::lock_guard lock(this->lock_);
      if (queue_.Busy() || !queue_.Empty() || quiet_) return;
    }
    this->SetWaitTimeout(KeepAliveTimeout());
    Enqueue(LCmd(static_cast<std::uint8_t>(unitId_), CMD_POLL).Serialise(), false);
  }

 protected:
  explicit LinkProc(LinkOwner* owner)
      : Transport(owner), unitId_(owner ? owner->GetDeviceId() : 0) {}

  // The first step of opening: the keep-alive timer, on the calling (GUI) thread.
  void StartKeepAlive() {
    keepAlive_ = std::make_unique<TTimer>();
    keepAlive_->SetInterval(keepAliveInterval_);
    keepAlive_->SetOnTimer([this](QObject*) { OnKeepAliveTimer(); });
    keepAlive_->SetEnabled(true);
  }

  // The frame parser: the byte handler, on the worker under the lock.
  void OnByte(std::uint8_t b) override {
    if (parser_.Push(b)) {
      if (!IsLateDuplicate(parser_.Frame())) DeliverReply();
      parser_.Clear();
    }
  }

  // Worker, under the lock: whether a complete frame is a further answer to a frame already
  // answered (the reply delivered last, again, while such answers are still due).
  bool IsLateDuplicate(const ByteArray& frame) {
    if (lateDuplicates_ > 0 && frame == lastReply_) {
      --lateDuplicates_;
      return true;
    }
    // Something else came first: the unit did not answer every write.
    lateDuplicates_ = 0;
    return false;
  }

  // Worker, under the lock: the reply to the owner, then the next frame.
  void DeliverReply() {
    if (LCmd::Intact(parser_.Frame())) {
      lateDuplicates_ = std::max(0, this->EndWait() - 1);
      lastReply_ = parser_.Frame();
    } else if (this->writes_ > 0) {
      --this->writes_;  // one write answered, if uselessly
    }
    const std::int64_t ticks = PerformanceCounter::Now() - sendStamp_;
    const std::int64_t ms = ticks / (PerformanceCounter::Frequency() / 1000);
    const std::int64_t elapsed = std::clamp<std::int64_t>(ms, 0, 4294967295LL);
    const UINT msg = PrepareReply(parser_.Frame());
    // The handler gets a copy of its own: if closing the link abandons the hand-over while
    // the handler runs, the frame stays valid until the handler returns.
    auto frame = std::make_shared<const ByteArray>(parser_.Frame());
    {
      CriticalSectionRelease release(this->lock_);
      SendMessage(this->owner_, msg, reinterpret_cast<WPARAM>(frame.get()),
                  static_cast<LPARAM>(elapsed), this->handOver_, frame);
    }
    SendNext();
  }

  // Worker, under the lock: the next waiting frame to the transport, or idle.
  void SendNext() {
    if (std::optional<ByteArray> next = queue_.Next()) {
      sendStamp_ = PerformanceCounter::Now();
      Transport::SendFrame(*next);
    }
  }

  // The reply time-out a keep-alive poll sets.
  virtual int KeepAliveTimeout() const { return kKeepAliveTimeout; }
  // Worker, under the lock, before a reply is delivered: the message to deliver it with.
  virtual UINT PrepareReply(const ByteArray& frame) { return WM_LINK_REPLY; }

  int keepAliveInterval_ = kKeepAliveInterval;  // tests may shorten it before Open

 private:
  SendQueue queue_;
  FrameParser parser_;
  std::unique_ptr<TTimer> keepAlive_;
  bool quiet_ = false;
  std::atomic<int> unitId_;
  std::int64_t sendStamp_ = 0;
  ByteArray lastReply_;     // the reply last delivered
  int lateDuplicates_ = 0;  // answers to its frame's further writes, still to come
};
