// Connects the simulated HID device to a simulated unit: the frames of the reports the
// editor writes go into the unit, and the unit's output comes back as input reports
// (one report per reply, longer output split over several). When the unit drops the
// connection the device is unplugged.
#pragma once

#include "SimUnitTransport.h"

class SimHidUnitLink : public SimUnitTransport {
 public:
  explicit SimHidUnitLink(SimUnit& unit);
  ~SimHidUnitLink() override;

 protected:
  int DataFd() const override { return fds_[0]; }
  void DropConnection() override;
  long WriteData(const uint8_t* data, size_t size) override;

 private:
  int fds_[2] = {-1, -1};  // [0] read by the transport, [1] fed by the device's write sink
};
