#include "FrameGraphics.h"
#include "FramedTestSupport.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

// A 6 x 4 picture: teal everywhere but a 2 x 2 yellow square at (1, 1) and a black pixel at
// (4, 2).
void Picture(TBitmap& picture) {
    FillBoard(picture, 6, 4, clTeal);
    picture.Canvas().Brush.Color = clYellow;
    picture.Canvas().FillRect(Rect(1, 1, 3, 3));
    picture.Canvas().SetPixel(4, 2, clBlack);
}

TEST(MaskedBitmaps, TransparentColourShowsTheBackgroundAndedWithTheBrush) {
    TBitmap picture, board;
    Picture(picture);
    FillBoard(board, 6, 4, clRed);
    board.Canvas().Brush.Color = clWhite;
    StretchMaskedBitmap(board.Canvas(), picture, Rect(0, 0, 6, 4), clTeal);
    EXPECT_EQ(PixelAt(board, 0, 0), clRed);  // teal lets the red through
    EXPECT_EQ(PixelAt(board, 1, 1), clYellow);
    EXPECT_EQ(PixelAt(board, 4, 2), clBlack);  // black picture pixels stay black

    // The background seen through is ANDed with the brush colour.
    FillBoard(board, 6, 4, clRed);
    board.Canvas().Brush.Color = RGBColor(128, 255, 255);
    StretchMaskedBitmap(board.Canvas(), picture, Rect(0, 0, 6, 4), clTeal);
    EXPECT_EQ(PixelAt(board, 0, 0), RGBColor(128, 0, 0));
    EXPECT_EQ(PixelAt(board, 2, 2), clYellow);

    // Fitted: the background stays as it is.
    FillBoard(board, 6, 4, clRed);
    board.Canvas().Brush.Color = clBlack;
    FitMaskedBitmap(board.Canvas(), picture, Rect(0, 0, 6, 4), clTeal, Rect(0, 0, 6, 4));
    EXPECT_EQ(PixelAt(board, 0, 0), clRed);
    EXPECT_EQ(PixelAt(board, 1, 2), clYellow);
}

TEST(MaskedBitmaps, StretchedAndBlackTransparent) {
    TBitmap picture, board;
    Picture(picture);
    FillBoard(board, 12, 8, clBlue);
    board.Canvas().Brush.Color = clWhite;
    StretchMaskedBitmap(board.Canvas(), picture, Rect(0, 0, 12, 8), clBlack);
    // Doubled: the yellow square covers (2, 2) .. (5, 5), the black pixel (8, 4) .. (9, 5).
    EXPECT_EQ(PixelAt(board, 2, 2), clYellow);
    EXPECT_EQ(PixelAt(board, 5, 5), clYellow);
    EXPECT_EQ(PixelAt(board, 9, 5), clBlue);
    EXPECT_EQ(PixelAt(board, 0, 0), clTeal);
}

TEST(MaskedBitmaps, TilesCutAtTheEdges) {
    TBitmap tile, board;
    FillBoard(tile, 10, 10, clTeal);
    tile.Canvas().SetPixel(0, 0, clRed);
    tile.Canvas().SetPixel(9, 9, clLime);
    tile.Canvas().SetPixel(4, 4, clYellow);
    FillBoard(board, 30, 20, clBlack);
    board.Canvas().Brush.Color = clWhite;
    TileMaskedBitmap(board.Canvas(), tile, Rect(0, 0, 25, 15), clTeal);
    int tiles = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) tiles += PixelAt(board, x, y) == clRed;
    EXPECT_EQ(tiles, 6);
    EXPECT_EQ(PixelAt(board, 24, 14), clYellow);  // the cut tile's (4, 4)
    EXPECT_EQ(PixelAt(board, 19, 9), clLime);
    EXPECT_EQ(PixelAt(board, 29, 19), clBlack);
}

