#include "LCustomFFTDraw.h"

#include "graphics/TSplinePath.h"
#include "ui/SysUtils.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

// The x-label frequencies; a control narrower than kAllXLabelsWidth shows the first four.
constexpr double kXLabelFrequencies[] = {20, 100, 1000, 10000, 20000, 50, 200, 500, 2000, 5000};
constexpr int kAllXLabelsWidth = 800;
constexpr int kNarrowXLabelCount = 4;

// Markers further than this outside the curve page cannot touch it (shape, number and
// parameter texts included) and are not drawn.
constexpr int kMarkerReach = 100;

// The translucent grey of the selected band's fill and its outline.
const QColor kFillColour(128, 128, 128, 30);

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
            const TCanvas& c = FPages[pgXLabel].Canvas();
            const int th = c.TextHeight(FormatLabel(FXMin, FXLabelFormat, FXLabelPrecision, FXLabelDigits));
            bottom = TruncPixel(bottom - 1.2 * th);
        }
        if (FShowXTitle) {
            const int th = FPages[pgXTitle].Canvas().TextHeight(FXTitle);
            bottom -= 2 * th;
            xTitleTop -= 2 * th;
        }
        if (FShowYLabel) {
            const TCanvas& c = FPages[pgYLabel].Canvas();
            const int precision = std::max(FXLabelPrecision, FYLabelPrecision);
            const int digits = std::max(FXLabelDigits, FYLabelDigits);
            left += 4 + WidestLabel(c, QString(), FXLabelFormat, precision, digits);
        }
        if (FShowYTitle) {
            const TCanvas& c = FPages[pgYTitle].Canvas();
            const int th = c.TextHeight(FYTitle);
            left += 2 * th;
            yTitleWidth += 2 * th;
            yTitleTextW = c.TextWidth(FYTitle);
            yTitleTextH = th;
        }
        top = FShowPlotTitle ? 2 * FPages[pgPlotTitle].Canvas().TextHeight(FPlotTitle) : 10;
        if (FShowCoordinates) {
            const TCanvas& c = FPages[pgMouseCoord].Canvas();
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

// ---------------------------------------------------------------- drawing

void LCustomFFTDraw::Paint() {
    if (Width() != FLastWidth || Height() != FLastHeight) ResizePaintPage();
    Redraw();
    PaintOverlays();
    TPaintBox::Paint();
}

void LCustomFFTDraw::Redraw() {
    DrawPlotsAndLabels();
    DrawTitles();
}

void LCustomFFTDraw::DrawPlotsAndLabels() {
    DrawPlotsAndLabelsNoUpdate();
    UpdatePaintPage(pgCurve);
}

void LCustomFFTDraw::DrawPlotsAndLabelsNoUpdate() {
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
}

void LCustomFFTDraw::EndUpdate() {
    if (FHoldCount > 0 && --FHoldCount == 0) DrawPlotsAndLabels();
}

void LCustomFFTDraw::UpdatePaintPage(TPageId page) {
    if (FHoldCount > 0) return;
    PaintOverlays();
    FPages[page].CopyTo(Canvas());
}

void LCustomFFTDraw::DrawAllPlots() {
    if (!Visible()) return;
    FPages[pgCurve].Fill(Color());
    DrawGrid();
    DrawTicks();
    DrawAxis();
    for (const TPlotListMember& m : FPlots) DrawOnePlot(m);
}

std::vector<double> LCustomFFTDraw::GridValues(bool vertical) const {
    std::vector<double> values;
    const bool log = (vertical ? FXAxisFormat : FYAxisFormat) == TMyAxisFormat::Log;
    const double lo = vertical ? FXMin : FYMin, hi = vertical ? FXMax : FYMax;
    const int count = vertical ? FNumVertGrid : FNumHorzGrid;
    if (!log) {
        if (vertical) {
            // A linear x axis is the frequency axis: lines at m x 10^a Hz.
            for (int a = 1; a <= 14; ++a)
                for (int m = 1; m <= 10; ++m) values.push_back(FrequencyToX(m * std::pow(10.0, a)));
        } else {
            for (int i = 1; i <= count; ++i) values.push_back(lo + i * (hi - lo) / (count + 1));
        }
        return values;
    }
    // Each decade and `count` lines evenly spaced up to the next (none for a range that has
    // no finite logarithms).
    if (!std::isfinite(std::log10(lo)) || !std::isfinite(std::log10(hi))) return values;
    for (int d = int(std::floor(std::log10(lo))); d < std::log10(hi); ++d) {
        const double from = std::pow(10.0, d), to = std::pow(10.0, d + 1);
        values.push_back(from);
        for (int j = 1; j <= count; ++j) values.push_back(from + j * (to - from) / (count + 1));
    }
    return values;
}

void LCustomFFTDraw::DrawGrid() {
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const int W = page.Width(), H = page.Height();
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    if (FShowHorzGrid) {
        c.Pen.Color = FGridColor;
        for (double y : GridValues(false)) {
            const int py = TruncPixel(ScreenY(y));
            c.MoveTo(0, py);
            c.LineTo(W, py);
        }
    }
    if (FShowVertGrid) {
        const bool frequencyGrid = FXAxisFormat == TMyAxisFormat::Linear;
        const std::vector<double> xs = GridValues(true);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            // On the frequency grid each decade line (m = 1) is in the axis colour.
            c.Pen.Color = frequencyGrid && i % 10 == 0 ? FAxisColor : FGridColor;
            const int px = TruncPixel(ScreenX(xs[i]));
            if (px < 0 || px > W) continue;  // off the page
            c.MoveTo(px, 0);
            c.LineTo(px, H);
        }
    }
}

