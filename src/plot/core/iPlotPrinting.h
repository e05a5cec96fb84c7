#pragma once
// Helpers of the plot's printing and of its editor forms: the paper size of a printer, the
// active page of a page control, and two small point helpers.
#include "graphics/Types.h"

class QPrinter;
class QTabWidget;
class QWidget;

// The paper of the printer in inches, width and height exchanged in landscape.
void PrinterPaperSizeInches(const QPrinter& printer, double& width, double& height);
// The index of the active page (-1 when none); activating an index below the page count.
int GetActivePageIndex(const QTabWidget* pageControl);
void SetActivePageIndex(QTabWidget* pageControl, int index);
// Places a window in the middle of the primary screen (the plot's dialogs open there).
void CentreOnScreen(QWidget* window);

// A point of two doubles.
struct TiDoublePoint {
    double X = 0;
    double Y = 0;
};
// (a, b), or (b, a) when swap.
inline TPoint FlippedPoint(bool swap, int a, int b) { return swap ? TPoint{b, a} : TPoint{a, b}; }
inline void DoublePoint(TiDoublePoint& point, double x, double y) { point = {x, y}; }
