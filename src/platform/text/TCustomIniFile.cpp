#include "text/TCustomIniFile.h"

#include <climits>

bool TCustomIniFile::SectionExists(const QString& section) const {
    return ReadSections().contains(section, Qt::CaseInsensitive);
}

bool TCustomIniFile::ValueExists(const QString& section, const QString& name) const {
    return ReadSection(section).contains(name, Qt::CaseInsensitive);
}

int TCustomIniFile::ReadInteger(const QString& section, const QString& name, int fallback) const {
    const QString text = ReadString(section, name, QString()).trimmed();
    bool ok = false;
    qlonglong value = 0;
    if (text.startsWith(QLatin1Char('$')))
        value = text.mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toLongLong(&ok, 16);
    else
        value = text.toLongLong(&ok, 10);
    // Values above the signed range are 32-bit patterns (colours written unsigned).
    if (!ok || value < INT_MIN || value > qlonglong(UINT_MAX)) return fallback;
    return int(static_cast<unsigned>(value));
}

void TCustomIniFile::WriteInteger(const QString& section, const QString& name, int value) {
    WriteString(section, name, QString::number(value));
}

bool TCustomIniFile::ReadBool(const QString& section, const QString& name, bool fallback) const {
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString& section, const QString& name, bool value) {
    WriteString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TCustomIniFile::ReadFloat(const QString& section, const QString& name, double fallback) const {
    const QString text = ReadString(section, name, QString()).trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok);  // QString::toDouble reads the "C" form
    return ok ? value : fallback;
}

void TCustomIniFile::WriteFloat(const QString& section, const QString& name, double value) {
    WriteString(section, name, QString::number(value, 'g', 15));
}

QDate TCustomIniFile::ReadDate(const QString& section, const QString& name, const QDate& fallback) const {
    const QDate d = QDate::fromString(ReadString(section, name, QString()).trimmed(), Qt::ISODate);
    return d.isValid() ? d : fallback;
}

void TCustomIniFile::WriteDate(const QString& section, const QString& name, const QDate& value) {
    WriteString(section, name, value.toString(Qt::ISODate));
}

QTime TCustomIniFile::ReadTime(const QString& section, const QString& name, const QTime& fallback) const {
    const QTime t = QTime::fromString(ReadString(section, name, QString()).trimmed(), Qt::ISODate);
    return t.isValid() ? t : fallback;
}

void TCustomIniFile::WriteTime(const QString& section, const QString& name, const QTime& value) {
    WriteString(section, name, value.toString(Qt::ISODate));
}

QDateTime TCustomIniFile::ReadDateTime(const QString& section, const QString& name, const QDateTime& fallback) const {
    const QDateTime t = QDateTime::fromString(ReadString(section, name, QString()).trimmed(), Qt::ISODate);
    return t.isValid() ? t : fallback;
}

void TCustomIniFile::WriteDateTime(const QString& section, const QString& name, const QDateTime& value) {
    WriteString(section, name, value.toString(Qt::ISODate));
}

QByteArray TCustomIniFile::ReadBinaryStream(const QString& section, const QString& name) const {
    return QByteArray::fromHex(ReadString(section, name, QString()).toLatin1());
}

void TCustomIniFile::WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value) {
    WriteString(section, name, QString::fromLatin1(value.toHex().toUpper()));
}

QStringList TCustomIniFile::ReadSectionValues(const QString& section) const {
    QStringList lines;
    for (const QString& name : ReadSection(section)) lines << name + QLatin1Char('=') + ReadString(section, name, QString());
    return lines;
}
