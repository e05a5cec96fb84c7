// A user's edits of delay (in ms, m and ft), routing, a link group, a copy and a name,
// made on the real window connected to the simulated unit over TCP: afterwards the unit's
// image equals the editor's byte for byte, and a fresh read shows the same values.
#include "ConnectionTestSupport.h"

#include "AdvTrackBar.h"
#include "CommandCode.h"
#include "CurvyControls.h"
#include "FChannelName.h"
#include "FCopy.h"
#include "FLinkSel.h"
#include "LUnitControl.h"
#include "RzBmpBtn.h"
#include "TfmMain.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"

namespace {

class ChannelEditsUnitTest : public ConnectionTest {
 protected:
  void Type(const QString& box, const QString& text) {
    auto* edit = window->Find<TCurvyEdit>(box);
    ASSERT_NE(edit, nullptr);
    edit->SetText(text);
    TKey enter = 13;
    edit->OnKeyDown(edit, enter, 0);
  }
  void Press(TRzBmpButton* b) {
    ASSERT_NE(b, nullptr);
    b->SetDown(!b->Down());
    b->OnClick(b);
  }
  void Unit(int unit) {
    auto* b = window->Find<TRzBmpButton>(QStringLiteral("rzbUnit%1").arg(unit));
    b->SetDown(true);
    b->OnClick(b);
  }
  // Waits until a re-read (if any) is shown and the unit's image equals the editor's, so
  // the editor's values below are the unit's too.
  ::testing::AssertionResult Settled(const char* what) {
    return Until([&] { return window->FRequestState == REQ_NONE && ImageMatchesUnit(); }, what);
  }
  int Delay(int ch) { return window->Find<TAdvTrackBar>("isDelay" + TfmMain::Suffix(ch))->Position(); }
};

TEST_F(ChannelEditsUnitTest, EditsReachTheUnitByteForByte) {
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());

  Unit(0);
  Type("cvdDelayOut1", "2ms");
  Unit(1);
  Type("cvdDelayInB", "10");
  Unit(2);
  Type("cvdDelayOut2", "10ft");
  Press(window->Find<TRzBmpButton>("rzbBMatrixOut1"));
  ASSERT_TRUE(Settled("delays and routing"));
  EXPECT_EQ(window->UnitControl().GetDelay(2), 192);
  EXPECT_EQ(window->UnitControl().GetDelay(1), 2794);
  EXPECT_EQ(window->UnitControl().GetDelay(3), 851);
  EXPECT_EQ(window->UnitControl().GetDelayUnit(), 2);
  EXPECT_EQ(window->UnitControl().GetMatrix(2), 3);

  // Out3 follows Out1: the unit copies Out1 onto Out3, stores both masks, and is read again.
  Press(fmLinkSel->GridButton(4, 2));
  fmLinkSel->bnSetClick(fmLinkSel->bnSet);
  ASSERT_TRUE(Settled("the link group"));
  EXPECT_EQ(window->UnitControl().GetLinkMask(2), 5);
  EXPECT_EQ(window->UnitControl().GetLinkMask(4), 0);
  EXPECT_EQ(window->UnitControl().GetDelay(4), 192) << "Out1's settings copied onto Out3";
  EXPECT_EQ(window->Find<TRzBmpButton>("rzbMenuOut3")->Caption(), "3=1");
  // Moving Out3 now moves Out1 too.
  window->Find<TAdvTrackBar>("isDelayOut3")->SetPosition(4800);
  ASSERT_TRUE(Settled("the linked delay"));
  EXPECT_EQ(window->UnitControl().GetDelay(2), 4800);

  // Out4 copied onto Out5 with the copy dialog.
  fmCopy->cbOutSource->SetItemIndex(3);
  fmCopy->cbOutDestination->SetItemIndex(4);
  fmCopy->bnInChCopyClick(fmCopy->bnOutChCopy);
  ASSERT_TRUE(Settled("the copy"));

  fmChannelName->SetChannel(5);
  fmChannelName->edName->SetText("Sub");
  fmChannelName->btnOKClick(fmChannelName->btnOK);
  ASSERT_TRUE(Settled("the name"));
  EXPECT_EQ(window->Find<TCustomLabel>("lbMatrixChNameOut4")->Caption(), "Sub");

  // A fresh read of the whole unit shows the same values.
  window->ApplyLinks();
  ASSERT_TRUE(Settled("the fresh read"));
  EXPECT_EQ(Delay(2), 4800);
  EXPECT_EQ(Delay(4), 4800);
  EXPECT_EQ(Delay(1), 2794);
  EXPECT_EQ(window->Find<TCurvyEdit>("cvdDelayOut2")->Text(), QStringLiteral("9.990ft"));
  EXPECT_TRUE(window->Find<TRzBmpButton>("rzbBMatrixOut1")->Down());
  EXPECT_EQ(window->Find<TCustomLabel>("lbMatrixChNameOut4")->Caption(), "Sub");
  EXPECT_TRUE(ImageMatchesUnit());
}

}  // namespace
