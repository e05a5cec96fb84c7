#include "PlotTestSupport.h"
#include "core/TransferCurvePlotLayout.h"
#include "core/iPropertyText.h"
#include "rtl/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(XYPlot, CreatesItsObjectsInOrderWithTheirNames) {
    std::vector<QString> order;
    auto plot = MakePlot();
    const TiPlotObjectManager* all = plot->GetPlotObjectManager();
    for (TiPlotObject* o : all->Objects()) order.push_back(o->Name());
    // The two data-view placeholders first (the layout manager's), then the objects in order.
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("Data View"), QStringLiteral("Data View"),
                                           QStringLiteral("Toolbar 1"), QStringLiteral("Legend 1"),
                                           QStringLiteral("X-Axis 1"), QStringLiteral("Y-Axis 1"),
                                           QStringLiteral("Channel 1"), QStringLiteral("Data View 1"),
                                           QStringLiteral("Cursor 1"), QStringLiteral("Title")}));
    EXPECT_EQ(plot->ToolBar(0)->ZOrder(), 3);
    EXPECT_EQ(plot->Legend(0)->ZOrder(), 2);
    EXPECT_EQ(plot->Label(0)->Caption(), QStringLiteral("Untitled"));
    EXPECT_EQ(plot->TitleText(), QStringLiteral("Untitled"));
    EXPECT_EQ(plot->Label(0)->MarginBottom(), 0);
    EXPECT_TRUE(plot->Label(0)->Visible());
    EXPECT_TRUE(plot->Legend(0)->Visible());
    EXPECT_FALSE(plot->DataCursor(0)->Visible());
    EXPECT_TRUE(plot->Master().LayoutManager()->Enabled());
    EXPECT_EQ(plot->BackGroundColor(), clBlack);
    EXPECT_EQ(plot->BorderStyle(), ibsLowered);
    EXPECT_TRUE(plot->AutoFrameRate());
    EXPECT_NE(dynamic_cast<TiXYPlotChannel*>(plot->ChannelObject(0)), nullptr);
}

TEST(XYPlot, ChannelAccessorErrors) {
    auto plot = MakePlot();
    plot->AddChannel();
    EXPECT_NE(plot->Channel(1), nullptr);
    try {
        plot->Channel(2);
        ADD_FAILURE();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (2)"));
    }
    EXPECT_THROW(plot->Channel(-1), EListError);
}

TEST(XYPlot, PublishedPropertiesByNameWithAncestorsFirst) {
    auto plot = MakePlot();
    const TiPublishedClass& info = plot->PublishedClass();
    EXPECT_EQ(info.ClassName(), QStringLiteral("TiXYPlot"));
    EXPECT_TRUE(info.InheritsFrom(QStringLiteral("TiPlotComponent")));
    EXPECT_EQ(info.Properties().front()->Name, QStringLiteral("Name"));
    ASSERT_NE(info.Find(QStringLiteral("annotationdefaultbrushstlye")), nullptr);
    EXPECT_EQ(plot->GetPropertyKind(QStringLiteral("TitleFont.Color")), tkInteger);
    EXPECT_EQ(plot->GetPropertyKind(QStringLiteral("BorderStyle")), tkEnumeration);
    // Axes carry their declared defaults: TrackingAlignFirstStyle declares ipafsMin, so an X
    // axis (initially ipafsAuto) writes it even in a differential file, TrackingStyle always.
    QStringList lines;
    SavePropertiesToList(*plot->XAxis(0), QStringLiteral("XAxis0"), lines, true);
    EXPECT_TRUE(lines.contains(QStringLiteral("XAxis0.TrackingAlignFirstStyle = 2")));
    EXPECT_TRUE(lines.contains(QStringLiteral("XAxis0.TrackingStyle = 0")));
    EXPECT_FALSE(lines.join(QLatin1Char('|')).contains(QStringLiteral("XAxis0.InnerMargin")));
    EXPECT_TRUE(lines.contains(QStringLiteral("XAxis0.Name = X-Axis 1")));
    // A property text sets an object's properties by path.
    SetPropertyFromText(*plot->Channel(0), QStringLiteral("MarkersFont.Color"), QStringLiteral("65535"),
                        QLatin1Char('.'));
    EXPECT_EQ(plot->Channel(0)->MarkersFont().Color(), clYellow);
}

TEST(TransferCurvePlots, TheLayoutMakesABlackPlotWithAxesOnly) {
    TiXYPlot plot(nullptr);
    ApplyTransferCurvePlotLayout(plot, kGatePlotPlacement);
    EXPECT_FALSE(plot.IsLoading());
    EXPECT_FALSE(plot.UpdateActive());
    EXPECT_TRUE(plot.Master().LayoutManager()->Enabled());
    EXPECT_EQ(plot.Name(), QStringLiteral("ipGate"));
    EXPECT_EQ(plot.Width(), 904);
    ASSERT_EQ(plot.ChannelCount(), 2);
    EXPECT_EQ(plot.Channel(1)->Name(), QStringLiteral("Channel 2"));
    EXPECT_EQ(plot.Channel(1)->Color(), 8421631u);
    EXPECT_FALSE(plot.UserCanEditObjects());
    EXPECT_FALSE(plot.Channel(0)->UserCanEdit());
    EXPECT_EQ(plot.XAxis(0)->Max(), 20);
    EXPECT_EQ(plot.YAxis(0)->Min(), -100);
    EXPECT_EQ(plot.XAxis(0)->ZOrder(), 0);
    EXPECT_EQ(plot.YAxis(0)->ZOrder(), 0);
    plot.ReCalcLayout();
    // The X axis below the data view, the Y axis left of it; nothing else takes room.
    const TRect view = plot.DataView(0)->DrawRect();
    EXPECT_EQ(plot.XAxis(0)->DrawRect().Top, view.Bottom);
    EXPECT_EQ(plot.YAxis(0)->DrawRect().Right, view.Left);
    EXPECT_EQ(plot.XAxis(0)->MinPixels(), view.Left);
    EXPECT_EQ(plot.XAxis(0)->MaxPixels(), view.Right);
    EXPECT_GT(view.Top, 0);
    EXPECT_LT(view.Top, 20);
}

}  // namespace
