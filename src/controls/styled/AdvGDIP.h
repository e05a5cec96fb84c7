#pragma once
// The antialiased drawing layer of the styled controls: small wrapper objects (surface, pen,
// brushes, path, region, matrix, image, image attributes, string format, font, font family)
// over QPainter, value records, colour helpers and the painter of one fill description.
// Nothing here raises: every wrapper keeps the last failing status of its operations
// (GetLastStatus hands it out and resets it); an operation returns its own status.
//
// Conventions, settled once for the whole layer:
// - Angles are degrees, clockwise on screen from the positive x axis (0 = 3 o'clock,
//   90 = 6 o'clock); an arc runs from its start angle by its sweep, clockwise for a positive
//   sweep.
// - Pixel centres lie on integer coordinates: with antialiasing, lines, outlines, fills and
//   clips are drawn with a half-pixel offset, so a 1-pixel line at y = 1 covers exactly row 1
//   and a fill of (0, 0, 10, 10) covers pixels 1..9 fully and half of rows/columns 0 and 10.
//   Without antialiasing a shape covers the pixels right of and below its integer
//   coordinates (a fill of (0, 0, 10, 10) covers pixels 0..9, a line at y = 1 row 1).
//   Images and text are placed on pixel edges: an image drawn at (x, y) starts at pixel x.
// - Strings are measured with a padding of one sixth of the em size on each side, and text
//   drawn from an origin starts one sixth of an em right of it (the trim allowance of
//   DrawText was made for this padding). A line is the font's line spacing high.
// - Gradients made with gamma correction blend their colours in linear light (gamma 2.2,
//   16 stops); without it they blend the stored values.
// - A linear gradient over a rectangle without width or height cannot be made: the brush
//   carries OutOfMemory and fills with it draw nothing.
// - Hatch styles are 8 x 8 patterns of the foreground on the background colour, tiled from
//   the surface origin.
// - Path gradients run from the centre point (blend position 1) to the outline (position 0)
//   along straight rays. On an ellipse this is exact; on any other outline the contours are
//   the outline's bounding box scaled toward the centre point.
// - Smoothing modes AntiAlias and HighQuality turn antialiasing on, every other mode off.
// - The layer needs no start-up: Qt's paint engine is ready once the application object
//   exists. GdiplusStartup and GdiplusShutdown are kept as no-ops for the start-up code.
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

#include <QBrush>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTransform>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

using ARGB = std::uint32_t;

enum class TStatus : int {
    Ok = 0, GenericError = 1, InvalidParameter = 2, OutOfMemory = 3, ObjectBusy = 4, InsufficientBuffer = 5,
    NotImplemented = 6, Win32Error = 7, WrongState = 8, Aborted = 9, FileNotFound = 10, ValueOverflow = 11,
    AccessDenied = 12, UnknownImageFormat = 13, FontFamilyNotFound = 14, FontStyleNotFound = 15,
    NotTrueTypeFont = 16, UnsupportedGdiplusVersion = 17, GdiplusNotInitialized = 18, PropertyNotFound = 19,
    PropertyNotSupported = 20
};

