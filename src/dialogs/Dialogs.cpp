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
#include "FProcess.h"

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
}

void DestroyDialogs() {
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
