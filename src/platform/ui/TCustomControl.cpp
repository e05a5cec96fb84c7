#include "ui/TCustomControl.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), FCanvas(&FSurface) {}

TCustomControl::~TCustomControl() { FCanvas.Release(); }

void TCustomControl::EraseBackground(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(Rect(0, 0, Width(), Height()));
}

void TCustomControl::PaintSurface() {
    FCanvas.Release();
    if (FSurface.size() != size()) FSurface = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    FSurface.fill(Qt::transparent);
    FPainting = true;
    // The canvas starts every paint with the control's font and a solid brush of its colour.
    const auto reset = [this] {
        FCanvas.Pen = TPen();
        FCanvas.Brush = TBrush{Color(), bsSolid};
        FCanvas.Font = Font();
    };
    reset();
    EraseBackground(FCanvas);
    reset();
    Paint();
    FPainting = false;
    FCanvas.Release();
}

void TCustomControl::paintEvent(QPaintEvent* event) {
    if (width() <= 0 || height() <= 0) return;
    const bool nested = FPainting;
    PaintSurface();
    {
        QPainter p(this);
        for (const QRect& r : event->region()) p.drawImage(r.topLeft(), FSurface, r);
    }
    // The image is made anew by every paint, so it is not kept between paints (a paint
    // asked for in the middle of another leaves it to the outer one).
    if (!nested) FSurface = QImage();
}

void TCustomControl::PaintAreaTo(QPainter& painter, QPoint at, const QRect& area) {
    const QRect inside = area.intersected(rect());
    if (inside.isEmpty()) return;
    const bool nested = FPainting;
    PaintSurface();
    painter.drawImage(at + (inside.topLeft() - area.topLeft()), FSurface, inside);
    if (!nested) FSurface = QImage();
}

bool TCustomControl::DoMouseWheel(TShiftState shift, int delta, QPoint pos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, delta, pos, handled);
    if (handled || delta == 0) return handled;
    return delta < 0 ? DoMouseWheelDown(shift, pos) : DoMouseWheelUp(shift, pos);
}

bool TCustomControl::DoMouseWheelDown(TShiftState shift, QPoint pos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, handled);
    return handled;
}

bool TCustomControl::DoMouseWheelUp(TShiftState shift, QPoint pos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, handled);
    return handled;
}

void TCustomControl::wheelEvent(QWheelEvent* event) {
    // A wheel the control does not handle goes on to its parent.
    event->setAccepted(DoMouseWheel(ShiftStateOf(event->modifiers(), event->buttons()), event->angleDelta().y(),
                                    event->position().toPoint()));
}

void TCustomControl::mousePressEvent(QMouseEvent* event) {
    FMouseCapture = true;
    TWinControl::mousePressEvent(event);
}

void TCustomControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) FMouseCapture = false;
    TWinControl::mouseReleaseEvent(event);
}

bool TCustomControl::event(QEvent* event) {
    const QEvent::Type type = event->type();
    if (FMouseCapture && (type == QEvent::FocusOut || type == QEvent::WindowDeactivate)) {
        FMouseCapture = false;
        MouseCaptureLost();
    }
    return TWinControl::event(event);
}