enum SmoothingMode {
    SmoothingModeInvalid = -1, SmoothingModeDefault = 0, SmoothingModeHighSpeed = 1, SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3, SmoothingModeAntiAlias = 4
};
enum TextRenderingHint {
    TextRenderingHintSystemDefault, TextRenderingHintSingleBitPerPixelGridFit, TextRenderingHintSingleBitPerPixel,
    TextRenderingHintAntiAliasGridFit, TextRenderingHintAntiAlias, TextRenderingHintClearTypeGridFit
};
enum FillMode { FillModeAlternate = 0, FillModeWinding = 1 };
enum Unit_ {
    UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4, UnitDocument = 5, UnitMillimeter = 6
};
enum DashStyle { DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot, DashStyleCustom };
enum WrapMode { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum LinearGradientMode {
    LinearGradientModeHorizontal, LinearGradientModeVertical, LinearGradientModeForwardDiagonal,
    LinearGradientModeBackwardDiagonal
};
enum CombineMode {
    CombineModeReplace, CombineModeIntersect, CombineModeUnion, CombineModeXor, CombineModeExclude,
    CombineModeComplement
};
enum MatrixOrder { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };
enum StringAlignment { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };
enum StringTrimming {
    StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord, StringTrimmingEllipsisCharacter,
    StringTrimmingEllipsisWord, StringTrimmingEllipsisPath
};
enum HotkeyPrefix { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };
enum ColorAdjustType { ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap = 1, ColorAdjustTypeBrush = 2 };
enum FontStyle {
    FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3, FontStyleUnderline = 4,
    FontStyleStrikeout = 8
};
// String format flags used by the controls.
constexpr int StringFormatFlagsNoWrap = 0x1000;
constexpr int StringFormatFlagsNoClip = 0x4000;
constexpr int StringFormatFlagsLineLimit = 0x2000;

enum HatchStyle {
    HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
    HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent,
    HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent,
    HatchStyle70Percent, HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal,
    HatchStyleDarkUpwardDiagonal, HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical, HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal,
    HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical, HatchStyleSmallConfetti,
    HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave, HatchStyleDiagonalBrick, HatchStyleHorizontalBrick,
    HatchStyleWeave, HatchStylePlaid, HatchStyleDivot, HatchStyleDottedGrid, HatchStyleDottedDiamond,
    HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere, HatchStyleSmallGrid, HatchStyleSmallCheckerBoard,
    HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond, HatchStyleSolidDiamond, HatchStyleTotal
};

enum TGPImageFormat {
    ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon
};
enum TAdvGradientType {
    gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal, gtAngle, gtHatch, gtPath,
    gtTexture, gtNone
};

// Pixel formats as the layer reports them: bits 8-15 the depth, 0x10000 a palette, 0x40000 alpha.
constexpr int PixelFormat1bppIndexed = 0x00030101;
constexpr int PixelFormat4bppIndexed = 0x00030402;
constexpr int PixelFormat8bppIndexed = 0x00030803;
constexpr int PixelFormat16bppRGB565 = 0x00021006;
constexpr int PixelFormat24bppRGB = 0x00021808;
constexpr int PixelFormat32bppRGB = 0x00022009;
constexpr int PixelFormat32bppARGB = 0x0026200A;

struct TGPPoint { int X = 0; int Y = 0; };
struct TGPPointF { float X = 0; float Y = 0; };
struct TGPRect { int X = 0; int Y = 0; int Width = 0; int Height = 0; };
struct TGPRectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
    bool operator==(const TGPRectF&) const = default;
};

// Colour and geometry helpers.
ARGB PackArgb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b);
ARGB OpaqueArgbFromParts(std::uint8_t r, std::uint8_t g, std::uint8_t b);
ARGB OpaqueArgb(TColor color);
ARGB AlphaArgb(std::uint8_t alpha, TColor color);
inline std::uint8_t ArgbAlphaPart(ARGB c) { return std::uint8_t(c >> 24); }
inline std::uint8_t ArgbRedPart(ARGB c) { return std::uint8_t(c >> 16); }
inline std::uint8_t ArgbGreenPart(ARGB c) { return std::uint8_t(c >> 8); }
inline std::uint8_t ArgbBluePart(ARGB c) { return std::uint8_t(c); }
inline TGPPoint GPPointOf(int x, int y) { return {x, y}; }
inline TGPPointF GPPointFOf(float x, float y) { return {x, y}; }
inline TGPRectF GPRectFOf(float x, float y, float w, float h) { return {x, y, w, h}; }
QColor QColorOfArgb(ARGB c);

// Kept for the start-up code; the Qt paint engine needs no start.
void GdiplusStartup();
void GdiplusShutdown();

