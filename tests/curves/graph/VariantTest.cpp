#include "GraphTestSupport.h"

#include <gtest/gtest.h>

namespace {

class Variant : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpPane(graph);
        PaintOnce(graph);
    }
    const TCanvas& CurveCanvas() const { return graph.Page(LCustomFFTDraw::pgCurve).Canvas(); }

    LMyFFTDraw graph{nullptr};
};

TEST_F(Variant, ParameterLinesByItsOwnRule) {
    struct Case {
        int kind;
        std::vector<QString> texts;
    };
    const Case cases[] = {{0, {"Q:1.00", "1.50KHz", "-3.0dB"}},
                          {1, {"1.50KHz", "-3.0dB"}},
                          {2, {"1.50KHz", "-3.0dB"}},
                          {4, {"1.50KHz"}},
                          {7, {"1.50KHz"}},
                          {16, {"1.50KHz"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        TextRecorder recorder;
        graph.ShowParam(c.kind, -3, 2000, 1500.0f, 1.0, clYellow);
        EXPECT_EQ(recorder.TextsOn(CurveCanvas()), c.texts);
    }
}

TEST_F(Variant, TwoLinesSitTenPixelsLowerWhenDrawnAtOnce) {
    const double sy = graph.ScreenY(-3);
    TextRecorder recorder;
    graph.DrawParam(2, -3, 2000, 1500.0f, 1.0, clYellow);
    std::vector<DrawnText> drawn = recorder.On(CurveCanvas());
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].y, int(sy - 46));
    EXPECT_EQ(drawn[1].y, int(sy - 33));

    graph.SetCurveDisplay(true);
    recorder.Clear();
    graph.UpdateCurvePage();
    std::vector<int> ys;
    for (const DrawnText& t : recorder.On(CurveCanvas()))
        if (t.text == "1.50KHz" || t.text == "-3.0dB") ys.push_back(t.y);
    EXPECT_EQ(ys, (std::vector<int>{int(sy - 56), int(sy - 43)}));
}

TEST_F(Variant, LetteredMarkersAndNoShapeBeyondKindSix) {
    TextRecorder recorder;
    graph.DrawBlock(0, 2000, clRed, 3, false, 4);
    graph.DrawBlock(0, 2100, clRed, 4, false, 5);
    graph.DrawBlock(0, 2200, clRed, 5, false, 6);
    graph.DrawBlock(0, 2300, clRed, 6, false, 3);
    EXPECT_EQ(recorder.TextsOn(CurveCanvas()), (std::vector<QString>{"L", "M", "H", "HPF"}));

    const QImage before = graph.Page(LCustomFFTDraw::pgCurve).Bitmap().Image();
    recorder.Clear();
    graph.DrawBlock(0, 2400, clRed, 7, false, 7);
    EXPECT_TRUE(recorder.All().empty());
    EXPECT_EQ(graph.Page(LCustomFFTDraw::pgCurve).Bitmap().Image(), before);
}

TEST_F(Variant, AllParametersDisplayUsesTypeMinusOne) {
    graph.DrawBlock(-2, 2000, clRed, 0, false, 1);
    graph.SetBlockParameter(0, 1000, -2, 1.0, 17);  // kind 16: frequency only
    graph.DrawBlock(-2, 2200, clRed, 1, false, 5);  // lettered markers never show parameters
    graph.SetBlockParameter(1, 2000, -2, 1.0, 1);
    graph.SetParameterDisplay(true);
    TextRecorder recorder;
    graph.UpdateCurvePage();
    EXPECT_EQ(recorder.TextsOn(CurveCanvas()), (std::vector<QString>{"1", "1.00KHz", "M"}));

    LMyFFTDrawPhase phase(nullptr);
    SetUpPane(phase);
    PaintOnce(phase);
    phase.DrawBlock(-2, 2000, clRed, 0, false, 1);
    phase.SetBlockParameter(0, 1000, -2, 1.0, 17);  // kind 6: Q and frequency
    phase.SetParameterDisplay(true);
    recorder.Clear();
    phase.UpdateCurvePage();
    EXPECT_EQ(recorder.TextsOn(phase.Page(LCustomFFTDraw::pgCurve).Canvas()),
              (std::vector<QString>{"1", "Q:1.00", "1.00KHz"}));
}

}  // namespace
