#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

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

// A notice socket whose buffer overran has lost notices: the monitor must ask for a
// rescan. Route notices of this private network namespace overrun a small buffer on cue.
TEST(HidUeventMonitor, AnOverrunSocketAsksForARescan) {
  const char* netns = std::getenv("Q7K_IN_NETNS");
  if (!netns || std::string(netns) != "1") GTEST_SKIP() << "changes addresses: only inside the test namespace";
  const int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
  ASSERT_GE(fd, 0);
  const int small = 1;  // the kernel raises it to its minimum
  ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  sockaddr_nl addr{};
  addr.nl_family = AF_NETLINK;
  addr.nl_groups = RTMGRP_IPV4_IFADDR;
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  std::string batch;
  for (int i = 1; i <= 100; ++i) batch += "addr add 127.77.0." + std::to_string(i) + "/32 dev lo\n";
  for (int i = 1; i <= 100; ++i) batch += "addr del 127.77.0." + std::to_string(i) + "/32 dev lo\n";
  FILE* ip = ::popen("ip -batch - 2>/dev/null", "w");
  ASSERT_NE(ip, nullptr);
  std::fputs(batch.c_str(), ip);
  if (::pclose(ip) != 0) {
    ::close(fd);
    GTEST_SKIP() << "addresses cannot be changed here";
  }
  EXPECT_TRUE(HidUeventMonitor::ReadPending(fd));
  ::close(fd);
}
