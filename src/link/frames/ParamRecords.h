#pragma once
// The parameter records that both the commands carry and the unit's parameter image
// holds, byte for byte. Packed by construction: every member is built from single bytes,
// so there is no padding and the layout is the same on every host.
#include <cstddef>
#include <cstdint>

// An unsigned 16-bit word stored low byte first.
struct LeWord {
  std::uint8_t lo;
  std::uint8_t hi;

  LeWord() = default;
  constexpr LeWord(std::uint16_t value)  // NOLINT: converts like the word it stands for
      : lo(static_cast<std::uint8_t>(value & 0xFF)), hi(static_cast<std::uint8_t>(value >> 8)) {}
  constexpr operator std::uint16_t() const {  // NOLINT
    return static_cast<std::uint16_t>(lo | (hi << 8));
  }
};
static_assert(sizeof(LeWord) == 2 && alignof(LeWord) == 1);

// One EQ band.
struct PeqBandRecord {
  LeWord gain;          // tenths of a dB + 120 (0 to 240)
  LeWord frequency;     // frequency index 0 to 300
  std::uint8_t q;       // Q index 0 to 100
  std::uint8_t type;    // 0 Peak, 1 Low Shelf, 2 High Shelf, 3 Low Cut, 4 High Cut, 5/6 Allpass
};
static_assert(sizeof(PeqBandRecord) == 6);
static_assert(offsetof(PeqBandRecord, q) == 4 && offsetof(PeqBandRecord, type) == 5);

// The two cut filters of a channel. The high-pass is the low-cut filter, the low-pass the
// high-cut filter. Slope code 0 = off, 1 to 20 = the entries of the slope lists.
struct CrossoverRecord {
  LeWord highPassFrequency;
  LeWord lowPassFrequency;
  std::uint8_t highPassSlope;
  std::uint8_t lowPassSlope;
};
static_assert(sizeof(CrossoverRecord) == 6);
static_assert(offsetof(CrossoverRecord, lowPassFrequency) == 2);
static_assert(offsetof(CrossoverRecord, highPassSlope) == 4);

// Noise gate of an input. Times are in ms - 1; threshold is 180 + half-dB steps.
struct GateRecord {
  LeWord attack;
  LeWord release;
  LeWord hold;
  LeWord threshold;
};
static_assert(sizeof(GateRecord) == 8);
static_assert(offsetof(GateRecord, threshold) == 6);

// Compressor/limiter of an output. Times are in ms - 1; threshold is 180 + half-dB steps.
struct CompRecord {
  std::uint8_t ratio;   // index 0 to 15 into the ratio table
  std::uint8_t knee;    // dB, 0 to 12
  LeWord attack;
  LeWord release;
  LeWord threshold;
};
static_assert(sizeof(CompRecord) == 8);
static_assert(offsetof(CompRecord, attack) == 2 && offsetof(CompRecord, threshold) == 6);
