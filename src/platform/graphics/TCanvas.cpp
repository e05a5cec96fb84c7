#include "graphics/TCanvas.h"

#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

TCanvas::TextOutHook& Hook() {
    static TCanvas::TextOutHook hook;
    return hook;
}

QPainter::CompositionMode CompositionFor(TPenMode mode) {
    switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style) {
    switch (style) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

// The rectangle whose outline Qt draws on the pixels l .. r - 1 and t .. b - 1 (an outline
// covers width + 1 pixels).
QRect ShapeBox(int l, int t, int r, int b) {
    return QRect(std::min(l, r), std::min(t, b), std::abs(r - l) - 1, std::abs(b - t) - 1);
}

// 32-bit formats whose opaque pixels are 0xFFRRGGBB, which plain row fills may write.
bool IsPlain32(const QImage& image) {
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

// Writes one pixel value into a rectangle (inside the image) of a plain 32-bit image.
void FillPixels(QImage& image, const QRect& area, QRgb pixel) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + area.left(), row + area.left() + area.width(), pixel);
    }
}

}  // namespace

void TCanvas::SetTextOutHook(TextOutHook hook) { Hook() = std::move(hook); }

TCanvas::~TCanvas() { Release(); }

void TCanvas::SetTarget(QImage* target) {
    Release();
    FTarget = target;
}

void TCanvas::Release() const {
    if (FPainter) {
        FPainter->end();
        FPainter.reset();
    }
}

QPainter* TCanvas::Begin() {
    if (!FTarget || FTarget->isNull()) return nullptr;
    if (!FPainter) {
        FPainter = std::make_unique<QPainter>();
        if (!FPainter->begin(FTarget)) {
            FPainter.reset();
            return nullptr;
        }
        FPainter->setRenderHint(QPainter::Antialiasing, false);
    }
    if (FClip)
        FPainter->setClipRect(*FClip);
    else if (FPainter->hasClipping())
        FPainter->setClipping(false);
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter->setPen(Qt::NoPen);
    FPainter->setBrush(Qt::NoBrush);
    return FPainter.get();
}

QPainter* TCanvas::Painter() { return Begin(); }

void TCanvas::Changed(const QRect& area) {
    if (OnDrawn) OnDrawn(area);
}

void TCanvas::ApplyPen(QPainter& p) const {
    if (Pen.Style == psClear || Pen.Mode == pmNop) {
        p.setPen(Qt::NoPen);
        return;
    }
    QColor color = ToQColor(Pen.Color);
    if (Pen.Mode == pmBlack) color = Qt::black;
    if (Pen.Mode == pmWhite) color = Qt::white;
    const int width = std::max(1, Pen.Width);
    QPen pen(color);
    pen.setWidth(width);
    if (width > 1) {
        // Wide pens are solid with round ends and joins.
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        // A one-pixel line leaves out its last pixel.
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        switch (Pen.Style) {
        case psDash: pen.setDashPattern({18, 6}); break;
        case psDot: pen.setDashPattern({3, 3}); break;
        case psDashDot: pen.setDashPattern({9, 6, 3, 6}); break;
        case psDashDotDot: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        default: break;
        }
    }
    p.setPen(pen);
}

void TCanvas::ApplyBrush(QPainter& p) const {
    p.setBrush(QBrush(ToQColor(Brush.Color), QtBrushStyle(Brush.Style)));
}

void TCanvas::ApplyMode(QPainter& p) const { p.setCompositionMode(CompositionFor(Pen.Mode)); }

QRect TCanvas::Grown(const QRect& r) const {
    const int m = std::max(1, Pen.Width) / 2 + 1;
    return r.normalized().adjusted(-m, -m, m, m);
}

void TCanvas::MoveTo(int x, int y) { PenPos = {x, y}; }

bool TCanvas::StraightLine(const QPoint& a, const QPoint& b) {
    const bool solid = Pen.Style == psSolid || Pen.Style == psInsideFrame;
    if (!solid || Pen.Width > 1 || Pen.Mode != pmCopy || !FTarget || !IsPlain32(*FTarget)) return false;
    if (a.x() != b.x() && a.y() != b.y()) return false;
    // A one-pixel horizontal or vertical line from a up to (not including) b.
    QRect line = a.y() == b.y() ? QRect(QPoint(std::min(a.x(), b.x() + 1), a.y()), QPoint(std::max(a.x(), b.x() - 1), a.y()))
                                : QRect(QPoint(a.x(), std::min(a.y(), b.y() + 1)), QPoint(a.x(), std::max(a.y(), b.y() - 1)));
    if (a == b) return true;
    line = line.intersected(DrawableArea());
    if (line.isEmpty()) return true;
    Release();
    FillPixels(*FTarget, line, ToQColor(Pen.Color).rgb());
    Changed(line);
    return true;
}

