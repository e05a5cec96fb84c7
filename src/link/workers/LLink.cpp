#include "LLink.h"

#include <algorithm>
#include <mutex>

#include "LinkMessages.h"

LLink::LLink(LinkOwner* owner, std::size_t transmitSize, int graceTimeouts)
    : owner_(owner), transmit_(transmitSize, 0), graceTimeouts_(graceTimeouts) {}

LLink::~LLink() {
  // The most derived class closes first; this only catches a worker still running.
  if (worker_.Started()) {
    stop_.Set();
    handOver_.Abandon();
    worker_.Join();
  }
}

bool LLink::StartWorker() {
  if (!stop_.Valid() || !send_.Valid()) return false;
  stop_.Reset();
  send_.Reset();
  handOver_.Reopen();
  retryCounter_ = 0;
  graceCounter_ = 0;
  open_ = true;
  if (!worker_.Start([this] {
        ThreadProc();
        open_ = false;
      })) {
    open_ = false;
    return false;
  }
  return true;
}

void LLink::Close() {
  if (!worker_.Started()) return;
  stop_.Set();
  handOver_.Abandon();
  if (!worker_.Wait(closeWaitMs_)) OnError(LINK_ERROR_STOP_TIMEOUT, 0);
  worker_.Join();
  open_ = false;
}

void LLink::SendRaw(const std::uint8_t* bytes, int count) { PutTransmit(bytes, count); }

void LLink::SendFrame(const ByteArray& frame) {
  if (frame.empty()) return;
  PutTransmit(frame.data(), static_cast<int>(frame.size()));
}

void LLink::PutTransmit(const std::uint8_t* bytes, int count) {
  if (!open_) return;
  std::lock_guard lock(lock_);
  const int n = std::clamp(count, 0, static_cast<int>(transmit_.size()));
  std::copy(bytes, bytes + n, transmit_.begin());
  transmitLength_ = n;
  if (worker_.IsCurrent()) {
    // Sent by the worker itself (the next queued frame after a reply): written at once, so
    // a second reply in the same input cannot replace it before it went out.
    retryCounter_ = 0;
    writes_ = 1;
    WriteOut();
  } else {
    send_.Set();
  }
}

void LLink::OnByte(std::uint8_t b) { PostMessage(owner_, WM_LINK_BYTE, b, 0); }

void LLink::OnError(int code, int unitId) {
  PostMessage(owner_, WM_LINK_ERROR, static_cast<WPARAM>(code), unitId);
}

void LLink::SetWaitTimeout(int ms) { waitTimeout_ = ms; }

void LLink::WriteOut() { WriteTransport(transmit_.data(), transmitLength_); }

void LLink::OnSendEvent() {
  retryCounter_ = 0;
  std::lock_guard lock(lock_);
  writes_ = 1;
  WriteOut();
}

int LLink::EndWait() {
  const int writes = writes_;
  transmit_[0] = 0;
  writes_ = 0;
  retryCounter_ = 0;
  graceCounter_ = 0;
  return writes;
}

bool LLink::WriteAgainOnce(const std::function<void(const std::uint8_t*, int)>& write) {
  std::lock_guard lock(lock_);
  if (!open_ || transmit_[0] == 0 || writes_ != 1) return false;
  ++writes_;
  write(transmit_.data(), transmitLength_);
  return true;
}

void LLink::OnWaitTimeout() {
  {
    // An answered frame (or one given up) is not written again, and its time-outs count
    // toward nothing.
    std::lock_guard lock(lock_);
    if (transmit_[0] == 0) return;
  }
  if (retryCounter_ < retryLimit_) {
    graceCounter_ = 0;
    {
      std::lock_guard lock(lock_);
      if (transmit_[0] != 0) {
        ++writes_;
        WriteOut();
      }
    }
    ++retryCounter_;
    return;
  }
  if (graceCounter_ < graceTimeouts_) {
    ++graceCounter_;
    return;
  }
  int unitId;
  {
    std::lock_guard lock(lock_);
    retryCounter_ = 0;
    transmit_[0] = 0;
    writes_ = 0;
    unitId = transmit_[3];
  }
  OnError(LINK_ERROR_NO_REPLY, unitId);
}
