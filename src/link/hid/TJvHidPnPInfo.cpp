#include "TJvHidPnPInfo.h"

#include <vector>

#include "SetupApi.h"

namespace {

// The three readers; a property the library does not have leaves the preset value.
uint32_t NumberProperty(Q7kHidSet* set, uint32_t index, uint32_t property) {
  uint32_t value = 0;
  HidEnumProperty(set, index, property, &value, sizeof value, nullptr);
  return value;
}

QString TextProperty(Q7kHidSet* set, uint32_t index, uint32_t property) {
  std::vector<char> buf(2048, 0);
  HidEnumProperty(set, index, property, buf.data(), static_cast<uint32_t>(buf.size() - 1), nullptr);
  return QString::fromUtf8(buf.data());
}

QStringList ListProperty(Q7kHidSet* set, uint32_t index, uint32_t property) {
  std::vector<char> buf(32768, 0);
  QStringList list;
  if (!HidEnumProperty(set, index, property, buf.data(), static_cast<uint32_t>(buf.size() - 2), nullptr)) return list;
  for (const char* p = buf.data(); *p; p += qstrlen(p) + 1) list << QString::fromUtf8(p);
  return list;
}

}  // namespace

TJvHidPnPInfo::TJvHidPnPInfo(Q7kHidSet* set, uint32_t index, uint32_t deviceID, const char* devicePath)
    : FDeviceID(deviceID), FDevicePath(QString::fromUtf8(devicePath)) {
  FCapabilities = NumberProperty(set, index, 15);
  FClassDescr = TextProperty(set, index, 7);
  FClassGUID = TextProperty(set, index, 8);
  FCompatibleIDs = ListProperty(set, index, 2);
  FConfigFlags = NumberProperty(set, index, 10);
  FDeviceDescr = TextProperty(set, index, 0);
  FDriver = TextProperty(set, index, 9);
  FFriendlyName = TextProperty(set, index, 12);
  FHardwareID = ListProperty(set, index, 1);
  FLowerFilters = ListProperty(set, index, 18);
  FMfg = TextProperty(set, index, 11);
  FUpperFilters = ListProperty(set, index, 17);
  FAddress = TextProperty(set, index, 28);
  FBusNumber = NumberProperty(set, index, 21);
  FBusType = TextProperty(set, index, 19);
  FCharacteristics = TextProperty(set, index, 27);
  FDevType = NumberProperty(set, index, 25);
  FEnumeratorName = TextProperty(set, index, 22);
  FExclusive = NumberProperty(set, index, 26);
  FLegacyBusType = NumberProperty(set, index, 20);
  FLocationInfo = TextProperty(set, index, 13);
  FPhysDevObjName = TextProperty(set, index, 14);
  FSecuritySDS = TextProperty(set, index, 24);
  FService = TextProperty(set, index, 4);
  FUINumber = NumberProperty(set, index, 16);
  FUINumberFormat = TextProperty(set, index, 30);
}
