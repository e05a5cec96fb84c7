// The unit's presets and the ".prs" preset files: store and recall through the preset grids,
// the factory default, saving the current image to a file and taking a file into the image
// (and into the unit when connected); the file dialogs and the messages they give.
#include "TfmMain.h"

#include "AdvProgressBar.h"
#include "CommandCode.h"
#include "FFactory.h"
#include "FInformation.h"
#include "FPresetGrid.h"
#include "FProcess.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "McsCommands.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "UnitFiles.h"
#include "timer/TTimer.h"
#include "ui/TLabel.h"
#include "ui/TStatusBar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include <algorithm>

namespace {
constexpr int kStoreSteps = 2, kRecallSteps = 15, kPrsFileSteps = 230;
using MainWindow::kFileOperationPrs;
}  // namespace

void TfmMain::CreatePresetParts() {
  AskFileName = [](FileDialog kind) { return AskFileNameWithDialog(kind); };
  if (auto* store = Find<TRzBmpButton>(QStringLiteral("bStore")))
    store->OnClick = [this](TComponent* s) { bStoreClick(s); };
  if (auto* recall = Find<TRzBmpButton>(QStringLiteral("bRecall")))
    recall->OnClick = [this](TComponent* s) { bRecallClick(s); };
  tmUpload = new TTimer(this);
  tmUpload->SetEnabled(false);
  tmUpload->SetInterval(FTimes.upload);
  tmUpload->SetOnTimer([this](QObject* s) { tmUploadTimer(s); });
}

QString TfmMain::AskFileNameWithDialog(FileDialog kind) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const bool preset = kind == FileDialog::SavePreset || kind == FileDialog::OpenPreset;
  const QString filter = preset ? QStringLiteral("*.prs (*.prs)") : QStringLiteral("*.unt (*.unt)");
  if (kind == FileDialog::SavePreset || kind == FileDialog::SaveUnit)
    return QFileDialog::getSaveFileName(nullptr, QString(), folder, filter);
  return QFileDialog::getOpenFileName(nullptr, QString(), folder, filter);
}

QString TfmMain::AskUnitFileName() { return AskFileName ? AskFileName(FileDialog::SaveUnit) : QString(); }

void TfmMain::ShowMessage(const char* key) {
  fmInformation->lbMessage->SetCaption(LangText(QLatin1String(key)));
  fmInformation->ShowModal();
}

void TfmMain::SetRecallPresetRow(int row, const QString& name) {
  if (fmRecallPreset) fmRecallPreset->SetPresetRow(row, name);
}

void TfmMain::SetStorePresetRow(int row, const QString& name) {
  if (fmStorePreset) fmStorePreset->SetPresetRow(row, name);
}

// --- store, recall, factory default

void TfmMain::bStoreClick(TComponent*) {
  fmStorePreset->lPresetSelect->SetCaption(QStringLiteral("Store Preset"));
  fmStorePreset->ShowModal();
}

void TfmMain::bRecallClick(TComponent*) {
  fmRecallPreset->lPresetSelect->SetCaption(QStringLiteral("Recall Preset"));
  fmRecallPreset->ShowModal();
}

void TfmMain::StorePreset(int n, const std::string& name) {
  if (!FConnected) return;
  tmInLevelDet->SetEnabled(false);
  ClearLevelMeters();
  FCurrentPreset = n + 1;
  FUnitControl->MarkPresetUsed(n);
  std::array<std::uint8_t, kPresetNameSize> bytes{};
  std::fill(bytes.begin(), bytes.end(), ' ');
  std::copy_n(name.begin(), std::min(name.size(), bytes.size()), bytes.begin());
  FUnitControl->SetPresetName(bytes);
  if (auto* number = Find<TCustomLabel>(QStringLiteral("lbPstNum")))
    number->SetCaption(QStringLiteral("U%1").arg(n + 1, 2, 10, QLatin1Char('0')));
  if (auto* label = Find<TCustomLabel>(QStringLiteral("lbPstName")))
    label->SetCaption(TPresetGridForm::DisplayName(bytes));
  SetLinkTimeout(FTimes.store);
  FRequestState = REQ_STORE;
  SendCmd(CM_MCS_PRESETNAME(FDeviceId, FUnitControl->GetPresetName()), true);
  fmProcess->StatusBar->SetSimpleText(LangText(QStringLiteral("SID_STORE_PRESET")));
  fmProcess->ProgressBar->SetPosition(0);
  fmProcess->ProgressBar->SetMax(kStoreSteps);
  fmProcess->ShowModal();
}

