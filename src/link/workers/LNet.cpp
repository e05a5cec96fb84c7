#include "LNet.h"

LNet::LNet(LinkOwner* owner) : LFedLink(owner, 0) {}

LNet::~LNet() { LNet::Close(); }

void LNet::WriteTransport(const std::uint8_t* bytes, int count) {
  if (owner_) owner_->NetWrite(bytes, count);
}
