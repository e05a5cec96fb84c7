// The page switch, the Matrix page's block labels, the Mag/Phase choice of the channel
// graphs and the stretching of the pages when the window is resized.
#include "TfmMain.h"

#include "ChannelColors.h"
#include "ControlTexts.h"
#include "LCommProc.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "LayoutKit.h"
#include "MyPEQAllpass.h"
#include "Plot.h"
#include "ProgramConstants.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "ui/TImage.h"
#include "ui/TMenu.h"
#include "ui/TRadioButton.h"

#include <QMenuBar>
#include <QScrollBar>

#include "AdvTrackBar.h"

#include <QGuiApplication>

namespace {

// The names of a page's two frames.
QString GraphFrameName(int page) {
  switch (page) {
    case TfmMain::kPageComp: return QStringLiteral("rzgFftComp");
    case TfmMain::kPageDelay: return QStringLiteral("rzgFftDelay");
    case TfmMain::kPageGain: return QStringLiteral("rzgFftGain");
    case TfmMain::kPageMatrix: return QStringLiteral("rzgFftMatrix");
    case TfmMain::kPageGate: return QStringLiteral("rzgFftGate");
    default: return QStringLiteral("rzgFft") + TfmMain::Suffix(page);
  }
}

QString ParamFrameName(int page) {
  QString name = GraphFrameName(page);
  return name.replace(0, 6, QStringLiteral("rzgParam"));
}

QString PageButtonName(int page) {
  switch (page) {
    case TfmMain::kPageComp: return QStringLiteral("rzbMenuComp");
    case TfmMain::kPageDelay: return QStringLiteral("rzbMenuDelay");
    case TfmMain::kPageGain: return QStringLiteral("rzbMenuGain");
    case TfmMain::kPageMatrix: return QStringLiteral("rzbMenuMatrix");
    case TfmMain::kPageGate: return QStringLiteral("rzbMenuGate");
    default: return QStringLiteral("rzbMenu") + TfmMain::Suffix(page);
  }
}

void SetCaptionColour(TControl& control, TColor colour) {
  TFont font = control.Font();
  font.SetColor(colour);
  control.SetFont(font);
}


}  // namespace

std::uint16_t TfmMain::GetLinkMask(int ch) const { return FUnitControl ? FUnitControl->GetLinkMask(ch) : 0; }

void TfmMain::rzbMenuInAClick(TComponent* Sender) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  if (!button) return;
  const int p = button->Tag();
  if (p == FPage) return;
  if (FCommLink) FCommLink->SetForcedResends(1);

  auto* oldButton = Find<TRzBmpButton>(PageButtonName(FPage));
  auto* oldGraph = Find<TControl>(GraphFrameName(FPage));
  auto* oldParam = Find<TControl>(ParamFrameName(FPage));
  if (!oldButton || !oldGraph || !oldParam) return;
  SetCaptionColour(*oldButton, clWhite);

  TControl* graph = nullptr;
  TControl* param = nullptr;
  if (p >= kChannels) {
    graph = Find<TControl>(GraphFrameName(p));
    param = Find<TControl>(ParamFrameName(p));
  } else {
    // A member of a link group shows its master's page under its own name.
    int m = -1;
    if (GetLinkMask(p) != 0) {
      m = p;
    } else {
      const int first = p < 2 ? 0 : 2, last = p < 2 ? 1 : 7;
      for (int c = first; c <= last && m < 0; ++c)
        if (GetLinkMask(c) & (1u << SideBit(p))) m = c;
    }
    if (m < 0) return;
    graph = Find<TControl>(GraphFrameName(m));
    param = Find<TControl>(ParamFrameName(m));
    if (Plot* plot = GetPlot(m)) {
      plot->RemoveCurve(Plot::kSumSlot);
      plot->ShowCurve(Plot::kSumSlot, ChannelColors[std::size_t(p)]);
      if (plot->View()) plot->View()->UpdateCurvePage();
    }
    auto* heading = Find<TRzLabel>(QStringLiteral("lbFftChannel") + Suffix(m));
    auto* name = Find<TRzLabel>(QStringLiteral("lbGainName") + Suffix(m));
    if (heading) heading->SetCaption(ChannelName(p));
    if (heading && name) name->SetCaption(heading->Caption());
  }
  if (!graph || !param) return;

  SetCaptionColour(*button, MainLayout::kLime);
  oldParam->Hide();
  oldGraph->Hide();
  param->Show();
  graph->Show();
  param->BringToFront();
  graph->BringToFront();

  if (p == kPageGain)
    RefreshGainOverlays();
  else
    RefreshPageOverlays(p);
  FPage = p;
}

// Clicks the page button `name`, leaves it down and puts the Matrix button up.
static void GoToPage(TfmMain& form, const QString& name) {
  auto* target = form.Find<TRzBmpButton>(name);
  auto* matrix = form.Find<TRzBmpButton>(QStringLiteral("rzbMenuMatrix"));
  if (!target || !matrix) return;
  form.rzbMenuInAClick(target);
  target->SetDown(true);
  matrix->SetDown(false);
}

void TfmMain::lbMatrixHpLpInAClick(TComponent* Sender) {
  if (!Sender) return;
  const QString suffix = Suffix(Sender->Tag());
  if (suffix.isEmpty()) return;
  GoToPage(*this, QStringLiteral("rzbMenu") + suffix);
}

