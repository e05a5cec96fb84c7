#include "TJvHidDeviceController.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>

#include "Hid.h"
#include "HidErrors.h"
#include "SetupApi.h"
#include "TJvHidDevice.h"

namespace {

// Without arrival and removal notices the interfaces are looked at this often.
constexpr int kRescanIntervalMs = 1000;

const QUuid kHidInterfaceClass(0x4D1E55B2, 0xF16F, 0x11CF, 0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30);

}  // namespace

TJvHidDeviceController::TJvHidDeviceController(QObject* owner) : QObject(owner), FHidGuid(kHidInterfaceClass) {
  FSetupUsed = LoadSetupApi();
  if (FSetupUsed) LoadHid();
  FActive = IsHidLoaded();
  if (!FActive) return;
  StartNotices();
  QMetaObject::invokeMethod(this, [this] { EventPipe(-1); }, Qt::QueuedConnection);
}

TJvHidDeviceController::~TJvHidDeviceController() {
  FDeviceChangeEvent = nullptr;
  FDevUnplugEvent = nullptr;
  FEnumerateEvent = nullptr;
  delete FNotifier;
  FNotifier = nullptr;
  delete FRescan;
  FRescan = nullptr;
  if (FMonitor >= 0) HidMonitorClose(FMonitor);
  // A borrower may check its device in from the unplug event, which destroys it; the
  // list is walked on a copy and each device is detached before anything happens to it.
  const std::vector<TJvHidDevice*> devices = FList;
  FList.clear();
  for (TJvHidDevice* dev : devices) {
    dev->FMyController = nullptr;
    if (dev->IsCheckedOut()) dev->DoUnplug();
    else delete dev;
  }
  if (FSetupUsed) UnloadSetupApi();  // also when the HID part failed, so no use is left behind
  UnloadHid();
}

void TJvHidDeviceController::StartNotices() {
  FMonitor = HidMonitorOpen();
  if (FMonitor >= 0) {
    FNotifier = new QSocketNotifier(FMonitor, QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, [this] {
      if (HidMonitorRead(FMonitor)) EventPipe(0);
    });
  } else {
    FRescan = new QTimer(this);
    connect(FRescan, &QTimer::timeout, this, [this] { EventPipe(0); });
    FRescan->start(kRescanIntervalMs);
  }
}

void TJvHidDeviceController::EventPipe(intptr_t lParam) {
  if (FInDeviceChange) return;  // a notice during a pass (nested event loop) is dropped
  FLParam = lParam;
  FInDeviceChange = true;
  // A handler's exception ends the pass; it must not leave every later notice dropped.
  struct PassEnd {
    bool& running;
    ~PassEnd() { running = false; }
  } end{FInDeviceChange};
  DeviceChange();
}

std::vector<TJvHidDevice*> TJvHidDeviceController::BuildDeviceList() {
  std::vector<TJvHidDevice*> list;
  if (!IsHidLoaded()) return list;
  Q7kHidSet* set = HidEnumOpen();
  if (!set) return list;
  for (uint32_t i = 0;; ++i) {
    Q7kHidInterfaceData data{sizeof(Q7kHidInterfaceData), 0};
    if (!HidEnumInterface(set, i, &data)) break;
    uint32_t required = 0;
    if (HidEnumPath(set, i, nullptr, 0, &required) || required == 0) continue;
    std::vector<char> path(required, 0);
    if (!HidEnumPath(set, i, path.data(), required, &required)) continue;
    try {
      list.push_back(new TJvHidDevice(std::make_unique<TJvHidPnPInfo>(set, i, data.DeviceID, path.data()), this));
    } catch (const EControllerError&) {
      // An interface that cannot be opened or identified is skipped.
    }
  }
  HidEnumClose(set);
  return list;
}

bool TJvHidDeviceController::ListedAt(TJvHidDevice* dev, size_t index) const {
  return index < FList.size() && FList[index] == dev;
}

bool TJvHidDeviceController::Listed(const TJvHidDevice* dev) const {
  return std::find(FList.begin(), FList.end(), dev) != FList.end();
}

