// The antialiased drawing surface: painter set-up, modes, transforms, shape and image drawing,
// and clipping.
#include "AdvGDIP.h"
#include "AdvGDIPInternal.h"

#include <algorithm>
#include <cmath>

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

// ---------------------------------------------------------------- clipping

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
