#include "rtl/RtlMath.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kInt64Limit = 9.2233720368547748e18;  // below 2^63, exactly representable

std::int64_t ToInt64(double value) {
    if (std::isnan(value)) return 0;
    if (value >= kInt64Limit) return std::numeric_limits<std::int64_t>::max();
    if (value <= -kInt64Limit) return std::numeric_limits<std::int64_t>::min();
    return std::int64_t(value);
}

}  // namespace

std::int64_t Round(double value) { return ToInt64(std::nearbyint(value)); }

std::int64_t Trunc(double value) { return ToInt64(std::trunc(value)); }

double Int(double value) { return std::trunc(value); }

double Frac(double value) { return value - std::trunc(value); }

int PixelFromDouble(double value) {
    if (std::isnan(value)) return 0;
    if (value > kMaxPixel) value = kMaxPixel;
    if (value < -kMaxPixel) value = -kMaxPixel;
    return int(std::nearbyint(value));
}

int ClampPixel(std::int64_t value) {
    if (value > kMaxPixel) return kMaxPixel;
    if (value < -kMaxPixel) return -kMaxPixel;
    return int(value);
}
