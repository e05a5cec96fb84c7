// The time-series plot and its channel: ordered adding, searches, interpolation, the draw
// range and each trace style drawn at known pixels.
#include "PlotTestSupport.h"
#include "core/iPlot.h"
#include "rtl/Exception.h"
#include "rtl/TVariantArray.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A time-series plot showing only its data view: fixed axes, no toolbar, legend, title or grid.
struct SeriesPlot {
    std::unique_ptr<TiPlot> plot = std::make_unique<TiPlot>(nullptr);
    TiPlotChannel* c;
    SeriesPlot(double xMin, double xSpan, double yMin = 0, double ySpan = 100) {
        plot->SetBounds(0, 0, 400, 300);
        plot->SetBorderStyle(ibsNone);
        plot->ToolBar(0)->SetVisible(false);
        plot->Legend(0)->SetVisible(false);
        plot->Label(0)->SetVisible(false);
        plot->DataView(0)->SetGridShow(false);
        plot->XAxis(0)->SetMinSpan(xMin, xSpan);
        plot->YAxis(0)->SetMinSpan(yMin, ySpan);
        plot->XAxis(0)->SetTrackingEnabled(false);
        plot->YAxis(0)->SetTrackingEnabled(false);
        c = plot->Channel(0);
        c->SetColor(clWhite);
    }
    QImage Paint() { return plot->PaintOffScreen(); }
    TPoint Pixel(double x, double y) { return {plot->XAxis(0)->PositionToPixels(x), plot->YAxis(0)->PositionToPixels(y)}; }
    bool On(const QImage& image, double x, double y, TColor color = clWhite) {
        const TPoint p = Pixel(x, y);
        return HasColorNear(image, {p.X - 1, p.Y - 1, p.X + 2, p.Y + 2}, color, 0);
    }
    // Whether the column at X holds that colour between two Y values (inclusive pixels).
    int CountInColumn(const QImage& image, double x, double y1, double y2, TColor color = clWhite) {
        const TPoint a = Pixel(x, y1), b = Pixel(x, y2);
        return CountColor(image, {a.X, std::min(a.Y, b.Y), a.X + 1, std::max(a.Y, b.Y) + 1}, color);
    }
};

TEST(TimeSeriesPlot, CreatesTimeSeriesChannels) {
    TiPlot plot(nullptr);
    EXPECT_EQ(plot.PublishedClass().ClassName(), QStringLiteral("TiPlot"));
    EXPECT_EQ(plot.Label(0)->Name(), QStringLiteral("Title"));
    ASSERT_NE(plot.Channel(0), nullptr);
    plot.AddChannel();
    EXPECT_NE(plot.Channel(1), nullptr);
    EXPECT_THROW(plot.Channel(2), EListError);
    EXPECT_EQ(plot.Channel(0)->PublishedClass().ClassName(), QStringLiteral("TiPlotChannel"));
    EXPECT_EQ(plot.Channel(0)->HighLowBarColor(), 16776960u);
    EXPECT_EQ(plot.Channel(0)->BarWidth(), 5);
}

TEST(TimeSeriesChannel, OutOfOrderXValues) {
    SeriesPlot s(0, 10);
    s.c->SetAllowOutOfOrderXValues(false);
    s.c->AddXY(1, 0);
    s.c->AddXY(0.5, 0);  // two points only: never refused
    s.c->Clear();
    for (double x : {1, 2, 3}) s.c->AddXY(x, 0);
    EXPECT_EQ(MessageOf([&] { s.c->AddXY(2.5, 0); }), QStringLiteral("New Data-Point X-Value is out of order"));
    EXPECT_EQ(MessageOf([&] { s.c->AddXNull(2.5); }), QStringLiteral("New Data-Point X-Value is out of order"));
    EXPECT_EQ(s.c->Count(), 3);
    s.c->AddXY(3, 1);  // equal X is in order
    s.c->Clear();
    for (double x : {3, 2, 1}) s.c->AddXY(x, 0);
    EXPECT_EQ(MessageOf([&] { s.c->AddXY(1.5, 0); }), QStringLiteral("New Data-Point X-Value is out of order."));
    s.c->SetAllowOutOfOrderXValues(true);
    s.c->AddXY(1.5, 0);
    EXPECT_EQ(s.c->Count(), 4);
}

