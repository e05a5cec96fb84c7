#include "HidUeventMonitor.h"

#include <cerrno>
#include <cstring>
#include <linux/netlink.h>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

namespace HidUeventMonitor {

namespace {

// Where udev runs, its own announcements come after it has applied the rules (so the
// node's access rights are in place); without udev the kernel's come straight.
constexpr unsigned kKernelGroup = 1;
constexpr unsigned kUdevGroup = 2;

}  // namespace

int Open() {
  const int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_KOBJECT_UEVENT);
  if (fd < 0) return -1;
  sockaddr_nl addr{};
  addr.nl_family = AF_NETLINK;
  addr.nl_groups = ::access("/run/udev/control", F_OK) == 0 ? kUdevGroup : kKernelGroup;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool IsHidrawChange(const char* message, size_t size) {
  bool hidraw = false, change = false;
  size_t pos = 0;
  while (pos < size) {
    const char* start = message + pos;
    const size_t len = strnlen(start, size - pos);
    const std::string_view field(start, len);
    if (field == "SUBSYSTEM=hidraw") hidraw = true;
    if (field == "ACTION=add" || field == "ACTION=remove") change = true;
    pos += len + 1;
  }
  return hidraw && change;
}

bool ReadPending(int fd) {
  bool seen = false;
  char buf[8192];
  for (;;) {
    const ssize_t n = ::recv(fd, buf, sizeof buf, MSG_DONTWAIT);
    // An overrun socket has dropped notices, perhaps the one that mattered: rescan.
    if (n < 0 && errno == ENOBUFS) {
      seen = true;
      continue;
    }
    if (n <= 0) return seen;
    if (IsHidrawChange(buf, static_cast<size_t>(n))) seen = true;
  }
}

void Close(int fd) {
  if (fd >= 0) ::close(fd);
}

}  // namespace HidUeventMonitor
