#include "core/iPlotChannelCustom.h"

#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"
#include "rtl/Exception.h"
#include "rtl/TVariantArray.h"

#include <algorithm>
#include <cmath>

const TiPublishedClass& TiPlotChannelCustom::Published() {
    using namespace published;
    using C = TiPlotChannelCustom;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotChannelCustom"), &TiPlotObject::Published(),
        {
            Prop<C>("TitleText", &C::TitleText, &C::SetTitleText),
            Prop<C>("VisibleInLegend", &C::VisibleInLegend, &C::SetVisibleInLegend, 1),
            Prop<C>("ClipToAxes", &C::ClipToAxes, &C::SetClipToAxes, 0),
            Prop<C>("ShowDataPointHints", &C::ShowDataPointHints, &C::SetShowDataPointHints, 0),
            Prop<C>("UserCanMoveDataPoints", &C::UserCanMoveDataPoints, &C::SetUserCanMoveDataPoints, 0),
            Prop<C>("UserCanMoveDataPointsStyle", &C::UserCanMoveDataPointsStyle, &C::SetUserCanMoveDataPointsStyle,
                    ipcdpmsXandY),
            Prop<C>("RingBufferSize", &C::RingBufferSize, &C::SetRingBufferSize, 0),
            Prop<C>("TraceVisible", &C::TraceVisible, &C::SetTraceVisible, 1),
            Prop<C>("Color", &C::Color, &C::SetColor, 255),
            Prop<C>("TraceLineStyle", &C::TraceLineStyle, &C::SetTraceLineStyle, iplsSolid),
            Prop<C>("TraceLineWidth", &C::TraceLineWidth, &C::SetTraceLineWidth, 1),
            Prop<C>("MarkersAllowIndividual", &C::MarkersAllowIndividual, &C::SetMarkersAllowIndividual, 0),
            Prop<C>("MarkersPenUseChannelColor", &C::MarkersPenUseChannelColor, &C::SetMarkersPenUseChannelColor, 1),
            Prop<C>("MarkersBrushUseChannelColor", &C::MarkersBrushUseChannelColor,
                    &C::SetMarkersBrushUseChannelColor, 1),
            Prop<C>("MarkersTurnOffLimit", &C::MarkersTurnOffLimit, &C::SetMarkersTurnOffLimit),
            Prop<C>("MarkersVisible", &C::MarkersVisible, &C::SetMarkersVisible, 0),
            Prop<C>("MarkersSize", &C::MarkersSize, &C::SetMarkersSize, 3),
            Prop<C>("MarkersStyle", &C::MarkersStyle, &C::SetMarkersStyle, ipmsCircle),
            Prop<C>("MarkersPenColor", &C::MarkersPenColor, &C::SetMarkersPenColor, 255),
            Prop<C>("MarkersPenStyle", &C::MarkersPenStyle, &C::SetMarkersPenStyle, psSolid),
            Prop<C>("MarkersPenWidth", &C::MarkersPenWidth, &C::SetMarkersPenWidth, 0),
            Prop<C>("MarkersBrushColor", &C::MarkersBrushColor, &C::SetMarkersBrushColor, 255),
            Prop<C>("MarkersBrushStyle", &C::MarkersBrushStyle, &C::SetMarkersBrushStyle, bsSolid),
            published::Object<C>("MarkersFont", &C::MarkersFont),
            Prop<C>("XAxisName", &C::XAxisName, &C::SetXAxisName),
            Prop<C>("YAxisName", &C::YAxisName, &C::SetYAxisName),
            Prop<C>("XAxisTrackingEnabled", &C::XAxisTrackingEnabled, &C::SetXAxisTrackingEnabled, 1),
            Prop<C>("YAxisTrackingEnabled", &C::YAxisTrackingEnabled, &C::SetYAxisTrackingEnabled, 1),
            Prop<C>("LogFileName", &C::LogFileName, &C::SetLogFileName),
            Prop<C>("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize, 0),
            Prop<C>("DataStyle", &C::DataStyle, &C::SetDataStyle),
        });
    return info;
}

const TiPublishedClass& TiPlotChannelCustom::PublishedClass() const { return Published(); }

