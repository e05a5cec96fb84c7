#pragma once
// The exit confirmation, shown without modality by the main window's close handler: OK says
// good-bye to the unit and closes the main window for good; Cancel keeps the program running.
#include "ui/TForm.h"

class TGroupBox;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmExit : public TForm {
    Q_OBJECT
public:
    explicit TfmExit(TComponent* owner);

    TImage* imBase;
    TGroupBox* GroupBox1;
    TImage* Image1;
    TLabel* lbExit;
    TRzBmpButton* btnOK;
    TRzBmpButton* btnCancel;

    void FormShow(TComponent* Sender);
    void btnOKClick(TComponent* Sender);
    void btnExitClick(TComponent* Sender);
};

extern TfmExit* fmExit;
