#pragma once
// The services the framed controls share: colour arithmetic in hue, lightness and
// saturation, the frame painters (twelve frame styles on any sides of a rectangle, in system
// colours or derived from a face colour; each returns the rectangle left inside what it
// drew, so frames stack), the panels' and labels' combined borders, the drop-down arrow,
// text helpers, turned fonts, system version tests and the desktop colour scheme.
#include "FrameGraphics.h"

#include "graphics/TCanvas.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

#include <QString>
#include <QWidget>

enum TFrameStyleEx {
    fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup,
    fsFlatBold, fsFlatRounded
};
// The frame styles a frame controller and the combo box offer (all but fsFlatRounded).
using TFrameStyle = TFrameStyleEx;

enum TSide : unsigned { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = unsigned;
constexpr TSides sdAllSides = sdLeft | sdTop | sdRight | sdBottom;

enum TRzVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TRzGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TBlinkState { bsOn, bsOff };
enum TFramingPreference { fpCustomFraming, fpXPThemes };
enum TRzHotTrackColorType { htctComplement, htctActual };

// ---- Unit state, set at start-up ----
// More than 256 colours on the screen.
extern bool FullColorDisplay;
// The desktop colour scheme: 0 default (blue), 1 olive, 2 silver.
extern int XPColorScheme;
// Sets both (runs once at program start; a theme change reads the scheme again).
void RzCommonInitialization();

// ---- Colours (hue, saturation and lightness on a 0 to 240 scale) ----
void GetColorHls(TColor color, int& hue, int& saturation, int& lightness);
int GetColorHue(TColor color);
TColor MakeColorFromHls(int hue, int saturation, int lightness);
// Same hue and saturation, lightness less `amount` (not below 0).
TColor DarkerColor(TColor color, int amount);
// Lightness plus `amount` (not above 255; above 240 the colour saturates toward white).
TColor LighterColor(TColor color, int amount);
// Darker by -adjustment, lighter by adjustment (taken modulo 256), or the colour itself.
TColor AdjustColor(TColor color, int adjustment);
// Per channel c1·w/255 + c2·(1 - w/255), rounded.
TColor BlendColors(TColor color1, TColor color2, int weight);
// Hues closer than 20 and lightnesses closer than 60.
bool ColorsAreSimilar(TColor color1, TColor color2);
// The hue a third of the circle on, full saturation, the given lightness.
TColor ComplementColor(TColor color, int lightness);
// A colour of the visual theme (clBtnFace while themes are off).
TColor GetXPThemeColor(int kind);
void GetGradientColorPair(TRzGradientColorStyle style, TColor& start, TColor& stop);
TColor GetGradientFrameColor(TRzGradientColorStyle style);
void GetGroupBarColors(TRzGradientColorStyle style, TColor& stop, TColor& start, TColor& pen);

// ---- Frame painters ----
TRect PaintSides(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight, TSides sides = sdAllSides);
TRect PaintBevel(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight, int width,
                 TSides sides = sdAllSides);
// The frames in system colours; on a dark `face` those take the dark look's counterparts
// (ProgramLook::OnFace), so no white bevel shows on a dark control.
TRect PaintCtl3DFrame(TCanvas& canvas, const TRect& rect, bool lowered, TSides sides = sdAllSides,
                      TColor face = clBtnFace);
TRect PaintButtonFrame(TCanvas& canvas, const TRect& rect, bool down, TSides sides = sdAllSides,
                       TColor face = clBtnFace);
TRect PaintColorButtonFrame(TCanvas& canvas, const TRect& rect, TColor faceColor, TSides sides, bool lowered);
TRect PaintFrame(TCanvas& canvas, const TRect& rect, TFrameStyleEx style, TSides sides = sdAllSides,
                 TColor face = clBtnFace);
TRect PaintColorFrame(TCanvas& canvas, const TRect& rect, TColor faceColor, TFrameStyleEx style,
                      TSides sides = sdAllSides);
TRect PaintFlatFrame(TCanvas& canvas, const TRect& rect, TColor color);
TRect PaintDottedFrame(TCanvas& canvas, const TRect& rect);
TRect PaintRoundedFrame(TCanvas& canvas, const TRect& rect, TColor color, TSides sides = sdAllSides);

// The outer border, the border-width band and the inner border of the panels and labels;
// returns the face rectangle.
struct TInnerOuterBorders {
    TFrameStyleEx Outer = fsNone;
    TFrameStyleEx Inner = fsNone;
    int BorderWidth = 0;
    TSides Sides = sdAllSides;
    int BevelWidth = 1;
    TColor BorderColor = clBtnFace;
    TColor BorderHighlight = clBtnHighlight;
    TColor BorderShadow = clBtnShadow;
    TColor FlatColor = clBtnShadow;
    int FlatColorAdjustment = 30;
    TColor FaceColor = clBtnFace;
    TColor ParentColor = clBtnFace;
    bool Transparent = false;
};
TRect PaintInnerOuterBorders(TCanvas& canvas, const TRect& bounds, const TInnerOuterBorders& b);
// The border settings of a framed control (panel or label) with the frame colour it uses.
template <class Control>
TInnerOuterBorders BordersOf(const Control& control, TColor flatColor, int flatColorAdjustment, bool transparent) {
    TInnerOuterBorders b;
    b.Outer = control.BorderOuter();
    b.Inner = control.BorderInner();
    b.BorderWidth = control.BorderWidth();
    b.Sides = control.BorderSides();
    b.BevelWidth = control.BevelWidth();
    b.BorderColor = control.BorderColor();
    b.BorderHighlight = control.BorderHighlight();
    b.BorderShadow = control.BorderShadow();
    b.FlatColor = flatColor;
    b.FlatColorAdjustment = flatColorAdjustment;
    b.FaceColor = control.Color();
    b.ParentColor = control.Parent() ? control.Parent()->Color() : control.Color();
    b.Transparent = transparent;
    return b;
}

// A gradient limited to a 2-pixel rim of the rectangle (full-colour displays only).
void PaintGradientRim(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start, TColor stop);
// The drop-down arrow: style 0 small triangle, 1 chevron, 2 small triangle.
void PaintDropDownArrow(TCanvas& canvas, const TRect& rect, int style, bool enabled);

// ---- Other services ----
// Invalidates every child whose published Transparent property is true.
void InvalidateTransparentChildren(QWidget& container);

// A font turned by an angle: the font with its escapement in tenths of a degree, drawn
// with TCanvas::TextOutAligned.
struct TRotatedFont {
    TFont Font;
    int Escapement = 0;
};
TRotatedFont CreateRotatedFont(const TFont& font, int angle);
// Scalable outline fonts (every installed face here is one).
bool IsTrueTypeFont(const TFont& font);
QChar LastChar(const QString& text);
// The caption without accelerator ampersands ("&&" gives "&"; the last character stays).
QString StripAccelerators(const QString& caption);
// Draws the whole text with the given DT_ flags; returns the text height.
int DrawTextIn(TCanvas& canvas, const QString& text, TRect& rect, unsigned flags);
// One line centred both ways in the rectangle.
void DrawCenteredText(TCanvas& canvas, const QString& text, const TRect& rect);

enum TWindowsVersion { wv95, wvNT4, wv98, wvMe, wv2000, wvXP, wvServer2003, wvVista, wv7 };
bool IsWindowsVersion(TWindowsVersion version);
bool IsWindowsVersionOrLater(TWindowsVersion version);
bool HasFullColorDisplay();
// The desktop colour scheme read from the system (see ColorSchemeFromName).
int ReadXPColorScheme();
// "HOMESTEAD" (any letter case) gives 1, "METALLIC" 2, anything else 0.
int ColorSchemeFromName(const QString& name);
// True when the character is the caption's accelerator (the letter after a single "&").
bool IsAccel(QChar key, const QString& caption);
