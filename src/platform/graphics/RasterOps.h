#pragma once
// Block copies with the windows' raster operations, between bitmaps and canvases. A
// monochrome source (a TBitmap with Monochrome set) is expanded on the way: its white pixels
// take the destination canvas's brush colour and its black pixels the canvas font's colour,
// as the windows expand a monochrome bitmap with a device context's background and text
// colours. The results are opaque. Stretched copies take the nearest source pixel.
#include "graphics/TBitmap.h"

#include <cstdint>

enum TRasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,     // source
    NOTSRCCOPY = 0x00330008,  // not source
    SRCAND = 0x008800C6,      // source and destination
    SRCPAINT = 0x00EE0086,    // source or destination
    SRCINVERT = 0x00660046,   // source xor destination
    MERGEPAINT = 0x00BB0226,  // (not source) or destination
    DSPDXAX = 0x00E20746,     // the brush colour where the source is white, the destination elsewhere
};

// Copies `sourceRect` of the bitmap onto `dest` of the canvas (stretched when the sizes
// differ) with the raster operation.
void StretchBlt(TCanvas& canvas, const TRect& dest, const TBitmap& source, const TRect& sourceRect, TRasterOp op);
// The same without stretching: a w x h block from (sx, sy) to (x, y).
void BitBlt(TCanvas& canvas, int x, int y, int w, int h, const TBitmap& source, int sx, int sy, TRasterOp op);
// Makes `mask` a monochrome mask of the bitmap: the pixels of `color` white, all others
// black.
void MakeMonoMask(TBitmap& mask, const TBitmap& source, TColor color);
// The transparent stretch copy: `sourceRect` of the bitmap stretched onto `dest`, leaving
// the destination where the same area of the monochrome mask is white.
void TransparentStretchBlt(TCanvas& canvas, const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                           const TBitmap& mask);

