// The access-lock dialogs: what the lock set-up sends before the disconnect, and the unlock
// dialog's wait for the unit's verdict (accepted, refused, none) on the test clock.
#include "DialogTestSupport.h"

#include "FLockPassWord.h"
#include "FLockSetup.h"
#include "RzBmpBtn.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"

#include <QLineEdit>
#include <QTest>

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;

class LockTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        host->stamp = true;
    }
    // Replaces the edit's text by typing (the edit converts letters to upper case).
    static void Type(TEdit& edit, const char* text) {
        edit.SetFocus();
        edit.Field()->selectAll();
        QTest::keyClick(edit.Field(), Qt::Key_Delete);
        QTest::keyClicks(edit.Field(), text);
    }
};

struct LockCase {
    const char* typed;  // nullptr: the pre-filled default
    const char* payload;
};

// OK sends code 47 with four password bytes, zero-padded, as typed in upper case; 100 ms
// later the main window's disconnect timer starts and the dialog closes.
TEST_F(LockTest, LockSetupSendsThePasswordThenDisconnects) {
    const LockCase cases[] = {{nullptr, "35 38 32 30"}, {"ab12", "41 42 31 32"}, {"x", "58 00 00 00"},
                              {"", "00 00 00 00"}};
    for (const LockCase& c : cases) {
        const std::int64_t start = clock->Now();
        RunModal(*fmLockSetup, [&] {
            EXPECT_EQ(fmLockSetup->edName->Text(), "5820");
            // Shown selected, so typing replaces it (checked on the first showing: the test
            // platform does not activate a window shown again, which drops the selection).
            if (!c.typed) EXPECT_EQ(fmLockSetup->edName->SelText(), "5820");
            if (c.typed) Type(*fmLockSetup->edName, c.typed);
            QTest::keyClick(fmLockSetup->edName->Field(), Qt::Key_Return);  // Enter presses OK
            clock->Advance(100);
        });
        const std::string t0 = std::to_string(start), t1 = std::to_string(start + 100);
        EXPECT_THAT(host->Take(), ElementsAre(t0 + " SendCmd 1:47 [" + c.payload + "] append",
                                              t1 + " StartDisconnectTimer"))
            << (c.typed ? c.typed : "default");
    }
    EXPECT_EQ(fmLockSetup->Caption(), "Lock Setting");
    EXPECT_EQ(fmLockSetup->lblLockPassword->Caption(), "Lock Password");
}

// A right password: code 45 with kind 0 and the four bytes; the verdict, here at once, is
// seen at the next check 100 ms later, and 100 ms after that code 34 goes out (replaceable)
// and the dialog closes.
TEST_F(LockTest, AcceptedPasswordGoesOnWithTheRead) {
    host->deviceId = 9;
    RunModal(*fmLockPassWord, [&] {
        EXPECT_EQ(fmLockPassWord->edName->SelText(), "****");
        EXPECT_EQ(fmLockPassWord->edName->Field()->displayText(), "****");
        Type(*fmLockPassWord->edName, "q7k1");
        fmLockPassWord->btnOK->Click();
        fmLockPassWord->SetResult(1);
        clock->Advance(199);
        EXPECT_TRUE(fmLockPassWord->isVisible());
        clock->Advance(1);
    });
    EXPECT_THAT(host->Take(), ElementsAre("0 SendCmd 9:45 [00 51 37 4B 31] append", "200 SendCmd 9:34 [] replace"));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(fmLockPassWord->Caption(), "UnLock Setting");
    EXPECT_EQ(fmLockPassWord->lblLockPassword->Caption(), "UnLock Password");
}

// A wrong one: "Password Error!!", the field back to "****" selected, nothing sent; the user
// may try again or cancel, which sends code 17 and starts the disconnect.
TEST_F(LockTest, RefusedPasswordLetsTheUserTryAgain) {
    RunModal(*fmLockPassWord, [&] {
        Type(*fmLockPassWord->edName, "12");
        fmLockPassWord->btnOK->Click();
        clock->Advance(50);
        fmLockPassWord->SetResult(0);
        clock->Advance(50);
        EXPECT_THAT(boxes, ElementsAre("UnLock Setting: Password Error!!"));
        EXPECT_EQ(fmLockPassWord->edName->Text(), "****");
        EXPECT_EQ(fmLockPassWord->edName->SelText(), "****");
        clock->Advance(10000);
        EXPECT_TRUE(fmLockPassWord->isVisible());
        fmLockPassWord->bnCancel->Click();
    });
    EXPECT_THAT(host->Take(), ElementsAre("0 SendCmd 1:45 [00 31 32 00 00] append", "10100 SendCmd 1:17 [] append",
                                          "10100 StartDisconnectTimer"));
}

// No verdict: after the 31st check (3.1 s) "Check Time Out!" and the Cancel path.
TEST_F(LockTest, NoVerdictTimesOutAndDisconnects) {
    RunModal(*fmLockPassWord, [&] {
        fmLockPassWord->btnOK->Click();
        clock->Advance(3099);
        EXPECT_TRUE(boxes.empty());
        clock->Advance(1);
    });
    EXPECT_THAT(boxes, ElementsAre(EndsWith(": Check Time Out!")));  // under the program's title
    EXPECT_THAT(host->Take(), ElementsAre("0 SendCmd 1:45 [00 2A 2A 2A 2A] append", "3100 SendCmd 1:17 [] append",
                                          "3100 StartDisconnectTimer"));
}

// The window's close does not leave the dialog (the connect sequence would stall); Esc is
// its Cancel; a verdict that comes after Cancel sends nothing more.
TEST_F(LockTest, OnlyOkOrCancelLeaves) {
    RunModal(*fmLockPassWord, [&] {
        fmLockPassWord->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(fmLockPassWord->ModalResult(), mrNone);
        fmLockPassWord->btnOK->Click();
        QTest::keyClick(fmLockPassWord->edName->Field(), Qt::Key_Escape);
    });
    fmLockPassWord->SetResult(1);
    clock->Advance(5000);
    EXPECT_THAT(host->Take(), ElementsAre("0 SendCmd 1:45 [00 2A 2A 2A 2A] append", "0 SendCmd 1:17 [] append",
                                          "0 StartDisconnectTimer"));
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
