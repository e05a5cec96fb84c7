#pragma once
// The plotting area of a plot: the rectangle inside the axes in which channels, limits and
// annotations are drawn. It fills its background, draws the grid lines of its axes and its
// border, marks itself while selected, converts between pixels and percent positions for the
// other objects, and lets the user drag a zoom box or move the axes with the mouse.
#include "core/iPlotObjects.h"

class TiPlotXAxis;
class TiPlotYAxis;

enum TiPlotGridLineStyle { ipglsSolid, ipglsDash, ipglsDot };
enum TiPlotAxesControlStyle { ipacsXAxis, ipacsYAxis, ipacsBoth, ipacsNone };

class TiPlotDataView : public TiPlotLayoutObject {
public:
    TiPlotDataView(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                   TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::DataView; }

    // Grid, then the selection frame.
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void DrawBackground(TCanvas& canvas);
    void DrawZoomBox(TCanvas& canvas);

    // Conversions on the draw rectangle (0 % is the left and the bottom edge). An empty
    // rectangle gives its left or top pixel and 0 %.
    double PixelsXToPositionPercent(int value) const;
    double PixelsYToPositionPercent(int value) const;
    int PositionPercentToPixelsX(double value) const;
    int PositionPercentToPixelsY(double value) const;

    TiPlotXAxis* GetGridXAxis();
    TiPlotYAxis* GetGridYAxis();
    // 0 none, 1 zoom box, 2 select, 3 axes control.
    int GetMouseMode() const;
    bool ZoomBoxActive() const { return FZoomBoxActive; }

    void NotificationRemove(TObject* sender) override;
    void NotificationRename(TObject* sender) override;
    void NotificationSetFocus(TObject* sender) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;
    TiPlotObject* GetMouseOverObject(int x, int y) override;
    TCursor GetMouseCursor(const TPoint& point) override;
    void DoMouseLeft(const TiPlotMouseData& mouseData) override;
    void DoMouseRight(const TiPlotMouseData& mouseData) override;
    void DoMouseMove(const TiPlotMouseData& mouseData) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) override;
    void iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu) override;

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& v) { SetProperty(v, FTitle, Notify::Change); }
    bool BackgroundTransparent() const { return FBackgroundTransparent; }
    void SetBackgroundTransparent(bool v) { SetProperty(v, FBackgroundTransparent, Notify::Change); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor v) { SetProperty(v, FBackgroundColor, Notify::Change); }
    const QString& GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const QString& v);
    const QString& GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const QString& v);
    bool GridShow() const { return FGridShow; }
    void SetGridShow(bool v) { SetProperty(v, FGridShow, Notify::Change); }
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor v) { SetProperty(v, FGridLineColor, Notify::Change); }
    bool GridLineShowLeft() const { return FGridLineShowLeft; }
    void SetGridLineShowLeft(bool v) { SetProperty(v, FGridLineShowLeft, Notify::Change); }
    bool GridLineShowRight() const { return FGridLineShowRight; }
    void SetGridLineShowRight(bool v) { SetProperty(v, FGridLineShowRight, Notify::Change); }
    bool GridLineShowTop() const { return FGridLineShowTop; }
    void SetGridLineShowTop(bool v) { SetProperty(v, FGridLineShowTop, Notify::Change); }
    bool GridLineShowBottom() const { return FGridLineShowBottom; }
    void SetGridLineShowBottom(bool v) { SetProperty(v, FGridLineShowBottom, Notify::Change); }
    bool GridLineShowXMajors() const { return FGridLineShowXMajors; }
    void SetGridLineShowXMajors(bool v) { SetProperty(v, FGridLineShowXMajors, Notify::Change); }
    bool GridLineShowYMajors() const { return FGridLineShowYMajors; }
    void SetGridLineShowYMajors(bool v) { SetProperty(v, FGridLineShowYMajors, Notify::Change); }
    bool GridLineShowXMinors() const { return FGridLineShowXMinors; }
    void SetGridLineShowXMinors(bool v) { SetProperty(v, FGridLineShowXMinors, Notify::Change); }
    bool GridLineShowYMinors() const { return FGridLineShowYMinors; }
    void SetGridLineShowYMinors(bool v) { SetProperty(v, FGridLineShowYMinors, Notify::Change); }
    TiPlotGridLineStyle GridLineMajorStyle() const { return FGridLineMajorStyle; }
    void SetGridLineMajorStyle(TiPlotGridLineStyle v) { SetProperty(v, FGridLineMajorStyle, Notify::Change); }
    TiPlotGridLineStyle GridLineMinorStyle() const { return FGridLineMinorStyle; }
    void SetGridLineMinorStyle(TiPlotGridLineStyle v) { SetProperty(v, FGridLineMinorStyle, Notify::Change); }

    // The custom looks of the four kinds of grid lines.
    struct GridLook {
        bool Custom = false;
        TColor Color = 0x008000;
        int Width = 0;
        TiPlotGridLineStyle Style = ipglsSolid;
    };
    bool GridLineXMajorCustom() const { return FXMajor.Custom; }
    void SetGridLineXMajorCustom(bool v) { SetProperty(v, FXMajor.Custom, Notify::Change); }
    TColor GridLineXMajorColor() const { return FXMajor.Color; }
    void SetGridLineXMajorColor(TColor v) { SetProperty(v, FXMajor.Color, Notify::Change); }
    int GridLineXMajorWidth() const { return FXMajor.Width; }
    void SetGridLineXMajorWidth(int v) { SetProperty(v, FXMajor.Width, Notify::Change); }
    TiPlotGridLineStyle GridLineXMajorStyle() const { return FXMajor.Style; }
    void SetGridLineXMajorStyle(TiPlotGridLineStyle v) { SetProperty(v, FXMajor.Style, Notify::Change); }
    bool GridLineXMinorCustom() const { return FXMinor.Custom; }
    void SetGridLineXMinorCustom(bool v) { SetProperty(v, FXMinor.Custom, Notify::Change); }
    TColor GridLineXMinorColor() const { return FXMinor.Color; }
    void SetGridLineXMinorColor(TColor v) { SetProperty(v, FXMinor.Color, Notify::Change); }
    int GridLineXMinorWidth() const { return FXMinor.Width; }
    void SetGridLineXMinorWidth(int v) { SetProperty(v, FXMinor.Width, Notify::Change); }
    TiPlotGridLineStyle GridLineXMinorStyle() const { return FXMinor.Style; }
    void SetGridLineXMinorStyle(TiPlotGridLineStyle v) { SetProperty(v, FXMinor.Style, Notify::Change); }
    bool GridLineYMajorCustom() const { return FYMajor.Custom; }
    void SetGridLineYMajorCustom(bool v) { SetProperty(v, FYMajor.Custom, Notify::Change); }
    TColor GridLineYMajorColor() const { return FYMajor.Color; }
    void SetGridLineYMajorColor(TColor v) { SetProperty(v, FYMajor.Color, Notify::Change); }
    int GridLineYMajorWidth() const { return FYMajor.Width; }
    void SetGridLineYMajorWidth(int v) { SetProperty(v, FYMajor.Width, Notify::Change); }
    TiPlotGridLineStyle GridLineYMajorStyle() const { return FYMajor.Style; }
    void SetGridLineYMajorStyle(TiPlotGridLineStyle v) { SetProperty(v, FYMajor.Style, Notify::Change); }
    bool GridLineYMinorCustom() const { return FYMinor.Custom; }
    void SetGridLineYMinorCustom(bool v) { SetProperty(v, FYMinor.Custom, Notify::Change); }
    TColor GridLineYMinorColor() const { return FYMinor.Color; }
    void SetGridLineYMinorColor(TColor v) { SetProperty(v, FYMinor.Color, Notify::Change); }
    int GridLineYMinorWidth() const { return FYMinor.Width; }
    void SetGridLineYMinorWidth(int v) { SetProperty(v, FYMinor.Width, Notify::Change); }
    TiPlotGridLineStyle GridLineYMinorStyle() const { return FYMinor.Style; }
    void SetGridLineYMinorStyle(TiPlotGridLineStyle v) { SetProperty(v, FYMinor.Style, Notify::Change); }
    bool AxesControlEnabled() const { return FAxesControlEnabled; }
    void SetAxesControlEnabled(bool v) { FAxesControlEnabled = v; }
    TiPlotAxesControlStyle AxesControlMouseStyle() const { return FAxesControlMouseStyle; }
    void SetAxesControlMouseStyle(TiPlotAxesControlStyle v) { FAxesControlMouseStyle = v; }
    TiPlotAxesControlStyle AxesControlWheelStyle() const { return FAxesControlWheelStyle; }
    void SetAxesControlWheelStyle(TiPlotAxesControlStyle v) { FAxesControlWheelStyle = v; }
    bool AxesControlAllowInSelectMode() const { return FAxesControlAllowInSelectMode; }
    void SetAxesControlAllowInSelectMode(bool v) { SetProperty(v, FAxesControlAllowInSelectMode, Notify::Change); }

