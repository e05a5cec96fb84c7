#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

TEST(Pointer, TheControlsOwnMouseEventsReachOnlyItsHandlers) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    PaintOnce(graph);
    int downs = 0, moves = 0, ups = 0;
    graph.OnMouseDown = [&](TComponent* sender, TMouseButton, TShiftState, int, int) {
        EXPECT_EQ(sender, &graph);
        ++downs;
    };
    graph.OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
    graph.OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
    QTest::mousePress(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    QTest::mouseMove(&graph, QPoint(400, 150));
    QTest::mouseRelease(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(400, 150));
    QTest::mouseDClick(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(400, 150));
    EXPECT_GE(downs, 1);
    EXPECT_GE(ups, 1);
    EXPECT_EQ(graph.XMin(), 1030);
    EXPECT_EQ(graph.XMax(), 4130);
    EXPECT_EQ(graph.YMin(), -18);
    EXPECT_EQ(graph.YMax(), 18);
    EXPECT_EQ(graph.MouseX(), 0);
}

TEST(Pointer, PanStretchAndZoomWhenCalled) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    PaintOnce(graph);
    const double W = graph.GetPlotWidth(), H = graph.GetPlotHeight();
    const TRect curve = graph.Page(LCustomFFTDraw::pgCurve).ScreenRect();

    // Panning 100 pixels right and 20 down moves the view left and up in data units.
    graph.MouseDown1(mbLeft, ssLeft, 300, 100);
    graph.MouseMove1(ssLeft, 400, 120);
    graph.MouseUp1(mbLeft, 0, 400, 120);
    EXPECT_DOUBLE_EQ(graph.XMin(), 1030 - 100 * 3100 / W);
    EXPECT_DOUBLE_EQ(graph.YMax(), 18 + 20 * 36 / H);

    // Stretching with Alt narrows x by the movement on both ends.
    graph.SetXYMinMax(1030, 4130, -18, 18);
    graph.MouseDown1(mbLeft, ssAlt | ssLeft, 300, 100);
    graph.MouseMove1(ssAlt | ssLeft, 310, 100);
    graph.MouseUp1(mbLeft, ssAlt, 310, 100);
    EXPECT_DOUBLE_EQ(graph.XMin(), 1030 + 10 * 3100 / W);
    EXPECT_DOUBLE_EQ(graph.XMax(), 4130 - 10 * 3100 / W);

    // Ctrl-drag zooms to the rubber band.
    graph.SetXYMinMax(1030, 4130, -18, 18);
    graph.MouseDown1(mbLeft, ssCtrl | ssLeft, curve.Left + 100, curve.Top + 50);
    graph.MouseMove1(ssCtrl | ssLeft, curve.Left + 300, curve.Top + 150);
    graph.MouseUp1(mbLeft, ssCtrl, curve.Left + 300, curve.Top + 150);
    EXPECT_DOUBLE_EQ(graph.XMin(), 1030 + 100 * 3100 / W);
    EXPECT_DOUBLE_EQ(graph.XMax(), 1030 + 300 * 3100 / W);
    EXPECT_DOUBLE_EQ(graph.YMax(), -18 - (50 - H) * 36 / H);
    EXPECT_DOUBLE_EQ(graph.MouseX(), 1030 + 300 * 3100 / W);  // where the pointer was before the zoom

    // Without MouseControl only the pointer position is followed.
    graph.SetMouseControl(false);
    graph.SetXYMinMax(1030, 4130, -18, 18);
    graph.MouseDown1(mbLeft, ssLeft, 300, 100);
    graph.MouseMove1(ssLeft, 400, 120);
    EXPECT_EQ(graph.XMin(), 1030);
    EXPECT_DOUBLE_EQ(graph.MouseX(), graph.PlotX(400));
}

TEST(Pointer, DoubleClickAutoscalesOnlyAutoscaledAxes) {
    LMyFFTDrawPhase graph(nullptr);  // y autoscale on, x off
    const std::vector<double> y{1, 5, 3};
    graph.FFTDraw(y.data(), 3, 1, clRed, TMyPlotStyle::Line);
    graph.SetXYMinMax(0, 10, 0, 100);
    graph.DblClick1();
    EXPECT_EQ(graph.YMin(), 1);
    EXPECT_EQ(graph.YMax(), 5);
    EXPECT_EQ(graph.XMax(), 10);
}

}  // namespace
