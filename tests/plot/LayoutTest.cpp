#include "PlotTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(PlotLayout, RingsStartAtTheOuterMarginAndTheBorder) {
    auto plot = MakePlot(400, 300);
    plot->SetBorderStyle(ibsNone);
    plot->SetOuterMarginLeft(0);
    plot->ReCalcLayout();
    EXPECT_EQ(plot->YAxis(0)->DrawRect().Left, 0);
    plot->SetBorderStyle(ibsLowered);
    plot->SetOuterMarginLeft(5);
    plot->ReCalcLayout();
    EXPECT_EQ(plot->YAxis(0)->DrawRect().Left, 2 + 5);
}

TEST(PlotLayout, ObjectsOfOneZOrderShareARingAsThickAsTheThickest) {
    auto plot = MakePlot(400, 300);
    TiPlotYAxis* lower = plot->YAxis(0);
    TiPlotYAxis* upper = plot->YAxis(plot->AddYAxis());
    lower->SetStartStopPercent(0, 50);
    upper->SetStartStopPercent(50, 100);
    upper->SetZOrder(lower->ZOrder());
    upper->SetTitleShow(true);  // the thicker of the two
    upper->SetTitle(QStringLiteral("Level"));
    plot->ReCalcLayout();
    EXPECT_EQ(plot->Master().LayoutManager()->LeftUniqueCount(), 1);
    TCanvas canvas;
    const int thickest = std::max(lower->GetRequiredWidth(canvas), upper->GetRequiredWidth(canvas));
    EXPECT_EQ(lower->DrawRect().Width(), thickest);
    EXPECT_EQ(upper->DrawRect().Width(), thickest);
    EXPECT_EQ(lower->DrawRect().Right, plot->DataView(0)->DrawRect().Left);
    // Stacked ends: the lower axis's top end and the upper axis's bottom end.
    EXPECT_TRUE(lower->StopStacked());
    EXPECT_TRUE(upper->StartStacked());
    EXPECT_LT(upper->ScaleRect().Bottom, upper->DrawRect().Bottom);
}

TEST(PlotLayout, AToolbarAloneOnTopSitsAtTheBorder) {
    auto plot = MakePlot(400, 300);
    plot->Label(0)->SetVisible(false);
    plot->ReCalcLayout();
    const TRect bar = plot->ToolBar(0)->DrawRect();
    EXPECT_EQ(bar.Top, 2);
    EXPECT_EQ(bar.Bottom, 2 + 36);
    TCanvas canvas;
    // Below the toolbar's ring come the Y axis's top overhang (half a label) and the margin.
    const int overhang = plot->YAxis(0)->GetRequiredEndSpace(canvas);
    EXPECT_GE(plot->DataView(0)->DrawRect().Top, bar.Bottom + 5);
    EXPECT_LE(plot->DataView(0)->DrawRect().Top, bar.Bottom + 5 + 2 * overhang + 1);
}

TEST(PlotLayout, CartesianChildWithoutReferenceCollapses) {
    auto plot = MakePlot(400, 300);
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetCartesianStyle(ipcsChild);
    x->SetCartesianChildRefAxisName(QStringLiteral("nothing"));
    plot->ReCalcLayout();
    EXPECT_EQ(x->DrawRect(), (TRect{0, 0, 0, 0}));
    x->SetCartesianStyle(ipcsMaster);
    plot->ReCalcLayout();
    const TRect view = plot->DataView(0)->DrawRect();
    EXPECT_EQ(x->DrawRect().Top, x->DrawRect().Bottom);
    EXPECT_GE(x->DrawRect().Top, view.Top);
    EXPECT_LE(x->DrawRect().Top, view.Bottom);
}

TEST(PlotLayout, ExchangedAxesGiveTheDataViewTheXAxisExtent) {
    auto plot = MakePlot(400, 300);
    plot->SetXYAxesReverse(true);
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetStartStopPercent(20, 80);
    plot->ReCalcLayout();
    const TRect view = plot->DataView(0)->DrawRect();
    EXPECT_EQ(view.Top, x->ScaleRect().Top);
    EXPECT_EQ(view.Bottom, x->ScaleRect().Bottom);
    EXPECT_EQ(view.Left, plot->YAxis(0)->ScaleRect().Left);
}

TEST(PlotLayout, ChannelZeroIsDrawnOverChannelOneOnTheSameLayer) {
    auto plot = MakePlot(300, 200);
    TiXYPlotChannel* first = plot->Channel(0);
    TiXYPlotChannel* second = plot->Channel(plot->AddChannel());
    for (TiPlotAxis* a : {static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0))}) {
        a->SetMinSpan(0, 10);
        a->SetTrackingEnabled(false);
    }
    first->SetColor(clLime);
    second->SetColor(clFuchsia);
    first->AddXY(0, 5);
    first->AddXY(10, 5);
    second->AddXY(5, 0);
    second->AddXY(5, 10);
    const QImage image = plot->PaintOffScreen();
    const int x = plot->XAxis(0)->PositionToPixels(5), y = plot->YAxis(0)->PositionToPixels(5);
    EXPECT_EQ(PixelAt(image, x, y), Rgb(clLime));
    EXPECT_EQ(PixelAt(image, x, y - 10), Rgb(clFuchsia));
}

}  // namespace
