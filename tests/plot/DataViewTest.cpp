#include "PlotTestSupport.h"
#include "graphics/TBitmap.h"
#include "ui/TMenu.h"
#include "ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(DataView, PercentConversionsIncludingAnEmptyRectangle) {
    auto plot = MakePlot();
    TiPlotDataView* v = plot->DataView(0);
    v->SetDrawRect({100, 50, 300, 150});
    EXPECT_EQ(v->PositionPercentToPixelsY(0), 150);
    EXPECT_EQ(v->PositionPercentToPixelsY(100), 50);
    EXPECT_EQ(v->PositionPercentToPixelsX(50), 200);
    EXPECT_EQ(v->PixelsXToPositionPercent(100), 0);
    EXPECT_EQ(v->PixelsYToPositionPercent(100), 50);
    // Before any layout the rectangle is empty: the edges and 0 %, never inf or NaN.
    v->SetDrawRect({100, 50, 100, 50});
    EXPECT_EQ(v->PositionPercentToPixelsX(75), 100);
    EXPECT_EQ(v->PositionPercentToPixelsY(75), 50);
    EXPECT_EQ(v->PixelsXToPositionPercent(130), 0);
    EXPECT_EQ(v->PixelsYToPositionPercent(130), 0);
    v->SetDrawRect({0, 0, 100, 100});
    EXPECT_EQ(v->PositionPercentToPixelsX(std::numeric_limits<double>::quiet_NaN()), 0);
}

// The grid of a plot with every object but the data view hidden.
struct GridPlot {
    std::unique_ptr<TiXYPlot> plot = MakePlot(300, 200);
    TiPlotDataView* view;
    GridPlot() {
        plot->SetBorderStyle(ibsNone);
        plot->ToolBar(0)->SetVisible(false);
        plot->Legend(0)->SetVisible(false);
        plot->Label(0)->SetVisible(false);
        view = plot->DataView(0);
    }
    // The colour at the X axis's second major tick (the first lies on the border), at a height
    // no Y grid line has.
    unsigned AtXLine(const QImage& image) {
        TiPlotXAxis* x = plot->XAxis(0);
        double second = x->Min();
        for (int i = 0, majors = 0; i < x->TickListCount() && majors < 2; ++i)
            if (x->Tick(i).TickType == ipttMajor && x->Tick(i).Show) second = x->Tick(i).Position, ++majors;
        return PixelAt(image, x->PositionToPixels(second), plot->YAxis(0)->PositionToPixels(33));
    }
};

TEST(DataView, GridLinesByAxisNameAndLook) {
    GridPlot g;
    g.view->SetGridLineXMajorColor(clRed);  // not custom: GridLineColor applies
    QImage image = g.plot->PaintOffScreen();
    EXPECT_EQ(g.AtXLine(image), Rgb(0x008000));
    g.view->SetGridLineXMajorCustom(true);
    image = g.plot->PaintOffScreen();
    EXPECT_EQ(g.AtXLine(image), Rgb(clRed));
    // No axis of that name: no X grid lines, the border stays.
    g.view->SetGridXAxisName(QStringLiteral("nothing"));
    image = g.plot->PaintOffScreen();
    EXPECT_EQ(g.AtXLine(image), 0u);
    const TRect r = g.view->DrawRect();
    EXPECT_EQ(PixelAt(image, r.Left, (r.Top + r.Bottom) / 2), Rgb(0x008000));
    // "<all>" in any letter case: every X axis.
    g.view->SetGridXAxisName(QStringLiteral("<all>"));
    image = g.plot->PaintOffScreen();
    EXPECT_EQ(g.AtXLine(image), Rgb(clRed));
}

