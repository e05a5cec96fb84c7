#include "GDIPicture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <stdexcept>

namespace {

// Largest file read for its header (the readers look only at the start, JPEG segments aside).
constexpr qint64 kMaxHeaderFile = 64 * 1024 * 1024;

// Bounds-checked reads from a byte array.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& data, qsizetype pos = 0) : FData(data), FPos(pos) {}
    bool Byte(int& b) {
        if (FPos < 0 || FPos >= FData.size()) return false;
        b = std::uint8_t(FData[FPos++]);
        return true;
    }
    bool Skip(qint64 n) {
        if (n < 0 || n > FData.size() - FPos) return false;
        FPos += n;
        return true;
    }
    // ReadBigEndianWord: the high byte, then the low byte.
    bool BigEndianWord(int& w) {
        int hi, lo;
        if (!Byte(hi) || !Byte(lo)) return false;
        w = (hi << 8) | lo;
        return true;
    }

private:
    const QByteArray& FData;
    qsizetype FPos;
};

bool At(const QByteArray& d, qsizetype offset, int count) { return offset >= 0 && offset + count <= d.size(); }
int U8(const QByteArray& d, qsizetype i) { return std::uint8_t(d[i]); }
int BE16(const QByteArray& d, qsizetype i) { return (U8(d, i) << 8) | U8(d, i + 1); }
int LE16(const QByteArray& d, qsizetype i) { return U8(d, i) | (U8(d, i + 1) << 8); }
std::uint32_t LE32(const QByteArray& d, qsizetype i) {
    return std::uint32_t(U8(d, i)) | (std::uint32_t(U8(d, i + 1)) << 8) | (std::uint32_t(U8(d, i + 2)) << 16) |
           (std::uint32_t(U8(d, i + 3)) << 24);
}

QByteArray ReadAll(QIODevice* stream) {
    if (!stream->isSequential()) stream->seek(0);
    return stream->readAll();
}

}  // namespace

// ---------------------------------------------------------------- header readers

bool ReadJpegSize(const QByteArray& data, int& width, int& height) {
    width = height = 0;
    if (!At(data, 0, 2) || U8(data, 0) != 0xFF || U8(data, 1) != 0xD8) return false;
    ByteReader r(data, 2);
    int b;
    if (!r.Byte(b)) return false;
    while (b == 0xFF) {
        int code;
        if (!r.Byte(code)) return false;
        // Markers without a length hand on to the next byte as a marker code.
        while (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) {
            if (!r.Byte(code)) return false;
        }
        if (code == 0xFF) continue;  // fill byte
        if (code == 0xC0 || code == 0xC1 || code == 0xC2) {
            int h, w;
            if (!r.Skip(3) || !r.BigEndianWord(h) || !r.BigEndianWord(w)) return false;
            width = w;
            height = h;
            return true;
        }
        int length;
        if (!r.BigEndianWord(length) || !r.Skip(qint64(length) - 2) || !r.Byte(b)) return false;
    }
    return false;
}

bool ReadPngSize(const QByteArray& data, int& width, int& height) {
    width = height = 0;
    static const char kSignature[] = "\x89PNG\r\n\x1A\n";
    if (!At(data, 0, 24) || !data.startsWith(QByteArray(kSignature, 8))) return false;
    width = BE16(data, 18);
    height = BE16(data, 22);
    return true;
}

bool ReadBmpSize(const QByteArray& data, int& width, int& height) {
    width = height = 0;
    if (!At(data, 0, 26) || data[0] != 'B' || data[1] != 'M') return false;
    width = int(LE32(data, 18) & 0xFFFF);
    height = int(LE32(data, 22) & 0xFFFF);
    return true;
}

bool ReadTiffSize(const QByteArray& data, int& width, int& height) {
    width = height = 0;
    if (!At(data, 0, 8)) return false;
    // Little-endian files only; the byte-order mark is not examined.
    const qint64 ifd = LE32(data, 4);
    if (!At(data, ifd, 2)) return false;
    const int count = LE16(data, ifd);
    bool haveW = false, haveH = false;
    for (int i = 0; i < count && !(haveW && haveH); ++i) {
        const qint64 entry = ifd + 2 + qint64(i) * 12;
        if (!At(data, entry, 12)) return false;
        const int tag = LE16(data, entry);
        const std::int64_t value = std::int32_t(LE32(data, entry + 8));
        const int v = int((value < 0 ? -value : value) & 0xFFFF);
        if (tag == 256) {
            width = v;
            haveW = true;
        } else if (tag == 257) {
            height = v;
            haveH = true;
        }
    }
    if (!(haveW && haveH)) width = height = 0;
    return haveW && haveH;
}

