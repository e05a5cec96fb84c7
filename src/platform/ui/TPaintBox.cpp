#include "ui/TPaintBox.h"

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TPaintBox::Paint() {
    if (OnPaint) OnPaint(this);
}
