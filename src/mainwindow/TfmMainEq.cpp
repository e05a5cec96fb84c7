// The EQ band editor of the channel pages: the band table, the band select buttons, the
// three band faders with the keys of the band-frequency box, the "show all" switch, the EQ
// reset (through its confirmation dialog) and the whole-EQ bypass.
#include "TfmMain.h"

#include "CommandCode.h"
#include "ControlTexts.h"
#include "FPeqRst.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "McsCommands.h"
#include "MyPEQAllpass.h"
#include "Plot.h"
#include "QTable.h"
#include "UpdatingScope.h"
#include "ValueCodecs.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "RzBmpBtn.h"
#include "RzPanel.h"
#include "VrButtons.h"
#include "graphics/TColor.h"
#include "timer/TTimer.h"
#include "ui/TLabel.h"
#include "ui/VirtualKeys.h"


namespace {

// Band types whose Q is free (Peak, Allpass 1, Allpass 2); the others are limited to Q 3.0.
bool HasFreeQ(int type) { return type == 0 || type == 5 || type == 6; }
constexpr int kQIndex071 = 10;
constexpr int kQIndex3 = 35;
// The band table's Q corrections raise its change event once more; deeper nesting than a
// few levels can only come from a fault, and ends there instead of exhausting the stack.
constexpr int kMaxEqChangeDepth = 4;
using MainWindow::kBypassTextSize;
// Fader kinds of the pending band edit.
constexpr int kPendingFreq = 0, kPendingQ = 1, kPendingGain = 2;

using MainWindow::BandButtonName;

bool IsBand(const TMyPEQAllpass& table, int band) { return band >= 0 && band < table.GetChannelNumber(); }

}  // namespace

void TfmMain::CreateEqParts() {
  const auto timer = [this](void (TfmMain::*handler)(QObject*)) {
    auto* t = new TTimer(this);
    t->SetEnabled(false);
    t->SetInterval(1);
    t->SetOnTimer([this, handler](QObject* s) { (this->*handler)(s); });
    return t;
  };
  tmEqCurve = timer(&TfmMain::tmEqCurveTimer);
  tmHpLpCurve = timer(&TfmMain::tmHpLpCurveTimer);
  tmMouseEqCurve = timer(&TfmMain::tmMouseEqCurveTimer);
}

void TfmMain::RaiseBandButton(TRzBmpButton& button) {
  // The buttons of a channel form a radio group that a click never empties; the window
  // itself may.
  const bool allUp = button.AllowAllUp();
  button.SetAllowAllUp(true);
  button.SetDown(false);
  button.SetAllowAllUp(allUp);
}

// ---- drawing a band -----------------------------------------------------------------------

void TfmMain::DrawEqBand(int ch, int band, double freq, double gain, double q, int type, bool bypassed) {
  Plot* plot = GetPlot(ch);
  FilterCurve* curve = plot ? plot->Curve(band) : nullptr;
  if (!curve || !plot->View())
    return;
  if (bypassed)
    curve->SetFilter(0, freq, q, FilterCurveType::Flat);
  else
    curve->SetFilter(gain, freq, q, CurveTypeOfBand(type));
  plot->DrawBandMarker(band, float(gain), 1);
  plot->DrawParamCurve(type, band, float(gain), float(q), true);
  plot->DrawSum(ch);
  plot->View()->UpdateCurvePage();
}

bool TfmMain::SelectEqBand(int ch, int band) {
  const QString s = Suffix(ch);
  auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
  auto* label = Find<TCustomLabel>("lbFftParam" + s);
  Plot* plot = GetPlot(ch);
  if (!table || !label || !plot || !plot->View() || !IsBand(*table, band))
    return false;
  const double f = table->GetFreqValue(band);
  const double g = table->GetGainValue(band);
  const double q = table->GetQValue(band);
  const int t = table->GetTypeValue(band);
  table->SetNowIndex(band);
  ShowEqBand(ch, true, f, g, q);
  plot->DrawBandMarker(band, float(g), 1);
  plot->DrawParamCurve(t, band, float(g), float(q), true);
  plot->DrawSum(ch);
  plot->View()->UpdateCurvePage();
  label->SetVisible(true);
  return true;
}

