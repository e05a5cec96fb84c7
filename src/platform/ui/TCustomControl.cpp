#include "ui/TCustomControl.h"

#include <QPaintEvent>
#include <QPainter>

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), FCanvas(&FSurface) {}

TCustomControl::~TCustomControl() { FCanvas.Release(); }

void TCustomControl::EraseBackground(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(Rect(0, 0, Width(), Height()));
}

void TCustomControl::paintEvent(QPaintEvent* event) {
    if (width() <= 0 || height() <= 0) return;
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
    QPainter p(this);
    for (const QRect& r : event->region()) p.drawImage(r.topLeft(), FSurface, r);
}
