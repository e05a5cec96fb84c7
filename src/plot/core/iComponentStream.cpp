#include "core/iComponentStream.h"

#include "core/iPropertyText.h"
#include "core/iPublishedClass.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"

#include <QStringList>

#include <cstring>

namespace {

constexpr char kCollection = 0x0E;
constexpr char kList = 0x01;
constexpr char kListEnd = 0x00;
constexpr char kProperty = 0x06;

[[noreturn]] void ReadError() { throw Exception(QStringLiteral("Stream read error")); }

// The decimal separator the property text writes floats with.
QChar PropertyDecimalSeparator() {
    const QString one = FloatToStr(1.1);
    return one.size() > 1 ? one[1] : QLatin1Char('.');
}

}  // namespace

void TiStreamWriter::WriteCollection() { FData.append(kCollection); }
void TiStreamWriter::WriteListBegin() { FData.append(kList); }
void TiStreamWriter::WriteListEnd() { FData.append(kListEnd); }

void TiStreamWriter::WriteText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const auto size = std::uint32_t(bytes.size());
    char raw[4];
    std::memcpy(raw, &size, 4);  // little-endian hosts only
    FData.append(raw, 4);
    FData.append(bytes);
}

void TiStreamWriter::WriteProperty(const QString& name, const QString& value) {
    FData.append(kProperty);
    WriteText(name);
    WriteText(value);
}

bool TiStreamReader::Next(char marker) {
    if (FPosition >= FData.size() || FData[FPosition] != marker) return false;
    ++FPosition;
    return true;
}

bool TiStreamReader::ReadCollection() { return Next(kCollection); }
bool TiStreamReader::ReadListBegin() { return Next(kList); }

bool TiStreamReader::EndOfList() {
    if (AtEnd()) ReadError();
    return Next(kListEnd);
}

QString TiStreamReader::ReadText() {
    if (FData.size() - FPosition < 4) ReadError();
    std::uint32_t size;
    std::memcpy(&size, FData.constData() + FPosition, 4);
    FPosition += 4;
    if (size > std::uint64_t(FData.size() - FPosition)) ReadError();
    const QString text = QString::fromUtf8(FData.constData() + FPosition, qsizetype(size));
    FPosition += qsizetype(size);
    return text;
}

void TiStreamReader::ReadProperty(QString& name, QString& value) {
    if (!Next(kProperty)) ReadError();
    name = ReadText();
    value = ReadText();
}

void WriteObjectProperties(TiStreamWriter& writer, const TiPersistent& object) {
    try {
        QStringList lines;
        SavePropertiesToList(object, QString(), lines, false);
        for (const QString& line : lines) {
            QString name, value;
            SplitNameValue(line, QLatin1Char('='), name, value);
            writer.WriteProperty(name, value);
        }
    } catch (const Exception&) {
    }
    object.WriteDefinedProperties(writer);
}

void ReadObjectProperties(TiStreamReader& reader, TiPersistent& object) {
    const QChar separator = PropertyDecimalSeparator();
    while (!reader.EndOfList()) {
        QString name, value;
        reader.ReadProperty(name, value);
        if (!object.ReadDefinedProperty(name, value)) SetPropertyFromText(object, name, value, separator);
    }
}
