#include "core/iPlotObjects.h"

#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "rtl/Exception.h"
#include "timer/TTimer.h"
#include "ui/TMenu.h"
#include "ui/VirtualKeys.h"

#include <algorithm>
#include <cmath>

// ---- TiPlotObject ---------------------------------------------------------------------

const TiPublishedClass& TiPlotObject::Published() {
    using namespace published;
    using C = TiPlotObject;
    static const TiPublishedClass info(QStringLiteral("TiPlotObject"), nullptr,
                                       {
                                           Prop<C>("Name", &C::Name, &C::SetName),
                                           Prop<C>("Visible", &C::Visible, &C::SetVisible, 1),
                                           Prop<C>("Enabled", &C::Enabled, &C::SetEnabled, 1),
                                           Prop<C>("Layer", &C::Layer, &C::SetLayer, 100),
                                           Prop<C>("PopupEnabled", &C::PopupEnabled, &C::SetPopupEnabled, 1),
                                           Prop<C>("CanFocus", &C::CanFocus, &C::SetCanFocus, 1),
                                       });
    return info;
}

const TiPublishedClass& TiPlotObject::PublishedClass() const { return Published(); }

TiPlotObject::TiPlotObject(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                           TiNotifyEvent onRename)
    : OnChange(std::move(onChange)),
      OnRemove(std::move(onRemove)),
      OnInsert(std::move(onInsert)),
      OnRename(std::move(onRename)),
      FOwner(owner),
      FPlot(dynamic_cast<TiPlotComponent*>(owner)) {}

TiPlotObject::~TiPlotObject() = default;

void TiPlotObject::Free(TiPlotObject* object) {
    if (!object) return;
    object->BeforeDestruction();
    delete object;
}

void TiPlotObject::BeforeDestruction() {
    if (OnRemove) OnRemove(this);
    TriggerLayoutChange();
}

void TiPlotObject::Fire(Notify notify) {
    if (notify == Notify::Change) TriggerChange();
    else if (notify == Notify::LayoutChange) TriggerLayoutChange();
}

void TiPlotObject::SetName(const QString& value) {
    if (value == FName) return;
    FNameOld = FName;
    FName = value;
    if (OnRename) OnRename(this);
    TriggerChange();
}

void TiPlotObject::SetVisible(bool value) { SetProperty(value, FVisible, Notify::Change); }

void TiPlotObject::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    if (!value) {
        FMouseDown = false;
        SetUserSelected(false);
    }
    TriggerChange();
}

void TiPlotObject::SetLayer(int value) { SetProperty(value, FLayer, Notify::Change); }
void TiPlotObject::SetPopupEnabled(bool value) { SetProperty(value, FPopupEnabled, Notify::Change); }
void TiPlotObject::SetCanFocus(bool value) { SetProperty(value, FCanFocus, Notify::Change); }

void TiPlotObject::SetUserSelected(bool value) {
    if (value == FUserSelected) return;
    FUserSelected = value;
    InvalidateNow();
    if (!value) {
        DoLostFocus();
    } else {
        if (OnSetFocus) OnSetFocus(this);
        DoGotFocus();
    }
}

void TiPlotObject::TriggerChange() {
    if (OnChange) OnChange(this);
}

void TiPlotObject::TriggerLayoutChange() {
    if (OnLayoutChange) OnLayoutChange(this);
    TriggerChange();
}

void TiPlotObject::InvalidateNow() {
    if (OnInvalidateNow) OnInvalidateNow(this);
}

QString TiPlotObject::GetTranslation(const QString& text) const {
    return FPlot ? FPlot->Translate(text) : text;
}

TiPlotMouseData TiPlotObject::MouseData(int x, int y) const {
    TiPlotMouseData d;
    d.X = x;
    d.Y = y;
    d.XAxisPixels = FXYAxesReversed ? y : x;
    d.YAxisPixels = FXYAxesReversed ? x : y;
    return d;
}

void TiPlotObject::iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                              TPopupMenu*) {
    if (!FEnabled) return;
    TiPlotMouseData d = MouseData(x, y);
    d.ScreenX = screenX;
    d.ScreenY = screenY;
    d.Shift = shift;
    d.Button = button;
    FMouseDownPopup = false;
    if (button == mbRight) {
        FMouseDownPopup = FPopupEnabled;
        FMouseDown = true;
        DoMouseRight(d);
    } else if (button == mbLeft) {
        FMouseDown = true;
        DoMouseLeft(d);
    }
    if (FPlot && iMouseHitTest(d)) FPlot->DoObjectMouseDown(this, button, shift, x, y);
}

void TiPlotObject::iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                              bool dblClickActive) {
    TiPlotMouseData d = MouseData(x, y);
    d.ScreenX = screenX;
    d.ScreenY = screenY;
    d.Shift = shift;
    d.DblClickActive = dblClickActive;
    if (FMouseDown)
        DoMouseMove(d);
    else
        DoMouseHint(d, hintData);
    if (FPlot && iMouseHitTest(d)) FPlot->DoObjectMouseMove(this, shift, x, y);
}

