#pragma once
// The plot's collection stream, kept in window layouts as a byte block: a collection marker,
// then per item a list start, the item's properties as name and value texts, a list end;
// finally a closing list end. Names and values are the property text of the plot's files
// (dotted paths, values as the files write them), so every stored property survives.
#include <QByteArray>
#include <QString>

#include <cstdint>

class TiPersistent;

class TiStreamWriter {
public:
    void WriteCollection();
    void WriteListBegin();
    void WriteListEnd();
    void WriteProperty(const QString& name, const QString& value);
    const QByteArray& Data() const { return FData; }

private:
    void WriteText(const QString& text);
    QByteArray FData;
};

// Reads what TiStreamWriter wrote. A stream that ends early, a length beyond the bytes left
// or an unknown marker fails with "Stream read error"; nothing is allocated beyond the
// stream's own size.
class TiStreamReader {
public:
    explicit TiStreamReader(QByteArray data) : FData(std::move(data)) {}
    // Consumes the collection marker when it comes next; false (nothing consumed) otherwise.
    bool ReadCollection();
    // Consumes a list start when it comes next.
    bool ReadListBegin();
    // Consumes a list end when it comes next.
    bool EndOfList();
    // Reads the next property; fails when none comes next.
    void ReadProperty(QString& name, QString& value);
    bool AtEnd() const { return FPosition >= FData.size(); }

private:
    bool Next(char marker);
    QString ReadText();
    QByteArray FData;
    qsizetype FPosition = 0;
};

// Writes every stored property of Object (in property text), then its defined properties.
// Failures of the property writer are swallowed, so a layout is always written whole.
void WriteObjectProperties(TiStreamWriter& writer, const TiPersistent& object);
// Applies properties up to the item's list end (consumed): defined properties by their
// readers, the rest by path; a path naming no property is ignored.
void ReadObjectProperties(TiStreamReader& reader, TiPersistent& object);