void TCanvas::Stroke(const QPolygon& polygon) {
    if (polygon.size() == 2 && StraightLine(polygon[0], polygon[1])) return;
    QPainter* p = Begin();
    if (!p) return;
    ApplyPen(*p);
    ApplyMode(*p);
    const bool solid = Pen.Style == psSolid || Pen.Style == psInsideFrame;
    if (solid && Pen.Mode == pmCopy && (Pen.Width == 2 || Pen.Width == 3)) {
        // A narrow wide pen drawn as its square nib: one-pixel lines at each offset of the
        // nib. Covers the same pixels as the stroked line and is much quicker.
        QPen nib = p->pen();
        nib.setWidth(0);
        nib.setCosmetic(true);
        nib.setCapStyle(Qt::SquareCap);
        p->setPen(nib);
        const int from = -(Pen.Width / 2), to = from + Pen.Width - 1;
        for (int dx = from; dx <= to; ++dx)
            for (int dy = from; dy <= to; ++dy) p->drawPolyline(polygon.translated(dx, dy));
    } else if (polygon.size() == 2) {
        p->drawLine(polygon[0], polygon[1]);
    } else {
        p->drawPolyline(polygon);
    }
    Changed(Grown(polygon.boundingRect()));
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = PenPos;
    PenPos = {x, y};
    Stroke(QPolygon({QPoint(from.X, from.Y), QPoint(x, y)}));
}

void TCanvas::Polyline(const TPoint* points, int count) {
    if (count <= 0) return;
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) polygon.setPoint(i, points[i].X, points[i].Y);
    Stroke(polygon);
}

void TCanvas::Shape(int left, int top, int right, int bottom, bool ellipse) {
    QPainter* p = Begin();
    if (!p) return;
    ApplyPen(*p);
    ApplyBrush(*p);
    ApplyMode(*p);
    const QRect box = ShapeBox(left, top, right, bottom);
    if (ellipse)
        p->drawEllipse(box);
    else
        p->drawRect(box);
    Changed(Grown(box));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) { Shape(left, top, right, bottom, false); }

void TCanvas::Ellipse(int left, int top, int right, int bottom) { Shape(left, top, right, bottom, true); }

void TCanvas::Polygon(const TPoint* points, int count) {
    if (count <= 0) return;
    QPainter* p = Begin();
    if (!p) return;
    ApplyPen(*p);
    ApplyBrush(*p);
    ApplyMode(*p);
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) polygon.setPoint(i, points[i].X, points[i].Y);
    p->drawPolygon(polygon);
    Changed(Grown(polygon.boundingRect()));
}

void TCanvas::SetClipRect(const TRect& r) { FClip = r.ToQRect().normalized(); }

void TCanvas::ClearClipRect() { FClip.reset(); }

std::optional<TRect> TCanvas::ClipRect() const {
    if (!FClip) return std::nullopt;
    return TRect{FClip->left(), FClip->top(), FClip->left() + FClip->width(), FClip->top() + FClip->height()};
}

QRect TCanvas::DrawableArea() const {
    if (!FTarget) return QRect();
    return FClip ? FTarget->rect().intersected(*FClip) : FTarget->rect();
}

void TCanvas::FillRect(const TRect& r) {
    if (!FTarget || FTarget->isNull() || Brush.Style == bsClear) return;
    if (Brush.Style == bsSolid && IsPlain32(*FTarget)) {
        // A solid fill is a plain write of opaque pixels.
        const QRect area = r.ToQRect().normalized().intersected(DrawableArea());
        if (area.isEmpty()) return;
        Release();
        FillPixels(*FTarget, area, ToQColor(Brush.Color).rgb());
        Changed(area);
        return;
    }
    QPainter* p = Begin();
    if (!p) return;
    const QRect area = r.ToQRect().normalized();
    p->fillRect(area, QBrush(ToQColor(Brush.Color), QtBrushStyle(Brush.Style)));
    Changed(area);
}

void TCanvas::FrameRect(const TRect& r) {
    QPainter* p = Begin();
    if (!p) return;
    const QRect area = r.ToQRect().normalized();
    if (area.isEmpty()) return;
    const QBrush brush(ToQColor(Brush.Color), QtBrushStyle(Brush.Style));
    p->fillRect(QRect(area.left(), area.top(), area.width(), 1), brush);
    p->fillRect(QRect(area.left(), area.bottom(), area.width(), 1), brush);
    p->fillRect(QRect(area.left(), area.top(), 1, area.height()), brush);
    p->fillRect(QRect(area.right(), area.top(), 1, area.height()), brush);
    Changed(area);
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    if (Hook()) Hook()(*this, x, y, text);
    QPainter* p = Begin();
    if (!p) return;
    const QFont& font = QtFont();
    const QFontMetrics& metrics = Metrics();
    const QRect cell(x, y, TextWidth(text), metrics.height());
    if (Brush.Style == bsSolid) p->fillRect(cell, ToQColor(Brush.Color));
    p->setFont(font);
    p->setPen(ToQColor(Font.Color()));
    p->drawText(QPoint(x, y + metrics.ascent()), text);
    Changed(cell.adjusted(-2, 0, 2, 0));
    PenPos = {x + cell.width(), y};
}

