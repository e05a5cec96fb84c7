// The texts of the user interface: the look-up by key in the current language's table, the
// captions of the main window and the language menu.
#include "TfmMain.h"

#include "MyPEQAllpass.h"
#include "RzBmpBtn.h"
#include "ui/TMenu.h"

#include <array>

QString TfmMain::LangText(const QString& key) const {
  if (FLanguage == QLatin1String("English")) return moEnglish.Text(key);
  if (FLanguage == QLatin1String("ChineseGB")) return moSimplified.Text(key);
  return QString();
}

namespace {

// A control whose caption comes from a key; Phase buttons take their key from their state.
struct CaptionKey {
  const char* stem;
  const char* key;
  bool outputs;
  bool inputs;
};

// The channel page controls, in the order they are captioned.
constexpr std::array<CaptionKey, 27> kChannelCaptions{{
    {"lbFftParam", "SID_PARAM_KEY", true, true},
    {"lbGain", "SID_GAIN", true, true},
    {"rzbMute", "SID_MUTE", true, true},
    {"rzbPhase", nullptr, true, true},
    {"lbEqParam", "SID_EQ_PARAM", true, true},
    {"lbEqFreq", "SID_EQ_FREQ", true, true},
    {"lbEqBw", "SID_EQ_BW", true, true},
    {"lbEqGain", "SID_EQ_GAIN", true, true},
    {"lbEq", "SID_EQ_PARAM_TITLE", true, true},
    {"lbLowCutFreq", "SID_HPF", true, true},
    {"lbLowCutSlop", "SID_HLP_SLOP", true, true},
    {"rzbLowCutBypass", "SID_HLP_BYPASS", true, true},
    {"lbHighCutFreq", "SID_LPF", true, true},
    {"lbHighCutSlop", "SID_HLP_SLOP", true, true},
    {"rzbHighCutBypass", "SID_HLP_BYPASS", true, true},
    {"lbGateThreshold", "SID_COMP_THRESHOLD", false, true},
    {"lbGateAttack", "SID_COMP_ATTACK", false, true},
    {"lbGateRelease", "SID_COMP_RELEASE", false, true},
    {"lbGateHold", "SID_GATE_HOLD", false, true},
    {"vrbEqShowAll", "SID_SHOW_ALL_EQ", true, true},
    {"vrbEqReset", "SID_RESET_EQ", true, true},
    {"vrbEqBypass", "SID_BYPASS_EQ", true, true},
    {"lbCompRatio", "SID_COMP_RATIO", true, false},
    {"lbCompThreshold", "SID_COMP_THRESHOLD", true, false},
    {"lbCompAttack", "SID_COMP_ATTACK", true, false},
    {"lbCompRelease", "SID_COMP_RELEASE", true, false},
    {"lbCompKnee", "SID_COMP_KNEE", true, false},
}};

// The Matrix page's headings and block labels (each label named "lb" + stem + suffix).
void ApplyMatrixLanguage(TfmMain& form) {
  const auto set = [&form](const QString& name, const char* key) {
    if (auto* control = form.Find<TControl>(name)) control->SetCaption(form.LangText(QLatin1String(key)));
  };
  set(QStringLiteral("lbMatrixInputs"), "SID_UI_MATRIX_INPUTS");
  set(QStringLiteral("lbMatrixOutputs"), "SID_UI_MATRIX_OUTPUTS");
  set(QStringLiteral("lbMatrixRouting"), "SID_UI_ROUTING");
  const std::pair<const char*, const char*> blocks[] = {
      {"MatrixGain", "SID_UI_BLOCK_GAIN"},   {"MatrixGate", "SID_UI_BLOCK_GATE"},   {"MatrixHpLp", "SID_UI_BLOCK_HPLP"},
      {"MatrixPeq", "SID_UI_BLOCK_PEQ"},     {"MatrixPhase", "SID_UI_BLOCK_PHASE"}, {"MatrixDelay", "SID_UI_BLOCK_DELAY"},
      {"MatrixXover", "SID_UI_BLOCK_XOVER"}, {"MatrixComp", "SID_UI_BLOCK_COMP"},   {"MatrixMute", "SID_UI_BLOCK_MUTE"}};
  for (int ch = 0; ch < TfmMain::kChannels; ++ch)
    for (const auto& [stem, key] : blocks)
      set(QStringLiteral("lb") + QLatin1String(stem) + TfmMain::Suffix(ch), key);
}

}  // namespace

