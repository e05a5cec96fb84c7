/* A stand-in for the optional OPC support library: it keeps signals and groups in tables,
   logs every call by name, and lets the tests push values and group updates through the
   callbacks. Built twice: complete, and without SignalSendData (FAKE_INCOMPLETE). */
#include "opc/iOPCHelperAbi.h"

#include <stdio.h>
#include <string.h>

#define EXPORT __attribute__((visibility("default")))
#define TEXT 64
#define SIGNALS 32
#define GROUPS 16

typedef struct {
    int used, rate, suspended, requestedType, active;
    uint16_t names[4][TEXT]; /* computer, server, item, group */
    const TiOPCItemCallback* callback;
    TiOPCVariant value;
    uint16_t text[TEXT];
    double timeStamp;
    uint16_t quality;
} Signal;

typedef struct {
    int used, rate;
    uint16_t name[TEXT];
    const TiOPCManagerCallback* callback;
} Group;

static Signal signals_[SIGNALS + 1];
static Group groups_[GROUPS + 1];
static char log_[8192];
static uint16_t error_[TEXT], pending_[TEXT];
static int managers_, connections_;
static uint16_t connectionName_[TEXT];

static void Copy(uint16_t* to, const uint16_t* from) {
    int i = 0;
    for (; from && from[i] && i < TEXT - 1; ++i) to[i] = from[i];
    to[i] = 0;
}

static void Ascii(uint16_t* to, const char* from) {
    int i = 0;
    for (; from && from[i] && i < TEXT - 1; ++i) to[i] = (uint16_t)(unsigned char)from[i];
    to[i] = 0;
}

/* Every entry point: logged, and the pending error becomes this call's error. */
static void Begin(const char* name, int handle) {
    char entry[64];
    snprintf(entry, sizeof entry, "%s(%d) ", name, handle);
    strncat(log_, entry, sizeof log_ - strlen(log_) - 1);
    memcpy(error_, pending_, sizeof error_);
    pending_[0] = 0;
}

static Signal* SignalOf(int32_t h) { return h > 0 && h <= SIGNALS && signals_[h].used ? &signals_[h] : 0; }

EXPORT void SignalAdd(int32_t* handle, const uint16_t* computerName, const uint16_t* serverName,
                      const uint16_t* itemName, const uint16_t* groupName, int32_t updateRate, uint8_t suspended,
                      uint16_t requestedType, const TiOPCItemCallback* callback) {
    int h = 1;
    while (h <= SIGNALS && signals_[h].used) ++h;
    Begin("SignalAdd", h);
    if (h > SIGNALS) { *handle = 0; return; }
    Signal* s = &signals_[h];
    memset(s, 0, sizeof *s);
    s->used = 1, s->active = 1, s->rate = updateRate, s->suspended = suspended, s->requestedType = requestedType;
    Copy(s->names[0], computerName), Copy(s->names[1], serverName), Copy(s->names[2], itemName);
    Copy(s->names[3], groupName);
    s->callback = callback;
    *handle = h;
}
EXPORT void SignalRemove(int32_t h) {
    Begin("SignalRemove", h);
    if (SignalOf(h)) signals_[h].used = 0;
}
EXPORT void SignalSuspend(int32_t h) {
    Begin("SignalSuspend", h);
    if (SignalOf(h)) signals_[h].suspended = 1;
}
EXPORT void SignalResume(int32_t h) {
    Begin("SignalResume", h);
    if (SignalOf(h)) signals_[h].suspended = 0;
}
EXPORT void SignalGetActive(int32_t h, uint8_t* value) {
    Begin("SignalGetActive", h);
    *value = SignalOf(h) && signals_[h].active;
}
EXPORT void SignalGetUpdateSuspended(int32_t h, uint8_t* value) {
    Begin("SignalGetUpdateSuspended", h);
    *value = SignalOf(h) && signals_[h].suspended;
}
#ifndef FAKE_INCOMPLETE
EXPORT void SignalSendData(int32_t h, const TiOPCVariant* value) {
    Begin("SignalSendData", h);
    Signal* s = SignalOf(h);
    if (!s) return;
    s->value = *value;
    if (value->vt == OPC_VT_BSTR) Copy(s->text, value->text), s->value.text = s->text;
}
#endif
EXPORT void SignalGetDataNow(int32_t h) { Begin("SignalGetDataNow", h); }
EXPORT void SignalGetData(int32_t h, TiOPCVariant* value) {
    Begin("SignalGetData", h);
    Signal* s = SignalOf(h);
    if (s) *value = s->value;
}
EXPORT void SignalGetTimeStamp(int32_t h, double* value) {
    Begin("SignalGetTimeStamp", h);
    *value = SignalOf(h) ? signals_[h].timeStamp : 0;
}
EXPORT void SignalGetQuality(int32_t h, uint16_t* value) {
    Begin("SignalGetQuality", h);
    *value = SignalOf(h) ? signals_[h].quality : 0;
}
EXPORT void GroupAdd(int32_t* handle, const uint16_t* name, const uint16_t* computerName,
                     const uint16_t* opcServerName, int32_t updateRate, const TiOPCManagerCallback* callback) {
    (void)computerName, (void)opcServerName;
    int h = 1;
    while (h <= GROUPS && groups_[h].used) ++h;
    Begin("GroupAdd", h);
    if (h > GROUPS) { *handle = 0; return; }
    groups_[h].used = 1, groups_[h].rate = updateRate, groups_[h].callback = callback;
    Copy(groups_[h].name, name);
    *handle = h;
}
EXPORT void GroupDelete(int32_t h) {
    Begin("GroupDelete", h);
    if (h > 0 && h <= GROUPS) groups_[h].used = 0;
}
EXPORT void GroupResume(int32_t h) { Begin("GroupResume", h); }
EXPORT void GroupSuspend(int32_t h) { Begin("GroupSuspend", h); }
EXPORT void GroupSetUpdateRate(int32_t h, int32_t rate) {
    Begin("GroupSetUpdateRate", h);
    if (h > 0 && h <= GROUPS) groups_[h].rate = rate;
}
EXPORT void CloseAllServerConnections(void) { Begin("CloseAllServerConnections", 0); }
EXPORT int32_t ServerConnectionGetCount(void) {
    Begin("ServerConnectionGetCount", 0);
    return connections_;
}
EXPORT void ServerConnectionGetName(const uint16_t** name, int32_t index) {
    char text[TEXT];
    Begin("ServerConnectionGetName", index);
    snprintf(text, sizeof text, "Server %d", index + 1);
    Ascii(connectionName_, text);
    *name = connectionName_;
}
EXPORT uint8_t ManagerCreated(void) {
    Begin("ManagerCreated", 0);
    return managers_++ == 0;
}
EXPORT void ManagerDestroyed(void) {
    Begin("ManagerDestroyed", 0);
    if (managers_ > 0) --managers_;
}
EXPORT void GetLastCallErrorString(const uint16_t** text) { *text = error_; }

