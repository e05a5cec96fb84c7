#pragma once
// The typed entries of the compressor and gate value boxes, read from the box's text as an
// 8-bit string. Each returns nothing for a text it refuses; the caller then shows the
// control's value again and sends nothing.
#include <QByteArray>

#include <optional>

// Character sets of the level entry: thresholds (and knees when the box is left), and knees
// on Enter.
inline constexpr const char* kLevelChars = "0123456789.,-+ ";
inline constexpr const char* kKneeEnterChars = "0123456789.-+";

// A typed ratio ("1:4", "4", "2.2", "3dB") as the ratio index it rounds up to: the first
// index whose ratio is at least the typed one, the limiter above 20.
std::optional<int> ParseRatioEntry(const QByteArray& text);

// A typed level in dB ("-10.7", "5 dB") within lo..hi. One decimal is kept when it is 6 to
// 9, a 5 keeps the whole text, 0 to 4 drop the decimals. Refused: characters outside
// `chars`, more than one point or minus, a point not followed by a digit, no number at the
// start.
std::optional<double> ParseLevelEntry(const QByteArray& text, const char* chars, double lo, double hi);

// A typed time in ms ("250ms", "5000") for a fader of faderMin..faderMax holding ms - 1:
// the whole number at the start (0 when there is none, saturating when huge), limited to
// faderMin + 1 .. faderMax + 1. Refused: empty, or characters other than digits, point,
// comma and blank.
std::optional<int> ParseTimeEntry(const QByteArray& text, int faderMin, int faderMax);
