#pragma once
// The message list: a free-text window with a button that empties it.
#include "ui/TForm.h"

class TMemo;
class TRzBmpButton;

class TfmMemo : public TForm {
    Q_OBJECT
public:
    explicit TfmMemo(TComponent* owner);

    TMemo* Memo;
    TRzBmpButton* bnClearMemo;

    void bnClearMemoClick(TComponent* Sender);

private:
    void PlaceControls();
};

extern TfmMemo* fmMemo;
