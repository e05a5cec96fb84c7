#ifndef Q7K_OPC_HELPER_ABI_H
#define Q7K_OPC_HELPER_ABI_H
/* The calling interface of the optional OPC support library, shared with any library that
   implements it (C, so that such a library needs nothing else of this program).
   Strings are NUL-terminated UTF-16; strings the library hands out stay valid until its next
   call. Booleans are one byte. */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Variant types of the values exchanged with the library (the OLE codes). */
enum {
    OPC_VT_EMPTY = 0, OPC_VT_I2 = 2, OPC_VT_I4 = 3, OPC_VT_R4 = 4, OPC_VT_R8 = 5, OPC_VT_DATE = 7,
    OPC_VT_BSTR = 8, OPC_VT_BOOL = 11, OPC_VT_I1 = 16, OPC_VT_UI1 = 17, OPC_VT_UI2 = 18, OPC_VT_UI4 = 19,
    OPC_VT_I8 = 20, OPC_VT_UI8 = 21
};

/* A value: integers (and Booleans, 0 or -1) in `integer` (unsigned 64-bit ones as their bit
   pattern), single, double and date in `real`, a string in `text`. */
typedef struct TiOPCVariant {
    uint16_t vt;
    int64_t integer;
    double real;
    const uint16_t* text;
} TiOPCVariant;

/* Interface {7F440F9E-2014-4D28-8C84-83B938DBACC0}: new data for an item has arrived. */
typedef struct TiOPCItemCallback {
    void* context;
    void (*NewData)(void* context, int32_t value);
} TiOPCItemCallback;

/* Interface {A2E9253A-E335-4D6E-A298-CFA504F5B837}: a group update is about to be
   delivered, and it has been delivered. */
typedef struct TiOPCManagerCallback {
    void* context;
    void (*BeforeGroupUpdate)(void* context, int32_t groupHandle);
    void (*AfterGroupUpdate)(void* context, int32_t groupHandle);
} TiOPCManagerCallback;

typedef void (*TOPCSignalAdd)(int32_t* handle, const uint16_t* computerName, const uint16_t* serverName,
                              const uint16_t* itemName, const uint16_t* groupName, int32_t updateRate,
                              uint8_t suspended, uint16_t requestedType, const TiOPCItemCallback* callback);
typedef void (*TOPCHandleCall)(int32_t handle);
typedef void (*TOPCGetBoolean)(int32_t handle, uint8_t* value);
typedef void (*TOPCSignalSendData)(int32_t handle, const TiOPCVariant* value);
typedef void (*TOPCSignalGetData)(int32_t handle, TiOPCVariant* value);
typedef void (*TOPCSignalGetTimeStamp)(int32_t handle, double* value);
typedef void (*TOPCSignalGetQuality)(int32_t handle, uint16_t* value);
typedef void (*TOPCGroupAdd)(int32_t* handle, const uint16_t* name, const uint16_t* computerName,
                             const uint16_t* opcServerName, int32_t updateRate, const TiOPCManagerCallback* callback);
typedef void (*TOPCGroupSetUpdateRate)(int32_t handle, int32_t updateRate);
typedef void (*TOPCNoArguments)(void);
typedef int32_t (*TOPCGetCount)(void);
typedef void (*TOPCServerConnectionGetName)(const uint16_t** name, int32_t index);
typedef uint8_t (*TOPCManagerCreated)(void);
typedef void (*TOPCGetText)(const uint16_t** text);

#ifdef __cplusplus
}
#endif

#endif
