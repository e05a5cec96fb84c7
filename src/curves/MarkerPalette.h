#pragma once

#include "graphics/TColor.h"

#include <array>

// Colours of the band numbers and band markers: marker n takes entry n, the same 14 colours
// repeated three times.
inline constexpr std::array<TColor, 42> MarkerPalette = [] {
    constexpr TColor kBase[14] = {clRed,    clYellow, clFuchsia, clAqua,  clLime,  clBlue,  clSkyBlue,
                                  clPurple, clTeal,   clMaroon,  clCream, clOlive, clGray,  clNavy};
    std::array<TColor, 42> palette{};
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = kBase[i % 14];
    return palette;
}();
