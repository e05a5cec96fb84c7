#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <limits>

namespace {

struct ClampCase {
    const char* name;
    std::function<void(LMyFFTDrawPhase&)> set;
    std::function<double(const LMyFFTDrawPhase&)> get;
    double expected;
};

void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.name; }

class Clamps : public ::testing::TestWithParam<ClampCase> {};

TEST_P(Clamps, SettersHoldValuesInRange) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    GetParam().set(graph);
    EXPECT_EQ(GetParam().get(graph), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, Clamps,
    ::testing::Values(
        ClampCase{"PointSize0", [](auto& g) { g.SetPointSize(0); }, [](auto& g) { return g.PointSize(); }, 1},
        ClampCase{"PointSize25", [](auto& g) { g.SetPointSize(25); }, [](auto& g) { return g.PointSize(); }, 10},
        ClampCase{"HorzTickNegative", [](auto& g) { g.SetHorzTickLength(-3); },
                  [](auto& g) { return g.HorzTickLength(); }, 0},
        ClampCase{"HorzTickBeyondWidth", [](auto& g) { g.SetHorzTickLength(5000); },
                  [](auto& g) { return g.HorzTickLength(); }, 1070},
        ClampCase{"VertTickBeyondHeight", [](auto& g) { g.SetVertTickLength(5000); },
                  [](auto& g) { return g.VertTickLength(); }, 255},
        ClampCase{"NumHorzGridNegative", [](auto& g) { g.SetNumHorzGrid(-2); },
                  [](auto& g) { return g.NumHorzGrid(); }, 0},
        ClampCase{"YMaxEqualYMin", [](auto& g) { g.SetYMax(-18); }, [](auto& g) { return g.YMax(); }, -17},
        ClampCase{"LogYMinBecomesTenthOfMax", [](auto& g) { g.SetYAxisFormat(TMyAxisFormat::Log); },
                  [](auto& g) { return g.YMin(); }, 1.8},
        ClampCase{"LogXWithNonPositiveMax", [](auto& g) { g.SetXMax(-5); g.SetXMin(-6); g.SetXAxisFormat(TMyAxisFormat::Log); },
                  [](auto& g) { return g.XMin(); }, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Setters, LabelPrecisionKeepsTheStripsAsTheyWere) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    graph.SetXLabelPrecision(6);
    EXPECT_TRUE(graph.ShowXLabel());
    graph.SetShowXLabel(false);
    graph.SetXLabelPrecision(3);
    EXPECT_FALSE(graph.ShowXLabel());
}

TEST(Setters, PublishedPropertiesAreReachableByName) {
    LMyFFTDrawPhase graph(nullptr);
    EXPECT_TRUE(graph.setProperty("NumHorzGrid", 7));
    EXPECT_EQ(graph.NumHorzGrid(), 7);
    EXPECT_TRUE(graph.setProperty("YLabelScale", 10.0));
    EXPECT_EQ(graph.YLabelScale(), 10.0);
    EXPECT_TRUE(graph.setProperty("YLabel", QString()));
    EXPECT_EQ(graph.YLabel(), QString());
    EXPECT_TRUE(graph.setProperty("SampleRate", int(TSampleRate::n96000)));
    EXPECT_EQ(graph.SampleRate(), TSampleRate::n96000);
    EXPECT_EQ(graph.property("AxisColor").toUInt(), 35840u);
    EXPECT_EQ(graph.property("GridColor").toUInt(), 18432u);
    EXPECT_EQ(graph.property("XMin").toDouble(), 1030.0);
    EXPECT_EQ(graph.property("Color").toUInt(), clBlack);
    EXPECT_EQ(graph.Width(), 500);
    EXPECT_EQ(graph.Height(), 250);
    LMyFFTDraw variant(nullptr);
    EXPECT_FALSE(variant.property("YLabelScale").isValid());
}

TEST(Curves, AnIdKeepsItsFirstColourAndStyle) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    const std::vector<double> a(4096, 1.0), b(100, 2.0);
    EXPECT_FALSE(graph.FFTDraw(a.data(), 4096, 12, clRed, TMyPlotStyle::Line));
    EXPECT_TRUE(graph.FFTDraw(b.data(), 100, 12, clBlue, TMyPlotStyle::FilledSquares));
    TColor colour = 0;
    TMyPlotStyle style{};
    int count = 0;
    std::vector<double> y;
    ASSERT_TRUE(graph.GetPlotColor(12, colour));
    ASSERT_TRUE(graph.GetPlotStyle(12, style));
    ASSERT_TRUE(graph.GetPlotNumPoints(12, count));
    ASSERT_TRUE(graph.GetPlotY(12, y));
    EXPECT_EQ(colour, clRed);
    EXPECT_EQ(style, TMyPlotStyle::Line);
    EXPECT_EQ(count, 100);
    EXPECT_EQ(y, b);

    std::vector<double> x;
    graph.FFTDraw(b.data(), 5, 10.0, 20.0, 3, clLime, TMyPlotStyle::Line);
    ASSERT_TRUE(graph.GetPlotX(3, x));
    EXPECT_EQ(x, (std::vector<double>{10, 12.5, 15, 17.5, 20}));
    graph.FFTDraw(b.data(), 1, 10.0, 20.0, 4, clLime, TMyPlotStyle::Line);  // one point: no division by zero
    ASSERT_TRUE(graph.GetPlotX(4, x));
    EXPECT_EQ(x, (std::vector<double>{10}));
}

