#include "ui/TControl.h"

#include "ui/TWinControl.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QResizeEvent>

#include <algorithm>

namespace {

Qt::CursorShape CursorShapeOf(TCursor cursor) {
    switch (cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: case crSQLWait: return Qt::WaitCursor;
    case crDrag: case crMultiDrag: return Qt::DragMoveCursor;
    case crNoDrop: case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

TMouseButton MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
    }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= ssShift;
    if (modifiers & Qt::AltModifier) s |= ssAlt;
    if (modifiers & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

TControl::TControl(TComponent* owner) : QWidget(nullptr), TComponent(owner) {}

TControl::~TControl() = default;

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    const QRect bounds = geometry();
    FParent = parent;
    setParent(parent);
    setGeometry(bounds);
    if (parent && FParentColor && FColor != parent->Color()) {
        FColor = parent->Color();
        ParentColorChanged();
    }
    if (parent && FAlign != alNone) parent->Realign();
    // Graphic controls lie below the windowed controls of the same parent.
    if (parent && !IsWindowed()) StackUnderWindowedSiblings();
    ApplyVisible();
}

bool TControl::StackUnderWindowedSiblings() {
    for (QObject* child : FParent->children()) {
        auto* sibling = qobject_cast<TControl*>(child);
        if (sibling && sibling != this && sibling->IsWindowed()) {
            stackUnder(sibling);
            return true;
        }
    }
    return false;
}

void TControl::ApplyVisible() {
    if (FParent) QWidget::setVisible(FVisible);
}

void TControl::SetVisible(bool visible) {
    FVisible = visible;
    ApplyVisible();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, std::max(0, width), std::max(0, height));
}

void TControl::SetCaption(const QString& caption) {
    FCaption = caption;
    update();
}

void TControl::SetColor(TColor color) {
    FColor = color;
    FParentColor = false;
    update();
    // Controls that take their colour from this one follow.
    for (QObject* child : children()) {
        auto* control = qobject_cast<TControl*>(child);
        if (control && control->FParentColor && control->FColor != color) {
            control->FColor = color;
            control->ParentColorChanged();
            control->update();
        }
    }
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == FParentColor) return;
    FParentColor = parentColor;
    if (parentColor && FParent && FColor != FParent->Color()) {
        FColor = FParent->Color();
        ParentColorChanged();
        update();
    }
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) return;
    FAlign = align;
    if (FParent) FParent->Realign();
}

std::intptr_t TControl::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::SetMouseInside(bool inside) {
    if (inside == FMouseInside) return;
    FMouseInside = inside;
    if (inside)
        MouseEnter();
    else
        MouseLeave();
}

void TControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    SetMouseInside(true);
}

void TControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    // While a button is held the pointer's crossings are followed by the moves.
    if (!FPressed) SetMouseInside(false);
}

void TControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) EnabledChanged();
}

void TControl::SetFont(const TFont& font) {
    FFont = font;
    update();
}

void TControl::SetCursor(TCursor cursor) {
    FCursor = cursor;
    if (cursor == crDefault)
        unsetCursor();
    else
        setCursor(CursorShapeOf(cursor));
}

void TControl::BringToFront() {
    if (IsWindowed() || !FParent || !StackUnderWindowedSiblings()) raise();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

void TControl::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) FPressed = true;
    SetMouseInside(rect().contains(pos));
    MouseDown(MouseButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()), pos.x(), pos.y());
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    // The pressed control keeps the pointer (capture) and sees it leave and come back.
    if (event->buttons() != Qt::NoButton) SetMouseInside(rect().contains(pos));
    MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), pos.x(), pos.y());
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool click =
        event->button() == Qt::LeftButton && FPressed && rect().contains(pos) && (FControlStyle & csClickEvents);
    if (event->button() == Qt::LeftButton) FPressed = false;
    MouseUp(MouseButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()), pos.x(), pos.y());
    if (click) Click();
    if (event->buttons() == Qt::NoButton) SetMouseInside(rect().contains(pos));
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!(FControlStyle & csDoubleClicks)) {
        // Without double clicks the second press is a press like the first.
        mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        FPressed = true;
        DblClick();
    }
    MouseDown(MouseButtonOf(event->button()), ShiftStateOf(event->modifiers(), event->buttons()) | ssDouble, pos.x(),
              pos.y());
}

void TControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Resize();
}