void LCustomFFTDraw::DrawTicks() {
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const int H = page.Height();
    c.Pen.Color = FAxisColor;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    if (FShowHorzTicks) {
        for (double y : GridValues(false)) {
            const int py = TruncPixel(ScreenY(y));
            c.MoveTo(0, py);
            c.LineTo(FHorzTickLength, py);
        }
    }
    if (FShowVertTicks) {
        const int length = FXAxisFormat == TMyAxisFormat::Linear ? FVertTickLength + 2 : FVertTickLength;
        const int W = page.Width();
        for (double x : GridValues(true)) {
            const int px = TruncPixel(ScreenX(x));
            if (px < 0 || px > W) continue;  // off the page
            c.MoveTo(px, H);
            c.LineTo(px, H - length);
        }
    }
}

void LCustomFFTDraw::DrawAxis() {
    if (!Visible()) return;
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const int W = page.Width(), H = page.Height();
    c.Pen.Color = FAxisColor;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Brush.Color = FAxisColor;
    c.Brush.Style = bsSolid;
    const bool box = FAxisStyle == TMyAxisStyle::Box || FAxisStyle == TMyAxisStyle::CenteredBox;
    const bool centred = FAxisStyle == TMyAxisStyle::Centered || FAxisStyle == TMyAxisStyle::CenteredBox;
    if (box) c.FrameRect(page.BitmapRect());
    if (centred) {
        if (FYMax != FYMin) {
            const int py = TruncPixel(ScreenY(0));
            c.MoveTo(0, py);
            c.LineTo(W, py);
        }
        if (FXMax != FXMin) {
            const int px = TruncPixel(ScreenX(0));
            c.MoveTo(px, 0);
            c.LineTo(px, H);
        }
    }
    if (FAxisStyle == TMyAxisStyle::LB) {
        c.MoveTo(0, 0);
        c.LineTo(0, H - 1);
        c.LineTo(W, H - 1);
    }
}

void LCustomFFTDraw::DrawOnePlot(const TPlotListMember& plot) {
    if (!Visible() || plot.count <= 0) return;
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const int W = page.Width(), H = page.Height();
    c.Pen.Color = plot.colour;
    c.Pen.Width = 2;
    c.Pen.Style = psSolid;
    c.Brush.Style = bsSolid;
    c.Brush.Color = (plot.style == TMyPlotStyle::FilledSquares || plot.style == TMyPlotStyle::LineFilledSquares)
                        ? plot.colour
                        : Color();
    const bool line = plot.style == TMyPlotStyle::Line || plot.style == TMyPlotStyle::LineFilledSquares ||
                      plot.style == TMyPlotStyle::LineHollowSquares;
    const bool squares = plot.style != TMyPlotStyle::Line;
    const int ps = FPointSize;
    auto outside = [&](int px, int py) { return px < -2 * W || px >= 3 * W || py < -2 * H || py >= 3 * H; };
    c.MoveTo(TruncPixel(ScreenX(plot.x[0])), TruncPixel(ScreenY(plot.y[0])));
    if (!squares) {
        // Each run of line-to points is drawn as one polyline, which draws the same as the
        // single segments.
        std::vector<TPoint> run{c.PenPos};
        run.reserve(std::size_t(plot.count) + 1);
        auto flush = [&] {
            if (run.size() > 1) c.Polyline(run.data(), int(run.size()));
        };
        for (int k = 0; k < plot.count; ++k) {
            const TPoint p{TruncPixel(ScreenX(plot.x[std::size_t(k)])), TruncPixel(ScreenY(plot.y[std::size_t(k)]))};
            if (outside(p.X, p.Y)) {
                flush();
                run.assign(1, p);
            } else if (!(run.back() == p)) {
                run.push_back(p);
            }
        }
        flush();
        c.MoveTo(run.back().X, run.back().Y);
        return;
    }
    for (int k = 0; k < plot.count; ++k) {
        const int px = TruncPixel(ScreenX(plot.x[std::size_t(k)]));
        const int py = TruncPixel(ScreenY(plot.y[std::size_t(k)]));
        if (outside(px, py)) {
            c.MoveTo(px, py);
            continue;
        }
        if (line) c.LineTo(px, py);
        c.Rectangle(px - ps, py - ps, px + ps, py + ps);
        if (line) c.MoveTo(px, py);
    }
}

