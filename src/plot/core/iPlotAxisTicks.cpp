// The axis's ticks, label texts, required room and drawing.
#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"
#include "rtl/RtlMath.h"
#include "rtl/TDateTime.h"
#include "ui/SysUtils.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int kMaxTicks = 5000;

QString WithoutLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString PrefixOf(int e) {
    switch (e) {
    case 24: return QStringLiteral("Y");
    case 21: return QStringLiteral("Z");
    case 18: return QStringLiteral("E");
    case 15: return QStringLiteral("P");
    case 12: return QStringLiteral("T");
    case 9: return QStringLiteral("G");
    case 6: return QStringLiteral("M");
    case 3: return QStringLiteral("K");
    case 0: return QString();
    case -3: return QStringLiteral("m");
    case -6: return QString(QChar(0x00B5));
    case -9: return QStringLiteral("n");
    case -12: return QStringLiteral("p");
    case -15: return QStringLiteral("f");
    case -18: return QStringLiteral("a");
    case -21: return QStringLiteral("z");
    case -24: return QStringLiteral("y");
    default: return QStringLiteral("\x01");  // no prefix for this exponent
    }
}

// 32nds of a price: whole part, "." and the 32nds as two digits and eighths of a 32nd as one.
// A negative price is written as its magnitude with a sign.
QString PriceText(double value) {
    if (value < 0) return QLatin1Char('-') + PriceText(-value);
    const double shifted = value + 1.0 / 512;
    const std::int64_t t = Round(Frac(shifted) * 1024);
    return QString::number(std::int64_t(Int(shifted))) + QLatin1Char('.') +
           QString::number(t / 32).rightJustified(2, QLatin1Char('0')) + QString::number((t % 32) / 4);
}

}  // namespace

// ---- label texts ----------------------------------------------------------------------

QString TiPlotAxis::FormatValueText(TiPlotTextFormat style, const QString& dateTimeFormat, double value,
                                    int precision, TiPrecisionStyle precisionStyle, double& minLength,
                                    bool autoAdjust) {
    QString text = QStringLiteral("Unknown");
    try {
        switch (style) {
        case iptfValue: {
            if (FScaleType == ipstLog10) {
                if (value <= 0) return text;
                int k = FLabelsPrecision;
                if (FLabelsPrecisionStyle == ipsSignificantDigits)
                    k = std::max(0, FLabelsPrecision - 1 - int(Trunc(std::log10(value))));
                text = FloatToStrFixed(value, k).trimmed();
            } else {
                const int k = PrecisionDecimals(precision, precisionStyle, FSpan, 0);
                text = FloatToStrFixed(value, k).trimmed();
            }
            break;
        }
        case iptfExponent: {
            const int digits = precisionStyle == ipsSignificantDigits ? precision : precision + 1;
            text = FloatToStrF(value, ffExponent, digits, 3).trimmed();
            if (FormatSettings().DecimalSeparator != QLatin1Char('.'))
                text.replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
            break;
        }
        case iptfPrefix: {
            const int e = value == 0 ? 0 : 3 * int(Int(std::log10(std::fabs(value)) / 3));
            const double s = value / std::pow(10.0, e);
            const int k = PrecisionDecimals(precision, precisionStyle, s, 0);
            const QString prefix = PrefixOf(e);
            if (prefix != QStringLiteral("\x01")) text = FloatToStrFixed(s, k).trimmed() + prefix;
            if (FSpan > 1e-10 && value > -1e-12 && value < 1e-12)
                text = QStringLiteral("0.") + QString(k, QLatin1Char('0'));
            break;
        }
        case iptfDateTime:
            if (!dateTimeFormat.isEmpty() && dateTimeFormat[0].toUpper() == QLatin1Char('J'))
                text = QString::number(Trunc(value)) + QLatin1Char(' ') + FormatDateTime(dateTimeFormat.mid(1), value);
            else
                text = FormatDateTime(dateTimeFormat, value);
            text = text.trimmed();
            break;
        case iptfPrice32nds: text = PriceText(value); break;
        case iptfThousands:
            text = FloatToStrThousands(value, PrecisionDecimals(precision, precisionStyle, FSpan, 0)).trimmed();
            break;
        }
    } catch (...) {
        text = QStringLiteral("Error");
    }
    FCustomizeLabelEventText = text;
    FCustomizeLabelEventModified = false;
    if (FPlot && !FPlot->IsLoading()) FPlot->DoAxisCustomizeLabel(this, text, value);
    if (FCustomizeLabelEventModified) text = FCustomizeLabelEventText;
    if (autoAdjust && FAllowLabelMinAdjust && text.size() > minLength) minLength = text.size();
    return text;
}

