#pragma once
// How well colours read on each other: the contrast ratio of their relative luminance, and
// colours for text (and behind text) chosen to read at 4.5:1.
#include "graphics/TColor.h"

// The contrast ratio of two colours (system colours resolved) by their relative luminance,
// from 1 (the same) to 21 (black on white).
double ContrastRatio(TColor a, TColor b);

// True for a colour darker than mid grey (by relative luminance), as the program's faces are.
bool IsDarkColor(TColor color);

// The one colour of disabled text on a face: the grey-text system colour where it reads at
// 4.5:1, otherwise the face lightened (on a dark face) or darkened just enough to read.
TColor DisabledTextOn(TColor face);

// A colour to draw behind text of colour `text`: `color` itself where the text reads on it at
// 4.5:1, otherwise `color` moved toward black (behind light text) or white just far enough.
TColor ReadableBehind(TColor color, TColor text);
