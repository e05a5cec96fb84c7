#include "AdvOfficeImage.h"

TAdvOfficeImage::TAdvOfficeImage(TComponent* owner) : TGraphicControl(owner) {
    FIPicture.OnChange = [this](TGDIPGraphic*) { Invalidate(); };
    SetBounds(0, 0, 128, 128);
}

void TAdvOfficeImage::SetPicture(const TGDIPPicture& picture) {
    FIPicture.Assign(&picture);
    Invalidate();
}

void TAdvOfficeImage::SetCenter(bool value) {
    if (value == FCenter) return;
    FCenter = value;
    Invalidate();
}

void TAdvOfficeImage::SetStretch(bool value) {
    if (value == FStretch) return;
    FStretch = value;
    Invalidate();
}

QPoint TAdvOfficeImage::PicturePos() const {
    if (!FCenter) return {0, 0};
    return QPoint((Width() - FIPicture.Width()) / 2, (Height() - FIPicture.Height()) / 2);
}

void TAdvOfficeImage::Paint() {
    TCanvas& canvas = Canvas();
    if (QPainter* p = canvas.Painter()) {
        // The control is transparent where the picture leaves it.
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->fillRect(rect(), Qt::transparent);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    PaintPicture(canvas);
}

void TAdvOfficeImage::PaintPicture(TCanvas& canvas) {
    if (!FIPicture.Empty()) {
        FIPicture.GetImageSizes();
        if (FStretch) {
            FIPicture.Draw(canvas, TRect{0, 0, Width(), Height()});
        } else {
            const QPoint at = PicturePos();
            FIPicture.Draw(canvas, TRect{at.x(), at.y(), at.x() + FIPicture.Width(), at.y() + FIPicture.Height()});
        }
    } else if (Designing) {
        canvas.Pen.Color = 0xFF0000;
        canvas.Pen.Style = psDot;
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(0, 0, Width(), Height());
        canvas.Brush.Style = bsSolid;
        canvas.Pen.Style = psSolid;
    }
}

void TAdvOfficeImage::MouseEnter() {
    if (Designing) return;
    FMouseInControl = true;
    TGraphicControl::MouseEnter();
}

void TAdvOfficeImage::MouseLeave() {
    if (Designing) return;
    FMouseInControl = false;
    TGraphicControl::MouseLeave();
}