QString TiPlotAxis::GetLabelText(double value) {
    return FormatValueText(FLabelsFormatStyle, FDateTimeFormat, value, FLabelsPrecision, FLabelsPrecisionStyle,
                           FLabelsMinLength, FLabelsMinLengthAutoAdjust);
}

QString TiPlotAxis::GetCursorText(double value) {
    if (FCursorUseDefaultFormat) return WithoutLineBreaks(GetLabelText(value));
    return WithoutLineBreaks(FormatValueText(FCursorFormatStyle, FCursorDateTimeFormat, value, FCursorPrecision,
                                             FCursorPrecisionStyle, FCursorMinLength, FCursorMinLengthAutoAdjust));
}

QString TiPlotAxis::GetCursorValueText(double value) {
    if (FCursorUseDefaultFormat)
        return WithoutLineBreaks(FormatValueText(iptfValue, QString(), value, FLabelsPrecision, FLabelsPrecisionStyle,
                                                 FLabelsMinLength, FLabelsMinLengthAutoAdjust));
    return WithoutLineBreaks(FormatValueText(iptfValue, QString(), value, FCursorPrecision, FCursorPrecisionStyle,
                                             FCursorMinLength, FCursorMinLengthAutoAdjust));
}

QString TiPlotAxis::GetLegendText(double value) {
    if (FLegendUseDefaultFormat) return WithoutLineBreaks(GetLabelText(value));
    return WithoutLineBreaks(FormatValueText(FLegendFormatStyle, FLegendDateTimeFormat, value, FLegendPrecision,
                                             FLegendPrecisionStyle, FLegendMinLength, FLegendMinLengthAutoAdjust));
}

int TiPlotAxis::LegendMinWidth(TCanvas& canvas, const TFont& font) {
    canvas.Font = font;
    const double length = FLegendUseDefaultFormat ? FLabelsMinLength : FLegendMinLength;
    return int(Round(canvas.TextWidth(QStringLiteral("0")) * length));
}

int TiPlotAxis::CursorMinWidth(TCanvas& canvas, const TFont& font) {
    canvas.Font = font;
    const double length = FCursorUseDefaultFormat ? FLabelsMinLength : FCursorMinLength;
    return int(Round(canvas.TextWidth(QStringLiteral("0")) * length));
}

int TiPlotAxis::GetMaxLabelWidth(TCanvas& canvas) {
    canvas.Font = FLabelsFont->Font();
    const int m = int(Round(canvas.TextWidth(QStringLiteral("0")) * FLabelsMinLength));
    FAllowLabelMinAdjust = true;
    const QString sample = GetLabelText(FSpan * (1 + Int(FMin / FSpan)));
    FAllowLabelMinAdjust = false;
    int widest = std::max(m, MultiLineTextWidth(canvas, sample));
    for (const TiPlotTickObject& t : FTickList) widest = std::max(widest, MultiLineTextWidth(canvas, t.Text));
    return widest;
}

int TiPlotAxis::LabelSize(TCanvas& canvas, bool widest) {
    if (widest) return GetMaxLabelWidth(canvas);
    canvas.Font = FLabelsFont->Font();
    return TextHeightOf(canvas, GetLabelText(FMin));
}

// ---- ticks ----------------------------------------------------------------------------

int TiPlotAxis::TickListAdd(double position, const QString& label, TiPlotTickType style) {
    if (FScaleType == ipstLog10 && position <= 0)
        throw Exception(QStringLiteral("Log Scale Requires Position to be Greater Than Zero"));
    TiPlotTickObject t;
    t.TickType = style;
    t.Position = position;
    t.Text = label;
    FTickList.push_back(t);
    TriggerChange();
    return TickListCount() - 1;
}

