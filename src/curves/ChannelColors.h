#pragma once

#include "graphics/TColor.h"

#include <array>

// Colour of each channel's sum curve: InA, InB, Out1 to Out6, then two spare entries.
inline constexpr std::array<TColor, 10> ChannelColors = {
    clPurple, clOlive, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clSkyBlue, clCream,
};
