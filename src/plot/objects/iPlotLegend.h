#pragma once
// A layout object listing the plot's channels in a table: per channel an optional line
// sample and marker sample, its title, and optional columns with its axes' titles, its last
// X and Y values and its running Y maximum, minimum and mean. The entries flow into columns
// and rows that wrap to the space the legend gets; when they do not all fit, two scroll
// buttons page through them.
#include "core/iPlotFont.h"
#include "core/iPlotObjects.h"

#include <memory>
#include <vector>

class TiPlotChannelCustom;

enum TiPlotLegendChannelNameColorStyle {
    iplcncsFont, iplcncsChannelColor, iplcncsXAxisFontColor, iplcncsYAxisFontColor
};

// A scroll button of the legend.
class TiPlotLegendButton : public TiPlotScrollButton {
public:
    using TiPlotScrollButton::TiPlotScrollButton;
};

// One channel's entry in the current layout.
struct TiPlotLegendItem {
    TiPlotChannelCustom* Channel = nullptr;
    int MaxHeight = 0;
    int ALeft = 0;
    int ATop = 0;
    int ARow = 0;
    int ACol = 0;
};

class TiPlotLegend : public TiPlotLayoutObject {
public:
    TiPlotLegend(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                 TiNotifyEvent onRename);
    ~TiPlotLegend() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Legend; }

    void CalcLayout(TCanvas& canvas);
    int GetRequiredWidth(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void ScrollUp();
    void ScrollDown();
    int ViewStartIndex() const { return FItemViewStartIndex; }
    void SetViewStartIndex(int v) { SetProperty(v, FItemViewStartIndex, Notify::Change); }
    int ViewStopIndex() const { return FItemViewStopIndex; }
    int ItemCount() const { return int(FItemList.size()); }
    const TiPlotLegendItem& Item(int index) const { return FItemList.at(std::size_t(index)); }
    int RequiredWidth() const { return FRequiredWidth; }
    int RequiredHeight() const { return FRequiredHeight; }
    int ActualWrapColCount() const { return FActualWrapColCount; }
    TiPlotLegendButton* UpButton() const { return FUpButton.get(); }
    TiPlotLegendButton* DownButton() const { return FDownButton.get(); }
    // Set by the paint pass: a data cursor shows every channel's values here.
    void SetCursorAllChannels(bool value) { FCursorAllChannels = value; }

    TiPlotObject* GetMouseOverObject(int x, int y) override;
    TCursor GetMouseCursor(const TPoint& point) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    void NotificationSetFocus(TObject* sender) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;

    // Column texts of a channel.
    QString TitleOf(const TiPlotChannelCustom* channel) const;
    QString XAxisTitleOf(const TiPlotChannelCustom* channel) const;
    QString YAxisTitleOf(const TiPlotChannelCustom* channel) const;
    QString XValueOf(const TiPlotChannelCustom* channel) const;
    QString YValueOf(const TiPlotChannelCustom* channel) const;
    // Y maximum (which 0), minimum (1) or mean (2).
    QString YStatisticOf(const TiPlotChannelCustom* channel, int which) const;

    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double v) { SetProperty(v, FMarginLeft, Notify::Change); }
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double v) { SetProperty(v, FMarginTop, Notify::Change); }
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double v) { SetProperty(v, FMarginRight, Notify::Change); }
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double v) { SetProperty(v, FMarginBottom, Notify::Change); }
    TColor BackGroundColor() const { return FBackGroundColor; }
    void SetBackGroundColor(TColor v) { SetProperty(v, FBackGroundColor, Notify::Change); }
    bool BackGroundTransparent() const { return FBackGroundTransparent; }
    void SetBackGroundTransparent(bool v) { SetProperty(v, FBackGroundTransparent, Notify::Change); }
    TColor SelectedItemBackGroundColor() const { return FSelectedItemBackGroundColor; }
    void SetSelectedItemBackGroundColor(TColor v) { SetProperty(v, FSelectedItemBackGroundColor, Notify::Change); }
    TiPlotFont& SelectedItemFont() { return FSelectedItemFont; }
    bool ShowColumnLine() const { return FShowColumnLine; }
    void SetShowColumnLine(bool v) { SetProperty(v, FShowColumnLine, Notify::Change); }
    bool ShowColumnMarker() const { return FShowColumnMarker; }
    void SetShowColumnMarker(bool v) { SetProperty(v, FShowColumnMarker, Notify::Change); }
    bool ShowColumnXAxisTitle() const { return FShowColumnXName; }
    void SetShowColumnXAxisTitle(bool v) { SetProperty(v, FShowColumnXName, Notify::Change); }
    bool ShowColumnYAxisTitle() const { return FShowColumnYName; }
    void SetShowColumnYAxisTitle(bool v) { SetProperty(v, FShowColumnYName, Notify::Change); }
    bool ShowColumnXValue() const { return FShowColumnXValue; }
    void SetShowColumnXValue(bool v) { SetProperty(v, FShowColumnXValue, Notify::Change); }
    bool ShowColumnYValue() const { return FShowColumnYValue; }
    void SetShowColumnYValue(bool v) { SetProperty(v, FShowColumnYValue, Notify::Change); }
    bool ShowColumnYMax() const { return FShowColumnYMax; }
    void SetShowColumnYMax(bool v) { SetProperty(v, FShowColumnYMax, Notify::Change); }
    bool ShowColumnYMin() const { return FShowColumnYMin; }
    void SetShowColumnYMin(bool v) { SetProperty(v, FShowColumnYMin, Notify::Change); }
    bool ShowColumnYMean() const { return FShowColumnYMean; }
    void SetShowColumnYMean(bool v) { SetProperty(v, FShowColumnYMean, Notify::Change); }
    const QString& CaptionColumnTitle() const { return FCaptionColumnTitle; }
    void SetCaptionColumnTitle(const QString& v) { SetProperty(v, FCaptionColumnTitle, Notify::Change); }
    const QString& CaptionColumnXAxisTitle() const { return FCaptionColumnXName; }
    void SetCaptionColumnXAxisTitle(const QString& v) { SetProperty(v, FCaptionColumnXName, Notify::Change); }
    const QString& CaptionColumnYAxisTitle() const { return FCaptionColumnYName; }
    void SetCaptionColumnYAxisTitle(const QString& v) { SetProperty(v, FCaptionColumnYName, Notify::Change); }
    const QString& CaptionColumnXValue() const { return FCaptionColumnXValue; }
    void SetCaptionColumnXValue(const QString& v) { SetProperty(v, FCaptionColumnXValue, Notify::Change); }
    const QString& CaptionColumnYValue() const { return FCaptionColumnYValue; }
    void SetCaptionColumnYValue(const QString& v) { SetProperty(v, FCaptionColumnYValue, Notify::Change); }
    const QString& CaptionColumnYMax() const { return FCaptionColumnYMax; }
    void SetCaptionColumnYMax(const QString& v) { SetProperty(v, FCaptionColumnYMax, Notify::Change); }
    const QString& CaptionColumnYMin() const { return FCaptionColumnYMin; }
    void SetCaptionColumnYMin(const QString& v) { SetProperty(v, FCaptionColumnYMin, Notify::Change); }
    const QString& CaptionColumnYMean() const { return FCaptionColumnYMean; }
    void SetCaptionColumnYMean(const QString& v) { SetProperty(v, FCaptionColumnYMean, Notify::Change); }
    TiPlotFont& Font() { return FFont; }
    double ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(double v) { SetProperty(v, FColumnSpacing, Notify::Change); }
    // RowSpacing and WrapRowSpacingMin are two names for one value.
    double RowSpacing() const { return FWrapRowSpacingMin; }
    void SetRowSpacing(double v) { SetProperty(v, FWrapRowSpacingMin, Notify::Change); }
    int WrapColDesiredCount() const { return FWrapColDesiredCount; }
    void SetWrapColDesiredCount(int v) { SetProperty(std::max(1, v), FWrapColDesiredCount, Notify::Change); }
    int WrapRowDesiredCount() const { return FWrapRowDesiredCount; }
    void SetWrapRowDesiredCount(int v) { SetProperty(std::max(1, v), FWrapRowDesiredCount, Notify::Change); }
    bool WrapColAutoCountEnabled() const { return FWrapColAutoCountEnabled; }
    void SetWrapColAutoCountEnabled(bool v) { SetProperty(v, FWrapColAutoCountEnabled, Notify::Change); }
    bool WrapRowAutoCountEnabled() const { return FWrapRowAutoCountEnabled; }
    void SetWrapRowAutoCountEnabled(bool v) { SetProperty(v, FWrapRowAutoCountEnabled, Notify::Change); }
    int WrapColAutoCountMax() const { return FWrapColAutoCountMax; }
    void SetWrapColAutoCountMax(int v) { SetProperty(v, FWrapColAutoCountMax, Notify::Change); }
    int WrapRowAutoCountMax() const { return FWrapRowAutoCountMax; }
    void SetWrapRowAutoCountMax(int v) { SetProperty(v, FWrapRowAutoCountMax, Notify::Change); }
    double WrapColSpacingMin() const { return FWrapColSpacingMin; }
    void SetWrapColSpacingMin(double v) { SetProperty(v, FWrapColSpacingMin, Notify::Change); }
    bool WrapColSpacingAuto() const { return FWrapColSpacingAuto; }
    void SetWrapColSpacingAuto(bool v) { SetProperty(v, FWrapColSpacingAuto, Notify::Change); }
    bool WrapRowSpacingAuto() const { return FWrapRowSpacingAuto; }
    void SetWrapRowSpacingAuto(bool v) { SetProperty(v, FWrapRowSpacingAuto, Notify::Change); }
    bool ColumnTitlesVisible() const { return FColumnTitlesVisible; }
    void SetColumnTitlesVisible(bool v) { SetProperty(v, FColumnTitlesVisible, Notify::Change); }
    TiPlotFont& ColumnTitlesFont() { return FColumnTitlesFont; }
    double ChannelNameMaxWidth() const { return FChannelNameMaxWidth; }
    void SetChannelNameMaxWidth(double v) { SetProperty(v, FChannelNameMaxWidth, Notify::Change); }
    TiPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return FChannelNameColorStyle; }
    void SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle v) {
        SetProperty(v, FChannelNameColorStyle, Notify::Change);
    }
    int LineColumnWidth() const { return FLineColumnWidth; }
    void SetLineColumnWidth(int v) { SetProperty(v, FLineColumnWidth, Notify::Change); }
    int LineColumnHeight() const { return FLineColumnHeight; }
    void SetLineColumnHeight(int v) { SetProperty(v, FLineColumnHeight, Notify::Change); }

