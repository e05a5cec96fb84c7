// The plot's mouse and keyboard input: it finds the object under the mouse, manages the
// selection and the hint box, hands presses, moves, releases, the wheel and keys to the
// objects, and repeats input across axes that share it.
#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotManagers.h"

#include "rtl/Exception.h"

namespace {

using Kind = TiPlotObjectKind;

// Objects that take a press themselves instead of through the selected objects.
bool TakesOwnPress(const TiPlotObject* o) {
    switch (o->Kind()) {
    case Kind::Annotation: case Kind::Button: case Kind::ToolBar: case Kind::Limit: return true;
    default: return !o->CanFocus();
    }
}

}  // namespace

TiPlotMouseData TiPlotComponent::BuildMouseData(TShiftState shift, int x, int y) const {
    TiPlotMouseData d;
    d.X = x;
    d.Y = y;
    const TPoint screen = ClientToScreen({x, y});
    d.ScreenX = screen.X;
    d.ScreenY = screen.Y;
    d.XAxisPixels = XYAxesReverse() ? y : x;
    d.YAxisPixels = XYAxesReverse() ? x : y;
    d.Shift = shift;
    d.DblClickActive = FDBLClickActive;
    return d;
}

TiPlotObject* TiPlotComponent::GetObjectAtPoint(const TiPlotMouseData& d) {
    TiPlotObjectManager* all = GetPlotObjectManager();
    const auto viewOrLegend = [](const TiPlotObject* o) {
        const Kind k = o->Kind();
        return k == Kind::DataView || k == Kind::DataViewPlaceholder || k == Kind::Legend;
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < all->Count(); ++i) {
            TiPlotObject* o = all->GetItem(i);
            if (!o->Enabled() || !o->Visible()) continue;
            if (pass == 0 && (!o->UserSelected() || viewOrLegend(o))) continue;
            if (pass == 1 && viewOrLegend(o)) continue;
            if (pass == 2 && !viewOrLegend(o)) continue;
            if (o->iMouseHitTest(d)) return o->GetMouseOverObject(d.X, d.Y);
        }
    }
    return nullptr;
}

void TiPlotComponent::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    FShiftState = shift;
    GetPlotObjectManager()->SetShiftState(shift);
    FMouseDown = true;
    const TiPlotMouseData d = BuildMouseData(shift, x, y);
    setFocus(Qt::MouseFocusReason);
    HideHint();
    if (button == mbRight) GetPlotObjectManager()->ClearAllUserSelections();
    FMouseDownObject = GetObjectAtPoint(d);
    FLastMouseClickObject = nullptr;
    TiPlotObject* o = FMouseDownObject;
    if (!o) {
        GetPlotObjectManager()->ClearAllUserSelections();
        return;
    }
    if (shift & ssShift) {
        FSelectingActive = IsAxis(o);
        o->SetUserSelected(true);
    } else if (shift & ssCtrl) {
        if (IsAxis(o)) {
            FSelectingActive = true;
            o->SetUserSelected(!o->UserSelected());
        } else {
            FSelectingActive = false;
            o->SetUserSelected(true);
        }
    } else if (o->Kind() != Kind::ToolBar && o->CanFocus()) {
        o->SetUserSelected(true);
    }
    if (button == mbRight || TakesOwnPress(o))
        o->iMouseDown(button, shift, x, y, d.ScreenX, d.ScreenY, PopupMenu());
    else
        GetPlotObjectManager()->MouseDownFocusObjects(button, shift, x, y, d.ScreenX, d.ScreenY, PopupMenu());
}

