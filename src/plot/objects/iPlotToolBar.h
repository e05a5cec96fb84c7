#pragma once
// The plot's button bar along one edge of the data view: resume or pause tracking, scroll or
// zoom axes mode, zoom all axes in or out, select or zoom-box mouse mode, the data cursors,
// the editor, and copy, save, print and preview. Every click first asks the application
// (OnBeforeToolBarButtonClick, which may cancel it) and ends with OnToolBarButtonClick.
#include "core/iPlotObjects.h"
#include "graphics/TImageList.h"

#include <memory>
#include <vector>

class TiPlotToolBar;

enum TiPlotToolBarButtonStyle { iptbbsButton, iptbbsSpacer };

class TiPlotToolBarButton : public TiPlotButton {
public:
    TiPlotToolBarButton(TiPlotToolBar* toolBar, TiPlotToolBarButtonStyle style, int number, const QString& imageName,
                        const QString& hint, int groupIndex);

    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                    bool dblClickActive) override;
    void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) override;
    void DoMouseNotOver() override;

    // The button number passed to the click events (-1 for spacers).
    int Number() const { return FNumber; }
    TiPlotToolBarButtonStyle Style() const { return FStyle; }
    const QString& Hint() const { return FHint; }
    const QString& ImageName() const { return FImageName; }
    void SetImageName(const QString& v) { FImageName = v; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { FImageIndex = v; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool v) { FFlat = v; }
    bool MouseOver() const { return FMouseOver; }
    TiPlotToolBar* ToolBar() const { return FToolBar; }
    // Visibility and enabled state as the toolbar derives them while drawing: set without a
    // repaint request.
    void SetDrawnState(bool visible, bool enabled) { FVisible = visible, FEnabled = enabled; }

private:
    QString FHint;
    TiPlotToolBarButtonStyle FStyle;
    int FImageIndex = -1;
    QString FImageName;
    bool FFlat = false;
    bool FMouseOver = false;
    TiPlotToolBar* FToolBar;
    int FNumber;
};

class TiPlotToolBar : public TiPlotLayoutObject {
public:
    // Button numbers as the click events pass them.
    enum Button {
        tbResume = 0, tbPause = 1, tbScroll = 2, tbZoom = 3, tbSelect = 4, tbZoomBox = 5, tbZoomOut = 6,
        tbZoomIn = 7, tbCursor = 8, tbEdit = 9, tbCopy = 10, tbSave = 11, tbPrint = 12, tbPreview = 13
    };

    TiPlotToolBar(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                  TiNotifyEvent onRename);
    ~TiPlotToolBar() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::ToolBar; }

    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    int GetRequiredWidth(TCanvas& canvas) override { return FSmallButtons ? 28 : 36; }
    TiPlotObject* GetMouseOverObject(int x, int y) override;
    void NotificationSetFocus(TObject* sender) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;

    // The button of a number, and all buttons and spacers in display order.
    TiPlotToolBarButton* ButtonOf(Button number) const;
    const std::vector<std::unique_ptr<TiPlotToolBarButton>>& Buttons() const { return FButtonList; }
    TImageList& ImageList() { return FImageList; }
    // A click on a button as a release inside it gives: the group step, then the action.
    void ClickButton(Button number);
    // The actions (each with its before and after events; the group step not included).
    void DoButtonClick(Button number);
    void TurnOffCursor();

    bool ZoomBoxActive() const { return ButtonOf(tbZoomBox)->Down(); }
    bool CursorActive() const { return ButtonOf(tbCursor)->Down(); }
    bool SelectActive() const { return ButtonOf(tbSelect)->Down(); }

    bool ShowResumeButton() const { return ButtonOf(tbResume)->Visible(); }
    void SetShowResumeButton(bool v) { ButtonOf(tbResume)->SetVisible(v); }
    bool ShowPauseButton() const { return ButtonOf(tbPause)->Visible(); }
    void SetShowPauseButton(bool v) { ButtonOf(tbPause)->SetVisible(v); }
    bool ShowAxesModeButtons() const { return ButtonOf(tbScroll)->Visible(); }
    void SetShowAxesModeButtons(bool v);
    bool ShowZoomInOutButtons() const { return ButtonOf(tbZoomIn)->Visible(); }
    void SetShowZoomInOutButtons(bool v);
    bool ShowSelectButton() const { return ButtonOf(tbSelect)->Visible(); }
    void SetShowSelectButton(bool v) { ButtonOf(tbSelect)->SetVisible(v); }
    bool ShowZoomBoxButton() const { return ButtonOf(tbZoomBox)->Visible(); }
    void SetShowZoomBoxButton(bool v) { ButtonOf(tbZoomBox)->SetVisible(v); }
    bool ShowCursorButton() const { return ButtonOf(tbCursor)->Visible(); }
    void SetShowCursorButton(bool v) { ButtonOf(tbCursor)->SetVisible(v); }
    bool ShowEditButton() const { return ButtonOf(tbEdit)->Visible(); }
    void SetShowEditButton(bool v) { ButtonOf(tbEdit)->SetVisible(v); }
    bool ShowCopyButton() const { return ButtonOf(tbCopy)->Visible(); }
    void SetShowCopyButton(bool v) { ButtonOf(tbCopy)->SetVisible(v); }
    bool ShowSaveButton() const { return ButtonOf(tbSave)->Visible(); }
    void SetShowSaveButton(bool v) { ButtonOf(tbSave)->SetVisible(v); }
    bool ShowPrintButton() const { return ButtonOf(tbPrint)->Visible(); }
    void SetShowPrintButton(bool v) { ButtonOf(tbPrint)->SetVisible(v); }
    bool ShowPreviewButton() const { return ButtonOf(tbPreview)->Visible(); }
    void SetShowPreviewButton(bool v) { ButtonOf(tbPreview)->SetVisible(v); }
    double ZoomInOutFactor() const { return FZoomInOutFactor; }
    // A value that is not >= 1 becomes 1.
    void SetZoomInOutFactor(double v);
    bool FlatBorder() const { return FFlatBorder; }
    void SetFlatBorder(bool v) { SetProperty(v, FFlatBorder, Notify::Change); }
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool v);
    bool SmallButtons() const { return FSmallButtons; }
    void SetSmallButtons(bool v);

private:
    void GroupStep(TiPlotToolBarButton* button);
    void Act(Button number);
    void CursorDownChanged();
    void SelectDownChanged();

    std::vector<std::unique_ptr<TiPlotToolBarButton>> FButtonList;
    TImageList FImageList{24, 24};
    double FZoomInOutFactor = 2;
    bool FFlatButtons = false, FSmallButtons = false, FFlatBorder = false;
};
