// Renders one channel pane as the program shows it and keeps the picture in the build tree
// for a look (channel_graph.png); checks where the sum, the markers and the fill landed.
#include "ChannelScene.h"
#include "MarkerPalette.h"
#include "PaneGraph.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool HasColourNear(const QImage& image, int x, int y, QRgb colour, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (image.rect().contains(p) && (image.pixel(p) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
        }
    return false;
}

TEST(ChannelGraphRenderTest, OneChannelPane)
{
    auto graph = MakePaneGraph();
    Plot plot(graph.get());
    plot.SetMode(0);
    scene::ComputeChannel(plot);
    scene::DrawChannel(plot, scene::kSelected);

    const QImage shot = graph->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(1070, 255));
    const char* path = CHANNEL_GRAPH_PNG;
    if (!shot.save(path))
        std::printf("could not write %s\n", path);  // a read-only build tree is no failure

    // The sum in Out1's red along its computed course on the curve page (where neither the
    // fill nor a marker lies over it).
    const QImage& page = graph->Page(LMyFFTDrawPhase::pgCurve).Bitmap().Image();
    const auto& sum = plot.Curve(Plot::kSumSlot)->data;
    for (int k : {1500, 2000, 2300, 2450, 3700}) {
        const int x = int(graph->ScreenX(k));
        const int y = int(graph->ScreenY(sum[k]));
        EXPECT_TRUE(HasColourNear(page, x, y, qRgb(255, 0, 0), 2)) << "point " << k;
    }
    // Every band marker in its palette colour where the graph placed it.
    for (int slot = 0; slot < int(scene::kBands.size()); ++slot) {
        const TPoint at = graph->GetBlockPos(slot);
        const TColor c = MarkerPalette[slot];
        EXPECT_TRUE(HasColourNear(page, at.X, at.Y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)), 6)) << slot;
    }
    // The selected band's fill tints the black background between its curve and 0 dB, here
    // left of its texts, halfway up its curve.
    const FilterCurve& selected = *plot.Curve(scene::kSelected);
    const TPoint marker = graph->GetBlockPos(scene::kSelected);
    int k = int(CurveAxis::PointOf(selected.freq));
    while (graph->ScreenX(k) > marker.X - 30)
        --k;
    ASSERT_GT(selected.data[k], 1.0);
    const QRgb tinted = page.pixel(int(graph->ScreenX(k)), int(graph->ScreenY(selected.data[k] / 2)));
    EXPECT_NE(tinted & 0xFFFFFF, 0u);
    EXPECT_EQ(qRed(tinted), qBlue(tinted));  // grey laid over black or a green grid line
}

}  // namespace
