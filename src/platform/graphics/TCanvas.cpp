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

void TCanvas::LineTo(int x, int y) {
    const TPoint from = PenPos;
    PenPos = {x, y};
    QPainter* p = Begin();
    if (!p) return;
    ApplyPen(*p);
    ApplyMode(*p);
    p->drawLine(from.X, from.Y, x, y);
    Changed(Grown(QRect(QPoint(from.X, from.Y), QPoint(x, y))));
}

void TCanvas::Polyline(const TPoint* points, int count) {
    if (count <= 0) return;
    QPainter* p = Begin();
    if (!p) return;
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i) polygon.setPoint(i, points[i].X, points[i].Y);
    ApplyPen(*p);
    ApplyMode(*p);
    p->drawPolyline(polygon);
    Changed(Grown(polygon.boundingRect()));
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

void TCanvas::FillRect(const TRect& r) {
    QPainter* p = Begin();
    if (!p || Brush.Style == bsClear) return;
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
    const QFont font = Font.ToQFont();
    const QFontMetrics metrics(font);
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    if (Brush.Style == bsSolid) p->fillRect(cell, ToQColor(Brush.Color));
    p->setFont(font);
    p->setPen(ToQColor(Font.Color()));
    p->drawText(QPoint(x, y + metrics.ascent()), text);
    Changed(cell.adjusted(-2, 0, 2, 0));
    PenPos = {x + cell.width(), y};
}

int TCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(Font.ToQFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString& text) const {
    Q_UNUSED(text);
    return QFontMetrics(Font.ToQFont()).height();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    if (!source.FTarget || source.FTarget->isNull()) return;
    source.Release();
    QImage copy;
    const QImage* from = source.FTarget;
    if (source.FTarget == FTarget) {
        Release();
        copy = FTarget->copy(sourceRect.ToQRect());
        from = &copy;
    }
    QPainter* p = Begin();
    if (!p) return;
    const QRect to = dest.ToQRect();
    const QRect fromRect = from == &copy ? copy.rect() : sourceRect.ToQRect();
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(to, *from, fromRect);
    Changed(to);
}
