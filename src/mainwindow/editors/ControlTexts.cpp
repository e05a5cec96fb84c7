#include "ControlTexts.h"

#include "ProgramConstants.h"
#include "QTable.h"
#include "TransferCurve.h"
#include "ValueCodecs.h"
#include "ui/SysUtils.h"

#include <algorithm>
#include <cstdint>

namespace {
// Channel gain: 0.1 dB per position down to -20 dB (position -200), 0.5 dB below.
constexpr int kFineGainSteps = 200;
constexpr double kFineGainStep = 0.1;
constexpr double kCoarseGainStep = 0.5;
constexpr double kFineGainFloor = 20.0;
}  // namespace

QString GainText(int p)
{
    if (p >= 0)
        return Sprintf("+%3.1fdB", p * kFineGainStep);
    const int a = -p;
    const double dB = a > kFineGainSteps ? (a - kFineGainSteps) * kCoarseGainStep + kFineGainFloor : a * kFineGainStep;
    return Sprintf("-%3.1fdB", dB);
}

QString CutFreqText(double hz)
{
    if (hz >= 1000)
        return Sprintf("%4.2fKHz", hz * 0.001);
    return Sprintf("%4.1fHz", hz);
}

QString ThresholdText(int position) { return Sprintf("%+1.1fdB", position * 0.5); }
QString GateTimeText(int position) { return Sprintf("%dms", position + 1); }
QString CompTimeText(int position) { return Sprintf("%3dms", position + 1); }

QString CompRatioText(int ratioIndex)
{
    if (ratioIndex < 0 || ratioIndex >= kCompRatioLimit)
        return QLatin1String(Program::kRatioTexts[kCompRatioLimit]);
    return QStringLiteral("1:") + QLatin1String(Program::kRatioTexts[std::size_t(ratioIndex)]);
}

QString KneeText(int knee) { return Sprintf("%ddB", knee); }

QString DelayText(int samples, int unit)
{
    const double ms = double(samples) / kSamplesPerMs;
    const double metres = samples * kSpeedOfSound / kSamplesPerMs * 0.001;
    switch (unit) {
    case kDelayUnitMetres:
        return Sprintf("%4.3fm", metres);
    case kDelayUnitFeet:
        return Sprintf("%4.3fft", samples * kSpeedOfSound / kSamplesPerMs * 3.2808 * 0.001);
    default:
        return Sprintf("%4.3fms", ms);
    }
}

namespace {
// The picture of delay 0 stands at the line's start; the picture takes 90 pixels of the line.
constexpr int kDelayLineStart = 40, kDelayLineMargin = 90;
}  // namespace

QString DelayLineText(int pictureLeft)
{
    constexpr int kPixelsPerDash = 6, kMaxDashes = 132;
    return QString(std::clamp((pictureLeft - kDelayLineStart) / kPixelsPerDash, 0, kMaxDashes), QLatin1Char('-'));
}

int DelayPictureLeft(int position, int max, int lineWidth)
{
    if (max <= 0)
        return kDelayLineStart;
    return int(std::int64_t(position) * (lineWidth - kDelayLineMargin) / max) + kDelayLineStart;
}

QString EqFreqText(double hz)
{
    if (hz >= 1000)
        return Sprintf("%4.2fKHz", hz / 1000);
    return Sprintf(" %4.1fHz", hz);
}

QString EqGainText(int gainCode)
{
    const double dB = (gainCode - kGainCodeOffset) * 0.1;
    return gainCode < kGainCodeOffset ? Sprintf("%4.1fdB", dB) : Sprintf("+%3.1fdB", dB);
}

QString EqQText(int qIndex) { return Sprintf("%3.2f", double(float(QTableValue(qIndex)))); }
