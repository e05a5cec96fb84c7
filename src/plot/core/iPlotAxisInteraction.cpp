// What the user does to an axis (dragging, the wheel and the keys scroll or zoom its range,
// its popup menu, hint and cursor) and tracking: how the range follows incoming data.
#include "core/iPlotAxis.h"

#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"
#include "ui/TMenu.h"
#include "ui/VirtualKeys.h"

#include <cmath>

TiPlotAxisMode TiPlotAxis::GetEffectiveMode(TShiftState shift) const {
    if (!(shift & ssCtrl)) return FMode;
    return FMode == ipamScroll ? ipamZoom : ipamScroll;
}

void TiPlotAxis::ScrollBy(double f) {
    if (FScaleType == ipstLinear) {
        double newMin = FMin + f * FSpan;
        if (FScrollMinMaxEnabled) {
            if (newMin <= FScrollMin)
                newMin = FScrollMin;
            else if (newMin + FSpan >= FScrollMax)
                newMin = FScrollMax - FSpan;
        }
        SetMinSpan(newMin, FSpan);
        return;
    }
    const double d = std::log10(Max()) - std::log10(FMin);
    double newMin = FMin * std::pow(10.0, f * d);
    double newMax = Max() * std::pow(10.0, f * d);
    if (FScrollMinMaxEnabled) {
        if (newMin <= FScrollMin) {
            newMin = FScrollMin;
            newMax = std::pow(10.0, d) * FScrollMin;
        } else if (newMin + FSpan >= FScrollMax) {
            newMin = FScrollMax / std::pow(10.0, d);
            newMax = FScrollMax;
        }
    }
    SetMinSpan(newMin, newMax - newMin);
}

void TiPlotAxis::ZoomBy(double e) {
    if (FScaleType == ipstLinear) {
        const double newSpan = FSpan / std::pow(10.0, e);
        SetMinSpan((Max() + FMin) / 2 - newSpan / 2, newSpan);
    } else {
        SetMinSpan(FMin * std::pow(10.0, e), FSpan / std::pow(10.0, e));
    }
}

void TiPlotAxis::FinishedIfChanged(double oldMin, double oldSpan) {
    if (FPlot && (FMin != oldMin || FSpan != oldSpan)) FPlot->DoAxisMinSpanChangeFinished(this, oldMin, oldSpan, FMin, FSpan);
}

// ---- mouse, wheel and keys -------------------------------------------------------------

void TiPlotAxis::DoMouseLeft(const TiPlotMouseData& d) {
    if (FMasterUIInput && FPlot) FPlot->MasterAxisMouseLeft(this, d);
    FAxisMouseDown = true;
    FMouseDownX = d.X;
    FMouseDownY = d.Y;
    FMouseDownMin = FMin;
    FMouseDownSpan = FSpan;
}

void TiPlotAxis::DoMouseMove(const TiPlotMouseData& d) {
    if (!FAxisMouseDown) return;
    if (FMasterUIInput && FPlot) FPlot->MasterAxisMouseMove(this, d);
    if (d.DblClickActive) return;
    InvalidateNow();
    SetTrackingEnabled(false);
    const int length = std::abs(FActualStop - FActualStart);
    if (length == 0) return;
    int moved;
    if (IsHorz())
        moved = FReverseScale ? FMouseDownX - d.X : d.X - FMouseDownX;
    else
        moved = FReverseScale ? d.Y - FMouseDownY : FMouseDownY - d.Y;
    const double f = double(moved) / length;
    if (GetEffectiveMode(d.Shift) == ipamScroll)
        ScrollBy(-f);
    else
        ZoomBy(FScaleType == ipstLinear ? f / 4 : f * 2);
    FMouseDownX = d.X;
    FMouseDownY = d.Y;
}

void TiPlotAxis::DoMouseUp(const TiPlotMouseData& d) {
    if (!FAxisMouseDown) return;
    FAxisMouseDown = false;
    if (FMasterUIInput && FPlot) FPlot->MasterAxisMouseUp(this, d);
    if (!FPlot) return;
    if (iMouseHitTest(d)) {
        FPlot->SetDblClickActive(d.DblClickActive);
        FPlot->DoObjectClick(this);
    }
    FinishedIfChanged(FMouseDownMin, FMouseDownSpan);
}

bool TiPlotAxis::DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) {
    if (wheelDelta == 0) return true;
    SetTrackingEnabled(false);
    if (FMasterUIInput && FPlot) FPlot->MasterAxisMouseWheel(this, wheelDelta, shift, x, y);
    const double s = wheelDelta > 0 ? 1 : -1;
    if (GetEffectiveMode(shift) == ipamScroll)
        ScrollBy(s * 0.05);
    else
        ZoomBy(s * (FScaleType == ipstLinear ? 0.025 : 0.05));
    return true;
}

