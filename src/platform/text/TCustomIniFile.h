#pragma once
// Named values in sections, as the framework's ini-file classes offer them: typed reads
// with defaults and typed writes over one string store (a store may keep some types
// natively). Numbers and dates are written in one fixed form ("C" locale, ISO dates).
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

class TCustomIniFile {
public:
    virtual ~TCustomIniFile() = default;

    virtual bool SectionExists(const QString& section) const;
    virtual bool ValueExists(const QString& section, const QString& name) const;
    virtual QString ReadString(const QString& section, const QString& name, const QString& fallback) const = 0;
    virtual void WriteString(const QString& section, const QString& name, const QString& value) = 0;
    // Decimal, or hexadecimal with "$" or "0x"; the default when the text is no 32-bit number
    // (values up to 4294967295 are read as their 32-bit pattern).
    virtual int ReadInteger(const QString& section, const QString& name, int fallback) const;
    virtual void WriteInteger(const QString& section, const QString& name, int value);
    // Any non-zero integer is true; written as "1" or "0".
    virtual bool ReadBool(const QString& section, const QString& name, bool fallback) const;
    virtual void WriteBool(const QString& section, const QString& name, bool value);
    double ReadFloat(const QString& section, const QString& name, double fallback) const;
    void WriteFloat(const QString& section, const QString& name, double value);
    QDate ReadDate(const QString& section, const QString& name, const QDate& fallback) const;
    void WriteDate(const QString& section, const QString& name, const QDate& value);
    QTime ReadTime(const QString& section, const QString& name, const QTime& fallback) const;
    void WriteTime(const QString& section, const QString& name, const QTime& value);
    QDateTime ReadDateTime(const QString& section, const QString& name, const QDateTime& fallback) const;
    void WriteDateTime(const QString& section, const QString& name, const QDateTime& value);
    // Bytes, as two hexadecimal digits each in a string store.
    virtual QByteArray ReadBinaryStream(const QString& section, const QString& name) const;
    virtual void WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value);
    // The names of a section's values, the names of the sections, and "name=value" lines.
    virtual QStringList ReadSection(const QString& section) const = 0;
    virtual QStringList ReadSections() const = 0;
    virtual QStringList ReadSectionValues(const QString& section) const;
    virtual void EraseSection(const QString& section) = 0;
    virtual void DeleteKey(const QString& section, const QString& name) = 0;
    // Writes what changed to the storage.
    virtual void UpdateFile() {}
};
