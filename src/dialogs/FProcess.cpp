#include "FProcess.h"

#include "AdvProgressBar.h"
#include "DialogHost.h"
#include "DialogLook.h"
#include "ui/TStatusBar.h"

TfmProcess* fmProcess = nullptr;

TfmProcess::TfmProcess(TComponent* owner) : TForm(owner) {
    using namespace DialogLook;
    SetName(QStringLiteral("fmProcess"));
    SetFrame(*this, 454, 95, kStayOnTop);
    SetColor(kGround);
    ProgressBar = new TAdvProgressBar(this);
    ProgressBar->SetName(QStringLiteral("ProgressBar"));
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(11, 15, 431, 41);
    ProgressBar->SetLevel1Perc(70);
    ProgressBar->SetLevel2Perc(90);
    ProgressBar->SetShowBorder(true);
    ProgressBar->SetPosition(0);
    StatusBar = new TStatusBar(this);
    StatusBar->SetName(QStringLiteral("StatusBar"));
    StatusBar->SetParent(this);
    StatusBar->SetSimplePanel(true);
    StatusBar->SetColor(RGBColor(32, 35, 40));
    StatusBar->SetFont(DialogLook::Font(8, kText));
    StatusBar->SetSimpleText(QStringLiteral("download now"));
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfmProcess::FormShow(TComponent*) {
    SetCaption(MainHost()->LangText(QStringLiteral("SID_PROCESS")));
    DialogLook::Centre(*this);
}
