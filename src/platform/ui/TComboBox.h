#pragma once
// The framework's plain combo box.
#include "ui/TCustomComboBox.h"

class TComboBox : public TCustomComboBox {
    Q_OBJECT
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};
