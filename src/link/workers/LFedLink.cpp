#include "LFedLink.h"

#include <algorithm>
#include <mutex>

LFedLink::LFedLink(LinkOwner* owner, int graceTimeouts) : LLink(owner, kBufferSize, graceTimeouts) {}

bool LFedLink::Open() {
  if (open_ || !receive_.Valid()) return false;
  receive_.Reset();
  return StartWorker();
}

void LFedLink::PutReceived(const std::uint8_t* bytes, int count) {
  const int n = std::clamp(count, 0, kReceiveChunk);
  {
    std::lock_guard lock(lock_);
    received_.insert(received_.end(), bytes, bytes + n);
  }
  receive_.Set();
}

void LFedLink::FeedReceived() {
  std::lock_guard lock(lock_);
  // Take what waits now; bytes handed over while the parser delivers a reply (the lock is
  // let go then) wait for the next receive event.
  ByteArray bytes;
  bytes.swap(received_);
  for (std::uint8_t b : bytes) OnByte(b);
}

void LFedLink::ThreadProc() {
  for (;;) {
    const std::uint32_t r = WaitForAny({&receive_, &send_, &stop_}, GetWaitTimeout());
    if (r == WAIT_OBJECT_0) {
      FeedReceived();
    } else if (r == WAIT_OBJECT_0 + 1) {
      OnSendEvent();
    } else if (r == WAIT_TIMEOUT) {
      OnWaitTimeout();
    } else {
      return;  // the stop event, or a failed wait
    }
  }
}
