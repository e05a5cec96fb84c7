#include "graphics/GdiDrawing.h"
#include "graphics/TBitmap.h"
#include "graphics/TImageList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QRgb Pixel(TBitmap& b, int x, int y) { return b.Image().pixel(x, y) & 0xFFFFFF; }

TBitmap& Blank(TBitmap& b, int w, int h) {
    b.SetSize(w, h);
    b.Canvas().Brush.Color = clBlack;
    b.Canvas().FillRect({0, 0, w, h});
    return b;
}

TEST(CanvasClip, EveryOperationStaysInsideTheClipRectangle) {
    TBitmap b;
    Blank(b, 40, 20);
    TCanvas& c = b.Canvas();
    c.SetClipRect({10, 5, 20, 15});
    c.Brush.Color = clWhite;
    c.FillRect({0, 0, 40, 20});
    c.Pen.Color = clRed;
    c.MoveTo(0, 2);
    c.LineTo(40, 2);  // outside the clip: not drawn
    c.MoveTo(0, 10);
    c.LineTo(40, 10);
    c.Pen.Color = clLime;
    const TPoint diag[] = {{0, 0}, {39, 19}};
    c.Polyline(diag, 2);
    EXPECT_EQ(Pixel(b, 9, 10), 0u);
    EXPECT_EQ(Pixel(b, 10, 10), 0xFF0000u);
    EXPECT_EQ(Pixel(b, 19, 10), 0xFF0000u);
    EXPECT_EQ(Pixel(b, 20, 10), 0u);
    EXPECT_EQ(Pixel(b, 15, 2), 0u);
    EXPECT_EQ(Pixel(b, 18, 13), 0xFFFFFFu);
    EXPECT_EQ(Pixel(b, 25, 12), 0u);
    ASSERT_TRUE(c.ClipRect().has_value());
    EXPECT_EQ(*c.ClipRect(), (TRect{10, 5, 20, 15}));
    c.ClearClipRect();
    c.FillRect({0, 0, 1, 1});
    EXPECT_EQ(Pixel(b, 0, 0), 0xFFFFFFu);
}

TEST(CanvasPolygon, FillsWithTheBrushAndOutlinesWithThePen) {
    TBitmap b;
    Blank(b, 20, 20);
    TCanvas& c = b.Canvas();
    c.Pen.Color = clRed;
    c.Brush.Color = clBlue;
    const TPoint diamond[] = {{15, 10}, {10, 15}, {5, 10}, {10, 5}};
    c.Polygon(diamond, 4);
    EXPECT_EQ(Pixel(b, 10, 10), 0x0000FFu);  // inside: brush
    EXPECT_EQ(Pixel(b, 10, 5), 0xFF0000u);   // corner: pen
    EXPECT_EQ(Pixel(b, 5, 5), 0u);           // outside
}

