#pragma once
// The 3-D push button: a self-drawn button with 3-D caption styles, vertical caption
// alignment, optional hot tracking, default and cancel keys, a modal result, latching
// groups, a frame colour, a down pattern and a focus rectangle.
#include "RzBmpBtn.h"
#include "RzCommon.h"
#include "RzGroupLatch.h"

#include "ui/LayoutProperties.h"
#include "ui/TCustomControl.h"

#include <QMetaObject>

// The message a latching push button sends to every control of its parent: WParam the
// group number, LParam the sending button.
constexpr unsigned PushButtonGroupMessage = 0x2421;

class TRzCustomButton : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(int AlignmentVertical READ AlignmentVertical WRITE SetAlignmentVerticalInt)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE SetHotTrack)
    Q_PROPERTY(TColor HotTrackColor READ HotTrackColor WRITE SetHotTrackColor)
    Q_PROPERTY(int HotTrackColorType READ HotTrackColorType WRITE SetHotTrackColorTypeInt)
    Q_PROPERTY(TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(bool LightTextStyle READ LightTextStyle WRITE SetLightTextStyle)
    Q_PROPERTY(int TextStyle READ TextStyle WRITE SetTextStyleInt)
    Q_PROPERTY(TColor TextHighlightColor READ TextHighlightColor WRITE SetTextHighlightColor)
    Q_PROPERTY(TColor TextShadowColor READ TextShadowColor WRITE SetTextShadowColor)
    Q_PROPERTY(int TextShadowDepth READ TextShadowDepth WRITE SetTextShadowDepth)
    Q_PROPERTY(bool ThemeAware READ ThemeAware WRITE SetThemeAware)
public:
    explicit TRzCustomButton(TComponent* owner);

    TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    bool HotTrack() const { return FHotTrack; }
    virtual void SetHotTrack(bool value);
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value) { FHotTrackColor = value; }
    TRzHotTrackColorType HotTrackColorType() const { return FHotTrackColorType; }
    void SetHotTrackColorType(TRzHotTrackColorType value) { FHotTrackColorType = value; }
    TColor HighlightColor() const { return FHighlightColor; }
    virtual void SetHighlightColor(TColor value);
    bool LightTextStyle() const { return FLightTextStyle; }
    virtual void SetLightTextStyle(bool value);
    TTextStyle TextStyle() const { return FTextStyle; }
    virtual void SetTextStyle(TTextStyle value);
    TColor TextHighlightColor() const { return FTextHighlightColor; }
    virtual void SetTextHighlightColor(TColor value);
    TColor TextShadowColor() const { return FTextShadowColor; }
    virtual void SetTextShadowColor(TColor value);
    int TextShadowDepth() const { return FTextShadowDepth; }
    virtual void SetTextShadowDepth(int value);
    bool ThemeAware() const { return FThemeAware; }
    virtual void SetThemeAware(bool value);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    void SetCaption(const QString& caption) override;
    bool MouseOverButton() const { return FMouseOverButton; }
    bool ShowDownVersion() const { return FShowDownVersion; }

protected:
    virtual void DrawBackground() {}
    virtual void RepaintButton() {}
    virtual void UpdateFocus() { Repaint(); }
    virtual TRect GetHotTrackRect() const { return Rect(0, 0, Width(), Height()); }
    virtual bool UseThemes() const;
    // The caption in the rectangle, placed vertically by AlignmentVertical, with the text
    // style's passes under it; `flags` are the DT_ alignment flags.
    virtual void DrawCaptionText(TCanvas& canvas, TRect rect, unsigned flags);
    // The click step of a completed press.
    virtual void ChangeState() {}

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoExit() override;
    void EnabledChanged() override;
    void EraseBackground(TCanvas& canvas) override;

    bool FDragging = false;
    bool FShowDownVersion = false;
    bool FMouseOverButton = false;

private:
    void SetAlignmentVerticalInt(int v) { SetAlignmentVertical(TAlignmentVertical(v)); }
    void SetHotTrackColorTypeInt(int v) { SetHotTrackColorType(TRzHotTrackColorType(v)); }
    void SetTextStyleInt(int v) { SetTextStyle(TTextStyle(v)); }

    TAlignmentVertical FAlignmentVertical = avCenter;
    TColor FHotTrackColor = 0x149BF0;
    TRzHotTrackColorType FHotTrackColorType = htctActual;
    TColor FHighlightColor = clHighlight;
    bool FLightTextStyle = false;
    TTextStyle FTextStyle = tsNormal;
    TColor FTextHighlightColor = clBtnHighlight;
    TColor FTextShadowColor = clBtnShadow;
    int FTextShadowDepth = 2;
    bool FHotTrack = false;
    bool FTransparent = false;
    bool FThemeAware = true;
    bool FKeyToggle = false;

    friend class TRzButton;
};

class TRzButton : public TRzCustomButton, public IDefineProperties {
    Q_OBJECT
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignmentInt)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(bool DropDownOnEnter READ DropDownOnEnter WRITE SetDropDownOnEnter)
    Q_PROPERTY(TColor FrameColor READ FrameColor WRITE SetFrameColor)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool ShowDownPattern READ ShowDownPattern WRITE SetShowDownPattern)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE SetShowFocusRect)
public:
    explicit TRzButton(TComponent* owner);
    ~TRzButton() override;

    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment value);
    bool AllowAllUp() const { return FLatch.AllowAllUp; }
    virtual void SetAllowAllUp(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool Default() const { return FDefault; }
    virtual void SetDefault(bool value);
    bool Down() const { return FLatch.Down; }
    virtual void SetDown(bool value);
    bool DropDownOnEnter() const { return FDropDownOnEnter; }
    void SetDropDownOnEnter(bool value) { FDropDownOnEnter = value; }
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    int GroupIndex() const { return FLatch.GroupIndex; }
    virtual void SetGroupIndex(int value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool ShowDownPattern() const { return FShowDownPattern; }
    virtual void SetShowDownPattern(bool value);
    bool ShowFocusRect() const { return FShowFocusRect; }
    virtual void SetShowFocusRect(bool value);

    // It reacts to Enter: it is the default button, or it is the focused button.
    bool Active() const { return FActive; }
    TButtonState State() const { return FState; }
    // A click raised by Enter while DropDownOnEnter is off.
    bool KeyWasPressed() const { return FKeyWasPressed; }

    // Hands ModalResult to the form, then raises OnClick.
    void Click() override;
    void DefineProperties(TFiler& filer) override;

protected:
    void Paint() override;
    void RepaintButton() override { Invalidate(); }
    void ChangeState() override;
    void WndProc(TMessage& message) override;
    virtual TRect GetCaptionRect(const TRect& rect) const;
    virtual void PaintCaption(TCanvas& canvas, const TRect& rect);
    virtual void CreateDownPattern(TBitmap& bitmap) const;

private:
    void SetAlignmentInt(int v) { SetAlignment(TAlignment(v)); }
    void FocusChanged(QWidget* now);
    void NotifyGroup();
    bool DrawnDown() const;
    void PaintHotTrack(TCanvas& c, TRect r);

    TAlignment FAlignment = taCenter;
    bool FClicking = false;
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    int FModalResult = 0;
    TRzGroupLatch FLatch;  // GroupIndex, Down, AllowAllUp
    bool FShowDownPattern = true;
    bool FShowFocusRect = true;
    bool FDropDownOnEnter = true;
    TColor FFrameColor = cl3DDkShadow;
    TButtonState FState = bsUp;
    bool FKeyWasPressed = false;
    QMetaObject::Connection FFocusWatch;
};
