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
    // Components leave newest first, so the search runs from the back.
    const auto it = std::find(FComponents.rbegin(), FComponents.rend(), component);
    if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
    const auto named = FNames.constFind(component->FNameKey);
    if (named != FNames.cend() && named.value() == component) FNames.erase(named);
    component->FNameKey.clear();
    component->FOwner = nullptr;
}

void TComponent::SetName(const QString& name) {
    if (FOwner) {
        auto& names = FOwner->FNames;
        const auto old = names.constFind(FNameKey);
        if (old != names.cend() && old.value() == this) names.erase(old);
        FNameKey = name.toLower();
        if (!FNameKey.isEmpty()) names.insert(FNameKey, this);
    }
    Object()->setObjectName(name);
}

TComponent* TComponent::FindComponent(const QString& name) const {
    if (name.isEmpty()) return nullptr;
    return FNames.value(name.toLower(), nullptr);
}
