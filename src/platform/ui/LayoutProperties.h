#pragma once
// Setting properties by name as a window layout does. A published property (Q_PROPERTY) is
// set directly; a component can also accept names that are no published property (names
// of older layouts that it maps or drops, data properties) by defining readers for them.
#include <QString>
#include <QVariant>

#include <functional>
#include <map>

class QObject;

// Collects the extra property names a component accepts, with their readers.
class TFiler {
public:
    using Reader = std::function<void(const QVariant& value)>;
    void DefineProperty(const QString& name, Reader reader) { FReaders[name.toLower()] = std::move(reader); }
    const Reader* Find(const QString& name) const;

private:
    std::map<QString, Reader> FReaders;
};

// Implemented by components that define extra property names.
class IDefineProperties {
public:
    virtual ~IDefineProperties() = default;
    virtual void DefineProperties(TFiler& filer) = 0;
};

// Sets a published property, or hands the value to a defined reader; false when the object
// knows the name neither way.
bool SetLayoutProperty(QObject* object, const QString& name, const QVariant& value);
