#pragma once
// Drawing routines the framed controls share: bitmaps copied with one colour left out (at
// their size, stretched, tiled or fitted), colour gradients in ten shapes, and a control's
// parent painted under the control so the control looks transparent.
#include "graphics/GradientDirection.h"
#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

#include <QWidget>

// The source area of the bitmap stretched onto `dest`, leaving out the pixels of the
// transparent colour. The background seen through them is ANDed with the canvas's brush
// colour (a white brush leaves it as it is, a black one blackens it).
void DrawMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent,
                      const TRect& source);
// The whole bitmap stretched onto `dest`, transparent colour left out.
void StretchMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent);
// The bitmap repeated over `dest` from its top-left corner; the last row and column are cut.
void TileMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent);
// Like DrawMaskedBitmap, through a transparent stretch copy (the background stays as it is).
void FitMaskedBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, TColor transparent,
                     const TRect& source);

// A gradient in the rectangle; granularity 1 starts a new band at every colour change (the
// only value the controls use).
void FillGradient(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start, TColor stop,
                  int granularity = 1);
// The shaped gradients (every direction but the two plain ones), painted off-screen.
void PaintGradientShape(TCanvas& canvas, const TRect& rect, TGradientDirection direction, TColor start,
                        TColor stop, int granularity = 1);

// The band painters behind PaintGradientShape, on a canvas whose image is width x height.
void FillLinearBands(TCanvas& canvas, int width, int height, bool alongHeight, TColor start, TColor stop);
void FillBoxBands(TCanvas& canvas, int width, int height, int xInset, int yInset, TColor start, TColor stop);
void FillDiagonalBands(TCanvas& canvas, int width, int height, bool up, TColor start, TColor stop);
// Copies the painted strip (`strip` pixels along the free axis) across `length` pixels by
// doubling what is covered.
void ReplicateStrip(TCanvas& canvas, int strip, int length, int thickness, bool alongWidth);
// Completes a picture from its top-left quarter: mirrored down, then mirrored right.
void MirrorQuarter(TCanvas& canvas, int width, int height);

// Paints the control's parent under the control into the canvas (whose image stands for
// the control). Nothing without a parent. The invalidate-parent request is not followed: a
// paint never asks its parent to repaint (that would repaint this control again, endlessly).
void DrawParentBackground(const QWidget& control, TCanvas& canvas, bool invalidateParent);
