#pragma once
// The EQ reset confirmation, shown modally by a channel page's "EQ Reset" button: OK puts
// the channel's EQ bands back to their built-in defaults (through OnResetEq, which the main
// window sets); Cancel only closes.
#include "ui/TForm.h"

#include <functional>

class TGroupBox;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmPeqRst : public TForm {
    Q_OBJECT
public:
    explicit TfmPeqRst(TComponent* owner);
    ~TfmPeqRst() override;

    TImage* imBase;
    TGroupBox* GroupBox1;
    TImage* Image1;
    TLabel* lbReset;
    TRzBmpButton* btnOK;
    TRzBmpButton* btnCancel;

    // The channel (0 to 7) whose EQ the OK button resets; kept between shows.
    void SetChannel(int channel) { FChannel = channel; }
    int Channel() const { return FChannel; }
    // Resets the EQ of a channel; called by OK.
    std::function<void(int channel)> OnResetEq;

    void FormShow(TComponent* Sender);
    void btnOKClick(TComponent* Sender);
    void btnExitClick(TComponent* Sender);

private:
    int FChannel = 0;
};

extern TfmPeqRst* fmPeqRst;
