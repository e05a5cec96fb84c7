#pragma once
// The bases of every element a plot draws or lets the user point at. A plot object has a
// name, visibility and the property-change protocol: a setter stores a changed value and
// calls TriggerChange (appearance) or TriggerLayoutChange (position and size), which the
// master manager routes to the plot's repaint. Objects are told of each other's removal,
// renaming and selection, and dispatch the mouse, keyboard and popup menu to their own
// handlers. A manager object insists on its callbacks; a layout object lies on a side of
// the data view; a button is a clickable rectangle with auto-repeat inside another object.
//
// Objects are created by their managers and destroyed with TiPlotObject::Free, which
// announces the removal while the object is still whole.
#include "core/iPlotTypes.h"
#include "core/iPublishedClass.h"
#include "graphics/TCanvas.h"
#include "ui/TControl.h"

#include <QString>

#include <memory>

class TiPlotComponent;
class TiPlotDataView;
class TPopupMenu;
class TTimer;

// The record handed to an object's mouse handlers. XAxisPixels and YAxisPixels are the
// coordinates along the X and the Y axis: X and Y, exchanged when the axes are.
struct TiPlotMouseData {
    int X = 0;
    int Y = 0;
    int ScreenX = 0;
    int ScreenY = 0;
    int XAxisPixels = 0;
    int YAxisPixels = 0;
    TShiftState Shift = 0;
    TMouseButton Button = mbLeft;
    bool DblClickActive = false;
};

// The plot's hint box.
struct TiHintData {
    bool Visible = false;
    QString Text;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The drawing rectangle that the layout pass (or the owning object) gives an object; right
// and bottom edges exclusive.
class TiPlotDrawRect {
public:
    TRect DrawRect() const { return {FLeft, FTop, FRight, FBottom}; }
    void SetDrawRect(const TRect& r) { FLeft = r.Left, FTop = r.Top, FRight = r.Right, FBottom = r.Bottom; }
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Right() const { return FRight; }
    int Bottom() const { return FBottom; }
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }

protected:
    int FLeft = 0, FTop = 0, FRight = 0, FBottom = 0;
};

class TiPlotObject : public TiPersistent {
public:
    TiPlotObject(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                 TiNotifyEvent onRename);
    ~TiPlotObject() override;

    // Announces the removal (BeforeDestruction), then frees the object.
    static void Free(TiPlotObject* object);
    // Fires the remove callback, then the layout change.
    virtual void BeforeDestruction();

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    virtual TiPlotObjectKind Kind() const { return TiPlotObjectKind::Other; }

