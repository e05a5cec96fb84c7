#pragma once
// One language table of the user interface: an ordered list of text lines. A line that
// begins "//" is a comment; a key line ("SID_" and a name in capitals) is followed by the
// line of the key's text, taken whole. A key may stand twice; only its first line counts.
#include <QString>
#include <QStringList>

class LanguageTable {
public:
    LanguageTable() = default;
    explicit LanguageTable(QStringList lines);

    // Replaces the lines with those of a UTF-8 text file or resource (see ResourcePaths.h).
    // Line ends ("\n" or "\r\n") are dropped, blanks kept. False, leaving the table empty,
    // when the file cannot be read.
    bool Load(const QString& path);

    const QStringList& Lines() const { return lines; }

    // The text of a key: the line after the first line equal to the key, letter case
    // ignored (the whole line against the whole key, no trimming; comment and text lines
    // take part like any other line). A key that no line holds gives the first line, the
    // table's heading comment. A match on the last line has no line after it and gives an
    // empty text, as does an empty table.
    QString Text(const QString& key) const;

private:
    QStringList lines;
};
