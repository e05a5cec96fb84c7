#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "FrameParser.h"
#include "FakeOwner.h"

namespace {

ByteArray Cat(std::initializer_list<ByteArray> parts) {
  ByteArray out;
  for (const ByteArray& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

std::vector<ByteArray> ParseAll(const ByteArray& stream) {
  FrameParser parser;
  std::vector<ByteArray> frames;
  for (std::uint8_t b : stream) {
    if (parser.Push(b)) frames.push_back(parser.Frame());
    EXPECT_LE(parser.Frame().size(), FrameParser::kMaxFrame);
  }
  return frames;
}

struct ParserCase {
  std::string name;
  ByteArray stream;
  std::vector<ByteArray> frames;
};

void PrintTo(const ParserCase& c, std::ostream* os) { *os << c.name; }

const ByteArray kPoll = Reply(18);
const ByteArray kName = Reply(41, {5, 'D', 'e', 'f'});
// 0x10 0x03 inside the payload: boundaries come from the length byte alone.
const ByteArray kStuffed = Reply(36, {0x10, 0x03, 0x10, 0x02});

class FrameParserTable : public ::testing::TestWithParam<ParserCase> {};

TEST_P(FrameParserTable, CutsTheStreamIntoFrames) {
  EXPECT_EQ(ParseAll(GetParam().stream), GetParam().frames);
}

ByteArray WithBadTrailer() {
  ByteArray f = kPoll;
  f[f.size() - 2] = 0x04;
  f.back() ^= 0x5A;
  return f;
}

ByteArray Longest() {
  ByteArray payload(254, 0x10);
  return Reply(37, payload);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, FrameParserTable,
    ::testing::Values(
        ParserCase{"one", kPoll, {kPoll}},
        ParserCase{"merged", Cat({kPoll, kName, kStuffed}), {kPoll, kName, kStuffed}},
        ParserCase{"garbageBefore", Cat({{0x00, 0x10, 0x10, 0x02}, ByteArray(kPoll.begin() + 2, kPoll.end())}),
                   {kPoll}},
        ParserCase{"tenWithoutTwoWaits", Cat({{0x10, 0x05, 0x07}, ByteArray(kPoll.begin() + 1, kPoll.end())}),
                   {kPoll}},
        ParserCase{"wrongTrailerAndXorStillDelivered", WithBadTrailer(), {WithBadTrailer()}},
        ParserCase{"lengthZeroDiscardedUntilNextStart", Cat({{0x10, 0x02, 0x01, 0x00, 0x00, 0x12, 0x77}, kPoll}),
                   {kPoll}},
        ParserCase{"lengthZeroSwallowsNothingBeyondItself", Cat({{0x10, 0x02, 0x01, 0x00, 0x00}, kName}),
                   {kName}},
        ParserCase{"longestFrame263", Cat({Longest(), kPoll}), {Longest(), kPoll}},
        ParserCase{"cutShortCompletedByWhatFollows", Cat({ByteArray(kName.begin(), kName.begin() + 6), kPoll}),
                   {Cat({ByteArray(kName.begin(), kName.begin() + 6), ByteArray(kPoll.begin(), kPoll.begin() + 7)})}}),
    [](const auto& info) { return info.param.name; });

TEST(FrameParser, FrameStaysUntilTheNextByte) {
  FrameParser parser;
  bool done = false;
  for (std::uint8_t b : kPoll) done = parser.Push(b);
  ASSERT_TRUE(done);
  EXPECT_EQ(parser.Frame(), kPoll);
  EXPECT_FALSE(parser.Push(0x10));
  EXPECT_EQ(parser.Frame(), ByteArray{0x10});
  EXPECT_EQ(Longest().size(), FrameParser::kMaxFrame);
}

}  // namespace
