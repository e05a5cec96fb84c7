// A fake sysfs and device folder in a temporary directory, as HidSysfs and the library
// read them (Q7K_HID_SYSFS, Q7K_HID_DEVROOT point there while it lives).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class FakeSysfs {
 public:
  FakeSysfs() {
    char dir[] = "/tmp/q7k_hid_sysfsXXXXXX";
    root_ = ::mkdtemp(dir);
    std::filesystem::create_directories(root_ / "sys/class/hidraw");
    std::filesystem::create_directories(root_ / "dev");
    ::setenv("Q7K_HID_SYSFS", (root_ / "sys").c_str(), 1);
    ::setenv("Q7K_HID_DEVROOT", (root_ / "dev").c_str(), 1);
  }
  ~FakeSysfs() {
    ::unsetenv("Q7K_HID_SYSFS");
    ::unsetenv("Q7K_HID_DEVROOT");
    std::filesystem::remove_all(root_);
  }

  // A USB HID interface: the USB device folder (with the strings), the interface, the HID
  // device named "<bus>:<vid>:<pid>.<seq>" with uevent and report descriptor, the hidraw
  // class link and a device node (a plain file).
  void AddDevice(const std::string& node, const std::string& usbDev, const std::string& hidName,
                 const std::string& uevent, const std::vector<uint8_t>& descriptor,
                 const std::string& manufacturer, const std::string& product) {
    const auto usb = root_ / "sys/devices/pci0000:00/usb1" / usbDev;
    const auto hid = usb / (usbDev + ":1.0") / hidName;
    std::filesystem::create_directories(hid);
    Write(usb / "manufacturer", manufacturer + "\n");
    Write(usb / "product", product + "\n");
    Write(usb / "bcdDevice", "0103\n");
    Write(hid / "uevent", uevent);
    Write(hid / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
    Relink(node, hid);
    Write(root_ / "dev" / node, "");
  }

  // Points the node's class entry at another HID device folder (a re-plug).
  void Relink(const std::string& node, const std::filesystem::path& hid) {
    const auto entry = root_ / "sys/class/hidraw" / node;
    std::filesystem::create_directories(entry);
    std::filesystem::remove(entry / "device");
    std::filesystem::create_directory_symlink(hid, entry / "device");
  }

  std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }
  std::string DevNode(const std::string& node) const { return (root_ / "dev" / node).string(); }

  static void Write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }

 private:
  std::filesystem::path root_;
};
