// The curve graph's curve list, ranges, value-to-pixel mapping, page layout and copies.
#include "LCustomFFTDraw.h"

#include "ui/SysUtils.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

TFloatFormat ToFloatFormat(TStringFloatFormat f) { return TFloatFormat(int(f)); }

// The widest text `prefix` + label of pi times 10^-100 .. 10^100 in that format and the
// canvas's font. Every graph asks it for the same few fonts and formats, at each change of
// font or strip, so each answer is kept (the colour takes no part in a text's width).
int WidestLabel(const TCanvas& c, const QString& prefix, TStringFloatFormat format, int precision, int digits) {
    static QHash<QString, int> widest;
    const TFont& f = c.Font;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                            .arg(f.Name())
                            .arg(f.Height())
                            .arg(f.Style())
                            .arg(prefix)
                            .arg(int(format))
                            .arg(precision)
                            .arg(digits);
    if (const auto it = widest.constFind(key); it != widest.constEnd()) return *it;
    int w = 0;
    for (int n = -100; n <= 100; ++n)
        w = std::max(w, c.TextWidth(prefix + FloatToStrF(std::pow(10.0, n) * M_PI, ToFloatFormat(format), precision, digits)));
    widest.insert(key, w);
    return w;
}

}  // namespace

LCustomFFTDraw::LCustomFFTDraw(TComponent* owner) : TPaintBox(owner) {
    SetBounds(0, 0, 500, 250);
    SetColor(clBlack);
    Initialize();
}

LCustomFFTDraw::~LCustomFFTDraw() = default;

void LCustomFFTDraw::Initialize() {
    FPlots.clear();
    for (TPaintPage& page : FPages) page.SetBounds(0, 0, 0, 0);
    FPlotTitleFont = TFont();
    FPlotTitleFont.SetColor(clLime);
    FAxisTitleFont = TFont();
    FAxisTitleFont.SetColor(clLime);
    FAxisLabelFont = TFont();
    FAxisLabelFont.SetColor(clYellow);
    FMouseCoordFont = TFont();
    FMouseCoordFont.SetColor(clLime);
    FPages[pgPlotTitle].SetFont(FPlotTitleFont);
    FPages[pgXTitle].SetFont(FAxisTitleFont);
    FPages[pgYTitle].SetFont(FAxisTitleFont);
    FPages[pgYTitleText].SetFont(FAxisTitleFont);
    FPages[pgXLabel].SetFont(FAxisLabelFont);
    FPages[pgYLabel].SetFont(FAxisLabelFont);
    FPages[pgMouseCoord].SetFont(FMouseCoordFont);
    FLastWidth = FLastHeight = -1;
}

// ---------------------------------------------------------------- curve list

TPlotListMember* LCustomFFTDraw::FindPlot(int id) {
    for (TPlotListMember& m : FPlots)
        if (m.id == id) return &m;
    return nullptr;
}

const TPlotListMember* LCustomFFTDraw::FindPlot(int id) const {
    for (const TPlotListMember& m : FPlots)
        if (m.id == id) return &m;
    return nullptr;
}

bool LCustomFFTDraw::StorePlot(std::vector<double> x, const double* y, int count, int id, TColor colour,
                               TMyPlotStyle style) {
    count = std::max(0, count);
    TPlotListMember* m = FindPlot(id);
    const bool existed = m != nullptr;
    if (!m) {
        FPlots.push_front(TPlotListMember{});
        m = &FPlots.front();
        m->id = id;
        m->colour = colour;
        m->style = style;
    }
    x.resize(std::size_t(count), 0.0);
    m->x = std::move(x);
    if (y)
        m->y.assign(y, y + count);
    else
        m->y.assign(std::size_t(count), 0.0);
    m->count = count;
    AutoScale();
    if (FAutoRedraw && FHoldCount == 0) DrawPlotsAndLabelsNoUpdate();
    return existed;
}

