#include "RzCommon.h"

#include "graphics/DrawText.h"
#include "ui/ProgramLook.h"
#include "ui/SystemInfo.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cmath>

bool FullColorDisplay = true;
int XPColorScheme = 0;

namespace {

struct SchemeColors {
    TColor Start, Stop, Frame;
};

// Gradient colours of the desktop colour schemes (default blue, olive, silver).
constexpr std::array<SchemeColors, 3> kSchemes = {{
    {RGBColor(227, 239, 255), RGBColor(153, 187, 234), RGBColor(87, 127, 191)},
    {RGBColor(255, 255, 237), RGBColor(184, 199, 146), RGBColor(127, 161, 119)},
    {RGBColor(249, 249, 255), RGBColor(189, 188, 208), RGBColor(159, 159, 177)},
}};

const SchemeColors& Scheme() { return kSchemes[std::size_t(std::clamp(XPColorScheme, 0, 2))]; }

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

// One line from (x1, y1) up to, not including, (x2, y2) in the colour.
void Line(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

TRect Shrunk(TRect r, int by, TSides sides) {
    if (sides & sdLeft) r.Left += by;
    if (sides & sdTop) r.Top += by;
    if (sides & sdRight) r.Right -= by;
    if (sides & sdBottom) r.Bottom -= by;
    return r;
}

// The groove (dark a, light b): a dark ring with a light ring one pixel to its lower right.
TRect PaintGroove(TCanvas& canvas, const TRect& r, TColor a, TColor b, TSides sides) {
    // Corner pixels where a drawn side meets a missing one.
    if (sides & (sdRight | sdTop)) canvas.SetPixel(r.Right - 1, r.Top, (sides & sdRight) ? b : a);
    if (sides & (sdBottom | sdLeft)) canvas.SetPixel(r.Left, r.Bottom - 1, (sides & sdBottom) ? b : a);
    if ((sides & sdTop) && !(sides & sdLeft)) canvas.SetPixel(r.Left, r.Top + 1, b);
    if ((sides & sdLeft) && !(sides & sdTop)) canvas.SetPixel(r.Left + 1, r.Top, b);
    if ((sides & sdBottom) && !(sides & sdRight)) canvas.SetPixel(r.Right - 1, r.Bottom - 2, a);
    if ((sides & sdRight) && !(sides & sdBottom)) canvas.SetPixel(r.Right - 2, r.Bottom - 1, a);
    PaintSides(canvas, Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom), b, b, sides);
    PaintSides(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), a, a, sides);
    return Shrunk(r, 2, sides);
}

// Two rings: the outer one first, the inner one inside it.
TRect TwoRings(TCanvas& canvas, const TRect& r, TColor outerTl, TColor outerBr, TColor innerTl, TColor innerBr,
               TSides sides) {
    const TRect inner = PaintSides(canvas, r, outerTl, outerBr, sides);
    return PaintSides(canvas, inner, innerTl, innerBr, sides);
}

// A one-pixel ring in the colour on all the given sides.
TRect Ring(TCanvas& canvas, const TRect& r, TColor color, TSides sides) {
    return PaintSides(canvas, r, color, color, sides);
}

// The panels' and labels' outer and inner styles that draw bevels of their own.
TRect PaintBorder(TCanvas& canvas, TRect r, TFrameStyleEx style, const TInnerOuterBorders& b, TColor m, bool inner) {
    const TColor light = ProgramLook::OnFace(b.BorderHighlight, b.FaceColor);
    const TColor shadow = ProgramLook::OnFace(b.BorderShadow, b.FaceColor);
    switch (style) {
    case fsFlat: return PaintBevel(canvas, r, m, m, 1, b.Sides);
    case fsFlatBold: return PaintBevel(canvas, r, m, m, 2, b.Sides);
    case fsPopup: return PaintBevel(canvas, r, light, shadow, b.BevelWidth, b.Sides);
    case fsStatus: return PaintBevel(canvas, r, shadow, light, b.BevelWidth, b.Sides);
    case fsFlatRounded:
        if (!inner) {
            const bool gap = b.BorderWidth > 0 || b.Inner != fsNone;
            if (!b.Transparent) {
                const TRect in = Ring(canvas, r, b.ParentColor, sdAllSides);
                Ring(canvas, in, gap ? b.BorderColor : b.FaceColor, sdAllSides);
            } else if (gap) {
                Ring(canvas, Shrunk(r, 1, sdAllSides), b.BorderColor, sdAllSides);
            }
        } else {
            const TRect in = Ring(canvas, r, b.BorderColor, b.Sides);
            if (!b.Transparent) Ring(canvas, in, b.FaceColor, b.Sides);
        }
        return PaintRoundedFrame(canvas, r, m, b.Sides);
    default: return PaintFrame(canvas, r, style, b.Sides, b.FaceColor);
    }
}

}  // namespace

