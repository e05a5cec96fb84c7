#include "text/TMemIniFile.h"

#include "text/AnsiCodec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

TMemIniFile::TMemIniFile(const QString& fileName, TIniEncoding encoding) : FFileName(fileName), FEncoding(encoding) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.mid(3));
    else if (bytes.startsWith("\xFF\xFE"))
        text = QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    else if (FEncoding == TIniEncoding::Utf8)
        text = QString::fromUtf8(bytes);
    else
        text = AnsiCodec::ToUnicode(bytes.toStdString());
    Parse(text);
}

void TMemIniFile::SetText(const QString& text) { Parse(text); }

void TMemIniFile::Parse(const QString& text) {
    FSections.clear();
    Section* current = nullptr;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            current = Find(name);
            if (!current) {
                FSections.push_back({name, {}});
                current = &FSections.back();
            }
        } else if (current) {
            const int eq = int(line.indexOf(QLatin1Char('=')));
            if (eq > 0) current->values.emplace_back(line.left(eq).trimmed(), line.mid(eq + 1));
        }
    }
}

TMemIniFile::Section* TMemIniFile::Find(const QString& section) {
    for (Section& s : FSections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

const TMemIniFile::Section* TMemIniFile::Find(const QString& section) const {
    return const_cast<TMemIniFile*>(this)->Find(section);
}

QString TMemIniFile::ReadString(const QString& section, const QString& name, const QString& fallback) const {
    if (const Section* s = Find(section))
        for (const auto& [n, v] : s->values)
            if (n.compare(name, Qt::CaseInsensitive) == 0) return v;
    return fallback;
}

void TMemIniFile::WriteString(const QString& section, const QString& name, const QString& value) {
    Section* s = Find(section);
    if (!s) {
        FSections.push_back({section, {}});
        s = &FSections.back();
    }
    for (auto& [n, v] : s->values)
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            v = value;
            return;
        }
    s->values.emplace_back(name, value);
}

QStringList TMemIniFile::ReadSection(const QString& section) const {
    QStringList names;
    if (const Section* s = Find(section))
        for (const auto& value : s->values) names << value.first;
    return names;
}

QStringList TMemIniFile::ReadSections() const {
    QStringList names;
    for (const Section& s : FSections) names << s.name;
    return names;
}

void TMemIniFile::EraseSection(const QString& section) {
    for (auto it = FSections.begin(); it != FSections.end(); ++it)
        if (it->name.compare(section, Qt::CaseInsensitive) == 0) {
            FSections.erase(it);
            return;
        }
}

void TMemIniFile::DeleteKey(const QString& section, const QString& name) {
    if (Section* s = Find(section))
        for (auto it = s->values.begin(); it != s->values.end(); ++it)
            if (it->first.compare(name, Qt::CaseInsensitive) == 0) {
                s->values.erase(it);
                return;
            }
}

QString TMemIniFile::Text() const {
    QString text;
    for (const Section& s : FSections) {
        text += QLatin1Char('[') + s.name + QStringLiteral("]\r\n");
        for (const auto& [n, v] : s.values) text += n + QLatin1Char('=') + v + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text;
}

bool TMemIniFile::Save() const {
    QByteArray bytes;
    const QString text = Text();
    switch (FEncoding) {
    case TIniEncoding::Default: bytes = QByteArray::fromStdString(AnsiCodec::FromUnicode(text)); break;
    case TIniEncoding::Utf8: bytes = "\xEF\xBB\xBF" + text.toUtf8(); break;
    case TIniEncoding::Utf16: bytes = QByteArray("\xFF\xFE", 2) + QStringEncoder(QStringEncoder::Utf16LE)(text); break;
    }
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

void TMemIniFile::UpdateFile() { Save(); }
