#pragma once
// The fader: an integer Position between Min and Max, moved by mouse (drag, move on click,
// page steps with auto-repeat), keys and wheel or set by code, reported through OnChange;
// painted with a background, a groove, tick marks, a thumb (shapes or pictures in four
// states), step buttons, a value label and a focus rectangle; a picture-rating mode and
// appearance presets.
#include "AdvGDIP.h"
#include "GDIPicture.h"
#include "StyledControl.h"

#include "graphics/GradientDirection.h"
#include "graphics/TFont.h"
#include "graphics/Types.h"
#include "graphics/TImageList.h"
#include "timer/TRepeatTimer.h"

#include <QWidget>

#include <functional>
#include <memory>
#include "StyledProperty.h"

class TCustomTrackBar;

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TMoveOnClick { mcStep, mcMove, mcMoveSlide };
enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
enum TThumbShape {
    tsPointer, tsRectangle, tsRoundRect, tsRound, tsLine, tsPointerLeftUp, tsPointerRightUp, tsTriangle,
    tsTriangleLeft, tsTriangleRight
};
enum TThumbPointer { tpLeft, tpCenter, tpRight };
enum TTickMarkPosition { tmTopLeft, tmBottomRight, tmBoth };
enum TTickMarkStyle { tsAuto, tsManual, tsNone };
enum TTrackButtonShape { bsRound, bsRectangle };
enum TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };
enum TTrackBarStyle {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
    tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};

// The appearance interface of the styled controls.
class ITMSStyle {
public:
    virtual ~ITMSStyle() = default;
    virtual void SetComponentStyle(TTrackBarStyle style) = 0;
};

// What the sub-objects share: a change notification and a back reference to the track bar.
class TTrackBarPart {
public:
    explicit TTrackBarPart(TCustomTrackBar* owner) : FOwner(owner) {}
    virtual ~TTrackBarPart() = default;
    TTrackBarPart(const TTrackBarPart&) = delete;
    TTrackBarPart& operator=(const TTrackBarPart&) = delete;
    TCustomTrackBar* Owner() const { return FOwner; }
    std::function<void()> OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange();
    }
    template <typename T>
    void Store(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    TCustomTrackBar* FOwner;
};

#define Q7K_PROP(Type, Name) Q7K_STYLED_PROPERTY(Type, Name, Changed())

// The five colours of one state of a thumb or a button.
struct TStateColors {
    TColor Border, Color, ColorTo, Mirror, MirrorTo;
};

// The colours of the normal, hot and pressed states that the thumb and the step buttons
// share (the two-half glossy fill of each state).
class TTrackBarStateColors : public TTrackBarPart {
public:
    using TTrackBarPart::TTrackBarPart;
    Q7K_PROP(TColor, BorderColor)
    Q7K_PROP(TColor, Color)
    Q7K_PROP(TColor, ColorTo)
    Q7K_PROP(TColor, ColorMirror)
    Q7K_PROP(TColor, ColorMirrorTo)
    Q7K_PROP(TColor, BorderColorHot)
    Q7K_PROP(TColor, ColorHot)
    Q7K_PROP(TColor, ColorHotTo)
    Q7K_PROP(TColor, ColorMirrorHot)
    Q7K_PROP(TColor, ColorMirrorHotTo)
    Q7K_PROP(TColor, BorderColorDown)
    Q7K_PROP(TColor, ColorDown)
    Q7K_PROP(TColor, ColorDownTo)
    Q7K_PROP(TColor, ColorMirrorDown)
    Q7K_PROP(TColor, ColorMirrorDownTo)

protected:
    // Copies the fifteen colours without notifying.
    void AssignColors(const TTrackBarStateColors& s);
    TColor FBorderColor = 10317632, FColor = 15653832, FColorTo = 16178633, FColorMirror = 15586496,
           FColorMirrorTo = 16245200;
    TColor FBorderColorHot = 10079963, FColorHot = 15465983, FColorHotTo = 11332863, FColorMirrorHot = 5888767,
           FColorMirrorHotTo = 10807807;
    TColor FBorderColorDown = 4548219, FColorDown = 7778289, FColorDownTo = 4296947, FColorMirrorDown = 946929,
           FColorMirrorDownTo = 5021693;
};

class TTrackBarThumb : public TTrackBarStateColors {
public:
    explicit TTrackBarThumb(TCustomTrackBar* owner);
    void Assign(const TTrackBarPart* source);

