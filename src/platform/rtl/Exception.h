#pragma once
// The framework's general exception class: a message text. The derived classes stand for the
// framework's list, conversion and type-cast errors, so that callers can tell them apart.
#include <QString>

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(const QString& message);
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

// An index outside a list ("List index out of bounds (%d)").
class EListError : public Exception {
public:
    using Exception::Exception;
    static EListError IndexOutOfBounds(int index);
};

// A text that is not a number of the kind asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An object converted to a class it does not belong to ("Invalid class typecast").
class EInvalidCast : public Exception {
public:
    EInvalidCast() : Exception(QStringLiteral("Invalid class typecast")) {}
};
