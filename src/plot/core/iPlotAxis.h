#pragma once
// An axis of the plot: the visible range of one coordinate (Min and Span), the mapping of
// values to pixels and back on linear, logarithmic and reversed scales, its ticks and label
// texts (linear, logarithmic, date-time and price scales), the room it asks the layout for,
// and the drawing of its line, tick marks, labels and title. The X axis lies horizontally
// and the Y axis vertically unless the plot exchanges them.
#include "core/iPlotFont.h"
#include "core/iPlotObjects.h"

#include <QString>

#include <memory>
#include <vector>

enum TiPlotScaleType { ipstLinear, ipstLog10 };
enum TiPlotTextFormat { iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands };
enum TiPrecisionStyle { ipsSignificantDigits, ipsFixedDecimalPoints };
enum TiPlotTrackingStyle {
    iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage, iptsExpandCollapse,
    iptsExpandCollapseFast, iptsExpandMinMax
};
enum TiPlotTrackingIncrementStyle { iptisMinimum, iptisMajor, iptisMinor };
enum TiPlotAlignFirstStyle { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };
enum TiPlotAxisMode { ipamScroll, ipamZoom };
enum TiPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };
enum TiQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };
enum TiPlotTickType { ipttMajor, ipttMinor };

struct TiPlotTickObject {
    TiPlotTickType TickType = ipttMajor;
    double Position = 0;
    int PositionPixels = 0;
    QString Text;
    bool Show = false;
};

class TiPlotAxis : public TiPlotLayoutObject {
public:
    TiPlotAxis(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
               TiNotifyEvent onRename);
    ~TiPlotAxis() override;

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();
    // Layout data: LabelSeparation and TitleMargin again when they are 0 (a layout leaves a
    // zero float out, and neither defaults to 0); "Span_2" of older layouts is read straight
    // into the span, without clamp or notification, and never written.
    void WriteDefinedProperties(TiStreamWriter& writer) const override;
    bool ReadDefinedProperty(const QString& name, const QString& value) override;

