// The EQ editor end to end: bands edited by the table, by the keys of the band-frequency box
// and by dragging a marker, and a cut slope, reach the simulated unit; its image then equals
// the editor's byte for byte.
#include "ConnectionTestSupport.h"

#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "MyPEQAllpass.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "CurvyControls.h"
#include "TfmMain.h"

#include <QTest>

namespace {

TEST_F(ConnectionTest, EqEditsLeaveTheUnitsImageEqualToTheEditors) {
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  LUnitControl& image = window->UnitControl();

  // A band by the table.
  auto* table = window->Find<TMyPEQAllpass>(QStringLiteral("peqPeqOut2"));
  ASSERT_NE(table, nullptr);
  window->Find<TRzBmpButton>(QStringLiteral("rzbEq2Out2"))->Click();
  table->SetGainValue(1, -6.5);
  table->SetTypeValue(1, 2);
  ASSERT_TRUE(Until([&] { return ImageMatchesUnit(); }, "table edit on the unit"));
  EXPECT_EQ(image.GetPeqBand(3, 1).gain, 55);
  EXPECT_EQ(image.GetPeqBand(3, 1).q, 10);

  // A band by keys: one grid step up, one Q step down, 0.1 dB up.
  window->Find<TRzBmpButton>(QStringLiteral("rzbEq4InB"))->Click();
  const PeqBandRecord before = image.GetPeqBand(1, 3);
  QWidget* box = window->Find<TCurvyEdit>(QStringLiteral("cvdEqFreqInB"))->Edit();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Minus, Qt::Key_Up}) {
    QTest::keyClick(box, key);
    ASSERT_TRUE(Until([&] { return !window->tmEqCurve->GetEnabled(); }, "band timer"));
  }
  ASSERT_TRUE(Until([&] { return ImageMatchesUnit(); }, "key edits on the unit"));
  const PeqBandRecord after = image.GetPeqBand(1, 3);
  EXPECT_EQ(after.frequency, before.frequency + 1);
  EXPECT_EQ(after.q, before.q - 1);
  EXPECT_EQ(after.gain, before.gain + 1);

  // A band by drag on Out1's graph.
  window->Find<TRzBmpButton>(QStringLiteral("rzbMenuOut1"))->Click();
  auto* graph = window->Find<LMyFFTDrawPhase>(QStringLiteral("fftDrawOut1"));
  ASSERT_NE(graph, nullptr);
  const TPoint p = graph->GetBlockPos(5);
  const QPoint marker(p.X + 42, p.Y + 7);
  QTest::mousePress(graph, Qt::LeftButton, {}, marker);
  ASSERT_EQ(window->FDragHandle, 5);
  QTest::mouseMove(graph, marker + QPoint(40, -30));
  QTest::mouseRelease(graph, Qt::LeftButton, {}, marker + QPoint(40, -30));
  EXPECT_GT(image.GetPeqBand(2, 5).gain, 120);

  // A cut slope.
  auto* bypass = window->Find<TRzBmpButton>(QStringLiteral("rzbHighCutBypassOut4"));
  auto* slope = window->Find<TRzComboBox>(QStringLiteral("rzcHighCutSlopOut4"));
  bypass->SetDown(false);
  slope->SetItemIndex(9);
  slope->OnChange(slope);
  EXPECT_EQ(image.GetCrossover(5).lowPassSlope, 10);

  ASSERT_TRUE(Until([&] { return ImageMatchesUnit(); }, "every edit on the unit"));
}

}  // namespace
