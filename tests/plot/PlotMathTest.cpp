#include "core/iPlotMath.h"
#include "rtl/Exception.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<double> OneBased(std::initializer_list<double> values) {
    std::vector<double> v{0.0};
    v.insert(v.end(), values);
    return v;
}

TEST(PlotMath, LogarithmAndPower) {
    EXPECT_NEAR(PlotLog10(1000), 3, 1e-15);
    EXPECT_NEAR(PlotLog10(0.01), -2, 1e-15);
    EXPECT_NEAR(PlotPower(10, -2), 0.01, 1e-17);
    EXPECT_NEAR(PlotPower(2, 10), 1024, 1e-10);
}

TEST(PlotMath, SplineUsesTheChordSlopesAtItsEnds) {
    const auto x = OneBased({0, 1, 2}), y = OneBased({0, 1, 0});
    std::vector<double> y2;
    SplineSecondDerivatives(x, y, 3, y2);
    // End slopes 1 and -1 (the chords) clamp the spline: Y2 = 2, -4, 2.
    EXPECT_NEAR(y2[1], 2, 1e-12);
    EXPECT_NEAR(y2[2], -4, 1e-12);
    EXPECT_NEAR(y2[3], 2, 1e-12);
    // a = b = 0.5 on [0, 1]: 0.5 + (-0.375 * 2 + -0.375 * -4) / 6 = 0.625.
    EXPECT_NEAR(SplineInterpolate(x, y, y2, 3, 0.5), 0.625, 1e-12);
    EXPECT_NEAR(SplineInterpolate(x, y, y2, 3, 1.0), 1.0, 1e-12);
}

TEST(PlotMath, InterpolationFailuresRaiseTheirMessages) {
    const auto x = OneBased({0, 1, 1, 2}), y = OneBased({0, 1, 2, 3});
    const std::vector<double> y2(5, 0.0);
    try {
        SplineInterpolate(x, y, y2, 3, 1.0);  // brackets the two equal X values
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Splint Error - xa's must be distinct"));
    }
    double v = 0, dy = 0;
    try {
        PolynomialInterpolate(x, y, 4, 0.5, v, dy);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Polynomial Interpolation Error - Pause in Routine Data"));
    }
}

TEST(PlotMath, PolynomialAndRationalInterpolation) {
    const auto x = OneBased({0, 1, 2, 3}), y = OneBased({1, 2, 5, 10});  // 1 + x^2
    double v = 0, dy = 0;
    PolynomialInterpolate(x, y, 4, 1.5, v, dy);
    EXPECT_NEAR(v, 3.25, 1e-12);
    RationalInterpolate(x, y, 4, 2.0, v, dy);
    EXPECT_DOUBLE_EQ(v, 5);
    EXPECT_DOUBLE_EQ(dy, 0);
}

TEST(PlotMath, LinesAndSegments) {
    double slope = 0, intercept = 0;
    LineThroughPoints({3, 1}, {3, 9}, slope, intercept);
    EXPECT_EQ(slope, 1e30);
    LineThroughPoints({0, 1}, {2, 5}, slope, intercept);
    EXPECT_DOUBLE_EQ(slope, 2);
    EXPECT_DOUBLE_EQ(intercept, 1);

    struct Case {
        TPoint a1, a2, b1, b2;
        bool crosses;
    };
    const Case cases[] = {
        {{0, 0}, {10, 10}, {0, 10}, {10, 0}, true},    // an X
        {{0, 0}, {10, 0}, {0, 5}, {10, 5}, false},     // parallel
        {{0, 0}, {0, 10}, {5, 0}, {5, 10}, false},     // two vertical lines
        {{0, 0}, {4, 4}, {6, 0}, {10, -4}, false},     // lines cross outside both
        {{0, 0}, {10, 10}, {10, 0}, {10, 20}, true},   // at an end
        // Nearly parallel: the crossing lies near x = -8e27, far beyond any integer pixel;
        // its rounding must not overflow.
        {{0, 0}, {2000000000, 1}, {0, 2000000000}, {1999999999, 2000000001}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(SegmentsIntersect(c.a1, c.a2, c.b1, c.b2), c.crosses);

    const TRect r{10, 10, 20, 20};
    EXPECT_TRUE(SegmentIntersectsRect({12, 12}, {18, 18}, r));  // wholly inside
    EXPECT_TRUE(SegmentIntersectsRect({0, 15}, {30, 16}, r));   // through it
    EXPECT_FALSE(SegmentIntersectsRect({0, 0}, {5, 30}, r));
}

}  // namespace