void TfmMain::lbMatrixDelayInAClick(TComponent*) { GoToPage(*this, QStringLiteral("rzbMenuDelay")); }
void TfmMain::lbMatrixCompOut1Click(TComponent*) { GoToPage(*this, QStringLiteral("rzbMenuComp")); }
void TfmMain::lbMatrixGateInAClick(TComponent*) { GoToPage(*this, QStringLiteral("rzbMenuGate")); }
void TfmMain::lbMatrixGainInAClick(TComponent*) { GoToPage(*this, QStringLiteral("rzbMenuGain")); }

void TfmMain::lbMatrixChNameInAMouseMove(TComponent* Sender, unsigned, int, int) {
  if (auto* control = dynamic_cast<TControl*>(Sender)) control->SetCursor(crHandPoint);
}

void TfmMain::lbMatrixChNameInAMouseLeave(TComponent* Sender) {
  if (auto* control = dynamic_cast<TControl*>(Sender)) control->SetCursor(crDefault);
}

namespace {

struct ViewProperties {
  int numHorzGrid;
  const char* yLabel;
  double yLabelScale;
};
constexpr ViewProperties kMagnitudeView{11, "dB", 1.0};
constexpr ViewProperties kPhaseView{7, "", 10.0};

}  // namespace

// Shared body of the Mag and Phase choices.
static void ShowView(TfmMain& form, TComponent* Sender, std::uint8_t mode) {
  auto* radio = dynamic_cast<TRadioButton*>(Sender);
  if (!radio) return;
  const int ch = radio->Tag();
  Plot* plot = form.GetPlot(ch);
  if (!plot || ch >= TfmMain::kChannels || plot->GetMode() == mode) return;
  plot->SetMode(mode);
  const QString s = TfmMain::Suffix(ch);
  auto* graph = form.Find<LMyFFTDrawPhase>(QStringLiteral("fftDraw") + s);
  auto* table = form.Find<TMyPEQAllpass>(QStringLiteral("peqPeq") + s);
  auto* frame = form.Find<TControl>(QStringLiteral("rzgFft") + s);
  auto* other = form.Find<TRadioButton>((mode == 0 ? QStringLiteral("rbShowPhase") : QStringLiteral("rbShowGain")) + s);
  if (!graph || !table || !frame || !other) return;
  SetCaptionColour(*radio, MainLayout::kYellow);
  SetCaptionColour(*other, MainLayout::kSilverText);
  form.CalcPeqCurve(graph);
  form.CalcLowCutCurve(graph);
  form.CalcHighCutCurve(graph);
  const ViewProperties& view = mode == 0 ? kMagnitudeView : kPhaseView;
  graph->SetNumHorzGrid(view.numHorzGrid);
  graph->SetYLabel(QLatin1String(view.yLabel));
  graph->SetYLabelScale(view.yLabelScale);
  graph->SetYMax(18.0);
  graph->SetYMin(-18.0);
  const int row = table->GetNowIndex();
  if (row >= 0 && row < table->GetChannelNumber())
    plot->DrawParamCurve(table->GetTypeValue(row), row, float(table->GetGainValue(row)),
                         float(table->GetQValue(row)), true);
  graph->UpdateCurvePage();
  frame->Repaint();
  form.MarkCurveDirty(ch);
  form.RefreshPageOverlays(ch);
}

void TfmMain::rbShowGainInAClick(TComponent* Sender) { ShowView(*this, Sender, 0); }
void TfmMain::rbShowPhaseInAClick(TComponent* Sender) { ShowView(*this, Sender, 1); }

void TfmMain::FormResize(TComponent*) {
  const int width = Width(), height = Height();
  // Smaller than the design size the window scrolls, and the pages keep their last layout.
  // Scrolling goes off first, so that the tables below place the controls unscrolled.
  SetAutoScroll(width < Program::kDesignWidth || height < Program::kDesignHeight);
  // A table places its controls unscrolled along its own direction.
  if (AutoScroll()) {
    if (width >= Program::kDesignWidth) HorzScrollBar()->setValue(0);
    if (height >= Program::kDesignHeight) VertScrollBar()->setValue(0);
  }
  if (height >= Program::kDesignHeight) {
    FExtraHeight = height - Program::kDesignHeight;
    MainLayout::ApplyHeightTable(*this, FExtraHeight);
  }
  if (width >= Program::kDesignWidth) MainLayout::ApplyWidthTable(*this, width - Program::kDesignWidth);
  for (int ch = 0; ch < kChannels; ++ch) {
    const QString s = Suffix(ch);
    auto* picture = Find<TImage>(QStringLiteral("imDelay") + s);
    auto* fader = Find<TAdvTrackBar>(QStringLiteral("isDelay") + s);
    auto* line = Find<TControl>(QStringLiteral("lbDelayLine") + s);
    auto* time = Find<TControl>(QStringLiteral("lbFftDelayTime") + s);
    if (!picture || !fader || !line || !time || fader->Max() == 0) continue;
    picture->SetLeft(DelayPictureLeft(fader->Position(), fader->Max(), line->Width()));
    time->SetBounds(picture->Left() + 30, picture->Top() + picture->Height() / 4, time->Width(), time->Height());
  }
  if (FMainMenu) FMainMenu->Bar()->resize(width, FMainMenu->Height());
  if (rzgMain) {
    rzgMain->Hide();
    rzgMain->Show();
  }
  // Not while the window is still being made (its image does not exist yet).
  if (FUnitControl)
    for (int ch = 0; ch < kChannels; ++ch) PlaceDelayIndicator(ch);
}
