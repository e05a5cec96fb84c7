#include "FLockSetup.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "LockLayout.h"
#include "McsCommands.h"
#include "RzBmpBtn.h"
#include "text/AnsiCodec.h"
#include "timer/TTimer.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/VirtualKeys.h"

TfmLockSetup* fmLockSetup = nullptr;

namespace {
const QString kDefaultPassword = QStringLiteral("5820");
}

TfmLockSetup::TfmLockSetup(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("fmLockSetup"));
    const LockLayout layout = BuildLockLayout(*this, QStringLiteral("btnExit"));
    imBase = layout.imBase;
    lblLockPassword = layout.lblLockPassword;
    edName = layout.edName;
    btnOK = layout.btnOK;
    btnExit = layout.cancel;
    edName->SetTabStop(false);
    edName->SetText(kDefaultPassword);
    tmClose = DialogLook::AddTimer(*this, 100, [this](QObject* s) { tmCloseTimer(s); });
    edName->OnKeyDown = [this](TComponent* s, TKey& key, TShiftState shift) { edNameKeyDown(s, key, shift); };
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    btnExit->OnClick = [this](TComponent* s) { btnExitClick(s); };
    // Enter is the password field's (it presses OK); Esc cancels.
    SetDialogButtons(nullptr, btnExit);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmLockSetup::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_LOCK_TITLE")));
    lblLockPassword->SetCaption(host->LangText(QStringLiteral("SID_LOCK_PASSWORD")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_EXIT_OK")));
    btnExit->SetCaption(host->LangText(QStringLiteral("SID_EXIT_CANCEL")));
    edName->SetText(kDefaultPassword);
    DialogLook::Centre(*this);
    edName->SetFocus();
    edName->SelectAll();
}

void TfmLockSetup::edNameKeyDown(TComponent*, TKey& Key, TShiftState) {
    if (Key == VK_RETURN) btnOK->Click();
}

void TfmLockSetup::btnOKClick(TComponent*) {
    DialogHost* host = MainHost();
    // The command takes the first 4 bytes and pads a shorter password with zeros.
    host->SendCmd(CM_MCS_SET_LOCK(host->GetDeviceId(), AnsiCodec::FromUnicode(edName->Text())), true);
    tmClose->SetEnabled(true);
}

void TfmLockSetup::tmCloseTimer(QObject*) {
    tmClose->SetEnabled(false);
    MainHost()->StartDisconnectTimer();
    Close();
}

void TfmLockSetup::btnExitClick(TComponent*) { Close(); }
