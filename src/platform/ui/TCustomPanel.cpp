#include "ui/TCustomPanel.h"

#include "ui/ProgramLook.h"
#include "graphics/Frame3D.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    if (alignment == FAlignment) return;
    FAlignment = alignment;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
    if (width == FBevelWidth) return;
    FBevelWidth = width;
    Realign();
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int width) {
    if (width == FBorderWidth) return;
    FBorderWidth = width;
    Realign();
    Invalidate();
}

void TCustomPanel::SetDockSite(bool dockSite) {
    if (dockSite == FDockSite) return;
    FDockSite = dockSite;
    Realign();
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
    rect.Left += FBorderWidth;
    rect.Top += FBorderWidth;
    rect.Right -= FBorderWidth;
    rect.Bottom -= FBorderWidth;
}

void TPanel::SetBevelInner(TBevelCut bevel) {
    if (bevel == FBevelInner) return;
    FBevelInner = bevel;
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == FBevelOuter) return;
    FBevelOuter = bevel;
    Invalidate();
}

void TPanel::Paint() {
    TCanvas& c = Canvas();
    TRect r = Rect(0, 0, Width(), Height());
    const auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        // The system colours in the dark look's colours on a dark face.
        const TColor shadow = ProgramLook::OnFace(clBtnShadow, Color());
        const TColor light = ProgramLook::OnFace(clBtnHighlight, Color());
        const TColor tl = cut == bvLowered ? shadow : cut == bvRaised ? light : Color();
        const TColor br = cut == bvLowered ? light : cut == bvRaised ? shadow : Color();
        for (int i = 0; i < BevelWidth(); ++i) r = Frame3D(c, r, tl, br);
    };
    bevel(FBevelOuter);
    r = Rect(r.Left + BorderWidth(), r.Top + BorderWidth(), r.Right - BorderWidth(), r.Bottom - BorderWidth());
    bevel(FBevelInner);
    c.Brush = TBrush{Color(), bsSolid};
    c.FillRect(r);
}
