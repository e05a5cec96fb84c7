#include "LockLayout.h"

#include "DialogLook.h"
#include "RzBmpBtn.h"
#include "ui/TEdit.h"
#include "ui/TForm.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

LockLayout BuildLockLayout(TForm& form, const QString& cancelName) {
    using namespace DialogLook;
    LockLayout l{};
    SetFrame(form, 190, 148, 0);
    l.imBase = AddBackground(form);
    l.lblLockPassword = new TLabel(&form);
    l.lblLockPassword->SetName(QStringLiteral("lblLockPassword"));
    l.lblLockPassword->SetParent(&form);
    l.lblLockPassword->SetTransparent(true);
    l.lblLockPassword->SetAutoSize(false);
    l.lblLockPassword->SetAlignment(taCenter);
    l.lblLockPassword->SetLayout(tlCenter);
    l.lblLockPassword->SetFont(Font(9, kText, true));
    l.lblLockPassword->SetBounds(10, 16, 170, 20);
    l.edName = new TEdit(&form);
    l.edName->SetName(QStringLiteral("edName"));
    l.edName->SetParent(&form);
    l.edName->SetBounds(45, 46, 100, 30);
    l.edName->SetAlignment(taCenter);
    l.edName->SetMaxLength(4);
    l.edName->SetCharCase(ecUpperCase);
    l.edName->SetColor(DialogLook::kFieldColour);
    l.edName->SetFont(Font(14, RGBColor(20, 22, 26), true));
    const QImage& ground = l.imBase->Picture().Image();
    l.btnOK = AddButton(form, ground, QStringLiteral("btnOK"), QRect(16, 98, 70, 30));
    l.cancel = AddButton(form, ground, cancelName, QRect(104, 98, 70, 30));
    return l;
}
