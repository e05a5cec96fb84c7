#include "PlotTestSupport.h"
#include "rtl/Exception.h"
#include "rtl/TDateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// An axis of a plot laid out on a scale from `from` to `to` (pixels along the axis).
struct AxisOnScale {
    std::unique_ptr<TiXYPlot> plot = MakePlot(800, 600);
    TCanvas canvas;  // measures text without drawing
    TiPlotAxis* axis;
    AxisOnScale(bool horizontal, int from, int to) {
        axis = horizontal ? static_cast<TiPlotAxis*>(plot->XAxis(0)) : static_cast<TiPlotAxis*>(plot->YAxis(0));
        if (horizontal)
            axis->SetDrawRect({from, 500, to, 540});
        else
            axis->SetDrawRect({0, from, 40, to});
        axis->CalcTicks(canvas);
    }
    void Recalc() { axis->CalcTicks(canvas); }
    std::vector<double> Ticks(TiPlotTickType type) const {
        std::vector<double> v;
        for (int i = 0; i < axis->TickListCount(); ++i)
            if (axis->Tick(i).TickType == type && axis->Tick(i).Show) v.push_back(axis->Tick(i).Position);
        return v;
    }
    std::vector<QString> Labels() const {
        std::vector<QString> v;
        for (int i = 0; i < axis->TickListCount(); ++i)
            if (axis->Tick(i).TickType == ipttMajor) v.push_back(axis->Tick(i).Text);
        return v;
    }
};

TEST(AxisRange, ClampsAndEvents) {
    auto plot = MakePlot();
    TiPlotXAxis* a = plot->XAxis(0);
    std::vector<QString> events;
    plot->OnXAxisMinChange = [&](TObject*, int, double o, double n) {
        events.push_back(QStringLiteral("min %1>%2").arg(o).arg(n));
    };
    plot->OnXAxisSpanChange = [&](TObject*, int, double o, double n) {
        events.push_back(QStringLiteral("span %1>%2").arg(o).arg(n));
    };
    plot->OnXAxisMinSpanChange = [&](TObject*, int, double om, double os, double nm, double ns) {
        events.push_back(QStringLiteral("minspan %1,%2>%3,%4").arg(om).arg(os).arg(nm).arg(ns));
    };
    a->SetSpan(0);
    EXPECT_EQ(a->Span(), 1e-300);
    a->SetSpan(-5);
    EXPECT_EQ(a->Span(), 1e-300);
    a->SetMin(1e301);
    EXPECT_EQ(a->Min(), 1e300);
    a->SetMin(-1e301);
    EXPECT_EQ(a->Min(), -1e300);
    a->SetMinSpan(0, 100);
    events.clear();
    a->SetMin(0);  // unchanged: nothing
    a->SetSpan(100);
    EXPECT_TRUE(events.empty());
    a->SetMinSpan(-10, 100);  // only Min changes
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("min 0>-10"), QStringLiteral("minspan 0,100>-10,100")}));
    events.clear();
    a->SetSpan(50);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("span 100>50"), QStringLiteral("minspan -10,100>-10,50")}));
    // Switching to a log scale with Min <= 0 makes Min 1 without an event.
    a->SetMin(-100);
    events.clear();
    a->SetScaleType(ipstLog10);
    EXPECT_EQ(a->Min(), 1);
    EXPECT_TRUE(events.empty());
}