bool ReadGifSize(const QByteArray& data, int& width, int& height) {
    width = height = 0;
    if (!At(data, 0, 13) || !data.startsWith("GIF")) return false;
    qint64 pos = 13;
    const int flags = U8(data, 10);
    if (flags & 0x80) pos += 3LL << ((flags & 7) + 1);
    while (true) {
        if (!At(data, pos, 1)) return false;
        if (U8(data, pos++) == 0x2C) break;
    }
    if (!At(data, pos, 10)) return false;
    width = LE16(data, pos + 4);
    height = LE16(data, pos + 6);
    return true;
}

void ReadHeaderSize(const QString& extension, const QByteArray& data, int& width, int& height) {
    width = height = 0;
    const QString ext = extension.toUpper();
    bool ok = false;
    if (ext == QLatin1String(".JPG") || ext == QLatin1String(".JPEG")) ok = ReadJpegSize(data, width, height);
    else if (ext == QLatin1String(".PNG")) ok = ReadPngSize(data, width, height);
    else if (ext == QLatin1String(".BMP")) ok = ReadBmpSize(data, width, height);
    else if (ext == QLatin1String(".TIFF")) ok = ReadTiffSize(data, width, height);
    else if (ext == QLatin1String(".GIF")) ok = ReadGifSize(data, width, height);
    if (!ok) width = height = 0;
    width &= 0xFFFF;
    height &= 0xFFFF;
}

// ---------------------------------------------------------------- common picture

std::shared_ptr<TGPImage> TGDIPGraphic::Decode() const {
    if (FIsEmpty || FDatastream.isEmpty()) return nullptr;
    if (!FDecoded || !FDecodedBytes.isSharedWith(FDatastream)) {
        FDecoded = std::make_shared<TGPImage>(FDatastream);
        FDecodedBytes = FDatastream;
    }
    return FDecoded;
}

bool TGDIPGraphic::GetImageSizes() {
    const auto image = Decode();
    if (!image) return false;
    FWidth = int(image->GetWidth());
    FHeight = int(image->GetHeight());
    return true;
}

QImage TGDIPGraphic::KeyedBitmap() const {
    const auto image = Decode();
    if (!image || image->Native().isNull()) return {};
    QImage bitmap = image->Native().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = bitmap.pixel(0, bitmap.height() - 1);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            if (row[x] == key) row[x] = 0;
    }
    return bitmap;
}

void TGDIPGraphic::DrawOnCanvas(TCanvas& canvas, const TRect& rect, bool stretchBitmap) {
    const auto image = Decode();
    if (!image) return;
    if (image->GetFormat() == ifBMP) {
        const QImage bitmap = KeyedBitmap();
        QPainter* p = canvas.Painter();
        if (!p || bitmap.isNull()) return;
        p->setRenderHint(QPainter::SmoothPixmapTransform, false);
        const QRect target = stretchBitmap ? rect.ToQRect() : QRect(QPoint(rect.Left, rect.Top), bitmap.size());
        p->drawImage(target, bitmap);
        canvas.Changed(target);
        return;
    }
    FWidth = int(image->GetWidth());
    FHeight = int(image->GetHeight());
    TGPGraphics g(canvas);
    g.DrawImageRect(image.get(), rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

bool TGDIPGraphic::AssignCommon(const TGDIPGraphic* source, bool sameClass) {
    FIsEmpty = true;
    if (!source) {
        FDatastream.clear();
        Changed();
        Cleared();
        return true;
    }
    if (sameClass) {
        FDatastream = source->FDatastream;
        FIsEmpty = FDatastream.isEmpty();
        Changed();
        GetImageSizes();
        return true;
    }
    return false;
}

void TGDIPGraphic::Assign(const TBitmap& bitmap) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bitmap.Image().convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    FDatastream = bytes;
    FIsEmpty = false;
    Changed();
    GetImageSizes();
}

void TGDIPGraphic::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        FIsEmpty = true;
        return;
    }
    FDatastream = file.readAll();
    FIsEmpty = false;
    Cleared();
    MeasureLoadedFile(fileName);
    Changed();
}

void TGDIPGraphic::LoadFromStream(QIODevice* stream) {
    if (!stream) return;
    FDatastream = ReadAll(stream);
    FIsEmpty = false;
    GetImageSizes();
    Changed();
}

void TGDIPGraphic::SaveToStream(QIODevice* stream) const {
    if (stream) stream->write(FDatastream);
}

void TGDIPGraphic::LoadFromResourceName(const QString& resName) {
    QFile file(QStringLiteral(":/rcdata/") + resName);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) return;
    LoadFromStream(&file);
}

void TGDIPGraphic::LoadFromResourceID(int resId) {
    QFile file(QStringLiteral(":/rcdata/#%1").arg(resId));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("Resource not found");
    LoadFromStream(&file);
}

void TGDIPGraphic::LoadFromURL(const QString& url) {
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        const QString rest = url.mid(6);
        if (!rest.isEmpty()) LoadFromResourceName(rest);
    } else if (upper.startsWith(QLatin1String("FILE://"))) {
        const QString rest = url.mid(7);
        if (!rest.isEmpty()) LoadFromFile(rest);
    }
}

