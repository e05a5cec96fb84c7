// The connect handshake against the simulated unit over TCP: identity refusals, the access
// lock and its unlock dialog, the unit ID, and a unit that answers under another ID.
#include "ConnectionTestSupport.h"

#include <gmock/gmock.h>

#include "CommandCode.h"
#include "FInformation.h"
#include "FLockPassWord.h"
#include "FNetWorkScan.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "TfmMain.h"
#include "timer/TTimer.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Items with one written again right after itself (the link repeats an answered frame when
// nothing new follows within the reply time-out) counted once.
template <class T>
std::vector<T> Distinct(const std::vector<T>& items) {
  std::vector<T> out;
  for (const T& item : items)
    if (out.empty() || out.back() != item) out.push_back(item);
  return out;
}

// The payloads of the frames of one code the unit received, in order, repeats counted once.
std::vector<SimBytes> PayloadsOf(const SimUnit& unit, std::uint8_t code) {
  std::vector<SimBytes> out;
  for (const SimUnitFrame& f : unit.Frames())
    if (f.Code() == code) out.push_back(f.Payload());
  return Distinct(out);
}

struct RefusalCase {
  const char* name;
  const char* identity;
  const char* message;
};

class Refusal : public ConnectionTest, public ::testing::WithParamInterface<RefusalCase> {};

// A refused unit: 17 is sent, the message shows after the reply's delivery, and 300 ms after
// it is dismissed the link is closed; nothing else reaches the unit.
TEST_P(Refusal, SaysWhyAndDisconnects) {
  unit.SetIdentity(GetParam().identity);
  Attach(Transport::Tcp);
  StartEditor();
  std::string shown;
  bool linkOpenWhileShown = false;
  WhenShown(*fmInformation, [&] {
    shown = fmInformation->lbMessage->Caption().toStdString();
    linkOpenWhileShown = window->HasLink();
    fmInformation->btnOK->Click();
  });
  ASSERT_TRUE(Until([&] { return !shown.empty() && !window->HasLink() && !fmInformation->isVisible(); },
                    "the message dismissed and the link closed"));
  EXPECT_EQ(shown, GetParam().message);
  EXPECT_TRUE(linkOpenWhileShown);
  EXPECT_FALSE(window->FOnline);
  EXPECT_FALSE(window->IsConnected());
  EXPECT_EQ(window->lbShowIp->Caption().toStdString(), "Disconnected");
  EXPECT_THAT(Requests(), ElementsAre("16", "19", "17"));
}

