#include "ui/TForm.h"

#include "ui/VirtualKeys.h"

#include <algorithm>
#include <utility>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetColor(clBtnFace);
}

struct TForm::ModalShowing {
    QEventLoop loop;
    bool closed = false;
    int result = mrNone;
    TCloseAction action = caHide;
};

namespace {
QPointer<TForm>& MainFormSlot() {
    static QPointer<TForm> form;
    return form;
}
}  // namespace

TForm::~TForm() {
    if (FModal) FModal->loop.exit();
    // Owned controls go first, while the form is still whole.
    DestroyComponents();
}

void TForm::SetMainForm(TForm* form) { MainFormSlot() = form; }

TForm* TForm::MainForm() { return MainFormSlot(); }

void TForm::SetCaption(const QString& caption) {
    TWinControl::SetCaption(caption);
    setWindowTitle(caption);
}

void TForm::SetColor(TColor color) {
    TWinControl::SetColor(color);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TForm::ApplyVisible() { QWidget::setVisible(Visible()); }

int TForm::ShowModal() {
    FModalResult = mrNone;
    ModalShowing showing;
    ModalShowing* const outer = std::exchange(FModal, &showing);
    setWindowModality(Qt::ApplicationModal);
    const QPointer<TForm> alive(this);
    Show();
    while (alive && !showing.closed) {
        showing.loop.exec();
        // Ended without a close: the application is ending (all its loops return).
        if (alive && !showing.closed) {
            showing.closed = true;
            showing.result = mrCancel;
        }
    }
    if (!alive) return mrCancel;  // the form was destroyed while it was shown
    FModal = outer;
    FModalResult = showing.result;
    if (!FModal) {
        Hide();
        setWindowModality(Qt::NonModal);
    }
    if (showing.action == caFree) deleteLater();
    return showing.result;
}

void TForm::SetModalResult(int result) {
    FModalResult = result;
    if (result == mrNone || !FModal || FModal->closed) return;
    const QPointer<TForm> alive(this);
    const TCloseAction action = CloseAction();
    if (!alive) return;
    if (action == caNone) {
        FModalResult = mrNone;
        return;
    }
    FModal->closed = true;
    FModal->result = result;
    FModal->action = action;
    FModal->loop.exit();
    // Hidden at once, while still modal (so that the application forgets it as its modal
    // window): a window that opens before the loop has returned shows over no stale one.
    Hide();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

TCloseAction TForm::CloseAction() {
    if (!CloseQuery()) return caNone;
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    return action;
}

void TForm::Close() {
    if (FModal && !FModal->closed) {
        SetModalResult(mrCancel);
        return;
    }
    const QPointer<TForm> alive(this);
    const TCloseAction action = CloseAction();
    if (!alive || action == caNone) return;
    if (this == MainForm()) {
        // The event loops return; the program's entry then frees the windows.
        QCoreApplication::exit(0);
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: showMinimized(); break;
    case caFree:
        Hide();
        deleteLater();
        break;
    case caNone: break;
    }
}

void TForm::SetDialogButtons(TControl* defaultButton, TControl* cancelButton) {
    FDefaultButton = defaultButton;
    FCancelButton = cancelButton;
}

void TForm::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGKEY && (TShiftState(message.LParam) & (ssShift | ssCtrl | ssAlt)) == 0) {
        TControl* button = message.WParam == VK_RETURN ? FDefaultButton.data()
                           : message.WParam == VK_ESCAPE ? FCancelButton.data()
                                                         : nullptr;
        if (button && button->isEnabled() && button->isVisible()) {
            button->Click();
            message.Result = 1;
            return;
        }
    }
    TWinControl::WndProc(message);
}

void TForm::showEvent(QShowEvent* event) {
    TWinControl::showEvent(event);
    if (OnShow) OnShow(this);
}

void TForm::hideEvent(QHideEvent* event) {
    TWinControl::hideEvent(event);
    if (OnHide) OnHide(this);
}

void TForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    Close();
}

void TForm::resizeEvent(QResizeEvent* event) {
    TWinControl::resizeEvent(event);
    UpdateScrollBars();
}

bool TForm::event(QEvent* event) {
    // Every control placed on the form is watched for moves, resizes and visibility.
    if (event->type() == QEvent::ChildAdded)
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            child->installEventFilter(this);
    const bool result = TWinControl::event(event);
    if (event->type() == QEvent::Show) UpdateScrollBars();
    return result;
}

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (FAutoScroll && watched->parent() == this && qobject_cast<TControl*>(watched)) UpdateScrollBars();
        break;
    default: break;
    }
    return TWinControl::eventFilter(watched, event);
}

