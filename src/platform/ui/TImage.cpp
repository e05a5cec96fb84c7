#include "ui/TImage.h"

#include <QPainter>

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    FPicture.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool stretch) {
    FStretch = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center) {
    FCenter = center;
    Invalidate();
}

void TImage::Paint() {
    if (FPicture.Empty()) return;
    QPainter* p = Canvas().Painter();
    if (!p) return;
    const QImage& picture = FPicture.Image();
    p->setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (FStretch) {
        p->drawImage(QRect(0, 0, Width(), Height()), picture);
    } else if (FCenter) {
        p->drawImage(QPoint((Width() - picture.width()) / 2, (Height() - picture.height()) / 2), picture);
    } else {
        p->drawImage(QPoint(0, 0), picture);
    }
    Canvas().Changed(rect());
}
