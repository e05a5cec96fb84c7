#pragma once
// The progress window of transfers: the main window sets the bar's maximum and position and
// the status text, shows the window modally and closes it when the transfer ends.
#include "ui/TForm.h"

class TAdvProgressBar;
class TStatusBar;

class TfmProcess : public TForm {
    Q_OBJECT
public:
    explicit TfmProcess(TComponent* owner);

    TAdvProgressBar* ProgressBar;
    TStatusBar* StatusBar;

    void FormShow(TComponent* Sender);
};

extern TfmProcess* fmProcess;
