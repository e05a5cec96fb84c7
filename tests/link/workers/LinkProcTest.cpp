// The queued protocol layer over the fed transports: delivery, queueing, keep-alive and
// closing, with a fake owner that answers like the unit.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <memory>

#include "FakeOwner.h"
#include "LNetProc.h"
#include "LUsbProc.h"

namespace {

template <class L>
class ProcTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(link->Open()); }
  void TearDown() override { link.reset(); }

  // The unit's reply to every frame written (or only while `answering` holds).
  void AnswerEveryFrame() {
    owner.AnswerWith(link, [this](const ByteArray& f) -> std::optional<ByteArray> {
      if (!answering) return std::nullopt;
      return Reply(CodeOf(f));
    });
  }
  std::vector<std::uint8_t> ReplyCodes() const {
    std::vector<std::uint8_t> codes;
    for (const auto& m : owner.Of(WM_LINK_REPLY)) codes.push_back(CodeOf(m.frame));
    return codes;
  }
  std::vector<std::uint8_t> WrittenCodes() const {
    std::vector<std::uint8_t> codes;
    for (const ByteArray& f : owner.Writes()) codes.push_back(CodeOf(f));
    return codes;
  }

  FakeOwner owner;
  std::shared_ptr<Tuned<L>> link = std::make_shared<Tuned<L>>(&owner);
  std::atomic<bool> answering{true};
};

using Procs = ::testing::Types<LNetProc, LUsbProc>;
TYPED_TEST_SUITE(ProcTest, Procs);

TYPED_TEST(ProcTest, OneFrameOutstandingAndEachReplyAdvancesTheQueue) {
  this->AnswerEveryFrame();
  this->link->Enqueue(Request(CMD_CONNECT), true);
  this->link->Enqueue(Request(CMD_IDENTITY), true);
  this->link->Enqueue(Request(CMD_LOCK_STATE), true);
  ASSERT_TRUE(this->owner.PumpUntilMessages(WM_LINK_REPLY, 3));
  EXPECT_EQ(this->ReplyCodes(), (std::vector<std::uint8_t>{16, 19, 44}));
  EXPECT_EQ(this->WrittenCodes(), (std::vector<std::uint8_t>{16, 19, 44}));
  EXPECT_EQ(this->owner.Of(WM_LINK_REPLY)[0].frame, Reply(CMD_CONNECT));
  EXPECT_GE(this->owner.Of(WM_LINK_REPLY)[0].lParam, 0);
}

TYPED_TEST(ProcTest, HandlerEnqueuesWhileTheWorkerWaitsForIt) {
  // The main window answers a reply by queueing the next request inside the handler.
  this->AnswerEveryFrame();
  this->owner.onMessage = [this](const FakeOwner::Message& m) {
    if (CodeOf(m.frame) == CMD_CONNECT) this->link->Enqueue(Request(CMD_IDENTITY), true);
    if (CodeOf(m.frame) == CMD_IDENTITY) this->link->Enqueue(Request(CMD_LOCK_STATE), true);
  };
  this->link->Enqueue(Request(CMD_CONNECT), true);
  ASSERT_TRUE(this->owner.PumpUntilMessages(WM_LINK_REPLY, 3));
  EXPECT_EQ(this->WrittenCodes(), (std::vector<std::uint8_t>{16, 19, 44}));
}

TYPED_TEST(ProcTest, TwoRepliesInOneHandOverAreDeliveredEachFollowedByTheNextFrame) {
  this->link->Enqueue(Request(CMD_CONNECT), true);
  this->link->Enqueue(Request(CMD_IDENTITY), true);
  this->link->Enqueue(Request(CMD_LOCK_STATE), true);
  ASSERT_TRUE(this->owner.WaitWrites(1));
  ByteArray both = Reply(CMD_CONNECT);
  const ByteArray identity = Reply(CMD_IDENTITY, {'Q', '7', 'K'});
  both.insert(both.end(), identity.begin(), identity.end());
  this->link->PutReceived(both.data(), static_cast<int>(both.size()));
  ASSERT_TRUE(this->owner.PumpUntilMessages(WM_LINK_REPLY, 2));
  ASSERT_TRUE(this->owner.WaitWrites(3));
  EXPECT_EQ(this->owner.Of(WM_LINK_REPLY)[1].frame, identity);
  EXPECT_EQ(this->WrittenCodes(), (std::vector<std::uint8_t>{16, 19, 44}));
}

