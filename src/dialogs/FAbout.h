#pragma once
// The about box: product name, version and year of issue.
#include "ui/TForm.h"

class TImage;
class TLabel;
class TRzBmpButton;

class TfmAbout : public TForm {
    Q_OBJECT
public:
    explicit TfmAbout(TComponent* owner);

    TImage* imBase;
    TImage* imLogo;
    TLabel* ProductName;
    TLabel* Version;
    TLabel* IssueYear;
    TRzBmpButton* btnOK;

    void FormShow(TComponent* Sender);
    void btnOKClick(TComponent* Sender);
};

extern TfmAbout* fmAbout;