TEST(TimeSeriesChannel, TimeStampedAndArrayAdds) {
    SeriesPlot s(0, 10);
    double now = 45000.5;
    s.c->SetClock([&] { return now; });
    s.c->ResetElapsedStartTime();
    now += 0.25;  // six hours later
    s.c->AddYNow(1);
    s.c->AddYElapsedTime(2);
    s.c->AddYElapsedSeconds(3);
    EXPECT_DOUBLE_EQ(s.c->GetX(0), 45000.75);
    EXPECT_DOUBLE_EQ(s.c->GetX(1), 0.25);
    EXPECT_DOUBLE_EQ(s.c->GetX(2), 21600);
    EXPECT_EQ(s.c->GetY(2), 3);
    // The start time moves to the first point of an empty channel when asked to.
    s.c->Clear();
    s.c->SetResetStartTimeOnFirstDataPoint(true);
    s.c->AddYElapsedSeconds(0);
    now += 1.0 / 86400;
    s.c->AddYElapsedSeconds(0);
    EXPECT_DOUBLE_EQ(s.c->GetX(0), 0);
    EXPECT_NEAR(s.c->GetX(1), 1, 1e-6);

    s.c->Clear();
    s.c->AddXY(10, 0);
    s.c->AddYArray(0.5, TVariantArray::OneDimensional(3, {1, 2, 3}));
    ASSERT_EQ(s.c->Count(), 4);
    EXPECT_EQ(s.c->GetX(1), 10);
    EXPECT_EQ(s.c->GetY(1), 1);
    EXPECT_EQ(s.c->GetX(3), 11);
    EXPECT_EQ(s.c->GetY(3), 3);
    EXPECT_EQ(MessageOf([&] { s.c->AddYArray(1, TVariantArray::TwoDimensional(0, 0, {{1, 2}, {3, 4}})); }),
              QStringLiteral("Y-Data array must be 1 dimensional"));
    EXPECT_EQ(s.c->Count(), 4);
}

TEST(TimeSeriesChannel, HighLowPointsKeepTheirValuesInTheFullStore) {
    SeriesPlot s(0, 10);
    s.c->AddHighLow(1, 40, 10, 20, 30);
    EXPECT_EQ(s.c->GetX(0), 1);
    EXPECT_EQ(s.c->GetY(0), 0);
    s.c->SetDataStyle(ipdsFullFeature);
    const int i = s.c->AddHighLow(2, 40, 10, 20, 30);
    EXPECT_EQ(s.c->GetY(i), 0);
    EXPECT_EQ(s.c->RunningYMax(), -1e300);  // no running statistics for price bars
}

TEST(TimeSeriesChannel, CalcIndexFindsTheFirstPointAtOrBeyond) {
    SeriesPlot s(0, 30);
    for (double x : {0, 10, 20, 30}) s.c->AddXY(x, x);
    const std::pair<double, int> cases[] = {{10, 1}, {15, 2}, {-5, -1}, {35, -1}, {0, 0}, {30, 3}, {29.9, 3}};
    for (const auto& [x, want] : cases) EXPECT_EQ(s.c->CalcIndex(x), want) << x;
    s.c->Clear();
    for (double x : {30, 20, 10, 0}) s.c->AddXY(x, x);
    s.c->GetFitXMax();  // takes the data's direction
    EXPECT_FALSE(s.c->XIncreasing());
    // Decreasing data: the point before Target in X order, so that it and the next point
    // bracket Target.
    EXPECT_EQ(s.c->CalcIndex(15), 1);
    EXPECT_EQ(s.c->CalcIndex(20), 1);
    EXPECT_EQ(s.c->CalcIndex(0), 3);
    EXPECT_EQ(s.c->CalcIndex(31), -1);
}

