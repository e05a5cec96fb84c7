#include "ui/TUpDown.h"

#include "graphics/Frame3D.h"
#include "ui/ProgramLook.h"

#include <algorithm>

TUpDown::TUpDown(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(csCaptureMouse | csOpaque);
    SetBounds(0, 0, 17, 25);
    SetColor(clBtnFace);
}

void TUpDown::SetMin(int value) {
    FMin = value;
    Store(FPosition);
}

void TUpDown::SetMax(int value) {
    FMax = value;
    Store(FPosition);
}

void TUpDown::SetPosition(int value) {
    if (value != FPosition) ChangeTo(value, updNone);
}

void TUpDown::ChangeTo(int value, TUpDownDirection direction) {
    bool allow = true;
    if (OnChangingEx) OnChangingEx(this, allow, short(value), direction);
    if (allow) Store(value);
}

void TUpDown::Store(int value) {
    value = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
    if (value == FPosition) return;
    FPosition = value;
    Invalidate();
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    const TUDBtnType which = y < Height() / 2 ? btNext : btPrev;
    const int before = FPosition;
    ChangeTo(which == btNext ? FPosition + 1 : FPosition - 1, which == btNext ? updUp : updDown);
    if (FPosition != before && OnClick) OnClick(this, which);
}

void TUpDown::Paint() {
    TCanvas& c = Canvas();
    const int half = Height() / 2;
    // In the dark look's colours beside a dark parent.
    const TColor around = Parent() ? Parent()->Color() : clBtnFace;
    const auto look = [around](TColor color) { return ProgramLook::OnFace(color, around); };
    for (int part = 0; part < 2; ++part) {
        const TRect r = Rect(0, part * half, Width(), part == 0 ? half : Height());
        c.Brush = TBrush{look(clBtnFace), bsSolid};
        c.FillRect(r);
        Frame3D(c, r, look(clBtnHighlight), look(clBtnShadow));
        // A small arrow: up in the top half, down in the bottom one.
        c.Brush.Color = Enabled() ? look(clBtnText) : DisabledTextOn(look(clBtnFace));
        const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
        for (int i = 0; i < 3; ++i) {
            const int y = part == 0 ? cy - 1 + i : cy + 1 - i;
            c.FillRect(Rect(cx - i, y, cx + i + 1, y + 1));
        }
    }
}
