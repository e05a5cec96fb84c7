#pragma once
// Rich text (RTF) to and from a QTextDocument, for the subset the program's documents use:
// the font and colour tables, bold, italic, underline, font, size, colour, paragraph
// alignment, paragraphs, line breaks, tabs, escaped characters ("\'hh" through the
// program's 8-bit codec, "\uN" with its "\ucN" fallback count) and skipped destinations
// ("{\*...}", style sheets, document information, pictures, objects and the like).
// Anything else is ignored; malformed input never fails, it only yields less text.
#include <QByteArray>

class QTextDocument;

// Replaces the document's content with the RTF text's.
void ReadRtf(const QByteArray& rtf, QTextDocument& document);
// The document as RTF (fonts, colours, bold, italic, underline, size, alignment).
QByteArray WriteRtf(const QTextDocument& document);
