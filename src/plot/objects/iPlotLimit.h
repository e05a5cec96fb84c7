#pragma once
// A limit marked on the data view: a line at a fixed X or Y value, a band between two X or
// two Y values, or a band whose upper and lower limits vary along one axis (a poly band, made
// of elements: position, upper limit, lower limit). It belongs to one X and one Y axis, found
// by name. With UserCanMove the user drags a line or a band edge; every move reports the new
// position through the plot's position-change events.
#include "core/iLimitDataList.h"
#include "core/iPlotObjects.h"

class TiPlotXAxis;
class TiPlotYAxis;

// X styles (0, 2, 4) lie on the X axis, Y styles (1, 3, 5) on the Y axis; a poly band's
// elements are positioned along the other axis.
enum TiPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };

class TiPlotLimit : public TiPlotObject {
public:
    TiPlotLimit(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Limit; }

    // Appends a poly-band element; "the Upper Limit must be greater than or equal to the
    // Lower Limit" when LowerLimit > UpperLimit (nothing is stored).
    void AddBandElement(double position, double upperLimit, double lowerLimit);
    void ClearAllElements();
    const TiLimitDataList& Elements() const { return FPointList; }

    // The axes named by XAxisName and YAxisName (null when none has the name).
    TiPlotXAxis* GetXAxis() const;
    TiPlotYAxis* GetYAxis() const;
    // Filled bands and poly bands are drawn beneath the data view's grid.
    bool HasFill() const;
    bool FillsDataViewArea() const override { return HasFill(); }

    // What the last paint left: whether each line was drawn and where it can be hit.
    bool Line1Show() const { return FLine1Show; }
    bool Line2Show() const { return FLine2Show; }
    TRect Line1ClickRect() const { return FLine1ClickRect; }
    TRect Line2ClickRect() const { return FLine2ClickRect; }

    // Published.
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { SetProperty(v, FColor, Notify::Change); }
    TPenStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(TPenStyle v) { SetProperty(v, FLineStyle, Notify::Change); }
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int v) { SetProperty(v, FLineWidth, Notify::Change); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle v) { SetProperty(v, FFillStyle, Notify::Change); }
    const QString& XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString& v);
    const QString& YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString& v);
    TiPlotLimitStyle Style() const { return FStyle; }
    void SetStyle(TiPlotLimitStyle v) { SetProperty(v, FStyle, Notify::Change); }
    double Line1Position() const { return FLine1Position; }
    void SetLine1Position(double v);
    double Line2Position() const { return FLine2Position; }
    void SetLine2Position(double v);
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool v) { SetProperty(v, FUserCanMove, Notify::Change); }
    // Only in the toolbar's select mode can the limit be hit (and so dragged).
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool v) { FSelectModeOnlyInteraction = v; }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool v) { SetProperty(v, FClipToAxes, Notify::Change); }

    void NotificationRemove(TObject* sender) override;
    void NotificationRename(TObject* sender) override;
    void NotificationSetFocus(TObject* sender) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseLeft(const TiPlotMouseData& mouseData) override;
    void DoMouseMove(const TiPlotMouseData& mouseData) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    TCursor GetMouseCursor(const TPoint& point) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;

private:
    bool IsXStyle() const { return FStyle == iplsLineX || FStyle == iplsBandX || FStyle == iplsPolyBandX; }
    // One line of a line or band limit, at Pixel across its axis, Start to Stop along the other.
    void DrawLine(TCanvas& canvas, int pixel, int start, int stop);
    TRect ClickRect(int pixel, int start, int stop) const;
    void DrawBand(TCanvas& canvas, int pixel1, int pixel2, int start, int stop);
    void DrawPolyBand(TCanvas& canvas, const TiPlotXAxis& xAxis, const TiPlotYAxis& yAxis);

    TiLimitDataList FPointList;
    bool FMouseDownLine1 = false, FMouseDownLine2 = false;
    mutable TiPlotXAxis* FXAxis = nullptr;
    mutable TiPlotYAxis* FYAxis = nullptr;
    QString FYAxisName, FXAxisName;
    TiPlotLimitStyle FStyle = iplsLineY;
    TColor FColor = 0x0000FF;
    int FLineWidth = 0;
    TPenStyle FLineStyle = psSolid;
    TBrushStyle FFillStyle = bsSolid;
    bool FLine1Show = false, FLine2Show = false;
    double FLine1Position = 50, FLine2Position = 50;
    TRect FLine1ClickRect, FLine2ClickRect;
    bool FUserCanMove = false, FSelectModeOnlyInteraction = true, FClipToAxes = false;
};
