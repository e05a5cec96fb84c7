#include "core/iPublishedClass.h"

TiPublishedClass::TiPublishedClass(QString className, const TiPublishedClass* parent,
                                   std::vector<TiPublishedProperty> own)
    : FClassName(std::move(className)), FParent(parent), FOwn(std::move(own)) {
    if (FParent) FAll = FParent->Properties();
    for (const TiPublishedProperty& p : FOwn) FAll.push_back(&p);
}

const TiPublishedProperty* TiPublishedClass::Find(const QString& name) const {
    for (const TiPublishedProperty* p : FAll)
        if (p->Name.compare(name, Qt::CaseInsensitive) == 0) return p;
    return nullptr;
}

bool TiPublishedClass::InheritsFrom(const QString& className) const {
    for (const TiPublishedClass* c = this; c; c = c->FParent)
        if (c->FClassName == className) return true;
    return false;
}
