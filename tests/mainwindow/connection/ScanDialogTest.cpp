// The scan dialog after a connection is lost or set up anew: it stands alone on top, and one
// click on its buttons gets the editor back to the unit.
#include "ConnectionTestSupport.h"

#include <QApplication>
#include <QTest>

#include "CommandCode.h"
#include "FNetWorkScan.h"
#include "FNetworkSetup.h"
#include "FProcess.h"
#include "RzBmpBtn.h"
#include "TfmMain.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"

namespace {

void ClickOnce(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center()); }

// The unit hangs up while the progress window shows the read: the progress window goes, the
// scan dialog is the one modal window on screen, and one click on Scaning reads the unit again.
TEST_F(ConnectionTest, UnitLostMidReadLeavesTheScanDialogOnTop) {
  Attach(Transport::Tcp);
  SimUnitFault hold;
  hold.kind = SimUnitFaultKind::Delay;
  hold.code = CMD_READ_IMAGE_PIECE;
  hold.delay = std::chrono::milliseconds(400);
  unit.AddFault(hold);
  StartEditor();
  When([] { return fmProcess->isVisible(); }, [&] { unit.Disconnect(); });
  bool progressShown = true;
  QWidget* modal = nullptr;
  std::string scanText;
  When([] { return fmNetwork->isVisible() && fmNetwork->btnOK->Enabled(); }, [&] {
    progressShown = fmProcess->isVisible();
    modal = QApplication::activeModalWidget();
    scanText = fmNetwork->lblScan->Caption().toStdString();
    ClickOnce(fmNetwork->btnOK);
  });
  ASSERT_TRUE(Until([&] { return !scanText.empty(); }, "the scan dialog after the broken link"));
  EXPECT_EQ(scanText, "Link Broken");
  EXPECT_FALSE(progressShown) << "the progress window stayed over the scan dialog";
  EXPECT_EQ(modal, fmNetwork);
  ASSERT_TRUE(WaitForRead());
  EXPECT_TRUE(ImageMatchesUnit());
  EXPECT_FALSE(fmNetwork->isVisible());
  EXPECT_FALSE(fmProcess->isVisible());
}

// After "No Device found." the user opens the set-up, types the unit's address and its ID and
// presses Set: a scan with them finds the unit and reads it.
TEST_F(ConnectionTest, SetInTheScanDialogScansWithTheNewAddressAndId) {
  unit.SetUnitId(7);
  Attach(Transport::Tcp);
  StartEditor();
  window->SetAutoAddress(1);  // the first scan has no address to try
  When([] { return fmNetworkSetup->isVisible(); }, [] {
    const char* octets[] = {"192", "168", "1", "101"};
    TEdit* edits[] = {fmNetworkSetup->edIp1, fmNetworkSetup->edIp2, fmNetworkSetup->edIp3, fmNetworkSetup->edIp4};
    for (int i = 0; i < 4; ++i) edits[i]->SetText(QLatin1String(octets[i]));
    fmNetworkSetup->edId->SetText(QStringLiteral("7"));
    ClickOnce(fmNetworkSetup->bnSet);
  });
  When([] { return fmNetwork->isVisible() && fmNetwork->btnId->Enabled() &&
                   fmNetwork->lblScan->Caption() == "No Device found."; },
       [] { ClickOnce(fmNetwork->btnId); });
  ASSERT_TRUE(WaitForRead());
  EXPECT_EQ(window->GetDeviceId(), 7);
  EXPECT_TRUE(ImageMatchesUnit());
  EXPECT_FALSE(fmNetwork->isVisible());
}

}  // namespace
