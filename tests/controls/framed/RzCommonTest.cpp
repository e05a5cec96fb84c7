#include "FramedTestSupport.h"
#include "RzCommon.h"

#include <gtest/gtest.h>

namespace {

int Lightness(TColor c) {
    int h, s, l;
    GetColorHls(c, h, s, l);
    return l;
}

TEST(Colors, LightnessArithmetic) {
    EXPECT_EQ(LighterColor(clBlack, 100), RGBColor(106, 106, 106));
    EXPECT_EQ(Lightness(LighterColor(clBlack, 100)), 100);
    EXPECT_EQ(Lightness(DarkerColor(clWhite, 50)), 190);
    EXPECT_EQ(DarkerColor(RGBColor(40, 40, 40), 200), clBlack);    // not below 0
    EXPECT_EQ(LighterColor(RGBColor(200, 200, 200), 200), clWhite);  // saturates toward white
    // No adjustment keeps the colour itself, a system colour included.
    EXPECT_EQ(AdjustColor(clBtnShadow, 0), clBtnShadow);
    EXPECT_EQ(AdjustColor(clSkyBlue, -30), DarkerColor(clSkyBlue, 30));
    EXPECT_EQ(AdjustColor(clSkyBlue, 30), LighterColor(clSkyBlue, 30));
    EXPECT_EQ(AdjustColor(clSkyBlue, 256 + 30), LighterColor(clSkyBlue, 30));  // modulo 256
    EXPECT_EQ(DarkerColor(clBtnShadow, 0), Rgb(clBtnShadow));                   // works in RGB
}

TEST(Colors, HlsRoundTripsThroughEverySector) {
    for (TColor c : {clRed, clYellow, clLime, clAqua, clBlue, clFuchsia, RGBColor(200, 120, 40)}) {
        int h, s, l;
        GetColorHls(c, h, s, l);
        const TColor back = MakeColorFromHls(h, s, l);
        EXPECT_NEAR(GetRValue(back), GetRValue(c), 6) << std::hex << c;
        EXPECT_NEAR(GetGValue(back), GetGValue(c), 6) << std::hex << c;
        EXPECT_NEAR(GetBValue(back), GetBValue(c), 6) << std::hex << c;
    }
    // The hue is scaled by 239, not 240: magenta comes back a little short of blue.
    EXPECT_EQ(MakeColorFromHls(200, 240, 120), RGBColor(255, 0, 250));
    EXPECT_EQ(GetColorHue(clRed), 0);
    EXPECT_EQ(GetColorHue(clLime), 80);
    EXPECT_EQ(GetColorHue(clBlue), 160);
    EXPECT_EQ(MakeColorFromHls(0, 0, 0), clBlack);
}

TEST(Colors, BlendSimilarityAndComplement) {
    EXPECT_EQ(BlendColors(clWhite, clBlack, 255), clWhite);
    EXPECT_EQ(BlendColors(clWhite, clBlack, 0), clBlack);
    EXPECT_EQ(BlendColors(clWhite, clBlack, 128), RGBColor(128, 128, 128));
    EXPECT_EQ(BlendColors(RGBColor(100, 0, 0), RGBColor(0, 0, 200), 51), RGBColor(20, 0, 160));
    EXPECT_TRUE(ColorsAreSimilar(RGBColor(10, 10, 10), clBlack));
    EXPECT_FALSE(ColorsAreSimilar(clWhite, clBlack));
    EXPECT_FALSE(ColorsAreSimilar(clRed, clLime));
    EXPECT_EQ(GetColorHue(ComplementColor(clRed, 120)), 120);
    EXPECT_EQ(GetColorHue(ComplementColor(clBlue, 120)), 40);
}

TEST(Colors, GradientColorsWithoutThemes) {
    TColor start, stop, pen;
    GetGradientColorPair(gcsMSOffice, start, stop);
    EXPECT_EQ(start, clWindow);
    EXPECT_EQ(stop, DarkerColor(clBtnFace, 10));
    EXPECT_EQ(GetGradientFrameColor(gcsSystem), LighterColor(clBtnShadow, 30));
    GetGroupBarColors(gcsSystem, stop, start, pen);
    EXPECT_EQ(stop, DarkerColor(clBtnFace, 20));
    EXPECT_EQ(pen, DarkerColor(clBtnFace, 40));
    EXPECT_EQ(GetXPThemeColor(6), clBtnFace);
}

class Frames : public ::testing::Test {
protected:
    void SetUp() override { FillBoard(board, 12, 10, kBack); }
    TColor At(int x, int y) { return PixelAt(board, x, y); }
    static constexpr TColor kBack = RGBColor(1, 2, 3);
    TBitmap board;
};

TEST_F(Frames, PaintSidesDrawsOnlyTheChosenSidesAndMovesInOnThem) {
    const TRect r = PaintSides(board.Canvas(), Rect(0, 0, 12, 10), clRed, clBlue, sdLeft | sdBottom);
    EXPECT_EQ(r, Rect(1, 0, 12, 9));
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(0, 8), clRed);
    EXPECT_EQ(At(11, 9), clBlue);
    EXPECT_EQ(At(5, 0), kBack);   // no top
    EXPECT_EQ(At(11, 5), kBack);  // no right
    // clNone leaves its sides undrawn but still moves in.
    EXPECT_EQ(PaintSides(board.Canvas(), Rect(2, 2, 8, 8), clNone, clNone), Rect(3, 3, 7, 7));
    EXPECT_EQ(At(2, 2), kBack);
}

