#pragma once
// A form: a top-level window that owns the components of its layout and finds them by name.
// It is hidden until shown; its caption is the window title.
#include "ui/TWinControl.h"

#include <QEventLoop>

// Modal results.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

class TForm : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    void SetCaption(const QString& caption) override;
    // The client area shows the form's colour where no control covers it.
    void SetColor(TColor color) override;

    // Shows the form modal and runs a local event loop until ModalResult becomes non-zero;
    // returns it and hides the form. Closing the window, or destroying the form while it is
    // shown, gives mrCancel.
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result);
    void Close();

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void ApplyVisible() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int FModalResult = mrNone;
    QEventLoop* FModalLoop = nullptr;
};

// The form a control is placed on (searched upward through its parents), or null.
TForm* GetParentForm(const QWidget* control);
