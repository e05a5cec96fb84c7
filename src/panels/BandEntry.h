#pragma once
// The band tables' texts and typed-entry rules, shared by every table variant: reading the
// frequency, Q and gain a user typed (unit suffixes stripped, characters checked, values
// limited, invalid text refused), snapping frequencies to the 1/30-octave grid, and writing
// positions back as text in the two families of number formats (C formats, and the run-time
// library's formats with a decimal separator).
#include <QString>

#include <optional>

// ---- Grid ----
// The grid index (0 to 300) nearest a frequency, rounding a fraction above 0.5 up; kHz
// multiplies by 1000 first. Callers pass f > 0.
int FreqToGridIndex(double f, bool kHz);
// The frequency of a band position (index - 170): 1000 x 1.023373891996775^position.
double PositionToFreq(int position);

// ---- Texts ----
// "%4.2fKHz" of kHz from 1000 Hz on, "%4.1fHz" below.
QString FreqText(double hz);
// The run-time library's formats, written with the given decimal separator: the value
// rounded half away from zero to 3 significant digits and at most 2 decimals, shown with 2
// decimals; and the shortest text of 15 significant digits (exponent below 0.00001).
QString FixedText3(double value, QChar separator);
QString GeneralText(double value, QChar separator);
// The number a text starts with, as the C library reads it: an optional sign, digits, an
// optional point and digits; 0 when there is none.
double LeadingNumber(const QString& text);

// The decimal separator of the run-time formats (the user's number settings; a point here
// unless changed).
QChar& RunTimeDecimalSeparator();

// ---- Typed entry ----
// What a valid typed frequency gives: the grid index.
std::optional<int> ParseFrequencyEntry(const QString& text, bool allowComma = true);
// A valid Q entry: the Q index 0 to 100.
std::optional<int> ParseQEntry(const QString& text, bool allowComma = true);
// A valid gain entry in dB, limited to -12 .. 12, with at most one decimal (cut, not rounded).
std::optional<double> ParseGainEntry(const QString& text, bool allowComma = true);

// ---- Snapping ----
// The band position of a frequency: the C-format rule (two decimals of the exact position,
// a first decimal of 6 to 9 moving one step away from zero, then the whole part).
int SnapFrequencyPrintf(double hz);
// The same with the run-time formats (the position rounded to 3 significant digits first).
int SnapFrequencyRunTime(double hz, QChar separator);
// The same with the exact position written in plain decimals to 15 significant digits.
int SnapFrequencyPlain(double hz);
// The gain position in tenths of a setter's dB value: hundredths truncated, then tenths, one
// step away from zero when the last digit of the hundredths is 6 to 9.
int SnapGainTenths(double dB);