/* ---- controls for the tests ---- */
EXPORT void FakeReset(void) {
    memset(signals_, 0, sizeof signals_);
    memset(groups_, 0, sizeof groups_);
    log_[0] = 0, error_[0] = 0, pending_[0] = 0, managers_ = 0, connections_ = 0;
}
EXPORT const char* FakeLog(void) { return log_; }
EXPORT void FakeClearLog(void) { log_[0] = 0; }
/* The next call reports this error text. */
EXPORT void FakeFailNext(const char* text) { Ascii(pending_, text); }
EXPORT void FakeSetConnections(int count) { connections_ = count; }
/* Field 0..3: computer, server, item, group name. */
EXPORT const uint16_t* FakeSignalName(int32_t h, int field) { return SignalOf(h) ? signals_[h].names[field] : 0; }
/* Field 0 update rate, 1 suspended, 2 requested type, 3 registered. */
EXPORT int FakeSignalInt(int32_t h, int field) {
    Signal* s = h > 0 && h <= SIGNALS ? &signals_[h] : 0;
    if (!s) return -1;
    return field == 0 ? s->rate : field == 1 ? s->suspended : field == 2 ? s->requestedType : s->used;
}
EXPORT int FakeGroupRate(int32_t h) { return h > 0 && h <= GROUPS ? groups_[h].rate : -1; }
EXPORT TiOPCVariant FakeSignalValue(int32_t h) {
    TiOPCVariant none = {0, 0, 0, 0};
    return SignalOf(h) ? signals_[h].value : none;
}
/* Stores a value (strings as ASCII in `text`); with `notify` the item hears of it. */
EXPORT void FakeSetValue(int32_t h, uint16_t vt, int64_t integer, double real, const char* text, double timeStamp,
                         uint16_t quality, int notify) {
    Signal* s = SignalOf(h);
    if (!s) return;
    s->value.vt = vt, s->value.integer = integer, s->value.real = real, s->value.text = 0;
    if (text) Ascii(s->text, text), s->value.text = s->text;
    s->timeStamp = timeStamp, s->quality = quality;
    if (notify && s->callback) s->callback->NewData(s->callback->context, 0);
}
/* A group update: before, every signal of the group by name, after. */
EXPORT void FakeGroupUpdate(int32_t g) {
    if (g <= 0 || g > GROUPS || !groups_[g].used) return;
    const TiOPCManagerCallback* cb = groups_[g].callback;
    cb->BeforeGroupUpdate(cb->context, g);
    for (int h = 1; h <= SIGNALS; ++h) {
        Signal* s = &signals_[h];
        int same = s->used;
        for (int i = 0; same && i < TEXT; ++i) {
            if (s->names[3][i] != groups_[g].name[i]) same = 0;
            if (!groups_[g].name[i]) break;
        }
        if (same && s->callback) s->callback->NewData(s->callback->context, 0);
    }
    cb->AfterGroupUpdate(cb->context, g);
}
