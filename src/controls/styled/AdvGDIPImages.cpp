// The antialiased drawing layer's images: decoding (once per stream), pixels and colour keys.
#include "AdvGDIP.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QMutex>

// ---------------------------------------------------------------- images

namespace {

// A decoded picture with what its file said about itself.
struct DecodedImage {
    QImage image;  // ARGB32 premultiplied, or null when the bytes were not a picture
    TGPImageFormat format = ifUndefined;
    int pixelFormat = PixelFormat32bppARGB;
};

DecodedImage Decode(const QByteArray& stream) {
    DecodedImage d;
    QBuffer buffer;
    buffer.setData(stream);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // PNG and BMP files, which Qt reads itself, are named by their signature: detecting the
    // format would first load and ask every image plug-in.
    const bool png = stream.startsWith("\x89PNG\r\n\x1A\n"), bmp = !png && stream.startsWith("BM");
    if (png || bmp) {
        reader.setFormat(png ? "png" : "bmp");
        reader.setAutoDetectImageFormat(false);
    } else {
        reader.setDecideFormatFromContent(true);
    }
    const QByteArray kind = reader.format();
    const QImage::Format declared = reader.imageFormat();
    if (!reader.read(&d.image) || d.image.isNull()) {
        d.image = QImage();
        return d;
    }
    if (kind == "bmp") d.format = ifBMP;
    else if (kind == "png") d.format = ifPNG;
    else if (kind == "jpeg" || kind == "jpg") d.format = ifJPEG;
    else if (kind == "gif") d.format = ifGIF;
    else if (kind == "tif" || kind == "tiff") d.format = ifTIFF;
    else if (kind == "ico") d.format = ifIcon;
    else d.format = ifUndefined;
    const QImage::Format f = declared != QImage::Format_Invalid ? declared : d.image.format();
    if (d.format == ifGIF)
        d.pixelFormat = PixelFormat8bppIndexed;  // GIF pictures are always paletted
    else if (f == QImage::Format_Mono || f == QImage::Format_MonoLSB)
        d.pixelFormat = PixelFormat1bppIndexed;
    else if (f == QImage::Format_Indexed8 || f == QImage::Format_Grayscale8)
        d.pixelFormat = PixelFormat8bppIndexed;
    else if (d.image.hasAlphaChannel())
        d.pixelFormat = PixelFormat32bppARGB;
    else if (f == QImage::Format_RGB16)
        d.pixelFormat = PixelFormat16bppRGB565;
    else
        d.pixelFormat = PixelFormat24bppRGB;
    if (d.image.format() != QImage::Format_ARGB32_Premultiplied)
        d.image = d.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return d;
}

// The same pictures are decoded again and again (every button of a kind, every paint of a
// picture): small decoded pictures are kept by their bytes, up to a budget. The images are
// shared copy-on-write, so a caller changing its copy leaves the kept one as it was.
DecodedImage DecodeOnce(const QByteArray& stream) {
    constexpr qsizetype kMaxKeptImage = 256 * 1024, kBudget = 8 * 1024 * 1024;
    static QMutex lock;
    static QHash<QByteArray, DecodedImage> decoded;
    static qsizetype kept = 0;
    {
        QMutexLocker hold(&lock);
        auto it = decoded.constFind(stream);
        if (it != decoded.constEnd()) return *it;
    }
    DecodedImage d = Decode(stream);
    const qsizetype size = d.image.sizeInBytes();
    if (size > kMaxKeptImage) return d;
    QMutexLocker hold(&lock);
    if (kept + size > kBudget) {
        decoded.clear();
        kept = 0;
    }
    decoded.insert(stream, d);
    kept += size;
    return d;
}

}  // namespace

TGPImage::TGPImage(const QByteArray& stream) {
    const DecodedImage d = DecodeOnce(stream);
    if (d.image.isNull()) {
        SetStatus(TStatus::UnknownImageFormat);
        return;
    }
    FNative = d.image;
    FFormat = d.format;
    FPixelFormat = d.pixelFormat;
}

TGPImage::TGPImage(int width, int height, int pixelFormat) : FFormat(ifMemoryBMP), FPixelFormat(pixelFormat) {
    if (width <= 0 || height <= 0) {
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    FNative = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    FNative.fill(Qt::transparent);
}

TGPImage::TGPImage(QImage image) : FNative(std::move(image)), FFormat(ifMemoryBMP), FPixelFormat(PixelFormat32bppARGB) {
    if (FNative.isNull()) SetStatus(TStatus::InvalidParameter);
}

unsigned TGPImage::GetWidth() const {
    if (FNative.isNull()) return SetStatus(TStatus::InvalidParameter), 0u;
    return unsigned(FNative.width());
}

unsigned TGPImage::GetHeight() const {
    if (FNative.isNull()) return SetStatus(TStatus::InvalidParameter), 0u;
    return unsigned(FNative.height());
}

TStatus TGPImage::GetPixel(int x, int y, ARGB& color) const {
    if (FNative.isNull() || !FNative.valid(x, y)) return SetStatus(TStatus::InvalidParameter);
    const QColor c = FNative.pixelColor(x, y);
    color = PackArgb(std::uint8_t(c.alpha()), std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
    return TStatus::Ok;
}

TStatus TGPImageAttributes::SetColorKey(ARGB low, ARGB high, ColorAdjustType) {
    FColorKey = std::make_pair(low, high);
    return TStatus::Ok;
}

TStatus TGPImageAttributes::ClearColorKey() {
    FColorKey.reset();
    return TStatus::Ok;
}

QImage TGPImageAttributes::Apply(const QImage& image) const {
    if (!FColorKey) return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const ARGB lo = FColorKey->first, hi = FColorKey->second;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = row[x];
            if (qRed(p) >= ArgbRedPart(lo) && qRed(p) <= ArgbRedPart(hi) && qGreen(p) >= ArgbGreenPart(lo) &&
                qGreen(p) <= ArgbGreenPart(hi) && qBlue(p) >= ArgbBluePart(lo) && qBlue(p) <= ArgbBluePart(hi))
                row[x] = 0;
        }
    }
    return out;
}
