#include "text/TIniFile.h"

#include <algorithm>

TIniFile::~TIniFile() { UpdateFile(); }

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& fallback, int maxLength) const {
    return ReadString(section, key, fallback).left(std::max(0, maxLength));
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    TMemIniFile::WriteString(section, key, value);
    FModified = true;
}

void TIniFile::EraseSection(const QString& section) {
    const bool existed = SectionExists(section);
    TMemIniFile::EraseSection(section);
    if (existed) FModified = true;
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
    const bool existed = ValueExists(section, key);
    TMemIniFile::DeleteKey(section, key);
    if (existed) FModified = true;
}

void TIniFile::SetText(const QString& text) {
    TMemIniFile::SetText(text);
    FModified = true;
}

void TIniFile::UpdateFile() {
    if (!FModified || FileName().isEmpty()) return;
    if (Save()) FModified = false;
}
