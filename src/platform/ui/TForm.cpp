#include "ui/TForm.h"

#include <algorithm>

#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetColor(clBtnFace);
}

TForm::~TForm() {
    if (FModalLoop) FModalLoop->exit();
    // Owned controls go first, while the form is still whole.
    DestroyComponents();
}

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
    setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    FModalLoop = &loop;
    const QPointer<TForm> alive(this);
    if (FModalResult == mrNone) loop.exec();
    if (!alive) return mrCancel;  // the form was destroyed while it was shown
    FModalLoop = nullptr;
    // Hidden while still modal, so that the application forgets it as its modal window.
    Hide();
    setWindowModality(Qt::NonModal);
    return FModalResult;
}

void TForm::SetModalResult(int result) {
    FModalResult = result;
    if (result != mrNone && FModalLoop) FModalLoop->exit();
}

void TForm::Close() {
    if (FModalLoop)
        SetModalResult(mrCancel);
    else
        Hide();
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
