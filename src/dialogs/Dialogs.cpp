#include "Dialogs.h"

#include "FAbout.h"
#include "FChNameList.h"
#include "FChannelName.h"
#include "FCopy.h"
#include "FExit.h"
#include "FFactory.h"
#include "FHidData.h"
#include "FInformation.h"
#include "FLinkSel.h"
#include "FLockPassWord.h"
#include "FLockSetup.h"
#include "FMemo.h"
#include "FNetWorkScan.h"
#include "FNetworkSetup.h"
#include "FPeqRst.h"
#include "FPresetGrid.h"
#include "FProcess.h"
#include "FRs232CodeDoc.h"
#include "FStoreName.h"
#include "FTest.h"

namespace {

template <typename Form>
void Create(Form*& form) {
    if (!form) form = new Form(nullptr);
}

template <typename Form>
void Destroy(Form*& form) {
    delete form;
    form = nullptr;
}

}  // namespace

void CreateDialogs() {
    Create(fmNetwork);
    Create(fmNetworkSetup);
    Create(fmLockSetup);
    Create(fmLockPassWord);
    Create(fmAbout);
    Create(fmFactory);
    Create(fmExit);
    Create(fmInformation);
    Create(fmMemo);
    Create(fmProcess);
    Create(fmHidData);
    Create(fmLinkSel);
    Create(fmCopy);
    Create(fmChannelName);
    Create(fmChNameList);
    Create(fmRecallPreset);
    Create(fmStorePreset);
    Create(fmStoreName);
    Create(fmTest);
    Create(fmRs232CodeEnglish);
    Create(fmRs232Code);
    Create(fmPeqRst);
}

void DestroyDialogs() {
    Destroy(fmPeqRst);
    Destroy(fmRs232Code);
    Destroy(fmRs232CodeEnglish);
    Destroy(fmTest);
    Destroy(fmStoreName);
    Destroy(fmStorePreset);
    Destroy(fmRecallPreset);
    Destroy(fmChNameList);
    Destroy(fmChannelName);
    Destroy(fmCopy);
    Destroy(fmLinkSel);
    Destroy(fmHidData);
    Destroy(fmProcess);
    Destroy(fmMemo);
    Destroy(fmInformation);
    Destroy(fmExit);
    Destroy(fmFactory);
    Destroy(fmAbout);
    Destroy(fmLockPassWord);
    Destroy(fmLockSetup);
    Destroy(fmNetworkSetup);
    Destroy(fmNetwork);
}