class TGdiplusBase {
public:
    virtual ~TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;

protected:
    TGdiplusBase() = default;
    // Records a failing status; returns the status unchanged.
    TStatus SetStatus(TStatus status) const {
        if (status != TStatus::Ok) FLastResult = status;
        return status;
    }
    mutable TStatus FLastResult = TStatus::Ok;

public:
    // The last failing status, reset to Ok by the reading.
    TStatus GetLastStatus() const {
        const TStatus s = FLastResult;
        FLastResult = TStatus::Ok;
        return s;
    }
};

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix() = default;
    TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy) : FNative(m11, m12, m21, m22, dx, dy) {}
    TStatus Reset();
    TStatus Translate(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus Scale(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus Rotate(float angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateAt(float angle, const TGPPointF& centre, MatrixOrder order = MatrixOrderPrepend);
    float OffsetX() const { return float(FNative.dx()); }
    float OffsetY() const { return float(FNative.dy()); }
    const QTransform& Native() const { return FNative; }

private:
    TStatus Combine(const QTransform& t, MatrixOrder order);
    QTransform FNative;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode mode = FillModeAlternate);
    TStatus Reset();
    TStatus CloseFigure();
    TStatus StartFigure();
    TStatus AddLine(float x1, float y1, float x2, float y2);
    TStatus AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    TStatus AddArc(const TGPRectF& r, float startAngle, float sweepAngle) {
        return AddArc(r.X, r.Y, r.Width, r.Height, startAngle, sweepAngle);
    }
    TStatus AddEllipse(float x, float y, float width, float height);
    TStatus AddEllipse(const TGPRectF& r) { return AddEllipse(r.X, r.Y, r.Width, r.Height); }
    TStatus AddRectangle(const TGPRectF& r);
    TStatus AddPolygon(const TGPPointF* points, int count);
    int GetPointCount() const { return FNative.elementCount(); }
    TGPRectF GetBounds() const;
    const QPainterPath& Native() const { return FNative; }
    // True when the path is one ellipse and nothing else (path gradients draw it exactly).
    bool IsEllipse() const { return FEllipse; }

private:
    void ConnectTo(const QPointF& p);
    QPainterPath FNative;
    bool FFigureOpen = false;
    bool FEllipse = false;
};

class TGPRegion : public TGdiplusBase {
public:
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPGraphicsPath* path);
    TStatus Exclude(const TGPGraphicsPath* path);
    TStatus Union(const TGPRegion* region);
    const QPainterPath& Native() const { return FNative; }

private:
    QPainterPath FNative;
};

class TGPImage : public TGdiplusBase {
public:
    // Decodes an image file held in memory (the layer's stream); bytes that cannot be decoded
    // leave an image without pixels and the status UnknownImageFormat.
    explicit TGPImage(const QByteArray& stream);
    // An image of that size in the given pixel format (transparent).
    TGPImage(int width, int height, int pixelFormat = PixelFormat32bppARGB);
    explicit TGPImage(QImage image);

    TGPImageFormat GetFormat() const { return FFormat; }
    unsigned GetWidth() const;
    unsigned GetHeight() const;
    int GetPixelFormat() const { return FPixelFormat; }
    int GetPixelDepth() const { return (FPixelFormat >> 8) & 0xFF; }
    bool HasAlphaChannel() const { return (FPixelFormat & 0x40000) != 0; }
    bool HasPalette() const { return (FPixelFormat & 0x10000) != 0; }
    TStatus GetPixel(int x, int y, ARGB& color) const;
    const QImage& Native() const { return FNative; }
    QImage& Native() { return FNative; }

private:
    QImage FNative;
    TGPImageFormat FFormat = ifUndefined;
    int FPixelFormat = 0;
};
using TGPBitmap = TGPImage;

class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes() = default;
    TStatus SetColorKey(ARGB low, ARGB high, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearColorKey();
    // The image with the colour key applied (pixels inside the key range made transparent).
    QImage Apply(const QImage& image) const;

private:
    std::optional<std::pair<ARGB, ARGB>> FColorKey;
};

