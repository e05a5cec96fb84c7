// The scan-and-connect dialog on a fake port list and the test clock: the order of the tries,
// what each shows, the watchdog of each, and how a scan ends.
#include "DialogTestSupport.h"

#include "FNetWorkScan.h"
#include "FProcess.h"
#include "RzBmpBtn.h"
#include "timer/TTimer.h"
#include "ui/TLabel.h"
#include "ui/TProgressBar.h"

#include <QTest>

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// What the dialog shows now: "<lblScan> | <lblDeviceID> | bar <pos>/<max> | dog <ms left or
// -1> | buttons <on/off>".
std::string State() {
    TfmNetwork& d = *fmNetwork;
    const bool on = d.btnOK->Enabled() && d.btnId->Enabled() && d.btnExit->Enabled();
    const bool off = !d.btnOK->Enabled() && !d.btnId->Enabled() && !d.btnExit->Enabled();
    return (d.lblScan->Caption() + " | " + d.lblDeviceID->Caption()).toStdString() + " | bar " +
           std::to_string(d.pbScan->Position()) + "/" + std::to_string(d.pbScan->Max()) + " | dog " +
           std::to_string(TimerClock::Current()->Remaining(*d.tmWatchDog)) + " | buttons " +
           (on ? "on" : off ? "off" : "mixed");
}

class NetWorkScanTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        host->stamp = true;
        // What the dialog shows whenever a link is opened.
        host->onOpen = [this](const std::string&) { host->Record(State()); };
    }
    void Ports(QStringList names) {
        fmNetwork->ListPorts = [names] { return names; };
    }
    // Runs the clock until no timer is left (bounded), recording the state at the end.
    void RunOut() {
        for (int steps = 0; steps < 200 && clock->AdvanceToNext(); ++steps) {
        }
        host->Record(State());
    }
};

struct ScanCase {
    const char* name;
    bool hid;
    std::uint32_t address;
    QStringList ports;  // as the system lists them
    std::vector<std::string> expected;
};

// Each try opens its link 100 ms after it starts; its watchdog (6000 ms USB, 5000 ms network,
// 10000 ms per port) ends it; 100 ms later the link is closed and the next try starts.
const ScanCase kScans[] = {
    {"UsbThenPortsByNumber", true, 0xC0A80165, {"COM5", "COM12", "COM3"},
     {"0 DiscoverUnit", "0 Scan USB | 1/4 | bar 1/4 | dog 6000 | buttons off",
      "100 OpenUsbLink", "100 Scan USB | 1/4 | bar 1/4 | dog 5900 | buttons off",
      "6100 CloseLink", "6100 SetComPortName COM3",
      "6200 OpenComLink", "6200 ScaningCOM3 ...... | 2/4 | bar 2/4 | dog 9900 | buttons off",
      "16200 CloseLink", "16200 SetComPortName COM5",
      "16300 OpenComLink", "16300 ScaningCOM5 ...... | 3/4 | bar 3/4 | dog 9900 | buttons off",
      "26300 CloseLink", "26300 SetComPortName \\\\.\\COM12",
      "26400 OpenComLink", "26400 ScaningCOM12 ...... | 4/4 | bar 4/4 | dog 9900 | buttons off",
      "36400 CloseLink",
      "36400 No Device found. |  | bar 4/4 | dog -1 | buttons on"}},
    // Every trailing digit counts: COM123 comes after COM13.
    {"PortsOnlyByAllTheirDigits", false, 0, {"COM123", "COM13", "COM2"},
     {"0 DiscoverUnit", "0 SetComPortName COM2", "0 ScaningCOM2 ...... | 1/3 | bar 1/3 | dog 10000 | buttons off",
      "100 OpenComLink", "100 ScaningCOM2 ...... | 1/3 | bar 1/3 | dog 9900 | buttons off",
      "10100 CloseLink", "10100 SetComPortName \\\\.\\COM13",
      "10200 OpenComLink", "10200 ScaningCOM13 ...... | 2/3 | bar 2/3 | dog 9900 | buttons off",
      "20200 CloseLink", "20200 SetComPortName \\\\.\\COM123",
      "20300 OpenComLink", "20300 ScaningCOM123 ...... | 3/3 | bar 3/3 | dog 9900 | buttons off",
      "30300 CloseLink",
      "30300 No Device found. |  | bar 3/3 | dog -1 | buttons on"}},
    {"OnePortOnly", false, 0, {"COM1"},
     {"0 DiscoverUnit", "0 SetComPortName COM1", "0 ScaningCOM1 ...... | 1/1 | bar 1/1 | dog 10000 | buttons off",
      "100 OpenComLink", "100 ScaningCOM1 ...... | 1/1 | bar 1/1 | dog 9900 | buttons off",
      "10100 CloseLink",
      "10100 No Device found. |  | bar 1/1 | dog -1 | buttons on"}},
    {"NetworkOnly", false, 0xC0A80165, {},
     {"0 DiscoverUnit", "0 Scan Ethernet | 1/1 | bar 1/1 | dog 5000 | buttons off",
      "100 OpenNetLink", "100 Scan Ethernet | 1/1 | bar 1/1 | dog 4900 | buttons off",
      "5100 CloseLink",
      "5100 No Device found. |  | bar 1/1 | dog -1 | buttons on"}},
    // Nothing to try: "No Device found." at once, the buttons back 100 ms later.
    {"NothingToTry", false, 0, {},
     {"0 DiscoverUnit", "0 No Device found. |  | bar 31/31 | dog -1 | buttons off",
      "100 CloseLink",
      "100 No Device found. |  | bar 31/31 | dog -1 | buttons on"}},
};

