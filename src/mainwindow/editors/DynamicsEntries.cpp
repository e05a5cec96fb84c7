#include "DynamicsEntries.h"

#include "TransferCurve.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// Each unit-suffix variant found anywhere in the text takes its length off the text's end.
QByteArray StripSuffixes(QByteArray text, std::initializer_list<const char*> variants)
{
    for (const char* v : variants)
        if (text.contains(v))
            text.chop(qsizetype(std::strlen(v)));
    return text;
}

bool OnlyChars(const QByteArray& text, const char* chars)
{
    return std::all_of(text.begin(), text.end(), [chars](char c) { return c != 0 && std::strchr(chars, c); });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number at the start of the text (leading blanks, a sign, digits, a point and
// digits); nothing when no digit is there. A number too large for a double is infinite.
std::optional<double> LeadingNumber(const QByteArray& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    while (i < text.size() && IsDigit(text[i]))
        ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, digits = true;
    }
    if (!digits)
        return std::nullopt;
    const QByteArray number = text.mid(start, i - start);
    bool ok = false;
    const double x = number.toDouble(&ok);
    if (ok)
        return x;
    return number.startsWith('-') ? -HUGE_VAL : HUGE_VAL;
}

// A whole number: optional leading blanks, an optional sign, then digits only, within the
// signed 32-bit range.
std::optional<int> WholeNumber(const QByteArray& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 1LL + INT_MAX)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return int(value);
}

}  // namespace

std::optional<int> ParseRatioEntry(const QByteArray& typed)
{
    const QByteArray text = StripSuffixes(typed, {"dB", "DB", "db", "Db"});
    if (text.isEmpty() || text == ":" || text == "." || !OnlyChars(text, "0123456789:.") || text.count('.') > 1 ||
        text.count(':') > 1)
        return std::nullopt;
    QByteArray read = text;
    if (text.count(':') == 1) {
        if (text[0] != '1')
            return std::nullopt;
        read = typed.mid(2);
    }
    const qsizetype point = read.indexOf('.');
    if (read.size() <= point + 1)
        return std::nullopt;
    const std::optional<double> x = LeadingNumber(read);
    if (!x)
        return std::nullopt;
    for (int m = 0; m < kCompRatioCount; ++m)
        if (CompRatioTable[std::size_t(m)] >= *x)
            return m;
    return kCompRatioLimit;
}

std::optional<double> ParseLevelEntry(const QByteArray& typed, const char* chars, double lo, double hi)
{
    QByteArray text = StripSuffixes(typed, {"dB", "DB", "db", "Db"});
    if (text.isEmpty() || text == "-" || text == "." || !OnlyChars(text, chars) || text.count('.') > 1 ||
        text.count('-') > 1)
        return std::nullopt;
    const qsizetype point = text.indexOf('.');
    if (point >= 0) {
        if (point + 1 >= text.size() || !IsDigit(text[point + 1]))
            return std::nullopt;
        const char d = text[point + 1];
        if (d >= '6') {
            text.truncate(point + 2);
        } else if (d <= '4') {
            const std::optional<int> whole = WholeNumber(text.left(point));
            if (!whole)
                return std::nullopt;
            text = QByteArray::number(*whole);
        }
    }
    const std::optional<double> x = LeadingNumber(text);
    if (!x)
        return std::nullopt;
    return std::clamp(*x, lo, hi);
}

std::optional<int> ParseTimeEntry(const QByteArray& typed, int faderMin, int faderMax)
{
    const QByteArray text = StripSuffixes(typed, {"ms", "Ms", "mS", "MS"});
    if (text.isEmpty() || !OnlyChars(text, "0123456789., "))
        return std::nullopt;
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long long n = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        n = std::min<long long>(n * 10 + (text[i] - '0'), INT_MAX);
    return int(std::clamp<long long>(n, faderMin + 1LL, faderMax + 1LL));
}
