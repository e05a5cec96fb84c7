#pragma once
// A level generator for demonstrations: levels that move the way music does (a beat with a
// quick attack and a slower fall, phrases that swell and fade, a little noise), different per
// channel, with the limiter bits set on loud peaks. A pure function of time, so it can be
// checked without waiting.
#include <array>
#include <cstdint>

struct SimLevels {
  std::array<float, 12> levels{};  // linear, 1.0 full scale: InA, InB, 2 unused, Out1 to Out6, 2 unused
  uint8_t limiterBits = 0;         // bit n: Out(n+1)'s limiter works
};

class SimUnitLevels {
 public:
  // The output level (dBFS) above which a limiter lamp lights.
  static constexpr double kLimitDb = -8.0;

  // The levels at `seconds` since the generator started.
  static SimLevels At(double seconds);
};
