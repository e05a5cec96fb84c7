// Enumeration and device queries of the platform library on a fake sysfs tree: the
// library's own entry points (loaded like the HID layer loads them) and its sysfs reader.
#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <sys/stat.h>

#include "FakeSysfs.h"
#include "HidApi.h"
#include "HidSysfs.h"
#include "Unprivileged.h"

namespace {

const std::vector<uint8_t> kUnitDescriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF,
                                              0x00, 0x75, 0x08, 0x95, 0x40, 0x09, 0x01, 0x81, 0x02, 0x09, 0x01,
                                              0x91, 0x02, 0xC0};
const std::vector<uint8_t> kMouseDescriptor = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x03, 0x81, 0x02, 0xC0};

const char kUnitUevent[] =
    "DRIVER=hid-generic\nHID_ID=0003:00000168:00000821\nHID_NAME=Q7K Audio DSP Processor\n"
    "HID_PHYS=usb-0000:00:14.0-1/input0\nHID_UNIQ=\nMODALIAS=hid:b0003g0001v00000168p00000821\n";
const char kMouseUevent[] = "DRIVER=hid-generic\nHID_ID=0003:0000046D:0000C077\nHID_NAME=Mouse\n";

class Library {
 public:
  Library() : handle_(::dlopen(HIDLIB_FILE, RTLD_NOW | RTLD_LOCAL)) {}
  ~Library() {
    if (handle_) ::dlclose(handle_);
  }
  template <typename T>
  T Get(const char* name) const {
    return reinterpret_cast<T>(::dlsym(handle_, name));
  }
  bool Loaded() const { return handle_ != nullptr; }

 private:
  void* handle_;
};

class HidSysfsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib.Loaded()) << ::dlerror();
    fs.AddDevice("hidraw10", "1-2", "0003:046D:C077.0002", kMouseUevent, kMouseDescriptor, "Logi", "Mouse");
    fs.AddDevice("hidraw2", "1-1", "0003:0168:0821.0005", kUnitUevent, kUnitDescriptor, "Q7K Audio", "DSP Processor");
  }
  FakeSysfs fs;
  Library lib;
};

std::string Utf8(const char16_t* text) {
  std::string out;
  for (; *text; ++text) out += static_cast<char>(*text);
  return out;
}

}  // namespace

TEST_F(HidSysfsTest, ListsInterfacesInNodeOrderWithTheirProperties) {
  auto open = lib.Get<q7k_hid_enum_open_t>("q7k_hid_enum_open");
  auto iface = lib.Get<q7k_hid_enum_interface_t>("q7k_hid_enum_interface");
  auto path = lib.Get<q7k_hid_enum_path_t>("q7k_hid_enum_path");
  auto prop = lib.Get<q7k_hid_enum_property_t>("q7k_hid_enum_property");
  auto close = lib.Get<q7k_hid_enum_close_t>("q7k_hid_enum_close");
  Q7kHidSet* set = open();
  ASSERT_NE(set, nullptr);

  Q7kHidInterfaceData first{sizeof(Q7kHidInterfaceData), 0}, second{sizeof(Q7kHidInterfaceData), 0}, none = first;
  ASSERT_TRUE(iface(set, 0, &first));
  ASSERT_TRUE(iface(set, 1, &second));
  EXPECT_FALSE(iface(set, 2, &none));
  EXPECT_NE(first.DeviceID, second.DeviceID);

  uint32_t required = 0;
  EXPECT_FALSE(path(set, 0, nullptr, 0, &required)) << "the size query";
  const std::string node = fs.DevNode("hidraw2");
  EXPECT_EQ(required, node.size() + 1);
  std::vector<char> buf(required);
  ASSERT_TRUE(path(set, 0, buf.data(), required, &required));
  EXPECT_EQ(std::string(buf.data()), node) << "hidraw2 sorts before hidraw10";

  char text[256];
  ASSERT_TRUE(prop(set, 0, Q7K_HID_PROP_DEVICE_DESCR, text, sizeof text, nullptr));
  EXPECT_STREQ(text, "Q7K Audio DSP Processor");
  ASSERT_TRUE(prop(set, 0, Q7K_HID_PROP_CLASS, text, sizeof text, nullptr));
  EXPECT_STREQ(text, "hidraw");
  ASSERT_TRUE(prop(set, 0, Q7K_HID_PROP_ENUMERATOR, text, sizeof text, nullptr));
  EXPECT_STREQ(text, "USB");
  ASSERT_TRUE(prop(set, 0, Q7K_HID_PROP_MFG, text, sizeof text, nullptr));
  EXPECT_STREQ(text, "Q7K Audio");
  ASSERT_TRUE(prop(set, 0, Q7K_HID_PROP_HARDWARE_ID, text, sizeof text, nullptr));
  EXPECT_STREQ(text, "hid:b0003g0001v00000168p00000821");
  EXPECT_EQ(text[std::strlen(text) + 1], '\0') << "the list ends with an empty text";
  uint32_t bus = 0;
  ASSERT_TRUE(prop(set, 0, Q7K_HID_PROP_BUS_NUMBER, &bus, sizeof bus, nullptr));
  EXPECT_EQ(bus, 3u);
  EXPECT_FALSE(prop(set, 0, 8, text, sizeof text, nullptr)) << "a property with no source here";
  EXPECT_FALSE(prop(set, 1, Q7K_HID_PROP_LOCATION_INFO, text, sizeof text, nullptr));
  close(set);
}