void RzCommonInitialization() {
    FullColorDisplay = HasFullColorDisplay();
    XPColorScheme = ReadXPColorScheme();
}

namespace {
// The unit's start-up, once at program start.
const bool kInitialized = (RzCommonInitialization(), true);
}  // namespace

void GetColorHls(TColor color, int& hue, int& saturation, int& lightness) {
    const TColor rgb = ColorToRGB(color);
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double l = (mx + mn) / 2;
    double h = 0, s = 0;
    if (mx != mn) {
        const double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (r == mx)
            h = (g - b) / d;
        else if (g == mx)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h /= 6;
        if (h < 0) h += 1;
    }
    hue = RoundHalfEven(h * 240);
    saturation = RoundHalfEven(s * 240);
    lightness = RoundHalfEven(l * 240);
}

int GetColorHue(TColor color) {
    int h, s, l;
    GetColorHls(color, h, s, l);
    return h;
}

TColor MakeColorFromHls(int hue, int saturation, int lightness) {
    const double l = lightness / 240.0, s = saturation / 240.0;
    const double m2 = l >= 0.5 ? l + s - l * s : l * (s + 1);
    if (m2 <= 0) return clBlack;
    const double x = hue / 239.0 * 6;
    const int sector = int(x);
    const double f = x - sector, m1 = 2 * l - m2, v = (m2 - m1) * f;
    double r = 0, g = 0, b = 0;
    switch (sector) {
    case 1: r = m2 - v; g = m2; b = m1; break;
    case 2: r = m1; g = m2; b = m1 + v; break;
    case 3: r = m1; g = m2 - v; b = m2; break;
    case 4: r = m1 + v; g = m1; b = m2; break;
    case 5: r = m2; g = m1; b = m2 - v; break;
    default: r = m2; g = m1 + v; b = m1; break;  // sectors 0 and 6
    }
    const auto channel = [](double c) { return RoundHalfEven(std::clamp(c, 0.0, 1.0) * 255); };
    return RGBColor(channel(r), channel(g), channel(b));
}

TColor DarkerColor(TColor color, int amount) {
    int h, s, l;
    GetColorHls(color, h, s, l);
    return MakeColorFromHls(h, s, std::max(0, l - (amount & 0xFF)));
}

TColor LighterColor(TColor color, int amount) {
    int h, s, l;
    GetColorHls(color, h, s, l);
    return MakeColorFromHls(h, s, std::min(255, l + (amount & 0xFF)));
}

TColor AdjustColor(TColor color, int adjustment) {
    if (adjustment < 0) return DarkerColor(color, (-adjustment) & 0xFF);
    if (adjustment == 0) return color;
    return LighterColor(color, adjustment & 0xFF);
}

TColor BlendColors(TColor color1, TColor color2, int weight) {
    return MixColors(color1, color2, double(float(weight) / 255.0f));
}

bool ColorsAreSimilar(TColor color1, TColor color2) {
    int h1, s1, l1, h2, s2, l2;
    GetColorHls(color1, h1, s1, l1);
    GetColorHls(color2, h2, s2, l2);
    return std::abs(h1 - h2) < 20 && std::abs(l1 - l2) < 60;
}

TColor ComplementColor(TColor color, int lightness) {
    const int h = GetColorHue(color);
    return MakeColorFromHls(h < 120 ? h + 120 : h - 120, 240, lightness);
}

TColor GetXPThemeColor(int kind) {
    Q_UNUSED(kind);
    // Themes are off: every kind is the button face.
    return clBtnFace;
}

void GetGradientColorPair(TRzGradientColorStyle style, TColor& start, TColor& stop) {
    if (style == gcsMSOffice && ThemesEnabled()) {
        start = Scheme().Start;
        stop = Scheme().Stop;
    } else {
        start = clWindow;
        stop = DarkerColor(clBtnFace, 10);
    }
}

TColor GetGradientFrameColor(TRzGradientColorStyle style) {
    if (style == gcsMSOffice && ThemesEnabled()) return Scheme().Frame;
    return LighterColor(clBtnShadow, 30);
}

void GetGroupBarColors(TRzGradientColorStyle style, TColor& stop, TColor& start, TColor& pen) {
    if (style == gcsMSOffice && ThemesEnabled()) {
        stop = Scheme().Stop;
        start = Scheme().Start;
        pen = Scheme().Stop;
    } else {
        stop = DarkerColor(clBtnFace, 20);
        start = clWindow;
        pen = DarkerColor(clBtnFace, 40);
    }
}

