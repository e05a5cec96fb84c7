#include "core/iPlotManagers.h"

#include "core/iPlotAxis.h"
#include "core/iPlotChannelCustom.h"
#include "objects/iPlotAnnotation.h"
#include "objects/iPlotDataCursor.h"
#include "objects/iPlotDataView.h"
#include "objects/iPlotLabel.h"
#include "objects/iPlotLegend.h"
#include "objects/iPlotLimit.h"
#include "objects/iPlotTable.h"
#include "objects/iPlotToolBar.h"
#include "rtl/Exception.h"
#include "rtl/FloatText.h"

#include <algorithm>
#include <array>
#include <climits>

bool SameTextAscii(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (int i = 0; i < a.size(); ++i) {
        QChar x = a[i], y = b[i];
        if (x >= QLatin1Char('a') && x <= QLatin1Char('z')) x = QChar(x.unicode() - 32);
        if (y >= QLatin1Char('a') && y <= QLatin1Char('z')) y = QChar(y.unicode() - 32);
        if (x != y) return false;
    }
    return true;
}

// ---- TiPlotObjectManagerCustom -------------------------------------------------------

TiPlotObjectManagerCustom::TiPlotObjectManagerCustom(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                                     TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : FOwner(owner) {
    if (!owner) throw Exception(QStringLiteral("Owner must be Assigned"));
    if (!onChange) throw Exception(QStringLiteral("OnChange event handler can not be null"));
    if (!onInsert) throw Exception(QStringLiteral("OnInsert event handler can not be null"));
    if (!onRemove) throw Exception(QStringLiteral("OnRemove event handler can not be null"));
    if (!onRename) throw Exception(QStringLiteral("AOnRename event handler can not be null"));
    OnChange = std::move(onChange);
    OnInsert = std::move(onInsert);
    OnRemove = std::move(onRemove);
    OnRename = std::move(onRename);
}

TiPlotObjectManagerCustom::~TiPlotObjectManagerCustom() {
    if (OnRemove) OnRemove(this);
}

void TiPlotObjectManagerCustom::Announce() {
    if (OnInsert) OnInsert(this);
}

TiPlotObject* TiPlotObjectManagerCustom::CreateObject() {
    throw Exception(QStringLiteral("Object Manager does not support creation of objects"));
}

void TiPlotObjectManagerCustom::InsertObject(TiPlotObject* object) {
    if (std::find(FList.begin(), FList.end(), object) == FList.end()) FList.push_back(object);
}

TiPlotObject* TiPlotObjectManagerCustom::GetItem(int index) const {
    if (index < 0 || index >= Count()) throw EListError::IndexOutOfBounds(index);
    return FList[std::size_t(index)];
}

int TiPlotObjectManagerCustom::GetIndex(const TObject* object) const {
    for (std::size_t i = 0; i < FList.size(); ++i)
        if (FList[i] == object) return int(i);
    return -1;
}

TiPlotObject* TiPlotObjectManagerCustom::GetObjectByName(const QString& name) const {
    for (TiPlotObject* o : FList)
        if (SameTextAscii(o->Name(), name)) return o;
    return nullptr;
}

int TiPlotObjectManagerCustom::GetIndexByName(const QString& name) const { return GetIndex(GetObjectByName(name)); }

QString TiPlotObjectManagerCustom::GetNextName() const {
    const QString base = GetBaseName();
    long long largest = 0;
    for (const TiPlotObject* o : FList) {
        const QString name = o->Name();
        if (name.size() < base.size() || !SameTextAscii(name.left(base.size()), base)) continue;
        QString rest = name.mid(base.size());
        while (rest.startsWith(QLatin1Char(' '))) rest.remove(0, 1);
        int number = 0;
        if (!rest.isEmpty() && TryStrToInt(rest, number)) largest = std::max<long long>(largest, number);
    }
    return base + QLatin1Char(' ') + QString::number(largest + 1);
}

void TiPlotObjectManagerCustom::DoChange() {
    if (OnChange) OnChange(this);
}

void TiPlotObjectManagerCustom::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError::IndexOutOfBounds(index);
    FList.erase(FList.begin() + index);
}

