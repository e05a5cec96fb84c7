#include "ui/TCustomPanel.h"

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
