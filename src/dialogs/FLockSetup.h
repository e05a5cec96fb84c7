#pragma once
// The access-lock set-up: sends a new 4-character lock password to the unit, then the main
// window disconnects (the next connect meets the lock).
#include "ui/TForm.h"

class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;
class TTimer;

class TfmLockSetup : public TForm {
    Q_OBJECT
public:
    explicit TfmLockSetup(TComponent* owner);

    TImage* imBase;
    TLabel* lblLockPassword;
    TEdit* edName;
    TRzBmpButton* btnOK;
    TRzBmpButton* btnExit;
    TTimer* tmClose;

    void FormShow(TComponent* Sender);
    void edNameKeyDown(TComponent* Sender, TKey& Key, TShiftState Shift);
    void btnOKClick(TComponent* Sender);
    void tmCloseTimer(QObject* Sender);
    void btnExitClick(TComponent* Sender);
};

extern TfmLockSetup* fmLockSetup;
