#pragma once
// The common base of the channels: one data series of a plot. A channel owns a point store
// (chosen by its DataStyle), binds itself to one X and one Y axis of its plot by name, adds,
// deletes and clears points, keeps running statistics, reports new points to its axes'
// tracking, draws its trace and markers clipped to its axes, and handles data-point hints,
// clicks and dragging.
#include "core/iPlotDataList.h"
#include "core/iPlotFont.h"
#include "core/iPlotObjects.h"

#include <QString>

#include <memory>

class TVariantArray;
class TiPlotAxis;
class TiPlotXAxis;
class TiPlotYAxis;
class TiPlotDataCursor;

enum TiPlotChannelDataPointMoveStyle { ipcdpmsXandY, ipcdpmsXOnly, ipcdpmsYOnly };

class TiPlotChannelCustom : public TiPlotManagerObject {
public:
    TiPlotChannelCustom(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                        TiNotifyEvent onRename);
    ~TiPlotChannelCustom() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::Channel; }

    // ---- points -------------------------------------------------------------------------
    virtual int AddXY(double x, double y);
    // Points from a 2-dimensional array whose first dimension holds X and Y ("Array Must Be 2
    // Dimensional", "Array First Dimension Must Be 2 Elements"), or from two 1-dimensional
    // arrays of equal bounds. Nothing is added when the arrays are refused.
    void AddXYArray(const TVariantArray& data);
    void AddXYArrays(const TVariantArray& xData, const TVariantArray& yData);
    // Deletes the Size oldest points; the whole count clears the channel.
    void DeletePoints(int size);
    void Clear();
    int Count() const { return FDataList->Count(); }
    // Sets the store's capacity (so it also cuts the points).
    void SetCount(int value);
    int Capacity() const { return FDataList->Capacity(); }
    int DataPointSize() const { return FDataList->DataPointSize(); }
    int MaxDataPoints() const { return FDataList->MaxDataPoints(); }
    std::int64_t MemoryUsed() const { return FDataList->MemoryUsed(); }
    void GetXYEmptyNull(int index, double& x, double& y, bool& empty, bool& null) const;
    double GetX(int index) const { return FDataList->GetX(index); }
    double GetY(int index) const { return FDataList->GetY(index); }
    bool GetNull(int index) const { return FDataList->GetNull(index); }
    bool GetEmpty(int index) const { return FDataList->GetEmpty(index); }
    bool IsValidPoint(int index) const { return !GetNull(index) && !GetEmpty(index); }
    void SetX(int index, double value);
    void SetY(int index, double value);
    void SetNull(int index, bool value);
    void SetEmpty(int index, bool value);
    bool GetMarkerVisible(int i) const { return FDataList->GetMarkerVisible(i); }
    TiPlotMarkerStyle GetMarkerStyle(int i) const { return FDataList->GetMarkerStyle(i); }
    int GetMarkerSize(int i) const { return FDataList->GetMarkerSize(i); }
    TColor GetMarkerPenColor(int i) const { return FDataList->GetMarkerPenColor(i); }
    int GetMarkerPenWidth(int i) const { return FDataList->GetMarkerPenWidth(i); }
    TPenStyle GetMarkerPenStyle(int i) const { return FDataList->GetMarkerPenStyle(i); }
    TColor GetMarkerBrushColor(int i) const { return FDataList->GetMarkerBrushColor(i); }
    TBrushStyle GetMarkerBrushStyle(int i) const { return FDataList->GetMarkerBrushStyle(i); }
    QChar GetMarkerCharacter(int i) const { return FDataList->GetMarkerCharacter(i); }
    TColor GetTraceLineColor(int i) const { return FDataList->GetTraceLineColor(i); }
    int GetTraceLineWidth(int i) const { return FDataList->GetTraceLineWidth(i); }
    TiPlotLineStyle GetTraceLineStyle(int i) const { return FDataList->GetTraceLineStyle(i); }
    double XFirst() const { return Count() ? GetX(0) : -1; }
    double XLast() const { return Count() ? GetX(Count() - 1) : -1; }
    double YFirst() const { return Count() ? GetY(0) : -1; }
    double YLast() const { return Count() ? GetY(Count() - 1) : -1; }
    int IndexFirst() const { return Count() ? 0 : -1; }
    int IndexLast() const { return Count() - 1; }

    // ---- statistics ---------------------------------------------------------------------
    double RunningXMin() const { return FRunningXMin; }
    double RunningXMax() const { return FRunningXMax; }
    double RunningXMean() const { return FRunningXMean; }
    double RunningYMin() const { return FRunningYMin; }
    double RunningYMax() const { return FRunningYMax; }
    double RunningYMean() const { return FRunningYMean; }
    double GetXMax();
    double GetXMin();
    double GetYMax();
    double GetYMin();
    double GetXMean();
    double GetYMean();
    void ReCalcRunningMinMaxMean();

    // ---- axes ---------------------------------------------------------------------------
    // The axes named by XAxisName and YAxisName (null when the plot has none of that name).
    TiPlotXAxis* XAxis() const;
    TiPlotYAxis* YAxis() const;
    QString GetXValueText(double value) const;
    QString GetYValueText(double value) const;
    // A point's value widened by its marker's size in axis units ("Data Point Null",
    // "X-Axis not assigned", "Y-Axis not assigned").
    double GetMarkerExtentXMax(int index) const;
    double GetMarkerExtentXMin(int index) const;
    double GetMarkerExtentYMax(int index) const;
    double GetMarkerExtentYMin(int index) const;

    // ---- data cursor --------------------------------------------------------------------
    virtual void CalcDataCursorValues(TiPlotDataCursor* cursor) = 0;
    // The texts of a cursor reading (X and Y by the cursor's style); the result is the
    // cursor's display text.
    QString FormatDataCursorText(int style, TiPlotDataPointStatus status, double x, double y);
    QString DataCursorXText() const { return FDataCursorXText; }
    QString DataCursorYText() const { return FDataCursorYText; }
    double DataCursorXValue() const { return FDataCursorXValue; }
    double DataCursorYValue() const { return FDataCursorYValue; }
    TiPlotDataPointStatus DataCursorStatus() const { return FDataCursorStatus; }

    // ---- drawing ------------------------------------------------------------------------
    // The index of the last point at or before X in a channel kept in X order; -1 for a
    // channel without X order (time-series channels give it).
    virtual int CalcIndex(double x) const { return -1; }
    virtual void CalcStartIndex() = 0;
    virtual void CalcStopIndex() = 0;
    virtual double GetFitXMax() = 0;
    virtual double GetFitXMin() = 0;
    virtual double GetFitYMax() = 0;
    virtual double GetFitYMin() = 0;
    int DrawStartIndex() const { return FStartIndex; }
    int DrawStopIndex() const { return FStopIndex; }
    virtual void DrawTrace(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor);
    virtual void DrawMarkers(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor);
    // One marker centred on a pixel; index -1 draws the legend sample.
    void DrawMarker(TCanvas& canvas, int index, TColor backGroundColor, const TPoint& point);
    // One segment in data coordinates, clipped to the axes' ranges.
    void DrawLine(TCanvas& canvas, bool reversed, bool yIsPercent, double x1, double y1, double x2, double y2);
    bool IsMarkerDrawn(int index) const;
    TPoint GetPixelPoint(int index) const;
    TRect GetMarkerRect(int index) const;
    void DrawDataPolygon(TCanvas& canvas, bool xyAxesReversed, double x1, double y1, double x2, double y2, double x3,
                         double y3, double x4, double y4);
    TRect DataToPixelRect(double x1, double y1, double x2, double y2) const;
    static double InterpolateY(double x1, double y1, double x2, double y2, double x);
    static double InterpolateX(double x1, double y1, double x2, double y2, double y);
    TRect LegendRect() const { return FLegendRect; }
    void SetLegendRect(const TRect& r) { FLegendRect = r; }

    // ---- input --------------------------------------------------------------------------
    bool iMouseHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) override;
    void DoMouseLeft(const TiPlotMouseData& mouseData) override;
    void DoMouseMove(const TiPlotMouseData& mouseData) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    TCursor GetMouseCursor(const TPoint& point) override;
    void NotificationRemove(TObject* sender) override;
    void NotificationRename(TObject* sender) override;
    void NotificationSetFocus(TObject* sender) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;
    bool GetPopupCenter(TPoint& center) const override;
    int SelectDataIndex() const { return FSelectDataIndex; }

    // ---- published settings -------------------------------------------------------------
    const QString& TitleText() const { return FTitleText; }
    void SetTitleText(const QString& v) { SetProperty(v, FTitleText, Notify::Change); }
    bool VisibleInLegend() const { return FVisibleInLegend; }
    void SetVisibleInLegend(bool v) { SetProperty(v, FVisibleInLegend, Notify::Change); }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool v) { SetProperty(v, FClipToAxes, Notify::Change); }
    bool ShowDataPointHints() const { return FShowDataPointHints; }
    void SetShowDataPointHints(bool v) { FShowDataPointHints = v; }
    bool UserCanMoveDataPoints() const { return FUserCanMoveDataPoints; }
    void SetUserCanMoveDataPoints(bool v) { FUserCanMoveDataPoints = v; }
    TiPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return FUserCanMoveDataPointsStyle; }
    void SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle v) { FUserCanMoveDataPointsStyle = v; }
    int RingBufferSize() const { return FDataList->RingBufferSize(); }
    void SetRingBufferSize(int v);
    bool TraceVisible() const { return FTraceVisible; }
    void SetTraceVisible(bool v) { SetProperty(v, FTraceVisible, Notify::Change); }
    TColor Color() const { return FDataList->StoredTraceLineColor; }
    void SetColor(TColor v);
    TiPlotLineStyle TraceLineStyle() const { return FDataList->StoredTraceLineStyle; }
    void SetTraceLineStyle(TiPlotLineStyle v);
    int TraceLineWidth() const { return FDataList->StoredTraceLineWidth; }
    void SetTraceLineWidth(int v);
    bool MarkersAllowIndividual() const { return FMarkersAllowIndividual; }
    void SetMarkersAllowIndividual(bool v) { SetProperty(v, FMarkersAllowIndividual, Notify::Change); }
    bool MarkersPenUseChannelColor() const { return FMarkersPenUseChannelColor; }
    void SetMarkersPenUseChannelColor(bool v) { SetProperty(v, FMarkersPenUseChannelColor, Notify::Change); }
    bool MarkersBrushUseChannelColor() const { return FMarkersBrushUseChannelColor; }
    void SetMarkersBrushUseChannelColor(bool v) { SetProperty(v, FMarkersBrushUseChannelColor, Notify::Change); }
    int MarkersTurnOffLimit() const { return FMarkersTurnOffLimit; }
    void SetMarkersTurnOffLimit(int v) { SetProperty(v, FMarkersTurnOffLimit, Notify::Change); }
    bool MarkersVisible() const { return FDataList->StoredMarkerVisible; }
    void SetMarkersVisible(bool v);
    int MarkersSize() const { return FDataList->StoredMarkerSize; }
    void SetMarkersSize(int v);
    TiPlotMarkerStyle MarkersStyle() const { return FDataList->StoredMarkerStyle; }
    void SetMarkersStyle(TiPlotMarkerStyle v);
    TColor MarkersPenColor() const { return FDataList->StoredMarkerPenColor; }
    void SetMarkersPenColor(TColor v);
    TPenStyle MarkersPenStyle() const { return FDataList->StoredMarkerPenStyle; }
    void SetMarkersPenStyle(TPenStyle v);
    int MarkersPenWidth() const { return FDataList->StoredMarkerPenWidth; }
    void SetMarkersPenWidth(int v);
    TColor MarkersBrushColor() const { return FDataList->StoredMarkerBrushColor; }
    void SetMarkersBrushColor(TColor v);
    TBrushStyle MarkersBrushStyle() const { return FDataList->StoredMarkerBrushStyle; }
    void SetMarkersBrushStyle(TBrushStyle v);
    TiPlotFont& MarkersFont() { return FMarkersFont; }
    const QString& XAxisName() const { return FXAxisName; }
    void SetXAxisName(const QString& v);
    const QString& YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString& v);
    bool XAxisTrackingEnabled() const { return FXAxisTrackingEnabled; }
    void SetXAxisTrackingEnabled(bool v) { SetProperty(v, FXAxisTrackingEnabled, Notify::Change); }
    bool YAxisTrackingEnabled() const { return FYAxisTrackingEnabled; }
    void SetYAxisTrackingEnabled(bool v) { SetProperty(v, FYAxisTrackingEnabled, Notify::Change); }
    const QString& LogFileName() const { return FLogFileName; }
    // Refused while logging ("Log File Name can not be changed while logging is active.").
    void SetLogFileName(const QString& v);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int v) { FLogBufferSize = v; }
    bool LoggingActive() const { return FLoggingActive; }

    // ---- files (text, CR LF lines, 8-bit) -------------------------------------------------
    // "File Type = Plot Channel Config", then the published settings under "Channel".
    void SavePropertiesToFile(const QString& fileName);
    void LoadPropertiesFromFile(const QString& fileName);
    // One line per point: X, the plot's column separator, Y or "Null"; empty points none.
    void SaveDataToFile(const QString& fileName);
    // Ends logging, then adds the points of each "X<sep>Y" line; a bad number raises the
    // conversion error and keeps the points read before it.
    void LoadDataFromFile(const QString& fileName, bool clearPreviousData);
    // Starts logging to LogFileName: Append keeps an existing file (which must exist),
    // otherwise the file is created empty.
    void LogActivate(bool append);
    // Stops logging and writes what is buffered ("Logging not Active" when off).
    void LogDeactivate();
    TiPlotDataStyle DataStyle() const { return FDataStyle; }
    // A store of the new style, empty, with the settings and ring size carried over.
    void SetDataStyle(TiPlotDataStyle v);

