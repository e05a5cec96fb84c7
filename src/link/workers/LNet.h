#pragma once
// The TCP link: the worker writes each frame through the owner's client socket
// (LinkOwner::NetWrite); socket data reaches it through PutReceived. It reports the
// failure at the first time-out after the retries are used up.
#include "LFedLink.h"

class LNet : public LFedLink {
 public:
  explicit LNet(LinkOwner* owner);
  ~LNet() override;

 protected:
  void WriteTransport(const std::uint8_t* bytes, int count) override;
};
