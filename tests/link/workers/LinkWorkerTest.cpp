// The transport links on their own: resends, failure reports, the received-bytes hand-over
// and closing, with the owner doing the writes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <latch>
#include <memory>

#include "FakeOwner.h"
#include "LNet.h"
#include "LUsb.h"

namespace {

constexpr int kShortTimeout = 10;

template <class L>
class TransportTest : public ::testing::Test {
 protected:
  FakeOwner owner;
  std::unique_ptr<Tuned<L>> link = std::make_unique<Tuned<L>>(&owner);
};

using Transports = ::testing::Types<LNet, LUsb>;
TYPED_TEST_SUITE(TransportTest, Transports);

TYPED_TEST(TransportTest, NoReplyWritesRetryLimitPlusOneTimesThenReportsCode0) {
  auto& link = *this->link;
  auto& owner = this->owner;
  ASSERT_TRUE(link.Open());
  EXPECT_FALSE(link.Open());
  link.SetMaxRetries(3);
  link.SetWaitTimeout(kShortTimeout);
  const ByteArray first = Request(CMD_CONNECT, 9);
  link.SendFrame(first);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_ERROR, 1));
  const auto error = owner.Of(WM_LINK_ERROR)[0];
  EXPECT_EQ(error.wParam, static_cast<WPARAM>(LINK_ERROR_NO_REPLY));
  EXPECT_EQ(error.lParam, 9);  // the outstanding frame's unit ID
  EXPECT_EQ(owner.Writes(), std::vector<ByteArray>(4, first));

  // The link stays open; a new frame starts the count again. Meanwhile the idle link
  // goes on counting time-outs, and may report the first frame's unit again; the new
  // frame's failure names its own unit.
  const ByteArray second = Request(CMD_IDENTITY, 2);
  link.SendFrame(second);
  ASSERT_TRUE(PumpUntil([&] {
    for (const auto& m : owner.Of(WM_LINK_ERROR))
      if (m.lParam == 2) return true;
    return false;
  }));
  const auto writes = owner.Writes();
  const std::vector<ByteArray> later(writes.begin() + 4, writes.end());
  // Four writes; a fifth when a time-out of the idle link falls between the new frame's
  // copy and the worker taking its send event (the time-out writes what stands there).
  EXPECT_GE(later.size(), 4u);
  EXPECT_LE(later.size(), 5u);
  EXPECT_EQ(later, std::vector<ByteArray>(later.size(), second));
  EXPECT_TRUE(link.IsOpen());
}

TYPED_TEST(TransportTest, BareLinkPostsEachReceivedByteAndKeepsTheFirst128OfAHandOver) {
  auto& link = *this->link;
  auto& owner = this->owner;
  ASSERT_TRUE(link.Open());
  ByteArray many(200);
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = static_cast<std::uint8_t>(i);
  link.PutReceived(many.data(), static_cast<int>(many.size()));
  const std::uint8_t marker = 0xEE;
  link.PutReceived(&marker, 1);
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_BYTE, 129));
  const auto bytes = owner.Of(WM_LINK_BYTE);
  for (std::size_t i = 0; i < 128; ++i) ASSERT_EQ(bytes[i].wParam, i);
  EXPECT_EQ(bytes[128].wParam, marker);
}

TYPED_TEST(TransportTest, SendOnAClosedLinkDoesNothing) {
  auto& link = *this->link;
  auto& owner = this->owner;
  link.Close();  // never opened: safe
  link.SendFrame(Request(CMD_CONNECT));
  ASSERT_TRUE(link.Open());
  link.SendFrame({});  // empty: ignored
  link.SendFrame(Request(CMD_POLL));
  ASSERT_TRUE(owner.WaitWrites(1));
  EXPECT_EQ(owner.Writes()[0], Request(CMD_POLL));
  link.Close();
  EXPECT_FALSE(link.IsOpen());
  link.SendFrame(Request(CMD_CONNECT));
  EXPECT_EQ(owner.Writes().size(), 1u);
}

TYPED_TEST(TransportTest, CloseReportsCode5ForAWorkerThatDoesNotStopAndStillWaitsForIt) {
  auto& link = *this->link;
  auto& owner = this->owner;
  std::latch writerMayReturn(1);
  owner.onWrite = [&](const ByteArray&) {
    EXPECT_TRUE(WaitUntil([&] { return writerMayReturn.try_wait(); }, "Close reporting code 5 to free the writer"));
  };
  int reported = -1;
  link.SetCloseWait(20);
  link.onError = [&](int code, int) {
    reported = code;
    if (code == LINK_ERROR_STOP_TIMEOUT) writerMayReturn.count_down();
  };
  ASSERT_TRUE(link.Open());
  link.SendFrame(Request(CMD_CONNECT));
  ASSERT_TRUE(owner.WaitWrites(1));  // the worker is in the writer now
  link.Close();
  EXPECT_EQ(reported, LINK_ERROR_STOP_TIMEOUT);
  EXPECT_FALSE(link.IsOpen());
  ASSERT_TRUE(owner.PumpUntilMessages(WM_LINK_ERROR, 1));
  EXPECT_EQ(owner.Of(WM_LINK_ERROR)[0].wParam, static_cast<WPARAM>(LINK_ERROR_STOP_TIMEOUT));
  EXPECT_EQ(owner.Of(WM_LINK_ERROR)[0].lParam, 0);
}

}  // namespace
