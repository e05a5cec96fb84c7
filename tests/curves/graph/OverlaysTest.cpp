#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QImage>

#include <cmath>

namespace {

class Overlays : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpPane(graph);
        PaintOnce(graph);
    }
    const TCanvas& CurveCanvas() const { return graph.Page(LCustomFFTDraw::pgCurve).Canvas(); }
    QRgb Pixel(int x, int y) const { return graph.Page(LCustomFFTDraw::pgCurve).Bitmap().Image().pixel(x, y); }

    LMyFFTDrawPhase graph{nullptr};
};

TEST_F(Overlays, MarkerNumbersAndTagsStandAboveTheMarker) {
    struct Case {
        int kind;
        int index;
        QString text;
        int dx, dy;
    };
    const Case cases[] = {{0, 4, "5", -3, -23}, {1, 0, "1", -3, -23}, {2, 11, "LPF", -8, -20}, {3, 10, "HPF", -8, -20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TextRecorder recorder;
        graph.DrawBlock(4.5, 2000.5, clRed, c.index, false, c.kind);
        const double sx = graph.ScreenX(2000.5), sy = graph.ScreenY(4.5);
        const std::vector<DrawnText> drawn = recorder.On(CurveCanvas());
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].text, c.text);
        EXPECT_EQ(drawn[0].x, int(sx + c.dx));
        EXPECT_EQ(drawn[0].y, int(sy + c.dy));
        EXPECT_EQ(graph.GetBlockPos(c.index), (TPoint{int(sx), int(sy)}));
        // The outline is in the marker's colour.
        EXPECT_EQ(QColor(Pixel(int(sx - 3), int(sy))), QColor(Qt::red));
    }
}

TEST_F(Overlays, MarkerIndexesOutsideTheTableAreIgnored) {
    graph.DrawBlock(0, 2000, clRed, 50, false, 1);
    graph.DrawBlock(0, 2000, clRed, -1, false, 1);
    graph.SetBlockParameter(99, 1000, 0, 1, 1);
    graph.SetBlockPosition(1, 2, 50);
    EXPECT_EQ(graph.GetBlockPos(50), (TPoint{0, 0}));
    EXPECT_EQ(graph.GetBlockPos(-1), (TPoint{0, 0}));
}

TEST_F(Overlays, UnplacedMarkersStayLeftOfTheVisibleRange) {
    const LCustomFFTDraw::TBlock& b = graph.Block(20);
    EXPECT_EQ(b.dataX, 0);
    EXPECT_EQ(b.kind, 0);
    EXPECT_EQ(b.colour, 0u);
    EXPECT_LT(graph.GetBlockPos(20).X, 0);
}

TEST_F(Overlays, MarkersFollowTheLayout) {
    graph.DrawBlock(0, 2625, clRed, 0, false, 1);
    const TPoint before = graph.GetBlockPos(0);
    graph.SetBounds(0, 0, 530, 255);
    PaintOnce(graph);
    EXPECT_EQ(graph.GetBlockPos(0), (TPoint{int(graph.ScreenX(2625)), int(graph.ScreenY(0))}));
    EXPECT_NE(graph.GetBlockPos(0), before);
}

struct ParamCase {
    const char* name;
    int kind;
    double gain;
    float frequency;
    std::vector<QString> texts;
    std::vector<int> dy;  // each line's y relative to the point
};

void PrintTo(const ParamCase& c, std::ostream* os) { *os << c.name; }

class ParamTexts : public Overlays, public ::testing::WithParamInterface<ParamCase> {};