private:
    void DrawLineSample(TCanvas& canvas, const TiPlotChannelCustom* channel, int x, int y);

    std::unique_ptr<TiPlotLegendButton> FUpButton, FDownButton;
    int FRequiredWidth = 0, FRequiredHeight = 0;
    TRect FInnerRect;
    std::vector<TiPlotLegendItem> FItemList;
    std::vector<int> FColumnList;
    int FItemWidth = 0;
    int FActualWrapColCount = 0, FActualWrapRowCount = 0;
    int FColumnSpacingPixels = 0, FRowSpacingPixels = 0, FWrapSpacingPixels = 0;
    int FColumnStartChannel = 0, FColumnStartLine = 0, FColumnStartMarker = 0, FColumnStartXName = 0,
        FColumnStartYName = 0, FColumnStartXValue = 0, FColumnStartYValue = 0, FColumnStartYMax = 0,
        FColumnStartYMin = 0, FColumnStartYMean = 0;
    int FMaxWidthLine = 0, FMaxWidthMarker = 0, FMaxWidthChannelLabel = 0, FMaxWidthXName = 0, FMaxWidthYName = 0,
        FMaxWidthXValue = 0, FMaxWidthYValue = 0, FMaxWidthYMax = 0, FMaxWidthYMin = 0, FMaxWidthYMean = 0;
    int FItemViewStartIndex = 0, FItemViewStopIndex = -1;
    int FItemHeight = 0, FMaxItemHeight = 0;
    int FColumnTitlesHeightPixels = 0, FColumnTitlesMarginPixels = 0;
    TRect FColumnTitlesRect, FItemsRect;
    double FMarginLeft = 1, FMarginRight = 1, FMarginBottom = 1, FMarginTop = 1;
    bool FBackGroundTransparent = true;
    TColor FBackGroundColor = 0x808080;
    double FColumnSpacing = 0.5;
    TiPlotFont FFont, FSelectedItemFont, FColumnTitlesFont;
    TColor FSelectedItemBackGroundColor = 0x00FFFF;
    bool FShowColumnLine = true, FShowColumnMarker = false, FShowColumnXName = false, FShowColumnYName = false,
         FShowColumnXValue = false, FShowColumnYValue = false;
    bool FColumnTitlesVisible = false;
    double FChannelNameMaxWidth = 0;
    TiPlotLegendChannelNameColorStyle FChannelNameColorStyle = iplcncsFont;
    bool FShowColumnYMax = false, FShowColumnYMin = false, FShowColumnYMean = false;
    bool FCursorAllChannels = false;
    bool FShowColumnXValue2 = false, FShowColumnYValue2 = false;
    QString FCaptionColumnYMax = QStringLiteral("Y-Max"), FCaptionColumnYValue = QStringLiteral("Y"),
            FCaptionColumnTitle = QStringLiteral("Title"), FCaptionColumnYMean = QStringLiteral("Y-Mean"),
            FCaptionColumnXName = QStringLiteral("X-Axis"), FCaptionColumnYName = QStringLiteral("Y-Axis"),
            FCaptionColumnXValue = QStringLiteral("X"), FCaptionColumnYMin = QStringLiteral("Y-Min");
    int FWrapColDesiredCount = 1, FWrapRowDesiredCount = 5;
    bool FWrapColAutoCountEnabled = false, FWrapRowAutoCountEnabled = true;
    int FWrapRowAutoCountMax = 100, FWrapColAutoCountMax = 100;
    double FWrapColSpacingMin = 2, FWrapRowSpacingMin = 0.25;
    bool FWrapRowSpacingAuto = false, FWrapColSpacingAuto = true;
    int FLineColumnWidth = 13, FLineColumnHeight = 3;
};
