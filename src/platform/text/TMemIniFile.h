#pragma once
// The framework's in-memory ini file: the whole file is read when it is opened and kept in
// memory; UpdateFile writes it back in one piece. Sections and names compare without letter
// case and keep their order.
#include "text/TCustomIniFile.h"

#include <vector>

enum class TIniEncoding { Default, Utf8, Utf16 };

class TMemIniFile : public TCustomIniFile {
public:
    // Reads the file (a missing one gives an empty store). Default is the program's 8-bit
    // codec; Utf8 and Utf16 files are written with a byte-order mark.
    explicit TMemIniFile(const QString& fileName, TIniEncoding encoding = TIniEncoding::Default);

    QString FileName() const { return FFileName; }
    void SetEncoding(TIniEncoding encoding) { FEncoding = encoding; }

    QString ReadString(const QString& section, const QString& name, const QString& fallback) const override;
    void WriteString(const QString& section, const QString& name, const QString& value) override;
    QStringList ReadSection(const QString& section) const override;
    QStringList ReadSections() const override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& name) override;
    // Writes the whole file; false when it cannot be written.
    void UpdateFile() override;
    bool Save() const;
    // The file's text as it would be written, and the store read from such a text (what was
    // in it before is gone).
    QString Text() const;
    virtual void SetText(const QString& text);

private:
    struct Section {
        QString name;
        std::vector<std::pair<QString, QString>> values;
    };
    void Parse(const QString& text);
    Section* Find(const QString& section);
    const Section* Find(const QString& section) const;

    QString FFileName;
    TIniEncoding FEncoding;
    std::vector<Section> FSections;
};
