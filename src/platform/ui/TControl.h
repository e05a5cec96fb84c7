#pragma once
// The control base on QWidget: bounds, visibility, caption, colour, font, cursor, and the
// mouse events as std::function members called with the sender. Events fire on user input
// only; setting a property never fires one (OnResize follows every change of size, as the
// windows do).
#include "graphics/TColor.h"
#include "graphics/TFont.h"
#include "ui/TComponent.h"

#include <QWidget>

#include <functional>

class TWinControl;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Key and button state during a mouse or key event.
enum TShiftFlag : unsigned {
    ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64
};
using TShiftState = unsigned;

// Cursor numbers of the windows (crDefault 0, crCross -3, crHandPoint -21, ...).
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -22,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;

class TControl : public QWidget, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)

public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    QObject* Object() override { return this; }

    TWinControl* Parent() const { return FParent; }
    // Places the control on a windowed control (null takes it off); it shows there when
    // Visible is set.
    virtual void SetParent(TWinControl* parent);

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }

    // The control's own Visible property (not whether it is on screen now).
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    QString Caption() const { return FCaption; }
    virtual void SetCaption(const QString& caption);
    TColor Color() const { return FColor; }
    virtual void SetColor(TColor color);
    const TFont& Font() const { return FFont; }
    virtual void SetFont(const TFont& font);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);

    // Repaints the whole control at the next paint.
    void Invalidate() { update(); }
    void Repaint() { repaint(); }
    // Brings the control in front of its siblings (graphic controls stay below windowed ones).
    virtual void BringToFront();
    // True for controls with a window of their own (containers, edits, ...).
    virtual bool IsWindowed() const { return false; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;

protected:
    // The framework's handlers, run for user input; each fires its event.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Applies Visible to the widget when it has a parent to show on.
    virtual void ApplyVisible();

private:
    // Puts a graphic control just below the first windowed control of its parent; false
    // when the parent has none.
    bool StackUnderWindowedSiblings();

    TWinControl* FParent = nullptr;
    bool FVisible = true;
    QString FCaption;
    TColor FColor = clWindow;
    TFont FFont;
    TCursor FCursor = crDefault;
    bool FPressed = false;
};

// The shift state of a Qt input event's modifiers and buttons.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
