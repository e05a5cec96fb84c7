#include "VrControls.h"

void TVrCustomControl::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    UpdateControl();
}

void TVrCustomControl::UpdateControl() {
    if (Loading() || FUpdateCount > 0) return;
    Repaint();
}

void TVrCustomControl::SetFont(const TFont& font) {
    TCustomControl::SetFont(font);
    FontChanged();
}

void TVrCustomControl::SetCaption(const QString& caption) {
    TCustomControl::SetCaption(caption);
    TextChanged();
}

void TVrCustomControl::FontChanged() {
    if (OnFontChanged) OnFontChanged(this);
}

void TVrCustomControl::TextChanged() {
    if (OnTextChanged) OnTextChanged(this);
}

void TVrCustomImageControl::ClearBitmapCanvas() {
    FBitmapImage.SetSize(Width(), Height());
    TCanvas& c = FBitmapImage.Canvas();
    c.Brush = TBrush{Color(), bsSolid};
    c.FillRect(Rect(0, 0, Width(), Height()));
}

void TVrCustomImageControl::Paint() {
    Canvas().CopyRect(Rect(0, 0, Width(), Height()), FBitmapImage.Canvas(), Rect(0, 0, Width(), Height()));
}
