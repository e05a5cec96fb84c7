#pragma once
// The measuring cursor of a plot: one or two pointer lines over the data view, which the
// user drags or steps with the keys, and a hint box beside them showing what the cursor
// measures on one channel (or every channel's values through the legend). The channels
// compute the values and the hint text and hand them back through SetValues.
#include "core/iPlotFont.h"
#include "core/iPlotObjects.h"

class TiPlotChannelCustom;
class TiPlotDataView;

enum TiPlotDataCursorStyle { ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX };

class TiPlotDataCursor : public TiPlotManagerObject {
public:
    TiPlotDataCursor(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                     TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::DataCursor; }

    // The channel named ChannelName (looked up once, null when not found).
    TiPlotChannelCustom* GetChannel();
    TiPlotDataView* DataView() const { return FDataView; }
    void SetPaintDataView(TiPlotDataView* dataView, bool xyAxesReversed) override { FDataView = dataView; }
    // Asks the measured channels for their values.
    void UpdateValues();
    // Called by the channels; a change fires the plot's data-cursor change event.
    void SetValues(TiPlotDataPointStatus status, double x, double y);
    void SetDisplayText(const QString& text) { FCursorDisplayText = text; }
    const QString& DisplayText() const { return FCursorDisplayText; }
    double ValueX() const { return FValueX; }
    double ValueY() const { return FValueY; }
    TiPlotDataPointStatus Status() const { return FStatus; }
    // The Y of a time-series channel at X (null status, 0, for other channels or names).
    TiPlotDataPointStatus GetInterpolatedYValue(const QString& channelName, double xValue, double& yValue);
    void DoSnapToDataPoint();

    bool Pointer1Show() const { return FPointer1Show; }
    bool Pointer2Show() const { return FPointer2Show; }
    TiOrientation Pointer1Orientation() const { return FPointer1Orientation; }
    TiOrientation Pointer2Orientation() const { return FPointer2Orientation; }
    TiOrientation HintOrientation() const { return FHintOrientation; }
    TRect HintRect() const { return FHintRect; }
    bool HintShowing() const { return FHintShowing; }
    TRect Pointer1Rect() const { return FPointer1Rect; }
    TRect Pointer2Rect() const { return FPointer2Rect; }

    void SetVisible(bool value) override;
    void SetXYAxesReversed(bool value) override;
    void NotificationRemove(TObject* sender) override;
    void NotificationRename(TObject* sender) override;
    void NotificationSetFocus(TObject* sender) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseLeft(const TiPlotMouseData& mouseData) override;
    void DoMouseMove(const TiPlotMouseData& mouseData) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    void DoGotFocus() override;
    TCursor GetMouseCursor(const TPoint& point) override;
    void iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;

