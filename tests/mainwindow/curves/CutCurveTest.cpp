// The cut-filter cascade against the response engine: level at the cut frequency and the
// slope far in the stop band for every kind of section row, the off and out-of-range codes,
// and the result slots staying apart although both cuts share the section slots.
#include "CutCurve.h"
#include "LMyFFTDrawPhase.h"
#include "Plot.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kBase = 10;
constexpr int kHighPassSlot = 10;
constexpr int kLowPassSlot = 11;

double Level(const Plot& plot, int slot, int point) { return plot.Curve(slot)->data.at(std::size_t(point)); }

// The point nearest a frequency.
int PointAt(double hz) { return int(std::lround(CurveAxis::PointOf(hz))); }

// dB per octave between two points of a curve.
double SlopePerOctave(const Plot& plot, int slot, int a, int b)
{
    return std::fabs(Level(plot, slot, a) - Level(plot, slot, b)) /
           std::log2(CurveAxis::Frequency(b) / CurveAxis::Frequency(a));
}

struct SlopeCase {
    int slope;
    const char* name;
    double atCut;       // dB at the cut frequency
    double perOctave;   // dB per octave far in the stop band
};

const SlopeCase kSlopes[] = {
    {1, "BW -6", -3.01, 6},    {2, "BL -6", -3.01, 6},    {3, "BW -12", -3.01, 12}, {4, "BL -12", -3.0, 12},
    {5, "LK -12", -6.02, 12},  {6, "BW -18", -3.01, 18},  {7, "BL -18", -3.0, 18},  {8, "BW -24", -3.01, 24},
    {9, "BL -24", -3.0, 24},   {10, "LK -24", -6.02, 24}, {11, "BW -30", -3.01, 30}, {12, "BL -30", -3.0, 30},
    {13, "BW -36", -3.01, 36}, {14, "BL -36", -3.0, 36},  {15, "LK -36", -6.02, 36}, {16, "BW -42", -3.01, 42},
    {17, "BL -42", -3.0, 42},  {18, "BW -48", -3.01, 48}, {19, "BL -48", -3.0, 48},  {20, "LK -48", -6.02, 48},
};

TEST(CutCurveTest, HighPassLevelAtCutAndSlopeForEverySlopeCode)
{
    Plot plot(nullptr);
    const int cut = PointAt(1000);
    const double f = CurveAxis::Frequency(cut);
    // Two points an octave apart far below the cut (f/32 and f/64), where each order adds
    // its full 6 dB per octave.
    const int near = PointAt(f / 32), far = PointAt(f / 64);
    for (const SlopeCase& c : kSlopes) {
        CalcCutCurve(plot, kCutHighPass, c.slope, f, kBase);
        EXPECT_NEAR(Level(plot, kHighPassSlot, cut), c.atCut, 0.1) << c.name;
        EXPECT_NEAR(SlopePerOctave(plot, kHighPassSlot, far, near), c.perOctave, 0.3) << c.name;
        EXPECT_NEAR(Level(plot, kHighPassSlot, PointAt(f * 16)), 0, 0.05) << c.name << " pass band";
    }
}

TEST(CutCurveTest, LowPassLevelAtCutAndSlope)
{
    Plot plot(nullptr);
    const int cut = PointAt(250);
    const double f = CurveAxis::Frequency(cut);
    // An octave well above the cut and well below the sample rate's warping.
    const int near = PointAt(f * 8), far = PointAt(f * 16);
    for (const SlopeCase& c : kSlopes) {
        CalcCutCurve(plot, kCutLowPass, c.slope, f, kBase);
        EXPECT_NEAR(Level(plot, kLowPassSlot, cut), c.atCut, 0.1) << c.name;
        EXPECT_NEAR(SlopePerOctave(plot, kLowPassSlot, near, far), c.perOctave, 0.6) << c.name;
        EXPECT_NEAR(Level(plot, kLowPassSlot, PointAt(f / 16)), 0, 0.05) << c.name << " pass band";
    }
}

TEST(CutCurveTest, FirstOrderButterworthAndBesselAreTheSameCurve)
{
    Plot a(nullptr), b(nullptr);
    CalcCutCurve(a, kCutHighPass, 1, 1000, kBase);
    CalcCutCurve(b, kCutHighPass, 2, 1000, kBase);
    EXPECT_EQ(a.Curve(kHighPassSlot)->data, b.Curve(kHighPassSlot)->data);
}

TEST(CutCurveTest, OffAndOutOfRangeSlopesAreFlatWithTheMarkerAtTheCut)
{
    LMyFFTDrawPhase graph(nullptr);
    graph.SetBounds(0, 0, 1070, 255);
    graph.SetYAutoScale(false);
    graph.SetXAutoScale(false);
    graph.SetYMax(18);
    graph.SetYMin(-18);
    Plot plot(&graph);
    for (int slope : {0, 21, 255}) {
        CalcCutCurve(plot, kCutHighPass, 8, 1000, kBase);  // a real cut first
        CalcCutCurve(plot, kCutHighPass, slope, 2000, kBase);
        const FilterCurve& result = *plot.Curve(kHighPassSlot);
        EXPECT_EQ(result.type, FilterCurveType::Flat) << slope;
        for (double v : result.data)
            ASSERT_EQ(v, 0.0) << slope;
        for (int s = 13; s <= 17; ++s)
            EXPECT_EQ(plot.Curve(s)->type, FilterCurveType::Flat) << "section " << s;
        const TPoint marker = graph.GetBlockPos(kHighPassSlot);
        EXPECT_NEAR(marker.X, graph.ScreenX(CurveAxis::PointOf(2000)), 1.0) << slope;
    }
}

TEST(CutCurveTest, HighPassChangeLeavesTheLowPassResultAlone)
{
    Plot plot(nullptr);
    CalcCutCurve(plot, kCutLowPass, 20, 8000, kBase);
    const auto lowPass = plot.Curve(kLowPassSlot)->data;
    CalcCutCurve(plot, kCutHighPass, 13, 100, kBase);
    EXPECT_EQ(plot.Curve(kLowPassSlot)->data, lowPass);
    EXPECT_LT(Level(plot, kHighPassSlot, PointAt(50)), -30);
}

TEST(CutCurveTest, ResultCarriesTheLastSectionSet)
{
    Plot plot(nullptr);
    CalcCutCurve(plot, kCutHighPass, 20, 1000, kBase);  // LK -48: sections 1, 3, 2, 4
    const FilterCurve& r = *plot.Curve(kHighPassSlot);
    EXPECT_EQ(r.type, FilterCurveType::HighPass2Damping);
    EXPECT_FLOAT_EQ(r.s0, 0.7654f);
    CalcCutCurve(plot, kCutLowPass, 19, 1000, kBase);  // BL -48: last pair
    const FilterCurve& l = *plot.Curve(kLowPassSlot);
    EXPECT_EQ(l.type, FilterCurveType::LowPass2Table);
    EXPECT_FLOAT_EQ(l.s0, 0.3728f);
    EXPECT_FLOAT_EQ(l.s1, 0.2087f);
}

}  // namespace
