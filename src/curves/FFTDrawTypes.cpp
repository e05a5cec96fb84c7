#include "FFTDrawTypes.h"

#include <cmath>

int TruncPixel(double value) {
    if (std::isnan(value)) return 0;
    if (value >= kPixelLimit) return kPixelLimit;
    if (value <= -kPixelLimit) return -kPixelLimit;
    return int(value);  // truncates toward zero
}
