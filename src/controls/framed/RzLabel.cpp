#include "RzLabel.h"

#include "ChangedWriter.h"
#include "RzBlinkingControlsList.h"
#include "RzOldPropReader.h"

#include "graphics/ColorContrast.h"
#include "graphics/DrawText.h"
#include "rtl/RtlMath.h"
#include "ui/TWinControl.h"

#include <cmath>
#include <numbers>

namespace {

// The width an outer or inner border style adds to each bordered side when sizing.
int SizingBorder(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    case fsGroove: case fsBump: case fsLowered: case fsButtonDown: case fsRaised: case fsButtonUp: return 2;
    default: return 0;  // fsNone, fsFlatBold, fsFlatRounded
    }
}

int RectBorder(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
    }
}

}  // namespace

namespace {

// The colour behind a label's text: its parent's where the label is transparent.
TColor FaceOf(const TRzLabel& label) {
    const TWinControl* parent = label.Parent();
    return label.Transparent() && parent ? parent->Color() : label.Color();
}

}  // namespace

TRzLabel::TRzLabel(TComponent* owner) : TCustomLabel(owner) {
    SetControlStyle(ControlStyle() | csOpaque);
    FInitColor = true;
    SetColor(clBtnFace);
    SetParentColor(true);
    FInitColor = false;
    FFontColor = FCurrentColor = Font().Color();
    AddBlinkingControl(this);
}

TRzLabel::~TRzLabel() {
    SwitchFrameController(FFrameController, nullptr, this);
    RemoveBlinkingControl(this);
}

// Writers that store a changed value and repaint.
#define Q7K_REPAINT_WRITER(Name, Type, Field) Q7K_CHANGED_WRITER(TRzLabel, Name, Type, Field, Invalidate())

Q7K_REPAINT_WRITER(BlinkColor, TColor, FBlinkColor)
Q7K_REPAINT_WRITER(BorderColor, TColor, FBorderColor)
Q7K_REPAINT_WRITER(BorderHighlight, TColor, FBorderHighlight)
Q7K_REPAINT_WRITER(BorderShadow, TColor, FBorderShadow)
Q7K_REPAINT_WRITER(CenterPoint, TCenterPoint, FCenterPoint)
Q7K_REPAINT_WRITER(FlatColor, TColor, FFlatColor)
Q7K_REPAINT_WRITER(FlatColorAdjustment, int, FFlatColorAdjustment)
Q7K_REPAINT_WRITER(FlyByColor, TColor, FFlyByColor)
Q7K_REPAINT_WRITER(HighlightColor, TColor, FHighlightColor)
Q7K_REPAINT_WRITER(LightTextStyle, bool, FLightTextStyle)
Q7K_REPAINT_WRITER(ShadowColor, TColor, FShadowColor)
Q7K_REPAINT_WRITER(ShadowDepth, int, FShadowDepth)
Q7K_REPAINT_WRITER(TextMargin, int, FTextMargin)
Q7K_REPAINT_WRITER(TextStyle, TTextStyle, FTextStyle)

#undef Q7K_REPAINT_WRITER

// Writers that store a changed value and measure the label again.
#define Q7K_MEASURE_WRITER(Name, Type, Field) Q7K_CHANGED_WRITER(TRzLabel, Name, Type, Field, AdjustBounds())

Q7K_MEASURE_WRITER(BevelWidth, int, FBevelWidth)
Q7K_MEASURE_WRITER(BorderInner, TFrameStyleEx, FBorderInner)
Q7K_MEASURE_WRITER(BorderOuter, TFrameStyleEx, FBorderOuter)
Q7K_MEASURE_WRITER(BorderSides, TSides, FBorderSides)
Q7K_MEASURE_WRITER(BorderWidth, int, FBorderWidth)

#undef Q7K_MEASURE_WRITER

