#pragma once
// The framework's image: a graphic control that shows a picture at its top left, centred,
// or stretched over its whole area.
#include "graphics/TBitmap.h"
#include "ui/TGraphicControl.h"

class TImage : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
public:
    explicit TImage(TComponent* owner);

    // The picture; drawing on it or loading it repaints the image.
    TBitmap& Picture() { return FPicture; }
    const TBitmap& Picture() const { return FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);

protected:
    void Paint() override;

private:
    TBitmap FPicture;
    bool FStretch = false;
    bool FCenter = false;
};
