#include "AdvGDIP.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QImage White(int w = 40, int h = 40) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

}  // namespace

TEST(DrawingLayer, StatusKeepsTheLastFailureUntilRead) {
    QImage image = White();
    TGPGraphics g(&image);
    EXPECT_EQ(g.DrawLine(nullptr, 0, 0, 5, 5), TStatus::InvalidParameter);
    TGPSolidBrush brush(0xFF000000);
    EXPECT_EQ(g.FillRectangle(&brush, 1, 1, 2, 2), TStatus::Ok);
    EXPECT_EQ(g.GetLastStatus(), TStatus::InvalidParameter);
    EXPECT_EQ(g.GetLastStatus(), TStatus::Ok);

    TGPBrush bare;
    EXPECT_EQ(bare.GetLastStatus(), TStatus::NotImplemented);

    TGPLinearGradientBrush linear(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical);
    const ARGB colors[1] = {0xFF000000};
    const float positions[1] = {0};
    EXPECT_EQ(linear.SetInterpolationColors(colors, positions, 0), TStatus::InvalidParameter);

    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(0, 0, 10, 10);
    TGPPathGradientBrush path(&ellipse);
    ARGB surround[2] = {0xFF00FF00, 0xFF0000FF};
    int count = 2;
    EXPECT_EQ(path.SetSurroundColors(surround, count), TStatus::Ok);
    int tooFew = 1;
    ARGB out[2];
    EXPECT_EQ(path.GetSurroundColors(out, tooFew), TStatus::InsufficientBuffer);
    int enough = 2;
    EXPECT_EQ(path.GetSurroundColors(out, enough), TStatus::Ok);
    EXPECT_EQ(out[1], 0xFF0000FFu);
    int tooMany = path.GetPointCount() + 1;
    std::vector<ARGB> many(std::size_t(tooMany), 0xFF000000);
    EXPECT_EQ(path.SetSurroundColors(many.data(), tooMany), TStatus::InvalidParameter);
}

TEST(DrawingLayer, ColourPacking) {
    EXPECT_EQ(OpaqueArgb(0x0000FF), 0xFFFF0000u);
    EXPECT_EQ(AlphaArgb(128, 0xFF0000), 0x800000FFu);
    EXPECT_EQ(OpaqueArgb(clHighlight), 0xFF3399FFu);  // system colours resolve first
    EXPECT_EQ(PackArgb(1, 2, 3, 4), 0x01020304u);
    EXPECT_EQ(OpaqueArgbFromParts(0x12, 0x34, 0x56), 0xFF123456u);
    EXPECT_EQ(ArgbRedPart(0xFF123456), 0x12);
    EXPECT_EQ(ArgbGreenPart(0xFF123456), 0x34);
    EXPECT_EQ(ArgbBluePart(0xFF123456), 0x56);
}

TEST(DrawingLayer, OnePixelLinesLandOnPixelCentresAndArcsTurnClockwise) {
    QImage image = White();
    {
        TGPGraphics g(&image);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPPen pen(0xFF000000, 1);
        g.DrawLine(&pen, 2, 1, 30, 1);
        // A quarter circle from 3 o'clock to 6 o'clock.
        g.DrawArc(&pen, 10, 10, 20, 20, 0, 90);
    }
    EXPECT_EQ(qRed(image.pixel(10, 1)), 0);
    EXPECT_EQ(image.pixel(10, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 2), qRgb(255, 255, 255));
    // The arc passes below-right of the centre (20, 20), not above it.
    EXPECT_LT(qRed(image.pixel(27, 27)), 160);
    EXPECT_EQ(image.pixel(27, 13), qRgb(255, 255, 255));
}

