#pragma once
// The preset-name dialog, opened from a row of a preset grid: in store mode it edits the
// name and stores the current settings under it; in recall mode it shows the name and
// recalls the preset.
#include "ui/TForm.h"

#include <cstdint>
#include <string>

class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmStoreName : public TForm {
    Q_OBJECT
public:
    explicit TfmStoreName(TComponent* owner);

    TImage* imBase;
    TLabel* lblPresetName;
    TLabel* lTitle;
    TEdit* edName;
    TRzBmpButton* btnOK;
    TRzBmpButton* bnCancel;

    // Shows the name (at most 14 characters) without trailing blanks and carriage returns.
    void SetNameText(const QString& name);
    void SetSlot(int n) { FSlot = n; }
    void SetMode(std::uint8_t mode) { FStoreMode = mode; }
    int Slot() const { return FSlot; }
    bool StoreMode() const { return FStoreMode != 0; }

    void FormShow(TComponent* Sender);
    void FormActivate();
    void btnOKClick(TComponent* Sender);
    void bnCancelClick(TComponent* Sender);

    // The name as the unit takes it: the 8-bit bytes of the text, cut or blank-padded to 14.
    static std::string PaddedName(const QString& text);

private:
    int FSlot = 0;
    std::uint8_t FStoreMode = 0;
};

extern TfmStoreName* fmStoreName;
