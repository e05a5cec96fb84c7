// The menu items that only open a window, pass the click on or do nothing.
#include "TfmMain.h"

#include "FAbout.h"
#include "FChNameList.h"
#include "FCopy.h"
#include "FExit.h"
#include "FHidData.h"
#include "FLinkSel.h"
#include "FLockSetup.h"
#include "FMemo.h"
#include "FRs232CodeDoc.h"
#include "FTest.h"
#include "RzBmpBtn.h"
#include "ui/TMenu.h"

void TfmMain::ExitClick(TMenuItem*) {
  if (fmExit) fmExit->Show();
}

void TfmMain::AboutClick(TMenuItem*) {
  if (fmAbout) fmAbout->ShowModal();
}

void TfmMain::MemoShowClick(TMenuItem*) {
  if (fmMemo) fmMemo->Show();
}

void TfmMain::HidDataClick(TMenuItem*) {
  if (fmHidData) fmHidData->Show();
}

void TfmMain::LockSetupClick(TMenuItem*) {
  if (fmLockSetup) fmLockSetup->ShowModal();
}

void TfmMain::ConnectedClick(TMenuItem*) {
  if (rzbMenuLink) rzbMenuLinkClick(rzbMenuLink);
}

void TfmMain::LockClick(TMenuItem* Sender) { LockSetupClick(Sender); }

void TfmMain::TestToneClick(TMenuItem*) {
  if (fmTest) fmTest->ShowModal();
}

void TfmMain::Rs232CodeClick(TMenuItem*) {
  if (FLanguage == QLatin1String("English")) {
    if (fmRs232CodeEnglish) fmRs232CodeEnglish->ShowModal();
  } else if (fmRs232Code) {
    fmRs232Code->ShowModal();
  }
}

// Items kept in the menu for its layout; they do nothing.
void TfmMain::SettingIDClick(TMenuItem*) {}
void TfmMain::BlockDiagramClick(TMenuItem*) {}
void TfmMain::ConnectHelpClick(TMenuItem*) {}

void TfmMain::LinkClick(TMenuItem*) {
  if (fmLinkSel) fmLinkSel->ShowModal();
}

void TfmMain::CopyClick(TMenuItem*) {
  if (fmCopy) fmCopy->ShowModal();
}

void TfmMain::ChNameListClick(TMenuItem*) {
  if (fmChNameList) fmChNameList->ShowModal();
}