void TfmMain::RecallPreset(int n) {
  FRequestState = REQ_RECALL;
  if (!FConnected) return;
  tmInLevelDet->SetEnabled(false);
  ClearLevelMeters();
  SetLinkTimeout(FTimes.store);
  FCurrentPreset = n;
  SendCmd(CM_MCS_CMD(FDeviceId, CMD_RECALL_PRESET, n), true);
  fmProcess->StatusBar->SetSimpleText(LangText(QStringLiteral("SID_LOAD_PRESET")));
  fmProcess->ProgressBar->SetPosition(0);
  fmProcess->ProgressBar->SetMax(kRecallSteps);
  fmProcess->ShowModal();
}

void TfmMain::StartFactoryDefault() {
  FRequestState = REQ_FACTORY;
  tmInLevelDet->SetEnabled(false);
  ClearLevelMeters();
  SetLinkTimeout(FTimes.store);
  SendCode(CMD_FACTORY_DEFAULT, true);
}

void TfmMain::FactoryDefaultClick(TMenuItem*) {
  if (FConnected)
    fmFactory->ShowModal();
  else
    ShowMessage("SID_INFO_CON_FIRST");
}

// --- preset files

void TfmMain::SaveClick(TMenuItem*) { SavePresetFile(); }

void TfmMain::SavePresetFile() {
  ByteArray bytes = FUnitControl->SerialiseImage();
  bytes.push_back('\r');
  bytes.push_back('\n');
  const QString chosen = AskFileName(FileDialog::SavePreset);
  if (!chosen.isEmpty() && !UnitFiles::WriteWholeFile(UnitFiles::PresetFilePath(chosen), bytes))
    ShowMessage("SID_INFO_ERROR_SAVE");
  QDir::setCurrent(QCoreApplication::applicationDirPath());
}

void TfmMain::OpenClick(TMenuItem*) {
  FUpdating = true;
  OpenPresetFile();
  FUpdating = false;
  for (int ch = 0; ch < kChannels; ++ch) {
    auto* graph = Find<LMyFFTDrawPhase>(QStringLiteral("fftDraw") + Suffix(ch));
    if (!graph) break;
    graph->update();
  }
  SetLinkTimeout(FTimes.step);
}

void TfmMain::OpenPresetFile() {
  const QString path = AskFileName(FileDialog::OpenPreset);
  if (path.isEmpty()) return;
  DeselectEqBands();
  const std::optional<ByteArray> bytes = UnitFiles::ReadWholeFile(path, kPresetFileSize);
  const std::optional<ByteArray> body = bytes ? UnitFiles::ReadPresetFile(*bytes) : std::nullopt;
  if (!body) {
    ShowMessage("SID_INFO_ERROR_FILE");
    return;
  }
  SetLinkTimeout(FTimes.file);
  if (FConnected) tmInLevelDet->SetEnabled(false);
  FUnitControl->DownloadImage(*body);
  FFileOperation = kFileOperationPrs;
  if (FConnected) {
    SendCode(CMD_LEVELS, true);
    fmProcess->StatusBar->SetSimpleText(LangText(QStringLiteral("SID_DOWNLOAD_PARAMETER")));
    fmProcess->ProgressBar->SetMax(kPrsFileSteps);
    fmProcess->ProgressBar->SetPosition(0);
    fmProcess->ShowModal();
  }
  FUpdating = true;
  ShowUnitImage(*FUnitControl);
  FUpdating = false;
  tmInLevelDet->SetEnabled(true);
}
