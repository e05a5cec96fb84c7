#include "ValueCodecs.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// Truncates toward zero. Arguments are in range for every caller that keeps to the stated
// ranges; NaN and values far outside any parameter range (a zero or negative frequency or
// Q, say) saturate instead of overflowing, so the callers' own limits still apply.
int TruncateToInt(long double value) {
  constexpr long double kLimit = 1 << 30;
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= kLimit) {
    return 1 << 30;
  }
  if (value <= -kLimit) {
    return -(1 << 30);
  }
  return static_cast<int>(value);
}

// The first digit after the decimal point of `value` written with 15 significant digits,
// 0 when that text has no fractional digit. The text is positional: the exponent form,
// which general formatting uses below 1e-4 (where the first fractional digit is 0) and
// for huge values (which are integral), is read as having digit 0.
int FirstFractionDigit(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  const std::string_view written(text, static_cast<std::size_t>(result.ptr - text));
  if (written.find('e') != std::string_view::npos) {
    return 0;
  }
  const std::size_t point = written.find('.');
  if (point == std::string_view::npos || point + 1 >= written.size()) {
    return 0;
  }
  return written[point + 1] - '0';
}

}  // namespace

bool IsNumberText(std::string_view text) {
  return text.find_first_not_of("0123456789., ") == std::string_view::npos;
}

int DelayToSamples(double value, int unit) {
  const long double v = value;
  switch (unit) {
    case kDelayUnitMs:
      return TruncateToInt(v * kSamplesPerMs);
    case kDelayUnitMetres:
      return TruncateToInt(v * kSamplesPerMs * 1000 / kSpeedOfSound);
    case kDelayUnitFeet:
      return TruncateToInt(v * kSamplesPerMs * 1000 / kSpeedOfSound * kFeetToMetres);
    default:
      return 0;
  }
}

int QToIndex(double q) {
  // Steps of kQRatio below the top Q, rounded half up on the first fractional digit.
  const double steps = std::log(kQAtTopIndex / q) / std::log(kQRatio);
  int n = TruncateToInt(steps);
  if (FirstFractionDigit(steps) >= 5) {
    ++n;
  }
  return kQIndexTop - n;
}

int GainToCode(double dB) {
  const double tenths = dB * 10.0;
  return TruncateToInt(tenths) + kGainCodeOffset;
}

long double CodeToGain(int code) {
  return static_cast<long double>(static_cast<long long>(code) - kGainCodeOffset) * 0.1L;
}

int FreqToIndex(double hz) {
  const double a = std::log(0.001 * hz) / std::log(kFreqRatio) + kFreqIndex1kHz;
  int n = TruncateToInt(a);
  if (a - n > 0.5) {
    ++n;
  }
  return n;
}

double IndexToFreq(int index) {
  const long double exponent = static_cast<long double>(index) - kFreqIndex1kHz;
  return static_cast<double>(1000.0L * std::pow(static_cast<long double>(kFreqRatio), exponent));
}
