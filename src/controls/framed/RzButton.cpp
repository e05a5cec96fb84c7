#include "RzButton.h"

#include "ChangedWriter.h"
#include "graphics/DrawText.h"
#include "ui/ProgramLook.h"
#include "ui/TForm.h"
#include "ui/SystemInfo.h"

#include <QApplication>

// ---- TRzCustomButton ----

TRzCustomButton::TRzCustomButton(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(csCaptureMouse | csDoubleClicks | csOpaque);
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
}

#define Q7K_REPAINT_WRITER(Class, Name, Type, Field) Q7K_CHANGED_WRITER(Class, Name, Type, Field, Invalidate())

Q7K_REPAINT_WRITER(TRzCustomButton, AlignmentVertical, TAlignmentVertical, FAlignmentVertical)
Q7K_REPAINT_WRITER(TRzCustomButton, HighlightColor, TColor, FHighlightColor)
Q7K_REPAINT_WRITER(TRzCustomButton, LightTextStyle, bool, FLightTextStyle)
Q7K_REPAINT_WRITER(TRzCustomButton, TextStyle, TTextStyle, FTextStyle)
Q7K_REPAINT_WRITER(TRzCustomButton, TextHighlightColor, TColor, FTextHighlightColor)
Q7K_REPAINT_WRITER(TRzCustomButton, TextShadowColor, TColor, FTextShadowColor)
Q7K_REPAINT_WRITER(TRzCustomButton, TextShadowDepth, int, FTextShadowDepth)
Q7K_REPAINT_WRITER(TRzCustomButton, ThemeAware, bool, FThemeAware)
Q7K_REPAINT_WRITER(TRzCustomButton, Transparent, bool, FTransparent)
Q7K_REPAINT_WRITER(TRzButton, Alignment, TAlignment, FAlignment)
Q7K_REPAINT_WRITER(TRzButton, FrameColor, TColor, FFrameColor)
Q7K_REPAINT_WRITER(TRzButton, ShowDownPattern, bool, FShowDownPattern)
Q7K_REPAINT_WRITER(TRzButton, ShowFocusRect, bool, FShowFocusRect)

#undef Q7K_REPAINT_WRITER

void TRzCustomButton::SetHotTrack(bool value) {
    FHotTrack = value;
    FTransparent = value;
    Invalidate();
}

void TRzCustomButton::SetCaption(const QString& caption) {
    TCustomControl::SetCaption(caption);
    Repaint();
}

bool TRzCustomButton::UseThemes() const { return FThemeAware && ThemesEnabled(); }

void TRzCustomButton::EraseBackground(TCanvas& canvas) {
    // A hot-tracking button has cut corners that show its parent.
    if (FTransparent)
        DrawParentBackground(*this, canvas, true);
    else
        TCustomControl::EraseBackground(canvas);
}

void TRzCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    if (CanFocus()) SetFocus();
    if (!Focused()) return;
    FShowDownVersion = true;
    FDragging = true;
    RepaintButton();
}

void TRzCustomButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!FDragging) return;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
    if (inside != FShowDownVersion) {
        FShowDownVersion = inside;
        RepaintButton();
    }
}

void TRzCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (!FDragging) return;
    FDragging = false;
    FShowDownVersion = false;
    if (x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight()) ChangeState();
    RepaintButton();
}

void TRzCustomButton::KeyDown(TKey& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && !(shift & ssAlt)) {
        FKeyToggle = true;
        FShowDownVersion = true;
        Repaint();
    }
}

void TRzCustomButton::KeyUp(TKey& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key != VK_SPACE) return;
    FShowDownVersion = false;
    if (FKeyToggle) {
        FKeyToggle = false;
        ChangeState();
    }
    Repaint();
}

void TRzCustomButton::MouseEnter() {
    FMouseOverButton = true;
    TCustomControl::MouseEnter();
    if (FHotTrack || UseThemes()) update(GetHotTrackRect().ToQRect());
}

