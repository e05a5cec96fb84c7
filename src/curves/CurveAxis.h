#pragma once

#include <array>

// The 4096-point logarithmic frequency axis of the response curves. Point k stands for
// 48000^(k/4096) Hz, so point 0 is 1 Hz and point 4095 is just below 48 kHz; the graph's
// x coordinate of point k is k itself.
class CurveAxis {
public:
    static constexpr int kPoints = 4096;
    static constexpr double kSampleRate = 96000.0;

    // Per-point values of the fixed grid, computed once and shared by every curve:
    // the frequency and the terms e^(-j w) and e^(-j 2w) of the biquad evaluation.
    struct Grid {
        std::array<double, kPoints> freq;   // Hz
        std::array<double, kPoints> cos1;   // cos(-w)
        std::array<double, kPoints> sin1;   // sin(-w)
        std::array<double, kPoints> cos2;   // cos(-2w)
        std::array<double, kPoints> sin2;   // sin(-2w)
    };

    // Frequency of point k: 10^(log10(48000) * k * (1/4096)).
    static double Frequency(int k);

    // Position of a frequency on the point axis: 4096 * log10(f) / log10(48000).
    static double PointOf(double freq);

    static const Grid& SharedGrid();
};