TEST(DrawingLayer, DegenerateGradientsAndUnfilledKindsPaintNothing) {
    QImage image = White();
    {
        TGPGraphics g(&image);
        TGPLinearGradientBrush flat(TGPRectF{5, 5, 0, 20}, 0xFF000000, 0xFF000000, LinearGradientModeVertical);
        EXPECT_EQ(flat.GetLastStatus(), TStatus::OutOfMemory);
        EXPECT_EQ(g.FillRectangle(&flat, 0, 0, 40, 40), TStatus::InvalidParameter);
        for (TAdvGradientType kind : {gtRadial, gtPath, gtNone, gtTexture}) {
            TGDIPFillParams p;
            p.Graphics = &g;
            p.Rect = TGPRectF{10, 10, 20, 20};
            p.GradientType = kind;
            p.Color = clRed;
            p.ColorTo = clBlue;
            p.BorderColor = clBlack;
            p.BorderWidth = 1;
            PaintFillParams(p);
        }
    }
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));  // no fill
    EXPECT_EQ(image.pixel(20, 10), qRgb(0, 0, 0));        // the outline
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(DrawingLayer, FillKindsPaintTheirColours) {
    QImage image = White(64, 32);
    {
        TGPGraphics g(&image);
        TGDIPFillParams p;
        p.Graphics = &g;
        p.Rect = TGPRectF{0, 0, 16, 16};
        p.GradientType = gtHatch;
        p.Hatch = HatchStyleHorizontal;
        p.Color = clRed;
        p.ColorTo = clBlue;
        PaintFillParams(p);
        p.Rect = TGPRectF{20, 0, 20, 30};
        p.GradientType = gtVertical;
        p.Color = clBlack;
        p.ColorTo = clWhite;
        p.TopLine = true;
        PaintFillParams(p);
    }
    // An 8 x 8 hatch: the first row of each tile in the foreground, the rest background.
    EXPECT_EQ(image.pixel(4, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(4, 3), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(4, 8), qRgb(255, 0, 0));
    // A vertical gradient darkest at the top, lightest at the bottom.
    EXPECT_LT(qRed(image.pixel(30, 3)), qRed(image.pixel(30, 15)));
    EXPECT_LT(qRed(image.pixel(30, 15)), qRed(image.pixel(30, 27)));
}

TEST(DrawingLayer, FontsFallBackAndCarryTheirStyle) {
    TFont font;
    font.SetName(QStringLiteral("No Such Face 123"));
    font.SetSize(12);
    font.SetStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
    const auto made = TGPGraphics::MakeFont(font);
    ASSERT_TRUE(made->IsValid());
    EXPECT_EQ(made->GetStyle(), 7);
    EXPECT_EQ(made->GetSize(), 12.0f);
    EXPECT_EQ(made->FamilyName(), TFont::SubstituteFamily(QStringLiteral("Arial")));

    TGPFontFamily missing(QStringLiteral("No Such Face 123"));
    EXPECT_EQ(missing.GetLastStatus(), TStatus::FontFamilyNotFound);
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), TGPFontFamily::GenericSansSerif());
}

TEST(DrawingLayer, DrawTextMeasuresWithTheTrimAllowance) {
    QImage image = White(200, 60);
    {
    TGPGraphics g(&image);
    struct Case {
        int points;
        int allowance;
    };
    for (const Case c : {Case{8, 2}, Case{9, 3}, Case{11, 4}, Case{14, 6}}) {
        TFont font;
        font.SetSize(c.points);
        const auto made = TGPGraphics::MakeFont(font);
        TGPRectF box;
        g.MeasureString(QStringLiteral("abi"), -1, made.get(), TGPRectF{10, 5, 1010, 40}, nullptr, box);
        TRect r{10, 5, 10, 45};
        const int height = g.DrawText(QStringLiteral("ab "), -1, r, font, DT_CALCRECT, clNone);
        EXPECT_EQ(r.Right - r.Left, RoundEven(box.Width - c.allowance)) << c.points << " points";
        EXPECT_EQ(height, RoundEven(box.Height));
        EXPECT_EQ(r.Bottom - r.Top, height);
    }
    }
    // Measuring only drew nothing.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255));
}

TEST(DrawingLayer, DrawTextWithBackgroundFillsWithoutText) {
    QImage image = White(200, 40);
    {
        TGPGraphics g(&image);
        TFont font;
        TRect r{10, 10, 10, 30};
        g.DrawText(QStringLiteral("Gain"), -1, r, font, DT_CALCRECT, clBlue);
        EXPECT_GT(r.Right, 10);
    }
    EXPECT_EQ(image.pixel(13, 15), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(5, 15), qRgb(255, 255, 255));
}
