// Times what the main window does to its transfer-curve plots and prints the goal:
//   DeletePoints, 6 AddXY and a full repaint of the 904 x 230 gate plot;
//   the full repaint alone: under 2 ms;
//   10,000 AddXY into a channel;
//   a time-series channel of 1,000,000 points drawn into the 904 x 230 plot: under 20 ms;
//   1,000,000 points added in real time to a time-series channel.
#include <benchmark/benchmark.h>

#include "core/TransferCurvePlotLayout.h"
#include "core/iPlot.h"
#include "core/iPlotAxis.h"
#include "core/iXYPlot.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The gate plot as the main window sets it up, showing a curve.
struct GatePlot {
    TiXYPlot plot{nullptr};
    GatePlot() {
        ApplyTransferCurvePlotLayout(plot, kGatePlotPlacement);
        Update(-60);
    }
    // The main window's redraw of the curve: the old points go, the new ones come.
    void Update(double threshold) {
        TiXYPlotChannel* curve = plot.Channel(0);
        curve->DeletePoints(curve->Count());
        curve->AddXY(-100, -100);
        curve->AddXY(threshold, -100);
        curve->AddXY(threshold, threshold);
        curve->AddXY(0, 0);
        curve->AddXY(20, 20);
        TiXYPlotChannel* marker = plot.Channel(1);
        marker->DeletePoints(marker->Count());
        marker->AddXY(threshold, threshold);
    }
};

void BM_TransferCurveUpdateAndRepaint(benchmark::State& state) {
    GatePlot g;
    double threshold = -60;
    for (auto _ : state) {
        threshold = threshold < -20 ? threshold + 1 : -60;
        g.Update(threshold);
        benchmark::DoNotOptimize(g.plot.PaintOffScreen());
    }
}
BENCHMARK(BM_TransferCurveUpdateAndRepaint)->Unit(benchmark::kMicrosecond);

void BM_FullRepaint904x230(benchmark::State& state) {
    GatePlot g;
    for (auto _ : state) benchmark::DoNotOptimize(g.plot.PaintOffScreen());
}
BENCHMARK(BM_FullRepaint904x230)->Unit(benchmark::kMicrosecond);

void BM_AddXY10000(benchmark::State& state) {
    GatePlot g;
    TiXYPlotChannel* c = g.plot.Channel(0);
    for (auto _ : state) {
        c->Clear();
        for (int i = 0; i < 10000; ++i) c->AddXY(i * 0.01 - 100, (i % 100) - 80);
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_AddXY10000)->Unit(benchmark::kMicrosecond);

// A time-series plot of the gate plot's size, its X axis spanning the whole series.
struct SeriesPlot {
    TiPlot plot{nullptr};
    TiPlotChannel* c = plot.Channel(0);
    explicit SeriesPlot(int points) {
        plot.SetBounds(0, 0, 904, 230);
        plot.XAxis(0)->SetTrackingEnabled(false);
        plot.YAxis(0)->SetTrackingEnabled(false);
        plot.XAxis(0)->SetMinSpan(0, points);
        plot.YAxis(0)->SetMinSpan(-100, 200);
        for (int i = 0; i < points; ++i) c->AddXY(i, Wave(i));
    }
    static double Wave(int i) { return 80 * std::sin(i * 1e-4) + (i % 7) * 2 - 6; }
};

void BM_TimeSeriesRepaint1M(benchmark::State& state) {
    SeriesPlot s(1000000);
    for (auto _ : state) benchmark::DoNotOptimize(s.plot.PaintOffScreen());
}
BENCHMARK(BM_TimeSeriesRepaint1M)->Unit(benchmark::kMillisecond);

// Points stamped with the elapsed time as they come, the way a live feed adds them.
void BM_TimeSeriesAddRealTime1M(benchmark::State& state) {
    SeriesPlot s(0);
    for (auto _ : state) {
        s.c->Clear();
        for (int i = 0; i < 1000000; ++i) s.c->AddYElapsedSeconds(SeriesPlot::Wave(i));
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_TimeSeriesAddRealTime1M)->Unit(benchmark::kMillisecond);

// The median of many repaints, for the goal line.
double MedianRepaintMs(TiPlotComponent& plot, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(plot.PaintOffScreen());
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    GatePlot g;
    const double ms = MedianRepaintMs(g.plot, 200);
    std::printf("full repaint of the 904 x 230 gate plot: median %.3f ms (goal under 2 ms: %s)\n", ms,
                ms < 2.0 ? "met" : "NOT met");
    SeriesPlot s(1000000);
    const double series = MedianRepaintMs(s.plot, 30);
    std::printf("904 x 230 time-series plot of 1,000,000 points: median %.3f ms (goal under 20 ms: %s)\n", series,
                series < 20.0 ? "met" : "NOT met");
    return 0;
}