TEST(TimeSeriesChannel, InterpolatedY) {
    SeriesPlot s(0, 10);
    s.c->AddXY(0, 0);
    s.c->AddXY(10, 100);
    s.Paint();  // lays out the axes' pixels
    double y = -1;
    ASSERT_TRUE(s.c->GetYInterpolated(5, y));
    EXPECT_NEAR(y, 50, 1);
    ASSERT_TRUE(s.c->GetYInterpolated(10, y));
    EXPECT_EQ(y, 100);
    EXPECT_FALSE(s.c->GetYInterpolated(11, y));
    s.c->SetDigitalEnabled(true);
    ASSERT_TRUE(s.c->GetYInterpolated(5, y));
    EXPECT_EQ(y, 0);
    s.c->SetDigitalEnabled(false);
    // A null neighbour gives no value.
    s.c->Clear();
    s.c->AddXY(0, 0);
    s.c->AddXNull(10);
    s.c->AddXY(20, 0);
    EXPECT_FALSE(s.c->GetYInterpolated(5, y));
    // Decreasing data whose last point is null: hitting its X exactly would need the point
    // after the last one.
    s.c->Clear();
    s.c->AddXY(30, 3);
    s.c->AddXY(20, 2);
    s.c->AddXY(10, 1);
    s.c->AddXNull(0);
    s.Paint();
    EXPECT_FALSE(s.c->GetYInterpolated(0, y));
    ASSERT_TRUE(s.c->GetYInterpolated(20, y));
    EXPECT_EQ(y, 2);
}

TEST(TimeSeriesChannel, DrawRangeReachesOnePointBeyondEachEdge) {
    SeriesPlot s(5, 90);
    for (int x = -50; x <= 150; x += 10) s.c->AddXY(x, 0);
    s.c->CalcStartIndex();
    s.c->CalcStopIndex();
    EXPECT_EQ(s.c->GetX(s.c->DrawStartIndex()), 0);
    EXPECT_EQ(s.c->GetX(s.c->DrawStopIndex()), 100);
    s.plot->XAxis(0)->SetMinSpan(0, 100);
    s.c->CalcStartIndex();
    s.c->CalcStopIndex();
    EXPECT_EQ(s.c->GetX(s.c->DrawStartIndex()), 0);
    EXPECT_EQ(s.c->GetX(s.c->DrawStopIndex()), 100);
    // Data wholly right of the axis is not drawn.
    s.plot->XAxis(0)->SetMinSpan(200, 10);
    TCanvas canvas;
    s.c->SetCanDraw(canvas);
    EXPECT_FALSE(s.c->CanDraw());
}

TEST(TimeSeriesDrawing, FastTraceDrawsOneStrokePerColumnAndBreaksAtNull) {
    SeriesPlot s(0, 100);
    // 1000 points within one pixel column around X = 20, from 10 to 90.
    for (int i = 0; i < 1000; ++i) s.c->AddXY(20 + i * 1e-6, i % 2 ? 90 : 10);
    s.c->AddXY(40, 50);
    s.c->AddXNull(50);
    s.c->AddXY(60, 50);
    s.c->AddXY(80, 50);
    const QImage image = s.Paint();
    const int stroke = s.CountInColumn(image, 20, 10, 90);
    const int height = s.Pixel(20, 10).Y - s.Pixel(20, 90).Y + 1;
    EXPECT_GE(stroke, height - 1);
    EXPECT_TRUE(s.On(image, 30, 70));   // joint from the column's last Y (90) to (40, 50)
    EXPECT_FALSE(s.On(image, 45, 50));  // the null point leaves a gap
    EXPECT_FALSE(s.On(image, 55, 50));
    EXPECT_TRUE(s.On(image, 70, 50));
    // The same data without the fast trace draws the same picture.
    s.c->SetFastDrawEnabled(false);
    const QImage slow = s.Paint();
    EXPECT_GE(s.CountInColumn(slow, 20, 10, 90), height - 1);
    EXPECT_FALSE(s.On(slow, 45, 50));
}

