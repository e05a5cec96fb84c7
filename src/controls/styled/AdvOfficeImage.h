#pragma once
// A window-less picture control: one picture at its natural size (centred by default) or
// stretched over the control, with an office-hint record it carries for others.
#include "AdvHintInfo.h"
#include "GDIPicture.h"

#include "ui/TGraphicControl.h"

class TAdvOfficeImage : public TGraphicControl {
    Q_OBJECT
public:
    explicit TAdvOfficeImage(TComponent* owner);

    TGDIPPicture& Picture() { return FIPicture; }
    void SetPicture(const TGDIPPicture& picture);
    TAdvHintInfo& OfficeHint() { return FOfficeHint; }
    void SetOfficeHint(const TAdvHintInfo& hint) { FOfficeHint.Assign(hint); }
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    // The pointer is over the control (never while designing).
    bool MouseInControl() const { return FMouseInControl; }
    // Set while the control is being designed: an empty control shows a dotted frame.
    bool Designing = false;
    QString Version() const { return QStringLiteral("1.1.0.0"); }
    void SetVersion(const QString&) {}
    // Where the picture goes at its natural size (Stretch off).
    QPoint PicturePos() const;

protected:
    void Paint() override;
    virtual void PaintPicture(TCanvas& canvas);
    // The pointer's entry and exit, ignored while designing.
    void MouseEnter() override;
    void MouseLeave() override;

private:
    int FOffSet = 4;
    bool FMouseInControl = false;
    TAdvHintInfo FOfficeHint;
    TGDIPPicture FIPicture;
    bool FCenter = true;
    bool FStretch = false;
};
