// The eight channel pages, made in one loop: the graph frame (heading, Mag/Phase choice,
// overlay toggles, EQ buttons and the response graph) and the parameter frame (the channel
// strip with gain, meter, mute and polarity; the band table with its band buttons; the band
// faders; the high- and low-cut filters).
#include "LayoutKit.h"

#include "AdvTrackBar.h"
#include "ChannelColors.h"
#include "CurvyControls.h"
#include "LMyFFTDrawPhase.h"
#include "LProgressBar.h"
#include "MyPEQAllpass.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "TfmMain.h"
#include "VrButtons.h"
#include "ui/TRadioButton.h"

namespace MainLayout {

namespace {

// The slope box's texts, slope codes 1 to 20 (Butterworth, Bessel, Linkwitz-Riley per order).
constexpr const char* kSlopeTexts[] = {"BW -6",  "BL -6",  "BW -12", "BL -12", "LK -12", "BW -18", "BL -18",
                                       "BW -24", "BL -24", "LK -24", "BW -30", "BL -30", "BW -36", "BL -36",
                                       "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48"};

constexpr int kMeterBottom = 216;

// The channel strip: heading, gain fader with its box, meter (and limiter lamp), mute, polarity.
void BuildStrip(TfmMain& form, TWinControl* frame, int ch) {
  const QString s = TfmMain::Suffix(ch);
  const bool output = ch >= 2;
  TRzGroupBox* g = AddGroup(form, frame, QStringLiteral("rzgGain") + s, ch, 6, 4, 150, 254, kPanel);
  AddLabel(form, g, QStringLiteral("lbGainName") + s, ch, 8, 6, 134, TfmMain::ChannelName(ch), Font(11, kHeading, true),
           taCenter);
  AddLabel(form, g, QStringLiteral("lbGain") + s, ch, 8, 24, 96, QStringLiteral("Gain"), Font(8, kDimText, true),
           taCenter);
  TAdvTrackBar* fader = AddFader(form, g, QStringLiteral("isGain") + s, ch, 42, 40, 26, 155, -280, 120, 0, 6,
                                 Thumbs::A, false);
  fader->OnChange = [&form](TComponent* sd) { form.isGainInAChange(sd); };
  AddValueBox(form, g, QStringLiteral("cvdGain") + s, ch, 26, 198, 58, QStringLiteral("+0.0dB"), true);
  // The meter ends above the Mute / Normal buttons (kMeterBottom < 226), in whole segments:
  // 8 of 20 px on an output, 12 of 15 px on an input.
  if (output) {
    AddMeter(form, g, QStringLiteral("pbLimit") + s, ch, 116, 34, 22, 0, 1, 0, true, true);
    AddMeter(form, g, QStringLiteral("pbLevel") + s, ch, 116, 56, kMeterBottom - 56, 1, 3, 4, true, false);
  } else {
    AddMeter(form, g, QStringLiteral("pbLevel") + s, ch, 116, 36, kMeterBottom - 36, 1, 2, 6, true, false);
  }
  TRzBmpButton* mute = AddButton(form, g, QStringLiteral("rzbMute") + s, ch, 8, 226, 64, 22, Face::Toggle,
                                 QStringLiteral("Mute"), 100 + ch * 2);
  mute->SetAllowAllUp(true);
  mute->OnClick = [&form](TComponent* sd) { form.rzbMuteInAClick(sd); };
  TRzBmpButton* phase = AddButton(form, g, QStringLiteral("rzbPhase") + s, ch, 78, 226, 64, 22, Face::Toggle,
                                  QStringLiteral("Normal"), 101 + ch * 2);
  phase->SetAllowAllUp(true);
  phase->OnClick = [&form](TComponent* sd) { form.rzbPhaseInAClick(sd); };
}

// The band table in its clipping panel, with the band-select buttons on it.
void BuildBandTable(TfmMain& form, TWinControl* frame, int ch) {
  const QString s = TfmMain::Suffix(ch);
  const bool output = ch >= 2;
  TRzPanel* panel = AddPanel(form, frame, QStringLiteral("rzpPeq") + s, ch, 162, 22, 514, 236, kPanel);
  auto* table = new TMyPEQAllpass(&form);
  table->SetName(QStringLiteral("peqPeq") + s);
  table->SetTag(ch);
  table->SetParent(panel);
  // Sized first, so that its rows are laid out once.
  table->SetBounds(-11, output ? -20 : -14, 536, 270);
  table->SetChannelNumber(output ? 9 : 8);
  table->SetUpdownVisable(false);
  table->SetLabelColor(clBackground);
  table->SetEditBackColor(clWhite);
  table->SetBypassBackColor(clSilver);
  table->SetParentColor(true);
  // Its window exists once the layout is loaded, before the captions are set.
  table->CreateWnd();
  table->OnChange = [&form](TComponent* sd) { form.peqPeqInAChange(sd); };
  table->OnEditMouseDown = [&form](TComponent* sd, TMouseButton b, TShiftState sh, int x, int y) {
    form.peqPeqInAEditMouseDown(sd, b, sh, x, y);
  };
  table->OnPeqTypeMouseWheel = [&form](TComponent* sd, TShiftState sh, int delta, QPoint at, bool& handled) {
    form.peqPeqInAPeqTypeMouseWheel(sd, sh, delta, at, handled);
  };
  const int bands = output ? 9 : 8;
  // Each button covers its row's number (the table's rows start 23 pixels down).
  const int rowHeight = output ? 26 : 29;
  for (int band = 1; band <= bands; ++band) {
    TRzBmpButton* button =
        AddButton(form, table, QStringLiteral("rzbEq%1").arg(band) + s, band - 1, 10, 23 + (band - 1) * rowHeight, 24,
                  18, Face::Band, QString::number(band), ch + 1);
    button->SetFont(Font(8, clWhite, true));
    button->OnClick = [&form](TComponent* sd) { form.rzbEq1InAClick(sd); };
  }
}

// The band faders (frequency, gain, Q) with their boxes.
void BuildBandFaders(TfmMain& form, TWinControl* frame, int ch) {
  const QString s = TfmMain::Suffix(ch);
  const TFont small = Font(8, kDimText, true);
  AddLabel(form, frame, QStringLiteral("lbEqParam") + s, ch, 684, 6, 190, QStringLiteral("PEQ Parameter"),
           Font(9, kText, true), taCenter);
  struct Column {
    const char* stem;
    const char* caption;
    int max, position, page;
    const char* text;
  };
  const Column columns[] = {
      {"Freq", "Freq", 300, 0, 15, "19.7Hz"},
      {"Gain", "Gain", 240, 120, 3, "+0.0dB"},
      {"Bw", "Q", 100, 0, 5, "0.4"},
  };
  for (int k = 0; k < 3; ++k) {
    const Column& c = columns[k];
    const int x = 684 + k * 64;
    AddLabel(form, frame, QStringLiteral("lbEq") + QLatin1String(c.stem) + s, ch, x, 26, 60, QLatin1String(c.caption),
             small, taCenter);
    TAdvTrackBar* fader = AddFader(form, frame, QStringLiteral("isEq") + QLatin1String(c.stem) + s, ch, x + 17, 42,
                                   27, 172, 0, c.max, c.position, c.page, Thumbs::B, false);
    fader->SetEnabled(false);
    TCurvyEdit* box = AddValueBox(form, frame, QStringLiteral("cvdEq") + QLatin1String(c.stem) + s, ch, x + 1, 222,
                                  58, QLatin1String(c.text), true);
    switch (k) {
      case 0:
        fader->OnChange = [&form](TComponent* sd) { form.isEqFreqInAChange(sd); };
        box->OnKeyDown = [&form](TComponent* sd, TKey& key, TShiftState sh) { form.cvdEqFreqInAKeyDown(sd, key, sh); };
        box->OnExit = [&form](TComponent* sd) { form.cvdEqFreqInAExit(sd); };
        break;
      case 1: fader->OnChange = [&form](TComponent* sd) { form.isEqGainInAChange(sd); }; break;
      default: fader->OnChange = [&form](TComponent* sd) { form.isEqBwInAChange(sd); }; break;
    }
  }
}

// The high-pass (low cut) and low-pass (high cut) filters, side by side.
void BuildCutFilters(TfmMain& form, TWinControl* frame, int ch) {
  const QString s = TfmMain::Suffix(ch);
  const TFont small = Font(8, kDimText, true);
  struct Cut {
    const char* stem;
    const char* caption;
    int position;
    const char* text;
  };
  const Cut cuts[] = {{"LowCut", "HighPass", 0, "19.7Hz"}, {"HighCut", "LowPass", 300, "20.16KHz"}};
  for (int k = 0; k < 2; ++k) {
    const Cut& c = cuts[k];
    const QString stem = QLatin1String(c.stem);
    const int x = 886 + k * 92;
    AddLabel(form, frame, QStringLiteral("lb") + stem + QStringLiteral("Freq") + s, ch, x, 6, 86,
             QLatin1String(c.caption), Font(9, kText, true), taCenter);
    TAdvTrackBar* fader = AddFader(form, frame, QStringLiteral("is") + stem + QStringLiteral("Freq") + s, ch, x + 30,
                                   26, 26, 115, 0, 300, c.position, 15, Thumbs::B, false);
    // 6 pixels wider than the stored 58, so that "20.16KHz" is not clipped in the substitute font.
    AddValueBox(form, frame, QStringLiteral("cvd") + stem + QStringLiteral("Freq") + s, ch, x + 11, 144, 64,
                QLatin1String(c.text), true);
    AddLabel(form, frame, QStringLiteral("lb") + stem + QStringLiteral("Slop") + s, ch, x, 172, 86,
             QStringLiteral("Slope"), small, taCenter);
    TRzComboBox* slope = AddCombo(form, frame, QStringLiteral("rzc") + stem + QStringLiteral("Slop") + s, ch, x + 13,
                                  188, 60);
    slope->SetFlatButtons(true);
    for (const char* text : kSlopeTexts) slope->Add(QLatin1String(text));
    slope->SetItemIndex(19);
    TRzBmpButton* bypass = AddButton(form, frame, QStringLiteral("rzb") + stem + QStringLiteral("Bypass") + s, ch,
                                     x + 15, 222, 56, 21, Face::Toggle, QStringLiteral("Bypass"), 300 + ch * 2 + k);
    bypass->SetAllowAllUp(true);
    if (k == 0) {
      fader->OnChange = [&form](TComponent* sd) { form.isLowCutFreqInAChange(sd); };
      slope->OnChange = [&form](TComponent* sd) { form.rzcLowCutSlopInAChange(sd); };
      slope->OnMouseWheel = [&form](TComponent* sd, TShiftState sh, int delta, QPoint at, bool& handled) {
        form.rzcLowCutSlopInAMouseWheel(sd, sh, delta, at, handled);
      };
      bypass->OnClick = [&form](TComponent* sd) { form.rzbLowCutBypassInAClick(sd); };
    } else {
      fader->OnChange = [&form](TComponent* sd) { form.isHighCutFreqInAChange(sd); };
      slope->OnChange = [&form](TComponent* sd) { form.rzcHighCutSlopInAChange(sd); };
      slope->OnMouseWheel = [&form](TComponent* sd, TShiftState sh, int delta, QPoint at, bool& handled) {
        form.rzcHighCutSlopInAMouseWheel(sd, sh, delta, at, handled);
      };
      bypass->OnClick = [&form](TComponent* sd) { form.rzbHighCutBypassInAClick(sd); };
    }
  }
}

// The overlay toggles of a channel page: one per other channel of the same side.
void BuildOverlayToggles(TfmMain& form, TWinControl* frame, int ch) {
  const QString s = TfmMain::Suffix(ch);
  const bool output = ch >= 2;
  TRzGroupBox* g = AddGroup(form, frame, QStringLiteral("rzgFftShowCh") + s, ch, output ? 460 : 500, 3,
                            output ? 260 : 176, 22, kFrame);
  g->SetBorderOuter(fsNone);
  const int first = output ? 2 : 0, last = output ? 7 : 1;
  int x = 2;
  for (int other = first; other <= last; ++other) {
    if (other == ch) continue;
    const QString label = output ? QString::number(other - 1) : QString(QChar('A' + other));
    TVrPowerButton* toggle = AddLed(form, g, QStringLiteral("vrbShow") + label + s, other, x, 1, 50, 20,
                                    output ? QStringLiteral("Out") + label : QStringLiteral("In") + label,
                                    ChannelColors[std::size_t(other)]);
    const int view = ch;
    toggle->OnClick = [&form, view](TComponent* sd) {
      switch (view) {
        case 0: form.vrbShowBInAClick(sd); break;
        case 1: form.vrbShowAInBClick(sd); break;
        case 2: form.vrbShow2Out1Click(sd); break;
        case 3: form.vrbShow1Out2Click(sd); break;
        case 4: form.vrbShow1Out3Click(sd); break;
        case 5: form.vrbShow1Out4Click(sd); break;
        case 6: form.vrbShow1Out5Click(sd); break;
        default: form.vrbShow1Out6Click(sd); break;
      }
    };
    x += 52;
  }
}

void BuildGraphFrame(TfmMain& form, int ch) {
  const QString s = TfmMain::Suffix(ch);
  TRzGroupBox* g = AddGroup(form, form.rzgMain, QStringLiteral("rzgFft") + s, ch, 0, 0, kFrameWidth, kGraphHeight);
  AddLabel(form, g, QStringLiteral("lbFftChannel") + s, ch, 20, 5, 60, TfmMain::ChannelName(ch),
           Font(11, kHeading, true));
  AddLabel(form, g, QStringLiteral("lbFftParam") + s, ch, 84, 8, 0,
           QStringLiteral("Frequency  ( \u2190 / \u2192 )      Q(\uFF0B/\uFF0D)     Gain (  \u2191 / \u2193  )"),
           Font(8, kDimText));
  TRadioButton* mag = AddRadio(form, g, QStringLiteral("rbShowGain") + s, ch, 338, 6, 50, QStringLiteral("Mag"));
  mag->SetChecked(true);
  mag->SetFont(Font(8, kYellow, true));
  mag->OnClick = [&form](TComponent* sd) { form.rbShowGainInAClick(sd); };
  TRadioButton* phase = AddRadio(form, g, QStringLiteral("rbShowPhase") + s, ch, 390, 6, 64, QStringLiteral("Phase"));
  phase->OnClick = [&form](TComponent* sd) { form.rbShowPhaseInAClick(sd); };
  BuildOverlayToggles(form, g, ch);
  AddDemoButton(form, g, QStringLiteral("vrbEqBypass") + s, ch, 776, 6, 65, 17, QStringLiteral("EQ Bypass"))->OnClick =
      [&form](TComponent* sd) { form.vrbEqBypassInAClick(sd); };
  AddDemoButton(form, g, QStringLiteral("vrbEqReset") + s, ch, 857, 6, 65, 17, QStringLiteral("EQ Reset"))->OnClick =
      [&form](TComponent* sd) { form.vrbEqResetInAClick(sd); };
  AddLed(form, g, QStringLiteral("vrbEqShowAll") + s, ch, 934, 4, 104, 20, QStringLiteral("SHOW ALL EQ"), clLime)
      ->OnClick = [&form](TComponent* sd) { form.vrbEqShowAllInAClick(sd); };
  LMyFFTDrawPhase* graph = AddGraph(form, g, QStringLiteral("fftDraw") + s, ch, 21, 27, 1070, 255);
  graph->OnMouseDown = [&form](TComponent* sd, TMouseButton b, TShiftState sh, int x, int y) {
    form.fftDrawInAMouseDown(sd, b, sh, x, y);
  };
  // Moves without a button pressed show the cross over a marker.
  graph->setMouseTracking(true);
  graph->OnMouseMove = [&form](TComponent* sd, TShiftState sh, int x, int y) { form.fftDrawInAMouseMove(sd, sh, x, y); };
  graph->OnMouseUp = [&form](TComponent* sd, TMouseButton b, TShiftState sh, int x, int y) {
    form.fftDrawInAMouseUp(sd, b, sh, x, y);
  };
}

}  // namespace

void BuildChannelPages(TfmMain& form) {
  for (int ch = 0; ch < TfmMain::kChannels; ++ch) {
    BuildGraphFrame(form, ch);
    const QString s = TfmMain::Suffix(ch);
    TRzGroupBox* p = AddGroup(form, form.rzgMain, QStringLiteral("rzgParam") + s, ch, kParamLeft, kParamTop,
                              kParamWidth, kParamHeight);
    BuildStrip(form, p, ch);
    BuildBandTable(form, p, ch);
    BuildBandFaders(form, p, ch);
    BuildCutFilters(form, p, ch);
    // The band table's column titles sit above its rows.
    AddLabel(form, p, QStringLiteral("lbEq") + s, ch, 166, 6, 0,
             QStringLiteral(" PEQ       Frequency              Q                    Gain                 Type                Bypass"),
             Font(10, kDimText, true));
  }
}

}  // namespace MainLayout
