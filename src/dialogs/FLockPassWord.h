#pragma once
// The unlock dialog, shown while connecting to a unit whose access lock is engaged: OK sends
// the typed password and waits up to 31 ticks of 100 ms for the unit's verdict (SetResult);
// an accepted password lets the connect sequence go on (code 34), Cancel disconnects. It has
// no close box and ignores Esc: it ends only through OK or Cancel, so one of the two codes
// is always sent.
#include "ui/TForm.h"

#include <cstdint>

class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;
class TTimer;

class TfmLockPassWord : public TForm {
    Q_OBJECT
public:
    explicit TfmLockPassWord(TComponent* owner);

    TImage* imBase;
    TLabel* lblLockPassword;
    TEdit* edName;
    TRzBmpButton* btnOK;
    TRzBmpButton* bnCancel;
    TTimer* tmCheck;
    TTimer* tmCmd;

    // The unit's verdict on the password: 0 wrong, 1 accepted.
    void SetResult(std::uint8_t result) { FResult = result; }

    void FormShow(TComponent* Sender);
    void edNameKeyDown(TComponent* Sender, TKey& Key, TShiftState Shift);
    void RzBmpButton1Click(TComponent* Sender);
    void tmCheckTimer(QObject* Sender);
    void tmCmdTimer(QObject* Sender);
    void bnCancelClick(TComponent* Sender);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ResetPassword();

    std::int8_t FTicks = 0;
    std::uint8_t FResult = 255;
};

extern TfmLockPassWord* fmLockPassWord;
