#include "FilterCurve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// The one coefficient record of the engine; every computation writes and reads it.
BiquadCoefficients sharedCoefficients;

constexpr double kDbPerNeper = 10.0 / std::numbers::ln10;  // 10*log10(x) = kDbPerNeper*ln(x)
constexpr double kPhaseUnitsPerRadian = kPhaseUnitsPerHalfTurn / std::numbers::pi;

}  // namespace

int CurveTypeOfBand(int bandType)
{
    static constexpr int kTypes[] = {
        FilterCurveType::Peak,     FilterCurveType::LowShelf, FilterCurveType::HighShelf,
        FilterCurveType::LowPass2, FilterCurveType::HighPass2, FilterCurveType::AllPass1,
        FilterCurveType::AllPass2,
    };
    if (bandType < 0 || bandType >= int(std::size(kTypes)))
        return FilterCurveType::Flat;
    return kTypes[bandType];
}

const double* CurveData::Zeros()
{
    static const std::array<double, CurveAxis::kPoints> zeros{};
    return zeros.data();
}

const BiquadCoefficients& FilterCurve::Coefficients()
{
    return sharedCoefficients;
}

void FilterCurve::SetFilter(double gain_, double freq_, double q_, int type_)
{
    gain = gain_;
    freq = freq_;
    q = q_;
    type = type_;
    Compute();
}

void FilterCurve::SetParams(double gain_, double freq_, double q_, int type_, float s0_, float s1_)
{
    s0 = s0_;
    s1 = s1_;
    SetFilter(gain_, freq_, q_, type_);
}

