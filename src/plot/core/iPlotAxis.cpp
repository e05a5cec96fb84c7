#include "core/iPlotAxis.h"

#include "core/iPlotComponent.h"
#include "rtl/Exception.h"
#include "rtl/RtlMath.h"

#include <algorithm>
#include <cmath>

const TiPublishedClass& TiPlotAxis::Published() {
    using namespace published;
    using C = TiPlotAxis;
    static const TiPublishedClass info(
        QStringLiteral("TiPlotAxis"), &TiPlotLayoutObject::Published(),
        {
            Prop<C>("Min", &C::Min, &C::SetMin),
            Prop<C>("Span", &C::Span, &C::SetSpan),
            Prop<C>("DesiredStart", &C::DesiredStart, &C::SetDesiredStart),
            Prop<C>("DesiredIncrement", &C::DesiredIncrement, &C::SetDesiredIncrement),
            Prop<C>("ReverseScale", &C::ReverseScale, &C::SetReverseScale, 0),
            Prop<C>("InnerMargin", &C::InnerMargin, &C::SetInnerMargin, 5),
            Prop<C>("OuterMargin", &C::OuterMargin, &C::SetOuterMargin, 5),
            Prop<C>("Title", &C::Title, &C::SetTitle),
            Prop<C>("TitleMargin", &C::TitleMargin, &C::SetTitleMargin),
            published::Object<C>("TitleFont", &C::TitleFont),
            Prop<C>("TitleShow", &C::TitleShow, &C::SetTitleShow, 0),
            Prop<C>("TitleRotated", &C::TitleRotated, &C::SetTitleRotated, 0),
            Prop<C>("MajorLength", &C::MajorLength, &C::SetMajorLength, 7),
            Prop<C>("MinorLength", &C::MinorLength, &C::SetMinorLength, 3),
            Prop<C>("MinorCount", &C::MinorCount, &C::SetMinorCount, 1),
            Prop<C>("LabelsVisible", &C::LabelsVisible, &C::SetLabelsVisible, 1),
            Prop<C>("LabelsMargin", &C::LabelsMargin, &C::SetLabelsMargin),
            published::Object<C>("LabelsFont", &C::LabelsFont),
            Prop<C>("LabelSeparation", &C::LabelSeparation, &C::SetLabelSeparation),
            Prop<C>("LabelsRotation", &C::LabelsRotation, &C::SetLabelsRotation),
            Prop<C>("LabelsPrecision", &C::LabelsPrecision, &C::SetLabelsPrecision, 3),
            Prop<C>("LabelsPrecisionStyle", &C::LabelsPrecisionStyle, &C::SetLabelsPrecisionStyle,
                    ipsSignificantDigits),
            Prop<C>("LabelsFormatStyle", &C::LabelsFormatStyle, &C::SetLabelsFormatStyle, iptfValue),
            Prop<C>("DateTimeFormat", &C::DateTimeFormat, &C::SetDateTimeFormat),
            Prop<C>("LabelsMinLength", &C::LabelsMinLength, &C::SetLabelsMinLength),
            Prop<C>("LabelsMinLengthAutoAdjust", &C::LabelsMinLengthAutoAdjust, &C::SetLabelsMinLengthAutoAdjust, 0),
            Prop<C>("ScaleLineShow", &C::ScaleLineShow, &C::SetScaleLineShow),
            Prop<C>("ScaleLinesShow", &C::ScaleLinesShow, &C::SetScaleLinesShow, 1),
            Prop<C>("ScaleLinesColor", &C::ScaleLinesColor, &C::SetScaleLinesColor, 0xFFFFFF),
            Prop<C>("StackingEndsMargin", &C::StackingEndsMargin, &C::SetStackingEndsMargin),
            Prop<C>("ScaleType", &C::ScaleType, &C::SetScaleType, ipstLinear),
            Prop<C>("TrackingEnabled", &C::TrackingEnabled, &C::SetTrackingEnabled, 1),
            Prop<C>("TrackingStyle", &C::TrackingStyle, &C::SetTrackingStyle),
            Prop<C>("TrackingIncrementStyle", &C::TrackingIncrementStyle, &C::SetTrackingIncrementStyle),
            Prop<C>("TrackingAlignFirstStyle", &C::TrackingAlignFirstStyle, &C::SetTrackingAlignFirstStyle, ipafsMin),
            Prop<C>("TrackingScrollCompressMax", &C::TrackingScrollCompressMax, &C::SetTrackingScrollCompressMax),
            Prop<C>("TrackingSpanMinimum", &C::TrackingSpanMinimum, &C::SetTrackingSpanMinimum),
            Prop<C>("TrackingMaxMargin", &C::TrackingMaxMargin, &C::SetTrackingMaxMargin),
            Prop<C>("TrackingMinMargin", &C::TrackingMinMargin, &C::SetTrackingMinMargin),
            Prop<C>("CursorUseDefaultFormat", &C::CursorUseDefaultFormat, &C::SetCursorUseDefaultFormat, 1),
            Prop<C>("CursorFormatStyle", &C::CursorFormatStyle, &C::SetCursorFormatStyle, iptfValue),
            Prop<C>("CursorDateTimeFormat", &C::CursorDateTimeFormat, &C::SetCursorDateTimeFormat),
            Prop<C>("CursorPrecisionStyle", &C::CursorPrecisionStyle, &C::SetCursorPrecisionStyle,
                    ipsSignificantDigits),
            Prop<C>("CursorPrecision", &C::CursorPrecision, &C::SetCursorPrecision),
            Prop<C>("CursorMinLength", &C::CursorMinLength, &C::SetCursorMinLength),
            Prop<C>("CursorMinLengthAutoAdjust", &C::CursorMinLengthAutoAdjust, &C::SetCursorMinLengthAutoAdjust, 0),
            Prop<C>("LegendUseDefaultFormat", &C::LegendUseDefaultFormat, &C::SetLegendUseDefaultFormat, 1),
            Prop<C>("LegendFormatStyle", &C::LegendFormatStyle, &C::SetLegendFormatStyle, iptfValue),
            Prop<C>("LegendDateTimeFormat", &C::LegendDateTimeFormat, &C::SetLegendDateTimeFormat),
            Prop<C>("LegendPrecisionStyle", &C::LegendPrecisionStyle, &C::SetLegendPrecisionStyle,
                    ipsSignificantDigits),
            Prop<C>("LegendPrecision", &C::LegendPrecision, &C::SetLegendPrecision),
            Prop<C>("LegendMinLength", &C::LegendMinLength, &C::SetLegendMinLength),
            Prop<C>("LegendMinLengthAutoAdjust", &C::LegendMinLengthAutoAdjust, &C::SetLegendMinLengthAutoAdjust, 0),
            Prop<C>("CursorScaler", &C::CursorScaler, &C::SetCursorScaler),
            Prop<C>("ScrollMinMaxEnabled", &C::ScrollMinMaxEnabled, &C::SetScrollMinMaxEnabled),
            Prop<C>("ScrollMax", &C::ScrollMax, &C::SetScrollMax),
            Prop<C>("ScrollMin", &C::ScrollMin, &C::SetScrollMin),
            Prop<C>("RestoreValuesOnResume", &C::RestoreValuesOnResume, &C::SetRestoreValuesOnResume),
            Prop<C>("MasterUIInput", &C::MasterUIInput, &C::SetMasterUIInput),
            Prop<C>("CartesianStyle", &C::CartesianStyle, &C::SetCartesianStyle),
            Prop<C>("CartesianChildRefAxisName", &C::CartesianChildRefAxisName, &C::SetCartesianChildRefAxisName),
            Prop<C>("CartesianChildRefValue", &C::CartesianChildRefValue, &C::SetCartesianChildRefValue),
            Prop<C>("AlignRefAxisName", &C::AlignRefAxisName, &C::SetAlignRefAxisName),
            Prop<C>("GridLinesVisible", &C::GridLinesVisible, &C::SetGridLinesVisible),
            Prop<C>("ForceStacking", &C::ForceStacking, &C::SetForceStacking),
        });
    return info;
}

