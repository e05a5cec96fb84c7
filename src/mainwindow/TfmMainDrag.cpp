// Dragging on a channel's response graph: a band marker moves its band in frequency and
// gain, the "HPF" and "LPF" markers move the channel's high- and low-pass frequency. A press
// selects the band; each drag step writes and sends at once, the graph follows from a 1 ms
// timer.
#include "TfmMain.h"

#include "ControlTexts.h"
#include "CutCurve.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "MyPEQAllpass.h"
#include "ValueCodecs.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "graphics/TColor.h"
#include "timer/TTimer.h"
#include "ui/TLabel.h"

#include <algorithm>
#include <cmath>

namespace {

using MainWindow::kNoBand;
constexpr int kHandleCount = 36;
constexpr int kHighPassHandle = 10;
constexpr int kLowPassHandle = 11;
// The curve page's place in the pane.
constexpr int kPlotLeft = 42, kPlotTop = 7;
// A handle is hit within this many pixels sideways and dB in level.
constexpr int kHitPixels = 5;
constexpr int kHitLevel = 2;
constexpr double kMaxDragGain = 12.0;
constexpr double kMinDragFreq = 19.7, kMaxDragFreq = 20160.0;
constexpr double kSampleRate = 48000.0, kAxisPoints = 4096.0;

// The pane's mapping from pointer pixels to the plot; invalid while the plot has no area or
// an axis has no span, so that nothing is divided by zero.
struct PaneMap {
  double w = 0, h = 0, xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  bool valid = false;

  explicit PaneMap(const LMyFFTDrawPhase& graph)
      : w(graph.GetPlotWidth()), h(graph.GetPlotHeight()), xMin(graph.XMin()), xMax(graph.XMax()),
        yMin(graph.YMin()), yMax(graph.YMax()) {
    valid = w > 0 && h > 0 && xMax != xMin && yMax != yMin && std::isfinite(xMin) && std::isfinite(xMax) &&
            std::isfinite(yMin) && std::isfinite(yMax);
  }
  // The axis point under the pointer's x.
  double AxisX(int x) const { return xMin + (x - kPlotLeft) / w * (xMax - xMin); }
  // The pointer's x in plot pixels, scaled (mapping to the axis and back is the identity;
  // done in whole pixels, so that rounding cannot move a pointer off a marker).
  static int PlotX(int x, double scale) { return int(std::trunc((x - kPlotLeft) * scale)); }
  // Minus the dB value under the pointer's y.
  double Level(int y) const { return (y - kPlotTop) / h * (yMax - yMin) + yMin; }
  // The level distance of a handle at `gain` dB from the pointer's y.
  int LevelDistance(int y, double gain) const {
    const double n = -gain;
    double yv = std::trunc((y - kPlotTop) / h * (yMax - yMin)) + yMin;
    if (n > 0)
      yv += 1;
    return int(std::trunc(std::fabs(yv - n)));
  }
};

using MainWindow::BandButtonName;

// Handles that can be hit: the channel's band markers and the two cut markers, each only
// once the graph has drawn it.
bool Grabbable(const LMyFFTDrawPhase& graph, const TMyPEQAllpass& table, int h) {
  const bool handle = h < table.GetChannelNumber() || h == kHighPassHandle || h == kLowPassHandle;
  const auto& block = graph.Block(h);
  return handle && block.kind != 0 && !block.hidden;
}

double HandleLevel(const TMyPEQAllpass& table, int h) { return h < kHighPassHandle ? table.GetGainValue(h) : 0.0; }

void SetFontColour(TCurvyEdit& box, TColor colour) {
  TFont font = box.Font();
  font.SetColor(colour);
  box.SetFont(font);
}

}  // namespace

void TfmMain::fftDrawInAMouseDown(TComponent* Sender, TMouseButton Button, TShiftState, int X, int Y) {
  FDragHandle = -1;
  auto* graph = dynamic_cast<LMyFFTDrawPhase*>(Sender);
  const int ch = GraphChannel(Sender);
  if (!graph || ch < 0 || Button != mbLeft)
    return;
  const QString s = Suffix(ch);
  auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
  const PaneMap map(*graph);
  if (!table || !map.valid)
    return;
  const int px = map.PlotX(X, 1.0);
  for (int h = kHandleCount - 1; h >= 0; --h) {
    if (!Grabbable(*graph, *table, h))
      continue;
    if (std::abs(px - graph->GetBlockPos(h).X) >= kHitPixels ||
        map.LevelDistance(Y, HandleLevel(*table, h)) >= kHitLevel)
      continue;
    FDragHandle = h;
    auto* button = h < kHighPassHandle ? Find<TRzBmpButton>(BandButtonName(h, s)) : nullptr;
    if (!button)
      return;
    button->SetDown(true);
    button->Click();
  }
}