TiPlotChannelCustom::TiPlotChannelCustom(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                         TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)),
      FDataList(CreateDataList(ipdsStandard)) {
    FDataList->StoredTraceLineColor = 255;
    FDataList->StoredTraceLineWidth = 1;
    FDataList->StoredTraceLineStyle = iplsSolid;
    FDataList->StoredMarkerSize = 3;
    FDataList->StoredMarkerPenColor = 255;
    FDataList->StoredMarkerBrushColor = 255;
    TFont markers;
    markers.SetColor(clWhite);
    markers.SetStyle(fsBold);
    FMarkersFont.Assign(markers);
    FMarkersFont.OnChange = [this] { TriggerChange(); };
}

TiPlotChannelCustom::~TiPlotChannelCustom() = default;

// ---- store-backed settings (written and announced even when unchanged) ----------------

void TiPlotChannelCustom::SetRingBufferSize(int v) {
    FDataList->SetRingBufferSize(v);
    StoredChanged();
}
void TiPlotChannelCustom::SetColor(TColor v) {
    FDataList->StoredTraceLineColor = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetTraceLineStyle(TiPlotLineStyle v) {
    FDataList->StoredTraceLineStyle = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetTraceLineWidth(int v) {
    FDataList->StoredTraceLineWidth = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersVisible(bool v) {
    FDataList->StoredMarkerVisible = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersSize(int v) {
    FDataList->StoredMarkerSize = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersStyle(TiPlotMarkerStyle v) {
    FDataList->StoredMarkerStyle = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersPenColor(TColor v) {
    FDataList->StoredMarkerPenColor = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersPenStyle(TPenStyle v) {
    FDataList->StoredMarkerPenStyle = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersPenWidth(int v) {
    FDataList->StoredMarkerPenWidth = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersBrushColor(TColor v) {
    FDataList->StoredMarkerBrushColor = v;
    StoredChanged();
}
void TiPlotChannelCustom::SetMarkersBrushStyle(TBrushStyle v) {
    FDataList->StoredMarkerBrushStyle = v;
    StoredChanged();
}

void TiPlotChannelCustom::SetXAxisName(const QString& v) {
    if (v == FXAxisName) return;
    FXAxisName = v;
    FXAxis = nullptr;
    TriggerChange();
}

void TiPlotChannelCustom::SetYAxisName(const QString& v) {
    if (v == FYAxisName) return;
    FYAxisName = v;
    FYAxis = nullptr;
    TriggerChange();
}

void TiPlotChannelCustom::SetLogFileName(const QString& v) {
    if (v == FLogFileName) return;
    if (FLoggingActive) throw Exception(GetTranslation(QStringLiteral("Log File Name can not be changed while logging is active.")));
    FLogFileName = v;
}

void TiPlotChannelCustom::SetDataStyle(TiPlotDataStyle v) {
    if (v == FDataStyle) return;
    FDataStyle = v;
    std::unique_ptr<TiPlotDataCustomList> store(CreateDataList(v));
    store->CopyStoredSettings(*FDataList);
    const int ring = FDataList->RingBufferSize();
    FDataList = std::move(store);
    FDataList->SetRingBufferSize(ring);
    TriggerChange();
}

// ---- points ---------------------------------------------------------------------------

int TiPlotChannelCustom::AddXY(double x, double y) { return AddPoint(x, y, false, false); }

int TiPlotChannelCustom::AddToStore(double x, double y, bool null, bool empty) {
    const int index = FDataList->Add(x, y, null, empty);
    TriggerChange();
    return index;
}

int TiPlotChannelCustom::AddPoint(double x, double y, bool null, bool empty) {
    const int index = FDataList->Add(x, y, null, empty);
    const bool valid = !null && !empty;
    if (valid) {
        if (x > FRunningXMax) FRunningXMax = x;
        if (x < FRunningXMin) FRunningXMin = x;
        if (y > FRunningYMax) FRunningYMax = y;
        if (y < FRunningYMin) FRunningYMin = y;
        ++FRunningCount;
        FRunningXTotal += x;
        FRunningXMean = double(FRunningXTotal / FRunningCount);
        FRunningYTotal += y;
        FRunningYMean = double(FRunningYTotal / FRunningCount);
    }
    if (FXAxisTrackingEnabled || FYAxisTrackingEnabled) {
        const int last = Count() - 1;
        TiPlotAxis* xAxis = XAxis();
        TiPlotAxis* yAxis = YAxis();
        if (MarkersVisible()) {
            if (FXAxisTrackingEnabled && xAxis && !GetNull(last)) {
                xAxis->NewTrackingData(GetMarkerExtentXMax(last));
                xAxis->NewTrackingData(GetMarkerExtentXMin(last));
            }
            if (FYAxisTrackingEnabled && yAxis && !GetNull(last)) {
                yAxis->NewTrackingData(GetMarkerExtentYMax(last));
                yAxis->NewTrackingData(GetMarkerExtentYMin(last));
            }
        } else {
            if (FXAxisTrackingEnabled && xAxis) xAxis->NewTrackingData(x);
            if (FYAxisTrackingEnabled && yAxis && valid) yAxis->NewTrackingData(y);
        }
    }
    if (FLoggingActive) {
        ++FLogBufferCount;
        if (FLogBufferSize < 2 || FLogBufferCount >= FLogBufferSize) LogFlush();
    }
    TriggerChange();
    return index;
}

void TiPlotChannelCustom::AddXYArray(const TVariantArray& data) {
    if (data.DimCount() != 2) throw Exception(QStringLiteral("Array Must Be 2 Dimensional"));
    if (data.High(1) - data.Low(1) + 1 != 2) throw Exception(QStringLiteral("Array First Dimension Must Be 2 Elements"));
    for (int j = data.Low(2); j <= data.High(2); ++j)
        AddPoint(data.At(data.Low(1), j), data.At(data.High(1), j), false, false);
}

void TiPlotChannelCustom::AddXYArrays(const TVariantArray& xData, const TVariantArray& yData) {
    if (xData.DimCount() != 1) throw Exception(QStringLiteral("X-Data array must be 1 dimensional"));
    if (yData.DimCount() != 1) throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    if (xData.Low(1) != yData.Low(1))
        throw Exception(QStringLiteral("X-Data and Y-Data low bound dimension must match"));
    if (xData.High(1) != yData.High(1))
        throw Exception(QStringLiteral("X-Data and Y-Data hogh bound dimension must match"));
    for (int i = xData.Low(1); i <= xData.High(1); ++i) AddPoint(xData.At(i), yData.At(i), false, false);
}

void TiPlotChannelCustom::DeletePoints(int size) {
    if (size == Count()) {
        Clear();
        return;
    }
    FDataList->DeletePoints(size);
    TriggerChange();
}

void TiPlotChannelCustom::ResetRunning() {
    FRunningXMin = FRunningYMin = 1e300;
    FRunningXMax = FRunningYMax = -1e300;
    FRunningXMean = FRunningYMean = 0;
    FRunningCount = 0;
    FRunningXTotal = FRunningYTotal = 0;
}

void TiPlotChannelCustom::Clear() {
    ResetRunning();
    FStartIndex = FStopIndex = -1;
    if (FLoggingActive) LogDeactivate();
    FDataList->Clear();
    TriggerChange();
}

void TiPlotChannelCustom::SetCount(int value) {
    FDataList->SetCapacity(value);
    TriggerChange();
}

void TiPlotChannelCustom::GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const {
    FDataList->GetXYEmptyNull(index, x, y, empty, null);
}

void TiPlotChannelCustom::SetX(int index, double value) {
    FDataList->SetX(index, value);
    TriggerChange();
}
void TiPlotChannelCustom::SetY(int index, double value) {
    FDataList->SetY(index, value);
    TriggerChange();
}
void TiPlotChannelCustom::SetNull(int index, bool value) {
    FDataList->SetNull(index, value);
    TriggerChange();
}
void TiPlotChannelCustom::SetEmpty(int index, bool value) {
    FDataList->SetEmpty(index, value);
    TriggerChange();
}

// ---- statistics -----------------------------------------------------------------------

double TiPlotChannelCustom::GetXMax() {
    FRunningXMax = -1e300;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) FRunningXMax = std::max(FRunningXMax, GetX(i));
    return FRunningXMax;
}

double TiPlotChannelCustom::GetXMin() {
    FRunningXMin = 1e300;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) FRunningXMin = std::min(FRunningXMin, GetX(i));
    return FRunningXMin;
}

double TiPlotChannelCustom::GetYMax() {
    FRunningYMax = -1e300;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) FRunningYMax = std::max(FRunningYMax, GetY(i));
    return FRunningYMax;
}

double TiPlotChannelCustom::GetYMin() {
    FRunningYMin = 1e300;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) FRunningYMin = std::min(FRunningYMin, GetY(i));
    return FRunningYMin;
}

double TiPlotChannelCustom::GetXMean() {
    FRunningXTotal = 0;
    FRunningCount = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) FRunningXTotal += GetX(i), ++FRunningCount;
    FRunningXMean = FRunningCount ? double(FRunningXTotal / FRunningCount) : 0;
    return FRunningXMean;
}

double TiPlotChannelCustom::GetYMean() {
    FRunningYTotal = 0;
    FRunningCount = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) FRunningYTotal += GetY(i), ++FRunningCount;
    FRunningYMean = FRunningCount ? double(FRunningYTotal / FRunningCount) : 0;
    return FRunningYMean;
}

void TiPlotChannelCustom::ReCalcRunningMinMaxMean() {
    ResetRunning();
    for (int i = 0; i < Count(); ++i) {
        if (!IsValidPoint(i)) continue;
        const double x = GetX(i), y = GetY(i);
        FRunningXMin = std::min(FRunningXMin, x), FRunningXMax = std::max(FRunningXMax, x);
        FRunningYMin = std::min(FRunningYMin, y), FRunningYMax = std::max(FRunningYMax, y);
        FRunningXTotal += x, FRunningYTotal += y;
        ++FRunningCount;
    }
    if (FRunningCount) {
        FRunningXMean = double(FRunningXTotal / FRunningCount);
        FRunningYMean = double(FRunningYTotal / FRunningCount);
    }
}

// ---- axes -----------------------------------------------------------------------------

TiPlotXAxis* TiPlotChannelCustom::XAxis() const {
    if (!FXAxis && FPlot) FXAxis = FPlot->GetXAxisByName(FXAxisName);
    return FXAxis;
}

TiPlotYAxis* TiPlotChannelCustom::YAxis() const {
    if (!FYAxis && FPlot) FYAxis = FPlot->GetYAxisByName(FYAxisName);
    return FYAxis;
}

QString TiPlotChannelCustom::GetXValueText(double value) const {
    TiPlotXAxis* a = XAxis();
    return a ? a->GetCursorText(value) : GetTranslation(QStringLiteral("No X-Axis"));
}

QString TiPlotChannelCustom::GetYValueText(double value) const {
    TiPlotYAxis* a = YAxis();
    return a ? a->GetCursorText(value) : GetTranslation(QStringLiteral("No Y-Axis"));
}

namespace {

// The marker size in units of an axis.
double MarkerUnits(const TiPlotAxis& axis, int size) {
    return std::fabs(axis.PixelsToPosition(size + axis.MinPixels()) - axis.Min());
}

}  // namespace

double TiPlotChannelCustom::GetMarkerExtentXMax(int index) const {
    if (GetNull(index)) throw Exception(QStringLiteral("Data Point Null"));
    if (!MarkersVisible()) return GetX(index);
    if (!XAxis()) throw Exception(QStringLiteral("X-Axis not assigned"));
    return GetX(index) + MarkerUnits(*XAxis(), MarkersSize());
}

double TiPlotChannelCustom::GetMarkerExtentXMin(int index) const {
    if (GetNull(index)) throw Exception(QStringLiteral("Data Point Null"));
    if (!MarkersVisible()) return GetX(index);
    if (!XAxis()) throw Exception(QStringLiteral("X-Axis not assigned"));
    return GetX(index) - MarkerUnits(*XAxis(), MarkersSize());
}

double TiPlotChannelCustom::GetMarkerExtentYMax(int index) const {
    if (GetNull(index)) throw Exception(QStringLiteral("Data Point Null"));
    if (!MarkersVisible()) return GetY(index);
    if (!YAxis()) throw Exception(QStringLiteral("Y-Axis not assigned"));
    return GetY(index) + MarkerUnits(*YAxis(), MarkersSize());
}

double TiPlotChannelCustom::GetMarkerExtentYMin(int index) const {
    if (GetNull(index)) throw Exception(QStringLiteral("Data Point Null"));
    if (!MarkersVisible()) return GetY(index);
    if (!YAxis()) throw Exception(QStringLiteral("Y-Axis not assigned"));
    return GetY(index) - MarkerUnits(*YAxis(), MarkersSize());
}

// ---- data cursor ----------------------------------------------------------------------

QString TiPlotChannelCustom::FormatDataCursorText(int style, TiPlotDataPointStatus status, double x, double y) {
    FDataCursorXText.clear();
    FDataCursorYText.clear();
    FDataCursorXValue = x;
    FDataCursorYValue = y;
    FDataCursorStatus = status;
    if (!XAxis()) {
        FDataCursorXText = GetTranslation(QStringLiteral("No X-Axis"));
        return FDataCursorXText;
    }
    auto yText = [&]() -> QString {
        if (!YAxis()) return GetTranslation(QStringLiteral("No Y-Axis"));
        if (status == ipdpsNull) return GetTranslation(QStringLiteral("Null"));
        if (status == ipdpsEmpty) return GetTranslation(QStringLiteral("Empty"));
        return GetYValueText(y);
    };
    switch (style) {
    case ipcsValueXY:
        FDataCursorXText = GetXValueText(x);
        FDataCursorYText = yText();
        return FDataCursorXText + QStringLiteral(", ") + FDataCursorYText;
    case ipcsValueX:
    case ipcsDeltaX:
        FDataCursorXText = GetXValueText(x);
        return FDataCursorXText;
    case ipcsValueY:
        FDataCursorYText = yText();
        return FDataCursorYText;
    case ipcsDeltaY:
        FDataCursorYText = YAxis() ? GetYValueText(y) : GetTranslation(QStringLiteral("No Y-Axis"));
        return FDataCursorYText;
    case ipcsInverseDeltaX:
        FDataCursorXText = x < 1e301 ? GetXValueText(x) : GetTranslation(QStringLiteral("Infinite"));
        return FDataCursorXText;
    default: return QString();
    }
}

// ---- input ----------------------------------------------------------------------------

bool TiPlotChannelCustom::iMouseHitTest(const TiPlotMouseData& d) {
    const bool hit = TiPlotManagerObject::iMouseHitTest(d);
    if (FVisibleInLegend && FLegendRect.Contains(d.X, d.Y)) return true;
    if (!FPlot || !FPlot->GetSelectActive()) return hit;
    FSelectDataIndex = -1;
    if (!MarkersVisible() || Count() == 0) return hit;
    CalcStartIndex();
    CalcStopIndex();
    if (FStartIndex < 0 || FStopIndex < 0) return hit;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!IsValidPoint(i) || !IsMarkerDrawn(i)) continue;
        const TRect r = GetMarkerRect(i);
        if (!r.Contains(d.X, d.Y)) continue;
        FSelectHitTestRect = r;
        FSelectDataIndex = i;
        return true;
    }
    return hit;
}

void TiPlotChannelCustom::DoMouseHint(const TiPlotMouseData& d, TiHintData& hint) {
    if (!FPlot) return;
    FPlot->DoDataPointMouseMove(this, FSelectDataIndex, d.Shift, d.X, d.Y);
    if (!FShowDataPointHints || FSelectDataIndex == -1 || !FSelectHitTestRect.Contains(d.X, d.Y)) return;
    if (FSelectDataIndex >= Count() || !XAxis() || !YAxis()) return;
    QString text = XAxis()->GetLabelText(GetX(FSelectDataIndex)) + QStringLiteral(", ") +
                   YAxis()->GetLabelText(GetY(FSelectDataIndex));
    FPlot->DoDataPointCustomizeHint(this, FSelectDataIndex, text);
    TCanvas measure;
    measure.Font = FPlot->HintsFont().Font();
    const int w = MultiLineTextWidth(measure, text) + 4, h = TextHeightOf(measure, text);
    hint.Text = text;
    hint.Width = w;
    hint.Height = h + 4;
    const int m = MarkersSize() / 2;
    const TRect view = FPlot->DataViewCount() > 0 ? FPlot->DataView(0)->DrawRect() : TRect{};
    hint.Top = d.Y - (h + m + 8);
    hint.Left = d.X - w / 2;
    if (hint.Top <= view.Top) hint.Top = d.Y + h + m + 8;
    if (hint.Left <= view.Left) {
        hint.Left = d.X + m + 8;
        hint.Top = d.Y - hint.Height / 2;
    } else if (hint.Left + w >= view.Right) {
        hint.Left = d.X - m - w - 4;
        hint.Top = d.Y - hint.Height / 2;
    }
    if (hint.Top + hint.Height >= view.Bottom) hint.Top = view.Bottom - hint.Height;
    if (hint.Top <= view.Top) hint.Top = view.Top;
    hint.Visible = true;
}

void TiPlotChannelCustom::DoMouseLeft(const TiPlotMouseData& d) {
    if (FPlot) FPlot->DoDataPointMouseDown(this, FSelectDataIndex, d.Button, d.Shift, d.X, d.Y);
    FMouseDownDataIndex = FSelectDataIndex;
    if (FMouseDownDataIndex == -1 || FMouseDownDataIndex >= Count() || !FSelectHitTestRect.Contains(d.X, d.Y)) return;
    FSelectMouseDown = true;
    FSelectMouseDownIndex = FMouseDownDataIndex;
    FSelectDownRect = FSelectHitTestRect;
    FMouseDownValueX = GetX(FMouseDownDataIndex);
    FMouseDownValueY = GetY(FMouseDownDataIndex);
    FMouseDownPixelX = d.XAxisPixels;
    FMouseDownPixelY = d.YAxisPixels;
}

void TiPlotChannelCustom::DoMouseMove(const TiPlotMouseData& d) {
    if (!FSelectMouseDown) return;
    if (FPlot) FPlot->DoDataPointMouseMove(this, FMouseDownDataIndex, d.Shift, d.X, d.Y);
    if (!FUserCanMoveDataPoints || !XAxis() || !YAxis()) return;
    double dx = 0, dy = 0;
    if (FUserCanMoveDataPointsStyle != ipcdpmsYOnly)
        dx = XAxis()->PixelsToPosition(FMouseDownPixelX) - XAxis()->PixelsToPosition(d.XAxisPixels);
    if (FUserCanMoveDataPointsStyle != ipcdpmsXOnly)
        dy = YAxis()->PixelsToPosition(FMouseDownPixelY) - YAxis()->PixelsToPosition(d.YAxisPixels);
    SetX(FSelectMouseDownIndex, FMouseDownValueX - dx);
    SetY(FSelectMouseDownIndex, FMouseDownValueY - dy);
}

void TiPlotChannelCustom::DoMouseUp(const TiPlotMouseData& d) {
    if (FPlot) FPlot->DoDataPointMouseUp(this, FMouseDownDataIndex, d.Button, d.Shift, d.X, d.Y);
    if (FSelectMouseDown) {
        FSelectMouseDown = false;
        const int index = FSelectMouseDownIndex;
        if (!FPlot || index >= Count()) return;
        if (FSelectDownRect.Contains(d.X, d.Y)) FPlot->DoDataPointClick(this, index);
        if (GetX(index) != FMouseDownValueX || GetY(index) != FMouseDownValueY)
            FPlot->DoDataPointMoved(this, index, FMouseDownValueX, FMouseDownValueY, GetX(index), GetY(index));
    } else if (FMouseDown && FLegendRect.Contains(d.X, d.Y) && FPlot) {
        FPlot->DoObjectClick(this);
    }
}

TCursor TiPlotChannelCustom::GetMouseCursor(const TPoint&) {
    TCursor cursor = crHandPoint;
    if (FPlot) FPlot->DoGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotChannelCustom::NotificationRemove(TObject* sender) {
    if (sender == FXAxis) FXAxis = nullptr;
    if (sender == FYAxis) FYAxis = nullptr;
}

void TiPlotChannelCustom::NotificationRename(TObject* sender) {
    if (FXAxis && sender == FXAxis) FXAxisName = FXAxis->Name();
    if (FYAxis && sender == FYAxis) FYAxisName = FYAxis->Name();
}

void TiPlotChannelCustom::NotificationSetFocus(TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (!other || other == this || !other->UserSelected()) return;
    if (other->Kind() == TiPlotObjectKind::Legend) return;
    if (other->Kind() == TiPlotObjectKind::DataCursor && static_cast<TiPlotDataCursor*>(other)->GetChannel() == this)
        return;
    SetUserSelected(false);
}

void TiPlotChannelCustom::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotManagerObject::AddMenuItems(popupMenu);
    AddEditMenuItem(popupMenu);
}

TRect TiPlotChannelCustom::AxesPixelRect() const {
    TiPlotXAxis* x = XAxis();
    TiPlotYAxis* y = YAxis();
    if (!x || !y) return {};
    if (FXYAxesReversed) return NormalizedRect(y->MinPixels(), x->MinPixels(), y->MaxPixels(), x->MaxPixels());
    return NormalizedRect(x->MinPixels(), y->MinPixels(), x->MaxPixels(), y->MaxPixels());
}

bool TiPlotChannelCustom::GetPopupCenter(TPoint& center) const {
    const TRect r = AxesPixelRect();
    center = {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    return true;
}