const TiPublishedClass& TiPlotAxis::PublishedClass() const { return Published(); }

const TiPublishedClass& TiPlotXAxis::PublishedClass() const {
    static const TiPublishedClass info(QStringLiteral("TiPlotXAxis"), &TiPlotAxis::Published(), {});
    return info;
}

const TiPublishedClass& TiPlotYAxis::PublishedClass() const {
    static const TiPublishedClass info(QStringLiteral("TiPlotYAxis"), &TiPlotAxis::Published(), {});
    return info;
}

TiPlotAxis::TiPlotAxis(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                       TiNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)),
      FTitleFont(std::make_unique<TiPlotFont>()),
      FLabelsFont(std::make_unique<TiPlotFont>()) {
    TFont title;
    title.SetName(QStringLiteral("Arial"));
    title.SetSize(10);
    title.SetStyle(fsBold);
    title.SetColor(clWhite);
    FTitleFont->Assign(title);
    TFont labels;
    labels.SetColor(clWhite);
    FLabelsFont->Assign(labels);
    FTitleFont->OnChange = [this] { TriggerChange(); };
    FLabelsFont->OnChange = [this] { TriggerChange(); };
}

TiPlotAxis::~TiPlotAxis() = default;

TiPlotXAxis::TiPlotXAxis(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                         TiNotifyEvent onRename)
    : TiPlotAxis(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FHorizontal = true;
    // The time-series plot scrolls its X axis smoothly; the XY plot scales it.
    FTrackingStyle = FPlot && FPlot->IsTimeSeriesPlot() ? iptsScrollSmooth : iptsScaleMinMax;
    FTrackingAlignFirstStyle = ipafsAuto;
}