TEST(AxisMapping, LinearValuesToPixelsAndBack) {
    AxisOnScale s(true, 40, 640);
    TiPlotAxis& a = *s.axis;
    a.SetMinSpan(-100, 120);
    s.Recalc();
    struct Case {
        double value;
        int pixel;
    };
    for (const Case& c : {Case{20, 640}, Case{-100, 40}, Case{-40, 340}, Case{1e12, 32000}, Case{-1e12, -32000},
                          Case{1e300, 32000}})
        EXPECT_EQ(a.PositionToPixels(c.value), c.pixel) << c.value;
    EXPECT_DOUBLE_EQ(a.PixelsToPosition(340), -40);
    EXPECT_EQ(a.WidthToPixels(60), 300);
    EXPECT_TRUE(a.PointOnScale(20));
    EXPECT_FALSE(a.PointOnScale(20.5));
    a.SetReverseScale(true);
    s.Recalc();
    EXPECT_EQ(a.PositionToPixels(20), 40);
    EXPECT_EQ(a.PositionToPixels(-100), 640);
    EXPECT_DOUBLE_EQ(a.PixelsToPosition(40), 20);
    // A span too small to map returns the scale's midpoint.
    a.SetSpan(0);
    s.Recalc();
    EXPECT_EQ(a.PositionToPixels(5), 340);
    // NaN maps to a pixel on the scale instead of undefined behaviour.
    a.SetReverseScale(false);
    a.SetMinSpan(-100, 120);
    s.Recalc();
    EXPECT_EQ(a.PositionToPixels(std::numeric_limits<double>::quiet_NaN()), 40);
}

TEST(AxisMapping, VerticalAndLogarithmicScales) {
    AxisOnScale s(false, 100, 400);  // a vertical scale: Min at the bottom (400)
    TiPlotAxis& a = *s.axis;
    a.SetMinSpan(0, 300);
    s.Recalc();
    EXPECT_EQ(a.PositionToPixels(0), 400);
    EXPECT_EQ(a.PositionToPixels(300), 100);
    a.SetScaleType(ipstLog10);
    a.SetMinSpan(1, 999);
    s.Recalc();
    EXPECT_EQ(a.PositionToPixels(1), 400);
    EXPECT_EQ(a.PositionToPixels(10), 300);
    EXPECT_EQ(a.PositionToPixels(1000), 100);
    EXPECT_EQ(a.PositionToPixels(0), a.PositionToPixels(1));
    EXPECT_EQ(a.PositionToPixels(-5), a.PositionToPixels(1));
    // Far-away values are held on a log scale too.
    a.SetMinSpan(1, 9);
    s.Recalc();
    EXPECT_EQ(a.PositionToPixels(1e300), -32000);
    a.SetMinSpan(1, 999);
    s.Recalc();
    EXPECT_NEAR(a.PixelsToPosition(300), 10, 1e-9);
    EXPECT_NEAR(a.PercentToPosition(1.0 / 3), 10, 1e-9);
    // A Min of 0 or less set directly on a log scale maps as if it were 1, in every formula.
    a.SetMin(-5);
    a.SetSpan(9);
    s.Recalc();
    EXPECT_EQ(a.PositionToPixels(1), 400);
    EXPECT_NEAR(a.PixelsToPosition(100), 10, 1e-9);
    EXPECT_NEAR(a.PercentToPosition(1), 10, 1e-9);
}

TEST(AxisMapping, PercentPositions) {
    AxisOnScale s(true, 0, 100);
    TiPlotAxis& a = *s.axis;
    a.SetMinSpan(-100, 120);
    EXPECT_DOUBLE_EQ(a.PercentToPosition(0.25), -70);
    EXPECT_DOUBLE_EQ(a.PositionToPercent(-70), 0.25);
    a.SetStartStopPercent(50, 100);  // the linear form maps through the axis's part of the view
    EXPECT_DOUBLE_EQ(a.PercentToPosition(0.75), -40);
    a.SetReverseScale(true);  // reversed: Start and Stop are ignored
    EXPECT_DOUBLE_EQ(a.PercentToPosition(0.5), -40);
    EXPECT_DOUBLE_EQ(a.PositionToPercent(20), 0);
    a.SetStartStopPercent(50, 50);
    EXPECT_EQ(a.PercentToPosition(0.5), 0);
    // A zoom box maps through the pixels.
    a.SetReverseScale(false);
    a.SetStartStopPercent(0, 100);
    a.SetMinSpan(0, 100);
    s.Recalc();
    a.ZoomToRect({20, 0, 70, 10});
    EXPECT_DOUBLE_EQ(a.Min(), 20);
    EXPECT_DOUBLE_EQ(a.Span(), 50);
    a.Zoom(2);
    EXPECT_DOUBLE_EQ(a.Min(), -5);
    EXPECT_DOUBLE_EQ(a.Span(), 100);
    try {
        a.Zoom(0);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
    }
}

