#include "core/iPlotMasterManager.h"

#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"

TiPlotMasterManager::TiPlotMasterManager(TObject* owner) : FOwner(owner) {
    const TiNotifyEvent change = [this](TObject* s) { ObjectChange(s); };
    const TiNotifyEvent insert = [this](TObject* s) { ObjectInsert(s); };
    const TiNotifyEvent remove = [this](TObject* s) { ObjectRemove(s); };
    const TiNotifyEvent rename = [this](TObject* s) { ObjectRename(s); };
    // Each manager announces itself through the insert callback, which keeps it in its field.
    new TiPlotObjectManager(owner, change, insert, remove, rename);
    new TiPlotToolBarManager(owner, change, insert, remove, rename);
    new TiPlotLegendManager(owner, change, insert, remove, rename);
    new TiPlotTableManager(owner, change, insert, remove, rename);
    new TiPlotChannelManager(owner, change, insert, remove, rename);
    new TiPlotDataCursorManager(owner, change, insert, remove, rename);
    new TiPlotDataViewManager(owner, change, insert, remove, rename);
    new TiPlotXAxisManager(owner, change, insert, remove, rename);
    new TiPlotYAxisManager(owner, change, insert, remove, rename);
    new TiPlotLimitManager(owner, change, insert, remove, rename);
    new TiPlotLabelManager(owner, change, insert, remove, rename);
    new TiPlotAnnotationManager(owner, change, insert, remove, rename);
    new TiPlotLayoutManager(owner, change, insert, remove, rename);
    new TiPlotTranslationManager(insert, remove);
    for (TiPlotAxisBoundManager* m : {static_cast<TiPlotAxisBoundManager*>(FChannelManager),
                                      static_cast<TiPlotAxisBoundManager*>(FDataViewManager),
                                      static_cast<TiPlotAxisBoundManager*>(FLimitManager)}) {
        m->XAxisManager = FXAxisManager;
        m->YAxisManager = FYAxisManager;
    }
    FDataCursorManager->ChannelManager = FChannelManager;
    FDataCursorManager->DataViewManager = FDataViewManager;
    SetUserCanEditObjects(true);
}

TiPlotMasterManager::~TiPlotMasterManager() {
    // The plot is going away: its editor goes without a close event.
    DestroyEditorForm(false);
    // Each deletion clears its field through the remove callback.
    delete FToolBarManager;
    delete FLegendManager;
    delete FTableManager;
    delete FChannelManager;
    delete FXAxisManager;
    delete FYAxisManager;
    delete FDataViewManager;
    delete FDataCursorManager;
    delete FLimitManager;
    delete FLabelManager;
    delete FAnnotationManager;
    delete FTranslationManager;
    delete FPlotObjectManager;
    delete FLayoutManager;
}

TiPlotObjectManagerCustom* TiPlotMasterManager::ManagerOf(TiPlotObjectKind kind) const {
    switch (kind) {
    case TiPlotObjectKind::Channel: return FChannelManager;
    case TiPlotObjectKind::XAxis: return FXAxisManager;
    case TiPlotObjectKind::YAxis: return FYAxisManager;
    case TiPlotObjectKind::ToolBar: return FToolBarManager;
    case TiPlotObjectKind::Legend: return FLegendManager;
    case TiPlotObjectKind::Table: return FTableManager;
    case TiPlotObjectKind::Label: return FLabelManager;
    case TiPlotObjectKind::DataView: return FDataViewManager;
    case TiPlotObjectKind::DataCursor: return FDataCursorManager;
    case TiPlotObjectKind::Limit: return FLimitManager;
    case TiPlotObjectKind::Annotation: return FAnnotationManager;
    default: return nullptr;
    }
}

std::vector<TiPlotObjectManagerCustom*> TiPlotMasterManager::KindManagers() const {
    std::vector<TiPlotObjectManagerCustom*> out;
    for (TiPlotObjectManagerCustom* m :
         {static_cast<TiPlotObjectManagerCustom*>(FToolBarManager), static_cast<TiPlotObjectManagerCustom*>(FLegendManager),
          static_cast<TiPlotObjectManagerCustom*>(FTableManager), static_cast<TiPlotObjectManagerCustom*>(FXAxisManager),
          static_cast<TiPlotObjectManagerCustom*>(FYAxisManager), static_cast<TiPlotObjectManagerCustom*>(FChannelManager),
          static_cast<TiPlotObjectManagerCustom*>(FDataViewManager),
          static_cast<TiPlotObjectManagerCustom*>(FDataCursorManager),
          static_cast<TiPlotObjectManagerCustom*>(FLimitManager), static_cast<TiPlotObjectManagerCustom*>(FLabelManager),
          static_cast<TiPlotObjectManagerCustom*>(FAnnotationManager)})
        if (m) out.push_back(m);
    return out;
}