TRect PaintSides(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight, TSides sides) {
    if (topLeft != clNone) {
        if (sides & sdLeft) Line(canvas, r.Left, r.Top, r.Left, r.Bottom, topLeft);
        if (sides & sdTop) Line(canvas, r.Left, r.Top, r.Right, r.Top, topLeft);
    }
    if (bottomRight != clNone) {
        if (sides & sdRight) Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom, bottomRight);
        if (sides & sdBottom) Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, bottomRight);
    }
    return Shrunk(r, 1, sides);
}

TRect PaintBevel(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight, int width, TSides sides) {
    TRect r = rect;
    for (int i = 0; i < width; ++i) r = PaintSides(canvas, r, topLeft, bottomRight, sides);
    return r;
}

TRect PaintCtl3DFrame(TCanvas& canvas, const TRect& rect, bool lowered, TSides sides, TColor face) {
    const auto f = [face](TColor c) { return ProgramLook::OnFace(c, face); };
    if (lowered) return TwoRings(canvas, rect, f(clBtnShadow), f(clBtnHighlight), f(cl3DDkShadow), f(cl3DLight), sides);
    return TwoRings(canvas, rect, f(cl3DLight), f(cl3DDkShadow), f(clBtnHighlight), f(clBtnShadow), sides);
}

TRect PaintButtonFrame(TCanvas& canvas, const TRect& rect, bool down, TSides sides, TColor face) {
    const auto f = [face](TColor c) { return ProgramLook::OnFace(c, face); };
    // The dark outer ring of a pressed frame: the text colour on a light face, the darkest
    // shadow on a dark one (where the text colour is light).
    const TColor outer = IsDarkColor(face) ? f(cl3DDkShadow) : clBtnText;
    if (down) return TwoRings(canvas, rect, outer, outer, f(clBtnShadow), f(clBtnShadow), sides);
    return TwoRings(canvas, rect, f(clBtnHighlight), f(cl3DDkShadow), f(cl3DLight), f(clBtnShadow), sides);
}

TRect PaintColorButtonFrame(TCanvas& canvas, const TRect& rect, TColor face, TSides sides, bool lowered) {
    if (lowered)
        return TwoRings(canvas, rect, DarkerColor(face, 100), DarkerColor(face, 100), DarkerColor(face, 50),
                        DarkerColor(face, 50), sides);
    return TwoRings(canvas, rect, LighterColor(face, 100), DarkerColor(face, 100), LighterColor(face, 40),
                    DarkerColor(face, 50), sides);
}

TRect PaintFrame(TCanvas& canvas, const TRect& rect, TFrameStyleEx style, TSides sides, TColor face) {
    const TColor shadow = ProgramLook::OnFace(clBtnShadow, face);
    const TColor light = ProgramLook::OnFace(clBtnHighlight, face);
    const TColor dark = ProgramLook::OnFace(cl3DDkShadow, face);
    switch (style) {
    case fsNone: return rect;
    case fsFlat: return PaintSides(canvas, rect, dark, dark, sides);
    case fsGroove: return PaintGroove(canvas, rect, shadow, light, sides);
    case fsBump: return PaintGroove(canvas, rect, light, shadow, sides);
    case fsLowered: return PaintCtl3DFrame(canvas, rect, true, sides, face);
    case fsRaised: return PaintCtl3DFrame(canvas, rect, false, sides, face);
    case fsButtonDown: return PaintButtonFrame(canvas, rect, true, sides, face);
    case fsButtonUp: return PaintButtonFrame(canvas, rect, false, sides, face);
    case fsStatus: return PaintSides(canvas, rect, shadow, light, sides);
    case fsPopup: return PaintSides(canvas, rect, light, shadow, sides);
    case fsFlatBold: return PaintBevel(canvas, rect, shadow, shadow, 2, sides);
    case fsFlatRounded: return PaintRoundedFrame(canvas, rect, shadow, sides);
    }
    return rect;
}

