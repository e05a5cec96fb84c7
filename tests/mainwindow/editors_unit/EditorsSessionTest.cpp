// One user session over every channel editor, by mouse and keyboard on the real window
// connected to the simulated unit over TCP: a gain, a delay in each unit, EQ bands by table,
// keys and drag, a cut slope, a typed compressor threshold, a gate attack by fader, routing,
// a link group, a copy and a name. The unit's image then equals the editor's byte for byte,
// and after a disconnect and a new connection the controls show the same values. Pictures
// of every page and of the editors' dialogs follow, in English and Simplified Chinese.
#include "ConnectionTestSupport.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "FChNameList.h"
#include "FChannelName.h"
#include "FCopy.h"
#include "FLinkSel.h"
#include "FPeqRst.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "MyPEQAllpass.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "TfmMain.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TMenu.h"

#include <QDir>
#include <QTest>

namespace {

class EditorsSessionTest : public ConnectionTest {
 protected:
  template <class T>
  T* Get(const QString& name) {
    auto* control = window->Find<T>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  void ClickOn(QWidget* w) {
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
  }
  void Page(const char* name) { ClickOn(Get<TRzBmpButton>(QLatin1String(name))); }
  // Types into a value box and presses Enter, as a user does.
  void Type(const QString& box, const QString& text) {
    auto* edit = Get<TCurvyEdit>(box);
    ASSERT_NE(edit, nullptr);
    edit->Edit()->setFocus();
    edit->Edit()->selectAll();
    QTest::keyClicks(edit->Edit(), text);
    QTest::keyClick(edit->Edit(), Qt::Key_Return);
  }
  void Keys(const QString& fader, Qt::Key key, int times) {
    auto* bar = Get<TAdvTrackBar>(fader);
    ASSERT_NE(bar, nullptr);
    for (int i = 0; i < times; ++i)
      QTest::keyClick(bar, key);
  }
  int Pos(const QString& fader) { return Get<TAdvTrackBar>(fader)->Position(); }
  QString Text(const QString& box) { return Get<TCurvyEdit>(box)->Text(); }
  // Waits until a re-read (if any) is shown and the unit's image equals the editor's. Each
  // editor's edits settle before the next one's, as a user's do: a waiting frame of the same
  // command is replaced by the newer one in the link's queue.
  ::testing::AssertionResult Settled(const char* what) {
    return Until([&] { return window->FRequestState == REQ_NONE && ImageMatchesUnit(); }, what);
  }
  void Grab(QWidget* widget, const QString& file) {
    QCoreApplication::processEvents();
    const QImage shot = widget->grab().toImage();
    EXPECT_FALSE(shot.isNull()) << file.toStdString();
    EXPECT_TRUE(shot.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(file))) << file.toStdString();
  }
  // A dialog as shown (its texts are set when it shows), grabbed and closed again.
  void GrabDialog(TForm* dialog, const QString& file) {
    ASSERT_NE(dialog, nullptr);
    dialog->Show();
    Grab(dialog, file);
    dialog->Hide();
  }

