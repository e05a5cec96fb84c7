#pragma once
// A windowed control that draws itself: every repaint first erases the background (the
// framework's fill with Color, unless a control handles the erase itself) and then runs
// Paint on the control's canvas, which starts with the control's font, a default pen and a
// solid brush of its colour. The canvas draws on an image the size of the control that
// starts each repaint transparent, so whatever a control leaves undrawn shows what lies
// behind it. A paint never asks for another.
//
// It also raises the mouse-wheel events (a wheel it does not handle goes on to its parent)
// and knows whether it holds the mouse capture (a button pressed on it and not yet
// released). The capture is lost when, before the release, the control loses the focus (a
// popup opens, another window becomes active) or its window is deactivated; the control
// then hears MouseCaptureLost, as the release will not come.
#include "graphics/TCanvas.h"
#include "ui/TWinControl.h"

#include <QImage>
#include <QPainter>
#include <QPoint>

using TMouseWheelEvent =
    std::function<void(TComponent* sender, TShiftState shift, int wheelDelta, QPoint mousePos, bool& handled)>;
using TMouseWheelUpDownEvent = std::function<void(TComponent* sender, TShiftState shift, QPoint mousePos, bool& handled)>;

class TCustomControl : public TWinControl {
    Q_OBJECT
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    // The control's canvas; it draws on the control's image while Paint runs.
    TCanvas& Canvas() { return FCanvas; }
    bool Painting() const { return FPainting; }
    // A mouse button was pressed on the control and not all are released yet.
    bool MouseCapture() const { return FMouseCapture; }
    // Runs the control's repaint (erase and Paint) and draws `area` of it, in the control's
    // coordinates, with `painter` at `at`: what its paint event would show there, without
    // asking the window to repaint.
    void PaintAreaTo(QPainter& painter, QPoint at, const QRect& area);

    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    // Erases the background before Paint: fills the control with Color. A control that
    // paints its whole area, or shows its parent, overrides it.
    virtual void EraseBackground(TCanvas& canvas);
    virtual void Paint() {}
    // The wheel: OnMouseWheel first, then the step for the direction; true when handled.
    virtual bool DoMouseWheel(TShiftState shift, int delta, QPoint pos);
    virtual bool DoMouseWheelDown(TShiftState shift, QPoint pos);
    virtual bool DoMouseWheelUp(TShiftState shift, QPoint pos);
    // The capture went elsewhere before the buttons were released.
    virtual void MouseCaptureLost() {}

    bool event(QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Erases and paints the whole control into its image.
    void PaintSurface();

    QImage FSurface;
    TCanvas FCanvas;
    bool FPainting = false;
    bool FMouseCapture = false;
};