TiPlotYAxis::TiPlotYAxis(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                         TiNotifyEvent onRename)
    : TiPlotAxis(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    FHorizontal = false;
    FTrackingStyle = iptsScaleMinMax;
    FTrackingAlignFirstStyle = ipafsNone;
}

// ---- range ----------------------------------------------------------------------------

void TiPlotAxis::SetMin(double value) {
    if (std::isnan(value)) return;
    value = std::clamp(value, -1e300, 1e300);
    if (value == FMin) return;
    const double old = FMin;
    FMin = value;
    TriggerChange();
    if (!FBlockMinSpanEvents && FPlot) {
        FPlot->DoAxisMinChange(this, old, value);
        FPlot->DoAxisMinSpanChange(this, old, FSpan, value, FSpan);
    }
}

void TiPlotAxis::SetSpan(double value) {
    if (std::isnan(value)) return;
    value = std::clamp(value, 1e-300, 1e300);
    if (value == FSpan) return;
    const double old = FSpan;
    FSpan = value;
    TriggerChange();
    if (!FBlockMinSpanEvents && FPlot) {
        FPlot->DoAxisSpanChange(this, old, value);
        FPlot->DoAxisMinSpanChange(this, FMin, old, FMin, value);
    }
}

void TiPlotAxis::SetMinSpan(double newMin, double newSpan) {
    if (FScaleType == ipstLog10) {
        if (newMin <= 0) newMin = 1;
        if (newSpan <= 0) newSpan = 1;
    }
    if (newMin == FMin && newSpan == FSpan) return;
    const double oldMin = FMin, oldSpan = FSpan;
    FBlockMinSpanEvents = true;
    try {
        SetMin(newMin);
        SetSpan(newSpan);
    } catch (...) {
        FBlockMinSpanEvents = false;
        throw;
    }
    FBlockMinSpanEvents = false;
    if (!FPlot) return;
    if (newMin != oldMin) FPlot->DoAxisMinChange(this, oldMin, newMin);
    if (newSpan != oldSpan) FPlot->DoAxisSpanChange(this, oldSpan, newSpan);
    FPlot->DoAxisMinSpanChange(this, oldMin, oldSpan, FMin, FSpan);
}

void TiPlotAxis::SetScaleType(TiPlotScaleType value) {
    if (value == FScaleType) return;
    if (value == ipstLog10 && FMin <= 0) FMin = 1;
    FScaleType = value;
    TriggerChange();
}

void TiPlotAxis::SetDesiredIncrement(double value) {
    SetProperty(std::clamp(value, 0.0, 1e300), FDesiredIncrement, Notify::Change);
}

void TiPlotAxis::SetCustomizeLabelEventText(const QString& value) {
    FCustomizeLabelEventText = value;
    FCustomizeLabelEventModified = true;
}

