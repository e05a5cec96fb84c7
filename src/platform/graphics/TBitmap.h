#pragma once
// An off-screen bitmap: an image (kept opaque, in the same pixel format as the control
// surfaces so that copies need no conversion) with its canvas.
#include "graphics/TCanvas.h"

#include <QImage>

class TBitmap {
public:
    TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    // Resizes, keeping the old content at the top left; new area is black.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    TCanvas& Canvas() { return FCanvas; }
    const TCanvas& Canvas() const { return FCanvas; }
    // The pixels, with any drawing in progress finished.
    const QImage& Image() const;

private:
    QImage FImage;
    TCanvas FCanvas;
};

// An image of that size in the pixel format of bitmaps and control surfaces, filled with
// `fill`, with the old image's content at its top left; a null image for an empty size.
QImage ResizedImage(const QImage& old, int width, int height, const QColor& fill);
