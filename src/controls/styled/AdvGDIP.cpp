// The antialiased drawing layer's colours, matrix, paths, regions and pen, and the one-call
// fill of a rectangle or path.
#include "AdvGDIP.h"
#include "AdvGDIPInternal.h"

#include "GDIPicture.h"

#include <algorithm>
#include <cmath>

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
