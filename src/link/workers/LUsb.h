#pragma once
// The USB HID link: the worker writes each frame through the owner's HID output report
// (LinkOwner::UsbWrite); input reports reach it through PutReceived. After the retries are
// used up it waits four further silent time-outs and reports the failure on the fifth.
#include "LFedLink.h"

class LUsb : public LFedLink {
 public:
  static constexpr int kGraceTimeouts = 4;

  explicit LUsb(LinkOwner* owner);
  ~LUsb() override;

 protected:
  void WriteTransport(const std::uint8_t* bytes, int count) override;
};