private:
    void DrawGrid(TCanvas& canvas, TColor backGroundColor);
    void ApplyZoomBox(TRect rect);
    template <class F> void ForEachAxis(bool xAxes, bool yAxes, F&& f);

    TiPlotXAxis* FXAxis = nullptr;
    TiPlotYAxis* FYAxis = nullptr;
    TiPlotObject* FMouseDownObject = nullptr;
    bool FMouseDownLeft = false;
    bool FMouseDownRight = false;
    bool FZoomBoxActive = false;
    int FMouseDownX = 0, FMouseDownY = 0, FMouseMoveX = 0, FMouseMoveY = 0;
    bool FDirectionLock = false;
    bool FDirectionLockXAxis = false;
    QString FTitle;
    bool FBackgroundTransparent = true;
    TColor FBackgroundColor = 0x808000;
    bool FGridShow = true;
    bool FAxesControlEnabled = false;
    TiPlotAxesControlStyle FAxesControlWheelStyle = ipacsXAxis;
    TiPlotAxesControlStyle FAxesControlMouseStyle = ipacsBoth;
    QString FGridYAxisName, FGridXAxisName;
    TColor FGridLineColor = 0x008000;
    bool FGridLineShowLeft = true, FGridLineShowTop = true, FGridLineShowRight = true, FGridLineShowBottom = true;
    bool FGridLineShowXMajors = true, FGridLineShowXMinors = false, FGridLineShowYMajors = true,
         FGridLineShowYMinors = false;
    TiPlotGridLineStyle FGridLineMajorStyle = ipglsSolid, FGridLineMinorStyle = ipglsSolid;
    GridLook FXMajor, FXMinor, FYMajor, FYMinor;
    bool FAxesControlAllowInSelectMode = false;
};
