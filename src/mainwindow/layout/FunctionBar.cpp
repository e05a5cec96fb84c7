// The function bar (the 13 page buttons and the connect button), the page area's frame and
// its background pictures, the preset area and the status labels along the bottom edge.
#include "LayoutKit.h"

#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "TfmMain.h"
#include "ui/TImage.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace MainLayout {

namespace {

struct PageButton {
  const char* name;
  const char* caption;
  int page;
};

// Left to right: the overviews framing the eight channel pages.
constexpr std::array<PageButton, 13> kPageButtons{{
    {"rzbMenuGain", "Gain", 10},
    {"rzbMenuInA", "InA", 0},
    {"rzbMenuInB", "InB", 1},
    {"rzbMenuOut1", "Out1", 2},
    {"rzbMenuOut2", "Out2", 3},
    {"rzbMenuOut3", "Out3", 4},
    {"rzbMenuOut4", "Out4", 5},
    {"rzbMenuOut5", "Out5", 6},
    {"rzbMenuOut6", "Out6", 7},
    {"rzbMenuDelay", "Delay", 9},
    {"rzbMenuMatrix", "Matrix", 11},
    {"rzbMenuComp", "Comp", 8},
    {"rzbMenuGate", "Gate", 12},
}};

constexpr int kPageGroup = 1;  // the radio group of the page buttons
constexpr int kButtonWidth = 70, kButtonHeight = 30, kButtonTop = 7;

// The x of each page button: a small gap after the Gain button and before the overviews.
int ButtonLeft(int index) {
  int x = 10 + index * (kButtonWidth + 6);
  if (index >= 1) x += 8;
  if (index >= 9) x += 8;
  return x;
}

// A dark vertical gradient for the page area's background pictures. Every column is the
// same, so the picture is one column wide and the image stretches it across its width.
void PaintBase(TImage& image, QColor top, QColor bottom) {
  QImage picture(1, std::max(1, image.Height()), QImage::Format_ARGB32_Premultiplied);
  QPainter p(&picture);
  QLinearGradient g(0, 0, 0, picture.height());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(picture.rect(), g);
  p.end();
  image.Picture().SetImage(picture);
  image.SetStretch(true);
}

}  // namespace

void BuildFunctionBar(TfmMain& form) {
  form.rzgFunction = AddGroup(form, &form, QStringLiteral("rzgFunction"), 0, 5, kMenuHeight + 2, 1115, 44, kFrame);
  for (std::size_t i = 0; i < kPageButtons.size(); ++i) {
    const PageButton& b = kPageButtons[i];
    TRzBmpButton* button = AddButton(form, form.rzgFunction, QLatin1String(b.name), b.page, ButtonLeft(int(i)),
                                     kButtonTop, kButtonWidth, kButtonHeight, Face::Page, QLatin1String(b.caption),
                                     kPageGroup);
    button->OnClick = [&form](TComponent* s) { form.rzbMenuInAClick(s); };
  }
  form.rzbMenuLink = AddButton(form, form.rzgFunction, QStringLiteral("rzbMenuLink"), 0, 1040, kButtonTop, 68,
                               kButtonHeight, Face::Command, QStringLiteral("OffLine"));
  // A group of its own that allows all up: the link code shows it down while online.
  form.rzbMenuLink->SetGroupIndex(kPageGroup + 1);
  form.rzbMenuLink->SetAllowAllUp(true);
  form.rzbMenuLink->OnClick = [&form](TComponent* s) { form.rzbMenuLinkClick(s); };

  form.rzgMain = AddGroup(form, &form, QStringLiteral("rzgMain"), 0, 5, kMenuHeight + 48, 1112, 629, kWindow);
  // Background pictures of the page area: upper and lower bands, left and right parts.
  struct Base {
    const char* name;
    int left, top, width, height;
    QColor top_, bottom;
  };
  const Base bases[] = {
      {"imLeftUpBase", 0, 0, 1082, 256, QColor(0x1E, 0x21, 0x26), QColor(0x1A, 0x1C, 0x20)},
      {"imRightUpBase", 1077, 0, 35, 256, QColor(0x1E, 0x21, 0x26), QColor(0x1A, 0x1C, 0x20)},
      {"imLeftDownBase", 0, 256, 1082, 373, QColor(0x1A, 0x1C, 0x20), QColor(0x17, 0x19, 0x1C)},
      {"imRightDownBase", 1077, 256, 35, 373, QColor(0x1A, 0x1C, 0x20), QColor(0x17, 0x19, 0x1C)},
  };
  for (const Base& b : bases) {
    TImage* image = AddImage(form, form.rzgMain, QLatin1String(b.name), 0, b.left, b.top, b.width, b.height);
    PaintBase(*image, b.top_, b.bottom);
  }
}

void BuildPresetArea(TfmMain& form) {
  form.rzgPreset = AddGroup(form, &form, QStringLiteral("rzgPreset"), 0, kPresetLeft, kPresetTop, kPresetWidth,
                             kPresetHeight, kFrame);
  TRzGroupBox* g = form.rzgPreset;
  const TFont caption = Font(9, kDimText, true);
  AddLabel(form, g, QStringLiteral("lPreset"), 0, 24, 10, 90, QStringLiteral("Preset"), caption);
  TRzLabel* name = AddLabel(form, g, QStringLiteral("lbPstName"), 0, 24, 30, 240, QStringLiteral("Default Preset"),
                            Font(14, kHeading, true));
  name->SetAutoSize(false);
  AddLabel(form, g, QStringLiteral("lAddress"), 0, 300, 10, 90, QStringLiteral("Address"), caption);
  AddLabel(form, g, QStringLiteral("lbPstNum"), 0, 300, 30, 90, QStringLiteral("F00"), Font(14, kHeading, true));
  AddButton(form, g, QStringLiteral("bStore"), 0, 886, 18, 96, 30, Face::Command, QStringLiteral("Store"));
  AddButton(form, g, QStringLiteral("bRecall"), 0, 992, 18, 96, 30, Face::Command, QStringLiteral("Recall"));

  // The status labels along the bottom edge of the window.
  const TFont status = Font(8, kDimText, true);
  form.lbShowIdNumber = AddLabel(form, &form, QStringLiteral("lbShowIdNumber"), 0, 12, 705, 90,
                                 QStringLiteral("ID : 1"), status);
  form.lbShowIp = AddLabel(form, &form, QStringLiteral("lbShowIp"), 0, 110, 705, 260,
                           QStringLiteral("Disconnected"), status);
  form.lbStatus = AddLabel(form, &form, QStringLiteral("lbStatus"), 0, 900, 705, 214, QStringLiteral("OffLine"),
                           status, taRightJustify);
}

void BuildMainWindow(TfmMain& form) {
  BuildFunctionBar(form);
  BuildChannelPages(form);
  BuildGainPage(form);
  BuildDelayPage(form);
  BuildCompPage(form);
  BuildGatePage(form);
  BuildMatrixPage(form);
  BuildPresetArea(form);
  // Only the current page's frames show.
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* control = dynamic_cast<TControl*>(form.Components(i));
    if (!control) continue;
    const QString name = control->Name();
    if ((name.startsWith(QLatin1String("rzgFft")) || name.startsWith(QLatin1String("rzgParam"))) &&
        control->Parent() == form.rzgMain)
      control->SetVisible(name == QLatin1String("rzgFftGain") || name == QLatin1String("rzgParamGain"));
  }
}

}  // namespace MainLayout
