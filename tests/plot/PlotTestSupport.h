#pragma once
// Shared pieces of the plot tests: plots set up for a test, their painted image and pixel
// checks.
#include "core/iPlotAxis.h"
#include "core/iXYPlot.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"
#include "objects/iPlotLabel.h"
#include "objects/iPlotLegend.h"
#include "objects/iPlotToolBar.h"

#include <QEvent>
#include <QImage>
#include <QPoint>

#include <functional>
#include <vector>
#include <memory>

constexpr double kOneMs = 1.0 / 86400000.0;

// A fixed clock for the repaint scheduler, in days; the steady clock is back when it ends.
struct FakeClock {
    double now = 45000.0;
    FakeClock() { TiUpdateObject::Global().SetClock([this] { return now; }); }
    ~FakeClock() { TiUpdateObject::Global().SetClock(nullptr); }
    void Advance(double ms) { now += ms * kOneMs; }
};

// An XY plot of the given size, as created in code.
std::unique_ptr<TiXYPlot> MakePlot(int width = 400, int height = 300);

// The message of the plot exception a call raises; empty when it raises none.
QString MessageOf(const std::function<void()>& call);

// A file's bytes; empty when it cannot be read.
QByteArray ReadAll(const QString& name);
// Writes a file with the given bytes (a failed open fails the test).
void WriteBytes(const QString& name, const QByteArray& bytes);

// A mouse event sent to a widget.
void Mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers mods = Qt::NoModifier);
// A left-button drag from a to b in one move; `mods` held from the move on.
void Drag(QWidget& w, QPoint a, QPoint b, Qt::KeyboardModifiers mods = Qt::NoModifier);

// A yellow plot background that no drawn part has.
inline constexpr TColor kBack = 0x00FFFF;

// Whether a pixel is within `tol` of 0xRRGGBB in each of red, green and blue.
bool Near(QRgb a, unsigned rgb, int tol = 40);

// A file in the test's output folder of the build tree.
QString OutputPath(const QString& name);

// The colour of a pixel as 0xRRGGBB.
inline unsigned PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }
// The 0xRRGGBB of a colour value.
unsigned Rgb(TColor color);
// How many pixels of a rectangle have exactly that colour.
int CountColor(const QImage& image, const TRect& area, TColor color);
// Whether some pixel of the rectangle is near that colour (text is smoothed).
bool HasColorNear(const QImage& image, const TRect& area, TColor color, int tolerance = 40);

// The pages of a PDF rendered at `dpi` (72: one pixel per point), in page order; a test
// failure when the renderer is missing or fails.
std::vector<QImage> RenderPdf(const QString& pdf, int dpi);
