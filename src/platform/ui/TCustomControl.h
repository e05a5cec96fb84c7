#pragma once
// A windowed control that draws itself: every repaint first erases the background (the
// framework's fill with Color, unless a control handles the erase itself) and then runs
// Paint on the control's canvas, which starts with the control's font, a default pen and a
// solid brush of its colour. The canvas draws on an image the size of the control that
// starts each repaint transparent, so whatever a control leaves undrawn shows what lies
// behind it. A paint never asks for another.
#include "graphics/TCanvas.h"
#include "ui/TWinControl.h"

#include <QImage>

class TCustomControl : public TWinControl {
    Q_OBJECT
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    // The control's canvas; it draws on the control's image while Paint runs.
    TCanvas& Canvas() { return FCanvas; }
    bool Painting() const { return FPainting; }

protected:
    // Erases the background before Paint: fills the control with Color. A control that
    // paints its whole area, or shows its parent, overrides it.
    virtual void EraseBackground(TCanvas& canvas);
    virtual void Paint() {}

    void paintEvent(QPaintEvent* event) override;

private:
    QImage FSurface;
    TCanvas FCanvas;
    bool FPainting = false;
};
