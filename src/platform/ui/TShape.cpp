#include "ui/TShape.h"

#include <algorithm>

TShape::TShape(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 65); }

void TShape::SetShape(TShapeType shape) {
    if (shape == FShape) return;
    FShape = shape;
    Invalidate();
}

void TShape::SetBrush(const TBrush& brush) {
    FBrush = brush;
    Invalidate();
}

void TShape::SetBrushColor(TColor color) {
    if (color == FBrush.Color) return;
    FBrush.Color = color;
    Invalidate();
}

void TShape::SetPen(const TPen& pen) {
    FPen = pen;
    Invalidate();
}

void TShape::Paint() {
    TCanvas& c = Canvas();
    c.Release();
    if (QImage* image = c.Target()) image->fill(Qt::transparent);
    c.Pen = FPen;
    c.Brush = FBrush;
    // The pen's width stays inside the control.
    const int half = FPen.Width / 2;
    int x = half, y = half, w = Width() - FPen.Width + 1, h = Height() - FPen.Width + 1;
    if (FPen.Width == 0) {
        w = Width();
        h = Height();
    }
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    if (FShape == stEllipse || FShape == stCircle)
        c.Ellipse(x, y, x + w, y + h);
    else
        c.Rectangle(x, y, x + w, y + h);
}
