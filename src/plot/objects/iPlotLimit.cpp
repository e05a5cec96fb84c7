#include "objects/iPlotLimit.h"

#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "rtl/Exception.h"

const TiPublishedClass& TiPlotLimit::Published() {
    using namespace published;
    using C = TiPlotLimit;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotLimit"), &TiPlotObject::Published(),
        {
            Prop<C>("Color", &C::Color, &C::SetColor),
            Prop<C>("LineStyle", &C::LineStyle, &C::SetLineStyle),
            Prop<C>("LineWidth", &C::LineWidth, &C::SetLineWidth),
            Prop<C>("FillStyle", &C::FillStyle, &C::SetFillStyle),
            Prop<C>("XAxisName", &C::XAxisName, &C::SetXAxisName),
            Prop<C>("YAxisName", &C::YAxisName, &C::SetYAxisName),
            Prop<C>("Style", &C::Style, &C::SetStyle),
            Prop<C>("Line1Position", &C::Line1Position, &C::SetLine1Position),
            Prop<C>("Line2Position", &C::Line2Position, &C::SetLine2Position),
            Prop<C>("UserCanMove", &C::UserCanMove, &C::SetUserCanMove),
            Prop<C>("SelectModeOnlyInteraction", &C::SelectModeOnlyInteraction, &C::SetSelectModeOnlyInteraction),
            Prop<C>("ClipToAxes", &C::ClipToAxes, &C::SetClipToAxes),
        });
    return info;
}

const TiPublishedClass& TiPlotLimit::PublishedClass() const { return Published(); }

