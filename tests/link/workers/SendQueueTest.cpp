#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "FakeOwner.h"
#include "SendQueue.h"

namespace {

// One step of a table: enqueue a frame (code, tag byte, append-only) or take the next.
struct Step {
  enum Kind { Replaceable, AppendOnly, Next } kind;
  std::uint8_t code = 0;
  std::uint8_t tag = 0;  // payload byte telling frames of one code apart
};

Step R(std::uint8_t code, std::uint8_t tag = 0) { return {Step::Replaceable, code, tag}; }
Step A(std::uint8_t code, std::uint8_t tag = 0) { return {Step::AppendOnly, code, tag}; }
Step N() { return {Step::Next}; }

ByteArray FrameOf(std::uint8_t code, std::uint8_t tag) { return CM_MCS_CMD(1, code, tag).Serialise(); }

struct QueueCase {
  std::string name;
  std::vector<Step> steps;
  std::vector<ByteArray> sent;     // frames the caller had to send, in order
  std::vector<ByteArray> waiting;  // what waits at the end
  bool busy;
};

void PrintTo(const QueueCase& c, std::ostream* os) { *os << c.name; }

class SendQueueTable : public ::testing::TestWithParam<QueueCase> {};

TEST_P(SendQueueTable, FollowsTheCoalescingRule) {
  SendQueue q;
  std::vector<ByteArray> sent;
  for (const Step& s : GetParam().steps) {
    if (s.kind == Step::Next) {
      if (auto next = q.Next()) sent.push_back(*next);
    } else {
      const ByteArray f = FrameOf(s.code, s.tag);
      if (q.Enqueue(f, s.kind == Step::AppendOnly)) sent.push_back(f);
    }
  }
  EXPECT_EQ(sent, GetParam().sent);
  EXPECT_EQ(std::vector<ByteArray>(q.Waiting().begin(), q.Waiting().end()), GetParam().waiting);
  EXPECT_EQ(q.Busy(), GetParam().busy);
}

constexpr std::uint8_t kGain = 52, kPeq = 51, kMute = 53;

INSTANTIATE_TEST_SUITE_P(
    Rules, SendQueueTable,
    ::testing::Values(
        QueueCase{"idleSendsAtOnce", {R(kGain, 1)}, {FrameOf(kGain, 1)}, {}, true},
        QueueCase{"secondWaitsThenGoesThenIdle", {R(kGain, 1), R(kMute, 2), N(), N()},
                  {FrameOf(kGain, 1), FrameOf(kMute, 2)}, {}, false},
        QueueCase{"threeGainsLeaveTheLast", {R(kMute), R(kGain, 1), R(kGain, 2), R(kGain, 3)},
                  {FrameOf(kMute, 0)}, {FrameOf(kGain, 3)}, true},
        QueueCase{"onlyTheCodeIsCompared", {R(kMute), R(kPeq, 1), R(kPeq, 7)},
                  {FrameOf(kMute, 0)}, {FrameOf(kPeq, 7)}, true},
        QueueCase{"abaKeepsThree", {R(kMute), R(kGain, 1), R(kPeq, 2), R(kGain, 3)},
                  {FrameOf(kMute, 0)}, {FrameOf(kGain, 1), FrameOf(kPeq, 2), FrameOf(kGain, 3)}, true},
        QueueCase{"appendOnlyBreaksTheChain", {R(kMute), R(kGain, 1), A(kGain, 2), R(kGain, 3)},
                  {FrameOf(kMute, 0)}, {FrameOf(kGain, 1), FrameOf(kGain, 2), FrameOf(kGain, 3)}, true},
        QueueCase{"appendOnlyIsNeverReplaced", {R(kMute), A(kGain, 1), R(kGain, 2)},
                  {FrameOf(kMute, 0)}, {FrameOf(kGain, 1), FrameOf(kGain, 2)}, true},
        QueueCase{"sentFrameIsNeverOverwritten", {R(kMute), R(kGain, 1), N(), R(kGain, 2)},
                  {FrameOf(kMute, 0), FrameOf(kGain, 1)}, {FrameOf(kGain, 2)}, true},
        QueueCase{"firstEnqueueAppendOnlyAlsoSendsAtOnce", {A(kGain, 1), N()}, {FrameOf(kGain, 1)}, {}, false}),
    [](const auto& info) { return info.param.name; });

TEST(SendQueue, ClearDropsWaitingFramesAndTheRemembered) {
  SendQueue q;
  q.Enqueue(FrameOf(kMute, 0), false);
  q.Enqueue(FrameOf(kGain, 1), false);
  ASSERT_TRUE(q.HasRemembered());
  q.Clear();
  EXPECT_TRUE(q.Empty());
  EXPECT_FALSE(q.HasRemembered());
  q.Enqueue(FrameOf(kGain, 2), false);
  EXPECT_EQ(q.Waiting().size(), 1u);
}

TEST(SendQueue, FramesTooShortForACodeAreNeverCoalesced) {
  SendQueue q;
  q.Enqueue({0x10}, false);
  q.Enqueue({0x10, 0x02}, false);
  q.Enqueue({0x10, 0x02}, false);
  EXPECT_EQ(q.Waiting().size(), 2u);
}

}  // namespace
