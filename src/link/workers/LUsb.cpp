#include "LUsb.h"

LUsb::LUsb(LinkOwner* owner) : LFedLink(owner, kGraceTimeouts) {}

LUsb::~LUsb() { LUsb::Close(); }

void LUsb::WriteTransport(const std::uint8_t* bytes, int count) {
  if (owner_) owner_->UsbWrite(bytes, count);
}
