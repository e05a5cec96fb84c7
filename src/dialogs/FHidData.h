#pragma once
// The traffic log: one line per frame sent or received, written by the main window's link
// writers and readers while the window is visible.
#include "ui/TForm.h"

class TListBox;
class TRzBmpButton;

class TfmHidData : public TForm {
    Q_OBJECT
public:
    explicit TfmHidData(TComponent* owner);

    TListBox* hbHidData;
    TRzBmpButton* bnClear;

    // Adds a line at the end of the list and selects it, so the list follows the newest
    // line; nothing while the window is hidden.
    void Log(const QString& line);

    void bnClearClick(TComponent* Sender);
    void FormShow(TComponent* Sender);

private:
    void PlaceClearButton();
};

extern TfmHidData* fmHidData;