void TRzCustomButton::MouseLeave() {
    FMouseOverButton = false;
    TCustomControl::MouseLeave();
    if (FHotTrack || UseThemes()) update(GetHotTrackRect().ToQRect());
}

void TRzCustomButton::DoExit() {
    FKeyToggle = false;
    FShowDownVersion = false;
    Repaint();
    TCustomControl::DoExit();
}

void TRzCustomButton::EnabledChanged() {
    if (!isEnabled() && hasFocus()) focusNextChild();
    TCustomControl::EnabledChanged();
}

void TRzCustomButton::DrawCaptionText(TCanvas& c, TRect rect, unsigned flags) {
    c.Brush.Style = bsClear;
    c.Font = Font();
    TRect measured = rect;
    const int height = DrawText(c, Caption(), measured, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
    switch (FAlignmentVertical) {
    case avTop: rect.Bottom = rect.Top + height; break;
    case avCenter:
        rect.Top = (rect.Top + rect.Bottom - height) / 2;
        rect.Bottom = rect.Top + height;
        break;
    case avBottom: rect.Top = rect.Bottom - height - 1; break;
    }
    const auto pass = [&](int dx, int dy, TColor color) {
        c.Font.SetColor(color);
        TRect r = Rect(rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy);
        DrawText(c, Caption(), r, flags);
    };
    if (!Enabled()) {
        pass(0, 0, DisabledTextOn(Color()));
        return;
    }
    const bool right = flags & DT_RIGHT;
    switch (FTextStyle) {
    case tsRaised:
        if (!FLightTextStyle) pass(1, 1, FTextShadowColor);
        pass(-1, -1, FTextHighlightColor);
        break;
    case tsRecessed:
        pass(1, 1, FTextHighlightColor);
        if (!FLightTextStyle) pass(-1, -1, FTextShadowColor);
        break;
    case tsShadow: pass(right ? 0 : FTextShadowDepth, FTextShadowDepth, FTextShadowColor); break;
    case tsNormal: break;
    }
    if (right) rect = Rect(rect.Left - FTextShadowDepth, rect.Top, rect.Right - FTextShadowDepth, rect.Bottom);
    pass(0, 0, Font().Color());
}

// ---- TRzButton ----

TRzButton::TRzButton(TComponent* owner) : TRzCustomButton(owner) {
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
    FActive = FDefault;
    FFocusWatch = QObject::connect(qApp, &QApplication::focusChanged, this,
                                   [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

TRzButton::~TRzButton() { QObject::disconnect(FFocusWatch); }

void TRzButton::FocusChanged(QWidget* now) {
    if (!now || GetParentForm(now) != GetParentForm(this)) return;
    auto* button = qobject_cast<TRzButton*>(now);
    const bool active = button ? button == this : FDefault;
    if (active != FActive) {
        FActive = active;
        Invalidate();
    }
}

void TRzButton::SetDefault(bool value) {
    FDefault = value;
    FocusChanged(QApplication::focusWidget());
    if (!QApplication::focusWidget() && FActive != value) {
        FActive = value;
        Invalidate();
    }
}

void TRzButton::SetDown(bool value) {
    if (!FLatch.Accept(value)) return;
    FState = FLatch.Down ? bsExclusive : bsUp;
    Invalidate();
    if (FLatch.Down) NotifyGroup();
}

void TRzButton::SetAllowAllUp(bool value) {
    if (value == FLatch.AllowAllUp) return;
    FLatch.AllowAllUp = value;
    NotifyGroup();
}

void TRzButton::SetGroupIndex(int value) {
    if (value == FLatch.GroupIndex) return;
    FLatch.GroupIndex = value;
    NotifyGroup();
}

void TRzButton::NotifyGroup() {
    FLatch.Notify(*this, PushButtonGroupMessage);
}

void TRzButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case PushButtonGroupMessage: {
        if (FLatch.Receive(message)) {
            FState = bsUp;
            Invalidate();
        }
        return;
    }
    case CM_DIALOGKEY: {
        const TShiftState shift = TShiftState(message.LParam);
        if (shift & (ssShift | ssCtrl | ssAlt) || !CanFocus()) return;
        if ((message.WParam == VK_RETURN && FActive) || (message.WParam == VK_ESCAPE && FCancel)) {
            FKeyWasPressed = message.WParam == VK_RETURN && !FDropDownOnEnter;
            Click();
            FKeyWasPressed = false;
            message.Result = 1;
        }
        return;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(char16_t(message.WParam)), Caption()) && CanFocus()) {
            Click();
            message.Result = 1;
        }
        return;
    default: TRzCustomButton::WndProc(message);
    }
}

void TRzButton::ChangeState() {
    if (FLatch.GroupIndex != 0)
        SetDown(!FLatch.Down);
    else
        RepaintButton();
    FClicking = true;
    Click();
    FClicking = false;
}

void TRzButton::Click() {
    if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TRzCustomButton::Click();
}

void TRzButton::DefineProperties(TFiler& filer) {
    filer.DefineProperty("FrameFlat", [this](const QVariant& v) { SetHotTrack(v.toBool()); });
}

bool TRzButton::DrawnDown() const {
    if (FLatch.GroupIndex != 0) return FState == bsDown || FState == bsExclusive || FShowDownVersion;
    return FShowDownVersion;
}

TRect TRzButton::GetCaptionRect(const TRect& rect) const {
    TRect r = Rect(rect.Left + 5, rect.Top + 5, rect.Right - 5, rect.Bottom - 5);
    if (!HotTrack() && !UseThemes() && DrawnDown()) r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    return r;
}

void TRzButton::PaintCaption(TCanvas& canvas, const TRect& rect) {
    const unsigned align = FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    canvas.Font = Font();
    canvas.Brush.Color = Color();
    DrawCaptionText(canvas, GetCaptionRect(rect), align | DT_WORDBREAK | DT_EXPANDTABS);
}

void TRzButton::CreateDownPattern(TBitmap& bitmap) const {
    bitmap.SetSize(8, 8);
    TCanvas& c = bitmap.Canvas();
    c.Brush = TBrush{Color(), bsSolid};
    c.FillRect(Rect(0, 0, 8, 8));
    const TColor dot = ColorToRGB(Color()) == 0xC0C0C0 ? 0x808080 : 0xC0C0C0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x % 2 == y % 2) c.SetPixel(x, y, dot);
}

