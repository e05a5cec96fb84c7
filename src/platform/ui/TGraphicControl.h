#pragma once
// A control without a window of its own that draws itself on a canvas. The canvas draws on
// an image that stands for the control's area on screen: Paint draws into it when the
// system asks for a repaint, and drawing on it outside Paint shows at the next paint of
// that area without running Paint again. A paint never asks for another.
#include "graphics/TCanvas.h"
#include "ui/TControl.h"

#include <QImage>
#include <QRegion>

class TGraphicControl : public TControl {
    Q_OBJECT
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // The control's canvas, sized to the control.
    TCanvas& Canvas();
    // True while Paint runs.
    bool Painting() const { return FPainting; }
    // Repaints the whole control at the next paint, also where it was drawn outside Paint.
    void Invalidate() {
        FFresh = QRegion();
        update();
    }

protected:
    // Draws the control on Canvas; runs for every repaint that the system asks for.
    virtual void Paint() {}

    void paintEvent(QPaintEvent* event) override;

private:
    void Drawn(const QRect& area);

    QImage FSurface;
    TCanvas FCanvas;
    QRegion FFresh;  // areas drawn outside Paint since the last paint
    bool FPainting = false;
};