int TRzLabel::BlinkIntervalOff() const { return BlinkingControls ? BlinkingControls->IntervalOff() : 500; }
void TRzLabel::SetBlinkIntervalOff(int ms) {
    if (BlinkingControls) BlinkingControls->SetIntervalOff(ms);
}
int TRzLabel::BlinkIntervalOn() const { return BlinkingControls ? BlinkingControls->IntervalOn() : 500; }
void TRzLabel::SetBlinkIntervalOn(int ms) {
    if (BlinkingControls) BlinkingControls->SetIntervalOn(ms);
}

void TRzLabel::SetAngle(int value) {
    // Any angle, negative or past a full turn, comes to 0 .. 359.
    value = ((value % 360) + 360) % 360;
    if (value == FAngle) return;
    FAngle = value;
    if (FAngle != 0 && FRotation == roNone) FRotation = roFlat;
    CheckTrueType();
    AdjustBounds();
    Repaint();
}

void TRzLabel::SetRotation(TRotation value) {
    if (value == FRotation) return;
    FRotation = value;
    if (value == roNone || value == roFlat) FAngle = 0;
    if (value == roFlat) FCenterPoint = cpCenter;
    CheckTrueType();
    AdjustBounds();
    Invalidate();
}

void TRzLabel::CheckTrueType() {
    if (Loading() || (FAngle == 0 && FRotation == roNone) || IsTrueTypeFont(Font())) return;
    TFont f = Font();
    f.SetName("Verdana");
    SetFont(f);
}

void TRzLabel::SetBlinking(bool value) {
    if (value == FBlinking) return;
    FBlinking = value;
    if (!value) {
        FBlinkState = bsOff;
        FCurrentColor = FFontColor;
        Repaint();
    }
}

void TRzLabel::SetBlinkState(TBlinkState listPhase) {
    // The label's own phase is the opposite of the list's.
    FBlinkState = listPhase == bsOff ? bsOn : bsOff;
    FCurrentColor = listPhase == bsOff ? FBlinkColor : FFontColor;
    Repaint();
}

void TRzLabel::WndProc(TMessage& message) {
    if (message.Msg == BlinkQueryMessage)
        message.Result = FBlinking ? 1 : 0;
    else if (message.Msg == BlinkStateMessage)
        SetBlinkState(TBlinkState(message.WParam));
    else
        TCustomLabel::WndProc(message);
}

void TRzLabel::SetCondenseCaption(TRzCondenseCaption value) {
    if (value == FCondenseCaption) return;
    FCondenseCaption = value;
    if (value != ccNone) SetAutoSize(false);
    Invalidate();
}

void TRzLabel::SetFlyByEnabled(bool value) {
    if (value == FFlyByEnabled) return;
    FFlyByEnabled = value;
    // Back to the colour saved when the pointer entered, if it did.
    if (!value && FOrigColorSaved) {
        TFont f = Font();
        f.SetColor(FOrigColor);
        SetFont(f);
        FOrigColorSaved = false;
    }
}

void TRzLabel::SetFrameController(TRzFrameController* value) {
    SwitchFrameController(FFrameController, value, this);
}

void TRzLabel::SetFont(const TFont& font) {
    TCustomLabel::SetFont(font);
    FontColorChanged();
}

void TRzLabel::FontColorChanged() {
    if (Loading()) return;
    if (!FBlinking) FFontColor = FCurrentColor = Font().Color();
    if (!IsTrueTypeFont(Font())) FAngle = 0;
    Invalidate();
}

void TRzLabel::SetCaption(const QString& caption) {
    TCustomLabel::SetCaption(caption);
    Repaint();
}

void TRzLabel::ParentColorChanged() {
    if (FInitColor) return;
    TCustomLabel::ParentColorChanged();
}

void TRzLabel::Loaded() {
    TCustomLabel::Loaded();
    if (FAngle != 0 && FRotation == roNone) FRotation = roFlat;
    CheckTrueType();
    FFontColor = FCurrentColor = Font().Color();
    AdjustBounds();
}

