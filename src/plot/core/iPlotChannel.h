#pragma once
// The channel of the time-series plot: points kept in X order (increasing or decreasing), so
// the visible range, interpolated Y values and cursor readings come from bisection searches.
// Points can be stamped with the current or the elapsed time, and besides the trace (a fast
// per-pixel-column trace, a spline, polynomial or rational curve, two step styles or a digital
// two-level trace) it draws area fills, bars and high-low price bars.
#include "core/iPlotChannelCustom.h"
#include "core/iPlotChannelOPC.h"
#include "core/iPlotMinMaxPoint.h"

#include <chrono>
#include <functional>
#include <vector>

enum TiPlotInterpolationStyle {
    ipistStraightLine,
    ipistCubicSpline,
    ipistPolynomial,
    ipistRational,
    ipistDifferential,
    ipistDifferentialTerminated
};
enum TiPlotDigitalReferenceStyle { ipdrScale, ipdrPercent };
enum TiPlotHighLowStyle { iphlsOpenClose, iphlsCandleStick };
enum TiOPCXValueSourceStyle {
    iopcxvsOPCServerTimeStamp,
    iopcxvsSystemTimeStamp,
    iopcxvsElapsedTime,
    iopcxvsElapsedSeconds,
    iopcxvsOPCItem
};

// One X pixel column of an interpolated trace: the curve's Y there, or Null when none.
struct TiPlotPixelPoint {
    bool Null = true;
    int XPixel = 0;
    double YValue = 0;
};