void LCustomFFTDraw::DrawXAxisLabels() {
    if (!FShowXLabel) return;
    TPaintPage& page = FPages[pgXLabel];
    page.Fill(Color());
    page.SetFont(FAxisLabelFont);
    TCanvas& c = page.Canvas();
    const int shown = Width() >= kAllXLabelsWidth ? int(std::size(kXLabelFrequencies)) : kNarrowXLabelCount;
    for (int i = 0; i < shown; ++i) {
        const double f = std::pow(10.0, std::log10(kXLabelFrequencies[i]));
        const double x = ScreenX(FrequencyToX(f));
        const QString text = f < 1000 ? FormatLabel(f, FXLabelFormat, FXLabelPrecision, FXLabelDigits) + "Hz"
                                      : FormatLabel(f * 0.001, FXLabelFormat, FXLabelPrecision, FXLabelDigits) +
                                            "K" + "Hz";
        c.TextOut(TruncPixel(x - 0.5 * c.TextWidth(text)), 1, text);
    }
    UpdatePaintPage(pgXLabel);
}

QString LCustomFFTDraw::YLabelText(double v, bool plus) const {
    return (plus ? QStringLiteral("+") : QString()) +
           FormatLabel(YLabelNumber(v), FYLabelFormat, FYLabelPrecision, FYLabelDigits) + YLabelUnit();
}

void LCustomFFTDraw::DrawYAxisLabels() {
    if (!FShowYLabel) return;
    TPaintPage& page = FPages[pgYLabel];
    page.Fill(Color());
    page.SetFont(FAxisLabelFont);
    TCanvas& c = page.Canvas();
    const int W = page.Width();
    auto put = [&](const QString& text, int y) { c.TextOut(W - c.TextWidth(text) - 2, y, text); };
    const int th = c.TextHeight(QStringLiteral("0"));
    if (FYAxisFormat == TMyAxisFormat::Linear) {
        put(YLabelText(FYMax, true), 0);
        put(YLabelText(FYMin, false), TruncPixel(ScreenY(FYMin) - th));
        const double step = (FYMax - FYMin) / (FNumHorzGrid + 1);
        for (int j = 0; j < FNumHorzGrid - 1; j += 2) {
            const double v = FYMin + (j + 2) * step;
            put(YLabelText(v, v > 0), TruncPixel(ScreenY(v) - th / 2));
        }
    } else if (std::isfinite(std::log10(FYMin)) && std::isfinite(std::log10(FYMax))) {
        for (int d = int(std::floor(std::log10(FYMin))) + 1; d < std::log10(FYMax); ++d) {
            const QString text =
                FormatLabel(YDecadeLabelNumber(d), FYLabelFormat, FYLabelPrecision, FYLabelDigits) + YLabelUnit();
            put(text, TruncPixel(ScreenY(std::pow(10.0, d)) - th / 2));
        }
    }
    UpdatePaintPage(pgYLabel);
}

