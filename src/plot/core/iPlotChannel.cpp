#include "core/iPlotChannel.h"

#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"
#include "rtl/Exception.h"
#include "rtl/TDateTime.h"
#include "rtl/TVariantArray.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

const TiPublishedClass& TiPlotChannel::Published() {
    using namespace published;
    using C = TiPlotChannel;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotChannel"), &TiPlotChannelCustom::Published(),
        TiPlotChannelOPC::WithProperties<C>({
            Prop<C>("FastDrawEnabled", &C::FastDrawEnabled, &C::SetFastDrawEnabled, 1),
            Prop<C>("AllowOutOfOrderXValues", &C::AllowOutOfOrderXValues, &C::SetAllowOutOfOrderXValues, 1),
            Prop<C>("DrawOutOfOrderXValues", &C::DrawOutOfOrderXValues, &C::SetDrawOutOfOrderXValues, 0),
            Prop<C>("ResetStartTimeOnFirstDataPoint", &C::ResetStartTimeOnFirstDataPoint,
                    &C::SetResetStartTimeOnFirstDataPoint, 0),
            Prop<C>("InterpolationStyle", &C::InterpolationStyle, &C::SetInterpolationStyle, ipistStraightLine),
            Prop<C>("FillEnabled", &C::FillEnabled, &C::SetFillEnabled, 0),
            Prop<C>("FillReference", &C::FillReference, &C::SetFillReference),
            Prop<C>("FillStyle", &C::FillStyle, &C::SetFillStyle, bsSolid),
            Prop<C>("FillColor", &C::FillColor, &C::SetFillColor, 0),
            Prop<C>("FillUseChannelColor", &C::FillUseChannelColor, &C::SetFillUseChannelColor, 1),
            Prop<C>("DigitalEnabled", &C::DigitalEnabled, &C::SetDigitalEnabled, 0),
            Prop<C>("DigitalReferenceStyle", &C::DigitalReferenceStyle, &C::SetDigitalReferenceStyle, ipdrScale),
            Prop<C>("DigitalReferenceLow", &C::DigitalReferenceLow, &C::SetDigitalReferenceLow),
            Prop<C>("DigitalReferenceHigh", &C::DigitalReferenceHigh, &C::SetDigitalReferenceHigh),
            Prop<C>("HighLowStyle", &C::HighLowStyle, &C::SetHighLowStyle, iphlsOpenClose),
            Prop<C>("HighLowEnabled", &C::HighLowEnabled, &C::SetHighLowEnabled, 0),
            Prop<C>("HighLowBarColor", &C::HighLowBarColor, &C::SetHighLowBarColor, 16711680),
            Prop<C>("HighLowBarWidth", &C::HighLowBarWidth, &C::SetHighLowBarWidth),
            Prop<C>("HighLowOpenShow", &C::HighLowOpenShow, &C::SetHighLowOpenShow, 1),
            Prop<C>("HighLowOpenColor", &C::HighLowOpenColor, &C::SetHighLowOpenColor, 32768),
            Prop<C>("HighLowOpenWidth", &C::HighLowOpenWidth, &C::SetHighLowOpenWidth),
            Prop<C>("HighLowOpenHeight", &C::HighLowOpenHeight, &C::SetHighLowOpenHeight),
            Prop<C>("HighLowCloseShow", &C::HighLowCloseShow, &C::SetHighLowCloseShow, 1),
            Prop<C>("HighLowCloseColor", &C::HighLowCloseColor, &C::SetHighLowCloseColor, 255),
            Prop<C>("HighLowCloseWidth", &C::HighLowCloseWidth, &C::SetHighLowCloseWidth),
            Prop<C>("HighLowCloseHeight", &C::HighLowCloseHeight, &C::SetHighLowCloseHeight),
            Prop<C>("HighLowShadowColor", &C::HighLowShadowColor, &C::SetHighLowShadowColor, 8421504),
            Prop<C>("HighLowBullishColor", &C::HighLowBullishColor, &C::SetHighLowBullishColor, 16777215),
            Prop<C>("HighLowBearishColor", &C::HighLowBearishColor, &C::SetHighLowBearishColor, 8421504),
            Prop<C>("BarEnabled", &C::BarEnabled, &C::SetBarEnabled, 0),
            Prop<C>("BarPenUseChannelColor", &C::BarPenUseChannelColor, &C::SetBarPenUseChannelColor, 1),
            Prop<C>("BarBrushUseChannelColor", &C::BarBrushUseChannelColor, &C::SetBarBrushUseChannelColor, 1),
            Prop<C>("BarReference", &C::BarReference, &C::SetBarReference),
            Prop<C>("BarWidth", &C::BarWidth, &C::SetBarWidth),
            Prop<C>("BarPenColor", &C::BarPenColor, &C::SetBarPenColor, 255),
            Prop<C>("BarPenWidth", &C::BarPenWidth, &C::SetBarPenWidth, 0),
            Prop<C>("BarPenStyle", &C::BarPenStyle, &C::SetBarPenStyle, psSolid),
            Prop<C>("BarBrushColor", &C::BarBrushColor, &C::SetBarBrushColor, 255),
            Prop<C>("BarBrushStyle", &C::BarBrushStyle, &C::SetBarBrushStyle, bsSolid),
            Prop<C>("OPCGroupName", &C::OPCGroupName, &C::SetOPCGroupName),
            Prop<C>("OPCXValueSource", &C::OPCXValueSource, &C::SetOPCXValueSource, iopcxvsOPCServerTimeStamp),
        }));
    return info;
}

