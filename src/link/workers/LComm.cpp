#include "LComm.h"

#include <algorithm>
#include <mutex>

#include "LinkMessages.h"
#include "serial/SerialPortList.h"

LComm::LComm(LinkOwner* owner) : LLink(owner, kBufferSize, 0) {}

LComm::~LComm() { LComm::Close(); }

bool LComm::Open(int port, int baudRate, int byteSize, int parity, int stopBits) {
  if (port < kMinPort || port > kMaxPort || baudRate < kMinBaud || baudRate > kMaxBaud) {
    return false;
  }
  if (open_) return false;
  {
    std::lock_guard lock(lock_);
    const std::string device = SerialPortList::DeviceFor(SerialPortList::OpenName(port));
    if (!port_.Open(device)) return false;
    if (!port_.SetState(baudRate, byteSize, parity, stopBits)) {
      port_.Close();
      return false;
    }
    port_.Purge();
  }
  if (!StartWorker()) {
    std::lock_guard lock(lock_);
    port_.Close();
    return false;
  }
  return true;
}

void LComm::Close() {
  LLink::Close();
  std::lock_guard lock(lock_);
  if (port_.IsOpen()) {
    port_.Purge();
    port_.Close();
  }
}

void LComm::SendRaw(const std::uint8_t* bytes, int count) {
  if (!open_) return;
  PutTransmit(bytes, count);
  LogWrite(bytes, count);
}

void LComm::SendFrame(const ByteArray& frame) {
  if (!open_ || frame.empty()) return;
  PutTransmit(frame.data(), static_cast<int>(frame.size()));
  LogWrite(frame.data(), static_cast<int>(frame.size()));
}

void LComm::LogWrite(const std::uint8_t* bytes, int count) {
  if (owner_) owner_->LogComWrite(bytes, std::clamp(count, 0, static_cast<int>(kBufferSize)));
}

void LComm::WriteTransport(const std::uint8_t* bytes, int count) { port_.Write(bytes, count); }

void LComm::ReadPort() {
  std::lock_guard lock(lock_);
  std::uint8_t buffer[256];
  for (;;) {
    const int queued = port_.Queued();
    if (queued <= 0) return;
    const int n = port_.Read(buffer, std::min(queued, static_cast<int>(sizeof buffer)));
    if (n <= 0) return;
    for (int i = 0; i < n; ++i) OnByte(buffer[i]);
  }
}

void LComm::ThreadProc() {
  FdWaitable portInput(port_.WaitFd());
  for (;;) {
    // The port's event wait cannot start on a line that has failed (unplugged, hung up).
    if (port_.Failed()) {
      OnError(LINK_ERROR_WAIT, 0);
      return;
    }
    const std::uint32_t r = WaitForAny({&portInput, &send_, &stop_}, GetWaitTimeout());
    if (r == WAIT_OBJECT_0) {
      ReadPort();
    } else if (r == WAIT_OBJECT_0 + 1) {
      OnSendEvent();
    } else if (r == WAIT_OBJECT_0 + 2) {
      return;
    } else if (r == WAIT_TIMEOUT) {
      if (forcedResends_ > 0) {
        --forcedResends_;
        std::lock_guard lock(lock_);
        if (transmit_[0] != 0) ++writes_;
        WriteOut();
      } else {
        OnWaitTimeout();
      }
    } else {
      int unitId;
      {
        std::lock_guard lock(lock_);
        unitId = transmit_[3];
      }
      OnError(LINK_ERROR_WAIT_RESULT, unitId);
      return;
    }
  }
}
