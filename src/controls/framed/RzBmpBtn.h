#pragma once
// The bitmap button: a focusable button drawn from up to six state pictures with one
// transparent colour, an optional caption beside the picture, optional group behaviour
// (latching, one button of a group down at a time) and a modal result it hands to its form
// when clicked. The whole button is painted off-screen and copied in one operation.
#include "RzCommon.h"
#include "RzGroupLatch.h"

#include "graphics/TBitmap.h"
#include "ui/TCustomControl.h"

#include <functional>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TButtonBorder { bbNone, bbSingle, bbButton };
enum TBtnSize { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// The message a latching button sends to every control of its parent: WParam the group
// number, LParam the sending button.
constexpr unsigned ButtonGroupMessage = 0x2420;

// The six state pictures of a bitmap button and their shared transparent colour.
class TRzButtonBitmaps {
public:
    TRzButtonBitmaps();
    TRzButtonBitmaps(const TRzButtonBitmaps&) = delete;
    TRzButtonBitmaps& operator=(const TRzButtonBitmaps&) = delete;

    // Each picture; writing one takes a copy of the given one.
    TBitmap& Up() { return FUp; }
    TBitmap& UpAndFocused() { return FUpAndFocused; }
    TBitmap& Disabled() { return FDisabled; }
    TBitmap& Down() { return FDown; }
    TBitmap& StayDown() { return FStayDown; }
    TBitmap& Hot() { return FHot; }
    const TBitmap& Up() const { return FUp; }
    virtual void SetUp(const TBitmap& value) { FUp.Assign(value); }
    virtual void SetUpAndFocused(const TBitmap& value) { FUpAndFocused.Assign(value); }
    virtual void SetDisabled(const TBitmap& value) { FDisabled.Assign(value); }
    virtual void SetDown(const TBitmap& value) { FDown.Assign(value); }
    virtual void SetStayDown(const TBitmap& value) { FStayDown.Assign(value); }
    virtual void SetHot(const TBitmap& value) { FHot.Assign(value); }

    TColor TransparentColor() const { return FTransparentColor; }
    virtual void SetTransparentColor(TColor color);

    // Raised on every change of a picture or of the transparent colour.
    std::function<void(TRzButtonBitmaps* sender)> OnChange;

    virtual ~TRzButtonBitmaps() = default;

private:
    void Changed();

    TBitmap FUp, FUpAndFocused, FDisabled, FDown, FStayDown, FHot;
    TColor FTransparentColor = clOlive;
};

class TRzBmpButton : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(int ButtonBorder READ ButtonBorder WRITE SetButtonBorderInt)
    Q_PROPERTY(int ButtonSize READ ButtonSize WRITE SetButtonSizeInt)
    Q_PROPERTY(int ButtonStyle READ ButtonStyle WRITE SetButtonStyleInt)
    Q_PROPERTY(int CaptionDownOffset READ CaptionDownOffset WRITE SetCaptionDownOffset)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(int Layout READ Layout WRITE SetLayoutInt)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool ShowDownPattern READ ShowDownPattern WRITE SetShowDownPattern)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE SetShowFocus)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
public:
    explicit TRzBmpButton(TComponent* owner);
    ~TRzBmpButton() override;

    TRzButtonBitmaps& Bitmaps() { return FBitmaps; }

    bool AllowAllUp() const { return FLatch.AllowAllUp; }
    virtual void SetAllowAllUp(bool value);
    TButtonBorder ButtonBorder() const { return FButtonBorder; }
    virtual void SetButtonBorder(TButtonBorder value);
    TBtnSize ButtonSize() const { return FButtonSize; }
    virtual void SetButtonSize(TBtnSize value);
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    virtual void SetButtonStyle(TButtonStyle value);
    int CaptionDownOffset() const { return FCaptionDownOffset; }
    virtual void SetCaptionDownOffset(int value);
    // Latched down. Only a grouped button latches; a latched button of a group without
    // AllowAllUp is released only by another member going down.
    bool Down() const { return FLatch.Down; }
    virtual void SetDown(bool value);
    int GroupIndex() const { return FLatch.GroupIndex; }
    virtual void SetGroupIndex(int value);
    TButtonLayout Layout() const { return FLayout; }
    virtual void SetLayout(TButtonLayout value);
    int Margin() const { return FMargin; }
    virtual void SetMargin(int value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool ShowDownPattern() const { return FShowDownPattern; }
    virtual void SetShowDownPattern(bool value);
    bool ShowFocus() const { return FShowFocus; }
    virtual void SetShowFocus(bool value);
    int Spacing() const { return FSpacing; }
    virtual void SetSpacing(int value);

    TButtonState State() const { return FState; }
    bool MouseOverButton() const { return FMouseOverButton; }

    void SetCaption(const QString& caption) override;
    void SetFont(const TFont& font) override;

    // Hands ModalResult to the form, then raises OnClick.
    void Click() override;

protected:
    void Loaded() override;
    void Paint() override;
    void EraseBackground(TCanvas& canvas) override { Q_UNUSED(canvas); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override {}
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void WndProc(TMessage& message) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetButtonBorderInt(int value) { SetButtonBorder(TButtonBorder(value)); }
    void SetButtonSizeInt(int value) { SetButtonSize(TBtnSize(value)); }
    void SetButtonStyleInt(int value) { SetButtonStyle(TButtonStyle(value)); }
    void SetLayoutInt(int value) { SetLayout(TButtonLayout(value)); }

    bool NewStyle() const;
    void SizeToBitmap();
    void BitmapsChanged();
    void UpdateExclusive();
    void FinishPress(bool click);
    bool Inside(int x, int y) const;
    // The picture for the state (null: none is drawn).
    const TBitmap* ChoosePicture(TBitmap& embossed);
    void LayoutGlyphAndCaption(const TRect& content, const TBitmap* picture, TRect& pictureRect,
                               TRect& captionRect) const;

    TRzGroupLatch FLatch;  // GroupIndex, Down, AllowAllUp
    TRzButtonBitmaps FBitmaps;
    int FCaptionDownOffset = 1;
    bool FDragging = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = -1;
    TButtonStyle FButtonStyle = bsAutoDetect;
    TButtonBorder FButtonBorder = bbNone;
    TBtnSize FButtonSize = bszButtonToBitmap;
    bool FShowFocus = true;
    bool FShowDownPattern = true;
    bool IsFocused = false;
    int FModalResult = 0;
    TButtonState FState = bsUp;
    bool FMouseOverButton = false;
};

// The 8 x 8 checkerboard that fills latched bordered buttons: clBtnFace with white where
// column and row are both even or both odd. Made on first need, freed with the last button.
extern TBitmap* DownPatternBitmap;
extern int DownPatternUsers;
