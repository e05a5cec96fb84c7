#include "PlotTestSupport.h"
#include "core/iPlotMasterManager.h"
#include "graphics/TBitmap.h"
#include "ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// A vertical legend laid out in a band of the given height.
struct LegendBand {
    std::unique_ptr<TiXYPlot> plot = MakePlot(400, 400);
    TiPlotLegend* legend;
    TCanvas canvas;
    explicit LegendBand(int channels) {
        legend = plot->Legend(0);
        while (plot->ChannelCount() < channels) plot->AddChannel();
    }
    void Layout(int height) {
        legend->SetDrawRect({0, 0, 200, height});
        legend->CalcLayout(canvas);
    }
    // The height of a band with room for `rows` rows.
    int RowsHigh(int rows) {
        canvas.Font = legend->Font().Font();
        const int h0 = canvas.TextHeight(QStringLiteral("0"));
        const int spacing = int(std::nearbyint(h0 * legend->RowSpacing()));
        const int margins = 2 * int(std::nearbyint(h0 * 1.0));
        return margins + rows * (h0 + spacing) - spacing;
    }
};

TEST(Legend, ScrollButtonsWhenEntriesDoNotFit) {
    LegendBand b(12);
    b.Layout(b.RowsHigh(5));
    EXPECT_EQ(b.legend->ViewStopIndex(), 4);
    EXPECT_TRUE(b.legend->UpButton()->Visible());
    EXPECT_TRUE(b.legend->DownButton()->Visible());
    EXPECT_FALSE(b.legend->UpButton()->Enabled());
    EXPECT_TRUE(b.legend->DownButton()->Enabled());
    // The down button moves the view by one entry per click, and repeats while held.
    TiPlotLegendButton* down = b.legend->DownButton();
    const TRect r = down->DrawRect();
    down->iMouseDown(mbLeft, 0, r.Left + 2, r.Top + 2, 0, 0, nullptr);
    down->TimerTick();
    EXPECT_EQ(b.legend->ViewStartIndex(), 1);
    down->iMouseUp(mbLeft, 0, r.Left + 2, r.Top + 2, 0, 0, false, nullptr);
    EXPECT_EQ(b.legend->ViewStartIndex(), 2);
    b.Layout(b.RowsHigh(5));
    EXPECT_EQ(b.legend->ViewStopIndex(), 6);
    EXPECT_TRUE(b.legend->UpButton()->Enabled());
}

TEST(Legend, ButtonsHideWhenEverythingFitsAndAtLeastThreeRowsAreAskedFor) {
    LegendBand b(2);
    b.legend->SetViewStartIndex(1);
    b.Layout(b.RowsHigh(5));
    EXPECT_FALSE(b.legend->DownButton()->Visible());
    EXPECT_EQ(b.legend->ViewStartIndex(), 0);
    LegendBand tight(6);
    tight.Layout(tight.RowsHigh(2));
    const int threeRows = tight.RowsHigh(3);
    EXPECT_EQ(tight.legend->RequiredHeight(), threeRows);
    EXPECT_GE(tight.legend->ActualWrapColCount(), 1);
}

TEST(Legend, AtLeastOneColumnEvenWithoutRowsAllowed) {
    LegendBand b(4);
    b.legend->SetHorizontal(true);
    b.legend->SetWrapRowAutoCountMax(0);  // a horizontal legend allowed no rows at all
    b.legend->SetDrawRect({0, 0, 400, 60});
    b.legend->CalcLayout(b.canvas);
    EXPECT_GE(b.legend->ActualWrapColCount(), 1);
    EXPECT_GE(b.legend->RequiredWidth(), 0);
    EXPECT_GE(b.legend->ViewStopIndex(), 0);
}

TEST(Legend, ColumnTextsAndAnEmptyLegend) {
    auto plot = MakePlot();
    TiPlotLegend* legend = plot->Legend(0);
    TiXYPlotChannel* c = plot->Channel(0);
    c->SetTitleText(QStringLiteral("  "));
    EXPECT_EQ(legend->TitleOf(c), QStringLiteral("Channel 1"));
    EXPECT_EQ(legend->XValueOf(c), QStringLiteral("Empty"));
    c->AddXY(-40, 7);
    EXPECT_EQ(legend->YValueOf(c), QStringLiteral("7"));
    c->SetYAxisName(QStringLiteral("missing"));
    EXPECT_EQ(legend->YValueOf(c), QStringLiteral("N/A"));
    EXPECT_EQ(legend->YAxisTitleOf(c), QStringLiteral("None"));
    // No channel in the legend: nothing drawn, the last size kept.
    TCanvas canvas;
    legend->SetDrawRect({0, 0, 100, 200});
    legend->CalcLayout(canvas);
    const int width = legend->RequiredWidth();
    c->SetVisibleInLegend(false);
    legend->CalcLayout(canvas);
    EXPECT_EQ(legend->RequiredWidth(), width);
    TBitmap b;
    b.SetSize(100, 200);
    legend->Draw(b.Canvas(), clBlack);
    EXPECT_EQ(CountColor(b.Image(), {0, 0, 100, 200}, clBlack), 100 * 200);
}

