// The section responses against independent long double evaluations: the 4096 values of
// every type code in both modes from the engine's own coefficients, and the coefficient
// table itself against the analog prototypes that the bilinear transform maps.
#include "FilterCurve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <vector>

namespace {

using LD = long double;
using CLD = std::complex<LD>;

const LD kPiL = 3.141592653589793238462643383279502884L;
constexpr double kEps = std::numeric_limits<double>::epsilon();

struct Case {
    int type;
    double gain, freq, q;
    float s0 = 0, s1 = 0;
};

// Every type code over the frequency range the editor uses, both gain signs and the Q
// extremes; the crossover types with coefficients of common alignments.
std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (int type : {1, 2, 3})
        for (double gain : {12.0, 6.0, -6.5, -12.0})
            for (double freq : {19.69, 1000.0, 20160.0})
                for (double q : {0.4, 0.707, 128.0})
                    cases.push_back({type, gain, freq, q});
    for (int type : {4, 5, 6, 17})
        for (double freq : {19.69, 1000.0, 20160.0, 40000.0})
            for (double q : {0.05, 0.707, 128.0})
                cases.push_back({type, 0, freq, q});
    for (int type : {7, 8, 9, 10})
        for (double freq : {19.69, 1000.0, 20160.0})
            cases.push_back({type, 0, freq, 0.05});
    for (int type : {11, 14})
        for (float s0 : {1.0f, 0.5f, 2.2f})
            for (double freq : {19.69, 1000.0, 20160.0})
                cases.push_back({type, 0, freq, 0.05, s0, 0});
    for (int type : {12, 15})
        for (float s0 : {1.4142f, 2.0f, 0.7654f})
            for (double freq : {19.69, 1000.0, 20160.0})
                cases.push_back({type, 0, freq, 0.05, s0, 0});
    for (int type : {13, 16})
        for (auto [s0, s1] : {std::pair{1.3617f, 0.618f}, std::pair{0.7654f, 1.0f}, std::pair{1.8478f, 1.0f}})
            for (double freq : {19.69, 1000.0, 20160.0})
                cases.push_back({type, 0, freq, 0.05, s0, s1});
    return cases;
}

std::string Describe(const Case& c, int mode)
{
    return "type " + std::to_string(c.type) + " gain " + std::to_string(c.gain) + " freq " +
           std::to_string(c.freq) + " q " + std::to_string(c.q) + " s0 " + std::to_string(c.s0) +
           " s1 " + std::to_string(c.s1) + " mode " + std::to_string(mode);
}

LD GridFrequency(int k) { return std::pow(10.0L, std::log10(48000.0L) * k / 4096.0L); }

// Half-turn fix of each type, applied to the folded phase y (PhaseUnits).
LD FixPhase(const Case& c, LD y, LD fk)
{
    switch (c.type) {
    case 4: case 9: case 15: case 16:
        return y < 0 ? y + 18 : y;
    case 5: case 7: case 8: case 12: case 13:
        return y > 0 ? y - 18 : y;
    case 17:
        if (y > 0) y -= 18;
        return fk > c.freq ? y + 18 : y;
    case 2:
        if (c.gain > 0 && y > 0) return y - 18;
        if (c.gain < 0 && y < 0) return y + 18;
        return y;
    case 3:
        if (c.gain > 0 && y < 0) return y + 18;
        if (c.gain < 0 && y > 0) return y - 18;
        return y;
    default:
        return y;
    }
}

// How much double rounding in the sums of N and D can move the result: the sums lose
// relative precision by (sum of |terms|) / |result|, and the grid's frequencies carry a
// few ulps of their own.
struct Reference {
    LD value;
    LD folded;     // phase before the half-turn fix
    LD condition;  // relative error bound of N/D in units of eps
};