TEST(Gradients, PlainDirectionsRunEdgeToEdge) {
    TBitmap board;
    FillBoard(board, 16, 10, clRed);
    FillGradient(board.Canvas(), Rect(0, 0, 16, 10), gdHorizontalEnd, clWhite, clBlack);
    EXPECT_EQ(PixelAt(board, 7, 0), clWhite);
    EXPECT_EQ(PixelAt(board, 7, 9), clBlack);
    EXPECT_EQ(PixelAt(board, 0, 5), PixelAt(board, 15, 5));
    FillGradient(board.Canvas(), Rect(0, 0, 16, 10), gdVerticalEnd, clWhite, clBlack);
    EXPECT_EQ(PixelAt(board, 0, 3), clWhite);
    EXPECT_EQ(PixelAt(board, 15, 3), clBlack);
    FillGradient(board.Canvas(), Rect(0, 0, 0, 10), gdVerticalCenter, clBlue, clBlue);  // zero width
    EXPECT_EQ(PixelAt(board, 0, 3), clWhite);
}

TEST(Gradients, CentredShapesStartAtTheRimAndStopInTheMiddle) {
    TBitmap board;
    FillBoard(board, 40, 20, clRed);
    FillGradient(board.Canvas(), Rect(0, 0, 40, 20), gdVerticalCenter, clWhite, clBlack);
    EXPECT_EQ(PixelAt(board, 0, 10), clWhite);
    EXPECT_EQ(PixelAt(board, 39, 10), clWhite);
    EXPECT_EQ(PixelAt(board, 20, 10), clBlack);
    EXPECT_EQ(PixelAt(board, 20, 0), clBlack);  // the strip is copied down the whole height
    FillGradient(board.Canvas(), Rect(0, 0, 40, 20), gdHorizontalCenter, clWhite, clBlack);
    EXPECT_EQ(PixelAt(board, 33, 0), clWhite);
    EXPECT_EQ(PixelAt(board, 33, 19), clWhite);
    EXPECT_EQ(PixelAt(board, 33, 10), clBlack);

    for (TGradientDirection d : {gdSquareBox, gdBigSquareBox, gdHorizontalBox, gdVerticalBox}) {
        FillBoard(board, 40, 20, clRed);
        FillGradient(board.Canvas(), Rect(0, 0, 40, 20), d, clWhite, clBlack);
        EXPECT_EQ(PixelAt(board, 0, 0), clWhite) << d;
        EXPECT_EQ(PixelAt(board, 39, 19), clWhite) << d;
        EXPECT_EQ(PixelAt(board, 19, 9), clBlack) << d;
        EXPECT_EQ(PixelAt(board, 20, 10), clBlack) << d;
    }
    // The big square box has a plateau of half the size in the middle.
    FillGradient(board.Canvas(), Rect(0, 0, 40, 20), gdBigSquareBox, clWhite, clBlack);
    EXPECT_EQ(PixelAt(board, 12, 6), clBlack);
}

TEST(Gradients, BoxBandsEndOnTinyOrLopsidedAreas) {
    TBitmap board;
    // Too small, or one colour: a plain fill with the start colour.
    FillBoard(board, 4, 4, clRed);
    FillGradient(board.Canvas(), Rect(0, 0, 4, 4), gdSquareBox, clBlue, clBlack);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(PixelAt(board, i, i), clBlue);
    FillBoard(board, 8, 8, clRed);
    FillGradient(board.Canvas(), Rect(0, 0, 8, 8), gdSquareBox, clLime, clLime);
    EXPECT_EQ(PixelAt(board, 4, 4), clLime);
    // A tall narrow box: one edge has almost nowhere to move while the other walks far.
    FillBoard(board, 6, 400, clRed);
    FillGradient(board.Canvas(), Rect(0, 0, 6, 400), gdBigSquareBox, clWhite, clBlack);
    EXPECT_EQ(PixelAt(board, 0, 0), clWhite);
    EXPECT_EQ(PixelAt(board, 2, 200), clBlack);
    EXPECT_NE(PixelAt(board, 2, 120), clRed);
}

