#pragma once
// The framework's plain group box: an etched frame with its caption in the top edge.
#include "ui/TCustomControl.h"

class TGroupBox : public TCustomControl {
    Q_OBJECT
public:
    explicit TGroupBox(TComponent* owner);
    void SetCaption(const QString& caption) override;

protected:
    void Paint() override;
};
