// The entry points of libq7khid.so over hidraw and sysfs (see HidApi.h).
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/ioctl.h>
#include <vector>

#include <linux/hidraw.h>

#include "HidApi.h"
#include "HidRawFile.h"
#include "HidReportDescriptor.h"
#include "HidSysfs.h"
#include "HidUeventMonitor.h"

struct Q7kHidSet {
  std::vector<HidSysfsEntry> entries;
};

struct Q7kHidPreparsed {
  HidReportDescriptor descriptor;
};

namespace {

constexpr uint32_t kHidrawQueueLength = 64;  // the kernel's fixed input queue per open file

const HidSysfsEntry* EntryAt(Q7kHidSet* set, uint32_t index) {
  return set && index < set->entries.size() ? &set->entries[index] : nullptr;
}

const char* BusName(uint32_t bus) {
  switch (bus) {
    case 0x03: return "USB";
    case 0x05: return "BLUETOOTH";
    case 0x06: return "VIRTUAL";
    case 0x18: return "I2C";
    default: return "HID";
  }
}

bool CopyOut(const void* data, uint32_t length, void* buf, uint32_t size, uint32_t* required) {
  if (required) *required = length;
  if (!buf || size < length) return false;
  std::memcpy(buf, data, length);
  return true;
}

bool CopyText(const std::string& text, void* buf, uint32_t size, uint32_t* required) {
  return CopyOut(text.c_str(), static_cast<uint32_t>(text.size() + 1), buf, size, required);
}

// The HID device's sysfs folder for an open handle.
bool DeviceDirOf(int handle, std::string& dir) {
  HidSysfsEntry entry;
  if (!HidSysfs::Find(HidRawFile::NodeName(handle), entry)) return false;
  dir = entry.DeviceDir;
  return true;
}

bool FeatureIoctl(int handle, unsigned long request, void* report, uint32_t size) {
  if (!HidRawFile::IsOpen(handle) || !report || size == 0) return false;
  return ::ioctl(handle, request, report) >= 0;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) Q7kHidSet* q7k_hid_enum_open() {
  return new Q7kHidSet{HidSysfs::List()};
}

__attribute__((visibility("default"))) bool q7k_hid_enum_interface(Q7kHidSet* set, uint32_t index,
                                                                  Q7kHidInterfaceData* data) {
  const HidSysfsEntry* e = EntryAt(set, index);
  if (!e || !data || data->Size != sizeof(Q7kHidInterfaceData)) return false;
  data->DeviceID = e->DeviceID;
  return true;
}

__attribute__((visibility("default"))) bool q7k_hid_enum_path(Q7kHidSet* set, uint32_t index, char* buf,
                                                             uint32_t size, uint32_t* required) {
  const HidSysfsEntry* e = EntryAt(set, index);
  if (!e) {
    if (required) *required = 0;
    return false;
  }
  return CopyText(e->DevicePath, buf, size, required);
}

__attribute__((visibility("default"))) bool q7k_hid_enum_property(Q7kHidSet* set, uint32_t index,
                                                                 uint32_t property, void* buf,
                                                                 uint32_t size, uint32_t* required) {
  if (required) *required = 0;
  const HidSysfsEntry* e = EntryAt(set, index);
  if (!e) return false;
  const auto uevent = HidSysfs::ReadUevent(e->DeviceDir);
  const auto value = [&](const char* key) {
    const auto it = uevent.find(key);
    return it == uevent.end() ? std::string() : it->second;
  };
  HidUeventIds ids;
  const bool haveIds = HidSysfs::ParseHidId(value("HID_ID"), ids);
  std::string text;
  switch (property) {
    case Q7K_HID_PROP_DEVICE_DESCR:
    case Q7K_HID_PROP_FRIENDLY_NAME: text = value("HID_NAME"); break;
    case Q7K_HID_PROP_SERVICE:
    case Q7K_HID_PROP_DRIVER: text = value("DRIVER"); break;
    case Q7K_HID_PROP_CLASS: text = "hidraw"; break;
    case Q7K_HID_PROP_MFG: text = HidSysfs::UsbDeviceAttribute(e->DeviceDir, "manufacturer"); break;
    case Q7K_HID_PROP_LOCATION_INFO: text = value("HID_PHYS"); break;
    case Q7K_HID_PROP_PHYS_DEV_OBJ_NAME: text = e->DevicePath; break;
    case Q7K_HID_PROP_ENUMERATOR: text = haveIds ? BusName(ids.Bus) : ""; break;
    case Q7K_HID_PROP_HARDWARE_ID: {
      const std::string alias = value("MODALIAS");
      if (alias.empty()) return false;
      const std::string list = alias + '\0';  // one text, then the empty one
      return CopyOut(list.c_str(), static_cast<uint32_t>(list.size() + 1), buf, size, required);
    }
    case Q7K_HID_PROP_BUS_NUMBER:
      if (!haveIds) return false;
      return CopyOut(&ids.Bus, sizeof ids.Bus, buf, size, required);
    default: return false;
  }
  if (text.empty()) return false;
  return CopyText(text, buf, size, required);
}

__attribute__((visibility("default"))) void q7k_hid_enum_close(Q7kHidSet* set) { delete set; }

__attribute__((visibility("default"))) int q7k_hid_monitor_open() {
  // The environment can force the periodic rescan (where notices cannot reach the program).
  const char* off = std::getenv("Q7K_HID_NO_MONITOR");
  return off && *off == '1' ? -1 : HidUeventMonitor::Open();
}

__attribute__((visibility("default"))) bool q7k_hid_monitor_read(int fd) {
  return HidUeventMonitor::ReadPending(fd);
}

__attribute__((visibility("default"))) void q7k_hid_monitor_close(int fd) { HidUeventMonitor::Close(fd); }

__attribute__((visibility("default"))) int q7k_hid_open(const char* path, uint32_t access) {
  return path ? HidRawFile::Open(path, access) : -1;
}

__attribute__((visibility("default"))) void q7k_hid_close(int handle) { HidRawFile::Close(handle); }

__attribute__((visibility("default"))) bool q7k_hid_get_attributes(int handle, Q7kHidAttributes* attributes) {
  if (!attributes || attributes->Size != sizeof(Q7kHidAttributes) || !HidRawFile::IsOpen(handle)) return false;
  std::string dir;
  const bool haveDir = DeviceDirOf(handle, dir);
  hidraw_devinfo info{};
  if (::ioctl(handle, HIDIOCGRAWINFO, &info) == 0) {
    attributes->VendorID = static_cast<uint16_t>(info.vendor);
    attributes->ProductID = static_cast<uint16_t>(info.product);
  } else {
    // A node opened for queries only answers no requests: the uevent file names the IDs.
    HidUeventIds ids;
    if (!haveDir || !HidSysfs::ParseHidId(HidSysfs::ReadUevent(dir)["HID_ID"], ids)) return false;
    attributes->VendorID = ids.VendorID;
    attributes->ProductID = ids.ProductID;
  }
  const std::string version = haveDir ? HidSysfs::UsbDeviceAttribute(dir, "bcdDevice") : "";
  attributes->VersionNumber = static_cast<uint16_t>(std::strtoul(version.c_str(), nullptr, 16));
  return true;
}

__attribute__((visibility("default"))) bool q7k_hid_get_preparsed_data(int handle, Q7kHidPreparsed** data) {
  if (!data) return false;
  *data = nullptr;
  const std::vector<uint8_t> d = HidRawFile::ReportDescriptor(handle);
  if (d.empty()) return false;
  auto* p = new Q7kHidPreparsed;
  p->descriptor.Parse(d.data(), d.size());  // a damaged tail keeps what came before it
  *data = p;
  return true;
}

__attribute__((visibility("default"))) bool q7k_hid_free_preparsed_data(Q7kHidPreparsed* data) {
  if (!data) return false;
  delete data;
  return true;
}

__attribute__((visibility("default"))) uint32_t q7k_hid_get_caps(const Q7kHidPreparsed* data, Q7kHidCaps* caps) {
  if (!data || !caps) return Q7K_HIDP_STATUS_INVALID_PREPARSED_DATA;
  const HidReportDescriptor& d = data->descriptor;
  caps->Usage = d.Usage;
  caps->UsagePage = d.UsagePage;
  caps->InputReportByteLength = d.InputReportByteLength;
  caps->OutputReportByteLength = d.OutputReportByteLength;
  caps->FeatureReportByteLength = d.FeatureReportByteLength;
  caps->NumberLinkCollectionNodes = d.NumberLinkCollectionNodes;
  return Q7K_HIDP_STATUS_SUCCESS;
}

__attribute__((visibility("default"))) bool q7k_hid_get_num_input_buffers(int handle, uint32_t* count) {
  if (!count || !HidRawFile::IsOpen(handle)) return false;
  *count = kHidrawQueueLength;
  return true;
}

__attribute__((visibility("default"))) bool q7k_hid_set_num_input_buffers(int handle, uint32_t count) {
  return HidRawFile::IsOpen(handle) && count == kHidrawQueueLength;  // the queue is fixed
}

__attribute__((visibility("default"))) bool q7k_hid_write(int handle, const void* report, uint32_t size,
                                                         uint32_t* written) {
  uint32_t dummy;
  return report && HidRawFile::Write(handle, report, size, written ? written : &dummy);
}

__attribute__((visibility("default"))) int32_t q7k_hid_read(int handle, void* report, uint32_t size,
                                                           int32_t timeout_ms, uint32_t* bytes_read,
                                                           uint32_t* error) {
  uint32_t n, e;
  if (!report) {
    if (error) *error = EINVAL;
    return Q7K_HID_IO_FAILED;
  }
  return HidRawFile::Read(handle, report, size, timeout_ms, bytes_read ? bytes_read : &n, error ? error : &e);
}

__attribute__((visibility("default"))) bool q7k_hid_cancel_read(int handle) { return HidRawFile::CancelRead(handle); }

__attribute__((visibility("default"))) bool q7k_hid_get_manufacturer_string(int handle, char16_t* buf, uint32_t size) {
  std::string dir;
  if (!buf || !DeviceDirOf(handle, dir)) return false;
  const std::string text = HidSysfs::UsbDeviceAttribute(dir, "manufacturer");
  return !text.empty() && HidSysfs::CopyUtf16(text, buf, size);
}

__attribute__((visibility("default"))) bool q7k_hid_get_product_string(int handle, char16_t* buf, uint32_t size) {
  std::string dir;
  if (!buf || !DeviceDirOf(handle, dir)) return false;
  std::string text = HidSysfs::UsbDeviceAttribute(dir, "product");
  if (text.empty()) text = HidSysfs::ReadUevent(dir)["HID_NAME"];
  return !text.empty() && HidSysfs::CopyUtf16(text, buf, size);
}

__attribute__((visibility("default"))) bool q7k_hid_flush_queue(int handle) { return HidRawFile::Flush(handle); }

__attribute__((visibility("default"))) bool q7k_hid_get_feature(int handle, void* report, uint32_t size) {
  return FeatureIoctl(handle, HIDIOCGFEATURE(size), report, size);
}

__attribute__((visibility("default"))) bool q7k_hid_set_feature(int handle, void* report, uint32_t size) {
  return FeatureIoctl(handle, HIDIOCSFEATURE(size), report, size);
}

__attribute__((visibility("default"))) bool q7k_hid_get_input_report(int handle, void* report, uint32_t size) {
  return FeatureIoctl(handle, HIDIOCGINPUT(size), report, size);
}

__attribute__((visibility("default"))) bool q7k_hid_set_output_report(int handle, void* report, uint32_t size) {
  return FeatureIoctl(handle, HIDIOCSOUTPUT(size), report, size);
}

}  // extern "C"
