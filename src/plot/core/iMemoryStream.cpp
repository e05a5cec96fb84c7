#include "core/iMemoryStream.h"

#include "rtl/Exception.h"
#include "text/AnsiCodec.h"

void TiMemoryStream::SetData(const QByteArray& data) {
    FData = data;
    FPosition = 0;
}

void TiMemoryStream::WriteBytes(const QByteArray& bytes) {
    const std::int64_t end = FPosition + bytes.size();
    if (end > FData.size()) FData.resize(qsizetype(end));
    std::copy(bytes.begin(), bytes.end(), FData.begin() + FPosition);
    FPosition = end;
}

void TiMemoryStream::WriteString(const QString& value) {
    if (value.size() > 255) throw Exception(QStringLiteral("String Exceeds 255 Characters"));
    WriteBytes(QByteArray::fromStdString(AnsiCodec::FromUnicode(value)));
}

void TiMemoryStream::WriteCRLF() { WriteBytes(QByteArrayLiteral("\r\n")); }

void TiMemoryStream::WriteStringCRLF(const QString& value) {
    WriteString(value);
    WriteCRLF();
}

QChar TiMemoryStream::ReadChar() {
    if (FPosition >= FData.size()) throw Exception(QStringLiteral("EOF"));
    const auto byte = static_cast<unsigned char>(FData[qsizetype(FPosition)]);
    ++FPosition;
    if (FPosition >= FData.size()) throw Exception(QStringLiteral("EOF"));
    return QChar(byte);
}

void TiXMLMemoryStream::StartElement(const QString& name) { WriteStringCRLF(QLatin1Char('<') + name + QLatin1Char('>')); }

void TiXMLMemoryStream::EndElement(const QString& name) { WriteStringCRLF(QStringLiteral("</") + name + QLatin1Char('>')); }

void TiXMLMemoryStream::WriteElement(const QString& name, const QString& value) {
    WriteStringCRLF(QLatin1Char('<') + name + QLatin1Char('>') + value + QStringLiteral("</") + name +
                    QLatin1Char('>'));
}

QString TiXMLMemoryStream::GetNameElementStart() {
    while (ReadChar() != QLatin1Char('<')) {
    }
    QString name;
    bool collecting = true;
    for (;;) {
        const QChar c = ReadChar();
        if (c == QLatin1Char('>')) break;
        if (c == QLatin1Char('/')) {
            while (ReadChar() != QLatin1Char('<')) {
            }
            collecting = true;
            continue;
        }
        if (c == QLatin1Char(' ')) collecting = false;
        if (collecting) name += c;
    }
    return name;
}

void TiXMLMemoryStream::GotoElementStart(const QString& value) {
    while (GetNameElementStart() != value) {
    }
}

QString TiXMLMemoryStream::GetElementValue() {
    QString value;
    for (;;) {
        const QChar c = ReadChar();
        if (c == QLatin1Char('<')) break;
        value += c;
    }
    SetPosition(Position() - 1);
    return value;
}

QString TiXMLMemoryStream::GetNameElementStop() {
    if (ReadChar() != QLatin1Char('<')) throw Exception(QStringLiteral("XML Parsing Error - \"<\" not Found"));
    if (ReadChar() != QLatin1Char('/')) throw Exception(QStringLiteral("XML Parsing Error - \"/\" not Found"));
    QString name;
    bool collecting = true;
    for (;;) {
        const QChar c = ReadChar();
        if (c == QLatin1Char('>')) break;
        if (c == QLatin1Char(' ')) collecting = false;
        if (collecting) name += c;
    }
    return name;
}

QString TiXMLMemoryStream::GetElement(const QString& name) {
    GotoElementStart(name);
    const QString value = GetElementValue();
    while (GetNameElementStop() != name) {
    }
    return value;
}

QString TiXMLMemoryStream::GetNextPiece() {
    QChar c = ReadChar();
    while (c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = ReadChar();
    QString piece;
    if (c == QLatin1Char('<')) {
        for (c = ReadChar(); c != QLatin1Char('>'); c = ReadChar()) piece += c;
        return piece;
    }
    piece += c;
    for (c = ReadChar(); c != QLatin1Char('<'); c = ReadChar()) piece += c;
    SetPosition(Position() - 1);
    return piece;
}

QString TiXMLMemoryStream::PeekNextPiece() {
    const std::int64_t at = Position();
    QString piece;
    try {
        piece = GetNextPiece();
    } catch (...) {
        SetPosition(at);
        throw;
    }
    SetPosition(at);
    return piece;
}
