#include "LevelCodec.h"

#include <bit>
#include <cmath>

namespace {

constexpr double kMarkOffsetDb = 18.0;
constexpr double kSilence = 1e-7;
constexpr std::array<int, kInputSegments> kInputMarks{-50, -30, -20, -10, -5, 0, 5, 12, 15};
constexpr std::array<int, kOutputSegments> kOutputMarks{-50, -30, -10, -5, 0, 5, 12, 15};

template <std::size_t N>
int CountBelow(const std::array<int, N>& marks, double dB) {
  int k = 0;
  for (int mark : marks) {
    if (!(mark - kMarkOffsetDb < dB)) break;
    ++k;
  }
  return k;
}

}  // namespace

float DecodeLevel(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
  const std::uint32_t bits = (std::uint32_t{b1} << 24) | (std::uint32_t{b0} << 16) | (std::uint32_t{b2} << 8);
  return std::bit_cast<float>(bits);
}

std::array<std::uint8_t, 3> EncodeLevel(float level) {
  const auto bits = std::bit_cast<std::uint32_t>(level);
  return {static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24),
          static_cast<std::uint8_t>(bits >> 8)};
}

std::optional<LevelReply> DecodeLevelReply(std::span<const std::uint8_t> payload) {
  if (payload.size() < kLevelReplySize) return std::nullopt;
  LevelReply reply;
  for (std::size_t i = 0; i < kLevelCount; ++i)
    reply.levels[i] = DecodeLevel(payload[3 * i], payload[3 * i + 1], payload[3 * i + 2]);
  reply.limiterBits = payload[kLevelCount * 3];
  return reply;
}

int LevelSegments(float level, bool input) {
  // Anything that is not a positive level counts as silence.
  const double x = level > 0.0f ? double{level} : kSilence;
  const double dB = 20.0 * std::log10(x);
  return input ? CountBelow(kInputMarks, dB) : CountBelow(kOutputMarks, dB);
}
