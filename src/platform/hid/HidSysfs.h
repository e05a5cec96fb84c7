// The hidraw interfaces as sysfs lists them. The sysfs root and the device node folder
// can be moved for tests (Q7K_HID_SYSFS, Q7K_HID_DEVROOT; /sys and /dev by default).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct HidSysfsEntry {
  std::string Name;        // "hidraw3"
  std::string DevicePath;  // the device node, "/dev/hidraw3"
  std::string DeviceDir;   // the HID device's sysfs folder (the resolved "device" link)
  uint32_t DeviceID = 0;   // from the node name and the kernel's HID device name, which is new at each plug-in
};

struct HidUeventIds {
  uint32_t Bus = 0;
  uint16_t VendorID = 0;
  uint16_t ProductID = 0;
};

namespace HidSysfs {

std::string SysfsRoot();
std::string DevRoot();

// Every hidraw interface, in the order of their node numbers.
std::vector<HidSysfsEntry> List();
// The entry of one node name ("hidraw3"); false when sysfs does not list it.
bool Find(const std::string& name, HidSysfsEntry& entry);

// KEY=value lines of a folder's uevent file.
std::map<std::string, std::string> ReadUevent(const std::string& dir);
// HID_ID=0003:00000168:00000821
bool ParseHidId(const std::string& text, HidUeventIds& ids);
// An attribute of the USB device a HID device folder belongs to: the first of the folder
// and its parents (up to a few levels) that has idVendor. The first line of the attribute
// file there, or empty when that device lacks it or there is no USB device (the folders
// above it are hubs and the host controller, whose strings are not the device's).
std::string UsbDeviceAttribute(const std::string& dir, const std::string& file);
std::vector<uint8_t> ReadReportDescriptor(const std::string& deviceDir);
std::string ReadFile(const std::string& path, size_t limit = 1 << 16);

// UTF-8 to zero-terminated UTF-16 within size bytes; false when the buffer has no room
// for the terminator.
bool CopyUtf16(const std::string& utf8, char16_t* buf, uint32_t size);

}  // namespace HidSysfs