    Q7K_PROP(TThumbShape, Shape)
    Q7K_PROP(bool, ShowAtMinMax)
    Q7K_PROP(TGDIPGradient, Gradient)
    Q7K_PROP(TGDIPGradient, GradientMirror)
    int Size() const { return FSize; }
    int Width() const { return FWidth; }
    // Ignored while Picture is loaded.
    void SetSize(int value);
    void SetWidth(int value);
    TThumbPointer ThumbPointer() const { return FThumbPointer; }
    // Stored only when the owning track bar agrees.
    void SetThumbPointer(TThumbPointer value);
    Q7K_PROP(TColor, BorderColorDisabled)
    Q7K_PROP(TColor, ColorDisabled)
    Q7K_PROP(TColor, ColorDisabledTo)
    Q7K_PROP(TColor, ColorMirrorDisabled)
    Q7K_PROP(TColor, ColorMirrorDisabledTo)
    TGDIPPicture& Picture() { return FPicture; }
    TGDIPPicture& PictureHot() { return FPictureHot; }
    TGDIPPicture& PictureDown() { return FPictureDown; }
    TGDIPPicture& PictureDisabled() { return FPictureDisabled; }
    // The thumb's length and breadth from Picture (vertical bar: length = picture height).
    void DeriveSizeFromPicture();

private:
    friend class TCustomTrackBar;
    void PictureChanged();
    TThumbShape FShape = tsPointer;
    int FSize = 15;
    int FWidth = 10;
    TThumbPointer FThumbPointer = tpCenter;
    bool FShowAtMinMax = true;
    TGDIPGradient FGradient = ggVertical;
    TGDIPGradient FGradientMirror = ggRadial;
    int FSteps = 64;
    TColor FBorderColorDisabled = 0, FColorDisabled = 0, FColorDisabledTo = 0, FColorMirrorDisabled = 0,
           FColorMirrorDisabledTo = 0;
    TGDIPPicture FPicture, FPictureHot, FPictureDown, FPictureDisabled;
};

class TTrackBarSlider : public TTrackBarPart {
public:
    explicit TTrackBarSlider(TCustomTrackBar* owner);
    // A source of another class throws std::bad_cast (the platform's conversion error).
    void Assign(const TTrackBarPart* source);

    Q7K_PROP(TColor, Color)
    Q7K_PROP(TColor, ColorTo)
    Q7K_PROP(TColor, BorderColor)
    Q7K_PROP(TColor, BorderColorDisabled)
    Q7K_PROP(TColor, ColorDisabled)
    Q7K_PROP(TColor, ColorDisabledTo)
    Q7K_PROP(TColor, ColorCompleted)
    Q7K_PROP(TColor, ColorCompletedTo)
    Q7K_PROP(TColor, ColorCompletedDisabled)
    Q7K_PROP(TColor, ColorCompletedDisabledTo)
    Q7K_PROP(bool, Border3D)
    Q7K_PROP(bool, Rounded)
    Q7K_PROP(int, Size)
    Q7K_PROP(bool, Visible)
    Q7K_PROP(int, Offset)
    Q7K_PROP(bool, PictureStretched)
    Q7K_PROP(TGradientDirection, Direction)
    TGDIPPicture& Picture() { return FPicture; }
    TGDIPPicture& PictureDisabled() { return FPictureDisabled; }
    TGDIPPicture& PictureCompleted() { return FPictureCompleted; }
    TGDIPPicture& PictureCompletedDisabled() { return FPictureCompletedDisabled; }

private:
    friend class TCustomTrackBar;
    void PictureChanged();
    TColor FColor = clWhite, FColorTo = clBlack, FBorderColor = 12752500;
    TColor FBorderColorDisabled = 0, FColorDisabled = 0, FColorDisabledTo = 0;
    TColor FColorCompleted = clNone, FColorCompletedTo = clNone, FColorCompletedDisabled = clNone,
           FColorCompletedDisabledTo = clNone;
    bool FBorder3D = true, FRounded = false;
    int FSize = 2;
    bool FVisible = true;
    int FOffset = 10;
    bool FPictureStretched = false;
    TGradientDirection FDirection = gdHorizontal;
    int FSteps = 20;
    TGDIPPicture FPicture, FPictureDisabled, FPictureCompleted, FPictureCompletedDisabled;
};

class TTrackBarTick : public TTrackBarPart {
public:
    explicit TTrackBarTick(TCustomTrackBar* owner);
    void Assign(const TTrackBarPart* source);