TRect PaintColorFrame(TCanvas& canvas, const TRect& rect, TColor face, TFrameStyleEx style, TSides sides) {
    const TColor d50 = DarkerColor(face, 50), d100 = DarkerColor(face, 100);
    const TColor l50 = LighterColor(face, 50), l100 = LighterColor(face, 100);
    switch (style) {
    case fsNone: return rect;
    case fsFlat: return PaintSides(canvas, rect, d50, d50, sides);
    case fsGroove: return PaintGroove(canvas, rect, d50, l100, sides);
    case fsBump:
    case fsFlatRounded: return PaintGroove(canvas, rect, l100, d50, sides);
    case fsLowered: return TwoRings(canvas, rect, d50, l100, d100, l50, sides);
    case fsRaised: return TwoRings(canvas, rect, l50, d100, l100, d50, sides);
    case fsButtonDown: return PaintColorButtonFrame(canvas, rect, face, sides, true);
    case fsButtonUp: return PaintColorButtonFrame(canvas, rect, face, sides, false);
    case fsStatus: return PaintSides(canvas, rect, d50, l100, sides);
    case fsPopup: return PaintSides(canvas, rect, l100, d50, sides);
    case fsFlatBold: return TwoRings(canvas, rect, d50, d50, d50, d50, sides);
    }
    return rect;
}

TRect PaintFlatFrame(TCanvas& canvas, const TRect& rect, TColor color) {
    return PaintSides(canvas, rect, color, color, sdAllSides);
}

TRect PaintDottedFrame(TCanvas& canvas, const TRect& r) {
    for (int x = r.Left + 1; x < r.Right; x += 2) {
        canvas.SetPixel(x, r.Top, clBlack);
        canvas.SetPixel(x, r.Bottom - 1, clBlack);
    }
    for (int y = r.Top + 1; y < r.Bottom; y += 2) {
        canvas.SetPixel(r.Left, y, clBlack);
        canvas.SetPixel(r.Right - 1, y, clBlack);
    }
    return Shrunk(r, 1, sdAllSides);
}

TRect PaintRoundedFrame(TCanvas& canvas, const TRect& r, TColor color, TSides sides) {
    const bool l = sides & sdLeft, t = sides & sdTop, rt = sides & sdRight, b = sides & sdBottom;
    const int top = t ? r.Top + 2 : r.Top, bottom = b ? r.Bottom - 2 : r.Bottom;
    const int left = l ? r.Left + 2 : r.Left, right = rt ? r.Right - 2 : r.Right;
    if (l) Line(canvas, r.Left, top, r.Left, bottom, color);
    if (t) Line(canvas, left, r.Top, right, r.Top, color);
    if (rt) Line(canvas, r.Right - 1, top, r.Right - 1, bottom, color);
    if (b) Line(canvas, left, r.Bottom - 1, right, r.Bottom - 1, color);
    if (l && t) canvas.SetPixel(r.Left + 1, r.Top + 1, color);
    if (t && rt) canvas.SetPixel(r.Right - 2, r.Top + 1, color);
    if (rt && b) canvas.SetPixel(r.Right - 2, r.Bottom - 2, color);
    if (b && l) canvas.SetPixel(r.Left + 1, r.Bottom - 2, color);
    return Shrunk(r, 2, sides);
}

TRect PaintInnerOuterBorders(TCanvas& canvas, const TRect& bounds, const TInnerOuterBorders& b) {
    const TColor m = AdjustColor(b.FlatColor, b.FlatColorAdjustment);
    TRect r = PaintBorder(canvas, bounds, b.Outer, b, m, false);
    if (b.BorderWidth > 0) r = PaintBevel(canvas, r, b.BorderColor, b.BorderColor, b.BorderWidth, b.Sides);
    return PaintBorder(canvas, r, b.Inner, b, m, true);
}

void PaintGradientRim(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start, TColor stop) {
    if (!FullColorDisplay || rect.Width() <= 0 || rect.Height() <= 0) return;
    // The gradient of the whole rectangle, off-screen; only its 2-pixel rim is copied.
    TBitmap gradient;
    gradient.SetSize(rect.Width(), rect.Height());
    FillGradient(gradient.Canvas(), Rect(0, 0, rect.Width(), rect.Height()), direction, start, stop, 1);
    const int w = rect.Width(), h = rect.Height();
    const TRect strips[] = {Rect(0, 0, w, std::min(2, h)), Rect(0, std::max(0, h - 2), w, h),
                            Rect(0, 0, std::min(2, w), h), Rect(std::max(0, w - 2), 0, w, h)};
    for (const TRect& s : strips)
        canvas.CopyRect(Rect(rect.Left + s.Left, rect.Top + s.Top, rect.Left + s.Right, rect.Top + s.Bottom),
                        gradient.Canvas(), s);
}