    const QString& ChannelName() const { return FChannelName; }
    void SetChannelName(const QString& v);
    bool ChannelAllowAll() const { return FChannelAllowAll; }
    void SetChannelAllowAll(bool v) { SetProperty(v, FChannelAllowAll, Notify::Change); }
    bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
    void SetChannelShowAllInLegend(bool v) { SetProperty(v, FChannelShowAllInLegend, Notify::Change); }
    TiPlotDataCursorStyle Style() const { return FStyle; }
    void SetStyle(TiPlotDataCursorStyle v);
    TiPlotFont& Font() { return FFont; }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { SetProperty(v, FColor, Notify::Change); }
    bool UseChannelColor() const { return FUseChannelColor; }
    void SetUseChannelColor(bool v) { SetProperty(v, FUseChannelColor, Notify::Change); }
    bool HintShow() const { return FHintShow; }
    void SetHintShow(bool v) { SetProperty(v, FHintShow, Notify::Change); }
    bool HintHideOnRelease() const { return FHintHideOnRelease; }
    void SetHintHideOnRelease(bool v) { SetProperty(v, FHintHideOnRelease, Notify::Change); }
    TiOrientationSide HintOrientationSide() const { return FHintOrientationSide; }
    void SetHintOrientationSide(TiOrientationSide v) { SetProperty(v, FHintOrientationSide, Notify::Change); }
    double HintPosition() const { return FHintPosition; }
    void SetHintPosition(double v) { SetProperty(v, FHintPosition, Notify::Change); }
    double Pointer1Position() const { return FPointer1Position; }
    // Held to 0..100 (anything not >= 0, NaN included, is 0).
    void SetPointer1Position(double v);
    double Pointer2Position() const { return FPointer2Position; }
    void SetPointer2Position(double v);
    int PointerPenWidth() const { return FPointerPenWidth; }
    void SetPointerPenWidth(int v) { SetProperty(v, FPointerPenWidth, Notify::Change); }
    bool MenuUserCanChangeOptions() const { return FMenuUserCanChangeOptions; }
    void SetMenuUserCanChangeOptions(bool v) { FMenuUserCanChangeOptions = v; }
    bool SnapToDataPoint() const { return FSnapToDataPoint; }
    void SetSnapToDataPoint(bool v) { FSnapToDataPoint = v; }
    bool UseCachedInterpolatedData() const { return FUseCachedInterpolatedData; }
    void SetUseCachedInterpolatedData(bool v) { FUseCachedInterpolatedData = v; }
    // The six styles' popup items: visibility and caption, in style order.
    bool MenuItemVisible(TiPlotDataCursorStyle style) const { return FMenuItemVisible[style]; }
    void SetMenuItemVisible(TiPlotDataCursorStyle style, bool v) { FMenuItemVisible[style] = v; }
    const QString& MenuItemCaption(TiPlotDataCursorStyle style) const { return FMenuItemCaption[style]; }
    void SetMenuItemCaption(TiPlotDataCursorStyle style, const QString& v) { FMenuItemCaption[style] = v; }

private:
    void ApplyStyle();
    bool IsValueStyle() const { return FStyle <= ipcsValueY; }
    void DrawPointer(TCanvas& canvas, double position, TiOrientation orientation, TRect& hitRect, bool dragging);
    void DrawHint(TCanvas& canvas);
    TColor PenColor();
    void SnapPointer(int pointer);
    void MovePointerToDataPoint(int channelIndex, int pointIndex, int pointer, int step);
    int FindNearestDataIndex(TiPlotChannelCustom* channel, double pointerPosition, double& distance) const;
    void SnapKeyDown(int key, TShiftState shift);
    void StepHint(int direction);
    void ClampPositions();
    int PointerPixel(TiOrientation orientation, double position) const;
    double PixelPercent(TiOrientation orientation, int pixel) const;
    int IndexInPlot() const;

    int FMouseDownXPixels = 0, FMouseDownYPixels = 0;
    int FMouseDownX = 0, FMouseDownY = 0;
    bool FMouseDownHint = false, FMouseDownPointer1 = false, FMouseDownPointer2 = false;
    TRect FPointer1Rect, FPointer2Rect;
    bool FPointer1Show = true, FPointer2Show = false;
    TiOrientation FPointer1Orientation = ioVertical, FPointer2Orientation = ioVertical;
    TRect FHintRect;
    TiOrientation FHintOrientation = ioVertical;
    bool FHintShowing = false;
    TiPlotChannelCustom* FChannel = nullptr;
    TiPlotDataView* FDataView = nullptr;
    QString FChannelName;
    TiPlotDataCursorStyle FStyle = ipcsValueXY;
    bool FUseChannelColor = true;
    double FPointer1Position = 50, FPointer2Position = 60;
    int FPointerPenWidth = 1;
    bool FChannelShowAllInLegend = true, FChannelAllowAll = true;
    TColor FColor = 0x00FFFF;
    TiPlotFont FFont;
    bool FHintShow = true, FHintHideOnRelease = false;
    TiOrientationSide FHintOrientationSide = iosBottomRight;
    int FHintHeight = 0, FHintWidth = 0;
    double FHintPosition = 50;
    QString FCursorDisplayText;
    double FValueX = 0, FValueY = 0;
    TiPlotDataPointStatus FStatus = ipdpsValid;
    bool FSnapToDataPoint = false, FUseCachedInterpolatedData = false;
    int FSnapToIndexChannel = -1, FSnapToIndexData = -1;
    QString FMenuItemCaption[6] = {QStringLiteral("Value X-Y"), QStringLiteral("Value X"), QStringLiteral("Value Y"),
                                   QStringLiteral("Period"),    QStringLiteral("Peak-Peak"), QStringLiteral("Frequency")};
    bool FMenuItemVisible[6] = {true, true, true, true, true, true};
    bool FMenuUserCanChangeOptions = true;
};
