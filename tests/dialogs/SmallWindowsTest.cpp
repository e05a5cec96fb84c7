// The exit, factory-default, information, progress, traffic-log, memo and about windows.
#include "DialogTestSupport.h"

#include "AdvProgressBar.h"
#include "FAbout.h"
#include "FExit.h"
#include "FFactory.h"
#include "FHidData.h"
#include "FInformation.h"
#include "FMemo.h"
#include "FProcess.h"
#include "RzBmpBtn.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"
#include "ui/TMemo.h"
#include "ui/TStatusBar.h"

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

using SmallWindowsTest = DialogTest;

// Cancel keeps the program running and the exit window can come again; OK says good-bye to
// the unit (queued, appending), confirms and closes the main window, leaving no window open.
TEST_F(SmallWindowsTest, ExitConfirmsOrCancels) {
    host->deviceId = 4;
    fmExit->Show();
    EXPECT_EQ(fmExit->Caption(), "Information");
    EXPECT_EQ(fmExit->lbExit->Caption(), "Are you sure to quit ?");
    EXPECT_EQ(fmExit->btnOK->Caption() + "|" + fmExit->btnCancel->Caption(), "OK|Cancel");
    fmExit->btnCancel->Click();
    EXPECT_FALSE(fmExit->isVisible());
    EXPECT_THAT(host->Take(), ElementsAre("SetExitConfirmed 0"));
    fmExit->Show();
    fmExit->btnOK->Click();
    EXPECT_FALSE(fmExit->isVisible());
    EXPECT_THAT(host->Take(), ElementsAre("SendCmd 4:17 [] append", "SetExitConfirmed 1", "CloseMainWindow"));
}

TEST_F(SmallWindowsTest, FactoryDefaultOnlyOnOk) {
    RunModal(*fmFactory, [] { fmFactory->bnCancel->Click(); });
    EXPECT_THAT(host->Take(), ElementsAre());
    RunModal(*fmFactory, [] {
        EXPECT_EQ(fmFactory->Caption(), "Information");
        EXPECT_EQ(fmFactory->lbMessage->Caption(), "Are you Sure to Return Factory Default?");
        fmFactory->btnOK->Click();
    });
    EXPECT_THAT(host->Take(), ElementsAre("StartFactoryDefault"));
}

TEST_F(SmallWindowsTest, InformationShowsTheCallersText) {
    EXPECT_EQ(fmInformation->lbMessage->Caption(), "You Must Connect First !!");
    UseChinese();
    fmInformation->lbMessage->SetCaption(host->LangText("SID_INFO_ERROR_VERSION"));
    RunModal(*fmInformation, [] {
        EXPECT_EQ(fmInformation->Caption(), "信息");
        EXPECT_EQ(fmInformation->btnOK->Caption(), "确定");
        fmInformation->btnOK->Click();
    });
    EXPECT_EQ(fmInformation->lbMessage->Caption(), "机器版本不符 !!");
}

// The traffic log gains lines only while it is shown, each selected as it comes.
TEST_F(SmallWindowsTest, TrafficLogFollowsTheNewestLineWhileShown) {
    TListBox& list = *fmHidData->hbHidData;
    fmHidData->Log("COM W 10 02 00 01 01 10 10 03 03");
    EXPECT_EQ(list.Count(), 0);
    fmHidData->Show();
    EXPECT_EQ(fmHidData->Caption(), "Hid Data");
    for (int i = 0; i < 60; ++i) fmHidData->Log(QStringLiteral("line %1").arg(i));
    EXPECT_EQ(list.Count(), 60);
    EXPECT_EQ(list.ItemIndex(), 59);
    EXPECT_EQ(list.Item(59), "line 59");
    fmHidData->bnClear->Click();
    EXPECT_EQ(list.Count(), 0);
    fmHidData->Hide();
    fmHidData->Log("after");
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(SmallWindowsTest, MemoAboutAndProgressTexts) {
    EXPECT_EQ(fmMemo->Caption(), "Message List");
    EXPECT_EQ(fmMemo->Memo->Line(0), "Memo");
    fmMemo->bnClearMemo->Click();
    EXPECT_EQ(fmMemo->Memo->LineCount(), 0);

    RunModal(*fmAbout, [] {
        EXPECT_EQ(fmAbout->Caption(), "About");
        fmAbout->btnOK->Click();
    });
    EXPECT_EQ(fmAbout->ProductName->Caption(), "Product Name : Q7K DSP Processor Editor");
    EXPECT_EQ(fmAbout->Version->Caption(), "Version : V1.03");

    EXPECT_EQ(fmProcess->StatusBar->SimpleText(), "download now");
    EXPECT_EQ(fmProcess->ProgressBar->Position(), 0);
    EXPECT_EQ(fmProcess->ProgressBar->Level1Perc(), 70);
    EXPECT_EQ(fmProcess->ProgressBar->Level2Perc(), 90);
    EXPECT_EQ(fmProcess->ProgressBar->Width(), 431);
    RunModal(*fmProcess, [] {
        EXPECT_EQ(fmProcess->Caption(), "Process");
        fmProcess->Close();
    });
}

}  // namespace