void TiPlotAxis::TickListClear() {
    FTickList.clear();
    TriggerChange();
}

void TiPlotAxis::AddTick(double position, TiPlotTickType type) {
    if (!PointOnScale(position)) return;
    if (FScaleType == ipstLog10 && position <= 0) return;
    TiPlotTickObject t;
    t.TickType = type;
    t.Position = position;
    if (type == ipttMajor) t.Text = GetLabelText(position);
    FTickList.push_back(t);
}

void TiPlotAxis::MarkShownTicks() {
    for (TiPlotTickObject& t : FTickList) {
        t.Show = PointOnScale(t.Position);
        if (t.Show) t.PositionPixels = PositionToPixels(t.Position);
    }
}

void TiPlotAxis::CalcTicks(TCanvas& canvas) {
    FMonthModeEnabled = false;
    FYearModeEnabled = false;
    CalcScaleRect(canvas);
    struct Finally {
        TiPlotAxis& a;
        ~Finally() { a.MarkShownTicks(); }
    } finish{*this};
    if (FTickListCustom) return;
    FreeTicks();
    canvas.Font = FLabelsFont->Font();

    const bool horizontal = IsHorz();
    const bool turned = FLabelsRotation == ira090 || FLabelsRotation == ira270;
    const int w0 = canvas.TextWidth(QStringLiteral("0")), h0 = canvas.TextHeight(QStringLiteral("0"));
    int p = 0;
    if (horizontal != turned)
        p = int(Round(w0 * (FLabelSeparation + 1) + GetMaxLabelWidth(canvas)));
    else
        p = int(Round(h0 * (FLabelSeparation + 1)));
    if (p < 1) p = 1;
    const int length = horizontal ? FScaleRect.Right - FScaleRect.Left : FScaleRect.Bottom - FScaleRect.Top;
    int c = std::max(1, length / p);

    if (FScaleType == ipstLog10) {
        // A Min or Span of 0 or less counts as 1, as in the mapping.
        const double m = FMin > 0 ? FMin : 1, s = FSpan > 0 ? FSpan : 1;
        const double d = std::log10(m + s) - std::log10(m);
        if (d > 1) {
            double step = 1, x = 0;
            const double b = FMin > 0 ? FMin : 1;
            if (c >= d) {
                x = Int(std::log10(m)) - 1;
            } else {
                step = 200;
                for (double s : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0})
                    if (c >= d / s) {
                        step = s;
                        break;
                    }
                x = Int(std::log10(b));
            }
            while (std::pow(10.0, x) <= b + FSpan && int(FTickList.size()) <= kMaxTicks) {
                const double major = std::pow(10.0, x);
                AddTick(major, ipttMajor);
                if (step == 1)
                    for (int k = 2; k <= 9; ++k) AddTick(k * major, ipttMinor);
                x += step;
            }
            return;
        }
    }

    FMajorIncrement = 0;
    int n = 0;
    if (FSpan <= 1e-299) {
        n = 1;
        FMajorIncrement = FSpan;
    }
    if (n == 0 && FDesiredIncrement != 0 && !FLabelsVisible &&
        FSpan / FDesiredIncrement < double(length) / (FMinorCount + 1)) {
        n = int(Round(FSpan / FDesiredIncrement));
        FMajorIncrement = FDesiredIncrement;
        c = n;
    }
    if (n == 0 && FDesiredIncrement != 0 && c > FSpan / FDesiredIncrement) {
        n = int(Round(FSpan / FDesiredIncrement));
        FMajorIncrement = FDesiredIncrement;
        c = n;
    }
    if (c < 1) c = 1;
    if (n == 0) {
        if (FLabelsFormatStyle == iptfDateTime) {
            const int a = c - 1;
            auto pick = [&](int units, std::initializer_list<int> steps, double daysPerUnit) {
                for (int s : steps)
                    if (a >= units / s) {
                        FMajorIncrement = s * daysPerUnit;
                        n = std::max(units / s, 1);
                        return true;
                    }
                return false;
            };
            if (!pick(SpanMilliseconds(FSpan), {1, 2, 5, 10, 20, 50, 100, 200, 500}, 1.0 / 86400000) &&
                !pick(SpanSeconds(FSpan), {1, 2, 5, 10, 15, 20, 30}, 1.0 / 86400) &&
                !pick(SpanMinutes(FSpan), {1, 2, 5, 10, 15, 20, 30}, 1.0 / 1440) &&
                !pick(SpanHours(FSpan), {1, 2, 4, 6, 12}, 1.0 / 24) &&
                !pick(int(std::min<double>(Trunc(FSpan), INT_MAX)), {1, 7, 14}, 1.0)) {
                const int days = int(std::min<double>(Trunc(FSpan), INT_MAX));
                bool months = false;
                for (const auto& [m, d] : {std::pair{1, 31}, std::pair{2, 61}, std::pair{3, 92}, std::pair{6, 183}})
                    if (a >= days / d) {
                        FMajorIncrement = m;
                        n = std::max(days / d, 1);
                        FMonthModeEnabled = true;
                        months = true;
                        break;
                    }
                if (!months) {
                    FYearModeEnabled = true;
                    bool found = false;
                    for (int e = 0; e < 300 && !found; ++e)
                        for (int s : {1, 2, 5}) {
                            const double years = s * Trunc(std::pow(10.0, e));
                            const double span = 365 * years;
                            if (a >= Trunc(days / span)) {
                                FMajorIncrement = years;
                                n = std::max(int(days / span), 1);
                                found = true;
                                break;
                            }
                        }
                }
            }
        } else if (FLabelsFormatStyle == iptfPrice32nds) {
            bool found = false;
            for (double s : {1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2})
                if (c >= FSpan / s) {
                    FMajorIncrement = s;
                    n = int(Trunc(FSpan / s));
                    found = true;
                    break;
                }
            for (int e = 0; e < 300 && !found; ++e)
                for (int s : {1, 2, 5}) {
                    const double step = s * Trunc(std::pow(10.0, e));
                    if (c >= FSpan / step) {
                        FMajorIncrement = step;
                        n = int(Trunc(FSpan / step));
                        found = true;
                        break;
                    }
                }
        } else {
            int e = int(Trunc(std::log10(FSpan) - 1 - std::log10(double(c))));
            for (bool found = false; !found && e < 400; ++e)
                for (int s : {1, 2, 5}) {
                    const double step = s * std::pow(10.0, e);
                    if (c >= FSpan / step) {
                        FMajorIncrement = step;
                        n = int(Round(FSpan / step));
                        found = true;
                        break;
                    }
                }
        }
    }
    if (n < 2 && c > 1) {
        FMajorIncrement = FMajorIncrement / 2;
        n = 2;
    }
    if (c < n) {
        n = c;
        FMajorIncrement = FSpan / c;
    }
    if (!(FMajorIncrement > 0)) {
        AddTick(FMin + FSpan / 2, ipttMajor);
        return;
    }
    const double first = Int(FMin / FMajorIncrement) * FMajorIncrement;
    FMinorIncrement = FMajorIncrement / (FMinorCount + 1);
    const bool minors = FMinorCount >= 1 && !FMonthModeEnabled && !FYearModeEnabled && FMinorIncrement != 0;

    double q = 0;
    const int k = int(Round(FMajorIncrement));
    if (FDesiredStart != 0 && FMin <= FDesiredStart && FDesiredStart <= Max()) {
        q = FDesiredStart;
        while (q > FMin) q -= FMajorIncrement;
    } else if (FMonthModeEnabled || FYearModeEnabled) {
        // Date modes: the range and step are held to what the calendar can show.
        FMin = std::clamp(FMin, FYearModeEnabled ? -182625.0 : 0.0, 2593224.0);
        FSpan = std::min(FSpan, 36525.0);
        if (FMajorIncrement < 1) FMajorIncrement = 1;
        const int step = std::max(1, int(Round(FMajorIncrement)));
        if (FMonthModeEnabled) {
            const int m = std::max(1, DecodeDate(FMin).Month / step * step);
            q = IncMonth(RecodeMonth(RecodeDay(FMin, 1), m), -step);
        } else {
            const int y = DecodeDate(FMin).Year / step * step;
            q = RecodeDay(RecodeMonth(IncYear(RecodeYear(FMin, y), -step), 1), 1);
        }
    } else {
        q = first - FMajorIncrement;
    }

    const int dateStep = std::max(1, k);
    while (q <= Max() + FMajorIncrement) {
        AddTick(q, ipttMajor);
        if (minors) {
            for (int i = 0; i < FMinorCount; ++i) {
                q += FMinorIncrement;
                AddTick(q, ipttMinor);
            }
            q += FMinorIncrement;
        } else {
            const double before = q;
            if (FMonthModeEnabled)
                q = IncMonth(q, dateStep);
            else if (FYearModeEnabled)
                q = IncYear(q, dateStep);
            else
                q += FMajorIncrement;
            if (q == before) break;
        }
        if (int(FTickList.size()) > kMaxTicks || q + FMinorIncrement == q) {
            FreeTicks();
            AddTick(FMin + FSpan / 2, ipttMajor);
            break;
        }
    }
}

