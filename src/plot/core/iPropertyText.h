#pragma once
// The property text of the plot's files: lines of "name = value", where name is a property
// name or a dotted path through object-valued properties (Channel0.MarkersFont.Color).
// Ordinals are written as decimal integers, floats as their shortest text with the
// decimal separator, strings with CR and LF as "#13" and "#10"; sub-objects are written
// property by property under the extended path. Paths and values are cut to 255 characters.
#include "core/iPublishedClass.h"

#include <QChar>
#include <QString>
#include <QStringList>

// Appends the lines of every stored, writable published property of Object (ancestors'
// first). Prefix is joined with "." unless blank; paths in Exclusions (letter case ignored)
// are skipped; with Differential, ordinals equal to their declared default are skipped.
void SavePropertiesToList(const TiPersistent& object, const QString& prefix, QStringList& lines, bool differential,
                          const QStringList* exclusions = nullptr);

// Applies lines from the front of Lines to Object and removes them. With a Section, each
// line's first path component must equal it (letter case ignored) and is removed; the loop
// stops at the first line whose component is not exactly Section, leaving that line.
void LoadPropertiesFromList(TiPersistent& object, const QString& section, QStringList& lines);

// Applies one value by path; a path naming no property is ignored. A number that does not
// read raises the conversion error.
void SetPropertyFromText(TiPersistent& object, const QString& path, const QString& value, QChar separator);

// Splits at the first Separator into trimmed name and value; both empty without it.
void SplitNameValue(const QString& text, QChar separator, QString& name, QString& value);
// Removes the first line whose name (before "=") equals Key (letter case ignored) and gives
// its trimmed value; false when there is none.
bool DeleteListKey(const QString& key, QString& value, QStringList& lines);
// The object held by the object-valued published property Name, or null.
TiPersistent* GetObjectPropByName(const TiPersistent& object, const QString& name);
// The text of a value as the files write it, and back.
QString PropertyValueText(const TiPublishedProperty& property, const TiPersistent& object);

// The lines of an 8-bit text file (CR LF or LF ends; the empty line after the last end is
// dropped). A file that does not open raises "Cannot open file ...".
QStringList ReadTextLines(const QString& fileName);
// Writes the lines as 8-bit text, each ended by CR LF ("Cannot create file ..." on failure).
void WriteTextLines(const QString& fileName, const QStringList& lines);
