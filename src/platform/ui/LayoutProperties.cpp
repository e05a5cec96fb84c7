#include "ui/LayoutProperties.h"

#include <QMetaProperty>
#include <QObject>

const TFiler::Reader* TFiler::Find(const QString& name) const {
    const auto it = FReaders.find(name.toLower());
    return it == FReaders.end() ? nullptr : &it->second;
}

bool SetLayoutProperty(QObject* object, const QString& name, const QVariant& value) {
    if (!object) return false;
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index >= 0) return meta->property(index).write(object, value);
    if (auto* definer = dynamic_cast<IDefineProperties*>(object)) {
        TFiler filer;
        definer->DefineProperties(filer);
        if (const TFiler::Reader* reader = filer.Find(name)) {
            (*reader)(value);
            return true;
        }
    }
    return false;
}
