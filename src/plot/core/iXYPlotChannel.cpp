#include "core/iXYPlotChannel.h"

#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"

#include <cmath>
#include <limits>

const TiPublishedClass& TiXYPlotChannel::Published() {
    using namespace published;
    using C = TiXYPlotChannel;
    static const TiPublishedClass info(QStringLiteral("TiXYPlotChannel"), &TiPlotChannelCustom::Published(),
                                       TiPlotChannelOPC::WithProperties<C>({}));
    return info;
}

const TiPublishedClass& TiXYPlotChannel::PublishedClass() const { return Published(); }

TiXYPlotChannel::TiXYPlotChannel(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                 TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)),
      TiPlotChannelOPC(static_cast<TiPlotChannelCustom&>(*this)) {}

TiPlotChannelCustom* TiXYPlotChannel::Create(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                             TiNotifyEvent onRemove, TiNotifyEvent onRename) {
    return new TiXYPlotChannel(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                               std::move(onRename));
}

int TiXYPlotChannel::AddNull() { return AddToStore(0, 0, true, false); }

int TiXYPlotChannel::AddEmpty() { return AddToStore(0, 0, false, true); }

void TiXYPlotChannel::SetCanDraw(TCanvas&) {
    FCanDraw = false;
    if (!XAxis() || !YAxis() || !FVisible || Count() < 1) return;
    CalcStartIndex();
    CalcStopIndex();
    FCanDraw = FStartIndex != -1 && FStopIndex != -1;
}

void TiXYPlotChannel::Draw(TCanvas& canvas, TColor backGroundColor) {
    ClipToAxesRect(canvas);
    DrawTrace(canvas, FXYAxesReversed, backGroundColor);
    DrawMarkers(canvas, FXYAxesReversed, backGroundColor);
}

void TiXYPlotChannel::DoInsert() {
    TiPlotChannelCustom::DoInsert();
    if (OPCItem(0)->AutoConnect()) OPCActivate();
}

void TiXYPlotChannel::OPCActivate() {
    AttachItemsToPlot();
    OPCDeactivate();
    FOPCManager->GroupClear();
    const QString group = AddChannelGroup();
    OPCItem(0)->SetGroupName(group);
    OPCItem(1)->SetGroupName(group);
    ActivateBoth(false);
}

void TiXYPlotChannel::OPCActivateSuspend() {
    OPCActivate();
    OPCUpdateSuspend();
}

double TiXYPlotChannel::FitExtreme(double (TiPlotChannelCustom::*extent)(int) const, bool largest, double none) {
    CalcStartIndex();
    CalcStopIndex();
    if (!XAxis() || !YAxis() || !FVisible || FStartIndex == -1 || FStopIndex == -1) return none;
    double best = none;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!IsValidPoint(i)) continue;
        const double v = (this->*extent)(i);
        best = largest ? std::max(best, v) : std::min(best, v);
    }
    return best;
}

double TiXYPlotChannel::GetFitXMax() { return FitExtreme(&TiPlotChannelCustom::GetMarkerExtentXMax, true, -1e300); }
double TiXYPlotChannel::GetFitXMin() { return FitExtreme(&TiPlotChannelCustom::GetMarkerExtentXMin, false, 1e300); }
double TiXYPlotChannel::GetFitYMax() { return FitExtreme(&TiPlotChannelCustom::GetMarkerExtentYMax, true, -1e300); }
double TiXYPlotChannel::GetFitYMin() { return FitExtreme(&TiPlotChannelCustom::GetMarkerExtentYMin, false, 1e300); }

void TiXYPlotChannel::CalcDataCursorValues(TiPlotDataCursor* cursor) {
    double x = 0, y = 0;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    const int style = cursor->Style();
    if (xAxis && yAxis) {
        const double p1 = cursor->Pointer1Position() / 100, p2 = cursor->Pointer2Position() / 100;
        double xa = xAxis->PercentToPosition(p1), xb = xAxis->PercentToPosition(p2);
        double ya = yAxis->PercentToPosition(p1), yb = yAxis->PercentToPosition(p2);
        TiPlotDataView* view = cursor->DataView();
        if (view && xAxis->StartPercent() != 0 && xAxis->StopPercent() != 100) {
            xa = xAxis->PixelsToPosition(view->PositionPercentToPixelsX(cursor->Pointer1Position()));
            xb = xAxis->PixelsToPosition(view->PositionPercentToPixelsX(cursor->Pointer2Position()));
        }
        if (view && yAxis->StartPercent() != 0 && yAxis->StopPercent() != 100) {
            ya = yAxis->PixelsToPosition(view->PositionPercentToPixelsY(cursor->Pointer1Position()));
            yb = yAxis->PixelsToPosition(view->PositionPercentToPixelsY(cursor->Pointer2Position()));
        }
        switch (style) {
        case ipcsValueXY: x = xa, y = yb; break;
        case ipcsValueX: x = xa; break;
        case ipcsValueY: y = yb; break;
        case ipcsDeltaX: x = std::fabs(xa - xb); break;
        case ipcsDeltaY: y = std::fabs(ya - yb); break;
        case ipcsInverseDeltaX: {
            const double product = xAxis->CursorScaler() * (xa - xb);
            x = product == 0 ? std::numeric_limits<double>::infinity() : std::fabs(1 / product);
            break;
        }
        default: break;
        }
    }
    cursor->SetValues(ipdpsValid, x, y);
    cursor->SetDisplayText(FormatDataCursorText(style, ipdpsValid, x, y));
}
