// The layout viewer: its schematic of a plot's layout (bands, cells, blocks), the blocks'
// drawing, and the mouse: drags between bands, sharing a band, exchanging places, resizing
// an end, and what it refuses.
#include "PlotTestSupport.h"

#include "core/iPlotLayoutManager.h"
#include "objects/iPlotLayoutViewer.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The viewer with its mouse hooks reachable.
struct Viewer : TiPlotLayoutViewer {
    Viewer() : TiPlotLayoutViewer(nullptr) {}
    void Down(int x, int y) { iMouseDown(mbLeft, ssLeft, x, y); }
    void Move(int x, int y, TShiftState shift = ssLeft) { iMouseMove(shift, x, y); }
    void Up(int x, int y) { iMouseUp(mbLeft, 0, x, y); }
    void Hover(int x, int y) { iMouseMove(0, x, y); }
    // Press at one place, move to another, release there.
    void Drag(TPoint from, TPoint to) {
        Hover(from.X, from.Y);
        Down(from.X, from.Y);
        Move(to.X, to.Y);
        Up(to.X, to.Y);
    }
};

struct Fixture {
    std::unique_ptr<TiXYPlot> plot = MakePlot(400, 300);
    Viewer viewer;
    int changes = 0;
    explicit Fixture(bool bare = true) {
        if (bare) {
            // One bottom X axis and one left Y axis, nothing else.
            plot->RemoveAllToolBars();
            plot->RemoveAllLegends();
            plot->RemoveAllLabels();
        }
        viewer.SetBounds(0, 0, 400, 300);
        viewer.SetLayoutManager(plot->Master().LayoutManager());
        viewer.OnChange = [this](TComponent*) { ++changes; };
        viewer.Layout();
    }
    TiPlotLayoutManager* layout() const { return plot->Master().LayoutManager(); }
    TPoint Centre(const TiPlotLayoutObject* o) const {
        const TRect r = o->LayoutRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

}  // namespace

TEST(PlotLayoutViewer, OneAxisEachSideGivesOneBandEach) {
    Fixture f;
    const int cell = f.viewer.CellWidth();
    ASSERT_GT(cell, 10);
    // The title keeps one band on top.
    EXPECT_EQ(f.viewer.DataViewRect(), (TRect{5 + cell, 5 + cell, 395, 295 - cell}));
    std::vector<std::tuple<bool, int, bool, bool>> cells;  // horizontal, ZOrder, data view, top-most
    for (const auto& b : f.viewer.Blocks()) cells.emplace_back(b->Horizontal, b->ZOrder, b->DataView, b->ToolBar);
    EXPECT_EQ(cells, (std::vector<std::tuple<bool, int, bool, bool>>{{false, 0, false, false},
                                                                      {false, 1, true, false},
                                                                      {true, 2, false, true},
                                                                      {true, 1, true, false},
                                                                      {true, 0, false, false}}));
    // The axes' blocks: the bottom band and the left band, along the data view.
    EXPECT_EQ(f.plot->XAxis(0)->LayoutRect(), (TRect{5 + cell, 295 - cell, 395, 295}));
    EXPECT_EQ(f.plot->YAxis(0)->LayoutRect(), (TRect{5, 5 + cell, 5 + cell, 295 - cell}));
    EXPECT_EQ(f.viewer.GetMouseOverBlock(10, 100), f.plot->YAxis(0));
    EXPECT_EQ(f.viewer.GetMouseOverBlock(5 + cell, 100)->Kind(), TiPlotObjectKind::DataView);
    EXPECT_EQ(f.viewer.GetMouseOverBlock(2, 2), nullptr);
    // The data-view cells count only along their edges.
    EXPECT_EQ(f.viewer.GetMouseOverBlock2(200, 150), nullptr);
    ASSERT_NE(f.viewer.GetMouseOverBlock2(200, 295 - cell - 2), nullptr);
    EXPECT_TRUE(f.viewer.GetMouseOverBlock2(200, 295 - cell - 2)->Horizontal);
}

TEST(PlotLayoutViewer, BlocksDrawnGreyNamedAndHatchedWhenHidden) {
    Fixture f;
    f.plot->YAxis(0)->SetVisible(false);
    const QImage image = f.viewer.PaintOffScreen();
    ASSERT_EQ(image.size(), QSize(400, 300));
    EXPECT_EQ(PixelAt(image, 2, 2), 0x0000FFu) << "blue around the view";
    EXPECT_EQ(PixelAt(image, 200, 60), 0xC0C0C0u) << "the data view's placeholder block";
    const TRect x = f.plot->XAxis(0)->LayoutRect();
    EXPECT_GT(CountColor(image, x, 0xC0C0C0), (x.Right - x.Left) * (x.Bottom - x.Top) / 2) << "solid silver";
    EXPECT_TRUE(HasColorNear(image, TRect{180, x.Top, 240, x.Bottom}, clBlack)) << "its name";
    const TRect y = f.plot->YAxis(0)->LayoutRect();
    const int silver = CountColor(image, y, 0xC0C0C0), white = CountColor(image, y, clWhite);
    EXPECT_GT(silver, 50);
    EXPECT_GT(white, 50) << "cross-hatched";
    // The "Data View" placeholder's name labels the data view.
    EXPECT_TRUE(HasColorNear(image, TRect{150, 130, 260, 170}, clBlack));
}

TEST(PlotLayoutViewer, ToolbarAndDataViewCannotBeMoved) {
    Fixture f(false);
    TiPlotLayoutObject* toolBar = f.plot->ToolBar(0);
    f.viewer.Layout();
    f.viewer.Down(f.Centre(toolBar).X, f.Centre(toolBar).Y);
    EXPECT_EQ(f.viewer.EditMode(), ilemNone);
    f.viewer.Down(200, 150);
    EXPECT_EQ(f.viewer.EditMode(), ilemNone);
    EXPECT_EQ(f.viewer.SelectedObject(), nullptr);
}

TEST(PlotLayoutViewer, LabelDroppedOnTheMiddleOfAnotherLabelsBandSharesIt) {
    Fixture f;
    f.plot->AddLabel();
    f.plot->AddLabel();
    f.viewer.Layout();
    // Label 0 is the title.
    TiPlotLayoutObject* first = f.plot->Label(1);
    TiPlotLayoutObject* second = f.plot->Label(2);
    ASSERT_NE(first->ZOrder(), second->ZOrder());
    const TRect band = first->LayoutRect();
    f.viewer.Drag(f.Centre(second), {300, (band.Top + band.Bottom) / 2});
    EXPECT_EQ(f.changes, 1);
    EXPECT_EQ(second->ZOrder(), first->ZOrder());
    EXPECT_EQ(second->Horizontal(), first->Horizontal());
    EXPECT_DOUBLE_EQ(first->StartPercent(), 0);
    EXPECT_DOUBLE_EQ(first->StopPercent(), 50);
    EXPECT_DOUBLE_EQ(second->StartPercent(), 50);
    EXPECT_DOUBLE_EQ(second->StopPercent(), 100);
}

TEST(PlotLayoutViewer, AxisKeepsItsOrientation) {
    Fixture f;
    TiPlotLayoutObject* x = f.plot->XAxis(0);
    const TPoint from = f.Centre(x);
    const TPoint onLeftBand = f.Centre(f.plot->YAxis(0));
    f.viewer.Hover(from.X, from.Y);
    f.viewer.Down(from.X, from.Y);
    f.viewer.Move(onLeftBand.X, onLeftBand.Y);
    EXPECT_EQ(f.viewer.DragOverCell(), nullptr) << "no drop frame";
    const QImage image = f.viewer.PaintOffScreen();
    EXPECT_EQ(CountColor(image, TRect{0, 0, 400, 300}, clBlack) < 400, true);
    f.viewer.Up(onLeftBand.X, onLeftBand.Y);
    EXPECT_TRUE(x->Horizontal());
    EXPECT_EQ(f.changes, 0);
}

TEST(PlotLayoutViewer, DraggingAnEndMovesItsPercentInSteps) {
    Fixture f;
    TiPlotLayoutObject* x = f.plot->XAxis(0);
    const TRect r = x->LayoutRect();
    const int width = f.viewer.DataViewRect().Right - f.viewer.DataViewRect().Left;
    x->SetStopPercent(80);
    f.viewer.Layout();
    const int right = x->LayoutRect().Right;
    struct Case {
        double movedPercent, expectedStop;
    };
    for (const Case c : {Case{10, 90}, Case{11.9, 92.5}, Case{-5, 75}}) {
        x->SetStopPercent(80);
        f.viewer.Layout();
        f.viewer.Hover(right - 2, (r.Top + r.Bottom) / 2);
        f.viewer.Down(right - 2, (r.Top + r.Bottom) / 2);
        ASSERT_EQ(f.viewer.EditMode(), ilemSize);
        const int dx = int(std::lround(width * c.movedPercent / 100));
        f.viewer.Move(right - 2 + dx, (r.Top + r.Bottom) / 2);
        f.viewer.Up(right - 2 + dx, (r.Top + r.Bottom) / 2);
        EXPECT_DOUBLE_EQ(x->StopPercent(), c.expectedStop) << c.movedPercent;
        EXPECT_DOUBLE_EQ(x->StartPercent(), 0);
    }
    EXPECT_EQ(f.changes, 3);
}

TEST(PlotLayoutViewer, WithoutManagerOrRoomTheMouseDoesNothing) {
    Viewer viewer;
    viewer.SetBounds(0, 0, 200, 100);
    viewer.Drag({50, 50}, {60, 60});
    EXPECT_EQ(viewer.EditMode(), ilemNone);
    EXPECT_EQ(PixelAt(viewer.PaintOffScreen(), 1, 1), 0x0000FFu);

    // A viewer whose bands leave the data view no width: a label (measured on the whole
    // view) can still be pressed at its end, but the move has nothing to measure against.
    Fixture f;
    f.plot->AddLabel();
    TiPlotLayoutObject* label = f.plot->Label(1);
    label->SetStartStopPercent(0, 50);
    f.viewer.Layout();
    f.viewer.SetBounds(0, 0, 10 + f.viewer.CellWidth(), 300);
    f.viewer.Layout();
    ASSERT_EQ(f.viewer.DataViewRect().Right, f.viewer.DataViewRect().Left);
    const TRect r = label->LayoutRect();
    ASSERT_GT(r.Right, r.Left);
    const int y = (r.Top + r.Bottom) / 2;
    f.viewer.Hover(r.Right - 1, y);
    f.viewer.Down(r.Right - 1, y);
    ASSERT_EQ(f.viewer.EditMode(), ilemSize);
    f.viewer.Move(r.Right + 20, y);
    f.viewer.Up(r.Right + 20, y);
    EXPECT_DOUBLE_EQ(label->StopPercent(), 50);
}

TEST(PlotLayoutViewer, GalleryDefaultPlotLayout) {
    Fixture f(false);
    f.plot->AddLabel();
    f.plot->Label(0)->SetVisible(false);
    f.viewer.SetBounds(0, 0, 420, 320);
    f.viewer.show();
    const QImage image = f.viewer.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(image.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(QStringLiteral("plot_layout_viewer.png"))));
    EXPECT_GT(CountColor(image, TRect{0, 0, 420, 320}, 0xC0C0C0), 2000);
}

