// The menu items that only open a window or pass the click on, and the preset-dialog rows
// and the unit-file name the image asks for.
#include "TfmMain.h"

#include "FAbout.h"
#include "FChNameList.h"
#include "FCopy.h"
#include "FExit.h"
#include "FHidData.h"
#include "FLinkSel.h"
#include "FLockSetup.h"
#include "FMemo.h"
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

void TfmMain::FactoryDefaultClick(TMenuItem*) {}

// The preset dialogs and the whole-unit transfers come with the preset windows.
void TfmMain::SetRecallPresetRow(int, const QString&) {}
void TfmMain::SetStorePresetRow(int, const QString&) {}
QString TfmMain::AskUnitFileName() { return QString(); }
void TfmMain::StartFactoryDefault() {}

void TfmMain::LinkClick(TMenuItem*) {
  if (fmLinkSel) fmLinkSel->ShowModal();
}

void TfmMain::CopyClick(TMenuItem*) {
  if (fmCopy) fmCopy->ShowModal();
}

void TfmMain::ChNameListClick(TMenuItem*) {
  if (fmChNameList) fmChNameList->ShowModal();
}