void TiPlotAxis::iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu) {
    TiPlotLayoutObject::iKeyDown(key, shift, popupMenu);
    if (FMasterUIInput && FPlot) FPlot->MasterAxisKeyDown(this, key, shift);
    SetTrackingEnabled(false);
    const double oldMin = FMin, oldSpan = FSpan;
    double b = 0;
    switch (key) {
    case VK_PRIOR: case VK_END: b = 1; break;
    case VK_NEXT: case VK_HOME: b = -1; break;
    case VK_UP: case VK_RIGHT: b = 0.01; break;
    case VK_LEFT: case VK_DOWN: b = -0.01; break;
    default: break;
    }
    if (b != 0) {
        InvalidateNow();
        if (FMode == ipamScroll)
            ScrollBy(b);
        else
            ZoomBy(b);
    }
    FinishedIfChanged(oldMin, oldSpan);
}

void TiPlotAxis::DoMouseHint(const TiPlotMouseData& d, TiHintData& hint) {
    if (!FTitleShow && FPlot) {
        TCanvas& canvas = FPlot->Canvas();
        canvas.Font = FTitleFont->Font();
        hint.Text = FTitle;
        hint.Left = d.X;
        hint.Top = d.Y - 20;
        hint.Width = canvas.TextWidth(FTitle) + 4;
        hint.Height = canvas.TextHeight(FTitle) + 4;
    }
    if (FPlot) FPlot->DoAxisCustomizeHint(this, hint.Text);
}

TCursor TiPlotAxis::GetMouseCursor(const TPoint&) {
    TCursor cursor = crHandPoint;
    if (FMode == ipamZoom) cursor = IsHorz() ? crSizeWE : crSizeNS;
    if (FPlot) FPlot->DoGetMouseCursor(this, cursor);
    return cursor;
}

bool TiPlotAxis::iMouseHitTest(const TiPlotMouseData& d) {
    return d.X >= FFocusRect.Left && d.X < FFocusRect.Right && d.Y >= FFocusRect.Top && d.Y < FFocusRect.Bottom;
}

void TiPlotAxis::NotificationSetFocus(TObject* sender) {
    if (sender == this) return;
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (!other || !other->UserSelected()) return;
    const bool axis = dynamic_cast<TiPlotAxis*>(other) != nullptr;
    if (axis && (ShiftState() & (ssShift | ssCtrl))) return;
    SetUserSelected(false);
}

void TiPlotAxis::AddMenuItems(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::AddMenuItems(popupMenu);
    if (!popupMenu) return;
    TMenuItem* tracking = popupMenu->Items().Add(GetTranslation(QStringLiteral("Tracking Enabled")));
    tracking->Checked = FTrackingEnabled;
    tracking->OnClick = [this](TMenuItem*) { SetTrackingEnabled(!FTrackingEnabled); };
    TMenuItem* resume = popupMenu->Items().Add(GetTranslation(QStringLiteral("Update Resume Values")));
    resume->Enabled = !FTrackingEnabled && (FMin != FPreviousMin || FSpan != FPreviousSpan);
    resume->OnClick = [this](TMenuItem*) { UpdateResumeValues(); };
    TMenuItem* fit = popupMenu->Items().Add(GetTranslation(QStringLiteral("Zoom to Fit")));
    fit->OnClick = [this](TMenuItem*) { ZoomToFit(); };
    AddEditMenuItem(popupMenu);
}

// ---- tracking --------------------------------------------------------------------------

void TiPlotAxis::UpdateResumeValues() {
    FPreviousMin = FMin;
    FPreviousSpan = FSpan;
    FPreviousLabelsMinLength = FLabelsMinLength;
}

void TiPlotAxis::SetTrackingEnabled(bool value) {
    if (value == FTrackingEnabled) return;
    FTrackingEnabled = value;
    if (FRestoreValuesOnResume) {
        if (value) {
            SetMinSpan(FPreviousMin, FPreviousSpan);
            FLabelsMinLength = FPreviousLabelsMinLength;
        } else {
            UpdateResumeValues();
        }
    }
    TriggerChange();
}

namespace {

// The extremes of the channels whose axis of this kind has the given name: their scanned fit
// values, or their running extremes when fast. False when there is nothing to fit.
bool FitRange(TiPlotComponent* plot, const QString& name, bool xAxis, bool fast, double& hi, double& lo) {
    hi = -1e300;
    lo = 1e300;
    for (int i = 0; plot && i < plot->ChannelCount(); ++i) {
        TiPlotChannelCustom* c = plot->ChannelObject(i);
        if ((xAxis ? c->XAxisName() : c->YAxisName()).compare(name, Qt::CaseInsensitive) != 0) continue;
        if (fast) {
            hi = std::max(hi, xAxis ? c->RunningXMax() : c->RunningYMax());
            lo = std::min(lo, xAxis ? c->RunningXMin() : c->RunningYMin());
        } else {
            hi = std::max(hi, xAxis ? c->GetFitXMax() : c->GetFitYMax());
            lo = std::min(lo, xAxis ? c->GetFitXMin() : c->GetFitYMin());
        }
    }
    return hi > -1e299 && lo < 1e299 && hi != lo;
}

}  // namespace