void TRzButton::PaintHotTrack(TCanvas& c, TRect r) {
    const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
    if (!Enabled()) {
        r = PaintSides(c, r, parent, parent);
        const TColor inner = Color() == clBtnFace ? LighterColor(clBtnShadow, 30) : DarkerColor(Color(), 80);
        r = PaintRoundedFrame(c, Rect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1), inner);
        c.Brush = TBrush{Color(), bsSolid};
        c.FillRect(r);
        return;
    }
    // The outer ring with cut corners, dark on the top left and light on the bottom right.
    const TColor dark = DarkerColor(parent, 20), light = LighterColor(parent, 20);
    const auto line = [&c](int x1, int y1, int x2, int y2, TColor color) {
        c.Pen = TPen{color, 1, psSolid, pmCopy};
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    line(r.Left, r.Top + 1, r.Left, r.Bottom - 1, dark);
    line(r.Left + 1, r.Top, r.Right - 1, r.Top, dark);
    line(r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1, light);
    line(r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1, light);
    c.SetPixel(r.Left + 1, r.Top + 1, dark);
    c.SetPixel(r.Right - 2, r.Top + 1, dark);
    c.SetPixel(r.Left + 1, r.Bottom - 2, dark);
    c.SetPixel(r.Right - 2, r.Bottom - 2, light);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    // The frame, also with cut corners.
    line(r.Left, r.Top + 1, r.Left, r.Bottom - 1, FFrameColor);
    line(r.Left + 1, r.Top, r.Right - 1, r.Top, FFrameColor);
    line(r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1, FFrameColor);
    line(r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1, FFrameColor);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    const auto face = [&]() {
        line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, DarkerColor(Color(), 30));
        line(r.Left, r.Bottom - 2, r.Right, r.Bottom - 2, DarkerColor(Color(), 20));
        const TRect top = Rect(r.Left, r.Top, r.Right, r.Bottom - 2);
        if (FullColorDisplay) {
            FillGradient(c, top, gdHorizontalEnd, DarkerColor(Color(), 10), LighterColor(Color(), 30));
        } else {
            c.Brush = TBrush{Color(), bsSolid};
            c.FillRect(top);
        }
    };
    if (DrawnDown()) {
        c.Brush = TBrush{DarkerColor(Color(), 10), bsSolid};
        c.FillRect(r);
    } else if (MouseOverButton()) {
        face();
        if (HotTrackColorType() == htctActual) {
            PaintGradientRim(c, r, gdHorizontalEnd, HotTrackColor(), BlendColors(clWhite, HotTrackColor(), 190));
        } else {
            const TColor complement = ComplementColor(HotTrackColor(), 180);
            PaintGradientRim(c, r, gdHorizontalEnd, DarkerColor(complement, 30), complement);
        }
    } else if (FLatch.GroupIndex != 0 || !(FActive || Focused()) || FShowDownVersion) {
        face();
    } else {
        face();
        const TColor highlight = ColorsAreSimilar(HighlightColor(), clBtnFace) ? DarkerColor(HighlightColor(), 30) : HighlightColor();
        PaintGradientRim(c, r, gdHorizontalEnd, BlendColors(highlight, LighterColor(Color(), 30), 160),
                         BlendColors(highlight, LighterColor(Color(), 30), 60));
    }
}

