// How an axis range follows incoming data, scrolls within its limits, zooms and fits.
#include "PlotTestSupport.h"

#include "core/iXYPlotChannel.h"
#include "ui/TMenu.h"

#include <gtest/gtest.h>

namespace {

struct TrackCase {
    const char* name;
    TiPlotTrackingStyle style;
    double compress;
    std::vector<double> values;  // the first one aligns (ipafsMin)
    double min, span;
};

}  // namespace

TEST(AxisTracking, StylesFollowTheData) {
    const std::vector<TrackCase> cases = {
        {"scale min-max widens up", iptsScaleMinMax, 0, {0, 150}, 0, 150},
        {"scale min-max moves down", iptsScaleMinMax, 0, {0, -20}, -20, 100},
        {"scale max", iptsScaleMax, 0, {0, 130}, 0, 130},
        {"scale min", iptsScaleMin, 0, {0, -30}, -30, 130},
        {"smooth scroll puts Max on the value", iptsScrollSmooth, 0, {0, 130}, 30, 100},
        {"page scroll moves a whole span", iptsScrollPage, 0, {0, 130}, 100, 100},
        {"smooth scroll below Min", iptsScrollSmooth, 0, {0, -5}, -5, 100},
        {"compress grows the span up to the limit", iptsScrollSmooth, 60, {0, 70}, 0, 70},
        {"compress then holds the limit", iptsScrollSmooth, 60, {0, 70, 90}, 30, 60},
        {"expand min-max", iptsExpandMinMax, 0, {0, 120, -10}, -10, 130},
    };
    for (const TrackCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto plot = MakePlot();
        TiPlotXAxis* x = plot->XAxis(0);
        x->SetTrackingAlignFirstStyle(ipafsMin);
        x->SetTrackingStyle(c.style);
        x->SetTrackingScrollCompressMax(c.compress);
        x->SetSpan(c.compress ? 50 : 100);
        for (double v : c.values) x->NewTrackingData(v);
        EXPECT_DOUBLE_EQ(x->Min(), c.min);
        EXPECT_DOUBLE_EQ(x->Span(), c.span);
    }
}

TEST(AxisTracking, FirstValueAlignsAndMarginsAndMinimumSpanApply) {
    auto plot = MakePlot();
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetTrackingAlignFirstStyle(ipafsMax);
    x->SetMinSpan(0, 100);
    x->NewTrackingData(500);
    EXPECT_DOUBLE_EQ(x->Min(), 400);
    // Tracking off: nothing moves.
    x->SetTrackingEnabled(false);
    x->NewTrackingData(9000);
    EXPECT_DOUBLE_EQ(x->Min(), 400);

    TiPlotYAxis* y = plot->YAxis(0);
    y->SetTrackingAlignFirstStyle(ipafsNone);
    y->SetTrackingStyle(iptsScaleMinMax);
    y->SetMinSpan(0, 10);
    y->NewTrackingData(5);  // aligns nothing
    y->SetTrackingSpanMinimum(40);
    y->SetTrackingMaxMargin(2);
    y->NewTrackingData(9);
    // The span is raised to 40 about the middle (5); 9 stays clear of the top margin.
    EXPECT_DOUBLE_EQ(y->Min(), -15);
    EXPECT_DOUBLE_EQ(y->Span(), 40);
    y->NewTrackingData(24);
    EXPECT_DOUBLE_EQ(y->Max(), 26);
}

