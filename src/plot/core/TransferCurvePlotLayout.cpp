#include "core/TransferCurvePlotLayout.h"

#include "core/iPlotAxis.h"
#include "core/iXYPlot.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"
#include "objects/iPlotLabel.h"
#include "objects/iPlotLegend.h"
#include "objects/iPlotToolBar.h"

namespace {

TFont MakeFont(const char* name, int height, TColor color, TFontStyles style = 0) {
    TFont f;
    f.SetName(QString::fromLatin1(name));
    f.SetHeight(height);
    f.SetColor(color);
    f.SetStyle(style);
    return f;
}

// The settings both axes share.
void CommonAxis(TiPlotAxis& a) {
    a.SetEnabled(false);
    a.SetPopupEnabled(false);
    a.SetCanFocus(false);
    a.SetZOrder(0);
    a.SetMinSpan(-100, 120);
    a.SetDesiredStart(20);
    a.SetLabelsRotation(ira000);
    a.SetLabelsPrecision(2);
    a.SetLabelsMargin(0.25);
    a.SetScaleLineShow(true);
    a.SetScaleLinesShow(false);
    a.SetTrackingEnabled(false);
    a.SetTrackingStyle(iptsScaleMinMax);
    a.SetCursorScaler(1);
    a.SetScrollMinMaxEnabled(false);
    a.SetScrollMax(100);
    a.SetRestoreValuesOnResume(false);
    a.SetMasterUIInput(false);
    a.SetCartesianStyle(ipcsNone);
    a.SetCartesianChildRefAxisName(QStringLiteral("<None>"));
    a.SetGridLinesVisible(true);
    a.SetForceStacking(false);
    a.SetTitleMargin(1);
    a.SetDateTimeFormat(QStringLiteral("hh:nn:ss"));
    a.SetCursorDateTimeFormat(QStringLiteral("hh:nn:ss"));
    a.SetLegendDateTimeFormat(QStringLiteral("hh:nn:ss"));
    a.TitleFont().Assign(MakeFont("Arial", -13, clWhite, fsBold));
    a.LabelsFont().Assign(MakeFont("MS Sans Serif", -11, clYellow));
}

void CommonChannel(TiXYPlotChannel& c, const char* title) {
    c.SetTitleText(QString::fromLatin1(title));
    c.SetMarkersTurnOffLimit(0);
    c.SetDataStyle(ipdsStandard);
    c.SetXAxisName(QStringLiteral("X-Axis 1"));
    c.SetYAxisName(QStringLiteral("Y-Axis 1"));
    c.SetOPCComputerName(QStringLiteral("Local"));
}

}  // namespace