void TfmMain::ApplyLanguage() {
  const auto text = [this](const char* key) { return LangText(QLatin1String(key)); };
  // Menu items.
  const std::pair<TMenuItem*, const char*> menu[] = {
      {File, "SID_FILE"},
      {Open, "SID_OPEN"},
      {Save, "SID_SAVE"},
      {Upload, "SID_UPLOAD"},
      {Download, "SID_DOWNLOAD"},
      {FactoryDefault, "SID_RETRUN_FACTORY"},
      {Exit, "SID_EXIT"},
      {BlockDiagram, "SID_BLOCK"},
      {Connected, FOnline ? "SID_DISCONNECT" : "SID_CONNECT"},
      {Connect, "SID_CONNECT"},
      {ConnectHelp, "SID_CONNECT_HELP"},
      {Lock, "SID_LOCK"},
      {LockSetup, "SID_LOCK_SETUP"},
      {SettingID, "SID_SET_ID"},
      {NetworkSetup, "SID_SET_NETWORK"},
      {TestTone, "SID_TEST_TONE"},
      {Link, "SID_LINK"},
      {Copy, "SID_COPY"},
      {ChNameList, "SID_CH_NAME_LIST"},
      {LanguageSel, "SID_LANGUAGE"},
      {ChineseSimplified, "SID_CHINESE_SIMPLIFIED"},
      {ChineseTraditional, "SID_CHINESE_TRODITIONAL"},
      {English, "SID_ENGLISH"},
      {Help, "SID_HELP"},
      {Rs232Code, "SID_RS232_CODE"},
      {About, "SID_ABOUT"},
  };
  for (const auto& [item, key] : menu)
    if (item) item->Caption = text(key);
  if (FMainMenu) FMainMenu->Refresh();
  ApplyMatrixLanguage(*this);

  // Captions of controls found by name; the first one missing ends the routine.
  const auto caption = [this](const QString& name, const QString& value) {
    auto* control = Find<TControl>(name);
    if (!control) return false;
    control->SetCaption(value);
    return true;
  };
  const auto phaseKey = [this](const QString& name) {
    auto* button = Find<TRzBmpButton>(name);
    return button && button->Down() ? "SID_PHASE_ON" : "SID_PHASE_OFF";
  };

  if (!caption(QStringLiteral("rzbMenuLink"), text(FOnline ? "SID_ONLINE" : "SID_OFFLINE"))) return;
  const std::pair<const char*, const char*> preset[] = {
      {"lPreset", "SID_PRESET"}, {"lAddress", "SID_ADDRESS"}, {"bStore", "SID_BT_STORE"}, {"bRecall", "SID_BT_RECALL"}};
  for (const auto& [name, key] : preset)
    if (!caption(QLatin1String(name), text(key))) return;
  for (int ch = 0; ch < kChannels; ++ch) {
    const QString s = Suffix(ch);
    if (!caption(QStringLiteral("rzbMuteBackup") + s, text("SID_MUTE"))) return;
    const QString phase = QStringLiteral("rzbPhaseBackup") + s;
    if (!caption(phase, text(phaseKey(phase)))) return;
  }
  const std::pair<const char*, const char*> overview[] = {
      {"lbGainInput", "SID_IN"},          {"lbGainOutput", "SID_OUT"},   {"lbDelayInput", "SID_IN"},
      {"lbDelayOutput", "SID_OUT"},       {"lbDelayUnit", "SID_DELAY_UNIT"}, {"lbFftDelayIn", "SID_IN_DELAY"},
      {"lbFftDelayOut", "SID_OUT_DELAY"}, {"rzbUnit0", "SID_UNIT_MS"},   {"rzbUnit1", "SID_UNIT_M"},
      {"rzbUnit2", "SID_UNIT_FT"},        {"lbFftGainIn", "SID_IN"},     {"lbFftGainOut", "SID_OUT"},
  };
  for (const auto& [name, key] : overview)
    if (!caption(QLatin1String(name), text(key))) return;

  for (int ch = 0; ch < kChannels; ++ch) {
    const QString s = Suffix(ch);
    const bool output = ch >= 2;
    for (const CaptionKey& c : kChannelCaptions) {
      if (output ? !c.outputs : !c.inputs) continue;
      const QString name = QLatin1String(c.stem) + s;
      if (!caption(name, text(c.key ? c.key : phaseKey(name)))) return;
    }
    auto* table = Find<TMyPEQAllpass>(QStringLiteral("peqPeq") + s);
    if (!table) return;
    for (int type = 0; type < 7; ++type)
      table->SetEqTypeString(LangText(QStringLiteral("SID_EQ_TYPE%1").arg(type)), type);
    table->SetBypassString(text("SID_EQ_BYPASS"));
    table->ChangeLanguage();
  }

  // The dynamics headings keep the channel they show.
  const QChar letter = FGateChannel == 1 ? QChar('B') : QChar('A');
  if (!caption(QStringLiteral("lbGateName"), QStringLiteral("In ") + letter + QStringLiteral("  ") + text("SID_GATE")))
    return;
  caption(QStringLiteral("lbCompName"),
          QStringLiteral("Out ") + QString::number(FCompChannel - 1) + QStringLiteral("  ") + text("SID_COMP"));
}

// Shared body of the two language items; the item's Tag chooses the language.
static void ChooseLanguage(TfmMain& form, TMenuItem* Sender) {
  if (!Sender) return;
  TMenuItem* chosen = nullptr;
  if (Sender->Tag == 0) {
    form.FLanguage = QStringLiteral("ChineseGB");
    chosen = form.ChineseSimplified;
  } else if (Sender->Tag == 2) {
    form.FLanguage = QStringLiteral("English");
    chosen = form.English;
  }
  if (!chosen || chosen->Checked) return;
  for (TMenuItem* item : {form.ChineseSimplified, form.ChineseTraditional, form.English}) item->Checked = item == chosen;
  form.ApplyLanguage();
  if (auto* table = form.Find<TMyPEQAllpass>(QStringLiteral("peqPeqInA"))) table->Repaint();
}

void TfmMain::ChineseSimplifiedClick(TMenuItem* Sender) { ChooseLanguage(*this, Sender); }
void TfmMain::EnglishClick(TMenuItem* Sender) { ChooseLanguage(*this, Sender); }