class TiPlotChannel : public TiPlotChannelCustom, public TiPlotChannelOPC {
public:
    TiPlotChannel(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                  TiNotifyEvent onRename);
    // The channel class of the time-series plot.
    static TiPlotChannelCustom* Create(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                       TiNotifyEvent onRemove, TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();

    // ---- adding (each returns the new point's index) --------------------------------------
    // With AllowOutOfOrderXValues off, an X against the data's direction raises "New
    // Data-Point X-Value is out of order" (with a full stop for decreasing data).
    int AddXY(double x, double y) override;
    int AddXNull(double x);
    int AddXEmpty(double x);
    // Y at the current time, at the time since ElapsedStartTime (days) or in seconds.
    int AddYNow(double y);
    int AddYElapsedTime(double y);
    int AddYElapsedSeconds(double y);
    // The elements of a 1-dimensional array ("Y-Data array must be 1 dimensional") at
    // XInterval steps from the last point's X (0 for an empty channel).
    void AddYArray(double xInterval, const TVariantArray& yData);
    // A price bar (its values are kept by the full-feature store only).
    int AddHighLow(double x, double high, double low, double open, double close);
    void ResetElapsedStartTime();
    double ElapsedStartTime() const { return FElapsedStartTime; }
    void SetElapsedStartTime(double v) { FElapsedStartTime = v; }
    // The clock of the time-stamping adds, in days (the system's date-time unless set).
    void SetClock(std::function<double()> clock) { FClock = std::move(clock); }

    // ---- searching and reading ------------------------------------------------------------
    // The index of the first point at or beyond Target in the data's direction; -1 without
    // X axis or points, or when Target lies outside the data.
    int CalcIndex(double targetValue) const override;
    // Y at X, linear in pixels between the neighbouring points (the preceding level for a
    // digital channel); false when X has no neighbours or one of them is null.
    bool GetYInterpolated(double xValue, double& yValue) const;
    bool XIncreasing() const { return FXIncreasing; }

    // ---- overrides ------------------------------------------------------------------------
    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetFitXMax() override;
    double GetFitXMin() override;
    double GetFitYMax() override;
    double GetFitYMin() override;
    void CalcDataCursorValues(TiPlotDataCursor* cursor) override;
    bool iMouseHitTest(const TiPlotMouseData& mouseData) override;
    void DoInsert() override;
    void SetCanDraw(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void DrawTrace(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) override;
    void DrawMarkers(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) override;

    // ---- pixel list -----------------------------------------------------------------------
    // Writes one column ("Pixel List XPixel out of Range" outside the X axis's pixels).
    void SetPixelListValue(int xPixel, double yValue);
    int PixelListStart() const { return FPixelListStart; }
    int PixelListStop() const { return FPixelListStop; }
    const TiPlotPixelPoint& PixelListEntry(int xPixel) const { return FPixelList[std::size_t(xPixel - FPixelListStart)]; }
    int PixelsHigh() const { return FPixelsHigh; }
    int PixelsLow() const { return FPixelsLow; }
    // The pixel rectangle of a point's bar.
    TRect GetBarRect(int index) const;

    // ---- OPC ------------------------------------------------------------------------------
    // By OPCXValueSource: item 0 gives Y with the X of the server's time stamp, the system
    // time, or the elapsed time or seconds; or (iopcxvsOPCItem) item 0 gives X and item 1 Y,
    // both in one group whose every update adds the pair as a point.
    void OPCActivate() { Activate(false); }
    void OPCActivateSuspend() { Activate(true); }
    // The item manager's new data: a point of the item's value unless the group adds them.
    void DoOPCNewData(TiOPCItem* item);

    // ---- published settings ---------------------------------------------------------------
    bool FastDrawEnabled() const { return FFastDrawEnabled; }
    void SetFastDrawEnabled(bool v) { SetProperty(v, FFastDrawEnabled, Notify::Change); }
    bool AllowOutOfOrderXValues() const { return FAllowOutOfOrderXValues; }
    void SetAllowOutOfOrderXValues(bool v) { FAllowOutOfOrderXValues = v; }
    bool DrawOutOfOrderXValues() const { return FDrawOutOfOrderXValues; }
    void SetDrawOutOfOrderXValues(bool v) { SetProperty(v, FDrawOutOfOrderXValues, Notify::Change); }
    bool ResetStartTimeOnFirstDataPoint() const { return FResetStartTimeOnFirstDataPoint; }
    void SetResetStartTimeOnFirstDataPoint(bool v) { FResetStartTimeOnFirstDataPoint = v; }
    TiPlotInterpolationStyle InterpolationStyle() const { return FInterpolationStyle; }
    void SetInterpolationStyle(TiPlotInterpolationStyle v) { SetProperty(v, FInterpolationStyle, Notify::Change); }
    bool FillEnabled() const { return FFillEnabled; }
    void SetFillEnabled(bool v) { SetProperty(v, FFillEnabled, Notify::Change); }
    double FillReference() const { return FFillReference; }
    void SetFillReference(double v) { SetProperty(v, FFillReference, Notify::Change); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle v) { SetProperty(v, FFillStyle, Notify::Change); }
    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor v) { SetProperty(v, FFillColor, Notify::Change); }
    bool FillUseChannelColor() const { return FFillUseChannelColor; }
    void SetFillUseChannelColor(bool v) { SetProperty(v, FFillUseChannelColor, Notify::Change); }
    bool DigitalEnabled() const { return FDigitalEnabled; }
    void SetDigitalEnabled(bool v) { SetProperty(v, FDigitalEnabled, Notify::Change); }
    TiPlotDigitalReferenceStyle DigitalReferenceStyle() const { return FDigitalReferenceStyle; }
    void SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle v) { SetProperty(v, FDigitalReferenceStyle, Notify::Change); }
    double DigitalReferenceLow() const { return FDigitalReferenceLow; }
    void SetDigitalReferenceLow(double v) { SetProperty(v, FDigitalReferenceLow, Notify::Change); }
    double DigitalReferenceHigh() const { return FDigitalReferenceHigh; }
    void SetDigitalReferenceHigh(double v) { SetProperty(v, FDigitalReferenceHigh, Notify::Change); }
    TiPlotHighLowStyle HighLowStyle() const { return FHighLowStyle; }
    void SetHighLowStyle(TiPlotHighLowStyle v) { SetProperty(v, FHighLowStyle, Notify::Change); }
    bool HighLowEnabled() const { return FHighLowEnabled; }
    void SetHighLowEnabled(bool v) { SetProperty(v, FHighLowEnabled, Notify::Change); }
    TColor HighLowBarColor() const { return FHighLowBarColor; }
    void SetHighLowBarColor(TColor v) { SetProperty(v, FHighLowBarColor, Notify::Change); }
    double HighLowBarWidth() const { return FHighLowBarWidth; }
    void SetHighLowBarWidth(double v) { SetProperty(v, FHighLowBarWidth, Notify::Change); }
    bool HighLowOpenShow() const { return FHighLowOpenShow; }
    void SetHighLowOpenShow(bool v) { SetProperty(v, FHighLowOpenShow, Notify::Change); }
    TColor HighLowOpenColor() const { return FHighLowOpenColor; }
    void SetHighLowOpenColor(TColor v) { SetProperty(v, FHighLowOpenColor, Notify::Change); }
    double HighLowOpenWidth() const { return FHighLowOpenWidth; }
    void SetHighLowOpenWidth(double v) { SetProperty(v, FHighLowOpenWidth, Notify::Change); }
    double HighLowOpenHeight() const { return FHighLowOpenHeight; }
    void SetHighLowOpenHeight(double v) { SetProperty(v, FHighLowOpenHeight, Notify::Change); }
    bool HighLowCloseShow() const { return FHighLowCloseShow; }
    void SetHighLowCloseShow(bool v) { SetProperty(v, FHighLowCloseShow, Notify::Change); }
    TColor HighLowCloseColor() const { return FHighLowCloseColor; }
    void SetHighLowCloseColor(TColor v) { SetProperty(v, FHighLowCloseColor, Notify::Change); }
    double HighLowCloseWidth() const { return FHighLowCloseWidth; }
    void SetHighLowCloseWidth(double v) { SetProperty(v, FHighLowCloseWidth, Notify::Change); }
    double HighLowCloseHeight() const { return FHighLowCloseHeight; }
    void SetHighLowCloseHeight(double v) { SetProperty(v, FHighLowCloseHeight, Notify::Change); }
    TColor HighLowShadowColor() const { return FHighLowShadowColor; }
    void SetHighLowShadowColor(TColor v) { SetProperty(v, FHighLowShadowColor, Notify::Change); }
    TColor HighLowBullishColor() const { return FHighLowBullishColor; }
    void SetHighLowBullishColor(TColor v) { SetProperty(v, FHighLowBullishColor, Notify::Change); }
    TColor HighLowBearishColor() const { return FHighLowBearishColor; }
    void SetHighLowBearishColor(TColor v) { SetProperty(v, FHighLowBearishColor, Notify::Change); }
    bool BarEnabled() const { return FBarEnabled; }
    void SetBarEnabled(bool v) { SetProperty(v, FBarEnabled, Notify::Change); }
    bool BarPenUseChannelColor() const { return FBarPenUseChannelColor; }
    void SetBarPenUseChannelColor(bool v) { SetProperty(v, FBarPenUseChannelColor, Notify::Change); }
    bool BarBrushUseChannelColor() const { return FBarBrushUseChannelColor; }
    void SetBarBrushUseChannelColor(bool v) { SetProperty(v, FBarBrushUseChannelColor, Notify::Change); }
    // Bar settings kept in the point store's stored settings.
    double BarReference() const { return FDataList->StoredBarReference; }
    void SetBarReference(double v) { SetStored(FDataList->StoredBarReference, v); }
    double BarWidth() const { return FDataList->StoredBarWidth; }
    void SetBarWidth(double v) { SetStored(FDataList->StoredBarWidth, v); }
    TColor BarPenColor() const { return FDataList->StoredBarPenColor; }
    void SetBarPenColor(TColor v) { SetStored(FDataList->StoredBarPenColor, v); }
    int BarPenWidth() const { return FDataList->StoredBarPenWidth; }
    void SetBarPenWidth(int v) { SetStored(FDataList->StoredBarPenWidth, v); }
    TPenStyle BarPenStyle() const { return FDataList->StoredBarPenStyle; }
    void SetBarPenStyle(TPenStyle v) { SetStored(FDataList->StoredBarPenStyle, v); }
    TColor BarBrushColor() const { return FDataList->StoredBarBrushColor; }
    void SetBarBrushColor(TColor v) { SetStored(FDataList->StoredBarBrushColor, v); }
    TBrushStyle BarBrushStyle() const { return FDataList->StoredBarBrushStyle; }
    void SetBarBrushStyle(TBrushStyle v) { SetStored(FDataList->StoredBarBrushStyle, v); }
    TiOPCXValueSourceStyle OPCXValueSource() const { return FOPCXValueSource; }
    void SetOPCXValueSource(TiOPCXValueSourceStyle v) { FOPCXValueSource = v; }
    const QString& OPCGroupName() const { return OPCItem(0)->GroupName(); }
    void SetOPCGroupName(const QString& v) { OPCItem(0)->SetGroupName(v); }

private:
    template <class T> void SetStored(T& field, T value) {
        field = value;
        TriggerChange();
    }
    double Now() const;
    // Resets the start time before the first point when ResetStartTimeOnFirstDataPoint is on.
    void StartIfFirst();
    void CheckXOrder(double x) const;
    // The last midpoint probed by a bisection for Target (the data's direction decides).
    int Search(double target) const;
    int FirstValidIndex() const;
    int LastValidIndex() const;
    double FitYExtreme(bool largest);
    void Activate(bool suspended);
    // Y at the cursor's X by the interpolation style.
    TiPlotDataPointStatus GetCursorY(double x, double& y) const;

