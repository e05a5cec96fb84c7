#pragma once
// The shaped button: a windowless button whose shape is its picture. Pixels of the
// picture's transparent colour are not part of it (the mouse reaches what lies behind), and
// raised and sunken images with a bevel and an optional one-pixel border are generated
// around the shape for the up and down states.
#include "RzBmpBtn.h"
#include "RzCommon.h"

#include "graphics/TBitmap.h"
#include "ui/LayoutProperties.h"
#include "ui/TGraphicControl.h"

enum TBorderStyle { bsNone, bsSingle };
enum TRzCaptionPosition { cpCentered, cpXY };

class TRzShapeButton : public TGraphicControl, public IDefineProperties {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TColor BevelHighlightColor READ BevelHighlightColor WRITE SetBevelHighlightColor)
    Q_PROPERTY(TColor BevelShadowColor READ BevelShadowColor WRITE SetBevelShadowColor)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE SetBorderStyleInt)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool PreciseClick READ PreciseClick WRITE SetPreciseClick)
    Q_PROPERTY(bool PreciseShowHint READ PreciseShowHint WRITE SetPreciseShowHint)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(int CaptionPosition READ CaptionPosition WRITE SetCaptionPositionInt)
    Q_PROPERTY(int CaptionX READ CaptionX WRITE SetCaptionX)
    Q_PROPERTY(int CaptionY READ CaptionY WRITE SetCaptionY)
public:
    explicit TRzShapeButton(TComponent* owner);

    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    TColor BevelHighlightColor() const { return FBevelHighlightColor; }
    virtual void SetBevelHighlightColor(TColor value);
    TColor BevelShadowColor() const { return FBevelShadowColor; }
    virtual void SetBevelShadowColor(TColor value);
    int BevelWidth() const { return FBevelWidth; }
    // Values above 2 are held at 2.
    virtual void SetBevelWidth(int value);
    TBitmap& Bitmap() { return FBitmap; }
    virtual void SetBitmap(const TBitmap& value) { FBitmap.Assign(value); }
    TBitmap& BitmapUp() { return FBitmapUp; }
    TBitmap& BitmapDown() { return FBitmapDown; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    bool PreciseClick() const { return FPreciseClick; }
    void SetPreciseClick(bool value);
    bool PreciseShowHint() const { return FPreciseShowHint; }
    void SetPreciseShowHint(bool value) { FPreciseShowHint = value; }
    // The hint text; it shows over the button while ShowHint is on.
    QString Hint() const { return FHint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value) { FParentShowHint = value; }
    TRzCaptionPosition CaptionPosition() const { return FCaptionPosition; }
    virtual void SetCaptionPosition(TRzCaptionPosition value);
    int CaptionX() const { return FCaptionX; }
    void SetCaptionX(int x) { SetCaptionXY(x, FCaptionY); }
    int CaptionY() const { return FCaptionY; }
    void SetCaptionY(int y) { SetCaptionXY(FCaptionX, y); }
    virtual void SetCaptionXY(int x, int y);

    // The picture's transparent colour: its bottom-left pixel.
    TColor TransparentColor() const;
    // True without a hit mask, else when the mask is black there.
    virtual bool PtInMask(int x, int y) const;
    TButtonState State() const { return FState; }

    void SetBounds(int left, int top, int width, int height) override;
    void SetCaption(const QString& caption) override;
    void SetFont(const TFont& font) override;
    void DefineProperties(TFiler& filer) override;
    // The generated images as complete BMP files, as a layout stores them (empty when the
    // image is empty).
    QByteArray WriteBitmapUpData() const;
    QByteArray WriteBitmapDownData() const;

protected:
    void Loaded() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WndProc(TMessage& message) override;
    virtual void DrawCaptionText(TCanvas& canvas, const QString& text, TButtonState state, const TRect& rect);
    virtual void GetCaptionRect(TCanvas& canvas, const QString& text, TRect& rect) const;

private:
    void SetBorderStyleInt(int v) { SetBorderStyle(TBorderStyle(v)); }
    void SetCaptionPositionInt(int v) { SetCaptionPosition(TRzCaptionPosition(v)); }
    void BitmapChanged();
    void MakeBevelledImage(TBitmap& target, bool down) const;
    bool CountsInside(int x, int y) const;
    void ApplyMask();
    // Outside the shape the hint (PreciseShowHint) or the cursor (PreciseClick) is switched
    // off and saved; inside, what was saved comes back.
    void TrackHintAndCursor(bool inside);
    void UpdateToolTip();

    bool FAutoSize = true;
    int FBevelWidth = 2;
    TColor FBevelHighlightColor = clBtnHighlight;
    TColor FBevelShadowColor = clBtnShadow;
    TBitmap FBitmap;
    TBitmap FBitmapUp;
    TBitmap FBitmapDown;
    TBorderStyle FBorderStyle = bsSingle;
    TColor FBorderColor = cl3DDkShadow;
    bool FDragging = false;
    QImage FHitTestMask;  // white where the shape is not; null without a mask
    bool FPreciseClick = true;
    bool FPreciseShowHint = true;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    bool FPrevShowHintSaved = false;
    bool FPrevShowHint = false;
    bool FPrevParentShowHint = true;
    bool FPrevCursorSaved = false;
    TCursor FPrevCursor = crDefault;
    TRzCaptionPosition FCaptionPosition = cpCentered;
    int FCaptionX = 0;
    int FCaptionY = 0;
    TButtonState FState = bsUp;
    bool FRegenerating = false;
};
