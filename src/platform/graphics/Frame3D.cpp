#include "graphics/Frame3D.h"

TRect Frame3D(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    canvas.Pen = TPen{topLeft, 1, psSolid, pmCopy};
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen.Color = bottomRight;
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
    return Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}
