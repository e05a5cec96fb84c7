#pragma once
// Types shared by the curve graphs: their enumerations, the curve list and the pixel rule.
#include "graphics/TColor.h"

#include <QObject>

#include <cstdint>
#include <list>
#include <vector>

namespace FFTDrawEnums {
Q_NAMESPACE

enum class TMyAxisStyle : std::int32_t { Box, Centered, CenteredBox, LB, None };
Q_ENUM_NS(TMyAxisStyle)

enum class TMyAxisFormat : std::int32_t { Linear, Log };
Q_ENUM_NS(TMyAxisFormat)

// Point count of the frequency axis: 256 x 2^value.
enum class TFFTNumber : std::int32_t { n256, n512, n1024, n2048, n4096 };
Q_ENUM_NS(TFFTNumber)

// Frequency at the end of the frequency axis: 24000 x (value + 1) Hz.
enum class TSampleRate : std::int32_t { n48000, n96000, n192000 };
Q_ENUM_NS(TSampleRate)

enum class TMyPlotStyle : std::int32_t { Line, FilledSquares, HollowSquares, LineFilledSquares, LineHollowSquares };
Q_ENUM_NS(TMyPlotStyle)

// Number format of the axis labels.
enum class TStringFloatFormat : std::int32_t { sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency };
Q_ENUM_NS(TStringFloatFormat)

}  // namespace FFTDrawEnums

using FFTDrawEnums::TFFTNumber;
using FFTDrawEnums::TMyAxisFormat;
using FFTDrawEnums::TMyAxisStyle;
using FFTDrawEnums::TMyPlotStyle;
using FFTDrawEnums::TSampleRate;
using FFTDrawEnums::TStringFloatFormat;

// One curve of a graph: its points, colour, style and id.
struct TPlotListMember {
    std::vector<double> x;
    std::vector<double> y;
    TColor colour = 0;
    TMyPlotStyle style = TMyPlotStyle::Line;
    int count = 0;
    int id = 0;
};

// The curves of a graph, newest first.
using TPlotList = std::list<TPlotListMember>;

// A coordinate as a whole pixel: truncated toward zero; NaN gives 0 and values beyond
// +-kPixelLimit are held there, so no conversion overflows.
constexpr int kPixelLimit = 1 << 24;
int TruncPixel(double value);
