// The resize tables: the position or size of each listed control at the design size, plus
// its share of the extra height (dy) or width (dx). All divisions truncate.
#include "LayoutKit.h"

#include "TfmMain.h"

#include <QString>

#include <vector>

namespace MainLayout {

namespace {

enum class Prop { Left, Top, Width, Height };

// The share of the extra size d a row takes.
enum class Share {
  None,       // 0
  Full,       // d
  Half,       // d/2
  Third,      // d/3
  TwoThirds,  // 2d/3
  Ninth,      // d/9
  EightNinths,
  Quarter,    // d/4, times the row's factor
  Seventh,    // d/7, times the row's factor
  Ninths,     // (factor x d)/9
  Eighth3,    // ((d/3) x factor)/8
  Ninth3,     // ((d/3) x factor)/9
  TwentyFirst,
  TwentyFourth,  // (d/3)/8
};

struct Row {
  QString name;
  Prop prop;
  int base;
  Share share;
  int factor = 1;
};

int ShareOf(Share share, int factor, int d) {
  switch (share) {
    case Share::None: return 0;
    case Share::Full: return d;
    case Share::Half: return d / 2;
    case Share::Third: return d / 3;
    case Share::TwoThirds: return 2 * d / 3;
    case Share::Ninth: return d / 9;
    case Share::EightNinths: return 8 * d / 9;
    case Share::Quarter: return (d / 4) * factor;
    case Share::Seventh: return (d / 7) * factor;
    case Share::Ninths: return factor * d / 9;
    case Share::Eighth3: return ((d / 3) * factor) / 8;
    case Share::Ninth3: return ((d / 3) * factor) / 9;
    case Share::TwentyFirst: return d / 21;
    case Share::TwentyFourth: return (d / 3) / 8;
  }
  return 0;
}

// Walks the rows; a control missing from the window is left out.
void Apply(TfmMain& form, const std::vector<Row>& rows, int d) {
  for (const Row& row : rows) {
    auto* control = form.Find<TControl>(row.name);
    if (!control) continue;
    const int v = row.base + ShareOf(row.share, row.factor, d);
    switch (row.prop) {
      case Prop::Left: control->SetLeft(v); break;
      case Prop::Top: control->SetTop(v); break;
      case Prop::Width: control->SetWidth(v); break;
      case Prop::Height: control->SetHeight(v); break;
    }
  }
}

const QString kOverviews[] = {QStringLiteral("Gain"), QStringLiteral("Delay"), QStringLiteral("Comp"),
                              QStringLiteral("Gate"), QStringLiteral("Matrix")};

QString S(const char* text) { return QLatin1String(text); }

std::vector<Row> HeightRows() {
  std::vector<Row> rows;
  rows.push_back({S("rzgMain"), Prop::Height, 629, Share::Full});
  for (const QString& o : kOverviews) {
    rows.push_back({S("rzgFft") + o, Prop::Height, 284, Share::Full});
    rows.push_back({S("rzgParam") + o, Prop::Top, 292, Share::Full});
  }
  for (int ch = 0; ch < 8; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    rows.push_back({S("rzgFft") + s, Prop::Height, 284, Share::Full});
    rows.push_back({S("rzgParam") + s, Prop::Top, 292, Share::Full});
    rows.push_back({S("fftDraw") + s, Prop::Height, 255, Share::Full});
  }
  rows.push_back({S("fftDrawGainIn"), Prop::Height, 255, Share::Full});
  rows.push_back({S("fftDrawGainOut"), Prop::Height, 255, Share::Full});
  rows.push_back({S("plFftDelayIn"), Prop::Height, 234, Share::Full});
  rows.push_back({S("plFftDelayOut"), Prop::Height, 234, Share::Full});
  rows.push_back({S("ipComp"), Prop::Height, 230, Share::Full});
  rows.push_back({S("ipGate"), Prop::Height, 230, Share::Full});

  // Meters of the Comp page: the current output's and each output's.
  static const char* const compLabels[] = {"lbLimitCompOut", "lbClipCompOut", "lb12CompOut",
                                           "lb5CompOut",     "lb0CompOut",    "lbN5CompOut",
                                           "lbN15CompOut",   "lbN30CompOut",  "lbN60CompOut"};
  static const int compBase[] = {22, 45, 68, 91, 115, 138, 161, 184, 208};
  static const int compBaseN[] = {35, 58, 81, 105, 128, 151, 175, 198, 222};
  rows.push_back({S("plLevelCompOut"), Prop::Height, 247, Share::Full});
  rows.push_back({S("pbLevelCompOut"), Prop::Top, 43, Share::Ninth});
  rows.push_back({S("pbLevelCompOut"), Prop::Height, 185, Share::EightNinths});
  rows.push_back({S("pbLimitCompOut"), Prop::Height, 22, Share::Ninth});
  for (int k = 0; k < 9; ++k) rows.push_back({S(compLabels[k]), Prop::Top, compBase[k], Share::Ninths, k + 1});
  for (int n = 1; n <= 6; ++n) {
    const QString d = QString::number(n);
    rows.push_back({S("plLevelCompOut") + d, Prop::Height, 247, Share::Full});
    rows.push_back({S("pbLevelCompOut") + d, Prop::Top, 55, Share::Ninth});
    rows.push_back({S("pbLevelCompOut") + d, Prop::Height, 185, Share::EightNinths});
    rows.push_back({S("pbLimitCompOut") + d, Prop::Height, 22, Share::Ninth});
    for (int k = 0; k < 9; ++k)
      rows.push_back({S(compLabels[k]) + d, Prop::Top, compBaseN[k], Share::Ninths, k + 1});
  }
  // Meters of the Gate page.
  static const char* const gateLabels[] = {"lbClipGateIn", "lb12GateIn",  "lb5GateIn",   "lb0GateIn",  "lbN5GateIn",
                                           "lbN15GateIn",  "lbN20GateIn", "lbN30GateIn", "lbN60GateIn"};
  static const int gateBase[] = {36, 59, 82, 105, 129, 152, 175, 198, 222};
  for (const QString& x : {QString(), S("A"), S("B")}) {
    rows.push_back({S("plLevelGateIn") + x, Prop::Height, 247, Share::Full});
    rows.push_back({S("pbLevelGateIn") + x, Prop::Top, 32, Share::Ninth});
    rows.push_back({S("pbLevelGateIn") + x, Prop::Height, 208, Share::EightNinths});
    for (int k = 0; k < 9; ++k) rows.push_back({S(gateLabels[k]) + x, Prop::Top, gateBase[k], Share::Ninths, k + 1});
  }
  rows.push_back({S("pbMatrix"), Prop::Top, 42, Share::Ninth});
  rows.push_back({S("pbMatrix"), Prop::Height, 206, Share::Full});
  // Rows of the Delay and Matrix pages spread over the extra height.
  for (int i = 0; i < 2; ++i) {
    const QString s = TfmMain::Suffix(i);
    rows.push_back({S("imDelay") + s, Prop::Top, 91 * i + 51, Share::Quarter, i + 1});
    rows.push_back({S("lbDelayLine") + s, Prop::Top, 91 * i + 41, Share::Quarter, i + 1});
    rows.push_back({S("lbDelayShow") + s, Prop::Top, 91 * i + 57, Share::Quarter, i + 1});
    rows.push_back({S("plMatrix") + s, Prop::Top, 120 * i + 70, Share::Quarter, i + 1});
  }
  for (int i = 2; i < 8; ++i) {
    const QString s = TfmMain::Suffix(i);
    rows.push_back({S("imDelay") + s, Prop::Top, 36 * i - 64, Share::Seventh, i - 1});
    rows.push_back({S("lbDelayLine") + s, Prop::Top, 36 * i - 64, Share::Seventh, i - 1});
    rows.push_back({S("lbDelayShow") + s, Prop::Top, 36 * i - 58, Share::Seventh, i - 1});
    rows.push_back({S("plMatrix") + s, Prop::Top, 40 * i - 50, Share::Seventh, i - 1});
  }
  rows.push_back({S("imLeftUpBase"), Prop::Height, 256, Share::Full});
  rows.push_back({S("imRightUpBase"), Prop::Height, 256, Share::Full});
  rows.push_back({S("imLeftDownBase"), Prop::Top, 256, Share::Full});
  rows.push_back({S("imRightDownBase"), Prop::Top, 256, Share::Full});
  rows.push_back({S("rzgPreset"), Prop::Top, 626, Share::Full});
  // The window's own additions: the status labels along the bottom edge and the output
  // numbers beside the Matrix page's output rows follow what they belong to.
  for (const char* status : {"lbShowIdNumber", "lbShowIp", "lbStatus"})
    rows.push_back({S(status), Prop::Top, 705, Share::Full});
  for (int i = 2; i < 8; ++i)
    rows.push_back({S("lbMatrixOut") + QString::number(i - 1), Prop::Top, 40 * i - 50 + 11, Share::Seventh, i - 1});
  return rows;
}

std::vector<Row> WidthRows() {
  std::vector<Row> rows;
  rows.push_back({S("rzbMenuLink"), Prop::Left, 1040, Share::Full});
  rows.push_back({S("rzgFunction"), Prop::Width, 1115, Share::Full});
  rows.push_back({S("rzgMain"), Prop::Width, 1112, Share::Full});
  for (const QString& o : kOverviews) {
    rows.push_back({S("rzgFft") + o, Prop::Width, 1112, Share::Full});
    rows.push_back({S("rzgParam") + o, Prop::Left, kParamLeft, Share::Half});
    rows.push_back({S("rzgParam") + o, Prop::Width, kParamWidth, Share::Half});
  }
  for (int ch = 0; ch < 8; ++ch) {
    const QString s = TfmMain::Suffix(ch);
    rows.push_back({S("rzgFft") + s, Prop::Width, 1112, Share::Full});
    rows.push_back({S("rzgParam") + s, Prop::Left, kParamLeft, Share::Half});
    rows.push_back({S("rzgParam") + s, Prop::Width, kParamWidth, Share::Half});
    rows.push_back({S("fftDraw") + s, Prop::Width, 1070, Share::Full});
    rows.push_back({S("vrbEqBypass") + s, Prop::Left, 776, Share::Full});
    rows.push_back({S("vrbEqReset") + s, Prop::Left, 857, Share::Full});
    rows.push_back({S("vrbEqShowAll") + s, Prop::Left, 934, Share::Full});
    rows.push_back({S("rzgFftShowCh") + s, Prop::Left, ch < 2 ? 500 : 460, Share::Half});
    rows.push_back({S("rzgFftShowCh") + s, Prop::Width, ch < 2 ? 176 : 260, Share::None});
    rows.push_back({S("lbDelayLine") + s, Prop::Width, 475, Share::Half});
  }
  rows.push_back({S("fftDrawGainIn"), Prop::Width, 530, Share::Half});
  rows.push_back({S("fftDrawGainOut"), Prop::Left, 550, Share::Half});
  rows.push_back({S("fftDrawGainOut"), Prop::Width, 530, Share::Half});
  rows.push_back({S("rzgFftShowChIn"), Prop::Left, 260, Share::Half});
  rows.push_back({S("rzgFftShowChOut"), Prop::Left, 720, Share::Full});
  rows.push_back({S("lbFftGainOut"), Prop::Left, 600, Share::Half});
  rows.push_back({S("plFftDelayIn"), Prop::Width, 520, Share::Half});
  rows.push_back({S("lbFftDelayIn"), Prop::Width, 520, Share::Half});
  rows.push_back({S("plFftDelayOut"), Prop::Left, 560, Share::Half});
  rows.push_back({S("plFftDelayOut"), Prop::Width, 520, Share::Half});
  rows.push_back({S("lbFftDelayOut"), Prop::Left, 560, Share::Half});
  rows.push_back({S("lbFftDelayOut"), Prop::Width, 520, Share::Half});
  rows.push_back({S("ipComp"), Prop::Width, 620, Share::Full});
  rows.push_back({S("lbCompName"), Prop::Width, 538, Share::Full});
  for (int i = 2; i < 8; ++i)
    rows.push_back({S("plLevelCompOut") + QString::number(i - 1), Prop::Left, 572 + 64 * i, Share::Full});
  rows.push_back({S("ipGate"), Prop::Width, 904, Share::Full});
  rows.push_back({S("lbGateName"), Prop::Width, 856, Share::Full});
  for (int i = 0; i < 2; ++i) rows.push_back({S("plLevelGate") + TfmMain::Suffix(i), Prop::Left, 979 + 53 * i, Share::Full});
  rows.push_back({S("pbMatrix"), Prop::Left, 465, Share::Third});
  rows.push_back({S("pbMatrix"), Prop::Width, 97, Share::Third});
  for (int i = 0; i < 2; ++i) {
    const QString s = TfmMain::Suffix(i);
    rows.push_back({S("plMatrix") + s, Prop::Width, 415, Share::Third});
    rows.push_back({S("lbMatrixName") + s, Prop::Width, 70, Share::TwentyFirst});
    rows.push_back({S("lbMatrixChName") + s, Prop::Width, 70, Share::TwentyFirst});
    rows.push_back({S("spMatrixName") + s, Prop::Width, 58, Share::TwentyFirst});
    for (const char* c : {"lbMatrixName", "lbMatrixChName", "spMatrixName"})
      rows.push_back({S(c) + s, Prop::Left, 0, Share::TwentyFourth});
    static const char* const cells[] = {"Gain", "Gate", "HpLp", "Peq", "Phase", "Delay"};
    static const int bases[] = {77, 134, 191, 248, 305, 362};
    for (int k = 0; k < 6; ++k)
      for (const char* kind : {"lbMatrix", "spMatrix"}) {
        rows.push_back({S(kind) + S(cells[k]) + s, Prop::Width, 50, Share::TwentyFirst});
        rows.push_back({S(kind) + S(cells[k]) + s, Prop::Left, bases[k], Share::Eighth3, k + 2});
      }
  }
  for (int i = 2; i < 8; ++i) {
    const QString s = TfmMain::Suffix(i);
    rows.push_back({S("plMatrix") + s, Prop::Left, 561, Share::TwoThirds});
    rows.push_back({S("plMatrix") + s, Prop::Width, 510, Share::Third});
    for (const char* kind : {"lbMatrix", "spMatrix"}) {
      rows.push_back({S(kind) + S("Xover") + s, Prop::Width, 50, Share::TwentyFourth});
      rows.push_back({S(kind) + S("Xover") + s, Prop::Left, 2, Share::None});
    }
    static const char* const cells[] = {"Peq", "Gain", "Comp", "Phase", "Delay", "Mute"};
    static const int bases[] = {61, 121, 180, 240, 298, 359};
    for (int k = 0; k < 6; ++k)
      for (const char* kind : {"lbMatrix", "spMatrix"}) {
        rows.push_back({S(kind) + S(cells[k]) + s, Prop::Width, 50, Share::TwentyFourth});
        rows.push_back({S(kind) + S(cells[k]) + s, Prop::Left, bases[k], Share::Ninth3, k + 1});
      }
    rows.push_back({S("lbMatrixName") + s, Prop::Width, 80, Share::TwentyFourth});
    rows.push_back({S("lbMatrixName") + s, Prop::Left, 418, Share::Ninth3, 7});
    rows.push_back({S("lbMatrixChName") + s, Prop::Width, 80, Share::TwentyFourth});
    rows.push_back({S("lbMatrixChName") + s, Prop::Left, 419, Share::Ninth3, 7});
    rows.push_back({S("spMatrixName") + s, Prop::Width, 58, Share::TwentyFourth});
    rows.push_back({S("spMatrixName") + s, Prop::Left, 416, Share::Ninth3, 7});
  }
  rows.push_back({S("imRightUpBase"), Prop::Left, 1077, Share::Full});
  rows.push_back({S("imRightDownBase"), Prop::Left, 1077, Share::Full});
  rows.push_back({S("imLeftUpBase"), Prop::Width, 1082, Share::Full});
  rows.push_back({S("imLeftDownBase"), Prop::Width, 1082, Share::Full});
  rows.push_back({S("rzgPreset"), Prop::Left, kPresetLeft, Share::Half});
  rows.push_back({S("rzgPreset"), Prop::Width, kPresetWidth, Share::Half});
  rows.push_back({S("lbStatus"), Prop::Left, 900, Share::Full});
  for (int n = 1; n <= 6; ++n) rows.push_back({S("lbMatrixOut") + QString::number(n), Prop::Left, 545, Share::TwoThirds});
  return rows;
}

}  // namespace

void ApplyHeightTable(TfmMain& form, int dy) {
  static const std::vector<Row> rows = HeightRows();
  if (dy >= 0) Apply(form, rows, dy);
}

void ApplyWidthTable(TfmMain& form, int dx) {
  static const std::vector<Row> rows = WidthRows();
  if (dx >= 0) Apply(form, rows, dx);
}

}  // namespace MainLayout
