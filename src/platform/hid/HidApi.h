// The C interface of the HID platform library (libq7khid.so) and of any library standing
// in for it (the simulated device of the tests). The HID layer loads the library at run
// time and looks every entry point up by name; these are the names and signatures.
//
// Handles are small non-negative integers, -1 = none. Texts are UTF-8 unless noted.
#pragma once

#include <cstdint>

extern "C" {

// Default file name of the library (looked up next to the program, then by the loader's path).
#define Q7K_HID_LIBRARY_NAME "libq7khid.so"

// Open modes of q7k_hid_open; 0 opens the interface for queries only.
enum : uint32_t {
  Q7K_HID_ACCESS_READ = 1,
  Q7K_HID_ACCESS_WRITE = 2,
};

// Results of q7k_hid_read.
enum : int32_t {
  Q7K_HID_IO_DONE = 0,     // a report was read (or the read ended with 0 bytes)
  Q7K_HID_IO_PENDING = 1,  // the wait ended before a report arrived; nothing was consumed
  Q7K_HID_IO_FAILED = 2,   // the read could not be made; *error holds the system's code
};

// Parser status codes shared with the HID layer.
enum : uint32_t {
  Q7K_HIDP_STATUS_SUCCESS = 0x00110000u,
  Q7K_HIDP_STATUS_NULL = 0x80110001u,
  Q7K_HIDP_STATUS_INVALID_PREPARSED_DATA = 0xC0110001u,
  Q7K_HIDP_STATUS_NOT_IMPLEMENTED = 0xC0110020u,
};

// Interface properties readable through q7k_hid_enum_property. Text properties are
// UTF-8 and zero-terminated; list properties are zero-separated texts ended by an empty
// one; number properties are a native 32-bit unsigned value.
enum : uint32_t {
  Q7K_HID_PROP_DEVICE_DESCR = 0,    // text: the device's name (HID_NAME)
  Q7K_HID_PROP_HARDWARE_ID = 1,     // list: the interface's modalias
  Q7K_HID_PROP_COMPATIBLE_IDS = 2,  // list: none on this platform
  Q7K_HID_PROP_SERVICE = 4,         // text: the bound driver
  Q7K_HID_PROP_CLASS = 7,           // text: "hidraw"
  Q7K_HID_PROP_DRIVER = 9,          // text: the bound driver
  Q7K_HID_PROP_MFG = 11,            // text: the USB manufacturer string, when the device has one
  Q7K_HID_PROP_FRIENDLY_NAME = 12,  // text: the device's name
  Q7K_HID_PROP_LOCATION_INFO = 13,  // text: the physical location (HID_PHYS)
  Q7K_HID_PROP_PHYS_DEV_OBJ_NAME = 14,  // text: the device node
  Q7K_HID_PROP_BUS_NUMBER = 21,     // number: the bus type (3 = USB)
  Q7K_HID_PROP_ENUMERATOR = 22,     // text: "USB", "BLUETOOTH", "I2C", ... or "HID"
};

struct Q7kHidAttributes {
  uint32_t Size;  // set by the caller to sizeof(Q7kHidAttributes)
  uint16_t VendorID;
  uint16_t ProductID;
  uint16_t VersionNumber;
};

// Capabilities from the report descriptor. The report lengths count the report ID byte,
// which every report carries on this interface (0 on devices without numbered reports).
struct Q7kHidCaps {
  uint16_t Usage;
  uint16_t UsagePage;
  uint16_t InputReportByteLength;
  uint16_t OutputReportByteLength;
  uint16_t FeatureReportByteLength;
  uint16_t NumberLinkCollectionNodes;
};

struct Q7kHidInterfaceData {
  uint32_t Size;      // set by the caller to sizeof(Q7kHidInterfaceData)
  uint32_t DeviceID;  // stable while the interface stays plugged in; new at each plug-in
};

struct Q7kHidSet;        // a snapshot of the present interfaces
struct Q7kHidPreparsed;  // a device's parsed report description

// Discovery (loaded by the set-up loader).
typedef Q7kHidSet* (*q7k_hid_enum_open_t)();
typedef bool (*q7k_hid_enum_interface_t)(Q7kHidSet* set, uint32_t index, Q7kHidInterfaceData* data);
// Copies the interface's device path (zero-terminated) when size allows; *required gets
// the size needed. False when there is no interface at index or the buffer is too small.
typedef bool (*q7k_hid_enum_path_t)(Q7kHidSet* set, uint32_t index, char* buf, uint32_t size,
                                    uint32_t* required);
typedef bool (*q7k_hid_enum_property_t)(Q7kHidSet* set, uint32_t index, uint32_t property,
                                        void* buf, uint32_t size, uint32_t* required);
typedef void (*q7k_hid_enum_close_t)(Q7kHidSet* set);
// Arrival and removal notices: a descriptor that becomes readable when something
// happened (-1 when notices are unavailable; the caller then rescans periodically).
typedef int (*q7k_hid_monitor_open_t)();
// Consumes what is pending; true when an HID interface came or went.
typedef bool (*q7k_hid_monitor_read_t)(int fd);
typedef void (*q7k_hid_monitor_close_t)(int fd);

// Devices (loaded by the HID loader).
typedef int (*q7k_hid_open_t)(const char* path, uint32_t access);
typedef void (*q7k_hid_close_t)(int handle);
typedef bool (*q7k_hid_get_attributes_t)(int handle, Q7kHidAttributes* attributes);
typedef bool (*q7k_hid_get_preparsed_data_t)(int handle, Q7kHidPreparsed** data);
typedef bool (*q7k_hid_free_preparsed_data_t)(Q7kHidPreparsed* data);
typedef uint32_t (*q7k_hid_get_caps_t)(const Q7kHidPreparsed* data, Q7kHidCaps* caps);
typedef bool (*q7k_hid_get_num_input_buffers_t)(int handle, uint32_t* count);
typedef bool (*q7k_hid_set_num_input_buffers_t)(int handle, uint32_t count);
// Writes one report, report ID byte first.
typedef bool (*q7k_hid_write_t)(int handle, const void* report, uint32_t size, uint32_t* written);
// Reads one report, report ID byte first, waiting at most timeout_ms (-1: no limit).
typedef int32_t (*q7k_hid_read_t)(int handle, void* report, uint32_t size, int32_t timeout_ms,
                                  uint32_t* bytes_read, uint32_t* error);
// Ends a read that waits on the handle (it returns Q7K_HID_IO_FAILED with ECANCELED).
typedef bool (*q7k_hid_cancel_read_t)(int handle);
// UTF-16 texts, zero-terminated within size bytes.
typedef bool (*q7k_hid_get_string_t)(int handle, char16_t* buf, uint32_t size);
typedef bool (*q7k_hid_flush_queue_t)(int handle);
typedef bool (*q7k_hid_report_t)(int handle, void* report, uint32_t size);

}  // extern "C"
