#include "graphics/ColorContrast.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"
#include "graphics/TSplinePath.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TEST(Colors, SystemColoursResolveThroughTheFixedTable) {
    struct Case {
        TColor in, out;
    };
    const Case cases[] = {
        {clBtnFace, 0xF0F0F0},   {clActiveBorder, 0xB4B4B4}, {clWindow, 0xFFFFFF}, {clWindowText, 0x000000},
        {clHighlight, 0xFF9933}, {clInfoBk, 0xE1FFFF},       {0xFF000019, 0},      {0xFF0000FF, 0},
        {clSkyBlue, 0xF0CAA6},   {clMoneyGreen, 0xC0DCC0},   {clCream, 0xF0FBFF},  {clNone, clNone},
    };
    for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.in), c.out) << std::hex << c.in;
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clSkyBlue), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(ToQColor(clBtnFace), QColor(240, 240, 240));
    EXPECT_EQ(ToQColor(clNone), QColor(0, 0, 0));
    EXPECT_EQ(RGBColor(1, 2, 3), 0x030201u);
}

// Disabled text and colours behind text read at 4.5:1 on any face; a colour that already
// reads (grey text on the light button face, black on silver) stays as it is.
TEST(Colors, ReadableColoursForDisabledTextAndBehindCaptions) {
    EXPECT_NEAR(ContrastRatio(clBlack, clWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(clSilver, clSilver), 1.0, 1e-9);
    EXPECT_TRUE(IsDarkColor(RGBColor(35, 38, 44)));
    EXPECT_FALSE(IsDarkColor(clBtnFace));
    for (const TColor face : {TColor(clBtnFace), clWhite, clBlack, RGBColor(35, 38, 44), RGBColor(120, 120, 120),
                              clNavy, RGBColor(0xDF, 0xFF, 0xFF)}) {
        const TColor text = DisabledTextOn(face);
        EXPECT_GE(ContrastRatio(text, face), 4.5) << std::hex << face;
        EXPECT_LT(ContrastRatio(text, face), 7.0) << std::hex << face << " muted, not full strength";
    }
    EXPECT_EQ(DisabledTextOn(clBtnFace), clGrayText);
    struct Case {
        TColor color, text;
        bool kept;
    };
    const Case cases[] = {{clSilver, clBlack, true},  {clSilver, clWhite, false}, {clWhite, clWhite, false},
                          {clBtnFace, clWhite, false}, {RGBColor(40, 40, 40), clWhite, true}, {clBlack, clBlack, false}};
    for (const Case& c : cases) {
        const TColor behind = ReadableBehind(c.color, c.text);
        EXPECT_GE(ContrastRatio(behind, c.text), 4.5) << std::hex << c.color << " " << c.text;
        EXPECT_EQ(behind == ColorToRGB(c.color) || behind == c.color, c.kept) << std::hex << c.color << " " << c.text;
    }
}

TEST(Fonts, PointsAndPixelsAt96Dpi) {
    struct Case {
        int size, height;
    };
    for (const Case& c : {Case{8, -11}, Case{11, -15}, Case{60, -80}, Case{10, -13}, Case{0, 0}}) {
        TFont f;
        f.SetSize(c.size);
        EXPECT_EQ(f.Height(), c.height) << c.size;
        f.SetHeight(c.height);
        EXPECT_EQ(f.Size(), c.size) << c.height;
    }
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(-11, 72, 96), -8);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
}

