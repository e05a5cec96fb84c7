#pragma once
// Readers for property names of older layouts that are accepted on loading and dropped:
// each takes one value of its kind and discards it; nothing is ever written back.
#include "ui/LayoutProperties.h"

class TRzOldPropReader {
public:
    static void ReadOldBooleanProp(const QVariant&) {}
    static void ReadOldEnumProp(const QVariant&) {}
    static void ReadOldIdentProp(const QVariant&) {}
    static void ReadOldIntegerProp(const QVariant&) {}
    static void ReadOldSetProp(const QVariant&) {}
    static void ReadOldStringProp(const QVariant&) {}
    static void WriteOldProp() {}
    // Defines `name` as an old property that is read and dropped.
    static void Drop(TFiler& filer, const QString& name) { filer.DefineProperty(name, ReadOldBooleanProp); }
};
