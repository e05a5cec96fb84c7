#include "rtl/TDateTime.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

const QDate kEpoch(1899, 12, 30);

struct Split {
    long long day = 0;  // whole days from the epoch (toward zero)
    int msec = 0;       // time of day in milliseconds
};

Split SplitValue(TDateTime value) {
    Split s;
    if (!std::isfinite(value)) return s;
    double whole = std::trunc(value);
    double ms = std::nearbyint(std::fabs(value - whole) * kMSecsPerDay);
    if (ms >= kMSecsPerDay) {
        ms -= kMSecsPerDay;
        whole += value < 0 ? -1 : 1;
    }
    s.day = static_cast<long long>(std::clamp(whole, -1e9, 1e9));
    s.msec = int(ms);
    return s;
}

TDateTime Join(long long day, int msec) {
    const double frac = msec / kMSecsPerDay;
    return day >= 0 ? day + frac : day - frac;
}

QDate DateOf(TDateTime value) { return kEpoch.addDays(SplitValue(value).day); }

TDateTime WithDate(TDateTime value, const QDate& date) {
    return Join(kEpoch.daysTo(date), SplitValue(value).msec);
}

int DaysIn(int year, int month) { return QDate(year, month, 1).daysInMonth(); }

const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

QString Padded(int value, int width) { return QString::number(value).rightJustified(width, QLatin1Char('0')); }

}  // namespace

TDateTime Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return Join(kEpoch.daysTo(now.date()), now.time().msecsSinceStartOfDay());
}

TDateTime EncodeDate(int year, int month, int day) { return double(kEpoch.daysTo(QDate(year, month, day))); }

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / kMSecsPerDay;
}

TDateParts DecodeDate(TDateTime value) {
    const QDate d = DateOf(value);
    return {d.year(), d.month(), d.day()};
}

TTimeParts DecodeTime(TDateTime value) {
    int ms = SplitValue(value).msec;
    TTimeParts t;
    t.Hour = ms / 3600000;
    ms %= 3600000;
    t.Minute = ms / 60000;
    ms %= 60000;
    t.Second = ms / 1000;
    t.MSec = ms % 1000;
    return t;
}

TDateTime RecodeYear(TDateTime value, int year) {
    const QDate d = DateOf(value);
    return WithDate(value, QDate(year, d.month(), std::min(d.day(), DaysIn(year, d.month()))));
}

TDateTime RecodeMonth(TDateTime value, int month) {
    const QDate d = DateOf(value);
    month = std::clamp(month, 1, 12);
    return WithDate(value, QDate(d.year(), month, std::min(d.day(), DaysIn(d.year(), month))));
}

TDateTime RecodeDay(TDateTime value, int day) {
    const QDate d = DateOf(value);
    return WithDate(value, QDate(d.year(), d.month(), std::clamp(day, 1, d.daysInMonth())));
}

TDateTime IncMonth(TDateTime value, int months) { return WithDate(value, DateOf(value).addMonths(months)); }

TDateTime IncYear(TDateTime value, int years) { return WithDate(value, DateOf(value).addYears(years)); }

QString FormatDateTime(const QString& format, TDateTime value) {
    const QDate date = DateOf(value);
    const TTimeParts t = DecodeTime(value);
    bool twelveHour = false;
    for (int i = 0; i + 1 < format.size(); ++i) {
        const QString rest = format.mid(i).toLower();
        if (rest.startsWith(QLatin1String("am/pm")) || rest.startsWith(QLatin1String("a/p"))) twelveHour = true;
    }
    QString out;
    bool lastWasHour = false;
    int i = 0;
    const int n = int(format.size());
    auto run = [&](QChar c) {
        int k = i;
        while (k < n && format[k].toLower() == c) ++k;
        return k - i;
    };
    while (i < n) {
        const QChar c = format[i];
        const QChar lc = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = format.indexOf(c, i + 1);
            const int stop = end < 0 ? n : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const QString rest = format.mid(i).toLower();
        if (rest.startsWith(QLatin1String("am/pm"))) {
            out += t.Hour < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            if (format[i].isUpper()) out = out.left(out.size() - 2) + out.right(2).toUpper();
            i += 5;
            continue;
        }
        if (rest.startsWith(QLatin1String("a/p"))) {
            QString ap = t.Hour < 12 ? QStringLiteral("a") : QStringLiteral("p");
            out += format[i].isUpper() ? ap.toUpper() : ap;
            i += 3;
            continue;
        }
        int len = 0;
        bool hour = false;
        if (lc == QLatin1Char('d')) {
            len = run(lc);
            const int dow = date.dayOfWeek() % 7;
            if (len == 1) out += QString::number(date.day());
            else if (len == 2) out += Padded(date.day(), 2);
            else if (len == 3) out += QLatin1String(kShortDays[dow]);
            else out += QLatin1String(kLongDays[dow]);
        } else if (lc == QLatin1Char('m')) {
            len = run(lc);
            if (lastWasHour && len <= 2) {
                out += len == 1 ? QString::number(t.Minute) : Padded(t.Minute, 2);
            } else if (len == 1) out += QString::number(date.month());
            else if (len == 2) out += Padded(date.month(), 2);
            else if (len == 3) out += QLatin1String(kShortMonths[date.month() - 1]);
            else out += QLatin1String(kLongMonths[date.month() - 1]);
        } else if (lc == QLatin1Char('y')) {
            len = run(lc);
            out += len <= 2 ? Padded(date.year() % 100, 2) : Padded(date.year(), 4);
        } else if (lc == QLatin1Char('h')) {
            len = run(lc);
            int h = t.Hour;
            if (twelveHour) {
                h %= 12;
                if (h == 0) h = 12;
            }
            out += len == 1 ? QString::number(h) : Padded(h, 2);
            hour = true;
        } else if (lc == QLatin1Char('n')) {
            len = run(lc);
            out += len == 1 ? QString::number(t.Minute) : Padded(t.Minute, 2);
        } else if (lc == QLatin1Char('s')) {
            len = run(lc);
            out += len == 1 ? QString::number(t.Second) : Padded(t.Second, 2);
        } else if (lc == QLatin1Char('z')) {
            len = run(lc);
            out += len == 1 ? QString::number(t.MSec) : Padded(t.MSec, 3);
        } else {
            out += c;
            len = 1;
            if (c == QLatin1Char(':') || c == QLatin1Char(' ')) hour = lastWasHour;
        }
        lastWasHour = hour;
        i += len;
    }
    return out;
}
