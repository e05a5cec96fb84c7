// The shared steps of typed entry: suffix variants, stripping, character sets and the three
// number readers, including hostile texts.
#include "TypedEntry.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <string>

using namespace TypedEntry;

TEST(TypedEntry, CaseVariantsCountFirstLetterFastest)
{
    EXPECT_EQ(CaseVariants("ms"), (std::vector<std::string>{"ms", "Ms", "mS", "MS"}));
    EXPECT_EQ(CaseVariants("ft"), (std::vector<std::string>{"ft", "Ft", "fT", "FT"}));
    EXPECT_EQ(CaseVariants("m"), (std::vector<std::string>{"m", "M"}));
}

TEST(TypedEntry, CleanStripsSuffixesAndTestsTheCharacterSet)
{
    const Rule ms{CaseVariants("ms"), "0123456789., "};
    const Rule m{CaseVariants("m"), "0123456789., "};
    struct Case {
        const Rule* rule;
        std::string text;
        std::optional<std::string> cleaned;
    };
    const Case cases[] = {
        {&ms, "2ms", "2"},
        {&ms, "2MS", "2"},
        {&ms, "2mS", "2"},
        {&ms, "1,5", "1,5"},
        {&ms, "  ", "  "},          // blanks only: valid, reads 0
        {&ms, "", std::nullopt},    // empty
        {&ms, "ms", std::nullopt},  // only the suffix: empty after stripping
        {&ms, "abc", std::nullopt},
        {&ms, "-5", std::nullopt},  // signs are not in the delay set
        {&ms, "+5", std::nullopt},
        {&ms, "nan", std::nullopt},
        {&ms, "1e9", std::nullopt},
        {&ms, "5;3", std::nullopt},
        {&ms, "5\t", std::nullopt},
        // The suffix found anywhere cuts from the end, as many characters as it has.
        {&ms, "m5s", std::nullopt},
        {&ms, "ms12", std::nullopt},  // cuts "12", the suffix stays
        {&m, "10m", "10"},
        {&m, "10M", "10"},
        {&m, "M", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Clean(c.text, *c.rule), c.cleaned) << '"' << c.text << '"';
}

TEST(TypedEntry, ReadDecimalReadsTheLeadingNumber)
{
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"2", 2.0},    {"1,5", 1.0},  {"  3.25", 3.25}, {"1.010", 1.010}, {"", 0.0},  {"   ", 0.0},
        {".5", 0.5},   {"5.", 5.0},   {".", 0.0},       {",5", 0.0},      {"-2", -2}, {"+2.5x", 2.5},
        {"1.2.3", 1.2}, {"007", 7.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ReadDecimal(c.text), c.value) << '"' << c.text << '"';
    // Hostile sizes saturate instead of giving infinity.
    EXPECT_EQ(ReadDecimal(std::string(5000, '9')), DBL_MAX);
    EXPECT_EQ(ReadDecimal("0." + std::string(5000, '0') + "1"), 0.0);
}

TEST(TypedEntry, IntegerReadersSaturateOrRefuse)
{
    EXPECT_EQ(ReadLeadingInt("50ms"), 50);
    EXPECT_EQ(ReadLeadingInt("  -7"), -7);
    EXPECT_EQ(ReadLeadingInt("x"), 0);
    EXPECT_EQ(ReadLeadingInt(std::string(400, '9')), INT_MAX);
    EXPECT_EQ(ReadLeadingInt("-" + std::string(400, '9')), INT_MIN);

    EXPECT_EQ(ReadWholeNumber(" -0"), 0);
    EXPECT_EQ(ReadWholeNumber("+5"), 5);
    EXPECT_EQ(ReadWholeNumber("2147483647"), INT_MAX);
    EXPECT_EQ(ReadWholeNumber("-2147483648"), INT_MIN);
    for (const char* bad : {"", " ", "-", "+", "--3", "1.5", "5 ", "2147483648", "-2147483649", "1,0"})
        EXPECT_EQ(ReadWholeNumber(bad), std::nullopt) << '"' << bad << '"';
    EXPECT_EQ(ReadWholeNumber(std::string(400, '9')), std::nullopt);
}