void TRzLabel::MouseEnter() {
    if (FFlyByEnabled) {
        FOrigColor = Font().Color();
        FOrigColorSaved = true;
        TFont f = Font();
        f.SetColor(FFlyByColor);
        SetFont(f);
    }
    TCustomLabel::MouseEnter();
}

void TRzLabel::MouseLeave() {
    if (FFlyByEnabled && FOrigColorSaved) {
        TFont f = Font();
        f.SetColor(FOrigColor);
        SetFont(f);
        FOrigColorSaved = false;
    }
    TCustomLabel::MouseLeave();
}

void TRzLabel::UpdateFromFrameController() {
    ApplyFrameController(*this, FFrameController, FFrameControllerNotifications);
}

void TRzLabel::DefineProperties(TFiler& filer) { TRzOldPropReader::Drop(filer, "FrameSides"); }

void TRzLabel::AdjustRectForBorders(TRect& rect, bool includeBorderWidth) const {
    if (includeBorderWidth) {
        rect.Left += FBorderWidth;
        rect.Top += FBorderWidth;
        rect.Right -= FBorderWidth;
        rect.Bottom -= FBorderWidth;
    }
    const int by = RectBorder(FBorderOuter, FBevelWidth) + RectBorder(FBorderInner, FBevelWidth);
    if (FBorderSides & sdLeft) rect.Left += by;
    if (FBorderSides & sdTop) rect.Top += by;
    if (FBorderSides & sdRight) rect.Right -= by;
    if (FBorderSides & sdBottom) rect.Bottom -= by;
}

void TRzLabel::AdjustSizeForBorders(int& width, int& height) const {
    const int per = SizingBorder(FBorderOuter, FBevelWidth) + FBorderWidth + SizingBorder(FBorderInner, FBevelWidth);
    const int sidesX = ((FBorderSides & sdLeft) ? 1 : 0) + ((FBorderSides & sdRight) ? 1 : 0);
    const int sidesY = ((FBorderSides & sdTop) ? 1 : 0) + ((FBorderSides & sdBottom) ? 1 : 0);
    width += per * sidesX + 2 * FTextMargin;
    height += per * sidesY + 2 * FTextMargin;
    const bool turned = FRotation == roFlat && FAngle != 0 && FAngle != 180;
    if (FTextStyle == tsShadow && !turned && FRotation != roCurve) {
        width += FShadowDepth;
        height += FShadowDepth;
    }
    if (turned) {
        if (FTextStyle == tsShadow) {
            width += FShadowDepth / 2;
            height += FShadowDepth / 2;
        }
        const double theta = (FAngle == 90 || FAngle == 270) ? std::numbers::pi / 2 : (FAngle % 90) * std::numbers::pi / 180;
        const double w = width, h = height;
        width = Round(w * std::cos(theta) + h * std::sin(theta));
        height = Round(w * std::sin(theta) + h * std::cos(theta));
    }
}

unsigned TRzLabel::TextFlags() const {
    unsigned flags = Alignment() == taCenter ? DT_CENTER : Alignment() == taRightJustify ? DT_RIGHT : DT_LEFT;
    flags |= DT_EXPANDTABS;
    if (WordWrap()) flags |= DT_WORDBREAK;
    if (!ShowAccelChar()) flags |= DT_NOPREFIX;
    if (FCondenseCaption == ccAtEnd) flags |= DT_END_ELLIPSIS;
    if (FCondenseCaption == ccWithinPath) flags |= DT_PATH_ELLIPSIS;
    return flags;
}