void TiPlotAxis::SetCartesianChildRefAxisName(const QString& value) {
    if (value == FCartesianChildRefAxisName) return;
    FCartesianChildRefAxisName = value;
    FCartesianRefAxis = nullptr;
    TriggerChange();
}

void TiPlotAxis::SetAlignRefAxisName(const QString& value) {
    if (value == FAlignRefAxisName) return;
    FAlignRefAxisName = value;
    FAlignRefAxis = nullptr;
    TriggerChange();
}

TiPlotAxis* TiPlotAxis::GetCartesianRefAxis() {
    if (FCartesianRefAxis || !FPlot) return FCartesianRefAxis;
    if (Kind() == TiPlotObjectKind::XAxis)
        FCartesianRefAxis = FPlot->GetYAxisByName(FCartesianChildRefAxisName);
    else
        FCartesianRefAxis = FPlot->GetXAxisByName(FCartesianChildRefAxisName);
    return FCartesianRefAxis;
}

TiPlotAxis* TiPlotAxis::GetAlignRefAxis() {
    if (FAlignRefAxis || !FPlot) return FAlignRefAxis;
    if (Kind() == TiPlotObjectKind::XAxis)
        FAlignRefAxis = FPlot->GetXAxisByName(FAlignRefAxisName);
    else
        FAlignRefAxis = FPlot->GetYAxisByName(FAlignRefAxisName);
    return FAlignRefAxis;
}

void TiPlotAxis::NotificationRemove(TObject* sender) {
    if (sender == FCartesianRefAxis) FCartesianRefAxis = nullptr;
    if (sender == FAlignRefAxis) FAlignRefAxis = nullptr;
}

void TiPlotAxis::NotificationRename(TObject* sender) {
    if (FCartesianRefAxis && sender == FCartesianRefAxis) FCartesianChildRefAxisName = FCartesianRefAxis->Name();
}

// ---- scale rectangle and mapping ------------------------------------------------------

void TiPlotAxis::CalcScaleRect(TCanvas& canvas) {
    canvas.Font = FLabelsFont->Font();
    const bool cartesian = FCartesianStyle != ipcsNone;
    const bool horizontal = IsHorz();
    if (cartesian)
        FQuadSide = horizontal ? iqsBottom : iqsRight;
    else if (horizontal)
        FQuadSide = FReverseSide ? iqsTop : iqsBottom;
    else
        FQuadSide = FReverseSide ? iqsRight : iqsLeft;
    const TRect draw = DrawRect();
    const bool turned = FLabelsRotation == ira090 || FLabelsRotation == ira270;
    if (horizontal) {
        FScaleRect.Top = draw.Top, FScaleRect.Bottom = draw.Bottom;
        FFocusRect.Top = draw.Top + 2, FFocusRect.Bottom = draw.Bottom - 2;
        const int c = FLabelsVisible ? LabelSize(canvas, !turned) : 0;
        const int d = cartesian ? 0
                                : int(Round(c / 2.0)) +
                                      int(Round(canvas.TextWidth(QStringLiteral("0")) * FStackingEndsMargin));
        FScaleRect.Left = FStartStacked ? draw.Left + d : draw.Left;
        FScaleRect.Right = FStopStacked ? draw.Right - d : draw.Right;
        FFocusRect.Left = FScaleRect.Left - d, FFocusRect.Right = FScaleRect.Right + d;
        FActualStart = FScaleRect.Left, FActualStop = FScaleRect.Right;
    } else {
        FScaleRect.Left = draw.Left, FScaleRect.Right = draw.Right;
        FFocusRect.Left = draw.Left + 2, FFocusRect.Right = draw.Right - 2;
        const int c = LabelSize(canvas, turned);
        const int d = cartesian ? 0 : (c + int(Round(canvas.TextHeight(QStringLiteral("0")) * FStackingEndsMargin))) / 2;
        FScaleRect.Bottom = FStartStacked ? draw.Bottom - d : draw.Bottom;
        FScaleRect.Top = FStopStacked ? draw.Top + d : draw.Top;
        FFocusRect.Bottom = FScaleRect.Bottom + d, FFocusRect.Top = FScaleRect.Top - d;
        FActualStart = FScaleRect.Bottom, FActualStop = FScaleRect.Top;
    }
    if (FReverseScale) std::swap(FActualStart, FActualStop);
    FPixelsPerSpanUnit = (FActualStart - FActualStop) / FSpan;
    if (!(std::fabs(FPixelsPerSpanUnit) <= 1e300)) FPixelsPerSpanUnit = 0;
}

