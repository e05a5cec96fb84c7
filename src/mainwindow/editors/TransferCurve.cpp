#include "TransferCurve.h"

#include <algorithm>

namespace {
constexpr double kInputTop = 20;      // dB, the top of the plots' input range
constexpr double kCurveBottom = -100; // dB
}  // namespace

const std::array<double, kCompRatioCount> CompRatioTable = {1.0, 1.1, 1.3, 1.5, 1.7, 2.0, 2.5, 3.0,
                                                            3.5, 4.0, 5.0, 6.0, 8.0, 10,  20,  20.1};

double CompRatio(int ratioIndex)
{
    return CompRatioTable[std::size_t(std::clamp(ratioIndex, 0, kCompRatioCount - 1))];
}

std::array<TransferPoint, 4> CompCurvePoints(double t, int knee, int ratioIndex, int limitIndex)
{
    const double k = knee;
    double a = 0, b = 0;
    if (ratioIndex != limitIndex) {
        const double r = CompRatio(ratioIndex);
        a = (kInputTop - t) / r;
        b = k / r;
    }
    return {{{kInputTop, t + a}, {t + k, t + b}, {t - k, t - k}, {kCurveBottom, kCurveBottom}}};
}

std::array<TransferPoint, 3> GateCurvePoints(double t)
{
    return {{{kInputTop, kInputTop}, {t, t}, {t, kCurveBottom}}};
}

TransferPoint ThresholdMarker(double t) { return {t + 0.2, t - 0.4}; }
