// The Comp and Gate pages against the simulated unit: a compressor threshold typed and a gate
// attack moved by its fader reach the unit, whose image then equals the editor's byte for
// byte.
#include "ConnectionTestSupport.h"

#include "AdvTrackBar.h"
#include "CommandCode.h"
#include "CurvyControls.h"
#include "LUnitControl.h"
#include "TfmMain.h"

#include <QTest>

#include <algorithm>

namespace {

TEST_F(ConnectionTest, TypedThresholdAndGateFaderReachTheUnit) {
  unit.SetImage(PatternImage());
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  const auto count = [&](std::uint8_t code) {
    const auto frames = unit.Frames();
    return std::count_if(frames.begin(), frames.end(), [code](const SimUnitFrame& f) { return f.Code() == code; });
  };

  auto* box = window->Find<TCurvyEdit>(QStringLiteral("cvdCompThresholdOut3"));
  ASSERT_NE(box, nullptr);
  box->SetText(QStringLiteral("-12.5dB"));
  QTest::keyClick(box->Edit(), Qt::Key_Return);
  EXPECT_EQ(box->Text().toStdString(), "-12.5dB");
  ASSERT_TRUE(Until([&] { return count(CMD_COMP) == 1; }, "the compressor record"));

  auto* attack = window->Find<TAdvTrackBar>(QStringLiteral("isGateAttackInB"));
  ASSERT_NE(attack, nullptr);
  attack->SetPosition(attack->Position() == 249 ? 250 : 249);
  ASSERT_TRUE(Until([&] { return count(CMD_GATE) == 1; }, "the gate record"));

  ASSERT_TRUE(Until([&] { return ImageMatchesUnit(); }, "the unit's image equal to the editor's"));
  EXPECT_EQ(window->UnitControl().GetComp(4).threshold, 180 - 25);
  EXPECT_EQ(window->UnitControl().GetGate(1).attack, attack->Position());
  for (const SimUnitFrame& f : unit.Frames()) EXPECT_TRUE(f.valid) << Describe(f);
}

}  // namespace
