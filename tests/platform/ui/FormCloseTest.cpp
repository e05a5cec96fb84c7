// Closing a form: the close query, the close action, a modal form's loop, the main form, and
// SetFocus bringing a control's window forward.
#include "ui/TForm.h"
#include "ui/TWinControl.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "QtTestSupport.h"

namespace {

// Close asks OnCloseQuery, then OnClose with caHide, and does what the action says.
TEST(FormClose, QueryThenTheCloseAction) {
    struct Case {
        const char* name;
        bool canClose;
        TCloseAction action;
        bool visible, minimised, freed;
    };
    const Case cases[] = {
        {"refused by the query", false, caHide, true, false, false},
        {"refused by OnClose", true, caNone, true, false, false},
        {"hidden", true, caHide, false, false, false},
        {"minimised", true, caMinimize, true, true, false},
        {"freed", true, caFree, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* form = new TForm(nullptr);
        QPointer<TForm> alive(form);
        int closes = 0;
        form->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = c.canClose; };
        form->OnClose = [&](TComponent* sender, TCloseAction& action) {
            EXPECT_EQ(sender, form);
            EXPECT_EQ(action, caHide);
            action = c.action;
            ++closes;
        };
        form->Show();
        form->close();  // the window's close box
        EXPECT_EQ(closes, c.canClose ? 1 : 0);
        ASSERT_TRUE(PumpUntil([&] { return !alive == c.freed; }));
        if (!c.freed) {
            EXPECT_EQ(form->isVisible(), c.visible);
            EXPECT_EQ(form->isMinimized(), c.minimised);
            delete form;
        }
    }
}

// A modal form's close ends its loop and hides it at once: a modal window opened before the
// loop has returned is the only one on screen. A refused close keeps the loop running.
TEST(FormClose, ModalCloseHidesAtOnceAndARefusalKeepsTheLoop) {
    TForm progress(nullptr), scan(nullptr);
    bool refuse = true;
    progress.OnClose = [&](TComponent*, TCloseAction& action) {
        if (refuse) action = caNone;
    };
    bool progressShownUnderScan = true;
    QWidget* modalUnderScan = nullptr;
    QTimer::singleShot(0, &progress, [&] {
        progress.SetModalResult(mrOk);  // refused: the loop goes on
        EXPECT_TRUE(progress.isVisible());
        EXPECT_EQ(progress.ModalResult(), mrNone);
        refuse = false;
        progress.Close();
        QTimer::singleShot(0, &scan, [&] {
            progressShownUnderScan = progress.isVisible();
            modalUnderScan = QApplication::activeModalWidget();
            scan.Close();
        });
        EXPECT_EQ(scan.ShowModal(), mrCancel);
    });
    EXPECT_EQ(progress.ShowModal(), mrCancel);
    EXPECT_FALSE(progressShownUnderScan);
    EXPECT_EQ(modalUnderScan, &scan);
    EXPECT_FALSE(progress.isVisible());
}

// Closing the main form ends the application: every loop returns, a modal form's with mrCancel.
TEST(FormClose, ClosingTheMainFormEndsTheLoops) {
    TForm main(nullptr), dialog(nullptr);
    TForm::SetMainForm(&main);
    main.Show();
    QTimer::singleShot(0, &main, [&] { main.Close(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_FALSE(dialog.isVisible());
    TForm::SetMainForm(nullptr);
    // The application's own loop starts afresh for the tests that follow.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// SetFocus on a control in a window that is not active makes that window the active one, so
// the control has the focus when SetFocus returns.
TEST(FormFocus, SetFocusActivatesTheControlsWindow) {
    TForm first(nullptr), second(nullptr);
    first.SetBounds(0, 0, 200, 100);
    second.SetBounds(300, 0, 200, 100);
    auto* control = new TWinControl(&second);
    control->SetParent(&second);
    control->SetBounds(10, 10, 50, 20);
    second.Show();
    first.Show();
    first.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));
    control->SetFocus();
    EXPECT_TRUE(control->Focused());
    EXPECT_TRUE(second.isActiveWindow());
}

}  // namespace
