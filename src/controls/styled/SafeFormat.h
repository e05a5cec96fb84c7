#pragma once
// Formatting of texts whose format comes from a stored property: "%d" takes the next
// argument as an integer, "%f", "%e" and "%g" as a floating-point number (flags "-", "+",
// "0", a width and a precision up to 99 allowed), "%%" is a percent sign; any other sequence
// is copied as it stands, and a conversion without an argument left prints nothing. Numbers
// are written in the "C" locale.
#include <QString>

#include <initializer_list>

QString SafeFormat(const QString& format, std::initializer_list<double> args);
