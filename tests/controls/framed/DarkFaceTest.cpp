// Controls on dark faces: a latched button's caption stays readable on its down pattern,
// disabled captions are one readable colour, bevels take the dark look's colours instead of
// white, and focus shows as the look's solid frame, not as dots.
#include "FramedTestSupport.h"
#include "RzButton.h"
#include "VrButtons.h"

#include "ui/ProgramLook.h"

#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace {

constexpr TColor kDarkFace = RGBColor(46, 52, 61);

TRzButton* LatchButton(ShownForm& f, TColor face, TColor text) {
    auto* b = new TRzButton(&f.form);
    b->SetParent(f.host);
    b->SetThemeAware(false);
    b->SetBounds(10, 10, 70, 24);
    b->SetColor(face);
    TFont font = b->Font();
    font.SetColor(text);
    b->SetFont(font);
    b->SetCaption("Byp");
    b->SetGroupIndex(1);
    b->SetDown(true);
    b->Show();
    return b;
}

// Every colour of the latched face (away from the caption and the frame).
std::set<TColor> PatternColours(const QImage& shot) {
    std::set<TColor> colours;
    for (int y = 4; y < 7; ++y)
        for (int x = 4; x < 14; ++x) colours.insert(PixelAt(shot, x, y));
    return colours;
}

TEST(DarkFaces, ALatchedButtonKeepsItsCaptionReadableOnItsDownPattern) {
    ShownForm f;
    struct Case {
        TColor face, text;
    };
    const Case cases[] = {{kDarkFace, clWhite}, {clBtnFace, clBlack}, {clSilver, clWhite}};
    for (const Case& c : cases) {
        TRzButton* b = LatchButton(f, c.face, c.text);
        const QImage shot = Grab(*b);
        const std::set<TColor> colours = PatternColours(shot);
        if (c.face == kDarkFace) EXPECT_EQ(colours.size(), 2u) << "still a two-colour pattern";
        for (const TColor colour : colours)
            EXPECT_GE(ContrastRatio(colour, c.text), 4.5) << std::hex << c.face << " " << colour;
        delete b;
    }
    // A light face with black text keeps its silver dots.
    TRzButton* light = LatchButton(f, clBtnFace, clBlack);
    EXPECT_TRUE(PatternColours(Grab(*light)).contains(RGBColor(0xC0, 0xC0, 0xC0)));
}

TEST(DarkFaces, ADisabledButtonCaptionIsOneReadableColour) {
    ShownForm f;
    TRzButton* b = LatchButton(f, kDarkFace, clWhite);
    b->SetGroupIndex(0);
    TFont large = b->Font();
    large.SetHeight(-18);
    large.SetStyle(fsBold);
    b->SetFont(large);
    b->SetEnabled(false);
    const QImage shot = Grab(*b);
    const TColor expected = DisabledTextOn(kDarkFace);
    int caption = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) caption += PixelAt(shot, x, y) == expected;
    EXPECT_GT(caption, 5);
    EXPECT_GE(ContrastRatio(expected, kDarkFace), 4.5);
}

// A text button on black: its bevel's light side is the dark look's light colour, not
// white; on a light face the same button keeps the white highlight.
TEST(DarkFaces, TextButtonBevelsFollowTheFace) {
    ShownForm f;
    for (const TColor face : {clBlack, TColor(clBtnFace)}) {
        auto* b = new TVrDemoButton(&f.form);
        b->SetParent(f.host);
        b->SetBounds(10, 10, 65, 17);
        b->SetColor(face);
        b->SetBevelWidth(1);
        b->SetCaption("EQ Bypass");
        b->Show();
        const QImage shot = Grab(*b);
        // Inside the one-pixel outline, the top bevel line.
        const TColor top = PixelAt(shot, 20, 1);
        if (face == clBlack) {
            EXPECT_EQ(top, ProgramLook::OnFace(clBtnHighlight, clBlack));
            EXPECT_NE(top, clWhite);
        } else {
            EXPECT_EQ(top, clWhite);
        }
        delete b;
    }
}

TEST(DarkFaces, AFocusedButtonShowsTheSolidFocusFrame) {
    ShownForm f;
    TRzButton* b = LatchButton(f, kDarkFace, clWhite);
    b->SetGroupIndex(0);
    b->SetFocus();
    Settle();
    ASSERT_TRUE(b->Focused());
    const QImage shot = Grab(*b);
    const TColor focus = RGBColor(ProgramLook::kFocus.red(), ProgramLook::kFocus.green(), ProgramLook::kFocus.blue());
    // The frame 4 pixels in, solid along its top edge.
    for (int x = 6; x < 20; ++x) EXPECT_EQ(PixelAt(shot, x, 4), focus) << x;
}

}  // namespace
