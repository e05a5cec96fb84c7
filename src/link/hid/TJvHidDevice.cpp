#include "TJvHidDevice.h"

#include <cerrno>

#include "Hid.h"
#include "HidErrors.h"
#include "TJvHidDeviceController.h"
#include "TJvHidDeviceReadThread.h"

TJvHidDevice::TJvHidDevice() {
  throw EControllerError("Direct creation of a TJvHidDevice object is not allowed");
}

TJvHidDevice::TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> pnpInfo, TJvHidDeviceController* controller)
    : FMyController(controller), FPnPInfo(std::move(pnpInfo)) {
  if (controller) {
    SetDataEvent(controller->OnDeviceData());
    FUnplug = controller->OnDeviceUnplug();
  }
  FHidFileHandle = OpenPath(Q7K_HID_ACCESS_READ | Q7K_HID_ACCESS_WRITE);
  FHasReadWriteAccess = FHidFileHandle >= 0;
  if (!FHasReadWriteAccess) FHidFileHandle = OpenPath(0);
  if (FHidFileHandle < 0) throw EControllerError("device cannot be opened");
  FAttributes.Size = sizeof(Q7kHidAttributes);
  if (!HidGetAttributes(FHidFileHandle, &FAttributes)) {
    CloseFile();
    throw EControllerError("device cannot be identified");
  }
  CloseFile();  // a device at rest holds no open handle
}

TJvHidDevice::~TJvHidDevice() {
  const TJvHidDataEvent data = FData;
  const TJvHidPlugEvent unplug = FUnplug;
  SetDataEvent(nullptr);
  FUnplug = nullptr;
  CloseAllFiles();
  if (FPreparsedData) HidFreePreparsedData(FPreparsedData);
  if (FMyController) FMyController->DeviceDestroyed(this, std::move(FPnPInfo), data, unplug, FThreadSleepTime);
}

int TJvHidDevice::OpenPath(uint32_t access) const {
  return HidOpen(FPnPInfo->DevicePath().toUtf8().constData(), access);
}

void TJvHidDevice::CloseHandle(int& handle) {
  if (handle >= 0) HidClose(handle);
  handle = -1;
}

void TJvHidDevice::CloseAllFiles() {
  CloseFile();
  CloseFileEx(omhRead);
  CloseFileEx(omhWrite);
}

bool TJvHidDevice::IsAccessible() const { return FIsPluggedIn && (FIsCheckedOut || FIsEnumerated); }

bool TJvHidDevice::OpenFile() {
  std::lock_guard lock(FFileLock);
  if (IsAccessible() && FHidFileHandle < 0) {
    FHidFileHandle = OpenPath(Q7K_HID_ACCESS_READ | Q7K_HID_ACCESS_WRITE);
    FHasReadWriteAccess = FHidFileHandle >= 0;
    if (!FHasReadWriteAccess) FHidFileHandle = OpenPath(0);
    if (FHidFileHandle >= 0) {
      if (FNumInputBuffers != 0) HidSetNumInputBuffers(FHidFileHandle, static_cast<uint32_t>(FNumInputBuffers));
      uint32_t count = 0;
      if (HidGetNumInputBuffers(FHidFileHandle, &count)) FNumInputBuffers = static_cast<int32_t>(count);
    }
  }
  return FHidFileHandle >= 0;
}

bool TJvHidDevice::OpenFileEx(TJvHidOpenExMode mode) {
  if (!IsAccessible()) return false;
  if (mode == omhRead) {
    if (FHidOverlappedRead < 0) {
      const int handle = OpenPath(Q7K_HID_ACCESS_READ);
      if (handle >= 0) {
        if (FNumOverlappedBuffers != 0) HidSetNumInputBuffers(handle, static_cast<uint32_t>(FNumOverlappedBuffers));
        uint32_t count = 0;
        if (HidGetNumInputBuffers(handle, &count)) FNumOverlappedBuffers = static_cast<int32_t>(count);
      }
      FHidOverlappedRead = handle;
    }
    return FHidOverlappedRead >= 0;
  }
  std::lock_guard lock(FFileLock);
  if (FHidOverlappedWrite < 0) FHidOverlappedWrite = OpenPath(Q7K_HID_ACCESS_WRITE);
  return FHidOverlappedWrite >= 0;
}

void TJvHidDevice::CloseFile() {
  std::lock_guard lock(FFileLock);
  CloseHandle(FHidFileHandle);
  FNumInputBuffers = 0;
}

void TJvHidDevice::CloseFileEx(TJvHidOpenExMode mode) {
  if (mode == omhRead) {
    // The read thread may be waiting on this handle: it is closed only without a thread
    // (check-in and destruction stop the thread first).
    if (FDataThread) return;
    int handle = FHidOverlappedRead.exchange(-1);
    CloseHandle(handle);
    FNumOverlappedBuffers = 0;
  } else {
    std::lock_guard lock(FFileLock);
    CloseHandle(FHidOverlappedWrite);
  }
}