    // ---- range and mapping --------------------------------------------------------------
    double Min() const { return FMin; }
    // Held to -1e300..1e300; fires the Min-change and MinSpan-change events.
    void SetMin(double value);
    double Span() const { return FSpan; }
    // Held to 1e-300..1e300; fires the Span-change and MinSpan-change events.
    void SetSpan(double value);
    double Max() const { return FMin + FSpan; }
    double Mid() const { return FMin + FSpan / 2; }
    // Both at once, with one MinSpan-change event.
    void SetMinSpan(double newMin, double newSpan);
    // While blocked, Min and Span change without their events.
    void SetBlockMinSpanEvents(bool value) { FBlockMinSpanEvents = value; }
    TiPlotScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TiPlotScaleType value);
    bool ReverseScale() const { return FReverseScale; }
    void SetReverseScale(bool value) { SetProperty(value, FReverseScale, Notify::Change); }

    // The pixel of a value (clamped to -32000..32000; the midpoint of the scale while it has
    // no length; values <= 0 on a log scale map like 1).
    int PositionToPixels(double value) const;
    double PixelsToPosition(int pixel) const;
    int WidthToPixels(double value) const;
    double PercentToPosition(double value) const;
    double PositionToPercent(double value) const;
    // Whether a value maps inside the scale rectangle (ends included).
    bool PointOnScale(double value) const;
    bool ValueOnScale(double value) const { return PointOnScale(value); }
    int MinPixels() const { return PositionToPixels(FMin); }
    int MaxPixels() const { return PositionToPixels(Max()); }
    void ZoomToRect(const TRect& rect);
    // Zooms by a factor on the span about its centre (a linear factor <= 0 raises "Linear
    // Scale Zoom Factor must be Greater than Zero"); on a log scale by powers of ten.
    void Zoom(double value);
    TiPlotAxisMode Mode() const { return FMode; }
    void SetMode(TiPlotAxisMode value) { FMode = value; }

    // The scale rectangle for the canvas's label font (recomputed by every tick computation).
    void CalcScaleRect(TCanvas& canvas);
    TRect ScaleRect() const { return FScaleRect; }
    TRect FocusRect() const { return FFocusRect; }
    TiQuadSide QuadSide() const { return FQuadSide; }

    TiPlotAxis* GetCartesianRefAxis();
    TiPlotAxis* GetAlignRefAxis();

    // ---- ticks and texts ----------------------------------------------------------------
    void CalcTicks(TCanvas& canvas);
    int TickListAdd(double position, const QString& label, TiPlotTickType style);
    void TickListClear();
    int TickListCount() const { return int(FTickList.size()); }
    const TiPlotTickObject& Tick(int index) const { return FTickList.at(std::size_t(index)); }
    bool TickListCustom() const { return FTickListCustom; }
    void SetTickListCustom(bool value) { FTickListCustom = value; }
    double MajorIncrement() const { return FMajorIncrement; }
    double MinorIncrement() const { return FMinorIncrement; }
    QString GetLabelText(double value);
    QString GetCursorText(double value);
    QString GetCursorValueText(double value);
    QString GetLegendText(double value);
    int LegendMinWidth(TCanvas& canvas, const TFont& font);
    int CursorMinWidth(TCanvas& canvas, const TFont& font);
    const QString& CustomizeLabelEventText() const { return FCustomizeLabelEventText; }
    void SetCustomizeLabelEventText(const QString& value);

    // ---- interaction and tracking (iPlotAxisInteraction.cpp) ----------------------------
    // A channel's new point on this axis: widens or scrolls the range by TrackingStyle.
    virtual void NewTrackingData(double value);
    // The next tracking data aligns the range again.
    void ResetFirstAlign() { FFirstAlignDone = false; }
    // Moves the range by a fraction of the span (held inside ScrollMin..ScrollMax when
    // enabled); on a log scale by that fraction of its decades.
    void ScrollBy(double fraction);
    // Shrinks the span by 10^exponent about the centre (linear) or shifts decades (log).
    void ZoomBy(double exponent);
    // Fits the range to the data of the channels on this axis (a scan; running extremes).
    void ZoomToFit();
    void ZoomToFitFast();
    // Stores Min, Span and LabelsMinLength as the range that resuming tracking restores.
    void UpdateResumeValues();
    double ResumeMin() const { return FPreviousMin; }
    double ResumeSpan() const { return FPreviousSpan; }
    // Mode with scroll and zoom exchanged while Ctrl is held (mouse and wheel use it).
    TiPlotAxisMode GetEffectiveMode(TShiftState shift) const;
    void DoMouseLeft(const TiPlotMouseData& mouseData) override;
    void DoMouseMove(const TiPlotMouseData& mouseData) override;
    void DoMouseUp(const TiPlotMouseData& mouseData) override;
    bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) override;
    void iKeyDown(int& key, TShiftState shift, TPopupMenu* popupMenu) override;
    void DoMouseHint(const TiPlotMouseData& mouseData, TiHintData& hintData) override;
    TCursor GetMouseCursor(const TPoint& point) override;
    bool iMouseHitTest(const TiPlotMouseData& mouseData) override;
    void AddMenuItems(TPopupMenu* popupMenu) override;
    void NotificationSetFocus(TObject* sender) override;

    // ---- layout and drawing -------------------------------------------------------------
    int GetRequiredWidth(TCanvas& canvas) override;
    int GetRequiredEndSpace(TCanvas& canvas) override;
    void SetCanDraw(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    // Grid lines at the shown ticks across Rect; styles 0 solid, 1 dash, 2 dot.
    void DrawGridLines(TCanvas& canvas, const TRect& rect, bool showMajors, bool showMinors, int majorStyle,
                       int minorStyle, TColor majorColor, TColor minorColor, int majorWidth, int minorWidth);
    void NotificationRemove(TObject* sender) override;
    void NotificationRename(TObject* sender) override;

    // ---- published settings -------------------------------------------------------------
    double DesiredStart() const { return FDesiredStart; }
    void SetDesiredStart(double v) { SetProperty(v, FDesiredStart, Notify::Change); }
    double DesiredIncrement() const { return FDesiredIncrement; }
    void SetDesiredIncrement(double v);
    int InnerMargin() const { return FInnerMargin; }
    void SetInnerMargin(int v) { SetProperty(v, FInnerMargin, Notify::Change); }
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int v) { SetProperty(v, FOuterMargin, Notify::Change); }
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& v) { SetProperty(v, FTitle, Notify::Change); }
    double TitleMargin() const { return FTitleMargin; }
    void SetTitleMargin(double v) { SetProperty(v, FTitleMargin, Notify::Change); }
    TiPlotFont& TitleFont() { return *FTitleFont; }
    bool TitleShow() const { return FTitleShow; }
    void SetTitleShow(bool v) { SetProperty(v, FTitleShow, Notify::Change); }
    bool TitleRotated() const { return FTitleRotated; }
    void SetTitleRotated(bool v) { SetProperty(v, FTitleRotated, Notify::Change); }
    int MajorLength() const { return FMajorLength; }
    void SetMajorLength(int v) { SetProperty(v, FMajorLength, Notify::Change); }
    int MinorLength() const { return FMinorLength; }
    void SetMinorLength(int v) { SetProperty(v, FMinorLength, Notify::Change); }
    int MinorCount() const { return FMinorCount; }
    void SetMinorCount(int v) { SetProperty(v, FMinorCount, Notify::Change); }
    bool LabelsVisible() const { return FLabelsVisible; }
    void SetLabelsVisible(bool v) { SetProperty(v, FLabelsVisible, Notify::Change); }
    double LabelsMargin() const { return FLabelsMargin; }
    void SetLabelsMargin(double v) { SetProperty(v, FLabelsMargin, Notify::Change); }
    TiPlotFont& LabelsFont() { return *FLabelsFont; }
    double LabelSeparation() const { return FLabelSeparation; }
    void SetLabelSeparation(double v) { SetProperty(v, FLabelSeparation, Notify::Change); }
    TiRotationAngle LabelsRotation() const { return FLabelsRotation; }
    void SetLabelsRotation(TiRotationAngle v) { SetProperty(v, FLabelsRotation, Notify::Change); }
    int LabelsPrecision() const { return FLabelsPrecision; }
    void SetLabelsPrecision(int v) { SetProperty(v, FLabelsPrecision, Notify::Change); }
    TiPrecisionStyle LabelsPrecisionStyle() const { return FLabelsPrecisionStyle; }
    void SetLabelsPrecisionStyle(TiPrecisionStyle v) { SetProperty(v, FLabelsPrecisionStyle, Notify::Change); }
    TiPlotTextFormat LabelsFormatStyle() const { return FLabelsFormatStyle; }
    void SetLabelsFormatStyle(TiPlotTextFormat v) { SetProperty(v, FLabelsFormatStyle, Notify::Change); }
    const QString& DateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const QString& v) { SetProperty(v, FDateTimeFormat, Notify::Change); }
    double LabelsMinLength() const { return FLabelsMinLength; }
    void SetLabelsMinLength(double v) { SetProperty(v, FLabelsMinLength, Notify::Change); }
    bool LabelsMinLengthAutoAdjust() const { return FLabelsMinLengthAutoAdjust; }
    void SetLabelsMinLengthAutoAdjust(bool v) { SetProperty(v, FLabelsMinLengthAutoAdjust, Notify::Change); }
    bool ScaleLineShow() const { return FScaleLineShow; }
    void SetScaleLineShow(bool v) { SetProperty(v, FScaleLineShow, Notify::Change); }
    bool ScaleLinesShow() const { return FScaleLinesShow; }
    void SetScaleLinesShow(bool v) { SetProperty(v, FScaleLinesShow, Notify::Change); }
    TColor ScaleLinesColor() const { return FScaleLinesColor; }
    void SetScaleLinesColor(TColor v) { SetProperty(v, FScaleLinesColor, Notify::Change); }
    double StackingEndsMargin() const { return FStackingEndsMargin; }
    void SetStackingEndsMargin(double v) { SetProperty(v, FStackingEndsMargin, Notify::Change); }
    bool TrackingEnabled() const { return FTrackingEnabled; }
    // With RestoreValuesOnResume, turning tracking on restores the resume range and turning
    // it off stores the current one.
    void SetTrackingEnabled(bool v);
    TiPlotTrackingStyle TrackingStyle() const { return FTrackingStyle; }
    void SetTrackingStyle(TiPlotTrackingStyle v) { SetProperty(v, FTrackingStyle, Notify::Change); }
    TiPlotTrackingIncrementStyle TrackingIncrementStyle() const { return FTrackingIncrementStyle; }
    void SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle v) {
        SetProperty(v, FTrackingIncrementStyle, Notify::Change);
    }
    TiPlotAlignFirstStyle TrackingAlignFirstStyle() const { return FTrackingAlignFirstStyle; }
    void SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle v) {
        SetProperty(v, FTrackingAlignFirstStyle, Notify::Change);
    }
    double TrackingScrollCompressMax() const { return FTrackingScrollCompressMax; }
    void SetTrackingScrollCompressMax(double v) { SetProperty(v, FTrackingScrollCompressMax, Notify::Change); }
    double TrackingSpanMinimum() const { return FTrackingSpanMinimum; }
    void SetTrackingSpanMinimum(double v) { SetProperty(v, FTrackingSpanMinimum, Notify::Change); }
    double TrackingMaxMargin() const { return FTrackingMaxMargin; }
    void SetTrackingMaxMargin(double v) { SetProperty(v, FTrackingMaxMargin, Notify::Change); }
    double TrackingMinMargin() const { return FTrackingMinMargin; }
    void SetTrackingMinMargin(double v) { SetProperty(v, FTrackingMinMargin, Notify::Change); }
    bool CursorUseDefaultFormat() const { return FCursorUseDefaultFormat; }
    void SetCursorUseDefaultFormat(bool v) { SetProperty(v, FCursorUseDefaultFormat, Notify::Change); }
    TiPlotTextFormat CursorFormatStyle() const { return FCursorFormatStyle; }
    void SetCursorFormatStyle(TiPlotTextFormat v) { SetProperty(v, FCursorFormatStyle, Notify::Change); }
    const QString& CursorDateTimeFormat() const { return FCursorDateTimeFormat; }
    void SetCursorDateTimeFormat(const QString& v) { SetProperty(v, FCursorDateTimeFormat, Notify::Change); }
    TiPrecisionStyle CursorPrecisionStyle() const { return FCursorPrecisionStyle; }
    void SetCursorPrecisionStyle(TiPrecisionStyle v) { SetProperty(v, FCursorPrecisionStyle, Notify::Change); }
    int CursorPrecision() const { return FCursorPrecision; }
    void SetCursorPrecision(int v) { SetProperty(v, FCursorPrecision, Notify::Change); }
    double CursorMinLength() const { return FCursorMinLength; }
    void SetCursorMinLength(double v) { SetProperty(v, FCursorMinLength, Notify::Change); }
    bool CursorMinLengthAutoAdjust() const { return FCursorMinLengthAutoAdjust; }
    void SetCursorMinLengthAutoAdjust(bool v) { SetProperty(v, FCursorMinLengthAutoAdjust, Notify::Change); }
    bool LegendUseDefaultFormat() const { return FLegendUseDefaultFormat; }
    void SetLegendUseDefaultFormat(bool v) { SetProperty(v, FLegendUseDefaultFormat, Notify::Change); }
    TiPlotTextFormat LegendFormatStyle() const { return FLegendFormatStyle; }
    void SetLegendFormatStyle(TiPlotTextFormat v) { SetProperty(v, FLegendFormatStyle, Notify::Change); }
    const QString& LegendDateTimeFormat() const { return FLegendDateTimeFormat; }
    void SetLegendDateTimeFormat(const QString& v) { SetProperty(v, FLegendDateTimeFormat, Notify::Change); }
    TiPrecisionStyle LegendPrecisionStyle() const { return FLegendPrecisionStyle; }
    void SetLegendPrecisionStyle(TiPrecisionStyle v) { SetProperty(v, FLegendPrecisionStyle, Notify::Change); }
    int LegendPrecision() const { return FLegendPrecision; }
    void SetLegendPrecision(int v) { SetProperty(v, FLegendPrecision, Notify::Change); }
    double LegendMinLength() const { return FLegendMinLength; }
    void SetLegendMinLength(double v) { SetProperty(v, FLegendMinLength, Notify::Change); }
    bool LegendMinLengthAutoAdjust() const { return FLegendMinLengthAutoAdjust; }
    void SetLegendMinLengthAutoAdjust(bool v) { SetProperty(v, FLegendMinLengthAutoAdjust, Notify::Change); }
    double CursorScaler() const { return FCursorScaler; }
    void SetCursorScaler(double v) { SetProperty(v, FCursorScaler, Notify::Change); }
    bool ScrollMinMaxEnabled() const { return FScrollMinMaxEnabled; }
    void SetScrollMinMaxEnabled(bool v) { SetProperty(v, FScrollMinMaxEnabled, Notify::Change); }
    double ScrollMax() const { return FScrollMax; }
    void SetScrollMax(double v) { SetProperty(v, FScrollMax, Notify::Change); }
    double ScrollMin() const { return FScrollMin; }
    void SetScrollMin(double v) { SetProperty(v, FScrollMin, Notify::Change); }
    bool RestoreValuesOnResume() const { return FRestoreValuesOnResume; }
    void SetRestoreValuesOnResume(bool v) { SetProperty(v, FRestoreValuesOnResume, Notify::Change); }
    bool MasterUIInput() const { return FMasterUIInput; }
    void SetMasterUIInput(bool v) { SetProperty(v, FMasterUIInput, Notify::Change); }
    TiPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
    void SetCartesianStyle(TiPlotCartesianStyle v) { SetProperty(v, FCartesianStyle, Notify::Change); }
    const QString& CartesianChildRefAxisName() const { return FCartesianChildRefAxisName; }
    void SetCartesianChildRefAxisName(const QString& v);
    double CartesianChildRefValue() const { return FCartesianChildRefValue; }
    void SetCartesianChildRefValue(double v) { SetProperty(v, FCartesianChildRefValue, Notify::Change); }
    const QString& AlignRefAxisName() const { return FAlignRefAxisName; }
    void SetAlignRefAxisName(const QString& v);
    bool GridLinesVisible() const { return FGridLinesVisible; }
    void SetGridLinesVisible(bool v) { SetProperty(v, FGridLinesVisible, Notify::Change); }

