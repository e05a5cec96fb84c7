#include "MarkerPalette.h"

#include <gtest/gtest.h>

namespace {

TEST(PaletteTest, MarkerColoursRepeatEveryFourteen)
{
    EXPECT_EQ(MarkerPalette[0], clRed);
    EXPECT_EQ(MarkerPalette[6], clSkyBlue);
    EXPECT_EQ(MarkerPalette[13], clNavy);
    for (std::size_t n = 14; n < MarkerPalette.size(); ++n)
        EXPECT_EQ(MarkerPalette[n], MarkerPalette[n - 14]) << n;
}

}  // namespace
