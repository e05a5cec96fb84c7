#include "ui/TComponent.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (FOwner) FOwner->Remove(this);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        Remove(last);
        delete last;
    }
}

void TComponent::Insert(TComponent* component) {
    component->FOwner = this;
    FComponents.push_back(component);
}

void TComponent::Remove(TComponent* component) {
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
    for (auto it = FNames.begin(); it != FNames.end();) {
        if (it.value() == component)
            it = FNames.erase(it);
        else
            ++it;
    }
    component->FOwner = nullptr;
}

void TComponent::SetName(const QString& name) {
    if (FOwner) {
        const QString old = Name().toLower();
        if (!old.isEmpty() && FOwner->FNames.value(old) == this) FOwner->FNames.remove(old);
        if (!name.isEmpty()) FOwner->FNames.insert(name.toLower(), this);
    }
    Object()->setObjectName(name);
}

TComponent* TComponent::FindComponent(const QString& name) const {
    if (name.isEmpty()) return nullptr;
    return FNames.value(name.toLower(), nullptr);
}
