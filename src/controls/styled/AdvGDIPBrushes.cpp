// The antialiased drawing layer's brushes: solid, hatch, texture, linear and path gradients.
#include "AdvGDIP.h"
#include "AdvGDIPInternal.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

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
