#include "ui/TGraphicControl.h"

#include <QPaintEvent>
#include <QPainter>

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(&FSurface) {
    FCanvas.OnDrawn = [this](const QRect& area) { Drawn(area); };
}

TGraphicControl::~TGraphicControl() { FCanvas.Release(); }

TCanvas& TGraphicControl::Canvas() {
    if (FSurface.size() != size()) {
        FCanvas.Release();
        if (width() > 0 && height() > 0) {
            QImage surface(size(), QImage::Format_ARGB32_Premultiplied);
            surface.fill(Qt::transparent);
            if (!FSurface.isNull()) {
                QPainter p(&surface);
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.drawImage(0, 0, FSurface);
            }
            FSurface = std::move(surface);
        } else {
            FSurface = QImage();
        }
        FFresh = QRegion();
    }
    return FCanvas;
}

void TGraphicControl::Drawn(const QRect& area) {
    if (FPainting) return;
    const QRect visible = area.intersected(rect());
    if (visible.isEmpty()) return;
    FFresh += visible;
    update(visible);
}

void TGraphicControl::paintEvent(QPaintEvent* event) {
    TCanvas& canvas = Canvas();
    // Only areas that were drawn outside Paint are shown as they are; anything else the
    // system wants repainted runs Paint.
    if (!event->region().subtracted(FFresh).isEmpty()) {
        FPainting = true;
        Paint();
        FPainting = false;
    }
    FFresh -= event->region();
    canvas.Release();
    if (FSurface.isNull()) return;
    QPainter p(this);
    for (const QRect& r : event->region()) p.drawImage(r.topLeft(), FSurface, r);
}