TEST(AxisTracking, SnapWithoutAnIncrementIsSkipped) {
    // Before the first paint the tick increments are 0: the snap must leave the range alone
    // (dividing by the increment would make it infinite).
    auto plot = MakePlot();
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetTrackingIncrementStyle(iptisMajor);
    // (A range starting at 0 is the telling case: 0 / 0 would make Min undefined.)
    x->SetMinSpan(0, 50);
    x->NewTrackingData(0);
    x->NewTrackingData(57);
    EXPECT_DOUBLE_EQ(x->Min(), 0);
    EXPECT_DOUBLE_EQ(x->Span(), 57);
    // After a paint the range snaps outward to whole major increments.
    plot->ReCalcLayout();
    const double i = x->MajorIncrement();
    ASSERT_GT(i, 0);
    x->NewTrackingData(58);
    EXPECT_DOUBLE_EQ(std::fmod(x->Min(), i), 0);
    EXPECT_DOUBLE_EQ(std::fmod(x->Max(), i), 0);
    EXPECT_DOUBLE_EQ(x->Min(), 0);
    EXPECT_GE(x->Max(), 58);
}

TEST(AxisTracking, ResumeRestoresTheRangeLeftWhenTrackingStopped) {
    auto plot = MakePlot();
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetMinSpan(10, 20);
    x->SetTrackingEnabled(false);
    x->SetMinSpan(500, 5);
    x->SetTrackingEnabled(true);
    EXPECT_DOUBLE_EQ(x->Min(), 10);
    EXPECT_DOUBLE_EQ(x->Span(), 20);
    // The popup menu offers the tracking items ahead of the editor item.
    x->SetUserCanEdit(true);
    x->SetTrackingEnabled(false);
    TPopupMenu menu;
    x->AddMenuItems(&menu);
    ASSERT_EQ(menu.Items().Count(), 4);
    EXPECT_EQ(menu.Items().Items(0)->Caption, QStringLiteral("Tracking Enabled"));
    EXPECT_FALSE(menu.Items().Items(0)->Checked);
    EXPECT_FALSE(menu.Items().Items(1)->Enabled);  // the range equals the resume range
    EXPECT_EQ(menu.Items().Items(3)->Caption, QStringLiteral("Edit..."));
    menu.Items().Items(0)->Click();
    EXPECT_TRUE(x->TrackingEnabled());
}

TEST(AxisZoom, ScrollLimitsZoomFactorsAndFit) {
    auto plot = MakePlot();
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetMinSpan(0, 30);
    x->SetScrollMinMaxEnabled(true);
    x->SetScrollMin(0);
    x->SetScrollMax(100);
    x->ScrollBy(-0.5);
    EXPECT_DOUBLE_EQ(x->Min(), 0);
    for (int i = 0; i < 10; ++i) x->ScrollBy(1);
    EXPECT_DOUBLE_EQ(x->Max(), 100);

    x->SetScrollMinMaxEnabled(false);
    x->SetMinSpan(0, 100);
    EXPECT_EQ(MessageOf([&] { x->Zoom(0); }), QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
    EXPECT_DOUBLE_EQ(x->Span(), 100);
    x->Zoom(2);
    EXPECT_DOUBLE_EQ(x->Min(), -50);
    EXPECT_DOUBLE_EQ(x->Span(), 200);

    // Fit: the channel's points plus the margins; an axis no channel uses stays.
    auto* ch = static_cast<TiXYPlotChannel*>(plot->ChannelObject(0));
    ch->AddXY(3, 7);
    ch->AddXY(13, -1);
    x->SetTrackingMinMargin(1);
    x->SetTrackingMaxMargin(2);
    x->ZoomToFit();
    EXPECT_DOUBLE_EQ(x->Min(), 2);
    EXPECT_DOUBLE_EQ(x->Span(), 13);
    TiPlotXAxis* unused = plot->XAxis(plot->AddXAxis());
    unused->SetMinSpan(5, 6);
    unused->ZoomToFit();
    EXPECT_DOUBLE_EQ(unused->Min(), 5);
    EXPECT_DOUBLE_EQ(unused->Span(), 6);
    plot->YAxis(0)->ZoomToFitFast();
    EXPECT_DOUBLE_EQ(plot->YAxis(0)->Min(), -1);
    EXPECT_DOUBLE_EQ(plot->YAxis(0)->Span(), 8);
}