std::vector<TiPlotObject*> TiPlotMasterManager::KindObjects() const {
    // Channels, X axes, Y axes, data views, toolbars, legends, tables, cursors, limits,
    // labels, annotations.
    std::vector<TiPlotObject*> out;
    for (TiPlotObjectManagerCustom* m :
         {static_cast<TiPlotObjectManagerCustom*>(FChannelManager), static_cast<TiPlotObjectManagerCustom*>(FXAxisManager),
          static_cast<TiPlotObjectManagerCustom*>(FYAxisManager), static_cast<TiPlotObjectManagerCustom*>(FDataViewManager),
          static_cast<TiPlotObjectManagerCustom*>(FToolBarManager), static_cast<TiPlotObjectManagerCustom*>(FLegendManager),
          static_cast<TiPlotObjectManagerCustom*>(FTableManager),
          static_cast<TiPlotObjectManagerCustom*>(FDataCursorManager),
          static_cast<TiPlotObjectManagerCustom*>(FLimitManager), static_cast<TiPlotObjectManagerCustom*>(FLabelManager),
          static_cast<TiPlotObjectManagerCustom*>(FAnnotationManager)})
        if (m) out.insert(out.end(), m->Objects().begin(), m->Objects().end());
    return out;
}

int TiPlotMasterManager::AddObject(TiPlotObjectManagerCustom* manager) {
    TiPlotObject* object = manager->CreateObject();
    object->DoInsert();
    return manager->Count() - 1;
}

int TiPlotMasterManager::AddChannel() { return AddObject(FChannelManager); }
int TiPlotMasterManager::AddDataView() { return AddObject(FDataViewManager); }
int TiPlotMasterManager::AddDataCursor() { return AddObject(FDataCursorManager); }
int TiPlotMasterManager::AddLimit() { return AddObject(FLimitManager); }
int TiPlotMasterManager::AddLabel() { return AddObject(FLabelManager); }
int TiPlotMasterManager::AddAnnotation() { return AddObject(FAnnotationManager); }
int TiPlotMasterManager::AddLegend() { return AddObject(FLegendManager); }
int TiPlotMasterManager::AddTable() { return AddObject(FTableManager); }
int TiPlotMasterManager::AddToolBar() { return AddObject(FToolBarManager); }
int TiPlotMasterManager::AddXAxis() { return AddObject(FXAxisManager); }
int TiPlotMasterManager::AddYAxis() { return AddObject(FYAxisManager); }
int TiPlotMasterManager::AddTranslation() { return FTranslationManager->Add(); }

void TiPlotMasterManager::SetUserCanEditObjects(bool value) {
    FUserCanEditObjects = value;
    for (TiPlotObject* o : KindObjects()) o->SetUserCanEdit(value);
}

void TiPlotMasterManager::SetXYAxesReverse(bool value) {
    FXYAxesReverse = value;
    FLayoutManager->SetXYAxesReverse(value);
    for (TiPlotObject* o : KindObjects()) o->SetXYAxesReversed(value);
    if (OnInvalidateNow) OnInvalidateNow(this);
}

void TiPlotMasterManager::SetChannelClass(TiPlotChannelCustomClass value) {
    FChannelClass = value;
    FChannelManager->ChannelClass = std::move(value);
}

void TiPlotMasterManager::ShowToolBars(bool value) {
    for (TiPlotObject* o : FToolBarManager->Objects()) o->SetVisible(value);
}

void TiPlotMasterManager::ClearAllData() {
    for (TiPlotObject* o : FChannelManager->Objects()) static_cast<TiPlotChannelCustom*>(o)->Clear();
    for (TiPlotObject* o : FXAxisManager->Objects()) static_cast<TiPlotAxis*>(o)->ResetFirstAlign();
    for (TiPlotObject* o : FYAxisManager->Objects()) static_cast<TiPlotAxis*>(o)->ResetFirstAlign();
}

void TiPlotMasterManager::DeSelectAll() { FPlotObjectManager->ClearAllUserSelections(); }

