#pragma once
// The information window: shows the message its caller put into lbMessage.
#include "ui/TForm.h"

class TGroupBox;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmInformation : public TForm {
    Q_OBJECT
public:
    explicit TfmInformation(TComponent* owner);

    TImage* imBase;
    TGroupBox* GroupBox1;
    TImage* Image1;
    TLabel* lbMessage;
    TRzBmpButton* btnOK;

    void FormShow(TComponent* Sender);
    void btnOKClick(TComponent* Sender);
};

extern TfmInformation* fmInformation;
