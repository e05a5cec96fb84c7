// Times the response engine against a straightforward std::complex<double> evaluation of
// the same sections and prints the ratios and goals:
//   one channel (9 bands, 5 crossover sections, the sum; magnitude): at least 3x faster;
//   one band plus the sum (the cost of a drag step): under 50 us;
//   redrawing the graph after a band change: under 4 ms;
//   no value further than 1e-6 dB from the baseline.
#include "ChannelScene.h"
#include "PaneGraph.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Curve = std::array<double, CurveAxis::kPoints>;

// The baseline: each point's frequency and e^(-jw) computed in place, complex arithmetic;
// the coefficients come from the engine's table.
void BaselineSection(double gain, double freq, double q, int type, float s0, float s1, Curve& out)
{
    FilterCurve section;
    section.gain = gain;
    section.freq = freq;
    section.q = q;
    section.type = type;
    section.s0 = s0;
    section.s1 = s1;
    section.CalcCoefficients();
    const BiquadCoefficients c = FilterCurve::Coefficients();
    for (int k = 0; k < CurveAxis::kPoints; ++k) {
        const double f = std::pow(10.0, std::log10(48000.0) * k * (1.0 / 4096));
        const double w = f * std::numbers::pi / 48000;
        const std::complex<double> z1 = std::exp(std::complex<double>(0, -w));
        const std::complex<double> z2 = std::exp(std::complex<double>(0, -2 * w));
        const std::complex<double> n = c.b0 + c.b1 * z1 + c.b2 * z2;
        const std::complex<double> d = 1.0 + c.a1 * z1 + c.a2 * z2;
        out[k] = 20 * std::log10(std::abs(n) / std::abs(d));
    }
}

struct BaselineChannel {
    std::vector<Curve> curves = std::vector<Curve>(Plot::kCurveCount, Curve{});

    void Compute()
    {
        for (int slot = 0; slot < int(scene::kBands.size()); ++slot) {
            const scene::Band& b = scene::kBands[slot];
            BaselineSection(b.gain, b.freq, b.q, CurveTypeOfBand(b.bandType), 0, 0, curves[slot]);
        }
        Compose(scene::kHighPass, 10);
        Compose(scene::kLowPass, 11);
        Curve& sum = curves[Plot::kSumSlot];
        for (int k = 0; k < CurveAxis::kPoints; ++k) {
            double v = 0;
            for (int slot = 0; slot < Plot::kSummedSlots; ++slot)
                v += curves[slot][k];
            sum[k] = v;
        }
    }

    void Compose(const std::vector<scene::Section>& sections, int target)
    {
        curves[target].fill(0);
        for (const scene::Section& s : sections) {
            BaselineSection(0, s.freq, 0.05, s.type, s.s0, s.s1, curves[s.slot]);
            for (int k = 0; k < CurveAxis::kPoints; ++k)
                curves[target][k] += curves[s.slot][k];
        }
    }
};

// Median time of one call in microseconds, over batches sized to last a few milliseconds.
double TimeMicros(const std::function<void()>& work)
{
    work();
    int perBatch = 1;
    for (;;) {
        const auto t0 = Clock::now();
        for (int i = 0; i < perBatch; ++i)
            work();
        if (Clock::now() - t0 > std::chrono::milliseconds(5))
            break;
        perBatch *= 2;
    }
    std::vector<double> batches;
    for (int b = 0; b < 15; ++b) {
        const auto t0 = Clock::now();
        for (int i = 0; i < perBatch; ++i)
            work();
        batches.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / perBatch);
    }
    std::nth_element(batches.begin(), batches.begin() + batches.size() / 2, batches.end());
    return batches[batches.size() / 2];
}

void Line(const char* what, double value, const char* unit)
{
    std::printf("%-46s %10.2f %s\n", what, value, unit);
}

bool Report(const char* what, double value, const char* unit, bool ok, const char* goal)
{
    std::printf("%-46s %10.4g %-3s  goal %-9s %s\n", what, value, unit, goal, ok ? "ok" : "MISSED");
    return ok;
}

// The next frequency of a band being dragged back and forth across its neighbourhood.
double NextDragFrequency(double f) { return f < 6000 ? f * 1.01 : 1500; }

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;

    // Computing alone: an engine without a graph.
    BaselineChannel baseline;
    Plot engine(nullptr);
    baseline.Compute();
    scene::ComputeChannel(engine);
    engine.DrawSum(scene::kChannel);
    double worst = 0;
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17})
        for (int k = 0; k < CurveAxis::kPoints; ++k)
            worst = std::max(worst, std::fabs(engine.Curve(slot)->data[k] - baseline.curves[slot][k]));

    const double baselineUs = TimeMicros([&] { baseline.Compute(); });
    const double engineUs = TimeMicros([&] {
        scene::ComputeChannel(engine);
        engine.DrawSum(scene::kChannel);
    });
    double freq = scene::kBands[scene::kSelected].freq;
    const double dragUs = TimeMicros([&] {
        freq = NextDragFrequency(freq);
        const scene::Band& b = scene::kBands[scene::kSelected];
        engine.Curve(scene::kSelected)->SetFilter(b.gain, freq, b.q, CurveTypeOfBand(b.bandType));
        engine.DrawSum(scene::kChannel);
    });
    const double baselineDragUs = TimeMicros([&] {
        freq = NextDragFrequency(freq);
        const scene::Band& b = scene::kBands[scene::kSelected];
        BaselineSection(b.gain, freq, b.q, CurveTypeOfBand(b.bandType), 0, 0, baseline.curves[scene::kSelected]);
        Curve& sum = baseline.curves[Plot::kSumSlot];
        for (int k = 0; k < CurveAxis::kPoints; ++k) {
            double v = 0;
            for (int slot = 0; slot < Plot::kSummedSlots; ++slot)
                v += baseline.curves[slot][k];
            sum[k] = v;
        }
    });

    // Drawing: a shown channel pane; one band moved, its marker, the sum, its texts and
    // fill, the curve page copied and the control repainted.
    auto graph = MakePaneGraph();
    Plot pane(graph.get());
    scene::ComputeChannel(pane);
    scene::DrawChannel(pane, scene::kSelected);
    app.processEvents();
    freq = scene::kBands[scene::kSelected].freq;
    const double redrawUs = TimeMicros([&] {
        freq = NextDragFrequency(freq);
        scene::MoveBand(pane, scene::kSelected, freq);
        graph->repaint();
    });
    const double pageUs = TimeMicros([&] {
        freq = NextDragFrequency(freq);
        scene::MoveBand(pane, scene::kSelected, freq);
    });

    Line("one channel, baseline (std::complex)", baselineUs, "us");
    Line("one channel, engine", engineUs, "us");
    ok &= Report("one channel: baseline / engine", baselineUs / engineUs, "x", baselineUs / engineUs >= 3, ">= 3");
    Line("one band plus the sum, baseline", baselineDragUs, "us");
    std::printf("%-46s %10.2f x\n", "one band plus the sum: baseline / engine", baselineDragUs / dragUs);
    ok &= Report("one band plus the sum (drag step), engine", dragUs, "us", dragUs < 50, "< 50");
    Line("band change drawn into the curve page", pageUs / 1000, "ms");
    ok &= Report("band change redrawn, control repainted", redrawUs / 1000, "ms", redrawUs < 4000, "< 4");
    ok &= Report("largest difference from the baseline", worst, "dB", worst <= 1e-6, "<= 1e-6");
    return ok ? 0 : 1;
}
