#pragma once
// Number-to-text conversions of the windows' runtime. Every text is formatted in the "C"
// numeric locale, whatever the process locale.
#include <QString>

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// A value as text in the given format with a precision (significant digits, 1 to 18) and a
// digit count: ffGeneral is the shorter of fixed and scientific notation with at most
// `precision` significant digits and no trailing zeros (scientific when the integer part has
// more than `precision` digits or the value is below 0.00001, with at least `digits` exponent
// digits); ffExponent is d.ddd...E+dddd (precision digits, at least `digits` exponent
// digits); ffFixed and ffNumber have `digits` decimals, ffNumber with thousands separators;
// ffCurrency is ffNumber behind "$".
QString FloatToStrF(double value, TFloatFormat format, int precision, int digits);

// printf-style formatting in the "C" numeric locale.
QString Sprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
