#pragma once
// An OPC item binds one property of a plot-library control to one OPC data item: it
// registers a signal with the OPC support library, receives the server's values through a
// callback, scales good values and hands them to its owner, which writes them into the
// property; writing Data sends a value back. The item manager is the list of one owner's
// bindings. Without the support library every item stays inactive.
#include "core/iPublishedClass.h"
#include "opc/iOPCHelperAbi.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class TComponent;
class TiOPCItemManager;

class TiOPCItem {
public:
    explicit TiOPCItem(TiOPCItemManager* owner = nullptr);
    // Deactivates; an error of the library is ignored.
    ~TiOPCItem();
    TiOPCItem(const TiOPCItem&) = delete;
    TiOPCItem& operator=(const TiOPCItem&) = delete;

    void Activate() { DoActivate(false); }
    void ActivateSuspend() { DoActivate(true); }
    void Deactivate();
    void UpdateSuspend();
    void UpdateResume();
    // Reads value, time stamp and quality now (unscaled); an empty value without the library.
    QVariant GetDataNow(unsigned short& quality);
    // After the properties were read from a layout: error display, then AutoConnect (errors
    // are ignored).
    void Loaded();

    const QString& PropertyName() const { return FPropertyName; }
    void SetPropertyName(const QString& value);
    int PropertyType() const { return FPropertyType; }
    const QString& GroupName() const { return FGroupName; }
    void SetGroupName(const QString& value);
    const QString& ComputerName() const { return FComputerName; }
    void SetComputerName(const QString& value);
    const QString& ServerName() const { return FServerName; }
    void SetServerName(const QString& value);
    const QString& ItemName() const { return FItemName; }
    void SetItemName(const QString& value);
    int UpdateRate() const { return FUpdateRate; }
    void SetUpdateRate(int value);
    double Scalar() const { return FScalar; }
    void SetScalar(double value) { FScalar = value; }
    double Offset() const { return FOffset; }
    void SetOffset(double value) { FOffset = value; }
    bool AutoConnect() const { return FAutoConnect; }
    void SetAutoConnect(bool value);
    bool AutoError() const { return FAutoError; }
    void SetAutoError(bool value);
    bool UpdateSuspended() const;

    const QVariant& Data() const { return FData; }
    // Sends the value to the server (nothing without the library).
    void SetData(const QVariant& value);
    double TimeStamp() const { return FTimeStamp; }
    unsigned short Quality() const { return FQuality; }
    bool QualityGood() const { return (FQuality & 0xC0) == 0xC0; }
    bool Active() const;
    TiOPCItemManager* Owner() const { return FOwner; }
    int SignalHandle() const { return FSignalHandle; }

    // The callback's data operation: reads, scales good values, updates the error display
    // and tells the manager.
    void NewData();
    // A good value scaled: integers to a 32-bit integer (rounded to even, saturated), single
    // and double to a double; other types unchanged. A factor or offset of 0 is not applied.
    static QVariant Scaled(const QVariant& value, double scalar, double offset);

private:
    void DoActivate(bool suspended);
    void UpdateErrorDisplay();
    bool Designing() const;
    void ReactivateIfActive();

    QString FPropertyName;
    int FPropertyType = tkUnknown;
    QString FGroupName;
    QString FServerName;
    QString FComputerName = QStringLiteral("Local");
    QString FItemName;
    bool FAutoConnect = true;
    int FUpdateRate = 500;
    double FScalar = 0;
    double FOffset = 0;
    int FSignalHandle = 0;
    QVariant FData;
    double FTimeStamp = 0;
    unsigned short FQuality = 0;
    TiOPCItemManager* FOwner = nullptr;
    bool FAutoError = false;
    TiOPCItemCallback FCallback;
};

class TiOPCItemManager {
public:
    TiOPCItemManager() = default;
    ~TiOPCItemManager() { Clear(); }
    TiOPCItemManager(const TiOPCItemManager&) = delete;
    TiOPCItemManager& operator=(const TiOPCItemManager&) = delete;

    int Add();
    void Delete(int index);
    void Clear();
    int Count() const { return int(FList.size()); }
    // "List index out of bounds (n)" outside the list.
    TiOPCItem* GetItem(int index) const;
    int FindIndex(const TiOPCItem* item) const;
    bool IsDesigning() const;
    // The owner writes "OPCItems" only when there are items.
    bool DoWriteToStream() const { return Count() > 0; }

    TComponent* Owner() const { return FOwner; }
    void SetOwner(TComponent* owner) { FOwner = owner; }

    std::function<void(TiOPCItemManager* Sender, bool& Designing)> OnGetDesigning;
    std::function<void(TiOPCItem* Sender)> OnNewData;
    std::function<void(const QString& PropertyName, int& AVarType)> OnGetType;

private:
    std::vector<TiOPCItem*> FList;
    TComponent* FOwner = nullptr;
};
