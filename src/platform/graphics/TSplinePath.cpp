#include "graphics/TSplinePath.h"

#include <QPainter>

#include <algorithm>

void TSplinePath::LineTo(double x, double y) {
    if (FPath.elementCount() == 0)
        FPath.moveTo(x, y);
    else
        FPath.lineTo(x, y);
}

void TSplinePath::AddCurve(const TPoint* points, int count, double tension) {
    if (count <= 0) return;
    auto at = [&](int i) { return QPointF(points[std::clamp(i, 0, count - 1)].X, points[std::clamp(i, 0, count - 1)].Y); };
    LineTo(points[0].X, points[0].Y);
    // Each segment is a cubic Bezier whose inner control points follow the neighbours'
    // chord, scaled by tension / 3.
    const double k = tension / 3.0;
    for (int i = 0; i + 1 < count; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        FPath.cubicTo(p1 + k * (p2 - p0), p2 - k * (p3 - p1), p2);
    }
}

void TSplinePath::AddLine(double x1, double y1, double x2, double y2) {
    LineTo(x1, y1);
    FPath.lineTo(x2, y2);
}

void TSplinePath::Draw(TCanvas& canvas, const QColor& argb, double width) const {
    QPainter* p = canvas.Painter();
    if (!p || IsEmpty()) return;
    QPen pen(argb);
    pen.setWidthF(width);
    p->setPen(pen);
    p->strokePath(FPath, pen);
    canvas.Changed(FPath.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
}

void TSplinePath::Fill(TCanvas& canvas, const QColor& argb) const {
    QPainter* p = canvas.Painter();
    if (!p || IsEmpty()) return;
    QPainterPath closed = FPath;
    closed.setFillRule(Qt::OddEvenFill);
    closed.closeSubpath();
    p->fillPath(closed, argb);
    canvas.Changed(closed.boundingRect().toAlignedRect());
}
