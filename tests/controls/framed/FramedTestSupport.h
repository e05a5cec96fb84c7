#pragma once
// Shared pieces of the framed-control tests: small bitmaps to draw on, pixel reads, a host
// window that paints a known colour, and the folder the gallery pictures go to.
#include "graphics/TBitmap.h"
#include "ui/TCustomControl.h"
#include "ui/TForm.h"

#include <QImage>
#include <QString>

// A bitmap of that size filled with one colour.
void FillBoard(TBitmap& board, int width, int height, TColor color);
// The colour of a pixel of an image or a bitmap.
TColor PixelAt(const QImage& image, int x, int y);
inline TColor PixelAt(const TBitmap& bitmap, int x, int y) { return PixelAt(bitmap.Image(), x, y); }
// The RGB value of a colour (system colours resolved).
inline TColor Rgb(TColor color) { return ColorToRGB(color); }

// A windowed control that fills itself with its Color: a parent that shows a known
// background.
class TSolidHost : public TCustomControl {
public:
    explicit TSolidHost(TComponent* owner, TColor color = RGBColor(30, 34, 40));
};

// Handles what is queued, including the repaints it leads to.
void Settle();
// The widget as the screen shows it (children included).
QImage Grab(QWidget& widget);
// Saves a picture for looking at into the build tree; false when it cannot be written.
bool SaveGallery(const QImage& image, const QString& name);

// A picture of that size in one colour with a frame of another (for state pictures that
// are told apart by their middle pixel).
void FramedPicture(TBitmap& picture, int width, int height, TColor face, TColor frame);

// A shown, active form with a solid host covering it, for controls that take the focus.
struct ShownForm {
    explicit ShownForm(int width = 300, int height = 200);
    ~ShownForm();
    TForm form{nullptr};
    TSolidHost* host = nullptr;
};