void TRzLabel::AdjustBounds() {
    if (!AutoSize() || Loading()) return;
    TRect r = Rect(0, 0, Width(), Height());
    AdjustRectForBorders(r, true);
    r = Rect(0, 0, WordWrap() ? std::max(0, r.Width()) : 0, 0);
    TCanvas measure;
    measure.Font = Font();
    const QString text = GetLabelText().isEmpty() ? QStringLiteral(" ") : GetLabelText();
    DrawText(measure, text, r, (TextFlags() & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    int w = r.Width(), h = r.Height();
    AdjustSizeForBorders(w, h);
    int left = Left();
    if (Alignment() == taRightJustify) left += Width() - w;
    SetBounds(left, Top(), w, h);
}

void TRzLabel::DrawPasses(TCanvas& c, int shadowOffset, const std::function<void(int dx, int dy, TColor color)>& draw) {
    if (!Enabled()) {
        draw(0, 0, DisabledTextOn(FaceOf(*this)));
        return;
    }
    switch (FTextStyle) {
    case tsRaised:
        if (!FLightTextStyle) draw(1, 1, FShadowColor);
        draw(-1, -1, FHighlightColor);
        break;
    case tsRecessed:
        draw(1, 1, FHighlightColor);
        if (!FLightTextStyle) draw(-1, -1, FShadowColor);
        break;
    case tsShadow: draw(shadowOffset, shadowOffset, FShadowColor); break;
    case tsNormal: break;
    }
    draw(0, 0, FCurrentColor);
    Q_UNUSED(c);
}

void TRzLabel::DrawStraightText(TCanvas& c) {
    TRect r = Rect(0, 0, Width(), Height());
    AdjustRectForBorders(r, true);
    r = Rect(r.Left + FTextMargin, r.Top + FTextMargin, r.Right - FTextMargin, r.Bottom - FTextMargin);
    const unsigned flags = TextFlags();
    if (Layout() != tlTop) {
        TRect measured = r;
        DrawText(c, GetLabelText(), measured, flags | DT_CALCRECT);
        const int free = r.Height() - measured.Height();
        r.Top += Layout() == tlBottom ? free : free / 2;
    }
    if (FTextStyle == tsShadow) {
        if (Alignment() == taRightJustify) r.Right -= FShadowDepth;
        if (Layout() == tlBottom) r.Top -= FShadowDepth;
    }
    DrawPasses(c, FShadowDepth, [&](int dx, int dy, TColor color) {
        c.Font.SetColor(color);
        TRect t = Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
        DrawText(c, GetLabelText(), t, flags);
    });
}

void TRzLabel::DrawTurnedText(TCanvas& c) {
    const TRotatedFont rotated = CreateRotatedFont(Font(), FAngle);
    c.Font = rotated.Font;
    TRect r = Rect(0, 0, Width(), Height());
    AdjustRectForBorders(r, true);
    const QString text = StripPrefixes(GetLabelText());
    const int p = FTextStyle == tsShadow ? FShadowDepth / 2 : 0;
    const int textWidth = c.TextWidth(text);
    const int w = textWidth + p;
    const int hPp = c.TextHeight("Pp");
    const int th = hPp + p;
    const double q = hPp / 4.0;
    const double rad = (FAngle + 90) * std::numbers::pi / 180;
    int x = Width() / 2, y = Height() / 2;
    unsigned align = TA_BASELINE | TA_LEFT;
    const bool centred = Alignment() == taCenter, right = Alignment() == taRightJustify;
    switch (FAngle) {
    case 0:
        align = TA_TOP | (centred ? TA_CENTER : TA_LEFT);
        if (right) x = r.Right - textWidth - 2 * p;
        else if (!centred) x = r.Left + p;
        y -= th / 2;
        break;
    case 90:
        x -= Round(std::cos(rad) * q);
        y = centred ? r.Bottom - (r.Bottom - w) / 2 : right ? r.Top + w + p : r.Bottom - p;
        break;
    case 180:
        x = centred ? r.Right - (r.Right - w) / 2 : right ? r.Left + w : r.Right - p;
        y -= th / 4;
        break;
    case 270:
        x -= Round(std::cos(rad) * q);
        y = centred ? (r.Bottom - w) / 2 : right ? r.Bottom - w - p : r.Top + p;
        break;
    default:
        x -= Round(std::cos(rad) * q);
        y += Round(std::sin(rad) * q);
        align = TA_CENTER | TA_BASELINE;
        break;
    }
    const int shadowOffset = FTextStyle == tsShadow ? FShadowDepth / 2 : 0;
    DrawPasses(c, shadowOffset, [&](int dx, int dy, TColor color) {
        c.Font.SetColor(color);
        // The main pass of a shadowed turned caption moves up and left by half the depth.
        const int back = (FTextStyle == tsShadow && dx == 0 && dy == 0 && Enabled()) ? FShadowDepth / 2 : 0;
        c.TextOutAligned(x + dx - back, y + dy - back, text, align, rotated.Escapement);
    });
}

void TRzLabel::DrawCurvedText(TCanvas& c) {
    const int B = FBorderWidth, W = Width(), H = Height();
    int cx = W / 2, cy = H / 2, rx = W / 2 - 2 * B, ry = H / 2 - 2 * B;
    switch (FCenterPoint) {
    case cpUpperLeft: cx = B; cy = B; rx = W - 2 * B; ry = H - 2 * B; break;
    case cpUpperCenter: cx = W / 2; cy = B; rx = W / 2 - 2 * B; ry = H - 2 * B; break;
    case cpUpperRight: cx = W - B; cy = B; rx = W - 2 * B; ry = H - 2 * B; break;
    case cpLeftCenter: cx = B; cy = H / 2; rx = W - 2 * B; ry = H / 2 - 2 * B; break;
    case cpCenter: break;
    case cpRightCenter: cx = W - B; cy = H / 2; rx = W - 2 * B; ry = H / 2 - 2 * B; break;
    case cpLowerLeft: cx = B; cy = H - B; rx = W - 2 * B; ry = H - 2 * B; break;
    case cpLowerCenter: cx = W / 2; cy = H - B; rx = W / 2 - 2 * B; ry = H - 2 * B; break;
    case cpLowerRight: cx = W - B; cy = H - B; rx = W - 2 * B; ry = H - 2 * B; break;
    }
    // A circle without a radius has no place for the characters (and would divide by zero).
    if (rx <= 0 || ry <= 0) return;
    c.Font = Font();
    const int h = c.TextHeight("Yy");
    const double step = (c.TextWidth("w") + 2) / double(rx);
    double a = FAngle * std::numbers::pi / 180;
    const QString text = StripPrefixes(GetLabelText());
    for (const QChar ch : text) {
        const int x = Round(cx - (rx - h) * std::sin(a));
        const int y = Round(cy - (ry - h) * std::cos(a));
        const int escapement = Round(a * 1800 / std::numbers::pi);
        if (!Enabled()) {
            c.Font.SetColor(DisabledTextOn(FaceOf(*this)));
            c.TextOutAligned(x, y, QString(ch), TA_CENTER | TA_BASELINE, escapement);
        } else {
            DrawPasses(c, FShadowDepth, [&](int dx, int dy, TColor color) {
                c.Font.SetColor(color);
                c.TextOutAligned(x + dx, y + dy, QString(ch), TA_CENTER | TA_BASELINE, escapement);
            });
        }
        a -= step;
    }
}

void TRzLabel::Paint() {
    ClearSurface();
    TCanvas& c = Canvas();
    const TInnerOuterBorders b = BordersOf(*this, FFlatColor, FFlatColorAdjustment, Transparent());
    const TRect face = PaintInnerOuterBorders(c, Rect(0, 0, Width(), Height()), b);
    if (!Transparent()) {
        c.Brush = TBrush{Color(), bsSolid};
        c.FillRect(face);
    }
    c.Brush.Style = bsClear;
    c.Font = Font();
    if (FRotation == roCurve)
        DrawCurvedText(c);
    else if (FRotation == roFlat)
        DrawTurnedText(c);
    else
        DrawStraightText(c);
    c.Brush.Style = bsSolid;
}
