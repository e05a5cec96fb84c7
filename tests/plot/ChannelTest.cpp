#include "PlotTestSupport.h"
#include "graphics/TBitmap.h"
#include "rtl/Exception.h"
#include "rtl/TVariantArray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Channel, DeletingPointsAsTheMainWindowDoes) {
    auto plot = MakePlot();
    TiXYPlotChannel* c = plot->Channel(0);
    plot->DisableAllTracking();  // only the channel's own notifications are counted
    int changes = 0;
    plot->Master().OnChange = [&](TObject*) { ++changes; };
    for (double x : {-100.0, -30.0, 0.0, 20.0}) c->AddXY(x, x / 2);
    EXPECT_EQ(changes, 4);
    c->DeletePoints(0);  // changes nothing but notifies
    EXPECT_EQ(c->Count(), 4);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(MessageOf([&] { c->DeletePoints(5); }), QStringLiteral("Delete size out of Range"));
    c->DeletePoints(4);  // the whole count: a clear
    EXPECT_EQ(c->Count(), 0);
    EXPECT_EQ(c->Capacity(), 0);
    c->DeletePoints(0);  // on an empty channel: a clear too
    EXPECT_EQ(c->XFirst(), -1);
    EXPECT_EQ(c->IndexLast(), -1);
}

TEST(Channel, RunningStatistics) {
    auto plot = MakePlot();
    TiXYPlotChannel* c = plot->Channel(0);
    c->AddXY(20, 20);
    c->AddXY(-100, -100);
    c->AddNull();  // straight to the store: no statistics
    EXPECT_EQ(c->RunningXMin(), -100);
    EXPECT_EQ(c->RunningXMax(), 20);
    EXPECT_EQ(c->RunningXMean(), -40);
    EXPECT_EQ(c->GetYMean(), -40);
    c->Clear();
    EXPECT_EQ(c->RunningXMin(), 1e300);
    EXPECT_EQ(c->RunningXMax(), -1e300);
    EXPECT_EQ(c->RunningXMean(), 0);
    c->AddXY(1, 2);
    EXPECT_EQ(c->RunningXMean(), 1);
    EXPECT_EQ(c->GetXMax(), 1);
}

TEST(Channel, CountDataStyleAndNullPoints) {
    auto plot = MakePlot();
    TiXYPlotChannel* c = plot->Channel(0);
    for (int i = 0; i < 4; ++i) c->AddXY(i, i);
    c->SetCount(2);
    EXPECT_EQ(c->Count(), 2);
    c->SetColor(clLime);
    c->SetTraceLineWidth(3);
    c->SetMarkersVisible(true);
    c->SetRingBufferSize(10);
    c->SetDataStyle(ipdsCompact);
    EXPECT_EQ(c->Count(), 0);
    EXPECT_EQ(c->Color(), clLime);
    EXPECT_EQ(c->TraceLineWidth(), 3);
    EXPECT_TRUE(c->MarkersVisible());
    EXPECT_EQ(c->RingBufferSize(), 10);
    EXPECT_EQ(c->DataPointSize(), 8);
    c->AddNull();  // compact stores keep no flags: a valid point (0, 0)
    EXPECT_TRUE(c->IsValidPoint(0));
    c->SetDataStyle(ipdsStandard);
    c->AddNull();
    EXPECT_TRUE(c->GetNull(0));
    EXPECT_EQ(MessageOf([&] { c->GetMarkerExtentXMax(0); }), QStringLiteral("Data Point Null"));
    c->SetXAxisName(QStringLiteral("none"));
    c->AddXY(1, 1);
    EXPECT_EQ(MessageOf([&] { c->GetMarkerExtentXMax(1); }), QStringLiteral("X-Axis not assigned"));
}

