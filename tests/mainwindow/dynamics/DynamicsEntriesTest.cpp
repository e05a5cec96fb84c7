// The typed entries of the compressor and gate boxes on their own: what each text reads as,
// and which texts are refused (nothing returned: the box is restored and nothing is sent).
#include "DynamicsEntries.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kNone = -1;

TEST(DynamicsEntriesTest, RatioRoundsUpToTheNextStep)
{
    struct Case {
        const char* text;
        int index;  // kNone: refused
    } cases[] = {
        {"1:4", 9},    {"4", 9},      {"2.2", 6},    {"0.5", 0},    {"20.05", 15}, {"25", 15},  {"3dB", 7},
        {"1.1", 1},    {"1:20", 14},  {"20", 14},    {"1:4dB", 9},  {"1:.5", 0},   {"10", 13},
        // refused
        {"1:", kNone}, {"2.", kNone}, {"1:2:3", kNone}, {"2:1", kNone}, {"", kNone}, {":", kNone}, {".", kNone},
        {"dB", kNone}, {"1.2.3", kNone}, {" 4", kNone}, {"-4", kNone}, {"+4", kNone}, {"4,5", kNone},
        {"nan", kNone}, {"inf", kNone}, {"1.:5", kNone},
    };
    for (const Case& c : cases) {
        const std::optional<int> got = ParseRatioEntry(c.text);
        EXPECT_EQ(got.value_or(kNone), c.index) << '"' << c.text << '"';
    }
    // A number too long for a double is the limiter, not a fault.
    EXPECT_EQ(ParseRatioEntry(QByteArray(400, '9')).value_or(kNone), 15);
}

TEST(DynamicsEntriesTest, LevelKeepsOneDecimalFromSixAndTheWholeTextAtFive)
{
    const char* kNo = "refused";
    struct Case {
        const char* text;
        const char* chars;
        double lo, hi;
        const char* expect;  // the number, or kNo
    } cases[] = {
        {"-10.7", kLevelChars, -90, 20, "-10.7"},
        {"-10.3", kLevelChars, -90, 20, "-10"},
        {"-10.55", kLevelChars, -90, 20, "-10.55"},
        {"10.78", kLevelChars, -90, 20, "10.7"},
        {"-95", kLevelChars, -90, 20, "-90"},
        {"30", kLevelChars, -90, 20, "20"},
        {"5 dB", kLevelChars, -90, 20, "5"},
        {"-0.2", kLevelChars, -90, 20, "0"},
        {"+5.1", kLevelChars, -90, 20, "5"},
        {"1,5", kLevelChars, -90, 20, "1"},
        {"99999999999999999999", kLevelChars, -90, 20, "20"},
        {"7.9", kKneeEnterChars, 0, 12, "7.9"},
        {"-2", kKneeEnterChars, 0, 12, "0"},
        {"20", kKneeEnterChars, 0, 12, "12"},
        // refused
        {"1.-", kLevelChars, -90, 20, kNo},
        {".3", kLevelChars, -90, 20, kNo},
        {"--3", kLevelChars, -90, 20, kNo},
        {"", kLevelChars, -90, 20, kNo},
        {"-", kLevelChars, -90, 20, kNo},
        {".", kLevelChars, -90, 20, kNo},
        {"dB", kLevelChars, -90, 20, kNo},
        {"   ", kLevelChars, -90, 20, kNo},
        {"+", kLevelChars, -90, 20, kNo},
        {"++3", kLevelChars, -90, 20, kNo},
        {",5", kLevelChars, -90, 20, kNo},
        {"1.2.3", kLevelChars, -90, 20, kNo},
        {"nan", kLevelChars, -90, 20, kNo},
        {"1e3", kLevelChars, -90, 20, kNo},
        {"99999999999.1", kLevelChars, -90, 20, kNo},
        {"1 2.3", kLevelChars, -90, 20, kNo},
        {"5 dB", kKneeEnterChars, 0, 12, kNo},
        {"1,5", kKneeEnterChars, 0, 12, kNo},
        {"\xe2\x80\x93" "3", kLevelChars, -90, 20, kNo},
    };
    for (const Case& c : cases) {
        const std::optional<double> got = ParseLevelEntry(c.text, c.chars, c.lo, c.hi);
        const std::string shown = got ? QByteArray::number(*got).toStdString() : kNo;
        EXPECT_EQ(shown, c.expect) << '"' << c.text << '"';
    }
}

TEST(DynamicsEntriesTest, TimeLimitsToTheFaderAndSaturates)
{
    struct Case {
        const char* text;
        int min, max;
        int ms;  // kNone: refused
    } cases[] = {
        {"1", 0, 998, 1},        {"0ms", 0, 998, 1},     {"5000", 9, 2999, 3000}, {"5", 9, 998, 10},
        {"2000", 9, 998, 999},   {"150.5", 9, 998, 150}, {"250MS", 0, 998, 250},  {" 42 ", 0, 998, 42},
        {"1,000", 0, 998, 1},    {"   ", 0, 998, 1},     {"99999999999999999999999", 9, 2999, 3000},
        // refused
        {"", 0, 998, kNone},     {"ms", 0, 998, kNone},  {"-5", 0, 998, kNone},   {"+5", 0, 998, kNone},
        {"5s", 0, 998, kNone},   {"nan", 0, 998, kNone}, {"1e3", 0, 998, kNone},  {"5:3", 0, 998, kNone},
    };
    for (const Case& c : cases) {
        const std::optional<int> got = ParseTimeEntry(c.text, c.min, c.max);
        EXPECT_EQ(got.value_or(kNone), c.ms) << '"' << c.text << '"';
    }
}

}  // namespace
