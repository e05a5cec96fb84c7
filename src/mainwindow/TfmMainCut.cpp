// The high- and low-cut panels of the channel pages: frequency faders, slope boxes and
// bypass buttons. The low-cut panel drives the channel's high-pass filter, the high-cut
// panel its low-pass filter.
#include "TfmMain.h"

#include "ControlTexts.h"
#include "CutCurve.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "Plot.h"
#include "ValueCodecs.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "timer/TTimer.h"

namespace {

using MainWindow::kCutBase;
// The graph's text kind of a cut marker: the frequency only.
constexpr int kCutTextKind = 5;

QString Stem(bool lowCut) { return lowCut ? QStringLiteral("LowCut") : QStringLiteral("HighCut"); }
int Kind(bool lowCut) { return lowCut ? kCutHighPass : kCutLowPass; }
int ResultSlot(bool lowCut) { return lowCut ? kCutBase : kCutBase + 1; }

// The half of the crossover record a panel drives.
void SetHalf(CrossoverRecord& rec, bool lowCut, int frequencyIndex, int slope) {
  if (lowCut) {
    rec.highPassFrequency = std::uint16_t(frequencyIndex);
    rec.highPassSlope = std::uint8_t(slope);
  } else {
    rec.lowPassFrequency = std::uint16_t(frequencyIndex);
    rec.lowPassSlope = std::uint8_t(slope);
  }
}

}  // namespace

int TfmMain::CutSlope(int ch, bool lowCut) const {
  const QString s = Suffix(ch);
  auto* bypass = Find<TRzBmpButton>("rzb" + Stem(lowCut) + "Bypass" + s);
  auto* slope = Find<TRzComboBox>("rzc" + Stem(lowCut) + "Slop" + s);
  if (!bypass || !slope || bypass->Down())
    return 0;
  return slope->ItemIndex() + 1;
}

void TfmMain::isLowCutFreqInAChange(TComponent* Sender) { CutFreqChange(Sender, true); }
void TfmMain::isHighCutFreqInAChange(TComponent* Sender) { CutFreqChange(Sender, false); }

void TfmMain::CutFreqChange(TComponent* Sender, bool lowCut) {
  if (FUpdating)
    return;
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (!bar)
    return;
  const int ch = bar->Tag();
  const QString s = Suffix(ch);
  auto* box = Find<TCurvyEdit>("cvd" + Stem(lowCut) + "Freq" + s);
  if (s.isEmpty() || !box || !Find<TRzComboBox>("rzc" + Stem(lowCut) + "Slop" + s) ||
      !Find<TRzBmpButton>("rzb" + Stem(lowCut) + "Bypass" + s))
    return;
  const int position = bar->Position();
  const float f = float(IndexToFreq(position));
  box->SetText(EqFreqText(f));
  const int slope = CutSlope(ch, lowCut);
  CrossoverRecord rec = FUnitControl->GetCrossover(ch);
  SetHalf(rec, lowCut, position, slope);
  FPendingChannel = ch;
  FPendingFreq = f;
  FPendingSlope = slope;
  FPendingCurveKind = Kind(lowCut);
  tmHpLpCurve->SetEnabled(true);
  if (lowCut)
    FUnitControl->SetHighPass(ch, rec);
  else
    FUnitControl->SetLowPass(ch, rec);
}

void TfmMain::rzcLowCutSlopInAChange(TComponent* Sender) {
  if (auto* box = dynamic_cast<TRzComboBox*>(Sender))
    CutPanelChange(box->Tag(), true);
}

void TfmMain::rzcHighCutSlopInAChange(TComponent* Sender) {
  if (auto* box = dynamic_cast<TRzComboBox*>(Sender))
    CutPanelChange(box->Tag(), false);
}

void TfmMain::rzbLowCutBypassInAClick(TComponent* Sender) {
  if (auto* button = dynamic_cast<TRzBmpButton*>(Sender))
    CutPanelChange(button->Tag(), true);
}

void TfmMain::rzbHighCutBypassInAClick(TComponent* Sender) {
  if (auto* button = dynamic_cast<TRzBmpButton*>(Sender))
    CutPanelChange(button->Tag(), false);
}

void TfmMain::CutPanelChange(int ch, bool lowCut) {
  const QString s = Suffix(ch);
  auto* bar = Find<TAdvTrackBar>("is" + Stem(lowCut) + "Freq" + s);
  Plot* plot = GetPlot(ch);
  if (s.isEmpty() || !bar || !Find<TRzComboBox>("rzc" + Stem(lowCut) + "Slop" + s) ||
      !Find<TRzBmpButton>("rzb" + Stem(lowCut) + "Bypass" + s) || !plot || !plot->View())
    return;
  const int slope = CutSlope(ch, lowCut);
  CrossoverRecord rec = FUnitControl->GetCrossover(ch);
  SetHalf(rec, lowCut, bar->Position(), slope);
  // Drawn at once, even while updating; only the command waits for a clear flag.
  CalcCutCurve(Kind(lowCut), slope, IndexToFreq(bar->Position()), kCutBase, ch);
  plot->DrawParamCurve(kCutTextKind, ResultSlot(lowCut), 0, 0, true);
  plot->DrawSum(ch);
  plot->View()->UpdateCurvePage();
  if (FUpdating)
    return;
  if (lowCut)
    FUnitControl->SetHighPass(ch, rec);
  else
    FUnitControl->SetLowPass(ch, rec);
}

void TfmMain::rzcLowCutSlopInAMouseWheel(TComponent*, TShiftState, int, QPoint, bool& Handled) { Handled = true; }
void TfmMain::rzcHighCutSlopInAMouseWheel(TComponent*, TShiftState, int, QPoint, bool& Handled) { Handled = true; }

void TfmMain::tmHpLpCurveTimer(QObject*) {
  tmHpLpCurve->SetEnabled(false);
  Plot* plot = GetPlot(FPendingChannel);
  if (FPendingChannel < 0 || FPendingChannel >= kChannels || !plot || !plot->View())
    return;
  const bool lowCut = FPendingCurveKind == kCutHighPass;
  CalcCutCurve(FPendingCurveKind, FPendingSlope, FPendingFreq, kCutBase, FPendingChannel);
  plot->DrawParamCurve(kCutTextKind, ResultSlot(lowCut), 0, 0, true);
  plot->DrawSum(FPendingChannel);
  plot->View()->UpdateCurvePage();
}
