#include "ui/TForm.h"

#include <QCloseEvent>
#include <QPointer>

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

TForm* GetParentForm(const QWidget* control) {
    TForm* form = nullptr;
    for (QWidget* w = control ? control->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* f = qobject_cast<TForm*>(w)) form = f;
    return form;
}
