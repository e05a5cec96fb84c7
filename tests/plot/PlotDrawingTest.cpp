#include "PlotTestSupport.h"

#include "core/iPlotDrawing.h"
#include "graphics/TBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace {

QRgb Pixel(TBitmap& b, int x, int y) { return b.Image().pixel(x, y) & 0xFFFFFF; }

TEST(PlotDrawing, ShadeColorIsHeldToTheChannelRange) {
    EXPECT_EQ(ShadeColor(clWhite, 64, true), clWhite);
    EXPECT_EQ(ShadeColor(clBlack, 64, false), clBlack);
    EXPECT_EQ(ShadeColor(RGBColor(10, 100, 250), 20, true), RGBColor(30, 120, 255));
    // System colours are resolved first (button face is 0xF0F0F0).
    EXPECT_EQ(ShadeColor(clBtnFace, 32, false), RGBColor(208, 208, 208));
}

TEST(PlotDrawing, TextMeasures) {
    TBitmap b;
    b.SetSize(10, 10);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(MultiLineTextWidth(c, QStringLiteral("AB\r\nABCD")), c.TextWidth(QStringLiteral("ABCD")));
    EXPECT_EQ(MultiLineTextWidth(c, QStringLiteral("ABCD\rAB\nA")), c.TextWidth(QStringLiteral("ABCD")));
    EXPECT_EQ(MultiLineTextWidth(c, QString()), 0);
    const int line = c.TextHeight(QStringLiteral("A"));
    EXPECT_EQ(TextHeightOf(c, QStringLiteral("A\nB")), 2 * line);
    EXPECT_EQ(WrappedTextHeight(c, QStringLiteral("one two three"), c.TextWidth(QStringLiteral("three"))), 3 * line);
    int pos = 0;
    EXPECT_EQ(NextTextLine(QStringLiteral("a\r\nb"), pos), QStringLiteral("a"));
    EXPECT_EQ(pos, 3);
}

TEST(PlotDrawing, DisabledTextIsEmbossedEnabledTextIsPlain) {
    TBitmap b;
    b.SetSize(60, 20);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect({0, 0, 60, 20});
    c.Brush.Style = bsClear;
    c.Font.SetColor(clRed);
    TRect r{0, 0, 60, 20};
    DrawTextFlags(c, QStringLiteral("III"), r, clBtnFace, false, itfSingleLine);
    bool light = false, dark = false, red = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            light |= (Pixel(b, x, y) & 0xFF) > 0xF0;  // lighter than the face
            dark |= std::abs(int(Pixel(b, x, y) & 0xFF) - 0xD0) <= 4;  // the darker shade, give or take smoothing
            red |= Pixel(b, x, y) == 0xFF0000u;
        }
    EXPECT_TRUE(light);
    EXPECT_TRUE(dark);
    EXPECT_FALSE(red);
    EXPECT_EQ(c.Font.Color(), clRed);  // restored
}

TEST(PlotDrawing, RotatedTextReportsItsExtentAroundTheCentre) {
    TBitmap b;
    b.SetSize(100, 100);
    TCanvas& c = b.Canvas();
    const QString t = QStringLiteral("Label");
    const int w = c.TextWidth(t), h = c.TextHeight(t);
    TRect out;
    DrawRotatedText(c, t, {0, 0, 100, 100}, out, clBlack, true, 0, ira090);
    EXPECT_EQ(out, (TRect{50 - h / 2, 50 - w / 2, 50 - h / 2 + h, 50 - w / 2 + w}));
    DrawRotatedText(c, t, {0, 0, 100, 100}, out, clBlack, true, 0, ira000);
    EXPECT_EQ(out, (TRect{50 - w / 2, 50 - h / 2, 50 - w / 2 + w, 50 - h / 2 + h}));
}

