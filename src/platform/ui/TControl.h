#pragma once
// The control base on QWidget: bounds, visibility, caption, colour, font, cursor, and the
// mouse events as std::function members called with the sender. Events fire on user input
// only; setting a property never fires one (OnResize follows every change of size, as the
// windows do).
#include "graphics/TColor.h"
#include "graphics/TFont.h"
#include "ui/TComponent.h"
#include "ui/TMessage.h"

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

// Horizontal alignment of a caption, vertical placement of a label's text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// How a control is placed in its parent's client area when the parent lays its controls out.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// Control style flags: csClickEvents makes a left press released over the control a click,
// csDoubleClicks turns a second quick press into a double click (without it the press is a
// plain press again), csOpaque says the control covers its whole area.
enum TControlStyleFlag : unsigned { csClickEvents = 1, csDoubleClicks = 2, csOpaque = 4, csCaptureMouse = 8 };
using TControlStyle = unsigned;

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
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(int Align READ Align WRITE SetAlign)

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

    // Color follows the parent's Color while ParentColor is set; setting Color clears it.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool parentColor);
    // Placement in the parent's client area; the parent lays its controls out again.
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    void SetAlign(int align) { SetAlign(TAlign(align)); }
    TControlStyle ControlStyle() const { return FControlStyle; }
    // An opaque control paints every pixel of itself, so nothing is drawn under it first.
    void SetControlStyle(TControlStyle style) {
        FControlStyle = style;
        setAttribute(Qt::WA_OpaquePaintEvent, (style & csOpaque) != 0);
    }

    // Sends a message to the control and returns its result (handled by WndProc).
    std::intptr_t Perform(unsigned msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
    // True while the pointer is over the control (during a press, while it is over the
    // pressed control's area).
    bool MouseInControl() const { return FMouseInside; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;

protected:
    // A form clicks its default and cancel buttons for Enter and Esc.
    friend class TForm;
    // The framework's handlers, run for user input; each fires its event.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    // The pointer came over the control or left it; each fires its event. While a button is
    // held on the control these follow the pointer crossing the control's edge.
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The control became enabled or disabled (itself or through a parent).
    virtual void EnabledChanged() { update(); }
    // The parent's Color changed while ParentColor is set (Color has already followed).
    virtual void ParentColorChanged() {}
    // Handles a message sent with Perform; the default handles none.
    virtual void WndProc(TMessage& message) { Q_UNUSED(message); }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

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
    bool FParentColor = false;
    bool FMouseInside = false;
    TAlign FAlign = alNone;
    TControlStyle FControlStyle = csClickEvents | csDoubleClicks | csCaptureMouse;

    void SetMouseInside(bool inside);
    friend class TWinControl;
};

// The shift state of a Qt input event's modifiers and buttons.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// The button of a Qt mouse event (any other than the right and middle ones counts as left).
TMouseButton MouseButtonOf(Qt::MouseButton button);
