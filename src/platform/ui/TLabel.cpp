#include "ui/TLabel.h"

#include "graphics/ColorContrast.h"
#include "graphics/DrawText.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetColor(clBtnFace);
    SetControlStyle(ControlStyle() | csOpaque);
}

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (value == FShowAccelChar) return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetCaption(const QString& caption) {
    TGraphicControl::SetCaption(caption);
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFont(const TFont& font) {
    TGraphicControl::SetFont(font);
    AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
    if (!FAutoSize || Loading()) return;
    TCanvas measure;
    measure.Font = Font();
    TRect r = Rect(0, 0, FWordWrap ? Width() : 0, 0);
    unsigned flags = DT_CALCRECT | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0u) | (FShowAccelChar ? 0u : DT_NOPREFIX);
    const QString text = GetLabelText();
    DrawText(measure, text.isEmpty() ? QStringLiteral(" ") : text, r, flags);
    int left = Left();
    if (FAlignment == taRightJustify) left += Width() - r.Width();
    SetBounds(left, Top(), r.Width(), r.Height());
}

void TCustomLabel::ClearSurface() {
    TCanvas& c = Canvas();
    c.Release();
    if (QImage* image = c.Target()) image->fill(Qt::transparent);
}

void TCustomLabel::Paint() {
    ClearSurface();
    TCanvas& c = Canvas();
    const TRect r = Rect(0, 0, Width(), Height());
    if (!FTransparent) {
        c.Brush = TBrush{Color(), bsSolid};
        c.FillRect(r);
    }
    c.Brush.Style = bsClear;
    c.Font = Font();
    if (!Enabled()) c.Font.SetColor(DisabledTextOn(Color()));
    unsigned flags = (FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT) |
                     DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0u) | (FShowAccelChar ? 0u : DT_NOPREFIX);
    TRect text = r;
    if (FLayout != tlTop) {
        TRect measured = r;
        DrawText(c, GetLabelText(), measured, flags | DT_CALCRECT);
        const int free = r.Height() - measured.Height();
        text.Top += FLayout == tlBottom ? free : free / 2;
    }
    DrawText(c, GetLabelText(), text, flags);
    c.Brush.Style = bsSolid;
}
