#include "ui/TStatusBar.h"

#include "ui/ProgramLook.h"
#include "graphics/DrawText.h"

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 200, 19);
    SetColor(clBtnFace);
    SetAlign(alBottom);
}

void TStatusBar::SetSimpleText(const QString& text) {
    FSimpleText = text;
    Invalidate();
}

void TStatusBar::SetSimplePanel(bool simple) {
    FSimplePanel = simple;
    Invalidate();
}

void TStatusBar::Paint() {
    TCanvas& c = Canvas();
    // The panel: a thin sunken edge two pixels in from the top.
    c.Pen = TPen{ProgramLook::OnFace(clBtnShadow, Color()), 1, psSolid, pmCopy};
    c.MoveTo(0, 2);
    c.LineTo(Width(), 2);
    c.Pen.Color = ProgramLook::OnFace(clBtnHighlight, Color());
    c.MoveTo(0, Height() - 1);
    c.LineTo(Width(), Height() - 1);
    if (!FSimplePanel) return;
    c.Font = Font();
    c.Brush.Style = bsClear;
    TRect text = Rect(4, 3, Width() - 4, Height() - 1);
    DrawText(c, FSimpleText, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    c.Brush.Style = bsSolid;
}