TEST(TimeSeriesDrawing, StepTraces) {
    SeriesPlot s(0, 20, 0, 4);
    s.c->AddXY(0, 1);
    s.c->AddXY(10, 2);
    s.c->SetInterpolationStyle(ipistDifferential);
    QImage image = s.Paint();
    EXPECT_TRUE(s.On(image, 5, 1));
    EXPECT_FALSE(s.On(image, 5, 1.5));  // no slope between the points
    EXPECT_GE(s.CountInColumn(image, 10, 1.2, 1.8), 1);
    EXPECT_TRUE(s.On(image, 15, 2));
    s.c->SetInterpolationStyle(ipistDifferentialTerminated);
    image = s.Paint();
    EXPECT_TRUE(s.On(image, 5, 1));
    EXPECT_FALSE(s.On(image, 15, 2));
    // A fill below the steps in the fill colour.
    s.c->SetFillEnabled(true);
    s.c->SetFillUseChannelColor(false);
    s.c->SetFillColor(clBlue);
    image = s.Paint();
    EXPECT_TRUE(s.On(image, 5, 0.5, clBlue));
}

TEST(TimeSeriesDrawing, DigitalTraceRunsAndMarkers) {
    SeriesPlot s(0, 5);
    s.c->SetMarkersStyle(ipmsSquare);
    s.c->SetMarkersSize(3);
    s.c->SetMarkersVisible(true);
    const double ys[] = {0, 0, 5, 5, 0};
    for (int x = 0; x < 5; ++x) s.c->AddXY(x, ys[x]);
    s.c->SetDigitalEnabled(true);
    QImage image = s.Paint();
    EXPECT_TRUE(s.On(image, 1, 10));   // low run 0..2
    EXPECT_TRUE(s.On(image, 3, 90));   // high run 2..4
    EXPECT_FALSE(s.On(image, 1, 90));
    EXPECT_GE(s.CountInColumn(image, 2, 20, 80), 50);  // the rising edge at 2
    EXPECT_GE(s.CountInColumn(image, 4, 20, 80), 50);  // the falling edge at 4
    EXPECT_FALSE(s.On(image, 4.5, 10));  // the last run has no stop
    // Percent levels sit on the data view's share of the Y axis.
    s.plot->YAxis(0)->SetMinSpan(0, 200);
    s.c->SetDigitalReferenceStyle(ipdrPercent);
    image = s.Paint();
    EXPECT_TRUE(s.On(image, 3, 180));
    EXPECT_EQ(s.c->PixelsHigh(), s.Pixel(0, 180).Y);
    const TPoint m = s.Pixel(3, 180);
    EXPECT_GT(CountColor(image, {m.X - 3, m.Y - 3, m.X + 3, m.Y + 3}, clWhite), 20);
    // The cursor reads the level as a word.
    TiPlotDataCursor* cursor = s.plot->DataCursor(0);
    cursor->SetVisible(true);
    cursor->SetPointer1Position(60);  // X = 3
    s.c->CalcDataCursorValues(cursor);
    EXPECT_EQ(s.c->DataCursorYText(), QStringLiteral("High"));
}

TEST(TimeSeriesDrawing, SplineOverANullIsTwoCurves) {
    SeriesPlot s(0, 100);
    for (double x : {0, 10, 20, 30}) s.c->AddXY(x, 20 + x);
    s.c->AddXNull(50);
    for (double x : {70, 80, 90, 100}) s.c->AddXY(x, 80);
    s.c->SetInterpolationStyle(ipistCubicSpline);
    const QImage image = s.Paint();
    EXPECT_TRUE(s.On(image, 15, 35));
    EXPECT_TRUE(s.On(image, 85, 80));
    EXPECT_FALSE(s.On(image, 50, 65));
    const int between = s.Pixel(50, 0).X;
    EXPECT_TRUE(s.c->PixelListEntry(between).Null);
    EXPECT_FALSE(s.c->PixelListEntry(s.Pixel(15, 0).X).Null);
    EXPECT_NEAR(s.c->PixelListEntry(s.Pixel(85, 0).X).YValue, 80, 1);
    EXPECT_EQ(MessageOf([&] { s.c->SetPixelListValue(s.c->PixelListStop() + 1, 0); }),
              QStringLiteral("Pixel List XPixel out of Range"));
    // The polynomial through a straight line is that line.
    s.c->Clear();
    for (double x : {0, 50, 100}) s.c->AddXY(x, x / 2);
    s.c->SetInterpolationStyle(ipistPolynomial);
    const QImage poly = s.Paint();
    EXPECT_TRUE(s.On(poly, 30, 15));
    EXPECT_FALSE(s.On(poly, 30, 40));
}