TEST(DrawTextFlags, MeasuresAlignsAndBreaksLines) {
    TBitmap b;
    Blank(b, 200, 100);
    TCanvas& c = b.Canvas();
    c.Font.SetColor(clWhite);
    c.Brush.Style = bsClear;
    const int h = c.TextHeight(QStringLiteral("A"));
    const int wide = c.TextWidth(QStringLiteral("ABCD"));

    TRect r{5, 5, 5, 5};
    EXPECT_EQ(DrawText(c, QStringLiteral("AB\r\nABCD"), r, DT_CALCRECT), 2 * h);
    EXPECT_EQ(r, (TRect{5, 5, 5 + wide, 5 + 2 * h}));
    // Prefixes: "&&" stays one "&", a single "&" goes; with DT_NOPREFIX both are shown.
    r = {0, 0, 0, 0};
    DrawText(c, QStringLiteral("A&&B&C"), r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Right, c.TextWidth(QStringLiteral("A&BC")));
    r = {0, 0, 0, 0};
    DrawText(c, QStringLiteral("A&&B"), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(r.Right, c.TextWidth(QStringLiteral("A&&B")));
    // Word break at the rectangle's width.
    r = {0, 0, c.TextWidth(QStringLiteral("AAA BBB")) - 1, 0};
    EXPECT_EQ(DrawText(c, QStringLiteral("AAA BBB"), r, DT_CALCRECT | DT_WORDBREAK), 2 * h);

    // Right-aligned, vertically centred single line: ink only near the right edge.
    TRect box{0, 0, 200, 100};
    DrawText(c, QStringLiteral("WW"), box, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    int inkLeft = 200, inkTop = 100, inkBottom = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (Pixel(b, x, y)) {
                inkLeft = std::min(inkLeft, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
    EXPECT_GE(inkLeft, 200 - c.TextWidth(QStringLiteral("WW")) - 1);
    EXPECT_GT(inkTop, 50 - h);
    EXPECT_LT(inkBottom, 50 + h);
}

TEST(DrawTextFlags, ClipsUnlessNoClipAndShortensWithEllipsis) {
    TBitmap b;
    Blank(b, 100, 30);
    TCanvas& c = b.Canvas();
    c.Font.SetColor(clWhite);
    c.Brush.Style = bsClear;
    TRect r{0, 0, 10, 30};
    DrawText(c, QStringLiteral("WWWWWW"), r, 0);
    for (int y = 0; y < 30; ++y) EXPECT_EQ(Pixel(b, 12, y), 0u) << y;
    r = {0, 0, 10, 30};
    DrawText(c, QStringLiteral("WWWWWW"), r, DT_NOCLIP);
    bool beyond = false;
    for (int y = 0; y < 30; ++y) beyond |= Pixel(b, 20, y) != 0;
    EXPECT_TRUE(beyond);
    r = {0, 0, c.TextWidth(QStringLiteral("WW...")), 0};
    DrawText(c, QStringLiteral("WWWWWW"), r, DT_CALCRECT | DT_END_ELLIPSIS | DT_SINGLELINE);
    EXPECT_EQ(r.Right, c.TextWidth(QStringLiteral("WW...")));
}

TEST(TextOutAngle, NinetyDegreesReadsUpwardsFromThePoint) {
    TBitmap b;
    Blank(b, 100, 100);
    TCanvas& c = b.Canvas();
    c.Font.SetColor(clWhite);
    c.Brush.Style = bsClear;
    TextOutAngle(c, 50, 80, QStringLiteral("WWWW"), 900);
    const int w = c.TextWidth(QStringLiteral("WWWW")), h = c.TextHeight(QStringLiteral("W"));
    int minX = 100, maxX = 0, minY = 100, maxY = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (Pixel(b, x, y)) {
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
    EXPECT_GE(minX, 50);
    EXPECT_LE(maxX, 50 + h);
    EXPECT_GE(minY, 80 - w - 1);
    EXPECT_LE(maxY, 80);
    EXPECT_GT(maxY - minY, maxX - minX);  // taller than wide
}

TEST(Edges, SunkenAndRaisedUseTheSystemShades) {
    TBitmap b;
    Blank(b, 10, 10);
    DrawEdge(b.Canvas(), {0, 0, 10, 10}, EDGE_SUNKEN);
    EXPECT_EQ(Pixel(b, 3, 0), ToQColor(clBtnShadow).rgb() & 0xFFFFFFu);
    EXPECT_EQ(Pixel(b, 3, 9), ToQColor(clBtnHighlight).rgb() & 0xFFFFFFu);
    EXPECT_EQ(Pixel(b, 3, 1), ToQColor(cl3DDkShadow).rgb() & 0xFFFFFFu);
    EXPECT_EQ(Pixel(b, 3, 8), ToQColor(cl3DLight).rgb() & 0xFFFFFFu);
    EXPECT_EQ(Pixel(b, 5, 5), 0u);
    Blank(b, 10, 10);
    DrawEdge(b.Canvas(), {0, 0, 10, 10}, EDGE_RAISED);
    EXPECT_EQ(Pixel(b, 0, 3), ToQColor(cl3DLight).rgb() & 0xFFFFFFu);
    EXPECT_EQ(Pixel(b, 9, 3), ToQColor(cl3DDkShadow).rgb() & 0xFFFFFFu);
}

TEST(FocusRect, InvertsEveryOtherFramePixelAndUndoesItself) {
    TBitmap b;
    Blank(b, 12, 8);
    DrawFocusRect(b.Canvas(), {1, 1, 11, 7});
    EXPECT_EQ(Pixel(b, 2, 2), 0u);  // inside untouched
    int lit = 0;
    for (int x = 1; x < 11; ++x) lit += Pixel(b, x, 1) == 0xFFFFFFu;
    EXPECT_EQ(lit, 5);
    EXPECT_NE(Pixel(b, 1, 1), Pixel(b, 2, 1));
    DrawFocusRect(b.Canvas(), {1, 1, 11, 7});
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 8; ++y) EXPECT_EQ(Pixel(b, x, y), 0u);
}

TEST(ImageList, MaskColourIsTransparentAndDisabledImagesAreGrey) {
    TImageList list(4, 4);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 128));  // teal: the mask colour
    picture.setPixel(1, 1, qRgb(255, 0, 0));
    EXPECT_EQ(list.AddMasked(picture, clTeal), 0);
    TBitmap b;
    Blank(b, 20, 10);
    list.Draw(b.Canvas(), 2, 2, 0, true);
    list.Draw(b.Canvas(), 12, 2, 0, false);
    list.Draw(b.Canvas(), 0, 0, 5, true);  // no such image: nothing
    EXPECT_EQ(Pixel(b, 3, 3), 0xFF0000u);
    EXPECT_EQ(Pixel(b, 2, 2), 0u);
    const QColor grey(b.Image().pixel(13, 3));
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_GT(grey.red(), 128);
    EXPECT_EQ(Pixel(b, 0, 0), 0u);
}

}  // namespace