TEST(Channel, ArraysOfPoints) {
    auto plot = MakePlot();
    TiXYPlotChannel* c = plot->Channel(0);
    const TVariantArray xs = TVariantArray::OneDimensional(0, {1, 2, 3});
    EXPECT_EQ(MessageOf([&] { c->AddXYArrays(xs, TVariantArray::OneDimensional(1, {4, 5, 6})); }),
              QStringLiteral("X-Data and Y-Data low bound dimension must match"));
    EXPECT_EQ(MessageOf([&] { c->AddXYArrays(xs, TVariantArray::OneDimensional(0, {4, 5})); }),
              QStringLiteral("X-Data and Y-Data hogh bound dimension must match"));
    EXPECT_EQ(MessageOf([&] { c->AddXYArrays(xs, TVariantArray::TwoDimensional(0, 0, {{1}})); }),
              QStringLiteral("Y-Data array must be 1 dimensional"));
    EXPECT_EQ(c->Count(), 0);
    c->AddXYArrays(xs, TVariantArray::OneDimensional(0, {4, 5, 6}));
    EXPECT_EQ(c->Count(), 3);
    EXPECT_EQ(c->GetY(2), 6);
    EXPECT_EQ(MessageOf([&] { c->AddXYArray(xs); }), QStringLiteral("Array Must Be 2 Dimensional"));
    EXPECT_EQ(MessageOf([&] { c->AddXYArray(TVariantArray::TwoDimensional(0, 0, {{1, 2}, {3, 4}, {5, 6}})); }),
              QStringLiteral("Array First Dimension Must Be 2 Elements"));
    c->AddXYArray(TVariantArray::TwoDimensional(1, 5, {{7, 8}, {70, 80}}));  // row 1: X, row 2: Y
    EXPECT_EQ(c->Count(), 5);
    EXPECT_EQ(c->GetX(4), 8);
    EXPECT_EQ(c->GetY(4), 80);
    EXPECT_EQ(c->RunningYMax(), 80);
}

// A plot with only the data view's area visible: fixed axes and no toolbar, legend or title.
struct BarePlot {
    std::unique_ptr<TiXYPlot> plot = MakePlot(300, 200);
    TiXYPlotChannel* c;
    explicit BarePlot(double min = -100, double span = 120) {
        plot->SetBorderStyle(ibsNone);
        plot->ToolBar(0)->SetVisible(false);
        plot->Legend(0)->SetVisible(false);
        plot->Label(0)->SetVisible(false);
        plot->DataView(0)->SetGridShow(false);
        for (TiPlotAxis* a : {static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0))}) {
            a->SetMinSpan(min, span);
            a->SetTrackingEnabled(false);
        }
        c = plot->Channel(0);
        c->SetColor(clWhite);
    }
    QImage Paint() { return plot->PaintOffScreen(); }
    TPoint Pixel(double x, double y) { return {plot->XAxis(0)->PositionToPixels(x), plot->YAxis(0)->PositionToPixels(y)}; }
};

TEST(ChannelDrawing, NullPointsBreakTheTraceEmptyPointsDoNot) {
    BarePlot b(0, 10);
    b.c->AddXY(0, 0);
    b.c->AddNull();
    b.c->AddXY(2, 2);
    b.c->AddXY(3, 3);
    b.c->AddEmpty();
    b.c->AddXY(5, 5);
    QImage image = b.Paint();
    auto on = [&](double x, double y) {
        const TPoint p = b.Pixel(x, y);
        return HasColorNear(image, {p.X - 1, p.Y - 1, p.X + 2, p.Y + 2}, clWhite, 0);
    };
    EXPECT_FALSE(on(1, 1));   // nothing joins (0, 0) and (2, 2)
    EXPECT_TRUE(on(2.5, 2.5));
    EXPECT_TRUE(on(4, 4));    // the empty point is skipped, the line goes on
}

TEST(ChannelDrawing, SegmentsAreClippedToTheXRangeAlways) {
    BarePlot b;  // both axes -100..20
    b.c->AddXY(-120, -120);
    b.c->AddXY(0, 0);
    b.c->AddXY(30, 30);
    b.c->AddXY(40, 40);  // entirely right of the range: not drawn
    const QImage image = b.Paint();
    const TPoint start = b.Pixel(-100, -100), inside = b.Pixel(-50, -50);
    EXPECT_EQ(PixelAt(image, inside.X, inside.Y), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(image, start.X, start.Y), 0xFFFFFFu);
    EXPECT_NE(PixelAt(image, start.X - 1, start.Y + 1), 0xFFFFFFu);
}

