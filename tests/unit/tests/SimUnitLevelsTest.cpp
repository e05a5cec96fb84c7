#include "SimUnitLevels.h"
#include "SimUnitTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Over a phrase and more, every meter channel sweeps from near silence to the top of the
// meters (-3 dBFS lights the last segment), and every limiter lamp both lights and goes out.
TEST(SimUnitLevels, EveryChannelSweepsTheMeterAndEveryLimiterBlinks) {
  const int channels[] = {0, 1, 4, 5, 6, 7, 8, 9};
  std::array<double, 12> lowest, highest;
  lowest.fill(1e9);
  highest.fill(-1e9);
  uint8_t everLit = 0, everDark = 0;
  for (int step = 0; step < 1600; ++step) {
    const SimLevels s = SimUnitLevels::At(step * 0.01);
    for (int ch : channels) {
      const float level = s.levels[size_t(ch)];
      ASSERT_TRUE(std::isfinite(level) && level > 0.0f && level < 2.0f) << "channel " << ch << " at step " << step;
      const double db = 20.0 * std::log10(double(level));
      lowest[size_t(ch)] = std::min(lowest[size_t(ch)], db);
      highest[size_t(ch)] = std::max(highest[size_t(ch)], db);
    }
    everLit |= s.limiterBits;
    everDark |= uint8_t(~s.limiterBits);
  }
  for (int ch : channels) {
    EXPECT_GT(highest[size_t(ch)], -3.0) << "channel " << ch;
    EXPECT_LT(lowest[size_t(ch)], -60.0) << "channel " << ch;
  }
  EXPECT_EQ(everLit & 0x3F, 0x3F);
  EXPECT_EQ(everDark & 0x3F, 0x3F);
  // Channels differ: the two inputs are not one signal.
  EXPECT_NE(SimUnitLevels::At(0.3).levels[0], SimUnitLevels::At(0.3).levels[1]);
}

// With moving levels on, the level reply carries the generator's levels, not the set ones.
TEST(SimUnitLevels, TheLevelReplyFollowsTheGeneratorWhenMoving) {
  SimUnit unit;
  SimUnitPort port{unit};
  const auto ask = [&] {
    port.Receive(EditorFrame(1, 64, {}));
    const auto out = port.TakeOutput(SimClock::now() + std::chrono::hours(1));
    return out.empty() ? SimBytes{} : out.front().bytes;
  };
  const SimBytes still = ask();
  ASSERT_EQ(still.size(), 46u);
  EXPECT_TRUE(std::all_of(still.begin() + 6, still.end() - 3, [](uint8_t b) { return b == 0; }));
  unit.SetMovingLevels(true);
  const SimBytes moving = ask();
  ASSERT_EQ(moving.size(), 46u);
  // InA at the generator's start is well above silence: its exponent byte is set.
  EXPECT_NE(moving[7], 0);
}

}  // namespace