TEST(TimeSeriesDrawing, HighLowBars) {
    SeriesPlot s(0, 10);
    s.c->SetDataStyle(ipdsFullFeature);
    s.c->SetTraceVisible(false);
    s.c->SetHighLowEnabled(true);
    s.c->SetHighLowStyle(iphlsCandleStick);
    s.c->SetHighLowBarWidth(1);
    s.c->SetHighLowBullishColor(clLime);
    s.c->SetHighLowBearishColor(clRed);
    s.c->AddHighLow(3, 90, 1, 10, 5);   // falling: bearish
    s.c->AddHighLow(7, 90, 1, 50, 80);  // rising: bullish
    QImage image = s.Paint();
    EXPECT_GT(s.CountInColumn(image, 3, 6, 9, clRed), 3);
    EXPECT_GT(s.CountInColumn(image, 7, 55, 75, clLime), 10);
    EXPECT_EQ(PixelAt(image, s.Pixel(3, 50).X, s.Pixel(3, 50).Y), Rgb(8421504));  // the shadow
    s.c->SetHighLowStyle(iphlsOpenClose);
    image = s.Paint();
    // The bar spans low to high; the open tick lies left of it and the close tick right.
    EXPECT_EQ(PixelAt(image, s.Pixel(7, 30).X, s.Pixel(7, 30).Y), Rgb(16776960));
    const TPoint open = s.Pixel(7, 50), close = s.Pixel(7, 80);
    const int w = s.plot->XAxis(0)->WidthToPixels(1);
    EXPECT_TRUE(HasColorNear(image, {open.X - w, open.Y - 2, open.X, open.Y + 3}, 65280, 0));
    EXPECT_FALSE(HasColorNear(image, {open.X + 2, open.Y - 2, open.X + w, open.Y + 3}, 65280, 0));
    EXPECT_TRUE(HasColorNear(image, {close.X + 1, close.Y - 2, close.X + w, close.Y + 3}, 255, 0));
}

TEST(TimeSeriesDrawing, FillAndBars) {
    SeriesPlot s(0, 100);
    s.c->AddXY(10, 50);
    s.c->AddXY(40, 50);
    s.c->AddXNull(50);
    s.c->AddXY(60, 50);
    s.c->AddXY(90, 50);
    s.c->SetFillEnabled(true);
    s.c->SetFillUseChannelColor(false);
    s.c->SetFillColor(clBlue);
    QImage image = s.Paint();
    EXPECT_TRUE(s.On(image, 25, 25, clBlue));
    EXPECT_FALSE(s.On(image, 50, 25, clBlue));  // not across the null point
    s.c->SetFillEnabled(false);
    s.c->SetBarEnabled(true);
    s.c->SetBarBrushUseChannelColor(false);
    s.c->SetBarBrushColor(clRed);
    s.c->SetBarWidth(4);
    image = s.Paint();
    EXPECT_TRUE(s.On(image, 10, 25, clRed));
    EXPECT_FALSE(s.On(image, 20, 25, clRed));
}

