#include "rtl/Exception.h"
#include "rtl/FloatText.h"
#include "rtl/RtlMath.h"
#include "rtl/TDateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RtlMath, RoundsTiesToEvenAndTruncatesTowardZero) {
    struct Case {
        double v;
        std::int64_t round, trunc;
        double frac;
    };
    const Case cases[] = {
        {0.5, 0, 0, 0.5},    {1.5, 2, 1, 0.5},    {2.5, 2, 2, 0.5},     {-0.5, 0, 0, -0.5},
        {-1.5, -2, -1, -0.5}, {-2.5, -2, -2, -0.5}, {2.4999, 2, 2, 0.4999}, {-7.75, -8, -7, -0.75},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Round(c.v), c.round) << c.v;
        EXPECT_EQ(Trunc(c.v), c.trunc) << c.v;
        EXPECT_DOUBLE_EQ(Int(c.v), double(c.trunc)) << c.v;
        EXPECT_NEAR(Frac(c.v), c.frac, 1e-12) << c.v;
    }
    // Beyond 64 bits and NaN the conversions stay defined.
    EXPECT_EQ(Round(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Trunc(-1e300), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Round(kNaN), 0);
}

TEST(RtlMath, PixelsAreHeldInRangeBeforeConversion) {
    struct Case {
        double v;
        int pixel;
    };
    const Case cases[] = {{12.5, 12}, {13.5, 14}, {-0.5, 0}, {31999.6, 32000}, {1e300, 32000}, {-1e300, -32000},
                          {kInf, 32000}, {-kInf, -32000}, {kNaN, 0}};
    for (const Case& c : cases) EXPECT_EQ(PixelFromDouble(c.v), c.pixel) << c.v;
    EXPECT_EQ(ClampPixel(40000), 32000);
    EXPECT_EQ(ClampPixel(-40000), -32000);
}

TEST(FloatText, ShortestTextWithFifteenDigits) {
    struct Case {
        double v;
        const char* text;
    };
    const Case cases[] = {
        {1.5, "1.5"},   {-1.25, "-1.25"},     {100, "100"},       {0.1, "0.1"},
        {1e15, "1E15"}, {123456789012345.0, "123456789012345"}, {0.00001, "0.00001"}, {0.000001, "1E-6"},
        {1.0 / 3, "0.333333333333333"}, {0, "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.v), QString::fromLatin1(c.text)) << c.v;
    EXPECT_EQ(FloatToStr(1.5, QLatin1Char(',')), QStringLiteral("1,5"));
    EXPECT_EQ(FloatToStrFixed(-0.004, 2), QStringLiteral("0.00"));
    EXPECT_EQ(FloatToStrFixed(-12.5, 1), QStringLiteral("-12.5"));
    EXPECT_EQ(FloatToStrThousands(-1234567.891, 2), QStringLiteral("-1,234,567.89"));
    EXPECT_EQ(FloatToStrThousands(999, 0), QStringLiteral("999"));
}

TEST(FloatText, ReadsWithTheGivenSeparatorAndRefusesOtherTexts) {
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(" -1.5E3 ")), -1500);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("+2.5")), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1,5"), QLatin1Char(',')), 1.5);
    for (const char* bad : {"", "abc", "1.5x", "1,5", "--1", "++1"}) {
        try {
            StrToFloat(QString::fromLatin1(bad));
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid floating point value").arg(QLatin1String(bad)));
        }
    }
    // With "," as separator a "." is no number.
    double v = 0;
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1.5"), v, QLatin1Char(',')));
}

TEST(FloatText, ReadsIntegers) {
    EXPECT_EQ(StrToInt(QStringLiteral(" -42 ")), -42);
    EXPECT_EQ(StrToInt(QStringLiteral("$FF")), 255);
    EXPECT_EQ(StrToInt(QStringLiteral("-2147483648")), -2147483647 - 1);
    EXPECT_EQ(StrToInt64(QStringLiteral("8421631")), 8421631);
    for (const char* bad : {"2147483648", "1.0", "x", ""}) {
        try {
            StrToInt(QString::fromLatin1(bad));
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(bad)));
        }
    }
}

TEST(Exceptions, CarryTheirMessages) {
    const EListError e = EListError::IndexOutOfBounds(2);
    EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (2)"));
    EXPECT_STREQ(e.what(), "List index out of bounds (2)");
    EXPECT_EQ(EInvalidCast().Message(), QStringLiteral("Invalid class typecast"));
}

TEST(DateTime, DaysCountFromTheEpoch) {
    EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526);
    const TDateParts d = DecodeDate(36526.75);
    EXPECT_EQ(d.Year, 2000);
    EXPECT_EQ(d.Month, 1);
    EXPECT_EQ(d.Day, 1);
    // Negative values: the fraction counts forward from midnight of the day before the epoch.
    const TDateParts before = DecodeDate(-1.25);
    EXPECT_EQ(before.Day, 29);
    EXPECT_EQ(DecodeTime(-1.25).Hour, 6);
    // A time a hair before midnight rounds to the next day, not to 24:00.
    const TDateTime almost = 2 + (kMSecsPerDay - 0.2) / kMSecsPerDay;
    EXPECT_EQ(DecodeDate(almost).Day, 2);
    EXPECT_EQ(DecodeTime(almost).Hour, 0);
}

TEST(DateTime, FormatsWithTheFrameworkSpecifiers) {
    struct Case {
        const char* format;
        TDateTime value;
        const char* text;
    };
    const TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    const Case cases[] = {
        {"hh:nn:ss", 3.5, "12:00:00"},
        {"hh:nn", t, "14:07"},
        {"h:m:s.zzz", t, "14:7:9.045"},
        {"yyyy-mm-dd", t, "2024-03-05"},
        {"d/m/yy", t, "5/3/24"},
        {"ddd mmm", t, "Tue Mar"},
        {"dddd d mmmm yyyy", t, "Tuesday 5 March 2024"},
        {"hh:mm", t, "14:07"},
        {"h am/pm", t, "2 pm"},
        {"'day' d", t, "day 5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromLatin1(c.format), c.value), QString::fromLatin1(c.text)) << c.format;
}

TEST(DateTime, RecodesAndStepsMonthsKeepingTheTime) {
    const TDateTime jan31 = EncodeDate(2023, 1, 31) + 0.5;
    EXPECT_DOUBLE_EQ(IncMonth(jan31, 1), EncodeDate(2023, 2, 28) + 0.5);
    EXPECT_DOUBLE_EQ(IncMonth(jan31, -2), EncodeDate(2022, 11, 30) + 0.5);
    EXPECT_DOUBLE_EQ(IncYear(EncodeDate(2024, 2, 29), 1), EncodeDate(2025, 2, 28));
    EXPECT_DOUBLE_EQ(RecodeDay(jan31, 1), EncodeDate(2023, 1, 1) + 0.5);
    EXPECT_DOUBLE_EQ(RecodeMonth(jan31, 4), EncodeDate(2023, 4, 30) + 0.5);
    EXPECT_DOUBLE_EQ(RecodeYear(jan31, 1999), EncodeDate(1999, 1, 31) + 0.5);
}

}  // namespace
