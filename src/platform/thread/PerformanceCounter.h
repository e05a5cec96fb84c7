#pragma once
// The high-resolution counter used for reply timing: a steady clock read in ticks, with
// the number of ticks per second.
#include <chrono>
#include <cstdint>

namespace PerformanceCounter {

inline std::int64_t Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

constexpr std::int64_t Frequency() { return 1'000'000'000; }

}  // namespace PerformanceCounter