    // Published.
    const QString& Name() const { return FName; }
    void SetName(const QString& value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    int Layer() const { return FLayer; }
    void SetLayer(int value);
    bool PopupEnabled() const { return FPopupEnabled; }
    void SetPopupEnabled(bool value);
    bool CanFocus() const { return FCanFocus; }
    void SetCanFocus(bool value);

    // Public.
    const QString& NameOld() const { return FNameOld; }
    bool UserSelected() const { return FUserSelected; }
    void SetUserSelected(bool value);
    bool UserCanEdit() const { return FUserCanEdit; }
    void SetUserCanEdit(bool value) { FUserCanEdit = value; }
    bool XYAxesReversed() const { return FXYAxesReversed; }
    virtual void SetXYAxesReversed(bool value) { FXYAxesReversed = value; }
    TShiftState ShiftState() const { return FShiftState; }
    void SetShiftState(TShiftState value) { FShiftState = value; }
    bool CanDraw() const { return FCanDraw; }
    bool MouseIsDown() const { return FMouseDown; }
    TObject* Owner() const { return FOwner; }
    // The owning plot (null when the owner is not a plot).
    TiPlotComponent* Plot() const { return FPlot; }

    // Callbacks (the master manager's, given at creation or wired on insertion).
    TiNotifyEvent OnChange;
    TiNotifyEvent OnLayoutChange;
    TiNotifyEvent OnRemove;
    TiNotifyEvent OnInsert;
    TiNotifyEvent OnRename;
    TiNotifyEvent OnSetFocus;
    TiNotifyEvent OnEdit;
    TiNotifyEvent OnInvalidateNow;

    virtual void TriggerChange();
    virtual void TriggerLayoutChange();
    // An immediate repaint, bypassing the frame-rate limit.
    void InvalidateNow();
    // The text through the plot's translation table.
    QString GetTranslation(const QString& text) const;

    // Another object left, was renamed or became selected (Sender may also be a manager).
    virtual void NotificationRemove(TObject* sender) {}
    virtual void NotificationRename(TObject* sender) {}
    virtual void NotificationSetFocus(TObject* sender) {}

    // Painting: the pre-draw step (the object may be drawn in this pass) and the drawing.
    virtual void SetCanDraw(TCanvas& canvas) { FCanDraw = true; }
    virtual void Draw(TCanvas& canvas, TColor backGroundColor) {}
    // Objects placed on the data view learn it here before each paint (data cursors and
    // annotations).
    virtual void SetPaintDataView(TiPlotDataView* dataView, bool xyAxesReversed) {}
    // Objects that fill an area of the data view are drawn below its grid (filled limits).
    virtual bool FillsDataViewArea() const { return false; }

    // Mouse dispatch (the plot calls these for the object under the mouse and for the
    // selected objects).
    virtual void iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                            TPopupMenu* popupMenu);
    virtual void iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                            bool dblClickActive);
    virtual void iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                          bool dblClickActive, TPopupMenu* popupMenu);
    virtual bool iMouseHitTest(const TiPlotMouseData& mouseData) { return false; }
    virtual bool iMouseWheel(int wheelDelta, TShiftState shift, const TPoint& mousePos);
    bool HitTest(int x, int y);
    virtual void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) {}
    virtual void DoMouseLeft(const TiPlotMouseData& mouseData) {}
    virtual void DoMouseRight(const TiPlotMouseData& mouseData) {}
    virtual void DoMouseMove(const TiPlotMouseData& mouseData) {}
    virtual void DoMouseUp(const TiPlotMouseData& mouseData) {}
    virtual bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) { return false; }
    virtual void DoGotFocus();
    virtual void DoLostFocus();
    virtual void DoMouseNotOver() {}
    virtual TiPlotObject* GetMouseOverObject(int x, int y);
    virtual TCursor GetMouseCursor(const TPoint& point);
    // Shift+F10 or the menu key open the popup menu.
    virtual void iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu);
    // Registers the object with its plot (the creator calls it after setting it up).
    virtual void DoInsert();
    // Fills the plot's popup menu; the base empties it.
    virtual void AddMenuItems(TPopupMenu* popupMenu);
    // Where a keyboard popup opens (client pixels); false: the menu is filled, not shown.
    virtual bool GetPopupCenter(TPoint& center) const { return false; }
    // A right press no longer opens the popup on release.
    void CancelMouseDownPopup() { FMouseDownPopup = false; }

    void DoEditMenuItemClick();
    void AddEditMenuItem(TPopupMenu* popupMenu);
    // Layer as six digits: the paint order sorts on it.
    QString GetLayerKey() const;

protected:
    enum class Notify { None, Change, LayoutChange };
    template <class T> void SetProperty(const T& value, T& field, Notify notify) {
        if (value == field) return;
        field = value;
        Fire(notify);
    }
    void Fire(Notify notify);
    TiPlotMouseData MouseData(int x, int y) const;
    void ClearMouseDown() { FMouseDown = false; }
    // Another object that became selected takes the selection from this one.
    void DropSelectionFor(TObject* sender);

    QString FName;
    QString FNameOld;
    TObject* FOwner;
    TiPlotComponent* FPlot;
    TShiftState FShiftState = 0;
    bool FVisible = true;
    bool FEnabled = true;
    int FLayer = 100;
    bool FPopupEnabled = true;
    bool FCanFocus = true;
    bool FUserSelected = false;
    bool FUserCanEdit = true;
    bool FXYAxesReversed = false;
    bool FCanDraw = false;
    TiPlotObject* FMouseOverObject = nullptr;
    bool FMouseDown = false;
    bool FMouseDownPopup = false;
};

// True for the X and Y axes; false for a null object.
inline bool IsAxis(const TiPlotObject* o) {
    return o && (o->Kind() == TiPlotObjectKind::XAxis || o->Kind() == TiPlotObjectKind::YAxis);
}

// An object kept by a manager: all four callbacks and the owner are required.
class TiPlotManagerObject : public TiPlotObject {
public:
    TiPlotManagerObject(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                        TiNotifyEvent onRename);
};

