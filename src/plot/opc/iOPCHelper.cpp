#include "opc/iOPCHelper.h"

#include "rtl/Exception.h"

#include <QDateTime>
#include <QDebug>
#include <QTimeZone>

#include <dlfcn.h>

#include <string>

const char* const kOPCHelperFileName = "libplotopc.so";

namespace {

// One slot per entry point (null when the lookup failed).
struct Entries {
    TOPCSignalAdd SignalAdd = nullptr;
    TOPCHandleCall SignalRemove = nullptr, SignalSuspend = nullptr, SignalResume = nullptr;
    TOPCGetBoolean SignalGetActive = nullptr, SignalGetUpdateSuspended = nullptr;
    TOPCSignalSendData SignalSendData = nullptr;
    TOPCHandleCall SignalGetDataNow = nullptr;
    TOPCSignalGetData SignalGetData = nullptr;
    TOPCSignalGetTimeStamp SignalGetTimeStamp = nullptr;
    TOPCSignalGetQuality SignalGetQuality = nullptr;
    TOPCGroupAdd GroupAdd = nullptr;
    TOPCHandleCall GroupDelete = nullptr, GroupResume = nullptr, GroupSuspend = nullptr;
    TOPCGroupSetUpdateRate GroupSetUpdateRate = nullptr;
    TOPCNoArguments CloseAllServerConnections = nullptr;
    TOPCGetCount ServerConnectionGetCount = nullptr;
    TOPCServerConnectionGetName ServerConnectionGetName = nullptr;
    TOPCManagerCreated ManagerCreated = nullptr;
    TOPCNoArguments ManagerDestroyed = nullptr;
    TOPCGetText GetLastCallErrorString = nullptr;
};

// The unit's state: the module, the present flag and the entry points.
struct Binding : Entries {
    void* module = nullptr;
    bool present = false;
    QString fileName = QString::fromLatin1(kOPCHelperFileName);

    Binding() = default;
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;
    ~Binding() { Free(); }

    void Free() {
        if (module) dlclose(module);
        module = nullptr;
        present = false;
        static_cast<Entries&>(*this) = Entries{};
    }

    template <typename F>
    void Find(F& slot, const char* name) {
        slot = reinterpret_cast<F>(dlsym(module, name));
    }

    void Load(const QString& path) {
        Free();
        fileName = path;
        if (path.isEmpty()) return;
        module = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        present = module != nullptr;
        if (!present) return;
        Find(SignalAdd, "SignalAdd");
        Find(SignalRemove, "SignalRemove");
        Find(SignalSuspend, "SignalSuspend");
        Find(SignalResume, "SignalResume");
        Find(SignalGetActive, "SignalGetActive");
        Find(SignalGetUpdateSuspended, "SignalGetUpdateSuspended");
        Find(SignalSendData, "SignalSendData");
        Find(SignalGetDataNow, "SignalGetDataNow");
        Find(SignalGetData, "SignalGetData");
        Find(SignalGetTimeStamp, "SignalGetTimeStamp");
        Find(SignalGetQuality, "SignalGetQuality");
        Find(GroupAdd, "GroupAdd");
        Find(GroupDelete, "GroupDelete");
        Find(GroupResume, "GroupResume");
        Find(GroupSuspend, "GroupSuspend");
        Find(GroupSetUpdateRate, "GroupSetUpdateRate");
        Find(CloseAllServerConnections, "CloseAllServerConnections");
        Find(ServerConnectionGetCount, "ServerConnectionGetCount");
        Find(ServerConnectionGetName, "ServerConnectionGetName");
        Find(ManagerCreated, "ManagerCreated");
        Find(ManagerDestroyed, "ManagerDestroyed");
        Find(GetLastCallErrorString, "GetLastCallErrorString");
    }
};

Binding& TheBinding() {
    // Loaded at the first use: the program's start-up reaches the binding first.
    static Binding binding;
    static const bool loaded = (binding.Load(QString::fromLatin1(kOPCHelperFileName)), true);
    (void)loaded;
    return binding;
}

QString FromWide(const uint16_t* text) {
    return text ? QString::fromUtf16(reinterpret_cast<const char16_t*>(text)) : QString();
}

const uint16_t* Wide(const QString& text) { return reinterpret_cast<const uint16_t*>(text.utf16()); }

// The common steps of an ordinary wrapper: the library and the entry point must be there.
template <typename F>
F Entry(F Entries::*slot, const char* name) {
    CheckOPCHelperLoaded();
    F f = TheBinding().*slot;
    if (!f) RaiseOPCFunctionNotFound(name);
    return f;
}

const QDateTime& DayZero() {
    static const QDateTime zero(QDate(1899, 12, 30), QTime(0, 0), QTimeZone::utc());
    return zero;
}

}  // namespace

