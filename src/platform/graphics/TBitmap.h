#pragma once
// An off-screen bitmap: an image (kept opaque, in the same pixel format as the control
// surfaces so that copies need no conversion) with its canvas.
#include "graphics/TCanvas.h"

#include <QByteArray>
#include <QImage>

#include <functional>

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

    // True when the bitmap holds no picture (no size).
    bool Empty() const { return FImage.isNull(); }
    // Takes a copy of another bitmap's picture (and its monochrome switch).
    void Assign(const TBitmap& source);
    // Takes a picture (a null image empties the bitmap).
    void SetImage(const QImage& image);
    // Reads a picture from a complete BMP (or other image) file's bytes; false when the
    // bytes are no picture (the bitmap is then unchanged).
    bool LoadFromData(const QByteArray& file);
    // Reads the framework's bitmap stream: a 4-byte little-endian length, then a BMP file.
    bool ReadData(const QByteArray& stream);

    // A monochrome bitmap holds only black (0) and white (1) pixels. Making a colour bitmap
    // monochrome turns the pixels of the canvas's brush colour white and all others black;
    // making a monochrome one full-colour turns white into the brush colour and black into
    // the canvas font's colour.
    bool Monochrome() const { return FMonochrome; }
    void SetMonochrome(bool monochrome);

    // Called after every change of the picture (loading, resizing, drawing on the canvas).
    std::function<void()> OnChange;

private:
    void Changed();

    QImage FImage;
    TCanvas FCanvas;
    bool FMonochrome = false;
};

// An image of that size in the pixel format of bitmaps and control surfaces, filled with
// `fill`, with the old image's content at its top left; a null image for an empty size.
QImage ResizedImage(const QImage& old, int width, int height, const QColor& fill);