void TiPlotComponent::iMouseMove(TShiftState shift, int x, int y) {
    if (FSelectingActive) return;
    try {
        FShiftState = shift;
        GetPlotObjectManager()->SetShiftState(shift);
        const TiPlotMouseData d = BuildMouseData(shift, x, y);
        const bool buttonDown = (shift & (ssLeft | ssRight)) != 0;
        if (buttonDown && FMouseDownObject) {
            TiPlotObject* o = FMouseDownObject;
            if (o->Kind() == Kind::Annotation || o->Kind() == Kind::ToolBar || !o->CanFocus())
                o->iMouseMove(FHintData, shift, x, y, d.ScreenX, d.ScreenY, FDBLClickActive);
            else
                GetPlotObjectManager()->MouseMoveFocusObjects(FHintData, shift, x, y, d.ScreenX, d.ScreenY,
                                                              FDBLClickActive);
            SetCursor(crDefault);
            return;
        }
        // A release outside the window never came: deliver it now.
        if (FMouseDownObject) {
            FMouseDownObject->iMouseUp(mbLeft, shift, x, y, d.ScreenX, d.ScreenY, false, PopupMenu());
            GetPlotObjectManager()->MouseUpFocusObjects(mbLeft, shift, x, y, d.ScreenX, d.ScreenY, false,
                                                        PopupMenu());
            FMouseDownObject = nullptr;
        }
        TiPlotObject* o = GetObjectAtPoint(d);
        if (FLastMouseOverObject && FLastMouseOverObject != o) {
            FLastMouseOverObject->DoMouseNotOver();
            FLastMouseOverObject = nullptr;
        }
        if (!o) {
            SetCursor(crDefault);
            return;
        }
        SetCursor(o->GetMouseCursor({x, y}));
        TiHintData hint;
        o->iMouseMove(hint, shift, x, y, d.ScreenX, d.ScreenY, FDBLClickActive);
        if (FHintsShow) {
            FHintData.Text = hint.Text;
            FHintData.Left = hint.Left;
            FHintData.Top = hint.Top;
            FHintData.Width = hint.Width;
            FHintData.Height = hint.Height;
            const bool hintButton = FLastHintObject && FLastHintObject->Kind() == Kind::Button;
            if (buttonDown) {
                HideHint();
            } else if (hint.Text.isEmpty()) {
                HideHint();
                FLastHintObject = nullptr;
                FLastHintShowRect = {};
            } else if (FLastHintObject && FLastHintObject != o && !hintButton) {
                HideHint();
                FLastHintObject = nullptr;
            } else if (InternalTimerActive() && FHintData.Visible) {
                if (hintButton || FLastHintObject->Kind() == Kind::Channel)
                    ResetHintTimer(FHintsHidePause);
                else
                    HideHint();
            } else if (InternalTimerActive()) {
                ResetHintTimer(FHintsPause);
            } else {
                const TRect& r = FLastHintShowRect;
                const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
                if (!inside && o != FLastHintObject) {
                    FLastHintX = x;
                    FLastHintY = y;
                    FLastHintObject = o;
                    ResetHintTimer(FHintsPause);
                }
            }
            if (FHintData.Visible) InvalidateNow();
        }
        FLastMouseOverObject = o;
    } catch (const Exception&) {
    }
}

void TiPlotComponent::ResetHintTimer(int interval) {
    InternalTimerStop();
    InternalTimerStart(0, interval);
}

void TiPlotComponent::HintTimer() {
    InternalTimerStop();
    if (FHintData.Visible) {
        FHintData.Visible = false;
    } else {
        FHintData.Visible = true;
        FLastHintShowRect = {FLastHintX - 3, FLastHintY - 3, FLastHintX + 3, FLastHintY + 3};
        InternalTimerStart(0, FHintsHidePause);
    }
    InvalidateNow();
}

void TiPlotComponent::HideHint() {
    InternalTimerStop();
    FHintData.Visible = false;
    if (FHintShowing) InvalidateNow();
}

void TiPlotComponent::CaptureLost() {
    HideHint();
    FJustReleasedCapture = true;
    if (FLastMouseOverObject) FLastMouseOverObject->DoMouseNotOver();
    FLastMouseOverObject = nullptr;
}

void TiPlotComponent::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    FMouseDown = false;
    FShiftState = shift;
    GetPlotObjectManager()->SetShiftState(shift);
    HideHint();
    FSelectingActive = false;
    const TiPlotMouseData d = BuildMouseData(shift, x, y);
    const bool dbl = FDBLClickActive;
    if (FMouseDownObject) FMouseDownObject->iMouseUp(button, shift, x, y, d.ScreenX, d.ScreenY, dbl, PopupMenu());
    GetPlotObjectManager()->MouseUpFocusObjects(button, shift, x, y, d.ScreenX, d.ScreenY, dbl, PopupMenu());
    FLastMouseClickObject = FMouseDownObject;
    FLastMouseClickButton = button;
    FLastMouseClickShift = shift;
    FLastMouseClickX = x;
    FLastMouseClickY = y;
    FLastMouseClickScreenX = d.ScreenX;
    FLastMouseClickScreenY = d.ScreenY;
    FMouseDownObject = nullptr;
    FDBLClickActive = false;
}

