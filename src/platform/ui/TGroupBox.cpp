#include "ui/TGroupBox.h"

#include "ui/ProgramLook.h"
#include "graphics/DrawText.h"

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetColor(clBtnFace);
}

void TGroupBox::SetCaption(const QString& caption) {
    TCustomControl::SetCaption(caption);
    Invalidate();
}

void TGroupBox::Paint() {
    TCanvas& c = Canvas();
    c.Font = Font();
    const int h = c.TextHeight("0");
    const int top = h / 2;
    const auto ring = [&c](int l, int t, int r, int b, TColor color) {
        c.Pen = TPen{color, 1, psSolid, pmCopy};
        c.MoveTo(l, t);
        c.LineTo(r - 1, t);
        c.LineTo(r - 1, b - 1);
        c.LineTo(l, b - 1);
        c.LineTo(l, t);
    };
    // The etched ring; on a dark face in the dark look's colours, not white.
    ring(1, top + 1, Width(), Height(), ProgramLook::OnFace(clBtnHighlight, Color()));
    ring(0, top, Width() - 1, Height() - 1, ProgramLook::OnFace(clBtnShadow, Color()));
    if (!Caption().isEmpty()) {
        TRect r = Rect(8, 0, 8 + c.TextWidth(StripPrefixes(Caption())) + 2, h);
        c.Brush = TBrush{Color(), bsSolid};
        c.FillRect(r);
        c.Brush.Style = bsClear;
        if (!Enabled()) c.Font.SetColor(DisabledTextOn(Color()));
        DrawText(c, Caption(), r, DT_SINGLELINE | DT_CENTER);
        c.Brush.Style = bsSolid;
    }
}
