#include "StyledControl.h"

#include "timer/TTimer.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <array>
#include <utility>

namespace {

TRepeatTimerFactory& Factory() {
    static TRepeatTimerFactory factory;
    return factory;
}

// The default repeat timer: the framework's timer.
class FrameworkRepeatTimer : public TRepeatTimer {
public:
    FrameworkRepeatTimer() {
        FTimer.SetEnabled(false);
        FTimer.SetOnTimer([this](QObject*) {
            if (OnTimer) OnTimer();
        });
    }
    void SetInterval(int ms) override { FTimer.SetInterval(ms); }
    int Interval() const override { return FTimer.GetInterval(); }
    void SetEnabled(bool enabled) override { FTimer.SetEnabled(enabled); }
    bool Enabled() const override { return FTimer.GetEnabled(); }

private:
    TTimer FTimer;
};

}  // namespace

std::unique_ptr<TRepeatTimer> MakeRepeatTimer() {
    if (Factory()) return Factory()();
    return std::make_unique<FrameworkRepeatTimer>();
}

void SetRepeatTimerFactory(TRepeatTimerFactory factory) { Factory() = std::move(factory); }

TStyledControl::TStyledControl(TComponent* owner) : TWinControl(owner), FCanvas(&FSurface) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, true);
}

TStyledControl::~TStyledControl() { FCanvas.Release(); }

void TStyledControl::SetTabStop(bool value) {
    FTabStop = value;
    setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TStyledControl::SetFocus() { setFocus(Qt::OtherFocusReason); }

void TStyledControl::paintEvent(QPaintEvent* event) {
    if (FSurface.size() != size()) {
        FCanvas.Release();
        FSurface = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    }
    if (FSurface.isNull()) return;
    FSurface.fill(Qt::transparent);
    Paint(FCanvas);
    FCanvas.Release();
    QPainter p(this);
    for (const QRect& r : event->region()) p.drawImage(r.topLeft(), FSurface, r);
}

void TStyledControl::KeyDown(Word& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TStyledControl::KeyUp(Word& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TStyledControl::KeyPress(QChar& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TStyledControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TStyledControl::DoExit() {
    if (OnExit) OnExit(this);
}

bool TStyledControl::DoMouseWheelUp(TShiftState shift, QPoint pos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, handled);
    return handled;
}

bool TStyledControl::DoMouseWheelDown(TShiftState shift, QPoint pos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, handled);
    return handled;
}

void TStyledControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TStyledControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TStyledControl::keyPressEvent(QKeyEvent* event) {
    Word key = VirtualKeyOf(event->key());
    const TShiftState shift = ShiftStateOf(event->modifiers(), Qt::NoButton);
    if (key) KeyDown(key, shift);
    if (!event->text().isEmpty()) {
        QChar c = event->text().at(0);
        KeyPress(c);
    }
    event->accept();
}

void TStyledControl::keyReleaseEvent(QKeyEvent* event) {
    Word key = VirtualKeyOf(event->key());
    if (key) KeyUp(key, ShiftStateOf(event->modifiers(), Qt::NoButton));
    event->accept();
}

void TStyledControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    DoEnter();
}

void TStyledControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    DoExit();
}

void TStyledControl::wheelEvent(QWheelEvent* event) {
    const int dy = event->angleDelta().y();
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const QPoint pos = event->position().toPoint();
    if (dy > 0) DoMouseWheelUp(shift, pos);
    else if (dy < 0) DoMouseWheelDown(shift, pos);
    event->accept();
}

void TStyledControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    MouseEnter();
}

void TStyledControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    MouseLeave();
}

void TStyledControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) EnabledChanged();
}

void TStyledControl::mousePressEvent(QMouseEvent* event) {
    FCapture = true;
    TWinControl::mousePressEvent(event);
}

void TStyledControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) FCapture = false;
    TWinControl::mouseReleaseEvent(event);
}
