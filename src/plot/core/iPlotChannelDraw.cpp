// The time-series channel's drawing: the pixel-column list, the fill, bar, trace, marker and
// high-low passes.
#include "core/iPlotAxis.h"
#include "core/iPlotChannel.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "core/iPlotMath.h"
#include "rtl/Exception.h"

#include <algorithm>
#include <cmath>

void TiPlotChannel::SetCanDraw(TCanvas&) {
    FCanDraw = false;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    const int count = Count();
    if (!xAxis || !yAxis || !FVisible || count == 0) return;
    FXIncreasing = count < 3 || GetX(1) >= GetX(0);
    if (!FDrawOutOfOrderXValues) {
        const double first = GetX(0), last = GetX(count - 1);
        const double lo = FXIncreasing ? first : last, hi = FXIncreasing ? last : first;
        if (hi < xAxis->Min() || lo > xAxis->Max()) return;
    }
    CalcStartIndex();
    CalcStopIndex();
    const bool step = FInterpolationStyle == ipistDifferential || FInterpolationStyle == ipistDifferentialTerminated;
    if ((FStartIndex == -1 || FStopIndex == -1) && !step) return;
    if (FDigitalReferenceStyle == ipdrPercent) {
        FPixelsHigh = yAxis->PositionToPixels(yAxis->Span() * FDigitalReferenceHigh / 100 + yAxis->Min());
        FPixelsLow = yAxis->PositionToPixels(yAxis->Span() * FDigitalReferenceLow / 100 + yAxis->Min());
    } else {
        FPixelsHigh = yAxis->PositionToPixels(FDigitalReferenceHigh);
        FPixelsLow = yAxis->PositionToPixels(FDigitalReferenceLow);
    }
    FPixelListStart = std::min(xAxis->MinPixels(), xAxis->MaxPixels());
    FPixelListStop = std::max(xAxis->MinPixels(), xAxis->MaxPixels());
    const std::size_t needed = std::size_t(FPixelListStop - FPixelListStart + 1);
    if (FPixelList.size() < needed) FPixelList.resize(needed);
    for (std::size_t k = 0; k < FPixelList.size(); ++k) {
        FPixelList[k].Null = true;
        FPixelList[k].XPixel = FPixelListStart + int(k);
    }
    FCanDraw = true;
}

void TiPlotChannel::SetPixelListValue(int xPixel, double yValue) {
    if (xPixel < FPixelListStart || xPixel > FPixelListStop)
        throw Exception(QStringLiteral("Pixel List XPixel out of Range"));
    TiPlotPixelPoint& p = FPixelList[std::size_t(xPixel - FPixelListStart)];
    p.Null = false;
    p.YValue = yValue;
}

void TiPlotChannel::Draw(TCanvas& canvas, TColor backGroundColor) {
    // A failure inside the channel ends its drawing for this paint; the plot still paints.
    try {
        ClipToAxesRect(canvas);
        DrawFill(canvas, FXYAxesReversed);
        DrawBars(canvas);
        DrawTrace(canvas, FXYAxesReversed, backGroundColor);
        DrawMarkers(canvas, FXYAxesReversed, backGroundColor);
        if (FHighLowEnabled) {
            if (FHighLowStyle == iphlsOpenClose)
                DrawHighLowOpenClose(canvas);
            else
                DrawHighLowCandleStick(canvas);
        }
    } catch (const std::exception&) {
    }
}

void TiPlotChannel::UseFillBrush(TCanvas& canvas) const {
    canvas.Brush.Style = FFillStyle;
    canvas.Brush.Color = FFillUseChannelColor ? Color() : FFillColor;
}

