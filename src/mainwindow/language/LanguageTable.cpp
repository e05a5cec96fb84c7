#include "LanguageTable.h"

#include <QFile>
#include <QTextStream>

LanguageTable::LanguageTable(QStringList lines) : lines(std::move(lines)) {}

bool LanguageTable::Load(const QString& path) {
    lines.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QString line;
    while (in.readLineInto(&line)) lines.append(line);
    return true;
}

QString LanguageTable::Text(const QString& key) const {
    qsizetype found = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].compare(key, Qt::CaseInsensitive) == 0) {
            found = i;
            break;
        }
    }
    // No match: -1 + 1 is line 0.
    const qsizetype next = found + 1;
    return next < lines.size() ? lines[next] : QString();
}
