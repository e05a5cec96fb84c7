#pragma once
// One busy output channel as the editors set it up: nine EQ bands, a three-section
// high-pass and a two-section low-pass crossover composed into slots 10 and 11, the sum,
// markers and the selected band's display. Shared by the render test and the benchmark.
#include "LMyFFTDrawPhase.h"
#include "Plot.h"

#include <vector>

namespace scene {

struct Band {
    int bandType;  // band-table type 0 to 6
    double gain, freq, q;
};

struct Section {
    int slot;
    int type;
    double freq;
    float s0, s1;
};

inline const std::vector<Band> kBands = {
    {1, 3.0, 120, 0.7},    {0, -4.5, 250, 2.5}, {0, 2.0, 800, 1.0},   {0, -6.0, 1600, 4.0}, {0, 5.0, 3150, 1.4},
    {2, -2.5, 9000, 0.7},  {6, 0.0, 5000, 1.0}, {0, 0.0, 12500, 1.0}, {0, 0.0, 16000, 1.0},
};
inline const std::vector<Section> kHighPass = {
    {13, FilterCurveType::HighPass2Damping, 45, 1.8478f, 0},
    {14, FilterCurveType::HighPass2Table, 45, 0.7654f, 1.0f},
    {15, FilterCurveType::HighPass1Coef, 45, 1.0f, 0},
};
inline const std::vector<Section> kLowPass = {
    {16, FilterCurveType::LowPass2Damping, 18000, 1.4142f, 0},
    {17, FilterCurveType::LowPass2Table, 18000, 1.3617f, 0.618f},
};
constexpr int kChannel = 2;  // Out1
constexpr int kSelected = 4;

inline void SetBand(Plot& plot, int slot)
{
    const Band& b = kBands[slot];
    plot.Curve(slot)->SetFilter(b.gain, b.freq, b.q, CurveTypeOfBand(b.bandType));
}

// The crossover composition: each section computed, their sum written into the result slot.
inline void ComposeCut(Plot& plot, const std::vector<Section>& sections, int target)
{
    FilterCurve& result = *plot.Curve(target);
    result.SetParams(0, sections.front().freq, 0.05, FilterCurveType::Flat, 0, 0);
    for (const Section& s : sections) {
        FilterCurve& c = *plot.Curve(s.slot);
        c.SetParams(0, s.freq, 0.05, s.type, s.s0, s.s1);
        for (int k = 0; k < CurveAxis::kPoints; ++k)
            result.data[k] += c.data[k];
    }
}

inline void ComputeChannel(Plot& plot)
{
    for (int slot = 0; slot < int(kBands.size()); ++slot)
        SetBand(plot, slot);
    ComposeCut(plot, kHighPass, 10);
    ComposeCut(plot, kLowPass, 11);
}

// Markers, the sum, the selected band's texts and fill, then the curve page to the screen.
inline void DrawChannel(Plot& plot, int selected)
{
    for (int slot = 0; slot < int(kBands.size()); ++slot)
        plot.DrawBandMarker(slot, float(kBands[slot].gain), 1);
    plot.DrawBandMarker(10, 0, 3);
    plot.DrawBandMarker(11, 0, 2);
    plot.DrawSum(kChannel);
    const Band& b = kBands[selected];
    plot.DrawParamCurve(b.bandType, selected, float(b.gain), float(b.q), true);
    plot.View()->UpdateCurvePage();
}

// What one step of dragging the selected band costs: its curve, its marker, the sum, its
// texts and fill, and the curve page.
inline void MoveBand(Plot& plot, int slot, double freq)
{
    const Band& b = kBands[slot];
    plot.Curve(slot)->SetFilter(b.gain, freq, b.q, CurveTypeOfBand(b.bandType));
    plot.DrawBandMarker(slot, float(b.gain), 1);
    plot.DrawSum(kChannel);
    plot.DrawParamCurve(b.bandType, slot, float(b.gain), float(b.q), true);
    plot.View()->UpdateCurvePage();
}

}  // namespace scene
