#pragma once
// Formatted text in a rectangle, as the windows' DrawText does it: alignment, vertical
// placement of a single line, word wrapping, ellipses, accelerator prefixes and clipping,
// in the canvas's font and font colour; the brush fills behind the text while it is solid.
#include "graphics/TCanvas.h"

#include <QString>

constexpr unsigned DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_TOP = 0x0, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
                   DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_NOCLIP = 0x100,
                   DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000,
                   DT_MODIFYSTRING = 0x10000, DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000;

// Draws the text in the rectangle (or, with DT_CALCRECT, only measures it: the rectangle's
// right and bottom become those of the text, nothing is drawn). Lines break at CR, LF and
// CR LF unless DT_SINGLELINE; DT_WORDBREAK also breaks them at blanks to fit the width.
// Without DT_NOCLIP nothing is drawn outside the rectangle (nor outside the canvas's own
// clip). Returns the height of the text; for a vertically centred or bottom-placed single
// line, the offset from the rectangle's top to the text's bottom. Vertical placement applies
// to single lines only.
int DrawText(TCanvas& canvas, const QString& text, TRect& rect, unsigned format);

// The text as shown without accelerator prefixes: "&&" gives "&", a single "&" is dropped.
QString StripPrefixes(const QString& text);
