// The Matrix overview page: a row of processing blocks per input (left) and per output
// (right), each block a shape with a label that leads to its page, the routing drawing
// between them, and below the routing buttons of every output.
#include "LayoutKit.h"

#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "TfmMain.h"
#include "ui/TPaintBox.h"
#include "ui/TShape.h"

#include <array>

namespace MainLayout {

namespace {

constexpr TColor kBlockFace = RGBColor(52, 60, 72);
constexpr TColor kBlockRim = RGBColor(96, 110, 130);

// One block: its shape and its label, over the same area.
TRzLabel* Block(TfmMain& form, TWinControl* row, const QString& stem, const QString& s, int ch, int left, int top,
                int width, int height, const QString& caption, bool withShape = true) {
  if (withShape)
    AddShape(form, row, QStringLiteral("sp") + stem + s, ch, left, top, width, height, kBlockFace, kBlockRim);
  TRzLabel* label = AddLabel(form, row, QStringLiteral("lb") + stem + s, ch, left, top + (height - 14) / 2, width,
                             caption, Font(8, kText, true), taCenter);
  return label;
}

void Clickable(TfmMain& form, TRzLabel* label, void (TfmMain::*handler)(TComponent*)) {
  label->SetCursor(crHandPoint);
  label->OnClick = [&form, handler](TComponent* sd) { (form.*handler)(sd); };
  label->OnMouseMove = [&form](TComponent* sd, TShiftState shift, int x, int y) {
    form.lbMatrixChNameInAMouseMove(sd, shift, x, y);
  };
  label->OnMouseLeave = [&form](TComponent* sd) { form.lbMatrixChNameInAMouseLeave(sd); };
}

void BuildInputRow(TfmMain& form, TWinControl* frame, int ch) {
  const QString s = TfmMain::Suffix(ch);
  TRzPanel* row = AddPanel(form, frame, QStringLiteral("plMatrix") + s, ch, 45, 120 * ch + 70, 415, 52, kInset);
  AddShape(form, row, QStringLiteral("spMatrixName") + s, ch, 0, 6, 58, 40, RGBColor(36, 70, 110), kBlockRim);
  // The labels are wider than their shape; their texts start on it (the margin goes round
  // the text, so the labels are as much higher and start as much higher up).
  TRzLabel* name = AddLabel(form, row, QStringLiteral("lbMatrixName") + s, ch, 0, 4, 70, TfmMain::ChannelName(ch),
                            Font(9, clWhite, true));
  name->SetTextMargin(6);
  name->SetHeight(name->Height() + 12);
  TRzLabel* chName = AddLabel(form, row, QStringLiteral("lbMatrixChName") + s, ch, 0, 22, 70,
                              QStringLiteral("CH-") + QChar('A' + ch), Font(8, kHeading, true));
  chName->SetTextMargin(6);
  chName->SetHeight(chName->Height() + 12);
  Clickable(form, chName, &TfmMain::lbMatrixChNameInAClick);
  struct Cell {
    const char* stem;
    const char* caption;
    int base;
    void (TfmMain::*click)(TComponent*);
  };
  const Cell cells[] = {
      {"MatrixGain", "Gain", 77, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixGate", "Gate", 134, &TfmMain::lbMatrixGateInAClick},
      {"MatrixHpLp", "HP/LP", 191, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixPeq", "PEQ", 248, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixPhase", "Phase", 305, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixDelay", "Delay", 362, &TfmMain::lbMatrixDelayInAClick},
  };
  for (const Cell& c : cells) {
    TRzLabel* label = Block(form, row, QLatin1String(c.stem), s, ch, c.base, 11, 50, 30, QLatin1String(c.caption));
    Clickable(form, label, c.click);
  }
}

void BuildOutputRow(TfmMain& form, TWinControl* frame, int ch) {
  const QString s = TfmMain::Suffix(ch);
  const int i = ch;
  TRzPanel* row = AddPanel(form, frame, QStringLiteral("plMatrix") + s, ch, 561, 40 * i - 50, 510, 36, kInset);
  struct Cell {
    const char* stem;
    const char* caption;
    int base;
    void (TfmMain::*click)(TComponent*);
  };
  const Cell cells[] = {
      {"MatrixXover", "X-Over", 2, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixPeq", "PEQ", 61, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixGain", "Gain", 121, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixComp", "Comp", 180, &TfmMain::lbMatrixCompOut1Click},
      {"MatrixPhase", "Phase", 240, &TfmMain::lbMatrixHpLpInAClick},
      {"MatrixDelay", "Delay", 298, &TfmMain::lbMatrixDelayInAClick},
      {"MatrixMute", "Mute", 359, &TfmMain::lbMatrixHpLpInAClick},
  };
  for (const Cell& c : cells) {
    TRzLabel* label = Block(form, row, QLatin1String(c.stem), s, ch, c.base, 4, 50, 28, QLatin1String(c.caption));
    Clickable(form, label, c.click);
  }
  AddShape(form, row, QStringLiteral("spMatrixName") + s, ch, 416, 4, 58, 28, RGBColor(36, 70, 110), kBlockRim);
  // The small name sits inside the shape's rim (text from y 6), the channel name below it.
  TRzLabel* name = AddLabel(form, row, QStringLiteral("lbMatrixName") + s, ch, 418, 4, 80, TfmMain::ChannelName(ch),
                            Font(7, clWhite, true));
  name->SetTextMargin(2);
  name->SetHeight(name->Height() + 4);
  TRzLabel* chName = AddLabel(form, row, QStringLiteral("lbMatrixChName") + s, ch, 419, 16, 80,
                              QStringLiteral("CH-") + QString::number(ch - 1), Font(8, kHeading, true));
  chName->SetTextMargin(2);
  chName->SetHeight(chName->Height() + 4);
  Clickable(form, chName, &TfmMain::lbMatrixChNameInAClick);
}

}  // namespace

void BuildMatrixPage(TfmMain& form) {
  TRzGroupBox* g = AddGroup(form, form.rzgMain, QStringLiteral("rzgFftMatrix"), 11, 0, 0, kFrameWidth, kGraphHeight);
  AddLabel(form, g, QStringLiteral("lbMatrixInputs"), 0, 45, 10, 415, QStringLiteral("InA / InB"),
           Font(10, kHeading, true), taCenter);
  AddLabel(form, g, QStringLiteral("lbMatrixOutputs"), 0, 561, 6, 510, QStringLiteral("Out1 - Out6"),
           Font(10, kHeading, true), taCenter);
  for (int ch = 0; ch < 8; ++ch) {
    if (ch < 2)
      BuildInputRow(form, g, ch);
    else
      BuildOutputRow(form, g, ch);
  }
  auto* routing = new TPaintBox(&form);
  routing->SetName(QStringLiteral("pbMatrix"));
  routing->SetParent(g);
  routing->SetBounds(465, 42, 97, 206);
  routing->OnPaint = [&form](TComponent* sd) { form.rzgFftMatrixPaint(sd); };
  // The output numbers where the routing lines meet the output rows.
  for (int n = 1; n <= 6; ++n)
    AddLabel(form, g, QStringLiteral("lbMatrixOut%1").arg(n), n + 1, 545, 40 * (n + 1) - 50 + 11, 14,
             QString::number(n), Font(8, kDimText, true), taCenter);

  TRzGroupBox* p = AddGroup(form, form.rzgMain, QStringLiteral("rzgParamMatrix"), 11, kParamLeft, kParamTop,
                            kParamWidth, kParamHeight);
  AddLabel(form, p, QStringLiteral("lbMatrixRouting"), 0, 0, 10, kParamWidth, QStringLiteral("Routing"),
           Font(10, kHeading, true), taCenter);
  // One handler per output serves both of its buttons; the button's Tag names the input.
  void (TfmMain::*const routingClicks[6])(TComponent*) = {
      &TfmMain::rzbAMatrixOut1Click, &TfmMain::rzbAMatrixOut2Click, &TfmMain::rzbAMatrixOut3Click,
      &TfmMain::rzbAMatrixOut4Click, &TfmMain::rzbAMatrixOut5Click, &TfmMain::rzbAMatrixOut6Click};
  for (int ch = 2; ch < 8; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    const int x = 86 + (ch - 2) * 156;
    TRzGroupBox* col = AddGroup(form, p, QStringLiteral("rzgMatrix") + s, ch, x, 58, 146, 150, kPanel);
    AddLabel(form, col, QStringLiteral("lbMatrixRoute") + s, ch, 0, 8, 146, TfmMain::ChannelName(ch),
             Font(9, kHeading, true), taCenter);
    for (int in = 0; in < 2; ++in) {
      TRzBmpButton* b = AddButton(form, col, QStringLiteral("rzb") + QChar('A' + in) + QStringLiteral("Matrix") + s, in,
                                  18, 36 + in * 52, 110, 40, Face::Toggle, QStringLiteral("In") + QChar('A' + in),
                                  1 + in);
      b->SetAllowAllUp(true);
      const auto click = routingClicks[ch - 2];
      b->OnClick = [&form, click](TComponent* sd) { (form.*click)(sd); };
    }
  }
}

}  // namespace MainLayout
