// Keeps one TJvHidDevice for every HID interface present, notices interfaces coming and
// going, and lends single devices out to a borrower. Everything runs on the GUI thread.
//
// How interfaces coming and going are noticed is chosen once, at construction: from the
// HID library's notice descriptor when it offers one (the kernel's device notices, or
// udev's once its rules have set the node's access, see HidUeventMonitor.h); otherwise a
// device-change pass runs every second, which notices a plug or unplug within that time.
// The library offers none when the notice socket cannot be opened, or when the
// environment sets Q7K_HID_NO_MONITOR=1: the way to keep plug and unplug noticed where the
// socket opens but stays silent, as in a container with a network namespace of its own,
// which udev's notices do not reach.
#pragma once

#include <QObject>
#include <QString>
#include <QUuid>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "HidEvents.h"

class QSocketNotifier;
class QTimer;
class TJvHidDevice;
class TJvHidPnPInfo;

class TJvHidDeviceController : public QObject {
 public:
  using TCheckFunction = std::function<bool(TJvHidDevice*)>;

  // Loads the HID library; when that works, the first device-change pass is posted to
  // the event loop, so it runs after the owner has set the handlers.
  explicit TJvHidDeviceController(QObject* owner = nullptr);
  ~TJvHidDeviceController() override;

  void DeviceChange();
  int32_t Enumerate();

  bool CheckOut(TJvHidDevice*& HidDev);
  bool CheckOutByIndex(TJvHidDevice*& HidDev, int32_t Idx);
  bool CheckOutByID(TJvHidDevice*& HidDev, int32_t Vid, int32_t Pid);
  bool CheckOutByProductName(TJvHidDevice*& HidDev, const QString& ProductName);
  bool CheckOutByVendorName(TJvHidDevice*& HidDev, const QString& VendorName);
  bool CheckOutByClass(TJvHidDevice*& HidDev, const QString& ClassName);
  bool CheckOutByCallback(TJvHidDevice*& HidDev, const TCheckFunction& Check);
  void CheckIn(TJvHidDevice*& HidDev);

  int32_t CountByID(int32_t Vid, int32_t Pid);
  int32_t CountByProductName(const QString& ProductName);
  int32_t CountByVendorName(const QString& VendorName);
  int32_t CountByClass(const QString& ClassName);
  int32_t CountByCallback(const TCheckFunction& Check);
  // The library's version text; this platform's library carries none.
  QString HidVersion() const;

  // Properties.
  const QUuid& HidGuid() const { return FHidGuid; }
  int32_t NumCheckedInDevices() const { return FNumCheckedInDevices; }
  int32_t NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
  int32_t NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
  int32_t DevThreadSleepTime() const { return FDevThreadSleepTime; }
  void SetDevThreadSleepTime(int32_t value);
  const QString& Version() const { return FVersion; }
  void SetVersion(const QString& value) { FDummy = value; }
  // The listed devices, in list order.
  const std::vector<TJvHidDevice*>& Devices() const { return FList; }

  const TJvHidPlugEvent& OnArrival() const { return FArrivalEvent; }
  void SetOnArrival(const TJvHidPlugEvent& handler) { FArrivalEvent = handler; }
  const TJvHidNotifyEvent& OnDeviceChange() const { return FDeviceChangeEvent; }
  void SetDeviceChangeEvent(const TJvHidNotifyEvent& handler);
  const TJvHidEnumerateEvent& OnEnumerate() const { return FEnumerateEvent; }
  void SetEnumerate(const TJvHidEnumerateEvent& handler) { FEnumerateEvent = handler; }
  const TJvHidDataEvent& OnDeviceData() const { return FDevDataEvent; }
  void SetDevData(const TJvHidDataEvent& handler);
  const TJvHidDataErrorEvent& OnDeviceDataError() const { return FDevDataErrorEvent; }
  void SetDevDataError(const TJvHidDataErrorEvent& handler);
  const TJvHidPlugEvent& OnDeviceUnplug() const { return FDevUnplugEvent; }
  void SetDevUnplug(const TJvHidPlugEvent& handler);
  const TJvHidPlugEvent& OnRemoval() const { return FRemovalEvent; }
  void SetOnRemoval(const TJvHidPlugEvent& handler) { FRemovalEvent = handler; }

  // While set, setting OnDeviceChange runs no pass (the owner's layout is being built).
  void SetLoading(bool loading) { FLoading = loading; }

 protected:
  void DoArrival(TJvHidDevice* HidDev);
  void DoRemoval(TJvHidDevice* HidDev);
  void DoDeviceChange();
  bool DoEnumerate(TJvHidDevice* HidDev, int32_t Idx);
  bool CheckThisOut(TJvHidDevice*& HidDev, int32_t Idx, bool Check);

 private:
  friend class TJvHidDevice;

  // The device-change message: runs one pass unless a pass started this way runs already.
  void EventPipe(intptr_t lParam);
  std::vector<TJvHidDevice*> BuildDeviceList();
  void StartNotices();
  // A device's destructor: a listed device that is still plugged in is replaced by a
  // fresh one for the same interface; otherwise it leaves the list.
  void DeviceDestroyed(TJvHidDevice* dev, std::unique_ptr<TJvHidPnPInfo> pnpInfo, const TJvHidDataEvent& data,
                       const TJvHidPlugEvent& unplug, int32_t sleepTime);
  bool ListedAt(TJvHidDevice* dev, size_t index) const;
  bool Listed(const TJvHidDevice* dev) const;
  // Marks a device as inside an event of the controller while it lives, and clears the
  // mark however the event ended, if the device is still listed: an event may check the
  // device in, which destroys an unplugged one.
  class EventScope;

  QUuid FHidGuid;
  TJvHidPlugEvent FArrivalEvent;
  TJvHidNotifyEvent FDeviceChangeEvent;
  TJvHidEnumerateEvent FEnumerateEvent;
  TJvHidDataEvent FDevDataEvent;
  TJvHidDataErrorEvent FDevDataErrorEvent;
  TJvHidPlugEvent FDevUnplugEvent;
  TJvHidPlugEvent FRemovalEvent;
  int32_t FDevThreadSleepTime = 100;
  QString FVersion = QStringLiteral("1.0.34");
  QString FDummy;
  std::vector<TJvHidDevice*> FList;
  int32_t FNumCheckedInDevices = 0;
  int32_t FNumCheckedOutDevices = 0;
  int32_t FNumUnpluggedDevices = 0;
  bool FInDeviceChange = false;
  intptr_t FLParam = 0;
  bool FLoading = false;
  bool FSetupUsed = false;
  bool FActive = false;  // both library parts loaded
  int FMonitor = -1;
  QSocketNotifier* FNotifier = nullptr;
  QTimer* FRescan = nullptr;
};