class TJvHidDeviceController::EventScope {
 public:
  EventScope(const TJvHidDeviceController& ctl, TJvHidDevice* dev) : ctl_(ctl), dev_(dev) {
    dev_->FIsEnumerated = true;
  }
  ~EventScope() {
    if (ctl_.Listed(dev_)) dev_->FIsEnumerated = false;
  }
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;

 private:
  const TJvHidDeviceController& ctl_;
  TJvHidDevice* dev_;
};

void TJvHidDeviceController::DeviceChange() {
  bool changed = FLParam == -1;
  std::vector<TJvHidDevice*> fresh = BuildDeviceList();

  // Removals, from the end of the list: a handler may check the device in, which
  // destroys it and takes it out of the list.
  for (size_t i = FList.size(); i-- > 0;) {
    if (i >= FList.size()) continue;
    TJvHidDevice* dev = FList[i];
    const bool present = dev->IsPluggedIn() && std::any_of(fresh.begin(), fresh.end(), [&](TJvHidDevice* n) {
                           return n->PnPInfo().DeviceID() == dev->PnPInfo().DeviceID();
                         });
    if (present) continue;
    changed = true;
    dev->DoUnplug();
    if (!ListedAt(dev, i)) continue;
    DoRemoval(dev);
    if (!ListedAt(dev, i)) continue;
    if (!dev->IsCheckedOut()) {
      FList.erase(FList.begin() + static_cast<std::ptrdiff_t>(i));
      dev->FMyController = nullptr;
      delete dev;
    }
  }

  // Interfaces listed already keep their device; the new objects for them go.
  for (TJvHidDevice*& n : fresh) {
    const bool duplicate = std::any_of(FList.begin(), FList.end(), [&](TJvHidDevice* d) {
      return d->IsPluggedIn() && d->PnPInfo().DeviceID() == n->PnPInfo().DeviceID();
    });
    if (duplicate) {
      n->FMyController = nullptr;
      delete n;
      n = nullptr;
    }
  }

  for (TJvHidDevice* n : fresh) {
    if (!n) continue;
    FList.push_back(n);
    changed = true;
    DoArrival(n);
  }

  FNumCheckedInDevices = 0;
  FNumUnpluggedDevices = 0;
  int32_t lent = 0;
  for (TJvHidDevice* dev : FList) {
    if (!dev->IsCheckedOut()) FNumCheckedInDevices++;
    else lent++;
    if (!dev->IsPluggedIn()) FNumUnpluggedDevices++;
  }
  FNumCheckedOutDevices = lent - FNumUnpluggedDevices;

  if (changed) DoDeviceChange();
}

void TJvHidDeviceController::DoArrival(TJvHidDevice* HidDev) {
  if (!FArrivalEvent) return;
  const EventScope event(*this, HidDev);
  FArrivalEvent(HidDev);
}

void TJvHidDeviceController::DoRemoval(TJvHidDevice* HidDev) {
  if (!FRemovalEvent) return;
  const EventScope event(*this, HidDev);
  FRemovalEvent(HidDev);
}

void TJvHidDeviceController::DoDeviceChange() {
  if (FDeviceChangeEvent) FDeviceChangeEvent(this);
}

bool TJvHidDeviceController::DoEnumerate(TJvHidDevice* HidDev, int32_t Idx) {
  if (!FEnumerateEvent) return false;
  struct CloseAtRest {
    const TJvHidDeviceController& ctl;
    TJvHidDevice* dev;
    ~CloseAtRest() {
      if (ctl.Listed(dev) && !dev->IsCheckedOut()) dev->CloseAllFiles();
    }
  } atRest{*this, HidDev};
  const EventScope event(*this, HidDev);
  return FEnumerateEvent(HidDev, Idx);
}

int32_t TJvHidDeviceController::Enumerate() {
  int32_t count = 0;
  for (size_t i = 0; i < FList.size(); ++i) {
    if (!FList[i]->IsPluggedIn()) continue;
    count++;
    if (!DoEnumerate(FList[i], static_cast<int32_t>(i))) break;
  }
  return count;
}

