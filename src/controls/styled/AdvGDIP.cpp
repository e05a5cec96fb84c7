#include "AdvGDIP.h"

#include "GDIPicture.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Pixels per unit of each measuring unit at 96 pixels per inch.
double PixelsPerUnit(Unit_ unit) {
    switch (unit) {
    case UnitPoint: return 96.0 / 72.0;
    case UnitInch: return 96.0;
    case UnitDocument: return 96.0 / 300.0;
    case UnitMillimeter: return 96.0 / 25.4;
    default: return 1.0;
    }
}

QRectF QRectOf(const TGPRectF& r) { return QRectF(r.X, r.Y, r.Width, r.Height); }

// The colour blend at t (0..1) between two ARGB colours, in linear light when `gamma`.
QColor Blend(ARGB a, ARGB b, double t, bool gamma) {
    auto channel = [&](int ca, int cb) {
        if (!gamma) return int(std::lround(ca + (cb - ca) * t));
        const double la = std::pow(ca / 255.0, 2.2), lb = std::pow(cb / 255.0, 2.2);
        return int(std::lround(std::pow(la + (lb - la) * t, 1.0 / 2.2) * 255.0));
    };
    return QColor(channel(ArgbRedPart(a), ArgbRedPart(b)), channel(ArgbGreenPart(a), ArgbGreenPart(b)),
                  channel(ArgbBluePart(a), ArgbBluePart(b)),
                  int(std::lround(ArgbAlphaPart(a) + (ArgbAlphaPart(b) - ArgbAlphaPart(a)) * t)));
}

// Gradient stops for a blend (positions 0..1 with colours), gamma-blended when asked.
QGradientStops StopsOf(const std::vector<std::pair<float, ARGB>>& blend, bool gamma) {
    QGradientStops stops;
    for (std::size_t i = 0; i < blend.size(); ++i) {
        const double p = std::clamp<double>(blend[i].first, 0, 1);
        stops.append({p, QColorOfArgb(blend[i].second)});
        if (gamma && i + 1 < blend.size()) {
            const double q = std::clamp<double>(blend[i + 1].first, 0, 1);
            for (int k = 1; k < 16; ++k)
                stops.append({p + (q - p) * k / 16.0, Blend(blend[i].second, blend[i + 1].second, k / 16.0, true)});
        }
    }
    return stops;
}

QGradient::Spread SpreadOf(WrapMode mode) {
    switch (mode) {
    case WrapModeClamp: return QGradient::PadSpread;
    case WrapModeTile: return QGradient::RepeatSpread;
    default: return QGradient::ReflectSpread;
    }
}

constexpr std::array<std::array<std::uint8_t, 8>, HatchStyleTotal> kHatchPatterns = {{
    {0xFF, 0, 0, 0, 0, 0, 0, 0},                              // Horizontal
    {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},         // Vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},         // ForwardDiagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},         // BackwardDiagonal
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},         // Cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},         // DiagonalCross
    {0x80, 0, 0, 0, 0x08, 0, 0, 0},                           // 05Percent
    {0x80, 0, 0x08, 0, 0x80, 0, 0x08, 0},                     // 10Percent
    {0x88, 0, 0x22, 0, 0x88, 0, 0x22, 0},                     // 20Percent
    {0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22},         // 25Percent
    {0xAA, 0x44, 0xAA, 0x11, 0xAA, 0x44, 0xAA, 0x11},         // 30Percent
    {0xAA, 0x55, 0xAA, 0x54, 0xAA, 0x55, 0xAA, 0x45},         // 40Percent
    {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55},         // 50Percent
    {0xEE, 0x55, 0xBB, 0x55, 0xEE, 0x55, 0xBB, 0x55},         // 60Percent
    {0xEE, 0x77, 0xBB, 0xDD, 0xEE, 0x77, 0xBB, 0xDD},         // 70Percent
    {0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77},         // 75Percent
    {0xF7, 0xDD, 0x7F, 0xDD, 0xF7, 0xDD, 0x7F, 0xDD},         // 80Percent
    {0xFE, 0xFF, 0xEF, 0xFF, 0xFE, 0xFF, 0xEF, 0xFF},         // 90Percent
    {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11},         // LightDownwardDiagonal
    {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88},         // LightUpwardDiagonal
    {0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66, 0x33, 0x99},         // DarkDownwardDiagonal
    {0x33, 0x66, 0xCC, 0x99, 0x33, 0x66, 0xCC, 0x99},         // DarkUpwardDiagonal
    {0xC1, 0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83},         // WideDownwardDiagonal
    {0x83, 0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1},         // WideUpwardDiagonal
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88},         // LightVertical
    {0xFF, 0, 0, 0, 0xFF, 0, 0, 0},                           // LightHorizontal
    {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA},         // NarrowVertical
    {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0},                     // NarrowHorizontal
    {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC},         // DarkVertical
    {0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0},                     // DarkHorizontal
    {0, 0, 0x88, 0x44, 0x22, 0x11, 0, 0},                     // DashedDownwardDiagonal
    {0, 0, 0x11, 0x22, 0x44, 0x88, 0, 0},                     // DashedUpwardDiagonal
    {0xF0, 0, 0, 0, 0x0F, 0, 0, 0},                           // DashedHorizontal
    {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08},         // DashedVertical
    {0x80, 0x04, 0x20, 0x01, 0x10, 0x02, 0x40, 0x08},         // SmallConfetti
    {0xB1, 0x30, 0x03, 0x1B, 0xD8, 0xC0, 0x0C, 0x8D},         // LargeConfetti
    {0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},         // ZigZag
    {0x00, 0x18, 0xA4, 0x03, 0x00, 0x18, 0xA4, 0x03},         // Wave
    {0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81},         // DiagonalBrick
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},         // HorizontalBrick
    {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51},         // Weave
    {0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0},         // Plaid
    {0x00, 0x10, 0x08, 0x10, 0x00, 0x01, 0x80, 0x01},         // Divot
    {0xAA, 0, 0x80, 0, 0x80, 0, 0x80, 0},                     // DottedGrid
    {0x80, 0, 0x22, 0, 0x08, 0, 0x22, 0},                     // DottedDiamond
    {0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01},         // Shingle
    {0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99},         // Trellis
    {0x77, 0x98, 0xF8, 0xF8, 0x77, 0x89, 0x8F, 0x8F},         // Sphere
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},         // SmallGrid
    {0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99},         // SmallCheckerBoard
    {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F},         // LargeCheckerBoard
    {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41, 0x80},         // OutlinedDiamond
    {0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00},         // SolidDiamond
}};