Reference Evaluate(const Case& c, const BiquadCoefficients& b, int k, int mode)
{
    const LD fk = GridFrequency(k);
    const LD w = fk * kPiL / 48000.0L;
    const CLD z1 = std::polar(1.0L, -w), z2 = std::polar(1.0L, -2 * w);
    const CLD n = LD(b.b0) + LD(b.b1) * z1 + LD(b.b2) * z2;
    const CLD d = 1.0L + LD(b.a1) * z1 + LD(b.a2) * z2;
    const LD spreadN = std::fabs(LD(b.b0)) + 2 * std::fabs(LD(b.b1)) + 3 * std::fabs(LD(b.b2));
    const LD spreadD = 1 + 2 * std::fabs(LD(b.a1)) + 3 * std::fabs(LD(b.a2));
    const LD condition = 64 * (spreadN / std::abs(n) + spreadD / std::abs(d));
    if (mode == 0)
        return {20 * std::log10(std::abs(n) / std::abs(d)), 0, condition};
    const CLD h = n / d;
    const LD folded = std::atan(h.imag() / h.real()) * 18 / kPiL;
    return {FixPhase(c, folded, fk), folded, condition};
}

TEST(FilterCurveTest, EveryTypeMatchesLongDoubleEvaluationInBothModes)
{
    const double dbPerRelative = 20 / std::log(10.0);   // dB per unit of relative error
    const double unitsPerRadian = 18 / M_PI;
    for (const Case& c : Cases()) {
        for (int mode : {0, 1}) {
            FilterCurve curve;
            curve.mode = std::uint8_t(mode);
            curve.SetParams(c.gain, c.freq, c.q, c.type, c.s0, c.s1);
            const BiquadCoefficients b = FilterCurve::Coefficients();
            int failures = 0;
            for (int k = 0; k < CurveAxis::kPoints && failures < 3; ++k) {
                const Reference r = Evaluate(c, b, k, mode);
                const double scale = mode == 0 ? dbPerRelative : unitsPerRadian;
                const double tol = 1e-9 + scale * double(r.condition) * kEps;
                double diff = std::fabs(curve.data[k] - double(r.value));
                // Where the folded phase sits on the arctangent's edge (+-9) or on a fix
                // threshold (0), rounding may pick the other side: a whole half turn.
                const bool onEdge = mode != 0 && (std::fabs(std::fabs(double(r.folded)) - 9) <= tol ||
                                                  std::fabs(double(r.folded)) <= tol);
                if (onEdge)
                    diff = std::min(diff, std::fabs(diff - 18));
                if (!(diff <= tol)) {
                    ++failures;
                    ADD_FAILURE() << Describe(c, mode) << " point " << k << ": got " << curve.data[k]
                                  << " want " << double(r.value) << " tol " << tol;
                }
            }
        }
    }
}

// The analog prototype of each type as (numerator, denominator) coefficients of p^2, p, 1,
// derived independently of the digital table; p = (1 - z^-1) / (K (1 + z^-1)).
struct Analog {
    LD n2, n1, n0, d2, d1, d0;
};

Analog Prototype(const Case& c)
{
    const LD V = std::pow(10.0L, std::fabs(LD(c.gain)) / 20);
    const LD R = std::sqrt(V), Q = c.q, s0 = c.s0, s1 = c.s1;
    const bool boost = c.gain >= 0;
    switch (c.type) {
    case 1: return boost ? Analog{1, V / Q, 1, 1, 1 / Q, 1} : Analog{1, 1 / Q, 1, 1, V / Q, 1};
    case 2: return boost ? Analog{1, R / Q, V, 1, 1 / Q, 1} : Analog{1, 1 / Q, 1, 1, R / Q, V};
    case 3: return boost ? Analog{V, R / Q, 1, 1, 1 / Q, 1} : Analog{1, 1 / Q, 1, V, R / Q, 1};
    case 4: return {1, 0, 0, 1, 1 / Q, 1};
    case 5: return {0, 0, 1, 1, 1 / Q, 1};
    case 6: return {0, 2, 0, Q, 1, Q};
    case 7: return {0, -1, 1, 0, 1, 1};
    case 8: return {0, 0, 1, 0, 1, 1};
    case 9: return {0, -1, 0, 0, 1, 1};
    case 10: return {0, 0, 1, 0, 0, 1};
    case 11: return {0, 0, 1, 0, s0, 1};
    case 12: return {0, 0, 1, 1, s0, 1};
    case 13: return {0, 0, 1, s1, s0, 1};
    case 14: return {0, 1, 0, 0, 1, s0};
    case 15: return {1, 0, 0, 1, s0, 1};
    case 16: return {1, 0, 0, 1, s0, s1};
    case 17: return {1, -1 / Q, 1, 1, 1 / Q, 1};
    }
    return {};
}

