#include "core/iPlotLayoutManager.h"

#include <algorithm>

TiPlotLayoutManager::TiPlotLayoutManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                         TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotObjectManagerCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                                std::move(onRename)) {
    Announce();
    FEnabled = false;
    FDataViewHorz = new TiPlotDataViewHorz(owner, OnChange, OnInsert, OnRemove, OnRename);
    FDataViewHorz->SetHorizontal(true);
    FDataViewHorz->SetZOrder(1);
    FDataViewHorz->SetName(QStringLiteral("Data View"));
    FDataViewHorz->DoInsert();
    FDataViewVert = new TiPlotDataViewVert(owner, OnChange, OnInsert, OnRemove, OnRename);
    FDataViewVert->SetHorizontal(false);
    FDataViewVert->SetZOrder(1);
    FDataViewVert->SetName(QStringLiteral("Data View"));
    FDataViewVert->DoInsert();
    SetEnabled(true);
}

TiPlotLayoutManager::~TiPlotLayoutManager() {
    // The placeholders leave quietly: the plot that owns them is going away.
    for (TiPlotLayoutObject* placeholder : {static_cast<TiPlotLayoutObject*>(FDataViewHorz),
                                            static_cast<TiPlotLayoutObject*>(FDataViewVert)}) {
        placeholder->OnRemove = nullptr;
        placeholder->OnLayoutChange = nullptr;
        placeholder->OnChange = nullptr;
        FList.erase(std::remove(FList.begin(), FList.end(), placeholder), FList.end());
        delete placeholder;
    }
}

TiPlotLayoutObject* TiPlotLayoutManager::GetItem(int index) const {
    return static_cast<TiPlotLayoutObject*>(TiPlotObjectManagerCustom::GetItem(index));
}

void TiPlotLayoutManager::NotificationInsert(TObject* sender) {
    auto* object = dynamic_cast<TiPlotLayoutObject*>(sender);
    if (!object) return;
    InsertObject(object);
    const TiPlotObjectKind kind = object->Kind();
    // Tables too: a table given another side or ZOrder moves at once, like a legend.
    if (kind == TiPlotObjectKind::XAxis || kind == TiPlotObjectKind::YAxis || kind == TiPlotObjectKind::ToolBar ||
        kind == TiPlotObjectKind::Legend || kind == TiPlotObjectKind::DataView || kind == TiPlotObjectKind::Label ||
        kind == TiPlotObjectKind::Table)
        object->OnLayoutChange = [this](TObject*) { UpdateSideLists(); };
    if (kind == TiPlotObjectKind::XAxis) object->SetHorizontal(!FXYAxesReverse);
    if (kind == TiPlotObjectKind::YAxis) object->SetHorizontal(FXYAxesReverse);
    if (FEnabled) InsertZOrder(object, 0, iidMerge);
}

std::vector<TiPlotLayoutObject*> TiPlotLayoutManager::SameOrientation(const TiPlotLayoutObject* object,
                                                                      bool withDataViews) const {
    std::vector<TiPlotLayoutObject*> out;
    for (TiPlotObject* o : FList) {
        auto* l = static_cast<TiPlotLayoutObject*>(o);
        if (l == object || l->Horizontal() != object->Horizontal()) continue;
        if (!withDataViews && l->Kind() == TiPlotObjectKind::DataView) continue;
        out.push_back(l);
    }
    return out;
}

void TiPlotLayoutManager::InsertZOrder(TiPlotLayoutObject* newObject, int value, TiInsertDirection direction) {
    const std::vector<TiPlotLayoutObject*> others = SameOrientation(newObject, false);
    if (direction == iidMerge) {
        bool overlaps = false;
        for (const TiPlotLayoutObject* o : others) {
            if (o->ZOrder() != value) continue;
            const bool equal =
                o->StartPercent() == newObject->StartPercent() && o->StopPercent() == newObject->StopPercent();
            if ((o->StartPercent() < newObject->StopPercent() && o->StopPercent() > newObject->StartPercent()) || equal)
                overlaps = true;
        }
        if (!overlaps) {
            newObject->SetZOrder(value);
            UpdateSideLists();
            return;
        }
        direction = iidBelow;
    }
    if (direction == iidBelow) {
        for (TiPlotLayoutObject* o : others)
            if (o->ZOrder() >= value) o->SetZOrder(o->ZOrder() + 1);
        newObject->SetZOrder(value);
    } else if (direction == iidAbove) {
        for (TiPlotLayoutObject* o : others)
            if (o->ZOrder() > value) o->SetZOrder(o->ZOrder() + 1);
        newObject->SetZOrder(value + 1);
    }
    UpdateSideLists();
}

