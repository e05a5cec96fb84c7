// The value texts of the channel controls at the ends and steps of their ranges.
#include "ControlTexts.h"
#include "ValueCodecs.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Case {
    const char* what;
    std::function<QString()> text;
    const char* want;
};

TEST(ControlTextsTest, TextsOfTheChannelControls)
{
    const Case cases[] = {
        {"gain top", [] { return GainText(120); }, "+12.0dB"},
        {"gain 0", [] { return GainText(0); }, "+0.0dB"},
        {"gain last fine step", [] { return GainText(-1); }, "-0.1dB"},
        {"gain -20", [] { return GainText(-200); }, "-20.0dB"},
        {"gain first coarse step", [] { return GainText(-201); }, "-20.5dB"},
        {"gain bottom", [] { return GainText(-280); }, "-60.0dB"},
        {"cut bottom", [] { return CutFreqText(IndexToFreq(0)); }, "19.7Hz"},
        {"cut 1 kHz", [] { return CutFreqText(IndexToFreq(170)); }, "1.00KHz"},
        {"cut top", [] { return CutFreqText(IndexToFreq(300)); }, "20.16KHz"},
        {"threshold bottom", [] { return ThresholdText(-180); }, "-90.0dB"},
        {"threshold 0", [] { return ThresholdText(0); }, "+0.0dB"},
        {"threshold top", [] { return ThresholdText(40); }, "+20.0dB"},
        {"gate time", [] { return GateTimeText(0); }, "1ms"},
        {"comp time padded", [] { return CompTimeText(0); }, "  1ms"},
        {"comp time wide", [] { return CompTimeText(999); }, "1000ms"},
        {"ratio 1.5", [] { return CompRatioText(3); }, "1:1.5"},
        {"ratio 10", [] { return CompRatioText(13); }, "1:10"},
        {"ratio 20", [] { return CompRatioText(14); }, "1:20"},
        {"limiter", [] { return CompRatioText(15); }, "Limit"},
        {"knee", [] { return KneeText(12); }, "12dB"},
        {"delay 0", [] { return DelayText(0, kDelayUnitMs); }, "0.000ms"},
        {"delay ms", [] { return DelayText(96, kDelayUnitMs); }, "1.000ms"},
        {"delay m", [] { return DelayText(96, kDelayUnitMetres); }, "0.344m"},
        {"delay ft", [] { return DelayText(96, kDelayUnitFeet); }, "1.127ft"},
        {"delay top", [] { return DelayText(65280, kDelayUnitMs); }, "680.000ms"},
        {"band freq below 1k", [] { return EqFreqText(IndexToFreq(169)); }, " 977.2Hz"},
        {"band freq bottom", [] { return EqFreqText(19.7); }, " 19.7Hz"},
        {"band freq 1k", [] { return EqFreqText(IndexToFreq(170)); }, "1.00KHz"},
        {"band gain bottom", [] { return EqGainText(0); }, "-12.0dB"},
        {"band gain -0.1", [] { return EqGainText(119); }, "-0.1dB"},
        {"band gain 0", [] { return EqGainText(120); }, "+0.0dB"},
        {"band gain top", [] { return EqGainText(240); }, "+12.0dB"},
        {"band Q bottom", [] { return EqQText(0); }, "0.40"},
        {"band Q top", [] { return EqQText(100); }, "128.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text().toStdString(), c.want) << c.what;
}

}  // namespace
