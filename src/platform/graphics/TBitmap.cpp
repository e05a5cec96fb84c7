#include "graphics/TBitmap.h"

#include <algorithm>

TBitmap::TBitmap() : FCanvas(&FImage) {}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == FImage.width() && height == FImage.height()) return;
    FCanvas.Release();
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        resized.fill(Qt::black);
        if (!FImage.isNull()) {
            QPainter p(&resized);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, FImage);
        }
    }
    FImage = std::move(resized);
}

const QImage& TBitmap::Image() const {
    FCanvas.Release();
    return FImage;
}
