#pragma once
// The framework's rounding rules and one safe conversion from a coordinate computed in
// floating point to a pixel position.
#include <cstdint>

// Nearest integer, ties to even. Values beyond 64 bits are held at its limits; NaN gives 0.
std::int64_t Round(double value);
// Toward zero, held at the 64-bit limits; NaN gives 0.
std::int64_t Trunc(double value);
// The integer part (toward zero) and the fractional part, as doubles (Frac(-1.25) = -0.25).
double Int(double value);
double Frac(double value);

// Pixel positions are kept within this range, far outside any canvas and safe for the
// drawing routines.
constexpr int kMaxPixel = 32000;

// A coordinate as a pixel: held to -32000 .. 32000 while still a double, then rounded (ties
// to even). NaN gives 0.
int PixelFromDouble(double value);
// The same for a coordinate already near the integers: clamps an integer pixel.
int ClampPixel(std::int64_t value);
