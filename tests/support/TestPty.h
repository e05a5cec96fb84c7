#pragma once
// Test helper: a pseudo-terminal standing in for a serial line; the test holds the master
// side and reads exactly what the port under test writes.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

class TestPty {
 public:
  TestPty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) slave_ = ::ptsname(master_);
  }
  ~TestPty() { CloseMaster(); }
  TestPty(const TestPty&) = delete;
  TestPty& operator=(const TestPty&) = delete;

  const std::string& Slave() const { return slave_; }
  int Master() const { return master_; }
  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
  // Reads `count` bytes from the master side (less only if none come for ten seconds).
  std::vector<std::uint8_t> ReadMaster(std::size_t count) {
    std::vector<std::uint8_t> out;
    while (out.size() < count) {
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, 10000) <= 0) break;
      std::uint8_t buf[64];
      const ssize_t n = ::read(master_, buf, std::min(sizeof buf, count - out.size()));
      if (n <= 0) break;
      out.insert(out.end(), buf, buf + n);
    }
    return out;
  }

 private:
  int master_ = -1;
  std::string slave_;
};
