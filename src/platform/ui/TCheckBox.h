#pragma once
// The framework's check box: a box with a check mark and a caption to its right. A change of
// its state, by a click or by Checked from code, raises OnClick.
#include "ui/TCustomControl.h"

class TCheckBox : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    void SetCaption(const QString& caption) override;

protected:
    void Paint() override;
    void Click() override;

private:
    bool FChecked = false;
};