TEST(Fonts, FaceNamesMapToInstalledFamiliesWithACjkFallback) {
    EXPECT_EQ(TFont::SubstituteFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(TFont::SubstituteFamily("tahoma"), "Liberation Sans");
    EXPECT_EQ(TFont::SubstituteFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(TFont::SubstituteFamily("Verdana"), "Liberation Sans");
    EXPECT_EQ(TFont::SubstituteFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(TFont::SubstituteFamily("Symbol"), "Liberation Serif");
    EXPECT_EQ(TFont::SubstituteFamily(""), "Liberation Sans");
    EXPECT_EQ(TFont::SubstituteFamily("DejaVu Sans"), "DejaVu Sans");

    TFont f;
    f.SetName("Times New Roman");
    f.SetHeight(-11);
    f.SetStyle(fsBold);
    const QFont q = f.ToQFont();
    EXPECT_EQ(q.pixelSize(), 11);
    EXPECT_TRUE(q.bold());
    ASSERT_EQ(q.families().size(), 2);
    EXPECT_EQ(q.families()[0], "Liberation Serif");
    EXPECT_EQ(q.families()[1], "WenQuanYi Micro Hei");
    // A positive height is the cell height.
    f.SetHeight(20);
    EXPECT_NEAR(QFontMetrics(f.ToQFont()).height(), 20, 1);
    // Heights of any int give a usable font without overflowing.
    for (int height : {std::numeric_limits<int>::min(), -100000, 100000, std::numeric_limits<int>::max()}) {
        f.SetHeight(height);
        const int pixels = f.ToQFont().pixelSize();
        EXPECT_GT(pixels, 0) << height;
        EXPECT_LE(pixels, 0x7FFF) << height;
    }
}

class Canvas : public ::testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(20, 20);
        canvas().Brush.Color = clWhite;
        canvas().FillRect(Rect(0, 0, 20, 20));
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    QColor At(int x, int y) const { return QColor(bitmap.Image().pixel(x, y)); }

    TBitmap bitmap;
};

TEST_F(Canvas, ShapesExcludeTheirRightAndBottomEdges) {
    canvas().Pen.Color = clRed;
    canvas().Brush.Color = clBlue;
    canvas().Rectangle(2, 2, 6, 6);
    EXPECT_EQ(At(2, 2), QColor(Qt::red));
    EXPECT_EQ(At(5, 5), QColor(Qt::red));
    EXPECT_EQ(At(3, 3), QColor(Qt::blue));
    EXPECT_EQ(At(6, 6), QColor(Qt::white));

    canvas().Brush.Color = clLime;
    canvas().FillRect(Rect(10, 10, 12, 12));
    EXPECT_EQ(At(11, 11), QColor(Qt::green));
    EXPECT_EQ(At(12, 12), QColor(Qt::white));

    canvas().MoveTo(0, 15);
    canvas().LineTo(8, 15);
    EXPECT_EQ(At(0, 15), QColor(Qt::red));
    EXPECT_EQ(At(7, 15), QColor(Qt::red));
    EXPECT_EQ(At(8, 15), QColor(Qt::white));
    EXPECT_EQ(canvas().PenPos, (TPoint{8, 15}));
    canvas().LineTo(8, 10);  // upwards: 15 .. 11
    EXPECT_EQ(At(8, 15), QColor(Qt::red));
    EXPECT_EQ(At(8, 11), QColor(Qt::red));
    EXPECT_EQ(At(8, 10), QColor(Qt::white));
    canvas().Pen.Width = 2;  // a two-pixel pen covers the point and the pixel before it
    canvas().MoveTo(12, 2);
    canvas().LineTo(18, 2);
    EXPECT_EQ(At(14, 1), QColor(Qt::red));
    EXPECT_EQ(At(14, 2), QColor(Qt::red));
    EXPECT_EQ(At(14, 3), QColor(Qt::white));
}

TEST_F(Canvas, HatchedAndClearBrushesLeaveTheBackground) {
    canvas().Pen.Style = psClear;
    canvas().Brush.Style = bsClear;
    canvas().Rectangle(0, 0, 10, 10);
    EXPECT_EQ(At(4, 4), QColor(Qt::white));
    canvas().Brush.Style = bsCross;
    canvas().Brush.Color = clBlack;
    canvas().Rectangle(0, 0, 20, 20);
    int black = 0;
    for (int x = 0; x < 20; ++x) black += At(x, 9) == QColor(Qt::black);
    EXPECT_GT(black, 0);
    EXPECT_LT(black, 20);
}

TEST_F(Canvas, TextGetsTheBrushAsBackgroundOnlyWhileTheBrushIsSolid) {
    std::vector<std::pair<QPoint, QString>> drawn;
    TCanvas::SetTextOutHook([&](const TCanvas& c, int x, int y, const QString& t) {
        EXPECT_EQ(&c, &canvas());
        drawn.push_back({QPoint(x, y), t});
    });
    canvas().Brush.Style = bsClear;
    canvas().TextOut(2, 2, "  ");
    EXPECT_EQ(At(3, 4), QColor(Qt::white));
    canvas().Brush.Style = bsSolid;
    canvas().Brush.Color = clRed;
    canvas().TextOut(2, 2, "  ");
    EXPECT_EQ(At(3, 4), QColor(Qt::red));
    canvas().TextOut(2, 2, "");  // nothing to draw, nothing recorded
    TCanvas::SetTextOutHook(nullptr);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].first, QPoint(2, 2));
    EXPECT_GT(canvas().TextWidth("W"), 0);
    EXPECT_EQ(canvas().TextHeight("x"), QFontMetrics(canvas().Font.ToQFont()).height());
}