// ---- room needed ----------------------------------------------------------------------

int TiPlotAxis::GetRequiredWidth(TCanvas& canvas) {
    int t = 0;
    if (FTitleShow && FCartesianStyle == ipcsNone) {
        canvas.Font = FTitleFont->Font();
        const int h = TextHeightOf(canvas, FTitle), w = MultiLineTextWidth(canvas, FTitle);
        t = FTitleRotated ? int(Round(h * FTitleMargin + w)) : int(Round(h * FTitleMargin + h));
    }
    const int k = FScaleLinesShow ? std::max({0, FMajorLength, FMinorLength}) : 0;
    int m = 0, l = 0;
    if (FLabelsVisible) {
        canvas.Font = FLabelsFont->Font();
        m = int(Round(canvas.TextHeight(QStringLiteral("A")) * FLabelsMargin));
        const bool turned = FLabelsRotation == ira090 || FLabelsRotation == ira270;
        l = LabelSize(canvas, IsHorz() == turned);
    }
    FTitleOffset = k + FInnerMargin + m + l;
    FRequiredWidth = FInnerMargin + FOuterMargin + k + m + l + t;
    return FRequiredWidth;
}

int TiPlotAxis::GetRequiredEndSpace(TCanvas& canvas) {
    if (!FLabelsVisible) return 0;
    canvas.Font = FLabelsFont->Font();
    const bool turned = FLabelsRotation == ira090 || FLabelsRotation == ira270;
    if (IsHorz() == turned) return TextHeightOf(canvas, QStringLiteral("XYZ")) / 2;
    return GetMaxLabelWidth(canvas) / 2;
}