void TiPlotChannel::DrawFill(TCanvas& canvas, bool reversed) {
    if (!FFillEnabled || FFillStyle == bsClear || FInterpolationStyle != ipistStraightLine || FDigitalEnabled) return;
    if (FStartIndex < 0 || FStopIndex < 0) return;
    UseFillBrush(canvas);
    canvas.Pen.Color = canvas.Brush.Color;
    canvas.Pen.Width = 0;
    canvas.Pen.Style = psClear;
    bool broken = true;
    double px = 0, py = 0;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (GetEmpty(i)) continue;
        if (GetNull(i)) {
            broken = true;
            continue;
        }
        const double x = GetX(i), y = GetY(i);
        if (!broken) DrawDataPolygon(canvas, reversed, x, FFillReference, x, y, px, py, px, FFillReference);
        broken = false;
        px = x, py = y;
    }
}

TRect TiPlotChannel::GetBarRect(int index) const {
    const double w = FDataList->GetBarWidth(index), x = GetX(index);
    TRect r = DataToPixelRect(x - w / 2, FDataList->GetBarReference(index), x + w / 2, GetY(index));
    if (r.Right == r.Left) ++r.Right;
    return r;
}

void TiPlotChannel::DrawBars(TCanvas& canvas) {
    if (!FBarEnabled || FStartIndex < 0 || FStopIndex < 0) return;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!IsValidPoint(i) || !FDataList->GetBarVisible(i)) continue;
        canvas.Brush.Color = FBarBrushUseChannelColor ? Color() : FDataList->GetBarBrushColor(i);
        canvas.Pen.Color = FBarPenUseChannelColor ? Color() : FDataList->GetBarPenColor(i);
        canvas.Pen.Width = FDataList->GetBarPenWidth(i);
        canvas.Pen.Style = FDataList->GetBarPenStyle(i);
        canvas.Brush.Style = FDataList->GetBarBrushStyle(i);
        canvas.Rectangle(GetBarRect(i));
    }
}

void TiPlotChannel::DrawTrace(TCanvas& canvas, bool reversed, TColor backGroundColor) {
    if (!FTraceVisible) return;
    canvas.Pen.Color = Color();
    canvas.Brush.Style = bsClear;
    canvas.Pen.Style = TPenStyle(TraceLineStyle());
    canvas.Pen.Width = TraceLineWidth() == 1 ? 0 : TraceLineWidth();
    if (FDigitalEnabled) return DrawDigitalTrace(canvas, reversed);
    switch (FInterpolationStyle) {
    case ipistStraightLine:
        if (FFastDrawEnabled) return DrawFastTrace(canvas, reversed);
        return TiPlotChannelCustom::DrawTrace(canvas, reversed, backGroundColor);
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: return DrawInterpolatedTrace(canvas, reversed);
    case ipistDifferential:
    case ipistDifferentialTerminated: return DrawStepTrace(canvas, reversed);
    }
}

void TiPlotChannel::DrawFastTrace(TCanvas& canvas, bool reversed) {
    if (FStartIndex < 0 || FStartIndex == FStopIndex) return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotMinMaxPoint a, b, c;
    // Each column costs its vertical stroke (min to max) and the joint to the next column.
    auto flush = [&] {
        if (!a.Empty && a.YMin != a.YMax) DrawLine(canvas, reversed, false, a.XValue, a.YMin, a.XValue, a.YMax);
        if (!b.Empty && b.YMin != b.YMax) DrawLine(canvas, reversed, false, b.XValue, b.YMin, b.XValue, b.YMax);
        if (!a.Empty && !b.Empty) DrawLine(canvas, reversed, false, a.XValue, a.YLast, b.XValue, b.YFirst);
        if (!b.Empty && !c.Empty) DrawLine(canvas, reversed, false, b.XValue, b.YLast, c.XValue, c.YFirst);
    };
    double x, y;
    bool empty, null;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        GetXYEmptyNull(i, x, y, empty, null);
        if (empty) continue;
        if (null) {
            flush();
            a.Clear(), b.Clear(), c.Clear();
            continue;
        }
        const int px = xAxis->PositionToPixels(x);
        if (a.Empty || px == a.XPixels) {
            a.AddData(x, y, px);
        } else if (b.Empty || px == b.XPixels) {
            b.AddData(x, y, px);
        } else {
            c.AddData(x, y, px);
            flush();
            a.AssignDown(c);
            b.Clear(), c.Clear();
        }
    }
    flush();
}