// The start and end of a gradient at `angle` across the unit square (iso-lines through its
// corners), for a brush transform that maps the square onto the rectangle.
std::pair<QPointF, QPointF> UnitSquareAxis(double angleDegrees) {
    const double a = angleDegrees * kPi / 180.0;
    const QPointF d(std::cos(a), std::sin(a));
    double lo = 1e9, hi = -1e9;
    for (const QPointF& c : {QPointF(0, 0), QPointF(1, 0), QPointF(0, 1), QPointF(1, 1)}) {
        const double p = c.x() * d.x() + c.y() * d.y();
        lo = std::min(lo, p);
        hi = std::max(hi, p);
    }
    const QPointF centre(0.5, 0.5);
    const double mid = centre.x() * d.x() + centre.y() * d.y();
    return {centre + d * (lo - mid), centre + d * (hi - mid)};
}

}  // namespace

int RoundEven(double value) { return int(std::nearbyint(value)); }

ARGB PackArgb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}

ARGB OpaqueArgbFromParts(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return PackArgb(255, r, g, b); }

ARGB AlphaArgb(std::uint8_t alpha, TColor color) {
    const TColor c = ColorToRGB(color);
    return PackArgb(alpha, std::uint8_t(GetRValue(c)), std::uint8_t(GetGValue(c)), std::uint8_t(GetBValue(c)));
}

ARGB OpaqueArgb(TColor color) { return AlphaArgb(255, color); }

QColor QColorOfArgb(ARGB c) { return QColor(ArgbRedPart(c), ArgbGreenPart(c), ArgbBluePart(c), ArgbAlphaPart(c)); }

void GdiplusStartup() {}
void GdiplusShutdown() {}

// ---------------------------------------------------------------- matrix

TStatus TGPMatrix::Combine(const QTransform& t, MatrixOrder order) {
    FNative = order == MatrixOrderAppend ? FNative * t : t * FNative;
    return TStatus::Ok;
}

TStatus TGPMatrix::Reset() {
    FNative = QTransform(1, 0, 0, 1, 0, 0);
    return TStatus::Ok;
}

TStatus TGPMatrix::Translate(float dx, float dy, MatrixOrder order) {
    return Combine(QTransform::fromTranslate(dx, dy), order);
}

TStatus TGPMatrix::Scale(float sx, float sy, MatrixOrder order) { return Combine(QTransform::fromScale(sx, sy), order); }

TStatus TGPMatrix::Rotate(float angle, MatrixOrder order) { return Combine(QTransform().rotate(angle), order); }

TStatus TGPMatrix::RotateAt(float angle, const TGPPointF& c, MatrixOrder order) {
    if (order == MatrixOrderAppend) {
        Translate(-c.X, -c.Y, order);
        Rotate(angle, order);
        return Translate(c.X, c.Y, order);
    }
    Translate(c.X, c.Y, order);
    Rotate(angle, order);
    return Translate(-c.X, -c.Y, order);
}

// ---------------------------------------------------------------- path and region

