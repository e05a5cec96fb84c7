#include "opc/iOPCItem.h"

#include "core/iComponent.h"
#include "opc/iOPCHelper.h"
#include "rtl/Exception.h"

#include <cmath>
#include <limits>

namespace {

void NewDataCallback(void* context, int32_t) {
    RunOPCCallback([context] { static_cast<TiOPCItem*>(context)->NewData(); });
}

bool IsStringKind(int kind) { return kind == tkLString || kind == tkWString || kind == tkUString; }

// Rounded to the nearest integer, ties to even, held to the 32-bit range.
int SaturatedInt(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v);
    if (r >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (r <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return int(r);
}

}  // namespace

TiOPCItem::TiOPCItem(TiOPCItemManager* owner) : FOwner(owner), FCallback{this, &NewDataCallback} {}

TiOPCItem::~TiOPCItem() {
    try {
        Deactivate();
    } catch (...) {
    }
}

bool TiOPCItem::Designing() const { return FOwner && FOwner->IsDesigning(); }

void TiOPCItem::DoActivate(bool suspended) {
    if (OPCHelperMissing() || !FOwner || FOwner->IsDesigning()) return;
    if (FAutoError) UpdateErrorDisplay();
    if (FSignalHandle != 0) {
        OPCSignalRemove(FSignalHandle);
        FSignalHandle = 0;
    }
    if (FPropertyName.trimmed().isEmpty() || FItemName.trimmed().isEmpty()) return;
    if (FGroupName.trimmed().isEmpty() && FServerName.trimmed().isEmpty()) return;
    if (Active()) Deactivate();
    const unsigned short requestedType = IsStringKind(FPropertyType) ? OPC_VT_BSTR : 0;
    FSignalHandle = OPCSignalAdd(FComputerName, FServerName, FItemName, FGroupName, FUpdateRate, suspended,
                                 requestedType, &FCallback);
}

void TiOPCItem::Deactivate() {
    if (OPCHelperMissing() || Designing()) return;
    OPCSignalRemove(FSignalHandle);
    FSignalHandle = 0;
}

void TiOPCItem::UpdateSuspend() {
    if (!OPCHelperMissing()) OPCSignalSuspend(FSignalHandle);
}

void TiOPCItem::UpdateResume() {
    if (!OPCHelperMissing()) OPCSignalResume(FSignalHandle);
}

QVariant TiOPCItem::GetDataNow(unsigned short& quality) {
    if (OPCHelperMissing()) return QVariant();
    OPCSignalGetDataNow(FSignalHandle);
    FData = OPCSignalGetData(FSignalHandle);
    FTimeStamp = OPCSignalGetTimeStamp(FSignalHandle);
    FQuality = OPCSignalGetQuality(FSignalHandle);
    quality = FQuality;
    return FData;
}

void TiOPCItem::Loaded() {
    try {
        if (FAutoError) UpdateErrorDisplay();
        if (FAutoConnect && !Designing()) {
            try {
                Activate();
            } catch (const Exception&) {
            }
        }
    } catch (...) {
    }
}

bool TiOPCItem::Active() const {
    if (!FOwner || FOwner->IsDesigning() || OPCHelperMissing()) return false;
    return OPCSignalGetActive(FSignalHandle);
}

bool TiOPCItem::UpdateSuspended() const {
    if (OPCHelperMissing() || FSignalHandle == 0) return false;
    return OPCSignalGetUpdateSuspended(FSignalHandle);
}

void TiOPCItem::SetData(const QVariant& value) {
    if (!OPCHelperMissing()) OPCSignalSendData(FSignalHandle, value);
}

void TiOPCItem::ReactivateIfActive() {
    if (!OPCHelperMissing() && Active()) Activate();
}

void TiOPCItem::SetServerName(const QString& value) {
    FServerName = value;
    ReactivateIfActive();
}

void TiOPCItem::SetComputerName(const QString& value) {
    FComputerName = value;
    ReactivateIfActive();
}

void TiOPCItem::SetItemName(const QString& value) {
    FItemName = value;
    ReactivateIfActive();
}

void TiOPCItem::SetUpdateRate(int value) {
    FUpdateRate = value;
    ReactivateIfActive();
}

void TiOPCItem::SetGroupName(const QString& value) {
    FGroupName = value;
    if (Active()) Activate();
}

void TiOPCItem::SetAutoConnect(bool value) {
    FAutoConnect = value;
    if (OPCHelperMissing() || !FOwner || !FOwner->Owner()) return;
    // An owner that is not a plot-library control counts as loading.
    const auto* control = dynamic_cast<const TiComponent*>(FOwner->Owner());
    if (!control || control->IsLoading()) return;
    if (FAutoConnect) Activate();
}

void TiOPCItem::SetPropertyName(const QString& value) {
    FPropertyName = value;
    int kind = tkUnknown;
    if (FOwner && FOwner->OnGetType) FOwner->OnGetType(FPropertyName, kind);
    FPropertyType = kind;
}

void TiOPCItem::SetAutoError(bool value) {
    if (FAutoError == value) return;
    FAutoError = value;
    if (FAutoError) UpdateErrorDisplay();
}

void TiOPCItem::UpdateErrorDisplay() {
    if (!FOwner) return;
    auto* control = dynamic_cast<TiComponent*>(FOwner->Owner());
    if (control && Active()) control->SetErrorActive(!QualityGood());
}

QVariant TiOPCItem::Scaled(const QVariant& value, double scalar, double offset) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: {
        double v = value.toDouble();
        if (scalar != 0) v *= scalar;
        if (offset != 0) v += offset;
        return QVariant(SaturatedInt(v));
    }
    case QMetaType::Float:
    case QMetaType::Double: {
        double v = value.toDouble();
        if (scalar != 0) v *= scalar;
        if (offset != 0) v += offset;
        return QVariant(v);
    }
    default: return value;
    }
}

void TiOPCItem::NewData() {
    FData = OPCSignalGetData(FSignalHandle);
    FTimeStamp = OPCSignalGetTimeStamp(FSignalHandle);
    FQuality = OPCSignalGetQuality(FSignalHandle);
    if (QualityGood()) FData = Scaled(FData, FScalar, FOffset);
    if (FAutoError) UpdateErrorDisplay();
    if (FOwner && FOwner->OnNewData) FOwner->OnNewData(this);
}

// ---- manager ---------------------------------------------------------------------------

int TiOPCItemManager::Add() {
    FList.push_back(new TiOPCItem(this));
    return int(FList.size()) - 1;
}

void TiOPCItemManager::Delete(int index) {
    TiOPCItem* item = GetItem(index);
    FList.erase(FList.begin() + index);
    delete item;
}

void TiOPCItemManager::Clear() {
    while (!FList.empty()) Delete(0);
}

TiOPCItem* TiOPCItemManager::GetItem(int index) const {
    if (index < 0 || index >= Count()) throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FList[std::size_t(index)];
}

int TiOPCItemManager::FindIndex(const TiOPCItem* item) const {
    for (int i = 0; i < Count(); ++i)
        if (FList[std::size_t(i)] == item) return i;
    return -1;
}

bool TiOPCItemManager::IsDesigning() const {
    bool designing = false;
    if (OnGetDesigning) OnGetDesigning(const_cast<TiOPCItemManager*>(this), designing);
    return designing;
}
