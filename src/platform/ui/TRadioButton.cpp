#include "ui/TRadioButton.h"

#include "ui/ProgramLook.h"
#include "graphics/DrawText.h"

#include <QPainter>

TRadioButton::TRadioButton(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == FChecked) return;
    FChecked = checked;
    Invalidate();
    if (!checked) return;
    if (QWidget* parent = parentWidget()) {
        for (QObject* child : parent->children())
            if (auto* other = qobject_cast<TRadioButton*>(child); other && other != this) other->SetChecked(false);
    }
    TCustomControl::Click();
}

void TRadioButton::Click() { SetChecked(true); }

void TRadioButton::SetCaption(const QString& caption) {
    TCustomControl::SetCaption(caption);
    Invalidate();
}

void TRadioButton::Paint() {
    TCanvas& c = Canvas();
    const int size = 12;
    const int top = (Height() - size) / 2;
    // System colours in the dark look's colours on a dark face.
    const auto look = [this](TColor color) { return ProgramLook::OnFace(color, Color()); };
    if (QPainter* p = c.Painter()) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(QPen(ToQColor(look(clBtnShadow)), 1));
        p->setBrush(ToQColor(look(Enabled() ? clWindow : clBtnFace)));
        p->drawEllipse(QRectF(0.5, top + 0.5, size - 1, size - 1));
        if (FChecked) {
            p->setPen(Qt::NoPen);
            p->setBrush(ToQColor(look(Enabled() ? clWindowText : clGrayText)));
            p->drawEllipse(QRectF(3.5, top + 3.5, size - 7, size - 7));
        }
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setPen(Qt::NoPen);
        p->setBrush(Qt::NoBrush);
        c.Changed(QRect(0, top, size, size));
    }
    c.Font = Font();
    if (!Enabled()) c.Font.SetColor(DisabledTextOn(Color()));
    c.Brush.Style = bsClear;
    TRect text = Rect(size + 4, 0, Width(), Height());
    DrawText(c, Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    c.Brush.Style = bsSolid;
}
