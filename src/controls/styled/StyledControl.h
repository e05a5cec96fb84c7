#pragma once
// The custom-control base of the styled controls: a windowed control that paints itself on a
// canvas (double-buffered, transparent where it paints nothing, so the parent shows through),
// takes the focus, keys and the wheel, and knows whether it holds the mouse capture. Also
// the repeat timer that the controls' auto-
// repeat uses (replaceable by a fake clock in tests).
#include "graphics/TCanvas.h"
#include "ui/TWinControl.h"
#include "ui/VirtualKeys.h"

#include <QImage>

#include <functional>
#include <memory>

using Word = unsigned short;


using TKeyEvent = std::function<void(TComponent* sender, Word& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, QChar& key)>;
using TMouseWheelUpDownEvent =
    std::function<void(TComponent* sender, TShiftState shift, QPoint mousePos, bool& handled)>;

// A timer for auto-repeat: interval in ms, enabled, a handler.
class TRepeatTimer {
public:
    virtual ~TRepeatTimer() = default;
    virtual void SetInterval(int ms) = 0;
    virtual int Interval() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    std::function<void()> OnTimer;
};
using TRepeatTimerFactory = std::function<std::unique_ptr<TRepeatTimer>()>;
// A new repeat timer: on the framework's timer, or from the factory a test installed.
std::unique_ptr<TRepeatTimer> MakeRepeatTimer();
void SetRepeatTimerFactory(TRepeatTimerFactory factory);

class TStyledControl : public TWinControl {
    Q_OBJECT
public:
    explicit TStyledControl(TComponent* owner);
    ~TStyledControl() override;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    bool Focused() const { return hasFocus(); }
    virtual void SetFocus();
    bool DoubleBuffered() const { return true; }
    // Set while the control is being designed: setters repaint but raise no events.
    bool Designing() const { return FDesigning; }
    void SetDesigning(bool value) { FDesigning = value; }
    // Runs once after the layout has set the properties.
    virtual void Loaded() {}
    bool MouseCapture() const { return FCapture; }
    void InvalidateRect(const QRect& r) { update(r); }
    void InvalidateRegion(const QRegion& r) { update(r); }

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    // Draws the control on `canvas` (the size of the control, transparent at the start).
    virtual void Paint(TCanvas& canvas) {}
    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyUp(Word& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    virtual void DoEnter();
    virtual void DoExit();
    // Return true when the wheel was handled.
    virtual bool DoMouseWheelUp(TShiftState shift, QPoint pos);
    virtual bool DoMouseWheelDown(TShiftState shift, QPoint pos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void EnabledChanged() { update(); }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage FSurface;
    TCanvas FCanvas;
    bool FTabStop = true;
    bool FDesigning = false;
    bool FCapture = false;
};
