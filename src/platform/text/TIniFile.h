#pragma once
// The framework's ini file, on the in-memory one: the file is read when the object is made
// and written back by UpdateFile, and on destruction, when something changed since. An
// object without a file name lives in memory only (Text and SetText).
#include "text/TMemIniFile.h"

class TIniFile : public TMemIniFile {
public:
    TIniFile() : TMemIniFile(QString()) {}
    explicit TIniFile(const QString& fileName) : TMemIniFile(fileName) {}
    ~TIniFile() override;

    using TMemIniFile::ReadString;
    // At most `maxLength` characters of the value (the framework's buffer of maxLength + 1).
    QString ReadString(const QString& section, const QString& key, const QString& fallback, int maxLength) const;
    void WriteString(const QString& section, const QString& key, const QString& value) override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& key) override;
    void SetText(const QString& text) override;
    // Writes the file when something changed.
    void UpdateFile() override;

private:
    bool FModified = false;
};
