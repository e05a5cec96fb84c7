#pragma once
// Pictures that hold an image file exactly as stored (its undecoded bytes) and decode it only
// to draw or measure it. TGDIPPicture serves the track bars and the office images;
// TAdvGDIPPicture adds drawing on a drawing-layer surface with a colour key for bitmaps,
// texture fills and sizes read from a file's header.
//
// Decoding uses Qt's image readers (BMP, PNG, JPEG, GIF; TIFF with the image-formats
// plug-in); bytes that cannot be decoded count as an unknown format: sizes read 0 and nothing
// is drawn. Resources are Qt resources under ":/rcdata/" (by name, or "#<number>").
#include "AdvGDIP.h"

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"
#include "graphics/Types.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>

class TGDIPGraphic;
using TPictureEvent = std::function<void(TGDIPGraphic* sender)>;

enum TTransparentMode { tmAuto, tmFixed };

// What both picture classes share: the stored bytes, the cached size, the change and clear
// events and the load and save paths.
class TGDIPGraphic {
public:
    TGDIPGraphic() = default;
    virtual ~TGDIPGraphic() = default;
    TGDIPGraphic(const TGDIPGraphic&) = delete;
    TGDIPGraphic& operator=(const TGDIPGraphic&) = delete;

    bool Empty() const { return FIsEmpty; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetWidth(int) {}
    void SetHeight(int) {}
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    // The stored image file.
    const QByteArray& Bytes() const { return FDatastream; }

    // Copies another picture (null clears); see the classes for the sources they take.
    virtual void Assign(const TGDIPGraphic* source) = 0;
    // Copies a framework bitmap (saved as a BMP file).
    void Assign(const TBitmap& bitmap);
    // Draws on a canvas into a rectangle.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

    void LoadFromFile(const QString& fileName);
    virtual void LoadFromStream(QIODevice* stream);
    void SaveToStream(QIODevice* stream) const;
    void LoadFromResourceName(const QString& resName);
    // A missing resource raises std::runtime_error.
    void LoadFromResourceID(int resId);
    void LoadFromURL(const QString& url);
    // The form data reader and writer of the "Data" property (the image file itself).
    virtual void ReadData(QIODevice* stream) = 0;
    void WriteData(QIODevice* stream) const { SaveToStream(stream); }
    void LoadFromClipboardFormat() {}
    void SaveToClipboardFormat() const {}

    // Decodes the bytes and sets Width and Height (0 when they cannot be decoded); false only
    // when the picture is empty or holds no bytes.
    bool GetImageSizes();
    // The decoded image, or null when empty or without bytes. The picture keeps it until its
    // bytes change, so measuring and drawing the same picture decode it once.
    std::shared_ptr<TGPImage> Decode() const;

    TPictureEvent OnChange;
    TPictureEvent OnClear;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    void Cleared() {
        if (OnClear) OnClear(this);
    }
    virtual void MeasureLoadedFile(const QString& fileName) { GetImageSizes(); }
    // The common start of Assign: true when it was handled (null or same class).
    bool AssignCommon(const TGDIPGraphic* source, bool sameClass);
    // The bitmap decoded with its bottom-left pixel's colour made transparent.
    QImage KeyedBitmap() const;
    // Draws on a canvas: a bitmap keyed by its bottom-left colour, stretched into the
    // rectangle or at its natural size at its top-left; other formats stretched.
    void DrawOnCanvas(TCanvas& canvas, const TRect& rect, bool stretchBitmap);

    QByteArray FDatastream;
    bool FIsEmpty = true;
    int FWidth = 0;
    int FHeight = 0;
    bool FDoubleBuffered = false;
    bool FTransparent = false;

private:
    mutable QByteArray FDecodedBytes;  // the bytes FDecoded was made from
    mutable std::shared_ptr<TGPImage> FDecoded;
};

class TGDIPPicture : public TGDIPGraphic {
public:
    TGDIPPicture() = default;
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor c) { FBackgroundColor = c; }

    void Assign(const TGDIPGraphic* source) override;
    using TGDIPGraphic::Assign;
    // A bitmap is stretched into the rectangle (its bottom-left colour transparent); other
    // formats are drawn stretched.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    void ReadData(QIODevice* stream) override;

    void DrawImage(TGPGraphics* graphics, int x, int y);
    void DrawImageRect(TGPGraphics* graphics, int x, int y, int w, int h);

private:
    TColor FBackgroundColor = clNone;
};

class TAdvGDIPPicture : public TGDIPGraphic {
public:
    TAdvGDIPPicture() { FTransparent = false; }

    TTransparentMode TransparentMode() const { return FBitmapTransparentMode; }
    void SetTransparentMode(TTransparentMode m) { FBitmapTransparentMode = m; }
    TColor TransparentColor() const { return FBitmapTransparentColor; }
    void SetTransparentColor(TColor c) { FBitmapTransparentColor = c; }
    int PixelDepth() const { return FPixelDepth; }
    bool HasAlpha() const { return FHasAlpha; }
    bool HasPalette() const { return FHasPalette; }
    int PixelFormat() const { return FPixelFormat; }

    void Assign(const TGDIPGraphic* source) override;
    using TGDIPGraphic::Assign;
    // A bitmap is drawn at its natural size at the rectangle's top-left (bottom-left colour
    // transparent); other formats are drawn stretched.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    void LoadFromStream(QIODevice* stream) override;
    void ReadData(QIODevice* stream) override;

    void GDIPDraw(TGPGraphics* graphics, const TRect& rect);
    void GDIPDraw(TGPGraphics* graphics, const TGPRectF& rect);
    void FillRect(TGPGraphics* graphics, const TGPRectF& rect);
    void FillPath(TGPGraphics* graphics, const TGPGraphicsPath* path);
    // Width and Height from the header of a file (by its extension), cut to 16 bits.
    void GetImageSizesFromFileName(const QString& fileName);

protected:
    void MeasureLoadedFile(const QString& fileName) override { GetImageSizesFromFileName(fileName); }

private:
    void Draw(TGPGraphics* graphics, const QRectF& rect, bool stretchKeyed);

    bool FDrawing = false;
    TTransparentMode FBitmapTransparentMode = tmAuto;
    TColor FBitmapTransparentColor = clWhite;
    int FPixelDepth = 0;
    bool FHasAlpha = false;
    bool FHasPalette = false;
    int FPixelFormat = 0;
};

// Header readers: the image size from the first bytes of a file, or false (0 x 0) when the
// signature does not match or the bytes end first. Every offset is checked against the data.
bool ReadJpegSize(const QByteArray& data, int& width, int& height);
bool ReadPngSize(const QByteArray& data, int& width, int& height);
bool ReadBmpSize(const QByteArray& data, int& width, int& height);
bool ReadTiffSize(const QByteArray& data, int& width, int& height);
bool ReadGifSize(const QByteArray& data, int& width, int& height);
// The reader chosen by the upper-cased extension (".JPG", ".JPEG", ".PNG", ".BMP", ".TIFF",
// ".GIF"); sizes cut to their low 16 bits; 0 x 0 for any other extension.
void ReadHeaderSize(const QString& extension, const QByteArray& data, int& width, int& height);
