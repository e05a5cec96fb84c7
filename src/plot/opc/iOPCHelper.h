#pragma once
// The binding of the optional OPC support library: loaded once by file name, its entry
// points looked up by name. Every wrapper checks the binding, calls the entry point and
// turns the library's last-call error text into an exception. Without the library the OPC
// pieces test OPCHelperMissing and stay inert.
#include "opc/iOPCHelperAbi.h"

#include <QString>
#include <QVariant>

#include <functional>

// The library's file name, as loaded at the first use of the binding.
extern const char* const kOPCHelperFileName;

// Loads the library at that path in place of the one loaded now (tests load fakes); an
// empty path or a library that fails to load leaves the binding without a library.
void OPCHelperLoad(const QString& fileName);
// Frees the library; the binding is without one afterwards.
void OPCHelperUnload();

bool OPCHelperMissing();
// "<product> OPC DLL Not Found." without the library.
void CheckOPCHelperLoaded();
// Raises the library's last-call error text when it is not empty.
void CheckOPCHelperCallError();
[[noreturn]] void RaiseOPCFunctionNotFound(const char* name);
// Runs the work of a callback from the library. Nothing may unwind into the library's
// frames, so a failure (a feed the channel refuses, a library error while reading) is
// written to the log and the callback returns to the library normally.
void RunOPCCallback(const std::function<void()>& work) noexcept;

// Values cross as the library's variants: signed integers of up to 32 bits as int, unsigned
// ones as uint, 64-bit ones as qlonglong / qulonglong, single as float, double as double,
// dates (days since 1899-12-30) as QDateTime, strings as QString, Booleans as bool.
QVariant OPCVariantToQVariant(const TiOPCVariant& value);

int OPCSignalAdd(const QString& computerName, const QString& serverName, const QString& itemName,
                 const QString& groupName, int updateRate, bool suspended, unsigned short requestedType,
                 const TiOPCItemCallback* callback);
void OPCSignalRemove(int handle);
void OPCSignalSuspend(int handle);
void OPCSignalResume(int handle);
bool OPCSignalGetActive(int handle);
bool OPCSignalGetUpdateSuspended(int handle);
void OPCSignalSendData(int handle, const QVariant& value);
void OPCSignalGetDataNow(int handle);
QVariant OPCSignalGetData(int handle);
double OPCSignalGetTimeStamp(int handle);
unsigned short OPCSignalGetQuality(int handle);
int OPCGroupAdd(const QString& name, const QString& computerName, const QString& opcServerName, int updateRate,
                const TiOPCManagerCallback* callback);
void OPCGroupDelete(int handle);
void OPCGroupResume(int handle);
void OPCGroupSuspend(int handle);
void OPCGroupSetUpdateRate(int handle, int updateRate);
void OPCCloseAllServerConnections();
int OPCServerConnectionGetCount();
QString OPCServerConnectionGetName(int index);
// False without the library or the entry point (no error).
bool OPCManagerCreated();
// Calls the entry point only when it exists.
void OPCManagerDestroyed();
// Empty without the library or the entry point; never raises.
QString OPCGetLastCallErrorString();
