// Keys and clicks as a user gives them: Esc acts as a dialog's Cancel or close button and
// Enter as its default button; the first click on a button of a window that is not active
// counts.
#include "DialogTestSupport.h"

#include "FAbout.h"
#include "FChNameList.h"
#include "FChannelName.h"
#include "FCopy.h"
#include "FExit.h"
#include "FFactory.h"
#include "FInformation.h"
#include "FLinkSel.h"
#include "FLockSetup.h"
#include "FNetworkSetup.h"
#include "FPeqRst.h"
#include "RzBmpBtn.h"
#include "ui/TEdit.h"

#include <QApplication>
#include <QTest>

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

using DialogKeysTest = DialogTest;

// The key goes where the user's key goes: the focused control, else the window.
void Press(TForm& form, Qt::Key key) {
    QWidget* target = form.focusWidget() ? form.focusWidget() : &form;
    QTest::keyClick(target, key);
}

TEST_F(DialogKeysTest, EscAndEnterInTheModalDialogs) {
    struct Case {
        const char* name;
        TForm* (*form)();
        Qt::Key key;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"About Esc", []() -> TForm* { return fmAbout; }, Qt::Key_Escape, {}},
        {"About Enter", []() -> TForm* { return fmAbout; }, Qt::Key_Return, {}},
        {"Information Esc", []() -> TForm* { return fmInformation; }, Qt::Key_Escape, {}},
        {"Factory Esc", []() -> TForm* { return fmFactory; }, Qt::Key_Escape, {}},
        {"Factory Enter", []() -> TForm* { return fmFactory; }, Qt::Key_Return, {"StartFactoryDefault"}},
        {"Lock set-up Esc", []() -> TForm* { return fmLockSetup; }, Qt::Key_Escape, {}},
        {"Network set-up Esc", []() -> TForm* { return fmNetworkSetup; }, Qt::Key_Escape, {}},
        {"Link selection Esc", []() -> TForm* { return fmLinkSel; }, Qt::Key_Escape, {}},
        {"Copy Esc", []() -> TForm* { return fmCopy; }, Qt::Key_Escape, {}},
        {"Channel name Esc", []() -> TForm* { return fmChannelName; }, Qt::Key_Escape, {}},
        {"Channel name Enter", []() -> TForm* { return fmChannelName; }, Qt::Key_Return,
         {"SetChannelName 3 [53 75 62 00 00 00 00 00]"}},
        {"Name list Esc", []() -> TForm* { return fmChNameList; }, Qt::Key_Escape, {}},
        {"EQ reset Esc", []() -> TForm* { return fmPeqRst; }, Qt::Key_Escape, {}},
        {"EQ reset Enter", []() -> TForm* { return fmPeqRst; }, Qt::Key_Return, {"ResetEq 5"}},
    };
    fmChannelName->SetChannel(3);
    fmChannelName->SetNameText(QStringLiteral("Sub"));
    fmPeqRst->SetChannel(5);
    fmPeqRst->OnResetEq = [this](int ch) { host->Record("ResetEq " + std::to_string(ch)); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TForm& form = *c.form();
        RunModal(form, [&] { Press(form, c.key); });
        EXPECT_FALSE(form.isVisible());
        EXPECT_THAT(host->Take(), ElementsAreArray(c.calls));
    }
}

// Enter in the set-up's ID field clamps it and leaves the dialog open; Esc then leaves.
TEST_F(DialogKeysTest, EnterInTheNetworkSetupsFieldStaysThere) {
    RunModal(*fmNetworkSetup, [] {
        fmNetworkSetup->edId->SetFocus();
        fmNetworkSetup->edId->SetText(QStringLiteral("300"));
        Press(*fmNetworkSetup, Qt::Key_Return);
        EXPECT_TRUE(fmNetworkSetup->isVisible());
        EXPECT_EQ(fmNetworkSetup->edId->Text(), "250");
        Press(*fmNetworkSetup, Qt::Key_Escape);
    });
    EXPECT_EQ(fmNetworkSetup->edId->Text(), "1");
}

TEST_F(DialogKeysTest, EscAndEnterInTheExitWindow) {
    fmExit->Show();
    Press(*fmExit, Qt::Key_Escape);
    EXPECT_FALSE(fmExit->isVisible());
    EXPECT_THAT(host->Take(), ElementsAre("SetExitConfirmed 0"));
    fmExit->Show();
    Press(*fmExit, Qt::Key_Return);
    EXPECT_THAT(host->Take(), ElementsAre("SendCmd 1:17 [] append", "SetExitConfirmed 1", "CloseMainWindow"));
}

// The exit window stands beside the active main window: one click on its OK confirms.
TEST_F(DialogKeysTest, FirstClickInAWindowThatIsNotActiveCounts) {
    TForm main(nullptr);
    main.SetBounds(0, 0, 400, 300);
    main.Show();
    fmExit->Show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    ASSERT_FALSE(fmExit->isActiveWindow());
    QTest::mouseClick(fmExit->btnOK, Qt::LeftButton, Qt::NoModifier, fmExit->btnOK->rect().center());
    EXPECT_THAT(host->Take(), ElementsAre("SendCmd 1:17 [] append", "SetExitConfirmed 1", "CloseMainWindow"));
}

}  // namespace
