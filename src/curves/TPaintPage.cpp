#include "TPaintPage.h"

void TPaintPage::SetBounds(int l, int t, int r, int b) {
    FScreenRect = Rect(l, t, r, b);
    FBitmap.SetSize(r - l, b - t);
}

void TPaintPage::SetBitmapWidth(int width) { FBitmap.SetWidth(width); }

void TPaintPage::Fill(TColor colour) {
    TCanvas& c = FBitmap.Canvas();
    c.Brush.Color = colour;
    c.Brush.Style = bsSolid;
    c.FillRect(BitmapRect());
}

void TPaintPage::CopyTo(TCanvas& control) { control.CopyRect(FScreenRect, FBitmap.Canvas(), BitmapRect()); }
