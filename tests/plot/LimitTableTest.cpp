// Limits and tables on a plot: what they draw (pixels at known places), where they can be
// hit and dragged, their layout, their events, and their way through the configuration file.
#include "PlotTestSupport.h"
#include "TempTree.h"
#include "core/iComponentStream.h"
#include "core/iPlotDrawing.h"
#include "core/iPlotMasterManager.h"
#include "core/iXYPlotChannel.h"
#include "graphics/TBitmap.h"
#include "objects/iPlotLimit.h"
#include "objects/iPlotTable.h"
#include "rtl/Exception.h"
#include "rtl/RtlMath.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {


// A plot with only its axes and data view showing (no grid), and one limit on axes 0..100.
struct LimitPlot {
    std::unique_ptr<TiXYPlot> plot = MakePlot(300, 200);
    TiPlotXAxis* x;
    TiPlotYAxis* y;
    TiPlotLimit* limit;
    LimitPlot() {
        plot->SetBorderStyle(ibsNone);
        plot->ToolBar(0)->SetVisible(false);
        plot->Legend(0)->SetVisible(false);
        plot->Label(0)->SetVisible(false);
        plot->DataView(0)->SetGridShow(false);
        x = plot->XAxis(0);
        y = plot->YAxis(0);
        limit = plot->Limit(plot->AddLimit());
    }
    QImage Paint() { return plot->PaintOffScreen(); }
    int X(double v) const { return x->PositionToPixels(v); }
    int Y(double v) const { return y->PositionToPixels(v); }
    bool RedAt(const QImage& image, double vx, double vy) const {
        return PixelAt(image, X(vx), Y(vy)) == Rgb(0x0000FF);
    }
    // Red within a pixel or two of (x, y): a slanted edge's rounding.
    bool RedNear(const QImage& image, double vx, double vy) const {
        return CountColor(image, {X(vx) - 1, Y(vy) - 2, X(vx) + 2, Y(vy) + 3}, 0x0000FF) > 0;
    }
    int RedIn(const QImage& image, double x1, double y1, double x2, double y2) const {
        return CountColor(image, NormalizedRect(X(x1), Y(y1), X(x2), Y(y2)), 0x0000FF);
    }
};