TEST(Curves, RemovingAnAbsentIdChangesAndRedrawsNothing) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    PaintOnce(graph);
    const std::vector<double> a(4096, 1.0);
    graph.FFTDraw(a.data(), 4096, 12, clRed, TMyPlotStyle::Line);
    TextRecorder recorder;
    EXPECT_FALSE(graph.RemovePlot(7));
    EXPECT_TRUE(recorder.All().empty());
    int count = 0;
    EXPECT_TRUE(graph.GetPlotNumPoints(12, count));
    EXPECT_TRUE(graph.RemovePlot(12));
    EXPECT_FALSE(recorder.All().empty());  // labels drawn again
    EXPECT_FALSE(graph.GetPlotNumPoints(12, count));
}

TEST(Curves, OnlyAnAutoscaledAxisBecomesMinusOneToOneWhenEmpty) {
    LMyFFTDrawPhase pane(nullptr);
    SetUpPane(pane);
    const std::vector<double> a(4096, 5.0);
    pane.FFTDraw(a.data(), 4096, 12, clRed, TMyPlotStyle::Line);
    pane.RemovePlot(12);
    EXPECT_EQ(pane.YMin(), -18);
    EXPECT_EQ(pane.YMax(), 18);
    EXPECT_EQ(pane.XMin(), 1030);

    LMyFFTDrawPhase scaled(nullptr);  // starts with YAutoScale on
    std::vector<double> ramp(10);
    for (int k = 0; k < 10; ++k) ramp[std::size_t(k)] = k - 3;
    scaled.FFTDraw(ramp.data(), 10, 1, clRed, TMyPlotStyle::Line);
    EXPECT_EQ(scaled.YMin(), -3);
    EXPECT_EQ(scaled.YMax(), 6);
    scaled.RemovePlot(1);
    EXPECT_EQ(scaled.YMin(), -1);
    EXPECT_EQ(scaled.YMax(), 1);
    EXPECT_EQ(scaled.XMin(), 1030);  // x autoscale is off
}

TEST(Curves, AssignCopiesCurvesNewestLastAndTheSettings) {
    LMyFFTDrawPhase source(nullptr);
    SetUpPane(source);
    source.SetYLabelScale(10);
    source.SetNumHorzGrid(7);
    // Two curves on the same points: the one drawn last shows where they lie.
    const std::vector<double> a(4096, 3.0);
    source.FFTDraw(a.data(), 4096, 1, clRed, TMyPlotStyle::Line);
    source.FFTDraw(a.data(), 4096, 2, clBlue, TMyPlotStyle::Line);
    LMyFFTDrawPhase copy(nullptr, source);
    EXPECT_EQ(copy.YLabelScale(), 10);
    EXPECT_EQ(copy.NumHorzGrid(), 7);
    TColor colour = 0;
    EXPECT_TRUE(copy.GetPlotColor(1, colour));
    EXPECT_EQ(colour, clRed);
    EXPECT_TRUE(copy.GetPlotColor(2, colour));
    EXPECT_EQ(colour, clBlue);
    // The source lists its newest curve first and draws it first; the copy has it last,
    // so it is drawn over the older one.
    copy.SetBounds(0, 0, 1070, 255);
    PaintOnce(copy);
    const auto topColour = [](const LMyFFTDrawPhase& g) {
        return g.Page(LCustomFFTDraw::pgCurve).Bitmap().Image().pixel(int(g.ScreenX(2000)), int(g.ScreenY(3.0))) &
               0xFFFFFF;
    };
    EXPECT_EQ(topColour(source), 0xFF0000u);  // red, 0xRRGGBB
    EXPECT_EQ(topColour(copy), 0x0000FFu);    // blue
}

}  // namespace

namespace {

TEST(Setters, ALogAxisWithoutFiniteLogarithmsDrawsNoDecades) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    graph.SetYAxisFormat(TMyAxisFormat::Log);
    graph.SetYMax(std::numeric_limits<double>::infinity());
    TextRecorder recorder;
    PaintOnce(graph);  // returns: no endless decade loop
    EXPECT_TRUE(recorder.On(graph.Page(LCustomFFTDraw::pgYLabel).Canvas()).empty());
}

}  // namespace
