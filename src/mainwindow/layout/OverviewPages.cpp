// The Gain and Delay overview pages: the Gain page's two summed-response panes with their
// overlay toggles and the eight gain strips; the Delay page's two delay pictures and the
// eight delay faders with the unit choice.
#include "LayoutKit.h"

#include "AdvTrackBar.h"
#include "ChannelColors.h"
#include "CurvyControls.h"
#include "LMyFFTDrawPhase.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "TfmMain.h"
#include "TypedEntry.h"
#include "VrButtons.h"
#include "ui/TImage.h"

#include <QPainter>
#include <QPainterPath>

namespace MainLayout {

namespace {

// The strip of one channel on the Gain page.
void BuildGainStrip(TfmMain& form, TWinControl* frame, int ch, int left) {
  const QString s = TfmMain::Suffix(ch);
  const bool output = ch >= 2;
  TRzGroupBox* g = AddGroup(form, frame, QStringLiteral("rzgGainBackup") + s, ch, left, 28, 126, 226, kPanel);
  AddLabel(form, g, QStringLiteral("lbGainBackupName") + s, ch, 4, 6, 118, TfmMain::ChannelName(ch),
           Font(9, ReadableOn(ChannelColors[std::size_t(ch)], kPanel), true), taCenter);
  TAdvTrackBar* fader = AddFader(form, g, QStringLiteral("isGainBackup") + s, ch, 18, 28, 26, 126, -280, 120, 0, 6,
                                 Thumbs::A, false);
  fader->OnChange = [&form](TComponent* sd) { form.isGainBackupInAChange(sd); };
  if (output) {
    AddMeter(form, g, QStringLiteral("pbLimitBackup") + s, ch, 56, 31, 11, 0, 1, 0, true, true);
    AddMeter(form, g, QStringLiteral("pbLevelBackup") + s, ch, 56, 42, 110, 1, 3, 4, true, false);
  } else {
    AddMeter(form, g, QStringLiteral("pbLevelBackup") + s, ch, 56, ch == 0 ? 31 : 30, 122, 1, 2, 6, true, false);
  }
  AddValueBox(form, g, QStringLiteral("cvdGainBackup") + s, ch, 32, 160, 62, QStringLiteral("+0.0dB"), true);
  TRzBmpButton* mute = AddButton(form, g, QStringLiteral("rzbMuteBackup") + s, ch, 5, 192, 56, 24, Face::Toggle,
                                 QStringLiteral("Mute"), 120 + ch * 2);
  mute->SetAllowAllUp(true);
  mute->OnClick = [&form](TComponent* sd) { form.rzbMuteBackupInAClick(sd); };
  TRzBmpButton* phase = AddButton(form, g, QStringLiteral("rzbPhaseBackup") + s, ch, 65, 192, 56, 24, Face::Toggle,
                                  QStringLiteral("Normal"), 121 + ch * 2);
  phase->SetAllowAllUp(true);
  phase->OnClick = [&form](TComponent* sd) { form.rzbPhaseBackupInAClick(sd); };
}

// A small loudspeaker drawn by code: the delay picture that slides along its line.
void PaintSpeaker(TImage& image, TColor colour) {
  QImage picture(image.Width(), image.Height(), QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor c = QColor::fromRgb(ColorToRGB(colour) & 0xFF, (ColorToRGB(colour) >> 8) & 0xFF,
                                   (ColorToRGB(colour) >> 16) & 0xFF);
  const double h = picture.height(), w = picture.width();
  QPainterPath body;
  body.moveTo(2, h * 0.35);
  body.lineTo(w * 0.35, h * 0.35);
  body.lineTo(w * 0.7, h * 0.08);
  body.lineTo(w * 0.7, h * 0.92);
  body.lineTo(w * 0.35, h * 0.65);
  body.lineTo(2, h * 0.65);
  body.closeSubpath();
  p.setPen(QPen(c.darker(160), 1.0));
  p.setBrush(c);
  p.drawPath(body);
  p.setPen(QPen(c, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(w * 0.55, h * 0.3, w * 0.3, h * 0.4), -50 * 16, 100 * 16);
  p.end();
  image.Picture().SetImage(picture);
}

// One side's delay pane: a picture, line and name per channel.
void BuildDelayPane(TfmMain& form, TWinControl* frame, bool outputs, int left) {
  const QString side = outputs ? QStringLiteral("Out") : QStringLiteral("In");
  AddLabel(form, frame, QStringLiteral("lbFftDelay") + side, 0, left, 8, 520,
           outputs ? QStringLiteral("Output Delay") : QStringLiteral("Input Delay"), Font(10, kHeading, true),
           taCenter);
  TRzPanel* pane = AddPanel(form, frame, QStringLiteral("plFftDelay") + side, 0, left, 36, 520, 234, kInset);
  const int first = outputs ? 2 : 0, last = outputs ? 7 : 1;
  for (int ch = first; ch <= last; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    const int i = ch;
    const int imageTop = outputs ? 36 * i - 64 : 91 * i + 51;
    const int lineTop = outputs ? 36 * i - 64 : 91 * i + 41;
    const int showTop = outputs ? 36 * i - 58 : 91 * i + 57;
    AddLabel(form, pane, QStringLiteral("lbDelayShow") + s, ch, 4, showTop, 34, TfmMain::ChannelName(ch),
             Font(8, kText, true));
    // The line of dashes runs from the name to the picture: none at no delay.
    // Dragging the picture along its line sets the delay.
    TRzLabel* line = AddLabel(form, pane, QStringLiteral("lbDelayLine") + s, ch, outputs ? 46 : 40, lineTop, 475,
                              QString(), Font(11, kDimText));
    line->SetAutoSize(false);
    line->OnMouseDown = [&form](TComponent* sd, TMouseButton b, TShiftState sh, int x, int y) {
      form.lbDelayLineInAMouseDown(sd, b, sh, x, y);
    };
    line->OnMouseMove = [&form](TComponent* sd, TShiftState sh, int x, int y) {
      form.lbDelayLineInAMouseMove(sd, sh, x, y);
    };
    line->OnMouseUp = [&form](TComponent* sd, TMouseButton b, TShiftState sh, int x, int y) {
      form.lbDelayLineInAMouseUp(sd, b, sh, x, y);
    };
    TImage* speaker = AddImage(form, pane, QStringLiteral("imDelay") + s, ch, 40, imageTop, 30, 30);
    PaintSpeaker(*speaker, ChannelColors[std::size_t(ch)]);
    AddLabel(form, pane, QStringLiteral("lbFftDelayTime") + s, ch, 40 + 30, imageTop + 30 / 4, 0,
             QStringLiteral("0.000ms"), Font(8, kText, true));
  }
}

}  // namespace

void BuildGainPage(TfmMain& form) {
  TRzGroupBox* g = AddGroup(form, form.rzgMain, QStringLiteral("rzgFftGain"), 10, 0, 0, kFrameWidth, kGraphHeight);
  AddLabel(form, g, QStringLiteral("lbFftGainIn"), 0, 20, 6, 0, QStringLiteral("Input"), Font(10, kHeading, true));
  AddLabel(form, g, QStringLiteral("lbFftGainOut"), 0, 600, 6, 0, QStringLiteral("Output"), Font(10, kHeading, true));
  TRzGroupBox* inToggles = AddGroup(form, g, QStringLiteral("rzgFftShowChIn"), 0, 260, 3, 110, 22, kFrame);
  inToggles->SetBorderOuter(fsNone);
  for (int ch = 0; ch < 2; ++ch) {
    const QString letter(QChar('A' + ch));
    TVrPowerButton* t = AddLed(form, inToggles, QStringLiteral("vrbShow") + letter + QStringLiteral("Gain"), ch,
                               2 + ch * 54, 1, 50, 20, QStringLiteral("In") + letter, ChannelColors[std::size_t(ch)]);
    t->SetActive(ch == 0);  // InA's curve shows from the start
    t->OnClick = [&form](TComponent* sd) { form.vrbShowAGainClick(sd); };
  }
  TRzGroupBox* outToggles = AddGroup(form, g, QStringLiteral("rzgFftShowChOut"), 0, 720, 3, 320, 22, kFrame);
  outToggles->SetBorderOuter(fsNone);
  for (int ch = 2; ch < 8; ++ch) {
    const QString digit = QString::number(ch - 1);
    TVrPowerButton* t = AddLed(form, outToggles, QStringLiteral("vrbShow") + digit + QStringLiteral("Gain"), ch,
                               2 + (ch - 2) * 53, 1, 50, 20, QStringLiteral("Out") + digit, ChannelColors[std::size_t(ch)]);
    t->SetActive(ch == 2);  // Out1's curve shows from the start
    t->OnClick = [&form](TComponent* sd) { form.vrbShow1GainClick(sd); };
  }
  AddGraph(form, g, QStringLiteral("fftDrawGainIn"), TfmMain::kViewGainIn, 10, 27, 530, 255);
  AddGraph(form, g, QStringLiteral("fftDrawGainOut"), TfmMain::kViewGainOut, 550, 27, 530, 255);

  TRzGroupBox* p = AddGroup(form, form.rzgMain, QStringLiteral("rzgParamGain"), 10, kParamLeft, kParamTop, kParamWidth,
                            kParamHeight);
  AddLabel(form, p, QStringLiteral("lbGainInput"), 0, 14, 6, 258, QStringLiteral("Input"), Font(9, kText, true),
           taCenter);
  AddLabel(form, p, QStringLiteral("lbGainOutput"), 0, 290, 6, 776, QStringLiteral("Output"), Font(9, kText, true),
           taCenter);
  for (int ch = 0; ch < 8; ++ch) BuildGainStrip(form, p, ch, ch < 2 ? 14 + ch * 132 : 290 + (ch - 2) * 130);
}

void BuildDelayPage(TfmMain& form) {
  TRzGroupBox* g = AddGroup(form, form.rzgMain, QStringLiteral("rzgFftDelay"), 9, 0, 0, kFrameWidth, kGraphHeight);
  BuildDelayPane(form, g, false, 20);
  BuildDelayPane(form, g, true, 560);

  TRzGroupBox* p = AddGroup(form, form.rzgMain, QStringLiteral("rzgParamDelay"), 9, kParamLeft, kParamTop,
                            kParamWidth, kParamHeight);
  AddLabel(form, p, QStringLiteral("lbDelayInput"), 0, 14, 6, 176, QStringLiteral("Input"), Font(9, kText, true),
           taCenter);
  AddLabel(form, p, QStringLiteral("lbDelayOutput"), 0, 214, 6, 540, QStringLiteral("Output"), Font(9, kText, true),
           taCenter);
  for (int ch = 0; ch < 8; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    const int x = ch < 2 ? 14 + ch * 90 : 214 + (ch - 2) * 90;
    TRzGroupBox* col = AddGroup(form, p, QStringLiteral("rzgDelay") + s, ch, x, 28, 86, 226, kPanel);
    AddLabel(form, col, QStringLiteral("lbDelayName") + s, ch, 2, 6, 82, TfmMain::ChannelName(ch),
             Font(9, kHeading, true), taCenter);
    TAdvTrackBar* fader =
        AddFader(form, col, QStringLiteral("isDelay") + s, ch, 30, 24, 26, 164, 0, 65280, 0, 6, Thumbs::A, false);
    fader->OnChange = [&form](TComponent* sd) { form.isDelayInAChange(sd); };
    TCurvyEdit* box =
        AddValueBox(form, col, QStringLiteral("cvdDelay") + s, ch, 8, 194, 70, QStringLiteral("0.00ms"), false);
    TypedEntry::Bind(*box, form, &TfmMain::cvdDelayInBKeyDown, &TfmMain::cvdDelayInAExit);
  }
  TRzGroupBox* unit = AddGroup(form, p, QStringLiteral("rzgDelayUnit"), 0, 780, 28, 276, 100, kPanel);
  AddLabel(form, unit, QStringLiteral("lbDelayUnit"), 0, 10, 10, 256, QStringLiteral("Unit"), Font(9, kText, true),
           taCenter);
  const char* units[] = {"ms", "m", "ft"};
  for (int k = 0; k < 3; ++k) {
    TRzBmpButton* b = AddButton(form, unit, QStringLiteral("rzbUnit%1").arg(k), k, 14 + k * 86, 44, 76, 30,
                                Face::Toggle, QLatin1String(units[k]), 400);
    b->OnClick = [&form](TComponent* sd) { form.rzbUnit0Click(sd); };
  }
}

}  // namespace MainLayout
