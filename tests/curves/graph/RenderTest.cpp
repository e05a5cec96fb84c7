#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

// Draws a channel pane with curves, markers, the selected band's texts and fill, and saves
// it for looking at.
TEST(GraphRender, ChannelPaneReadsAsAFinishedGraph) {
    LMyFFTDrawPhase graph(nullptr);
    SetUpPane(graph);
    const std::vector<double> band = Bell(2625, 6, 120);
    const std::vector<double> cut = Bell(1800, -9, 200);
    std::vector<double> sum(4096);
    for (std::size_t k = 0; k < 4096; ++k) sum[k] = band[k] + cut[k];
    graph.FFTDraw(sum.data(), 4096, 12, clRed, TMyPlotStyle::Line);
    graph.FFTDraw(Bell(3300, 3, 150).data(), 4096, 18, clLime, TMyPlotStyle::Line);
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
}
