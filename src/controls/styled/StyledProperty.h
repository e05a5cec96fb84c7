#pragma once
// Declares Name() and SetName(value) over the field F<Name>: a changed value is stored and
// `after` runs (the repaint or change notification its owner needs); an equal one does nothing.
#define Q7K_STYLED_PROPERTY(Type, Name, after) \
    Type Name() const { return F##Name; }        \
    void Set##Name(Type value) {                 \
        if (F##Name == value) return;            \
        F##Name = value;                         \
        after;                                   \
    }
