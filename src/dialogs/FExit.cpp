#include "FExit.h"

#include "CommandCode.h"
#include "DialogHost.h"
#include "DialogLook.h"
#include "LCmd.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmExit* fmExit = nullptr;

TfmExit::TfmExit(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmExit"));
    SetFrame(*this, 265, 174, 0);
    imBase = AddBackground(*this);
    const MessagePanel panel = AddMessagePanel(*this, QRect(14, 12, 237, 106), Emblem::Question, QStringLiteral("lbExit"));
    GroupBox1 = panel.box;
    Image1 = panel.icon;
    lbExit = panel.label;
    btnOK = AddButton(*this, imBase->Picture().Image(), QStringLiteral("btnOK"), QRect(38, 130, 86, 30));
    btnCancel = AddButton(*this, imBase->Picture().Image(), QStringLiteral("btnCancel"), QRect(141, 130, 86, 30));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    btnCancel->OnClick = [this](TComponent* s) { btnExitClick(s); };
    SetDialogButtons(btnOK, btnCancel);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmExit::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_INFO_TITLE")));
    lbExit->SetCaption(host->LangText(QStringLiteral("SID_EXIT_QUIT")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_EXIT_OK")));
    btnCancel->SetCaption(host->LangText(QStringLiteral("SID_EXIT_CANCEL")));
    DialogLook::Centre(*this);
}

void TfmExit::btnOKClick(TComponent*) {
    DialogHost* host = MainHost();
    host->SendCmd(CM_MCS_CMD(host->GetDeviceId(), CMD_DISCONNECT), true);
    host->SetExitConfirmed(1);
    // This window goes first: a window left open would keep the program running once the
    // main window has closed.
    Close();
    host->CloseMainWindow();
}

void TfmExit::btnExitClick(TComponent*) {
    Close();
    MainHost()->SetExitConfirmed(0);
}
