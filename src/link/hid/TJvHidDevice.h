// One HID interface found by the controller: its identity, handles opened on demand, the
// synchronous report write, the read thread that hands input reports to the GUI thread,
// and the descriptive queries and report calls.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "HidApi.h"
#include "HidEvents.h"
#include "TJvHidPnPInfo.h"

class TJvHidDeviceController;
class TJvHidDeviceReadThread;

enum TJvHidOpenExMode { omhRead = 0, omhWrite = 1 };

struct HIDD_CONFIGURATION {
  uint32_t cookie = 0;
  uint32_t size = 0;
  uint32_t RingBufferSize = 0;
};

struct HIDP_LINK_COLLECTION_NODE {
  uint16_t LinkUsage = 0;
  uint16_t LinkUsagePage = 0;
  uint16_t Parent = 0;
  uint16_t NumberOfChildren = 0;
  uint16_t NextSibling = 0;
  uint16_t FirstChild = 0;
  uint32_t CollectionTypeAndAlias = 0;
  uint32_t UserContext = 0;
};

// Called after an overlapped write with the system's error code (0 = none) and the byte count.
using TJvHidCompletion = std::function<void(uint32_t error, uint32_t bytes)>;

class TJvHidDevice {
 public:
  // Devices are made by the controller only: raises EControllerError.
  TJvHidDevice();
  // Opens and identifies the interface; raises EControllerError "device cannot be opened"
  // or "device cannot be identified" (the PnP info is released with the failed device).
  TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> pnpInfo, TJvHidDeviceController* controller);
  ~TJvHidDevice();
  TJvHidDevice(const TJvHidDevice&) = delete;
  TJvHidDevice& operator=(const TJvHidDevice&) = delete;

  // Handles and accessibility.
  bool IsAccessible() const;
  bool OpenFile();
  bool OpenFileEx(TJvHidOpenExMode mode);
  void CloseFile();
  void CloseFileEx(TJvHidOpenExMode mode);
  Q7kHidPreparsed* GetPreparsedData();
  Q7kHidCaps GetCaps();

  // Reports. WriteFile is safe on any thread: the accessibility check and the write are
  // one step under the device's handle lock, so no write starts after an unplug.
  bool WriteFile(const void* report, uint32_t toWrite, uint32_t& bytesWritten);
  bool ReadFile(void* report, uint32_t toRead, uint32_t& bytesRead);
  // Waits up to waitMs for one input report on the read handle (Q7K_HID_IO_* result);
  // a wait that ends early leaves the report to the next call.
  int32_t ReadFileEx(void* report, uint32_t toRead, int32_t waitMs, uint32_t& error);
  bool WriteFileEx(const void* report, uint32_t toWrite, const TJvHidCompletion& routine);
  uint32_t GetOverlappedReadResult() const { return FOvlReadBytes; }
  uint32_t GetOverlappedWriteResult() const { return FOvlWriteBytes; }
  // Wakes a read waiting on the overlapped read handle; false when it is not open.
  bool CancelIO(TJvHidOpenExMode mode);

  // Read thread and events.
  void SetDataEvent(const TJvHidDataEvent& handler);
  void SetThreadSleepTime(int32_t ms);  // 10 to 10000; other values are ignored
  void StartThread();
  void StopThread();
  void DoUnplug();
  bool CheckOut();

  // Properties.
  const Q7kHidAttributes& Attributes() const { return FAttributes; }
  Q7kHidCaps Caps() { return GetCaps(); }
  bool HasReadWriteAccess() const { return FHasReadWriteAccess; }
  int HidFileHandle() const { return FHidFileHandle; }
  int HidOverlappedRead() const { return FHidOverlappedRead; }
  int HidOverlappedWrite() const { return FHidOverlappedWrite; }
  uint32_t HidOverlappedReadResult() const { return GetOverlappedReadResult(); }
  uint32_t HidOverlappedWriteResult() const { return GetOverlappedWriteResult(); }
  bool IsCheckedOut() const { return FIsCheckedOut; }
  bool IsPluggedIn() const { return FIsPluggedIn; }
  const TJvHidPnPInfo& PnPInfo() const { return *FPnPInfo; }
  Q7kHidPreparsed* PreparsedData() { return GetPreparsedData(); }
  int32_t ThreadSleepTime() const { return FThreadSleepTime; }
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }
  const TJvHidDataEvent& OnData() const { return FData; }
  const TJvHidDataErrorEvent& OnDataError() const { return FDataError; }
  void SetOnDataError(const TJvHidDataErrorEvent& handler) { FDataError = handler; }
  const TJvHidPlugEvent& OnUnplug() const { return FUnplug; }
  void SetOnUnplug(const TJvHidPlugEvent& handler) { FUnplug = handler; }
  bool HasThread() const { return FDataThread != nullptr; }

  // Descriptive queries. Indexed strings, the language list and the physical descriptor
  // have no source on this platform and read as empty.
  QString VendorName();
  QString ProductName();
  QString SerialNumber();
  QStringList LanguageStrings();
  std::vector<uint16_t> PhysicalDescriptor();
  QString GetDeviceStringUnicode(uint8_t idx);
  QByteArray GetDeviceStringAnsi(uint8_t idx);
  HIDP_LINK_COLLECTION_NODE GetLinkCollectionNode(uint16_t idx);
  HIDD_CONFIGURATION Configuration();
  void SetConfiguration(const HIDD_CONFIGURATION& config);
  int32_t NumInputBuffers() const { return FNumInputBuffers; }
  void SetNumInputBuffers(int32_t count);
  int32_t NumOverlappedBuffers() const { return FNumOverlappedBuffers; }
  void SetNumOverlappedBuffers(int32_t count);

  // Transfers on the synchronous handle.
  bool FlushQueue();
  bool GetFeature(void* report, int32_t size);
  bool SetFeature(void* report, int32_t size);
  bool GetInputReport(void* report, uint32_t size);
  bool SetOutputReport(void* report, uint32_t size);
  bool DeviceIoControl(uint32_t ioControlCode, void* inBuffer, uint32_t inSize, void* outBuffer,
                       uint32_t outSize, uint32_t& bytesReturned);

  // Report-parser calls: the platform has no report parser, so they answer
  // "not implemented", or "device not plugged in" when the device is not accessible.
  uint32_t GetButtonCaps(void* buttonCaps, uint16_t& count);
  uint32_t GetSpecificButtonCaps(void* buttonCaps, uint16_t& count);
  uint32_t GetValueCaps(void* valueCaps, uint16_t& count);
  uint32_t GetSpecificValueCaps(void* valueCaps, uint16_t& count);
  uint32_t GetData(void* dataList, uint32_t& dataLength, void* report, uint32_t reportLength);
  uint32_t SetData(void* dataList, uint32_t& dataLength, void* report, uint32_t reportLength);
  uint32_t GetUsages(uint16_t* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t GetButtons(uint16_t* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t SetUsages(uint16_t* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t SetButtons(uint16_t* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t UnsetUsages(uint16_t* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t UnsetButtons(uint16_t* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t GetUsagesEx(void* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t GetButtonsEx(void* usageList, uint32_t& usageLength, void* report, uint32_t reportLength);
  uint32_t GetUsageValue(uint32_t& usageValue, void* report, uint32_t reportLength);
  uint32_t GetScaledUsageValue(int32_t& usageValue, void* report, uint32_t reportLength);
  uint32_t GetUsageValueArray(void* usageValue, uint16_t usageValueByteLength, void* report, uint32_t reportLength);
  uint32_t SetUsageValue(uint32_t usageValue, void* report, uint32_t reportLength);
  uint32_t SetScaledUsageValue(int32_t usageValue, void* report, uint32_t reportLength);
  uint32_t SetUsageValueArray(void* usageValue, uint16_t usageValueByteLength, void* report, uint32_t reportLength);
  uint32_t GetExtendedAttributes(uint32_t reportType, uint16_t dataIndex, void* attributes, uint32_t& lengthAttributes);
  uint32_t InitializeReportForID(uint32_t reportType, uint8_t reportID, void* report, uint32_t reportLength);

  uint32_t ReportTypeParam() const { return FReportTypeParam; }
  void SetReportTypeParam(uint32_t value);
  uint16_t UsagePageParam() const { return FUsagePageParam; }
  void SetUsagePageParam(uint16_t value);
  uint16_t LinkCollectionParam() const { return FLinkCollectionParam; }
  void SetLinkCollectionParam(uint16_t value) { FLinkCollectionParam = value; }
  uint16_t UsageParam() const { return FUsageParam; }
  void SetUsageParam(uint16_t value) { FUsageParam = value; }
  uint32_t MaxDataListLength() const { return FMaxDataListLength; }
  uint32_t MaxUsageListLength() const { return FMaxUsageListLength; }
  uint32_t MaxButtonListLength() const { return FMaxButtonListLength; }

 private:
  friend class TJvHidDeviceController;
  friend class TJvHidDeviceReadThread;

  int OpenPath(uint32_t access) const;
  void CloseHandle(int& handle);
  void CloseAllFiles();
  uint32_t ParserStatus() const;
  void GetMax();
  QString ReadName(q7k_hid_get_string_t entry, QString& cache);

  TJvHidDeviceController* FMyController = nullptr;
  std::atomic<bool> FIsPluggedIn{true};
  std::atomic<bool> FIsCheckedOut{false};
  std::atomic<bool> FIsEnumerated{false};
  std::recursive_mutex FFileLock;  // the synchronous and write handles, across threads
  int FHidFileHandle = -1;
  std::atomic<int> FHidOverlappedRead{-1};  // opened and used by the read thread
  int FHidOverlappedWrite = -1;
  std::atomic<uint32_t> FOvlReadBytes{0};  // written by the read thread
  uint32_t FOvlWriteBytes = 0;
  Q7kHidAttributes FAttributes{};
  std::unique_ptr<TJvHidPnPInfo> FPnPInfo;
  QString FVendorName;
  QString FProductName;
  std::vector<uint16_t> FPhysicalDescriptor;
  Q7kHidPreparsed* FPreparsedData = nullptr;
  QString FSerialNumber;
  QStringList FLanguageStrings;
  int32_t FNumInputBuffers = 0;
  std::atomic<int32_t> FNumOverlappedBuffers{0};
  std::atomic<int32_t> FThreadSleepTime{100};
  std::vector<HIDP_LINK_COLLECTION_NODE> FLinkCollection;
  uint32_t FMaxDataListLength = 0;
  uint32_t FMaxUsageListLength = 0;
  uint32_t FMaxButtonListLength = 0;
  uint32_t FReportTypeParam = 0;
  uint16_t FUsagePageParam = 0;
  uint16_t FLinkCollectionParam = 0;
  uint16_t FUsageParam = 0;
  TJvHidDataEvent FData;
  TJvHidDataErrorEvent FDataError;
  TJvHidPlugEvent FUnplug;
  std::atomic<bool> FHasReadWriteAccess{false};
  std::unique_ptr<TJvHidDeviceReadThread> FDataThread;
  int32_t FTag = 0;
};
