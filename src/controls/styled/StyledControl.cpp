#include "StyledControl.h"

TStyledControl::TStyledControl(TComponent* owner) : TCustomControl(owner) {
    SetClickFocus(true);
    SetTabStop(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, true);
}
