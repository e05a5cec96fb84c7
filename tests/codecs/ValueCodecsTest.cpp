#include "QTable.h"
#include "ValueCodecs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

struct TextCase {
  std::string text;
  bool isNumber;
};

TEST(IsNumberText, AcceptsOnlyDigitsPointCommaAndBlank) {
  const TextCase cases[] = {
      {"", true},          {"0123456789", true}, {"1.5", true},   {"1,5", true},
      {"1 2", true},       {" ", true},          {"1.2.3", true}, {"-3", false},
      {"+3", false},       {"1e3", false},       {"12dB", false}, {"1.5k", false},
      {"\xB2", false},     {std::string("1\0" "2", 3), false},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(IsNumberText(c.text), c.isNumber) << '"' << c.text << '"';
  }
}

TEST(DelayToSamples, ConvertsEachUnitAndTruncates) {
  struct Case {
    double value;
    int unit;
    int samples;
  };
  const Case cases[] = {
      {0.0, kDelayUnitMs, 0},         {0.1, kDelayUnitMs, 9},
      {680.0, kDelayUnitMs, 65280},   {1.0, kDelayUnitMetres, 279},
      {233.6, kDelayUnitMetres, 65285},  // above the delay range: limiting is the caller's
      {1.0, kDelayUnitFeet, 85},      {-0.1, kDelayUnitMs, -9},
      {1.0, 3, 0},                    {1.0, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DelayToSamples(c.value, c.unit), c.samples) << c.value << " unit " << c.unit;
  }
}

TEST(DelayToSamples, IsFormedAtExtendedPrecision) {
  // 1/96 ms as a double lies just below one sample; a double product would round it
  // back up to 1.
  EXPECT_EQ(DelayToSamples(1.0 / 96.0, kDelayUnitMs), 0);
  EXPECT_EQ(DelayToSamples(3.0 / 96.0, kDelayUnitMs), 3);
  EXPECT_EQ(DelayToSamples(7 * 343.5 / 96 * 0.001, kDelayUnitMetres), 6);
}

TEST(DelayToSamples, ShownDelayTextsReadBackWithinOneSampleBelow) {
  // The delay boxes show samples in ms, m or ft with three decimals; typing a shown text
  // back gives the same count or, where the text was rounded down, one sample less.
  char text[32];
  for (int samples = 0; samples <= 65280; ++samples) {
    const double ms = samples / 96.0;
    const double metres = samples * 343.5 / 96 * 0.001;
    const double shown[] = {ms, metres, metres * 3.2808};
    for (int unit = kDelayUnitMs; unit <= kDelayUnitFeet; ++unit) {
      std::snprintf(text, sizeof text, "%4.3f", shown[unit]);
      const int back = DelayToSamples(std::strtod(text, nullptr), unit);
      ASSERT_TRUE(back == samples || back == samples - 1)
          << samples << " samples shown as " << text << " unit " << unit << " read back as " << back;
    }
  }
}

TEST(QToIndex, EveryTableEntryGivesItsIndex) {
  for (int i = 0; i < kQTableSize; ++i) {
    EXPECT_EQ(QToIndex(QTable[static_cast<std::size_t>(i)]), i) << "Q " << QTable[static_cast<std::size_t>(i)];
    // A Q that went through single precision on the way snaps to the same index.
    EXPECT_EQ(QToIndex(static_cast<float>(QTable[static_cast<std::size_t>(i)])), i);
  }
}

TEST(QToIndex, RoundsHalfUpOnTheFifteenDigitText) {
  struct Case {
    double q;
    int index;
  };
  const Case cases[] = {
      {1.0, 16},                                  // 83.81 steps below the top
      {1.2, 19},                                  // 80.666 steps
      {0.4, 0},                                   // 99.64 steps
      {128.0, 100},                               // no step
      {128.0 / std::pow(kQRatio, 10.4999), 90},   // fraction .4999 stays down
      {128.0 / std::pow(kQRatio, 10.5), 89},      // half goes up, also when held just below .5
      {128.0 / std::pow(kQRatio, 8.5), 91},       // exact half goes up (not to even)
      {127.9995, 100},                            // a tiny step count written in exponent form
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QToIndex(c.q), c.index) << "Q " << c.q;
  }
}

TEST(QTable, IsTheFixedAscendingListFrom0_4To128) {
  EXPECT_EQ(QTable.size(), 101u);
  EXPECT_EQ(QTable[0], 0.4);
  EXPECT_EQ(QTable[16], 1.0);
  EXPECT_EQ(QTable[21], 1.3);
  EXPECT_EQ(QTable[35], 3.0);
  EXPECT_EQ(QTable[100], 128.0);
  for (std::size_t i = 1; i < QTable.size(); ++i) {
    EXPECT_LT(QTable[i - 1], QTable[i]) << i;
  }
}