// ---- band table ---------------------------------------------------------------------------

void TfmMain::peqPeqInAChange(TComponent* Sender) {
  if (FDragHandle != -1 || FEqChangeDepth >= kMaxEqChangeDepth)
    return;
  auto* table = dynamic_cast<TMyPEQAllpass*>(Sender);
  if (!table)
    return;
  const int ch = table->Tag();
  const QString s = Suffix(ch);
  const int b = table->GetNowIndex();
  if (s.isEmpty() || !IsBand(*table, b))
    return;
  auto* graph = Find<LMyFFTDrawPhase>("fftDraw" + s);
  auto* button = Find<TRzBmpButton>(BandButtonName(b, s));
  auto* label = Find<TCustomLabel>("lbFftParam" + s);
  if (!graph || !button || !label)
    return;
  ++FEqChangeDepth;
  struct Depth {
    int& depth;
    ~Depth() { --depth; }
  } depth{FEqChangeDepth};

  const double f = table->GetFreqValue(b);
  const double g = table->GetGainValue(b);
  const int t = table->GetTypeValue(b);
  const bool bypassed = table->GetBypassValue(b);
  // The Q rules compare Q indexes: a float Q of the table never equals the double of the
  // Q list, and a correction judged on values would raise the change event without end.
  int qIndex = table->QPosition(b);
  const PeqBandRecord held = FUnitControl->GetPeqBand(ch, b);
  const bool typeChanged = held.type != t;
  int corrected = qIndex;
  if (HasFreeQ(t)) {
    if (typeChanged)
      corrected = LUnitControl::GetDefaultPeqBand(ch, b).q;
  } else if (t >= 1 && t <= 4) {
    if (!typeChanged && qIndex > kQIndex3)
      corrected = kQIndex3;
    else if (typeChanged)
      corrected = kQIndex071;
  }
  if (corrected != qIndex) {
    qIndex = corrected;
    table->SetQValue(b, qIndex);
    // The table's change event has run this handler again with the corrected Q: it drew,
    // wrote and sent the band, so this run would only repeat the same command.
    if (FEqChangeDepth < kMaxEqChangeDepth)
      return;
  }
  const double q = QTableValue(qIndex);
  if (FUpdating)
    return;

  button->SetDown(true);
  table->SetNowIndex(b);
  DrawEqBand(ch, b, f, g, q, t, bypassed);
  FUnitControl->SetPeqBand(ch, b, std::uint16_t(GainToCode(g)), std::uint16_t(FreqToIndex(f)),
                           std::uint8_t(qIndex), std::uint8_t(t), bypassed ? 1 : 0);
  ShowEqBand(ch, true, f, g, q);
}

void TfmMain::peqPeqInAEditMouseDown(TComponent* Sender, TMouseButton, TShiftState, int, int) {
  auto* table = dynamic_cast<TMyPEQAllpass*>(Sender);
  if (!table)
    return;
  const int ch = table->Tag();
  const QString s = Suffix(ch);
  const int b = table->GetNowIndex();
  auto* button = Find<TRzBmpButton>(BandButtonName(b, s));
  auto* label = Find<TCustomLabel>("lbFftParam" + s);
  if (s.isEmpty() || !button || !label)
    return;
  button->SetDown(true);
  SelectEqBand(ch, b);
}

void TfmMain::peqPeqInAPeqTypeMouseWheel(TComponent*, TShiftState, int, QPoint, bool& Handled) { Handled = true; }

void TfmMain::rzbEq1InAClick(TComponent* Sender) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  if (!button)
    return;
  const int ch = button->GroupIndex() - 1;
  if (Suffix(ch).isEmpty() || !SelectEqBand(ch, button->Tag()))
    return;
  FocusEqFreqEdit(ch);
}

