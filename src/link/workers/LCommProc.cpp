#include "LCommProc.h"

LCommProc::LCommProc(LinkOwner* owner) : LinkProc<LComm>(owner) {}

LCommProc::~LCommProc() { LCommProc::Close(); }

bool LCommProc::Open(int port, int baudRate, int byteSize, int parity, int stopBits) {
  StartKeepAlive();
  return LComm::Open(port, baudRate, byteSize, parity, stopBits);
}

UINT LCommProc::PrepareReply(const ByteArray& frame) {
  if (owner_) owner_->LogComRead(frame.data(), static_cast<int>(frame.size()));
  return PortBaudRate() != kReplyBaudRate ? WM_LINK_REPLY_ALT : WM_LINK_REPLY;
}
