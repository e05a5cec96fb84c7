#include "VrButtons.h"

#include "RzCommon.h"

#include "graphics/DrawText.h"
#include "ui/ProgramLook.h"

#include <QResizeEvent>

namespace {

// Writers that store a changed value and repaint at once.
template <typename T>
void Store(T& field, T value, TVrCustomControl& control, void (TVrCustomControl::*update)()) {
    if (field == value) return;
    field = value;
    (control.*update)();
}

}  // namespace

// ---- TVrPowerButton ----

TVrPowerButton::TVrPowerButton(TComponent* owner) : TVrCustomImageControl(owner) {
    SetControlStyle(csCaptureMouse | csClickEvents | csOpaque);
    SetBounds(0, 0, 125, 25);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetTabStop(false);
    FPalette.OnChange = [this](TVrPersistent*) { UpdateControl(); };
    CalcPaintParams();
}

void TVrPowerButton::CalcPaintParams() {
    TCanvas measure;
    measure.Font = Font();
    const int inset = FBevelWidth + FOutlineWidth;
    TPoint imagePos;
    CalcImageTextLayout(measure, Rect(inset, inset, Width() - inset, Height() - inset), Caption(), FLayout, FMargin,
                        FSpacing, Point(FLedWidth, FLedHeight), imagePos, FTextBounds);
    FImageRect = Rect(imagePos.X, imagePos.Y, imagePos.X + FLedWidth, imagePos.Y + FLedHeight);
}

void TVrPowerButton::Relayout() {
    CalcPaintParams();
    UpdateControl();
}

void TVrPowerButton::SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    UpdateControl();
}

void TVrPowerButton::SetLedWidth(int value) {
    if (value == FLedWidth || value < 1) return;
    FLedWidth = value;
    Relayout();
}

void TVrPowerButton::SetLedHeight(int value) {
    if (value == FLedHeight || value < 1) return;
    FLedHeight = value;
    Relayout();
}

void TVrPowerButton::SetLayout(TVrImageTextLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Relayout();
}

void TVrPowerButton::SetMargin(int value) {
    if (value == FMargin) return;
    FMargin = value;
    Relayout();
}

void TVrPowerButton::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = value;
    Relayout();
}

void TVrPowerButton::SetFocusColor(TColor v) { Store(FFocusColor, v, *this, &TVrPowerButton::UpdateControl); }
void TVrPowerButton::SetOutlineColor(TColor v) { Store(FOutlineColor, v, *this, &TVrPowerButton::UpdateControl); }
void TVrPowerButton::SetOutlineWidth(int v) { Store(FOutlineWidth, std::clamp(v, 0, 255), *this, &TVrPowerButton::UpdateControl); }
void TVrPowerButton::SetHighlightColor(TColor v) { Store(FHighlightColor, v, *this, &TVrPowerButton::UpdateControl); }
void TVrPowerButton::SetShadowColor(TColor v) { Store(FShadowColor, v, *this, &TVrPowerButton::UpdateControl); }
void TVrPowerButton::SetBevelWidth(int v) { Store(FBevelWidth, std::clamp(v, 0, 255), *this, &TVrPowerButton::UpdateControl); }

void TVrPowerButton::FontChanged() {
    TVrCustomImageControl::FontChanged();
    Relayout();
}

void TVrPowerButton::TextChanged() {
    TVrCustomImageControl::TextChanged();
    Relayout();
}

void TVrPowerButton::resizeEvent(QResizeEvent* event) {
    TVrCustomImageControl::resizeEvent(event);
    Relayout();
}

void TVrPowerButton::Paint() {
    // System colours of the bevels take the dark look's counterparts on a dark face.
    const TColor light = ProgramLook::OnFace(FHighlightColor, Color());
    const TColor shadow = ProgramLook::OnFace(FShadowColor, Color());
    ClearBitmapCanvas();
    TCanvas& c = BitmapCanvas();
    TRect r = Rect(0, 0, Width(), Height());
    const TColor outline = FFocused ? FFocusColor : FOutlineColor;
    DrawFrame3D(c, r, outline, outline, FOutlineWidth);
    if (FPressed) {
        r = Rect(0, 0, Width(), Height());
        DrawFrame3D(c, r, FOutlineColor, light, FOutlineWidth);
        DrawFrame3D(c, r, shadow, FOutlineColor, FBevelWidth);
    } else {
        DrawFrame3D(c, r, light, shadow, FBevelWidth);
    }
    const TColor led = Enabled() ? FPalette.GetColor(FActive ? 1 : 0) : Color();
    TRect l = FImageRect;
    DrawFrame3D(c, l, shadow, light, 1);
    DrawFrame3D(c, l, clBlack, clBlack, 1);
    c.Brush = TBrush{led, bsSolid};
    c.FillRect(l);
    c.Font = Font();
    c.Brush.Style = bsClear;
    DrawButtonCaption(c, Caption(), FTextBounds, Enabled());
    TVrCustomImageControl::Paint();
}

void TVrPowerButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && Enabled()) {
        FDown = true;
        FPressed = true;
        UpdateControl();
        if (TabStop() && CanFocus()) SetFocus();
    }
    TVrCustomImageControl::MouseDown(button, shift, x, y);
}

void TVrPowerButton::MouseEnter() {
    if (FDown) FPressed = true;
    UpdateControl();
    TVrCustomImageControl::MouseEnter();
}

void TVrPowerButton::MouseLeave() {
    if (FDown) FPressed = false;
    UpdateControl();
    TVrCustomImageControl::MouseLeave();
}

void TVrPowerButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // Any button's release ends the press (the press itself is a left one).
    FDown = false;
    bool toggled = false;
    if (FPressed) {
        FPressed = false;
        SetActive(!FActive);
        toggled = true;
    }
    TVrCustomImageControl::MouseUp(button, shift, x, y);
    if (toggled) TVrCustomImageControl::Click();
}

void TVrPowerButton::KeyDown(TKey& key, TShiftState shift) {
    TVrCustomImageControl::KeyDown(key, shift);
    if (key == VK_SPACE) {
        FPressed = true;
        UpdateControl();
    }
}

void TVrPowerButton::KeyUp(TKey& key, TShiftState shift) {
    TVrCustomImageControl::KeyUp(key, shift);
    if (key == VK_SPACE) {
        FPressed = false;
        SetActive(!FActive);
        TVrCustomImageControl::Click();
    }
}

void TVrPowerButton::WndProc(TMessage& message) {
    // The caption's accelerator clicks without toggling.
    if (message.Msg == CM_DIALOGCHAR && Enabled() && IsAccel(QChar(char16_t(message.WParam)), Caption())) {
        TVrCustomImageControl::Click();
        message.Result = 1;
        return;
    }
    TVrCustomImageControl::WndProc(message);
}

void TVrPowerButton::DoEnter() {
    FFocused = true;
    UpdateControl();
    TVrCustomImageControl::DoEnter();
}

void TVrPowerButton::DoExit() {
    FFocused = false;
    UpdateControl();
    TVrCustomImageControl::DoExit();
}

// ---- TVrDemoButton ----

TVrDemoButton::TVrDemoButton(TComponent* owner) : TVrCustomImageControl(owner) {
    SetControlStyle(csCaptureMouse | csClickEvents | csOpaque);
    SetBounds(0, 0, 150, 25);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetTabStop(false);
    for (TFont* f : {&FFontEnter, &FFontLeave}) {
        f->SetName("Arial");
        f->SetSize(12);
        f->SetStyle(fsBold);
    }
    FFontEnter.SetColor(0x0000FF);
    FFontLeave.SetColor(clBlack);
    FFont3D.OnChange = [this](TVrPersistent*) { UpdateControl(); };
    FBitmap.OnChange = [this] { UpdateControl(); };
}

void TVrDemoButton::SetFontEnter(const TFont& font) {
    FFontEnter = font;
    UpdateControl();
}

void TVrDemoButton::SetFontLeave(const TFont& font) {
    FFontLeave = font;
    UpdateControl();
}

