// The whole unit and ".unt" files: the upload reads the unit's information bytes and every
// stored preset in 15 pieces and writes the file; the download returns the unit to its
// factory default, writes the information back, sends each stored record of the file in 15
// pieces of 50 bytes, restarts the unit and disconnects. A link that closes halfway ends
// the transfer with a message.
#include "TfmMain.h"

#include "AdvProgressBar.h"
#include "CommandCode.h"
#include "FInformation.h"
#include "FProcess.h"
#include "LUnitControl.h"
#include "McsCommands.h"
#include "UnitFiles.h"
#include "timer/TTimer.h"
#include "ui/TLabel.h"
#include "ui/TStatusBar.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace {
constexpr std::size_t kPieceBytes = LUnitControl::kPieceSize;
constexpr int kImageBytesPerRecord = 718;
using MainWindow::kFileOperationPrs;
}  // namespace

void TfmMain::UploadClick(TMenuItem*) { UploadUnit(); }
void TfmMain::DownloadClick(TMenuItem*) { DownloadUnitFile(); }

// --- upload

void TfmMain::UploadUnit() {
  if (!FConnected) {
    ShowMessage("SID_INFO_CON_FIRST");
    return;
  }
  int used = 0;
  FReadSlot = 0;
  for (int n = 0; n < kPresetSlots; ++n) {
    if (!FUnitControl->IsPresetUsed(n)) continue;
    if (used++ == 0) FReadSlot = n + 1;
  }
  if (used == 0) {
    ShowMessage("SID_INFO_NO_SAVE_EXIST");
    return;
  }
  tmInLevelDet->SetEnabled(false);
  ClearLevelMeters();
  FTransfer = Transfer::Upload;
  SendCmd(CM_MCS_READ_EEPROM(FDeviceId, 0, kDeviceInfoSize), true);
  fmProcess->ProgressBar->SetPosition(0);
  fmProcess->ProgressBar->SetMax(used);
  fmProcess->StatusBar->SetSimpleText(LangText(QStringLiteral("SID_UPLOAD_PRESET")));
  fmProcess->ShowModal();
}

void TfmMain::OnDeviceInfoReply(const LCmd& reply) {
  FUnitControl->SetDeviceInfo(reply.GetPayload());
  if (FTransfer == Transfer::Upload) SelectPresetForRead(FReadSlot);
}

void TfmMain::SelectPresetForRead(int slot) {
  FRequestState = REQ_READ_PRESET;
  SendCmd(CM_MCS_CMD(FDeviceId, CMD_SELECT_PRESET, slot), true);
}

void TfmMain::OnPresetPieceReply(const LCmd& reply) {
  if (FTransfer != Transfer::Upload) return;
  FUnitControl->ReceivePresetPiece(FReadSlot, reply.GetPayload());
  const int p = reply.PayloadByte(0);
  if (p < LUnitControl::kLastPiece) {
    SendCmd(CM_MCS_CMD(FDeviceId, CMD_READ_PRESET_PIECE, p + 1), true);
    return;
  }
  int next = FReadSlot + 1;
  while (next <= kPresetSlots && !FUnitControl->IsPresetUsed(next - 1)) ++next;
  if (next <= kPresetSlots) {
    FReadSlot = next;
    FRequestState = REQ_READ_PRESET;
    fmProcess->ProgressBar->SetPosition(fmProcess->ProgressBar->Position() + 1);
    SendCmd(CM_MCS_CMD(FDeviceId, CMD_SELECT_PRESET, next), true);
    return;
  }
  FTransfer = Transfer::None;
  SendCode(CMD_POLL, false);
  fmProcess->Close();
  tmUpload->SetEnabled(true);
  tmInLevelDet->SetEnabled(true);
}

void TfmMain::tmUploadTimer(QObject*) {
  tmUpload->SetEnabled(false);
  bool cancelled = false;
  if (!FUnitControl->SaveUnitFile(&cancelled) && !cancelled) ShowMessage("SID_INFO_ERROR_SAVE");
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  // The unit settles before polling starts again; the window keeps handling events.
  QEventLoop settle;
  QTimer::singleShot(FTimes.uploadSettle, &settle, &QEventLoop::quit);
  settle.exec();
  tmInLevelDet->SetEnabled(true);
}

