#pragma once
// The framework's ini file: sections of "Key=Value" lines, keys and sections compared
// without letter case, kept in the order they were first written. The file is read when the
// object is made and written back by UpdateFile and on destruction when something changed.
// An object without a file name lives in memory only (Text and SetText).
#include <QString>
#include <QStringList>

#include <vector>

class TIniFile {
public:
    TIniFile() = default;
    explicit TIniFile(const QString& fileName);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    QString FileName() const { return FFileName; }
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
    // At most `maxLength` characters of the value (the framework's buffer of maxLength + 1).
    QString ReadString(const QString& section, const QString& key, const QString& fallback, int maxLength) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    // A decimal number, or hexadecimal after "$" or "0x"; `fallback` when missing or not a
    // 32-bit number.
    int ReadInteger(const QString& section, const QString& key, int fallback) const;
    void WriteInteger(const QString& section, const QString& key, int value);
    QStringList ReadSection(const QString& section) const;
    void EraseSection(const QString& section);
    // Writes the file when something changed.
    bool UpdateFile();

    QString Text() const;
    void SetText(const QString& text);

private:
    struct Entry {
        QString key, value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    const Section* Find(const QString& section) const;
    Section& Ensure(const QString& section);

    QString FFileName;
    std::vector<Section> FSections;
    bool FModified = false;
};