TGPGraphicsPath::TGPGraphicsPath(FillMode mode) {
    FNative.setFillRule(mode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
}

TStatus TGPGraphicsPath::Reset() {
    const Qt::FillRule rule = FNative.fillRule();
    FNative = QPainterPath();
    FNative.setFillRule(rule);
    FFigureOpen = false;
    FEllipse = false;
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::CloseFigure() {
    if (FFigureOpen) FNative.closeSubpath();
    FFigureOpen = false;
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::StartFigure() {
    FFigureOpen = false;
    return TStatus::Ok;
}

void TGPGraphicsPath::ConnectTo(const QPointF& p) {
    FEllipse = false;
    if (FFigureOpen) {
        if (FNative.currentPosition() != p) FNative.lineTo(p);
    } else {
        FNative.moveTo(p);
        FFigureOpen = true;
    }
}

TStatus TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
    ConnectTo(QPointF(x1, y1));
    FNative.lineTo(x2, y2);
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::AddArc(float x, float y, float w, float h, float startAngle, float sweepAngle) {
    if (w <= 0 || h <= 0) return SetStatus(TStatus::InvalidParameter);
    // Qt counts angles counter-clockwise on screen.
    QPainterPath start;
    start.arcMoveTo(x, y, w, h, -startAngle);
    ConnectTo(start.currentPosition());
    FNative.arcTo(x, y, w, h, -startAngle, -sweepAngle);
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::AddEllipse(float x, float y, float w, float h) {
    const bool first = FNative.elementCount() == 0;
    FNative.addEllipse(x, y, w, h);
    FFigureOpen = false;
    FEllipse = first;
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& r) {
    FNative.addRect(QRectOf(r));
    FFigureOpen = false;
    FEllipse = false;
    return TStatus::Ok;
}

TStatus TGPGraphicsPath::AddPolygon(const TGPPointF* points, int count) {
    if (!points || count < 3) return SetStatus(TStatus::InvalidParameter);
    QPolygonF polygon;
    for (int i = 0; i < count; ++i) polygon << QPointF(points[i].X, points[i].Y);
    FNative.addPolygon(polygon);
    FNative.closeSubpath();
    FFigureOpen = false;
    FEllipse = false;
    return TStatus::Ok;
}

TGPRectF TGPGraphicsPath::GetBounds() const {
    const QRectF b = FNative.boundingRect();
    return {float(b.x()), float(b.y()), float(b.width()), float(b.height())};
}

TGPRegion::TGPRegion(const TGPRectF& rect) { FNative.addRect(QRectOf(rect)); }

TGPRegion::TGPRegion(const TGPGraphicsPath* path) {
    if (path)
        FNative = path->Native();
    else
        SetStatus(TStatus::InvalidParameter);
}

TStatus TGPRegion::Exclude(const TGPGraphicsPath* path) {
    if (!path) return SetStatus(TStatus::InvalidParameter);
    FNative = FNative.subtracted(path->Native());
    return TStatus::Ok;
}

TStatus TGPRegion::Union(const TGPRegion* region) {
    if (!region) return SetStatus(TStatus::InvalidParameter);
    FNative = FNative.united(region->Native());
    return TStatus::Ok;
}

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
    reader.setDecideFormatFromContent(true);
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

// ---------------------------------------------------------------- brushes

TGPBrush::TGPBrush() { SetStatus(TStatus::NotImplemented); }

std::optional<QBrush> TGPBrush::Native(const QRectF&) const { return FNative; }

TGPSolidBrush::TGPSolidBrush(ARGB color) : TGPBrush(QBrush(QColorOfArgb(color))) {}

const std::uint8_t* TGPHatchBrush::Pattern(HatchStyle style) {
    if (style < 0 || style >= HatchStyleTotal) return nullptr;
    return kHatchPatterns[std::size_t(style)].data();
}

TGPHatchBrush::TGPHatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor) : TGPBrush(std::nullopt) {
    const std::uint8_t* rows = Pattern(style);
    if (!rows) {
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    const QRgb fore = QColorOfArgb(foreColor).rgba(), back = QColorOfArgb(backColor).rgba();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) tile.setPixel(x, y, qPremultiply((rows[y] & (0x80 >> x)) ? fore : back));
    QBrush brush(tile);
    FNative = brush;
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode) : TGPBrush(std::nullopt) {
    if (!image || image->Native().isNull()) {
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    FNative = QBrush(image->Native());
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& p1, const TGPPointF& p2, ARGB c1, ARGB c2)
    : TGPBrush(std::nullopt), FColor1(c1), FColor2(c2) {
    if (p1.X == p2.X && p1.Y == p2.Y) {
        SetStatus(TStatus::OutOfMemory);
        return;
    }
    FStart = QPointF(p1.X, p1.Y);
    FEnd = QPointF(p2.X, p2.Y);
    FMade = true;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB c1, ARGB c2, LinearGradientMode mode)
    : TGPBrush(std::nullopt), FColor1(c1), FColor2(c2) {
    static constexpr float kAngles[] = {0, 90, 45, 135};
    MakeFromRect(rect, kAngles[std::clamp(int(mode), 0, 3)], true);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB c1, ARGB c2, float angle, bool scalable)
    : TGPBrush(std::nullopt), FColor1(c1), FColor2(c2) {
    MakeFromRect(rect, angle, scalable);
}

void TGPLinearGradientBrush::MakeFromRect(const TGPRectF& rect, float angle, bool scalable) {
    if (!(rect.Width > 0) || !(rect.Height > 0)) {
        SetStatus(TStatus::OutOfMemory);
        return;
    }
    if (scalable) {
        // The angle holds in the rectangle's own unit square.
        const auto [s, e] = UnitSquareAxis(angle);
        FStart = s;
        FEnd = e;
        FTransform = QTransform::fromScale(rect.Width, rect.Height) * QTransform::fromTranslate(rect.X, rect.Y);
    } else {
        const double a = angle * kPi / 180.0;
        const QPointF d(std::cos(a), std::sin(a));
        const QRectF r = QRectOf(rect);
        double lo = 1e18, hi = -1e18;
        for (const QPointF& c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            const double p = QPointF::dotProduct(c - r.center(), d);
            lo = std::min(lo, p);
            hi = std::max(hi, p);
        }
        FStart = r.center() + d * lo;
        FEnd = r.center() + d * hi;
    }
    FMade = true;
}

TStatus TGPLinearGradientBrush::SetGammaCorrection(bool useGamma) {
    if (!FMade) return SetStatus(TStatus::InvalidParameter);
    FGamma = useGamma;
    return TStatus::Ok;
}

TStatus TGPLinearGradientBrush::SetWrapMode(WrapMode mode) {
    if (!FMade) return SetStatus(TStatus::InvalidParameter);
    FWrap = mode;
    return TStatus::Ok;
}

TStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* colors, const float* positions, int count) {
    if (count <= 0) return SetStatus(TStatus::InvalidParameter);
    if (!colors || !positions || !FMade) return SetStatus(TStatus::InvalidParameter);
    FBlend.clear();
    for (int i = 0; i < count; ++i) FBlend.emplace_back(positions[i], colors[i]);
    return TStatus::Ok;
}

std::optional<QBrush> TGPLinearGradientBrush::Native(const QRectF&) const {
    if (!FMade) return std::nullopt;
    QLinearGradient g(FStart, FEnd);
    g.setSpread(SpreadOf(FWrap));
    if (FBlend.empty())
        g.setStops(StopsOf({{0.0f, FColor1}, {1.0f, FColor2}}, FGamma));
    else
        g.setStops(StopsOf(FBlend, FGamma));
    QBrush brush(g);
    brush.setTransform(FTransform);
    return brush;
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* path) : TGPBrush(std::nullopt) {
    if (!path || path->Native().isEmpty()) {
        SetStatus(path ? TStatus::OutOfMemory : TStatus::InvalidParameter);
        return;
    }
    FPath = path->Native();
    FBounds = FPath.boundingRect();
    FEllipse = path->IsEllipse();
    FPointCount = FPath.elementCount();
    FCenter = FBounds.center();
    FMade = FBounds.width() > 0 && FBounds.height() > 0;
    if (!FMade) SetStatus(TStatus::OutOfMemory);
}

TStatus TGPPathGradientBrush::SetCenterColor(ARGB color) {
    if (!FMade) SetStatus(TStatus::InvalidParameter);
    else FCenterColor = color;
    return FLastResult;
}

TStatus TGPPathGradientBrush::GetCenterColor(ARGB& color) const {
    if (!FMade) SetStatus(TStatus::InvalidParameter);
    else color = FCenterColor;
    return FLastResult;
}

TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point) {
    if (!FMade) return SetStatus(TStatus::InvalidParameter);
    FCenter = QPointF(point.X, point.Y);
    return TStatus::Ok;
}

TStatus TGPPathGradientBrush::GetCenterPoint(TGPPointF& point) const {
    if (!FMade) return SetStatus(TStatus::InvalidParameter);
    point = {float(FCenter.x()), float(FCenter.y())};
    return TStatus::Ok;
}

TStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count) {
    if (!colors || count > FPointCount || FPointCount == 0 || count <= 0) return SetStatus(TStatus::InvalidParameter);
    FSurround.assign(colors, colors + count);
    return TStatus::Ok;
}

TStatus TGPPathGradientBrush::GetSurroundColors(ARGB* colors, int& count) const {
    if (!colors) return SetStatus(TStatus::InvalidParameter);
    const int have = int(FSurround.size());
    if (count < have || have == 0) return SetStatus(TStatus::InsufficientBuffer);
    std::copy(FSurround.begin(), FSurround.end(), colors);
    count = have;
    return TStatus::Ok;
}

TStatus TGPPathGradientBrush::SetInterpolationColors(const ARGB* colors, const float* positions, int count) {
    if (count <= 0 || !colors || !positions || !FMade) return SetStatus(TStatus::InvalidParameter);
    FBlend.clear();
    for (int i = 0; i < count; ++i) FBlend.emplace_back(positions[i], colors[i]);
    return TStatus::Ok;
}

TStatus TGPPathGradientBrush::SetWrapMode(WrapMode mode) {
    if (!FMade) return SetStatus(TStatus::InvalidParameter);
    FWrap = mode;
    return TStatus::Ok;
}

QColor TGPPathGradientBrush::ColorAt(double t) const {
    if (FBlend.empty()) return Blend(FSurround.front(), FCenterColor, std::clamp(t, 0.0, 1.0), false);
    if (t <= FBlend.front().first) return QColorOfArgb(FBlend.front().second);
    for (std::size_t i = 1; i < FBlend.size(); ++i) {
        if (t <= FBlend[i].first) {
            const double span = FBlend[i].first - FBlend[i - 1].first;
            return Blend(FBlend[i - 1].second, FBlend[i].second, span > 0 ? (t - FBlend[i - 1].first) / span : 1, false);
        }
    }
    return QColorOfArgb(FBlend.back().second);
}

std::optional<QBrush> TGPPathGradientBrush::Native(const QRectF&) const {
    if (!FMade) return std::nullopt;
    if (FEllipse) {
        // A focal radial gradient on the unit circle, mapped onto the ellipse.
        const QPointF c = FBounds.center();
        const double rx = FBounds.width() / 2, ry = FBounds.height() / 2;
        QPointF focal((FCenter.x() - c.x()) / rx, (FCenter.y() - c.y()) / ry);
        const double len = std::hypot(focal.x(), focal.y());
        if (len > 0.999) focal *= 0.999 / len;
        QRadialGradient g(QPointF(0, 0), 1.0, focal);
        QGradientStops stops;
        if (FBlend.empty()) {
            stops = {{0.0, QColorOfArgb(FCenterColor)}, {1.0, QColorOfArgb(FSurround.front())}};
        } else {
            for (auto it = FBlend.rbegin(); it != FBlend.rend(); ++it)
                stops.append({1.0 - std::clamp<double>(it->first, 0, 1), QColorOfArgb(it->second)});
        }
        g.setStops(stops);
        g.setSpread(QGradient::PadSpread);
        QBrush brush(g);
        brush.setTransform(QTransform::fromScale(rx, ry) * QTransform::fromTranslate(c.x(), c.y()));
        return brush;
    }
    // Any other outline: contours are the bounding box scaled toward the centre point.
    const QRect box = FBounds.toAlignedRect();
    const int w = std::min(box.width(), 2048), h = std::min(box.height(), 2048);
    QImage tile(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(tile.scanLine(y));
        const double py = box.top() + y;
        const double dy = py - FCenter.y();
        const double hy = dy >= 0 ? FBounds.bottom() - FCenter.y() : FCenter.y() - FBounds.top();
        for (int x = 0; x < w; ++x) {
            const double dx = box.left() + x - FCenter.x();
            const double hx = dx >= 0 ? FBounds.right() - FCenter.x() : FCenter.x() - FBounds.left();
            const double s = std::max(hx > 0 ? std::abs(dx) / hx : 0.0, hy > 0 ? std::abs(dy) / hy : 0.0);
            row[x] = qPremultiply(ColorAt(1.0 - std::min(s, 1.0)).rgba());
        }
    }
    QBrush brush(tile);
    brush.setTransform(QTransform::fromTranslate(box.left(), box.top()));
    return brush;
}

// ---------------------------------------------------------------- pen

TGPPen::TGPPen(ARGB color, float width) : FColor(color), FWidth(width) {}

TStatus TGPPen::SetDashStyle(DashStyle style) {
    if (style < DashStyleSolid || style > DashStyleCustom) return SetStatus(TStatus::InvalidParameter);
    FDash = style;
    return TStatus::Ok;
}

QPen TGPPen::Native() const {
    QPen pen(QColorOfArgb(FColor));
    pen.setWidthF(std::max(FWidth, 1.0f));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (FDash) {
    case DashStyleDash: pen.setDashPattern({3, 1}); break;
    case DashStyleDot: pen.setDashPattern({1, 1}); break;
    case DashStyleDashDot: pen.setDashPattern({3, 1, 1, 1}); break;
    case DashStyleDashDotDot: pen.setDashPattern({3, 1, 1, 1, 1, 1}); break;
    default: break;
    }
    return pen;
}

// ---------------------------------------------------------------- fonts

TGPFontFamily::TGPFontFamily(const QString& name) {
    // Installed families by lower-case name, looked up once per name (texts are measured
    // and drawn many times per paint).
    static QHash<QString, QString> installed;
    const QString family = TFont::SubstituteFamily(name).toLower();
    auto found = installed.constFind(family);
    if (found == installed.constEnd()) {
        QString match;
        for (const QString& f : QFontDatabase::families())
            if (f.compare(family, Qt::CaseInsensitive) == 0) match = f;
        found = installed.insert(family, match);
    }
    FName = *found;
    if (FName.isEmpty()) SetStatus(TStatus::FontFamilyNotFound);
}

namespace {
const TGPFontFamily* Generic(QFontDatabase::SystemFont kind, std::unique_ptr<TGPFontFamily>& cache,
                             const char* fallback) {
    if (!cache) {
        QString name = QFontDatabase::systemFont(kind).family();
        auto family = std::make_unique<TGPFontFamily>(name);
        if (!family->IsValid()) family = std::make_unique<TGPFontFamily>(QString::fromLatin1(fallback));
        cache = std::move(family);
    }
    return cache.get();
}
}  // namespace

const TGPFontFamily* TGPFontFamily::GenericSansSerif() {
    static std::unique_ptr<TGPFontFamily> cache;
    return Generic(QFontDatabase::GeneralFont, cache, "Liberation Sans");
}

const TGPFontFamily* TGPFontFamily::GenericSerif() {
    static std::unique_ptr<TGPFontFamily> cache;
    return Generic(QFontDatabase::GeneralFont, cache, "Liberation Serif");
}

const TGPFontFamily* TGPFontFamily::GenericMonospace() {
    static std::unique_ptr<TGPFontFamily> cache;
    return Generic(QFontDatabase::FixedFont, cache, "Liberation Mono");
}

TGPFont::TGPFont(const TGPFontFamily* family, float emSize, int style, Unit_ unit) {
    Make(family, emSize, style, unit);
}

TGPFont::TGPFont(const QString& familyName, float emSize, int style, Unit_ unit) {
    TGPFontFamily family(familyName);
    Make(family.IsValid() ? &family : TGPFontFamily::GenericSansSerif(), emSize, style, unit);
}

void TGPFont::Make(const TGPFontFamily* family, float emSize, int style, Unit_ unit) {
    if (!family || !family->IsValid() || !(emSize > 0)) {
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    FEmSize = emSize;
    FStyle = style;
    FEmPixels = emSize * PixelsPerUnit(unit);
    FNative.setFamilies({family->Name(), QStringLiteral("WenQuanYi Micro Hei")});
    FNative.setPixelSize(std::max(1, int(std::lround(std::min(FEmPixels, 32767.0)))));
    FNative.setBold(style & FontStyleBold);
    FNative.setItalic(style & FontStyleItalic);
    FNative.setUnderline(style & FontStyleUnderline);
    FNative.setStrikeOut(style & FontStyleStrikeout);
    FValid = true;
}

// ---------------------------------------------------------------- surface

TGPGraphics::TGPGraphics(QImage* image) {
    if (!image || image->isNull()) return;
    FOwnPainter = std::make_unique<QPainter>();
    if (!FOwnPainter->begin(image)) {
        FOwnPainter.reset();
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    FPainter = FOwnPainter.get();
    Begin();
}

TGPGraphics::TGPGraphics(TCanvas& canvas) : FCanvas(&canvas) {
    FPainter = canvas.Painter();
    if (!FPainter) {
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    FPainter->save();
    Begin();
}

TGPGraphics::TGPGraphics(QPainter* painter) : FPainter(painter) {
    if (!FPainter) {
        SetStatus(TStatus::InvalidParameter);
        return;
    }
    FPainter->save();
    Begin();
}

void TGPGraphics::Begin() {
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    FPainter->setClipping(false);
}

TGPGraphics::~TGPGraphics() {
    if (!FPainter) return;
    if (FOwnPainter) {
        FOwnPainter->end();
        return;
    }
    FPainter->restore();
    if (FCanvas && FCanvas->Target()) FCanvas->Changed(FCanvas->Target()->rect());
}

void TGPGraphics::ShapeMode() const {
    // Antialiased shapes sit on pixel centres; aliased ones already cover the pixel right of
    // and below an integer coordinate.
    if (FPainter->testRenderHint(QPainter::Antialiasing))
        FPainter->setWorldTransform(FWorld * QTransform::fromTranslate(0.5, 0.5));
    else
        FPainter->setWorldTransform(FWorld);
}

void TGPGraphics::EdgeMode() const { FPainter->setWorldTransform(FWorld); }

TStatus TGPGraphics::Clear(ARGB color) {
    if (!FPainter) return SetStatus(TStatus::InvalidParameter);
    FPainter->save();
    FPainter->resetTransform();
    FPainter->setCompositionMode(QPainter::CompositionMode_Source);
    FPainter->fillRect(QRect(QPoint(0, 0), FPainter->device() ? QSize(FPainter->device()->width(),
                                                                     FPainter->device()->height())
                                                              : QSize()),
                       QColorOfArgb(color));
    FPainter->restore();
    return TStatus::Ok;
}

TStatus TGPGraphics::SetSmoothingMode(SmoothingMode mode) {
    if (!FPainter || mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias)
        return SetStatus(TStatus::InvalidParameter);
    FSmoothing = mode;
    FPainter->setRenderHint(QPainter::Antialiasing, mode == SmoothingModeAntiAlias || mode == SmoothingModeHighQuality);
    return TStatus::Ok;
}

SmoothingMode TGPGraphics::GetSmoothingMode() const {
    if (!FPainter) {
        SetStatus(TStatus::InvalidParameter);
        return SmoothingModeInvalid;
    }
    return FSmoothing;
}

TStatus TGPGraphics::SetTextRenderingHint(TextRenderingHint hint) {
    if (!FPainter) return SetStatus(TStatus::InvalidParameter);
    FTextHint = hint;
    FPainter->setRenderHint(QPainter::TextAntialiasing, hint != TextRenderingHintSingleBitPerPixel &&
                                                            hint != TextRenderingHintSingleBitPerPixelGridFit);
    return TStatus::Ok;
}

TStatus TGPGraphics::SetWorldTransform(const TGPMatrix* matrix) {
    if (!FPainter || !matrix) return SetStatus(TStatus::InvalidParameter);
    FWorld = matrix->Native();
    return TStatus::Ok;
}

TStatus TGPGraphics::ResetWorldTransform() {
    FWorld = QTransform();
    return TStatus::Ok;
}

TStatus TGPGraphics::Fill(const TGPBrush* brush, const QPainterPath& path) {
    if (!FPainter || !brush) return SetStatus(TStatus::InvalidParameter);
    std::optional<QBrush> native = brush->Native(path.boundingRect());
    if (!native) return SetStatus(TStatus::InvalidParameter);
    ShapeMode();
    // Texture brushes tile on pixel edges, not on the half-pixel grid of shapes.
    if (native->style() == Qt::TexturePattern && FPainter->testRenderHint(QPainter::Antialiasing))
        native->setTransform(native->transform() * QTransform::fromTranslate(-0.5, -0.5));
    FPainter->fillPath(path, *native);
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path) {
    if (!FPainter) return SetStatus(TStatus::InvalidParameter);
    if (!pen || !path) return SetStatus(TStatus::InvalidParameter);
    ShapeMode();
    FPainter->strokePath(path->Native(), pen->Native());
    return TStatus::Ok;
}

TStatus TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path) {
    if (!path) return SetStatus(TStatus::InvalidParameter);
    return Fill(brush, path->Native());
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, const TGPRectF& rect) {
    QPainterPath p;
    p.addRect(QRectOf(rect));
    return Fill(brush, p);
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, int x, int y, int w, int h) {
    QPainterPath p;
    p.addEllipse(QRectF(x, y, w, h));
    return Fill(brush, p);
}

TStatus TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count) {
    if (!points || count < 3) return SetStatus(TStatus::InvalidParameter);
    QPolygonF polygon;
    for (int i = 0; i < count; ++i) polygon << QPointF(points[i].X, points[i].Y);
    QPainterPath p;
    p.addPolygon(polygon);
    p.closeSubpath();
    p.setFillRule(Qt::OddEvenFill);
    return Fill(brush, p);
}

TStatus TGPGraphics::DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2) {
    if (!FPainter || !pen) return SetStatus(TStatus::InvalidParameter);
    ShapeMode();
    FPainter->setPen(pen->Native());
    FPainter->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    FPainter->setPen(Qt::NoPen);
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawArc(const TGPPen* pen, float x, float y, float w, float h, float start, float sweep) {
    if (!FPainter || !pen || w <= 0 || h <= 0) return SetStatus(TStatus::InvalidParameter);
    QPainterPath p;
    p.arcMoveTo(x, y, w, h, -start);
    p.arcTo(x, y, w, h, -start, -sweep);
    ShapeMode();
    FPainter->strokePath(p, pen->Native());
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* pen, const TGPRectF& rect) {
    if (!FPainter || !pen) return SetStatus(TStatus::InvalidParameter);
    QPainterPath p;
    p.addRect(QRectOf(rect));
    ShapeMode();
    FPainter->strokePath(p, pen->Native());
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRectF& rect) {
    if (!FPainter || !pen) return SetStatus(TStatus::InvalidParameter);
    QPainterPath p;
    p.addEllipse(QRectOf(rect));
    ShapeMode();
    FPainter->strokePath(p, pen->Native());
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, int x, int y) {
    if (!FPainter || !image || image->Native().isNull()) return SetStatus(TStatus::InvalidParameter);
    EdgeMode();
    FPainter->drawImage(QPoint(x, y), image->Native());
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawImageRect(const TGPImage* image, int x, int y, int w, int h) {
    if (!FPainter || !image || image->Native().isNull()) return SetStatus(TStatus::InvalidParameter);
    EdgeMode();
    FPainter->drawImage(QRectF(x, y, w, h), image->Native());
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawImageRect(const TGPImage* image, const TGPRectF& r) {
    return DrawImageRect(image, RoundEven(r.X), RoundEven(r.Y), RoundEven(r.Width), RoundEven(r.Height));
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, const TGPRectF& dest, float srcX, float srcY, float srcW,
                               float srcH, Unit_ srcUnit, const TGPImageAttributes* attributes) {
    if (!FPainter || !image || image->Native().isNull()) return SetStatus(TStatus::InvalidParameter);
    const double k = PixelsPerUnit(srcUnit);
    const QImage source = attributes ? attributes->Apply(image->Native()) : image->Native();
    EdgeMode();
    FPainter->drawImage(QRectOf(dest), source, QRectF(srcX * k, srcY * k, srcW * k, srcH * k));
    return TStatus::Ok;
}

// ---------------------------------------------------------------- text

struct TGPGraphics::Layout {
    struct Line {
        QString text;
        double width = 0;
        int first = 0;
    };
    std::vector<Line> lines;
    double pad = 0;
    double lineHeight = 0;
    double ascent = 0;
    int fitted = 0;
};

TGPGraphics::Layout TGPGraphics::LayOut(const QString& text, const TGPFont& font, const TGPRectF& box,
                                        const TGPStringFormat* format) const {
    Layout out;
    const QFontMetricsF fm(font.Native());
    out.pad = font.EmPixels() / 6.0;
    out.lineHeight = fm.lineSpacing();
    out.ascent = fm.ascent();
    const int flags = format ? format->GetFormatFlags() : 0;
    const bool wrap = !(flags & StringFormatFlagsNoWrap) && box.Width > 0;
    const double width = box.Width > 0 ? std::max(0.0, box.Width - 2 * out.pad) : 1e9;
    const double maxLines = box.Height > 0 ? std::max(1.0, std::floor(box.Height / out.lineHeight + 1e-6)) : 1e9;
    const bool lineLimit = (flags & StringFormatFlagsLineLimit) != 0;
    // Paragraphs split at line breaks; each wraps at word boundaries within the width.
    int pos = 0;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QString para = paragraph;
        if (para.endsWith(QLatin1Char('\r'))) para.chop(1);
        if (!wrap) {
            out.lines.push_back({para, fm.horizontalAdvance(para), pos});
        } else {
            QTextLayout layout(para, font.Native());
            layout.beginLayout();
            while (true) {
                QTextLine line = layout.createLine();
                if (!line.isValid()) break;
                line.setLineWidth(width);
                const QString part = para.mid(line.textStart(), line.textLength());
                out.lines.push_back({part, line.naturalTextWidth(), pos + line.textStart()});
            }
            layout.endLayout();
            if (para.isEmpty()) out.lines.push_back({QString(), 0, pos});
        }
        pos += paragraph.size() + 1;
    }
    // Lines below the box: a partly visible last line stays unless the line limit is set.
    const double limit = box.Height > 0 ? (lineLimit ? maxLines : std::ceil(box.Height / out.lineHeight - 1e-6)) : 1e9;
    if (double(out.lines.size()) > limit) out.lines.resize(std::size_t(std::max(0.0, limit)));
    out.fitted = 0;
    for (const auto& l : out.lines) out.fitted = std::min<int>(int(text.size()), l.first + int(l.text.size()));
    if (!out.lines.empty() && out.lines.size() == std::size_t(std::count(text.begin(), text.end(), QLatin1Char('\n')) + 1))
        out.fitted = int(text.size());
    return out;
}

TStatus TGPGraphics::MeasureString(const QString& text, int length, const TGPFont* font, const TGPRectF& layout,
                                   const TGPStringFormat* format, TGPRectF& bounding, int* codepointsFitted,
                                   int* linesFilled) const {
    if (!font || !font->IsValid()) return SetStatus(TStatus::InvalidParameter);
    const QString s = length < 0 ? text : text.left(length);
    const Layout l = LayOut(s, *font, layout, format);
    double w = 0;
    for (const auto& line : l.lines) w = std::max(w, line.width);
    bounding = {layout.X, layout.Y, float(s.isEmpty() ? 0 : w + 2 * l.pad),
                float(s.isEmpty() ? 0 : l.lines.size() * l.lineHeight)};
    if (format && layout.Width > 0) {
        if (format->GetAlignment() == StringAlignmentCenter) bounding.X += (layout.Width - bounding.Width) / 2;
        if (format->GetAlignment() == StringAlignmentFar) bounding.X += layout.Width - bounding.Width;
    }
    if (codepointsFitted) *codepointsFitted = l.fitted;
    if (linesFilled) *linesFilled = int(l.lines.size());
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawString(const QString& text, int length, const TGPFont* font, const TGPRectF& box,
                                const TGPStringFormat* format, const TGPBrush* brush) {
    if (!FPainter || !font || !font->IsValid() || !brush) return SetStatus(TStatus::InvalidParameter);
    const std::optional<QBrush> native = brush->Native(QRectOf(box));
    if (!native) return SetStatus(TStatus::InvalidParameter);
    const QString s = length < 0 ? text : text.left(length);
    const Layout l = LayOut(s, *font, box, format);
    EdgeMode();
    FPainter->save();
    const int flags = format ? format->GetFormatFlags() : 0;
    if (!(flags & StringFormatFlagsNoClip) && box.Width > 0 && box.Height > 0)
        FPainter->setClipRect(QRectOf(box), Qt::IntersectClip);
    FPainter->setFont(font->Native());
    FPainter->setPen(QPen(*native, 1));
    const double total = l.lines.size() * l.lineHeight;
    double y = box.Y;
    if (format && box.Height > 0) {
        if (format->GetLineAlignment() == StringAlignmentCenter) y += (box.Height - total) / 2;
        if (format->GetLineAlignment() == StringAlignmentFar) y += box.Height - total;
    }
    for (const auto& line : l.lines) {
        double x = box.X + l.pad;
        if (format && box.Width > 0) {
            if (format->GetAlignment() == StringAlignmentCenter) x = box.X + (box.Width - line.width) / 2;
            if (format->GetAlignment() == StringAlignmentFar) x = box.X + box.Width - l.pad - line.width;
        }
        FPainter->drawText(QPointF(x, y + l.ascent), line.text);
        y += l.lineHeight;
    }
    FPainter->restore();
    return TStatus::Ok;
}

TStatus TGPGraphics::DrawString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                                const TGPStringFormat* format, const TGPBrush* brush) {
    if (!FPainter || !font || !font->IsValid() || !brush) return SetStatus(TStatus::InvalidParameter);
    const std::optional<QBrush> native = brush->Native(QRectF());
    if (!native) return SetStatus(TStatus::InvalidParameter);
    const QString s = length < 0 ? text : text.left(length);
    const Layout l = LayOut(s, *font, TGPRectF{origin.X, origin.Y, 0, 0}, format);
    EdgeMode();
    FPainter->save();
    FPainter->setFont(font->Native());
    FPainter->setPen(QPen(*native, 1));
    double y = origin.Y;
    for (const auto& line : l.lines) {
        double x = origin.X + l.pad;
        if (format && format->GetAlignment() == StringAlignmentCenter) x = origin.X - line.width / 2;
        if (format && format->GetAlignment() == StringAlignmentFar) x = origin.X - l.pad - line.width;
        FPainter->drawText(QPointF(x, y + l.ascent), line.text);
        y += l.lineHeight;
    }
    FPainter->restore();
    return TStatus::Ok;
}

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont& font) {
    auto family = std::make_unique<TGPFontFamily>(font.Name());
    const TStatus s = family->GetLastStatus();
    if (s == TStatus::FontFamilyNotFound || s == TStatus::FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>(QStringLiteral("Arial"));
    int style = 0;
    if (font.Style() & fsBold) style += 1;
    if (font.Style() & fsItalic) style += 2;
    if (font.Style() & fsUnderline) style += 4;
    return std::make_unique<TGPFont>(family.get(), float(font.Size()), style, UnitPoint);
}

int TGPGraphics::TextWidth(const QString& text, const TFont& font) const {
    const auto f = MakeFont(font);
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF{0, 0, 10000, 10000}, nullptr, box);
    return RoundEven(box.Width);
}

int TGPGraphics::TextHeight(const QString& text, const TFont& font) const {
    const auto f = MakeFont(font);
    TGPRectF box;
    MeasureString(text, -1, f.get(), TGPRectF{0, 0, 10000, 10000}, nullptr, box);
    return RoundEven(box.Height);
}

int TGPGraphics::DrawText(const QString& text, int length, TRect& rect, const TFont& font, unsigned style,
                          TColor bkColor) {
    const auto f = MakeFont(font);
    if ((style & DT_CALCRECT) || bkColor != clNone) {
        int e = 2;
        if (font.Size() > 8) e += RoundEven((font.Size() - 8) / 1.5);
        QString measured = length < 0 ? text : text.left(length);
        if (measured.size() > 1 && measured.endsWith(QLatin1Char(' '))) measured[measured.size() - 1] = QLatin1Char('i');
        TGPRectF box;
        MeasureString(measured, length, f.get(),
                      TGPRectF{float(rect.Left), float(rect.Top), float(rect.Right - rect.Left + 1000),
                               float(rect.Bottom - rect.Top)},
                      nullptr, box);
        rect.Right = rect.Left + RoundEven(box.Width - e);
        rect.Bottom = rect.Top + RoundEven(box.Height);
        if (bkColor != clNone) {
            TGPSolidBrush back(OpaqueArgb(bkColor));
            FillRectangle(&back, TGPRectF{float(rect.Left + 1), float(rect.Top), box.Width - e + 1, box.Height});
        }
    }
    if (!(style & DT_CALCRECT)) {
        TGPSolidBrush brush(OpaqueArgb(font.Color()));
        DrawString(text, length, f.get(), TGPPointF{float(rect.Left), float(rect.Top)}, nullptr, &brush);
    }
    return rect.Bottom - rect.Top;
}

TStatus TGPGraphics::ApplyClip(const QPainterPath& path, CombineMode mode) {
    if (!FPainter) return SetStatus(TStatus::InvalidParameter);
    ShapeMode();
    switch (mode) {
    case CombineModeReplace: FPainter->setClipPath(path, Qt::ReplaceClip); break;
    case CombineModeIntersect: FPainter->setClipPath(path, Qt::IntersectClip); break;
    case CombineModeUnion:
        FPainter->setClipPath(FPainter->hasClipping() ? FPainter->clipPath().united(path) : path, Qt::ReplaceClip);
        break;
    case CombineModeExclude: {
        QPainterPath all;
        if (FPainter->hasClipping()) {
            all = FPainter->clipPath();
        } else {
            const QPaintDevice* d = FPainter->device();
            all.addRect(QRectF(-1, -1, (d ? d->width() : 0) + 2, (d ? d->height() : 0) + 2));
        }
        FPainter->setClipPath(all.subtracted(path), Qt::ReplaceClip);
        break;
    }
    default: return SetStatus(TStatus::NotImplemented);
    }
    return TStatus::Ok;
}

TStatus TGPGraphics::SetClip(const TGPRegion* region, CombineMode mode) {
    if (!region) return SetStatus(TStatus::InvalidParameter);
    return ApplyClip(region->Native(), mode);
}

TStatus TGPGraphics::SetClip(const TGPGraphicsPath* path, CombineMode mode) {
    if (!path) return SetStatus(TStatus::InvalidParameter);
    return ApplyClip(path->Native(), mode);
}

TStatus TGPGraphics::SetClip(const TGPRectF& rect, CombineMode mode) {
    QPainterPath p;
    p.addRect(QRectOf(rect));
    return ApplyClip(p, mode);
}

TStatus TGPGraphics::ResetClip() {
    if (!FPainter) return SetStatus(TStatus::InvalidParameter);
    FPainter->setClipping(false);
    return TStatus::Ok;
}

// ---------------------------------------------------------------- one fill

void PaintFillParams(TGDIPFillParams p) {
    if (!p.Graphics) return;
    const ARGB c1 = AlphaArgb(p.Opacity, p.Color), c2 = AlphaArgb(p.OpacityTo, p.ColorTo);
    auto fill = [&](const TGPBrush& brush) {
        if (p.UsePath)
            p.Graphics->FillPath(&brush, p.Path);
        else
            p.Graphics->FillRectangle(&brush, p.Rect);
    };
    const TGPRectF wide{p.Rect.X - 1, p.Rect.Y - 1, p.Rect.Width + 2, p.Rect.Height + 2};
    switch (p.GradientType) {
    case gtSolid: fill(TGPSolidBrush(c1)); break;
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: {
        const LinearGradientMode mode = p.GradientType == gtVertical     ? LinearGradientModeVertical
                                        : p.GradientType == gtHorizontal ? LinearGradientModeHorizontal
                                        : p.GradientType == gtForwardDiagonal ? LinearGradientModeForwardDiagonal
                                                                              : LinearGradientModeBackwardDiagonal;
        TGPLinearGradientBrush brush(wide, c1, c2, mode);
        brush.SetGammaCorrection(true);
        fill(brush);
        if (p.TopLine) {
            TGPSolidBrush line(c1);
            p.Graphics->FillRectangle(&line, TGPRectF{p.Rect.X, p.Rect.Y, p.Rect.Width, 1});
        }
        break;
    }
    case gtAngle: {
        TGPLinearGradientBrush brush(wide, c1, c2, float(p.Angle), true);
        brush.SetGammaCorrection(true);
        fill(brush);
        break;
    }
    case gtHatch: fill(TGPHatchBrush(p.Hatch, c1, c2)); break;
    case gtTexture:
        if (p.Picture) {
            if (p.UsePath && p.Path)
                p.Picture->FillPath(p.Graphics, p.Path);
            else
                p.Picture->FillRect(p.Graphics, p.Rect);
        }
        break;
    default: break;
    }
    if (p.BorderColor != clNone) {
        TGPPen pen(AlphaArgb(p.Opacity, p.BorderColor), float(p.BorderWidth));
        pen.SetDashStyle(p.BorderStyle);
        if (p.UsePath)
            p.Graphics->DrawPath(&pen, p.Path);
        else
            p.Graphics->DrawRectangle(&pen, p.Rect);
    }
}
