#include "ui/TWinControl.h"

#include <QApplication>
#include <QKeyEvent>

int TWinControl::ControlCount() const {
    int n = 0;
    for (QObject* child : children())
        if (qobject_cast<TControl*>(child)) ++n;
    return n;
}

std::vector<QPointer<TControl>> TWinControl::ControlList() const {
    std::vector<QPointer<TControl>> list;
    list.reserve(std::size_t(children().size()));
    for (QObject* child : children())
        if (auto* control = qobject_cast<TControl*>(child)) list.emplace_back(control);
    return list;
}

TControl* TWinControl::Controls(int index) const {
    for (QObject* child : children())
        if (auto* control = qobject_cast<TControl*>(child); control && index-- == 0) return control;
    return nullptr;
}

void TWinControl::SetTabStop(bool tabStop) {
    FTabStop = tabStop;
    ApplyFocusPolicy();
}

void TWinControl::SetClickFocus(bool clickFocus) {
    FClickFocus = clickFocus;
    ApplyFocusPolicy();
}

void TWinControl::ApplyFocusPolicy() {
    if (FTabStop) setFocusPolicy(FClickFocus ? Qt::StrongFocus : Qt::TabFocus);
    else setFocusPolicy(FClickFocus ? Qt::ClickFocus : Qt::NoFocus);
}

void TWinControl::SetFocus() {
    // The control's window becomes the active one first, as it does at once on the windows,
    // so that the control reports the focus afterwards (a press on a window that is not
    // active counts).
    // A window under a modal one stays where it is.
    QWidget* win = window();
    QWidget* modal = QApplication::activeModalWidget();
    if (win->isVisible() && !win->isActiveWindow() && (!modal || modal == win)) {
        win->activateWindow();
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(win);
        QT_WARNING_POP
    }
    setFocus(Qt::OtherFocusReason);
}

bool TWinControl::CanFocus() const {
    for (const QWidget* w = this; w; w = w->parentWidget()) {
        if (!w->isEnabled()) return false;
        if (const auto* c = qobject_cast<const TControl*>(w); c && !c->Visible()) return false;
        if (w->isWindow()) break;
    }
    return true;
}

void TWinControl::Realign() {
    if (FAligning) return;
    FAligning = true;
    TRect r = GetClientRect();
    AdjustClientRect(r);
    // Top and bottom controls take full-width strips, then left and right ones take the
    // height left between them, then client controls fill the rest.
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (const QPointer<TControl>& c : ControlList()) {
            if (!c || c->Align() != pass || !c->Visible()) continue;
            switch (pass) {
            case alTop: c->SetBounds(r.Left, r.Top, r.Width(), c->Height()); r.Top += c->Height(); break;
            case alBottom: r.Bottom -= c->Height(); c->SetBounds(r.Left, r.Bottom, r.Width(), c->Height()); break;
            case alLeft: c->SetBounds(r.Left, r.Top, c->Width(), r.Height()); r.Left += c->Width(); break;
            case alRight: r.Right -= c->Width(); c->SetBounds(r.Right, r.Top, c->Width(), r.Height()); break;
            case alClient: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
            default: break;
            }
        }
    }
    FAligning = false;
}

void TWinControl::Broadcast(TMessage& message) {
    for (const QPointer<TControl>& c : ControlList()) {
        if (!c) continue;  // removed by an earlier receiver
        c->WndProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::BroadcastAll(TMessage& message) {
    for (const QPointer<TControl>& c : ControlList()) {
        if (!c) continue;  // removed by an earlier receiver
        c->WndProc(message);
        if (message.Result != 0) return;
        if (auto* w = qobject_cast<TWinControl*>(c.data())) {
            w->BroadcastAll(message);
            if (message.Result != 0) return;
        }
    }
}

bool TWinControl::OfferDialogKey(int qtKey, TShiftState shift, const QString& text) {
    TWinControl* top = this;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* c = qobject_cast<TWinControl*>(w)) top = c;
    TMessage message;
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || qtKey == Qt::Key_Escape) {
        message = TMessage{CM_DIALOGKEY, VirtualKeyOf(qtKey), std::intptr_t(shift), 0};
    } else if ((shift & ssAlt) && !text.isEmpty() && text.at(0).isPrint()) {
        message = TMessage{CM_DIALOGCHAR, std::intptr_t(text.at(0).unicode()), std::intptr_t(shift), 0};
    } else {
        return false;
    }
    top->BroadcastAll(message);
    // A key no control took goes to the window itself (a form's default and cancel buttons).
    if (message.Result == 0) top->WndProc(message);
    return message.Result != 0;
}

void TWinControl::KeyDown(TKey& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(TKey& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(QChar& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::keyPressEvent(QKeyEvent* event) {
    if (OfferDialogKey(event->key(), ShiftStateOf(event->modifiers(), Qt::NoButton), event->text())) return;
    const TKey code = TKey(VirtualKeyOf(event->key(), event->modifiers() & Qt::KeypadModifier));
    TKey key = code;
    if (key != 0) KeyDown(key, ShiftStateOf(event->modifiers(), Qt::NoButton));
    if (key == 0 && code != 0) return;  // swallowed
    // The character the key typed, as the windows send it after the key.
    QChar ch = KeyCharOf(event->key(), event->text());
    if (!ch.isNull()) KeyPress(ch);
}

void TWinControl::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its presses only, as the windows do.
    if (event->isAutoRepeat()) return;
    TKey key = TKey(VirtualKeyOf(event->key(), event->modifiers() & Qt::KeypadModifier));
    if (key != 0) KeyUp(key, ShiftStateOf(event->modifiers(), Qt::NoButton));
}

void TWinControl::focusInEvent(QFocusEvent* event) {
    TControl::focusInEvent(event);
    DoEnter();
}

void TWinControl::focusOutEvent(QFocusEvent* event) {
    TControl::focusOutEvent(event);
    DoExit();
}

void TWinControl::resizeEvent(QResizeEvent* event) {
    TControl::resizeEvent(event);
    Realign();
}
