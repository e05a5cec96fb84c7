#include "GDIPFill.h"
#include "StyledTestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

QImage Blank(int w = 60, int h = 60) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

TGPRectF Fill(TGDIPFill& fill, QImage& image, const TGPRectF& r, std::uint8_t opacity = 255) {
    TGPGraphics g(&image);
    return fill.Fill(&g, r, 255, opacity);
}

}  // namespace

TEST(Fill, ReturnsTheRectangleLeftAfterTheShadow) {
    struct Case {
        TShadowType type;
        int offset;
        TGPRectF expected;
    };
    const TGPRectF r{10, 10, 40, 30};
    for (const Case& c : {Case{stRightBottom, 5, {10, 10, 35, 25}}, Case{stSurround, 5, {15, 15, 30, 20}},
                          Case{stBottom, 5, {10, 10, 40, 25}}, Case{stRightBottom, 0, r}}) {
        TGDIPFill fill;
        fill.SetShadowType(c.type);
        fill.SetShadowOffset(c.offset);
        QImage image = Blank();
        EXPECT_EQ(Fill(fill, image, r), c.expected) << int(c.type) << " " << c.offset;
    }
}

TEST(Fill, NotifiesEffectiveChangesOnlyOutsideUpdates) {
    TGDIPFill fill;
    int changes = 0;
    fill.OnChange = [&](TGDIPFill* sender) {
        EXPECT_EQ(sender, &fill);
        ++changes;
    };
    fill.SetColor(clSilver);  // the value it has
    EXPECT_EQ(changes, 0);
    fill.SetColor(clRed);
    fill.SetRounding(4);
    EXPECT_EQ(changes, 2);
    fill.BeginUpdate();
    fill.SetColorTo(clBlue);
    fill.EndUpdate();
    EXPECT_EQ(changes, 2);

    TGDIPFill source;
    QBuffer png;
    png.setData(ImageFile(Solid(4, 4, Qt::red), "PNG"));
    png.open(QIODevice::ReadOnly);
    source.Picture().LoadFromStream(&png);
    source.SetGlow(gmRadial);
    source.SetFocus(true);
    fill.Assign(source);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(fill.Glow(), gmRadial);
    EXPECT_FALSE(fill.Focus());
    EXPECT_EQ(fill.Picture().Width(), 4);
    EXPECT_TRUE(bool(fill.OnChange));
}

TEST(Fill, ColoursOpacitiesAndKinds) {
    {  // An opacity argument below 255 overrides the descriptor's.
        TGDIPFill fill;
        fill.SetGradientType(gtSolid);
        fill.SetColor(clBlack);
        QImage image = Blank();
        Fill(fill, image, TGPRectF{0, 0, 60, 60}, 128);
        EXPECT_NEAR(qRed(image.pixel(30, 30)), 127, 2);
        image = Blank();
        Fill(fill, image, TGPRectF{0, 0, 60, 60}, 255);
        EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 0));
    }
    {  // No start colour: no fill; no end colour: a solid fill.
        TGDIPFill fill;
        fill.SetColor(clNone);
        QImage image = Blank();
        Fill(fill, image, TGPRectF{0, 0, 60, 60});
        EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
        fill.SetColor(clBlue);
        fill.SetColorTo(clNone);
        Fill(fill, image, TGPRectF{0, 0, 60, 60});
        EXPECT_EQ(image.pixel(30, 5), qRgb(0, 0, 255));
        EXPECT_EQ(image.pixel(30, 55), qRgb(0, 0, 255));
    }
    {  // A mirror colour splits the fill into halves.
        TGDIPFill fill;
        fill.SetGradientType(gtSolid);
        fill.SetColor(clRed);
        fill.SetColorMirror(clLime);
        fill.SetGradientMirrorType(gtSolid);
        QImage image = Blank();
        Fill(fill, image, TGPRectF{0, 0, 60, 60});
        EXPECT_EQ(image.pixel(30, 10), qRgb(255, 0, 0));
        EXPECT_EQ(image.pixel(30, 50), qRgb(0, 255, 0));
        // With a hatch the mirror is ignored.
        fill.SetGradientType(gtHatch);
        fill.SetHatchStyle(HatchStyle50Percent);
        fill.SetColorTo(clBlue);
        image = Blank();
        Fill(fill, image, TGPRectF{0, 0, 60, 60});
        EXPECT_NE(image.pixel(30, 50), qRgb(0, 255, 0));
    }
    {  // gtPath fills nothing; the border is still drawn.
        TGDIPFill fill;
        fill.SetGradientType(gtPath);
        fill.SetBorderColor(clBlack);
        QImage image = Blank();
        Fill(fill, image, TGPRectF{10, 10, 40, 40});
        EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(30, 10), qRgb(0, 0, 0));
    }
}

TEST(Fill, ALineRectangleDrawsOnlyTheBorderLine) {
    TGDIPFill fill;
    fill.SetBorderColor(clRed);
    QImage image = Blank();
    Fill(fill, image, TGPRectF{5, 20, 40, 1});
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(20, 21), qRgb(255, 255, 255));
    fill.SetBorderWidth(0);
    image = Blank();
    Fill(fill, image, TGPRectF{5, 20, 40, 1});
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));
}

TEST(Fill, APictureOnlyFillPlacesThePictureAtTheBottomCentre) {
    TGDIPFill fill;
    fill.SetColor(clNone);
    fill.SetColorTo(clNone);
    fill.SetOpacity(249);
    QBuffer png;
    png.setData(ImageFile(Solid(10, 6, Qt::red), "PNG"));
    png.open(QIODevice::ReadOnly);
    fill.Picture().LoadFromStream(&png);
    fill.SetPicturePosition(ppBottomCenter);
    QImage image = Blank();
    Fill(fill, image, TGPRectF{0, 0, 60, 40});
    EXPECT_EQ(image.pixel(25, 34), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(34, 39), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(24, 36), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(25, 33), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(30, 10), qRgb(255, 255, 255));
}

TEST(Fill, FocusOutlineAndRoundedBorder) {
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clWhite);
    fill.SetBorderColor(clBlack);
    fill.SetRounding(8);
    fill.SetFocus(true);
    QImage image = Blank();
    {
        TGPGraphics g(&image);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        fill.Fill(&g, TGPRectF{0, 0, 50, 50});
    }
    EXPECT_EQ(fill.FocusRect(), (TGPRectF{1, 1, 48, 48}));
    EXPECT_EQ(image.pixel(25, 0), qRgb(0, 0, 0));         // the border's straight part
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));     // outside the rounded corner
    // The dotted focus outline one pixel inside: every other pixel.
    EXPECT_NE(image.pixel(24, 1), image.pixel(25, 1));
}

TEST(Fill, FitPictureAspect) {
    struct Case {
        double w, h, W, H;
        TPictureMode mode;
        double outW, outH;
    };
    for (const Case& c : {Case{10, 5, 100, 100, pmStretch, 100, 50}, Case{10, 5, 100, 100, pmNormal, 10, 5},
                          Case{100, 50, 20, 40, pmNormal, 20, 10}, Case{10, 20, 100, 100, pmStretch, 50, 100},
                          Case{0, 5, 100, 100, pmStretch, 0, 0}}) {
        double w = -1, h = -1;
        FitPictureAspect(c.w, c.h, c.W, c.H, c.mode, w, h);
        EXPECT_DOUBLE_EQ(w, c.outW);
        EXPECT_DOUBLE_EQ(h, c.outH);
    }
}
