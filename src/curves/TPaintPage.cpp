#include "TPaintPage.h"

void TPaintPage::SetBounds(int l, int t, int r, int b) {
    FScreenRect = Rect(l, t, r, b);
    SetSize(r - l, b - t);
}

void TPaintPage::SetBitmapWidth(int width) { SetSize(width, FHeight); }

void TPaintPage::SetSize(int width, int height) {
    FWidth = std::max(0, width);
    FHeight = std::max(0, height);
    if (FAllocated) FBitmap.SetSize(FWidth, FHeight);
}

TBitmap& TPaintPage::Bitmap() {
    if (!FAllocated) {
        FAllocated = true;
        FBitmap.SetSize(FWidth, FHeight);
    }
    return FBitmap;
}

void TPaintPage::Fill(TColor colour) {
    TCanvas& c = Canvas();
    c.Brush.Color = colour;
    c.Brush.Style = bsSolid;
    c.FillRect(BitmapRect());
}

void TPaintPage::CopyTo(TCanvas& control) { control.CopyRect(FScreenRect, Canvas(), BitmapRect()); }
