#pragma once
// The flow of a value typed into a band cell and confirmed, the same in every band table: a
// text that parses is applied (the value stored and written back in the table's format); one
// that does not is refused (the cell shows the current value again, the caret at its end).
// Either way the row becomes the current one and the table reports a change.
#include "ui/TEdit.h"

#include <QString>

#include <optional>

// Puts `text` back into a cell whose entry was refused, with the caret at the end.
void RefuseEntry(TEdit* edit, const QString& text);

// `apply` takes a parsed value; `current` gives the cell's text for the value kept; `done`
// marks the row current and reports the change.
template <class T, class Apply, class Current, class Done>
void EnterTypedValue(TEdit* edit, const std::optional<T>& parsed, Apply apply, Current current, Done done) {
    if (parsed)
        apply(*parsed);
    else
        RefuseEntry(edit, current());
    done();
}