void TfmMain::fftDrawInAMouseMove(TComponent* Sender, TShiftState, int X, int Y) {
  if (X == FLastMoveX && Y == FLastMoveY)
    return;
  FLastMoveX = X;
  FLastMoveY = Y;
  auto* graph = dynamic_cast<LMyFFTDrawPhase*>(Sender);
  const int ch = GraphChannel(Sender);
  if (!graph || ch < 0)
    return;
  const double scale = graph->logicalDpiX() == 96 ? 1.5 : 1.0;
  auto* table = Find<TMyPEQAllpass>("peqPeq" + Suffix(ch));
  const PaneMap map(*graph);
  if (!table || !map.valid)
    return;

  if (FDragHandle == -1) {
    TCursor cursor = crDefault;
    const int px = map.PlotX(X, scale);
    for (int h = kHandleCount - 1; h >= 0; --h) {
      if (!Grabbable(*graph, *table, h))
        continue;
      const int hx = int(std::trunc(graph->GetBlockPos(h).X * scale));
      if (std::abs(px - hx) < kHitPixels && map.LevelDistance(Y, HandleLevel(*table, h)) < kHitLevel) {
        cursor = crCross;
        break;
      }
    }
    graph->SetCursor(cursor);
    return;
  }

  const double level = std::clamp(map.Level(Y), -kMaxDragGain, kMaxDragGain);
  const double gain = std::trunc(-level * 10) * 0.1;
  double freq = std::pow(kSampleRate, map.AxisX(X) / kAxisPoints);
  freq = IndexToFreq(FreqToIndex(freq));
  if (!(freq >= 19.6))
    freq = kMinDragFreq;
  else if (freq > kMaxDragFreq)
    freq = kMaxDragFreq;

  if (FDragHandle < kHighPassHandle)
    DragBand(ch, FDragHandle, freq, gain);
  else
    DragCut(ch, FDragHandle == kHighPassHandle, freq);
}

void TfmMain::DragBand(int ch, int h, double freq, double gain) {
  const QString s = Suffix(ch);
  auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
  auto* button = Find<TRzBmpButton>(BandButtonName(h, s));
  if (!table || !button || !Find<TCustomLabel>("lbFftParam" + s))
    return;
  const double q = table->GetQValue(h);
  const int qIndex = table->QPosition(h);
  const int type = table->GetTypeValue(h);
  // The table's change events return at once while a handle is dragged.
  table->SetFreqValue(h, freq);
  table->SetGainValue(h, gain);
  button->SetDown(true);
  const bool bypassed = table->GetBypassValue(h);
  FPendingChannel = ch;
  FPendingFreq = float(freq);
  FPendingGain = gain;
  FPendingQ = float(q);
  FPendingType = type;
  FPendingBand = h;
  FPendingBypass = bypassed ? 1 : 0;
  tmMouseEqCurve->SetEnabled(true);
  table->SetNowIndex(h);
  FUnitControl->SetPeqBand(ch, h, std::uint16_t(GainToCode(gain)),
                           std::uint16_t(std::min(FreqToIndex(freq), kFreqIndexMax)), std::uint8_t(qIndex),
                           std::uint8_t(type), bypassed ? 1 : 0);
}

void TfmMain::DragCut(int ch, bool lowCut, double freq) {
  const QString s = Suffix(ch);
  const QString stem = lowCut ? QStringLiteral("LowCut") : QStringLiteral("HighCut");
  auto* box = Find<TCurvyEdit>("cvd" + stem + "Freq" + s);
  auto* bar = Find<TAdvTrackBar>("is" + stem + "Freq" + s);
  if (!box || !bar || !Find<TRzBmpButton>("rzb" + stem + "Bypass" + s) || !Find<TRzComboBox>("rzc" + stem + "Slop" + s))
    return;
  box->SetText(EqFreqText(freq));
  // The fader's own handler shows, redraws and sends the new frequency.
  bar->SetPosition(FreqToIndex(freq));
  FPendingChannel = ch;
  FPendingFreq = float(freq);
  FPendingSlope = CutSlope(ch, lowCut);
  FPendingCurveKind = lowCut ? kCutHighPass : kCutLowPass;
  tmHpLpCurve->SetEnabled(true);
  CrossoverRecord rec = FUnitControl->GetCrossover(ch);
  if (lowCut) {
    rec.highPassFrequency = std::uint16_t(bar->Position());
    FUnitControl->SetHighPass(ch, rec);
  } else {
    rec.lowPassFrequency = std::uint16_t(bar->Position());
    FUnitControl->SetLowPass(ch, rec);
  }
  // A cut drag leaves no band selected on the buttons.
  auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
  const int current = table ? table->GetNowIndex() : kNoBand;
  if (table && current != kNoBand && current >= 0) {
    auto* button = Find<TRzBmpButton>(BandButtonName(current, s));
    if (!button)
      return;
    table->SetNowIndex(-1);
    RaiseBandButton(*button);
  }
  SetFontColour(*box, clGreen);
}

void TfmMain::fftDrawInAMouseUp(TComponent* Sender, TMouseButton, TShiftState, int, int) {
  const int ch = GraphChannel(Sender);
  if (ch < 0)
    return;
  const QString s = Suffix(ch);
  auto* low = Find<TCurvyEdit>("cvdLowCutFreq" + s);
  if (!low)
    return;
  SetFontColour(*low, clBlack);
  auto* high = Find<TCurvyEdit>("cvdHighCutFreq" + s);
  if (!high)
    return;
  SetFontColour(*high, clBlack);
  FDragHandle = -1;
}

void TfmMain::tmMouseEqCurveTimer(QObject*) {
  tmMouseEqCurve->SetEnabled(false);
  const int ch = FPendingChannel;
  ShowEqBand(ch, true, FPendingFreq, FPendingGain, FPendingQ);
  FocusEqFreqEdit(ch);
  if (auto* label = Find<TCustomLabel>("lbFftParam" + Suffix(ch))) {
    label->SetVisible(true);
    DrawEqBand(ch, FPendingBand, FPendingFreq, FPendingGain, FPendingQ, FPendingType, FPendingBypass != 0);
  }
}