void TiPlotObjectManagerCustom::NotificationRemove(TObject* sender) {
    for (int i = Count() - 1; i >= 0; --i) {
        if (FList[std::size_t(i)] != sender) continue;
        TiPlotObject* object = FList[std::size_t(i)];
        FList.erase(FList.begin() + i);
        ObjectRemoved(object);
        DoChange();
        return;
    }
}

void TiPlotObjectManagerCustom::NotificationRename(TObject* sender) {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList)) o->NotificationRename(sender);
}

void TiPlotObjectManagerCustom::NotificationSetFocus(TObject* sender) {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList)) o->NotificationSetFocus(sender);
}

// ---- TiPlotObjectOwnedManager ---------------------------------------------------------

TiPlotObjectOwnedManager::~TiPlotObjectOwnedManager() { Clear(); }

void TiPlotObjectOwnedManager::NotificationInsert(TObject* sender) {
    auto* object = dynamic_cast<TiPlotObject*>(sender);
    if (!object || object->Kind() != ObjectKind()) return;
    InsertObject(object);
    if (object->Name().isEmpty()) {
        object->SetName(GetNextName());
        SetNewObjectDefaults(object);
    }
}

void TiPlotObjectOwnedManager::NotificationRemove(TObject* sender) {
    if (sender == this) return;
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList))
        if (o != sender) o->NotificationRemove(sender);
    TiPlotObjectManagerCustom::NotificationRemove(sender);
}

void TiPlotObjectOwnedManager::Clear() {
    const std::vector<TiPlotObject*> objects = FList;
    for (TiPlotObject* o : objects) {
        TiPlotObject::Free(o);
        // Normally the master manager's remove callback has taken the entry out already.
        FList.erase(std::remove(FList.begin(), FList.end(), o), FList.end());
    }
}

// ---- the kind managers ----------------------------------------------------------------

TiPlotNamedKindManager::TiPlotNamedKindManager(TiPlotObjectKind kind, QString baseName, TObject* owner,
                                               TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                                               TiNotifyEvent onRename)
    : TiPlotObjectOwnedManager(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                               std::move(onRename)),
      FKind(kind),
      FBaseName(std::move(baseName)) {}

#define Q7K_KIND_MANAGER_CONSTRUCTOR(Class, Base, KindValue, BaseName)                                       \
    Class::Class(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,      \
                 TiNotifyEvent onRename)                                                                     \
        : Base(TiPlotObjectKind::KindValue, QStringLiteral(BaseName), owner, std::move(onChange),            \
               std::move(onInsert), std::move(onRemove), std::move(onRename)) {                              \
        Announce();                                                                                          \
    }

Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotToolBarManager, TiPlotNamedKindManager, ToolBar, "Toolbar")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotLegendManager, TiPlotNamedKindManager, Legend, "Legend")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotTableManager, TiPlotNamedKindManager, Table, "Table")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotXAxisManager, TiPlotNamedKindManager, XAxis, "X-Axis")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotYAxisManager, TiPlotNamedKindManager, YAxis, "Y-Axis")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotLabelManager, TiPlotNamedKindManager, Label, "Label")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotChannelManager, TiPlotAxisBoundManager, Channel, "Channel")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotDataViewManager, TiPlotAxisBoundManager, DataView, "Data View")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotLimitManager, TiPlotAxisBoundManager, Limit, "Limit")
Q7K_KIND_MANAGER_CONSTRUCTOR(TiPlotDataCursorManager, TiPlotNamedKindManager, DataCursor, "Cursor")
#undef Q7K_KIND_MANAGER_CONSTRUCTOR

TiPlotAnnotationManager::TiPlotAnnotationManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                                 TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotObjectOwnedManager(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                               std::move(onRename)) {
    Announce();
}

void TiPlotAnnotationManager::NotificationInsert(TObject* sender) {
    auto* object = dynamic_cast<TiPlotObject*>(sender);
    if (object && object->Kind() == TiPlotObjectKind::Annotation) InsertObject(object);
}

