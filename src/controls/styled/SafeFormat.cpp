#include "SafeFormat.h"

#include <cmath>
#include <cstdio>
#include <vector>

QString SafeFormat(const QString& format, std::initializer_list<double> args) {
    const std::vector<double> values(args);
    std::size_t next = 0;
    QString out;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar ch = format[i];
        if (ch != QLatin1Char('%') || i + 1 >= format.size()) {
            out += ch;
            continue;
        }
        qsizetype j = i + 1;
        if (format[j] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i = j;
            continue;
        }
        QString flags;
        while (j < format.size() && QStringLiteral("-+0 ").contains(format[j]) && flags.size() < 4) flags += format[j++];
        int width = 0, precision = -1;
        while (j < format.size() && format[j].isDigit() && width < 100) width = width * 10 + format[j++].digitValue();
        if (j < format.size() && format[j] == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < format.size() && format[j].isDigit() && precision < 100) precision = precision * 10 + format[j++].digitValue();
        }
        if (j >= format.size()) {
            out += ch;
            continue;
        }
        const char conversion = char(format[j].toLower().toLatin1());
        if (conversion != 'd' && conversion != 'f' && conversion != 'e' && conversion != 'g') {
            out += ch;
            continue;
        }
        i = j;
        if (next >= values.size()) continue;
        const double v = values[next++];
        const QByteArray spec = QStringLiteral("%%1%2%3%4")
                                    .arg(flags)
                                    .arg(width > 0 ? QString::number(std::min(width, 99)) : QString())
                                    .arg(precision >= 0 ? QStringLiteral(".%1").arg(std::min(precision, 99)) : QString())
                                    .arg(conversion == 'd' ? QStringLiteral("lld") : QString(QLatin1Char(conversion)))
                                    .toLatin1();
        char buffer[256];
        if (conversion == 'd') {
            const double clamped = std::isfinite(v) ? std::clamp(std::trunc(v), -9.0e18, 9.0e18) : 0.0;
            std::snprintf(buffer, sizeof buffer, spec.constData(), static_cast<long long>(clamped));
        } else {
            std::snprintf(buffer, sizeof buffer, spec.constData(), v);
        }
        out += QString::fromLatin1(buffer);
    }
    return out;
}
