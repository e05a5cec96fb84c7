#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Texts = std::vector<QString>;

struct YLabelCase {
    const char* name;
    bool variant;  // LMyFFTDraw instead of LMyFFTDrawPhase
    int numHorzGrid;
    double scale;
    const char* unit;
    Texts expected;  // in drawing order: top, bottom, then the grid labels upwards
};

void PrintTo(const YLabelCase& c, std::ostream* os) { *os << c.name; }

class YLabels : public ::testing::TestWithParam<YLabelCase> {};

TEST_P(YLabels, TextsAndPlaces) {
    const YLabelCase& p = GetParam();
    std::unique_ptr<LCustomFFTDraw> graph;
    if (p.variant) {
        graph = std::make_unique<LMyFFTDraw>(nullptr);
    } else {
        auto phase = std::make_unique<LMyFFTDrawPhase>(nullptr);
        phase->SetYLabelScale(p.scale);
        phase->SetYLabel(QString::fromLatin1(p.unit));
        graph = std::move(phase);
    }
    SetUpPane(*graph);
    graph->SetNumHorzGrid(p.numHorzGrid);
    PaintOnce(*graph);
    TextRecorder recorder;
    graph->DrawYAxisLabels();

    const TPaintPage& page = graph->Page(LCustomFFTDraw::pgYLabel);
    const std::vector<DrawnText> drawn = recorder.On(page.Canvas());
    ASSERT_EQ(recorder.TextsOn(page.Canvas()), p.expected);
    const int th = page.Canvas().TextHeight(QStringLiteral("0"));
    const double step = 36.0 / (p.numHorzGrid + 1);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(drawn[i].text.toStdString());
        EXPECT_EQ(drawn[i].x, page.Width() - page.Canvas().TextWidth(drawn[i].text) - 2);  // right-aligned
        int y;
        if (i == 0)
            y = 0;
        else if (i == 1)
            y = int(graph->ScreenY(-18) - th);
        else
            y = int(graph->ScreenY(-18 + (2 * int(i) - 2) * step) - th / 2);
        EXPECT_EQ(drawn[i].y, y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Views, YLabels,
    ::testing::Values(
        YLabelCase{"Magnitude", false, 11, 1.0, "dB", {"+18dB", "-18dB", "-12dB", "-6dB", "0dB", "+6dB", "+12dB"}},
        YLabelCase{"Phase", false, 7, 10.0, "", {"+180", "-180", "-90", "0", "+90"}},
        YLabelCase{"NoGridLines", false, 0, 1.0, "dB", {"+18dB", "-18dB"}},
        YLabelCase{"OneGridLine", false, 1, 1.0, "dB", {"+18dB", "-18dB"}},
        YLabelCase{"VariantNeverScales", true, 7, 1.0, "", {"+18dB", "-18dB", "-9dB", "0dB", "+9dB"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(YLabels, PhaseDecadeLabelsUseTheScaleAsExponentFactorOnALogAxis) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    graph.SetYAxisFormat(TMyAxisFormat::Log);
    graph.SetYMin(1);
    graph.SetYMax(1000);
    PaintOnce(graph);
    TextRecorder recorder;
    graph.DrawYAxisLabels();
    EXPECT_EQ(recorder.TextsOn(graph.Page(LCustomFFTDraw::pgYLabel).Canvas()), (Texts{"10dB", "100dB"}));
}

struct XLabelCase {
    int width;
    Texts expected;
};

void PrintTo(const XLabelCase& c, std::ostream* os) { *os << c.width << " px"; }

class XLabels : public ::testing::TestWithParam<XLabelCase> {};

TEST_P(XLabels, AllTenFrom800PixelsOtherwiseTheFirstFour) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph, GetParam().width);
    PaintOnce(graph);
    TextRecorder recorder;
    graph.DrawXAxisLabels();
    const TPaintPage& page = graph.Page(LCustomFFTDraw::pgXLabel);
    const std::vector<DrawnText> drawn = recorder.On(page.Canvas());
    ASSERT_EQ(recorder.TextsOn(page.Canvas()), GetParam().expected);
    // Each label is centred on its frequency's position, one pixel below the strip's top.
    const DrawnText& kHz1 = drawn[2];
    const double x = graph.ScreenX(4096 * std::log10(1000.0) / std::log10(48000.0));
    EXPECT_EQ(kHz1.x, int(x - 0.5 * page.Canvas().TextWidth(kHz1.text)));
    EXPECT_EQ(kHz1.y, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, XLabels,
    ::testing::Values(XLabelCase{799, {"20Hz", "100Hz", "1KHz", "10KHz"}},
                      XLabelCase{800,
                                 {"20Hz", "100Hz", "1KHz", "10KHz", "20KHz", "50Hz", "200Hz", "500Hz", "2KHz", "5KHz"}}));

TEST(Layout, PagesTileTheControlAndStripsThatDoNotFitAreSwitchedOff) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    PaintOnce(graph);
    const TRect curve = graph.Page(LCustomFFTDraw::pgCurve).ScreenRect();
    const TRect yLabels = graph.Page(LCustomFFTDraw::pgYLabel).ScreenRect();
    const TRect xLabels = graph.Page(LCustomFFTDraw::pgXLabel).ScreenRect();
    EXPECT_EQ(curve.Top, 10);
    EXPECT_EQ(curve.Right, 1060);
    EXPECT_EQ(yLabels.Right, curve.Left);
    EXPECT_EQ(xLabels.Top, curve.Bottom);
    EXPECT_EQ(xLabels.Bottom, 255);
    EXPECT_EQ(graph.GetPlotWidth(), curve.Width());
    EXPECT_EQ(graph.GetPlotHeight(), curve.Height());

    // Narrower than the y-label strip: the y labels go.
    LMyFFTDrawPhase narrow(nullptr);
    SetUpPane(narrow, 30, 255);
    TextRecorder recorder;
    PaintOnce(narrow);
    EXPECT_FALSE(narrow.ShowYLabel());
    EXPECT_TRUE(recorder.On(narrow.Page(LCustomFFTDraw::pgYLabel).Canvas()).empty());

    // Too low for any strip: they are switched off and the layout ends.
    LMyFFTDrawPhase low(nullptr);
    SetUpPane(low, 1070, 5);
    PaintOnce(low);
    EXPECT_FALSE(low.ShowXLabel());
    EXPECT_FALSE(low.ShowPlotTitle());
}

}  // namespace
