#include "FFactory.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmFactory"));
    SetFrame(*this, 361, 174, 0);
    imBase = AddBackground(*this);
    const MessagePanel panel = AddMessagePanel(*this, QRect(14, 12, 333, 106), Emblem::Warning, QStringLiteral("lbMessage"));
    GroupBox1 = panel.box;
    Image1 = panel.icon;
    lbMessage = panel.label;
    btnOK = AddButton(*this, imBase->Picture().Image(), QStringLiteral("btnOK"), QRect(86, 130, 86, 30));
    bnCancel = AddButton(*this, imBase->Picture().Image(), QStringLiteral("bnCancel"), QRect(189, 130, 86, 30));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    bnCancel->OnClick = [this](TComponent* s) { bnCancelClick(s); };
    SetDialogButtons(btnOK, bnCancel);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmFactory::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_INFO_TITLE")));
    lbMessage->SetCaption(host->LangText(QStringLiteral("SID_FACTORY_DEFAULT")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_EXIT_OK")));
    bnCancel->SetCaption(host->LangText(QStringLiteral("SID_EXIT_CANCEL")));
    DialogLook::Centre(*this);
}

void TfmFactory::btnOKClick(TComponent*) {
    MainHost()->StartFactoryDefault();
    Close();
}

void TfmFactory::bnCancelClick(TComponent*) { Close(); }