const TiPublishedClass& TiPlotChannel::PublishedClass() const { return Published(); }

TiPlotChannel::TiPlotChannel(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                             TiNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)),
      TiPlotChannelOPC(static_cast<TiPlotChannelCustom&>(*this)) {
    FOPCItemManager->OnNewData = [this](TiOPCItem* item) { DoOPCNewData(item); };
    FDataList->StoredBarReference = 0;
    FDataList->StoredBarWidth = 5;
    FDataList->StoredBarPenColor = 255;
    FDataList->StoredBarBrushColor = 255;
    FDataList->StoredBarPenWidth = 0;
    FDataList->StoredBarPenStyle = psSolid;
    FDataList->StoredBarBrushStyle = bsSolid;
    FElapsedStartTime = Now();
}

TiPlotChannelCustom* TiPlotChannel::Create(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                           TiNotifyEvent onRemove, TiNotifyEvent onRename) {
    return new TiPlotChannel(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                             std::move(onRename));
}

// ---- adding -------------------------------------------------------------------------------

double TiPlotChannel::Now() const {
    if (FClock) return FClock();
    // Reading the local date-time is costly; between readings at most a second apart the
    // steady clock carries it on, so a live feed of many points a second stays cheap.
    const auto t = std::chrono::steady_clock::now();
    if (!FNowAnchorSet || t - FNowAnchorSteady > std::chrono::seconds(1)) {
        FNowAnchor = ::Now();
        FNowAnchorSteady = t;
        FNowAnchorSet = true;
    }
    return FNowAnchor + std::chrono::duration<double>(t - FNowAnchorSteady).count() / 86400;
}

void TiPlotChannel::ResetElapsedStartTime() { FElapsedStartTime = Now(); }

void TiPlotChannel::StartIfFirst() {
    if (FResetStartTimeOnFirstDataPoint && Count() == 0) ResetElapsedStartTime();
}

void TiPlotChannel::CheckXOrder(double x) const {
    if (FAllowOutOfOrderXValues || Count() <= 1) return;
    const double last = GetX(Count() - 1);
    if (GetX(1) >= GetX(0)) {
        if (x < last) throw Exception(QStringLiteral("New Data-Point X-Value is out of order"));
    } else if (x > last) {
        throw Exception(QStringLiteral("New Data-Point X-Value is out of order."));
    }
}

int TiPlotChannel::AddXY(double x, double y) {
    StartIfFirst();
    CheckXOrder(x);
    return AddPoint(x, y, false, false);
}

int TiPlotChannel::AddXNull(double x) {
    StartIfFirst();
    CheckXOrder(x);
    return AddPoint(x, 0, true, false);
}

int TiPlotChannel::AddXEmpty(double x) {
    StartIfFirst();
    CheckXOrder(x);
    return AddPoint(x, 0, false, true);
}

int TiPlotChannel::AddYNow(double y) {
    StartIfFirst();
    return AddPoint(Now(), y, false, false);
}

int TiPlotChannel::AddYElapsedTime(double y) {
    StartIfFirst();
    return AddPoint(Now() - FElapsedStartTime, y, false, false);
}

