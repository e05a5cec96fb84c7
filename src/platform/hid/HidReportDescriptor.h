// Walks an HID report descriptor and works out what the HID layer needs of it: the
// longest report of each kind (counting the report ID byte), whether the device numbers
// its reports, the number of collections and the top-level usage.
#pragma once

#include <cstddef>
#include <cstdint>

struct HidReportDescriptor {
  uint16_t Usage = 0;
  uint16_t UsagePage = 0;
  uint16_t InputReportByteLength = 0;   // 0 when the device has no input report
  uint16_t OutputReportByteLength = 0;  // 0 when the device has no output report
  uint16_t FeatureReportByteLength = 0;
  uint16_t NumberLinkCollectionNodes = 0;
  bool NumberedReports = false;  // some report carries a report ID item

  // False for a descriptor that ends inside an item, pops more than it pushed or nests
  // too deeply; the fields then hold what was found up to that point.
  bool Parse(const uint8_t* data, size_t size);
};
