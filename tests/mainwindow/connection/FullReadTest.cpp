// The editor started against the simulated unit on each transport: it scans by itself,
// shakes hands, reads the whole unit with its progress window, shows the unit's image and
// follows the unit's levels.
#include "ConnectionTestSupport.h"

#include <gmock/gmock.h>

#include <algorithm>

#include "AdvProgressBar.h"
#include "CommandCode.h"
#include "FNetWorkScan.h"
#include "FProcess.h"
#include "LProgressBar.h"
#include "LevelCodec.h"
#include "LUnitControl.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "TfmMain.h"
#include "UpdatingScope.h"
#include "timer/TTimer.h"
#include "ui/TUpDown.h"

namespace {

using ::testing::ElementsAreArray;

struct TransportCase {
  const char* name;
  int transport;  // ConnectionTest::Transport
  const char* port;
};

class FullRead : public ConnectionTest, public ::testing::WithParamInterface<TransportCase> {};

TEST_P(FullRead, ReadsTheUnitAndShowsItsImage) {
  const TransportCase& c = GetParam();
  unit.SetImage(PatternImage());
  unit.SetPresetNumber(5);
  ImageBytes stored = unit.GetImage();
  const char name[] = "Slot Five\0\0\0\0\0";
  std::copy(name, name + kPresetNameSize, stored.begin() + offsetof(UnitImage, presetName));
  unit.SetStoredPreset(5, stored);
  Attach(static_cast<Transport>(c.transport));
  StartEditor();

  // The progress bar as each reply finds it, and at the end.
  std::vector<int> positions;
  BeforeEachDelivery([&] {
    const int p = fmProcess->ProgressBar->Position();
    if (positions.empty() || positions.back() != p) positions.push_back(p);
  });
  ASSERT_TRUE(WaitForRead());
  // The closing poll leaves after the last piece is handled.
  ASSERT_TRUE(Until([&] { return Requests().size() >= HandshakeAndRead().size(); }, "the closing poll"));

  std::vector<std::string> requests = Requests();
  requests.resize(HandshakeAndRead().size());
  EXPECT_THAT(requests, ElementsAreArray(HandshakeAndRead()));
  // Byte for byte: each request addressed to unit 1 as a whole frame.
  const auto frames = unit.Frames();
  EXPECT_EQ(frames[0].bytes, EditorFrame(CMD_CONNECT));
  EXPECT_EQ(frames[5].bytes, EditorFrame(CMD_READ_PRESET_NAME, 0));
  for (const SimUnitFrame& f : frames) EXPECT_TRUE(f.valid) << Describe(f);

  EXPECT_TRUE(ImageMatchesUnit());
  EXPECT_EQ(window->FCurrentPreset, 5);
  // Flags by index: slot 5 is flag 4.
  EXPECT_TRUE(window->UnitControl().IsPresetUsed(4));
  EXPECT_FALSE(window->UnitControl().IsPresetUsed(3));
  EXPECT_EQ(window->lbShowIp->Caption().toStdString(), c.port);
  EXPECT_TRUE(window->rzbMenuLink->Down());
  EXPECT_TRUE(window->rzbMenuLink->Enabled());
  EXPECT_FALSE(fmProcess->isVisible());
  EXPECT_FALSE(fmNetwork->isVisible());

  std::vector<int> expected{0};
  for (int p = 1; p <= 13; ++p) expected.push_back(p);
  expected.push_back(15);
  ASSERT_TRUE(Until([&] { return positions.back() == 15; }, "the last progress position"));
  EXPECT_THAT(positions, ElementsAreArray(expected));
}

INSTANTIATE_TEST_SUITE_P(Transports, FullRead,
                         ::testing::Values(TransportCase{"Tcp", 0, "IP : 192.168.1.101"},
                                           TransportCase{"Pty", 1, "COM3"}, TransportCase{"Hid", 2, "USB"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Level polls every 300 ms, each a replaceable 64 addressed to the unit; the meters and the
// limiter lamps follow the unit's levels.
TEST_F(ConnectionTest, LevelMetersFollowTheUnit) {
  std::array<float, 12> levels{};
  levels[0] = 1.0f;      // InA: full scale
  levels[1] = 0.1f;      // InB: -20 dB
  levels[kLevelOutputFirst + 0] = 0.1f;  // Out1
  levels[kLevelOutputFirst + 2] = 1.0f;  // Out3
  unit.SetLevels(levels, 0x05);          // Out1 and Out3 limiting
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  EXPECT_EQ(window->tmInLevelDet->GetInterval(), 300);
  // Out1's ratio at 1.0 keeps its lamp off; Out3's at 3 lights it. Set as the image display
  // sets them: a user's change would make Out3 the Comp page's output.
  {
    UpdatingScope updating(window->FUpdating);
    window->Find<TUpDown>("udCompRatioOut1")->SetPosition(0);
    window->Find<TUpDown>("udCompRatioOut3")->SetPosition(3);
  }

  const auto at = [&](const char* name) { return window->Find<LProgressBar>(name)->Position(); };
  ASSERT_TRUE(Until([&] { return at("pbLevelInA") == 9; }, "InA's meter full"));
  ASSERT_TRUE(Until([&] { return at("pbLimitCompOut3") == 1; }, "Out3's lamp lit"));
  const auto frames = unit.Frames();
  const auto polls = std::count_if(frames.begin(), frames.end(), [](const SimUnitFrame& f) { return f.Code() == CMD_LEVELS; });
  EXPECT_GE(polls, 1);
  for (const char* n : {"pbLevelInA", "pbLevelBackupInA", "pbLevelGateInA", "pbLevelGateIn"}) EXPECT_EQ(at(n), 9) << n;
  for (const char* n : {"pbLevelInB", "pbLevelBackupInB", "pbLevelGateInB"}) EXPECT_EQ(at(n), 5) << n;
  for (const char* n : {"pbLevelOut1", "pbLevelBackupOut1", "pbLevelCompOut1"}) EXPECT_EQ(at(n), 4) << n;
  for (const char* n : {"pbLevelOut3", "pbLevelBackupOut3", "pbLevelCompOut3"}) EXPECT_EQ(at(n), 8) << n;
  for (const char* n : {"pbLevelOut2", "pbLevelOut6"}) EXPECT_EQ(at(n), 0) << n;
  for (const char* n : {"pbLimitCompOut1", "pbLimitBackupOut1"}) EXPECT_EQ(at(n), 0) << n;
  EXPECT_EQ(at("pbLimitBackupOut3"), 1);
  // The Comp page shows output FCompChannel (Out1 at start).
  EXPECT_EQ(at("pbLevelCompOut"), 4);
  EXPECT_EQ(at("pbLimitCompOut"), 0);

  for (const SimUnitFrame& f : frames)
    if (f.Code() == CMD_LEVELS) EXPECT_EQ(f.bytes, EditorFrame(CMD_LEVELS));

  // Silence clears them on the next poll.
  unit.SetLevels({}, 0);
  ASSERT_TRUE(Until([&] { return at("pbLevelInA") == 0 && at("pbLimitCompOut3") == 0; }, "the meters dark"));
}

}  // namespace
