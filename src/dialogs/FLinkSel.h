#pragma once
// The link selection dialog: a triangular grid of buttons per side, one row per channel
// (the member) and one column per possible group leader (the master); a row follows itself
// or a lower channel of its side. Set stores the groups, Exit undoes unsaved clicks.
#include "ui/TForm.h"

#include <cstdint>

class TLabel;
class TRzBmpButton;
class TRzGroupBox;

class TfmLinkSel : public TForm {
    Q_OBJECT
public:
    explicit TfmLinkSel(TComponent* owner);

    TRzGroupBox* rzgLinkSelIn;
    TRzGroupBox* rzgLinkSelOut;
    TRzBmpButton* bnSet;
    TRzBmpButton* bnExit;

    // The grid button of row `member` in column `master` (channels 0-7, same side), or null.
    TRzBmpButton* GridButton(int member, int master) const;

    void FormShow(TComponent* Sender);
    // Presses, in the master's column, the button of every row named by the mask.
    void ShowLinkMask(int master, std::uint16_t mask);
    // Shows or hides each channel's overlay toggles by whether it leads itself, and labels
    // the page buttons of the masters.
    void ApplyMasterChannels();
    // Labels every member's page button after its master ("3=1").
    void ApplyPageCaptions();
    void rzbBLinkInAClick(TComponent* Sender);
    void rzb2LinkOut1Click(TComponent* Sender);
    void rzb3LinkOut1Click(TComponent* Sender);
    void rzb4LinkOut1Click(TComponent* Sender);
    void rzb5LinkOut1Click(TComponent* Sender);
    void rzb6LinkOut1Click(TComponent* Sender);
    void bnSetClick(TComponent* Sender);
    void bnExitClick(TComponent* Sender);

    // A row was clicked since the dialog was shown.
    std::uint8_t FChanged = 0;

private:
    // Row `row` (output number 2 to 5) clicked: a leading row opens its column below, a
    // following one closes it and sends the rows that followed it back to themselves.
    void OutputRowClick(TComponent* Sender, int row);
    void BuildSide(TRzGroupBox* box, bool outputs);
};

extern TfmLinkSel* fmLinkSel;
