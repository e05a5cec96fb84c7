#include "ui/TCheckBox.h"

#include "ui/ProgramLook.h"
#include "graphics/DrawText.h"

TCheckBox::TCheckBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == FChecked) return;
    FChecked = checked;
    Invalidate();
    TCustomControl::Click();
}

void TCheckBox::Click() { SetChecked(!FChecked); }

void TCheckBox::SetCaption(const QString& caption) {
    TCustomControl::SetCaption(caption);
    Invalidate();
}

void TCheckBox::Paint() {
    TCanvas& c = Canvas();
    const int size = 13;
    const int top = (Height() - size) / 2;
    const TRect box = Rect(0, top, size, top + size);
    // System colours in the dark look's colours on a dark face.
    const auto look = [this](TColor color) { return ProgramLook::OnFace(color, Color()); };
    c.Brush = TBrush{look(Enabled() ? clWindow : clBtnFace), bsSolid};
    c.FillRect(box);
    c.Pen = TPen{look(clBtnShadow), 1, psSolid, pmCopy};
    c.Brush.Style = bsClear;
    c.Rectangle(box);
    if (FChecked) {
        c.Pen.Color = look(Enabled() ? clWindowText : clGrayText);
        for (int d = 0; d < 2; ++d) {
            c.MoveTo(3, top + 6 + d);
            c.LineTo(5, top + 8 + d);
            c.LineTo(10, top + 3 + d);
        }
    }
    c.Font = Font();
    if (!Enabled()) c.Font.SetColor(DisabledTextOn(Color()));
    TRect text = Rect(size + 4, 0, Width(), Height());
    DrawText(c, Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    c.Brush.Style = bsSolid;
}
