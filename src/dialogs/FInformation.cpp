#include "FInformation.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmInformation* fmInformation = nullptr;

TfmInformation::TfmInformation(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmInformation"));
    SetFrame(*this, 265, 174, 0);
    imBase = AddBackground(*this);
    const MessagePanel panel =
        AddMessagePanel(*this, QRect(14, 12, 237, 106), Emblem::Information, QStringLiteral("lbMessage"));
    GroupBox1 = panel.box;
    Image1 = panel.icon;
    lbMessage = panel.label;
    lbMessage->SetCaption(QStringLiteral("You Must Connect First !!"));
    btnOK = AddButton(*this, imBase->Picture().Image(), QStringLiteral("btnOK"), QRect(89, 130, 86, 30));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    // Enter and Esc close the window as its OK button does.
    SetDialogButtons(btnOK, btnOK);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmInformation::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_INFO_TITLE")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_EXIT_OK")));
    DialogLook::Centre(*this);
}

void TfmInformation::btnOKClick(TComponent*) { Close(); }
