#include "BandEntry.h"

#include "QTable.h"
#include "ValueCodecs.h"
#include "rtl/FloatText.h"
#include "ui/SysUtils.h"

#include <algorithm>
#include <cmath>

namespace {

const double kLogRatio = std::log(kFreqRatio);

// The exact position of a frequency on the grid (1000 Hz is 0).
double ExactPosition(double hz) { return std::log(0.001 * hz) / kLogRatio; }

bool OnlyChars(const QString& text, const QString& allowed) {
    for (QChar c : text)
        if (!allowed.contains(c)) return false;
    return true;
}

// Each suffix found anywhere in the text takes the text's last two characters.
QString StripSuffixes(QString text, std::initializer_list<const char*> suffixes) {
    for (const char* suffix : suffixes)
        if (text.contains(QLatin1String(suffix))) text.chop(2);
    return text;
}

// A number as an int, held within +-10^9 (NaN gives 0), so no text makes it overflow.
int ToInt(double v) {
    if (!std::isfinite(v)) return v > 0 ? 1000000000 : v < 0 ? -1000000000 : 0;
    return int(std::clamp(std::trunc(v), -1.0e9, 1.0e9));
}

// The whole part of a number text: the characters before the point ("-0" gives 0).
int WholePart(const QString& text) {
    const int dot = int(text.indexOf(QLatin1Char('.')));
    return ToInt(LeadingNumber(dot >= 0 ? text.left(dot) : text));
}

}  // namespace

QChar& RunTimeDecimalSeparator() {
    static QChar separator = QLatin1Char('.');
    return separator;
}

int FreqToGridIndex(double f, bool kHz) {
    if (kHz) f = f * 1000;
    const double a = ExactPosition(f) + kFreqIndex1kHz;
    if (!std::isfinite(a)) return a > 0 ? kFreqIndexMax : kFreqIndexMin;
    const double whole = std::trunc(a);
    const double clamped = std::clamp(whole, -1000.0, 1000.0);
    int n = int(clamped);
    if (a - whole > 0.5) ++n;
    return std::clamp(n, kFreqIndexMin, kFreqIndexMax);
}

double PositionToFreq(int position) { return 1000 * std::pow(kFreqRatio, position); }

QString FreqText(double hz) {
    if (hz >= 1000) return Sprintf("%4.2fKHz", hz * 0.001);
    return Sprintf("%4.1fHz", hz);
}

QString FixedText3(double value, QChar separator) {
    double rounded = value;
    if (value != 0 && std::isfinite(value)) {
        // Rounded as the value stands, half away from zero: scaling by 10 or 100 is exact in
        // long double (64 bits of mantissa), where the product in double may round onto a
        // half (2.675 is stored just below it and gives 2.67).
        const int magnitude = int(std::floor(std::log10(std::fabs(value))));
        const int decimals = std::min(2, 2 - magnitude);
        const long double scale = decimals > 0 ? std::pow(10.0L, decimals) : 1.0L;
        const long double unit = decimals < 0 ? std::pow(10.0L, -decimals) : 1.0L;
        const long double scaled = std::fabs(static_cast<long double>(value)) * scale;
        const long double rest = std::fmod(scaled, unit);
        const long double whole = scaled - rest + (2 * rest >= unit ? unit : 0.0L);
        rounded = std::copysign(static_cast<double>(whole / scale), value);
    }
    QString text = Sprintf("%.2f", rounded);
    if (text == QLatin1String("-0.00")) text = QStringLiteral("0.00");
    return text.replace(QLatin1Char('.'), separator);
}

QString GeneralText(double value, QChar separator) { return FloatToStr(value, separator); }

double LeadingNumber(const QString& text) {
    int i = 0;
    QString number;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) number += text[i++];
    while (i < text.size() && text[i].isDigit()) number += text[i++];
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number += text[i++];
        while (i < text.size() && text[i].isDigit()) number += text[i++];
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok ? v : 0;
}