// An object the layout manager places on a side of the data view.
class TiPlotLayoutObject : public TiPlotManagerObject, public TiPlotDrawRect {
public:
    TiPlotLayoutObject(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                       TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();

    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool value) { SetProperty(value, FHorizontal, Notify::LayoutChange); }
    int ZOrder() const { return FZOrder; }
    void SetZOrder(int value) { SetProperty(value, FZOrder, Notify::LayoutChange); }
    double StartPercent() const { return FStartPercent; }
    void SetStartPercent(double value);
    double StopPercent() const { return FStopPercent; }
    void SetStopPercent(double value);
    bool ForceStacking() const { return FForceStacking; }
    void SetForceStacking(bool value) { SetProperty(value, FForceStacking, Notify::LayoutChange); }

    virtual bool IsHorz() const { return FHorizontal; }
    virtual bool IsVert() const { return !FHorizontal; }
    // Thickness needed across its side, and room needed beyond the ends of its side.
    virtual int GetRequiredWidth(TCanvas& canvas) { return 0; }
    virtual int GetRequiredEndSpace(TCanvas& canvas) { return 0; }

    TRect LayoutRect() const { return {FLayoutLeft, FLayoutTop, FLayoutRight, FLayoutBottom}; }
    void SetLayoutRect(const TRect& r);
    int LayoutWidth() const { return FLayoutRight - FLayoutLeft; }
    int LayoutHeight() const { return FLayoutBottom - FLayoutTop; }
    bool ReverseSide() const { return FReverseSide; }
    void SetReverseSide(bool value) { SetProperty(value, FReverseSide, Notify::Change); }
    bool StartStacked() const { return FStartStacked; }
    void SetStartStacked(bool value) { FStartStacked = value; }
    bool StopStacked() const { return FStopStacked; }
    void SetStopStacked(bool value) { FStopStacked = value; }
    // Both stored without clamping (the layout viewer's drag).
    void SetStartStopPercent(double start, double stop);

    QString GetZOrderKey() const;
    QString GetStartPercentKey() const;

    bool iMouseHitTest(const TiPlotMouseData& mouseData) override;
    void DoInsert() override;
    bool GetPopupCenter(TPoint& center) const override;

protected:
    double FStopPercent = 100;
    double FStartPercent = 0;
    int FZOrder = 0;
    bool FHorizontal = false;
    bool FReverseSide = false;
    bool FStartStacked = false;
    bool FStopStacked = false;
    int FLayoutBottom = 0, FLayoutLeft = 0, FLayoutTop = 0, FLayoutRight = 0;
    bool FForceStacking = false;
};

// A clickable rectangle drawn inside another object. With TimerEnabled a held button clicks
// after 500 ms, then every 50 ms, and once more on release inside it.
class TiPlotButton : public TiPlotObject, public TiPlotDrawRect {
public:
    TiPlotButton(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                 TiNotifyEvent onRename);
    ~TiPlotButton() override;

    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Button; }

    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool TimerEnabled() const { return FTimerEnabled; }
    void SetTimerEnabled(bool value) { FTimerEnabled = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    // Whether the auto-repeat timer exists and runs, and its interval.
    bool TimerRunning() const;
    int TimerInterval() const;

    TiNotifyEvent OnClick;
    TiNotifyEvent OnGroupClick;
    TiNotifyEvent OnInvalidate;
    TiNotifyEvent OnDownChange;

    void SetEnabled(bool value) override;
    void DoInvalidate();
    // One tick of the auto-repeat timer: the first one switches it to 50 ms.
    void TimerTick();
    void DoMouseLeft(const TiPlotMouseData& mouseData) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;

protected:
    bool Contains(int x, int y) const { return x >= FLeft && x < FRight && y >= FTop && y < FBottom; }

    bool FDown = false;
    std::unique_ptr<TTimer> FTimer;
    bool FFirstTimerMessage = false;
    bool FTimerEnabled = false;
    int FGroupIndex = 0;
};

// A scroll button of a list (legend, table): a button face, raised or sunken while held,
// with an arrow up or down in black, grey while disabled. It repeats while held and repaints
// the list it scrolls.
class TiPlotScrollButton : public TiPlotButton {
public:
    TiPlotScrollButton(TObject* owner, bool up, TiPlotObject* list);
    void Draw(TCanvas& canvas, TColor backGroundColor) override;

private:
    bool FUp;
};