bool TJvHidDeviceController::CheckThisOut(TJvHidDevice*& HidDev, int32_t Idx, bool Check) {
  if (!Check || Idx < 0 || static_cast<size_t>(Idx) >= FList.size()) return false;
  TJvHidDevice* dev = FList[static_cast<size_t>(Idx)];
  if (dev->IsCheckedOut()) return false;
  HidDev = dev;
  dev->FIsCheckedOut = true;
  FNumCheckedOutDevices++;
  FNumCheckedInDevices--;
  dev->StartThread();
  return true;
}

bool TJvHidDeviceController::CheckOut(TJvHidDevice*& HidDev) {
  HidDev = nullptr;
  for (size_t i = 0; i < FList.size(); ++i)
    if (CheckThisOut(HidDev, static_cast<int32_t>(i), !FList[i]->IsCheckedOut())) return true;
  return false;
}

bool TJvHidDeviceController::CheckOutByIndex(TJvHidDevice*& HidDev, int32_t Idx) {
  HidDev = nullptr;
  return CheckThisOut(HidDev, Idx, true);
}

bool TJvHidDeviceController::CheckOutByID(TJvHidDevice*& HidDev, int32_t Vid, int32_t Pid) {
  HidDev = nullptr;
  for (size_t i = 0; i < FList.size(); ++i) {
    const TJvHidDevice* dev = FList[i];
    const bool match = !dev->IsCheckedOut() && dev->Attributes().VendorID == Vid &&
                       (Pid == -1 || dev->Attributes().ProductID == Pid);
    if (CheckThisOut(HidDev, static_cast<int32_t>(i), match)) return true;
  }
  return false;
}

bool TJvHidDeviceController::CheckOutByProductName(TJvHidDevice*& HidDev, const QString& ProductName) {
  HidDev = nullptr;
  if (ProductName.isEmpty()) return false;
  for (size_t i = 0; i < FList.size(); ++i) {
    TJvHidDevice* dev = FList[i];
    if (CheckThisOut(HidDev, static_cast<int32_t>(i), !dev->IsCheckedOut() && dev->ProductName() == ProductName))
      return true;
  }
  return false;
}

bool TJvHidDeviceController::CheckOutByVendorName(TJvHidDevice*& HidDev, const QString& VendorName) {
  HidDev = nullptr;
  if (VendorName.isEmpty()) return false;
  for (size_t i = 0; i < FList.size(); ++i) {
    TJvHidDevice* dev = FList[i];
    if (CheckThisOut(HidDev, static_cast<int32_t>(i), !dev->IsCheckedOut() && dev->VendorName() == VendorName))
      return true;
  }
  return false;
}

bool TJvHidDeviceController::CheckOutByClass(TJvHidDevice*& HidDev, const QString& ClassName) {
  HidDev = nullptr;
  if (ClassName.isEmpty()) return false;
  for (size_t i = 0; i < FList.size(); ++i) {
    const TJvHidDevice* dev = FList[i];
    if (CheckThisOut(HidDev, static_cast<int32_t>(i),
                     !dev->IsCheckedOut() && dev->PnPInfo().ClassDescr() == ClassName))
      return true;
  }
  return false;
}

bool TJvHidDeviceController::CheckOutByCallback(TJvHidDevice*& HidDev, const TCheckFunction& Check) {
  HidDev = nullptr;
  for (size_t i = 0; i < FList.size(); ++i) {
    TJvHidDevice* dev = FList[i];
    if (dev->IsCheckedOut()) continue;
    bool accept;
    {
      const EventScope event(*this, dev);
      accept = Check(dev);
    }
    if (CheckThisOut(HidDev, static_cast<int32_t>(i), accept)) return true;
    dev->CloseAllFiles();
  }
  return false;
}

void TJvHidDeviceController::CheckIn(TJvHidDevice*& HidDev) {
  if (!HidDev) return;
  TJvHidDevice* dev = HidDev;
  HidDev = nullptr;
  dev->StopThread();
  dev->CloseAllFiles();
  if (dev->IsPluggedIn()) {
    dev->FIsCheckedOut = false;
    FNumCheckedOutDevices--;
    FNumCheckedInDevices++;
  } else {
    delete dev;  // its destruction takes it out of the list
  }
}

int32_t TJvHidDeviceController::CountByID(int32_t Vid, int32_t Pid) {
  return CountByCallback([&](TJvHidDevice* dev) {
    return dev->Attributes().VendorID == Vid && (Pid == -1 || dev->Attributes().ProductID == Pid);
  });
}

