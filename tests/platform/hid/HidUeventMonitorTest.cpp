#include <gtest/gtest.h>

#include <string>

#include "HidUeventMonitor.h"

namespace {

bool Change(const std::string& fields) { return HidUeventMonitor::IsHidrawChange(fields.data(), fields.size()); }

}  // namespace

TEST(HidUeventMonitor, RecognisesHidrawNodesComingAndGoing) {
  using namespace std::string_literals;
  EXPECT_TRUE(Change("add@/devices/x/hidraw/hidraw3\0ACTION=add\0DEVPATH=/devices/x\0SUBSYSTEM=hidraw\0DEVNAME=hidraw3\0"s));
  EXPECT_TRUE(Change("remove@/devices/x/hidraw/hidraw3\0ACTION=remove\0SUBSYSTEM=hidraw\0"s));
  EXPECT_FALSE(Change("change@/devices/x\0ACTION=change\0SUBSYSTEM=hidraw\0"s));
  EXPECT_FALSE(Change("add@/devices/x\0ACTION=add\0SUBSYSTEM=usb\0"s));
  EXPECT_FALSE(Change("add@/devices/x\0ACTION=add\0SUBSYSTEM=hidraw2\0"s));
  EXPECT_TRUE(Change("x\0ACTION=add\0SUBSYSTEM=hidraw"s)) << "a last field without its terminator";
  EXPECT_FALSE(Change(""));
  // udev's announcement: its header (with binary fields), then the same properties.
  EXPECT_TRUE(Change("libudev\0\xfe\xed\xca\xfe\x28\0\0\0\x28\0\0\0ACTION=remove\0SUBSYSTEM=hidraw\0"s));
}
