#pragma once
// The factory-default confirmation: OK returns the unit to its factory settings.
#include "ui/TForm.h"

class TGroupBox;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmFactory : public TForm {
    Q_OBJECT
public:
    explicit TfmFactory(TComponent* owner);

    TImage* imBase;
    TGroupBox* GroupBox1;
    TImage* Image1;
    TLabel* lbMessage;
    TRzBmpButton* btnOK;
    TRzBmpButton* bnCancel;

    void FormShow(TComponent* Sender);
    void btnOKClick(TComponent* Sender);
    void bnCancelClick(TComponent* Sender);
};

extern TfmFactory* fmFactory;
