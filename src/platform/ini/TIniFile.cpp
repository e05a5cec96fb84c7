#include "ini/TIniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <climits>

TIniFile::TIniFile(const QString& fileName) : FFileName(fileName) {
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly)) SetText(QString::fromUtf8(file.readAll()));
    FModified = false;
}

TIniFile::~TIniFile() { UpdateFile(); }

bool TIniFile::UpdateFile() {
    if (!FModified || FFileName.isEmpty()) return true;
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(Text().toUtf8());
    if (!file.commit()) return false;
    FModified = false;
    return true;
}

QString TIniFile::Text() const {
    QString out;
    for (const Section& s : FSections) {
        out += QLatin1Char('[') + s.name + QLatin1String("]\n");
        for (const Entry& e : s.entries) out += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    return out;
}

void TIniFile::SetText(const QString& text) {
    FSections.clear();
    Section* current = nullptr;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            current = &Ensure(trimmed.mid(1, trimmed.size() - 2).trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq < 0) continue;
        const QString key = line.left(eq).trimmed();
        bool found = false;
        for (Entry& e : current->entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) found = true;
        if (!found) current->entries.push_back({key, line.mid(eq + 1)});
    }
    FModified = true;
}

const TIniFile::Section* TIniFile::Find(const QString& section) const {
    for (const Section& s : FSections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

TIniFile::Section& TIniFile::Ensure(const QString& section) {
    for (Section& s : FSections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0) return s;
    FSections.push_back({section, {}});
    return FSections.back();
}

bool TIniFile::SectionExists(const QString& section) const { return Find(section) != nullptr; }

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    const Section* s = Find(section);
    if (!s) return false;
    for (const Entry& e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
    const Section* s = Find(section);
    if (!s) return fallback;
    for (const Entry& e : s->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) return e.value;
    return fallback;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& fallback, int maxLength) const {
    return ReadString(section, key, fallback).left(std::max(0, maxLength));
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    Section& s = Ensure(section);
    FModified = true;
    for (Entry& e : s.entries) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = value;
            return;
        }
    }
    s.entries.push_back({key, value});
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
    const QString text = ReadString(section, key, QString()).trimmed();
    if (text.isEmpty()) return fallback;
    bool ok = false;
    qlonglong v;
    if (text.startsWith(QLatin1Char('$')))
        v = text.mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = text.mid(2).toLongLong(&ok, 16);
    else
        v = text.toLongLong(&ok, 10);
    if (!ok || v < INT_MIN || v > qlonglong(UINT_MAX)) return fallback;
    return int(static_cast<unsigned>(v));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

QStringList TIniFile::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* s = Find(section))
        for (const Entry& e : s->entries) keys << e.key;
    return keys;
}

void TIniFile::EraseSection(const QString& section) {
    for (auto it = FSections.begin(); it != FSections.end(); ++it) {
        if (it->name.compare(section, Qt::CaseInsensitive) == 0) {
            FSections.erase(it);
            FModified = true;
            return;
        }
    }
}
