// The network set-up dialog: Set with the ID in and out of range, online and offline, the
// clamps of the edits, Exit, and the automatic-address mode.
#include "DialogTestSupport.h"

#include "FInformation.h"
#include "FNetworkSetup.h"
#include "RzBmpBtn.h"
#include "ui/TEdit.h"
#include "ui/TGroupBox.h"
#include "ui/TLabel.h"
#include "ui/TRadioButton.h"

#include <QLineEdit>
#include <QTest>

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class NetworkSetupTest : public DialogTest {
protected:
    // Presses Set; an information window it opens is read and closed with OK.
    void PressSet() {
        WhileModal(*fmInformation, [this] {
            information = fmInformation->isVisible() ? fmInformation->lbMessage->Caption().toStdString() : "";
            fmInformation->btnOK->Click();
        });
        fmNetworkSetup->bnSet->Click();
        // The information window was not needed: drop the pending step.
        QCoreApplication::processEvents();
    }
    std::string information;
};

struct SetCase {
    const char* name;
    bool connected;
    const char* id;
    bool error;       // "ID Setting Error" shown and the ID edit restored
    bool closes;
    std::vector<std::string> calls;
};

const SetCase kSets[] = {
    {"OfflineSetsIdAndAddress", false, "7", false, true,
     {"SetDeviceId 7", "ReconnectClientSocket 192.168.1.101", "SetUnitAddress C0A80165", "ShowIp IP : 192.168.1.101",
      "SetAutoAddress 0"}},
    {"OnlineSetsTheIdOnly", true, "5", false, true, {"SetDeviceId 5", "SetAutoAddress 0"}},
    {"HighestId", true, "250", false, true, {"SetDeviceId 250", "SetAutoAddress 0"}},
    // A bad ID offline still applies the address and closes.
    {"IdAboveRangeOffline", false, "251", true, true,
     {"ReconnectClientSocket 192.168.1.101", "SetUnitAddress C0A80165", "ShowIp IP : 192.168.1.101",
      "SetAutoAddress 0"}},
    {"IdZeroOnline", true, "0", true, false, {}},
    // An empty field counts as 0.
    {"EmptyIdOnline", true, "", true, false, {}},
};

class SetButton : public NetworkSetupTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(SetButton, AppliesWhatIsValid) {
    const SetCase& c = GetParam();
    host->connected = c.connected;
    host->deviceId = 3;
    fmNetworkSetup->Show();
    fmNetworkSetup->edId->SetText(c.id);
    PressSet();
    EXPECT_THAT(host->Take(), ElementsAreArray(c.calls));
    EXPECT_EQ(information, c.error ? "ID Setting Error" : "");
    EXPECT_EQ(fmNetworkSetup->edId->Text().toStdString(), c.error ? "3" : c.id);
    EXPECT_EQ(fmNetworkSetup->isVisible(), !c.closes);
}

INSTANTIATE_TEST_SUITE_P(Sets, SetButton, ::testing::ValuesIn(kSets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkSetupTest, ShowsTheUnitAddressAndTheTexts) {
    host->address = 0x0A0000FE;
    fmNetworkSetup->Show();
    TfmNetworkSetup& d = *fmNetworkSetup;
    EXPECT_EQ(d.GetAddressText(), "10.0.0.254");
    EXPECT_EQ(QStringList({d.edIp1->Text(), d.edIp2->Text(), d.edIp3->Text(), d.edIp4->Text()}).join('.'),
              "10.0.0.254");
    EXPECT_EQ(d.Caption(), "Setting ID");
    EXPECT_EQ(d.gbIdSetting->Caption(), " Input ID Number");
    EXPECT_EQ(d.lbMessage->Caption(), "Number :");
    EXPECT_EQ(d.bnSet->Caption() + "|" + d.bnExit->Caption(), "Set|Exit");
    EXPECT_FALSE(d.gbIpSetting->Visible());
    EXPECT_TRUE(d.rbManualSetting->Checked());
    // Set keeps the low 8 bits of each octet.
    d.edIp1->SetText("300");
    PressSet();
    EXPECT_THAT(host->Take(), ElementsAre("SetDeviceId 1", "ReconnectClientSocket 44.0.0.254",
                                          "SetUnitAddress 2C0000FE", "ShowIp IP : 44.0.0.254", "SetAutoAddress 0"));
}

// Leaving an edit, or Enter in it, brings its number into range and selects it.
TEST_F(NetworkSetupTest, EditsClampWhenLeftOrOnEnter) {
    TfmNetworkSetup& d = *fmNetworkSetup;
    d.gbIpSetting->SetVisible(true);  // so that its edits can take the focus
    d.Show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    struct Clamp {
        TEdit* edit;
        const char* typed;
        const char* shown;
    };
    const Clamp clamps[] = {
        {d.edId, "300", "250"}, {d.edId, "0", "1"},       {d.edId, "", "1"},
        {d.edId, "7", "7"},     {d.edIp2, "256", "255"}, {d.edIp2, "0", "0"},
    };
    for (const Clamp& c : clamps) {
        c.edit->SetFocus();
        c.edit->SetText(c.typed);
        d.bnSet->SetFocus();  // the edit loses the focus
        EXPECT_EQ(c.edit->Text().toStdString(), c.shown) << c.edit->Name().toStdString() << " left with " << c.typed;
    }
    for (TEdit* edit : {d.edId, d.edIp4}) {
        edit->SetFocus();
        edit->SetText("999");
        QTest::keyClick(edit->Field(), Qt::Key_Return);
        EXPECT_EQ(edit->Text(), edit == d.edId ? "250" : "255");
        EXPECT_EQ(edit->SelText(), edit->Text());
    }
    // Only digits can be typed, three at the most.
    d.edId->SetText("");
    QTest::keyClicks(d.edId->Field(), "1x234");
    EXPECT_EQ(d.edId->Text(), "123");
}

TEST_F(NetworkSetupTest, ExitRestoresTheCurrentId) {
    host->deviceId = 12;
    fmNetworkSetup->Show();
    fmNetworkSetup->edId->SetText("99");
    fmNetworkSetup->bnExit->Click();
    EXPECT_EQ(fmNetworkSetup->edId->Text(), "12");
    EXPECT_FALSE(fmNetworkSetup->isVisible());
    EXPECT_THAT(host->Take(), ElementsAre());
}

TEST_F(NetworkSetupTest, AutomaticAddressLeavesTheAddressAlone) {
    TfmNetworkSetup& d = *fmNetworkSetup;
    d.Show();
    d.rbAutoSetting->SetChecked(true);
    EXPECT_FALSE(d.rbManualSetting->Checked());
    for (TEdit* edit : {d.edIp1, d.edIp2, d.edIp3, d.edIp4}) {
        EXPECT_FALSE(edit->Enabled());
        EXPECT_EQ(edit->Color(), 12632256u);
    }
    d.edId->SetText("9");
    PressSet();
    EXPECT_THAT(host->Take(), ElementsAre("SetDeviceId 9", "SetAutoAddress 1"));
    d.rbManualSetting->SetChecked(true);
    EXPECT_TRUE(d.edIp1->Enabled());
    EXPECT_EQ(d.edIp1->Color(), clWindow);
}

}  // namespace
