#pragma once
// A form: a top-level window that owns the components of its layout and finds them by name.
// It is hidden until shown; its caption is the window title. With AutoScroll set, scroll bars
// appear when its controls reach beyond the client area and scroll them; the menu bar stays.
#include "ui/TWinControl.h"

#include <QEventLoop>
#include <QPointer>

class QScrollBar;

// Modal results.
constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

// What closing a form does with it: nothing (the close is refused), hide it, free it (once the
// current event has returned) or minimise it.
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

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

    // Shows the form modal and runs a local event loop until ModalResult becomes non-zero and
    // the form agrees to close (CloseQuery, then OnClose: caNone goes on); returns the result
    // and hides the form. Closing the window, the application ending, or destroying the form
    // while it is shown, gives mrCancel.
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result);
    // Closes the form as a click on its close box does: CloseQuery, then OnClose with the
    // action caHide, which the handler may change. A modal form ends its loop with mrCancel and
    // is hidden at once; closing the main form ends the application (its event loops return);
    // any other form is hidden, freed or minimised as the action says.
    void Close();
    // Whether the form may close: OnCloseQuery's answer (true without a handler).
    virtual bool CloseQuery();

    // The application's main form: closing it ends the application.
    static void SetMainForm(TForm* form);
    static TForm* MainForm();

    // The buttons that Enter and Esc click when no control on the form took the key first
    // (disabled or hidden buttons are left alone); null for none.
    void SetDialogButtons(TControl* defaultButton, TControl* cancelButton);

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
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;

protected:
    void ApplyVisible() override;
    void WndProc(TMessage& message) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // CloseQuery and OnClose; the action asked for, caNone when the close is refused.
    TCloseAction CloseAction();

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
    // The modal showing in progress (the innermost, should the form be shown modal again
    // before an earlier showing's loop has returned), or null.
    struct ModalShowing;
    ModalShowing* FModal = nullptr;
    QPointer<TControl> FDefaultButton;
    QPointer<TControl> FCancelButton;
};

// The form a control is placed on (searched upward through its parents), or null.
TForm* GetParentForm(const QWidget* control);
