// A borrower wired to a controller the way the main window is: every device change
// enumerates, the unit's device is checked out by its index and held, its unplug
// drops and checks it in, and its input reports are recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HidDeviceSlot.h"
#include "SimHidDevice.h"
#include "TJvHidDevice.h"
#include "TJvHidDeviceController.h"

struct HidBorrower {
  explicit HidBorrower(TJvHidDeviceController& controller, bool checkInOnUnplug = true)
      : ctl(controller), checkIn(checkInOnUnplug) {
    ctl.SetLoading(true);  // as a stored layout sets the handlers: no pass yet
    ctl.SetDeviceChangeEvent([this](QObject*) {
      changes++;
      events.push_back("change");
      ctl.Enumerate();
    });
    ctl.SetEnumerate([this](TJvHidDevice* dev, int32_t idx) {
      enumerated++;
      if (dev->Attributes().VendorID == SimHid::kVendorID && dev->Attributes().ProductID == SimHid::kProductID) {
        TJvHidDevice* taken = nullptr;
        if (ctl.CheckOutByIndex(taken, idx)) slot.Hold(taken);
      }
      return true;
    });
    ctl.SetDevUnplug([this](TJvHidDevice* dev) {
      unplugs++;
      events.push_back("unplug");
      handlesClosedAtUnplug = dev->HidFileHandle() < 0 && dev->HidOverlappedWrite() < 0 && !dev->IsPluggedIn();
      if (checkIn && dev == slot.Device()) {
        TJvHidDevice* held = slot.Release();
        ctl.CheckIn(held);
      }
    });
    ctl.SetDevData([this](TJvHidDevice*, uint8_t id, const void* data, uint16_t size) {
      const auto* bytes = static_cast<const uint8_t*>(data);
      reportIds.push_back(id);
      reports.emplace_back(bytes, bytes + size);
    });
    ctl.SetLoading(false);
  }

  // Gives the held device back, as the borrower must before it goes.
  ~HidBorrower() {
    if (TJvHidDevice* held = slot.Release()) ctl.CheckIn(held);
  }

  TJvHidDevice* Held() const { return slot.Device(); }

  TJvHidDeviceController& ctl;
  bool checkIn;
  HidDeviceSlot slot;
  int changes = 0;
  int enumerated = 0;
  int unplugs = 0;
  std::vector<std::string> events;  // "change" and "unplug" in the order they came
  bool handlesClosedAtUnplug = false;
  std::vector<uint8_t> reportIds;
  std::vector<std::vector<uint8_t>> reports;
};