TEST_P(ParamTexts, LinesByKindAboveACutBelowABoost) {
    const ParamCase& p = GetParam();
    TextRecorder recorder;
    graph.ShowParam(p.kind, p.gain, 2000, p.frequency, 1.0, clYellow);
    const std::vector<DrawnText> drawn = recorder.On(CurveCanvas());
    ASSERT_EQ(recorder.TextsOn(CurveCanvas()), p.texts);
    const double sx = graph.ScreenX(2000), sy = graph.ScreenY(p.gain);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].x, int(sx - 20));
        EXPECT_EQ(drawn[i].y, int(sy + p.dy[i]));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ParamTexts,
    ::testing::Values(ParamCase{"PeakCut", 0, -6, 1000.0f, {"Q:1.00", "1.00KHz", "-6.0dB"}, {-69, -56, -43}},
                      ParamCase{"PeakBoost", 0, 6, 999.9f, {"Q:1.00", "999.9Hz", " 6.0dB"}, {20, 33, 46}},
                      ParamCase{"NegativeKind", -1, 0, 20000.0f, {"Q:1.00", "20.00KHz", " 0.0dB"}, {-69, -56, -43}},
                      ParamCase{"LowCut", 3, -3, 100.0f, {"Q:1.00", "100.0Hz"}, {-69, -56}},
                      ParamCase{"Allpass2", 6, 2, 100.0f, {"Q:1.00", "100.0Hz"}, {20, 33}},
                      ParamCase{"Allpass1", 5, 0, 100.0f, {"100.0Hz"}, {-43}},
                      ParamCase{"HighPassResult", 10, 0, 100.0f, {"100.0Hz"}, {-43}},
                      ParamCase{"Seven", 7, 0, 100.0f, {}, {}},
                      ParamCase{"Twelve", 12, 0, 100.0f, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Overlays, SelectedBandRepaintShowsQAndFrequencyForKindsWithoutText) {
    graph.DrawParam(7, -3, 2000, 1500.0f, 2.0, clYellow);
    graph.SetCurveDisplay(true);
    TextRecorder recorder;
    graph.UpdateCurvePage();
    const double sx = graph.ScreenX(2000), sy = graph.ScreenY(-3);
    std::vector<DrawnText> params;
    for (const DrawnText& t : recorder.On(CurveCanvas()))
        if (t.text == "Q:2.00" || t.text == "1.50KHz") params.push_back(t);
    ASSERT_EQ(params.size(), 2u);
    EXPECT_EQ(params[0].y, int(sy - 69));
    EXPECT_EQ(params[1].y, int(sy - 56));
    EXPECT_EQ(params[0].x, int(sx - 20));

    recorder.Clear();
    graph.SetCurveDisplay(false);
    graph.UpdateCurvePage();
    for (const DrawnText& t : recorder.On(CurveCanvas())) EXPECT_NE(t.text, "1.50KHz");
}

TEST_F(Overlays, AllParametersDisplayShowsOtherBandsInWhite) {
    // Band 1 is the selected one; band 2 sits elsewhere; band 3 is an Allpass 2 band.
    graph.DrawBlock(6, 2625, clRed, 0, false, 1);
    graph.SetBlockParameter(0, 1000, 6, 1.0, 1);
    graph.DrawBlock(-6, 2000, clYellow, 1, false, 1);
    graph.SetBlockParameter(1, 200, -6, 2.0, 2);
    graph.DrawBlock(0, 3000, clAqua, 2, false, 1);
    graph.SetBlockParameter(2, 5000, 0, 3.0, 17);
    graph.DrawParam(0, 6, 2625, 1000.0f, 1.0, clYellow);

    TextRecorder recorder;
    graph.UpdateCurvePage();
    EXPECT_EQ(recorder.All().size(), 3u);  // only the marker numbers while the display is off

    graph.SetParameterDisplay(true);
    recorder.Clear();
    graph.UpdateCurvePage();
    EXPECT_EQ(recorder.TextsOn(CurveCanvas()),
              (std::vector<QString>{"1", "2", "Q:2.00", "200.0Hz", "-6.0dB", "3", "Q:3.00", "5.00KHz"}));
}

// Grey level of a pixel, for the translucent fill (the background is black).
int Grey(QRgb pixel) { return qGreen(pixel); }

TEST_F(Overlays, FillLiesBetweenCurveAndZeroForABoostAndDarkensOnEveryRefresh) {
    // A low shelf of +6 dB below point 2000.
    std::vector<double> shelf(4096);
    for (int k = 0; k < 4096; ++k) shelf[std::size_t(k)] = k < 2000 ? 6.0 : 0.0;
    const int x = int(graph.ScreenX(1350));
    const int inside = int(graph.ScreenY(1.5));
    const int above = int(graph.ScreenY(7.5));
    ASSERT_EQ(Pixel(x, inside), qRgb(0, 0, 0));
    ASSERT_EQ(Pixel(x, above), qRgb(0, 0, 0));

    graph.DrawParam(1, 6, 1800, 300.0f, 0.7, clYellow);
    graph.DrawCurveFill(1, shelf.data(), 4096);
    const int once = Grey(Pixel(x, inside));
    EXPECT_GT(once, 0);
    EXPECT_LT(once, 40);
    EXPECT_EQ(Pixel(x, above), qRgb(0, 0, 0));

    graph.SetCurveDisplay(true);
    int last = once;
    for (int i = 0; i < 3; ++i) {
        graph.UpdateCurvePage();
        const int now = Grey(Pixel(x, inside));
        EXPECT_GT(now, last);
        last = now;
    }
    EXPECT_EQ(Pixel(x, above), qRgb(0, 0, 0));
}

TEST_F(Overlays, FillOfACutOrAllpassReachesTheBottomEdge) {
    std::vector<double> cut(4096);
    for (int k = 0; k < 4096; ++k) cut[std::size_t(k)] = k < 2000 ? -6.0 : 0.0;
    const int x = int(graph.ScreenX(1350));
    const int belowCurve = int(graph.ScreenY(-10.5));
    const int betweenCurveAndZero = int(graph.ScreenY(-4.5));
    graph.DrawParam(3, 0, 2000, 300.0f, 0.7, clYellow);
    graph.DrawCurveFill(3, cut.data(), 4096);
    EXPECT_GT(Grey(Pixel(x, belowCurve)), 0);
    EXPECT_EQ(Pixel(x, betweenCurveAndZero), qRgb(0, 0, 0));
}

TEST_F(Overlays, FillTakesAtMostTheCurveAxisPoints) {
    // A peak, followed by more values than the curve axis has; a negative count and no data
    // change nothing of the copy.
    const std::vector<double> peak = Bell(1350, 6, 150);
    std::vector<double> many = peak;
    many.resize(10000, 3.0);
    const auto drawFill = [](LMyFFTDrawPhase& g, const std::vector<double>& values) {
        g.DrawParam(0, 3, 2000, 300.0f, 0.7, clYellow);
        g.DrawCurveFill(0, values.data(), int(values.size()));
        g.DrawCurveFill(0, values.data(), -5);
        g.DrawCurveFill(0, nullptr, 4096);
    };
    drawFill(graph, many);
    LMyFFTDrawPhase exact(nullptr);
    SetUpPane(exact);
    PaintOnce(exact);
    drawFill(exact, peak);
    // The same picture as from the first 4096 values alone: the peak filled, and nothing of
    // the later values right of the last point.
    const QImage& kept = graph.Page(LCustomFFTDraw::pgCurve).Bitmap().Image();
    EXPECT_TRUE(kept == exact.Page(LCustomFFTDraw::pgCurve).Bitmap().Image());
    for (int k : {1250, 1350, 1450}) EXPECT_GT(Grey(Pixel(int(graph.ScreenX(k)), int(graph.ScreenY(1.5)))), 0) << k;
    EXPECT_EQ(Pixel(int(graph.ScreenX(4115)), int(graph.ScreenY(1.5))), qRgb(0, 0, 0));
}

TEST_F(Overlays, TextOverlayIsDrawnAtOnceAndRepaintedWithItsColour) {
    TextRecorder recorder;
    graph.DrawTextA(356, 63, 60, clBtnFace, "Times New Roman", "BYPASS");
    ASSERT_EQ(recorder.TextsOn(CurveCanvas()), (std::vector<QString>{"BYPASS"}));
    EXPECT_EQ(recorder.All()[0].x, 356);
    EXPECT_EQ(recorder.All()[0].y, 63);
    EXPECT_EQ(CurveCanvas().Font.Size(), 60);
    EXPECT_EQ(TFont::SubstituteFamily(CurveCanvas().Font.Name()), "Liberation Serif");

    recorder.Clear();
    graph.UpdateCurvePage();
    EXPECT_EQ(recorder.TextsOn(CurveCanvas()).back(), "BYPASS");
    EXPECT_EQ(CurveCanvas().Font.Color(), clBtnFace);

    graph.DrawTextA(356, 63, 60, clBtnFace, "Times New Roman", "");
    graph.DrawAllPlots();
    recorder.Clear();
    graph.UpdateCurvePage();
    for (const DrawnText& t : recorder.All()) EXPECT_NE(t.text, "BYPASS");
}

TEST_F(Overlays, LineOverlayIsARedVerticalLine) {
    graph.DrawLine(2625, clBlue, true);
    const int x = int(graph.ScreenX(2625));
    EXPECT_EQ(QColor(Pixel(x, 0)), QColor(Qt::red));
    const int sy = int(graph.ScreenY(-3));
    EXPECT_EQ(QColor(Pixel(x + 2, sy)), QColor(Qt::yellow));
}

}  // namespace