TEST_F(HidSysfsTest, IdentifiesAndDescribesANodeThatAnswersNoRequests) {
  auto open = lib.Get<q7k_hid_open_t>("q7k_hid_open");
  auto close = lib.Get<q7k_hid_close_t>("q7k_hid_close");
  auto attributes = lib.Get<q7k_hid_get_attributes_t>("q7k_hid_get_attributes");
  auto preparsed = lib.Get<q7k_hid_get_preparsed_data_t>("q7k_hid_get_preparsed_data");
  auto freePreparsed = lib.Get<q7k_hid_free_preparsed_data_t>("q7k_hid_free_preparsed_data");
  auto caps = lib.Get<q7k_hid_get_caps_t>("q7k_hid_get_caps");
  auto product = lib.Get<q7k_hid_get_string_t>("q7k_hid_get_product_string");
  auto vendor = lib.Get<q7k_hid_get_string_t>("q7k_hid_get_manufacturer_string");

  // The nodes are plain files: the ioctls fail, so sysfs answers instead.
  for (uint32_t access : {0u, uint32_t(Q7K_HID_ACCESS_READ | Q7K_HID_ACCESS_WRITE)}) {
    SCOPED_TRACE(access);
    const int h = open(fs.DevNode("hidraw2").c_str(), access);
    ASSERT_GE(h, 0);
    Q7kHidAttributes a{sizeof(Q7kHidAttributes), 0, 0, 0};
    ASSERT_TRUE(attributes(h, &a));
    EXPECT_EQ(a.VendorID, 0x0168);
    EXPECT_EQ(a.ProductID, 0x0821);
    EXPECT_EQ(a.VersionNumber, 0x0103);
    Q7kHidPreparsed* p = nullptr;
    ASSERT_TRUE(preparsed(h, &p));
    Q7kHidCaps c{};
    EXPECT_EQ(caps(p, &c), Q7K_HIDP_STATUS_SUCCESS);
    EXPECT_EQ(c.InputReportByteLength, 65);
    EXPECT_EQ(c.OutputReportByteLength, 65);
    EXPECT_EQ(c.UsagePage, 0xFF00);
    EXPECT_TRUE(freePreparsed(p));
    char16_t text[127];
    ASSERT_TRUE(product(h, text, sizeof text));
    EXPECT_EQ(Utf8(text), "DSP Processor");
    ASSERT_TRUE(vendor(h, text, sizeof text));
    EXPECT_EQ(Utf8(text), "Q7K Audio");
    close(h);
  }
  EXPECT_EQ(open(fs.DevNode("hidraw7").c_str(), 0), -1);
  Q7kHidAttributes a{sizeof(Q7kHidAttributes), 0, 0, 0};
  EXPECT_FALSE(attributes(12345, &a)) << "not an open handle";
}

TEST_F(HidSysfsTest, AUnitWithoutStringsTakesNoneFromTheHubAboveIt) {
  // No manufacturer then, and the product falls back to the HID device's name.
  fs.AddDevice("hidraw3", "1-3", "0003:0168:0821.0007", kUnitUevent, kUnitDescriptor, "", "");
  auto open = lib.Get<q7k_hid_open_t>("q7k_hid_open");
  auto close = lib.Get<q7k_hid_close_t>("q7k_hid_close");
  auto attributes = lib.Get<q7k_hid_get_attributes_t>("q7k_hid_get_attributes");
  auto product = lib.Get<q7k_hid_get_string_t>("q7k_hid_get_product_string");
  auto vendor = lib.Get<q7k_hid_get_string_t>("q7k_hid_get_manufacturer_string");
  const int h = open(fs.DevNode("hidraw3").c_str(), 0);
  ASSERT_GE(h, 0);
  char16_t text[127] = u"unchanged";
  EXPECT_FALSE(vendor(h, text, sizeof text)) << Utf8(text);
  ASSERT_TRUE(product(h, text, sizeof text));
  EXPECT_EQ(Utf8(text), "Q7K Audio DSP Processor");
  Q7kHidAttributes a{sizeof(Q7kHidAttributes), 0, 0, 0};
  ASSERT_TRUE(attributes(h, &a));
  EXPECT_EQ(a.VersionNumber, 0x0103);
  close(h);

  auto enumOpen = lib.Get<q7k_hid_enum_open_t>("q7k_hid_enum_open");
  auto path = lib.Get<q7k_hid_enum_path_t>("q7k_hid_enum_path");
  auto prop = lib.Get<q7k_hid_enum_property_t>("q7k_hid_enum_property");
  auto enumClose = lib.Get<q7k_hid_enum_close_t>("q7k_hid_enum_close");
  Q7kHidSet* set = enumOpen();
  char buf[256];
  ASSERT_TRUE(path(set, 1, buf, sizeof buf, nullptr));
  ASSERT_EQ(std::string(buf), fs.DevNode("hidraw3"));
  EXPECT_FALSE(prop(set, 1, Q7K_HID_PROP_MFG, buf, sizeof buf, nullptr)) << buf;
  enumClose(set);
}