TEST_F(Frames, EveryStyleMovesInByItsWidth) {
    struct Case {
        TFrameStyleEx style;
        int inset;
    };
    for (const Case& c : {Case{fsNone, 0}, Case{fsFlat, 1}, Case{fsGroove, 2}, Case{fsBump, 2}, Case{fsLowered, 2},
                          Case{fsButtonDown, 2}, Case{fsRaised, 2}, Case{fsButtonUp, 2}, Case{fsStatus, 1},
                          Case{fsPopup, 1}, Case{fsFlatBold, 2}, Case{fsFlatRounded, 2}}) {
        const TRect r = Rect(0, 0, 12, 10);
        EXPECT_EQ(PaintFrame(board.Canvas(), r, c.style), Rect(c.inset, c.inset, 12 - c.inset, 10 - c.inset))
            << "style " << c.style;
        EXPECT_EQ(PaintColorFrame(board.Canvas(), r, clSkyBlue, c.style), Rect(c.inset, c.inset, 12 - c.inset, 10 - c.inset))
            << "style " << c.style;
    }
}

TEST_F(Frames, GrooveIsADarkRingWithALightOneBelowRight) {
    PaintFrame(board.Canvas(), Rect(0, 0, 12, 10), fsGroove);
    EXPECT_EQ(At(0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(At(1, 1), Rgb(clBtnHighlight));
    EXPECT_EQ(At(10, 8), Rgb(clBtnShadow));
    EXPECT_EQ(At(11, 9), Rgb(clBtnHighlight));
    EXPECT_EQ(At(11, 0), Rgb(clBtnHighlight));  // corner pixels of the light ring
    EXPECT_EQ(At(0, 9), Rgb(clBtnHighlight));
    EXPECT_EQ(At(2, 2), kBack);
}

TEST_F(Frames, RaisedAndLoweredRingsInTheirOrder) {
    PaintFrame(board.Canvas(), Rect(0, 0, 12, 10), fsLowered);
    EXPECT_EQ(At(0, 5), Rgb(clBtnShadow));
    EXPECT_EQ(At(1, 5), Rgb(cl3DDkShadow));
    EXPECT_EQ(At(11, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(At(10, 5), Rgb(cl3DLight));
    PaintColorFrame(board.Canvas(), Rect(0, 0, 12, 10), clSkyBlue, fsRaised);
    EXPECT_EQ(At(5, 0), LighterColor(clSkyBlue, 50));
    EXPECT_EQ(At(5, 1), LighterColor(clSkyBlue, 100));
    EXPECT_EQ(At(5, 9), DarkerColor(clSkyBlue, 100));
    EXPECT_EQ(At(5, 8), DarkerColor(clSkyBlue, 50));
}

TEST_F(Frames, RoundedDottedAndCombinedBorders) {
    EXPECT_EQ(PaintRoundedFrame(board.Canvas(), Rect(0, 0, 12, 10), clRed), Rect(2, 2, 10, 8));
    EXPECT_EQ(At(0, 0), kBack);  // the corners are cut
    EXPECT_EQ(At(1, 1), clRed);
    EXPECT_EQ(At(2, 0), clRed);
    EXPECT_EQ(At(10, 8), clRed);
    EXPECT_EQ(At(11, 9), kBack);

    FillBoard(board, 12, 10, clWhite);
    EXPECT_EQ(PaintDottedFrame(board.Canvas(), Rect(0, 0, 12, 10)), Rect(1, 1, 11, 9));
    EXPECT_EQ(At(0, 0), clWhite);
    EXPECT_EQ(At(1, 0), clBlack);
    EXPECT_EQ(At(2, 0), clWhite);
    EXPECT_EQ(At(0, 1), clBlack);

    FillBoard(board, 12, 10, kBack);
    TInnerOuterBorders b;
    b.Outer = fsFlatBold;
    b.BorderWidth = 2;
    b.BorderColor = clYellow;
    b.Inner = fsFlat;
    b.FlatColor = clBlue;
    b.FlatColorAdjustment = 0;
    EXPECT_EQ(PaintInnerOuterBorders(board.Canvas(), Rect(0, 0, 12, 10), b), Rect(5, 5, 7, 5));
    EXPECT_EQ(At(1, 5), clBlue);
    EXPECT_EQ(At(3, 5), clYellow);
    EXPECT_EQ(At(4, 5), clBlue);
}

TEST_F(Frames, DropDownArrowIsACrispTriangle) {
    FillBoard(board, 17, 20, clWhite);
    PaintDropDownArrow(board.Canvas(), Rect(0, 0, 17, 20), 0, true);
    // Centre (8, 9): rows of 7, 5, 3 and 1 black pixels from y = 7.
    const int widths[] = {7, 5, 3, 1};
    for (int row = 0; row < 4; ++row) {
        int n = 0;
        for (int x = 0; x < 17; ++x) n += PixelAt(board, x, 7 + row) == clBlack;
        EXPECT_EQ(n, widths[row]) << "row " << row;
        EXPECT_EQ(PixelAt(board, 8, 7 + row), clBlack);
    }
    EXPECT_EQ(PixelAt(board, 8, 11), clWhite);
    EXPECT_EQ(board.Canvas().Brush.Color, clWhite);  // the brush is restored
    PaintDropDownArrow(board.Canvas(), Rect(0, 0, 17, 20), 0, false);
    EXPECT_EQ(PixelAt(board, 8, 7), Rgb(clBtnShadow));
}

TEST(TextServices, AcceleratorsAndSchemes) {
    struct Case {
        const char* caption;
        const char* stripped;
    };
    for (const Case& c : {Case{"&Open", "Open"}, Case{"Save && Exit", "Save & Exit"}, Case{"Tail&", "Tail&"},
                          Case{"", ""}, Case{"A&&&B", "A&B"}})
        EXPECT_EQ(StripAccelerators(c.caption), QString(c.stripped)) << c.caption;
    EXPECT_TRUE(IsAccel('o', "&Open"));
    EXPECT_FALSE(IsAccel('e', "Save && Exit"));
    EXPECT_EQ(LastChar("abc"), QChar('c'));
    EXPECT_EQ(ColorSchemeFromName("homestead"), 1);
    EXPECT_EQ(ColorSchemeFromName("Metallic"), 2);
    EXPECT_EQ(ColorSchemeFromName("NormalColor"), 0);
    EXPECT_TRUE(IsWindowsVersionOrLater(wvVista));
    EXPECT_FALSE(IsWindowsVersion(wvXP));
    EXPECT_TRUE(HasFullColorDisplay());
}

}  // namespace
