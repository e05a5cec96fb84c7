#pragma once
// TGDIPFill: a persistent description of how a rectangle is painted with the drawing layer:
// colour pair and gradient kind, an optional lower-half ("mirror") fill, hatches, opacities,
// a picture and a background picture, a border, rounded corners, a shadow, a glow and a
// dotted focus outline. Owners subscribe to OnChange to repaint and call Fill from their
// painting.
#include "AdvGDIP.h"
#include "GDIPicture.h"

#include "rtl/Exception.h"

#include <functional>
#include "StyledProperty.h"

enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TShadowType { stRightBottom, stBottom, stSurround };
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TFillPictureSize { psOriginal, psCustom };
enum TPictureMode { pmStretch, pmNormal };
enum TFillPicturePosition {
    ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight, ppTiled, ppStretched,
    ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };

class TGDIPFill;
class TIniFile;
using TFillEvent = std::function<void(TGDIPFill* sender)>;

// A new path of a rectangle with corners rounded by `radius` as `type` says.
std::unique_ptr<TGPGraphicsPath> MakeRoundedPath(const TGPRectF& r, int radius, TFillRoundingType type);

class TGDIPFill {
public:
    TGDIPFill();
    TGDIPFill(const TGDIPFill&) = delete;
    TGDIPFill& operator=(const TGDIPFill&) = delete;

    // Copies every published value (not Focus, FocusColor or OnChange) and notifies once.
    void Assign(const TGDIPFill& source);
    void BeginUpdate() { ++FUpdateCount; }
    // Closes an update; changes made inside it are not announced afterwards.
    void EndUpdate() {
        if (FUpdateCount > 0) --FUpdateCount;
    }

    // Paints into `r`; an opacity argument below 255 overrides the descriptor's own. Returns
    // the rectangle left after the shadow.
    TGPRectF Fill(TGPGraphics* graphics, const TGPRectF& r, std::uint8_t borderOpacity = 255,
                  std::uint8_t opacity = 255, std::uint8_t opacityTo = 255, std::uint8_t opacityMirror = 255,
                  std::uint8_t opacityMirrorTo = 255);
    void DrawGradientBackGround(TGPGraphics* graphics, const TGPRectF& r, bool mirror, std::uint8_t oc,
                                std::uint8_t octo, std::uint8_t ocmr, std::uint8_t ocmrto);
    void DrawGlow(TGPGraphics* graphics, const TGPRectF& r);

#define Q7K_FILL_PROPERTY(Type, Name) Q7K_STYLED_PROPERTY(Type, Name, Changed())
    Q7K_FILL_PROPERTY(TColor, Color)
    Q7K_FILL_PROPERTY(TColor, ColorTo)
    Q7K_FILL_PROPERTY(TColor, ColorMirror)
    Q7K_FILL_PROPERTY(TColor, ColorMirrorTo)
    Q7K_FILL_PROPERTY(TAdvGradientType, GradientType)
    Q7K_FILL_PROPERTY(TAdvGradientType, GradientMirrorType)
    Q7K_FILL_PROPERTY(::HatchStyle, HatchStyle)
    Q7K_FILL_PROPERTY(::HatchStyle, HatchStyleMirror)
    Q7K_FILL_PROPERTY(bool, BackGroundPictureAspectRatio)
    Q7K_FILL_PROPERTY(TFillPictureMode, BackGroundPictureMode)
    Q7K_FILL_PROPERTY(TFillPicturePosition, BackGroundPicturePosition)
    Q7K_FILL_PROPERTY(int, BackGroundPictureLeft)
    Q7K_FILL_PROPERTY(int, BackGroundPictureTop)
    Q7K_FILL_PROPERTY(TPictureMode, BackGroundPictureAspectMode)
    Q7K_FILL_PROPERTY(TFillPicturePosition, PicturePosition)
    Q7K_FILL_PROPERTY(int, PictureLeft)
    Q7K_FILL_PROPERTY(int, PictureTop)
    Q7K_FILL_PROPERTY(TFillPictureSize, PictureSize)
    Q7K_FILL_PROPERTY(int, PictureWidth)
    Q7K_FILL_PROPERTY(int, PictureHeight)
    Q7K_FILL_PROPERTY(bool, PictureAspectRatio)
    Q7K_FILL_PROPERTY(TPictureMode, PictureAspectMode)
    Q7K_FILL_PROPERTY(std::uint8_t, Opacity)
    Q7K_FILL_PROPERTY(std::uint8_t, OpacityTo)
    Q7K_FILL_PROPERTY(std::uint8_t, OpacityMirror)
    Q7K_FILL_PROPERTY(std::uint8_t, OpacityMirrorTo)
    Q7K_FILL_PROPERTY(TColor, BorderColor)
    Q7K_FILL_PROPERTY(std::uint8_t, BorderOpacity)
    Q7K_FILL_PROPERTY(int, BorderWidth)
    Q7K_FILL_PROPERTY(int, Rounding)
    Q7K_FILL_PROPERTY(TFillRoundingType, RoundingType)
    Q7K_FILL_PROPERTY(TColor, ShadowColor)
    Q7K_FILL_PROPERTY(int, ShadowOffset)
    Q7K_FILL_PROPERTY(TShadowType, ShadowType)
    Q7K_FILL_PROPERTY(int, Angle)
    Q7K_FILL_PROPERTY(TGlowMode, Glow)
    Q7K_FILL_PROPERTY(TColor, GlowGradientColor)
    Q7K_FILL_PROPERTY(TColor, GlowRadialColor)
    Q7K_FILL_PROPERTY(bool, Focus)
    Q7K_FILL_PROPERTY(TColor, FocusColor)
#undef Q7K_FILL_PROPERTY

