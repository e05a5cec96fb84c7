#pragma once
// Defines Class::SetName(Type): a changed value is stored in Field, then `after` runs (the
// repaint, re-measure or notification the property needs); an unchanged one does nothing.
#define Q7K_CHANGED_WRITER(Class, Name, Type, Field, after) \
    void Class::Set##Name(Type value) {                      \
        if (value == Field) return;                          \
        Field = value;                                       \
        after;                                               \
    }
