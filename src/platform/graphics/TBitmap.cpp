#include "graphics/TBitmap.h"

#include <algorithm>

TBitmap::TBitmap() : FCanvas(&FImage) {}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == FImage.width() && height == FImage.height()) return;
    FCanvas.Release();
    FImage = ResizedImage(FImage, width, height, Qt::black);
}

QImage ResizedImage(const QImage& old, int width, int height, const QColor& fill) {
    if (width <= 0 || height <= 0) return QImage();
    QImage resized(width, height, QImage::Format_ARGB32_Premultiplied);
    resized.fill(fill);
    if (!old.isNull()) {
        QPainter p(&resized);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, old);
    }
    return resized;
}

const QImage& TBitmap::Image() const {
    FCanvas.Release();
    return FImage;
}
