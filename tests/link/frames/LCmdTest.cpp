#include "CommandCode.h"
#include "LCmd.h"
#include "ShortReplyError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ByteArray Frame(std::initializer_list<int> bytes) {
  ByteArray out;
  for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

// A reply as the unit frames it: its own ID in byte 2.
ByteArray ReplyFrame(std::uint8_t id, std::uint8_t code, const ByteArray& payload) {
  return LCmd::FrameBytes(id, 0x00, code, payload);
}

TEST(LCmd, SerialisesTheFrameExamples) {
  EXPECT_EQ(CM_MCS_CMD(1, CMD_POLL).Serialise(),
            Frame({0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13}));
  EXPECT_EQ(CM_MCS_CMD(1, CMD_READ_PRESET_NAME, 5).Serialise(),
            Frame({0x10, 0x02, 0x00, 0x01, 0x02, 0x29, 0x05, 0x10, 0x03, 0x2E}));
  EXPECT_EQ(CM_MCS_CMD(7, CMD_COPY_CHANNEL, 2, 3).GetPayload(), Frame({2, 3}));
}

TEST(LCmd, DefaultAndIdCodeConstructors) {
  LCmd empty;
  EXPECT_EQ(empty.GetDeviceId(), 0);
  EXPECT_EQ(empty.GetCode(), 0);
  EXPECT_TRUE(empty.GetPayload().empty());
  LCmd poll(3, CMD_POLL);
  EXPECT_EQ(poll.GetDeviceId(), 3);
  EXPECT_EQ(poll.GetCode(), CMD_POLL);
  EXPECT_EQ(poll.Serialise().size(), LCmd::kMinFrameSize);
  EXPECT_EQ(poll.Serialise()[4], 1);
}

TEST(LCmd, ArgumentBytesAreTruncatedToEightBits) {
  EXPECT_EQ(CM_MCS_CMD(1, CMD_RECALL_PRESET, 300).GetPayload(), Frame({44}));
  EXPECT_EQ(CM_MCS_CMD(1, CMD_LINK, 258, -1).GetPayload(), Frame({2, 0xFF}));
}

TEST(LCmd, RoundTripKeepsCodeAndPayloadButTheSentFrameCarriesIdZero) {
  // 0x10 0x03 inside the payload is not escaped; the length byte alone delimits it.
  const ByteArray frame = CM_MCS_CMD(9, CMD_LINK, 0x10, 0x03).Serialise();
  EXPECT_EQ(frame, Frame({0x10, 0x02, 0x00, 0x09, 0x03, 0x3B, 0x10, 0x03, 0x10, 0x03,
                          0x10 ^ 0x02 ^ 0x09 ^ 0x03 ^ 0x3B ^ 0x10 ^ 0x03 ^ 0x10 ^ 0x03}));
  LCmd parsed(frame);
  EXPECT_EQ(parsed.GetDeviceId(), 0);
  EXPECT_EQ(parsed.GetCode(), CMD_LINK);
  EXPECT_EQ(parsed.GetPayload(), Frame({0x10, 0x03}));
}

TEST(LCmd, ParsesTheSendersIdFromAReply) {
  LCmd parsed(ReplyFrame(17, CMD_PRESET_NUMBER, {4}));
  EXPECT_EQ(parsed.GetDeviceId(), 17);
  EXPECT_EQ(parsed.GetCode(), CMD_PRESET_NUMBER);
  EXPECT_EQ(parsed.GetPayload(), Frame({4}));
}

TEST(LCmd, WrongXorParsesLikeACorrectFrame) {
  ByteArray f = ReplyFrame(1, CMD_LEVELS, {1, 2, 3});
  f.back() ^= 0x5A;
  LCmd parsed(f);
  EXPECT_EQ(parsed.GetDeviceId(), 1);
  EXPECT_EQ(parsed.GetCode(), CMD_LEVELS);
  EXPECT_EQ(parsed.GetPayload(), Frame({1, 2, 3}));
}