    Q7K_PROP(TColor, Color)
    Q7K_PROP(TColor, ColorDisabled)
    Q7K_PROP(int, Size)
    Q7K_PROP(TTickMarkPosition, Position)
    Q7K_PROP(TTickMarkStyle, Style)
    Q7K_PROP(bool, Line3D)
    Q7K_PROP(bool, ShowText)
    Q7K_PROP(bool, ShowImageAtThumbOnly)
    Q7K_PROP(int, ShowImageAtSteps)
    Q7K_PROP(int, Spacing)
    Q7K_PROP(bool, RotateFontVert)
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { Store(FFont, font); }
    TGDIPPicture& Picture() { return FPicture; }
    TGDIPPicture& PictureDisabled() { return FPictureDisabled; }

private:
    TColor FColor = clBlack, FColorDisabled = 0;
    int FSize = 4;
    TTickMarkPosition FPosition = tmBottomRight;
    TTickMarkStyle FStyle = tsAuto;
    TFont FFont;
    bool FLine3D = false, FShowText = false, FShowImageAtThumbOnly = false;
    int FShowImageAtSteps = 1;
    int FSpacing = 8;
    bool FRotateFontVert = true;
    TGDIPPicture FPicture, FPictureDisabled;
};

class TTrackBarButtons : public TTrackBarStateColors {
public:
    explicit TTrackBarButtons(TCustomTrackBar* owner);
    void Assign(const TTrackBarPart* source);

    Q7K_PROP(bool, Visible)
    int Size() const { return FSize; }
    // Ignored while MinPicture or MaxPicture is loaded.
    void SetSize(int value);
    Q7K_PROP(TTrackButtonShape, Shape)
    Q7K_PROP(int, Spacing)
    Q7K_PROP(int, Step)
    Q7K_PROP(bool, RepeatClick)
    Q7K_PROP(int, InitRepeatPause)
    Q7K_PROP(int, RepeatPause)
    Q7K_PROP(bool, RotateText)
    Q7K_PROP(TGDIPGradient, Gradient)
    Q7K_PROP(TGDIPGradient, GradientMirror)
    TGDIPPicture& MinPicture() { return FMinPicture; }
    TGDIPPicture& MinPictureHot() { return FMinPictureHot; }
    TGDIPPicture& MinPictureDown() { return FMinPictureDown; }
    TGDIPPicture& MaxPicture() { return FMaxPicture; }
    TGDIPPicture& MaxPictureHot() { return FMaxPictureHot; }
    TGDIPPicture& MaxPictureDown() { return FMaxPictureDown; }

private:
    friend class TCustomTrackBar;
    void PictureChanged();
    bool FVisible = false;
    int FSize = 20;
    TTrackButtonShape FShape = bsRound;
    int FSpacing = 2, FStep = 1;
    bool FRepeatClick = true;
    int FInitRepeatPause = 400, FRepeatPause = 100;
    bool FRotateText = true;
    TGDIPGradient FGradient = ggVertical, FGradientMirror = ggVertical;
    TGDIPPicture FMinPicture, FMinPictureHot, FMinPictureDown, FMaxPicture, FMaxPictureHot, FMaxPictureDown;
};

class TTrackBarLabel : public TTrackBarPart {
public:
    explicit TTrackBarLabel(TCustomTrackBar* owner) : TTrackBarPart(owner) {}
    void Assign(const TTrackBarPart* source);

    Q7K_PROP(bool, Visible)
    Q7K_PROP(QString, Format)
    Q7K_PROP(TLabelPosition, Position)
    Q7K_PROP(int, Spacing)
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& font) { Store(FFont, font); }

private:
    bool FVisible = false;
    QString FFormat = QStringLiteral("Pos: %d");
    TLabelPosition FPosition = lpTopCenter;
    TFont FFont;
    int FSpacing = 4;
};
#undef Q7K_PROP

// The hint window that shows the position while dragging.
class TTrackHintWindow : public QWidget {
public:
    TTrackHintWindow();
    // Sets the text, sizes the window to it (w + 16 by h + 4) at the rectangle's top-left,
    // kept 2 pixels inside the screen, and shows it without activating it.
    void ActivateHint(const QRect& rect, const QString& text);
    QRect CalcHintRect() const;
    QString Text() const { return FText; }
    TColor Color = clInfoBk;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString FText;
    int FTextWidth = 0, FTextHeight = 0;
};