TiPlotObject* TiPlotAnnotationManager::CreateObject() {
    return new TiPlotAnnotation(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

TiPlotObject* TiPlotToolBarManager::CreateObject() {
    return new TiPlotToolBar(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

TiPlotObject* TiPlotLegendManager::CreateObject() {
    return new TiPlotLegend(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

TiPlotObject* TiPlotXAxisManager::CreateObject() {
    return new TiPlotXAxis(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

void TiPlotXAxisManager::SetNewObjectDefaults(TiPlotObject* object) {
    static_cast<TiPlotAxis*>(object)->SetTitle(object->Name());
}

TiPlotObject* TiPlotYAxisManager::CreateObject() {
    return new TiPlotYAxis(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

void TiPlotYAxisManager::SetNewObjectDefaults(TiPlotObject* object) {
    static_cast<TiPlotAxis*>(object)->SetTitle(object->Name());
}

TiPlotObject* TiPlotLabelManager::CreateObject() {
    return new TiPlotLabel(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

void TiPlotLabelManager::SetNewObjectDefaults(TiPlotObject* object) {
    static_cast<TiPlotLabel*>(object)->SetCaption(object->Name());
}

void TiPlotAxisBoundManager::NotificationRemove(TObject* sender) {
    TiPlotObjectOwnedManager::NotificationRemove(sender);
    if (sender == XAxisManager) XAxisManager = nullptr;
    if (sender == YAxisManager) YAxisManager = nullptr;
}

QString TiPlotAxisBoundManager::FirstXAxisName() const {
    return XAxisManager && XAxisManager->Count() > 0 ? XAxisManager->GetItem(0)->Name() : QString();
}

QString TiPlotAxisBoundManager::FirstYAxisName() const {
    return YAxisManager && YAxisManager->Count() > 0 ? YAxisManager->GetItem(0)->Name() : QString();
}

TiPlotObject* TiPlotChannelManager::CreateObject() {
    if (!ChannelClass) return TiPlotObjectManagerCustom::CreateObject();
    return ChannelClass(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

TColor TiPlotChannelManager::GetNextChannelColor() const {
    static constexpr std::array<TColor, 30> kPalette = {
        0x0000FF, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFFFFFF, 0x000080, 0x008000, 0x008080,
        0x800000, 0x800080, 0x808000, 0x808080, 0x0000C0, 0x00C000, 0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000,
        0xC0C0C0, 0x0080FF, 0x8000FF, 0x8080FF, 0xFF0080, 0xFF8000, 0xFF8080, 0x00FF80, 0x80FF00, 0x80FF80};
    if (Count() < 2) return 0x0000FF;
    std::array<int, kPalette.size()> counts{};
    for (const TiPlotObject* o : FList) {
        const TColor c = static_cast<const TiPlotChannelCustom*>(o)->Color();
        for (std::size_t i = 0; i < kPalette.size(); ++i)
            if (kPalette[i] == c) ++counts[i];
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < kPalette.size(); ++i)
        if (counts[i] < counts[best]) best = i;
    return kPalette[best];
}

void TiPlotChannelManager::SetNewObjectDefaults(TiPlotObject* object) {
    auto* channel = static_cast<TiPlotChannelCustom*>(object);
    channel->SetTitleText(object->Name());
    channel->SetColor(GetNextChannelColor());
    if (XAxisManager && XAxisManager->Count() > 0) channel->SetXAxisName(FirstXAxisName());
    if (YAxisManager && YAxisManager->Count() > 0) channel->SetYAxisName(FirstYAxisName());
}

TiPlotObject* TiPlotDataViewManager::CreateObject() {
    return new TiPlotDataView(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

void TiPlotDataViewManager::SetNewObjectDefaults(TiPlotObject* object) {
    auto* view = static_cast<TiPlotDataView*>(object);
    if (XAxisManager && XAxisManager->Count() > 0) view->SetGridXAxisName(FirstXAxisName());
    if (YAxisManager && YAxisManager->Count() > 0) view->SetGridYAxisName(FirstYAxisName());
}

TiPlotObject* TiPlotDataCursorManager::CreateObject() {
    return new TiPlotDataCursor(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

void TiPlotDataCursorManager::NotificationRemove(TObject* sender) {
    TiPlotObjectOwnedManager::NotificationRemove(sender);
    if (sender == ChannelManager) ChannelManager = nullptr;
}

void TiPlotDataCursorManager::SetNewObjectDefaults(TiPlotObject* object) {
    auto* cursor = static_cast<TiPlotDataCursor*>(object);
    if (DataViewManager && DataViewManager->Count() > 0)
        cursor->SetPaintDataView(static_cast<TiPlotDataView*>(DataViewManager->GetItem(0)), cursor->XYAxesReversed());
    if (ChannelManager && ChannelManager->Count() > 0) cursor->SetChannelName(ChannelManager->GetItem(0)->Name());
}

// ---- the limit and table managers ----------------------------------------------------

TiPlotObject* TiPlotTableManager::CreateObject() {
    return new TiPlotTable(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

TiPlotObject* TiPlotLimitManager::CreateObject() {
    return new TiPlotLimit(FOwner, OnChange, OnInsert, OnRemove, OnRename);
}

void TiPlotLimitManager::SetNewObjectDefaults(TiPlotObject* object) {
    auto* limit = static_cast<TiPlotLimit*>(object);
    if (XAxisManager && XAxisManager->Count() > 0) limit->SetXAxisName(FirstXAxisName());
    if (YAxisManager && YAxisManager->Count() > 0) limit->SetYAxisName(FirstYAxisName());
}

// ---- TiPlotObjectManager --------------------------------------------------------------

TiPlotObjectManager::TiPlotObjectManager(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                         TiNotifyEvent onRemove, TiNotifyEvent onRename)
    : TiPlotObjectManagerCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                                std::move(onRename)) {
    Announce();
}

void TiPlotObjectManager::NotificationInsert(TObject* sender) {
    if (auto* object = dynamic_cast<TiPlotObject*>(sender)) InsertObject(object);
}

void TiPlotObjectManager::ClearAllUserSelections() {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList)) o->SetUserSelected(false);
}

void TiPlotObjectManager::SetShiftState(TShiftState value) {
    for (TiPlotObject* o : FList) o->SetShiftState(value);
}

void TiPlotObjectManager::MouseDownFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX,
                                                int screenY, TPopupMenu* popupMenu) {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList))
        if (o->UserSelected()) o->iMouseDown(button, shift, x, y, screenX, screenY, popupMenu);
}

void TiPlotObjectManager::MouseMoveFocusObjects(TiHintData& hintData, TShiftState shift, int x, int y, int screenX,
                                                int screenY, bool dblClickActive) {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList))
        if (o->UserSelected()) o->iMouseMove(hintData, shift, x, y, screenX, screenY, dblClickActive);
}

void TiPlotObjectManager::MouseUpFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX,
                                              int screenY, bool dblClickActive, TPopupMenu* popupMenu) {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList))
        if (o->UserSelected()) o->iMouseUp(button, shift, x, y, screenX, screenY, dblClickActive, popupMenu);
}

void TiPlotObjectManager::KeyDownFocusObjects(int& key, TShiftState shift, TPopupMenu* popupMenu) {
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList))
        if (o->UserSelected()) o->iKeyDown(key, shift, popupMenu);
}

bool TiPlotObjectManager::MouseWheelFocusObjects(int wheelDelta, TShiftState shift, const TPoint& mousePos) {
    bool used = false;
    for (TiPlotObject* o : std::vector<TiPlotObject*>(FList))
        if (o->UserSelected()) used = o->iMouseWheel(wheelDelta, shift, mousePos) || used;
    return used;
}

void TiPlotObjectManager::ShutDownSetup() {
    for (TiPlotObject* o : FList) {
        o->OnRemove = nullptr;
        o->OnLayoutChange = nullptr;
        o->OnChange = nullptr;
    }
}