TEST(DataCursor, PointerPositionsAndStyles) {
    auto plot = MakePlot();
    TiPlotDataCursor* cursor = plot->DataCursor(0);
    struct Case {
        double set, stored;
    };
    for (const Case& c : {Case{-3, 0}, Case{250, 100}, Case{std::numeric_limits<double>::quiet_NaN(), 0}, Case{42, 42}}) {
        cursor->SetPointer1Position(c.set);
        EXPECT_EQ(cursor->Pointer1Position(), c.stored) << c.set;
    }
    cursor->SetHintPosition(-20);
    EXPECT_EQ(cursor->HintPosition(), -20);
    cursor->SetStyle(ipcsValueY);
    EXPECT_FALSE(cursor->Pointer1Show());
    EXPECT_TRUE(cursor->Pointer2Show());
    EXPECT_EQ(cursor->Pointer2Orientation(), ioHorizontal);
    cursor->SetStyle(ipcsValueXY);
    plot->SetXYAxesReverse(true);
    EXPECT_EQ(cursor->Pointer1Orientation(), ioHorizontal);
    EXPECT_EQ(cursor->Pointer2Orientation(), ioVertical);
    double y = 5;
    EXPECT_EQ(cursor->GetInterpolatedYValue(QStringLiteral("Channel 1"), 3, y), ipdpsNull);
    EXPECT_EQ(y, 0);
}

TEST(DataCursor, HintFlipsAtTheEdgeAndHidesForAllChannels) {
    auto plot = MakePlot(400, 300);
    TiPlotDataCursor* cursor = plot->DataCursor(0);
    cursor->SetVisible(true);
    cursor->SetPointer1Position(98);
    QImage image = plot->PaintOffScreen();
    EXPECT_TRUE(cursor->HintShowing());
    EXPECT_EQ(cursor->HintOrientationSide(), iosTopLeft);
    EXPECT_LT(cursor->HintRect().Right, cursor->Pointer1Rect().Left + 5);
    EXPECT_TRUE(HasColorNear(image, cursor->HintRect(), clInfoBk, 0));
    cursor->SetChannelName(QStringLiteral("<All>"));
    plot->PaintOffScreen();
    EXPECT_FALSE(cursor->HintShowing());
    cursor->SetChannelName(QStringLiteral("<all>"));  // another name: no such channel
    image = plot->PaintOffScreen();
    EXPECT_TRUE(cursor->HintShowing());
}

TEST(DataCursor, KeysMovePointerOneByPixelsWorth) {
    auto plot = MakePlot(400, 300);
    plot->ReCalcLayout();
    TiPlotDataCursor* cursor = plot->DataCursor(0);
    TiPlotDataView* view = plot->DataView(0);
    const double step = std::fabs(view->PixelsXToPositionPercent(101) - view->PixelsXToPositionPercent(100));
    cursor->SetPointer1Position(50);
    int key = VK_PRIOR;
    cursor->iKeyDown(key, 0, nullptr);
    EXPECT_NEAR(cursor->Pointer1Position(), 50 + 5 * step, 1e-9);
    key = VK_END;
    cursor->iKeyDown(key, 0, nullptr);
    EXPECT_EQ(cursor->Pointer1Position(), 100);
    const double hint = cursor->HintPosition();
    key = VK_UP;
    cursor->iKeyDown(key, ssCtrl, nullptr);  // pointer 2 is horizontal: it moves, the hint does not
    EXPECT_EQ(cursor->HintPosition(), hint);
}

// A plot whose channels count as time series, so that the cursor snaps; its XY channel has
// no X order to search (CalcIndex answers -1).
struct SnappingPlot : TiXYPlot {
    SnappingPlot() : TiXYPlot(nullptr) { SetBounds(0, 0, 400, 300); }
    bool IsTimeSeriesPlot() const override { return true; }
};

TEST(DataCursor, SnappingNeverReadsAMissingPoint) {
    SnappingPlot plot;
    plot.ReCalcLayout();
    TiPlotDataCursor* cursor = plot.DataCursor(0);
    cursor->SetSnapToDataPoint(true);
    cursor->SetPointer1Position(40);
    // An empty channel: nothing to snap to.
    cursor->DoSnapToDataPoint();
    EXPECT_EQ(cursor->Pointer1Position(), 40);
    // Points on both sides of the pointer, but no index found between them: no point -1 read.
    TiXYPlotChannel* c = plot.Channel(0);
    c->AddXY(10, 1);
    c->AddXY(90, 2);
    EXPECT_NO_THROW(cursor->DoSnapToDataPoint());
    EXPECT_EQ(cursor->Pointer1Position(), 40);
    // Beyond the last point it snaps to the last point.
    cursor->SetPointer1Position(95);
    cursor->DoSnapToDataPoint();
    EXPECT_NEAR(cursor->Pointer1Position(), 90, 1e-9);
}

