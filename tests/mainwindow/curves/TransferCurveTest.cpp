// The compressor and gate transfer-curve points (input dB, output dB) and their markers.
#include "TransferCurve.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

template <std::size_t N>
Points AsPairs(const std::array<TransferPoint, N>& points)
{
    Points out;
    for (const TransferPoint& p : points)
        out.emplace_back(p.in, p.out);
    return out;
}

void ExpectPoints(const Points& got, const Points& want, const char* what)
{
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_DOUBLE_EQ(got[i].first, want[i].first) << what << " point " << i;
        EXPECT_DOUBLE_EQ(got[i].second, want[i].second) << what << " point " << i;
    }
}

TEST(TransferCurveTest, CompressorPoints)
{
    struct Case {
        const char* what;
        double threshold;
        int knee, ratio;
        Points want;
    } cases[] = {
        {"2:1, hard knee", -20, 0, 5, {{20, 0}, {-20, -20}, {-20, -20}, {-100, -100}}},
        {"limiter, knee 6", 0, 6, 15, {{20, 0}, {6, 0}, {-6, -6}, {-100, -100}}},
        {"1:1 is a straight line", -30, 12, 0, {{20, 20}, {-18, -18}, {-42, -42}, {-100, -100}}},
        {"knee corner past the axis", 20, 12, 9, {{20, 20}, {32, 23}, {8, 8}, {-100, -100}}},
        {"1:20 is not the limiter", -10, 0, 14, {{20, -8.5}, {-10, -10}, {-10, -10}, {-100, -100}}},
    };
    for (const Case& c : cases)
        ExpectPoints(AsPairs(CompCurvePoints(c.threshold, c.knee, c.ratio, kCompRatioLimit)), c.want, c.what);
}

TEST(TransferCurveTest, GatePointsAndMarkers)
{
    ExpectPoints(AsPairs(GateCurvePoints(-40)), {{20, 20}, {-40, -40}, {-40, -100}}, "gate -40");
    ExpectPoints(AsPairs(GateCurvePoints(0)), {{20, 20}, {0, 0}, {0, -100}}, "gate 0");
    const TransferPoint m = ThresholdMarker(-40);
    EXPECT_DOUBLE_EQ(m.in, -39.8);
    EXPECT_DOUBLE_EQ(m.out, -40.4);
}

TEST(TransferCurveTest, RatioIndexOutsideTheTableIsClamped)
{
    EXPECT_DOUBLE_EQ(CompRatio(-1), 1.0);
    EXPECT_DOUBLE_EQ(CompRatio(40), 20.1);
    EXPECT_DOUBLE_EQ(CompRatio(12), 8.0);
}

}  // namespace
