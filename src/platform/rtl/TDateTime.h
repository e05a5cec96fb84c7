#pragma once
// Date-times as the framework keeps them: a double counting days since 1899-12-30 00:00,
// the fraction being the time of day (for negative values the fraction still counts
// forward from midnight: -1.25 is 1899-12-29 06:00).
#include <QString>

using TDateTime = double;

constexpr double kMSecsPerDay = 86400000.0;

struct TDateParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
};
struct TTimeParts {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MSec = 0;
};

// The current local date-time.
TDateTime Now();

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
TDateParts DecodeDate(TDateTime value);
// The time of day, to the millisecond (rounded).
TTimeParts DecodeTime(TDateTime value);

// The same moment with its year, month or day replaced (the day is held to the month's
// length), or moved by whole months or years (the day held likewise); the time of day stays.
TDateTime RecodeYear(TDateTime value, int year);
TDateTime RecodeMonth(TDateTime value, int month);
TDateTime RecodeDay(TDateTime value, int day);
TDateTime IncMonth(TDateTime value, int months);
TDateTime IncYear(TDateTime value, int years);

// A date-time as text by a format of the framework's specifiers: d dd ddd dddd (day, names),
// m mm mmm mmmm (month, names; minutes right after an hour), yy yyyy, h hh, n nn, s ss,
// z zzz, am/pm and a/p (12-hour clock), "/" and ":" and quoted texts; other characters as
// they are. Names are English.
QString FormatDateTime(const QString& format, TDateTime value);