void PaintDropDownArrow(TCanvas& canvas, const TRect& rect, int style, bool enabled) {
    if (IsWindowsVersionOrLater(wvVista)) style = 2;
    TColor color = clBtnShadow;
    if (enabled) {
        if (style == 1) {
            // The themed chevron takes the theme's arrow colour; themes are off here.
            color = ColorsAreSimilar(clBlack, clWindow) ? cl3DDkShadow : clBlack;
        } else if (IsDarkColor(canvas.Brush.Color)) {
            // On a dark button the arrow takes the dark look's text colour.
            color = ProgramLook::OnFace(clBtnText, canvas.Brush.Color);
        } else {
            color = ColorsAreSimilar(canvas.Brush.Color, clBlack) ? cl3DDkShadow : clBlack;
        }
    }
    const TPenStyle oldPen = canvas.Pen.Style;
    const TColor oldBrush = canvas.Brush.Color;
    const TBrushStyle oldBrushStyle = canvas.Brush.Style;
    canvas.Pen.Style = psClear;
    const int cx = rect.Left + rect.Width() / 2;
    const int cy = rect.Top + rect.Height() / 2 - (rect.Height() % 2 == 0 ? 1 : 0);
    canvas.Brush.Color = color;
    canvas.Brush.Style = bsSolid;
    if (style == 1) {
        const TPoint chevron[] = {{cx, cy + 4}, {cx - 4, cy - 1}, {cx - 3, cy - 3},
                                  {cx, cy + 1}, {cx + 3, cy - 3}, {cx + 5, cy - 1}};
        canvas.Polygon(chevron, 6);
    } else {
        // The triangle (cx, cy + 2), (cx - 3, cy - 2), (cx + 4, cy - 2) as a polygon without a
        // pen fills it: rows of 7, 5, 3 and 1 pixels.
        for (int i = 0; i < 4; ++i) canvas.FillRect(Rect(cx - 3 + i, cy - 2 + i, cx + 4 - i, cy - 1 + i));
    }
    canvas.Pen.Style = oldPen;
    canvas.Brush.Color = oldBrush;
    canvas.Brush.Style = oldBrushStyle;
}

void InvalidateTransparentChildren(QWidget& container) {
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->property("Transparent").toBool()) widget->update();
    }
}

TRotatedFont CreateRotatedFont(const TFont& font, int angle) { return TRotatedFont{font, angle * 10}; }

bool IsTrueTypeFont(const TFont& font) {
    return QFontDatabase::isScalable(QFontInfo(font.ToQFont()).family());
}

QChar LastChar(const QString& text) { return text.isEmpty() ? QChar() : text.back(); }

QString StripAccelerators(const QString& caption) {
    // The text routine's rule, except that a lone "&" at the end stays.
    qsizetype ampersands = 0;
    while (ampersands < caption.size() && caption[caption.size() - 1 - ampersands] == QLatin1Char('&')) ++ampersands;
    return ampersands % 2 ? StripPrefixes(caption) + QLatin1Char('&') : StripPrefixes(caption);
}

int DrawTextIn(TCanvas& canvas, const QString& text, TRect& rect, unsigned flags) {
    return DrawText(canvas, text, rect, flags);
}

void DrawCenteredText(TCanvas& canvas, const QString& text, const TRect& rect) {
    TRect r = rect;
    DrawText(canvas, text, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

bool IsWindowsVersion(TWindowsVersion version) {
    const TOsVersion v = OsVersion();
    const auto exactly = [&](int major, int minor) { return v.Nt && v.Major == major && v.Minor == minor; };
    switch (version) {
    case wv95: return !v.Nt && v.Major <= 4 && v.Minor == 0;
    case wv98: return !v.Nt && v.Major <= 4 && v.Minor == 10;
    case wvMe: return !v.Nt && v.Major <= 4 && v.Minor == 90;
    case wvNT4: return v.Nt && v.Major <= 4;
    case wv2000: return exactly(5, 0);
    case wvXP: return exactly(5, 1);
    case wvServer2003: return exactly(5, 2);
    case wvVista: return exactly(6, 0);
    case wv7: return exactly(6, 1);
    }
    return false;
}

bool IsWindowsVersionOrLater(TWindowsVersion version) {
    const TOsVersion v = OsVersion();
    if (version == wvVista) return v.Nt && v.Major > 5;
    return IsWindowsVersion(version);
}

bool HasFullColorDisplay() { return ScreenColorCount() == -1; }

int ReadXPColorScheme() { return ColorSchemeFromName(DesktopColorSchemeName()); }

int ColorSchemeFromName(const QString& name) {
    const QString upper = name.toUpper();
    if (upper == QLatin1String("HOMESTEAD")) return 1;
    if (upper == QLatin1String("METALLIC")) return 2;
    return 0;
}

bool IsAccel(QChar key, const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper() == key.toUpper();
    }
    return false;
}