bool LCustomFFTDraw::FFTDraw(const double* y, int count, int id, TColor colour, TMyPlotStyle style) {
    std::vector<double> x(std::size_t(std::max(0, count)));
    for (std::size_t k = 0; k < x.size(); ++k) x[k] = double(k);
    return StorePlot(std::move(x), y, count, id, colour, style);
}

bool LCustomFFTDraw::FFTDraw(const double* x, const double* y, int count, int id, TColor colour,
                             TMyPlotStyle style) {
    std::vector<double> xs;
    if (x && count > 0) xs.assign(x, x + count);
    return StorePlot(std::move(xs), y, count, id, colour, style);
}

bool LCustomFFTDraw::FFTDraw(const double* y, int count, double xFirst, double xLast, int id, TColor colour,
                             TMyPlotStyle style) {
    std::vector<double> x(std::size_t(std::max(0, count)));
    // A single point sits at xFirst (the even spread would divide by zero).
    const double step = count > 1 ? (xLast - xFirst) / (count - 1) : 0.0;
    for (std::size_t k = 0; k < x.size(); ++k) x[k] = xFirst + step * double(k);
    return StorePlot(std::move(x), y, count, id, colour, style);
}

bool LCustomFFTDraw::RemovePlot(int id) {
    for (auto it = FPlots.begin(); it != FPlots.end(); ++it) {
        if (it->id == id) {
            FPlots.erase(it);
            AutoScale();
            if (FAutoRedraw && FHoldCount == 0) DrawPlotsAndLabelsNoUpdate();
            return true;
        }
    }
    return false;
}

bool LCustomFFTDraw::GetPlotStyle(int id, TMyPlotStyle& style) const {
    const TPlotListMember* m = FindPlot(id);
    if (m) style = m->style;
    return m != nullptr;
}

bool LCustomFFTDraw::GetPlotColor(int id, TColor& colour) const {
    const TPlotListMember* m = FindPlot(id);
    if (m) colour = m->colour;
    return m != nullptr;
}

bool LCustomFFTDraw::GetPlotNumPoints(int id, int& count) const {
    const TPlotListMember* m = FindPlot(id);
    if (m) count = m->count;
    return m != nullptr;
}

bool LCustomFFTDraw::GetPlotX(int id, std::vector<double>& x) const {
    const TPlotListMember* m = FindPlot(id);
    if (m) x = m->x;
    return m != nullptr;
}

bool LCustomFFTDraw::GetPlotY(int id, std::vector<double>& y) const {
    const TPlotListMember* m = FindPlot(id);
    if (m) y = m->y;
    return m != nullptr;
}

bool LCustomFFTDraw::SetPlotStyle(int id, TMyPlotStyle style) {
    TPlotListMember* m = FindPlot(id);
    if (!m) return false;
    m->style = style;
    if (FAutoRedraw) DrawAllPlots();
    return true;
}

bool LCustomFFTDraw::SetPlotColor(int id, TColor colour) {
    TPlotListMember* m = FindPlot(id);
    if (!m) return false;
    m->colour = colour;
    DrawOnePlot(*m);
    RedrawScreen();
    return true;
}

// ---------------------------------------------------------------- ranges

void LCustomFFTDraw::AutoScale() {
    FindXMaxMin();
    FindYMaxMin();
    CompareMaxMin();
    CalculateLogMaxMin();
}

void LCustomFFTDraw::FindXMaxMin() {
    if (!FXAutoScale) return;
    bool any = false;
    for (const TPlotListMember& m : FPlots) {
        for (int k = 0; k < m.count; ++k) {
            const double v = m.x[std::size_t(k)];
            if (!any) FXMin = FXMax = v;
            any = true;
            FXMax = std::max(FXMax, v);
            FXMin = std::min(FXMin, v);
        }
    }
    if (!any) {
        FXMin = -1;
        FXMax = 1;
    }
}