class TGPBrush : public TGdiplusBase {
public:
    // A brush without a native brush: records NotImplemented.
    TGPBrush();
    // The Qt brush to fill a shape with bounds `bounds` (device coordinates), or none.
    virtual std::optional<QBrush> Native(const QRectF& bounds) const;

protected:
    explicit TGPBrush(std::optional<QBrush> native) : FNative(std::move(native)) {}
    std::optional<QBrush> FNative;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor = 0xFF000000);
    // The 8 x 8 pattern of a style: one byte per row, bit 7 the leftmost pixel.
    static const std::uint8_t* Pattern(HatchStyle style);
};

class TGPTextureBrush : public TGPBrush {
public:
    TGPTextureBrush(const TGPImage* image, WrapMode wrapMode = WrapModeTile);
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const TGPPointF& p1, const TGPPointF& p2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable);
    TStatus SetGammaCorrection(bool useGamma);
    TStatus SetWrapMode(WrapMode mode);
    TStatus SetInterpolationColors(const ARGB* colors, const float* positions, int count);
    std::optional<QBrush> Native(const QRectF& bounds) const override;

private:
    void MakeFromRect(const TGPRectF& rect, float angle, bool scalable);
    bool FMade = false;
    QPointF FStart, FEnd;
    QTransform FTransform;
    ARGB FColor1 = 0, FColor2 = 0;
    std::vector<std::pair<float, ARGB>> FBlend;
    bool FGamma = false;
    WrapMode FWrap = WrapModeTile;
};

class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* path);
    TStatus SetCenterColor(ARGB color);
    TStatus GetCenterColor(ARGB& color) const;
    TStatus SetCenterPoint(const TGPPointF& point);
    TStatus SetCenterPoint(const TGPPoint& point) { return SetCenterPoint(TGPPointF{float(point.X), float(point.Y)}); }
    TStatus GetCenterPoint(TGPPointF& point) const;
    int GetPointCount() const { return FPointCount; }
    int GetSurroundColorCount() const { return int(FSurround.size()); }
    // Sets up to GetPointCount() surround colours; writes the count taken back.
    TStatus SetSurroundColors(const ARGB* colors, int& count);
    TStatus GetSurroundColors(ARGB* colors, int& count) const;
    TStatus SetInterpolationColors(const ARGB* colors, const float* positions, int count);
    TStatus SetWrapMode(WrapMode mode);
    std::optional<QBrush> Native(const QRectF& bounds) const override;

private:
    // Colour at blend position t (0 outline, 1 centre).
    QColor ColorAt(double t) const;
    QPainterPath FPath;
    QRectF FBounds;
    bool FEllipse = false;
    bool FMade = false;
    int FPointCount = 0;
    ARGB FCenterColor = 0xFFFFFFFF;
    QPointF FCenter;
    std::vector<ARGB> FSurround{0xFFFFFFFF};
    std::vector<std::pair<float, ARGB>> FBlend;
    WrapMode FWrap = WrapModeClamp;
};

class TGPPen : public TGdiplusBase {
public:
    TGPPen(ARGB color, float width = 1.0f);
    TStatus SetDashStyle(DashStyle style);
    DashStyle GetDashStyle() const { return FDash; }
    QPen Native() const;

private:
    ARGB FColor;
    float FWidth;
    DashStyle FDash = DashStyleSolid;
};

