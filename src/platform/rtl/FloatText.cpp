#include "rtl/FloatText.h"

#include "rtl/Exception.h"
#include "ui/SysUtils.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}

namespace {

QString WithSeparator(QString text, QChar decimalSeparator) {
    if (decimalSeparator != QLatin1Char('.')) text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

}  // namespace

QString FloatToStr(double value) { return FloatToStr(value, FormatSettings().DecimalSeparator); }

QString FloatToStr(double value, QChar decimalSeparator) {
    return WithSeparator(FloatToStrF(value, ffGeneral, 15, 0), decimalSeparator);
}

QString FloatToStrFixed(double value, int decimals) {
    if (!std::isfinite(value)) return FloatToStr(value);
    QString text = Sprintf("%.*f", decimals < 0 ? 0 : decimals, value);
    // No sign for a value that rounds to zero.
    if (text.startsWith(QLatin1Char('-'))) {
        bool zero = true;
        for (int i = 1; i < text.size(); ++i)
            if (text[i] != QLatin1Char('0') && text[i] != QLatin1Char('.')) zero = false;
        if (zero) text.remove(0, 1);
    }
    return WithSeparator(text, FormatSettings().DecimalSeparator);
}

QString FloatToStrThousands(double value, int decimals) {
    if (!std::isfinite(value)) return FloatToStr(value);
    QString text = FloatToStrFixed(value, decimals);
    const TFormatSettings& fs = FormatSettings();
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative) text.remove(0, 1);
    int dot = text.indexOf(fs.DecimalSeparator);
    if (dot < 0) dot = int(text.size());
    for (int i = dot - 3; i > 0; i -= 3) text.insert(i, fs.ThousandSeparator);
    return negative ? QLatin1Char('-') + text : text;
}

bool TryStrToFloat(const QString& text, double& value, QChar decimalSeparator) {
    QString t = text.trimmed();
    if (t.isEmpty()) return false;
    if (decimalSeparator != QLatin1Char('.')) {
        if (t.contains(QLatin1Char('.'))) return false;
        t.replace(decimalSeparator, QLatin1Char('.'));
    }
    if (t.startsWith(QLatin1Char('+'))) t.remove(0, 1);
    if (t.isEmpty() || t.startsWith(QLatin1Char('+'))) return false;
    const std::string s = t.toStdString();
    double v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    value = v;
    return true;
}

double StrToFloat(const QString& text) { return StrToFloat(text, FormatSettings().DecimalSeparator); }

double StrToFloat(const QString& text, QChar decimalSeparator) {
    double v = 0;
    if (!TryStrToFloat(text, v, decimalSeparator))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return v;
}

namespace {

bool TryStrToInt64(const QString& text, long long& value) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    if (t.isEmpty()) return false;
    const std::string s = t.toStdString();
    unsigned long long v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    if (base == 10) {
        if (v > (negative ? 9223372036854775808ull : 9223372036854775807ull)) return false;
        value = negative ? static_cast<long long>(0 - v) : static_cast<long long>(v);
    } else {
        // Hexadecimal texts are bit patterns: "$FFFFFFFF" is -1 as a 32-bit value.
        if (v > 0xFFFFFFFFull) return false;
        long long bits = v > 0x7FFFFFFFull ? static_cast<long long>(v) - 0x100000000ll : static_cast<long long>(v);
        value = negative ? -bits : bits;
    }
    return true;
}

}  // namespace

bool TryStrToInt(const QString& text, int& value) {
    long long v = 0;
    if (!TryStrToInt64(text, v) || v < INT_MIN || v > INT_MAX) return false;
    value = int(v);
    return true;
}

int StrToInt(const QString& text) {
    int v = 0;
    if (!TryStrToInt(text, v)) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return v;
}

long long StrToInt64(const QString& text) {
    long long v = 0;
    if (!TryStrToInt64(text, v)) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return v;
}