// ---- drawing --------------------------------------------------------------------------

void TiPlotAxis::SetCanDraw(TCanvas& canvas) {
    TiPlotLayoutObject::SetCanDraw(canvas);
    if (!FPlot) return;
    if (FCartesianStyle == ipcsNone) {
        FPlot->AddCollisionRect(DrawRect());
        return;
    }
    // The cartesian line and its tick marks are kept free of the cartesian labels.
    const TRect d = DrawRect();
    const int h = (FMajorLength + 1) / 2;
    FPlot->AddCollisionRect(IsHorz() ? TRect{d.Left, d.Top - h, d.Right + 1, d.Top + h + 1}
                                     : TRect{d.Left - h, d.Top, d.Left + h + 1, d.Bottom + 1});
}

void TiPlotAxis::DrawMark(TCanvas& canvas, int pixel, int o1, int o2) {
    const TRect d = DrawRect();
    TPoint a, b;
    switch (FQuadSide) {
    case iqsLeft: a = {d.Right - o1, pixel}, b = {d.Right - o2, pixel}; break;
    case iqsTop: a = {pixel, d.Bottom - o1}, b = {pixel, d.Bottom - o2}; break;
    case iqsRight: a = {d.Left + o1, pixel}, b = {d.Left + o2, pixel}; break;
    case iqsBottom: a = {pixel, d.Top + o1}, b = {pixel, d.Top + o2}; break;
    }
    const TPoint pts[] = {a, b};
    canvas.Polyline(pts, 2);
}

