// A fake sysfs and device folder in a temporary directory, as HidSysfs and the library
// read them (Q7K_HID_SYSFS, Q7K_HID_DEVROOT point there while it lives).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "TempTree.h"

class FakeSysfs {
 public:
  // The host controller's root hub stands above every device, with strings of its own.
  FakeSysfs() {
    std::filesystem::create_directories(tree_.Path("sys/class/hidraw"));
    const auto hub = tree_.Path("sys/devices/pci0000:00/usb1");
    std::filesystem::create_directories(hub);
    Write(hub / "idVendor", "1d6b\n");
    Write(hub / "manufacturer", "Linux xhci-hcd\n");
    Write(hub / "product", "xHCI Host Controller\n");
    Write(hub / "bcdDevice", "0601\n");
  }

  // A USB HID interface: the USB device folder (with the strings that are not empty), the
  // interface, the HID device named "<bus>:<vid>:<pid>.<seq>" with uevent and report
  // descriptor, the hidraw class link and a device node (a plain file).
  void AddDevice(const std::string& node, const std::string& usbDev, const std::string& hidName,
                 const std::string& uevent, const std::vector<uint8_t>& descriptor,
                 const std::string& manufacturer, const std::string& product) {
    const auto usb = tree_.Path("sys/devices/pci0000:00/usb1") / usbDev;
    const auto hid = usb / (usbDev + ":1.0") / hidName;
    std::filesystem::create_directories(hid);
    Write(usb / "idVendor", "0168\n");
    if (!manufacturer.empty()) Write(usb / "manufacturer", manufacturer + "\n");
    if (!product.empty()) Write(usb / "product", product + "\n");
    Write(usb / "bcdDevice", "0103\n");
    Write(hid / "uevent", uevent);
    Write(hid / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
    Relink(node, hid);
    Write(tree_.Path("dev") / node, "");
  }

  // Points the node's class entry at another HID device folder (a re-plug).
  void Relink(const std::string& node, const std::filesystem::path& hid) {
    const auto entry = tree_.Path("sys/class/hidraw") / node;
    std::filesystem::create_directories(entry);
    std::filesystem::remove(entry / "device");
    std::filesystem::create_directory_symlink(hid, entry / "device");
  }

  std::filesystem::path Path(const std::string& relative) const { return tree_.Path(relative); }
  std::string DevNode(const std::string& node) const { return tree_.Path("dev/" + node).string(); }

  static void Write(const std::filesystem::path& file, const std::string& text) { TempTree::Write(file, text); }

 private:
  TempTree tree_{{{"Q7K_HID_SYSFS", "sys"}, {"Q7K_HID_DEVROOT", "dev"}}};
};