TYPED_TEST(ProcTest, BytesHandedOverBeforeTheWorkerTakesThemAreAllFedOnce) {
  this->link->Enqueue(Request(CMD_CONNECT), true);
  ASSERT_TRUE(this->owner.WaitWrites(1));
  const ByteArray first = Reply(CMD_CONNECT);
  const ByteArray second = Reply(CMD_READ_PRESET_NAME, {3, 'D', 'e', 'f', 'a', 'u', 'l', 't'});
  // Three hand-overs in a row, most likely before the worker wakes: nothing may be lost
  // or fed twice, and the second frame is assembled across two hand-overs.
  this->link->PutReceived(first.data(), static_cast<int>(first.size()));
  this->link->PutReceived(second.data(), 5);
  this->link->PutReceived(second.data() + 5, static_cast<int>(second.size() - 5));
  ASSERT_TRUE(this->owner.PumpUntilMessages(WM_LINK_REPLY, 2));
  QCoreApplication::processEvents();
  const auto replies = this->owner.Of(WM_LINK_REPLY);
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].frame, first);
  EXPECT_EQ(replies[1].frame, second);
}

TYPED_TEST(ProcTest, SlowReplyEndsTheWaitAndItsLateDuplicateIsDropped) {
  // A unit slower than the reply time-out: the frame is written again before the first
  // answer comes, so two answers are on their way. The first ends the wait, the second is
  // dropped (not taken for the next request's answer), and the answered frame is not written
  // again on the time-outs of the idle link: the next write is the keep-alive poll.
  this->link->Close();
  this->link = std::make_shared<Tuned<TypeParam>>(&this->owner);
  this->link->SetKeepAliveInterval(50);
  ASSERT_TRUE(this->link->Open());
  this->link->SetMaxRetries(100);
  this->link->SetWaitTimeout(5);
  std::size_t writesWhenAnswered = 0;
  this->owner.onMessage = [this, &writesWhenAnswered](const FakeOwner::Message& m) {
    if (CodeOf(m.frame) == CMD_CONNECT) this->link->Enqueue(Request(CMD_IDENTITY), true);
    // The worker waits for this handler: nothing is written meanwhile.
    if (CodeOf(m.frame) == CMD_IDENTITY) writesWhenAnswered = this->owner.Writes().size();
  };
  this->link->Enqueue(Request(CMD_CONNECT), true);
  ASSERT_TRUE(this->owner.WaitWrites(2));
  const auto put = [this](const ByteArray& bytes) { this->link->PutReceived(bytes.data(), static_cast<int>(bytes.size())); };
  put(Reply(CMD_CONNECT));
  ASSERT_TRUE(PumpUntil([&] { return CodeOf(this->owner.Writes().back()) == CMD_IDENTITY; }));
  put(Reply(CMD_CONNECT));  // the answer to the second write
  put(Reply(CMD_IDENTITY));
  ASSERT_TRUE(this->owner.PumpUntilMessages(WM_LINK_REPLY, 2));
  ASSERT_TRUE(PumpUntil([&] { return this->owner.Writes().size() > writesWhenAnswered; }));
  QCoreApplication::processEvents();
  EXPECT_EQ(this->ReplyCodes(), (std::vector<std::uint8_t>{16, 19}));
  EXPECT_EQ(this->owner.Writes()[writesWhenAnswered], Request(CMD_POLL));
  EXPECT_TRUE(this->owner.Of(WM_LINK_ERROR).empty());
}

