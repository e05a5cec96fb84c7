#pragma once
// The windows' two-colour rectangle gradient: the colour runs from `start` on the first row
// (or column) to `stop` on the last, each channel interpolated linearly and rounded.
#include "graphics/TCanvas.h"

// vertical: rows from top (start) to bottom (stop); otherwise columns from left to right.
void GradientFillRect(TCanvas& canvas, const TRect& rect, TColor start, TColor stop, bool vertical);
