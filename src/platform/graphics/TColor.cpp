#include "graphics/TColor.h"

#include <array>
#include <cmath>

namespace {

// The desktop colour scheme the editor draws with, indexed by system colour number.
constexpr std::array<TColor, kSystemColorCount> kSystemColors = {
    RGBColor(200, 200, 200),  //  0 scroll bar
    RGBColor(0, 0, 0),        //  1 desktop background
    RGBColor(153, 180, 209),  //  2 active caption
    RGBColor(191, 205, 219),  //  3 inactive caption
    RGBColor(240, 240, 240),  //  4 menu
    RGBColor(255, 255, 255),  //  5 window
    RGBColor(100, 100, 100),  //  6 window frame
    RGBColor(0, 0, 0),        //  7 menu text
    RGBColor(0, 0, 0),        //  8 window text
    RGBColor(0, 0, 0),        //  9 caption text
    RGBColor(180, 180, 180),  // 10 active border
    RGBColor(244, 247, 252),  // 11 inactive border
    RGBColor(171, 171, 171),  // 12 application workspace
    RGBColor(51, 153, 255),   // 13 highlight
    RGBColor(255, 255, 255),  // 14 highlight text
    RGBColor(240, 240, 240),  // 15 button face
    RGBColor(160, 160, 160),  // 16 button shadow
    RGBColor(109, 109, 109),  // 17 grey text
    RGBColor(0, 0, 0),        // 18 button text
    RGBColor(67, 78, 84),     // 19 inactive caption text
    RGBColor(255, 255, 255),  // 20 button highlight
    RGBColor(105, 105, 105),  // 21 3-D dark shadow
    RGBColor(227, 227, 227),  // 22 3-D light
    RGBColor(0, 0, 0),        // 23 tooltip text
    RGBColor(255, 255, 225),  // 24 tooltip background
    RGBColor(0, 0, 0),        // 25 (unused index)
    RGBColor(0, 102, 204),    // 26 hot-tracked item
    RGBColor(185, 209, 234),  // 27 active caption gradient
    RGBColor(215, 228, 242),  // 28 inactive caption gradient
    RGBColor(51, 153, 255),   // 29 menu highlight
    RGBColor(240, 240, 240),  // 30 menu bar
};

}  // namespace

TColor ColorToRGB(TColor color) {
    if ((color & 0x80000000u) == 0) return color;
    const TColor index = color & 0xFFu;
    return index < TColor(kSystemColorCount) ? kSystemColors[index] : clBlack;
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    if (rgb & 0xFF000000u) return QColor(0, 0, 0);  // clNone, clDefault
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor MixColors(TColor a, TColor b, double weight) {
    const TColor ca = ColorToRGB(a), cb = ColorToRGB(b);
    const auto mix = [weight](int x, int y) { return int(std::nearbyint(x * weight + y * (1 - weight))); };
    return RGBColor(mix(GetRValue(ca), GetRValue(cb)), mix(GetGValue(ca), GetGValue(cb)),
                    mix(GetBValue(ca), GetBValue(cb)));
}