protected:
    QString FormatValueText(TiPlotTextFormat style, const QString& dateTimeFormat, double value, int precision,
                            TiPrecisionStyle precisionStyle, double& minLength, bool autoAdjust);
    int GetMaxLabelWidth(TCanvas& canvas);
    void AddTick(double position, TiPlotTickType type);
    void FreeTicks() { FTickList.clear(); }
    void MarkShownTicks();
    int LabelSize(TCanvas& canvas, bool widest);
    void DrawScaleLine(TCanvas& canvas);
    void DrawTick(TCanvas& canvas, const TiPlotTickObject& tick);
    void DrawLabel(TCanvas& canvas, const TiPlotTickObject& tick);
    void DrawTitle(TCanvas& canvas);
    // A line across the axis at `pixel` from offset o1 to o2 (measured outward from the edge
    // next to the data view; the second end excluded).
    void DrawMark(TCanvas& canvas, int pixel, int o1, int o2);

    double FMin = 0;
    double FSpan = 100;
    double FDesiredStart = 0;
    double FDesiredIncrement = 0;
    bool FReverseScale = false;
    int FInnerMargin = 5;
    int FOuterMargin = 5;
    QString FTitle;
    double FTitleMargin = 0.25;
    std::unique_ptr<TiPlotFont> FTitleFont;
    bool FTitleShow = false;
    bool FTitleRotated = false;
    int FMajorLength = 7;
    int FMinorLength = 3;
    int FMinorCount = 1;
    bool FLabelsVisible = true;
    double FLabelsMargin = 0.25;
    std::unique_ptr<TiPlotFont> FLabelsFont;
    double FLabelSeparation = 2;
    TiRotationAngle FLabelsRotation = ira000;
    int FLabelsPrecision = 3;
    TiPrecisionStyle FLabelsPrecisionStyle = ipsSignificantDigits;
    TiPlotTextFormat FLabelsFormatStyle = iptfValue;
    QString FDateTimeFormat = QStringLiteral("hh:nn:ss");
    double FLabelsMinLength = 5;
    bool FLabelsMinLengthAutoAdjust = false;
    bool FScaleLineShow = true;
    bool FScaleLinesShow = true;
    TColor FScaleLinesColor = 0xFFFFFF;
    double FStackingEndsMargin = 0.5;
    TiPlotScaleType FScaleType = ipstLinear;
    bool FTrackingEnabled = true;
    TiPlotTrackingStyle FTrackingStyle = iptsScaleMinMax;
    TiPlotTrackingIncrementStyle FTrackingIncrementStyle = iptisMinimum;
    TiPlotAlignFirstStyle FTrackingAlignFirstStyle = ipafsMin;
    double FTrackingScrollCompressMax = 0;
    double FTrackingSpanMinimum = 0;
    double FTrackingMaxMargin = 0;
    double FTrackingMinMargin = 0;
    bool FCursorUseDefaultFormat = true;
    TiPlotTextFormat FCursorFormatStyle = iptfValue;
    QString FCursorDateTimeFormat = QStringLiteral("hh:nn:ss");
    TiPrecisionStyle FCursorPrecisionStyle = ipsSignificantDigits;
    int FCursorPrecision = 3;
    double FCursorMinLength = 5;
    bool FCursorMinLengthAutoAdjust = false;
    bool FLegendUseDefaultFormat = true;
    TiPlotTextFormat FLegendFormatStyle = iptfValue;
    QString FLegendDateTimeFormat = QStringLiteral("hh:nn:ss");
    TiPrecisionStyle FLegendPrecisionStyle = ipsSignificantDigits;
    int FLegendPrecision = 3;
    double FLegendMinLength = 5;
    bool FLegendMinLengthAutoAdjust = false;
    double FCursorScaler = 1;
    bool FScrollMinMaxEnabled = false;
    double FScrollMax = 100;
    double FScrollMin = 0;
    bool FRestoreValuesOnResume = true;
    bool FMasterUIInput = false;
    TiPlotCartesianStyle FCartesianStyle = ipcsNone;
    QString FCartesianChildRefAxisName = QStringLiteral("<None>");
    double FCartesianChildRefValue = 0;
    QString FAlignRefAxisName = QStringLiteral("<None>");
    bool FGridLinesVisible = true;

    TiPlotAxisMode FMode = ipamScroll;
    bool FTickListCustom = false;
    int FActualStart = 0;
    int FActualStop = 0;
    double FPixelsPerSpanUnit = 0;
    TRect FScaleRect;
    TRect FFocusRect;
    TiQuadSide FQuadSide = iqsBottom;
    int FRequiredWidth = 0;
    int FTitleOffset = 0;
    std::vector<TiPlotTickObject> FTickList;
    TiPlotAxis* FCartesianRefAxis = nullptr;
    TiPlotAxis* FAlignRefAxis = nullptr;
    bool FBlockMinSpanEvents = false;
    bool FFirstAlignDone = false;
    // Interaction: the press of a drag and the range at that moment; the resume range.
    bool FAxisMouseDown = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    double FMouseDownMin = 0, FMouseDownSpan = 0;
    double FPreviousMin = 0, FPreviousSpan = 100, FPreviousLabelsMinLength = 5;
    // Snaps the range outward to whole tracking increments (none when the increment is 0).
    void SnapToTrackingIncrement();
    // The MinSpan-change-finished event when the range differs from (oldMin, oldSpan).
    void FinishedIfChanged(double oldMin, double oldSpan);
    bool FAllowLabelMinAdjust = false;
    QString FCustomizeLabelEventText;
    bool FCustomizeLabelEventModified = false;
    bool FMonthModeEnabled = false;
    bool FYearModeEnabled = false;
    double FMajorIncrement = 0;
    double FMinorIncrement = 0;
};

class TiPlotXAxis : public TiPlotAxis {
public:
    TiPlotXAxis(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                TiNotifyEvent onRename);
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::XAxis; }
    const TiPublishedClass& PublishedClass() const override;
};

class TiPlotYAxis : public TiPlotAxis {
public:
    TiPlotYAxis(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                TiNotifyEvent onRename);
    TiPlotObjectKind Kind() const override { return TiPlotObjectKind::YAxis; }
    const TiPublishedClass& PublishedClass() const override;
};