TEST(AxisTicks, TransferCurveScaleWithDesiredStartAndIncrement) {
    AxisOnScale s(true, 40, 640);
    TiPlotAxis& a = *s.axis;
    a.SetMinSpan(-100, 120);
    a.SetDesiredStart(20);
    a.SetDesiredIncrement(20);
    a.SetMinorCount(4);
    a.SetLabelsPrecision(2);
    s.Recalc();
    EXPECT_EQ(s.Ticks(ipttMajor), (std::vector<double>{-100, -80, -60, -40, -20, 0, 20}));
    EXPECT_EQ(s.Labels(), (std::vector<QString>{QStringLiteral("-100"), QStringLiteral("-80"), QStringLiteral("-60"),
                                                QStringLiteral("-40"), QStringLiteral("-20"), QStringLiteral("0"),
                                                QStringLiteral("20")}));
    const std::vector<double> minors = s.Ticks(ipttMinor);
    ASSERT_EQ(minors.size(), 24u);
    EXPECT_EQ(minors.front(), -96);
    EXPECT_EQ(minors.back(), 16);
    EXPECT_EQ(a.MajorIncrement(), 20);
    EXPECT_EQ(a.MinorIncrement(), 4);
    // No minors with MinorCount 0.
    a.SetMinorCount(0);
    s.Recalc();
    EXPECT_TRUE(s.Ticks(ipttMinor).empty());
    EXPECT_EQ(s.Ticks(ipttMajor).size(), 7u);
}

TEST(AxisTicks, NiceNumbersWhenTheDesiredIncrementDoesNotFit) {
    AxisOnScale s(false, 100, 200);  // 100 pixels: only a couple of labels fit
    TiPlotAxis& a = *s.axis;
    a.SetMinSpan(-100, 120);
    a.SetDesiredIncrement(1);
    s.Recalc();
    // A step of 1, 2 or 5 times a power of ten, far wider than the desired 1.
    const double step = a.MajorIncrement();
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    EXPECT_GE(step, 50);
    EXPECT_TRUE(mantissa == 1 || mantissa == 2 || mantissa == 5) << step;
    for (double t : s.Ticks(ipttMajor)) EXPECT_EQ(std::fmod(t, step), 0) << t;
}

TEST(AxisTicks, LogarithmicDecadesAndRunawayComputations) {
    AxisOnScale s(false, 0, 400);
    TiPlotAxis& a = *s.axis;
    a.SetScaleType(ipstLog10);
    a.SetMinSpan(1, 999);
    a.SetLabelSeparation(0);
    s.Recalc();
    EXPECT_EQ(s.Ticks(ipttMajor), (std::vector<double>{1, 10, 100, 1000}));
    EXPECT_EQ(s.Ticks(ipttMinor).size(), 24u);  // 2..9 in each of three decades
    try {
        a.TickListAdd(0, QStringLiteral("0"), ipttMajor);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Log Scale Requires Position to be Greater Than Zero"));
    }
    // A span too small for the position to move: one major tick in the middle.
    AxisOnScale r(true, 0, 600);
    r.axis->SetMinSpan(1e17, 1e-3);
    r.Recalc();
    ASSERT_EQ(r.axis->TickListCount(), 1);
    EXPECT_EQ(r.axis->Tick(0).Position, 1e17 + 1e-3 / 2);
}

