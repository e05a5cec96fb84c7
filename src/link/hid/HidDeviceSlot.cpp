#include "HidDeviceSlot.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "TJvHidDevice.h"

void HidDeviceSlot::Hold(TJvHidDevice* device) {
  std::lock_guard lock(lock_);
  device_ = device;
}

TJvHidDevice* HidDeviceSlot::Release() {
  std::lock_guard lock(lock_);
  TJvHidDevice* device = device_;
  device_ = nullptr;
  return device;
}

TJvHidDevice* HidDeviceSlot::Device() const {
  std::lock_guard lock(lock_);
  return device_;
}

bool HidDeviceSlot::WriteReport(const std::uint8_t* frame, int count) {
  std::lock_guard lock(lock_);
  if (!device_) return false;
  std::vector<std::uint8_t> report(device_->GetCaps().OutputReportByteLength, 0);
  if (!report.empty() && frame && count > 0)
    std::memcpy(report.data() + 1, frame, std::min<std::size_t>(std::size_t(count), report.size() - 1));
  std::uint32_t written = 0;
  device_->WriteFile(report.data(), static_cast<std::uint32_t>(report.size()), written);
  return true;
}
