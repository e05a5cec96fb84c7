#include "graphics/TSplinePath.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Squared distance of a point from the line through a and b.
double SquaredDistanceFromChord(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF d = b - a, e = p - a;
    const double length2 = d.x() * d.x() + d.y() * d.y();
    if (length2 == 0) return e.x() * e.x() + e.y() * e.y();
    const double cross = d.x() * e.y() - d.y() * e.x();
    return cross * cross / length2;
}

constexpr double kFlatness = 0.25;  // pixels
constexpr int kMaxSteps = 64;

}  // namespace

void TSplinePath::LineTo(const QPointF& p) {
    if (FPoints.isEmpty() || FPoints.last() != p) FPoints.append(p);
}

void TSplinePath::AddCurve(const TPoint* points, int count, double tension) {
    if (count <= 0) return;
    auto at = [&](int i) {
        const TPoint& p = points[std::clamp(i, 0, count - 1)];
        return QPointF(p.X, p.Y);
    };
    FPoints.reserve(FPoints.size() + count);
    LineTo(at(0));
    // Each segment is the cubic Bezier from P1 to P2 with inner control points
    // P1 + k (P2 - P0) and P2 - k (P3 - P1), k = tension / 3.
    const double k = tension / 3.0;
    for (int i = 0; i + 1 < count; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        const QPointF c1 = p1 + k * (p2 - p0), c2 = p2 - k * (p3 - p1);
        // A Bezier stays within 3/4 of its control points' distance from the chord.
        const double control2 = std::max(SquaredDistanceFromChord(c1, p1, p2), SquaredDistanceFromChord(c2, p1, p2));
        if (control2 * 0.5625 > kFlatness * kFlatness) {
            const double deviation = 0.75 * std::sqrt(control2);
            const int steps = std::min(kMaxSteps, int(std::ceil(std::sqrt(deviation / kFlatness))) + 1);
            for (int s = 1; s < steps; ++s) {
                const double t = double(s) / steps, u = 1 - t;
                LineTo(u * u * u * p1 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p2);
            }
        }
        LineTo(p2);
    }
}

void TSplinePath::AddLine(double x1, double y1, double x2, double y2) {
    LineTo(QPointF(x1, y1));
    LineTo(QPointF(x2, y2));
}

namespace {

// Clips the segment a-b to the rectangle (Liang-Barsky); false when nothing is left.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return false;
    const QPointF from = a;
    a = from + t0 * QPointF(dx, dy);
    b = from + t1 * QPointF(dx, dy);
    return true;
}

// Blends a one-pixel line from a up to (not including) b into a 32-bit image with a
// premultiplied colour, so that consecutive segments blend their shared point once.
void BlendLine(QImage& image, QPointF a, QPointF b, QRgb premultiplied) {
    // Segments within the image and its one-pixel border (nearly all of them) need no
    // clipping; the others are clipped to that border.
    const double right = image.width(), bottom = image.height();
    auto inside = [&](const QPointF& p) { return p.x() >= -1 && p.x() <= right && p.y() >= -1 && p.y() <= bottom; };
    const bool endInside = inside(b);
    if (!(endInside && inside(a))) {
        const bool finite = std::isfinite(a.x()) && std::isfinite(a.y()) && std::isfinite(b.x()) && std::isfinite(b.y());
        if (!finite || !ClipSegment(a, b, QRectF(-1, -1, right + 1, bottom + 1))) return;
    }
    int x0 = int(std::lround(a.x())), y0 = int(std::lround(a.y()));
    const int x1 = int(std::lround(b.x())), y1 = int(std::lround(b.y()));
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const unsigned inverse = 255 - qAlpha(premultiplied);
    int error = dx + dy;
    for (;;) {
        const bool last = x0 == x1 && y0 == y1;
        if (last && endInside) break;
        if (x0 >= 0 && y0 >= 0 && x0 < image.width() && y0 < image.height()) {
            QRgb& d = reinterpret_cast<QRgb*>(image.scanLine(y0))[x0];
            auto channel = [&](int shift) {
                return ((premultiplied >> shift) & 0xFF) + (((d >> shift) & 0xFF) * inverse + 127) / 255;
            };
            d = (channel(24) << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
        if (last) break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

}  // namespace

void TSplinePath::Draw(TCanvas& canvas, const QColor& argb, double width) const {
    if (IsEmpty()) return;
    QImage* image = canvas.Target();
    const bool plain = image && (image->format() == QImage::Format_ARGB32_Premultiplied ||
                                 image->format() == QImage::Format_RGB32);
    if (width <= 1 && plain) {
        // One-pixel outline, each segment leaving out its last pixel, so that no pixel is
        // blended twice where two segments meet.
        canvas.Release();
        const QRgb colour = qPremultiply(argb.rgba());
        for (qsizetype i = 0; i + 1 < FPoints.size(); ++i) BlendLine(*image, FPoints[i], FPoints[i + 1], colour);
        canvas.Changed(FPoints.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
        return;
    }
    QPainter* p = canvas.Painter();
    if (!p) return;
    QPen pen(argb);
    pen.setWidthF(width);
    p->setPen(pen);
    p->drawPolyline(FPoints);
    canvas.Changed(FPoints.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
}

void TSplinePath::Fill(TCanvas& canvas, const QColor& argb) const {
    QPainter* p = canvas.Painter();
    if (!p || IsEmpty()) return;
    p->setBrush(argb);
    p->drawPolygon(FPoints, Qt::OddEvenFill);
    canvas.Changed(FPoints.boundingRect().toAlignedRect());
}
