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
    // The dark track of the program's bars (not the bar's white default), the figure light on it.
    ProgressBar->SetBackgroundColor(kTrack);
    ProgressBar->SetBorderColor(RGBColor(70, 76, 86));
    ProgressBar->SetFont(DialogLook::Font(9, kText, true));
    // One blue for every level, dark enough for the light figure (4.5:1 and more).
    for (auto set : {&TAdvProgressBar::SetLevel0Color, &TAdvProgressBar::SetLevel1Color, &TAdvProgressBar::SetLevel2Color,
                     &TAdvProgressBar::SetLevel3Color})
        (ProgressBar->*set)(RGBColor(40, 96, 150));
    for (auto set : {&TAdvProgressBar::SetLevel0ColorTo, &TAdvProgressBar::SetLevel1ColorTo,
                     &TAdvProgressBar::SetLevel2ColorTo, &TAdvProgressBar::SetLevel3ColorTo})
        (ProgressBar->*set)(RGBColor(52, 120, 184));
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
