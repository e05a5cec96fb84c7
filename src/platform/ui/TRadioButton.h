#pragma once
// The framework's radio button: a round mark with a caption to its right. Checking it, by a
// click or by Checked from code, unchecks the other radio buttons on the same parent and
// raises OnClick; unchecking from code raises nothing.
#include "ui/TCustomControl.h"

class TRadioButton : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    void SetCaption(const QString& caption) override;

protected:
    void Paint() override;
    void Click() override;

private:
    bool FChecked = false;
};
