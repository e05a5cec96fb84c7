#pragma once
// One ring of a 3-D frame: the left and top edges in one colour, the right and bottom edges in
// another. Returns the rectangle inside the ring.
#include "graphics/TCanvas.h"

TRect Frame3D(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);