void TRzButton::Paint() {
    TCanvas& c = Canvas();
    const TRect client = Rect(0, 0, Width(), Height());
    const int inset = HotTrack() || UseThemes() ? 3 : 4;
    TRect focus = Rect(inset, inset, Width() - inset, Height() - inset);
    const bool down = DrawnDown();
    if (FLatch.GroupIndex != 0 && down) focus = Rect(focus.Left + 1, focus.Top + 1, focus.Right + 1, focus.Bottom + 1);
    TRect r = client;
    if (HotTrack()) {
        PaintHotTrack(c, r);
    } else {
        if ((FLatch.GroupIndex == 0 && (FActive || Focused()) && !FShowDownVersion) || FClicking)
            r = PaintSides(c, r, clWindowFrame, clWindowFrame);
        if (Color() == clBtnFace) {
            if (FLatch.GroupIndex != 0)
                r = PaintFrame(c, r, down ? fsLowered : fsButtonUp);
            else
                r = PaintButtonFrame(c, r, FShowDownVersion);
        } else {
            if (FLatch.GroupIndex == 0)
                r = PaintColorButtonFrame(c, r, Color(), sdAllSides, FShowDownVersion);
            else if (down)
                r = PaintColorFrame(c, r, Color(), fsLowered);
            else
                r = PaintColorButtonFrame(c, r, Color(), sdAllSides, false);
        }
        c.Brush = TBrush{Color(), bsSolid};
        c.FillRect(r);
    }
    if (FLatch.GroupIndex != 0 && FState == bsExclusive && FShowDownPattern) {
        TBitmap pattern;
        CreateDownPattern(pattern);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const QRgb p = pattern.Image().pixel(x % 8, y % 8);
                c.SetPixel(x, y, ReadableBehind(RGBColor(qRed(p), qGreen(p), qBlue(p)), Font().Color()));
            }
    }
    PaintCaption(c, client);
    c.Brush.Style = bsSolid;
    if (Focused() && FShowFocusRect) ProgramLook::PaintFocusFrame(c, focus);
}