Q7kHidPreparsed* TJvHidDevice::GetPreparsedData() {
  std::lock_guard lock(FFileLock);  // also asked by the USB link's worker (GetCaps)
  if (!FPreparsedData && OpenFile()) {
    HidGetPreparsedData(FHidFileHandle, &FPreparsedData);
    CloseFile();
  }
  return FPreparsedData;
}

Q7kHidCaps TJvHidDevice::GetCaps() {
  Q7kHidCaps caps{};
  if (Q7kHidPreparsed* data = GetPreparsedData()) HidGetCaps(data, &caps);
  return caps;
}

bool TJvHidDevice::WriteFile(const void* report, uint32_t toWrite, uint32_t& bytesWritten) {
  bytesWritten = 0;
  std::lock_guard lock(FFileLock);
  if (!OpenFile()) return false;
  return HidWrite(FHidFileHandle, report, toWrite, &bytesWritten);
}

bool TJvHidDevice::ReadFile(void* report, uint32_t toRead, uint32_t& bytesRead) {
  bytesRead = 0;
  std::lock_guard lock(FFileLock);
  if (!OpenFile()) return false;
  uint32_t error = 0;
  return HidRead(FHidFileHandle, report, toRead, -1, &bytesRead, &error) == Q7K_HID_IO_DONE;
}

int32_t TJvHidDevice::ReadFileEx(void* report, uint32_t toRead, int32_t waitMs, uint32_t& error) {
  error = 0;
  FOvlReadBytes = 0;
  if (!OpenFileEx(omhRead)) {
    error = ENODEV;
    return Q7K_HID_IO_FAILED;
  }
  uint32_t bytes = 0;
  const int32_t result = HidRead(FHidOverlappedRead, report, toRead, waitMs, &bytes, &error);
  FOvlReadBytes = bytes;
  return result;
}

bool TJvHidDevice::WriteFileEx(const void* report, uint32_t toWrite, const TJvHidCompletion& routine) {
  std::lock_guard lock(FFileLock);
  FOvlWriteBytes = 0;
  if (!OpenFileEx(omhWrite)) return false;
  const bool ok = HidWrite(FHidOverlappedWrite, report, toWrite, &FOvlWriteBytes);
  if (ok && routine) routine(0, FOvlWriteBytes);
  return ok;
}

bool TJvHidDevice::CancelIO(TJvHidOpenExMode mode) {
  if (mode == omhRead) {
    const int handle = FHidOverlappedRead;
    return handle >= 0 && HidCancelRead(handle);
  }
  std::lock_guard lock(FFileLock);
  return FHidOverlappedWrite >= 0;  // writes complete before WriteFileEx returns
}

void TJvHidDevice::SetDataEvent(const TJvHidDataEvent& handler) {
  if (!handler) StopThread();
  FData = handler;
  StartThread();
}

void TJvHidDevice::SetThreadSleepTime(int32_t ms) {
  if (ms >= 10 && ms <= 10000) FThreadSleepTime = ms;
}

void TJvHidDevice::StartThread() {
  if (!FData || !FIsPluggedIn || !FIsCheckedOut || !FHasReadWriteAccess || FDataThread) return;
  // A device without input reports has nothing to read: no thread.
  if (GetCaps().InputReportByteLength == 0) return;
  FDataThread = std::make_unique<TJvHidDeviceReadThread>(this);
  if (!FDataThread->Resume()) FDataThread.reset();
}

void TJvHidDevice::StopThread() {
  if (!FDataThread) return;
  FDataThread->Stop();
  FDataThread.reset();
}

void TJvHidDevice::DoUnplug() {
  {
    std::lock_guard lock(FFileLock);
    FIsPluggedIn = false;  // from now on no handle opens and no write starts
    CloseFile();
    CloseFileEx(omhWrite);
  }
  // The read handle stays open while a read thread may wait on it: the thread is woken,
  // fails its next reads and delivers nothing; the handle closes after it has ended.
  if (FDataThread) CancelIO(omhRead);
  else CloseFileEx(omhRead);
  const TJvHidPlugEvent handler = FUnplug;
  FUnplug = nullptr;
  if (handler) handler(this);  // may check the device in, which destroys it
}

bool TJvHidDevice::CheckOut() {
  if (!FMyController || !FIsPluggedIn || FIsCheckedOut) return false;
  FIsCheckedOut = true;
  FMyController->FNumCheckedOutDevices++;
  FMyController->FNumCheckedInDevices--;
  StartThread();
  return true;
}
