// The reply dispatcher and the connect handshake: every frame from the unit arrives here on
// the GUI thread while the link's worker waits for the handler to return. Nothing modal runs
// inside a delivery: dialogs and error boxes are shown by the deferred calls afterwards, in
// the order they were asked for.
#include "TfmMain.h"

#include "CommandCode.h"
#include "FInformation.h"
#include "FLockPassWord.h"
#include "FNetWorkScan.h"
#include "FNetworkSetup.h"
#include "FProcess.h"
#include "AdvProgressBar.h"
#include "LUnitControl.h"
#include "LLink.h"
#include "LinkOwner.h"
#include "McsCommands.h"
#include "ProgramConstants.h"
#include "RzBmpBtn.h"
#include "RzLabel.h"
#include "ShortReplyError.h"
#include "messages/QueuedCall.h"
#include "timer/TTimer.h"
#include "ui/MessageBoxes.h"
#include "ui/TLabel.h"
#include "ui/TMenu.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>

namespace {

constexpr char kUnitType[] = "Q7K";
constexpr char kUnitVersion[] = "Q7K V010";
constexpr std::size_t kLockByte = 5;
using MainWindow::kFileOperationPrs;

// Whether the identity text starts with `prefix` (a shorter text never does).
bool StartsWith(const ByteArray& text, const char* prefix) {
  const std::size_t n = std::strlen(prefix);
  return text.size() >= n && std::memcmp(text.data(), prefix, n) == 0;
}

}  // namespace

// --- deferred calls

void TfmMain::Defer(std::function<void()> call) {
  FDeferred.push_back(std::move(call));
  PostDeferredRun();
}

void TfmMain::PostDeferredRun() {
  if (FDeferredPosted) return;
  FDeferredPosted = true;
  PostCall(GetLinkOwner()->GetMessageTarget(), [this] {
    FDeferredPosted = false;
    RunDeferred();
  });
}

void TfmMain::RunDeferred() {
  // One call at a time, after the delivery: a call that shows a modal window holds back the
  // ones after it until it returns.
  if (FRunningDeferred) return;
  if (FDeliveryDepth > 0) return;  // EndDelivery posts the run again
  FRunningDeferred = true;
  while (!FDeferred.empty()) {
    std::function<void()> call = std::move(FDeferred.front());
    FDeferred.pop_front();
    call();
  }
  FRunningDeferred = false;
}

void TfmMain::EndDelivery() {
  if (--FDeliveryDepth > 0) return;
  // Links closed during the delivery are deleted once the worker's hand-over has returned.
  if (!FRetiredLinks.empty()) Defer([this] { FRetiredLinks.clear(); });
  if (!FDeferred.empty()) PostDeferredRun();
}

// --- the dispatcher

void TfmMain::OnFrameReceived(const ByteArray& frame, std::uint32_t) {
  ++FDeliveryDepth;
  struct End {
    TfmMain& m;
    ~End() { m.EndDelivery(); }
  } end{*this};
  const LCmd reply(frame);
  if (reply.GetDeviceId() != FDeviceId) {
    // Another unit answered: during a scan, the next candidate is tried.
    tmComScan->SetEnabled(true);
    return;
  }
  try {
    DispatchReply(reply);
  } catch (const ShortReplyError& e) {
    const QString text = QString::fromStdString(e.what());
    Defer([text] { MessageBox(text, QString::fromLatin1(Program::kCaption), MB_OK | MB_ICONERROR); });
  }
}

void TfmMain::DispatchReply(const LCmd& reply) {
  switch (reply.GetCode()) {
    case CMD_ACK: OnAck(); break;
    case CMD_CONNECT: OnConnectReply(reply); break;
    case CMD_IDENTITY:
      fmNetwork->SetConnected(1);
      OnIdentityReply(reply);
      break;
    case CMD_PRESET_NUMBER: OnPresetNumberReply(reply); break;
    case CMD_PRESET_FLAGS: OnUploadStartReply(reply); break;
    case CMD_IMAGE_PIECE: OnImagePieceReply(reply); break;
    case CMD_READ_PRESET_NAME: OnPresetNameReply(reply); break;
    case CMD_LOCK_STATE: OnLockStateReply(reply); break;
    case CMD_READ_EEPROM: OnDeviceInfoReply(reply); break;
    case CMD_READ_PRESET_PIECE: OnPresetPieceReply(reply); break;
    case CMD_DOWNLOAD:
      fmProcess->ProgressBar->SetPosition(fmProcess->ProgressBar->Position() + 1);
      OnDownloadPieceReply(reply);
      break;
    case CMD_PASS_SUBMIT:
      if (reply.PayloadByte(0) == 0) fmLockPassWord->SetResult(reply.PayloadByte(1));
      break;
    case CMD_LEVELS:
      OnLevelReply(reply);
      if (FFileOperation == kFileOperationPrs && fmProcess->ProgressBar->Position() > 10) {
        FFileOperation = 0;
        SendCode(CMD_POLL, false);
        fmProcess->Close();
      }
      break;
    default: break;
  }
}