TEST(DataView, ZoomBoxAppliesOnlyWhenDraggedDownRightAndEscapeDropsIt) {
    GridPlot g;
    g.plot->ReCalcLayout();
    g.plot->ToolBar(0)->ClickButton(TiPlotToolBar::tbZoomBox);
    ASSERT_EQ(g.view->GetMouseMode(), 1);
    TiPlotXAxis* x = g.plot->XAxis(0);
    const double min = x->Min(), span = x->Span();
    const TRect r = g.view->DrawRect();
    auto drag = [&](int x1, int y1, int x2, int y2) {
        g.view->iMouseDown(mbLeft, 0, x1, y1, 0, 0, nullptr);
        TiHintData hint;
        g.view->iMouseMove(hint, 0, x2, y2, 0, 0, false);
    };
    drag(r.Right - 10, r.Bottom - 10, r.Left + 10, r.Top + 10);  // up and left
    g.view->iMouseUp(mbLeft, 0, r.Left + 10, r.Top + 10, 0, 0, false, nullptr);
    EXPECT_EQ(x->Min(), min);
    EXPECT_EQ(x->Span(), span);
    drag(r.Left + 10, r.Top + 10, r.Left + 60, r.Top + 60);
    EXPECT_TRUE(g.view->ZoomBoxActive());
    int key = VK_ESCAPE;
    g.view->iKeyDown(key, 0, nullptr);
    EXPECT_FALSE(g.view->ZoomBoxActive());
    g.view->iMouseUp(mbLeft, 0, r.Left + 60, r.Top + 60, 0, 0, false, nullptr);
    EXPECT_EQ(x->Span(), span);
    bool asked = false;
    g.plot->OnBeforeZoomBox = [&](TObject*, TRect&, bool&) { asked = true; };
    drag(r.Left + 10, r.Top + 10, r.Left + 60, r.Top + 60);
    g.view->iMouseUp(mbLeft, 0, r.Left + 60, r.Top + 60, 0, 0, false, nullptr);
    EXPECT_TRUE(asked);
    EXPECT_DOUBLE_EQ(x->Min(), x->Min());
    EXPECT_LT(x->Span(), span);
}

TEST(DataView, ShortRightDragsOpenThePopupLongOnesDrawAZoomBox) {
    GridPlot g;
    g.plot->ReCalcLayout();
    g.view->SetAxesControlEnabled(true);
    TPopupMenu* menu = g.plot->PopupMenu();
    const TRect r = g.view->DrawRect();
    const int x = r.Left + 20, y = r.Top + 20;
    TiHintData hint;
    int before = menu->PopupCount();
    g.view->iMouseDown(mbRight, 0, x, y, 0, 0, menu);
    g.view->iMouseMove(hint, 0, x + 5, y, 0, 0, false);
    g.view->iMouseUp(mbRight, 0, x + 5, y, 0, 0, false, menu);
    EXPECT_EQ(menu->PopupCount(), before + 1);
    before = menu->PopupCount();
    g.view->iMouseDown(mbRight, 0, x, y, 0, 0, menu);
    g.view->iMouseMove(hint, 0, x + 30, y + 30, 0, 0, false);
    EXPECT_TRUE(g.view->ZoomBoxActive());
    g.view->iMouseUp(mbRight, 0, x + 30, y + 30, 0, 0, false, menu);
    EXPECT_EQ(menu->PopupCount(), before);
}

TEST(Label, RequiredWidthImagesAndVerticalAlignment) {
    auto plot = MakePlot(300, 300);
    TiPlotLabel* label = plot->Label(0);
    TCanvas canvas;
    canvas.Font = label->Font().Font();
    const int captionHeight = canvas.TextHeight(QStringLiteral("Untitled"));
    label->SetMarginTop(1);
    label->SetMarginBottom(1);
    EXPECT_EQ(label->GetRequiredWidth(canvas), 3 * captionHeight);

    label->SetMarginTop(0);
    label->SetMarginBottom(0);
    label->SetDrawRect({0, 0, 300, 40});
    auto paint = [&] {
        TBitmap b;
        b.SetSize(300, 300);
        label->Draw(b.Canvas(), clBlack);
        return b.Image();
    };
    // The label's own picture replaces the caption; its bottom-left colour is transparent.
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.setPixel(0, 9, qRgb(0, 0, 255));
    label->SetImage(picture);
    QImage image = paint();
    EXPECT_EQ(CountColor(image, {0, 0, 300, 40}, clRed), 99);
    EXPECT_EQ(CountColor(image, {0, 0, 300, 40}, clBlue), 0);
    EXPECT_FALSE(HasColorNear(image, {0, 0, 300, 40}, clWhite));
    label->ImageClear();
    EXPECT_TRUE(HasColorNear(paint(), {0, 0, 300, 40}, clWhite));
    // An image list index beyond the list: the caption.
    label->SetImageListIndex(0);
    label->SetImageIndex(5);
    EXPECT_TRUE(HasColorNear(paint(), {0, 0, 300, 40}, clWhite));
    // A vertical label aligned left writes at the bottom end of its band.
    label->SetHorizontal(false);
    label->SetAlignment(iahLeft);
    label->SetDrawRect({0, 0, 40, 300});
    image = paint();
    EXPECT_TRUE(HasColorNear(image, {0, 200, 40, 300}, clWhite));
    EXPECT_FALSE(HasColorNear(image, {0, 0, 40, 150}, clWhite));
}

}  // namespace
