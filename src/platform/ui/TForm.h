#pragma once
// A form: a top-level window that owns the components of its layout and finds them by name.
// It is hidden until shown; its caption is the window title. With AutoScroll set, scroll bars
// appear when its controls reach beyond the client area and scroll them; the menu bar stays.
#include "ui/TWinControl.h"

#include <QEventLoop>

class QScrollBar;

// Modal results.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

class TForm : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool AutoScroll READ AutoScroll WRITE SetAutoScroll)
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

    // While set, a scroll bar shows along each side the controls reach beyond, and moving it
    // moves the controls (their Left and Top are then where they show). Clearing it scrolls
    // back to the origin and hides the bars. Aligned controls stay in the visible area.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool autoScroll);
    QScrollBar* HorzScrollBar() const { return FHorzBar; }
    QScrollBar* VertScrollBar() const { return FVertBar; }
    // The visible client area: the form less its shown scroll bars.
    TRect GetClientRect() const override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void ApplyVisible() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the bars' ranges and visibility from the extent of the controls.
    void UpdateScrollBars();
    // Moves the unaligned controls so that the content origin is scrolled by (x, y).
    void ScrollTo(int x, int y);

    bool FAutoScroll = false;
    bool FUpdatingScroll = false;
    QScrollBar* FHorzBar = nullptr;
    QScrollBar* FVertBar = nullptr;
    int FScrollX = 0, FScrollY = 0;
    int FModalResult = mrNone;
    QEventLoop* FModalLoop = nullptr;
};

// The form a control is placed on (searched upward through its parents), or null.
TForm* GetParentForm(const QWidget* control);
