#pragma once
// The layout the two access-lock dialogs share: a background, a centred caption over a
// 4-character password field, and OK and cancel buttons below it.
#include <QString>

class TEdit;
class TForm;
class TImage;
class TLabel;
class TRzBmpButton;

struct LockLayout {
    TImage* imBase;
    TLabel* lblLockPassword;
    TEdit* edName;
    TRzBmpButton* btnOK;
    TRzBmpButton* cancel;
};

// Builds the layout on a 190 x 148 form; the cancel button gets `cancelName`.
LockLayout BuildLockLayout(TForm& form, const QString& cancelName);