void LCustomFFTDraw::FindYMaxMin() {
    if (!FYAutoScale) return;
    bool any = false;
    for (const TPlotListMember& m : FPlots) {
        for (int k = 0; k < m.count; ++k) {
            const double v = m.y[std::size_t(k)];
            if (!any) FYMin = FYMax = v;
            any = true;
            FYMax = std::max(FYMax, v);
            FYMin = std::min(FYMin, v);
        }
    }
    if (!any) {
        FYMin = -1;
        FYMax = 1;
    }
}

void LCustomFFTDraw::CompareMaxMin() {
    if (FYMax == FYMin) FYMax = FYAxisFormat == TMyAxisFormat::Log ? FYMin * 10 : FYMin + 1;
    if (FXMax == FXMin) FXMax = FXAxisFormat == TMyAxisFormat::Log ? FXMin * 10 : FXMin + 1;
}

void LCustomFFTDraw::CalculateLogMaxMin() {
    if (FXAxisFormat == TMyAxisFormat::Log) {
        if (FXMax <= 0) FXMax = 10;
        if (FXMin <= 0) FXMin = FXMax * 0.1;
        FLogXMin = std::log10(FXMin);
        FLogXMax = std::log10(FXMax);
    }
    if (FYAxisFormat == TMyAxisFormat::Log) {
        if (FYMax <= 0) FYMax = 10;
        if (FYMin <= 0) FYMin = FYMax * 0.01;
        FLogYMin = std::log10(FYMin);
        FLogYMax = std::log10(FYMax);
    }
}