TEST(FilterCurveTest, CoefficientTableMatchesAnalogPrototypes)
{
    // Types whose half-turn fix yields the prototype's principal phase angle.
    const std::vector<int> continuousPhase = {1, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17};
    for (const Case& c : Cases()) {
        const bool checkPhase = std::count(continuousPhase.begin(), continuousPhase.end(), c.type) > 0;
        for (int mode : {0, 1}) {
            if (mode == 1 && !checkPhase)
                continue;
            FilterCurve curve;
            curve.mode = std::uint8_t(mode);
            curve.SetParams(c.gain, c.freq, c.q, c.type, c.s0, c.s1);
            const BiquadCoefficients b = FilterCurve::Coefficients();
            const Analog a = Prototype(c);
            const LD K = std::tan(kPiL * c.freq / 96000);
            int failures = 0;
            // Every fourth point and the last: enough to pin each coefficient of the table.
            for (int k = 0; k < CurveAxis::kPoints && failures < 3; k += (k + 4 < CurveAxis::kPoints ? 4 : 1)) {
                const CLD p(0, std::tan(kPiL * GridFrequency(k) / 96000) / K);
                const CLD h = (a.n2 * p * p + a.n1 * p + a.n0) / (a.d2 * p * p + a.d1 * p + a.d0);
                const Reference r = Evaluate(c, b, k, mode);
                double want, tol;
                if (mode == 0) {
                    want = double(20 * std::log10(std::abs(h)));
                    tol = 1e-7 + 8.7 * double(r.condition) * kEps;
                } else {
                    want = double(std::arg(h) * 18 / kPiL);
                    tol = 1e-7 + 5.8 * double(r.condition) * kEps;
                }
                if (!(std::fabs(curve.data[k] - want) <= tol)) {
                    ++failures;
                    ADD_FAILURE() << Describe(c, mode) << " point " << k << ": got " << curve.data[k]
                                  << " want " << want;
                }
            }
        }
    }
}

TEST(FilterCurveTest, NamedResponses)
{
    FilterCurve c;
    c.SetFilter(6, 1000, 1, FilterCurveType::Peak);
    EXPECT_NEAR(c.data[2625], 6.0, 1e-4);
    EXPECT_LE(*std::max_element(c.data.begin(), c.data.end()), 6.0 + 1e-12);
    c.SetFilter(-6, 1000, 1, FilterCurveType::Peak);
    EXPECT_NEAR(c.data[2625], -6.0, 1e-4);
    EXPECT_GE(*std::min_element(c.data.begin(), c.data.end()), -6.0 - 1e-12);

    c.SetFilter(0, 1000, 1, FilterCurveType::BandPass);
    EXPECT_NEAR(*std::max_element(c.data.begin(), c.data.end()), 20 * std::log10(2.0), 1e-4);

    for (int type : {FilterCurveType::HighPass2, FilterCurveType::LowPass2}) {
        c.mode = 0;
        c.SetFilter(0, 1000, 0.707, type);
        EXPECT_NEAR(c.data[2625], -3.01, 0.01) << type;
    }

    c.mode = 1;
    c.SetFilter(0, 1000, 0.707, FilterCurveType::LowPass2);
    EXPECT_NEAR(c.data[2625], -9.0, 0.01);
    EXPECT_NEAR(c.data[0], 0.0, 0.01);
    EXPECT_NEAR(c.data[4095], -18.0, 0.05);
    c.SetFilter(0, 1000, 0.707, FilterCurveType::HighPass2);
    EXPECT_NEAR(c.data[2625], 9.0, 0.01);
    EXPECT_NEAR(c.data[0], 18.0, 0.01);
    EXPECT_NEAR(c.data[4095], 0.0, 0.05);
    c.SetFilter(0, 1000, 0.707, FilterCurveType::AllPass2);
    EXPECT_NEAR(c.data[2624], -18.0, 0.05);
    EXPECT_NEAR(c.data[2626], 18.0, 0.05);
}

