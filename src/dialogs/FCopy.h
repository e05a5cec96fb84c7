#pragma once
// The channel copy dialog: copies all settings of one channel onto another of the same side
// (an input onto an input, an output onto an output); it stays open after each copy.
#include "ui/TForm.h"

class TComboBox;
class TGroupBox;
class TLabel;
class TRzBmpButton;

class TfmCopy : public TForm {
    Q_OBJECT
public:
    explicit TfmCopy(TComponent* owner);

    TGroupBox* gbIn;
    TGroupBox* gbOut;
    // Drop-down lists only: a selector always names one of its channels.
    TComboBox* cbInSource;
    TComboBox* cbInDestination;
    TComboBox* cbOutSource;
    TComboBox* cbOutDestination;
    TRzBmpButton* bnInChCopy;
    TRzBmpButton* bnOutChCopy;
    TRzBmpButton* bnExit;

    void FormShow(TComponent* Sender);
    void bnInChCopyClick(TComponent* Sender);
    void bnExitClick(TComponent* Sender);

private:
    TRzBmpButton* BuildSide(TGroupBox*& box, TComboBox*& source, TComboBox*& destination, bool outputs, int top);
};

extern TfmCopy* fmCopy;