void TfmMain::FocusEqFreqEdit(int ch) {
  if (auto* box = Find<TCurvyEdit>("cvdEqFreq" + Suffix(ch)))
    box->SetFocus();
}

// ---- band faders and keys -----------------------------------------------------------------

void TfmMain::isEqFreqInAChange(TComponent* Sender) { BandFaderChange(Sender, kPendingFreq); }
void TfmMain::isEqBwInAChange(TComponent* Sender) { BandFaderChange(Sender, kPendingQ); }
void TfmMain::isEqGainInAChange(TComponent* Sender) { BandFaderChange(Sender, kPendingGain); }

void TfmMain::BandFaderChange(TComponent* Sender, int kind) {
  auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
  if (!bar || FUpdating)
    return;
  const int ch = bar->Tag();
  const QString s = Suffix(ch);
  static const char* const boxes[] = {"cvdEqFreq", "cvdEqBw", "cvdEqGain"};
  auto* box = Find<TCurvyEdit>(QLatin1String(boxes[kind]) + s);
  auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
  if (s.isEmpty() || !box || !table)
    return;
  if (kind == kPendingFreq) {
    const float f = float(IndexToFreq(bar->Position()));
    box->SetText(EqFreqText(f));
    FPendingFreq = f;
  } else if (kind == kPendingQ) {
    const int b = table->GetNowIndex();
    if (IsBand(*table, b) && !HasFreeQ(table->GetTypeValue(b)) && bar->Position() > kQIndex3)
      bar->SetPosition(kQIndex3);
    box->SetText(EqQText(bar->Position()));
    FPendingQ = float(bar->Position());
  } else {
    box->SetText(EqGainText(bar->Position()));
    FPendingGain = double(CodeToGain(bar->Position()));
  }
  FPendingCurveKind = kind;
  FPendingChannel = ch;
  tmEqCurve->SetEnabled(true);
}

void TfmMain::tmEqCurveTimer(QObject*) {
  tmEqCurve->SetEnabled(false);
  auto* table = Find<TMyPEQAllpass>("peqPeq" + Suffix(FPendingChannel));
  if (!table)
    return;
  const int b = table->GetNowIndex();
  if (!IsBand(*table, b))
    return;
  if (FPendingCurveKind == kPendingFreq)
    table->SetFreqValue(b, FPendingFreq);
  else if (FPendingCurveKind == kPendingQ)
    table->SetQValue(b, FPendingQ);
  else
    table->SetGainValue(b, FPendingGain);
}

void TfmMain::cvdEqFreqInAKeyDown(TComponent* Sender, unsigned short& Key, TShiftState) {
  auto* box = dynamic_cast<TCurvyEdit*>(Sender);
  if (!box)
    return;
  const QString s = Suffix(box->Tag());
  auto* freq = Find<TAdvTrackBar>("isEqFreq" + s);
  auto* q = Find<TAdvTrackBar>("isEqBw" + s);
  auto* gain = Find<TAdvTrackBar>("isEqGain" + s);
  if (s.isEmpty() || !freq || !q || !gain || !Find<TMyPEQAllpass>("peqPeq" + s) ||
      !Find<TCustomLabel>("lbFftParam" + s))
    return;
  switch (Key) {
    case VK_LEFT: freq->SetPosition(freq->Position() - 1); break;
    case VK_RIGHT: freq->SetPosition(freq->Position() + 1); break;
    case VK_ADD:
    case VK_OEM_PLUS: q->SetPosition(q->Position() + 1); break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: q->SetPosition(q->Position() - 1); break;
    case VK_UP: gain->SetPosition(gain->Position() + 1); break;
    case VK_DOWN: gain->SetPosition(gain->Position() - 1); break;
    default: break;  // Shift and every other key: nothing
  }
}

void TfmMain::cvdEqFreqInAExit(TComponent* Sender) {
  // The box only passes keys on; leaving it changes nothing.
  if (auto* box = dynamic_cast<TCurvyEdit*>(Sender))
    (void)Find<TCustomLabel>("lbFftParam" + Suffix(box->Tag()));
}