void TCanvas::TextOutAligned(int x, int y, const QString& text, unsigned align, int escapement) {
    if (text.isEmpty()) return;
    if (Hook()) Hook()(*this, x, y, text);
    QPainter* p = Begin();
    if (!p) return;
    const QFontMetrics& metrics = Metrics();
    const int w = TextWidth(text);
    const int dx = (align & TA_CENTER) == TA_CENTER ? -w / 2 : (align & TA_RIGHT) ? -w : 0;
    const int baseline = (align & TA_BASELINE) == TA_BASELINE ? 0
                         : (align & TA_BOTTOM)                ? -metrics.descent()
                                                              : metrics.ascent();
    p->save();
    p->translate(x, y);
    if (escapement != 0) p->rotate(-escapement / 10.0);
    const QRect cell(dx, baseline - metrics.ascent(), w, metrics.height());
    if (Brush.Style == bsSolid) p->fillRect(cell, ToQColor(Brush.Color));
    p->setFont(QtFont());
    p->setPen(ToQColor(Font.Color()));
    p->drawText(QPoint(dx, baseline), text);
    const QRect touched = p->transform().mapRect(cell).adjusted(-2, -2, 2, 2);
    p->restore();
    Changed(touched);
}

TColor TCanvas::Pixel(int x, int y) const {
    if (!FTarget || !FTarget->rect().contains(x, y)) return clNone;
    Release();
    const QRgb p = FTarget->pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (!FTarget || !FTarget->rect().contains(x, y)) return;
    Release();
    FTarget->setPixel(x, y, ToQColor(color).rgb());
    Changed(QRect(x, y, 1, 1));
}

const QFont& TCanvas::QtFont() const {
    // The colour takes no part in the Qt font or its metrics: a change of colour alone keeps
    // them and the measured widths.
    const auto sameFace = [](const TFont& a, const TFont& b) {
        return a.Name() == b.Name() && a.Height() == b.Height() && a.Style() == b.Style();
    };
    if (!FFontMade || !sameFace(*FFontMade, Font)) {
        FFontMade = Font;
        FQtFont = Font.ToQFont();
        FMetrics.emplace(FQtFont);
        FWidths.clear();
    }
    return FQtFont;
}

const QFontMetrics& TCanvas::Metrics() const {
    QtFont();
    return *FMetrics;
}

int TCanvas::TextWidth(const QString& text) const {
    const QFontMetrics& metrics = Metrics();
    if (const auto it = FWidths.constFind(text); it != FWidths.constEnd()) return *it;
    // The cache only bounds itself: a canvas draws a small, recurring set of texts.
    if (FWidths.size() > 4096) FWidths.clear();
    return *FWidths.insert(text, metrics.horizontalAdvance(text));
}

int TCanvas::TextHeight(const QString& text) const {
    Q_UNUSED(text);
    return Metrics().height();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    if (!source.FTarget || source.FTarget->isNull() || !FTarget || FTarget->isNull()) return;
    source.Release();
    QImage copy;
    const QImage* from = source.FTarget;
    if (source.FTarget == FTarget) {
        Release();
        copy = FTarget->copy(sourceRect.ToQRect());
        from = &copy;
    }
    const QRect to = dest.ToQRect();
    const QRect fromRect = from == &copy ? copy.rect() : sourceRect.ToQRect();
    const bool rowsCopy = from->format() == QImage::Format_RGB32 ? IsPlain32(*FTarget)
                          : from->format() == QImage::Format_ARGB32_Premultiplied
                              ? FTarget->format() == QImage::Format_ARGB32_Premultiplied
                              : false;
    if (rowsCopy && to.size() == fromRect.size()) {
        // Same size, same pixels: copy the rows.
        Release();
        const QPoint shift = fromRect.topLeft() - to.topLeft();
        const QRect clipped = to.intersected(DrawableArea()).intersected(from->rect().translated(-shift));
        if (clipped.isEmpty()) return;
        for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
            const auto* src =
                reinterpret_cast<const QRgb*>(from->constScanLine(y + shift.y())) + clipped.left() + shift.x();
            auto* dst = reinterpret_cast<QRgb*>(FTarget->scanLine(y)) + clipped.left();
            std::copy(src, src + clipped.width(), dst);
        }
        Changed(clipped);
        return;
    }
    QPainter* p = Begin();
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(to, *from, fromRect);
    Changed(to);
}
