// Reading the unit: slot flags, current preset number, the 30 preset names and the 15 pieces
// of the image, one request per reply, with the progress window; the last piece shows the
// image and starts level polling. A read that stops half-way (no step for the read's watchdog time)
// is ended like a broken link.
#include "TfmMain.h"

#include "AdvProgressBar.h"
#include "CommandCode.h"
#include "FProcess.h"
#include "LUnitControl.h"
#include "McsCommands.h"
#include "RzBmpBtn.h"
#include "timer/TTimer.h"
#include "ui/TMenu.h"
#include "ui/TStatusBar.h"

#include <QCoreApplication>
#include <QDir>

namespace {
constexpr std::size_t kSlotFlagBytes = 30;
constexpr std::size_t kNameReplyBytes = 15;  // index, then 14 name bytes
constexpr int kLastNameIndex = 29;
}  // namespace

void TfmMain::OnUploadStartReply(const LCmd& reply) {
  const ByteArray& payload = reply.GetPayload();
  if (payload.size() < kSlotFlagBytes) return;
  SendCode(CMD_PRESET_NUMBER, true);
  FUnitControl->SetPresetFlags(payload);
  FUnitControl->ResetPresetNames();
  fmProcess->StatusBar->SetSimpleText(LangText(QStringLiteral("SID_UPLOAD_PARAMETER")));
  fmProcess->ProgressBar->SetPosition(0);
  fmProcess->ProgressBar->SetMax(LUnitControl::kPieceCount);
  tmProcessShow->SetEnabled(true);
  ReadProgressed();
}

void TfmMain::OnPresetNumberReply(const LCmd& reply) {
  FCurrentPreset = reply.PayloadByte(0);
  SendCmd(CM_MCS_CMD(FDeviceId, CMD_READ_PRESET_NAME, 0), true);
  ReadProgressed();
}

void TfmMain::OnPresetNameReply(const LCmd& reply) {
  const ByteArray& payload = reply.GetPayload();
  if (payload.size() < kNameReplyBytes) return;
  const int n = payload[0];
  if (n > kLastNameIndex + 1) return;
  if (n <= kLastNameIndex) FUnitControl->SetPresetListName(n + 1, payload);
  if (n < kLastNameIndex) {
    SendCmd(CM_MCS_CMD(FDeviceId, CMD_READ_PRESET_NAME, n + 1), true);
  } else {
    SendCmd(CM_MCS_CMD(FDeviceId, CMD_READ_IMAGE_PIECE, 0), true);
  }
  ReadProgressed();
}

void TfmMain::OnImagePieceReply(const LCmd& reply) {
  const int p = reply.PayloadByte(0);
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  FUnitControl->ReceiveImagePiece(reply.GetPayload());
  if (p < LUnitControl::kLastPiece) {
    SendCmd(CM_MCS_CMD(FDeviceId, CMD_READ_IMAGE_PIECE, p + 1), true);
    fmProcess->ProgressBar->SetPosition(p);
    ReadProgressed();
    return;
  }
  tmReadTimeout->SetEnabled(false);
  fmProcess->ProgressBar->SetPosition(LUnitControl::kPieceCount);
  SendCode(CMD_POLL, false);
  CloseProgress();
  ShowUnitImage(*FUnitControl);
  tmInLevelDet->SetEnabled(true);
  rzbMenuLink->SetEnabled(true);
  if (Connect) Connect->Enabled = true;
  rzbMenuLink->SetDown(false);
  rzbMenuLink->SetDown(true);
}

void TfmMain::CloseProgress() {
  // A read faster than the progress window's 100 ms delay must not leave it to open later,
  // with nothing left to close it.
  tmProcessShow->SetEnabled(false);
  fmProcess->Close();
}

void TfmMain::tmProcessShowTimer(QObject*) {
  tmProcessShow->SetEnabled(false);
  fmProcess->ShowModal();
}

void TfmMain::ReadProgressed() {
  tmReadTimeout->SetEnabled(false);
  tmReadTimeout->SetInterval(FTimes.readWatchdog);
  tmReadTimeout->SetEnabled(true);
}

void TfmMain::tmReadTimeoutTimer(QObject*) {
  tmReadTimeout->SetEnabled(false);
  // The read stands still though the link may look alive (keep-alive polls answered): the
  // progress window goes, and once its modal loop has returned the link is taken down and
  // the scan dialog opens, as for a broken link.
  CloseProgress();
  tmLinkBroken->SetEnabled(true);
}
