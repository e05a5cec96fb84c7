// The unit's USB device: taken into use when the controller offers it, given back when it
// goes, its input reports handed to the USB link, and the link's writer.
#include "TfmMain.h"

#include "LUsbProc.h"
#include "RzLabel.h"
#include "TJvHidDevice.h"
#include "TJvHidDeviceController.h"
#include "timer/TTimer.h"
#include "ui/MessageBoxes.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint16_t kUnitVendorId = 0x0168;
constexpr std::uint16_t kUnitProductId = 0x0821;
const QString kDetectHid = QStringLiteral("Detect HID");

bool IsUnit(const TJvHidDevice* dev) {
  return dev && dev->Attributes().VendorID == kUnitVendorId && dev->Attributes().ProductID == kUnitProductId;
}

}  // namespace

void TfmMain::HidCtlDeviceChange(QObject*) { HidCtl->Enumerate(); }

bool TfmMain::HidCtlEnumerate(TJvHidDevice* dev, std::int32_t index) {
  if (IsUnit(dev)) {
    TJvHidDevice* taken = nullptr;
    if (HidCtl->CheckOutByIndex(taken, index)) {
      FHidSlot.Hold(taken);
      lbStatus->SetCaption(kDetectHid);
    }
  }
  return true;
}

void TfmMain::HidCtlDeviceUnplug(TJvHidDevice* dev) {
  if (!IsUnit(dev)) return;
  // The slot lets go only of the device it holds, after a report write in progress; a
  // second unit's device that goes is checked in without dropping the held one.
  if (FHidSlot.Device() == dev) FHidSlot.Release();
  HidCtl->CheckIn(dev);
  if (isVisible() && lbStatus->Caption() == kDetectHid) lbStatus->SetCaption(QStringLiteral("OffLine"));
  if (FUsbLink) tmLinkBroken->SetEnabled(true);
}

void TfmMain::HidCtlDeviceData(TJvHidDevice*, std::uint8_t reportId, const void* data, std::uint16_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  // One frame per report: its length is byte 4 + 8; a report too short to carry byte 4 is
  // taken as it is.
  const int length = size > 4 ? bytes[4] + static_cast<int>(LCmd::kFrameOverhead) : size;
  const int n = std::min<int>(length, size);
  LogLine(LogKind::Usb, QString::asprintf("USB R %02X  ", reportId), bytes, n);
  if (FUsbLink) FUsbLink->PutReceived(bytes, n);
}

void TfmMain::HidCtlDeviceDataError(TJvHidDevice*, std::uint32_t error) {
  MessageBox(QStringLiteral("READ ERROR: ") + QString::fromLocal8Bit(std::strerror(static_cast<int>(error))),
             QString(), MB_OK | MB_ICONINFORMATION);
}

void TfmMain::UsbWrite(const std::uint8_t* bytes, int count) {
  // Holding the device and writing the report are one step under the slot's lock, so no
  // write reaches a device that the unplug handler has let go.
  if (!FHidSlot.WriteReport(bytes, count)) return;
  LogLine(LogKind::Usb, QStringLiteral("USB W 00  "), bytes, count);
}