TEST_F(Canvas, CopiesBitmapsAndInvertsWithThePenMode) {
    canvas().Brush.Color = clBlue;
    canvas().FillRect(Rect(0, 0, 4, 4));
    TBitmap other;
    other.SetSize(10, 10);
    other.Canvas().CopyRect(Rect(5, 5, 9, 9), canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(QColor(other.Image().pixel(6, 6)), QColor(Qt::blue));
    EXPECT_EQ(QColor(other.Image().pixel(4, 4)), QColor(Qt::black));
    other.Canvas().CopyRect(Rect(8, -2, 12, 2), canvas(), Rect(0, 0, 4, 4));  // partly outside
    EXPECT_EQ(QColor(other.Image().pixel(9, 1)), QColor(Qt::blue));

    canvas().Pen.Mode = pmNot;
    canvas().Brush.Style = bsClear;
    canvas().Rectangle(0, 0, 10, 10);
    EXPECT_EQ(At(0, 5), QColor(Qt::black));  // white inverted
    canvas().Rectangle(0, 0, 10, 10);
    EXPECT_EQ(At(0, 5), QColor(Qt::white));  // and back

    // Resizing keeps what was drawn.
    bitmap.SetSize(30, 30);
    EXPECT_EQ(At(2, 2), QColor(Qt::blue));
    EXPECT_EQ(At(25, 25), QColor(Qt::black));

    // A canvas without an image draws nothing and still measures.
    TCanvas none;
    none.Rectangle(0, 0, 5, 5);
    none.TextOut(0, 0, "x");
    EXPECT_GT(none.TextWidth("x"), 0);
}

TEST_F(Canvas, SplinePathFillsTranslucentlyWithTheAlternateRule) {
    canvas().Brush.Color = clBlack;
    canvas().FillRect(Rect(0, 0, 20, 20));
    const QColor grey(128, 128, 128, 30);
    // Two overlapping squares in one figure: the overlap is outside by the alternate rule.
    TSplinePath path;
    const TPoint top[] = {{0, 0}, {12, 0}};
    path.AddCurve(top, 2);
    path.AddLine(12, 12, 0, 12);
    path.AddLine(0, 0, 6, 6);
    path.AddLine(18, 6, 18, 18);
    path.AddLine(6, 18, 6, 6);
    path.Fill(canvas(), grey);
    const int once = At(2, 8).green();
    EXPECT_NEAR(once, 15, 1);
    EXPECT_EQ(At(9, 9), QColor(Qt::black));
    EXPECT_NEAR(At(15, 15).green(), 15, 1);
    path.Fill(canvas(), grey);
    EXPECT_GT(At(2, 8).green(), once);

    // A translucent one-pixel outline blends each pixel once, corners included.
    TBitmap dark;
    dark.SetSize(10, 10);
    TSplinePath corner;
    corner.AddLine(1, 1, 6, 1);
    corner.AddLine(6, 1, 6, 6);
    corner.Draw(dark.Canvas(), QColor(255, 255, 255, 128), 1);
    EXPECT_EQ(QColor(dark.Image().pixel(3, 1)).red(), 128);
    EXPECT_EQ(QColor(dark.Image().pixel(6, 1)).red(), 128);
    EXPECT_EQ(QColor(dark.Image().pixel(6, 6)).red(), 0);  // the figure's last pixel is left out

    // A cardinal spline passes through its points.
    TBitmap b;
    b.SetSize(30, 30);
    TSplinePath curve;
    const TPoint points[] = {{0, 20}, {10, 5}, {20, 20}, {29, 5}};
    curve.AddCurve(points, 4);
    curve.Draw(b.Canvas(), QColor(255, 255, 255), 3);
    EXPECT_EQ(QColor(b.Image().pixel(10, 5)), QColor(Qt::white));
    EXPECT_EQ(QColor(b.Image().pixel(20, 19)), QColor(Qt::white));
    EXPECT_EQ(QColor(b.Image().pixel(5, 25)), QColor(Qt::black));
}

}  // namespace
