// Pictures of every dialog in English and Chinese, in the states a user meets them, saved in
// the build tree (gallery_<dialog>_<language>.png), with a few pixels checked.
#include "DialogTestSupport.h"
#include "ProgramLookScope.h"

#include "AdvProgressBar.h"
#include "FAbout.h"
#include "FExit.h"
#include "FFactory.h"
#include "FHidData.h"
#include "FInformation.h"
#include "FLockPassWord.h"
#include "FLockSetup.h"
#include "FMemo.h"
#include "FNetWorkScan.h"
#include "FNetworkSetup.h"
#include "FPresetGrid.h"
#include "FProcess.h"
#include "FRs232CodeDoc.h"
#include "FStoreName.h"
#include "FTest.h"
#include "RzBmpBtn.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TRadioButton.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"
#include "ui/TStatusBar.h"

#include <QCoreApplication>

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// Shows the form, lets `prepare` put it into the state to picture, and saves it.
QImage Picture(TForm& form, const QString& name, bool chinese, const std::function<void()>& prepare = {}) {
    form.Show();
    if (prepare) prepare();
    Settle();
    const QImage image = SaveGrab(form, QStringLiteral("gallery_%1_%2.png").arg(name, chinese ? "zh" : "en"));
    form.Hide();
    return image;
}

int Lightness(QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3; }

class Gallery : public DialogTest, public ::testing::WithParamInterface<bool> {
protected:
    ProgramLookScope look;  // the look the program draws with

    void SetUp() override {
        DialogTest::SetUp();
        if (GetParam()) UseChinese();
    }
    bool Chinese() const { return GetParam(); }
};

TEST_P(Gallery, ScanDialog) {
    host->hid = true;
    fmNetwork->ListPorts = [] { return QStringList{"COM3", "COM5", "COM12"}; };
    const QImage scanning = Picture(*fmNetwork, "scan_scanning", Chinese(), [&] {
        fmNetwork->btnOK->Click();
        clock->Advance(6200);  // try 2 of 4: COM3
    });
    EXPECT_EQ(scanning.size(), QSize(359, 150));
    EXPECT_LT(Lightness(scanning.pixel(4, 4)), 90) << "dark background";
    EXPECT_GT(qBlue(scanning.pixel(36, 40)), 150) << "the bar's first half is filled";
    EXPECT_LT(Lightness(scanning.pixel(320, 40)), 50) << "its last quarter is empty";
    EXPECT_GT(Lightness(scanning.pixel(40, 100)), 110) << "a button face, disabled while scanning";
    const QImage idle = Picture(*fmNetwork, "scan_no_device", Chinese(), [&] { clock->Advance(40000); });
    EXPECT_GT(Lightness(idle.pixel(40, 100)), 180) << "an enabled button face";
    EXPECT_EQ(fmNetwork->lblScan->Caption(), Chinese() ? "未发现机器。" : "No Device found.");
}

TEST_P(Gallery, NetworkSetup) {
    host->deviceId = 7;
    fmNetworkSetup->edId->SetText("7");
    const QImage image = Picture(*fmNetworkSetup, "network_setup", Chinese());
    EXPECT_EQ(image.size(), QSize(280, 143));
    EXPECT_EQ(image.pixel(40, 80) & 0xFFFFFF, 0xD8D8D8u) << "the light ID panel";
}

TEST_P(Gallery, LockDialogs) {
    const QImage setup = Picture(*fmLockSetup, "lock_setup", Chinese());
    EXPECT_EQ(setup.size(), QSize(190, 148));
    // The password field in its pale colour (16777183: red 223, green and blue 255).
    EXPECT_EQ(setup.pixel(50, 52) & 0xFFFFFF, 0xDFFFFFu);
    Picture(*fmLockPassWord, "unlock", Chinese());
}

TEST_P(Gallery, MessageWindows) {
    Picture(*fmAbout, "about", Chinese());
    const QImage factory = Picture(*fmFactory, "factory", Chinese());
    EXPECT_EQ(factory.size(), QSize(361, 174));
    EXPECT_EQ(factory.pixel(20, 20) & 0xFFFFFF, 0xD8D8D8u) << "the message panel";
    Picture(*fmExit, "exit", Chinese());
    fmInformation->lbMessage->SetCaption(host->LangText("SID_INFO_CON_FIRST"));
    Picture(*fmInformation, "information", Chinese());
}

TEST_P(Gallery, ProgressLogAndMemo) {
    const QImage progress = Picture(*fmProcess, "progress", Chinese(), [&] {
        fmProcess->ProgressBar->SetMax(15);
        fmProcess->ProgressBar->SetPosition(8);
        fmProcess->StatusBar->SetSimpleText(host->LangText("SID_LOAD_PRESET"));
    });
    EXPECT_EQ(progress.size(), QSize(454, 95));
    EXPECT_LT(Lightness(progress.pixel(420, 35)), 60) << "the bar's empty track is dark";
    EXPECT_GT(qBlue(progress.pixel(40, 35)), 140) << "its filled part blue";
    Picture(*fmHidData, "traffic_log", Chinese(), [&] {
        for (int i = 0; i < 40; ++i) {
            fmHidData->Log(i % 2 ? "USB R 10 02 01 01 02 40 00 10 03 53" : "USB W 10 02 00 01 01 40 10 03 53");
        }
    });
    Picture(*fmMemo, "memo", Chinese());
}

TEST_P(Gallery, PresetWindows) {
    fmRecallPreset->SetPresetRow(5, QStringLiteral("Live Set"));
    fmStorePreset->SetPresetRow(4, QStringLiteral("Live Set"));
    const QImage recall = Picture(*fmRecallPreset, "recall_preset", Chinese());
    EXPECT_EQ(recall.size(), QSize(260, 316));
    EXPECT_GT(Lightness(recall.pixel(120, 120)), 200) << "the light grid";
    const QImage store = Picture(*fmStorePreset, "store_preset", Chinese());
    EXPECT_EQ(store.size(), QSize(260, 319));
    fmStorePreset->vledPresetNameSelectCell(5);
    fmStoreName->Hide();
    const QImage name = Picture(*fmStoreName, "store_name", Chinese(), [] { fmStoreName->FormActivate(); });
    EXPECT_EQ(name.size(), QSize(240, 148));
    EXPECT_EQ(name.pixel(200, 60) & 0xFFFFFF, 0xDFFFFFu) << "the pale name field";
    EXPECT_EQ(fmStoreName->lTitle->Caption(), "U05 : ");
}

TEST_P(Gallery, TestSignal) {
    fmTest->cbSineFreq->SetItemIndex(17);
    fmTest->ShowWorkMode(3, 17);
    const QImage image = Picture(*fmTest, "test_signal", Chinese());
    EXPECT_EQ(image.size(), QSize(282, 208));
    EXPECT_EQ(image.pixel(30, 20) & 0xFFFFFF, 0xD8D8D8u) << "the light group box";
    EXPECT_EQ(fmTest->rbSineWave->Caption(), Chinese() ? "正弦波" : "Sine Wave");
}

TEST_P(Gallery, ControlCodeViewers) {
    TRs232CodeViewer& viewer = Chinese() ? static_cast<TRs232CodeViewer&>(*fmRs232Code)
                                         : static_cast<TRs232CodeViewer&>(*fmRs232CodeEnglish);
    const QImage image = Picture(viewer, "control_codes", Chinese());
    EXPECT_EQ(image.width(), 750);
    EXPECT_GT(Lightness(image.pixel(20, 300)), 240) << "a white page";
}

INSTANTIATE_TEST_SUITE_P(Languages, Gallery, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Chinese" : "English"); });

}  // namespace