using TDrawTickEvent = std::function<void(TComponent* sender, TCanvas& canvas, QPoint location, int position,
                                          TTickMarkPosition row, int& length, TColor& color, TColor& textColor,
                                          QString& text, bool& draw)>;
using TGetTrackHintEvent = std::function<void(TComponent* sender, int position, QString& hint)>;
using TGetTrackLabelEvent = std::function<void(TComponent* sender, int position, QString& text)>;
using TGetTickMarkTextEvent = std::function<void(TComponent* sender, int position, QString& text)>;

class TCustomTrackBar : public TStyledControl, public ITMSStyle, public TImageListClient {
    Q_OBJECT
public:
    explicit TCustomTrackBar(TComponent* owner);
    ~TCustomTrackBar() override;

    int Position() const { return FPosition; }
    virtual void SetPosition(int value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value) { FPageSize = value; }
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    TMoveOnClick MoveOnClick() const { return FMoveOnClick; }
    void SetMoveOnClick(TMoveOnClick value) { FMoveOnClick = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { FShowFocus = value; }
    bool TrackHint() const { return FTrackHint; }
    void SetTrackHint(bool value) { FTrackHint = value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    void SetColor(TColor value) override;
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor value) { FColorDisabled = value; }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor value) { FColorDisabledTo = value; }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor value) { FBorderColorDisabled = value; }
    TGradientDirection Direction() const { return FDirection; }
    void SetDirection(TGradientDirection value);
    bool BackGroundStretched() const { return FBackGroundStretched; }
    void SetBackGroundStretched(bool value);
    TGDIPPicture& BackGround() { return FBackGround; }
    TGDIPPicture& BackGroundDisabled() { return FBackGroundDisabled; }
    TGDIPPicture& RateActive() { return FRateActive; }
    TGDIPPicture& RateInActive() { return FRateInActive; }
    TTrackBarThumb& Thumb() { return *FThumb; }
    TTrackBarSlider& Slider() { return *FSlider; }
    TTrackBarTick& TickMark() { return *FTickMark; }
    TTrackBarButtons& Buttons() { return *FButtons; }
    TTrackBarLabel& TrackLabel() { return *FTrackLabel; }
    // Images drawn as ticks; the list is not owned, and its destruction clears the property.
    TImageList* TickImages() const { return FTickImages; }
    void SetTickImages(TImageList* value);
    QString Version() const { return QStringLiteral("1.6.3.0"); }
    void SetVersion(const QString&) {}

    void SetComponentStyle(TTrackBarStyle style) override;
    void Loaded() override;

    // Geometry (client pixels).
    QRect InnerRect() const;
    QRect TrackRect() const;
    QRect GrooveRect() const;
    QRect MinButtonRect() const;
    QRect MaxButtonRect() const;
    QRect LabelRect() const;
    // The part of the label strip that the text spans (its width + 5 along the track).
    QRect LabelTextRect() const;
    virtual QRect GetThumbRect(bool flag = false) const;
    virtual void GetTopLeftTickRect(QRect& rect) const;
    virtual void GetBottomRightTickRect(QRect& rect) const;
    virtual int GetThumbLength() const { return FThumb->Width(); }
    bool RatingMode() const { return !FRateActive.Empty() && !FRateInActive.Empty(); }
    // The rating cell of a value (empty when it has none).
    QRect RateCell(int value) const;
    bool Sliding() const { return FSliding; }
    bool ThumbHot() const { return FThumbHot; }
    bool ThumbDown() const { return FThumbDown; }
    TTrackHintWindow* HintWindow() const { return FHintWindow.get(); }
    bool HintShown() const { return FHintShown; }

    // One repeat step (the repeat timer's handler).
    virtual void RepeatTimerTick();
    virtual void TrackStep();
    virtual void MinButtonStep();
    virtual void MaxButtonStep();
    virtual QString GetLabelText() const;
    virtual bool CanStepOnTrack() const { return true; }
    virtual bool CanDragThumb() const { return true; }
    virtual bool IsValidPosition(int value) const { return value >= FMin && value <= FMax; }
    virtual int GetMinPosition() const { return FMin; }
    virtual int GetMaxPosition() const { return FMax; }
    virtual bool HasLabelTextEvent() const { return bool(OnGetTrackLabelText); }
    virtual bool CanSetThumbPointer(TTrackBarPart* sender, TThumbPointer& value) { return true; }
    const TRepeatTimer* RepeatTimer() const { return FRepeatTimer.get(); }

    TNotifyEvent OnChange;
    TDrawTickEvent OnDrawTick;
    TGetTrackHintEvent OnGetTrackHint;
    TGetTrackLabelEvent OnGetTrackLabelText;
    TGetTickMarkTextEvent OnGetTickMarkText;

