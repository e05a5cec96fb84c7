// Any text typed into a band table's field gives either nothing (the old text comes back) or
// a value on the field's grid, and the text written for that value parses back to it.
#include "BandEntry.h"
#include "QTable.h"
#include "ValueCodecs.h"

#include "ui/SysUtils.h"

#include <QString>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto index = ParseFrequencyEntry(text)) {
        if (*index < kFreqIndexMin || *index > kFreqIndexMax) std::abort();
        // The shown text reads back to the same grid index.
        if (ParseFrequencyEntry(FreqText(IndexToFreq(*index))) != index) std::abort();
    }
    if (const auto q = ParseQEntry(text)) {
        if (*q < 0 || *q > kQIndexTop) std::abort();
        if (ParseQEntry(Sprintf("%1.2f", QTable[std::size_t(*q)])) != q) std::abort();
    }
    if (const auto dB = ParseGainEntry(text)) {
        if (!(*dB >= -12 && *dB <= 12)) std::abort();
        const int position = int(std::trunc(float(*dB * 10)));
        const auto back = ParseGainEntry(Sprintf("%1.1fdB", position / 10.0));
        if (!back || int(std::trunc(float(*back * 10))) != position) std::abort();
    }
    // Snapping never fails, whatever frequency a text stands for.
    const double hz = LeadingNumber(text);
    (void)SnapFrequencyPrintf(hz);
    (void)SnapFrequencyRunTime(hz, QLatin1Char(','));
    (void)SnapGainTenths(hz);
    return 0;
}
