#pragma once
// What the three transport links (LUsb, LNet, LComm) share: the owner window, the worker
// thread with its stop and send events, the transmit buffer and the resend rules.
//
// The worker writes the frame standing in the transmit buffer when the send event comes,
// writes it again when no reply arrives within the reply time-out, and reports a failure
// (WM_LINK_ERROR, code 0) when the retries are used up, after a transport-specific number
// of further silent time-outs. The queued layer ends the wait when a reply answers the
// frame (EndWait): later time-outs write nothing and count nothing until the next frame.
//
// Threads: the GUI thread constructs, opens, closes and sends; the worker runs ThreadProc.
// The transmit buffer (and what derived classes share) is guarded by `lock_`.
#include <atomic>
#include <cstdint>
#include <functional>

#include "thread/AutoResetEvent.h"
#include "thread/CriticalSection.h"
#include "messages/HandOver.h"
#include "LCmd.h"
#include "LinkOwner.h"
#include "thread/WorkerThread.h"

class LLink {
 public:
  static constexpr int kDefaultWaitTimeout = 800;
  static constexpr int kDefaultRetries = 2;
  static constexpr int kCloseWaitMs = 5000;

  virtual ~LLink();
  LLink(const LLink&) = delete;
  LLink& operator=(const LLink&) = delete;

  // Sets the stop event and waits up to 5000 ms for the worker; if it has not ended by
  // then, reports failure code 5 (unit ID 0) and still waits for it to end before
  // anything it uses is released. A worker waiting in a synchronous hand-over to the owner
  // is released at once. Safe on a link that never opened.
  virtual void Close();
  // The frame to the worker: ignored while the link is not open; copies at most the
  // transmit buffer's size and sets the send event (called on the worker itself, it writes
  // the frame at once instead). SendFrame also ignores an empty frame.
  virtual void SendRaw(const std::uint8_t* bytes, int count);
  virtual void SendFrame(const ByteArray& frame);
  // The byte handler, called by the worker under the lock for every received byte: posts
  // WM_LINK_BYTE here; the queued layer replaces it with its frame parser.
  virtual void OnByte(std::uint8_t b);
  // Posts WM_LINK_ERROR (code, unit ID) to the owner.
  virtual void OnError(int code, int unitId);
  // The reply time-out in ms; takes effect at the worker's next wait.
  virtual void SetWaitTimeout(int ms);
  int GetWaitTimeout() const { return waitTimeout_; }
  // How many times a frame is written again on time-outs.
  void SetMaxRetries(int n) { retryLimit_ = n; }

  // GUI thread: the frame still waiting for its answer, written once more through `write`
  // (under the lock, so it reaches the transport in order with the worker's writes) and
  // counted, so that its second answer is known as a late duplicate. Nothing, and false, when
  // no frame waits or it has been written again already.
  bool WriteAgainOnce(const std::function<void(const std::uint8_t*, int)>& write);

  bool IsOpen() const { return open_; }
  LinkOwner* Owner() const { return owner_; }

 protected:
  // `graceTimeouts`: silent time-outs after the retries are used up, before the failure.
  LLink(LinkOwner* owner, std::size_t transmitSize, int graceTimeouts);

  // Marks the link open and starts ThreadProc on the worker; false (and closed) when no
  // thread could be started.
  bool StartWorker();
  // The worker's body; it ends when the stop event comes (or on a fatal wait result).
  virtual void ThreadProc() = 0;
  // The transport's writer, called on the worker under the lock.
  virtual void WriteTransport(const std::uint8_t* bytes, int count) = 0;

  // The base send, shared by SendRaw and SendFrame; takes the lock.
  void PutTransmit(const std::uint8_t* bytes, int count);
  // Under the lock: the transmit buffer (transmit length bytes) to the writer.
  void WriteOut();
  // Worker: the send event (a new frame): retry counter := 0, write it.
  void OnSendEvent();
  // Worker: a wait that timed out: with a frame still waiting for its answer, write it again
  // while retries are left, else (after the grace time-outs) report failure code 0 and forget
  // it; with none, nothing.
  void OnWaitTimeout();
  // Worker, under the lock: the outstanding frame was answered; nothing is outstanding until
  // the next frame, and how often the answered frame was written is returned (its further
  // answers are late duplicates).
  int EndWait();

  CriticalSection lock_;
  LinkOwner* const owner_;
  WorkerThread worker_;
  std::atomic<bool> open_{false};
  AutoResetEvent stop_;
  AutoResetEvent send_;
  ByteArray transmit_;       // byte 0 = 0: no frame outstanding
  int transmitLength_ = 0;
  int writes_ = 0;           // how often the outstanding frame was written
  std::atomic<int> waitTimeout_{kDefaultWaitTimeout};
  std::atomic<int> retryLimit_{kDefaultRetries};
  std::int8_t retryCounter_ = 0;  // worker only
  const int graceTimeouts_;
  int graceCounter_ = 0;          // worker only
  // How long Close waits for the worker before reporting code 5 (tests may shorten it).
  int closeWaitMs_ = kCloseWaitMs;
  // The worker's synchronous messages to the owner; abandoned by Close.
  HandOver handOver_;
};
