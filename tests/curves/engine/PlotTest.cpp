// The engine's computing half: construction, mode switching, slot access and the channel
// sum with its phase folding. A null graph makes an engine that only computes.
#include "Plot.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

bool AllEqual(const FilterCurve& c, double v)
{
    for (double d : c.data)
        if (d != v)
            return false;
    return true;
}

TEST(PlotTest, FreshEngineIsFlatInBothModes)
{
    for (std::uint8_t mode : {0, 1}) {
        Plot plot(nullptr);
        plot.SetMode(mode);
        EXPECT_EQ(plot.GetMode(), mode);
        for (int slot = 0; slot < Plot::kCurveCount; ++slot) {
            const FilterCurve* c = plot.Curve(slot);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->mode, mode);
            EXPECT_EQ(c->type, FilterCurveType::HighShelf);
            EXPECT_EQ(c->freq, 1000);
            EXPECT_EQ(c->q, 0.4);
            EXPECT_TRUE(AllEqual(*c, 0)) << "slot " << slot;
        }
        plot.Curve(Plot::kSumSlot)->data.fill(7);
        plot.DrawSum(0);
        EXPECT_TRUE(AllEqual(*plot.Curve(Plot::kSumSlot), 0));
    }
}

TEST(PlotTest, CurveOutsideTheSlotsIsNull)
{
    Plot plot(nullptr);
    EXPECT_EQ(plot.Curve(-1), nullptr);
    EXPECT_EQ(plot.Curve(Plot::kCurveCount), nullptr);
    EXPECT_EQ(std::as_const(plot).Curve(1000), nullptr);
    EXPECT_NE(plot.Curve(26), nullptr);
}

TEST(PlotTest, SetModeRecomputesNothing)
{
    Plot plot(nullptr);
    FilterCurve& band = *plot.Curve(3);
    band.SetFilter(6, 500, 2, FilterCurveType::Peak);
    const auto magnitude = band.data;
    plot.SetMode(1);
    EXPECT_EQ(band.mode, 1);
    EXPECT_EQ(band.data, magnitude);

    // The next computation takes the new mode.
    band.SetFilter(6, 500, 2, FilterCurveType::Peak);
    EXPECT_NE(band.data, magnitude);
    plot.SetMode(0);
    band.SetFilter(6, 500, 2, FilterCurveType::Peak);
    EXPECT_EQ(band.data, magnitude);
}

TEST(PlotTest, SumAddsSlotsZeroToElevenOnly)
{
    Plot plot(nullptr);
    for (int slot = 0; slot < Plot::kCurveCount; ++slot)
        if (slot != Plot::kSumSlot)
            plot.Curve(slot)->data.fill(slot < 12 ? 1.0 + slot : 1000.0);
    plot.DrawSum(2);
    EXPECT_TRUE(AllEqual(*plot.Curve(Plot::kSumSlot), 78.0));  // 1 + 2 + ... + 12, unfolded

    // The real cascade: a band and a cut add up in dB.
    Plot chain(nullptr);
    chain.Curve(0)->SetFilter(6, 1000, 1, FilterCurveType::Peak);
    chain.Curve(11)->SetFilter(0, 5000, 0.707, FilterCurveType::LowPass2);
    chain.DrawSum(2);
    for (int k : {0, 2625, 4000})
        EXPECT_EQ(chain.Curve(12)->data[k], chain.Curve(0)->data[k] + chain.Curve(11)->data[k]);
}

TEST(PlotTest, PhaseSumFoldsByAtMostTwoTurns)
{
    const struct {
        double sum, folded;
    } cases[] = {
        {20, -16}, {40, 4}, {60, -12}, {80, 8}, {-20, 16}, {-80, -8},
        {18, 18}, {-18, -18}, {0, 0}, {100, 28}, {-100, -28}, {54, 18}, {55, -17}, {18.5, -17.5},
    };
    for (const auto& c : cases) {
        Plot plot(nullptr);
        plot.SetMode(1);
        plot.Curve(0)->data.fill(c.sum / 2);
        plot.Curve(9)->data.fill(c.sum / 2);
        plot.DrawSum(0);
        EXPECT_TRUE(AllEqual(*plot.Curve(Plot::kSumSlot), c.folded)) << c.sum;
    }
}

TEST(PlotTest, DrawSumCopesWithChannelsOutsideTheColourTable)
{
    Plot plot(nullptr);
    plot.Curve(1)->data.fill(2);
    for (int channel : {-1, 10, 1000}) {
        plot.DrawSum(channel);
        EXPECT_TRUE(AllEqual(*plot.Curve(Plot::kSumSlot), 2)) << channel;
    }
}

}  // namespace