TEST(ChannelDrawing, ClipToAxesCutsSegmentsInY) {
    BarePlot b;
    b.c->SetClipToAxes(true);
    b.c->AddXY(0, -200);
    b.c->AddXY(0, 0);
    const QImage image = b.Paint();
    const TPoint bottom = b.Pixel(0, -100), top = b.Pixel(0, 0);
    EXPECT_EQ(PixelAt(image, bottom.X, bottom.Y - 1), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(image, top.X, top.Y + 1), 0xFFFFFFu);
    EXPECT_NE(PixelAt(image, bottom.X, bottom.Y + 3), 0xFFFFFFu);
}

TEST(ChannelDrawing, MarkersTurnOffAboveTheLimitAndLegendSamplesAreSmall) {
    BarePlot b(0, 20);
    b.c->SetTraceVisible(false);
    b.c->SetMarkersVisible(true);
    b.c->SetMarkersStyle(ipmsSquare);
    b.c->SetMarkersSize(2);
    b.c->SetMarkersTurnOffLimit(10);
    for (int i = 0; i < 12; ++i) b.c->AddXY(i + 1, 10);
    QImage image = b.Paint();
    TPoint p = b.Pixel(5, 10);
    EXPECT_NE(PixelAt(image, p.X, p.Y), 0xFFFFFFu);  // 12 points: range 11 > 10
    b.c->DeletePoints(1);
    image = b.Paint();
    p = b.Pixel(5, 10);
    EXPECT_EQ(PixelAt(image, p.X, p.Y), 0xFFFFFFu);  // 11 points: range 10

    TBitmap sample;
    sample.SetSize(40, 40);
    b.c->SetMarkersSize(10);
    b.c->DrawMarker(sample.Canvas(), -1, clBlack, {20, 20});
    EXPECT_EQ(PixelAt(sample.Image(), 20 + 5, 20), 0xFFFFFFu);
    EXPECT_NE(PixelAt(sample.Image(), 20 + 7, 20), 0xFFFFFFu);
    // A character marker without a character draws nothing.
    TBitmap character;
    character.SetSize(40, 40);
    b.c->SetMarkersStyle(ipmsCharacter);
    b.c->DrawMarker(character.Canvas(), -1, clBlack, {20, 20});
    EXPECT_EQ(CountColor(character.Image(), {0, 0, 40, 40}, clBlack), 1600);
}

TEST(XYChannel, DrawableWithOnePointAndNotWithoutAxes) {
    auto plot = MakePlot();
    TiXYPlotChannel* c = plot->Channel(0);
    TCanvas canvas;
    c->AddXY(1, 1);
    c->SetCanDraw(canvas);
    EXPECT_TRUE(c->CanDraw());
    c->SetXAxisName(QStringLiteral("missing"));
    c->SetCanDraw(canvas);
    EXPECT_FALSE(c->CanDraw());
    EXPECT_EQ(c->GetFitXMax(), -1e300);
    EXPECT_EQ(c->GetFitXMin(), 1e300);
    EXPECT_EQ(c->FormatDataCursorText(ipcsValueXY, ipdpsValid, 1, 2), QStringLiteral("No X-Axis"));
}

TEST(XYChannel, DataCursorValues) {
    auto plot = MakePlot();
    plot->ReCalcLayout();
    for (TiPlotAxis* a : {static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0))})
        a->SetMinSpan(-100, 120);
    TiPlotDataCursor* cursor = plot->DataCursor(0);
    TiXYPlotChannel* c = plot->Channel(0);
    cursor->SetPointer1Position(25);
    cursor->SetPointer2Position(75);
    c->CalcDataCursorValues(cursor);
    EXPECT_DOUBLE_EQ(cursor->ValueX(), -70);
    EXPECT_DOUBLE_EQ(cursor->ValueY(), -10);
    EXPECT_EQ(cursor->DisplayText(), QStringLiteral("-70, -10"));
    cursor->SetStyle(ipcsInverseDeltaX);
    cursor->SetPointer2Position(25);
    c->CalcDataCursorValues(cursor);
    EXPECT_EQ(cursor->ValueX(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(cursor->DisplayText(), QStringLiteral("Infinite"));
    cursor->SetStyle(ipcsDeltaX);
    cursor->SetPointer2Position(75);
    c->CalcDataCursorValues(cursor);
    EXPECT_DOUBLE_EQ(cursor->ValueX(), 60);
}

}  // namespace