void LCustomFFTDraw::RangeChanged() {
    CompareMaxMin();
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetXYMinMax(double xMin, double xMax, double yMin, double yMax) {
    FXMin = xMin;
    FXMax = xMax;
    FYMin = yMin;
    FYMax = yMax;
    CalculateLogMaxMin();
    RangeChanged();
}

// ---------------------------------------------------------------- mapping

double LCustomFFTDraw::ScreenX(double x) const {
    const double w = FPages[pgCurve].Width();
    if (FXAxisFormat == TMyAxisFormat::Linear) return w * (x - FXMin) / (FXMax - FXMin);
    const double lx = x > 0 ? std::log10(x) : std::log10(FXMin * 0.1);
    return w * (lx - FLogXMin) / (FLogXMax - FLogXMin);
}

double LCustomFFTDraw::ScreenY(double y) const {
    const double h = FPages[pgCurve].Height();
    if (FYAxisFormat == TMyAxisFormat::Linear) return h - h * (y - FYMin) / (FYMax - FYMin);
    const double ly = y > 0 ? std::log10(y) : std::log10(FYMin * 0.1);
    return h - h * (ly - FLogYMin) / (FLogYMax - FLogYMin);
}

double LCustomFFTDraw::PlotX(int px) const {
    const double w = FPages[pgCurve].Width();
    if (w <= 0) return FXMin;
    const double dx = px - FPages[pgCurve].ScreenRect().Left;
    if (FXAxisFormat == TMyAxisFormat::Linear) return FXMin + dx * (FXMax - FXMin) / w;
    return std::pow(10.0, FLogXMin + dx * (FLogXMax - FLogXMin) / w);
}

double LCustomFFTDraw::PlotY(int py) const {
    const double h = FPages[pgCurve].Height();
    if (h <= 0) return FYMin;
    const double dy = py - FPages[pgCurve].ScreenRect().Top - h;
    if (FYAxisFormat == TMyAxisFormat::Linear) return FYMin - dy * (FYMax - FYMin) / h;
    return std::pow(10.0, FLogYMin - dy * (FLogYMax - FLogYMin) / h);
}

double LCustomFFTDraw::FrequencyToX(double frequency) const {
    const double points = 256.0 * std::pow(2.0, int(FFFTNuimber));
    return points * std::log10(frequency) / std::log10(24000.0 * (int(FSampleRate) + 1));
}

// ---------------------------------------------------------------- layout

QString LCustomFFTDraw::FormatLabel(double v, TStringFloatFormat format, int precision, int digits) const {
    return FloatToStrF(v, ToFloatFormat(format), precision, digits);
}

void LCustomFFTDraw::ResizePaintPage() {
    for (;;) {
        const int W = Width(), H = Height();
        int left = -30, bottom = H, xTitleTop = H, top = 0, yTitleWidth = 0;
        int yTitleTextW = 0, yTitleTextH = 0;
        if (FShowXLabel) {
            FPages[pgXLabel].SetFont(FAxisLabelFont);
            const TCanvas& c = FPages[pgXLabel].TextCanvas();
            const int th = c.TextHeight(FormatLabel(FXMin, FXLabelFormat, FXLabelPrecision, FXLabelDigits));
            bottom = TruncPixel(bottom - 1.2 * th);
        }
        if (FShowXTitle) {
            const int th = FPages[pgXTitle].TextCanvas().TextHeight(FXTitle);
            bottom -= 2 * th;
            xTitleTop -= 2 * th;
        }
        if (FShowYLabel) {
            const TCanvas& c = FPages[pgYLabel].TextCanvas();
            const int precision = std::max(FXLabelPrecision, FYLabelPrecision);
            const int digits = std::max(FXLabelDigits, FYLabelDigits);
            left += 4 + WidestLabel(c, QString(), FXLabelFormat, precision, digits);
        }
        if (FShowYTitle) {
            const TCanvas& c = FPages[pgYTitle].TextCanvas();
            const int th = c.TextHeight(FYTitle);
            left += 2 * th;
            yTitleWidth += 2 * th;
            yTitleTextW = c.TextWidth(FYTitle);
            yTitleTextH = th;
        }
        top = FShowPlotTitle ? 2 * FPages[pgPlotTitle].TextCanvas().TextHeight(FPlotTitle) : 10;
        if (FShowCoordinates) {
            const TCanvas& c = FPages[pgMouseCoord].TextCanvas();
            const int s = WidestLabel(c, QStringLiteral("x = "), FYLabelFormat, FYLabelPrecision, FYLabelDigits);
            const int th = c.TextHeight(QStringLiteral("x = "));
            FPages[pgMouseCoord].SetBounds(W - s - 5, top + 4, W - 5, top + 2 * th + 12);
        }
        if (top < bottom && left < W) {
            FPages[pgCurve].SetBounds(left, top, W - 10, bottom);
            FPages[pgXLabel].SetBounds(left, bottom, W - 10, xTitleTop);
            FPages[pgXTitle].SetBounds(left, xTitleTop, W - 10, H);
            FPages[pgYLabel].SetBounds(yTitleWidth, top, left, H);
            FPages[pgYTitle].SetBounds(0, top, yTitleWidth, H);
            FPages[pgYTitleText].SetBounds(0, 0, yTitleTextW, yTitleTextH);
            FPages[pgPlotTitle].SetBounds(0, 0, W - 10, top);
            FPages[pgRightMargin].SetBounds(W - 10, 0, W, H);
        }
        // Strips that do not fit are switched off and the layout runs again; once they are
        // all off it stops, even when the control is still too small.
        if (bottom < top && (FShowPlotTitle || FShowXLabel || FShowXTitle)) {
            FShowPlotTitle = FShowXLabel = FShowXTitle = false;
            continue;
        }
        if (left > W && (FShowYLabel || FShowYTitle)) {
            FShowYLabel = FShowYTitle = false;
            continue;
        }
        break;
    }
    FLastWidth = Width();
    FLastHeight = Height();
    for (int i = 0; i < kMarkerCount; ++i) SetBlockPosition(ScreenX(FBlocks[i].dataX), ScreenY(FBlocks[i].dataY), i);
}

// ---------------------------------------------------------------- copies

void LCustomFFTDraw::CopyProperties(const LCustomFFTDraw& s) {
    SetColor(s.Color());
    FAutoRedraw = s.FAutoRedraw;
    FAxisColor = s.FAxisColor;
    FAxisStyle = s.FAxisStyle;
    FXAxisFormat = s.FXAxisFormat;
    FYAxisFormat = s.FYAxisFormat;
    FShowXLabel = s.FShowXLabel;
    FShowYLabel = s.FShowYLabel;
    FShowCoordinates = s.FShowCoordinates;
    FYAutoScale = s.FYAutoScale;
    FXAutoScale = s.FXAutoScale;
    FYMax = s.FYMax;
    FYMin = s.FYMin;
    FXMax = s.FXMax;
    FXMin = s.FXMin;
    FPointSize = s.FPointSize;
    FMouseControl = s.FMouseControl;
    FXLabelPrecision = s.FXLabelPrecision;
    FYLabelPrecision = s.FYLabelPrecision;
    FXLabelDigits = s.FXLabelDigits;
    FYLabelDigits = s.FYLabelDigits;
    FXLabelFormat = s.FXLabelFormat;
    FYLabelFormat = s.FYLabelFormat;
    FShowHorzGrid = s.FShowHorzGrid;
    FShowVertGrid = s.FShowVertGrid;
    FShowHorzTicks = s.FShowHorzTicks;
    FShowVertTicks = s.FShowVertTicks;
    FHorzTickLength = s.FHorzTickLength;
    FVertTickLength = s.FVertTickLength;
    FNumHorzGrid = s.FNumHorzGrid;
    FNumVertGrid = s.FNumVertGrid;
    FGridColor = s.FGridColor;
    FShowXTitle = s.FShowXTitle;
    FShowYTitle = s.FShowYTitle;
    FShowPlotTitle = s.FShowPlotTitle;
    FXTitle = s.FXTitle;
    FYTitle = s.FYTitle;
    FPlotTitle = s.FPlotTitle;
    FPlotTitleFont = s.FPlotTitleFont;
    FAxisTitleFont = s.FAxisTitleFont;
    FAxisLabelFont = s.FAxisLabelFont;
    FMouseCoordFont = s.FMouseCoordFont;
    FFFTNuimber = s.FFFTNuimber;
    FSampleRate = s.FSampleRate;
    FPages[pgPlotTitle].SetFont(FPlotTitleFont);
    FPages[pgXTitle].SetFont(FAxisTitleFont);
    FPages[pgYTitle].SetFont(FAxisTitleFont);
    FPages[pgXLabel].SetFont(FAxisLabelFont);
    FPages[pgYLabel].SetFont(FAxisLabelFont);
    FPages[pgMouseCoord].SetFont(FMouseCoordFont);
    CalculateLogMaxMin();
}

void LCustomFFTDraw::AssignPlotFrom(const LCustomFFTDraw& source) {
    if (&source == this) return;
    Initialize();
    for (const TPlotListMember& m : source.FPlots) FPlots.push_front(m);
    CopyProperties(source);
    AutoScale();
    ResizePaintPage();
    Redraw();
}

void LCustomFFTDraw::AssignPlotDataFrom(const LCustomFFTDraw& source) {
    if (&source == this) return;
    FPlots.clear();
    for (const TPlotListMember& m : source.FPlots) FPlots.push_front(m);
    AutoScale();
    ResizePaintPage();
    Redraw();
}

void LCustomFFTDraw::AppendPlotDataFrom(const LCustomFFTDraw& source) {
    if (&source == this) return;
    const TPlotList curves = source.FPlots;
    for (const TPlotListMember& m : curves) StorePlot(m.x, m.y.data(), m.count, m.id, m.colour, m.style);
}

void LCustomFFTDraw::AssignPlotPropertiesFrom(const LCustomFFTDraw& source) {
    if (&source == this) return;
    CopyProperties(source);
    Redraw();
}
