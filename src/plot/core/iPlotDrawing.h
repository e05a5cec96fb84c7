#pragma once
// Free drawing helpers of the plot library: colour shading, text measuring and drawing
// (embossed and rotated), rectangle and point helpers, the two-colour gradient fill, the
// border painter, decimals for a precision, span conversions for date-time ticks, key-state
// queries and paper sizes. None holds state.
#include "core/iPlotTypes.h"
#include "graphics/TCanvas.h"

#include <QString>

class TComponent;
class TWinControl;

// The library's own text flags, mapped onto the platform's text-drawing flags.
enum : unsigned {
    itfLeft = 0x0001,
    itfCenter = 0x0002,
    itfRight = 0x0004,
    itfTop = 0x0008,
    itfVCenter = 0x0010,
    itfBottom = 0x0020,
    itfWordBreak = 0x0040,
    itfSingleLine = 0x0080,
    itfExpandTabs = 0x0100,
    itfNoClip = 0x0200,
    itfPrefix = 0x0400,  // prefix processing; when clear, prefixes are shown as they are
    itfCalcRect = 0x0800,
    itfEndEllipsis = 0x1000,
    itfPathEllipsis = 0x2000,
    itfWordEllipsis = 0x4000,
    itfModifyString = 0x8000,
};
// The platform flags for a set of the library's flags.
unsigned PlatformTextFlags(unsigned flags);

// Color (system colours resolved) with Amount added to (lighter) or taken from each of red,
// green and blue, each held to 0..255.
TColor ShadeColor(TColor color, int amount, bool lighter);

// Draws Text in Rect with the mapped flags and returns the text's height. Enabled, the
// calculate-rectangle flag or a black BackColor: one plain draw in the canvas's font colour;
// otherwise the embossed disabled look.
int DrawTextFlags(TCanvas& canvas, const QString& text, TRect& rect, TColor backColor, bool enabled,
                  unsigned flags);
// Draws Text centred on Rect's centre, turned by Rotation; OutRect gets the text's extent.
// Alignment (at rotation 0): 0 centre, 1 left, other right.
void DrawRotatedText(TCanvas& canvas, const QString& text, const TRect& rect, TRect& outRect, TColor backColor,
                     bool enabled, int alignment, TiRotationAngle rotation);

// The next line of a text from position `pos` (lines end at CR, LF or CR LF); pos moves past
// the line's end.
QString NextTextLine(const QString& text, int& pos);
// The width of the widest line; 0 for an empty text.
int MultiLineTextWidth(const TCanvas& canvas, const QString& text);
// The height the text-drawing service reports for Text in calculate mode.
int TextHeightOf(TCanvas& canvas, const QString& text);
// The height of Text word-wrapped to Width.
int WrappedTextHeight(TCanvas& canvas, const QString& text, int width);
void DrawFocusRectangle(TCanvas& canvas, const TRect& rect);
// 0: sunken edge; 1: raised edge; 2: a frame in the button-shadow colour filled with the
// current brush; other values draw nothing.
void DrawBorderStyle(TCanvas& canvas, const TRect& rect, int style);

// Two-colour gradient over Rect in a direction (the diagonal, rectangle and circle figures
// are placed relative to the canvas origin). A fill of no steps draws the start colour once.
void FillGradientRect(TCanvas& canvas, const TRect& rect, TiFillDirection direction, TColor startColor,
                      TColor stopColor);

// Narrows the canvas's clip region to its part inside Rect (an empty part when they do not meet).
void IntersectClipRect(TCanvas& canvas, TRect rect);

// The picture with every pixel of the colour of its bottom-left pixel made transparent (how
// the plot's own pictures mark their background).
QImage CornerColorTransparent(const QImage& image);

TRect NormalizedRect(int x1, int y1, int x2, int y2);
TRect OrientedRect(bool swap, int x1, int y1, int x2, int y2);
TPoint OrientedPoint(bool swap, int a, int b);
void SwapInts(int& a, int& b);

// Decimals that show a value of magnitude |A - B| with Precision: fixed style gives
// Precision; significant digits give Precision less the integer digits, one more below 1.
// Style 0 = significant digits, 1 = fixed decimal points.
int PrecisionDecimals(int precision, int style, double a, double b);

// A span in days as whole units of the time of day plus whole days; the largest integer when
// the count overflows 32 bits.
int SpanMilliseconds(double span);
int SpanSeconds(double span);
int SpanMinutes(double span);
int SpanHours(double span);

bool ShiftKeyDown();
bool CtrlKeyDown();
// Gives the control's window the keyboard focus.
void FocusComponent(TWinControl* control);
// The first form on the owner chain, else the last windowed control met (null if none).
TComponent* FindOwnerForm(TComponent* component);

double MmToInch(double value);
// The width and height in inches of a device-mode paper code; Letter for unknown codes.
void PaperSizeInches(int code, double& width, double& height);