class TGPFontFamily : public TGdiplusBase {
public:
    // The installed family of that name (the font substitution table applies); a family that
    // is not installed leaves FontFamilyNotFound and no native family.
    explicit TGPFontFamily(const QString& name);
    bool IsValid() const { return !FName.isEmpty(); }
    QString Name() const { return FName; }
    // The process-wide generic families, made on first request and kept.
    static const TGPFontFamily* GenericSansSerif();
    static const TGPFontFamily* GenericSerif();
    static const TGPFontFamily* GenericMonospace();

private:
    TGPFontFamily() = default;
    QString FName;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(const TGPFontFamily* family, float emSize, int style = FontStyleRegular, Unit_ unit = UnitPoint);
    // A family by name, falling back to the generic sans-serif family.
    TGPFont(const QString& familyName, float emSize, int style = FontStyleRegular, Unit_ unit = UnitPoint);
    int GetStyle() const { return FStyle; }
    float GetSize() const { return FEmSize; }
    QString FamilyName() const { return FNative.family(); }
    // Em size in pixels (96 pixels per inch).
    double EmPixels() const { return FEmPixels; }
    const QFont& Native() const { return FNative; }
    bool IsValid() const { return FValid; }

private:
    void Make(const TGPFontFamily* family, float emSize, int style, Unit_ unit);
    QFont FNative;
    float FEmSize = 0;
    double FEmPixels = 0;
    int FStyle = 0;
    bool FValid = false;
};

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(int formatFlags = 0, std::uint16_t language = 0) : FFlags(formatFlags) {}
    TStatus SetAlignment(StringAlignment a) { FAlign = a; return TStatus::Ok; }
    TStatus SetLineAlignment(StringAlignment a) { FLineAlign = a; return TStatus::Ok; }
    TStatus SetFormatFlags(int flags) { FFlags = flags; return TStatus::Ok; }
    TStatus SetTrimming(StringTrimming t) { FTrimming = t; return TStatus::Ok; }
    TStatus SetHotkeyPrefix(HotkeyPrefix p) { FHotkey = p; return TStatus::Ok; }
    StringAlignment GetAlignment() const { return FAlign; }
    StringAlignment GetLineAlignment() const { return FLineAlign; }
    int GetFormatFlags() const { return FFlags; }
    StringTrimming GetTrimming() const { return FTrimming; }

private:
    int FFlags = 0;
    StringAlignment FAlign = StringAlignmentNear;
    StringAlignment FLineAlign = StringAlignmentNear;
    StringTrimming FTrimming = StringTrimmingCharacter;
    HotkeyPrefix FHotkey = HotkeyPrefixNone;
};

// The drawing surface.
class TGPGraphics : public TGdiplusBase {
public:
    // A surface on an image (none: no native surface and status Ok).
    explicit TGPGraphics(QImage* image);
    // A surface on a canvas (the windows' device context); the canvas learns of the drawing
    // when the surface is freed.
    explicit TGPGraphics(TCanvas& canvas);
    // A surface on a painter that stays the caller's; its state is restored at the end.
    explicit TGPGraphics(QPainter* painter);
    ~TGPGraphics() override;

    QPainter* Native() const { return FPainter; }

    TStatus Clear(ARGB color);
    TStatus SetSmoothingMode(SmoothingMode mode);
    SmoothingMode GetSmoothingMode() const;
    TStatus SetTextRenderingHint(TextRenderingHint hint);
    TextRenderingHint GetTextRenderingHint() const { return FTextHint; }
    TStatus SetWorldTransform(const TGPMatrix* matrix);
    TStatus ResetWorldTransform();

