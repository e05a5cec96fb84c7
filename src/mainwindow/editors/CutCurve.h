#pragma once
// High- and low-cut curves of a channel as cascades of up to five filter sections: the
// slope code of the image (0 off, 1 to 20 the slope box's items) selects a row of section
// coefficients (Butterworth, Bessel or Linkwitz-Riley), each section is computed in its own
// slot of the channel's engine, and the result slot holds their point-wise sum.
#include <array>

class Plot;

inline constexpr int kSlopeCodeCount = 21;
// Section row of each slope code: 0 off, 1 to 8 Butterworth orders 1 to 8, 9 to 16 Bessel
// orders 1 to 8, 17 to 20 Linkwitz-Riley 12, 24, 36 and 48 dB per octave.
extern const std::array<int, kSlopeCodeCount> SlopeSectionRows;

// The section row of a slope code; a code outside 0 to 20 (from the unit or a file) is off.
int SlopeSectionRow(int slope);

// Which cut a curve is: the channel's low cut is a high-pass, its high cut a low-pass.
enum CutKind { kCutLowPass = 0, kCutHighPass = 1 };

// Slots relative to the base slot: the high-pass result at base, the low-pass result at
// base + 1, the five shared sections at base + 3 to base + 7.
inline constexpr int kCutSectionOffset = 3;
inline constexpr int kCutSectionCount = 5;

// Builds the cut of `kind` with `slope` at `freq` Hz into `plot` (sections and result slot)
// and places its "HPF" or "LPF" marker at 0 dB. The other result slot is left alone.
void CalcCutCurve(Plot& plot, int kind, int slope, double freq, int base);