void OPCHelperLoad(const QString& fileName) { TheBinding().Load(fileName); }
void OPCHelperUnload() { TheBinding().Load(QString()); }

bool OPCHelperMissing() { return !TheBinding().present; }

void CheckOPCHelperLoaded() {
    if (OPCHelperMissing()) throw Exception(QStringLiteral("Plot OPC DLL Not Found."));
}

void CheckOPCHelperCallError() {
    const QString text = OPCGetLastCallErrorString();
    if (!text.isEmpty()) throw Exception(text);
}

void RaiseOPCFunctionNotFound(const char* name) {
    throw Exception(QStringLiteral("Function \"%1\" not found in \"%2\".")
                        .arg(QLatin1String(name), TheBinding().fileName.section(QLatin1Char('/'), -1)));
}

QVariant OPCVariantToQVariant(const TiOPCVariant& v) {
    switch (v.vt) {
    case OPC_VT_I1:
    case OPC_VT_I2:
    case OPC_VT_I4: return QVariant(int(v.integer));
    case OPC_VT_UI1:
    case OPC_VT_UI2:
    case OPC_VT_UI4: return QVariant(uint(v.integer));
    case OPC_VT_I8: return QVariant(qlonglong(v.integer));
    case OPC_VT_UI8: return QVariant(qulonglong(v.integer));
    case OPC_VT_R4: return QVariant(float(v.real));
    case OPC_VT_R8: return QVariant(v.real);
    case OPC_VT_DATE: return QVariant(DayZero().addMSecs(qint64(v.real * 86400000.0)));
    case OPC_VT_BSTR: return QVariant(FromWide(v.text));
    case OPC_VT_BOOL: return QVariant(v.integer != 0);
    default: return QVariant();
    }
}

namespace {

// A QVariant as the library's variant; `text` keeps a string alive for the call.
TiOPCVariant ToOPCVariant(const QVariant& value, QString& text) {
    TiOPCVariant v{OPC_VT_EMPTY, 0, 0, nullptr};
    switch (value.typeId()) {
    case QMetaType::Int: v.vt = OPC_VT_I4, v.integer = value.toInt(); break;
    case QMetaType::UInt: v.vt = OPC_VT_UI4, v.integer = value.toUInt(); break;
    case QMetaType::LongLong: v.vt = OPC_VT_I8, v.integer = value.toLongLong(); break;
    case QMetaType::ULongLong: v.vt = OPC_VT_UI8, v.integer = qint64(value.toULongLong()); break;
    case QMetaType::Float: v.vt = OPC_VT_R4, v.real = value.toDouble(); break;
    case QMetaType::Double: v.vt = OPC_VT_R8, v.real = value.toDouble(); break;
    case QMetaType::Bool: v.vt = OPC_VT_BOOL, v.integer = value.toBool() ? -1 : 0; break;
    case QMetaType::QDateTime:
        v.vt = OPC_VT_DATE, v.real = double(DayZero().msecsTo(value.toDateTime())) / 86400000.0;
        break;
    default:
        if (value.isValid()) {
            text = value.toString();
            v.vt = OPC_VT_BSTR, v.text = Wide(text);
        }
    }
    return v;
}

}  // namespace

int OPCSignalAdd(const QString& computerName, const QString& serverName, const QString& itemName,
                 const QString& groupName, int updateRate, bool suspended, unsigned short requestedType,
                 const TiOPCItemCallback* callback) {
    auto f = Entry(&Entries::SignalAdd, "SignalAdd");
    int32_t handle = 0;
    f(&handle, Wide(computerName), Wide(serverName), Wide(itemName), Wide(groupName), updateRate, suspended ? 1 : 0,
      requestedType, callback);
    CheckOPCHelperCallError();
    return handle;
}

void OPCSignalRemove(int handle) {
    Entry(&Entries::SignalRemove, "SignalRemove")(handle);
    CheckOPCHelperCallError();
}
void OPCSignalSuspend(int handle) {
    Entry(&Entries::SignalSuspend, "SignalSuspend")(handle);
    CheckOPCHelperCallError();
}
void OPCSignalResume(int handle) {
    Entry(&Entries::SignalResume, "SignalResume")(handle);
    CheckOPCHelperCallError();
}

bool OPCSignalGetActive(int handle) {
    uint8_t value = 0;
    Entry(&Entries::SignalGetActive, "SignalGetActive")(handle, &value);
    CheckOPCHelperCallError();
    return value != 0;
}

