#pragma once

#include "CurveAxis.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>

// Type codes of a curve section (the `type` of a FilterCurve), usable as plain ints.
struct FilterCurveType {
    enum : int {
        Peak = 1,
        LowShelf = 2,
        HighShelf = 3,
        HighPass2 = 4,
        LowPass2 = 5,
        BandPass = 6,
        AllPass1 = 7,
        LowPass1 = 8,
        HighPass1Inverted = 9,
        Flat = 10,
        LowPass1Coef = 11,
        LowPass2Damping = 12,
        LowPass2Table = 13,
        HighPass1Coef = 14,
        HighPass2Damping = 15,
        HighPass2Table = 16,
        AllPass2 = 17,
    };
};

// Engine type code of an EQ band type of the band table (0 Peak, 1 Low Shelf, 2 High Shelf,
// 3 Low Cut, 4 High Cut, 5 Allpass 1, 6 Allpass 2). A Low Cut band is drawn as a
// second-order low-pass curve and a High Cut band as a high-pass one. Any other value gives
// Flat.
int CurveTypeOfBand(int bandType);

// Phase values are stored in units of 10 degrees: 18 stands for 180 degrees.
inline constexpr double kPhaseUnitsPerHalfTurn = 18.0;

// Coefficients of H(z) = (b0 + b1 z^-1 + b2 z^-2) / (1 + a1 z^-1 + a2 z^-2).
struct BiquadCoefficients {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

// The values of a curve on the axis's points. The points are allocated on the first write
// (any non-const access): until then the curve reads as zeros and holds no memory, so the
// many curves that are never computed cost nothing.
class CurveData {
public:
    using value_type = double;
    using iterator = double*;
    using const_iterator = const double*;

    CurveData() = default;
    CurveData(const CurveData& other) { *this = other; }
    CurveData(CurveData&&) noexcept = default;
    CurveData& operator=(const CurveData& other) {
        if (this == &other) return *this;
        if (other.points) std::copy(other.begin(), other.end(), Points());
        else Zero();
        return *this;
    }
    CurveData& operator=(CurveData&&) noexcept = default;

    static constexpr std::size_t size() { return CurveAxis::kPoints; }
    double* data() { return Points(); }
    const double* data() const { return points ? points.get() : Zeros(); }
    double& operator[](std::size_t k) { return Points()[k]; }
    const double& operator[](std::size_t k) const { return data()[k]; }
    const double& at(std::size_t k) const {
        if (k >= size()) throw std::out_of_range("CurveData::at");
        return data()[k];
    }
    const double& back() const { return data()[size() - 1]; }
    iterator begin() { return data(); }
    iterator end() { return data() + size(); }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + size(); }
    void fill(double value) { std::fill(begin(), end(), value); }
    // True until a point is first written: every point reads 0.
    bool Untouched() const { return !points; }
    // All points 0, without allocating them when they are not yet.
    void Zero() {
        if (points) std::fill(points.get(), points.get() + size(), 0.0);
    }
    friend bool operator==(const CurveData& a, const CurveData& b) {
        return std::equal(a.begin(), a.end(), b.begin());
    }

private:
    double* Points() {
        if (!points) points.reset(new double[size()]());
        return points.get();
    }
    static const double* Zeros();

    std::unique_ptr<double[]> points;
};

// One second-order section at 96 kHz and its response on the 4096-point axis, in dB
// (mode 0) or in phase units (any other mode).
class FilterCurve {
public:
    float s0 = 0;           // section coefficient, read by types 11 to 16
    float s1 = 0;           // section coefficient, read by types 13 and 16
    std::uint8_t mode = 0;  // 0 magnitude in dB, otherwise phase
    int type = FilterCurveType::HighShelf;
    double freq = 1000;     // Hz, above 0 and below 48000
    double gain = 0;        // dB
    double q = 0.4;         // above 0
    CurveData data;

    // Stores the four values (s0 and s1 keep theirs) and recomputes data.
    void SetFilter(double gain, double freq, double q, int type);
    // Stores all six values and recomputes data.
    void SetParams(double gain, double freq, double q, int type, float s0, float s1);

    // Coefficients of this section into the shared record. False for an unknown type
    // code, which leaves the record as the previous computation left it.
    bool CalcCoefficients() const;
    // Recomputes data from the current values in the current mode.
    void Compute();

    // The coefficient record shared by all curves: one computation runs at a time.
    static const BiquadCoefficients& Coefficients();

private:
    void ComputeMagnitude(const BiquadCoefficients& c);
    void ComputePhase(const BiquadCoefficients& c);
};
