#include "FLockPassWord.h"

#include "CommandCode.h"
#include "DialogHost.h"
#include "DialogLook.h"
#include "LockLayout.h"
#include "McsCommands.h"
#include "RzBmpBtn.h"
#include "text/AnsiCodec.h"
#include "timer/TTimer.h"
#include "ui/MessageBoxes.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/VirtualKeys.h"

#include <QCloseEvent>

TfmLockPassWord* fmLockPassWord = nullptr;

namespace {
constexpr std::uint8_t kWaiting = 255, kRefused = 0, kAccepted = 1;
constexpr int kMaxTicks = 30;
const QString kPlaceholder = QStringLiteral("****");
}  // namespace

TfmLockPassWord::TfmLockPassWord(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("fmLockPassWord"));
    const LockLayout layout = BuildLockLayout(*this, QStringLiteral("bnCancel"));
    imBase = layout.imBase;
    lblLockPassword = layout.lblLockPassword;
    edName = layout.edName;
    btnOK = layout.btnOK;
    bnCancel = layout.cancel;
    edName->SetPasswordChar(QChar('*'));
    edName->SetText(kPlaceholder);
    tmCheck = DialogLook::AddTimer(*this, 100, [this](QObject* s) { tmCheckTimer(s); });
    tmCmd = DialogLook::AddTimer(*this, 100, [this](QObject* s) { tmCmdTimer(s); });
    edName->OnKeyDown = [this](TComponent* s, TKey& key, TShiftState shift) { edNameKeyDown(s, key, shift); };
    btnOK->OnClick = [this](TComponent* s) { RzBmpButton1Click(s); };
    bnCancel->OnClick = [this](TComponent* s) { bnCancelClick(s); };
    // Enter is the password field's (it presses OK); Esc cancels.
    SetDialogButtons(nullptr, bnCancel);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmLockPassWord::closeEvent(QCloseEvent* event) {
    // Leaving without OK or Cancel would stall the connect sequence.
    event->ignore();
}

void TfmLockPassWord::ResetPassword() {
    edName->SetText(kPlaceholder);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmLockPassWord::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_UNLOCK_TITLE")));
    lblLockPassword->SetCaption(host->LangText(QStringLiteral("SID_UNLOCK_PASSWORD")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_EXIT_OK")));
    bnCancel->SetCaption(host->LangText(QStringLiteral("SID_EXIT_CANCEL")));
    DialogLook::Centre(*this);
    ResetPassword();
}

void TfmLockPassWord::edNameKeyDown(TComponent*, TKey& Key, TShiftState) {
    if (Key == VK_RETURN) btnOK->Click();
}

void TfmLockPassWord::RzBmpButton1Click(TComponent*) {
    DialogHost* host = MainHost();
    // The command takes the first 4 bytes and pads a shorter password with zeros.
    host->SendCmd(CM_MCS_PASS_SUBMIT(host->GetDeviceId(), AnsiCodec::FromUnicode(edName->Text())), true);
    FTicks = 0;
    FResult = kWaiting;
    tmCheck->SetEnabled(true);
}

void TfmLockPassWord::tmCheckTimer(QObject*) {
    ++FTicks;
    tmCheck->SetEnabled(false);
    switch (FResult) {
    case kRefused:
        MessageBox(QStringLiteral("Password Error!!"), Caption(), MB_OK | MB_ICONINFORMATION);
        ResetPassword();
        break;
    case kAccepted: tmCmd->SetEnabled(true); break;
    case kWaiting:
        if (FTicks > kMaxTicks) {
            ShowMessage(QStringLiteral("Check Time Out!"));
            bnCancel->Click();
        } else {
            tmCheck->SetEnabled(true);
        }
        break;
    default: break;  // an unknown verdict: the user decides
    }
}

void TfmLockPassWord::tmCmdTimer(QObject*) {
    tmCmd->SetEnabled(false);
    DialogHost* host = MainHost();
    host->SendCmd(CM_MCS_CMD(host->GetDeviceId(), CMD_PRESET_FLAGS), false);
    Close();
}

void TfmLockPassWord::bnCancelClick(TComponent*) {
    // A verdict still awaited no longer counts: nothing may be sent after the Cancel.
    tmCheck->SetEnabled(false);
    tmCmd->SetEnabled(false);
    DialogHost* host = MainHost();
    host->SendCmd(CM_MCS_CMD(host->GetDeviceId(), CMD_DISCONNECT), true);
    host->StartDisconnectTimer();
    Close();
}
