#include "CurveAxis.h"

#include <cmath>
#include <memory>
#include <numbers>

double CurveAxis::Frequency(int k)
{
    return std::pow(10.0, std::log10(48000.0) * k * (1.0 / kPoints));
}

double CurveAxis::PointOf(double freq)
{
    return std::log10(freq) / std::log10(48000.0) * kPoints;
}

const CurveAxis::Grid& CurveAxis::SharedGrid()
{
    static const std::unique_ptr<const Grid> grid = [] {
        auto g = std::make_unique<Grid>();
        for (int k = 0; k < kPoints; ++k) {
            const double f = Frequency(k);
            const double w = f * std::numbers::pi / (kSampleRate / 2);  // radians per sample
            g->freq[k] = f;
            g->cos1[k] = std::cos(-w);
            g->sin1[k] = std::sin(-w);
            g->cos2[k] = std::cos(-2 * w);
            g->sin2[k] = std::sin(-2 * w);
        }
        return g;
    }();
    return *grid;
}