TEST(Gradients, DiagonalsRunCornerToCorner) {
    TBitmap board;
    FillBoard(board, 30, 20, clRed);
    FillGradient(board.Canvas(), Rect(0, 0, 30, 20), gdDiagonalDown, clWhite, clBlack);
    EXPECT_GE(GetRValue(PixelAt(board, 0, 0)), 245);
    EXPECT_LE(GetRValue(PixelAt(board, 29, 19)), 10);
    EXPECT_EQ(PixelAt(board, 29, 0), PixelAt(board, 0, 19));  // bands run along the other diagonal
    FillGradient(board.Canvas(), Rect(0, 0, 30, 20), gdDiagonalUp, clWhite, clBlack);
    EXPECT_GE(GetRValue(PixelAt(board, 0, 19)), 245);
    EXPECT_LE(GetRValue(PixelAt(board, 29, 0)), 10);
    FillGradient(board.Canvas(), Rect(0, 0, 30, 20), gdDiagonalUp, clAqua, clAqua);
    EXPECT_EQ(PixelAt(board, 15, 10), clAqua);
}

TEST(ParentBackground, ShowsWhatTheParentDrawsUnderTheControl) {
    TSolidHost host(nullptr, RGBColor(20, 40, 60));
    host.SetBounds(0, 0, 50, 40);
    TSolidHost child(nullptr, clRed);
    child.SetParent(&host);
    child.SetBounds(10, 5, 20, 10);
    TBitmap board;
    FillBoard(board, 20, 10, clWhite);
    DrawParentBackground(child, board.Canvas(), true);
    EXPECT_EQ(PixelAt(board, 0, 0), RGBColor(20, 40, 60));
    EXPECT_EQ(PixelAt(board, 19, 9), RGBColor(20, 40, 60));
    // No parent: nothing drawn, nothing fails.
    TSolidHost loose(nullptr);
    FillBoard(board, 20, 10, clWhite);
    DrawParentBackground(loose, board.Canvas(), false);
    EXPECT_EQ(PixelAt(board, 5, 5), clWhite);
}

// A parent that paints a pattern that changes with every pixel over its upper half and
// leaves its lower half undrawn, so an offset or a missing window colour shows.
class TPatternHost : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void EraseBackground(TCanvas&) override {}
    void Paint() override {
        for (int y = 0; y < Height() / 2; ++y)
            for (int x = 0; x < Width(); ++x) Canvas().SetPixel(x, y, RGBColor(x * 5, y * 9, 200 - x));
    }
};

TEST(ParentBackground, AShownParentGivesWhatItsRenderGives) {
    ShownForm shown(120, 90);
    auto* host = new TPatternHost(&shown.form);
    host->SetParent(shown.host);
    host->SetBounds(5, 5, 40, 30);
    host->SetColor(RGBColor(90, 10, 10));
    QPalette palette = host->palette();
    palette.setColor(QPalette::Window, QColor(10, 90, 10));
    host->setPalette(palette);
    auto* child = new TSolidHost(&shown.form, clRed);
    child->SetParent(host);
    Settle();
    ASSERT_TRUE(host->isVisible());

    // Inside, across the painted and undrawn halves, and running over each edge.
    for (const QRect& place : {QRect(3, 2, 12, 8), QRect(20, 10, 10, 12), QRect(-4, -3, 10, 8), QRect(33, 25, 12, 9)}) {
        child->SetBounds(place.x(), place.y(), place.width(), place.height());
        TBitmap board;
        FillBoard(board, place.width(), place.height(), clWhite);
        DrawParentBackground(*child, board.Canvas(), false);

        // What the window's render of the parent shows there, over the parent's colour.
        const QRect under = place.intersected(host->rect());
        QImage expected(place.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        QImage layer(under.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        host->render(&layer, QPoint(), QRegion(under), QWidget::DrawWindowBackground);
        QPainter p(&expected);
        p.fillRect(QRect(under.topLeft() - place.topLeft(), under.size()), QColor(90, 10, 10));
        p.drawImage(under.topLeft() - place.topLeft(), layer);
        p.end();
        for (int y = 0; y < place.height(); ++y)
            for (int x = 0; x < place.width(); ++x)
                ASSERT_EQ(PixelAt(board, x, y), PixelAt(expected, x, y))
                    << "child at " << place.x() << "," << place.y() << ", pixel " << x << "," << y;
    }
}

}  // namespace
