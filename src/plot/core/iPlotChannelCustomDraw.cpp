// The channel's trace and markers.
#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "graphics/GdiDrawing.h"
#include "objects/iPlotDataView.h"

#include <algorithm>
#include <cmath>

double TiPlotChannelCustom::InterpolateY(double x1, double y1, double x2, double y2, double x) {
    if (x1 == x2) return 0;
    return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

double TiPlotChannelCustom::InterpolateX(double x1, double y1, double x2, double y2, double y) {
    if (x1 == x2) return x1;
    if (y1 == y2) return x1;
    return x1 + (y - y1) * (x2 - x1) / (y2 - y1);
}

void TiPlotChannelCustom::DrawTrace(TCanvas& canvas, bool reversed, TColor backGroundColor) {
    if (!FTraceVisible) return;
    auto usePen = [&](TColor color, TiPlotLineStyle style, int width) {
        canvas.Pen.Color = color;
        canvas.Pen.Style = TPenStyle(style);
        canvas.Pen.Width = width == 1 ? 0 : width;
    };
    usePen(Color(), TraceLineStyle(), TraceLineWidth());
    canvas.Brush.Style = bsClear;
    if (FStopIndex <= FStartIndex) return;
    bool broken = true;
    double px = 0, py = 0;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (GetEmpty(i)) continue;
        if (GetNull(i)) {
            broken = true;
            continue;
        }
        const double x = GetX(i), y = GetY(i);
        if (broken) {
            broken = false;
        } else {
            usePen(GetTraceLineColor(i), GetTraceLineStyle(i), GetTraceLineWidth(i));
            DrawLine(canvas, reversed, false, px, py, x, y);
        }
        px = x, py = y;
    }
    (void)backGroundColor;
}

void TiPlotChannelCustom::DrawLine(TCanvas& canvas, bool reversed, bool yIsPercent, double x1, double y1, double x2,
                                   double y2) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || (!yIsPercent && !yAxis)) return;
    double xa = x1, ya = y1, xb = x2, yb = y2;
    if (xb < xa) std::swap(xa, xb), std::swap(ya, yb);
    const double xMin = xAxis->Min(), xMax = xAxis->Max();
    const bool inX = (xa >= xMin && xa <= xMax) || (xb >= xMin && xb <= xMax) || (xa < xMin && xb > xMax);
    if (!inX) return;
    if (!yIsPercent && FClipToAxes) {
        const double yMin = yAxis->Min(), yMax = yAxis->Max();
        const bool inY = (ya >= yMin && ya <= yMax) || (yb >= yMin && yb <= yMax) || (ya < yMin && yb > yMax) ||
                         (yb < yMin && ya > yMax);
        if (!inY) return;
    }
    if (xa < xMin) {
        ya = InterpolateY(xa, ya, xb, yb, xMin);
        xa = xMin;
    }
    if (xb > xMax) {
        yb = InterpolateY(xa, ya, xb, yb, xMax);
        xb = xMax;
    }
    if (FClipToAxes) {
        if (yIsPercent) {
            if (!xAxis->ValueOnScale(xa) || !xAxis->ValueOnScale(xb)) return;
        } else {
            const double yMin = yAxis->Min(), yMax = yAxis->Max();
            auto clipEnd = [&](double& x, double& y) {
                if (y < yMin) {
                    x = InterpolateX(xa, ya, xb, yb, yMin);
                    y = yMin;
                } else if (y > yMax) {
                    x = InterpolateX(xa, ya, xb, yb, yMax);
                    y = yMax;
                }
            };
            double cxa = xa, cya = ya, cxb = xb, cyb = yb;
            clipEnd(cxa, cya);
            clipEnd(cxb, cyb);
            xa = cxa, ya = cya, xb = cxb, yb = cyb;
            if (!xAxis->ValueOnScale(xa) || !xAxis->ValueOnScale(xb) || !yAxis->ValueOnScale(ya) ||
                !yAxis->ValueOnScale(yb))
                return;
        }
    }
    auto yPixel = [&](double y) {
        if (!yIsPercent) return yAxis->PositionToPixels(y);
        TiPlotDataView* view = FPlot && FPlot->DataViewCount() > 0 ? FPlot->DataView(0) : nullptr;
        if (!view) return 0;
        return reversed ? view->PositionPercentToPixelsX(y) : view->PositionPercentToPixelsY(y);
    };
    const int pxa = xAxis->PositionToPixels(xa), pxb = xAxis->PositionToPixels(xb);
    const int pya = yPixel(ya), pyb = yPixel(yb);
    TPoint pts[2];
    if (reversed)
        pts[0] = {pya, pxa}, pts[1] = {pyb, pxb};
    else
        pts[0] = {pxa, pya}, pts[1] = {pxb, pyb};
    canvas.Polyline(pts, 2);
}

bool TiPlotChannelCustom::IsMarkerDrawn(int index) const {
    if (!MarkersVisible()) return false;
    if (GetNull(index) || GetEmpty(index)) return false;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis) return false;
    if (FMarkersAllowIndividual && !GetMarkerVisible(index)) return false;
    if (FClipToAxes && (!xAxis->ValueOnScale(GetX(index)) || !yAxis->ValueOnScale(GetY(index)))) return false;
    return true;
}

TPoint TiPlotChannelCustom::GetPixelPoint(int index) const {
    const int x = XAxis() ? XAxis()->PositionToPixels(GetX(index)) : 0;
    const int y = YAxis() ? YAxis()->PositionToPixels(GetY(index)) : 0;
    return FXYAxesReversed ? TPoint{y, x} : TPoint{x, y};
}

