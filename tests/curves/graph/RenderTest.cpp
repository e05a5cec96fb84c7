#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

bool HasColourNear(const QImage& image, double x, double y, QRgb colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(int(x) + dx, int(y) + dy);
            if (image.rect().contains(p) && (image.pixel(p) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
        }
    return false;
}

// Draws a channel pane with curves, markers, the selected band's texts and fill, saves it
// for looking at, and checks where the grid, the curves, the markers and the fill landed.
TEST(GraphRender, ChannelPaneReadsAsAFinishedGraph) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    const std::vector<double> band = Bell(2625, 6, 120);
    const std::vector<double> cut = Bell(1800, -9, 200);
    const std::vector<double> other = Bell(3300, 3, 150);
    std::vector<double> sum(4096);
    for (std::size_t k = 0; k < 4096; ++k) sum[k] = band[k] + cut[k];
    graph.FFTDraw(sum.data(), 4096, 12, clRed, TMyPlotStyle::Line);
    graph.FFTDraw(other.data(), 4096, 18, clLime, TMyPlotStyle::Line);
    PaintOnce(graph);
    graph.DrawBlock(6, 2625, clRed, 0, false, 1);
    graph.SetBlockParameter(0, 1000, 6, 1.0, 1);
    graph.DrawBlock(-9, 1800, clYellow, 1, false, 1);
    graph.SetBlockParameter(1, 150, -9, 2.0, 1);
    graph.DrawBlock(0, 1500, clAqua, 10, false, 3);
    graph.DrawBlock(0, 3800, clLime, 11, false, 2);
    graph.DrawParam(0, 6, 2625, 1000.0f, 1.0, clYellow);
    graph.DrawCurveFill(0, band.data(), 4096);
    graph.SetCurveDisplay(true);
    graph.SetParameterDisplay(true);
    graph.UpdateCurvePage();
    const QImage image = graph.grab().toImage();
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/graph_channel.png")));

    const QImage& page = graph.Page(LCustomFFTDraw::pgCurve).Bitmap().Image();
    // A horizontal grid line (-12 dB) in the grid colour, where no curve passes.
    EXPECT_EQ(page.pixel(int(graph.ScreenX(1100)), int(graph.ScreenY(-12))) & 0xFFFFFF, 0x004800u);
    // The sum in red down both flanks of the cut, the other curve in lime on its bell.
    for (int k : {1650, 1950}) EXPECT_TRUE(HasColourNear(page, graph.ScreenX(k), graph.ScreenY(sum[k]), qRgb(255, 0, 0), 2)) << k;
    EXPECT_TRUE(HasColourNear(page, graph.ScreenX(3200), graph.ScreenY(other[3200]), qRgb(0, 255, 0), 2));
    // Each marker in its colour where the graph placed it.
    const std::pair<int, QRgb> markers[] = {
        {0, qRgb(255, 0, 0)}, {1, qRgb(255, 255, 0)}, {10, qRgb(0, 255, 255)}, {11, qRgb(0, 255, 0)}};
    for (const auto& [index, colour] : markers) {
        const TPoint p = graph.GetBlockPos(index);
        EXPECT_TRUE(HasColourNear(page, p.X, p.Y, colour, 4)) << index;
    }
    // The selected band's fill tints the black between its curve and 0 dB grey (right of its
    // texts), and not above the curve.
    const QRgb tinted = page.pixel(int(graph.ScreenX(2700)), int(graph.ScreenY(band[2700] / 2)));
    EXPECT_NE(tinted & 0xFFFFFF, 0u);
    EXPECT_EQ(qRed(tinted), qBlue(tinted));
    EXPECT_EQ(page.pixel(int(graph.ScreenX(2700)), int(graph.ScreenY(band[2700] + 1.5))) & 0xFFFFFF, 0u);
}

}  // namespace
