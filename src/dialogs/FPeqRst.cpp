#include "FPeqRst.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmPeqRst* fmPeqRst = nullptr;

TfmPeqRst::TfmPeqRst(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmPeqRst"));
    SetFrame(*this, 272, 174, 0);
    imBase = AddBackground(*this);
    const MessagePanel panel =
        AddMessagePanel(*this, QRect(20, 18, 237, 106), Emblem::Question, QStringLiteral("lbReset"));
    GroupBox1 = panel.box;
    Image1 = panel.icon;
    lbReset = panel.label;
    btnOK = AddButton(*this, imBase->Picture().Image(), QStringLiteral("btnOK"), QRect(46, 130, 86, 30));
    btnCancel = AddButton(*this, imBase->Picture().Image(), QStringLiteral("btnCancel"), QRect(146, 130, 86, 30));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    btnCancel->OnClick = [this](TComponent* s) { btnExitClick(s); };
    SetDialogButtons(btnOK, btnCancel);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

TfmPeqRst::~TfmPeqRst() {
    if (fmPeqRst == this) fmPeqRst = nullptr;
}

void TfmPeqRst::FormShow(TComponent*) {
    DialogHost* host = MainHost();
    SetCaption(host->LangText(QStringLiteral("SID_PEQRST")));
    lbReset->SetCaption(host->LangText(QStringLiteral("SID_PEQRST_RESET")));
    btnOK->SetCaption(host->LangText(QStringLiteral("SID_PEQRST_OK")));
    btnCancel->SetCaption(host->LangText(QStringLiteral("SID_PEQRST_CANCEL")));
    DialogLook::Centre(*this);
}

void TfmPeqRst::btnOKClick(TComponent*) {
    // Hidden at once; the reset runs while the modal loop is still active.
    SetVisible(false);
    if (OnResetEq) OnResetEq(FChannel);
    Close();
}

void TfmPeqRst::btnExitClick(TComponent*) { Close(); }
