#pragma once
// Edits the names of all eight channels at once; Set stores and sends only the names that
// changed.
#include "ui/TForm.h"

#include <array>

class TEdit;
class TGroupBox;
class TRzBmpButton;

class TfmChNameList : public TForm {
    Q_OBJECT
public:
    explicit TfmChNameList(TComponent* owner);

    TGroupBox* gbInputs;
    TGroupBox* gbOutputs;
    // edMatrixChNameInA ... edMatrixChNameOut6, by channel.
    std::array<TEdit*, 8> edNames{};
    TRzBmpButton* btnOK;
    TRzBmpButton* btnCancel;

    void FormShow(TComponent* Sender);
    void btnOKClick(TComponent* Sender);
    void btnCancelClick(TComponent* Sender);

private:
    TEdit* NameEdit(int channel) const;
};

extern TfmChNameList* fmChNameList;
