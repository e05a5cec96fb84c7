#include "TJvHidDeviceReadThread.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "HidErrors.h"
#include "messages/MessageTarget.h"
#include "TJvHidDevice.h"

TJvHidDeviceReadThread::TJvHidDeviceReadThread(TJvHidDevice* device) : Device(device) {
  if (!device) throw EControllerError("Direct creation of a TJvDeviceReadThread object is not allowed");
  Report.resize(device->GetCaps().InputReportByteLength);
  FTarget = std::make_unique<MessageTarget>();
}

TJvHidDeviceReadThread::~TJvHidDeviceReadThread() { Stop(); }

bool TJvHidDeviceReadThread::Resume() {
  return FThread.Start([this] { Execute(); });
}

void TJvHidDeviceReadThread::Terminate() {
  {
    std::lock_guard lock(FPauseLock);
    FTerminated = true;
  }
  FPauseWake.notify_all();
  FHandOver.Abandon();
  const int handle = Device->FHidOverlappedRead;
  if (handle >= 0) Device->CancelIO(omhRead);
}

void TJvHidDeviceReadThread::Stop() {
  if (!FThread.Started()) return;
  Terminate();
  FThread.Join();
}

void TJvHidDeviceReadThread::Pause(int32_t ms) {
  std::unique_lock lock(FPauseLock);
  FPauseWake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return FTerminated.load(); });
}

void TJvHidDeviceReadThread::Execute() {
  while (!FTerminated) {
    std::fill(Report.begin(), Report.end(), 0);
    uint32_t error = 0;
    const int32_t result =
        Device->ReadFileEx(Report.data(), static_cast<uint32_t>(Report.size()), Device->ThreadSleepTime(), error);
    if (FTerminated) break;
    if (result == Q7K_HID_IO_PENDING) continue;  // one slice passed without a report
    if (result == Q7K_HID_IO_FAILED) {
      if (error == ECANCELED) continue;  // woken: look at the stop request again
      FErr = error;
      FHandOver.Run(FTarget.get(), [this] { DoDataError(); });
      // An unplugged device fails every read until it is checked in: wait a slice
      // instead of trying again at once.
      Pause(Device->ThreadSleepTime());
      continue;
    }
    NumBytesRead = Device->GetOverlappedReadResult();
    if (NumBytesRead > 0) {
      FHandOver.Run(FTarget.get(), [this] { DoData(); });
    } else {
      Pause(Device->ThreadSleepTime());  // a file at its end reads 0 bytes at once
    }
  }
  FHandOver.SenderDone();
}

// GUI thread, while the read thread waits. The handler may check the device in, which
// destroys this thread object: nothing here touches it after the handler.
void TJvHidDeviceReadThread::DoData() {
  if (!Device->IsPluggedIn()) return;  // nothing is delivered after an unplug
  const TJvHidDataEvent handler = Device->OnData();
  if (handler) handler(Device, Report[0], Report.data() + 1, static_cast<uint16_t>(NumBytesRead - 1));
}

void TJvHidDeviceReadThread::DoDataError() {
  const TJvHidDataErrorEvent handler = Device->OnDataError();
  if (handler) handler(Device, FErr);
}
