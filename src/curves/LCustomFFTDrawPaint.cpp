// The curve graph's drawing: the pages, grid, ticks, axes, curves, axis labels and titles.
#include "LCustomFFTDraw.h"

#include <algorithm>
#include <cmath>

namespace {

// The x-label frequencies; a control narrower than kAllXLabelsWidth shows the first four.
constexpr double kXLabelFrequencies[] = {20, 100, 1000, 10000, 20000, 50, 200, 500, 2000, 5000};
constexpr int kAllXLabelsWidth = 800;
constexpr int kNarrowXLabelCount = 4;

}  // namespace

// ---------------------------------------------------------------- drawing

void LCustomFFTDraw::Paint() {
    FShown = true;
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
    if (!Drawing()) return;
    PaintOverlays();
    FPages[page].CopyTo(Canvas());
}

const TPaintPage& LCustomFFTDraw::Page(TPageId page) const {
    if (!FShown) {
        // Reading the pages is a first look at the graph: draw what a paint would show.
        auto* self = const_cast<LCustomFFTDraw*>(this);
        self->FShown = true;
        if (FHoldCount == 0) {
            self->DrawTitles();  // first: its page updates paint the overlays, which the plots clear
            self->DrawPlotsAndLabelsNoUpdate();
            self->PaintOverlays();
        }
    }
    return FPages[page];
}

void LCustomFFTDraw::DrawAllPlots() {
    if (!Visible() || !FShown) return;
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
    if (!Visible() || !FShown) return;
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
    if (!FShowXLabel || !FShown) return;
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
    if (!FShowYLabel || !FShown) return;
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
    if (!FShown) return;
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
    if (!FShown) return;
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
