// TJvHidDevice: descriptive queries, feature and report transfers, report-parser calls.
#include <vector>

#include "Hid.h"
#include "text/AnsiCodec.h"
#include "TJvHidDevice.h"

QString TJvHidDevice::ReadName(q7k_hid_get_string_t entry, QString& cache) {
  if (cache.isEmpty() && OpenFile()) {
    char16_t buf[254 + 1] = {};
    if (entry(FHidFileHandle, buf, 508)) cache = QString::fromUtf16(buf);
    CloseFile();
  }
  return cache;
}

QString TJvHidDevice::VendorName() { return ReadName(HidGetManufacturerString, FVendorName); }

QString TJvHidDevice::ProductName() { return ReadName(HidGetProductString, FProductName); }

// The serial number is taken only when it differs from the device's language list, which
// comes from the indexed strings; there are none here, so it is never taken.
QString TJvHidDevice::SerialNumber() { return FSerialNumber; }

QStringList TJvHidDevice::LanguageStrings() { return FLanguageStrings; }

std::vector<uint16_t> TJvHidDevice::PhysicalDescriptor() { return FPhysicalDescriptor; }

QString TJvHidDevice::GetDeviceStringUnicode(uint8_t) { return {}; }

QByteArray TJvHidDevice::GetDeviceStringAnsi(uint8_t idx) {
  return QByteArray::fromStdString(AnsiCodec::FromUnicode(GetDeviceStringUnicode(idx)));
}

HIDP_LINK_COLLECTION_NODE TJvHidDevice::GetLinkCollectionNode(uint16_t idx) {
  // The nodes are counted from the report descriptor; their contents need the report
  // parser, so they read as zero.
  if (FLinkCollection.empty()) FLinkCollection.resize(GetCaps().NumberLinkCollectionNodes);
  return idx < FLinkCollection.size() ? FLinkCollection[idx] : HIDP_LINK_COLLECTION_NODE{};
}

HIDD_CONFIGURATION TJvHidDevice::Configuration() { return {}; }

void TJvHidDevice::SetConfiguration(const HIDD_CONFIGURATION&) {}

void TJvHidDevice::SetNumInputBuffers(int32_t count) {
  if (count == FNumInputBuffers || !OpenFile()) return;
  HidSetNumInputBuffers(FHidFileHandle, static_cast<uint32_t>(count));
  uint32_t actual = 0;
  if (HidGetNumInputBuffers(FHidFileHandle, &actual)) FNumInputBuffers = static_cast<int32_t>(actual);
}

void TJvHidDevice::SetNumOverlappedBuffers(int32_t count) {
  if (count == FNumOverlappedBuffers || !OpenFileEx(omhRead)) return;
  HidSetNumInputBuffers(FHidOverlappedRead, static_cast<uint32_t>(count));
  uint32_t actual = 0;
  if (HidGetNumInputBuffers(FHidOverlappedRead, &actual)) FNumOverlappedBuffers = static_cast<int32_t>(actual);
}

bool TJvHidDevice::FlushQueue() {
  std::lock_guard lock(FFileLock);
  return OpenFile() && HidFlushQueue(FHidFileHandle);
}

bool TJvHidDevice::GetFeature(void* report, int32_t size) {
  std::lock_guard lock(FFileLock);
  return size > 0 && OpenFile() && HidGetFeature(FHidFileHandle, report, static_cast<uint32_t>(size));
}

bool TJvHidDevice::SetFeature(void* report, int32_t size) {
  std::lock_guard lock(FFileLock);
  return size > 0 && OpenFile() && HidSetFeature(FHidFileHandle, report, static_cast<uint32_t>(size));
}

bool TJvHidDevice::GetInputReport(void* report, uint32_t size) {
  std::lock_guard lock(FFileLock);
  return OpenFile() && HidGetInputReport(FHidFileHandle, report, size);
}

bool TJvHidDevice::SetOutputReport(void* report, uint32_t size) {
  std::lock_guard lock(FFileLock);
  return OpenFile() && HidSetOutputReport(FHidFileHandle, report, size);
}

// The control codes are the other platform's; none has a meaning here.
bool TJvHidDevice::DeviceIoControl(uint32_t, void*, uint32_t, void*, uint32_t, uint32_t& bytesReturned) {
  bytesReturned = 0;
  return false;
}

uint32_t TJvHidDevice::ParserStatus() const {
  return IsAccessible() ? Q7K_HIDP_STATUS_NOT_IMPLEMENTED : Q7K_HIDP_STATUS_NULL;
}

uint32_t TJvHidDevice::GetButtonCaps(void*, uint16_t&) { return ParserStatus(); }
uint32_t TJvHidDevice::GetSpecificButtonCaps(void*, uint16_t&) { return ParserStatus(); }
uint32_t TJvHidDevice::GetValueCaps(void*, uint16_t&) { return ParserStatus(); }
uint32_t TJvHidDevice::GetSpecificValueCaps(void*, uint16_t&) { return ParserStatus(); }
uint32_t TJvHidDevice::GetData(void*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::SetData(void*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::GetUsages(uint16_t*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::GetButtons(uint16_t*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::SetUsages(uint16_t*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::SetButtons(uint16_t*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::UnsetUsages(uint16_t*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::UnsetButtons(uint16_t*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::GetUsagesEx(void*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::GetButtonsEx(void*, uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::GetUsageValue(uint32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::GetScaledUsageValue(int32_t&, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::GetUsageValueArray(void*, uint16_t, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::SetUsageValue(uint32_t, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::SetScaledUsageValue(int32_t, void*, uint32_t) { return ParserStatus(); }
uint32_t TJvHidDevice::SetUsageValueArray(void*, uint16_t, void*, uint32_t) { return ParserStatus(); }

uint32_t TJvHidDevice::GetExtendedAttributes(uint32_t, uint16_t, void*, uint32_t&) {
  return Q7K_HIDP_STATUS_NOT_IMPLEMENTED;
}

uint32_t TJvHidDevice::InitializeReportForID(uint32_t, uint8_t, void*, uint32_t) {
  return Q7K_HIDP_STATUS_NOT_IMPLEMENTED;
}

// The list lengths come from the report parser; without one they keep their values.
void TJvHidDevice::GetMax() {}

void TJvHidDevice::SetReportTypeParam(uint32_t value) {
  FReportTypeParam = value;
  GetMax();
}

void TJvHidDevice::SetUsagePageParam(uint16_t value) {
  FUsagePageParam = value;
  GetMax();
}
