#pragma once
// The test-signal dialog: what the unit feeds into its processing (the analog inputs, pink
// or white noise, or a sine wave at one of 31 third-octave frequencies). Every choice is
// sent at once.
#include "ui/TForm.h"

class TComboBox;
class TGroupBox;
class TImage;
class TRadioButton;
class TRzBmpButton;

class TfmTest : public TForm {
    Q_OBJECT
public:
    explicit TfmTest(TComponent* owner);

    TImage* imBase;
    TGroupBox* GroupBox1;
    TRadioButton* rbAnalogIn;
    TRadioButton* rbPinkNoise;
    TRadioButton* rbWhiteNoise;
    TRadioButton* rbSineWave;
    TComboBox* cbSineFreq;
    TRzBmpButton* bnExit;

    // Shows the unit's test signal (work mode 0 to 3, sine index 0 to 30) without sending;
    // other values change nothing.
    void ShowWorkMode(int mode, int sineIndex);

    void FormShow(TComponent* Sender);
    void rbAnalogInClick(TComponent* Sender);
    void cbSineFreqSelect(TComponent* Sender);
    void bnExitClick(TComponent* Sender);
};

extern TfmTest* fmTest;