protected:
    virtual void DoChange();
    void Paint() override;
    virtual void DrawSlider(TCanvas& canvas);
    virtual void DrawThumb(TCanvas& canvas);
    void DrawThumb() { update(GetThumbRect().adjusted(-1, -1, 1, 1)); }
    virtual void InvalidateLabel();
    void KeyDown(Word& key, TShiftState shift) override;
    bool DoMouseWheelUp(TShiftState shift, QPoint pos) override;
    bool DoMouseWheelDown(TShiftState shift, QPoint pos) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override { update(); }
    void ImageListRemoved(const TImageList* list) override;

private:
    bool Vertical() const { return FOrientation == trVertical; }
    int TrackLength() const;
    int PointerOffset() const;
    int TickTextHeight() const { return FTickTextHeight; }
    void RecalcTickTextHeight();
    void StartRepeatTimer();
    void StopRepeatTimer();
    void ShowTrackHint(int position, int x, int y);
    void PaintBackground(TCanvas& canvas);
    void PaintTicks(TCanvas& canvas);
    void PaintButtons(TCanvas& canvas);
    void PaintLabel(TCanvas& canvas);
    void PaintRating(TCanvas& canvas);
    void PaintFocus(TCanvas& canvas);
    void PaintButton(TCanvas& canvas, const QRect& r, bool isMax);
    void UpdateButtonHot(int x, int y);
    void ReleaseOnButton(int x, int y);
    int RateValueAt(int x, int y) const;

    std::unique_ptr<TTrackBarThumb> FThumb;
    std::unique_ptr<TTrackBarSlider> FSlider;
    std::unique_ptr<TTrackBarTick> FTickMark;
    int FMax = 10;
    int FMin = 0;
    TTrackBarOrientation FOrientation = trHorizontal;
    int FPageSize = 1;
    int FPosition = 0;
    bool FSliding = false;
    TColor FColorDisabled = clNone, FColorTo = clNone, FBorderColorDisabled = clNone, FBorderColor = clNone,
           FColorDisabledTo = clNone;
    TGDIPPicture FBackGround;
    TGradientDirection FDirection = gdHorizontal;
    bool FTransparent = true;
    int FSliderTickOffset = 3, FContentOffset = 2, FTickTextOffset = 2;
    bool FThumbHot = false, FThumbDown = false;
    int FCenterOffsetX = 0, FCenterOffsetY = 0;
    TGDIPPicture FRateInActive, FRateActive, FBackGroundDisabled;
    std::unique_ptr<TTrackBarButtons> FButtons;
    int FFrameWidth = 1;
    bool FMinButtonHot = false, FMinButtonDown = false, FMaxButtonHot = false, FMaxButtonDown = false;
    bool FSliderButtonDown = false;
    QPoint FSliderDownPoint;
    int FTickTextHeight = 0;
    std::unique_ptr<TRepeatTimer> FRepeatTimer;
    bool FTrackHint = false;
    bool FBackGroundStretched = false;
    int FLastHintPos = -1;
    std::unique_ptr<TTrackHintWindow> FHintWindow;
    bool FHintShown = false;
    bool FShowFocus = false;
    TMoveOnClick FMoveOnClick = mcStep;
    std::unique_ptr<TTrackBarLabel> FTrackLabel;
    TImageList* FTickImages = nullptr;
};

class TAdvTrackBar : public TCustomTrackBar {
    Q_OBJECT
public:
    explicit TAdvTrackBar(TComponent* owner) : TCustomTrackBar(owner) {}
};

// Rectangle helpers of the track bar's geometry and painting (QRect's right and bottom are
// inclusive; these are the exclusive edges).
namespace trackbar_rects {
inline int Right(const QRect& r) { return r.x() + r.width(); }
inline int Bottom(const QRect& r) { return r.y() + r.height(); }
inline QRect LTRB(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }
}  // namespace trackbar_rects

// Colour helpers of the track bar's painting.
TColor BlendColor(TColor a, TColor b, int percent);
// A banded gradient from a to b over r in n bands.
void DrawBandedGradient(TCanvas& canvas, TColor a, TColor b, int n, const QRect& r, TGradientDirection direction);
// A 3D frame of r with dark colour d and light colour l.
void Draw3DFrame(TCanvas& canvas, const QRect& r, TColor dark, TColor light);
