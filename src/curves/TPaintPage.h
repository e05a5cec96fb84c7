#pragma once
// One off-screen area of a curve graph: a bitmap and the rectangle it covers on the control.
#include "graphics/TBitmap.h"

class TPaintPage {
public:
    // Places the page on the control and sizes its bitmap to (r - l) x (b - t).
    void SetBounds(int l, int t, int r, int b);
    // Changes only the bitmap's width.
    void SetBitmapWidth(int width);
    // Fills the whole bitmap with a solid brush of that colour.
    void Fill(TColor colour);
    void SetFont(const TFont& font) { FBitmap.Canvas().Font.Assign(font); }
    // Copies the bitmap onto its rectangle of the control's canvas.
    void CopyTo(TCanvas& control);

    TCanvas& Canvas() { return FBitmap.Canvas(); }
    const TCanvas& Canvas() const { return FBitmap.Canvas(); }
    TBitmap& Bitmap() { return FBitmap; }
    const TBitmap& Bitmap() const { return FBitmap; }
    int Width() const { return FBitmap.Width(); }
    int Height() const { return FBitmap.Height(); }
    const TRect& ScreenRect() const { return FScreenRect; }
    TRect BitmapRect() const { return Rect(0, 0, FBitmap.Width(), FBitmap.Height()); }

private:
    TBitmap FBitmap;
    TRect FScreenRect;
};