TEST(Limits, NewLimitsAreNamedAndBoundToTheFirstAxes) {
    auto plot = MakePlot();
    TiPlotLimit* a = plot->Limit(plot->AddLimit());
    TiPlotLimit* b = plot->Limit(plot->AddLimit());
    EXPECT_EQ(a->Name(), QStringLiteral("Limit 1"));
    EXPECT_EQ(b->Name(), QStringLiteral("Limit 2"));
    EXPECT_EQ(a->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(a->YAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(a->GetXAxis(), plot->XAxis(0));
    EXPECT_EQ(plot->GetLimitByName(QStringLiteral("limit 2")), b);
    // The axis it follows is renamed: the limit keeps it; removed: the limit has none.
    plot->XAxis(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(a->XAxisName(), QStringLiteral("Time"));
    plot->DeleteXAxis(0);
    EXPECT_EQ(a->GetXAxis(), nullptr);
    // Without axes a new limit has no axis names.
    plot->RemoveAllYAxes();
    EXPECT_TRUE(plot->Limit(plot->AddLimit())->YAxisName().isEmpty());
}

TEST(Limits, LinesAndBandsByStyle) {
    struct Case {
        TiPlotLimitStyle style;
        TBrushStyle fill;
        double line1, line2;
        bool line1Shown, line2Shown;
        // Red at (x, y) in axis units, and not red at a second point.
        double redX, redY, notRedX, notRedY;
    };
    const Case cases[] = {
        {iplsLineX, bsSolid, 30, 0, true, false, 30, 50, 40, 50},
        {iplsLineY, bsSolid, 40, 0, true, false, 50, 40, 50, 50},
        // Outside its axis a line is neither drawn nor hittable.
        {iplsLineX, bsSolid, 150, 0, false, false, -1, -1, 99, 50},
        // A solid band fills between its lines; a clear one draws the lines only.
        {iplsBandX, bsSolid, 20, 60, true, true, 40, 50, 70, 50},
        {iplsBandX, bsClear, 20, 60, true, true, 20, 50, 40, 50},
        {iplsBandY, bsSolid, 70, 30, true, true, 50, 50, 50, 20},
        // A band wholly outside still counts as drawn (the data view clips it).
        {iplsBandX, bsSolid, 120, 140, true, true, -1, -1, 99, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(&c - cases));
        LimitPlot p;
        p.limit->SetStyle(c.style);
        p.limit->SetFillStyle(c.fill);
        p.limit->SetLine1Position(c.line1);
        p.limit->SetLine2Position(c.line2);
        const QImage image = p.Paint();
        EXPECT_EQ(p.limit->Line1Show(), c.line1Shown);
        EXPECT_EQ(p.limit->Line2Show(), c.line2Shown);
        if (c.redX >= 0) EXPECT_TRUE(p.RedAt(image, c.redX, c.redY));
        EXPECT_FALSE(p.RedAt(image, c.notRedX, c.notRedY));
        if (c.redX < 0) EXPECT_EQ(p.RedIn(image, 0, 0, 100, 100), 0);
    }
}

TEST(Limits, HatchedBandAndItsHitRectangles) {
    LimitPlot p;
    p.limit->SetStyle(iplsBandX);
    p.limit->SetFillStyle(bsCross);
    p.limit->SetLine1Position(20);
    p.limit->SetLine2Position(60);
    const QImage image = p.Paint();
    // Both edges solid, the inside partly hatched.
    EXPECT_TRUE(p.RedAt(image, 20, 50));
    EXPECT_TRUE(p.RedAt(image, 60, 50));
    const int inside = p.RedIn(image, 25, 20, 55, 80);
    const TRect area = NormalizedRect(p.X(25), p.Y(20), p.X(55), p.Y(80));
    EXPECT_GT(inside, 0);
    EXPECT_LT(inside, (area.Right - area.Left) * (area.Bottom - area.Top) / 2);
    // Five pixels either side of each line, along the whole line.
    EXPECT_EQ(p.limit->Line1ClickRect(), (TRect{p.X(20) - 5, p.Y(100), p.X(20) + 5, p.Y(0)}));
    EXPECT_TRUE(p.limit->HasFill());
    p.limit->SetFillStyle(bsClear);
    EXPECT_FALSE(p.limit->HasFill());
}

TEST(Limits, AXAxisLineLiesAcrossWhenTheAxesAreReversed) {
    LimitPlot p;
    p.plot->SetXYAxesReverse(true);
    p.limit->SetStyle(iplsLineX);
    p.limit->SetLine1Position(30);
    const QImage image = p.Paint();
    // The X axis runs up the side: its line at 30 is horizontal.
    EXPECT_EQ(PixelAt(image, p.Y(50), p.X(30)), Rgb(0x0000FF));
    EXPECT_NE(PixelAt(image, p.Y(50), p.X(40)), Rgb(0x0000FF));
    EXPECT_EQ(p.limit->Line1ClickRect(), (TRect{p.Y(0), p.X(30) - 5, p.Y(100), p.X(30) + 5}));
}

TEST(Limits, FilledLimitsLieBeneathTheGridAndLinesAboveIt) {
    LimitPlot p;
    p.plot->DataView(0)->SetGridShow(true);
    p.Paint();
    double tick = -1;
    for (int i = 0; i < p.x->TickListCount(); ++i)
        if (p.x->Tick(i).TickType == ipttMajor && p.x->Tick(i).Position > 10 && p.x->Tick(i).Position < 90)
            tick = p.x->Tick(i).Position;
    ASSERT_GT(tick, 0);
    p.limit->SetStyle(iplsBandX);
    p.limit->SetLine1Position(0);
    p.limit->SetLine2Position(100);
    QImage image = p.Paint();
    EXPECT_EQ(PixelAt(image, p.X(tick), p.Y(33)), Rgb(0x008000));  // the grid line over the fill
    EXPECT_TRUE(p.RedAt(image, tick + 3, 33));
    p.limit->SetStyle(iplsLineX);
    p.limit->SetLine1Position(tick);
    image = p.Paint();
    EXPECT_TRUE(p.RedAt(image, tick, 33));  // a line over the grid
}

TEST(Limits, PolyBandsDrawTheirElementsAlongTheirAxis) {
    struct Case {
        TiPlotLimitStyle style;
        std::vector<std::array<double, 3>> elements;
        double min, span;  // the position axis's range
        double probe;      // a position between the elements' limits
        bool red;
    };
    const Case cases[] = {
        {iplsPolyBandY, {{10, 80, 20}, {20, 80, 20}}, 0, 100, 15, true},
        {iplsPolyBandY, {{10, 80, 20}, {20, 80, 20}}, 0, 100, 25, false},
        {iplsPolyBandX, {{10, 80, 20}, {20, 80, 20}}, 0, 100, 15, true},
        // Positions 0, 10, 20 on an axis showing 12..30: the pair 10..20 is drawn.
        {iplsPolyBandY, {{0, 80, 20}, {10, 80, 20}, {20, 80, 20}}, 12, 18, 15, true},
        // The first element beyond the axis's end stops the drawing.
        {iplsPolyBandY, {{40, 80, 20}, {20, 80, 20}}, 12, 18, 25, false},
        {iplsPolyBandY, {{20, 80, 20}, {40, 80, 20}}, 12, 18, 25, true},
        // One element is no band.
        {iplsPolyBandY, {{10, 80, 20}}, 0, 100, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(&c - cases));
        LimitPlot p;
        p.limit->SetStyle(c.style);
        for (const auto& e : c.elements) p.limit->AddBandElement(e[0], e[1], e[2]);
        TiPlotAxis* position = c.style == iplsPolyBandY ? static_cast<TiPlotAxis*>(p.x) : p.y;
        position->SetMinSpan(c.min, c.span);
        const QImage image = p.Paint();
        const bool red = c.style == iplsPolyBandY ? PixelAt(image, p.X(c.probe), p.Y(50)) == Rgb(0x0000FF)
                                                  : PixelAt(image, p.X(50), p.Y(c.probe)) == Rgb(0x0000FF);
        EXPECT_EQ(red, c.red);
        EXPECT_FALSE(p.limit->Line1Show());
    }
}

TEST(Limits, HatchedPolyBandsDrawSolidEdgesAndElementsAreChecked) {
    LimitPlot p;
    p.limit->SetStyle(iplsPolyBandY);
    p.limit->SetFillStyle(bsBDiagonal);
    p.limit->AddBandElement(10, 80, 20);
    p.limit->AddBandElement(40, 60, 30);
    const QImage image = p.Paint();
    // Solid edges running straight between the elements, a hatched inside.
    EXPECT_TRUE(p.RedNear(image, 25, 70));
    EXPECT_TRUE(p.RedNear(image, 25, 25));
    const TRect inside = NormalizedRect(p.X(15), p.Y(40), p.X(35), p.Y(55));
    const int red = p.RedIn(image, 15, 40, 35, 55);
    EXPECT_GT(red, 0);
    EXPECT_LT(red, inside.Width() * inside.Height() / 2);
    EXPECT_EQ(MessageOf([&] { p.limit->AddBandElement(5, 1, 2); }),
              QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    EXPECT_EQ(p.limit->Elements().Count(), 2);
    p.limit->AddBandElement(5, 2, 2);
    EXPECT_EQ(p.limit->Elements().Count(), 3);
    p.limit->ClearAllElements();
    EXPECT_EQ(p.limit->Elements().Count(), 0);
}

TEST(Limits, ClipToAxesKeepsTheLimitInsideItsAxes) {
    // Y axis 0 takes the lower half of the data view, a second Y axis the upper half.
    LimitPlot p;
    p.y->SetStopPercent(50);
    TiPlotYAxis* upper = p.plot->YAxis(p.plot->AddYAxis());
    upper->SetStartPercent(50);
    upper->SetZOrder(p.y->ZOrder());
    p.plot->RefreshLayoutManager();
    p.limit->SetStyle(iplsPolyBandY);
    p.limit->AddBandElement(10, 150, 20);  // upper limits beyond the axis's end
    p.limit->AddBandElement(40, 150, 20);
    for (const bool clip : {false, true}) {
        p.limit->SetClipToAxes(clip);
        const QImage image = p.Paint();
        ASSERT_LT(p.plot->DataView(0)->DrawRect().Top, p.Y(120));
        EXPECT_TRUE(p.RedAt(image, 25, 50));
        EXPECT_EQ(p.RedAt(image, 25, 120), !clip);
    }
}

// A shown plot whose limit the user can move.
struct MovablePlot : LimitPlot {
    MovablePlot() {
        for (TiPlotAxis* a : {static_cast<TiPlotAxis*>(x), static_cast<TiPlotAxis*>(y)}) a->SetTrackingEnabled(false);
        plot->DataView(0)->SetAxesControlEnabled(false);  // a drag off the limit moves nothing
        limit->SetUserCanMove(true);
        plot->show();
    }
    QPoint At(double vx, double vy) const { return {X(vx), Y(vy)}; }
};

TEST(Limits, OnlyInSelectModeCanALimitBeHitAndDragged) {
    MovablePlot p;
    p.limit->SetStyle(iplsLineX);
    p.limit->SetLine1Position(50);
    p.plot->ReCalcLayout();
    EXPECT_FALSE(p.limit->HitTest(p.X(50), p.Y(50)));
    Drag(*p.plot, p.At(50, 50), p.At(70, 50));
    EXPECT_EQ(p.limit->Line1Position(), 50);
    p.plot->SetSelectActive(true);
    p.plot->ReCalcLayout();
    EXPECT_TRUE(p.limit->HitTest(p.X(50) + 4, p.Y(50)));
    EXPECT_FALSE(p.limit->HitTest(p.X(50) + 5, p.Y(50)));
    EXPECT_EQ(p.limit->GetMouseCursor({p.X(50), p.Y(50)}), crHandPoint);
    std::vector<double> moved;
    p.plot->OnLimitLine1PositionChange = [&](TObject*, int index, double oldValue, double newValue) {
        moved = {double(index), oldValue, newValue};
    };
    Drag(*p.plot, p.At(50, 50), p.At(70, 50));
    EXPECT_NEAR(p.limit->Line1Position(), 70, 1.0);
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_EQ(moved[0], 0);
    EXPECT_EQ(moved[1], 50);
    EXPECT_NEAR(moved[2], 70, 1.0);
    // A press and release on the line is a click on the limit.
    p.plot->ReCalcLayout();
    std::vector<std::pair<char, int>> events;
    p.plot->OnMouseDownLimit = [&](TObject*, int index, TMouseButton, TShiftState, int, int) {
        events.push_back({'d', index});
    };
    p.plot->OnClickLimit = [&](TObject*, int index) { events.push_back({'c', index}); };
    p.plot->OnMouseUpLimit = [&](TObject*, int index, TMouseButton, TShiftState, int, int) {
        events.push_back({'u', index});
    };
    const QPoint on(p.X(p.limit->Line1Position()), p.Y(50));
    Drag(*p.plot, on, on);
    EXPECT_EQ(events, (std::vector<std::pair<char, int>>{{'d', 0}, {'c', 0}, {'u', 0}}));
}

TEST(Limits, ABandEdgeDraggedPastTheOtherStaysDrawn) {
    MovablePlot p;
    p.plot->SetSelectActive(true);
    p.limit->SetStyle(iplsBandY);
    p.limit->SetFillStyle(bsClear);
    p.limit->SetLine1Position(20);
    p.limit->SetLine2Position(60);
    p.plot->ReCalcLayout();
    EXPECT_EQ(p.limit->GetMouseCursor({}), crSizeNS);
    int cursorEvents = 0;
    p.plot->OnGetMouseCursorLimit = [&](TObject*, int, TCursor& cursor) {
        ++cursorEvents;
        cursor = crCross;
    };
    EXPECT_EQ(p.limit->GetMouseCursor({}), crCross);
    EXPECT_EQ(cursorEvents, 1);
    Drag(*p.plot, p.At(50, 20), p.At(50, 80));
    EXPECT_NEAR(p.limit->Line1Position(), 80, 1.0);
    EXPECT_EQ(p.limit->Line2Position(), 60);
    const QImage image = p.Paint();
    EXPECT_TRUE(p.limit->Line1Show() && p.limit->Line2Show());
    EXPECT_TRUE(p.RedAt(image, 50, p.limit->Line1Position()));
    EXPECT_TRUE(p.RedAt(image, 50, 60));
    // Without UserCanMove: the default cursor, no event, no drag.
    p.limit->SetUserCanMove(false);
    EXPECT_EQ(p.limit->GetMouseCursor({}), crDefault);
    EXPECT_EQ(cursorEvents, 1);
}

TEST(Limits, AddRemoveAndPositionEvents) {
    auto plot = MakePlot();
    std::vector<std::pair<char, int>> events;
    plot->OnAddLimit = [&](TObject*, int i) { events.push_back({'a', i}); };
    plot->OnRemoveLimit = [&](TObject*, int i) { events.push_back({'r', i}); };
    plot->OnLimitLine2PositionChange = [&](TObject*, int i, double, double) { events.push_back({'2', i}); };
    plot->AddLimit();
    plot->AddLimit();
    plot->Limit(1)->SetLine2Position(75);
    plot->Limit(1)->SetLine2Position(75);  // unchanged: no event
    plot->DeleteLimit(0);
    EXPECT_EQ(events, (std::vector<std::pair<char, int>>{{'a', 0}, {'a', 1}, {'2', 1}, {'r', 0}}));
}

// ---- tables -----------------------------------------------------------------------------

// A table laid out alone in a band of the given rectangle.
struct TableBand {
    std::unique_ptr<TiXYPlot> plot = MakePlot(400, 400);
    TiPlotTable* table;
    TCanvas canvas;
    TableBand(int columns, int rows) {
        table = plot->Table(plot->AddTable());
        for (int c = 0; c < columns; ++c) table->AddColumn(QStringLiteral("C%1").arg(c));
        for (int r = 0; r < rows; ++r) table->AddRow();
    }
    void Layout(const TRect& r = {0, 0, 200, 390}) {
        table->SetDrawRect(r);
        table->CalcLayout(canvas);
    }
    std::pair<int, int> Shown() const { return {table->RowDisplayStartIndex(), table->RowDisplayStopIndex()}; }
    void Click(TiPlotTableButton* button) {
        const TRect r = button->DrawRect();
        button->iMouseDown(mbLeft, 0, r.Left + 2, r.Top + 2, 0, 0, nullptr);
        button->iMouseUp(mbLeft, 0, r.Left + 2, r.Top + 2, 0, 0, false, nullptr);
        Layout();
    }
};

TEST(Tables, AnEmptyTableNeedsNoRoom) {
    for (const auto& [columns, rows] : {std::pair{3, 0}, std::pair{0, 3}}) {
        TableBand b(columns, rows);
        EXPECT_EQ(b.table->GetRequiredWidth(b.canvas), 0);
        b.Layout();
        EXPECT_EQ(b.table->RequiredHeight(), 0);
    }
    TableBand b(3, 2);
    EXPECT_GT(b.table->GetRequiredWidth(b.canvas), 0);
    EXPECT_EQ(b.table->Name(), QStringLiteral("Table 1"));
    EXPECT_FALSE(b.table->Horizontal());
}

TEST(Tables, RowsMaxAndScrollButtons) {
    TableBand b(3, 5);
    b.table->SetRowsMax(3);
    b.Layout();
    EXPECT_EQ(b.Shown(), std::make_pair(0, 2));
    EXPECT_TRUE(b.table->DownButton()->Visible());
    EXPECT_TRUE(b.table->DownButton()->Enabled());
    EXPECT_FALSE(b.table->UpButton()->Enabled());
    // The buttons sit beside the first and last shown rows and widen the table.
    const TRect grid = b.table->GridRect(), up = b.table->UpButton()->DrawRect();
    const int middle = b.table->TitleRect().Bottom + b.table->RowHeight() / 2;
    EXPECT_EQ(up, (TRect{grid.Right + 5, middle - 8, grid.Right + 22, middle + 9}));
    b.Click(b.table->DownButton());
    EXPECT_EQ(b.Shown(), std::make_pair(1, 3));
    b.Click(b.table->DownButton());
    EXPECT_EQ(b.Shown(), std::make_pair(2, 4));
    EXPECT_FALSE(b.table->DownButton()->Enabled());
    b.Click(b.table->DownButton());
    EXPECT_EQ(b.Shown(), std::make_pair(2, 4));  // the last page stays full
    b.Click(b.table->UpButton());
    EXPECT_EQ(b.Shown(), std::make_pair(1, 3));
    // A disabled table keeps its page but shows no buttons and reserves no room for them.
    const int enabledWidth = b.table->RequiredWidth();
    b.table->SetEnabled(false);
    b.Layout();
    EXPECT_EQ(b.Shown(), std::make_pair(1, 3));
    EXPECT_FALSE(b.table->DownButton()->Visible());
    EXPECT_EQ(b.table->RequiredWidth(), enabledWidth - 22);
    b.table->SetEnabled(true);
    // Room for every row: no buttons, all rows from the first.
    b.table->SetRowsMax(0);
    b.Layout();
    EXPECT_EQ(b.Shown(), std::make_pair(0, 4));
    EXPECT_FALSE(b.table->UpButton()->Visible());
}

TEST(Tables, AutoSizedColumnsAndTheTitleBand) {
    TableBand b(0, 2);
    b.table->AddColumn(QStringLiteral("Frequency"));
    b.table->AddColumn(QStringLiteral("Q"));
    b.table->SetCellText(1, 1, QStringLiteral("0.7071 wide cell"));
    b.Layout();
    b.canvas.Font = b.table->ColumnTitlesFont().Font();
    const int c = b.canvas.TextWidth(QStringLiteral("0"));
    const int titleWidth = b.canvas.TextWidth(QStringLiteral("Frequency")) + 2 * c + c;
    b.canvas.Font = b.table->DataFont().Font();
    const int d = b.canvas.TextWidth(QStringLiteral("0"));
    const int cellWidth = b.canvas.TextWidth(QStringLiteral("0.7071 wide cell")) + 2 * d + d;
    EXPECT_EQ(b.table->Column(0).WidthPixels, titleWidth);
    EXPECT_EQ(b.table->Column(0).Width, titleWidth / d);
    EXPECT_EQ(b.table->Column(1).WidthPixels, cellWidth);
    EXPECT_EQ(b.table->RequiredWidth(), titleWidth + cellWidth + 2 * c);
    EXPECT_EQ(b.table->CellText(1, 1), QStringLiteral("0.7071 wide cell"));
    EXPECT_EQ(b.table->CellText(0, 1), QString());
    // Hiding the titles takes their band out of the height.
    const int withTitles = b.table->RequiredHeight();
    b.table->SetColumnTitlesVisible(false);
    b.Layout();
    b.canvas.Font = b.table->ColumnTitlesFont().Font();
    EXPECT_EQ(withTitles - b.table->RequiredHeight(), b.canvas.TextHeight(QStringLiteral("0")));
    EXPECT_THROW(b.table->DeleteRow(2), EListError);
    EXPECT_THROW(b.table->SetCellText(0, 2, QString()), EListError);
}

TEST(Tables, RowHeightAndRowCountStayUsableForAnyInput) {
    TableBand b(2, 4);
    b.table->SetRowSpacing(-5);
    b.Layout();
    EXPECT_GE(b.table->RowHeight(), 1);
    EXPECT_GE(b.Shown().first, 0);
    // Less room than the margins and titles: no row shows, nothing is drawn outside.
    b.table->SetRowSpacing(0.5);
    b.Layout({0, 0, 200, 10});
    EXPECT_EQ(b.Shown().second - b.Shown().first + 1, 0);
    EXPECT_GE(b.table->GridRect().Bottom, b.table->TitleRect().Bottom);
    TBitmap bitmap;
    bitmap.SetSize(220, 40);
    b.table->Draw(bitmap.Canvas(), clBlack);
    // Settings from a file far beyond any screen: sizes stay in the drawable range.
    for (double huge : {1e12, -1e12}) {
        b.table->SetMarginTop(huge);
        b.table->SetMarginLeft(huge);
        b.table->SetRowSpacing(huge);
        b.table->SetColumnSpacing(huge);
        b.Layout();
        b.table->Draw(bitmap.Canvas(), clBlack);
        EXPECT_GE(b.table->RowHeight(), 1);
        EXPECT_LE(std::abs(b.table->RequiredHeight()), kMaxPixel);
        EXPECT_LE(std::abs(b.table->RequiredWidth()), kMaxPixel);
    }
}

TEST(Tables, AddingRowsRepaintsAddingColumnsDoesNot) {
    auto plot = MakePlot();
    TiPlotTable* table = plot->Table(plot->AddTable());
    int changes = 0;
    table->OnChange = [&](TObject*) { ++changes; };
    table->AddColumn(QStringLiteral("A"));
    EXPECT_EQ(changes, 0);
    table->AddRow();
    EXPECT_EQ(changes, 1);
}

// A plot with a table on its left whose every part is known.
struct TablePlot {
    std::unique_ptr<TiXYPlot> plot = MakePlot(500, 300);
    TiPlotTable* table;
    TablePlot() {
        plot->Legend(0)->SetVisible(false);
        table = plot->Table(plot->AddTable());
        table->AddColumn(QStringLiteral("Band"));
        table->AddColumn(QStringLiteral("Gain"));
        for (int r = 0; r < 5; ++r) table->AddRow();
        table->SetCellText(0, 0, QStringLiteral("Low"));
        table->SetCellText(0, 1, QStringLiteral("-3.0"));
        table->SetRowsMax(3);
        plot->show();
    }
    // The inside of a cell, clear of its grid lines.
    TRect Cell(int shownRow, int column) const {
        int left = table->GridRect().Left;
        for (int c = 0; c < column; ++c) left += table->Column(c).WidthPixels;
        const int top = table->TitleRect().Bottom + shownRow * table->RowHeight();
        return {left + 2, top + 2, left + table->Column(column).WidthPixels - 1, top + table->RowHeight() - 1};
    }
};

TEST(Tables, DrawnGridTitlesCellsAndButtons) {
    TablePlot t;
    QImage image = t.plot->PaintOffScreen();
    const TRect grid = t.table->GridRect();
    ASSERT_GT(grid.Right, grid.Left);
    EXPECT_EQ(PixelAt(image, grid.Left, grid.Top + 2), Rgb(clWhite));  // grid line
    EXPECT_TRUE(HasColorNear(image, t.table->TitleRect(), 0xFFFF00));  // titles in aqua
    EXPECT_TRUE(HasColorNear(image, t.Cell(0, 0), clWhite, 60));      // "Low"
    EXPECT_FALSE(HasColorNear(image, t.Cell(1, 0), clWhite, 60));     // an empty cell
    EXPECT_EQ(PixelAt(image, t.Cell(1, 0).Left + 1, t.Cell(1, 0).Top + 1), Rgb(0x808080));
    // The scroll buttons: a face with a black arrow, grey while it cannot scroll.
    const TRect up = t.table->UpButton()->DrawRect(), down = t.table->DownButton()->DrawRect();
    EXPECT_EQ(PixelAt(image, up.Left + 3, up.Top + 4), Rgb(clBtnFace));
    EXPECT_EQ(PixelAt(image, (up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2), Rgb(0x808080));
    EXPECT_EQ(PixelAt(image, (down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2), Rgb(clBlack));
    // The plot's own mouse reaches the down button: the first row scrolls away.
    EXPECT_EQ(t.table->GetMouseOverObject(down.Left + 2, down.Top + 2), t.table->DownButton());
    EXPECT_EQ(t.table->GetMouseOverObject(grid.Left + 2, grid.Top + 2), t.table);
    const QPoint at((down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2);
    Drag(*t.plot, at, at);
    image = t.plot->PaintOffScreen();
    EXPECT_EQ(t.table->RowDisplayStartIndex(), 1);
    EXPECT_FALSE(HasColorNear(image, t.Cell(0, 0), clWhite, 60));
    // Transparent background and no grid lines.
    t.table->SetGridBackGroundTransparent(true);
    t.table->SetGridLinesShow(false);
    image = t.plot->PaintOffScreen();
    EXPECT_NE(PixelAt(image, grid.Left, grid.Top + 2), Rgb(clWhite));
    EXPECT_NE(PixelAt(image, t.Cell(1, 0).Left + 1, t.Cell(1, 0).Top + 1), Rgb(0x808080));
}

TEST(Tables, AddRemoveEventsAndSelection) {
    auto plot = MakePlot();
    std::vector<std::pair<char, int>> events;
    plot->OnAddTable = [&](TObject*, int i) { events.push_back({'a', i}); };
    plot->OnRemoveTable = [&](TObject*, int i) { events.push_back({'r', i}); };
    plot->AddTable();
    plot->AddTable();
    plot->Table(1)->SetUserSelected(true);
    plot->Legend(0)->SetUserSelected(true);  // another object selected drops the table's selection
    EXPECT_FALSE(plot->Table(1)->UserSelected());
    plot->RemoveAllTables();
    EXPECT_EQ(events, (std::vector<std::pair<char, int>>{{'a', 0}, {'a', 1}, {'r', 0}, {'r', 0}}));
}

// ---- configuration file -----------------------------------------------------------------

TEST(LimitsAndTables, RoundTripThroughTheConfigurationFile) {
    for (const bool differential : {false, true}) {
        SCOPED_TRACE(differential);
        auto plot = MakePlot();
        plot->SetDifferentialPropertySave(differential);
        TiPlotLimit* l = plot->Limit(plot->AddLimit());
        l->SetStyle(iplsBandY);
        l->SetLine1Position(12.5);
        l->SetLine2Position(40);
        l->SetColor(0x00FF00);
        l->SetFillStyle(bsCross);
        l->SetLineStyle(psInsideFrame);
        l->SetLineWidth(3);
        l->SetUserCanMove(true);
        l->SetClipToAxes(true);
        l->SetSelectModeOnlyInteraction(false);
        plot->Limit(plot->AddLimit())->SetName(QStringLiteral("Alarm"));
        TiPlotTable* t = plot->Table(plot->AddTable());
        t->SetMarginLeft(2.5);
        t->SetRowsMax(4);
        t->SetGridLinesColor(0x123456);
        t->SetGridBackGroundTransparent(true);
        t->SetColumnTitlesVisible(false);
        t->SetRowSpacing(1.25);
        t->SetZOrder(4);
        t->DataFont().SetColor(0x00FFFF);
        TempTree tree;
        const QString path = QString::fromStdString(tree.Path("plot.cfg").string());
        plot->SavePropertiesToFile(path);

        auto other = MakePlot();
        other->AddLimit();
        other->LoadPropertiesFromFile(path);
        ASSERT_EQ(other->LimitCount(), 2);
        ASSERT_EQ(other->TableCount(), 1);
        TiPlotLimit* l2 = other->Limit(0);
        EXPECT_EQ(l2->Name(), QStringLiteral("Limit 1"));
        EXPECT_EQ(other->Limit(1)->Name(), QStringLiteral("Alarm"));
        EXPECT_EQ(l2->XAxisName(), QStringLiteral("X-Axis 1"));
        EXPECT_EQ(l2->Style(), iplsBandY);
        EXPECT_EQ(l2->Line1Position(), 12.5);
        EXPECT_EQ(l2->Line2Position(), 40);
        EXPECT_EQ(l2->Color(), TColor(0x00FF00));
        EXPECT_EQ(l2->FillStyle(), bsCross);
        EXPECT_EQ(l2->LineStyle(), psInsideFrame);
        EXPECT_EQ(l2->LineWidth(), 3);
        EXPECT_TRUE(l2->UserCanMove());
        EXPECT_TRUE(l2->ClipToAxes());
        EXPECT_FALSE(l2->SelectModeOnlyInteraction());
        TiPlotTable* t2 = other->Table(0);
        EXPECT_EQ(t2->MarginLeft(), 2.5);
        EXPECT_EQ(t2->RowsMax(), 4);
        EXPECT_EQ(t2->GridLinesColor(), TColor(0x123456));
        EXPECT_TRUE(t2->GridBackGroundTransparent());
        EXPECT_FALSE(t2->ColumnTitlesVisible());
        EXPECT_EQ(t2->RowSpacing(), 1.25);
        EXPECT_EQ(t2->ZOrder(), 4);
        EXPECT_EQ(t2->DataFont().Color(), TColor(0x00FFFF));
    }
}

TEST(LimitsAndTables, SurviveTheWindowLayoutStream) {
    auto source = MakePlot();
    TiPlotLimit* l = source->Limit(source->AddLimit());
    l->SetStyle(iplsPolyBandX);
    l->SetLine1Position(-7.25);
    source->Table(source->AddTable())->SetColumnTitlesVisible(false);
    auto target = MakePlot();
    target->BeginLoad();
    for (const auto& [n, v] : source->LayoutDefinedProperties())
        ASSERT_TRUE(SetLayoutProperty(target.get(), n, v)) << n.toStdString();
    target->Loaded();
    ASSERT_EQ(target->LimitCount(), 1);
    ASSERT_EQ(target->TableCount(), 1);
    EXPECT_EQ(target->Limit(0)->Style(), iplsPolyBandX);
    EXPECT_EQ(target->Limit(0)->Line1Position(), -7.25);
    EXPECT_EQ(target->Limit(0)->YAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_FALSE(target->Table(0)->ColumnTitlesVisible());
}

// ---- gallery ----------------------------------------------------------------------------

TEST(Gallery, PlotWithLimitsAndATable) {
    auto plot = MakePlot(640, 380);
    plot->SetTitleText(QStringLiteral("Limits and Table"));
    TiPlotChannelCustom* ch = plot->ChannelObject(0);
    plot->XAxis(0)->SetTrackingEnabled(false);
    plot->YAxis(0)->SetTrackingEnabled(false);
    for (int i = 0; i <= 100; i += 2) static_cast<TiXYPlotChannel*>(ch)->AddXY(i, 50 + 30 * std::sin(i / 9.0));
    TiPlotLimit* band = plot->Limit(plot->AddLimit());
    band->SetStyle(iplsBandX);
    band->SetColor(0x404080);
    band->SetLine1Position(60);
    band->SetLine2Position(75);
    TiPlotLimit* hatch = plot->Limit(plot->AddLimit());
    hatch->SetStyle(iplsBandY);
    hatch->SetFillStyle(bsBDiagonal);
    hatch->SetColor(0x00A0FF);
    hatch->SetLine1Position(5);
    hatch->SetLine2Position(15);
    TiPlotLimit* line = plot->Limit(plot->AddLimit());
    line->SetStyle(iplsLineY);
    line->SetLineStyle(psDash);
    line->SetColor(0x0000FF);
    line->SetLine1Position(85);
    TiPlotLimit* poly = plot->Limit(plot->AddLimit());
    poly->SetStyle(iplsPolyBandY);
    poly->SetFillStyle(bsFDiagonal);
    poly->SetColor(0x00C000);
    for (const auto& e : {std::array<double, 3>{0, 30, 22}, {20, 34, 24}, {40, 40, 26}, {55, 36, 20}})
        poly->AddBandElement(e[0], e[1], e[2]);
    TiPlotTable* table = plot->Table(plot->AddTable());
    table->SetZOrder(plot->Legend(0)->ZOrder() + 1);  // right of the legend
    table->AddColumn(QStringLiteral("Band"));
    table->AddColumn(QStringLiteral("Freq"));
    table->AddColumn(QStringLiteral("Gain"));
    const char* rows[][3] = {{"Low", "80 Hz", "+2.0"}, {"Mid", "1 kHz", "-1.5"}, {"High", "8 kHz", "+0.5"},
                             {"Air", "16 kHz", "+1.0"}};
    for (const auto& row : rows) {
        const int r = table->AddRow();
        for (int c = 0; c < 3; ++c) table->SetCellText(r, c, QString::fromLatin1(row[c]));
    }
    table->SetRowsMax(3);
    const QImage image = plot->PaintOffScreen();
    ASSERT_TRUE(image.save(OutputPath("plot_limits_table.png")));
    // The table lies right of the legend and the filled band beneath the trace.
    EXPECT_GE(table->DrawRect().Left, plot->Legend(0)->DrawRect().Right);
    EXPECT_EQ(PixelAt(image, plot->XAxis(0)->PositionToPixels(67), plot->YAxis(0)->PositionToPixels(95)),
              Rgb(0x404080));
}

}  // namespace
