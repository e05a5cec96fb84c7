#include "graphics/TBitmap.h"

#include <algorithm>

TBitmap::TBitmap() : FCanvas(&FImage) {
    FCanvas.OnDrawn = [this](const QRect&) { Changed(); };
}

void TBitmap::Changed() {
    if (OnChange) OnChange();
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == FImage.width() && height == FImage.height()) return;
    FCanvas.Release();
    FImage = ResizedImage(FImage, width, height, Qt::black);
    Changed();
}

void TBitmap::Assign(const TBitmap& source) {
    if (&source == this) return;
    FCanvas.Release();
    FImage = source.Image();
    FMonochrome = source.FMonochrome;
    Changed();
}

void TBitmap::SetImage(const QImage& image) {
    FCanvas.Release();
    // Kept as given, alpha included (copying it onto a black image in source mode, as before,
    // gave the same pixels).
    FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    FMonochrome = false;
    Changed();
}

bool TBitmap::LoadFromData(const QByteArray& file) {
    QImage image;
    if (!image.loadFromData(file) || image.isNull()) return false;
    SetImage(image);
    return true;
}

bool TBitmap::ReadData(const QByteArray& stream) {
    if (stream.size() < 4) return false;
    const auto* b = reinterpret_cast<const unsigned char*>(stream.constData());
    const qint64 length = qint64(b[0]) | (qint64(b[1]) << 8) | (qint64(b[2]) << 16) | (qint64(b[3]) << 24);
    if (length > stream.size() - 4) return false;
    return LoadFromData(stream.mid(4, int(length)));
}

void TBitmap::SetMonochrome(bool monochrome) {
    if (monochrome == FMonochrome) return;
    FCanvas.Release();
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    const QRgb brush = ToQColor(FCanvas.Brush.Color).rgb();
    const QRgb font = ToQColor(FCanvas.Font.Color()).rgb();
    for (int y = 0; y < FImage.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        for (int x = 0; x < FImage.width(); ++x) {
            if (monochrome)
                row[x] = (row[x] | 0xFF000000u) == brush ? white : black;
            else
                row[x] = (row[x] | 0xFF000000u) == white ? brush : font;
        }
    }
    FMonochrome = monochrome;
    Changed();
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
