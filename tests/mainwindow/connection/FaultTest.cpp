// Faults on the way: replies lost, damaged, split, a unit that hangs up or is unplugged, and
// replies too short for what their handlers read. The editor recovers or goes offline with
// the scan dialog open; nothing hangs and the image it holds stays.
#include "ConnectionTestSupport.h"

#include <gmock/gmock.h>

#include <algorithm>

#include "CommandCode.h"
#include "FHidData.h"
#include "FNetWorkScan.h"
#include "FProcess.h"
#include "LUnitControl.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "SimHidDevice.h"
#include "TfmMain.h"
#include "timer/TTimer.h"
#include "ui/TLabel.h"
#include "ui/TListBox.h"

namespace {

using ::testing::ElementsAreArray;

// Replies damaged or cut on their way: the link's parser and resends recover, and the read
// still ends with the unit's image.
struct RecoverCase {
  const char* name;
  int transport;
  SimUnitFault fault;
  int extraRequests;  // requests written again
};

class Recovers : public ConnectionTest, public ::testing::WithParamInterface<RecoverCase> {};

TEST_P(Recovers, AndReadsTheWholeUnit) {
  const RecoverCase& c = GetParam();
  unit.SetImage(PatternImage());
  unit.AddFault(c.fault);
  Attach(static_cast<Transport>(c.transport));
  StartEditor();
  ShortenTimeOuts();
  ASSERT_TRUE(WaitForRead());
  EXPECT_TRUE(ImageMatchesUnit());
  // Each request at least once, in order; resends repeat the one before.
  const auto distinctRequests = [&] {
    std::vector<std::string> distinct;
    for (const std::string& r : Requests())
      if (distinct.empty() || distinct.back() != r) distinct.push_back(r);
    return distinct;
  };
  ASSERT_TRUE(Until([&] { return distinctRequests().size() >= HandshakeAndRead().size(); }, "the closing poll"));
  const std::vector<std::string> requests = Requests();
  std::vector<std::string> distinct = distinctRequests();
  distinct.resize(HandshakeAndRead().size());
  EXPECT_THAT(distinct, ElementsAreArray(HandshakeAndRead()));
  EXPECT_GE(requests.size(), HandshakeAndRead().size() + c.extraRequests);
}

SimUnitFault Fault(SimUnitFaultKind kind, int code, int count) {
  SimUnitFault f;
  f.kind = kind;
  f.code = code;
  f.count = count;
  return f;
}

SimUnitFault Split(int code, int count, int at) {
  SimUnitFault f = Fault(SimUnitFaultKind::Split, code, count);
  f.splitAt = at;
  f.delay = std::chrono::milliseconds(2);
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Recovers,
    ::testing::Values(RecoverCase{"GarbledTrailerTcp", 0, Fault(SimUnitFaultKind::Garble, CMD_READ_PRESET_NAME, 1), 1},
                      RecoverCase{"GarbledTrailerPty", 1, Fault(SimUnitFaultKind::Garble, CMD_READ_IMAGE_PIECE, 1), 1},
                      RecoverCase{"LostReplyPty", 1, Fault(SimUnitFaultKind::Drop, CMD_PRESET_NUMBER, 1), 1},
                      // Both halves of each image piece are long enough to be taken.
                      RecoverCase{"SplitRepliesTcp", 0, Split(CMD_READ_IMAGE_PIECE, -1, 30), 0},
                      // A tail of 5 bytes or fewer read on its own makes the editor write the
                      // request again; whether the two parts reach it in one read or two is up
                      // to the machine's timing, so only the recovery is asserted here
                      // (ShortSocketReadWritesTheWaitingFrameAgain checks the resend itself).
                      RecoverCase{"SplitShortTailTcp", 0, Split(CMD_PRESET_NUMBER, 1, 7), 0},
                      RecoverCase{"SplitRepliesPty", 1, Split(-1, -1, 3), 0},
                      // Every reply cut after its third byte: the head is kept for the parser
                      // (and the request written again), so nothing is lost.
                      RecoverCase{"SplitAfterThreeBytesTcp", 0, Split(-1, -1, 3), 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The link fails while connected: the window goes offline and the scan dialog opens again with
// "Link Broken"; the image read before stays.
struct BreakCase {
  const char* name;
  int transport;
  bool duringRead;  // else while polling levels
  std::function<void(SimUnit&)> fault;
};

class Breaks : public ConnectionTest, public ::testing::WithParamInterface<BreakCase> {};

TEST_P(Breaks, GoOfflineAndScanAgain) {
  const BreakCase& c = GetParam();
  Attach(static_cast<Transport>(c.transport));
  StartEditor();
  // An unplug is noticed at once; the other faults end in the link's time-outs.
  if (static_cast<Transport>(c.transport) != Transport::Hid) {
    ShortenTimeOuts();
  } else {
    // The unplug closes the link after the program's own delay, by which time the read's
    // progress window is up (a shortened delay can close the link before it shows).
    LinkTimes times = window->Times();
    times.linkBroken = LinkTimes{}.linkBroken;
    window->SetTimes(times);
  }
  ImageBytes before{};
  if (c.duringRead) {
    // The fault strikes while the image is being read, once the scan dialog has seen the unit
    // connected (the first piece is held back long enough for that).
    SimUnitFault hold = Fault(SimUnitFaultKind::Delay, CMD_READ_IMAGE_PIECE, 1);
    hold.delay = std::chrono::milliseconds(400);
    unit.AddFault(hold);
    When([&] { return unit.WaitForCode(CMD_READ_IMAGE_PIECE, std::chrono::milliseconds(0)) && !fmNetwork->tmConnect->GetEnabled(); }, [&] {
      before = ToBytes(window->UnitControl().Image());
      c.fault(unit);
    });
  } else {
    ASSERT_TRUE(WaitForRead());
    before = ToBytes(window->UnitControl().Image());
    c.fault(unit);
  }
  std::string scanText;
  bool wasOffline = false;
  When([&] { return fmNetwork->isVisible() && fmNetwork->btnOK->Enabled() ; }, [&] {
    scanText = fmNetwork->lblScan->Caption().toStdString();
    wasOffline = !window->FOnline && !window->HasLink() &&
                 window->lbShowIp->Caption() == "Disconnected" && !window->tmInLevelDet->GetEnabled();
    fmNetwork->btnExit->Click();
  });
  ASSERT_TRUE(Until([&] { return !scanText.empty() && !fmNetwork->isVisible(); }, "the scan dialog shown again"));
  EXPECT_EQ(scanText, "Link Broken");
  EXPECT_TRUE(wasOffline);
  EXPECT_EQ(ToBytes(window->UnitControl().Image()), before);
  EXPECT_TRUE(window->rzbMenuLink->Enabled());
}

SimUnitFault DropAll(int code) { return Fault(SimUnitFaultKind::Drop, code, -1); }

INSTANTIATE_TEST_SUITE_P(
    Faults, Breaks,
    ::testing::Values(
        BreakCase{"NoReplyDuringReadTcp", 0, true, [](SimUnit& u) { u.AddFault(DropAll(-1)); }},
        BreakCase{"NoReplyWhilePollingPty", 1, false, [](SimUnit& u) { u.AddFault(DropAll(-1)); }},
        BreakCase{"HangUpWhilePollingTcp", 0, false, [](SimUnit& u) { u.Disconnect(); }},
        BreakCase{"HangUpDuringReadPty", 1, true, [](SimUnit& u) { u.Disconnect(); }},
        BreakCase{"UnplugDuringReadHid", 2, true, [](SimUnit&) { SimHid::Unplug(); }},
        BreakCase{"UnplugWhilePollingHid", 2, false, [](SimUnit&) { SimHid::Unplug(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A unit slower than the editor's reply time-out, as over a slow network: it reads on while
// its replies are on their way. The request written again on the time-out is answered twice;
// the second answer is dropped, so the read still asks for each step once (and writes it at
// most twice), and the level polls afterwards stay one at a time.
TEST_F(ConnectionTest, RepliesSlowerThanTheReplyTimeOutReadTheUnitOnce) {
  unit.SetImage(PatternImage());
  SimUnitFault latency = Fault(SimUnitFaultKind::Delay, -1, -1);
  latency.delay = std::chrono::milliseconds(110);
  unit.AddFault(latency);
  Attach(Transport::Tcp);
  StartEditor();
  LinkTimes times = window->Times();
  times.online = 100;  // below the latency
  window->SetTimes(times);
  // Replies on their way from the unit: a request and its second write, and at most the next
  // request's second write racing the late answer before it (which leaves at that moment).
  std::size_t mostOnTheirWay = 0;
  const auto sample = [&] {
    mostOnTheirWay = std::max(mostOnTheirWay, unit.RepliesOnTheirWay());
    return true;
  };
  const auto asked = [&](std::uint8_t code) {
    return sample() && unit.WaitForCode(code, std::chrono::milliseconds(0));
  };
  ASSERT_TRUE(Until([&] { return asked(CMD_PRESET_FLAGS); }, "the read started"));
  ASSERT_TRUE(Until([&] { return asked(CMD_READ_IMAGE_PIECE); }, "the image requested"));
  ASSERT_TRUE(Until([&] { return sample() && window->FOnline && window->tmInLevelDet->GetEnabled(); },
                    "the editor online with the unit read"));
  EXPECT_TRUE(ImageMatchesUnit());
  const auto polls = [&] {
    std::size_t n = 0;
    for (const SimUnitFrame& f : unit.Frames()) n += f.Code() == CMD_LEVELS;
    return n;
  };
  ASSERT_TRUE(Until([&] { return sample() && polls() >= 20; }, "twenty level polls"));
  EXPECT_LE(mostOnTheirWay, 3u);

  // Each step once and in order, each written at most twice in a row. The closing poll is not
  // counted: it leaves just before the window draws the image, which holds the GUI thread (and
  // with it the socket's reads) longer than the shortened time-out.
  std::vector<std::string> distinct;
  int run = 0, longestRun = 0;
  for (const std::string& r : Requests()) {
    run = !distinct.empty() && distinct.back() == r ? run + 1 : 1;
    if (r != "18") longestRun = std::max(longestRun, run);
    if (run == 1) distinct.push_back(r);
  }
  ASSERT_GE(distinct.size(), HandshakeAndRead().size());
  distinct.resize(HandshakeAndRead().size());
  EXPECT_THAT(distinct, ElementsAreArray(HandshakeAndRead()));
  EXPECT_LE(longestRun, 2);
}

// A read that stops half-way while the link still looks alive (its own resends would give up
// only much later): after the read's own time-out the progress window goes, the link is
// taken down and the scan dialog opens with "Link Broken".
TEST_F(ConnectionTest, ReadThatStopsEndsInTheScanDialogWithinTheReadTimeOut) {
  constexpr int kAnswered = 3 + 2 + 10;  // the handshake, 34, 20 and ten preset names
  SimUnitFault stop = Fault(SimUnitFaultKind::Drop, -1, -1);
  stop.after = kAnswered;
  unit.AddFault(stop);
  Attach(Transport::Tcp);
  StartEditor();
  LinkTimes times = window->Times();
  times.readWatchdog = 1000;
  times.online = 5000;  // the link alone would report the unit lost after 20 s
  window->SetTimes(times);
  std::string scanText;
  bool progressGone = false, offline = false;
  When([&] { return unit.FrameCount() > kAnswered && fmNetwork->isVisible() && fmNetwork->btnOK->Enabled(); },
       [&] {
         scanText = fmNetwork->lblScan->Caption().toStdString();
         progressGone = !fmProcess->isVisible();
         offline = !window->FOnline && !window->HasLink();
         fmNetwork->btnExit->Click();
       });
  ASSERT_TRUE(Until([&] { return unit.FrameCount() > kAnswered; }, "the read half-way"));
  ASSERT_TRUE(Until([&] { return !scanText.empty() && !fmNetwork->isVisible(); }, "the scan dialog after the read stopped"));
  EXPECT_EQ(scanText, "Link Broken");
  EXPECT_TRUE(progressGone);
  EXPECT_TRUE(offline);
  EXPECT_EQ(Describe(unit.Frames()[kAnswered]), "41:10");
}

// Replies too short for a byte their handler reads: the error box after the delivery, and the
// connection goes on (the level polls keep being answered).
TEST_F(ConnectionTest, ShortRepliesShowTheErrorBoxAndTheLoopGoesOn) {
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  const ImageBytes image = ToBytes(window->UnitControl().Image());
  const int preset = window->FCurrentPreset;
  unit.SendFrame(CMD_IMAGE_PIECE, {});
  unit.SendFrame(CMD_PRESET_NUMBER, {});
  unit.SendFrame(CMD_LOCK_STATE, {0, 0, 0, 0, 0});
  ASSERT_TRUE(Until([&] { return boxes.size() >= 3; }, "three error boxes"));
  EXPECT_THAT(boxes, ::testing::ElementsAre(::testing::HasSubstr("Reply 36 is too short"),
                                            ::testing::HasSubstr("Reply 20 is too short"),
                                            ::testing::HasSubstr("Reply 44 is too short")));
  EXPECT_EQ(ToBytes(window->UnitControl().Image()), image);
  EXPECT_EQ(window->FCurrentPreset, preset);
  const std::size_t seen = unit.FrameCount();
  ASSERT_TRUE(Until([&] { return unit.FrameCount() > seen + 2; }, "level polls going on"));
  EXPECT_TRUE(window->FOnline);
}

// A socket read of five bytes or fewer makes the editor write the frame waiting for its
// answer again, whole, and its bytes still go to the parser.
TEST_F(ConnectionTest, ShortSocketReadWritesTheWaitingFrameAgain) {
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  fmHidData->Show();
  // No polls of the editor's own; one request that waits for its answer (the unit lost it)
  // when the short read comes.
  window->tmInLevelDet->SetEnabled(false);
  window->SetLinkQuiet(true);
  unit.AddFault(Fault(SimUnitFaultKind::Drop, CMD_POLL, 1));
  const std::size_t seen = unit.FrameCount();
  window->SendCode(CMD_POLL, true);
  ASSERT_TRUE(Until([&] { return unit.FrameCount() > seen; }, "the request"));
  unit.SendRaw({0x10, 0x02, 0x01});
  const auto listed = [&](const QString& start) {
    for (int i = 0; i < fmHidData->hbHidData->Count(); ++i)
      if (fmHidData->hbHidData->Item(i).startsWith(start)) return true;
    return false;
  };
  ASSERT_TRUE(Until([&] { return listed("NET RW 10 02 00 01 01 12 10 03 "); }, "the resend listed"));
  EXPECT_TRUE(listed("NET R 10 02 01 "));
  ASSERT_TRUE(Until([&] { return unit.FrameCount() >= seen + 2; }, "the request written again"));
  const auto f = unit.Frames();
  EXPECT_EQ(f[seen].bytes, f[seen + 1].bytes);
  EXPECT_EQ(f[seen].Code(), CMD_POLL);
}

// A USB report too short to carry the frame's length byte is taken as it is: the log lists its
// three bytes and nothing past them is read.
TEST_F(ConnectionTest, ShortHidReportIsTakenAsItIs) {
  SimHid::SetReportLengths(4, 65);  // input reports: the report ID and three data bytes
  Attach(Transport::Hid);
  StartEditor();
  fmHidData->Show();
  bool listed = false;
  When([&] {
    for (int i = 0; i < fmHidData->hbHidData->Count(); ++i)
      if (fmHidData->hbHidData->Item(i) == "USB R 00  10 02 01 ") return true;
    return false;
  }, [&] {
    listed = true;
    fmNetwork->btnExit->Click();
  });
  ASSERT_TRUE(Until([&] { return listed && !fmNetwork->isVisible(); }, "the short report listed"));
  EXPECT_FALSE(window->FOnline);
}

}  // namespace
