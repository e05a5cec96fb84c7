#include "graphics/ColorContrast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kReadable = 4.5;

double Luminance(TColor colour) {
    const TColor rgb = ColorToRGB(colour);
    const auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(rgb)) + 0.7152 * channel(GetGValue(rgb)) + 0.0722 * channel(GetBValue(rgb));
}

// `from` mixed toward `end` in twentieths until it reads at 4.5:1 against `other`.
TColor MixUntilReadable(TColor from, TColor end, TColor other) {
    for (int step = 1; step < 20; ++step) {
        const TColor candidate = MixColors(end, from, step / 20.0);
        if (ContrastRatio(candidate, other) >= kReadable) return candidate;
    }
    return end;
}

}  // namespace

double ContrastRatio(TColor a, TColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkColor(TColor color) { return Luminance(color) < 0.18; }

TColor DisabledTextOn(TColor face) {
    if (ContrastRatio(clGrayText, face) >= kReadable) return clGrayText;
    return MixUntilReadable(face, IsDarkColor(face) ? clWhite : clBlack, face);
}

TColor ReadableBehind(TColor color, TColor text) {
    if (ContrastRatio(color, text) >= kReadable) return color;
    return MixUntilReadable(color, IsDarkColor(text) ? clWhite : clBlack, text);
}
