#pragma once
// Memory streams with 8-bit text writing and reading, and a minimal XML writer and reader on
// top (the theme files are read with it).
#include <QByteArray>
#include <QString>

#include <cstdint>

class TiMemoryStream {
public:
    virtual ~TiMemoryStream() = default;

    std::int64_t Size() const { return FData.size(); }
    std::int64_t Position() const { return FPosition; }
    void SetPosition(std::int64_t position) { FPosition = position; }
    const QByteArray& Data() const { return FData; }
    void SetData(const QByteArray& data);

    // Writes the text's 8-bit characters at the position, without length or terminator; a
    // text longer than 255 characters fails with "String Exceeds 255 Characters".
    void WriteString(const QString& value);
    void WriteCRLF();
    void WriteStringCRLF(const QString& value);
    // Reads one byte as a character; when the position has then reached the end it fails
    // with "EOF" instead, so the stream's last byte is consumed but never returned.
    QChar ReadChar();

protected:
    void WriteBytes(const QByteArray& bytes);

private:
    QByteArray FData;
    std::int64_t FPosition = 0;
};

class TiXMLMemoryStream : public TiMemoryStream {
public:
    // Elements are written one per line.
    void StartElement(const QString& name);
    void EndElement(const QString& name);
    void WriteElement(const QString& name, const QString& value);

    // The name of the next opening tag (the text between "<" and ">"; a "/" skips on to the
    // next "<" keeping what was collected; a blank ends the name).
    QString GetNameElementStart();
    void GotoElementStart(const QString& value);
    // The text up to the next "<" (which is read next).
    QString GetElementValue();
    // The name of the closing tag that must come next ("XML Parsing Error - "<" not Found",
    // "XML Parsing Error - "/" not Found" otherwise).
    QString GetNameElementStop();
    QString GetElement(const QString& name);
    // The next piece: a tag without its brackets (a closing tag keeps its "/"), or a text up
    // to the next "<"; CR and LF between pieces are skipped.
    QString GetNextPiece();
    QString PeekNextPiece();
};
