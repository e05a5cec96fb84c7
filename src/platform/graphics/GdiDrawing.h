#pragma once
// The windows' drawing calls beyond the canvas methods, on a TCanvas: formatted text with
// the DT_ flags, text turned by an escapement, 3-D edges and the dotted focus frame.
#include "graphics/TCanvas.h"

#include <QString>

// Text-drawing flags (the platform's values).
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_PATH_ELLIPSIS = 0x4000,
    DT_END_ELLIPSIS = 0x8000,
    DT_MODIFYSTRING = 0x10000,
    DT_WORD_ELLIPSIS = 0x40000,
};

// Draws `text` in `rect` in the canvas font (its background as TextOut gives it: the brush
// colour while the brush is solid). Lines break at CR, LF and CR LF unless DT_SINGLELINE;
// DT_WORDBREAK also breaks them at blanks to fit the width. Horizontal alignment by
// DT_CENTER / DT_RIGHT; vertical (DT_VCENTER, DT_BOTTOM) only for a single line. Without
// DT_NOPREFIX a "&" is dropped ("&&" gives "&"). The ellipsis flags shorten a line that is
// too wide with "...". Without DT_NOCLIP nothing is drawn outside `rect`. With DT_CALCRECT
// nothing is drawn: `rect` gets the text's extent (width of its widest line, height of its
// lines) at its top-left corner. Returns the height of the text.
int DrawText(TCanvas& canvas, const QString& text, TRect& rect, unsigned flags);

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