TEST(QTable, LookupClampsIndexesOutsideTheTable) {
  EXPECT_EQ(QTableValue(0), 0.4);
  EXPECT_EQ(QTableValue(19), 1.19);
  EXPECT_EQ(QTableValue(100), 128.0);
  EXPECT_EQ(QTableValue(101), 128.0);
  EXPECT_EQ(QTableValue(255), 128.0);
  EXPECT_EQ(QTableValue(65535), 128.0);
  EXPECT_EQ(QTableValue(std::numeric_limits<int>::max()), 128.0);
  EXPECT_EQ(QTableValue(-1), 0.4);
  EXPECT_EQ(QTableValue(std::numeric_limits<int>::min()), 0.4);
}

TEST(GainCodes, EveryCodeRoundTripsThroughADouble) {
  for (int code = 0; code <= 240; ++code) {
    const double dB = static_cast<double>(CodeToGain(code));
    EXPECT_EQ(GainToCode(dB), code) << dB << " dB";
  }
}

TEST(GainCodes, TenthsGiveTheirCodeAndTheRestTruncates) {
  struct Case {
    double dB;
    int code;
  };
  const Case cases[] = {
      {0.0, 120},  {-0.3, 117}, {0.3, 123},  {-11.7, 3},  {12.0, 240}, {-12.0, 0},
      {1.29, 132}, {-1.29, 108}, {1.25, 132}, {-0.05, 120}, {15.0, 270},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GainToCode(c.dB), c.code) << c.dB << " dB";
  }
}

TEST(GainCodes, CodeToGainUsesExtendedPrecision) {
  EXPECT_EQ(CodeToGain(120), 0.0L);
  EXPECT_EQ(CodeToGain(121), 0.1L);
  EXPECT_EQ(CodeToGain(123), 3 * 0.1L);
  EXPECT_EQ(CodeToGain(0), -120 * 0.1L);
  EXPECT_EQ(CodeToGain(240), 120 * 0.1L);
  if (std::numeric_limits<long double>::digits > std::numeric_limits<double>::digits) {
    EXPECT_NE(CodeToGain(123), static_cast<long double>(0.3));
  }
}

TEST(FrequencyIndex, EveryIndexRoundTripsAlsoThroughSinglePrecision) {
  for (int i = kFreqIndexMin; i <= kFreqIndexMax; ++i) {
    const double hz = IndexToFreq(i);
    EXPECT_EQ(FreqToIndex(hz), i) << hz << " Hz";
    EXPECT_EQ(FreqToIndex(static_cast<float>(hz)), i) << hz << " Hz as float";
    EXPECT_NEAR(hz / (1000.0 * std::exp2((i - 170) / 30.0)), 1.0, 1e-12) << i;
  }
}

TEST(FrequencyIndex, EndsAndCentreOfTheGrid) {
  EXPECT_EQ(IndexToFreq(170), 1000.0);
  EXPECT_NEAR(IndexToFreq(0), 19.6863, 1e-4);
  EXPECT_NEAR(IndexToFreq(300), 20158.74, 1e-2);
}

TEST(FrequencyIndex, SnapsToTheNearestIndexWithoutLimit) {
  struct Case {
    double hz;
    int index;
  };
  const Case cases[] = {
      {1000.0, 170},
      {1500.0, 188},                                   // 187.549 rounds up
      {100.0, 70},                                     // 70.342 stays down
      {30000.0, 317},                                  // above the grid: not limited
      {5.0, -59},                                      // below the grid
      {1000.0 * std::pow(kFreqRatio, -229.7), -59},    // -59.7: negative, truncated, not raised
      {1000.0 * std::pow(kFreqRatio, 0.49), 170},
      {1000.0 * std::pow(kFreqRatio, 0.51), 171},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FreqToIndex(c.hz), c.index) << c.hz << " Hz";
  }
}

TEST(ValueCodecs, ArgumentsOutsideTheirRangesStayFiniteAndOnTheirSide) {
  // Callers keep arguments in range; a stray zero or NaN must still give an integer that
  // their limits move to the right end of the grid.
  EXPECT_LT(QToIndex(0.0), 0);
  EXPECT_GT(QToIndex(1e300), 100);
  EXPECT_LT(FreqToIndex(0.0), 0);
  EXPECT_EQ(GainToCode(std::numeric_limits<double>::quiet_NaN()), 120);
  EXPECT_GT(DelayToSamples(1e300, kDelayUnitMs), 65280);
}

}  // namespace
