// The plot's hint, axis-change and file events: each reaches the application with the
// object's index, and a handler's text replaces the hint's.
#include "PlotTestSupport.h"
#include "TempTree.h"
#include "ui/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(PlotEvents, CustomizeHintEventsRewriteTheHintText) {
    auto plot = MakePlot();
    plot->XAxis(0)->SetTitleShow(false);
    plot->DataCursor(0)->SetVisible(true);
    plot->ReCalcLayout();
    std::vector<std::pair<QString, int>> seen;
    auto rewrite = [&seen](const char* tag) {
        return [&seen, tag](TObject*, int index, QString& text) {
            seen.push_back({QString::fromLatin1(tag), index});
            text = QString::fromLatin1(tag);
        };
    };
    plot->OnXAxisCustomizeHint = rewrite("x");
    plot->OnYAxisCustomizeHint = rewrite("y");
    plot->OnToolBarCustomizeHint = rewrite("toolbar");
    plot->OnDataCursorCustomizeHint = rewrite("cursor");
    TiHintData hint;
    plot->XAxis(0)->DoMouseHint({}, hint);
    EXPECT_EQ(hint.Text, QStringLiteral("x"));
    plot->AddYAxis();
    plot->YAxis(1)->DoMouseHint({}, hint);
    EXPECT_EQ(hint.Text, QStringLiteral("y"));
    plot->ToolBar(0)->ButtonOf(TiPlotToolBar::tbSelect)->DoMouseHint({}, hint);
    EXPECT_EQ(hint.Text, QStringLiteral("toolbar"));
    plot->PaintOffScreen();  // the cursor's hint box asks while it is drawn
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[1], std::make_pair(QStringLiteral("y"), 1));
    EXPECT_EQ(seen[3], std::make_pair(QStringLiteral("cursor"), 0));
}

TEST(PlotEvents, AxisKeysReportTheFinishedChangeAndLoadedDataIsReported) {
    auto plot = MakePlot();
    std::vector<double> finished;
    plot->OnYAxisMinSpanChangeFinished = [&](TObject*, int index, double oldMin, double oldSpan, double newMin,
                                             double newSpan) { finished = {double(index), oldMin, oldSpan, newMin, newSpan}; };
    int key = VK_PRIOR;  // one page up: the span upwards
    plot->YAxis(0)->iKeyDown(key, 0, nullptr);
    ASSERT_EQ(finished.size(), 5u);
    EXPECT_EQ(finished[0], 0);
    EXPECT_EQ(finished[1], 0);
    EXPECT_EQ(finished[2], 100);
    EXPECT_EQ(finished[3], plot->YAxis(0)->Min());
    EXPECT_NE(finished[3], 0);

    TempTree tree;
    const QString file = QString::fromStdString(tree.Path("data.dat").string());
    plot->SaveDataToFile(file);
    int loaded = 0;
    plot->OnAfterLoadData = [&](TObject* sender) { loaded += sender == plot.get(); };
    plot->LoadDataFromFile(file);
    EXPECT_EQ(loaded, 1);
}

}  // namespace