void TiPlotLayoutManager::RemoveZOrder(TiPlotLayoutObject* object) {
    bool shared = false;
    for (const TiPlotLayoutObject* o : SameOrientation(object, false))
        if (o->ZOrder() == object->ZOrder()) shared = true;
    if (!shared)
        for (TiPlotLayoutObject* o : SameOrientation(object, true))
            if (o->ZOrder() > object->ZOrder()) o->SetZOrder(o->ZOrder() - 1);
    UpdateSideLists();
}

void TiPlotLayoutManager::ObjectRemoved(TiPlotObject* object) {
    auto* layoutObject = static_cast<TiPlotLayoutObject*>(object);
    for (TiPlotSideList* list : {&FTopList, &FBottomList, &FLeftList, &FRightList})
        list->erase(std::remove_if(list->begin(), list->end(), [&](const auto& e) { return e.second == layoutObject; }),
                    list->end());
    if (FEnabled) RemoveZOrder(layoutObject);
}

void TiPlotLayoutManager::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    if (value) UpdateSideLists();
}

void TiPlotLayoutManager::SetXYAxesReverse(bool value) {
    if (value == FXYAxesReverse) return;
    FXYAxesReverse = value;
    if (FEnabled) ReplaceAxes();
}

void TiPlotLayoutManager::ReplaceAxes() {
    std::vector<TiPlotLayoutObject*> axes;
    for (TiPlotObject* o : FList)
        if (o->Kind() == TiPlotObjectKind::XAxis || o->Kind() == TiPlotObjectKind::YAxis)
            axes.push_back(static_cast<TiPlotLayoutObject*>(o));
    // In the text order of their ZOrders (so 10 comes before 2).
    std::stable_sort(axes.begin(), axes.end(), [](const TiPlotLayoutObject* a, const TiPlotLayoutObject* b) {
        return QString::number(a->ZOrder()) < QString::number(b->ZOrder());
    });
    for (TiPlotLayoutObject* axis : axes) {
        RemoveZOrder(axis);
        if (axis->Kind() == TiPlotObjectKind::XAxis)
            axis->SetHorizontal(!FXYAxesReverse);
        else
            axis->SetHorizontal(FXYAxesReverse);
        InsertZOrder(axis, 0, iidMerge);
    }
}

void TiPlotLayoutManager::UpdateSideLists() {
    if (!FEnabled) return;
    if (FUpdating) {
        FUpdateOccured = true;
        return;
    }
    // A rebuild is never re-entered from the notifications it causes.
    FUpdating = true;
    FTopList.clear(), FBottomList.clear(), FLeftList.clear(), FRightList.clear();
    auto insertSorted = [](TiPlotSideList& list, const QString& key, TiPlotLayoutObject* o) {
        // Equal keys: the new entry goes before those present (as the sorted string list does).
        const auto at = std::lower_bound(list.begin(), list.end(), key, [](const auto& e, const QString& k) {
            return e.first.compare(k, Qt::CaseInsensitive) < 0;
        });
        list.insert(at, {key, o});
    };
    for (TiPlotObject* object : std::vector<TiPlotObject*>(FList)) {
        const TiPlotObjectKind kind = object->Kind();
        if (kind == TiPlotObjectKind::DataView || kind == TiPlotObjectKind::DataViewPlaceholder) continue;
        auto* o = static_cast<TiPlotLayoutObject*>(object);
        const QString key = o->GetZOrderKey() + o->GetStartPercentKey();
        if (o->Horizontal()) {
            const bool top = o->ZOrder() > FDataViewHorz->ZOrder();
            o->SetReverseSide(top);
            insertSorted(top ? FTopList : FBottomList, key, o);
        } else {
            const bool right = o->ZOrder() > FDataViewVert->ZOrder();
            o->SetReverseSide(right);
            insertSorted(right ? FRightList : FLeftList, key, o);
        }
    }
    auto unique = [](const TiPlotSideList& list) {
        if (list.empty()) return 0;
        int n = 1;
        for (std::size_t i = 1; i < list.size(); ++i)
            if (list[i].first.left(3) > list[i - 1].first.left(3)) ++n;
        return n;
    };
    FLeftUniqueCount = unique(FLeftList);
    FRightUniqueCount = unique(FRightList);
    FBottomUniqueCount = unique(FBottomList);
    FTopUniqueCount = unique(FTopList);
    FUpdating = false;
    FUpdateOccured = false;
}

int TiPlotLayoutManager::VisibleCount(const TiPlotSideList& list) {
    return int(std::count_if(list.begin(), list.end(), [](const auto& e) { return e.second->Visible(); }));
}