void TiPlotComponent::iDoubleClick() { FDBLClickActive = true; }

bool TiPlotComponent::iMouseWheel(int wheelDelta, TShiftState shift, const TPoint& mousePos) {
    GetPlotObjectManager()->MouseWheelFocusObjects(wheelDelta, shift, mousePos);
    return true;
}

bool TiPlotComponent::iWantSpecialKey(int key) { return key >= 37 && key <= 40; }

void TiPlotComponent::iKeyDown(int& key, TShiftState shift) {
    GetPlotObjectManager()->KeyDownFocusObjects(key, shift, PopupMenu());
}

// ---- axes that share their input -------------------------------------------------------

namespace {

// Runs `input` on every other axis of the same kind, unless a repetition already runs.
template <class F> void Repeat(TiPlotComponent& plot, TiPlotAxis* axis, bool& block, F input) {
    if (block) return;
    block = true;
    try {
        const bool x = axis->Kind() == TiPlotObjectKind::XAxis;
        const int n = x ? plot.XAxisCount() : plot.YAxisCount();
        for (int i = 0; i < n; ++i) {
            TiPlotAxis* other = x ? static_cast<TiPlotAxis*>(plot.XAxis(i)) : static_cast<TiPlotAxis*>(plot.YAxis(i));
            if (other != axis) input(other);
        }
    } catch (...) {
        block = false;
        throw;
    }
    block = false;
}

}  // namespace

void TiPlotComponent::MasterAxisMouseLeft(TiPlotAxis* axis, const TiPlotMouseData& d) {
    Repeat(*this, axis, FMasterAxisBlock, [&](TiPlotAxis* a) { a->DoMouseLeft(d); });
}

void TiPlotComponent::MasterAxisMouseMove(TiPlotAxis* axis, const TiPlotMouseData& d) {
    Repeat(*this, axis, FMasterAxisBlock, [&](TiPlotAxis* a) { a->DoMouseMove(d); });
}

void TiPlotComponent::MasterAxisMouseUp(TiPlotAxis* axis, const TiPlotMouseData& d) {
    Repeat(*this, axis, FMasterAxisBlock, [&](TiPlotAxis* a) { a->DoMouseUp(d); });
}

void TiPlotComponent::MasterAxisMouseWheel(TiPlotAxis* axis, int wheelDelta, TShiftState shift, int x, int y) {
    Repeat(*this, axis, FMasterAxisBlock, [&](TiPlotAxis* a) { a->DoMouseWheel(wheelDelta, shift, x, y); });
}

void TiPlotComponent::MasterAxisKeyDown(TiPlotAxis* axis, int key, TShiftState shift) {
    Repeat(*this, axis, FMasterAxisBlock, [&](TiPlotAxis* a) {
        int k = key;
        a->iKeyDown(k, shift, PopupMenu());
    });
}

// ---- axis events -----------------------------------------------------------------------

void TiPlotComponent::DoAxisMinSpanChangeFinished(TiPlotObject* axis, double oldMin, double oldSpan, double newMin,
                                                  double newSpan) {
    if (IsLoading()) return;
    auto& e = axis->Kind() == Kind::XAxis ? OnXAxisMinSpanChangeFinished : OnYAxisMinSpanChangeFinished;
    if (e) e(this, IndexOfObject(axis), oldMin, oldSpan, newMin, newSpan);
}

void TiPlotComponent::DoAxisCustomizeHint(TiPlotObject* axis, QString& text) {
    if (IsLoading()) return;
    auto& e = axis->Kind() == Kind::XAxis ? OnXAxisCustomizeHint : OnYAxisCustomizeHint;
    if (e) e(this, IndexOfObject(axis), text);
}