TRect TiPlotChannelCustom::GetMarkerRect(int index) const {
    const TPoint c = GetPixelPoint(index);
    const int s = FMarkersAllowIndividual ? GetMarkerSize(index) : MarkersSize();
    return {c.X - s, c.Y - s, c.X + s, c.Y + s};
}

void TiPlotChannelCustom::DrawMarkers(TCanvas& canvas, bool, TColor backGroundColor) {
    if (!MarkersVisible()) return;
    canvas.Font = FMarkersFont.Font();
    if (FMarkersTurnOffLimit > 0 && std::abs(FStopIndex - FStartIndex) > FMarkersTurnOffLimit) return;
    if (FStartIndex < 0) return;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (IsMarkerDrawn(i)) DrawMarker(canvas, i, backGroundColor, GetPixelPoint(i));
}

void TiPlotChannelCustom::DrawMarker(TCanvas& canvas, int index, TColor backGroundColor, const TPoint& p) {
    if (!MarkersVisible()) return;
    TiPlotMarkerStyle style;
    int s;
    if (index == -1) {
        style = MarkersStyle();
        s = std::min(MarkersSize(), 6);
    } else if (FMarkersAllowIndividual) {
        style = GetMarkerStyle(index);
        s = GetMarkerSize(index);
    } else {
        style = MarkersStyle();
        s = MarkersSize();
    }
    const bool individual = index != -1 && FMarkersAllowIndividual;
    canvas.Pen.Width = individual ? GetMarkerPenWidth(index) : MarkersPenWidth();
    canvas.Pen.Style = individual ? GetMarkerPenStyle(index) : MarkersPenStyle();
    canvas.Pen.Color = FMarkersPenUseChannelColor ? Color() : individual ? GetMarkerPenColor(index) : MarkersPenColor();
    canvas.Brush.Color =
        FMarkersBrushUseChannelColor ? Color() : individual ? GetMarkerBrushColor(index) : MarkersBrushColor();
    canvas.Brush.Style = individual ? GetMarkerBrushStyle(index) : MarkersBrushStyle();
    const int x = p.X, y = p.Y;
    auto poly = [&](std::initializer_list<TPoint> pts) { canvas.Polygon(pts.begin(), int(pts.size())); };
    auto line = [&](TPoint a, TPoint b) {
        const TPoint pts[] = {a, b};
        canvas.Polyline(pts, 2);
    };
    switch (style) {
    case ipmsCircle: canvas.Ellipse(x - s, y - s, x + s, y + s); break;
    case ipmsSquare: canvas.Rectangle(x - s, y - s, x + s, y + s); break;
    case ipmsDiamond: poly({{x + s, y}, {x, y + s}, {x - s, y}, {x, y - s}}); break;
    case ipmsCross:
        line({x + s, y + s}, {x - s, y - s});
        line({x + s, y - s}, {x - s, y + s});
        break;
    case ipmsPlus:
        line({x, y + s}, {x, y - s});
        line({x + s, y}, {x - s, y});
        break;
    case ipmsTriangleUp: poly({{x - s, y + s}, {x, y}, {x + s, y + s}}); break;
    case ipmsTriangleDown: poly({{x - s, y - s}, {x, y}, {x + s, y - s}}); break;
    case ipmsTriangleLeft: poly({{x + s, y - s}, {x, y}, {x + s, y + s}}); break;
    case ipmsTriangleRight: poly({{x - s, y - s}, {x, y}, {x - s, y + s}}); break;
    case ipmsVerticalLine: line({x, y - s}, {x, y + s}); break;
    case ipmsHorizontalLine: line({x - s, y}, {x + s, y}); break;
    case ipmsCharacter: {
        const QChar c = index == -1 ? FDataList->StoredMarkerCharacter : GetMarkerCharacter(index);
        if (c.isNull()) break;
        canvas.Brush.Style = bsClear;
        (void)backGroundColor;
        TRect r{x, y, x, y};
        DrawText(canvas, QString(c), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        break;
    }
    }
}

void TiPlotChannelCustom::DrawDataPolygon(TCanvas& canvas, bool reversed, double x1, double y1, double x2, double y2,
                                          double x3, double y3, double x4, double y4) {
    if (!XAxis() || !YAxis()) return;
    auto pixel = [&](double x, double y) {
        const int px = XAxis()->PositionToPixels(x), py = YAxis()->PositionToPixels(y);
        return reversed ? TPoint{py, px} : TPoint{px, py};
    };
    const TPoint pts[] = {pixel(x1, y1), pixel(x2, y2), pixel(x3, y3), pixel(x4, y4)};
    canvas.Polygon(pts, 4);
}

TRect TiPlotChannelCustom::DataToPixelRect(double x1, double y1, double x2, double y2) const {
    if (!XAxis() || !YAxis()) return {};
    const int ax = XAxis()->PositionToPixels(x1), ay = YAxis()->PositionToPixels(y1);
    const int bx = XAxis()->PositionToPixels(x2), by = YAxis()->PositionToPixels(y2);
    return OrientedRect(FXYAxesReversed, ax, ay, bx, by);
}

void TiPlotChannelCustom::ClipToAxesRect(TCanvas& canvas) const {
    if (!FClipToAxes) return;
    IntersectClipRect(canvas, AxesPixelRect());
}