bool FilterCurve::CalcCoefficients() const
{
    const double K = std::tan(std::numbers::pi * freq / CurveAxis::kSampleRate);
    const double K2 = K * K;
    const double V = gain >= 0 ? std::pow(10.0, 0.05 * gain) : std::pow(10.0, -0.05 * gain);
    const double R = std::sqrt(V);
    const double S0 = s0;
    const double S1 = s1;
    double b0, b1, b2, a1, a2;

    switch (type) {
    case FilterCurveType::Peak:
        if (gain >= 0) {
            const double den = 1 + K / q + K2;
            b0 = (1 + V * K / q + K2) / den;
            b1 = 2 * (K2 - 1) / den;
            b2 = (1 - V * K / q + K2) / den;
            a1 = b1;
            a2 = (1 - K / q + K2) / den;
        } else {
            const double den = 1 + V * K / q + K2;
            b0 = (1 + K / q + K2) / den;
            b1 = 2 * (K2 - 1) / den;
            b2 = (1 - K / q + K2) / den;
            a1 = b1;
            a2 = (1 - V * K / q + K2) / den;
        }
        break;
    case FilterCurveType::LowShelf:
        if (gain >= 0) {
            const double den = 1 + K / q + K2;
            b0 = (1 + R * K / q + V * K2) / den;
            b1 = 2 * (V * K2 - 1) / den;
            b2 = (1 - R * K / q + V * K2) / den;
            a1 = 2 * (K2 - 1) / den;
            a2 = (1 - K / q + K2) / den;
        } else {
            const double den = 1 + R * K / q + V * K2;
            b0 = (1 + K / q + K2) / den;
            b1 = 2 * (K2 - 1) / den;
            b2 = (1 - K / q + K2) / den;
            a1 = 2 * (V * K2 - 1) / den;
            a2 = (1 - R * K / q + V * K2) / den;
        }
        break;
    case FilterCurveType::HighShelf:
        if (gain >= 0) {
            const double den = 1 + K / q + K2;
            b0 = (V + R * K / q + K2) / den;
            b1 = 2 * (K2 - V) / den;
            b2 = (V - R * K / q + K2) / den;
            a1 = 2 * (K2 - 1) / den;
            a2 = (1 - K / q + K2) / den;
        } else {
            const double d1 = V + R * K / q + K2;
            const double d2 = 1 + K / (R * q) + K2 / V;
            b0 = (1 + K / q + K2) / d1;
            b1 = 2 * (K2 - 1) / d1;
            b2 = (1 - K / q + K2) / d1;
            a1 = 2 * (K2 / V - 1) / d2;
            a2 = (1 - K / (R * q) + K2 / V) / d2;
        }
        break;
    case FilterCurveType::HighPass2: {
        const double den = 1 + K / q + K2;
        b0 = 1 / den;
        b1 = -2 / den;
        b2 = 1 / den;
        a1 = 2 * (K2 - 1) / den;
        a2 = (1 - K / q + K2) / den;
        break;
    }
    case FilterCurveType::LowPass2: {
        const double den = 1 + K / q + K2;
        b0 = K2 / den;
        b1 = 2 * K2 / den;
        b2 = K2 / den;
        a1 = 2 * (K2 - 1) / den;
        a2 = (1 - K / q + K2) / den;
        break;
    }
    case FilterCurveType::BandPass: {
        const double den = q + K + q * K2;
        b0 = 2 * K / den;
        b1 = 0;
        b2 = -2 * K / den;
        a1 = 2 * q * (K2 - 1) / den;
        a2 = (q - K + q * K2) / den;
        break;
    }
    case FilterCurveType::AllPass1: {
        const double den = 1 + K;
        b0 = (K - 1) / den;
        b1 = 1;
        b2 = 0;
        a1 = (K - 1) / den;
        a2 = 0;
        break;
    }
    case FilterCurveType::LowPass1: {
        const double den = 1 + K;
        b0 = K / den;
        b1 = K / den;
        b2 = 0;
        a1 = (K - 1) / den;
        a2 = 0;
        break;
    }
    case FilterCurveType::HighPass1Inverted: {
        const double den = 1 + K;
        b0 = -1 / den;
        b1 = 1 / den;
        b2 = 0;
        a1 = (K - 1) / den;
        a2 = 0;
        break;
    }
    case FilterCurveType::Flat:
        b0 = 1;
        b1 = b2 = a1 = a2 = 0;
        break;
    case FilterCurveType::LowPass1Coef: {
        const double den = 1 + K / S0;
        b0 = (K / S0) / den;
        b1 = (K / S0) / den;
        b2 = 0;
        a1 = (K / S0 - 1) / den;
        a2 = 0;
        break;
    }
    case FilterCurveType::LowPass2Damping: {
        const double den = 1 + S0 * K + K2;
        b0 = K2 / den;
        b1 = 2 * K2 / den;
        b2 = K2 / den;
        a1 = 2 * (K2 - 1) / den;
        a2 = (1 - S0 * K + K2) / den;
        break;
    }
    case FilterCurveType::LowPass2Table: {
        const double den = 1 + (S0 / S1) * K + K2 / S1;
        b0 = (K2 / S1) / den;
        b1 = 2 * (K2 / S1) / den;
        b2 = (K2 / S1) / den;
        a1 = 2 * (K2 / S1 - 1) / den;
        a2 = (1 - (S0 / S1) * K + K2 / S1) / den;
        break;
    }
    case FilterCurveType::HighPass1Coef: {
        const double den = 1 + S0 * K;
        b0 = 1 / den;
        b1 = -1 / den;
        b2 = 0;
        a1 = (S0 * K - 1) / den;
        a2 = 0;
        break;
    }
    case FilterCurveType::HighPass2Damping: {
        const double den = 1 + S0 * K + K2;
        b0 = 1 / den;
        b1 = -2 / den;
        b2 = 1 / den;
        a1 = 2 * (K2 - 1) / den;
        a2 = (1 - S0 * K + K2) / den;
        break;
    }
    case FilterCurveType::HighPass2Table: {
        const double den = 1 + S0 * K + S1 * K2;
        b0 = 1 / den;
        b1 = -2 / den;
        b2 = 1 / den;
        a1 = 2 * (S1 * K2 - 1) / den;
        a2 = (1 - S0 * K + S1 * K2) / den;
        break;
    }
    case FilterCurveType::AllPass2: {
        const double den = 1 + K / q + K2;
        b0 = (1 - K / q + K2) / den;
        b1 = 2 * (K2 - 1) / den;
        b2 = 1;
        a1 = b1;
        a2 = b0;
        break;
    }
    default:
        return false;
    }
    sharedCoefficients = {b0, b1, b2, a1, a2};
    return true;
}