int32_t TJvHidDeviceController::CountByProductName(const QString& ProductName) {
  int32_t count = 0;
  for (TJvHidDevice* dev : FList)
    if (dev->IsPluggedIn() && dev->ProductName() == ProductName) count++;
  return count;
}

int32_t TJvHidDeviceController::CountByVendorName(const QString& VendorName) {
  int32_t count = 0;
  for (TJvHidDevice* dev : FList)
    if (dev->IsPluggedIn() && dev->VendorName() == VendorName) count++;
  return count;
}

int32_t TJvHidDeviceController::CountByClass(const QString& ClassName) {
  int32_t count = 0;
  for (TJvHidDevice* dev : FList)
    if (dev->IsPluggedIn() && dev->PnPInfo().ClassDescr() == ClassName) count++;
  return count;
}

int32_t TJvHidDeviceController::CountByCallback(const TCheckFunction& Check) {
  int32_t count = 0;
  for (TJvHidDevice* dev : FList) {
    if (!dev->IsPluggedIn()) continue;
    {
      const EventScope event(*this, dev);
      if (Check(dev)) count++;
    }
    if (!dev->IsCheckedOut()) dev->CloseAllFiles();
  }
  return count;
}

QString TJvHidDeviceController::HidVersion() const { return {}; }

void TJvHidDeviceController::SetDeviceChangeEvent(const TJvHidNotifyEvent& handler) {
  if (handler == FDeviceChangeEvent) return;
  FDeviceChangeEvent = handler;
  if (!FLoading) DeviceChange();
}

void TJvHidDeviceController::SetDevData(const TJvHidDataEvent& handler) {
  if (handler == FDevDataEvent) return;
  for (TJvHidDevice* dev : FList)
    if (dev->OnData() == FDevDataEvent) dev->SetDataEvent(handler);
  FDevDataEvent = handler;
}

void TJvHidDeviceController::SetDevDataError(const TJvHidDataErrorEvent& handler) {
  if (handler == FDevDataErrorEvent) return;
  for (TJvHidDevice* dev : FList)
    if (dev->OnDataError() == FDevDataErrorEvent) dev->SetOnDataError(handler);
  FDevDataErrorEvent = handler;
}

void TJvHidDeviceController::SetDevUnplug(const TJvHidPlugEvent& handler) {
  if (handler == FDevUnplugEvent) return;
  for (TJvHidDevice* dev : FList)
    if (dev->OnUnplug() == FDevUnplugEvent) dev->SetOnUnplug(handler);
  FDevUnplugEvent = handler;
}

void TJvHidDeviceController::SetDevThreadSleepTime(int32_t value) {
  if (value == FDevThreadSleepTime) return;
  for (TJvHidDevice* dev : FList)
    if (dev->ThreadSleepTime() == FDevThreadSleepTime) dev->SetThreadSleepTime(value);
  FDevThreadSleepTime = value;
}

void TJvHidDeviceController::DeviceDestroyed(TJvHidDevice* dev, std::unique_ptr<TJvHidPnPInfo> pnpInfo,
                                             const TJvHidDataEvent& data, const TJvHidPlugEvent& unplug,
                                             int32_t sleepTime) {
  const auto it = std::find(FList.begin(), FList.end(), dev);
  if (it == FList.end()) return;
  if (!dev->IsPluggedIn()) {
    FList.erase(it);
    FNumUnpluggedDevices--;
    return;
  }
  if (dev->IsCheckedOut()) {
    FNumCheckedOutDevices--;
    FNumCheckedInDevices++;
  }
  // A listed device that is still plugged in is never lost: a fresh, not lent, device
  // for the same interface takes its place. When the interface can no longer be opened
  // the entry is dropped.
  try {
    auto* fresh = new TJvHidDevice(std::move(pnpInfo), this);
    fresh->SetDataEvent(data);
    fresh->FUnplug = unplug;
    fresh->SetThreadSleepTime(sleepTime);
    *it = fresh;
  } catch (const EControllerError&) {
    FList.erase(it);
    FNumCheckedInDevices--;
  }
}