void TiPlotChannel::DrawStepTrace(TCanvas& canvas, bool reversed) {
    const int count = Count();
    if (count == 0) return;
    UseFillBrush(canvas);
    const bool fill = FFillEnabled && FFillStyle != bsClear;
    const bool terminated = FInterpolationStyle == ipistDifferentialTerminated;
    bool have = false, broken = false;
    double px = 0, py = 0;
    auto fillTo = [&](double x) {
        if (!fill) return;
        canvas.Pen.Color = canvas.Brush.Color;
        DrawDataPolygon(canvas, reversed, x, FFillReference, x, py, px, py, px, FFillReference);
        canvas.Pen.Color = Color();
    };
    if (FStartIndex == -1 || FStopIndex == -1) {
        for (int i = count - 1; i >= 0 && !have; --i)
            if (IsValidPoint(i)) px = GetX(i), py = GetY(i), have = true;
        if (!have) return;
    } else {
        for (int i = FStartIndex; i <= FStopIndex; ++i) {
            if (GetEmpty(i)) continue;
            const double x = GetX(i);
            if (GetNull(i)) {
                if (have && !broken) {
                    fillTo(x);
                    DrawLine(canvas, reversed, false, px, py, x, py);
                }
                broken = true;
                continue;
            }
            const double y = GetY(i);
            if (have && !broken) {
                fillTo(x);
                DrawLine(canvas, reversed, false, px, py, x, py);
                DrawLine(canvas, reversed, false, x, py, x, y);
            }
            have = true, broken = false;
            px = x, py = y;
        }
    }
    if (!terminated && have && !broken) {
        canvas.Pen.Color = Color();
        DrawLine(canvas, reversed, false, px, py, XAxis()->Max(), py);
    }
}

void TiPlotChannel::DrawCurveSpan(TCanvas& canvas, bool reversed, double xFirst, double xLast,
                                  const std::function<double(double)>& curve) {
    TiPlotXAxis* xAxis = XAxis();
    const double from = std::max(xFirst, xAxis->Min()), to = std::min(xLast, xAxis->Max());
    // Data wholly beside the axis has no column to draw in.
    if (from > to) return;
    int p1 = xAxis->PositionToPixels(from), p2 = xAxis->PositionToPixels(to);
    if (p2 < p1) std::swap(p1, p2);
    const bool fill = FFillEnabled && FFillStyle != bsClear;
    const TColor fillColor = FFillUseChannelColor ? Color() : FFillColor;
    auto fillLine = [&](double x, double y) {
        if (!fill) return;
        canvas.Pen.Color = fillColor;
        DrawLine(canvas, reversed, false, x, FFillReference, x, y);
        canvas.Pen.Color = Color();
    };
    double lastX = xAxis->PixelsToPosition(p1);
    double lastY = curve(lastX);
    fillLine(lastX, lastY);
    SetPixelListValue(p1, lastY);
    for (int p = p1; p <= p2; ++p) {
        const double x = xAxis->PixelsToPosition(p), y = curve(x);
        fillLine(x, y);
        canvas.Pen.Color = Color();
        DrawLine(canvas, reversed, false, lastX, lastY, x, y);
        SetPixelListValue(p, y);
        lastX = x, lastY = y;
    }
}

