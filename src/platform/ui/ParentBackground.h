#pragma once
// What a control's parent shows under the control: the parent's own drawing (its
// background and its paint, without its other controls), as the windows give it to a
// control that asks its parent to erase and print into the control's device context.
// Parts the parent leaves undrawn show the parent's Color, as its erase would.
#include "graphics/TCanvas.h"

#include <QWidget>

// Paints the parent's drawing under `control` into the canvas, whose image stands for the
// control's area at (0, 0); limited to the parent's client area. Nothing without a parent.
// It never asks the parent to repaint.
void PaintParentBackground(const QWidget& control, TCanvas& canvas);