class ScanSequence : public NetWorkScanTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanSequence, TriesLabelsAndWatchdogs) {
    const ScanCase& c = GetParam();
    host->hid = c.hid;
    host->address = c.address;
    Ports(c.ports);
    fmNetwork->btnOK->Click();
    host->Record(State());
    RunOut();
    EXPECT_THAT(host->Take(), ElementsAreArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Scans, ScanSequence, ::testing::ValuesIn(kScans),
                         [](const auto& info) { return std::string(info.param.name); });

// The main window reports failures at once: a USB link that does not open moves on to the
// ports 100 ms later, without waiting for the watchdog.
TEST_F(NetWorkScanTest, AFailedOpenMovesOnAtOnce) {
    host->hid = true;
    Ports({"COM4"});
    host->onOpen = [](const std::string& call) {
        if (call == "OpenUsbLink") fmNetwork->SetConnected(0);
    };
    fmNetwork->btnOK->Click();
    clock->Advance(300);
    EXPECT_THAT(host->Take(), ElementsAre("0 DiscoverUnit", "100 OpenUsbLink", "200 CloseLink",
                                          "200 SetComPortName COM4", "300 OpenComLink"));
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), "2/2");
    EXPECT_EQ(clock->Remaining(*fmNetwork->tmWatchDog), 9900);
}

// A unit that answers on try 2 of 4: the dialog closes 100 ms after the report and no further
// try is made, not even by the try's watchdog after the link has broken meanwhile.
TEST_F(NetWorkScanTest, SuccessClosesTheDialogAndEndsTheScan) {
    host->hid = true;
    Ports({"COM3", "COM5", "COM12"});
    fmNetwork->btnOK->Click();
    const int result = RunModal(*fmNetwork, [&] {
        clock->Advance(6300);  // the USB try ran out; COM3 is open
        host->Take();
        fmNetwork->SetConnected(1);
        EXPECT_TRUE(fmNetwork->IsConnected());
        clock->Advance(99);
        EXPECT_TRUE(fmNetwork->isVisible());
        clock->Advance(1);  // closes the dialog
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(fmNetwork->isVisible());
    EXPECT_THAT(host->Take(), ElementsAre());
    // The link breaks 2 s later; the dialog waits for the user, however long.
    clock->Advance(2000);
    fmNetwork->LinkBroken();
    EXPECT_FALSE(fmNetwork->IsConnected());
    clock->Advance(60000);
    EXPECT_THAT(host->Take(), ElementsAre());
    EXPECT_EQ(fmNetwork->lblScan->Caption(), "Link Broken");
}

// A port that does not open: "Link Broken" with the buttons back, while the try's watchdog
// still runs and then goes on to the next port...
TEST_F(NetWorkScanTest, AFailedPortShowsLinkBrokenAndTheWatchdogGoesOn) {
    Ports({"COM1", "COM2"});
    host->address = 0;
    host->onOpen = [](const std::string& call) {
        if (call == "OpenComLink") fmNetwork->LinkBroken();
    };
    fmNetwork->btnOK->Click();
    clock->Advance(200);
    host->Take();
    EXPECT_EQ(State(), "Link Broken |  | bar 1/2 | dog 9800 | buttons on");
    clock->Advance(10000);
    EXPECT_THAT(host->Take(), ElementsAre("10100 CloseLink", "10100 SetComPortName COM2", "10200 OpenComLink"));
    EXPECT_EQ(State(), "ScaningCOM2 ...... | 2/2 | bar 2/2 | dog 9900 | buttons on");
}

// ...unless the user leaves with "Demo": then nothing opens a link any more.
TEST_F(NetWorkScanTest, DemoStopsTheScanForGood) {
    Ports({"COM1", "COM2"});
    host->address = 0;
    host->onOpen = [](const std::string& call) {
        if (call == "OpenComLink") fmNetwork->LinkBroken();
    };
    fmNetwork->btnOK->Click();
    RunModal(*fmNetwork, [&] {
        clock->Advance(200);
        host->Take();
        fmNetwork->btnExit->Click();
    });
    EXPECT_THAT(host->Take(), ElementsAre("200 EnableConnectControls"));
    clock->Advance(60000);
    EXPECT_THAT(host->Take(), ElementsAre());
}

// Reopened after a broken link, the dialog shows it with the buttons enabled and starts no
// scan; the progress window of a transfer closes at once.
TEST_F(NetWorkScanTest, LinkBrokenWaitsForTheUser) {
    fmProcess->Show();
    fmNetwork->pbScan->SetPosition(0);
    fmNetwork->LinkBroken();
    EXPECT_FALSE(fmProcess->isVisible());
    RunModal(*fmNetwork, [&] {
        clock->Advance(100);
        EXPECT_EQ(State(), "Link Broken |  | bar 0/31 | dog -1 | buttons on");
        clock->Advance(60000);
        fmNetwork->btnId->Click();
        fmNetwork->btnExit->Click();
    });
    EXPECT_THAT(host->Take(), ElementsAre("60100 NetworkSetupClick", "60100 EnableConnectControls"));
}

TEST_F(NetWorkScanTest, CaptionsInBothLanguages) {
    const auto captions = [] {
        return (fmNetwork->Caption() + "|" + fmNetwork->btnOK->Caption() + "|" + fmNetwork->btnId->Caption() + "|" +
                fmNetwork->btnExit->Caption())
            .toStdString();
    };
    fmNetwork->Show();
    EXPECT_EQ(captions(), "Connect|Scaning|Set|Demo");
    fmNetwork->Hide();
    UseChinese();
    fmNetwork->Show();
    EXPECT_EQ(captions(), "连接机器|重新搜索|设定|演示模式");
}

}  // namespace
