#include "FAbout.h"

#include "DialogHost.h"
#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

TfmAbout* fmAbout = nullptr;

TfmAbout::TfmAbout(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmAbout"));
    SetFrame(*this, 400, 119, kCloseBox);
    imBase = AddBackground(*this);
    imLogo = AddIcon(this, this, QStringLiteral("imLogo"), 20, 22, Emblem::Product,
                     GroundUnder(imBase->Picture().Image(), QRect(20, 22, 64, 64)));
    ProductName = AddLabel(this, this, QStringLiteral("ProductName"), 100, 20, DialogLook::Font(9, kText, true));
    ProductName->SetCaption(QStringLiteral("Product Name : Q7K DSP Processor Editor"));
    Version = AddLabel(this, this, QStringLiteral("Version"), 100, 44, DialogLook::Font(8, kText));
    Version->SetCaption(QStringLiteral("Version : V1.03"));
    IssueYear = AddLabel(this, this, QStringLiteral("IssueYear"), 100, 64, DialogLook::Font(8, kText));
    IssueYear->SetCaption(QStringLiteral("Issued : 2012"));
    btnOK = AddButton(*this, imBase->Picture().Image(), QStringLiteral("btnOK"), QRect(304, 78, 80, 28));
    btnOK->SetCaption(QStringLiteral("OK"));
    btnOK->OnClick = [this](TComponent* s) { btnOKClick(s); };
    // Enter and Esc close the window as its OK button does.
    SetDialogButtons(btnOK, btnOK);
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmAbout::FormShow(TComponent*) {
    SetCaption(MainHost()->LangText(QStringLiteral("SID_ABOUT")));
    DialogLook::Centre(*this);
}

void TfmAbout::btnOKClick(TComponent*) { Close(); }