void TiPlotAxis::DrawScaleLine(TCanvas& canvas) {
    const int m = FCartesianStyle != ipcsNone ? 0 : FInnerMargin;
    const TRect s = FScaleRect;
    TPoint a, b;
    switch (FQuadSide) {
    case iqsLeft: a = {s.Right - m, s.Top}, b = {s.Right - m, s.Bottom + 1}; break;
    case iqsRight: a = {s.Left + m, s.Top}, b = {s.Left + m, s.Bottom + 1}; break;
    case iqsTop: a = {s.Left, s.Bottom - m}, b = {s.Right + 1, s.Bottom - m}; break;
    case iqsBottom: a = {s.Left, s.Top + m}, b = {s.Right + 1, s.Top + m}; break;
    }
    const TPoint pts[] = {a, b};
    canvas.Polyline(pts, 2);
}

void TiPlotAxis::DrawTick(TCanvas& canvas, const TiPlotTickObject& tick) {
    if (FCartesianStyle != ipcsNone) {
        const int h = ((tick.TickType == ipttMajor ? FMajorLength : FMinorLength) + 1) / 2;
        DrawMark(canvas, tick.PositionPixels, h, -(h + 1));
    } else if (tick.TickType == ipttMajor) {
        DrawMark(canvas, tick.PositionPixels, FInnerMargin, FInnerMargin + FMajorLength);
    } else {
        DrawMark(canvas, tick.PositionPixels, FInnerMargin + FMinorLength, FInnerMargin);
    }
}

void TiPlotAxis::DrawLabel(TCanvas& canvas, const TiPlotTickObject& tick) {
    canvas.Brush.Style = bsClear;
    canvas.Font = FLabelsFont->Font();
    const int a = int(Round(canvas.TextHeight(QStringLiteral("A")) * FLabelsMargin));
    int d = FScaleLinesShow ? FInnerMargin + FMajorLength + a : FInnerMargin + a;
    if (FCartesianStyle != ipcsNone) d = a + (FMajorLength + 1) / 2;
    const int w = MultiLineTextWidth(canvas, tick.Text), h = TextHeightOf(canvas, tick.Text);
    const int p = tick.PositionPixels;
    const bool turned = FLabelsRotation == ira090 || FLabelsRotation == ira270;
    const TRect dr = DrawRect();
    TRect r;
    switch (FQuadSide) {
    case iqsLeft:
        r = turned ? TRect{dr.Right - d - h, p - w / 2, dr.Right - d, p + w / 2}
                   : TRect{dr.Right - d - w, p - h / 2, dr.Right - d, p + h / 2};
        break;
    case iqsTop:
        r = turned ? TRect{p - h / 2, dr.Bottom - d - w, p + h / 2, dr.Bottom - d}
                   : TRect{p - w / 2, dr.Bottom - d - h, p + w / 2, dr.Bottom - d};
        break;
    case iqsRight:
        r = turned ? TRect{dr.Left + d, p - w / 2, dr.Left + d + h, p + w / 2}
                   : TRect{dr.Left + d, p - h / 2, dr.Left + d + w, p + h / 2};
        break;
    case iqsBottom:
        r = turned ? TRect{p - h / 2, dr.Top + d, p + h / 2, dr.Top + d + w}
                   : TRect{p - w / 2, dr.Top + d, p + w / 2, dr.Top + d + h};
        break;
    }
    if (FCartesianStyle != ipcsNone && FPlot && !FPlot->CheckCollisionRect(r)) return;
    TRect out;
    DrawRotatedText(canvas, tick.Text, r, out, clBlack, true, 0, FLabelsRotation);
}