int TiPlotChannel::AddYElapsedSeconds(double y) {
    StartIfFirst();
    return AddPoint((Now() - FElapsedStartTime) * 86400, y, false, false);
}

void TiPlotChannel::AddYArray(double xInterval, const TVariantArray& yData) {
    if (yData.DimCount() != 1) throw Exception(QStringLiteral("Y-Data array must be 1 dimensional"));
    StartIfFirst();
    const double base = Count() > 0 ? GetX(Count() - 1) : 0;
    const int low = yData.Low(1);
    for (int i = low; i <= yData.High(1); ++i) AddPoint((i - low) * xInterval + base, yData.At(i), false, false);
}

int TiPlotChannel::AddHighLow(double x, double high, double low, double open, double close) {
    StartIfFirst();
    CheckXOrder(x);
    const int index = FDataList->Add(x, 0, false, false);
    FDataList->SetHigh(index, high);
    FDataList->SetLow(index, low);
    FDataList->SetOpen(index, open);
    FDataList->SetClose(index, close);
    if (FXAxisTrackingEnabled)
        if (TiPlotAxis* xAxis = XAxis()) xAxis->NewTrackingData(x);
    if (FYAxisTrackingEnabled)
        if (TiPlotAxis* yAxis = YAxis())
            for (double v : {high, low, open, close}) yAxis->NewTrackingData(v);
    TriggerChange();
    return index;
}

// ---- searching ----------------------------------------------------------------------------

int TiPlotChannel::Search(double target) const {
    int lo = 0, hi = Count() - 1, result = -1;
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        result = mid;
        const double x = GetX(mid);
        if (x == target) break;
        const bool below = target < x;
        if (below == FXIncreasing)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return result;
}

int TiPlotChannel::CalcIndex(double target) const {
    if (!XAxis() || Count() == 0) return -1;
    const double first = GetX(0), last = GetX(Count() - 1);
    const double lo = FXIncreasing ? first : last, hi = FXIncreasing ? last : first;
    if (target < lo || target > hi) return -1;
    int i = Search(target);
    if (target > GetX(i)) i += FXIncreasing ? 1 : -1;
    return std::clamp(i, 0, Count() - 1);
}

bool TiPlotChannel::GetYInterpolated(double xValue, double& yValue) const {
    const int count = Count();
    if (count == 0) return false;
    if (IsValidPoint(0) && GetX(0) == xValue) {
        yValue = GetY(0);
        return true;
    }
    if (IsValidPoint(count - 1) && GetX(count - 1) == xValue) {
        yValue = GetY(count - 1);
        return true;
    }
    yValue = 0;
    const int i = CalcIndex(xValue);
    const int j = FXIncreasing ? i - 1 : i + 1;
    // A neighbour outside the points (a null end point hit exactly) gives no value.
    if (i == -1 || j < 0 || j >= count) return false;
    if (FDigitalEnabled) {
        yValue = GetY(j);
        return true;
    }
    if (xValue != GetX(i)) {
        if (i < 1 || GetNull(i) || GetNull(j)) return false;
        TiPlotXAxis* xAxis = XAxis();
        const int pj = xAxis->PositionToPixels(GetX(j)), pi = xAxis->PositionToPixels(GetX(i));
        const int px = xAxis->PositionToPixels(xValue);
        if (pj != pi && px != pi) {
            yValue = GetY(i) + double(px - pi) * (GetY(j) - GetY(i)) / double(pj - pi);
            return true;
        }
    }
    yValue = GetY(i);
    return true;
}

void TiPlotChannel::CalcStartIndex() {
    FStartIndex = -1;
    TiPlotXAxis* xAxis = XAxis();
    const int count = Count();
    if (!xAxis || count == 0) return;
    int i;
    if (FDrawOutOfOrderXValues) {
        i = count - 1;
        for (int k = 0; k < count; ++k)
            if (xAxis->PointOnScale(GetX(k))) {
                i = k;
                break;
            }
        --i;
    } else if (FXIncreasing) {
        i = Search(xAxis->Min());
        if (xAxis->Min() < GetX(i)) --i;
    } else {
        i = Search(xAxis->Max());
        if (xAxis->Max() > GetX(i)) --i;
    }
    FStartIndex = std::clamp(i, 0, count - 1);
}

