#include "BandEntry.h"

#include "ValueCodecs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kFrequencyStep = 1.023373891996775;

TEST(BandEntry, FrequencyEntries) {
    struct Case {
        const char* text;
        int index;  // -1: refused
    };
    for (const Case& c : {Case{"1k", 170}, Case{"1000", 170}, Case{"1.00KHz", 170}, Case{"1.5kHz", 188},
                          Case{"100", 70}, Case{"30k", 300}, Case{"5", 0}, Case{"99.2Hz", 70}, Case{"1,5k", 170},
                          Case{"0", -1}, Case{"0.0", -1}, Case{"", -1}, Case{".", -1}, Case{"1.2.3", -1},
                          Case{"-100", -1}, Case{"12a", -1}, Case{"hz", -1}, Case{"k", -1}}) {
        const auto got = ParseFrequencyEntry(c.text);
        if (c.index < 0)
            EXPECT_FALSE(got.has_value()) << c.text;
        else
            EXPECT_EQ(got.value_or(-1), c.index) << c.text;
    }
    EXPECT_EQ(FreqText(IndexToFreq(188)), "1.52KHz");
    EXPECT_EQ(FreqText(IndexToFreq(70)), "99.2Hz");
    EXPECT_EQ(FreqText(IndexToFreq(0)), "19.7Hz");
    EXPECT_EQ(FreqText(IndexToFreq(300)), "20.16KHz");
}

TEST(BandEntry, QAndGainEntries) {
    struct QCase {
        const char* text;
        int index;
    };
    for (const QCase& c : {QCase{"1.2", 19}, QCase{"200", 100}, QCase{"0.1", 0}, QCase{"0.0", 0}, QCase{"0.71", 10},
                           QCase{"0", -1}, QCase{"", -1}, QCase{".", -1}, QCase{"1..2", -1}, QCase{"-1", -1}}) {
        const auto got = ParseQEntry(c.text);
        EXPECT_EQ(got.value_or(-1), c.index) << c.text;
    }
    struct GainCase {
        const char* text;
        double dB;  // NaN: refused
    };
    const double no = std::nan("");
    for (const GainCase& c :
         {GainCase{"3", 3}, GainCase{"-3.25dB", -3.2}, GainCase{"15", 12}, GainCase{"0", 0}, GainCase{"-0.39dB", -0.3},
          GainCase{"12.9", 12}, GainCase{"1.29", 1.2}, GainCase{"1-2", 1}, GainCase{"1,5", 1}, GainCase{"6db", 6},
          GainCase{"5.", no}, GainCase{"--1", no}, GainCase{"-", no}, GainCase{".", no}, GainCase{"", no},
          GainCase{"1.2.", no}, GainCase{"3x", no}}) {
        const auto got = ParseGainEntry(c.text);
        if (std::isnan(c.dB))
            EXPECT_FALSE(got.has_value()) << c.text;
        else
            EXPECT_NEAR(got.value_or(99), c.dB, 1e-9) << c.text;
    }
}

TEST(BandEntry, SnappingRules) {
    // The grid itself, and positions just around the decision digit.
    struct Case {
        double exponent;
        int position;
    };
    for (const Case& c : {Case{2.55, 2}, Case{2.6, 3}, Case{-2.7, -3}, Case{-2.55, -2}, Case{0, 0}, Case{130, 130}}) {
        EXPECT_EQ(SnapFrequencyPrintf(1000 * std::pow(kFrequencyStep, c.exponent)), c.position) << c.exponent;
    }
    EXPECT_EQ(SnapFrequencyPrintf(double(float(1000 * std::pow(kFrequencyStep, -7)))), -7);
    for (int p = -170; p <= 130; ++p) {
        ASSERT_EQ(SnapFrequencyPrintf(1000 * std::pow(kFrequencyStep, p)), p) << p;
        ASSERT_EQ(SnapFrequencyRunTime(1000 * std::pow(kFrequencyStep, p), '.'), p) << p;
    }
    // The run-time formats round the position to three digits first.
    EXPECT_EQ(SnapFrequencyPrintf(2865.26), 45);
    EXPECT_EQ(SnapFrequencyRunTime(2865.26, '.'), 46);
    EXPECT_EQ(SnapFrequencyPrintf(17355.65), 123);
    EXPECT_EQ(SnapFrequencyRunTime(17355.65, '.'), 124);
    EXPECT_EQ(SnapFrequencyRunTime(2865.26, ','), 45);
    // Positions stored just below a half (34.55, -99.55) keep their first decimal 5, so
    // they stay on their own grid position.
    EXPECT_EQ(SnapFrequencyRunTime(2221.7040753656415, '.'), 34);
    EXPECT_EQ(SnapFrequencyRunTime(100.24948056974172, '.'), -99);

    struct GainCase {
        double dB;
        int tenths;
    };
    for (const GainCase& c : {GainCase{-1.76, -18}, GainCase{1.75, 17}, GainCase{-11.7, -117}, GainCase{-0.3, -3},
                              GainCase{12, 120}, GainCase{0.07, 1}, GainCase{0.06, 0}}) {
        EXPECT_EQ(SnapGainTenths(c.dB), c.tenths) << c.dB;
    }
    for (int t = -120; t <= 120; ++t) ASSERT_EQ(SnapGainTenths(t / 10.0), t) << t;
}

TEST(BandEntry, RunTimeFormats) {
    EXPECT_EQ(FixedText3(0.4, '.'), "0.40");
    EXPECT_EQ(FixedText3(1.26, '.'), "1.26");
    EXPECT_EQ(FixedText3(12.7, '.'), "12.70");
    EXPECT_EQ(FixedText3(128, '.'), "128.00");
    EXPECT_EQ(FixedText3(-123.52, '.'), "-124.00");
    EXPECT_EQ(FixedText3(45.56, '.'), "45.60");
    EXPECT_EQ(FixedText3(1.26, ','), "1,26");
    // The value as it stands is rounded, half away from zero, not its product with 10 or 100:
    // 2.675, 0.015 and 34.55 are stored just below their halves, 0.125, 12.25 and 1235 are
    // halves exactly.
    const struct {
        double value;
        const char* text;
    } rounding[] = {{2.675, "2.67"},   {0.015, "0.01"},       {0.125, "0.13"},     {-0.125, "-0.13"},
                    {34.55, "34.50"},  {-99.55, "-99.50"},    {12.25, "12.30"},    {-12.25, "-12.30"},
                    {100.5, "101.00"}, {1235, "1240.00"},     {1234.5, "1230.00"}, {0.004, "0.00"},
                    {-0.004, "0.00"},  {0.995, "0.99"},       {99.95, "100.00"}};
    for (const auto& r : rounding) EXPECT_EQ(FixedText3(r.value, '.'), r.text) << r.value;
    EXPECT_EQ(GeneralText(0, '.'), "0");
    EXPECT_EQ(GeneralText(1.5, ','), "1,5");
    EXPECT_EQ(GeneralText(-12, '.'), "-12");
    EXPECT_EQ(GeneralText(double(0.3f), '.'), "0.300000011920929");
    EXPECT_EQ(LeadingNumber("-1.5x"), -1.5);
    EXPECT_EQ(LeadingNumber("1,5"), 1);
    EXPECT_EQ(LeadingNumber("abc"), 0);
}

}  // namespace