    TStatus DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
    TStatus FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);
    TStatus FillRectangle(const TGPBrush* brush, const TGPRectF& rect);
    TStatus FillRectangle(const TGPBrush* brush, float x, float y, float w, float h) {
        return FillRectangle(brush, TGPRectF{x, y, w, h});
    }
    TStatus FillEllipse(const TGPBrush* brush, int x, int y, int w, int h);
    TStatus FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count);
    TStatus DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2);
    TStatus DrawArc(const TGPPen* pen, float x, float y, float w, float h, float startAngle, float sweepAngle);
    TStatus DrawRectangle(const TGPPen* pen, const TGPRectF& rect);
    TStatus DrawEllipse(const TGPPen* pen, const TGPRectF& rect);

    // The image at its natural size with its top-left corner at (x, y).
    TStatus DrawImage(const TGPImage* image, int x, int y);
    // The image stretched into (x, y, w, h).
    TStatus DrawImageRect(const TGPImage* image, int x, int y, int w, int h);
    // The float form: each coordinate rounded to the nearest integer (halves to even) first.
    TStatus DrawImageRect(const TGPImage* image, const TGPRectF& rect);
    // A source rectangle of the image into a destination, with attributes (colour key).
    TStatus DrawImage(const TGPImage* image, const TGPRectF& dest, float srcX, float srcY, float srcW, float srcH,
                      Unit_ srcUnit, const TGPImageAttributes* attributes);

    TStatus MeasureString(const QString& text, int length, const TGPFont* font, const TGPRectF& layout,
                          const TGPStringFormat* format, TGPRectF& bounding, int* codepointsFitted = nullptr,
                          int* linesFilled = nullptr) const;
    TStatus DrawString(const QString& text, int length, const TGPFont* font, const TGPRectF& layout,
                       const TGPStringFormat* format, const TGPBrush* brush);
    TStatus DrawString(const QString& text, int length, const TGPFont* font, const TGPPointF& origin,
                       const TGPStringFormat* format, const TGPBrush* brush);

    // A framework font as a font of this layer (an absent family falls back to "Arial");
    // the caller owns the result.
    static std::unique_ptr<TGPFont> MakeFont(const TFont& font);
    int TextWidth(const QString& text, const TFont& font) const;
    int TextHeight(const QString& text, const TFont& font) const;
    // Measures (DT_CALCRECT, or a background colour) and draws text from an origin; returns
    // the rectangle's height afterwards.
    int DrawText(const QString& text, int length, TRect& rect, const TFont& font, unsigned style, TColor bkColor);

    TStatus SetClip(const TGPRegion* region, CombineMode mode = CombineModeReplace);
    TStatus SetClip(const TGPGraphicsPath* path, CombineMode mode = CombineModeReplace);
    TStatus SetClip(const TGPRectF& rect, CombineMode mode = CombineModeReplace);
    TStatus ExcludeClip(const TGPRectF& rect) { return SetClip(rect, CombineModeExclude); }
    TStatus ExcludeClip(const TGPRegion* region) { return SetClip(region, CombineModeExclude); }
    TStatus ResetClip();

private:
    void Begin();
    // Shapes: the user transform followed by the half-pixel offset. Images and text: none.
    void ShapeMode() const;
    void EdgeMode() const;
    TStatus ApplyClip(const QPainterPath& path, CombineMode mode);
    TStatus Fill(const TGPBrush* brush, const QPainterPath& path);
    struct Layout;
    Layout LayOut(const QString& text, const TGPFont& font, const TGPRectF& box, const TGPStringFormat* format) const;

    QPainter* FPainter = nullptr;
    std::unique_ptr<QPainter> FOwnPainter;
    TCanvas* FCanvas = nullptr;
    QTransform FWorld;
    SmoothingMode FSmoothing = SmoothingModeDefault;
    TextRenderingHint FTextHint = TextRenderingHintSystemDefault;
};

// One fill description for PaintFillParams.
struct TGDIPFillParams {
    TGPGraphics* Graphics = nullptr;
    const TGPGraphicsPath* Path = nullptr;
    bool UsePath = false;
    TGPRectF Rect;
    TAdvGradientType GradientType = gtSolid;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    std::uint8_t Opacity = 255;
    std::uint8_t OpacityTo = 255;
    HatchStyle Hatch = HatchStyleHorizontal;
    int Angle = 0;
    class TAdvGDIPPicture* Picture = nullptr;
    TColor BorderColor = clNone;
    int BorderWidth = 0;
    DashStyle BorderStyle = DashStyleSolid;
    bool TopLine = false;
};

void PaintFillParams(TGDIPFillParams params);

// Rounds to the nearest integer, halves to even.
int RoundEven(double value);