void FilterCurve::Compute()
{
    CalcCoefficients();  // an unknown type evaluates the record left by the previous computation
    const BiquadCoefficients c = sharedCoefficients;
    if (mode == 0)
        ComputeMagnitude(c);
    else
        ComputePhase(c);
}

// 20*log10(|N|/|D|), evaluated as 10*log10(|N|^2/|D|^2) in real arithmetic on the shared grid.
void FilterCurve::ComputeMagnitude(const BiquadCoefficients& c)
{
    // A section whose numerator is its denominator (a band at 0 dB, an unused cut) is 0 dB
    // at every point: the loop below would give exactly that, at the cost of 4096 logarithms.
    if (c.b0 == 1 && c.b1 == c.a1 && c.b2 == c.a2) {
        data.Zero();
        return;
    }
    const CurveAxis::Grid& g = CurveAxis::SharedGrid();
    for (int k = 0; k < CurveAxis::kPoints; ++k) {
        const double nRe = c.b0 + c.b1 * g.cos1[k] + c.b2 * g.cos2[k];
        const double nIm = c.b1 * g.sin1[k] + c.b2 * g.sin2[k];
        const double dRe = 1 + c.a1 * g.cos1[k] + c.a2 * g.cos2[k];
        const double dIm = c.a1 * g.sin1[k] + c.a2 * g.sin2[k];
        data[k] = (nRe * nRe + nIm * nIm) / (dRe * dRe + dIm * dIm);
    }
    for (double& v : data)
        v = kDbPerNeper * std::log(v);
}

// Phase of N/D folded into (-9, +9) by the arctangent, then moved by a half turn where the
// section's type says so, so that each type's curve runs without a jump.
void FilterCurve::ComputePhase(const BiquadCoefficients& c)
{
    const CurveAxis::Grid& g = CurveAxis::SharedGrid();
    const double half = kPhaseUnitsPerHalfTurn;
    for (int k = 0; k < CurveAxis::kPoints; ++k) {
        const double nRe = c.b0 + c.b1 * g.cos1[k] + c.b2 * g.cos2[k];
        const double nIm = c.b1 * g.sin1[k] + c.b2 * g.sin2[k];
        const double dRe = 1 + c.a1 * g.cos1[k] + c.a2 * g.cos2[k];
        const double dIm = c.a1 * g.sin1[k] + c.a2 * g.sin2[k];
        double y = std::atan((nIm * dRe - nRe * dIm) / (nRe * dRe + nIm * dIm)) * kPhaseUnitsPerRadian;
        switch (type) {
        case FilterCurveType::HighPass2:
        case FilterCurveType::HighPass1Inverted:
        case FilterCurveType::HighPass2Damping:
        case FilterCurveType::HighPass2Table:
            if (y < 0)
                y += half;
            break;
        case FilterCurveType::LowPass2:
        case FilterCurveType::AllPass1:
        case FilterCurveType::LowPass1:
        case FilterCurveType::LowPass2Damping:
        case FilterCurveType::LowPass2Table:
            if (y > 0)
                y -= half;
            break;
        case FilterCurveType::AllPass2:
            if (y > 0)
                y -= half;
            if (g.freq[k] > freq)
                y += half;
            break;
        case FilterCurveType::LowShelf:
            if (gain > 0 && y > 0)
                y -= half;
            else if (gain < 0 && y < 0)
                y += half;
            break;
        case FilterCurveType::HighShelf:
            if (gain > 0 && y < 0)
                y += half;
            else if (gain < 0 && y > 0)
                y -= half;
            break;
        default:
            break;
        }
        data[k] = y;
    }
}