void TiPlotChannel::CalcStopIndex() {
    FStopIndex = -1;
    TiPlotXAxis* xAxis = XAxis();
    const int count = Count();
    if (!xAxis || count == 0) return;
    int i;
    if (FDrawOutOfOrderXValues) {
        i = -1;
        for (int k = count - 1; k >= 0; --k)
            if (xAxis->PointOnScale(GetX(k))) {
                i = k + 1;
                break;
            }
    } else if (FXIncreasing) {
        i = Search(xAxis->Max());
        if (xAxis->Max() > GetX(i)) ++i;
    } else {
        i = Search(xAxis->Min());
        if (xAxis->Min() < GetX(i)) ++i;
    }
    FStopIndex = std::clamp(i, 0, count - 1);
}

// ---- zoom to fit --------------------------------------------------------------------------

int TiPlotChannel::FirstValidIndex() const {
    for (int i = 0; i < Count(); ++i)
        if (IsValidPoint(i)) return i;
    return -1;
}

int TiPlotChannel::LastValidIndex() const {
    for (int i = Count() - 1; i >= 0; --i)
        if (IsValidPoint(i)) return i;
    return -1;
}

double TiPlotChannel::GetFitXMax() {
    if (!XAxis() || !YAxis() || !FVisible || Count() == 0) return -1e300;
    FXIncreasing = Count() < 3 || GetX(1) >= GetX(0);
    const int i = FXIncreasing ? LastValidIndex() : FirstValidIndex();
    return i < 0 ? -1e300 : GetMarkerExtentXMax(i);
}

double TiPlotChannel::GetFitXMin() {
    if (!XAxis() || !YAxis() || !FVisible || Count() == 0) return 1e300;
    FXIncreasing = Count() < 3 || GetX(1) >= GetX(0);
    const int i = FXIncreasing ? FirstValidIndex() : LastValidIndex();
    return i < 0 ? 1e300 : GetMarkerExtentXMin(i);
}

double TiPlotChannel::FitYExtreme(bool largest) {
    const double none = largest ? -1e300 : 1e300;
    if (!XAxis() || !YAxis() || !FVisible) return none;
    CalcStartIndex();
    CalcStopIndex();
    if (FStartIndex == -1 || FStopIndex == -1) return none;
    double best = none;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!IsValidPoint(i)) continue;
        best = largest ? std::max(best, GetMarkerExtentYMax(i)) : std::min(best, GetMarkerExtentYMin(i));
    }
    return best;
}

double TiPlotChannel::GetFitYMax() { return FitYExtreme(true); }
double TiPlotChannel::GetFitYMin() { return FitYExtreme(false); }

// ---- data cursor --------------------------------------------------------------------------

TiPlotDataPointStatus TiPlotChannel::GetCursorY(double x, double& y) const {
    y = 0;
    const int count = Count();
    if (count == 0) return ipdpsEmpty;
    if (GetX(0) == x && IsValidPoint(0)) {
        y = GetY(0);
        return ipdpsValid;
    }
    if (GetX(count - 1) == x && IsValidPoint(count - 1)) {
        y = GetY(count - 1);
        return ipdpsValid;
    }
    const TiPlotInterpolationStyle style = FDigitalEnabled ? ipistStraightLine : FInterpolationStyle;
    switch (style) {
    case ipistStraightLine: return GetYInterpolated(x, y) ? ipdpsValid : ipdpsEmpty;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: {
        if (FPixelListStart == 0 && FPixelListStop == 0) return ipdpsEmpty;
        const int c = XAxis()->PositionToPixels(x);
        const double lo = std::min(GetX(0), GetX(count - 1)), hi = std::max(GetX(0), GetX(count - 1));
        if (c < FPixelListStart || c > FPixelListStop || x < lo || x > hi) return ipdpsEmpty;
        const TiPlotPixelPoint& p = PixelListEntry(c);
        y = p.YValue;
        return p.Null ? ipdpsNull : ipdpsValid;
    }
    case ipistDifferential:
    case ipistDifferentialTerminated: {
        const int i = CalcIndex(x) - 1;
        if (i < 0) {
            if (style == ipistDifferential && IsValidPoint(count - 1) && x > GetX(count - 1)) {
                y = GetY(count - 1);
                return ipdpsValid;
            }
            return ipdpsEmpty;
        }
        y = GetY(i);
        return ipdpsValid;
    }
    }
    return ipdpsEmpty;
}