void TiPlotAxis::DrawTitle(TCanvas& canvas) {
    if (!FTitleShow || FTitle.trimmed().isEmpty()) return;
    canvas.Font = FTitleFont->Font();
    canvas.Brush.Style = bsClear;
    const int height = TextHeightOf(canvas, FTitle), width = MultiLineTextWidth(canvas, FTitle);
    const int t = FTitleRotated ? width : height;
    const int u = FTitleRotated ? height : width;
    const TRect s = FScaleRect;
    TRect r;
    TiRotationAngle rotation = ira000;
    switch (FQuadSide) {
    case iqsBottom:
        r = {s.Left, s.Bottom - FOuterMargin - t, s.Right, s.Bottom - FOuterMargin};
        rotation = FTitleRotated ? ira090 : ira000;
        break;
    case iqsTop:
        r = {s.Left, s.Top + FOuterMargin, s.Right, s.Top + FOuterMargin + t};
        rotation = FTitleRotated ? ira090 : ira000;
        break;
    case iqsLeft: {
        const int mid = (s.Top + s.Bottom) / 2;
        r = {s.Left + FOuterMargin, mid - u / 2, s.Left + FOuterMargin + t, mid - u / 2 + u};
        rotation = FTitleRotated ? ira000 : ira090;
        break;
    }
    case iqsRight: {
        const int mid = (s.Top + s.Bottom) / 2;
        r = {s.Right - FOuterMargin - t, mid - u / 2, s.Right - FOuterMargin, mid - u / 2 + u};
        rotation = FTitleRotated ? ira000 : ira090;
        break;
    }
    }
    TRect out;
    DrawRotatedText(canvas, FTitle, r, out, clBlack, true, 0, rotation);
}

void TiPlotAxis::Draw(TCanvas& canvas, TColor) {
    if (!FVisible) return;
    for (TiPlotTickObject& t : FTickList) {
        t.Show = PointOnScale(t.Position);
        if (!t.Show) continue;
        t.PositionPixels = PositionToPixels(t.Position);
        if (t.TickType == ipttMajor && FLabelsVisible) DrawLabel(canvas, t);
    }
    if (FScaleLinesShow) {
        canvas.Brush.Style = bsSolid;
        canvas.Pen.Style = psSolid;
        canvas.Pen.Width = 1;
        canvas.Pen.Color = FScaleLinesColor;
        if (FScaleLineShow) DrawScaleLine(canvas);
        for (const TiPlotTickObject& t : FTickList)
            if (t.Show) DrawTick(canvas, t);
    }
    if (FCartesianStyle != ipcsNone) {
        const TRect d = DrawRect();
        const int start = (IsHorz() ? d.Top : d.Left) - (FMajorLength + 1) / 2 - 5;
        if (IsHorz())
            FFocusRect.Top = start, FFocusRect.Bottom = start + FRequiredWidth;
        else
            FFocusRect.Left = start, FFocusRect.Right = start + FRequiredWidth;
    } else {
        DrawTitle(canvas);
    }
    if (FUserSelected) {
        canvas.Font.SetColor(clWhite);
        DrawFocusRectangle(canvas, {FFocusRect.Left, FFocusRect.Top, FFocusRect.Right + 1, FFocusRect.Bottom + 1});
    }
}

void TiPlotAxis::DrawGridLines(TCanvas& canvas, const TRect& rect, bool showMajors, bool showMinors, int majorStyle,
                               int minorStyle, TColor majorColor, TColor minorColor, int majorWidth,
                               int minorWidth) {
    if (!FGridLinesVisible) return;
    auto penStyle = [](int style) { return style == 1 ? psDash : style == 2 ? psDot : psSolid; };
    for (const TiPlotTickObject& t : FTickList) {
        if (!t.Show) continue;
        const bool major = t.TickType == ipttMajor;
        if (major ? !showMajors : !showMinors) continue;
        canvas.Pen.Style = penStyle(major ? majorStyle : minorStyle);
        canvas.Pen.Width = major ? majorWidth : minorWidth;
        canvas.Pen.Color = major ? majorColor : minorColor;
        TPoint pts[2];
        if (IsHorz())
            pts[0] = {t.PositionPixels, rect.Top}, pts[1] = {t.PositionPixels, rect.Bottom};
        else
            pts[0] = {rect.Left, t.PositionPixels}, pts[1] = {rect.Right, t.PositionPixels};
        canvas.Polyline(pts, 2);
    }
}