// Each trace style in its own band of one plot, with the legend naming them.
TEST(Gallery, TimeSeriesPlotTraceStyles) {
    TiPlot plot(nullptr);
    plot.SetBounds(0, 0, 904, 460);
    plot.SetTitleText(QStringLiteral("Trace styles"));
    plot.XAxis(0)->SetTrackingEnabled(false);
    plot.YAxis(0)->SetTrackingEnabled(false);
    plot.XAxis(0)->SetMinSpan(0, 100);
    plot.YAxis(0)->SetMinSpan(0, 120);
    auto channel = [&](int i, const char* title, TColor color) {
        if (i > 0) plot.AddChannel();
        TiPlotChannel* c = plot.Channel(i);
        c->SetTitleText(QString::fromLatin1(title));
        c->SetColor(color);
        return c;
    };
    // Fast trace of 20,000 noisy points with a fill down to 95.
    TiPlotChannel* fast = channel(0, "Fast trace", clWhite);
    fast->SetFillEnabled(true);
    fast->SetFillReference(95);
    fast->SetFillUseChannelColor(false);
    fast->SetFillColor(0x604020);
    for (int i = 0; i < 20000; ++i) fast->AddXY(i * 0.005, 105 + 8 * std::sin(i * 0.0015) + (i * 7919 % 13) * 0.4);
    TiPlotChannel* steps = channel(1, "Steps", clYellow);
    steps->SetInterpolationStyle(ipistDifferential);
    for (int x = 0; x <= 90; x += 10) steps->AddXY(x, 80 + (x * 37 % 11));
    TiPlotChannel* digital = channel(2, "Digital", clAqua);
    digital->SetDigitalEnabled(true);
    digital->SetDigitalReferenceLow(62);
    digital->SetDigitalReferenceHigh(72);
    for (int x = 0; x <= 100; x += 5) digital->AddXY(x, (x / 5) % 3 == 0 ? 0 : 1);
    TiPlotChannel* spline = channel(3, "Spline", clLime);
    spline->SetInterpolationStyle(ipistCubicSpline);
    spline->SetMarkersStyle(ipmsCircle);
    spline->SetMarkersSize(3);
    spline->SetMarkersVisible(true);
    for (int x = 0; x <= 100; x += 12) spline->AddXY(x, 46 + ((x * 13) % 9) - 4);
    TiPlotChannel* bars = channel(4, "Bars", clFuchsia);
    bars->SetTraceVisible(false);
    bars->SetBarEnabled(true);
    bars->SetBarReference(24);
    bars->SetBarWidth(3);
    for (int x = 3; x <= 100; x += 6) bars->AddXY(x, 26 + (x * 7) % 10);
    TiPlotChannel* candles = channel(5, "High-low", clSilver);
    candles->SetDataStyle(ipdsFullFeature);
    candles->SetTraceVisible(false);
    candles->SetHighLowEnabled(true);
    candles->SetHighLowStyle(iphlsCandleStick);
    candles->SetHighLowBarWidth(2.5);
    candles->SetHighLowBullishColor(clLime);
    candles->SetHighLowBearishColor(clRed);
    double open = 10;
    for (int x = 2; x <= 98; x += 4) {
        const double close = 10 + ((x * 29) % 11) - 5;
        candles->AddHighLow(x, std::max(open, close) + 3, std::min(open, close) - 3, open, close);
        open = close;
    }
    const QImage image = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/plot_time_series.png")));
    TiPlotXAxis* x = plot.XAxis(0);
    TiPlotYAxis* y = plot.YAxis(0);
    auto near = [&](double vx, double vy, TColor color, int r = 2) {
        const int px = x->PositionToPixels(vx), py = y->PositionToPixels(vy);
        return HasColorNear(image, {px - r, py - r, px + r + 1, py + r + 1}, color, 0);
    };
    EXPECT_TRUE(near(50, 96, 0x604020));             // the fast trace's fill
    EXPECT_TRUE(near(5, 80 + (0 * 37 % 11), clYellow)); // the first step
    EXPECT_TRUE(near(2, 62, clAqua));                // the digital trace low at the start
    EXPECT_TRUE(near(7, 72, clAqua));                // and high after the first edge
    EXPECT_TRUE(near(0, 46 + 0 - 4, clLime, 4));     // the spline's first point (marker)
    EXPECT_TRUE(near(3, 25, clFuchsia));             // the first bar
    EXPECT_TRUE(HasColorNear(image, {0, 0, 904, 460}, clRed, 0));
    EXPECT_TRUE(HasColorNear(image, {0, 0, 904, 460}, clLime, 0));
}

}  // namespace
