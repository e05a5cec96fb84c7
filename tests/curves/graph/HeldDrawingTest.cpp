#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QImage CurvePage(const LCustomFFTDraw& graph) { return graph.Page(LCustomFFTDraw::pgCurve).Bitmap().Image(); }

// A band selected as the main window selects one: its marker, texts and fill, then the sum.
void SelectBand(LMyFFTDrawPhase& graph, const std::vector<double>& bell) {
    graph.DrawBlock(6, 1500, clRed, 0, false, 1);
    graph.DrawParam(1, 6, 1500, 1000.0f, 1.41, clYellow);
    graph.DrawCurveFill(1, bell.data(), 4096);
    graph.SetCurveDisplay(true);
    graph.FFTDraw(bell.data(), 4096, 12, clRed, TMyPlotStyle::Line);
    graph.UpdateCurvePage();
}

TEST(HeldDrawing, AGraphOnScreenDrawsOnceAtTheEndWhatItWouldHaveDrawnStepByStep) {
    const std::vector<double> bell = Bell(1500, 6, 300);
    LMyFFTDrawPhase direct(nullptr), held(nullptr);
    for (LMyFFTDrawPhase* g : {&direct, &held}) {
        SetUpPane(*g);
        g->show();
        PaintOnce(*g);
    }
    SelectBand(direct, bell);

    const QImage before = CurvePage(held);
    held.BeginUpdate();
    held.BeginUpdate();  // brackets nest
    SelectBand(held, bell);
    EXPECT_EQ(CurvePage(held), before) << "nothing is drawn while held";
    held.EndUpdate();
    EXPECT_EQ(CurvePage(held), before) << "an inner end draws nothing";
    held.EndUpdate();
    EXPECT_NE(CurvePage(held), before);
    EXPECT_EQ(CurvePage(held), CurvePage(direct));
    EXPECT_EQ(*held.Canvas().Target(), *direct.Canvas().Target());
    EXPECT_EQ(held.GetBlockPos(0), direct.GetBlockPos(0));

    // An end without a begin changes nothing.
    held.EndUpdate();
    EXPECT_EQ(CurvePage(held), CurvePage(direct));
}

TEST(HeldDrawing, AGraphNeverShownDrawsNothingUntilFirstLookedAtAndThenShowsTheCurrentState) {
    const std::vector<double> bell = Bell(1500, 6, 300);
    LMyFFTDrawPhase shown(nullptr), hidden(nullptr);
    SetUpPane(shown);
    PaintOnce(shown);
    shown.DrawTextA(40, 20, 9, clAqua, QStringLiteral("Arial"), QStringLiteral("note"));
    shown.DrawLine(2000, clRed, true);
    SelectBand(shown, bell);

    SetUpPane(hidden);
    TextRecorder recorder;
    hidden.DrawTextA(40, 20, 9, clAqua, QStringLiteral("Arial"), QStringLiteral("note"));
    hidden.DrawLine(2000, clRed, true);
    SelectBand(hidden, bell);
    EXPECT_TRUE(recorder.All().empty()) << "a graph nobody has seen draws nothing";
    EXPECT_EQ(hidden.GetBlockPos(0), shown.GetBlockPos(0)) << "its layout is still kept";

    EXPECT_EQ(CurvePage(hidden), CurvePage(shown));
    EXPECT_EQ(hidden.grab().toImage(), shown.grab().toImage());
}

}  // namespace