TEST(PlotLayoutViewer, NeighboursInOneBandExchangeTheirRanges) {
    Fixture f;
    f.plot->AddLabel();
    f.plot->AddLabel();
    TiPlotLayoutObject* a = f.plot->Label(1);
    TiPlotLayoutObject* b = f.plot->Label(2);
    // Both in one band, a on the left 0..30, b on the right 30..100.
    b->SetZOrder(a->ZOrder());
    a->SetStartStopPercent(0, 30);
    b->SetStartStopPercent(30, 100);
    f.viewer.Layout();
    f.viewer.Drag(f.Centre(a), f.Centre(b));
    EXPECT_EQ(f.changes, 1);
    EXPECT_DOUBLE_EQ(a->StartPercent(), 30);
    EXPECT_DOUBLE_EQ(a->StopPercent(), 100);
    EXPECT_DOUBLE_EQ(b->StartPercent(), 0);
    EXPECT_DOUBLE_EQ(b->StopPercent(), 30);
}

TEST(PlotLayoutViewer, LabelDroppedOnAVerticalBandTurns) {
    Fixture f;
    f.plot->AddLabel();
    TiPlotLayoutObject* label = f.plot->Label(1);
    f.viewer.Layout();
    ASSERT_TRUE(label->Horizontal());
    // The left band holds the Y axis; its left half inserts below (further out).
    const TRect left = f.plot->YAxis(0)->LayoutRect();
    f.viewer.Drag(f.Centre(label), {left.Left + 2, (left.Top + left.Bottom) / 2});
    EXPECT_EQ(f.changes, 1);
    EXPECT_FALSE(label->Horizontal());
    f.viewer.Layout();
    EXPECT_LT(label->LayoutRect().Left, f.plot->YAxis(0)->LayoutRect().Left);
}
