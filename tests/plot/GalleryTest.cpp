// Pictures of the two transfer-curve plots as the main window sets them up, and of a plot
// created in code with its default objects, saved for looking at, with pixels checked where
// the numbers put them.
#include "PlotTestSupport.h"
#include "core/TransferCurvePlotLayout.h"

#include <gtest/gtest.h>

#include <QString>

namespace {


// Feeds a plot's channels the way the main window redraws a transfer curve.
void ShowCurve(TiXYPlot& plot, std::initializer_list<std::pair<double, double>> curve, std::pair<double, double> marker) {
    TiXYPlotChannel* c0 = plot.Channel(0);
    c0->DeletePoints(c0->Count());
    for (const auto& [x, y] : curve) c0->AddXY(x, y);
    TiXYPlotChannel* c1 = plot.Channel(1);
    c1->DeletePoints(c1->Count());
    c1->AddXY(marker.first, marker.second);
}

// Checks the look every transfer-curve plot shares: black, a green grid at the axes' ticks,
// yellow labels left of and below the data view, the white curve through its corner points
// and the marker at its point.
void CheckTransferPlot(TiXYPlot& plot, const QImage& image, std::pair<double, double> onCurve,
                       std::pair<double, double> marker) {
    TiPlotXAxis* x = plot.XAxis(0);
    TiPlotYAxis* y = plot.YAxis(0);
    const TRect view = plot.DataView(0)->DrawRect();
    EXPECT_EQ(PixelAt(image, 1, 1), 0u);
    EXPECT_EQ(PixelAt(image, plot.Width() - 2, plot.Height() - 2), 0u);
    // Grid lines at -80 on X and at -40 on Y, and the border on the data view's edges.
    const int gx = x->PositionToPixels(-80), gy = y->PositionToPixels(-40);
    EXPECT_EQ(PixelAt(image, gx, view.Top + 5), Rgb(0x008000));
    EXPECT_EQ(PixelAt(image, view.Right - 5, gy), Rgb(0x008000));
    EXPECT_EQ(PixelAt(image, view.Left, view.Top + 3), Rgb(0x008000));
    EXPECT_EQ(PixelAt(image, view.Left + 3, view.Bottom), Rgb(0x008000));
    // Yellow labels: under the X axis at -80, left of the data view at -40.
    EXPECT_TRUE(HasColorNear(image, {gx - 12, view.Bottom + 2, gx + 12, plot.Height()}, clYellow));
    EXPECT_TRUE(HasColorNear(image, {0, gy - 7, view.Left, gy + 7}, clYellow));
    EXPECT_FALSE(HasColorNear(image, {view.Left + 1, view.Top + 1, view.Right, view.Bottom}, clYellow, 0));
    // The curve (2 pixels wide) and the marker.
    const TPoint c{x->PositionToPixels(onCurve.first), y->PositionToPixels(onCurve.second)};
    EXPECT_TRUE(HasColorNear(image, {c.X - 1, c.Y - 1, c.X + 2, c.Y + 2}, clWhite, 0));
    const TPoint m{x->PositionToPixels(marker.first), y->PositionToPixels(marker.second)};
    // The marker (a filled circle of radius 5) lies under the curve, which channel 0 draws last.
    EXPECT_GT(CountColor(image, {m.X - 6, m.Y - 6, m.X + 7, m.Y + 7}, 8421631), 40);
    EXPECT_EQ(CountColor(image, {m.X + 8, m.Y - 12, m.X + 12, m.Y - 8}, 8421631), 0);
}

TEST(Gallery, CompressorPlot) {
    TiXYPlot plot(nullptr);
    ApplyTransferCurvePlotLayout(plot, kCompPlotPlacement);
    // Threshold -30 dB, ratio 4: the four corner points of the compressor curve.
    ShowCurve(plot, {{-100, -100}, {-30, -30}, {0, -22.5}, {20, -17.5}}, {-30, -30});
    const QImage image = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(620, 230));
    ASSERT_TRUE(image.save(OutputPath("plot_comp.png")));
    CheckTransferPlot(plot, image, {-65, -65}, {-30, -30});
    // Every X major label from -100 to 20 fits: the X grid lies every 20.
    const TRect view = plot.DataView(0)->DrawRect();
    for (double v = -100; v <= 20; v += 20)
        EXPECT_EQ(PixelAt(image, plot.XAxis(0)->PositionToPixels(v), view.Top + 20), Rgb(0x008000)) << v;
}

TEST(Gallery, GatePlot) {
    TiXYPlot plot(nullptr);
    ApplyTransferCurvePlotLayout(plot, kGatePlotPlacement);
    // Threshold -60 dB: below it the gate closes.
    ShowCurve(plot, {{-60, -100}, {-60, -60}, {20, 20}}, {-60, -60});
    const QImage image = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(904, 230));
    ASSERT_TRUE(image.save(OutputPath("plot_gate.png")));
    CheckTransferPlot(plot, image, {-20, -20}, {-60, -60});
    // The vertical part of the gate curve.
    const int gx = plot.XAxis(0)->PositionToPixels(-60);
    EXPECT_TRUE(HasColorNear(image, {gx - 1, plot.YAxis(0)->PositionToPixels(-85), gx + 2,
                                     plot.YAxis(0)->PositionToPixels(-85) + 1},
                             clWhite, 0));
}

TEST(Gallery, PlotCreatedInCodeShowsItsDefaultObjects) {
    auto plot = MakePlot(560, 320);
    TiXYPlotChannel* c0 = plot->Channel(0);
    for (double x = 0; x <= 100; x += 5) c0->AddXY(x, 50 + 40 * std::sin(x / 16));
    TiXYPlotChannel* c1 = plot->Channel(plot->AddChannel());
    c1->SetMarkersVisible(true);
    c1->SetMarkersStyle(ipmsDiamond);
    for (double x = 10; x <= 90; x += 20) c1->AddXY(x, 30 + x / 3);
    plot->DataCursor(0)->SetVisible(true);
    plot->DataCursor(0)->SetPointer1Position(35);
    const QImage image = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(image.save(OutputPath("plot_defaults.png")));
    // The toolbar's face, the title's white text, the legend's line samples.
    const TRect bar = plot->ToolBar(0)->DrawRect();
    EXPECT_EQ(PixelAt(image, bar.Right - 3, bar.Top + 10), Rgb(clBtnFace));
    EXPECT_TRUE(HasColorNear(image, plot->Label(0)->DrawRect(), clWhite));
    const TRect legend = plot->Legend(0)->DrawRect();
    EXPECT_GT(CountColor(image, legend, c0->Color()), 20);
    EXPECT_GT(CountColor(image, legend, c1->Color()), 20);
    // The cursor's hint box in the info colour.
    EXPECT_TRUE(HasColorNear(image, plot->DataCursor(0)->HintRect(), clInfoBk, 0));
}

}  // namespace
