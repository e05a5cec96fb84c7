#pragma once
// Static transfer curves of the Comp and Gate pages: the points (input dB, output dB) that the
// XY plots draw for a compressor or gate setting, and the threshold marker beside them.
#include <array>

struct TransferPoint {
    double in;   // input level, dB
    double out;  // output level, dB
};

inline constexpr int kCompRatioCount = 16;
// The ratio index whose setting is the limiter.
inline constexpr int kCompRatioLimit = 15;
// Ratios of the ratio indexes 0 to 15; the limiter's 20.1 serves only to snap typed ratios.
extern const std::array<double, kCompRatioCount> CompRatioTable;

// The ratio of an index; an index outside 0 to 15 is clamped to the table.
double CompRatio(int ratioIndex);

// The compressor curve for threshold t dB, knee k dB and a ratio index; `limitIndex` is the
// index shown as the limiter (the ratio spinner's maximum): from the top of the input range
// down to -100 dB.
std::array<TransferPoint, 4> CompCurvePoints(double t, int knee, int ratioIndex, int limitIndex);

// The gate curve for threshold t dB: unity above t, a vertical drop to -100 dB at t.
std::array<TransferPoint, 3> GateCurvePoints(double t);

// The marker drawn at a threshold t dB.
TransferPoint ThresholdMarker(double t);