    TAdvGDIPPicture& Picture() { return FPicture; }
    TAdvGDIPPicture& BackGroundPicture() { return FBackGroundPicture; }
    // Copies another picture into the owned one (never replaces it) and notifies.
    void SetPicture(const TAdvGDIPPicture& picture);
    void SetBackGroundPicture(const TAdvGDIPPicture& picture);
    TGPRectF FocusRect() const { return FFocusRect; }
    void SetFocusRect(const TGPRectF& r) { FFocusRect = r; }

    TFillEvent OnChange;

    // Announces a change (not while an update is open).
    void Changed();

    // Persistence: one ini section per descriptor (integers in decimal, pictures as
    // hexadecimal text of their files), and the clipboard format "GDI+ Fill".
    void SaveToFile(const QString& fileName, const QString& section);
    void SaveToFile(TIniFile& ini, const QString& section);
    // Missing keys keep the current values; a bad hexadecimal digit in a picture's text
    // throws EConvertError ("No Hex-Number") with the values read before it set.
    void LoadFromFile(const QString& fileName, const QString& section);
    void LoadFromFile(TIniFile& ini, const QString& section);
    void SaveToClipBoard();
    // Reads the descriptor from the clipboard when it holds the format; each stored value
    // goes through its setter.
    void LoadFromClipBoard();

private:
    template <typename T>
    void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void PaintRadialGradient(TGPGraphics* graphics, const TGPRectF& r, TColor color, TColor colorTo,
                             std::uint8_t opacity, std::uint8_t opacityTo, bool top, int radius,
                             TFillRoundingType type);
    void DrawFillPicture(TGPGraphics* graphics, bool aspectRatio, TPictureMode aspectMode, int top, int left,
                         const TRect& b, int h, int w, TFillPicturePosition position, TAdvGDIPPicture& picture);

    TColor FBorderColor = clNone;
    std::uint8_t FOpacity = 255;
    TFillPicturePosition FPicturePosition = ppTopLeft;
    TAdvGradientType FGradientType = gtVertical;
    std::uint8_t FOpacityTo = 255;
    TAdvGDIPPicture FPicture;
    ::HatchStyle FHatchStyle = HatchStyleHorizontal;
    TColor FColor = clSilver;
    int FShadowOffset = 0;
    TShadowType FShadowType = stRightBottom;
    std::uint8_t FOpacityMirror = 255;
    TAdvGradientType FGradientMirrorType = gtSolid;
    std::uint8_t FOpacityMirrorTo = 255;
    int FRounding = 0;
    TColor FShadowColor = clGray;
    int FBorderWidth = 1;
    TColor FColorMirror = clNone;
    TColor FColorMirrorTo = clNone;
    TColor FColorTo = clGray;
    ::HatchStyle FHatchStyleMirror = HatchStyleHorizontal;
    int FPictureTop = 0, FPictureLeft = 0;
    int FBackGroundPictureTop = 0, FBackGroundPictureLeft = 0;
    TFillPicturePosition FBackGroundPicturePosition = ppTopLeft;
    TAdvGDIPPicture FBackGroundPicture;
    int FPictureWidth = 50;
    TFillPictureSize FPictureSize = psOriginal;
    int FPictureHeight = 50;
    TFillRoundingType FRoundingType = rtBoth;
    int FUpdateCount = 0;
    bool FFocus = false;
    TColor FFocusColor = clBlack;
    int FAngle = 0;
    std::uint8_t FBorderOpacity = 255;
    TGPRectF FFocusRect;
    TFillPictureMode FBackGroundPictureMode = pmOutsideFill;
    TColor FGlowGradientColor = clWhite;
    TGlowMode FGlow = gmNone;
    TColor FGlowRadialColor = clWhite;
    bool FBackGroundPictureAspectRatio = false, FPictureAspectRatio = false;
    TPictureMode FBackGroundPictureAspectMode = pmStretch, FPictureAspectMode = pmStretch;
};

// The clipboard format of fill descriptors.
inline const char* const kFillClipboardFormat = "GDI+ Fill";

// Two upper-case hexadecimal digits per byte.
QString BytesToHex(const QByteArray& bytes);
// Pairs of digits (either letter case) to bytes; an odd last character is ignored.
QByteArray HexToBytes(const QString& text);

// The carrier of a descriptor on the clipboard.
class TSaver {
public:
    TGDIPFill* SaveObject = nullptr;
};

// The size (w', h') of a w x h picture fitted into W x H keeping its aspect; pmNormal never
// enlarges. (0, 0) when any size is 0 or less.
void FitPictureAspect(double w, double h, double W, double H, TPictureMode mode, double& outW, double& outH);
