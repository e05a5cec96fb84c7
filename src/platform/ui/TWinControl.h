#pragma once
// A control with a window of its own, which can hold other controls.
#include "ui/TControl.h"

class TWinControl : public TControl {
    Q_OBJECT
public:
    explicit TWinControl(TComponent* owner) : TControl(owner) {}
    bool IsWindowed() const override { return true; }
};