void TiPlotChannel::DrawInterpolatedTrace(TCanvas& canvas, bool reversed) {
    const int count = Count();
    if (count < 2) return;
    UseFillBrush(canvas);
    if (FInterpolationStyle != ipistCubicSpline) {
        std::vector<double> xs(std::size_t(count) + 1), ys(std::size_t(count) + 1);
        for (int i = 0; i < count; ++i) xs[std::size_t(i) + 1] = GetX(i), ys[std::size_t(i) + 1] = GetY(i);
        const bool rational = FInterpolationStyle == ipistRational;
        DrawCurveSpan(canvas, reversed, std::min(GetX(0), GetX(count - 1)), std::max(GetX(0), GetX(count - 1)),
                      [&](double x) {
                          double y = 0, dy = 0;
                          if (rational)
                              RationalInterpolate(xs, ys, count, x, y, dy);
                          else
                              PolynomialInterpolate(xs, ys, count, x, y, dy);
                          return y;
                      });
        return;
    }
    // The spline runs through each group of valid points between null points.
    std::vector<double> xs{0}, ys{0}, y2;
    auto drawGroup = [&] {
        const int n = int(xs.size()) - 1;
        if (n > 1) {
            if (xs[1] > xs[std::size_t(n)]) {
                std::reverse(xs.begin() + 1, xs.end());
                std::reverse(ys.begin() + 1, ys.end());
            }
            SplineSecondDerivatives(xs, ys, n, y2);
            DrawCurveSpan(canvas, reversed, xs[1], xs[std::size_t(n)],
                          [&](double x) { return SplineInterpolate(xs, ys, y2, n, x); });
        }
        xs.assign(1, 0);
        ys.assign(1, 0);
    };
    for (int i = 0; i < count; ++i) {
        if (GetEmpty(i)) continue;
        if (GetNull(i)) {
            drawGroup();
            continue;
        }
        xs.push_back(GetX(i));
        ys.push_back(GetY(i));
    }
    drawGroup();
}

void TiPlotChannel::DrawDigitalTrace(TCanvas& canvas, bool reversed) {
    if (FStartIndex < 0 || FStartIndex == FStopIndex) return;
    const bool percent = FDigitalReferenceStyle == ipdrPercent;
    const TColor fillColor = FFillUseChannelColor ? Color() : FFillColor;
    TDigitalSequenceData run;
    auto level = [&](bool high) { return high ? FDigitalReferenceHigh : FDigitalReferenceLow; };
    auto fillTo = [&](double s, double t, double l, TColor pen) {
        if (!FFillEnabled) return;
        canvas.Brush.Style = FFillStyle;
        canvas.Brush.Color = fillColor;
        canvas.Pen.Color = pen;
        DrawDataPolygon(canvas, reversed, t, FFillReference, t, l, s, l, s, FFillReference);
        canvas.Pen.Color = Color();
    };
    auto flush = [&] {
        const double s = run.StartXValue, l = level(run.StartYValue);
        if (run.TransitionSet) {
            const double t = run.TransitionXValue;
            fillTo(s, t, l, fillColor);
            DrawLine(canvas, reversed, percent, s, l, t, l);
            DrawLine(canvas, reversed, percent, t, l, t, level(!run.StartYValue));
        } else if (run.StartSet && run.StopSet) {
            fillTo(s, run.StopXValue, l, Color());
            DrawLine(canvas, reversed, percent, s, l, run.StopXValue, l);
        }
        run.Clear();
    };
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (GetEmpty(i)) continue;
        if (GetNull(i)) {
            flush();
            continue;
        }
        const double x = GetX(i);
        const bool high = GetY(i) != 0;
        if (!run.StartSet) {
            run.StartSet = true, run.StartXValue = x, run.StartYValue = high;
        } else if (high == run.StartYValue) {
            run.StopSet = true, run.StopXValue = x;
        } else {
            run.TransitionSet = true, run.TransitionXValue = x;
            flush();
            run.StartSet = true, run.StartXValue = x, run.StartYValue = high;
        }
    }
    flush();
}

