#include "LevelCodec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(LevelCodec, DecodesTheUpperBitsInReplyOrder) {
  struct Case {
    std::uint8_t b0, b1, b2;
    float value;
  };
  const Case cases[] = {
      {0x00, 0x00, 0x00, 0.0f},
      {0x80, 0x3F, 0x00, 1.0f},
      {0xCC, 0x3D, 0xCC, std::bit_cast<float>(0x3DCCCC00u)},  // 0.1 without its lowest byte
      {0x00, 0xC0, 0x00, -2.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeLevel(c.b0, c.b1, c.b2), c.value);
    const auto bytes = EncodeLevel(c.value);
    EXPECT_EQ(bytes[0], c.b0);
    EXPECT_EQ(bytes[1], c.b1);
    EXPECT_EQ(bytes[2], c.b2);
  }
}

TEST(LevelCodec, ReplyNeedsAllThirtySevenBytes) {
  std::vector<std::uint8_t> payload(kLevelReplySize, 0);
  payload[3 * 5 + 0] = 0x80;  // level 5 = 1.0
  payload[3 * 5 + 1] = 0x3F;
  payload[36] = 0x21;
  payload.push_back(0xEE);  // bytes past the reply are ignored
  const auto reply = DecodeLevelReply(payload);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->levels[5], 1.0f);
  EXPECT_EQ(reply->levels[4], 0.0f);
  EXPECT_EQ(reply->limiterBits, 0x21);

  payload.resize(kLevelReplySize - 1);
  EXPECT_FALSE(DecodeLevelReply(payload));
  EXPECT_FALSE(DecodeLevelReply({}));
}

TEST(LevelCodec, SegmentsCountTheThresholdsBelowTheLevel) {
  struct Case {
    const char* what;
    float level;
    int input, output;
  };
  const auto dB = [](double d) { return static_cast<float>(std::pow(10.0, d / 20.0)); };
  const Case cases[] = {
      {"silence", 0.0f, 0, 0},
      {"full scale", 1.0f, 9, 8},
      {"-20 dB as the unit sends it", DecodeLevel(0xCC, 0x3D, 0xCC), 5, 4},
      {"just below -18 dB", dB(-18.001), 5, 4},
      {"just above -18 dB", dB(-17.99), 6, 5},
      {"just above the lowest threshold", dB(-67.99), 1, 1},
      {"above the top mark", dB(6.0), 9, 8},
      {"negative", -0.5f, 0, 0},
      {"not a number", std::numeric_limits<float>::quiet_NaN(), 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LevelSegments(c.level, true), c.input) << c.what;
    EXPECT_EQ(LevelSegments(c.level, false), c.output) << c.what;
  }
}

}  // namespace