TEST(PlotDrawing, TopToBottomGradientRunsFromStartToStop) {
    TBitmap b;
    b.SetSize(10, 100);
    FillGradientRect(b.Canvas(), {0, 0, 10, 100}, ifdTopBottom, clBlue, clBlack);
    EXPECT_EQ(Pixel(b, 5, 0), 0x0000FFu);
    EXPECT_EQ(Pixel(b, 5, 99), 0u);
    const QRgb mid = Pixel(b, 5, 50);
    EXPECT_GT(mid & 0xFF, 0u);
    EXPECT_LT(mid & 0xFF, 255u);
    // Reversed: the stop colour on top.
    FillGradientRect(b.Canvas(), {0, 0, 10, 100}, ifdBottomTop, clBlue, clRed);
    EXPECT_EQ(Pixel(b, 5, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(b, 5, 99), 0x0000FFu);
}

TEST(PlotDrawing, OnePixelGradientDrawsTheStartColourOnce) {
    TBitmap b;
    b.SetSize(10, 3);
    b.Canvas().Brush.Color = clBlack;
    b.Canvas().FillRect({0, 0, 10, 3});
    FillGradientRect(b.Canvas(), {0, 1, 10, 2}, ifdTopBottom, clLime, clRed);
    EXPECT_EQ(Pixel(b, 4, 1), 0x00FF00u);
    EXPECT_EQ(Pixel(b, 4, 0), 0u);
    EXPECT_EQ(Pixel(b, 4, 2), 0u);
}

TEST(PlotDrawing, BorderStyles) {
    TBitmap b;
    b.SetSize(10, 10);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clBlack;
    c.FillRect({0, 0, 10, 10});
    c.Brush.Color = clYellow;
    DrawBorderStyle(c, {0, 0, 10, 10}, 2);
    EXPECT_EQ(Pixel(b, 0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(Pixel(b, 9, 9), Rgb(clBtnShadow));
    EXPECT_EQ(Pixel(b, 5, 5), Rgb(clYellow));
    c.Brush.Color = clBlack;
    c.FillRect({0, 0, 10, 10});
    DrawBorderStyle(c, {0, 0, 10, 10}, 7);
    EXPECT_EQ(Pixel(b, 0, 0), 0u);
}

TEST(PlotDrawing, RectsAndPoints) {
    EXPECT_EQ(NormalizedRect(10, 20, 0, 5), (TRect{0, 5, 10, 20}));
    EXPECT_EQ(OrientedRect(true, 1, 2, 3, 4), (TRect{2, 1, 4, 3}));
    EXPECT_EQ(OrientedPoint(true, 1, 2), (TPoint{2, 1}));
    EXPECT_EQ(OrientedPoint(false, 1, 2), (TPoint{1, 2}));
}

TEST(PlotDrawing, PrecisionDecimals) {
    struct Case {
        int precision, style;
        double span;
        int decimals;
    };
    const Case cases[] = {
        {3, 0, 0.5, 3}, {3, 0, 120, 0}, {2, 0, 1000, 0}, {2, 0, 120, 0}, {3, 0, 1, 2},  {3, 0, 0, 1},
        {0, 0, 5, 0},   {4, 1, 1e6, 4}, {3, 0, 0.05, 4}, {3, 0, 15, 1},  {2, 0, -120, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrecisionDecimals(c.precision, c.style, c.span, 0), c.decimals) << c.precision << " " << c.span;
}

TEST(PlotDrawing, SpansCountWholeUnits) {
    EXPECT_EQ(SpanHours(1.5), 36);
    EXPECT_EQ(SpanMinutes(1.0 / 24), 60);
    EXPECT_EQ(SpanSeconds(2.0 / 86400), 2);
    EXPECT_EQ(SpanMilliseconds(0.5), 43200000);
    EXPECT_EQ(SpanMilliseconds(30), INT_MAX);  // 2.59e9 ms does not fit
}

TEST(PlotDrawing, PaperSizes) {
    struct Case {
        int code;
        double w, h;
    };
    const Case cases[] = {{1, 8.5, 11},          {3, 11, 17},           {4, 17, 11},       {5, 8.5, 14},
                          {8, 297 / 25.4, 420 / 25.4}, {9, 210 / 25.4, 297 / 25.4}, {35, 176 / 25.4, 125 / 25.4},
                          {52, 11.69, 18},       {48, 8.5, 11},         {500, 8.5, 11}};
    for (const Case& c : cases) {
        double w = 0, h = 0;
        PaperSizeInches(c.code, w, h);
        EXPECT_NEAR(w, c.w, 1e-9) << c.code;
        EXPECT_NEAR(h, c.h, 1e-9) << c.code;
    }
}

}  // namespace
