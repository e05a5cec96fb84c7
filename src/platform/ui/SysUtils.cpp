#include "ui/SysUtils.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <string>
#include <vector>

namespace {

// Decimal digits of |value| rounded to `precision` significant digits, with the exponent E
// such that |value| = 0.d1d2d3... x 10^E. Zero gives "0" and E = 0.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double value, int precision) {
    Decimal d;
    if (value == 0) {
        d.digits.assign(1, '0');
        return d;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, precision - 1);
    const std::string text(buf, res.ptr);
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

std::string ExponentText(int exponent, int digits, bool plusSign) {
    const std::string magnitude = std::to_string(std::abs(exponent));
    std::string s;
    if (exponent < 0) s += '-';
    else if (plusSign) s += '+';
    if (int(magnitude.size()) < digits) s.append(std::size_t(digits) - magnitude.size(), '0');
    s += magnitude;
    return s;
}

std::string Scientific(const std::string& mantissa, int exponent, int digits, bool plusSign) {
    std::string s(1, mantissa[0]);
    if (mantissa.size() > 1) {
        s += '.';
        s.append(mantissa, 1);
    }
    s += 'E';
    s += ExponentText(exponent, digits, plusSign);
    return s;
}

std::string Fixed(double value, int decimals) {
    char buf[512];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return "0";
    return std::string(buf, res.ptr);
}

std::string WithThousands(const std::string& fixed) {
    const auto dot = fixed.find('.');
    std::string whole = fixed.substr(0, dot);
    const std::string rest = dot == std::string::npos ? "" : fixed.substr(dot);
    for (int i = int(whole.size()) - 3; i > 0; i -= 3) whole.insert(std::size_t(i), 1, ',');
    return whole + rest;
}

locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

}  // namespace

QString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    precision = std::clamp(precision, 1, 18);
    const bool negative = std::signbit(value) && value != 0;
    std::string body;
    switch (format) {
    case ffGeneral: {
        Decimal d = ToDecimal(value, precision);
        while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
        if (d.exponent > precision || (value != 0 && std::fabs(value) < 0.00001)) {
            body = Scientific(d.digits, d.exponent - 1, std::clamp(digits, 0, 4), false);
        } else if (d.exponent <= 0) {
            if (d.digits == "0") {
                body.assign(1, '0');
            } else {
                body.assign("0.", 2);
                body.append(std::size_t(-d.exponent), '0');
                body += d.digits;
            }
        } else {
            std::string whole = d.digits.substr(0, std::min<std::size_t>(d.digits.size(), std::size_t(d.exponent)));
            while (int(whole.size()) < d.exponent) whole += '0';
            body = whole;
            if (int(d.digits.size()) > d.exponent) {
                body += '.';
                body.append(d.digits, std::size_t(d.exponent));
            }
        }
        break;
    }
    case ffExponent: {
        Decimal d = ToDecimal(value, precision);
        while (int(d.digits.size()) < precision) d.digits += '0';
        body = Scientific(d.digits, value == 0 ? 0 : d.exponent - 1, std::clamp(digits, 0, 4), true);
        break;
    }
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        const Decimal d = ToDecimal(value, precision);
        if (d.exponent > precision) return FloatToStrF(value, ffExponent, precision, digits);
        body = Fixed(value, std::clamp(digits, 0, 18));
        if (format != ffFixed) body = WithThousands(body);
        if (format == ffCurrency) body.insert(body.begin(), '$');
        break;
    }
    }
    // No sign for a value that rounds to zero.
    const bool allZero = body.find_first_not_of("0.,$") == std::string::npos;
    if (negative && !allZero) body.insert(body.begin(), '-');
    return QString::fromStdString(body);
}

QString Sprintf(const char* format, ...) {
    const locale_t previous = uselocale(CLocale());
    va_list args;
    va_start(args, format);
    std::vector<char> buf(256);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(buf.data(), buf.size(), format, copy);
    va_end(copy);
    if (n >= int(buf.size())) {
        buf.resize(std::size_t(n) + 1);
        n = std::vsnprintf(buf.data(), buf.size(), format, args);
    }
    va_end(args);
    uselocale(previous);
    return n < 0 ? QString() : QString::fromLatin1(buf.data(), n);
}
