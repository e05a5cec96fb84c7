#include "ui/TGraphicControl.h"

#include "graphics/TBitmap.h"

#include <QPaintEvent>
#include <QPainter>

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), FCanvas(&FSurface) {
    FCanvas.OnDrawn = [this](const QRect& area) { Drawn(area); };
}

TGraphicControl::~TGraphicControl() { FCanvas.Release(); }

TCanvas& TGraphicControl::Canvas() {
    if (FSurface.size() != size()) {
        FCanvas.Release();
        FSurface = ResizedImage(FSurface, width(), height(), Qt::transparent);
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