void TiPlotAxis::ZoomToFit() {
    double hi, lo;
    if (!FitRange(FPlot, FName, Kind() == TiPlotObjectKind::XAxis, false, hi, lo)) return;
    double span = hi - lo;
    if (FTrackingSpanMinimum != 0 && FTrackingSpanMinimum > span) span = FTrackingSpanMinimum;
    SetMinSpan(lo - FTrackingMinMargin, span + FTrackingMaxMargin + FTrackingMinMargin);
}

void TiPlotAxis::ZoomToFitFast() {
    double hi, lo;
    if (!FitRange(FPlot, FName, Kind() == TiPlotObjectKind::XAxis, true, hi, lo)) return;
    SetMinSpan(lo - FTrackingMinMargin, hi - lo + FTrackingMaxMargin + FTrackingMinMargin);
}

void TiPlotAxis::SnapToTrackingIncrement() {
    if (FTrackingIncrementStyle == iptisMinimum) return;
    const double i = FTrackingIncrementStyle == iptisMajor ? FMajorIncrement : FMinorIncrement;
    // Before the first tick computation the increment is 0: there is nothing to snap to.
    if (i == 0 || !std::isfinite(i)) return;
    const double max = Max(), min = FMin;
    double newMax = max, newMin = min;
    if (std::trunc(max / i) != max / i) {
        newMax = std::trunc(max / i) * i;
        if (newMax < max) newMax += i;
    }
    if (std::trunc(min / i) != min / i) {
        newMin = std::trunc(min / i) * i;
        if (newMin > min) newMin -= i;
    }
    if (newMax != max || newMin != min) SetMinSpan(newMin, newMax - newMin);
}

void TiPlotAxis::NewTrackingData(double v) {
    if (!FTrackingEnabled) return;
    if (!FFirstAlignDone) {
        FFirstAlignDone = true;
        double newMin = FMin;
        switch (FTrackingAlignFirstStyle) {
        case ipafsMin: newMin = v; break;
        case ipafsMax: newMin = v - FSpan; break;
        case ipafsAuto: newMin = (v < FMin || v > Max()) ? v : FMin; break;
        case ipafsNone: return;
        }
        SetMinSpan(newMin, FSpan);
        return;
    }
    const double m = FMin, s = FSpan, M = Max();
    double nm = m, ns = s;
    switch (FTrackingStyle) {
    case iptsScaleMinMax:
        if (m + s < v) ns = v - m;
        if (v < m) nm = v;
        SetMinSpan(nm, ns);
        SnapToTrackingIncrement();
        break;
    case iptsScaleMax:
        if (v > M) ns = v - M + s;
        SetMinSpan(nm, ns);
        SnapToTrackingIncrement();
        break;
    case iptsScaleMin:
        if (v < m) nm = v, ns = M - v;
        SetMinSpan(nm, ns);
        SnapToTrackingIncrement();
        break;
    case iptsScrollSmooth:
    case iptsScrollPage: {
        const bool smooth = FTrackingStyle == iptsScrollSmooth;
        if (m + s < v) {
            if (FTrackingScrollCompressMax != 0) {
                if (v - m > s) ns = v - m;
                if (s > FTrackingScrollCompressMax) ns = FTrackingScrollCompressMax;
            }
            nm = smooth ? v - ns : m + ns;
        } else if (v < m) {
            nm = smooth ? v : m - ns;
        }
        SetMinSpan(nm, ns);
        break;
    }
    case iptsExpandCollapse:
        ZoomToFit();
        SnapToTrackingIncrement();
        break;
    case iptsExpandCollapseFast:
        ZoomToFitFast();
        SnapToTrackingIncrement();
        break;
    case iptsExpandMinMax:
        if (v > M) ns = ns + v - M;
        if (v < m) ns = m - v + s, nm = v;
        SetMinSpan(nm, ns);
        SnapToTrackingIncrement();
        break;
    }
    if (FTrackingSpanMinimum != 0 && FSpan < FTrackingSpanMinimum)
        SetMinSpan(Mid() - FTrackingSpanMinimum / 2, FTrackingSpanMinimum);
    if (FTrackingMinMargin != 0 && FMin + FTrackingMinMargin > v)
        SetMinSpan(FMin - (FMin + FTrackingMinMargin - v), FSpan);
    if (FTrackingMaxMargin != 0 && v > Max() - FTrackingMaxMargin)
        SetMinSpan(FMin, v - (Max() - FTrackingMaxMargin) + FSpan);
}
