#include "SimUnitLevels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTempo = 2.0;  // beats per second (120 bpm)

// A repeatable noise in [0, 1) for a beat number and a channel.
double Noise(long beat, int channel) {
  uint32_t x = uint32_t(beat) * 2654435761u ^ uint32_t(channel + 1) * 40503u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return double(x & 0xFFFFu) / 65536.0;
}

// The level (dBFS) of a source at `seconds`: each beat strikes at a slightly random height and
// falls back; a phrase of eight beats swells and fades; `phase` offsets the channel.
double SourceDb(double seconds, int channel, double phase) {
  const double beats = seconds * kTempo + phase;
  const long beat = long(std::floor(beats));
  const double inBeat = beats - double(beat);
  const double strike = -14.0 + 12.0 * Noise(beat, channel);  // -14 to -2 dB at the hit
  const double fall = 40.0 * inBeat;                          // 40 dB over one beat
  const double phrase = 10.0 * std::sin(2.0 * std::numbers::pi * beats / 8.0);  // swell and fade
  const double db = strike - fall + phrase - 4.0;
  return std::max(db, -80.0);
}

float Linear(double db) { return float(std::pow(10.0, db / 20.0)); }

}  // namespace

SimLevels SimUnitLevels::At(double seconds) {
  SimLevels out;
  for (int in = 0; in < 2; ++in) out.levels[size_t(in)] = Linear(SourceDb(seconds, in, 0.13 * in));
  for (int o = 0; o < 6; ++o) {
    // Each output follows one input (alternately) with a gain and offset of its own.
    const double db = SourceDb(seconds, 2 + o, 0.05 * o) + (o % 3 == 2 ? 2.0 : 0.0);
    out.levels[size_t(4 + o)] = Linear(db);
    if (db > kLimitDb) out.limiterBits = uint8_t(out.limiterBits | (1u << o));
  }
  return out;
}