  // The values the session leaves, read back from the controls.
  struct Shown {
    int gain, delayOut1, delayInB, delayOut2, cutSlope, compThreshold, gateAttack;
    bool routed;
    QString name, out3Caption;
  };
  Shown Read() {
    return {Pos("isGainInA"),
            Pos("isDelayOut1"),
            Pos("isDelayInB"),
            Pos("isDelayOut2"),
            Get<TRzComboBox>("rzcHighCutSlopOut4")->ItemIndex(),
            Pos("isCompThresholdOut1"),
            Pos("isGateAttackInA"),
            Get<TRzBmpButton>("rzbBMatrixOut1")->Down(),
            Get<TCustomLabel>("lbMatrixChNameOut4")->Caption(),
            Get<TRzBmpButton>("rzbMenuOut3")->Caption()};
  }
};

TEST_F(EditorsSessionTest, EveryEditorReachesTheUnitAndAFreshReadShowsIt) {
  Attach(Transport::Tcp);
  StartEditor();
  ASSERT_TRUE(WaitForRead());
  LUnitControl& image = window->UnitControl();

  // A gain: two pages up on InA's fader.
  Page("rzbMenuGain");
  const int gain = Pos("isGainInA");
  Keys("isGainInA", Qt::Key_Down, 25);
  EXPECT_EQ(Pos("isGainInA"), gain - 25);
  ASSERT_TRUE(Settled("the gain")) << ImageMatchesUnit().message();

  // A delay in each unit.
  Page("rzbMenuDelay");
  ClickOn(Get<TRzBmpButton>("rzbUnit0"));
  Type("cvdDelayOut1", "2ms");
  ClickOn(Get<TRzBmpButton>("rzbUnit1"));
  Type("cvdDelayInB", "10");
  ClickOn(Get<TRzBmpButton>("rzbUnit2"));
  Type("cvdDelayOut2", "10ft");
  ASSERT_TRUE(Settled("the delays"));
  EXPECT_EQ(image.GetDelay(2), 192);
  EXPECT_NEAR(image.GetDelay(1), 2794, 1);  // 10 m, read again from "10.00m" when the box is left
  EXPECT_EQ(image.GetDelay(3), 851);
  EXPECT_EQ(image.GetDelayUnit(), 2);

  // An EQ band by the table, one by the frequency box's keys, one by drag.
  Page("rzbMenuOut2");
  ClickOn(Get<TRzBmpButton>("rzbEq2Out2"));
  Get<TMyPEQAllpass>("peqPeqOut2")->SetGainValue(1, -6.5);
  Page("rzbMenuInB");
  ClickOn(Get<TRzBmpButton>("rzbEq4InB"));
  const PeqBandRecord before = image.GetPeqBand(1, 3);
  QWidget* freqBox = Get<TCurvyEdit>("cvdEqFreqInB")->Edit();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up}) {
    QTest::keyClick(freqBox, key);
    ASSERT_TRUE(Until([&] { return !window->tmEqCurve->GetEnabled(); }, "band timer"));
  }
  EXPECT_EQ(image.GetPeqBand(1, 3).frequency, before.frequency + 1);
  EXPECT_EQ(image.GetPeqBand(1, 3).gain, before.gain + 1);
  ASSERT_TRUE(Settled("the EQ keys")) << ImageMatchesUnit().message();
  Page("rzbMenuOut1");
  auto* graph = Get<LMyFFTDrawPhase>("fftDrawOut1");
  const TPoint p = graph->GetBlockPos(5);
  const QPoint marker(p.X + 42, p.Y + 7);
  QTest::mousePress(graph, Qt::LeftButton, {}, marker);
  QTest::mouseMove(graph, marker + QPoint(40, -30));
  QTest::mouseRelease(graph, Qt::LeftButton, {}, marker + QPoint(40, -30));
  EXPECT_GT(image.GetPeqBand(2, 5).gain, 120);
  ASSERT_TRUE(Settled("the EQ bands")) << ImageMatchesUnit().message();

  // A cut slope.
  Page("rzbMenuOut4");
  auto* cutBypass = Get<TRzBmpButton>("rzbHighCutBypassOut4");
  if (cutBypass->Down())
    ClickOn(cutBypass);
  auto* slope = Get<TRzComboBox>("rzcHighCutSlopOut4");
  slope->SetItemIndex(9);
  slope->OnChange(slope);
  EXPECT_EQ(image.GetCrossover(5).lowPassSlope, 10);
  ASSERT_TRUE(Settled("the cut")) << ImageMatchesUnit().message();

  // A typed compressor threshold and a gate attack by its fader.
  Page("rzbMenuComp");
  Type("cvdCompThresholdOut1", "-12.5");
  EXPECT_EQ(image.GetComp(2).threshold, 180 - 25);
  ASSERT_TRUE(Settled("the compressor")) << ImageMatchesUnit().message();
  Page("rzbMenuGate");
  const int attack = Pos("isGateAttackInA");
  Keys("isGateAttackInA", Qt::Key_PageUp, 3);
  EXPECT_EQ(Pos("isGateAttackInA"), attack + 30);
  EXPECT_EQ(Text("cvdGateAttackInA"), QString::number(attack + 31) + QStringLiteral("ms"));

  // Routing: Out1 takes InB too.
  Page("rzbMenuMatrix");
  ClickOn(Get<TRzBmpButton>("rzbBMatrixOut1"));
  ASSERT_TRUE(Settled("edits up to the routing")) << ImageMatchesUnit().message();
  EXPECT_EQ(image.GetMatrix(2), 3);

  // A link group from the menu's link dialog: Out3 follows Out1 (the unit copies Out1 onto
  // Out3 and is read again).
  WhenShown(*fmLinkSel, [this] {
    ClickOn(fmLinkSel->GridButton(4, 2));
    ClickOn(fmLinkSel->bnSet);
  });
  window->Link->Click();
  ASSERT_TRUE(Settled("the link group"));
  EXPECT_EQ(image.GetLinkMask(2), 5);
  EXPECT_EQ(image.GetDelay(4), 192);

  // Out4 copied onto Out5 with the menu's copy dialog.
  WhenShown(*fmCopy, [this] {
    fmCopy->cbOutSource->SetItemIndex(3);
    fmCopy->cbOutDestination->SetItemIndex(4);
    ClickOn(fmCopy->bnOutChCopy);
    QTest::keyClick(fmCopy, Qt::Key_Escape);
  });
  window->Copy->Click();
  ASSERT_TRUE(Settled("the copy"));
  EXPECT_EQ(image.GetCrossover(6).lowPassSlope, 10);

  // A name, from the Matrix page's name label.
  bool named = false;
  WhenShown(*fmChannelName, [&named] {
    named = true;
    fmChannelName->edName->SelectAll();
    QTest::keyClicks(fmChannelName->edName->Field(), QStringLiteral("Sub"));
    EXPECT_EQ(fmChannelName->edName->Text(), QStringLiteral("Sub"));
    QTest::keyClick(fmChannelName->edName->Field(), Qt::Key_Return);
  });
  ClickOn(Get<TCustomLabel>("lbMatrixChNameOut4"));
  ASSERT_TRUE(Until([&] { return named && !fmChannelName->isVisible(); }, "the name dialog"));
  ASSERT_TRUE(Settled("every edit"));
  EXPECT_EQ(Get<TCustomLabel>("lbMatrixChNameOut4")->Caption(), QStringLiteral("Sub"));

  const Shown edited = Read();
  const ByteArray edits = image.SerialiseImage();

  // Disconnect, connect again: a fresh read of the unit shows the same.
  ClickOn(window->rzbMenuLink);
  ASSERT_TRUE(Until([&] { return !window->HasLink(); }, "the disconnect"));
  ClickOn(window->rzbMenuLink);
  ASSERT_TRUE(WaitForRead());
  ASSERT_TRUE(Settled("the fresh read"));
  EXPECT_EQ(image.SerialiseImage(), edits);
  const Shown read = Read();
  EXPECT_EQ(read.gain, edited.gain);
  EXPECT_EQ(read.delayOut1, edited.delayOut1);
  EXPECT_EQ(read.delayInB, edited.delayInB);
  EXPECT_EQ(read.delayOut2, edited.delayOut2);
  EXPECT_EQ(read.cutSlope, edited.cutSlope);
  EXPECT_EQ(read.compThreshold, edited.compThreshold);
  EXPECT_EQ(read.gateAttack, edited.gateAttack);
  EXPECT_EQ(read.routed, edited.routed);
  EXPECT_EQ(read.name, QStringLiteral("Sub"));
  EXPECT_EQ(read.out3Caption, QStringLiteral("3=1"));
  EXPECT_EQ(Text("cvdDelayOut2"), QStringLiteral("9.990ft"));
  EXPECT_EQ(Text("cvdCompThresholdOut1"), QStringLiteral("-12.5dB"));

  // Pictures of every page and of the editors' dialogs, in both languages.
  for (const bool chinese : {false, true}) {
    if (chinese)
      window->ChineseSimplified->Click();
    const QString lang = chinese ? QStringLiteral("zh") : QStringLiteral("en");
    for (const char* page : {"InA", "InB", "Out1", "Out2", "Out3", "Out4", "Out5", "Out6", "Gain", "Delay",
                             "Comp", "Gate", "Matrix"}) {
      Page(QByteArray("rzbMenu").append(page).constData());
      Grab(window, QStringLiteral("session_%1_%2.png").arg(QLatin1String(page), lang));
    }
    GrabDialog(fmLinkSel, QStringLiteral("session_dialog_link_%1.png").arg(lang));
    GrabDialog(fmCopy, QStringLiteral("session_dialog_copy_%1.png").arg(lang));
    fmChannelName->SetChannel(5);
    GrabDialog(fmChannelName, QStringLiteral("session_dialog_name_%1.png").arg(lang));
    GrabDialog(fmChNameList, QStringLiteral("session_dialog_namelist_%1.png").arg(lang));
    fmPeqRst->SetChannel(2);
    GrabDialog(fmPeqRst, QStringLiteral("session_dialog_eqreset_%1.png").arg(lang));
  }
}

}  // namespace