INSTANTIATE_TEST_SUITE_P(Identities, Refusal,
                         ::testing::Values(RefusalCase{"OtherType", "Q8K V010", "Unit's Type Error !!"},
                                           RefusalCase{"OtherVersion", "Q7K V011", "Unit's Version Error !!"},
                                           RefusalCase{"TooShort", "Q7K", "Unit's Version Error !!"},
                                           RefusalCase{"Empty", "", "Unit's Type Error !!"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConnectionTest, AnIdentityThatStartsRightIsAcceptedWhateverFollows) {
  unit.SetIdentity("Q7K V010 rev B");
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  EXPECT_EQ(window->Caption().toStdString(),
            "Q7K DSP Processor Editor V1.03    Connected Port => IP : 192.168.1.101");
}

// A locked unit: the unlock dialog opens a second after the lock reply; the password goes as
// 45 with kind 0 and four bytes (zero-padded when shorter).
class Unlock : public ConnectionTest {
 protected:
  void SetUp() override {
    ConnectionTest::SetUp();
    unit.SetLock(true, "5820");
    Attach(Transport::Tcp);
  }
  // Types `password` and presses OK once the dialog shows; `then` runs when the verdict
  // has been handled (the dialog's check timer has seen it).
  void Answer(const QString& password) {
    WhenShown(*fmLockPassWord, [this, password] {
      shownAt = window->FRequestState;
      fmLockPassWord->edName->SetText(password);
      fmLockPassWord->btnOK->Click();
    });
  }
  int shownAt = -1;
};

TEST_F(Unlock, RightPasswordReadsTheUnit) {
  StartEditor();
  Answer("5820");
  ASSERT_TRUE(WaitForRead());
  EXPECT_EQ(shownAt, REQ_UNLOCK);
  auto requests = Distinct(Requests());
  requests.resize(6);
  EXPECT_THAT(requests, ElementsAre("16", "19", "44", "45:0", "34", "20"));
  EXPECT_THAT(PayloadsOf(unit, CMD_PASS_SUBMIT), ElementsAre(SimBytes{0, '5', '8', '2', '0'}));
  EXPECT_FALSE(fmLockPassWord->isVisible());
  EXPECT_TRUE(ImageMatchesUnit());
}

TEST_F(Unlock, WrongPasswordSaysSoAndTheRightOneStillWorks) {
  StartEditor();
  bool stillOpenAfterError = false;
  WhenShown(*fmLockPassWord, [] {
    fmLockPassWord->edName->SetText("58");
    fmLockPassWord->btnOK->Click();
  });
  When([&] { return !boxes.empty(); }, [&] {
    stillOpenAfterError = fmLockPassWord->isVisible();
    fmLockPassWord->edName->SetText("5820");
    fmLockPassWord->btnOK->Click();
  });
  ASSERT_TRUE(WaitForRead());
  EXPECT_TRUE(stillOpenAfterError);
  EXPECT_THAT(boxes, ElementsAre(::testing::EndsWith("Password Error!!")));
  // The short password zero-padded; then the right one, and the read.
  EXPECT_THAT(PayloadsOf(unit, CMD_PASS_SUBMIT),
              ElementsAre(SimBytes{0, '5', '8', 0, 0}, SimBytes{0, '5', '8', '2', '0'}));
  auto requests = Distinct(Requests());
  requests.resize(6);
  EXPECT_THAT(requests, ElementsAre("16", "19", "44", "45:0", "34", "20"));
}

TEST_F(Unlock, CancelDisconnects) {
  StartEditor();
  WhenShown(*fmLockPassWord, [] { fmLockPassWord->bnCancel->Click(); });
  ASSERT_TRUE(Until([&] { return unit.WaitForCode(CMD_DISCONNECT, std::chrono::milliseconds(0)) && !window->HasLink(); },
                    "17 sent and the link closed"));
  EXPECT_THAT(Distinct(Requests()), ElementsAre("16", "19", "44", "17"));
  EXPECT_FALSE(window->FOnline);
  EXPECT_TRUE(window->rzbMenuLink->Enabled());
}

// A new unit ID goes into every later command, the level polls included.
TEST_F(ConnectionTest, UnitIdChangeAddressesTheNewId) {
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  for (int ignored : {0, 255}) {
    window->SetDeviceId(ignored);
    EXPECT_EQ(window->GetDeviceId(), 1);
  }
  // The unit answers as 7 whatever a frame still on its way was addressed to.
  unit.SetAnswerAnyId(true);
  unit.SetUnitId(7);
  window->SetDeviceId(7);
  EXPECT_EQ(window->lbShowIdNumber->Caption().toStdString(), "ID : 7");
  const std::size_t before = unit.FrameCount();
  ASSERT_TRUE(Until([&] {
    const auto frames = unit.Frames();
    for (std::size_t i = before; i < frames.size(); ++i)
      if (frames[i].bytes == EditorFrame(CMD_LEVELS, -1, 7)) return true;
    return false;
  }, "a level poll to unit 7"));
  EXPECT_TRUE(window->FOnline);
}

// A unit that answers under another ID is never handled; during the scan its link is dropped
// and the scan goes on (here to its end).
TEST_F(ConnectionTest, AnotherUnitsReplyIsIgnoredAndTheScanMovesOn) {
  unit.SetAnswerAnyId(true);
  unit.SetUnitId(3);
  Attach(Transport::Tcp);
  StartEditor();
  bool ended = false;
  When([&] { return fmNetwork->isVisible() && fmNetwork->btnOK->Enabled(); }, [&] {
    ended = fmNetwork->lblScan->Caption() == "No Device found.";
    fmNetwork->btnExit->Click();
  });
  ASSERT_TRUE(Until([&] { return ended && !fmNetwork->isVisible(); }, "the scan ended without a unit"));
  EXPECT_FALSE(window->HasLink());
  EXPECT_FALSE(window->IsConnected());
  ASSERT_FALSE(Requests().empty());
  for (const std::string& r : Requests()) EXPECT_EQ(r, "16");
}

}  // namespace
