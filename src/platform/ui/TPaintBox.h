#pragma once
// The paint box: a graphic control whose painting is its OnPaint event.
#include "ui/TGraphicControl.h"

class TPaintBox : public TGraphicControl {
    Q_OBJECT
public:
    explicit TPaintBox(TComponent* owner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