void TfmMain::vrbEqShowAllInAClick(TComponent* Sender) {
  auto* button = dynamic_cast<TVrPowerButton*>(Sender);
  if (!button)
    return;
  const QString s = Suffix(button->Tag());
  auto* graph = Find<LMyFFTDrawPhase>("fftDraw" + s);
  auto* frame = Find<TRzGroupBox>("rzgFft" + s);
  if (s.isEmpty() || !graph || !frame)
    return;
  graph->SetParameterDisplay(button->Active());
  graph->UpdateCurvePage();
  frame->update();
}

// ---- EQ reset and whole-EQ bypass ---------------------------------------------------------

void TfmMain::vrbEqResetInAClick(TComponent* Sender) {
  auto* button = dynamic_cast<TVrDemoButton*>(Sender);
  if (!button)
    return;
  // Made with the other dialogs at start; a window run without them makes its own.
  if (!fmPeqRst)
    fmPeqRst = new TfmPeqRst(this);
  fmPeqRst->OnResetEq = [this](int ch) { ResetEq(ch); };
  fmPeqRst->SetChannel(button->Tag());
  fmPeqRst->ShowModal();
}

void TfmMain::ResetEq(int ch) {
  const QString s = Suffix(ch);
  auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
  Plot* plot = GetPlot(ch);
  if (s.isEmpty() || !table || !plot)
    return;
  const int bands = ch < 2 ? 8 : 9;
  table->SetNowIndex(0);
  for (int b = bands - 1; b >= 0; --b) {
    const PeqBandRecord d = LUnitControl::GetDefaultPeqBand(ch, b);
    FUnitControl->SetPeqBand(ch, b, d.gain, d.frequency, d.q, d.type, 0);
    // A copy that the link's queue never replaces, whatever the updating flag.
    SendCmd(CM_MCS_PEQ(GetDeviceId(), ch, b, d.gain, d.frequency, d.q, d.type, 0), true);
    const double f = IndexToFreq(d.frequency);
    const double g = double(CodeToGain(d.gain));
    const double q = QTableValue(d.q);
    table->SetEqParamValue(b, f, d.q, g, d.type, false);
    if (FilterCurve* curve = plot->Curve(b))
      curve->SetFilter(g, f, q, CurveTypeOfBand(d.type));
    plot->DrawBandMarker(b, float(g), 1);
  }
}

void TfmMain::vrbEqBypassInAClick(TComponent* Sender) {
  auto* button = dynamic_cast<TVrDemoButton*>(Sender);
  if (!button)
    return;
  const int ch = button->Tag();
  auto* graph = Find<LMyFFTDrawPhase>("fftDraw" + Suffix(ch));
  if (Suffix(ch).isEmpty() || !graph)
    return;
  const int k = ch < 2 ? ch : ch - 2;
  const int count = ch < 2 ? 2 : 6;
  std::uint16_t word = FUnitControl->GetEqBypassWord(ch);
  const std::uint16_t group = GetLinkGroup(ch);
  const bool bypassedNow = (word >> k) & 1u;
  for (int i = 0; i < count; ++i) {
    if (!((group >> i) & 1u))
      continue;
    if (bypassedNow)
      word = std::uint16_t(word & ~(1u << i));
    else
      word = std::uint16_t(word | (1u << i));
  }
  graph->DrawTextA(graph->Width() / 3, graph->Height() / 4, kBypassTextSize, clBtnFace,
                   QStringLiteral("Times New Roman"), bypassedNow ? QString() : QStringLiteral("BYPASS"));
  FUnitControl->SetEqBypassWord(ch, word);
  graph->UpdateCurvePage();
  graph->update();
  SendCmd(CM_MCS_CMD(GetDeviceId(), CMD_EQ_BYPASS, ch, bypassedNow ? 0 : 1), false);
}

QString MainWindow::BandButtonName(int band, const QString& suffix) {
  return QStringLiteral("rzbEq%1").arg(band + 1) + suffix;
}