    // Drawing passes (the drawing file).
    void UseFillBrush(TCanvas& canvas) const;
    void DrawFill(TCanvas& canvas, bool reversed);
    void DrawBars(TCanvas& canvas);
    void DrawFastTrace(TCanvas& canvas, bool reversed);
    void DrawStepTrace(TCanvas& canvas, bool reversed);
    // Spline, polynomial or rational curve through the points, one value per pixel column.
    void DrawInterpolatedTrace(TCanvas& canvas, bool reversed);
    void DrawCurveSpan(TCanvas& canvas, bool reversed, double xFirst, double xLast,
                       const std::function<double(double)>& curve);
    void DrawDigitalTrace(TCanvas& canvas, bool reversed);
    void DrawHighLowOpenClose(TCanvas& canvas);
    void DrawHighLowCandleStick(TCanvas& canvas);

    std::vector<TiPlotPixelPoint> FPixelList;
    int FPixelListStart = 0, FPixelListStop = 0;
    int FPixelsHigh = 0, FPixelsLow = 0;
    bool FXIncreasing = true;
    bool FFastDrawEnabled = true;
    bool FAllowOutOfOrderXValues = true;
    bool FDrawOutOfOrderXValues = false;
    bool FResetStartTimeOnFirstDataPoint = false;
    TiPlotInterpolationStyle FInterpolationStyle = ipistStraightLine;
    double FElapsedStartTime = 0;
    std::function<double()> FClock;
    mutable bool FNowAnchorSet = false;
    mutable double FNowAnchor = 0;
    mutable std::chrono::steady_clock::time_point FNowAnchorSteady;
    bool FFillEnabled = false;
    double FFillReference = 0;
    bool FFillUseChannelColor = true;
    TBrushStyle FFillStyle = bsSolid;
    TColor FFillColor = 0;
    TiPlotHighLowStyle FHighLowStyle = iphlsOpenClose;
    bool FHighLowEnabled = false;
    TColor FHighLowBarColor = 16776960;
    double FHighLowBarWidth = 0.5;
    bool FHighLowOpenShow = true;
    TColor FHighLowOpenColor = 65280;
    double FHighLowOpenWidth = 1, FHighLowOpenHeight = 1;
    bool FHighLowCloseShow = true;
    TColor FHighLowCloseColor = 255;
    double FHighLowCloseWidth = 1, FHighLowCloseHeight = 1;
    TColor FHighLowShadowColor = 8421504;
    TColor FHighLowBullishColor = 16777215;
    TColor FHighLowBearishColor = 8421504;
    bool FDigitalEnabled = false;
    double FDigitalReferenceLow = 10, FDigitalReferenceHigh = 90;
    TiPlotDigitalReferenceStyle FDigitalReferenceStyle = ipdrScale;
    TiOPCXValueSourceStyle FOPCXValueSource = iopcxvsOPCServerTimeStamp;
    bool FBarEnabled = false;
    bool FBarPenUseChannelColor = true;
    bool FBarBrushUseChannelColor = true;
};