static bool Unaligned(const TControl* c) { return c->Align() == alNone || c->Align() == alCustom; }

void TForm::SetAutoScroll(bool autoScroll) {
    if (autoScroll == FAutoScroll) return;
    FAutoScroll = autoScroll;
    if (autoScroll) {
        if (!FHorzBar) {
            FHorzBar = new QScrollBar(Qt::Horizontal, this);
            FVertBar = new QScrollBar(Qt::Vertical, this);
            FHorzBar->hide();
            FVertBar->hide();
            connect(FHorzBar, &QScrollBar::valueChanged, this, [this](int x) { ScrollTo(x, FScrollY); });
            connect(FVertBar, &QScrollBar::valueChanged, this, [this](int y) { ScrollTo(FScrollX, y); });
        }
        UpdateScrollBars();
        return;
    }
    if (!FHorzBar) return;
    {
        const QSignalBlocker h(FHorzBar), v(FVertBar);
        FHorzBar->setValue(0);
        FVertBar->setValue(0);
    }
    ScrollTo(0, 0);
    FHorzBar->hide();
    FVertBar->hide();
    Realign();
}

TRect TForm::GetClientRect() const {
    const int w = width() - (FVertBar && !FVertBar->isHidden() ? FVertBar->width() : 0);
    const int h = height() - (FHorzBar && !FHorzBar->isHidden() ? FHorzBar->height() : 0);
    return Rect(0, 0, std::max(0, w), std::max(0, h));
}

void TForm::UpdateScrollBars() {
    if (!FAutoScroll || FUpdatingScroll) return;
    FUpdatingScroll = true;
    // The extent of the visible unaligned controls, measured from the unscrolled origin.
    int right = 0, bottom = 0;
    for (QObject* child : children()) {
        auto* c = qobject_cast<TControl*>(child);
        if (!c || !c->Visible() || !Unaligned(c)) continue;
        right = std::max(right, c->Left() + c->Width() + FScrollX);
        bottom = std::max(bottom, c->Top() + c->Height() + FScrollY);
    }
    const int barWidth = FVertBar->sizeHint().width(), barHeight = FHorzBar->sizeHint().height();
    // A bar along one side narrows the area beside the other, which may need a bar then too.
    bool horz = right > width(), vert = bottom > height();
    vert = vert || (horz && bottom > height() - barHeight);
    horz = horz || (vert && right > width() - barWidth);
    const int viewWidth = std::max(0, width() - (vert ? barWidth : 0));
    const int viewHeight = std::max(0, height() - (horz ? barHeight : 0));
    const bool barsChanged = horz == FHorzBar->isHidden() || vert == FVertBar->isHidden();
    // The menu bar stays above the scrolled controls; the vertical bar starts below it.
    auto* menu = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    const int top = menu && !menu->isHidden() ? menu->geometry().bottom() + 1 : 0;

    FHorzBar->setGeometry(0, height() - barHeight, viewWidth, barHeight);
    FHorzBar->setPageStep(std::max(1, viewWidth));
    FHorzBar->setSingleStep(16);
    FHorzBar->setRange(0, horz ? right - viewWidth : 0);  // a smaller range scrolls back
    FHorzBar->setVisible(horz);
    FVertBar->setGeometry(width() - barWidth, top, barWidth, std::max(0, viewHeight - top));
    FVertBar->setPageStep(std::max(1, viewHeight - top));
    FVertBar->setSingleStep(16);
    FVertBar->setRange(0, vert ? bottom - viewHeight : 0);
    FVertBar->setVisible(vert);
    if (menu) menu->raise();
    FHorzBar->raise();
    FVertBar->raise();
    if (barsChanged) Realign();
    FUpdatingScroll = false;
}

void TForm::ScrollTo(int x, int y) {
    const QPoint delta(FScrollX - x, FScrollY - y);
    if (delta.isNull()) return;
    FScrollX = x;
    FScrollY = y;
    const bool updating = FUpdatingScroll;
    FUpdatingScroll = true;
    for (QObject* child : children())
        if (auto* c = qobject_cast<TControl*>(child); c && Unaligned(c)) c->move(c->pos() + delta);
    FUpdatingScroll = updating;
}

TForm* GetParentForm(const QWidget* control) {
    TForm* form = nullptr;
    for (QWidget* w = control ? control->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* f = qobject_cast<TForm*>(w)) form = f;
    return form;
}