// --- download

void TfmMain::DownloadUnitFile() {
  if (!FConnected) {
    ShowMessage("SID_INFO_CON_FIRST");
    return;
  }
  const QString path = AskFileName(FileDialog::OpenUnit);
  if (path.isEmpty()) return;
  const std::optional<ByteArray> bytes = UnitFiles::ReadWholeFile(path, LUnitControl::kUnitFileSize);
  std::optional<UnitFileContents> file = bytes ? UnitFiles::ReadUnitFile(*bytes) : std::nullopt;
  if (!file) {
    ShowMessage("SID_INFO_ERROR_DOWNLAOD");
    return;
  }
  FUnitFile = *file;
  FDownloadSlot = 1;
  tmInLevelDet->SetEnabled(false);
  ClearLevelMeters();
  SetLinkTimeout(FTimes.store);
  FTransfer = Transfer::Download;
  FRequestState = REQ_UNIT_DOWNLOAD;
  SendCode(CMD_FACTORY_DEFAULT, true);
  SetEnabled(false);
  fmProcess->Show();
  fmProcess->StatusBar->SetSimpleText(LangText(QStringLiteral("SID_DOWNLOAD_PRESET")));
  fmProcess->ProgressBar->SetPosition(0);
  fmProcess->ProgressBar->SetMax(FUnitFile.StoredCount() * kImageBytesPerRecord / int(kPieceBytes));
}

void TfmMain::SendDownloadPiece(int preset, int piece) {
  // Piece q carries record bytes 1 + 50 q onwards; the last piece takes the bytes the record
  // still has and zeros after them.
  const auto& record = FUnitFile.records[std::size_t(FDownloadSlot - 1)];
  const std::size_t from = 1 + kPieceBytes * std::size_t(piece);
  const std::size_t count = std::min(kPieceBytes, record.size() - std::min(from, record.size()));
  FPieceBuffer.fill(0);
  std::copy_n(record.begin() + std::ptrdiff_t(from), count, FPieceBuffer.begin());
  SendCmd(CM_MCS_DOWNLOAD(FDeviceId, preset, piece, FPieceBuffer), true);
}

void TfmMain::DownloadNextPreset() {
  while (FDownloadSlot <= kPresetSlots && !FUnitFile.IsStored(FDownloadSlot)) ++FDownloadSlot;
  if (FDownloadSlot > kPresetSlots) {
    EndDownload();
    return;
  }
  SendDownloadPiece(FUnitFile.records[std::size_t(FDownloadSlot - 1)][0] - 1, 0);
  fmProcess->ProgressBar->SetPosition(fmProcess->ProgressBar->Position() + 1);
}

void TfmMain::OnDownloadPieceReply(const LCmd& reply) {
  if (FTransfer != Transfer::Download) return;
  const int p = reply.PayloadByte(0);
  if (p < LUnitControl::kLastPiece) {
    SendDownloadPiece(FDownloadSlot - 1, p + 1);
    return;
  }
  ++FDownloadSlot;
  fmProcess->ProgressBar->SetPosition(FDownloadSlot);
  if (FDownloadSlot <= kPresetSlots)
    DownloadNextPreset();
  else
    EndDownload();
}

void TfmMain::EndDownload() {
  FTransfer = Transfer::None;
  fmProcess->Hide();
  fmProcess->StatusBar->SetSimpleText(QString());
  SetEnabled(true);
  SetFocus();
  SendCmd(CM_MCS_MCU_RESET(FDeviceId), true);
  tmDisconnect->SetEnabled(true);
}

// --- a transfer the link broke off

void TfmMain::EndBrokenTransfer() {
  const bool broken = FTransfer != Transfer::None || FFileOperation == kFileOperationPrs;
  if (!broken) return;
  FTransfer = Transfer::None;
  FFileOperation = 0;
  FRequestState = REQ_NONE;
  tmUpload->SetEnabled(false);
  tmProcessShow->SetEnabled(false);
  fmProcess->StatusBar->SetSimpleText(QString());
  fmProcess->Close();
  SetEnabled(true);
  Defer([this] { ShowMessage("SID_INFO_TRANSFER_BROKEN"); });
}