TEST(AxisLabels, FormatsByStyle) {
    AxisOnScale s(true, 0, 600);
    TiPlotAxis& a = *s.axis;
    struct Case {
        TiPlotTextFormat style;
        int precision;
        double span;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {iptfValue, 3, 0.5, 0.25, "0.250"},
        {iptfValue, 3, 120, -40, "-40"},
        {iptfValue, 2, 1000, 250, "250"},
        {iptfValue, 3, 15, 7.26, "7.3"},
        {iptfPrefix, 3, 10000, 1500, "1.50K"},
        {iptfPrefix, 3, 10000, 0.0005, "0.500m"},
        {iptfPrefix, 3, 10000, 0.05, "0.0500"},
        {iptfPrefix, 3, 1, 1e-13, "0.0000"},
        {iptfPrefix, 3, 1e30, 1e27, "Unknown"},
        {iptfPrice32nds, 3, 10, 100.5, "100.160"},
        {iptfPrice32nds, 3, 10, 100.25, "100.080"},
        {iptfPrice32nds, 3, 10, -100.5, "-100.160"},
        {iptfThousands, 3, 5, 1234567.891, "1,234,567.89"},
        {iptfExponent, 3, 5, 1234.5, "1.23E+003"},
    };
    for (const Case& c : cases) {
        a.SetLabelsFormatStyle(c.style);
        a.SetLabelsPrecision(c.precision);
        a.SetSpan(c.span);
        EXPECT_EQ(a.GetLabelText(c.value), QString::fromLatin1(c.text)) << c.style << " " << c.value;
    }
    a.SetLabelsFormatStyle(iptfDateTime);
    a.SetDateTimeFormat(QStringLiteral("Jhh:nn"));
    EXPECT_EQ(a.GetLabelText(3.5), QStringLiteral("3 12:00"));
    a.SetScaleType(ipstLog10);
    a.SetLabelsFormatStyle(iptfValue);
    EXPECT_EQ(a.GetLabelText(-1), QStringLiteral("Unknown"));
    // Cursor and legend texts follow the label format unless told otherwise.
    a.SetScaleType(ipstLinear);
    a.SetSpan(120);
    a.SetCursorUseDefaultFormat(false);
    a.SetCursorPrecisionStyle(ipsFixedDecimalPoints);
    a.SetCursorPrecision(1);
    EXPECT_EQ(a.GetCursorText(-40), QStringLiteral("-40.0"));
    EXPECT_EQ(a.GetLegendText(-40), QStringLiteral("-40"));
}

TEST(AxisLabels, CustomizeHandlerCanReplaceTheText) {
    AxisOnScale s(true, 0, 600);
    TiPlotAxis& a = *s.axis;
    a.SetSpan(120);
    s.plot->OnXAxisCustomizeLabel = [&](TObject*, int, double value, QString& label) {
        if (value < 0) label = label + QStringLiteral(" dB");
        if (value == 0) a.SetCustomizeLabelEventText(QStringLiteral("zero"));
    };
    EXPECT_EQ(a.GetLabelText(-40), QStringLiteral("-40 dB"));
    EXPECT_EQ(a.GetLabelText(0), QStringLiteral("zero"));
    EXPECT_EQ(a.GetLabelText(20), QStringLiteral("20"));
}

TEST(AxisDrawing, TheLineMeetsBothEndsOfTheScale) {
    auto plot = MakePlot(400, 300);
    plot->SetBorderStyle(ibsNone);
    TiPlotXAxis* x = plot->XAxis(0);
    TiPlotYAxis* y = plot->YAxis(0);
    for (TiPlotAxis* a : {static_cast<TiPlotAxis*>(x), static_cast<TiPlotAxis*>(y)}) a->SetScaleLinesColor(clFuchsia);
    plot->DataView(0)->SetGridShow(false);
    const QImage image = plot->PaintOffScreen();
    const int lineY = x->ScaleRect().Top + x->InnerMargin();
    EXPECT_EQ(PixelAt(image, x->MinPixels(), lineY), Rgb(clFuchsia));
    EXPECT_EQ(PixelAt(image, x->MaxPixels(), lineY), Rgb(clFuchsia));
    EXPECT_NE(PixelAt(image, x->MaxPixels() + 1, lineY), Rgb(clFuchsia));
    const int lineX = y->ScaleRect().Right - y->InnerMargin();
    EXPECT_EQ(PixelAt(image, lineX, y->MinPixels()), Rgb(clFuchsia));
    EXPECT_EQ(PixelAt(image, lineX, y->MaxPixels()), Rgb(clFuchsia));
    // A major tick mark runs outward from the line for MajorLength pixels.
    EXPECT_EQ(PixelAt(image, x->MinPixels(), lineY + x->MajorLength() - 1), Rgb(clFuchsia));
    EXPECT_NE(PixelAt(image, x->MinPixels(), lineY + x->MajorLength()), Rgb(clFuchsia));
}

}  // namespace
