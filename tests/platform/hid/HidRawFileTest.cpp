// The library's read and write path on a socket pair that keeps report boundaries.
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "BoundedWait.h"
#include "HidApi.h"
#include "HidRawFile.h"

namespace {

class HidRawFileTest : public ::testing::Test {
 protected:
  void Open(bool numbered) {
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds), 0);
    handle = HidRawFile::Adopt(fds[0], numbered);
    peer = fds[1];
    ASSERT_GE(handle, 0);
  }
  void TearDown() override {
    if (handle >= 0) HidRawFile::Close(handle);
    if (peer >= 0) ::close(peer);
  }
  void Send(const std::vector<uint8_t>& report) { ASSERT_EQ(::send(peer, report.data(), report.size(), 0), ssize_t(report.size())); }
  int32_t Read(std::vector<uint8_t>& out, int32_t timeoutMs = 5000) {
    out.assign(65, 0xEE);
    uint32_t n = 0, err = 0;
    const int32_t r = HidRawFile::Read(handle, out.data(), uint32_t(out.size()), timeoutMs, &n, &err);
    out.resize(n);
    error = err;
    return r;
  }

  int handle = -1;
  int peer = -1;
  uint32_t error = 0;
};

}  // namespace

TEST_F(HidRawFileTest, UnnumberedReportsGetReportIdZeroInFront) {
  Open(false);
  std::vector<uint8_t> data(64);
  for (size_t i = 0; i < data.size(); ++i) data[i] = uint8_t(i + 1);
  Send(data);
  Send({0x02, 0x00, 0x01});
  std::vector<uint8_t> got;
  ASSERT_EQ(Read(got), Q7K_HID_IO_DONE);
  ASSERT_EQ(got.size(), 65u);
  EXPECT_EQ(got[0], 0);
  EXPECT_TRUE(std::equal(data.begin(), data.end(), got.begin() + 1));
  ASSERT_EQ(Read(got), Q7K_HID_IO_DONE) << "one report per read";
  EXPECT_EQ(got, (std::vector<uint8_t>{0x00, 0x02, 0x00, 0x01}));
}

TEST_F(HidRawFileTest, NumberedReportsPassUnchanged) {
  Open(true);
  Send({0x05, 0xAA, 0xBB});
  std::vector<uint8_t> got;
  ASSERT_EQ(Read(got), Q7K_HID_IO_DONE);
  EXPECT_EQ(got, (std::vector<uint8_t>{0x05, 0xAA, 0xBB}));
}

TEST_F(HidRawFileTest, WaitsEndByTimeoutCancelOrHangUp) {
  Open(false);
  std::vector<uint8_t> got;
  EXPECT_EQ(Read(got, 10), Q7K_HID_IO_PENDING);
  EXPECT_TRUE(got.empty());

  TestThread reader("the cancelled read returned", [&] {
    std::vector<uint8_t> r;
    EXPECT_EQ(Read(r, -1), Q7K_HID_IO_FAILED);
    EXPECT_EQ(error, uint32_t(ECANCELED));
  });
  EXPECT_TRUE(HidRawFile::CancelRead(handle));
  ASSERT_TRUE(reader.Join());

  Send({0x11});  // a consumed wake-up leaves the next read alone
  ASSERT_EQ(Read(got), Q7K_HID_IO_DONE);
  EXPECT_EQ(got, (std::vector<uint8_t>{0x00, 0x11}));

  ::close(peer);
  peer = -1;
  EXPECT_EQ(Read(got), Q7K_HID_IO_DONE);
  EXPECT_TRUE(got.empty()) << "a gone peer reads 0 bytes";
}

TEST_F(HidRawFileTest, CloseEndsAWaitingRead) {
  Open(false);
  TestThread reader("the read ended by the close returned", [&] {
    std::vector<uint8_t> r;
    EXPECT_EQ(Read(r, -1), Q7K_HID_IO_FAILED);
  });
  // The reader may not have started its wait yet: the wake-up waits for it either way.
  HidRawFile::Close(handle);
  ASSERT_TRUE(reader.Join());
  std::vector<uint8_t> r;
  EXPECT_EQ(Read(r, 0), Q7K_HID_IO_FAILED);
  EXPECT_EQ(error, uint32_t(EBADF));
  handle = -1;
}

TEST_F(HidRawFileTest, WritesOneWholeReport) {
  Open(false);
  std::vector<uint8_t> report(65, 0);
  report[1] = 0x02;
  report[5] = 0x03;
  uint32_t written = 0;
  ASSERT_TRUE(HidRawFile::Write(handle, report.data(), uint32_t(report.size()), &written));
  EXPECT_EQ(written, 65u);
  std::vector<uint8_t> got(128);
  ASSERT_EQ(::recv(peer, got.data(), got.size(), 0), 65);
  got.resize(65);
  EXPECT_EQ(got, report);
  EXPECT_FALSE(HidRawFile::Write(-1, report.data(), 1, &written));
}