TEST(ToolBar, ButtonGroupsCancellingAndZoom) {
    auto plot = MakePlot();
    TiPlotToolBar* bar = plot->ToolBar(0);
    std::vector<int> before, after;
    bool cancel = false;
    plot->OnBeforeToolBarButtonClick = [&](TObject*, int, int button, bool& c) {
        before.push_back(button);
        c = cancel;
    };
    plot->OnToolBarButtonClick = [&](TObject*, int, int button) { after.push_back(button); };
    EXPECT_TRUE(bar->ButtonOf(TiPlotToolBar::tbScroll)->Down());
    bar->ClickButton(TiPlotToolBar::tbZoom);
    EXPECT_TRUE(bar->ButtonOf(TiPlotToolBar::tbZoom)->Down());
    EXPECT_FALSE(bar->ButtonOf(TiPlotToolBar::tbScroll)->Down());
    EXPECT_EQ(plot->XAxis(0)->Mode(), ipamZoom);
    bar->ClickButton(TiPlotToolBar::tbZoom);
    EXPECT_TRUE(bar->ButtonOf(TiPlotToolBar::tbZoom)->Down());
    // A cancelled click has already run the group step.
    cancel = true;
    bar->ClickButton(TiPlotToolBar::tbScroll);
    EXPECT_FALSE(bar->ButtonOf(TiPlotToolBar::tbScroll)->Down());
    EXPECT_FALSE(bar->ButtonOf(TiPlotToolBar::tbZoom)->Down());
    cancel = false;
    // Zoom in: pause first (its own two events), then halve every linear span about its centre.
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetMinSpan(0, 100);
    before.clear(), after.clear();
    bar->ClickButton(TiPlotToolBar::tbZoomIn);
    EXPECT_EQ(before, (std::vector<int>{7, 1}));
    EXPECT_EQ(after, (std::vector<int>{1, 7}));
    EXPECT_DOUBLE_EQ(x->Min(), 25);
    EXPECT_DOUBLE_EQ(x->Span(), 50);
    EXPECT_FALSE(x->TrackingEnabled());
    bar->ClickButton(TiPlotToolBar::tbZoomOut);
    EXPECT_DOUBLE_EQ(x->Span(), 100);
    bar->SetZoomInOutFactor(0.5);
    EXPECT_EQ(bar->ZoomInOutFactor(), 1);
    // The editor button asks first, opens the editor and has no after-event.
    before.clear(), after.clear();
    plot->SetEditorFormStyle(ipfsStayOnTop);
    bar->ClickButton(TiPlotToolBar::tbEdit);
    EXPECT_EQ(before, std::vector<int>{9});
    EXPECT_TRUE(after.empty());
    EXPECT_NE(plot->Master().EditorForm(), nullptr);
}

TEST(ToolBar, CursorSelectAndResume) {
    auto plot = MakePlot();
    TiPlotToolBar* bar = plot->ToolBar(0);
    bar->ClickButton(TiPlotToolBar::tbCursor);
    EXPECT_TRUE(plot->DataCursor(0)->Visible());
    EXPECT_TRUE(plot->DataCursor(0)->UserSelected());
    bar->ClickButton(TiPlotToolBar::tbSelect);
    EXPECT_TRUE(bar->SelectActive());
    EXPECT_TRUE(plot->GetSelectActive());
    bar->ClickButton(TiPlotToolBar::tbZoomBox);
    EXPECT_FALSE(bar->SelectActive());
    EXPECT_TRUE(bar->ZoomBoxActive());
    bar->ClickButton(TiPlotToolBar::tbSelect);
    EXPECT_FALSE(bar->ZoomBoxActive());
    EXPECT_TRUE(bar->CursorActive());
    bar->ClickButton(TiPlotToolBar::tbResume);
    EXPECT_FALSE(plot->DataCursor(0)->Visible());
    EXPECT_FALSE(bar->SelectActive());
    EXPECT_FALSE(plot->DataCursor(0)->UserSelected());
    EXPECT_TRUE(plot->XAxis(0)->TrackingEnabled());
}

TEST(ToolBar, DrawnStatesAndSpacers) {
    auto plot = MakePlot(500, 300);
    TiPlotToolBar* bar = plot->ToolBar(0);
    plot->PaintOffScreen();
    EXPECT_FALSE(bar->ButtonOf(TiPlotToolBar::tbResume)->Enabled());  // every axis is tracking
    EXPECT_TRUE(bar->ButtonOf(TiPlotToolBar::tbPause)->Enabled());
    bar->SetShowZoomBoxButton(false);
    bar->SetShowCursorButton(false);
    bar->SetShowSelectButton(true);
    plot->PaintOffScreen();
    // The spacer after Select, Zoom Box and Cursor follows Zoom Box and Cursor only.
    const auto& buttons = bar->Buttons();
    int afterSelect = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->Number() == TiPlotToolBar::tbCursor) afterSelect = int(i) + 1;
    ASSERT_GE(afterSelect, 0);
    EXPECT_EQ(buttons[std::size_t(afterSelect)]->Style(), iptbbsSpacer);
    EXPECT_FALSE(buttons[std::size_t(afterSelect)]->Visible());
    TCanvas canvas;
    EXPECT_EQ(bar->GetRequiredWidth(canvas), 36);
    bar->SetSmallButtons(true);
    EXPECT_EQ(bar->GetRequiredWidth(canvas), 28);
}

}  // namespace
