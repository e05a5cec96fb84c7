#pragma once
// Names one channel: opened from the channel's name label on the Matrix page; OK stores and
// sends the typed name (8 bytes, zero-padded), changed or not.
#include "ui/TForm.h"
#include "ui/VirtualKeys.h"

class TEdit;
class TLabel;
class TRzBmpButton;

class TfmChannelName : public TForm {
    Q_OBJECT
public:
    explicit TfmChannelName(TComponent* owner);

    TLabel* lbChannelName;
    TLabel* lbChannel;
    TEdit* edName;
    TRzBmpButton* btnOK;
    TRzBmpButton* bnCancel;

    // The channel to name (0 to 7); shows "InB :" or "Out3 :".
    void SetChannel(int channel);
    // The name to start from, without its trailing blanks and carriage returns.
    void SetNameText(const QString& text);
    void FormShow(TComponent* Sender);
    void FormActivate(TComponent* Sender);
    void edNameKeyDown(TComponent* Sender, TKey& key, TShiftState shift);
    void btnOKClick(TComponent* Sender);
    void bnCancelClick(TComponent* Sender);

    int FChannel = 0;

protected:
    // The window became the active one: FormActivate.
    bool event(QEvent* event) override;
};

extern TfmChannelName* fmChannelName;