TiPlotLimit::TiPlotLimit(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                         TiNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {}

// ---- elements and axes ----------------------------------------------------------------

void TiPlotLimit::AddBandElement(double position, double upperLimit, double lowerLimit) {
    if (lowerLimit > upperLimit)
        throw Exception(QStringLiteral("the Upper Limit must be greater than or equal to the Lower Limit"));
    FPointList.Add(position, upperLimit, lowerLimit);
    TriggerChange();
}

void TiPlotLimit::ClearAllElements() {
    FPointList.Clear();
    TriggerChange();
}

TiPlotXAxis* TiPlotLimit::GetXAxis() const {
    if (!FXAxis && FPlot) FXAxis = FPlot->GetXAxisByName(FXAxisName);
    return FXAxis;
}

TiPlotYAxis* TiPlotLimit::GetYAxis() const {
    if (!FYAxis && FPlot) FYAxis = FPlot->GetYAxisByName(FYAxisName);
    return FYAxis;
}

void TiPlotLimit::SetXAxisName(const QString& v) {
    if (v == FXAxisName) return;
    FXAxisName = v;
    FXAxis = nullptr;
    TriggerChange();
}

void TiPlotLimit::SetYAxisName(const QString& v) {
    if (v == FYAxisName) return;
    FYAxisName = v;
    FYAxis = nullptr;
    TriggerChange();
}

bool TiPlotLimit::HasFill() const {
    switch (FStyle) {
    case iplsBandX: case iplsBandY: return FFillStyle != bsClear;
    case iplsPolyBandX: case iplsPolyBandY: return true;
    default: return false;
    }
}

void TiPlotLimit::SetLine1Position(double v) {
    if (v == FLine1Position) return;
    const double old = FLine1Position;
    FLine1Position = v;
    TriggerChange();
    if (FPlot) FPlot->DoLimitLine1PositionChange(this, old, v);
}

void TiPlotLimit::SetLine2Position(double v) {
    if (v == FLine2Position) return;
    const double old = FLine2Position;
    FLine2Position = v;
    TriggerChange();
    if (FPlot) FPlot->DoLimitLine2PositionChange(this, old, v);
}

void TiPlotLimit::NotificationRemove(TObject* sender) {
    if (sender == FXAxis) FXAxis = nullptr;
    if (sender == FYAxis) FYAxis = nullptr;
}

void TiPlotLimit::NotificationRename(TObject* sender) {
    if (FXAxis && sender == FXAxis) FXAxisName = FXAxis->Name();
    if (FYAxis && sender == FYAxis) FYAxisName = FYAxis->Name();
}

void TiPlotLimit::NotificationSetFocus(TObject* sender) { DropSelectionFor(sender); }

// ---- drawing --------------------------------------------------------------------------

// Pixel is the line's place on its own axis, Start and Stop its ends on the other axis.
void TiPlotLimit::DrawLine(TCanvas& canvas, int pixel, int start, int stop) {
    const bool x = IsXStyle();
    const TPoint a = x ? OrientedPoint(FXYAxesReversed, pixel, start) : OrientedPoint(FXYAxesReversed, start, pixel);
    const TPoint b = x ? OrientedPoint(FXYAxesReversed, pixel, stop) : OrientedPoint(FXYAxesReversed, stop, pixel);
    canvas.MoveTo(a.X, a.Y);
    canvas.LineTo(b.X, b.Y);
}

TRect TiPlotLimit::ClickRect(int pixel, int start, int stop) const {
    return IsXStyle() ? OrientedRect(FXYAxesReversed, pixel - 5, start, pixel + 5, stop)
                      : OrientedRect(FXYAxesReversed, start, pixel - 5, stop, pixel + 5);
}

void TiPlotLimit::DrawBand(TCanvas& canvas, int pixel1, int pixel2, int start, int stop) {
    const TRect area = IsXStyle() ? OrientedRect(FXYAxesReversed, pixel1, start, pixel2, stop)
                                  : OrientedRect(FXYAxesReversed, start, pixel1, stop, pixel2);
    canvas.Pen.Style = FLineStyle;
    if (FFillStyle == bsSolid) {
        canvas.Pen.Width = 1;
        canvas.Rectangle(area);
        return;
    }
    if (FFillStyle == bsClear) {
        canvas.Pen.Width = FLineWidth;
    } else {
        canvas.Pen.Style = psClear;
        canvas.Rectangle(area);
        canvas.Pen.Style = FLineStyle;
        canvas.Pen.Width = 1;
    }
    DrawLine(canvas, pixel1, start, stop);
    DrawLine(canvas, pixel2, start, stop);
}

void TiPlotLimit::DrawPolyBand(TCanvas& canvas, const TiPlotXAxis& xAxis, const TiPlotYAxis& yAxis) {
    if (FPointList.Count() < 2) return;
    canvas.Pen.Color = FColor;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Color = FColor;
    canvas.Brush.Style = FFillStyle;
    // Elements are positioned along one axis and limited on the other.
    const bool alongX = FStyle == iplsPolyBandY;
    const TiPlotAxis& positionAxis = alongX ? static_cast<const TiPlotAxis&>(xAxis) : yAxis;
    const TiPlotAxis& limitAxis = alongX ? static_cast<const TiPlotAxis&>(yAxis) : xAxis;
    auto corner = [&](double position, double limit) {
        const int p = positionAxis.PositionToPixels(position), l = limitAxis.PositionToPixels(limit);
        return alongX ? OrientedPoint(FXYAxesReversed, p, l) : OrientedPoint(FXYAxesReversed, l, p);
    };
    for (int i = 1; i < FPointList.Count(); ++i) {
        const double p0 = FPointList.GetValue1(i - 1), p1 = FPointList.GetValue1(i);
        if (p0 < positionAxis.Min() && p1 < positionAxis.Min()) continue;
        if (p0 > positionAxis.Max()) break;
        const TPoint corners[] = {corner(p0, FPointList.GetValue2(i - 1)), corner(p1, FPointList.GetValue2(i)),
                                  corner(p1, FPointList.GetValue3(i)), corner(p0, FPointList.GetValue3(i - 1))};
        if (FFillStyle == bsSolid) {
            canvas.Polygon(corners, 4);
            continue;
        }
        canvas.Pen.Style = psClear;
        canvas.Polygon(corners, 4);
        canvas.Pen.Style = psSolid;
        canvas.MoveTo(corners[0].X, corners[0].Y);
        canvas.LineTo(corners[1].X, corners[1].Y);
        canvas.MoveTo(corners[3].X, corners[3].Y);
        canvas.LineTo(corners[2].X, corners[2].Y);
    }
}

void TiPlotLimit::Draw(TCanvas& canvas, TColor backGroundColor) {
    FLine1Show = FLine2Show = false;
    if (!FVisible) return;
    TiPlotXAxis* xAxis = GetXAxis();
    TiPlotYAxis* yAxis = GetYAxis();
    if (!xAxis || !yAxis) return;
    if (FClipToAxes)
        IntersectClipRect(canvas, OrientedRect(FXYAxesReversed, xAxis->MinPixels(), yAxis->MinPixels(),
                                               xAxis->MaxPixels(), yAxis->MaxPixels()));
    if (FStyle == iplsPolyBandX || FStyle == iplsPolyBandY) return DrawPolyBand(canvas, *xAxis, *yAxis);

    // The line's own axis and the axis along which it runs.
    const TiPlotAxis& own = IsXStyle() ? static_cast<const TiPlotAxis&>(*xAxis) : *yAxis;
    const TiPlotAxis& across = IsXStyle() ? static_cast<const TiPlotAxis&>(*yAxis) : *xAxis;
    const int start = across.MinPixels(), stop = across.MaxPixels();
    canvas.Pen.Color = FColor;
    if (FStyle == iplsLineX || FStyle == iplsLineY) {
        if (FLine1Position < own.Min() || FLine1Position > own.Max()) return;
        canvas.Pen.Width = FLineWidth;
        canvas.Pen.Style = FLineStyle;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = backGroundColor;
        const int pixel = own.PositionToPixels(FLine1Position);
        DrawLine(canvas, pixel, start, stop);
        FLine1Show = true;
        FLine1ClickRect = ClickRect(pixel, start, stop);
        return;
    }
    canvas.Brush.Color = FColor;
    canvas.Brush.Style = FFillStyle;
    const int pixel1 = own.PositionToPixels(FLine1Position), pixel2 = own.PositionToPixels(FLine2Position);
    FLine1Show = FLine2Show = true;
    FLine1ClickRect = ClickRect(pixel1, start, stop);
    FLine2ClickRect = ClickRect(pixel2, start, stop);
    DrawBand(canvas, pixel1, pixel2, start, stop);
}

// ---- mouse ----------------------------------------------------------------------------

bool TiPlotLimit::iMouseHitTest(const TiPlotMouseData& d) {
    if (FSelectModeOnlyInteraction && !(FPlot && FPlot->GetSelectActive())) return false;
    return (FLine1Show && FLine1ClickRect.Contains(d.X, d.Y)) || (FLine2Show && FLine2ClickRect.Contains(d.X, d.Y));
}

TCursor TiPlotLimit::GetMouseCursor(const TPoint&) {
    if (!FUserCanMove) return crDefault;
    TCursor cursor = crHandPoint;
    if (FLine1Show && FLine2Show) cursor = IsXStyle() != FXYAxesReversed ? crSizeWE : crSizeNS;
    if (FPlot) FPlot->DoGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotLimit::DoMouseLeft(const TiPlotMouseData& d) {
    if (!FUserCanMove) return;
    if (FLine1Show && FLine1ClickRect.Contains(d.X, d.Y)) FMouseDownLine1 = true;
    else if (FLine2Show && FLine2ClickRect.Contains(d.X, d.Y)) FMouseDownLine2 = true;
    InvalidateNow();
}

void TiPlotLimit::DoMouseMove(const TiPlotMouseData& d) {
    if (!FUserCanMove || (!FMouseDownLine1 && !FMouseDownLine2)) return;
    double position;
    if (IsXStyle()) {
        TiPlotXAxis* axis = GetXAxis();
        if (!axis) return;
        position = axis->PixelsToPosition(d.XAxisPixels);
    } else {
        TiPlotYAxis* axis = GetYAxis();
        if (!axis) return;
        position = axis->PixelsToPosition(d.YAxisPixels);
    }
    if (FMouseDownLine1) SetLine1Position(position);
    else SetLine2Position(position);
}

void TiPlotLimit::DoMouseUp(const TiPlotMouseData& d) {
    if (!FMouseDownLine1 && !FMouseDownLine2) return;
    FMouseDownLine1 = FMouseDownLine2 = false;
    if (iMouseHitTest(d) && FPlot) FPlot->DoObjectClick(this);
}

void TiPlotLimit::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotObject::AddMenuItems(popupMenu);
    AddEditMenuItem(popupMenu);
}