TYPED_TEST(ProcTest, KeepAlivePollsWhileIdleWithTheCurrentUnitId) {
  this->link->Close();
  this->link = std::make_shared<Tuned<TypeParam>>(&this->owner);
  this->link->SetKeepAliveInterval(5);
  this->AnswerEveryFrame();
  ASSERT_TRUE(this->link->Open());
  EXPECT_EQ(this->link->GetUnitId(), 1);
  this->link->SetWaitTimeout(300);
  ASSERT_TRUE(this->owner.PumpUntilMessages(WM_LINK_REPLY, 2));
  EXPECT_EQ(this->link->GetWaitTimeout(), 5000);
  for (const ByteArray& f : this->owner.Writes()) EXPECT_EQ(f, Request(CMD_POLL, 1));
  this->link->SetUnitId(7);
  ASSERT_TRUE(PumpUntil([&] { return this->owner.Writes().back() == Request(CMD_POLL, 7); }));
}

TYPED_TEST(ProcTest, NoPollWhileQuietOrBusy) {
  this->link->SetWaitTimeout(1234);
  this->link->SetQuiet(true);
  this->link->OnKeepAliveTimer();
  EXPECT_EQ(this->link->GetWaitTimeout(), 1234);
  this->link->SetQuiet(false);
  this->link->Enqueue(Request(CMD_CONNECT), true);  // outstanding, unanswered
  this->link->OnKeepAliveTimer();
  EXPECT_EQ(this->link->GetWaitTimeout(), 1234);
  ASSERT_TRUE(this->owner.WaitWrites(1));
  EXPECT_EQ(this->WrittenCodes(), (std::vector<std::uint8_t>{16}));
}

TYPED_TEST(ProcTest, ClosingDiscardsWaitingFramesWithoutSendingThem) {
  this->link->Enqueue(Request(CMD_CONNECT), true);
  this->link->Enqueue(Request(CMD_IDENTITY), true);
  this->link->Enqueue(Request(CMD_LOCK_STATE), false);
  ASSERT_TRUE(this->owner.WaitWrites(1));
  this->link->Close();
  this->link->Enqueue(Request(CMD_POLL), true);  // closed: dropped
  for (std::uint8_t code : this->WrittenCodes()) EXPECT_EQ(code, CMD_CONNECT);
  EXPECT_FALSE(this->link->IsOpen());
}

TYPED_TEST(ProcTest, ClosingWhileTheWorkerWaitsInAReplyHandOver) {
  // The reply reaches the worker, which then waits for the GUI thread; this thread closes
  // the link instead of running the handler.
  this->owner.onWrite = [this](const ByteArray& f) {
    const ByteArray reply = Reply(CodeOf(f));
    this->link->PutReceived(reply.data(), static_cast<int>(reply.size()));
  };
  this->link->Enqueue(Request(CMD_CONNECT), true);
  this->link->Enqueue(Request(CMD_IDENTITY), true);
  ASSERT_TRUE(WaitUntil([&] { return this->link->HandOverPending(); }, "the worker waiting in the reply hand-over"));
  this->link->Close();
  QCoreApplication::processEvents();
  EXPECT_TRUE(this->owner.Of(WM_LINK_REPLY).empty());
  EXPECT_TRUE(this->owner.Of(WM_LINK_ERROR).empty());  // no code 5: the worker was let go
  EXPECT_EQ(this->WrittenCodes(), (std::vector<std::uint8_t>{16}));
}

TYPED_TEST(ProcTest, LinkDestroyedFromInsideTheReplyHandler) {
  this->AnswerEveryFrame();
  bool handled = false;
  this->owner.onMessage = [this, &handled](const FakeOwner::Message& m) {
    this->link.reset();  // closes and frees the link while its worker waits for this call
    EXPECT_EQ(ReplyFrame(m.wParam), Reply(CMD_CONNECT));  // the frame outlives the link
    handled = true;
  };
  this->link->Enqueue(Request(CMD_CONNECT), true);
  this->link->Enqueue(Request(CMD_IDENTITY), true);
  ASSERT_TRUE(PumpUntil([&] { return handled; }));
  EXPECT_EQ(this->link, nullptr);
  QCoreApplication::processEvents();
  EXPECT_EQ(this->owner.Of(WM_LINK_REPLY).size(), 1u);
}

}  // namespace
