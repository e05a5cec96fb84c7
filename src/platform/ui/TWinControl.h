#pragma once
// A control with a window of its own, which can hold other controls: it lays out its
// aligned controls in its client area, can take the keyboard focus, gets the keys while it
// has it, and can broadcast a message to the controls it holds.
#include "graphics/Types.h"
#include "ui/TControl.h"

#include <QPointer>

#include <vector>

// Key handlers: KeyDown and KeyUp get the key code (set it to 0 to swallow the key),
// KeyPress gets the character typed (set it to 0 to swallow it).
using TKeyEvent = std::function<void(TComponent* sender, TKey& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, QChar& key)>;

class TWinControl : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
public:
    explicit TWinControl(TComponent* owner) : TControl(owner) {}
    bool IsWindowed() const override { return true; }

    // The controls placed on this one, in creation order.
    int ControlCount() const;
    TControl* Controls(int index) const;

    // Whether Tab reaches the control; a control without it can still be given the focus.
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop);
    // Gives the control the keyboard focus.
    virtual void SetFocus();
    bool Focused() const { return hasFocus(); }
    // Visible and enabled, with every parent, so it can take the focus.
    bool CanFocus() const;

    // The area in which the aligned controls are laid out.
    virtual TRect GetClientRect() const { return Rect(0, 0, Width(), Height()); }
    // Lays the aligned controls out again.
    void Realign();
    // Sends the message to every control placed on this one, until one sets a result.
    void Broadcast(TMessage& message);
    // The same through every level of controls below this one.
    void BroadcastAll(TMessage& message);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    // Whether a click on the control gives it the focus (by default only the control's own
    // code does, with SetFocus); Tab reaches it while TabStop is set either way.
    void SetClickFocus(bool clickFocus);
    // Offers Enter and Esc to the form's controls (default and cancel buttons) and an Alt
    // character to their accelerators before the key reaches this control; true when one
    // took it.
    bool OfferDialogKey(int qtKey, TShiftState shift, const QString& text);
    // Narrows the client rectangle for the aligned controls (borders, captions, ...).
    virtual void AdjustClientRect(TRect& rect) { Q_UNUSED(rect); }
    virtual void KeyDown(TKey& key, TShiftState shift);
    virtual void KeyUp(TKey& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    // The control gained or lost the keyboard focus.
    virtual void DoEnter();
    virtual void DoExit();

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyFocusPolicy();
    // The controls placed on this one, in creation order, taken in one pass; a control
    // deleted while the list is walked reads as null.
    std::vector<QPointer<TControl>> ControlList() const;

    bool FTabStop = false;
    bool FClickFocus = false;
    bool FAligning = false;
};