TEST(LCmd, DamagedTrailerGivesIdZeroAndCodeFromByteZero) {
  ByteArray f = ReplyFrame(1, CMD_PRESET_NUMBER, {4, 5});
  f[f.size() - 2] = 0x04;
  LCmd parsed(f);
  EXPECT_EQ(parsed.GetDeviceId(), 0);
  EXPECT_EQ(parsed.GetCode(), 0x10);
  EXPECT_EQ(parsed.GetPayload(), Frame({4, 5}));
}

// Frames whose length byte disagrees with their size never read past their end; a frame
// shorter than 9 bytes counts as damaged even where its last bytes look like a trailer.
TEST(LCmd, MalformedFramesStayInsideTheirBytes) {
  struct Case {
    const char* what;
    ByteArray frame;
    ByteArray payload;
    int id;
    int code;
  } cases[] = {
      {"length byte 0", Frame({0x10, 0x02, 0x01, 0x00, 0x00, 0x24, 0x10, 0x03, 0x00}), {}, 1, 0x24},
      {"length promises more than is there",
       Frame({0x10, 0x02, 0x01, 0x00, 0xFF, 0x24, 0x07, 0x08, 0x10, 0x03, 0x00}),
       Frame({0x07, 0x08}), 1, 0x24},
      {"shorter than a frame", Frame({0x10, 0x02, 0x01, 0x00, 0x05, 0x24}), {}, 0, 0x10},
      {"eight bytes ending like a trailer", Frame({0x10, 0x02, 0x05, 0x00, 0x01, 0x10, 0x03, 0x00}),
       {}, 0, 0x10},
      {"only the marker", Frame({0x10}), {}, 0, 0x10},
      {"nothing", ByteArray{}, {}, 0, 0},
  };
  for (const Case& c : cases) {
    // Copy into a buffer of exactly that size so the sanitizer sees any overrun.
    auto* bytes = new std::uint8_t[c.frame.size() + (c.frame.empty() ? 1 : 0)];
    std::copy(c.frame.begin(), c.frame.end(), bytes);
    LCmd parsed(std::span<const std::uint8_t>(bytes, c.frame.size()));
    EXPECT_EQ(parsed.GetPayload(), c.payload) << c.what;
    EXPECT_EQ(parsed.GetDeviceId(), c.id) << c.what;
    EXPECT_EQ(parsed.GetCode(), c.code) << c.what;
    delete[] bytes;
  }
}

TEST(LCmd, PayloadByteThrowsOnAShortReply) {
  LCmd reply(ReplyFrame(1, CMD_LOCK_STATE, {0, 0, 0}));
  EXPECT_EQ(reply.PayloadByte(2), 0);
  try {
    reply.PayloadByte(5);
    FAIL() << "no error for a missing byte";
  } catch (const ShortReplyError& e) {
    EXPECT_EQ(e.Code(), CMD_LOCK_STATE);
    EXPECT_EQ(e.Index(), 5u);
    EXPECT_EQ(e.Size(), 3u);
    const std::string what = e.what();
    EXPECT_NE(what.find("44"), std::string::npos) << what;
    EXPECT_NE(what.find("byte 5"), std::string::npos) << what;
  }
}

TEST(LCmd, CommandsAreDestroyedThroughTheBase) {
  // A command type with a destructor of its own, deleted through a pointer to the base.
  struct Counted : CM_MCS_CMD {
    explicit Counted(int& destroyed) : CM_MCS_CMD(1, CMD_LINK, 2, 7), destroyed(destroyed) {}
    ~Counted() { ++destroyed; }
    int& destroyed;
  };
  int destroyed = 0;
  LCmd* cmd = new Counted(destroyed);
  EXPECT_EQ(cmd->GetPayload(), Frame({2, 7}));
  delete cmd;
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