void TiPlotMasterManager::ObjectInsert(TObject* sender) {
    if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
        if (FPlotObjectManager) FPlotObjectManager->NotificationInsert(object);
        if (FLayoutManager) FLayoutManager->NotificationInsert(object);
        for (TiPlotObjectManagerCustom* m : KindManagers()) m->NotificationInsert(object);
        object->OnSetFocus = [this](TObject* s) { ObjectSetFocus(s); };
        object->OnInvalidateNow = [this](TObject* s) {
            if (OnInvalidateNow) OnInvalidateNow(s);
        };
        object->SetUserCanEdit(FUserCanEditObjects);
        object->OnEdit = [this](TObject* s) { ObjectEdit(s); };
        object->SetXYAxesReversed(FXYAxesReverse);
        if (EditorOpen()) EditorObjectInserted(object);
    } else if (auto* entry = dynamic_cast<TiPlotTranslationObject*>(sender)) {
        if (FTranslationManager) FTranslationManager->NotificationInsert(entry);
    } else if (auto* m = dynamic_cast<TiPlotToolBarManager*>(sender)) {
        FToolBarManager = m;
    } else if (auto* m = dynamic_cast<TiPlotLegendManager*>(sender)) {
        FLegendManager = m;
    } else if (auto* m = dynamic_cast<TiPlotTableManager*>(sender)) {
        FTableManager = m;
    } else if (auto* m = dynamic_cast<TiPlotXAxisManager*>(sender)) {
        FXAxisManager = m;
    } else if (auto* m = dynamic_cast<TiPlotYAxisManager*>(sender)) {
        FYAxisManager = m;
    } else if (auto* m = dynamic_cast<TiPlotChannelManager*>(sender)) {
        FChannelManager = m;
    } else if (auto* m = dynamic_cast<TiPlotDataViewManager*>(sender)) {
        FDataViewManager = m;
    } else if (auto* m = dynamic_cast<TiPlotDataCursorManager*>(sender)) {
        FDataCursorManager = m;
    } else if (auto* m = dynamic_cast<TiPlotLimitManager*>(sender)) {
        FLimitManager = m;
    } else if (auto* m = dynamic_cast<TiPlotLabelManager*>(sender)) {
        FLabelManager = m;
    } else if (auto* m = dynamic_cast<TiPlotAnnotationManager*>(sender)) {
        FAnnotationManager = m;
    } else if (auto* m = dynamic_cast<TiPlotLayoutManager*>(sender)) {
        FLayoutManager = m;
    } else if (auto* m = dynamic_cast<TiPlotObjectManager*>(sender)) {
        FPlotObjectManager = m;
    } else if (auto* m = dynamic_cast<TiPlotTranslationManager*>(sender)) {
        FTranslationManager = m;
    }
    if (OnInsert) OnInsert(sender);
}

void TiPlotMasterManager::ObjectRemove(TObject* sender) {
    if (OnRemove) OnRemove(sender);
    if (auto* entry = dynamic_cast<TiPlotTranslationObject*>(sender)) {
        if (FTranslationManager) FTranslationManager->NotificationRemove(entry);
        return;
    }
    if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
        if (EditorOpen()) EditorObjectRemoved(object);
        if (FPlotObjectManager) FPlotObjectManager->NotificationRemove(sender);
        if (FLayoutManager) FLayoutManager->NotificationRemove(sender);
        for (TiPlotObjectManagerCustom* m : KindManagers()) m->NotificationRemove(sender);
    }
    // A manager that is going away is forgotten (compared by address: it is half destroyed).
    auto forget = [sender](auto*& field) {
        if (field && static_cast<TObject*>(field) == sender) field = nullptr;
    };
    forget(FToolBarManager), forget(FLegendManager), forget(FTableManager), forget(FXAxisManager);
    forget(FYAxisManager), forget(FChannelManager), forget(FDataViewManager), forget(FDataCursorManager);
    forget(FLimitManager), forget(FLabelManager), forget(FAnnotationManager), forget(FTranslationManager);
    forget(FLayoutManager), forget(FPlotObjectManager);
}

void TiPlotMasterManager::ObjectRename(TObject* sender) {
    for (TiPlotObjectManagerCustom* m : KindManagers()) m->NotificationRename(sender);
    if (FLayoutManager) FLayoutManager->NotificationRename(sender);
    if (auto* object = dynamic_cast<TiPlotObject*>(sender); object && EditorOpen()) EditorObjectRenamed(object);
}

void TiPlotMasterManager::ObjectChange(TObject*) {
    if (OnChange) OnChange(this);
}

void TiPlotMasterManager::ObjectSetFocus(TObject* sender) {
    for (TiPlotObjectManagerCustom* m : KindManagers()) m->NotificationSetFocus(sender);
    if (FLayoutManager) FLayoutManager->NotificationSetFocus(sender);
}

void TiPlotMasterManager::ObjectEdit(TObject* sender) {
    if (auto* object = dynamic_cast<TiPlotObject*>(sender)) EditorSelect(object);
    EditProperties();
}