void TiPlotObject::iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                            bool dblClickActive, TPopupMenu* popupMenu) {
    TiPlotMouseData d = MouseData(x, y);
    d.ScreenX = screenX;
    d.ScreenY = screenY;
    d.Shift = shift;
    d.Button = button;
    d.DblClickActive = dblClickActive;
    if (FMouseDownPopup && iMouseHitTest(d)) {
        bool cancel = false;
        if (FPlot) FPlot->DoObjectPopupMenu(this, cancel, screenX, screenY);
        if (!cancel && popupMenu) {
            AddMenuItems(popupMenu);
            popupMenu->Popup(screenX, screenY);
        }
    }
    FMouseDownPopup = false;
    DoMouseUp(d);
    if (FMouseDown) {
        FMouseDown = false;
        if (FPlot) FPlot->DoObjectMouseUp(this, button, shift, x, y);
    }
}

bool TiPlotObject::iMouseWheel(int wheelDelta, TShiftState shift, const TPoint& mousePos) {
    const bool used = DoMouseWheel(wheelDelta, shift, mousePos.X, mousePos.Y);
    if (FPlot) FPlot->DoObjectMouseWheel(this, wheelDelta, shift, mousePos.X, mousePos.Y);
    return used;
}

bool TiPlotObject::HitTest(int x, int y) { return iMouseHitTest(MouseData(x, y)); }

void TiPlotObject::DoGotFocus() {
    if (FPlot) FPlot->DoObjectGotFocus(this);
}

void TiPlotObject::DoLostFocus() {
    if (FPlot) FPlot->DoObjectLostFocus(this);
}

TiPlotObject* TiPlotObject::GetMouseOverObject(int, int) {
    FMouseOverObject = this;
    return this;
}

TCursor TiPlotObject::GetMouseCursor(const TPoint& point) {
    if (!FMouseOverObject) {
        FMouseOverObject = this;
        return crDefault;
    }
    if (FMouseOverObject != this) return FMouseOverObject->GetMouseCursor(point);
    return crDefault;
}

void TiPlotObject::iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu) {
    const bool popupKey = (key == VK_F10 && (shift & ssShift)) || key == VK_APPS;
    if (!popupKey || !FPopupEnabled) return;
    bool cancel = false;
    if (FPlot) FPlot->DoObjectPopupMenu(this, cancel, 0, 0);
    if (cancel || !popupMenu) return;
    AddMenuItems(popupMenu);
    TPoint center;
    if (GetPopupCenter(center) && FPlot) {
        const TPoint screen = FPlot->ClientToScreen(center);
        popupMenu->Popup(screen.X, screen.Y);
    }
}

void TiPlotObject::DoInsert() {
    if (OnInsert) OnInsert(this);
}

void TiPlotObject::AddMenuItems(TPopupMenu* popupMenu) {
    if (popupMenu) popupMenu->Items().Clear();
}

void TiPlotObject::DoEditMenuItemClick() {
    if (OnEdit) OnEdit(this);
}

void TiPlotObject::AddEditMenuItem(TPopupMenu* popupMenu) {
    if (!FUserCanEdit || !popupMenu) return;
    TMenuItem* item = popupMenu->Items().Add(GetTranslation(QStringLiteral("Edit...")));
    item->Visible = true;
    item->OnClick = [this](TMenuItem*) { DoEditMenuItemClick(); };
}

QString TiPlotObject::GetLayerKey() const { return QString::number(FLayer).rightJustified(6, QLatin1Char('0')); }

void TiPlotObject::DropSelectionFor(TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (other && other != this && other->UserSelected()) SetUserSelected(false);
}

// ---- TiPlotManagerObject --------------------------------------------------------------

namespace {

TObject* RequireOwner(TObject* owner) {
    if (!owner) throw Exception(QStringLiteral("Owner must be assigned"));
    return owner;
}

}  // namespace

TiPlotManagerObject::TiPlotManagerObject(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                         TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotObject(RequireOwner(owner), std::move(onChange), std::move(onInsert), std::move(onRemove),
                   std::move(onRename)) {
    if (!OnChange) throw Exception(QStringLiteral("OnChange event handler can not be null"));
    if (!OnInsert) throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!OnRemove) throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    if (!OnRename) throw Exception(QStringLiteral("AOnRename event handler can not be null"));
}

// ---- TiPlotLayoutObject ---------------------------------------------------------------

const TiPublishedClass& TiPlotLayoutObject::Published() {
    using namespace published;
    using C = TiPlotLayoutObject;
    static const TiPublishedClass info(QStringLiteral("TiPlotLayoutObject"), &TiPlotObject::Published(),
                                       {
                                           Prop<C>("Horizontal", &C::Horizontal, &C::SetHorizontal),
                                           Prop<C>("ZOrder", &C::ZOrder, &C::SetZOrder),
                                           Prop<C>("StartPercent", &C::StartPercent, &C::SetStartPercent),
                                           Prop<C>("StopPercent", &C::StopPercent, &C::SetStopPercent),
                                       });
    return info;
}

