#pragma once
// Numbers as text the way the framework's runtime writes and reads them. The decimal
// separator is a setting of the process (FormatSettings, "." as the program runs in the "C"
// numeric locale) that each call may override, so that texts written on a system with ","
// can be read on one with "." and back.
#include <QChar>
#include <QString>

struct TFormatSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');
};

// The process's settings (tests may change them and must restore them).
TFormatSettings& FormatSettings();

// The shortest text of a value with up to 15 significant digits: fixed notation, or
// scientific ("1.5E-7", "1E15") below 0.00001 or at 15 integer digits and above.
QString FloatToStr(double value);
QString FloatToStr(double value, QChar decimalSeparator);

// A value in fixed notation with `decimals` decimals ("-12.50").
QString FloatToStrFixed(double value, int decimals);
// The same with thousands separators ("1,234.50").
QString FloatToStrThousands(double value, int decimals);

// Reads a decimal number (blanks around it allowed, a sign, digits with the decimal
// separator, an exponent). A text that is no number raises EConvertError
// "'<text>' is not a valid floating point value".
double StrToFloat(const QString& text);
double StrToFloat(const QString& text, QChar decimalSeparator);
// The same, answering false instead of raising.
bool TryStrToFloat(const QString& text, double& value, QChar decimalSeparator);

// Reads a decimal integer (blanks around it, a sign; "$" or "0x" for hexadecimal). A text
// that is no 32-bit integer raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(const QString& text);
bool TryStrToInt(const QString& text, int& value);
// The same for 64-bit integers.
long long StrToInt64(const QString& text);
