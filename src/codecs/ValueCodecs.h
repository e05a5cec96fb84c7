#pragma once
// Conversions between the unit's integer parameter codes and the engineering values the
// user sees and types: frequency index, Q index, EQ band gain code and delay in samples.
// Stateless; shared by the main window and the band tables. A Q index becomes a Q value
// only through the table in QTable.h.
//
// None of the functions reports an error: callers keep the arguments in range (Q from 0.4
// to 128, frequencies above 0, delay units 0 to 2) and limit the results themselves.
#include <string_view>

// One step of the 1/30-octave frequency grid (2^(1/30) to 16 digits).
inline constexpr double kFreqRatio = 1.023373891996775;
// Frequency index of 1000 Hz; the grid runs from index 0 (19.69 Hz) to 300 (20158.7 Hz).
inline constexpr int kFreqIndex1kHz = 170;
inline constexpr int kFreqIndexMin = 0;
inline constexpr int kFreqIndexMax = 300;
// Q of the top Q index; QToIndex counts steps of kQRatio down from it.
inline constexpr double kQAtTopIndex = 128.0;
inline constexpr int kQIndexTop = 100;
inline constexpr double kQRatio = 1.0596;
// EQ band gain code = tenths of a dB + kGainCodeOffset (0 to 240 for -12 to +12 dB).
inline constexpr int kGainCodeOffset = 120;
// Delay: samples at 96 kHz; display units ms, m and ft.
inline constexpr int kSamplesPerMs = 96;
inline constexpr double kSpeedOfSound = 343.5;                  // m/s
inline constexpr double kFeetToMetres = 0.304803706413069968;   // the double nearest 1 / 3.2808
inline constexpr int kDelayUnitMs = 0;
inline constexpr int kDelayUnitMetres = 1;
inline constexpr int kDelayUnitFeet = 2;

// True when every character is a digit, '.', ',' or a blank (no sign); true when empty.
bool IsNumberText(std::string_view text);

// A delay in the display unit (kDelayUnitMs, kDelayUnitMetres, kDelayUnitFeet) to whole
// samples at 96 kHz, formed at extended precision and truncated toward zero. Not limited
// to the delay range. Any other unit code gives 0.
int DelayToSamples(double value, int unit);

// A Q value (0.4 to 128) to its Q index (0 to 100). Not limited.
int QToIndex(double q);

// An EQ band gain in dB to its gain code (dB x 10 truncated + 120). Not limited.
int GainToCode(double dB);

// A gain code to dB: (code - 120) x 0.1 at extended precision. Not limited.
long double CodeToGain(int code);

// A frequency in Hz (> 0) to the nearest 1/30-octave index; not limited to 0 to 300.
int FreqToIndex(double hz);

// A frequency index to Hz: 1000 x kFreqRatio^(index - 170).
double IndexToFreq(int index);