void ApplyTransferCurvePlotLayout(TiXYPlot& plot, const TransferCurvePlotPlacement& placement) {
    plot.BeginLoad();
    plot.SetName(QString::fromLatin1(placement.name));
    plot.SetBounds(placement.left, placement.top, placement.width, placement.height);

    plot.SetDataViewZHorz(1);
    plot.SetDataViewZVert(1);
    plot.SetUserCanEditObjects(false);
    plot.SetEditorFormStyle(ipfsModal);
    plot.SetCopyToClipBoardFormat(ipefMetaFile);
    plot.SetTitleVisible(false);
    plot.SetTitleText(QStringLiteral("Untitled"));
    plot.SetBorderStyle(ibsNone);
    plot.SetTabOrder(0);
    plot.SetPrintDocumentName(QStringLiteral("Untitled"));
    plot.SetPrintMarginLeft(1.0);
    plot.SetPrintMarginTop(1.0);
    plot.SetPrintMarginRight(1.0);
    plot.SetPrintMarginBottom(1.0);
    plot.SetClipAnnotationsToAxes(true);
    plot.SetBackGroundGradientEnabled(false);
    plot.SetBackGroundGradientDirection(ifdTopBottom);
    plot.SetBackGroundGradientStartColor(clBlue);
    plot.SetBackGroundGradientStopColor(clBlack);
    plot.SetDataFileColumnSeparator(ipdfcsTab);
    plot.SetDataFileFormat(ipdffText);
    plot.SetDefaultSaveImageFormat(ipifBitmap);
    plot.SetAnnotationDefaultBrushStlye(bsSolid);
    plot.SetAnnotationDefaultBrushColor(clWhite);
    plot.SetAnnotationDefaultPenStlye(psSolid);
    plot.SetAnnotationDefaultPenColor(clWhite);
    plot.SetAnnotationDefaultPenWidth(1);
    plot.SetAnnotationDefaultReference(iprtChannel);
    plot.SetAnnotationDefaultReferencePositionX(ipriChannel);
    plot.SetAnnotationDefaultReferencePositionY(ipriChannel);
    plot.SetAnnotationDefaultReferenceSizeX(ipriChannel);
    plot.SetAnnotationDefaultReferenceSizeY(ipriChannel);
    plot.HintsFont().Assign(MakeFont("MS Sans Serif", -11, clWindowText));
    plot.TitleFont().Assign(MakeFont("Arial", -19, clWhite, fsBold));
    plot.AnnotationDefaultFont().Assign(MakeFont("MS Sans Serif", -11, clWhite));

    TiPlotToolBar& toolBar = *plot.ToolBar(0);
    toolBar.SetVisible(false);
    toolBar.SetHorizontal(true);
    toolBar.SetZOrder(3);
    toolBar.SetStopPercent(100);
    toolBar.SetZoomInOutFactor(2);

    TiPlotLegend& legend = *plot.Legend(0);
    legend.SetVisible(false);
    legend.SetEnabled(false);
    legend.SetPopupEnabled(false);
    legend.SetCanFocus(false);
    legend.SetHorizontal(false);
    legend.SetZOrder(2);
    legend.SetStopPercent(100);
    legend.SetMarginLeft(1), legend.SetMarginTop(1), legend.SetMarginRight(1), legend.SetMarginBottom(1);
    legend.SetColumnSpacing(0.5);
    legend.SetRowSpacing(0.25);
    legend.SetWrapColDesiredCount(1);
    legend.SetWrapColAutoCountEnabled(false);
    legend.SetWrapColAutoCountMax(100);
    legend.SetWrapColSpacingAuto(true);
    legend.SetWrapColSpacingMin(2);
    legend.SetWrapRowDesiredCount(5);
    legend.SetWrapRowAutoCountEnabled(true);
    legend.SetWrapRowAutoCountMax(100);
    legend.SetWrapRowSpacingAuto(false);
    legend.SetLineColumnHeight(3);
    legend.SetCaptionColumnTitle(QStringLiteral("Title"));
    legend.SetCaptionColumnXAxisTitle(QStringLiteral("X-Axis"));
    legend.SetCaptionColumnYAxisTitle(QStringLiteral("Y-Axis"));
    legend.SetCaptionColumnXValue(QStringLiteral("X"));
    legend.SetCaptionColumnYValue(QStringLiteral("Y"));
    legend.SetCaptionColumnYMax(QStringLiteral("Y-Max"));
    legend.SetCaptionColumnYMin(QStringLiteral("Y-Min"));
    legend.SetCaptionColumnYMean(QStringLiteral("Y-Mean"));
    legend.Font().Assign(MakeFont("MS Sans Serif", -11, clWhite));
    legend.SelectedItemFont().Assign(MakeFont("MS Sans Serif", -11, clBlack));
    legend.ColumnTitlesFont().Assign(MakeFont("MS Sans Serif", -11, clAqua, fsBold));

    TiPlotXAxis& x = *plot.XAxis(0);
    CommonAxis(x);
    x.SetHorizontal(true);
    x.SetDesiredIncrement(20);
    x.SetMajorLength(9);
    x.SetMinorLength(13);
    x.SetMinorCount(4);
    x.SetLabelsMinLength(5);
    x.SetLabelSeparation(0);
    x.SetScaleLinesColor(8454143);
    x.SetTrackingIncrementStyle(iptisMajor);
    x.SetTrackingAlignFirstStyle(ipafsAuto);
    x.SetCursorPrecision(3);
    x.SetLegendPrecision(3);
    x.SetCursorMinLength(5);
    x.SetLegendMinLength(5);
    x.SetAlignRefAxisName(QStringLiteral("X-Axis 1"));
    x.SetStackingEndsMargin(1);
    x.SetTitle(QStringLiteral("X-Axis 1"));

    TiPlotYAxis& y = *plot.YAxis(0);
    CommonAxis(y);
    y.SetHorizontal(false);
    y.SetDesiredIncrement(10);
    y.SetMinorLength(8);
    y.SetLabelsMinLength(3);
    y.SetLabelSeparation(1);
    y.SetTrackingIncrementStyle(iptisMinimum);
    y.SetTrackingAlignFirstStyle(ipafsNone);
    y.SetCursorPrecision(2);
    y.SetLegendPrecision(2);
    y.SetCursorMinLength(1);
    y.SetLegendMinLength(1);
    y.SetStackingEndsMargin(0.5);
    y.SetAlignRefAxisName(QStringLiteral("Y-Axis 1"));
    y.SetTitle(QStringLiteral("Y-Axis 1"));

    // The layout stores two channels; the second one is read in after the first.
    if (plot.ChannelCount() < 2) plot.AddChannel();
    TiXYPlotChannel& curve = *plot.Channel(0);
    CommonChannel(curve, "Channel 1");
    curve.SetColor(clWhite);
    curve.SetTraceLineWidth(2);
    curve.MarkersFont().Assign(MakeFont("MS Sans Serif", -11, clWhite, fsBold));
    TiXYPlotChannel& marker = *plot.Channel(1);
    CommonChannel(marker, "Channel 2");
    marker.SetColor(8421631);
    marker.SetTraceLineStyle(iplsDot);
    marker.SetTraceLineWidth(5);
    marker.SetMarkersVisible(true);
    marker.SetMarkersAllowIndividual(true);
    marker.SetMarkersSize(5);
    marker.SetMarkersPenWidth(3);
    marker.MarkersFont().Assign(MakeFont("Tahoma", -11, clWhite, fsBold));

    TiPlotDataView& view = *plot.DataView(0);
    view.SetLayer(0);
    view.SetPopupEnabled(false);
    view.SetCanFocus(false);
    view.SetHorizontal(false);
    view.SetZOrder(0);
    view.SetStopPercent(100);
    view.SetAxesControlEnabled(false);
    view.SetAxesControlMouseStyle(ipacsBoth);
    view.SetAxesControlWheelStyle(ipacsXAxis);
    view.SetGridXAxisName(QStringLiteral("X-Axis 1"));
    view.SetGridYAxisName(QStringLiteral("Y-Axis 1"));

    TiPlotDataCursor& cursor = *plot.DataCursor(0);
    cursor.SetVisible(false);
    cursor.SetChannelName(QStringLiteral("Channel 1"));
    cursor.SetChannelAllowAll(true);
    cursor.SetChannelShowAllInLegend(true);
    cursor.SetStyle(ipcsValueXY);
    cursor.SetColor(clYellow);
    cursor.SetUseChannelColor(true);
    cursor.SetHintShow(true);
    cursor.SetHintHideOnRelease(false);
    cursor.SetHintOrientationSide(iosBottomRight);
    cursor.SetHintPosition(50);
    cursor.SetPointer1Position(50);
    cursor.SetPointer2Position(60);
    cursor.SetPointerPenWidth(1);
    cursor.Font().Assign(MakeFont("MS Sans Serif", -11, clWindowText));

    TiPlotLabel& title = *plot.Label(0);
    title.SetVisible(false);
    title.SetHorizontal(true);
    title.SetZOrder(2);
    title.SetStopPercent(100);
    title.SetCaption(QStringLiteral("Untitled"));
    title.Font().Assign(MakeFont("Arial", -19, clWhite, fsBold));

    plot.Loaded();
}
