#pragma once
// The LED buttons. The power button latches: each click toggles Active, which lights its
// LED in the palette's High colour (Low when off), and then raises OnClick. The demo button
// is momentary, with 3-D caption text, hover fonts and an optional tiled background; it
// raises OnClick on release over it.
#include "VrClasses.h"
#include "VrControls.h"
#include "VrSysUtils.h"

class TVrPowerButton : public TVrCustomImageControl {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(int LedWidth READ LedWidth WRITE SetLedWidth)
    Q_PROPERTY(int LedHeight READ LedHeight WRITE SetLedHeight)
    Q_PROPERTY(int Layout READ Layout WRITE SetLayoutInt)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(TColor FocusColor READ FocusColor WRITE SetFocusColor)
    Q_PROPERTY(TColor OutlineColor READ OutlineColor WRITE SetOutlineColor)
    Q_PROPERTY(int OutlineWidth READ OutlineWidth WRITE SetOutlineWidth)
    Q_PROPERTY(TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
public:
    explicit TVrPowerButton(TComponent* owner);

    bool Active() const { return FActive; }
    // Repaints on a change; raises no event.
    void SetActive(bool value);
    int LedWidth() const { return FLedWidth; }
    void SetLedWidth(int value);
    int LedHeight() const { return FLedHeight; }
    void SetLedHeight(int value);
    TVrImageTextLayout Layout() const { return FLayout; }
    void SetLayout(TVrImageTextLayout value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TVrPalette& Palette() { return FPalette; }
    void SetPalette(const TVrPalette& palette) { FPalette.Assign(palette); }
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value);
    int OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(int value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);

    // The LED's and the caption's rectangles from the last layout.
    TRect ImageRect() const { return FImageRect; }
    TRect TextBounds() const { return FTextBounds; }
    bool Pressed() const { return FPressed; }

protected:
    void Click() override {}
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override { UpdateControl(); }
    void FontChanged() override;
    void TextChanged() override;
    void resizeEvent(QResizeEvent* event) override;
    void WndProc(TMessage& message) override;

private:
    void SetLayoutInt(int value) { SetLayout(TVrImageTextLayout(value)); }
    void CalcPaintParams();
    void Relayout();

    bool FActive = false;
    int FLedWidth = 12;
    int FLedHeight = 12;
    TVrPalette FPalette;
    int FBevelWidth = 2;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    TColor FOutlineColor = clBlack;
    int FOutlineWidth = 1;
    int FSpacing = 5;
    int FMargin = -1;
    TVrImageTextLayout FLayout = ImageLeft;
    bool FFocused = false;
    TColor FFocusColor = 0xFF0000;
    bool FDown = false;
    bool FPressed = false;
    TRect FTextBounds;
    TRect FImageRect;
};

class TVrDemoButton : public TVrCustomImageControl {
    Q_OBJECT
    Q_PROPERTY(TColor OutlineColor READ OutlineColor WRITE SetOutlineColor)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int OutlineWidth READ OutlineWidth WRITE SetOutlineWidth)
    Q_PROPERTY(int TextAlignment READ TextAlignment WRITE SetTextAlignmentInt)
    Q_PROPERTY(TColor DisabledTextColor READ DisabledTextColor WRITE SetDisabledTextColor)
    Q_PROPERTY(TColor FocusColor READ FocusColor WRITE SetFocusColor)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(TFont FontEnter READ FontEnter WRITE SetFontEnter)
    Q_PROPERTY(TFont FontLeave READ FontLeave WRITE SetFontLeave)
public:
    explicit TVrDemoButton(TComponent* owner);

    TBitmap& Bitmap() { return FBitmap; }
    void SetBitmap(const TBitmap& bitmap) { FBitmap.Assign(bitmap); }
    const TFont& FontEnter() const { return FFontEnter; }
    void SetFontEnter(const TFont& font);
    const TFont& FontLeave() const { return FFontLeave; }
    void SetFontLeave(const TFont& font);
    TVrFont3D& Font3D() { return FFont3D; }
    void SetFont3D(const TVrFont3D& font) { FFont3D.Assign(font); }
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(int value);
    TVrTextAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TVrTextAlignment value);
    TColor DisabledTextColor() const { return FDisabledTextColor; }
    void SetDisabledTextColor(TColor value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);

    bool Down() const { return FDownDrawn; }
    bool HasMouse() const { return FHasMouse; }

protected:
    void Click() override {}
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override { UpdateControl(); }
    void TextChanged() override;
    void WndProc(TMessage& message) override;

private:
    void SetTextAlignmentInt(int value) { SetTextAlignment(TVrTextAlignment(value)); }
    void Press(int x, int y);

    TBitmap FBitmap;
    TFont FFontEnter;
    TFont FFontLeave;
    int FBevelWidth = 2;
    int FOutlineWidth = 1;
    TColor FOutlineColor = clBlack;
    TColor FShadowColor = clBtnShadow;
    TColor FHighlightColor = clBtnHighlight;
    TColor FFocusColor = 0xFF0000;
    TVrTextAlignment FTextAlignment = vtaCenter;
    TColor FDisabledTextColor = clInactiveCaption;
    TVrFont3D FFont3D;
    bool FFlat = false;
    bool FHasMouse = false;
    bool FFocused = false;
    bool FDownDrawn = false;
    bool FPressedDown = false;
};