void LCustomFFTDraw::DrawTitles() {
    {
        TPaintPage& page = FPages[pgPlotTitle];
        page.Fill(Color());
        if (FShowPlotTitle) {
            TCanvas& c = page.Canvas();
            const int tw = c.TextWidth(FPlotTitle), th = c.TextHeight(FPlotTitle);
            const TPaintPage& curve = FPages[pgCurve];
            c.TextOut((curve.Width() - tw) / 2 + curve.ScreenRect().Left, page.Height() - (3 * th) / 2, FPlotTitle);
        }
        UpdatePaintPage(pgPlotTitle);
    }
    if (FShowXTitle) {
        TPaintPage& page = FPages[pgXTitle];
        page.Fill(Color());
        TCanvas& c = page.Canvas();
        const int tw = c.TextWidth(FXTitle), th = c.TextHeight(FXTitle);
        c.TextOut((page.Width() - tw) / 2, page.Height() - (3 * th) / 2, FXTitle);
        UpdatePaintPage(pgXTitle);
    }
    if (FShowYTitle) {
        TPaintPage& page = FPages[pgYTitle];
        page.Fill(Color());
        TCanvas& c = page.Canvas();
        const int tw = c.TextWidth(FYTitle), th = c.TextHeight(FYTitle);
        c.TextOut(th / 2, (FPages[pgCurve].Height() - tw) / 2, FYTitle);
        FPages[pgYTitleText].Fill(Color());
        FPages[pgYTitleText].Canvas().TextOut(0, 0, FYTitle);
        UpdatePaintPage(pgYTitle);
    }
    FPages[pgRightMargin].Fill(Color());
    UpdatePaintPage(pgRightMargin);
}

void LCustomFFTDraw::RedrawScreen() {
    if (FShowXLabel) UpdatePaintPage(pgXLabel);
    if (FShowYLabel) UpdatePaintPage(pgYLabel);
    if (FShowXTitle) UpdatePaintPage(pgXTitle);
    if (FShowYTitle) UpdatePaintPage(pgYTitle);
    if (FShowPlotTitle) UpdatePaintPage(pgPlotTitle);
    UpdatePaintPage(pgRightMargin);
    UpdatePaintPage(pgCurve);
}

void LCustomFFTDraw::ClearPlot() {
    if (FShowXLabel) FPages[pgXLabel].Fill(Color());
    if (FShowYLabel) FPages[pgYLabel].Fill(Color());
    if (FShowXTitle) FPages[pgXTitle].Fill(Color());
    if (FShowYTitle) FPages[pgYTitle].Fill(Color());
    if (FShowPlotTitle) FPages[pgPlotTitle].Fill(Color());
    FPages[pgRightMargin].Fill(Color());
    FPages[pgCurve].Fill(Color());
}

void LCustomFFTDraw::SetPlotWidth(int width) { FPages[pgCurve].SetBitmapWidth(width); }