TEST(FilterCurveTest, FlatSectionsAreZeroInBothModes)
{
    const Case flats[] = {{10, 5, 1000, 1}, {1, 0, 300, 4}, {2, 0, 80, 0.7}, {3, 0, 8000, 2}};
    for (const Case& f : flats) {
        for (int mode : {0, 1}) {
            FilterCurve c;
            c.mode = std::uint8_t(mode);
            c.SetFilter(f.gain, f.freq, f.q, f.type);
            for (int k = 0; k < CurveAxis::kPoints; ++k)
                ASSERT_NEAR(c.data[k], 0.0, 1e-12) << "type " << f.type << " mode " << mode << " point " << k;
        }
    }
}

TEST(FilterCurveTest, UnknownTypeEvaluatesThePreviousCoefficients)
{
    FilterCurve peak;
    peak.SetFilter(9, 2000, 3, FilterCurveType::Peak);
    for (int type : {0, 18, -1}) {
        FilterCurve odd;
        EXPECT_FALSE((odd.type = type, odd.CalcCoefficients()));
        odd.SetFilter(0, 100, 1, type);
        EXPECT_EQ(odd.data, peak.data) << type;
    }
    for (int type = 1; type <= 17; ++type) {
        FilterCurve c;
        c.type = type;
        c.s0 = c.s1 = 1;
        EXPECT_TRUE(c.CalcCoefficients()) << type;
    }
}

TEST(FilterCurveTest, SetFilterKeepsSectionCoefficients)
{
    FilterCurve c;
    c.SetParams(0, 500, 0.05, FilterCurveType::HighPass2Table, 1.5f, 0.75f);
    c.SetFilter(0, 800, 0.05, FilterCurveType::HighPass2Table);
    EXPECT_EQ(c.s0, 1.5f);
    EXPECT_EQ(c.s1, 0.75f);
    EXPECT_EQ(c.freq, 800);
    FilterCurve fresh;
    fresh.SetParams(0, 800, 0.05, FilterCurveType::HighPass2Table, 1.5f, 0.75f);
    EXPECT_EQ(c.data, fresh.data);
}

TEST(FilterCurveTest, BandTypesMapToCurveTypes)
{
    const int expected[] = {1, 2, 3, 5, 4, 7, 17};
    for (int band = 0; band < 7; ++band)
        EXPECT_EQ(CurveTypeOfBand(band), expected[band]) << band;
    EXPECT_EQ(CurveTypeOfBand(-1), FilterCurveType::Flat);
    EXPECT_EQ(CurveTypeOfBand(7), FilterCurveType::Flat);
}

TEST(CurveAxisTest, PointsAndFrequencies)
{
    EXPECT_DOUBLE_EQ(CurveAxis::Frequency(0), 1.0);
    EXPECT_NEAR(CurveAxis::Frequency(2625), 1000.15, 0.005);
    EXPECT_NEAR(CurveAxis::Frequency(4095), 47873.85, 0.005);
    EXPECT_NEAR(CurveAxis::PointOf(1000), 2624.94, 0.005);
    const auto& grid = CurveAxis::SharedGrid();
    for (int k : {0, 1, 2625, 4095})
        EXPECT_EQ(grid.freq[k], CurveAxis::Frequency(k));
}

TEST(FilterCurveTest, CurveValuesCopyDeeplyAndResetToZero)
{
    const FilterCurve untouched;
    FilterCurve peak;
    peak.SetFilter(9, 2000, 3, FilterCurveType::Peak);
    CurveData copy = peak.data;
    copy[2625] = 100;
    EXPECT_NE(copy, peak.data) << "a copy has points of its own";
    copy = untouched.data;
    EXPECT_EQ(copy, untouched.data) << "an untouched curve assigned reads as zeros";
    EXPECT_EQ(copy.at(2625), 0.0);
    peak.SetFilter(0, 2000, 3, FilterCurveType::Peak);
    EXPECT_EQ(peak.data, untouched.data) << "back at 0 dB";
    EXPECT_THROW((void)untouched.data.at(CurveAxis::kPoints), std::out_of_range);
}

}  // namespace
