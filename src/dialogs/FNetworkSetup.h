#pragma once
// The network set-up dialog: the unit ID under which the editor addresses the unit (1 to
// 250) and, hidden below the visible area, the unit's IPv4 address with its manual or
// automatic mode. The main window enables and colours the controls for the link state before
// it shows the dialog; Set applies the ID (and, offline in manual mode, the address).
#include "ui/TForm.h"

class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TRadioButton;
class TRzBmpButton;

class TfmNetworkSetup : public TForm {
    Q_OBJECT
public:
    explicit TfmNetworkSetup(TComponent* owner);

    TImage* Image1;
    TGroupBox* gbIdSetting;
    TLabel* lbMessage;
    TEdit* edId;
    TGroupBox* gbIpSetting;
    TEdit* edIp1;
    TEdit* edIp2;
    TEdit* edIp3;
    TEdit* edIp4;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TRadioButton* rbManualSetting;
    TRadioButton* rbAutoSetting;
    TRzBmpButton* bnSet;
    TRzBmpButton* bnExit;

    // The main window's unit address as "%d.%d.%d.%d", first octet from the top byte.
    QString GetAddressText() const;

    void FormShow(TComponent* Sender);
    void edIdEnter(TComponent* Sender);
    void edIdExit(TComponent* Sender);
    void edIdKeyPress(TComponent* Sender, QChar& Key);
    void edIp1Enter(TComponent* Sender);
    void edIp1Exit(TComponent* Sender);
    void edIp1KeyPress(TComponent* Sender, QChar& Key);
    void rbManualSettingClick(TComponent* Sender);
    void rbAutoSettingClick(TComponent* Sender);
    void bnSetClick(TComponent* Sender);
    void bnExitClick(TComponent* Sender);

private:
    TEdit* MakeEdit(TWinControl* parent, const QString& name, int left, int top, int width, int height,
                    const QString& text);
    void ClampId();
};

extern TfmNetworkSetup* fmNetworkSetup;
