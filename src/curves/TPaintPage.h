#pragma once
// One off-screen area of a curve graph: a bitmap and the rectangle it covers on the control.
// The bitmap is allocated at its size only when first drawn on or read, so a graph that is
// never shown holds no pixels.
#include "graphics/TBitmap.h"

#include <algorithm>

class TPaintPage {
public:
    // Places the page on the control and sizes its bitmap to (r - l) x (b - t).
    void SetBounds(int l, int t, int r, int b);
    // Changes only the bitmap's width.
    void SetBitmapWidth(int width);
    // Fills the whole bitmap with a solid brush of that colour.
    void Fill(TColor colour);
    void SetFont(const TFont& font) { FBitmap.Canvas().Font.Assign(font); }
    // The canvas's font, changed without allocating the bitmap.
    TFont& Font() { return FBitmap.Canvas().Font; }
    // Copies the bitmap onto its rectangle of the control's canvas.
    void CopyTo(TCanvas& control);

    TCanvas& Canvas() { return Bitmap().Canvas(); }
    const TCanvas& Canvas() const { return Bitmap().Canvas(); }
    // The canvas for measuring text with the page's font; allocates no pixels.
    const TCanvas& TextCanvas() const { return FBitmap.Canvas(); }
    TBitmap& Bitmap();
    const TBitmap& Bitmap() const { return const_cast<TPaintPage*>(this)->Bitmap(); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    const TRect& ScreenRect() const { return FScreenRect; }
    TRect BitmapRect() const { return Rect(0, 0, FWidth, FHeight); }

private:
    void SetSize(int width, int height);

    TBitmap FBitmap;
    TRect FScreenRect;
    int FWidth = 0, FHeight = 0;
    bool FAllocated = false;
};