// ---------------------------------------------------------------- TGDIPPicture

void TGDIPPicture::Assign(const TGDIPGraphic* source) {
    if (AssignCommon(source, dynamic_cast<const TGDIPPicture*>(source) != nullptr)) return;
    GetImageSizes();
}

void TGDIPPicture::ReadData(QIODevice* stream) {
    if (!stream) return;
    FDatastream = ReadAll(stream);
    FIsEmpty = false;
}

void TGDIPPicture::Draw(TCanvas& canvas, const TRect& rect) { DrawOnCanvas(canvas, rect, true); }

void TGDIPPicture::DrawImage(TGPGraphics* graphics, int x, int y) {
    const auto image = Decode();
    if (image && graphics) graphics->DrawImage(image.get(), x, y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics* graphics, int x, int y, int w, int h) {
    const auto image = Decode();
    if (image && graphics) graphics->DrawImageRect(image.get(), x, y, w, h);
}

// ---------------------------------------------------------------- TAdvGDIPPicture

void TAdvGDIPPicture::Assign(const TGDIPGraphic* source) {
    if (AssignCommon(source, dynamic_cast<const TAdvGDIPPicture*>(source) != nullptr)) return;
    // Any other framework graphic: its saved form.
    FDatastream = source->Bytes();
    FIsEmpty = false;
    Changed();
    GetImageSizes();
}

void TAdvGDIPPicture::LoadFromStream(QIODevice* stream) {
    if (!stream || stream->size() == 0) return;
    TGDIPGraphic::LoadFromStream(stream);
}

void TAdvGDIPPicture::ReadData(QIODevice* stream) {
    if (!stream) return;
    const QByteArray bytes = ReadAll(stream);
    if (bytes.isEmpty()) return;
    FDatastream = bytes;
    FIsEmpty = false;
    GetImageSizes();
}

void TAdvGDIPPicture::Draw(TCanvas& canvas, const TRect& rect) { DrawOnCanvas(canvas, rect, false); }

void TAdvGDIPPicture::Draw(TGPGraphics* graphics, const QRectF& rect, bool stretchKeyed) {
    const auto image = Decode();
    if (!image || !graphics) return;
    FHasAlpha = image->HasAlphaChannel();
    FHasPalette = image->HasPalette();
    FPixelDepth = image->GetPixelDepth();
    FPixelFormat = image->GetPixelFormat();
    FWidth = int(image->GetWidth());
    FHeight = int(image->GetHeight());
    if (image->GetFormat() == ifBMP && Transparent() && FWidth > 0 && FHeight > 0) {
        ARGB key = 0;
        if (FBitmapTransparentMode != tmAuto)
            key = AlphaArgb(255, FBitmapTransparentColor);
        else
            image->GetPixel(0, FHeight - 1, key);
        TGPImageAttributes attributes;
        attributes.SetColorKey(key, key, ColorAdjustTypeDefault);
        const TGPRectF dest = stretchKeyed ? TGPRectF{float(rect.x()), float(rect.y()), float(rect.width()),
                                                      float(rect.height())}
                                           : TGPRectF{float(rect.x()), float(rect.y()), float(FWidth), float(FHeight)};
        graphics->DrawImage(image.get(), dest, 0, 0, float(FWidth), float(FHeight), UnitPixel, &attributes);
        return;
    }
    graphics->DrawImageRect(image.get(), TGPRectF{float(rect.x()), float(rect.y()), float(rect.width()),
                                                  float(rect.height())});
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics* graphics, const TRect& rect) {
    Draw(graphics, QRectF(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top), false);
}

void TAdvGDIPPicture::GDIPDraw(TGPGraphics* graphics, const TGPRectF& rect) {
    if (FDrawing) return;
    FDrawing = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{FDrawing};
    Draw(graphics, QRectF(rect.X, rect.Y, rect.Width, rect.Height), true);
}

void TAdvGDIPPicture::FillRect(TGPGraphics* graphics, const TGPRectF& rect) {
    const auto image = Decode();
    if (!image || !graphics) return;
    TGPTextureBrush brush(image.get(), WrapModeTile);
    graphics->FillRectangle(&brush, rect);
}

void TAdvGDIPPicture::FillPath(TGPGraphics* graphics, const TGPGraphicsPath* path) {
    const auto image = Decode();
    if (!image || !graphics || !path) return;
    TGPTextureBrush brush(image.get(), WrapModeTile);
    graphics->FillPath(&brush, path);
}

void TAdvGDIPPicture::GetImageSizesFromFileName(const QString& fileName) {
    if (FIsEmpty || FDatastream.isEmpty()) return;
    QFile file(fileName);
    QByteArray head;
    if (file.open(QIODevice::ReadOnly)) head = file.read(kMaxHeaderFile);
    ReadHeaderSize(QLatin1Char('.') + QFileInfo(fileName).suffix(), head, FWidth, FHeight);
}