const TiPublishedClass& TiPlotLayoutObject::PublishedClass() const { return Published(); }

TiPlotLayoutObject::TiPlotLayoutObject(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                       TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FStopPercent = 100;
    FStartPercent = 0;
}

void TiPlotLayoutObject::SetStartPercent(double value) {
    value = std::clamp(value, 0.0, 100.0);
    if (FStopPercent - value < 1) {
        FStopPercent = value + 1;
        if (FStopPercent > 100) {
            FStopPercent = 100;
            value = 99;
        }
    }
    SetProperty(value, FStartPercent, Notify::Change);
}

void TiPlotLayoutObject::SetStopPercent(double value) {
    value = std::clamp(value, 0.0, 100.0);
    if (value - FStartPercent < 1) {
        FStartPercent = value - 1;
        if (FStartPercent < 0) {
            FStartPercent = 0;
            value = 1;
        }
    }
    SetProperty(value, FStopPercent, Notify::Change);
}

void TiPlotLayoutObject::SetLayoutRect(const TRect& r) {
    FLayoutLeft = r.Left, FLayoutTop = r.Top, FLayoutRight = r.Right, FLayoutBottom = r.Bottom;
}

void TiPlotLayoutObject::SetStartStopPercent(double start, double stop) {
    FStartPercent = start;
    FStopPercent = stop;
    TriggerChange();
}

QString TiPlotLayoutObject::GetZOrderKey() const { return QString::number(FZOrder).rightJustified(3, QLatin1Char('0')); }

QString TiPlotLayoutObject::GetStartPercentKey() const {
    return QString::number(std::nearbyint(FStartPercent), 'f', 0).rightJustified(3, QLatin1Char('0'));
}

bool TiPlotLayoutObject::iMouseHitTest(const TiPlotMouseData& d) {
    return d.X >= FLeft && d.X < FRight && d.Y >= FTop && d.Y < FBottom;
}

void TiPlotLayoutObject::DoInsert() {
    TiPlotObject::DoInsert();
    if (OnLayoutChange) OnLayoutChange(this);
}

bool TiPlotLayoutObject::GetPopupCenter(TPoint& center) const {
    center = {(FLeft + FRight) / 2, (FTop + FBottom) / 2};
    return true;
}

// ---- TiPlotButton ---------------------------------------------------------------------

TiPlotButton::TiPlotButton(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                           TiNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FEnabled = true;
}

TiPlotButton::~TiPlotButton() = default;

void TiPlotButton::SetDown(bool value) {
    if (value == FDown) return;
    FDown = value;
    if (OnInvalidate) OnInvalidate(this);
    if (OnDownChange) OnDownChange(this);
}

bool TiPlotButton::TimerRunning() const { return FTimer && FTimer->IsActive(); }

int TiPlotButton::TimerInterval() const { return FTimer ? FTimer->GetInterval() : 0; }

void TiPlotButton::SetEnabled(bool value) {
    if (!value) FTimer.reset();
    TiPlotObject::SetEnabled(value);
}

void TiPlotButton::DoInvalidate() {
    if (OnInvalidate) OnInvalidate(this);
}

void TiPlotButton::TimerTick() {
    if (FFirstTimerMessage) {
        if (FTimer) FTimer->SetInterval(50);
        FFirstTimerMessage = false;
    }
    if (OnClick) OnClick(this);
    if (OnInvalidate) OnInvalidate(this);
}

void TiPlotButton::DoMouseLeft(const TiPlotMouseData&) {
    if (FTimerEnabled) {
        if (!FTimer) FTimer = std::make_unique<TTimer>();
        FTimer->SetInterval(500);
        FTimer->SetEnabled(true);
        FTimer->SetOnTimer([this](QObject*) { TimerTick(); });
        FFirstTimerMessage = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TiPlotButton::DoMouseUp(const TiPlotMouseData& d) {
    if (!FMouseDown) return;
    FMouseDown = false;
    FTimer.reset();
    if (OnInvalidate) OnInvalidate(this);
    if (!Contains(d.X, d.Y)) return;
    if (FGroupIndex != 0 && OnGroupClick) OnGroupClick(this);
    if (OnClick) OnClick(this);
}

TiPlotScrollButton::TiPlotScrollButton(TObject* owner, bool up, TiPlotObject* list)
    : TiPlotButton(owner, nullptr, nullptr, nullptr, nullptr), FUp(up) {
    SetTimerEnabled(true);
    OnInvalidate = [list](TObject*) { list->InvalidateNow(); };
}

void TiPlotScrollButton::Draw(TCanvas& canvas, TColor) {
    if (!FVisible) return;
    const TRect r = DrawRect();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(r);
    DrawBorderStyle(canvas, r, FMouseDown ? 0 : 1);
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    const TColor color = FEnabled ? clBlack : 0x808080;
    canvas.Pen.Color = color;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.Brush.Color = color;
    const int tip = FUp ? -2 : 2;
    const TPoint points[] = {{cx - 4, cy - tip}, {cx + 4, cy - tip}, {cx, cy + tip}};
    canvas.Polygon(points, 3);
}
