#pragma once
// The windows' drawing calls beyond the canvas methods, on a TCanvas (formatted text is in
// DrawText.h): text turned by an escapement, 3-D edges and the dotted focus frame.
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"

#include <QString>

// Writes `text` with its cell's top-left corner at (x, y), turned counter-clockwise by
// `escapement` tenths of a degree about that corner (900: reading upwards).
void TextOutAngle(TCanvas& canvas, int x, int y, const QString& text, int escapement);

// 3-D edges: raised and sunken inner and outer borders, drawn on the four sides of `rect`
// (right and bottom edges exclusive) in the system 3-D colours.
enum : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
};
void DrawEdge(TCanvas& canvas, const TRect& rect, unsigned edge);

// The dotted focus frame: every other pixel of the frame of `rect` (right and bottom edges
// exclusive) inverted, so that drawing it twice restores the picture.
void DrawFocusRect(TCanvas& canvas, const TRect& rect);