TEST_F(HidSysfsTest, ANodeWithoutPermissionIsToldOnceOnStderr) {
  const std::string unit = fs.DevNode("hidraw2"), mouse = fs.DevNode("hidraw10");
  ASSERT_EQ(::chmod(unit.c_str(), 0), 0);
  ASSERT_EQ(::chmod(mouse.c_str(), 0), 0);
  auto open = lib.Get<q7k_hid_open_t>("q7k_hid_open");
  auto close = lib.Get<q7k_hid_close_t>("q7k_hid_close");
  const std::string expected =
      "cannot open " + unit + ": Permission denied\n" + "cannot open " + mouse + ": Permission denied\n";
  EXPECT_EQ(RunUnprivileged([&] {
              const std::string said = StderrOf([&] {
                constexpr uint32_t readWrite = Q7K_HID_ACCESS_READ | Q7K_HID_ACCESS_WRITE;
                for (const std::string& node : {unit, unit, mouse}) close(open(node.c_str(), readWrite));
                close(open(unit.c_str(), 0));  // queries need no access to the node
              });
              if (said == expected) return 0;
              std::fprintf(stderr, "said on stderr:\n%s", said.c_str());
              return 1;
            }),
            0);
}

TEST_F(HidSysfsTest, AReplugGivesANewIdentifierForTheSameNode) {
  HidSysfsEntry before, after;
  ASSERT_TRUE(HidSysfs::Find("hidraw2", before));
  const auto again = fs.Path("sys/devices/pci0000:00/usb1/1-1/1-1:1.0/0003:0168:0821.0006");
  std::filesystem::create_directories(again);
  fs.Relink("hidraw2", again);
  ASSERT_TRUE(HidSysfs::Find("hidraw2", after));
  EXPECT_NE(before.DeviceID, after.DeviceID);
  EXPECT_FALSE(HidSysfs::Find("../hidraw2", after));
  EXPECT_FALSE(HidSysfs::Find("", after));
}

TEST(HidSysfs, ParsesHidIds) {
  HidUeventIds ids;
  ASSERT_TRUE(HidSysfs::ParseHidId("0003:00000168:00000821", ids));
  EXPECT_EQ(ids.Bus, 3u);
  EXPECT_EQ(ids.VendorID, 0x0168);
  EXPECT_EQ(ids.ProductID, 0x0821);
  for (const char* bad : {"", "0003:0168", "0003:0168:0821x", "x:1:2", "0003::0821"}) EXPECT_FALSE(HidSysfs::ParseHidId(bad, ids)) << bad;
}

TEST(HidSysfs, CopiesUtf8AsUtf16WithinTheBuffer) {
  char16_t buf[4];
  ASSERT_TRUE(HidSysfs::CopyUtf16("a\xC3\xA9\xE2\x82\xAC", buf, sizeof buf));  // a, e acute, euro
  EXPECT_EQ(buf[0], u'a');
  EXPECT_EQ(buf[1], 0xE9);
  EXPECT_EQ(buf[2], 0x20AC);
  EXPECT_EQ(buf[3], 0);
  ASSERT_TRUE(HidSysfs::CopyUtf16("abcdef", buf, sizeof buf));
  EXPECT_EQ(buf[3], 0) << "cut to fit, still terminated";
  ASSERT_TRUE(HidSysfs::CopyUtf16("\xF0\x9F\x8E\xB5\xFF", buf, sizeof buf));  // a note outside the BMP, a stray byte
  EXPECT_EQ(buf[0], 0xD83C);
  EXPECT_EQ(buf[1], 0xDFB5);
  EXPECT_EQ(buf[2], 0xFFFD);
  EXPECT_FALSE(HidSysfs::CopyUtf16("a", buf, 1));
}