void LCustomFFTDraw::Change() {
    if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------- overlays

void LCustomFFTDraw::PaintOverlays() {
    BlockPaint();
    if (FLineSet) LinePaint();
    TextPaint();
    CuveDisplayPaint();
}

LCustomFFTDraw::TMarkerLook LCustomFFTDraw::MarkerLook(int kind, int index) const {
    TMarkerLook look;
    switch (kind) {
    case 0:
        look.shape = msSquare;
        look.label = Sprintf("%i", index + 1);
        break;
    case 1:
        look.shape = msCircle;
        look.label = Sprintf("%i", index + 1);
        look.showsParameters = true;
        break;
    case 2:
    case 3:
        look.shape = msSquare;
        look.label = kind == 2 ? QStringLiteral("LPF") : QStringLiteral("HPF");
        look.fontSize = 8;
        look.dx = -8;
        look.dy = -20;
        look.restoreFontSize = true;
        break;
    default:
        break;
    }
    return look;
}

void LCustomFFTDraw::PaintMarker(int index, int penWidth, bool withParameters) {
    const TBlock& b = FBlocks[std::size_t(index)];
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const double sx = ScreenX(b.dataX), sy = ScreenY(b.dataY);
    c.Pen.Color = b.colour;
    c.Pen.Width = penWidth;
    c.Pen.Style = psSolid;
    c.Brush.Style = bsCross;
    const TMarkerLook look = MarkerLook(b.kind, index);
    const bool inReach = sx > -kMarkerReach && sx < page.Width() + kMarkerReach && sy > -kMarkerReach &&
                         sy < page.Height() + kMarkerReach;
    if (look.shape != msNone && inReach) {
        const int l = TruncPixel(sx - 3), t = TruncPixel(sy - 3), r = TruncPixel(sx + 3), bt = TruncPixel(sy + 3);
        if (look.shape == msSquare)
            c.Rectangle(l, t, r, bt);
        else
            c.Ellipse(l, t, r, bt);
        c.Font.SetColor(clWhite);
        c.Font.SetSize(look.fontSize);
        c.TextOut(TruncPixel(sx + look.dx), TruncPixel(sy + look.dy), look.label);
        if (look.restoreFontSize) c.Font.SetSize(FTextSize);
        if (withParameters && look.showsParameters && FParameterDisplay &&
            (b.dataX != FCurveX || b.dataY != FCurveGain))
            ShowParam(MarkerParameterKind(b.type), b.gain, b.dataX, float(b.frequency), b.q, clWhite);
    }
    c.Pen.Width = 1;
}

void LCustomFFTDraw::BlockPaint() {
    for (int i = 0; i < kMarkerCount; ++i)
        if (!FBlocks[std::size_t(i)].hidden) PaintMarker(i, 5, true);
}

void LCustomFFTDraw::DrawBlock(double y, double x, TColor colour, int index, bool hidden, int kind) {
    if (!ValidIndex(index)) return;
    TBlock& b = FBlocks[std::size_t(index)];
    b.dataX = x;
    b.dataY = y;
    b.colour = colour;
    b.kind = kind;
    b.hidden = hidden;
    SetBlockPosition(ScreenX(x), ScreenY(y), index);
    if (FHoldCount == 0) PaintMarker(index, 1, false);
}

void LCustomFFTDraw::SetBlockParameter(int index, double frequency, double gain, double q, int type) {
    if (!ValidIndex(index)) return;
    TBlock& b = FBlocks[std::size_t(index)];
    b.frequency = frequency;
    b.gain = gain;
    b.q = q;
    b.type = type;
}

void LCustomFFTDraw::SetBlockPosition(double screenX, double screenY, int index) {
    if (!ValidIndex(index)) return;
    TBlock& b = FBlocks[std::size_t(index)];
    b.screenX = screenX;
    b.screenY = screenY;
    b.screenPoint = {TruncPixel(screenX), TruncPixel(screenY)};
}

TPoint LCustomFFTDraw::GetBlockPos(int index) const {
    return ValidIndex(index) ? FBlocks[std::size_t(index)].screenPoint : TPoint{};
}

const LCustomFFTDraw::TBlock& LCustomFFTDraw::Block(int index) const {
    static const TBlock none{};
    return ValidIndex(index) ? FBlocks[std::size_t(index)] : none;
}

void LCustomFFTDraw::DrawParam(int kind, double gain, double x, float frequency, double q, TColor colour) {
    FCurveKind = kind;
    FCurveGain = gain;
    FCurveX = x;
    FCurveFrequency = frequency;
    FCurveQ = q;
    FCurveColour = colour;
    if (FHoldCount == 0) ShowParam(kind, gain, x, frequency, q, colour);
}

void LCustomFFTDraw::ShowParam(int kind, double gain, double x, float frequency, double q, TColor colour) {
    DrawParamTexts(kind, gain, x, frequency, q, colour, false);
}

void LCustomFFTDraw::DrawParamTexts(int kind, double gain, double x, double frequency, double q, TColor colour,
                                    bool repaint) {
    TCanvas& c = FPages[pgCurve].Canvas();
    const TParamLayout layout = ParamLayout(kind, repaint);
    const double sx = ScreenX(x), sy = ScreenY(gain);
    if (layout.colourPen) {
        c.Pen.Color = colour;
        c.Pen.Width = 1;
    }
    c.Font.SetSize(8);
    c.Font.SetColor(colour);
    const int tx = TruncPixel(sx - 20);
    static constexpr int kBelow[3] = {20, 33, 46};
    for (int i = 0; i < layout.count; ++i) {
        QString text;
        switch (layout.lines[std::size_t(i)]) {
        case plQ: text = Sprintf("Q:%4.2f", q); break;
        case plFrequency:
            text = frequency < 1000 ? Sprintf("%4.1fHz", frequency) : Sprintf("%4.2fKHz", frequency / 1000);
            break;
        case plGain: text = Sprintf("%4.1fdB", gain); break;
        }
        const double y = gain > 0 ? sy + kBelow[i] : sy + layout.above[std::size_t(i)];
        c.TextOut(tx, TruncPixel(y), text);
    }
    c.Font.SetSize(FTextSize);
}

void LCustomFFTDraw::DrawCurveFill(int kind, const double* data, int count) {
    Q_UNUSED(kind);  // the closing lines follow the kind of the preceding DrawParam
    // The copy holds the 4096 points of the curve axis; more points are not taken.
    const int n = std::clamp(count, 0, kFillPoints);
    if (data) std::copy(data, data + n, FCurveData.begin());
    ++FCurveDataVersion;
    if (FHoldCount == 0) PaintFill(true);
}

void LCustomFFTDraw::CuveDisplayPaint() {
    if (!FCurveShown) return;
    DrawParamTexts(FCurveKind, FCurveGain, FCurveX, FCurveFrequency, FCurveQ, FCurveColour, true);
    PaintFill(false);
}

void LCustomFFTDraw::PaintFill(bool outlineAfterClosing) {
    TPaintPage& page = FPages[pgCurve];
    TCanvas& c = page.Canvas();
    const double W = page.Width(), H = page.Height();
    // The spline through the curve is made again only when the curve, the range or the page
    // size changed; the overlays are painted many times in between.
    const TFillKey key{page.Width(), page.Height(), FXMin, FXMax, FYMin, FYMax, FCurveDataVersion};
    if (!(key == FFillKey) || FFillSpline.IsEmpty()) {
        std::vector<TPoint> points(static_cast<std::size_t>(kFillPoints));
        for (int k = 0; k < kFillPoints; ++k)
            points[std::size_t(k)] = {TruncPixel(W * (k - FXMin) / (FXMax - FXMin)),
                                      TruncPixel(H - H * (FCurveData[std::size_t(k)] - FYMin) / (FYMax - FYMin))};
        FFillSpline = TSplinePath();
        FFillSpline.AddCurve(points.data(), kFillPoints);
        FFillKey = key;
    }
    TSplinePath path = FFillSpline;
    if (!outlineAfterClosing) path.Draw(c, kFillColour, 1);
    const double x10 = ScreenX(10), x20000 = ScreenX(20000);
    const double y0 = ScreenY(0), yTop = ScreenY(FYMax), yBottom = ScreenY(FYMin);
    const double edge = FCurveGain >= 0 ? yTop : yBottom;
    if (FCurveKind == 0) {
        path.AddLine(x10, y0, x20000, y0);
    } else if (FCurveKind == 1) {
        path.AddLine(x20000, y0, x10, y0);
        path.AddLine(x10, y0, x10, edge);
    } else if (FCurveKind == 2) {
        path.AddLine(x20000, edge, x20000, y0);
        path.AddLine(x20000, y0, x10, y0);
    } else if (FCurveKind >= 3) {
        path.AddLine(x20000, y0, x20000, yBottom);
        path.AddLine(x20000, yBottom, x10, yBottom);
    }
    if (outlineAfterClosing) path.Draw(c, kFillColour, 1);
    path.Fill(c, kFillColour);
}

void LCustomFFTDraw::TextPaint() {
    TCanvas& c = FPages[pgCurve].Canvas();
    c.Font.SetSize(FTextSize);
    c.Font.SetColor(FTextColour);
    c.Font.SetName(FTextFont);
    c.Brush.Style = bsClear;
    c.TextOut(FTextX, FTextY, FText);
}

void LCustomFFTDraw::DrawTextA(int x, int y, int size, TColor colour, const QString& fontName, const QString& text) {
    FTextX = x;
    FTextY = y;
    FTextSize = size;
    FTextColour = colour;
    FTextFont = fontName;
    FText = text;
    TCanvas& c = FPages[pgCurve].Canvas();
    c.Font.SetName(fontName);
    c.Font.SetSize(size);
    c.Brush.Style = bsClear;
    c.TextOut(x, y, text);
}

void LCustomFFTDraw::PaintLineOverlay(TPenStyle style) {
    TCanvas& c = FPages[pgCurve].Canvas();
    const double sx = ScreenX(FLineX);
    FLineScreenX = TruncPixel(sx);
    c.Pen.Color = clRed;
    c.Pen.Width = 1;
    c.Pen.Style = style;
    c.MoveTo(FLineScreenX, 0);
    c.LineTo(FLineScreenX, Height() - 10);
    c.Pen.Style = psSolid;
    if (FLineSquare) {
        const double sy = ScreenY(-3);
        c.Pen.Color = clYellow;
        c.Brush.Color = clYellow;
        c.Brush.Style = bsSolid;
        c.Rectangle(TruncPixel(sx - 4), TruncPixel(sy - 4), TruncPixel(sx + 4), TruncPixel(sy + 4));
    }
}

void LCustomFFTDraw::LinePaint() { PaintLineOverlay(psDot); }

void LCustomFFTDraw::DrawLine(double x, TColor colour, bool withSquare) {
    Q_UNUSED(colour);  // the line is always red
    FLineX = x;
    FLineSquare = withSquare;
    FLineSet = true;
    PaintLineOverlay(psDash);
}

// ---------------------------------------------------------------- pointer operations

void LCustomFFTDraw::DrawRubberBand() {
    TCanvas& c = Canvas();
    c.Brush.Style = bsClear;
    c.Pen.Color = clBlack;
    c.Pen.Style = psDot;
    c.Pen.Width = 1;
    c.Pen.Mode = pmNot;
    c.Rectangle(FZoomRect);
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
}

void LCustomFFTDraw::MouseDown1(TMouseButton button, TShiftState shift, int x, int y) {
    MouseDown(button, shift, x, y);
    if (FMouseControl && button == mbLeft) {
        if (shift == (ssAlt | ssLeft) || shift == (ssAlt | ssRight)) {
            FStretching = true;
        } else if (shift == (ssCtrl | ssLeft)) {
            FZooming = true;
            FZoomRect = Rect(x, y, x + 2, y + 2);
            FZoomAnchor = {x, y};
            DrawRubberBand();
        } else {
            FPanning = true;
        }
    }
    FLastMouse = {x, y};
}

void LCustomFFTDraw::MouseMove1(TShiftState shift, int x, int y) {
    MouseMove(shift, x, y);
    const int dx = x - FLastMouse.X, dy = y - FLastMouse.Y;
    const double W = FPages[pgCurve].Width(), H = FPages[pgCurve].Height();
    if (FMouseControl && (FPanning || FStretching) && W > 0 && H > 0) {
        const bool xLog = FXAxisFormat == TMyAxisFormat::Log, yLog = FYAxisFormat == TMyAxisFormat::Log;
        const double rx = dx * (xLog ? FLogXMax - FLogXMin : FXMax - FXMin) / W;
        const double ry = dy * (yLog ? FLogYMax - FLogYMin : FYMax - FYMin) / H;
        const double fx = std::pow(10.0, rx), fy = std::pow(10.0, ry);
        double x0 = FXMin, x1 = FXMax, y0 = FYMin, y1 = FYMax;
        if (FPanning) {
            if (xLog) { x0 /= fx; x1 /= fx; } else { x0 -= rx; x1 -= rx; }
            if (yLog) { y0 *= fy; y1 *= fy; } else { y0 += ry; y1 += ry; }
        } else {
            if (xLog) { x0 *= fx; x1 /= fx; } else { x0 += rx; x1 -= rx; }
            if (yLog) { y0 /= fy; y1 *= fy; } else { y0 -= ry; y1 += ry; }
        }
        SetXYMinMax(x0, x1, y0, y1);
        if (!FAutoRedraw) DrawPlotsAndLabels();
    } else if (FMouseControl && FZooming) {
        DrawRubberBand();
        FZoomRect = Rect(std::min(FZoomAnchor.X, x), std::min(FZoomAnchor.Y, y), std::max(FZoomAnchor.X, x),
                         std::max(FZoomAnchor.Y, y));
        DrawRubberBand();
    }
    FLastMouse = {x, y};
    FMouseX = PlotX(x);
    FMouseY = PlotY(y);
    if (!FPanning && !FStretching) DrawMouseCoord();
}

void LCustomFFTDraw::MouseUp1(TMouseButton button, TShiftState shift, int x, int y) {
    MouseUp(button, shift, x, y);
    FPanning = FStretching = false;
    if (FZooming) {
        DrawRubberBand();
        FZooming = false;
        SetXYMinMax(PlotX(FZoomRect.Left), PlotX(FZoomRect.Right), PlotY(FZoomRect.Bottom), PlotY(FZoomRect.Top));
    }
}

void LCustomFFTDraw::DblClick1() {
    DblClick();
    if (!FMouseControl) return;
    AutoScale();
    DrawPlotsAndLabels();
}

void LCustomFFTDraw::DrawMouseCoord() {
    if (!FShowCoordinates || !Visible()) return;
    TPaintPage& page = FPages[pgMouseCoord];
    page.Fill(Color());
    page.SetFont(FMouseCoordFont);
    TCanvas& c = page.Canvas();
    c.TextOut(0, 0, QStringLiteral("x = ") + FormatLabel(FMouseX, FXLabelFormat, FXLabelPrecision, FXLabelDigits));
    c.TextOut(0, c.TextHeight(QStringLiteral("y")) + 3,
              QStringLiteral("y = ") + FormatLabel(FMouseY, FYLabelFormat, FYLabelPrecision, FYLabelDigits));
    UpdatePaintPage(pgMouseCoord);
}

// ---------------------------------------------------------------- property setters

void LCustomFFTDraw::SetAutoRedraw(bool value) {
    FAutoRedraw = value;
    if (value) Redraw();
}

void LCustomFFTDraw::SetAxisColor(TColor value) {
    FAxisColor = value;
    DrawAxis();
}

void LCustomFFTDraw::SetAxisStyle(TMyAxisStyle value) {
    FAxisStyle = value;
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetXAxisFormat(TMyAxisFormat value) {
    FXAxisFormat = value;
    FindXMaxMin();
    if (value == TMyAxisFormat::Log) {
        if (FXMax <= 0) {
            FXMax = 10;
            FXMin = 1;
        } else if (FXMin <= 0) {
            FXMin = FXMax * 0.1;
        }
    }
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetYAxisFormat(TMyAxisFormat value) {
    FYAxisFormat = value;
    FindYMaxMin();
    if (value == TMyAxisFormat::Log) {
        if (FYMax <= 0) {
            FYMax = 10;
            FYMin = 1;
        } else if (FYMin <= 0) {
            FYMin = FYMax * 0.1;
        }
    }
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetShowXLabel(bool value) {
    FShowXLabel = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowYLabel(bool value) {
    FShowYLabel = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowCoordinates(bool value) {
    FShowCoordinates = value;
    if (Visible() && FAutoRedraw) {
        FPages[pgMouseCoord].Fill(Color());
        FPages[pgMouseCoord].CopyTo(Canvas());
        DrawAllPlots();
    }
}

void LCustomFFTDraw::SetYAutoScale(bool value) {
    FYAutoScale = value;
    FindYMaxMin();
    CompareMaxMin();
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetXAutoScale(bool value) {
    FXAutoScale = value;
    FindXMaxMin();
    CompareMaxMin();
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetYMax(double value) {
    FYMax = value;
    RangeChanged();
}

void LCustomFFTDraw::SetYMin(double value) {
    FYMin = value;
    RangeChanged();
}

void LCustomFFTDraw::SetXMax(double value) {
    FXMax = value;
    RangeChanged();
}

void LCustomFFTDraw::SetXMin(double value) {
    FXMin = value;
    RangeChanged();
}

void LCustomFFTDraw::SetPointSize(int value) {
    FPointSize = std::clamp(value, 1, 10);
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetXLabelPrecision(int value) {
    FXLabelPrecision = value;
    SetShowXLabel(FShowXLabel);
}

void LCustomFFTDraw::SetYLabelPrecision(int value) {
    FYLabelPrecision = value;
    SetShowYLabel(FShowYLabel);
}

void LCustomFFTDraw::SetXLabelDigits(int value) {
    FXLabelDigits = value;
    SetShowXLabel(FShowXLabel);
}

void LCustomFFTDraw::SetYLabelDigits(int value) {
    FYLabelDigits = value;
    SetShowYLabel(FShowYLabel);
}

void LCustomFFTDraw::SetXLabelFormat(TStringFloatFormat value) {
    FXLabelFormat = value;
    SetShowXLabel(FShowXLabel);
}

void LCustomFFTDraw::SetYLabelFormat(TStringFloatFormat value) {
    FYLabelFormat = value;
    SetShowYLabel(FShowYLabel);
}

void LCustomFFTDraw::SetShowHorzGrid(bool value) {
    FShowHorzGrid = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowVertGrid(bool value) {
    FShowVertGrid = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowHorzTicks(bool value) {
    FShowHorzTicks = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowVertTicks(bool value) {
    FShowVertTicks = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetHorzTickLength(int value) {
    FHorzTickLength = std::max(0, std::min(value, Width()));
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetVertTickLength(int value) {
    FVertTickLength = std::max(0, std::min(value, Height()));
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetNumHorzGrid(int value) {
    FNumHorzGrid = std::max(0, value);
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetNumVertGrid(int value) {
    FNumVertGrid = std::max(0, value);
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetGridColor(TColor value) {
    FGridColor = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowXTitle(bool value) {
    FShowXTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowYTitle(bool value) {
    FShowYTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowPlotTitle(bool value) {
    FShowPlotTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetXTitle(const QString& value) {
    FXTitle = value;
    if (FAutoRedraw) DrawTitles();
}

void LCustomFFTDraw::SetYTitle(const QString& value) {
    FYTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) DrawTitles();
}

void LCustomFFTDraw::SetPlotTitle(const QString& value) {
    FPlotTitle = value;
    if (FAutoRedraw) DrawTitles();
}

void LCustomFFTDraw::SetPlotTitleFont(const TFont& value) {
    FPlotTitleFont = value;
    FPages[pgPlotTitle].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetAxisTitleFont(const TFont& value) {
    FAxisTitleFont = value;
    FPages[pgXTitle].SetFont(value);
    FPages[pgYTitle].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetAxisLabelFont(const TFont& value) {
    FAxisLabelFont = value;
    FPages[pgXLabel].SetFont(value);
    FPages[pgYLabel].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetMouseCoordFont(const TFont& value) {
    FMouseCoordFont = value;
    FPages[pgMouseCoord].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) DrawPlotsAndLabels();
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