bool OPCSignalGetUpdateSuspended(int handle) {
    uint8_t value = 0;
    Entry(&Entries::SignalGetUpdateSuspended, "SignalGetUpdateSuspended")(handle, &value);
    CheckOPCHelperCallError();
    return value != 0;
}

void OPCSignalSendData(int handle, const QVariant& value) {
    auto f = Entry(&Entries::SignalSendData, "SignalSendData");
    QString text;
    const TiOPCVariant v = ToOPCVariant(value, text);
    f(handle, &v);
    CheckOPCHelperCallError();
}

void OPCSignalGetDataNow(int handle) {
    Entry(&Entries::SignalGetDataNow, "SignalGetDataNow")(handle);
    CheckOPCHelperCallError();
}

QVariant OPCSignalGetData(int handle) {
    auto f = Entry(&Entries::SignalGetData, "SignalGetData");
    TiOPCVariant v{OPC_VT_EMPTY, 0, 0, nullptr};
    f(handle, &v);
    // The value is read before the error check, whose call may reuse the library's text.
    const QVariant value = OPCVariantToQVariant(v);
    CheckOPCHelperCallError();
    return value;
}

double OPCSignalGetTimeStamp(int handle) {
    double value = 0;
    Entry(&Entries::SignalGetTimeStamp, "SignalGetTimeStamp")(handle, &value);
    CheckOPCHelperCallError();
    return value;
}

unsigned short OPCSignalGetQuality(int handle) {
    uint16_t value = 0;
    Entry(&Entries::SignalGetQuality, "SignalGetQuality")(handle, &value);
    CheckOPCHelperCallError();
    return value;
}

int OPCGroupAdd(const QString& name, const QString& computerName, const QString& opcServerName, int updateRate,
                const TiOPCManagerCallback* callback) {
    auto f = Entry(&Entries::GroupAdd, "GroupAdd");
    int32_t handle = 0;
    f(&handle, Wide(name), Wide(computerName), Wide(opcServerName), updateRate, callback);
    CheckOPCHelperCallError();
    return handle;
}

void OPCGroupDelete(int handle) {
    Entry(&Entries::GroupDelete, "GroupDelete")(handle);
    CheckOPCHelperCallError();
}
void OPCGroupResume(int handle) {
    Entry(&Entries::GroupResume, "GroupResume")(handle);
    CheckOPCHelperCallError();
}
void OPCGroupSuspend(int handle) {
    Entry(&Entries::GroupSuspend, "GroupSuspend")(handle);
    CheckOPCHelperCallError();
}
void OPCGroupSetUpdateRate(int handle, int updateRate) {
    Entry(&Entries::GroupSetUpdateRate, "GroupSetUpdateRate")(handle, updateRate);
    CheckOPCHelperCallError();
}

void OPCCloseAllServerConnections() {
    Entry(&Entries::CloseAllServerConnections, "CloseAllServerConnections")();
    CheckOPCHelperCallError();
}

int OPCServerConnectionGetCount() {
    const int n = Entry(&Entries::ServerConnectionGetCount, "ServerConnectionGetCount")();
    CheckOPCHelperCallError();
    return n;
}

QString OPCServerConnectionGetName(int index) {
    const uint16_t* name = nullptr;
    Entry(&Entries::ServerConnectionGetName, "ServerConnectionGetName")(&name, index);
    const QString result = FromWide(name);
    CheckOPCHelperCallError();
    return result;
}

bool OPCManagerCreated() {
    const Binding& b = TheBinding();
    if (!b.present || !b.ManagerCreated) return false;
    const bool first = b.ManagerCreated() != 0;
    CheckOPCHelperCallError();
    return first;
}

void OPCManagerDestroyed() {
    const Binding& b = TheBinding();
    if (!b.present || !b.ManagerDestroyed) return;
    b.ManagerDestroyed();
    CheckOPCHelperCallError();
}

QString OPCGetLastCallErrorString() {
    const Binding& b = TheBinding();
    if (!b.present || !b.GetLastCallErrorString) return QString();
    const uint16_t* text = nullptr;
    b.GetLastCallErrorString(&text);
    return FromWide(text);
}

void RunOPCCallback(const std::function<void()>& work) noexcept {
    try {
        work();
    } catch (const Exception& e) {
        qWarning().noquote() << "OPC update dropped:" << e.Message();
    } catch (const std::exception& e) {
        qWarning().noquote() << "OPC update dropped:" << e.what();
    } catch (...) {
        qWarning() << "OPC update dropped";
    }
}