void TfmMain::OnAck() {
  const RequestState state = FRequestState;
  FRequestState = REQ_NONE;
  switch (state) {
    case REQ_RECALL:
      SetLinkTimeout(FTimes.step);
      SendCmd(CM_MCS_CMD(FDeviceId, CMD_READ_IMAGE_PIECE, 0), true);
      ReadProgressed();
      break;
    case REQ_STORE:
      SetLinkTimeout(FTimes.storeStep);
      SendCmd(CM_MCS_CMD(FDeviceId, CMD_STORE_PRESET, FCurrentPreset), true);
      FRequestState = REQ_STORE_DONE;
      fmProcess->ProgressBar->SetPosition(1);
      break;
    case REQ_FACTORY:
    case REQ_REREAD:
      SetLinkTimeout(FTimes.step);
      SendCode(CMD_PRESET_FLAGS, true);
      break;
    case REQ_READ_PRESET:
      SetLinkTimeout(FTimes.step);
      SendCmd(CM_MCS_CMD(FDeviceId, CMD_READ_PRESET_PIECE, 0), true);
      break;
    case REQ_UNIT_DOWNLOAD: {
      const DeviceInfoBlock& info = FUnitFile.info;
      SendCmd(CM_MCS_WRITE_EEPROM(FDeviceId, 1, std::span<const std::uint8_t>(info).subspan(1)), true);
      FRequestState = REQ_DOWNLOAD_PRESETS;
      break;
    }
    case REQ_DOWNLOAD_PRESETS: DownloadNextPreset(); break;
    case REQ_STORE_DONE:
      fmProcess->ProgressBar->SetPosition(fmProcess->ProgressBar->Max());
      SendCode(CMD_POLL, false);
      CloseProgress();
      tmInLevelDet->SetEnabled(true);
      break;
    case REQ_NONE:
    case REQ_UNLOCK:
      if (FFileOperation == kFileOperationPrs)
        fmProcess->ProgressBar->SetPosition(fmProcess->ProgressBar->Position() + 1);
      break;
    default: break;
  }
}

// --- the handshake

void TfmMain::OnConnectReply(const LCmd&) {
  FConnectPending = false;
  FConnected = true;
  SendCode(CMD_IDENTITY, true);
  SetLinkQuiet(false);
  SetLinkRetries(FTimes.retries);
  SetLinkTimeout(FTimes.connected);
}

QString TfmMain::PortText() const {
  if (FCommLink) return FComPortName;
  if (FUsbLink) return QStringLiteral("USB");
  return QStringLiteral("IP : ") + fmNetworkSetup->GetAddressText();
}

void TfmMain::OnIdentityReply(const LCmd& reply) {
  const ByteArray& identity = reply.GetPayload();
  const char* refusal = !StartsWith(identity, kUnitType)      ? "SID_INFO_ERROR_UNIT"
                        : !StartsWith(identity, kUnitVersion) ? "SID_INFO_ERROR_VERSION"
                                                              : nullptr;
  if (refusal) {
    SendCode(CMD_DISCONNECT, true);
    SetLinkQuiet(true);
    fmNetwork->Hide();
    fmInformation->lbMessage->SetCaption(LangText(QString::fromLatin1(refusal)));
    FConnected = false;
    // The message first; the link is closed 300 ms after it is dismissed.
    Defer([this] {
      fmInformation->ShowModal();
      tmDisconnect->SetEnabled(true);
    });
    return;
  }
  rzbMenuLink->SetCaption(LangText(QStringLiteral("SID_ONLINE")));
  if (Connect) Connect->Caption = LangText(QStringLiteral("SID_DISCONNECT"));
  const QString port = PortText();
  SetCaption(QString::fromLatin1(Program::kCaption) + QStringLiteral("    Connected Port => ") + port);
  lbShowIp->SetCaption(port);
  rzbMenuLink->SetDown(true);
  FOnline = true;
  SetLinkTimeout(FUsbLink && !FCommLink ? FTimes.onlineUsb : FTimes.online);
  SendCode(CMD_LOCK_STATE, true);
}

void TfmMain::OnLockStateReply(const LCmd& reply) {
  if (reply.PayloadByte(kLockByte) != 0) {
    FRequestState = REQ_UNLOCK;
    tmUnlock->SetEnabled(true);
    return;
  }
  SendCode(CMD_PRESET_FLAGS, false);
}

void TfmMain::tmUnlockTimer(QObject*) {
  tmUnlock->SetEnabled(false);
  if (FRequestState == REQ_UNLOCK) fmLockPassWord->ShowModal();
}