protected:
    // The road of every added point: store, statistics, axis tracking, logging, repaint.
    int AddPoint(double x, double y, bool null, bool empty);
    // Adds a point straight to the store (no statistics, tracking or logging).
    int AddToStore(double x, double y, bool null, bool empty);
    // Appends the buffered points (at most the points that exist) to the log file, closes it
    // and resets the buffer count, also when the write fails.
    void LogFlush();
    void ResetRunning();
    void StoredChanged() { TriggerChange(); }
    // The rectangle spanned by the two axes' pixel ranges.
    TRect AxesPixelRect() const;

    mutable TiPlotXAxis* FXAxis = nullptr;
    mutable TiPlotYAxis* FYAxis = nullptr;
    int FSelectDataIndex = -1;
    TRect FSelectHitTestRect;
    bool FSelectMouseDown = false;
    int FSelectMouseDownIndex = -1;
    int FMouseDownDataIndex = -1;
    TRect FSelectDownRect;
    double FMouseDownValueX = 0, FMouseDownValueY = 0;
    int FMouseDownPixelX = 0, FMouseDownPixelY = 0;
    int FStartIndex = -1;
    int FStopIndex = -1;
    std::unique_ptr<TiPlotDataCustomList> FDataList;
    QString FTitleText;
    QString FYAxisName;
    QString FXAxisName;
    bool FXAxisTrackingEnabled = true;
    bool FYAxisTrackingEnabled = true;
    bool FLoggingActive = false;
    int FLogBufferCount = 0;
    QChar FLoadingSeparator = QLatin1Char('\t');
    bool FMarkersAllowIndividual = false;
    int FMarkersTurnOffLimit = 0;
    TRect FLegendRect;
    bool FVisibleInLegend = true;
    bool FClipToAxes = false;
    bool FShowDataPointHints = false;
    bool FUserCanMoveDataPoints = false;
    TiPlotChannelDataPointMoveStyle FUserCanMoveDataPointsStyle = ipcdpmsXandY;
    bool FMarkersBrushUseChannelColor = true;
    bool FMarkersPenUseChannelColor = true;
    bool FTraceVisible = true;
    int FLogBufferSize = 0;
    QString FLogFileName;
    int FRunningCount = 0;
    double FRunningXMin = 1e300, FRunningXMax = -1e300, FRunningXMean = 0;
    long double FRunningXTotal = 0;
    double FRunningYMin = 1e300, FRunningYMax = -1e300, FRunningYMean = 0;
    long double FRunningYTotal = 0;
    TiPlotDataStyle FDataStyle = ipdsStandard;
    TiPlotFont FMarkersFont;
    QString FDataCursorXText, FDataCursorYText;
    double FDataCursorYValue = 0, FDataCursorXValue = 0;
    TiPlotDataPointStatus FDataCursorStatus = ipdpsValid;
};