void TVrDemoButton::SetOutlineColor(TColor v) { Store(FOutlineColor, v, *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetShadowColor(TColor v) { Store(FShadowColor, v, *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetHighlightColor(TColor v) { Store(FHighlightColor, v, *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetBevelWidth(int v) { Store(FBevelWidth, std::clamp(v, 0, 255), *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetOutlineWidth(int v) { Store(FOutlineWidth, v, *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetTextAlignment(TVrTextAlignment v) { Store(FTextAlignment, v, *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetDisabledTextColor(TColor v) { Store(FDisabledTextColor, v, *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetFocusColor(TColor v) { Store(FFocusColor, v, *this, &TVrDemoButton::UpdateControl); }
void TVrDemoButton::SetFlat(bool v) { Store(FFlat, v, *this, &TVrDemoButton::UpdateControl); }

void TVrDemoButton::TextChanged() {
    TVrCustomImageControl::TextChanged();
    UpdateControl();
}

void TVrDemoButton::Paint() {
    // System colours of the bevels take the dark look's counterparts on a dark face.
    const TColor light = ProgramLook::OnFace(FHighlightColor, Color());
    const TColor shadow = ProgramLook::OnFace(FShadowColor, Color());
    ClearBitmapCanvas();
    TCanvas& c = BitmapCanvas();
    const TRect client = Rect(0, 0, Width(), Height());
    TRect r = client;
    if (FDownDrawn) r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    if (!FBitmap.Empty()) TileBitmap(c, r, FBitmap);
    r = client;
    const TColor outline = FFocused ? FFocusColor : FOutlineColor;
    DrawFrame3D(c, r, outline, outline, FOutlineWidth);
    if (FDownDrawn) {
        DrawFrame3D(c, r, shadow, light, FBevelWidth);
    } else if (!FFlat || FHasMouse) {
        DrawFrame3D(c, r, light, shadow, FBevelWidth);
    } else {
        r = Rect(r.Left + FBevelWidth, r.Top + FBevelWidth, r.Right - FBevelWidth, r.Bottom - FBevelWidth);
    }
    c.Font = FHasMouse && Enabled() ? FFontEnter : FFontLeave;
    if (!Enabled()) c.Font.SetColor(FDisabledTextColor);
    c.Brush.Style = bsClear;
    if (FDownDrawn) r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    FFont3D.Paint(c, r, TextAlignmentFormat(FTextAlignment) | DT_SINGLELINE, Caption());
    TVrCustomImageControl::Paint();
}

void TVrDemoButton::Press(int x, int y) {
    if (!QRect(0, 0, Width(), Height()).contains(x, y)) return;
    FPressedDown = true;
    FDownDrawn = true;
    if (TabStop() && CanFocus()) SetFocus();
    UpdateControl();
}

void TVrDemoButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TVrCustomImageControl::MouseDown(button, shift, x, y);
    if (button == mbLeft) Press(x, y);
}

void TVrDemoButton::MouseMove(TShiftState shift, int x, int y) {
    TVrCustomImageControl::MouseMove(shift, x, y);
    if (!FPressedDown) return;
    const bool inside = QRect(0, 0, Width(), Height()).contains(x, y);
    if (inside != FDownDrawn) {
        FDownDrawn = inside;
        UpdateControl();
    }
}

void TVrDemoButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (FPressedDown && FDownDrawn) {
            FPressedDown = false;
            FDownDrawn = false;
            UpdateControl();
            TVrCustomImageControl::Click();
        } else {
            FPressedDown = false;
            FDownDrawn = false;
        }
    }
    TVrCustomImageControl::MouseUp(button, shift, x, y);
}

void TVrDemoButton::MouseEnter() {
    FHasMouse = true;
    UpdateControl();
    TVrCustomImageControl::MouseEnter();
}

void TVrDemoButton::MouseLeave() {
    FHasMouse = false;
    UpdateControl();
    TVrCustomImageControl::MouseLeave();
}

void TVrDemoButton::KeyDown(TKey& key, TShiftState shift) {
    TVrCustomImageControl::KeyDown(key, shift);
    if (key == VK_SPACE && !FDownDrawn) Press(0, 0);
}

void TVrDemoButton::KeyUp(TKey& key, TShiftState shift) {
    TVrCustomImageControl::KeyUp(key, shift);
    if (key != VK_SPACE) return;
    if (FPressedDown && FDownDrawn) {
        FDownDrawn = false;
        UpdateControl();
        TVrCustomImageControl::Click();
    }
    FPressedDown = false;
}

void TVrDemoButton::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR && Enabled() && IsAccel(QChar(char16_t(message.WParam)), Caption())) {
        TVrCustomImageControl::Click();
        message.Result = 1;
        return;
    }
    TVrCustomImageControl::WndProc(message);
}

void TVrDemoButton::DoEnter() {
    FFocused = true;
    UpdateControl();
    TVrCustomImageControl::DoEnter();
}

void TVrDemoButton::DoExit() {
    FFocused = false;
    UpdateControl();
    TVrCustomImageControl::DoExit();
}
