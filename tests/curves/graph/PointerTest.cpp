#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

namespace {

TEST(Pointer, TheControlsOwnMouseEventsReachOnlyItsHandlers) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    PaintOnce(graph);
    std::vector<std::string> events;
    const auto log = [&](const char* what, TShiftState shift, int x, int y) {
        events.push_back(std::string(what) + (shift & ssDouble ? " double " : " ") + std::to_string(x) + "," +
                         std::to_string(y));
    };
    graph.OnMouseDown = [&](TComponent* sender, TMouseButton button, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, &graph);
        EXPECT_EQ(button, mbLeft);
        log("down", shift, x, y);
    };
    graph.OnMouseMove = [&](TComponent* sender, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, &graph);
        log("move", shift, x, y);
    };
    graph.OnMouseUp = [&](TComponent* sender, TMouseButton button, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, &graph);
        EXPECT_EQ(button, mbLeft);
        log("up", shift, x, y);
    };
    QTest::mousePress(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
    QTest::mouseMove(&graph, QPoint(400, 150));
    QTest::mouseRelease(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(400, 150));
    QTest::mouseDClick(&graph, Qt::LeftButton, Qt::NoModifier, QPoint(400, 150));
    // Each event reached its handler once, where it happened; nothing panned, zoomed or
    // autoscaled the view.
    EXPECT_EQ(events, (std::vector<std::string>{"down 300,100", "move 400,150", "up 400,150", "down double 400,150"}));
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