std::optional<int> ParseFrequencyEntry(const QString& entered, bool allowComma) {
    QString text = StripSuffixes(entered, {"HZ", "Hz", "hZ", "hz"});
    bool kHz = false;
    for (const char* k : {"k", "K"})
        if (text.contains(QLatin1String(k))) {
            text.chop(1);
            kHz = true;
        }
    const QString allowed = allowComma ? QStringLiteral("0123456789.,") : QStringLiteral("0123456789.");
    if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String("0") || !OnlyChars(text, allowed) ||
        text.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    const double value = LeadingNumber(text);
    if (value == 0) return std::nullopt;
    return FreqToGridIndex(value, kHz);
}

std::optional<int> ParseQEntry(const QString& text, bool allowComma) {
    const QString allowed = allowComma ? QStringLiteral("0123456789.,") : QStringLiteral("0123456789.");
    if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String("0") || !OnlyChars(text, allowed) ||
        text.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    double value = LeadingNumber(text);
    if (value > 128) value = 128;
    if (value <= 0.4) value = 0.4;
    return std::clamp(QToIndex(value), 0, kQIndexTop);
}

std::optional<double> ParseGainEntry(const QString& entered, bool allowComma) {
    QString text = StripSuffixes(entered, {"DB", "Db", "dB", "db"});
    const QString allowed = allowComma ? QStringLiteral("0123456789.,-") : QStringLiteral("0123456789.-");
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String(".") || !OnlyChars(text, allowed) ||
        text.count(QLatin1Char('.')) > 1 || text.count(QLatin1Char('-')) > 1)
        return std::nullopt;
    const int dot = int(text.indexOf(QLatin1Char('.')));
    if (dot >= 0) {
        if (dot + 1 >= text.size()) return std::nullopt;  // a point must be followed by something
        text = text.left(dot + 2);                         // at most one decimal, cut
    }
    return std::clamp(LeadingNumber(text), -12.0, 12.0);
}

int SnapFrequencyPrintf(double hz) {
    const double p = ExactPosition(hz);
    QString t = Sprintf("%1.2f", p);
    const int dot = int(t.indexOf(QLatin1Char('.')));
    if (dot >= 0 && dot + 1 < t.size() && t[dot + 1] >= QLatin1Char('6') && t[dot + 1] <= QLatin1Char('9')) {
        const double v = t.toDouble();
        t = Sprintf("%1.2f", v < 0 ? v - 1 : v + 1);
    }
    return WholePart(t);
}

int SnapFrequencyPlain(double hz) {
    const double p = ExactPosition(hz);
    if (!std::isfinite(p)) return WholePart(Sprintf("%1.2f", p));
    const int whole = std::fabs(p) < 1 ? 0 : int(std::floor(std::log10(std::fabs(p)))) + 1;
    QString t = Sprintf("%.*f", std::clamp(15 - whole, 0, 15), p);
    const int dot = int(t.indexOf(QLatin1Char('.')));
    if (dot >= 0 && dot + 1 < t.size() && t[dot + 1] >= QLatin1Char('6') && t[dot + 1] <= QLatin1Char('9')) {
        const double v = t.toDouble();
        t = Sprintf("%.*f", std::clamp(15 - whole, 0, 15), v < 0 ? v - 1 : v + 1);
    }
    return WholePart(t);
}

int SnapFrequencyRunTime(double hz, QChar separator) {
    const double p = ExactPosition(hz);
    const QString first = FixedText3(p, separator);
    QString t = first;
    const int dot = int(t.indexOf(QLatin1Char('.')));
    if (dot >= 0 && dot + 1 < t.size() && t[dot + 1] >= QLatin1Char('6') && t[dot + 1] <= QLatin1Char('9')) {
        const double v = LeadingNumber(t);
        t = GeneralText(v < 0 ? v - 1 : v + 1, separator);
    }
    if (first.contains(QLatin1Char('.'))) {
        const int cut = int(t.indexOf(QLatin1Char('.')));
        if (cut >= 0) t = t.left(cut);
    }
    return ToInt(LeadingNumber(t));
}

int SnapGainTenths(double dB) {
    const long double hundredths = std::trunc(static_cast<long double>(dB) * 100.0L);
    const long long l = static_cast<long long>(std::clamp(hundredths, -1.0e15L, 1.0e15L));
    long long position = l / 10;
    const long long last = (l < 0 ? -l : l) % 10;
    if (last >= 6) position += l < 0 ? -1 : 1;
    return int(std::clamp(position, -1000000000LL, 1000000000LL));
}