void TiPlotChannel::DrawMarkers(TCanvas& canvas, bool reversed, TColor backGroundColor) {
    if (FStartIndex < 0 || FStopIndex < 0 || !MarkersVisible()) return;
    if (!FDigitalEnabled) return TiPlotChannelCustom::DrawMarkers(canvas, reversed, backGroundColor);
    canvas.Font = FMarkersFont.Font();
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!IsValidPoint(i) || !GetMarkerVisible(i)) continue;
        const double x = GetX(i), y = GetY(i);
        if (!xAxis->ValueOnScale(x) || !yAxis->ValueOnScale(y)) continue;
        const int px = xAxis->PositionToPixels(x), py = y != 0 ? FPixelsHigh : FPixelsLow;
        DrawMarker(canvas, i, backGroundColor, OrientedPoint(reversed, px, py));
    }
}

void TiPlotChannel::DrawHighLowOpenClose(TCanvas& canvas) {
    if (FStartIndex < 0 || FStopIndex < 0) return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    canvas.Pen.Width = 0;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsSolid;
    const int w = xAxis->WidthToPixels(FHighLowBarWidth);
    auto shape = [&](TColor color, int x1, int y1, int x2, int y2) {
        canvas.Brush.Color = color;
        canvas.Pen.Color = color;
        canvas.Rectangle(OrientedRect(FXYAxesReversed, x1, y1, x2, y2));
    };
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!IsValidPoint(i)) continue;
        const int x = xAxis->PositionToPixels(GetX(i));
        const int h = yAxis->PositionToPixels(FDataList->GetHigh(i)), l = yAxis->PositionToPixels(FDataList->GetLow(i));
        const int o = yAxis->PositionToPixels(FDataList->GetOpen(i));
        const int c = yAxis->PositionToPixels(FDataList->GetClose(i));
        const int left = x - w / 2, right = w == 0 ? left + 1 : x + w - w / 2;
        const int top = std::min(h, l), bottom = h == l ? top + 1 : std::max(h, l);
        const int m = (left + right) / 2;
        // A tick centred on its value, reaching left (open) or right (close) of the bar's middle.
        auto tick = [&](int value, double width, double height, bool toRight, TColor color) {
            const int tw = xAxis->WidthToPixels(width), th = yAxis->WidthToPixels(height);
            const int y1 = value - th / 2;
            const int y2 = std::max(value + th - th / 2 - 1, y1 + 1);
            const int x1 = toRight ? m : m - tw + 1;
            const int x2 = tw == 1 ? m + 1 : toRight ? m + tw - 1 : m;
            shape(color, x1, y1, x2, y2);
        };
        if (FHighLowOpenShow) tick(o, FHighLowOpenWidth, FHighLowOpenHeight, false, FHighLowOpenColor);
        if (FHighLowCloseShow) tick(c, FHighLowCloseWidth, FHighLowCloseHeight, true, FHighLowCloseColor);
        shape(FHighLowBarColor, left, top, right, bottom);
    }
}

void TiPlotChannel::DrawHighLowCandleStick(TCanvas& canvas) {
    if (FStartIndex < 0 || FStopIndex < 0) return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    canvas.Pen.Width = 0;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Style = bsSolid;
    const int w = xAxis->WidthToPixels(FHighLowBarWidth);
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!IsValidPoint(i)) continue;
        const double open = FDataList->GetOpen(i), close = FDataList->GetClose(i);
        const int x = xAxis->PositionToPixels(GetX(i));
        const int h = yAxis->PositionToPixels(FDataList->GetHigh(i)), l = yAxis->PositionToPixels(FDataList->GetLow(i));
        const int o = yAxis->PositionToPixels(open), c = yAxis->PositionToPixels(close);
        canvas.Pen.Color = FHighLowShadowColor;
        const TPoint shadow[] = {OrientedPoint(FXYAxesReversed, x, h), OrientedPoint(FXYAxesReversed, x, l)};
        canvas.Polyline(shadow, 2);
        canvas.Brush.Color = open > close ? FHighLowBearishColor : FHighLowBullishColor;
        const int top = std::min(o, c), bottom = o == c ? top + 1 : std::max(o, c);
        canvas.Rectangle(OrientedRect(FXYAxesReversed, x - w / 2, top, x + w / 2 + 1, bottom));
    }
}
