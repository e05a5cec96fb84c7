#pragma once
// The unit's level reply (code 64): twelve signal levels and the limiter bits, and how a
// level maps to lit segments of an input or output meter.
//
// Each level is three bytes b0 b1 b2 holding the upper 24 bits of an IEEE-754 single, most
// significant byte first in the order b1, b0, b2 (the lowest byte is 0). The value is the
// linear level, 1.0 being full scale. Levels 0 and 1 are the inputs, 4 to 9 the outputs.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

inline constexpr std::size_t kLevelCount = 12;
inline constexpr std::size_t kLevelReplySize = kLevelCount * 3 + 1;
inline constexpr int kLevelInputFirst = 0;   // InA, InB
inline constexpr int kLevelOutputFirst = 4;  // Out1 to Out6
inline constexpr int kInputSegments = 9;
inline constexpr int kOutputSegments = 8;

struct LevelReply {
  std::array<float, kLevelCount> levels{};
  std::uint8_t limiterBits = 0;  // bit o: output o + 1 is limiting
};

// One level from its three reply bytes, in reply order.
float DecodeLevel(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);
// The three reply bytes of a level (its lowest mantissa byte is dropped).
std::array<std::uint8_t, 3> EncodeLevel(float level);

// The reply's levels and limiter bits; nothing when the payload is shorter than 37 bytes
// (bytes after the 37th are ignored).
std::optional<LevelReply> DecodeLevelReply(std::span<const std::uint8_t> payload);

// How many segments a linear level lights: the meter marks (inputs -50, -30, -20, -10, -5, 0,
// 5, 12, 15; outputs without -20) less 18 dB are thresholds, counted from the lowest while
// they lie below the level in dB. Silence (0), a negative value and not-a-number light none.
int LevelSegments(float level, bool input);
