#pragma once
// The LED controls' drawing routines: 3-D frames, the layout of an image beside a caption,
// button captions (embossed when disabled) and bitmap tiling.
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

#include <QString>

enum TVrImageTextLayout { ImageLeft, ImageRight, ImageTop, ImageBottom };
enum TVrTextAlignment { vtaLeft, vtaCenter, vtaRight, vtaTopLeft, vtaTop, vtaTopRight, vtaBottomLeft, vtaBottom, vtaBottomRight };

// Width rings, each a top-left line in topColor and a bottom-right line in bottomColor; the
// rectangle ends up moved in by width on every side. Width 0 draws nothing.
void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
// Places an image of imageSize and the caption in the rectangle: imagePos is the image's
// top-left corner, textBounds the caption's rectangle.
void CalcImageTextLayout(TCanvas& canvas, const TRect& rect, const QString& caption, TVrImageTextLayout layout,
                         int margin, int spacing, TPoint imageSize, TPoint& imagePos, TRect& textBounds);
// The caption centred in its bounds in the font colour, or embossed when disabled.
void DrawButtonCaption(TCanvas& canvas, const QString& caption, const TRect& textBounds, bool enabled);
// The bitmap repeated from the rectangle's top-left corner while it starts inside it.
void TileBitmap(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap);
// The DT_ format of a text alignment (single line added by the caller).
unsigned TextAlignmentFormat(TVrTextAlignment alignment);