namespace {

// The logarithmic range with the substitutes for a Min or Span of 0 or less.
struct LogRange {
    double m, s;
    explicit LogRange(double min, double span) : m(min > 0 ? min : 1), s(span > 0 ? span : 1) {}
    double LogMin() const { return std::log10(m); }
    double LogMax() const { return std::log10(m + s); }
};

}  // namespace

int TiPlotAxis::PositionToPixels(double value) const {
    if (FActualStart == FActualStop || FSpan <= 1e-300) return (FActualStart + FActualStop) / 2;
    double offset;
    if (FScaleType == ipstLinear) {
        offset = (value - FMin) * FPixelsPerSpanUnit;
    } else {
        const LogRange r(FMin, FSpan);
        const double l = r.LogMax() - r.LogMin();
        if (l == 0) return 0;
        const double v = value > 0 ? value : 1;
        offset = (std::log10(v) - r.LogMin()) * (FActualStart - FActualStop) / l;
    }
    // Held in range while still a double, so far-away values cannot overflow the conversion.
    if (std::isnan(offset)) offset = 0;
    offset = std::clamp(offset, -1e9, 1e9);
    return PixelFromDouble(FActualStart - std::nearbyint(offset));
}

double TiPlotAxis::PixelsToPosition(int pixel) const {
    double f;
    if (IsHorz()) {
        const int length = FScaleRect.Right - FScaleRect.Left;
        if (length == 0) return FMin;
        f = FReverseScale ? double(FScaleRect.Right - pixel) / length : double(pixel - FScaleRect.Left) / length;
    } else {
        const int length = FScaleRect.Bottom - FScaleRect.Top;
        if (length == 0) return FMin;
        f = FReverseScale ? double(pixel - FScaleRect.Top) / length : double(FScaleRect.Bottom - pixel) / length;
    }
    if (FScaleType == ipstLinear) return FMin + FSpan * f;
    const LogRange r(FMin, FSpan);
    return std::pow(10.0, r.LogMin() + (r.LogMax() - r.LogMin()) * f);
}

int TiPlotAxis::WidthToPixels(double value) const {
    return std::abs(PositionToPixels(FMin + value) - PositionToPixels(FMin));
}

double TiPlotAxis::PositionToPercent(double value) const {
    return FReverseScale ? (Max() - value) / FSpan : (value - FMin) / FSpan;
}

double TiPlotAxis::PercentToPosition(double f) const {
    if (FStopPercent - FStartPercent <= 0) return 0;
    if (FScaleType == ipstLinear) {
        if (FReverseScale) return Max() - f * FSpan;
        return FMin + (f * 100 - FStartPercent) / (FStopPercent - FStartPercent) * FSpan;
    }
    const LogRange r(FMin, FSpan);
    const double d = r.LogMax() - r.LogMin();
    return std::pow(10.0, r.LogMin() + (FReverseScale ? 1 - f : f) * d);
}

bool TiPlotAxis::PointOnScale(double value) const {
    const int p = PositionToPixels(value);
    if (IsHorz()) return p >= FScaleRect.Left && p <= FScaleRect.Right;
    return p >= FScaleRect.Top && p <= FScaleRect.Bottom;
}

void TiPlotAxis::ZoomToRect(const TRect& r) {
    int a = IsHorz() ? r.Left : r.Bottom;
    int b = IsHorz() ? r.Right : r.Top;
    if (FReverseScale) std::swap(a, b);
    const double newMin = PixelsToPosition(a);
    SetMinSpan(newMin, PixelsToPosition(b) - newMin);
}

void TiPlotAxis::Zoom(double value) {
    if (FScaleType == ipstLinear) {
        if (value <= 0) throw Exception(QStringLiteral("Linear Scale Zoom Factor must be Greater than Zero"));
        const double newSpan = FSpan * value;
        SetMinSpan((Max() + FMin) / 2 - newSpan / 2, newSpan);
    } else {
        SetMinSpan(FMin / std::pow(10.0, value), FSpan * std::pow(10.0, value));
    }
}
