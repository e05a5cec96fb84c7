// The Comp and Gate overview pages: the transfer-curve plot with the current channel's meter
// on its left and every channel's meter on its right; below, the compressor settings of the
// six outputs and the gate settings of the two inputs.
#include "LayoutKit.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "TfmMain.h"
#include "TypedEntry.h"
#include "core/TransferCurvePlotLayout.h"
#include "core/iXYPlot.h"
#include "timer/TTimer.h"
#include "ui/TUpDown.h"

#include <array>

namespace MainLayout {

namespace {

// A meter panel with its scale: `stems` are the scale labels' stems top to bottom, `tops`
// their tops; `lamp` adds a limiter lamp above the meter. The meter, lamp and labels are
// named by their stems followed by `tail` (empty for the current channel's panel, else the
// output's digit or the input's letter).
template <std::size_t N>
TRzPanel* BuildMeterPanel(TfmMain& form, TWinControl* frame, const QString& panelName, const QString& tail, int tag,
                          int left, int width, int meterLeft, int meterTop, int meterHeight, bool lamp, int lampTop,
                          const std::array<const char*, N>& stems, const std::array<const char*, N>& texts,
                          const std::array<int, N>& tops, const QString& heading, const QString& headingName) {
  TRzPanel* panel = AddPanel(form, frame, panelName, tag, left, 30, width, 247, kInset);
  AddLabel(form, panel, headingName, tag, 0, 6, width, heading, Font(8, kHeading, true), taCenter);
  if (lamp) {
    AddMeter(form, panel, QStringLiteral("pbLimitCompOut") + tail, tag, meterLeft, lampTop, 22, 0, 1, 0, true, true);
    AddMeter(form, panel, QStringLiteral("pbLevelCompOut") + tail, tag, meterLeft, meterTop, meterHeight, 1, 3, 4,
             false, false);
  } else {
    AddMeter(form, panel, QStringLiteral("pbLevelGateIn") + tail, tag, meterLeft, meterTop, meterHeight, 1, 2, 6,
             false, false);
  }
  for (std::size_t k = 0; k < N; ++k)
    AddLabel(form, panel, QLatin1String(stems[k]) + tail, tag, 0, tops[k], meterLeft - 2, QLatin1String(texts[k]),
             Font(7, kDimText), taRightJustify);
  return panel;
}

// Where a column's small faders stand: caption, fader and value box, top to bottom.
struct FaderRows {
  int captionTop, faderTop, faderHeight, boxTop, boxWidth;
};
// The Comp page's three faders share a 172-pixel column: the threshold's box is 56 wide for
// "+20.0dB", the others 50, with 5 pixels between them. The Gate page's four faders stand 90
// apart. Both run about as long as the channel pages' band faders.
constexpr FaderRows kCompRows{30, 48, 104, 156, 50};
constexpr FaderRows kCompThresholdRows{30, 48, 104, 156, 56};
constexpr FaderRows kGateRows{30, 48, 138, 192, 56};
constexpr int kColumnTop = 22, kColumnHeight = 232;

// One fader with its caption above and its value box below, in a column `x` wide 56.
void BuildSmallFader(TfmMain& form, TWinControl* parent, const QString& stem, const QString& s, int ch, int x,
                     const QString& caption, int min, int max, int position, const QString& text, bool picture,
                     const FaderRows& rows) {
  AddLabel(form, parent, QStringLiteral("lb") + stem + s, ch, x, rows.captionTop, 56, caption,
           Font(8, kDimText, true), taCenter);
  AddFader(form, parent, QStringLiteral("is") + stem + s, ch, x + 14, rows.faderTop, 27, rows.faderHeight, min, max,
           position, 10, Thumbs::B, picture);
  AddValueBox(form, parent, QStringLiteral("cvd") + stem + s, ch, x + (56 - rows.boxWidth) / 2, rows.boxTop,
              rows.boxWidth, text, false);
}

// A value box's typed entry: Enter and leaving the box both apply it; a press plots the
// channel.
template <class KeyDown, class Exit, class Press>
void BindEntry(TfmMain& form, const QString& name, KeyDown keyDown, Exit exit, Press press) {
  auto* box = form.Find<TCurvyEdit>(name);
  if (!box) return;
  TypedEntry::Bind(*box, form, keyDown, exit);
  box->OnMouseDown = [&form, press](TComponent* sd, TMouseButton, TShiftState, int, int) { (form.*press)(sd); };
}

template <class Handler>
void BindFader(TfmMain& form, const QString& name, Handler change) {
  if (auto* bar = form.Find<TAdvTrackBar>(name))
    bar->OnChange = [&form, change](TComponent* sd) { (form.*change)(sd); };
}

template <class Handler>
void BindPress(TfmMain& form, TControl* control, Handler press) {
  if (control)
    control->OnMouseDown = [&form, press](TComponent* sd, TMouseButton, TShiftState, int, int) { (form.*press)(sd); };
}

void BindCompColumn(TfmMain& form, int ch) {
  const QString s = TfmMain::Suffix(ch);
  BindFader(form, QStringLiteral("isCompThreshold") + s, &TfmMain::isCompThresholdOut1Change);
  BindFader(form, QStringLiteral("isCompAttack") + s, &TfmMain::isCompAttackOut1Change);
  BindFader(form, QStringLiteral("isCompRelease") + s, &TfmMain::isCompReleaseOut1Change);
  for (const char* stem : {"isCompThreshold", "isCompAttack", "isCompRelease"})
    BindPress(form, form.Find<TAdvTrackBar>(QLatin1String(stem) + s), &TfmMain::isCompThresholdOut1MouseDown);
  if (auto* ratio = form.Find<TUpDown>(QStringLiteral("udCompRatio") + s))
    ratio->OnChangingEx = [&form](TComponent* sd, bool& allow, short value, TUpDownDirection direction) {
      form.udCompRatioOut1ChangingEx(sd, allow, value, direction);
    };
  if (auto* knee = form.Find<TUpDown>(QStringLiteral("udCompKnee") + s))
    knee->OnChangingEx = [&form](TComponent* sd, bool& allow, short value, TUpDownDirection direction) {
      form.udCompKneeOut1ChangingEx(sd, allow, value, direction);
    };
  const auto press = &TfmMain::cvdCompThresholdOut1MouseDown;
  BindEntry(form, QStringLiteral("cvdCompThreshold") + s, &TfmMain::cvdCompThresholdOut1KeyDown,
            &TfmMain::cvdCompThresholdOut1Exit, press);
  BindEntry(form, QStringLiteral("cvdCompAttack") + s, &TfmMain::cvdCompAttackOut1KeyDown,
            &TfmMain::cvdCompAttackOut1Exit, press);
  BindEntry(form, QStringLiteral("cvdCompRelease") + s, &TfmMain::cvdCompReleaseOut1KeyDown,
            &TfmMain::cvdCompReleaseOut1Exit, press);
  BindEntry(form, QStringLiteral("cvdCompRatio") + s, &TfmMain::cvdCompRatioOut1KeyDown,
            &TfmMain::cvdCompRatioOut1Exit, press);
  BindEntry(form, QStringLiteral("cvdCompKnee") + s, &TfmMain::cvdCompKneeOut1KeyDown, &TfmMain::cvdCompKneeOut1Exit,
            press);
  // The output's name: its column heading and its meter's heading.
  BindPress(form, form.Find<TCustomLabel>(QStringLiteral("lbCompTitle") + s), &TfmMain::lbCompOut1MouseDown);
  BindPress(form, form.Find<TCustomLabel>(QStringLiteral("lbCompOut") + QString::number(ch - 1)),
            &TfmMain::lbCompOut1MouseDown);
}

void BindGateColumn(TfmMain& form, int ch) {
  const QString s = TfmMain::Suffix(ch);
  BindFader(form, QStringLiteral("isGateThreshold") + s, &TfmMain::isGateThresholdInAChange);
  BindFader(form, QStringLiteral("isGateAttack") + s, &TfmMain::isGateAttackInAChange);
  BindFader(form, QStringLiteral("isGateRelease") + s, &TfmMain::isGateReleaseInAChange);
  BindFader(form, QStringLiteral("isGateHold") + s, &TfmMain::isGateHoldInAChange);
  BindEntry(form, QStringLiteral("cvdGateThreshold") + s, &TfmMain::cvdGateThresholdInAKeyDown,
            &TfmMain::cvdGateThresholdInAExit, &TfmMain::cvdGateThresholdInAMouseDown);
  BindEntry(form, QStringLiteral("cvdGateAttack") + s, &TfmMain::cvdGateAttackInAKeyDown,
            &TfmMain::cvdGateAttackInAExit, &TfmMain::cvdGateAttackInAMouseDown);
  BindEntry(form, QStringLiteral("cvdGateRelease") + s, &TfmMain::cvdGateReleaseInAKeyDown,
            &TfmMain::cvdGateReleaseInAExit, &TfmMain::cvdGateReleaseInAMouseDown);
  BindEntry(form, QStringLiteral("cvdGateHold") + s, &TfmMain::cvdGateHoldInAKeyDown, &TfmMain::cvdGateHoldInAExit,
            &TfmMain::cvdGateThresholdInAMouseDown);
  // The input's name: its column heading and its meter's heading.
  BindPress(form, form.Find<TCustomLabel>(QStringLiteral("lbGateTitle") + s), &TfmMain::lbGateInAMouseDown);
  BindPress(form, form.Find<TCustomLabel>(QStringLiteral("lbGate") + s), &TfmMain::lbGateInAMouseDown);
}

}  // namespace

void BuildCompPage(TfmMain& form) {
  TRzGroupBox* g = AddGroup(form, form.rzgMain, QStringLiteral("rzgFftComp"), 8, 0, 0, kFrameWidth, kGraphHeight);
  AddLabel(form, g, QStringLiteral("lbCompName"), 0, 70, 10, 538, QStringLiteral("Out 1  Compressor"),
           Font(10, kHeading, true), taCenter);
  form.ipComp = AddTransferPlot(form, g, kCompPlotPlacement);
  constexpr std::array<const char*, 9> stems = {"lbLimitCompOut", "lbClipCompOut", "lb12CompOut",
                                                "lb5CompOut",     "lb0CompOut",    "lbN5CompOut",
                                                "lbN15CompOut",   "lbN30CompOut",  "lbN60CompOut"};
  constexpr std::array<const char*, 9> texts = {"Lim", "Clip", "+12", "+5", "0", "-5", "-15", "-30", "-60"};
  BuildMeterPanel(form, g, QStringLiteral("plLevelCompOut"), QString(), 0, 4, 62, 32, 43, 185, true, 20, stems, texts,
                  std::array<int, 9>{22, 45, 68, 91, 115, 138, 161, 184, 208}, QStringLiteral("Out 1"),
                  QStringLiteral("lbHeadCompOut"));
  for (int ch = 2; ch < 8; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    BuildMeterPanel(form, g, QStringLiteral("plLevelCompOut") + QString::number(ch - 1), QString::number(ch - 1), ch, 572 + 64 * ch, 60, 28,
                    55, 185, true, 32, stems, texts, std::array<int, 9>{35, 58, 81, 105, 128, 151, 175, 198, 222},
                    QStringLiteral("Out") + QString::number(ch - 1), QStringLiteral("lbCompOut") + QString::number(ch - 1));
  }

  TRzGroupBox* p = AddGroup(form, form.rzgMain, QStringLiteral("rzgParamComp"), 8, kParamLeft, kParamTop, kParamWidth,
                            kParamHeight);
  for (int ch = 2; ch < 8; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    TRzGroupBox* col = AddGroup(form, p, QStringLiteral("rzgComp") + s, ch, 8 + (ch - 2) * 176, kColumnTop, 172,
                                kColumnHeight, kPanel);
    AddLabel(form, col, QStringLiteral("lbCompTitle") + s, ch, 2, 6, 168, TfmMain::ChannelName(ch),
             Font(9, kHeading, true), taCenter);
    BuildSmallFader(form, col, QStringLiteral("CompThreshold"), s, ch, 3, QStringLiteral("Threshold"), -180, 40, 40,
                    QStringLiteral("+20.0dB"), true, kCompThresholdRows);
    BuildSmallFader(form, col, QStringLiteral("CompAttack"), s, ch, 61, QStringLiteral("Attack"), 0, 998, 50,
                    QStringLiteral("50ms"), true, kCompRows);
    BuildSmallFader(form, col, QStringLiteral("CompRelease"), s, ch, 116, QStringLiteral("Release"), 9, 2999, 499,
                    QStringLiteral("500ms"), true, kCompRows);
    AddLabel(form, col, QStringLiteral("lbCompRatio") + s, ch, 8, 184, 70, QStringLiteral("Ratio"),
             Font(8, kDimText, true), taCenter);
    AddValueBox(form, col, QStringLiteral("cvdCompRatio") + s, ch, 14, 202, ch == 2 ? 39 : 40, QStringLiteral("1:1.0"),
                false);
    AddUpDown(form, col, QStringLiteral("udCompRatio") + s, ch, 56, 202, 24, 0, 15, 0);
    AddLabel(form, col, QStringLiteral("lbCompKnee") + s, ch, 92, 184, 70, QStringLiteral("Knee"),
             Font(8, kDimText, true), taCenter);
    // 4 pixels wider than the stored 38, so that "12dB" is not clipped in the substitute font.
    AddValueBox(form, col, QStringLiteral("cvdCompKnee") + s, ch, 98, 202, 42, QStringLiteral("12dB"), false);
    AddUpDown(form, col, QStringLiteral("udCompKnee") + s, ch, 142, 202, 24, 0, 12, 12);
    BindCompColumn(form, ch);
  }
  // One-shot: the curve of the last edited output, once the change's event has returned.
  form.tmCompDisp = new TTimer(&form);
  form.tmCompDisp->SetEnabled(false);
  form.tmCompDisp->SetInterval(1);
  form.tmCompDisp->SetOnTimer([&form](QObject* sd) { form.tmCompDispTimer(sd); });
}

void BuildGatePage(TfmMain& form) {
  TRzGroupBox* g = AddGroup(form, form.rzgMain, QStringLiteral("rzgFftGate"), 12, 0, 0, kFrameWidth, kGraphHeight);
  AddLabel(form, g, QStringLiteral("lbGateName"), 0, 70, 10, 856, QStringLiteral("In A  Gate"),
           Font(10, kHeading, true), taCenter);
  form.ipGate = AddTransferPlot(form, g, kGatePlotPlacement);
  constexpr std::array<const char*, 9> stems = {"lbClipGateIn", "lb12GateIn",  "lb5GateIn",
                                                "lb0GateIn",    "lbN5GateIn",  "lbN15GateIn",
                                                "lbN20GateIn",  "lbN30GateIn", "lbN60GateIn"};
  constexpr std::array<const char*, 9> texts = {"Clip", "+12", "+5", "0", "-5", "-15", "-20", "-30", "-60"};
  constexpr std::array<int, 9> tops = {36, 59, 82, 105, 129, 152, 175, 198, 222};
  BuildMeterPanel(form, g, QStringLiteral("plLevelGateIn"), QString(), 0, 4, 62, 29, 32, 208, false, 0, stems, texts,
                  tops, QStringLiteral("In A"), QStringLiteral("lbHeadGateIn"));
  for (int ch = 0; ch < 2; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    BuildMeterPanel(form, g, QStringLiteral("plLevelGate") + s, QString(QChar('A' + ch)), ch, 979 + 53 * ch, 50, 28, 32, 208, false, 0,
                    stems, texts, tops, s, QStringLiteral("lbGate") + s);
  }

  TRzGroupBox* p = AddGroup(form, form.rzgMain, QStringLiteral("rzgParamGate"), 12, kParamLeft, kParamTop, kParamWidth,
                            kParamHeight);
  for (int ch = 0; ch < 2; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    TRzGroupBox* col = AddGroup(form, p, QStringLiteral("rzgGate") + s, ch, 150 + ch * 392, kColumnTop, 380,
                                kColumnHeight, kPanel);
    AddLabel(form, col, QStringLiteral("lbGateTitle") + s, ch, 2, 6, 376, TfmMain::ChannelName(ch),
             Font(9, kHeading, true), taCenter);
    const bool picture = ch == 0;
    BuildSmallFader(form, col, QStringLiteral("GateThreshold"), s, ch, 18, QStringLiteral("Threshold"), -180, 0, 0,
                    QStringLiteral("+ 0.0dB"), picture, kGateRows);
    BuildSmallFader(form, col, QStringLiteral("GateAttack"), s, ch, 108, QStringLiteral("Attack"), 0, 998, 50,
                    QStringLiteral("50ms"), picture, kGateRows);
    BuildSmallFader(form, col, QStringLiteral("GateRelease"), s, ch, 198, QStringLiteral("Release"), 9, 2999, 499,
                    QStringLiteral("100ms"), picture, kGateRows);
    BuildSmallFader(form, col, QStringLiteral("GateHold"), s, ch, 288, QStringLiteral("Hold"), 9, 998, 99,
                    QStringLiteral("100ms"), true, kGateRows);
    BindGateColumn(form, ch);
  }
}

}  // namespace MainLayout
