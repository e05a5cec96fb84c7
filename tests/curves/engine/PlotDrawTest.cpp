// The engine's drawing operations on a real graph: what reaches the graph's curve list,
// marker table and selected-band display, and that bad slots draw nothing.
#include "ChannelColors.h"
#include "MarkerPalette.h"
#include "PaneGraph.h"
#include "Plot.h"

#include "graphics/TCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class PlotDrawTest : public ::testing::Test {
protected:
    // The graph has been looked at, as one on screen has: it draws at once from then on.
    void SetUp() override { (void)graph->Page(LCustomFFTDraw::pgCurve); }
    void TearDown() override { TCanvas::SetTextOutHook(nullptr); }

    // Texts drawn from now on.
    void RecordTexts()
    {
        TCanvas::SetTextOutHook([this](const TCanvas&, int, int, const QString& text) { texts << text; });
    }

    std::unique_ptr<LMyFFTDrawPhase> graph = MakePaneGraph();
    Plot plot{graph.get()};
    QStringList texts;
};

TEST_F(PlotDrawTest, SumIsDrawnAsCurveTwelveInTheChannelColour)
{
    plot.Curve(0)->SetFilter(6, 1000, 1, FilterCurveType::Peak);
    plot.Curve(11)->SetFilter(0, 5000, 0.707, FilterCurveType::LowPass2);
    plot.DrawSum(5);
    TColor colour = 0;
    ASSERT_TRUE(graph->GetPlotColor(Plot::kSumSlot, colour));
    EXPECT_EQ(colour, ChannelColors[5]);
    std::vector<double> y;
    ASSERT_TRUE(graph->GetPlotY(Plot::kSumSlot, y));
    ASSERT_EQ(y.size(), std::size_t(CurveAxis::kPoints));
    for (int k = 0; k < CurveAxis::kPoints; ++k)
        ASSERT_EQ(y[k], plot.Curve(Plot::kSumSlot)->data[k]) << k;
    int count = 0;
    EXPECT_FALSE(graph->GetPlotNumPoints(0, count));  // bands themselves are not drawn

    // A channel outside the colour table is summed but not drawn.
    plot.RemoveCurve(Plot::kSumSlot);
    plot.DrawSum(10);
    EXPECT_FALSE(graph->GetPlotNumPoints(Plot::kSumSlot, count));
}

TEST_F(PlotDrawTest, ShowAndRemoveCurveBySlot)
{
    plot.Curve(19)->data.fill(-3);
    plot.ShowCurve(19, clLime);
    TColor colour = 0;
    ASSERT_TRUE(graph->GetPlotColor(19, colour));
    EXPECT_EQ(colour, clLime);
    plot.RemoveCurve(19);
    EXPECT_FALSE(graph->GetPlotColor(19, colour));

    for (int slot : {-1, Plot::kCurveCount})
        plot.ShowCurve(slot, clLime);
    int count = 0;
    EXPECT_FALSE(graph->GetPlotNumPoints(-1, count));
    EXPECT_FALSE(graph->GetPlotNumPoints(Plot::kCurveCount, count));
}

TEST_F(PlotDrawTest, BandMarkerTakesTheGivenGainAndTheCurvesParameters)
{
    plot.Curve(4)->SetFilter(-3, 250, 2, FilterCurveType::Peak);
    plot.DrawBandMarker(4, -3.0f, 1);
    const auto& band = graph->Block(4);
    EXPECT_DOUBLE_EQ(band.dataX, 4096 * std::log10(250.0) / std::log10(48000.0));
    EXPECT_EQ(band.dataY, -3.0);
    EXPECT_EQ(band.colour, MarkerPalette[4]);
    EXPECT_EQ(band.kind, 1);
    EXPECT_FALSE(band.hidden);
    EXPECT_EQ(band.frequency, 250);
    EXPECT_EQ(band.gain, -3);
    EXPECT_EQ(band.q, 2);
    EXPECT_EQ(band.type, FilterCurveType::Peak);
    EXPECT_EQ(graph->GetBlockPos(4).X, int(graph->ScreenX(band.dataX)));

    // The crossover results sit at 0 dB whatever their curve's gain.
    plot.Curve(10)->SetParams(4, 80, 0.05, FilterCurveType::Flat, 0, 0);
    plot.DrawBandMarker(10, 0, 3);
    EXPECT_EQ(graph->Block(10).dataY, 0.0);
    EXPECT_EQ(graph->Block(10).gain, 4.0);
    EXPECT_EQ(graph->Block(10).kind, 3);
    EXPECT_EQ(graph->Block(10).colour, MarkerPalette[10]);
}

TEST_F(PlotDrawTest, BandMarkerOfABadSlotDrawsNothing)
{
    for (int slot : {-1, Plot::kCurveCount, 49})
        plot.DrawBandMarker(slot, 5.0f, 1);
    for (int index = 0; index < LMyFFTDrawPhase::kMarkerCount; ++index)
        EXPECT_EQ(graph->Block(index).dataY, 0.0) << index;
}

TEST_F(PlotDrawTest, ParamCurveShowsTheSlotsFrequencyWithTheCallersGainAndQ)
{
    plot.Curve(0)->SetFilter(6, 250, 1.41, FilterCurveType::Peak);
    plot.Curve(3)->SetFilter(-2, 4000, 3, FilterCurveType::Peak);
    RecordTexts();
    plot.DrawParamCurve(0, 3, -2.5f, 2.5f, true);
    EXPECT_TRUE(graph->CurveDisplay());
    EXPECT_TRUE(texts.contains("4.00KHz")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("-2.5dB")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Q:2.50")) << texts.join('|').toStdString();

    // A negative slot means slot 0.
    texts.clear();
    plot.DrawParamCurve(0, -1, 6.0f, 1.41f, true);
    EXPECT_TRUE(texts.contains("250.0Hz")) << texts.join('|').toStdString();

    texts.clear();
    plot.DrawParamCurve(0, 3, 0, 0, false);
    EXPECT_FALSE(graph->CurveDisplay());
    EXPECT_TRUE(texts.isEmpty());

    // A slot past the table shows nothing and leaves the display as it was.
    plot.DrawParamCurve(0, Plot::kCurveCount, 1, 1, true);
    EXPECT_FALSE(graph->CurveDisplay());
    EXPECT_TRUE(texts.isEmpty());
}

TEST_F(PlotDrawTest, EngineWithoutGraphOnlyComputes)
{
    Plot alone(nullptr);
    alone.Curve(2)->SetFilter(3, 100, 1, FilterCurveType::LowShelf);
    alone.DrawSum(0);
    alone.ShowCurve(2, clRed);
    alone.RemoveCurve(12);
    alone.DrawBandMarker(2, 3, 1);
    alone.DrawParamCurve(1, 2, 3, 1, true);
    EXPECT_EQ(alone.Curve(12)->data, alone.Curve(2)->data);
}

}  // namespace