void TiPlotChannel::CalcDataCursorValues(TiPlotDataCursor* cursor) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    TiPlotDataView* view = cursor->DataView();
    if (!xAxis || !yAxis || !view) return;
    const double xs = xAxis->CursorScaler();
    const double xa = xAxis->PixelsToPosition(view->PositionPercentToPixelsX(cursor->Pointer1Position()));
    const double xb = xAxis->PixelsToPosition(view->PositionPercentToPixelsX(cursor->Pointer2Position()));
    const int style = cursor->Style();
    double x = 0, y = 0;
    TiPlotDataPointStatus status = ipdpsValid;
    switch (style) {
    case ipcsValueXY:
    case ipcsValueX:
    case ipcsValueY:
        x = xa;
        status = GetCursorY(x, y);
        break;
    case ipcsDeltaX: x = xs * std::fabs(xa - xb); break;
    case ipcsDeltaY: {
        const double ya = yAxis->PixelsToPosition(view->PositionPercentToPixelsY(cursor->Pointer1Position()));
        const double yb = yAxis->PixelsToPosition(view->PositionPercentToPixelsY(cursor->Pointer2Position()));
        y = std::fabs(ya - yb) * xs;
        break;
    }
    case ipcsInverseDeltaX: {
        const double d = std::fabs(xa - xb);
        x = d != 0 && xs != 0 ? 1 / (d * xs) : std::numeric_limits<double>::infinity();
        break;
    }
    default: break;
    }
    cursor->SetValues(status, x, y);
    QString text = FormatDataCursorText(style, status, x, y);
    // A digital channel reads its level as a word.
    if (FDigitalEnabled && status == ipdpsValid && (style == ipcsValueXY || style == ipcsValueY)) {
        FDataCursorYText = GetTranslation(y != 0 ? QStringLiteral("High") : QStringLiteral("Low"));
        text = style == ipcsValueXY ? FDataCursorXText + QStringLiteral(", ") + FDataCursorYText : FDataCursorYText;
    }
    cursor->SetDisplayText(text);
}

// ---- input --------------------------------------------------------------------------------

bool TiPlotChannel::iMouseHitTest(const TiPlotMouseData& d) {
    if (TiPlotChannelCustom::iMouseHitTest(d)) return true;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis || d.Button != mbRight) return false;
    double y = 0;
    if (!GetYInterpolated(xAxis->PixelsToPosition(d.XAxisPixels), y)) return false;
    const int yPixel = yAxis->PositionToPixels(y);
    const TPoint p = FXYAxesReversed ? TPoint{yPixel, d.XAxisPixels} : TPoint{d.XAxisPixels, yPixel};
    return std::abs(p.X - d.X) <= 10 && std::abs(p.Y - d.Y) <= 10;
}

void TiPlotChannel::DoInsert() {
    TiPlotChannelCustom::DoInsert();
    if (OPCItem(0)->AutoConnect()) OPCActivate();
}

// ---- OPC ----------------------------------------------------------------------------------

void TiPlotChannel::Activate(bool suspended) {
    AttachItemsToPlot();
    OPCDeactivate();
    // A group left from an earlier activation would go on adding points of its own.
    FOPCManager->GroupClear();
    TiOPCItem* y = OPCItem(0);
    if (FOPCXValueSource != iopcxvsOPCItem) {
        if (suspended)
            y->ActivateSuspend();
        else
            y->Activate();
        return;
    }
    // A server named gives the channel a group of its own; without one both items stay in
    // the group named by OPCGroupName.
    if (!y->ServerName().trimmed().isEmpty()) y->SetGroupName(AddChannelGroup());
    OPCItem(1)->SetGroupName(y->GroupName());
    ActivateBoth(suspended);
}

void TiPlotChannel::DoOPCNewData(TiOPCItem* item) {
    const double y = item->Data().toDouble();
    switch (FOPCXValueSource) {
    case iopcxvsOPCServerTimeStamp: AddPoint(item->TimeStamp(), y, false, false); break;
    case iopcxvsSystemTimeStamp: AddPoint(Now(), y, false, false); break;
    case iopcxvsElapsedTime: AddYElapsedTime(y); break;
    case iopcxvsElapsedSeconds: AddYElapsedSeconds(y); break;
    case iopcxvsOPCItem: break;
    }
}
