#pragma once
// The framework's shape: a windowless control that draws one figure (a rectangle by
// default) filled with its brush and outlined with its pen, which is black and one pixel
// wide at first.
#include "graphics/TCanvas.h"
#include "ui/TGraphicControl.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
    Q_OBJECT
public:
    explicit TShape(TComponent* owner);

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType shape);
    const TBrush& Brush() const { return FBrush; }
    void SetBrush(const TBrush& brush);
    // The brush colour alone (what a shape's colour means).
    void SetBrushColor(TColor color);
    const TPen& Pen() const { return FPen; }
    void SetPen(const TPen& pen);

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    TBrush FBrush{clWhite, bsSolid};
    TPen FPen{clBlack, 1, psSolid, pmCopy};
};
