#pragma once
// A figure of a cardinal spline through points followed by straight lines, outlined open and
// filled closed with the alternate (even-odd) rule, in translucent ARGB colours, aliased.
// This is the one translucent drawing of the curve graph. The spline is flattened as it is
// added: a segment that keeps within a quarter pixel of its chord is drawn as the chord, any
// other one as a series of points on the curve.
#include "graphics/TCanvas.h"

#include <QColor>
#include <QPolygonF>

class TSplinePath {
public:
    // A cardinal spline through the points (tension 0.5 is the default curve); it continues
    // the figure with a line from its current end when the figure is not empty.
    void AddCurve(const TPoint* points, int count, double tension = 0.5);
    // A line from (x1, y1) to (x2, y2), joined to the figure's end by a line first.
    void AddLine(double x1, double y1, double x2, double y2);
    bool IsEmpty() const { return FPoints.isEmpty(); }
    const QPolygonF& Points() const { return FPoints; }

    // Outlines the open figure with a pen of that colour and width.
    void Draw(TCanvas& canvas, const QColor& argb, double width) const;
    // Fills the figure, closed back to its first point, with a solid brush of that colour.
    void Fill(TCanvas& canvas, const QColor& argb) const;

private:
    void LineTo(const QPointF& p);
    QPolygonF FPoints;
};
