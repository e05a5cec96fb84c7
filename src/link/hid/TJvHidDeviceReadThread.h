// The read thread of a lent-out device: reads one input report at a time, waiting in
// slices of the device's ThreadSleepTime, and hands each report to the GUI thread,
// blocking until the device's data handler has run there.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "messages/HandOver.h"
#include "thread/WorkerThread.h"

class MessageTarget;
class TJvHidDevice;

class TJvHidDeviceReadThread {
 public:
  // Made by its device on the GUI thread, not yet running; raises EControllerError
  // without a device. The buffer is sized to the device's input report length.
  explicit TJvHidDeviceReadThread(TJvHidDevice* device);
  ~TJvHidDeviceReadThread();  // stops and joins the thread
  TJvHidDeviceReadThread(const TJvHidDeviceReadThread&) = delete;
  TJvHidDeviceReadThread& operator=(const TJvHidDeviceReadThread&) = delete;

  bool Resume();
  // GUI thread: asks the thread to stop and wakes it; hand-overs not yet begun are
  // dropped, so the thread cannot wait for the GUI thread any more.
  void Terminate();
  // GUI thread: Terminate, then wait until the thread has ended.
  void Stop();

  uint32_t FErr = 0;
  TJvHidDevice* Device = nullptr;
  uint32_t NumBytesRead = 0;
  std::vector<uint8_t> Report;

 private:
  void Execute();
  void DoData();
  void DoDataError();
  // Waits one slice or until told to stop.
  void Pause(int32_t ms);

  std::unique_ptr<MessageTarget> FTarget;  // on the GUI thread
  HandOver FHandOver;
  WorkerThread FThread;
  std::atomic<bool> FTerminated{false};
  std::mutex FPauseLock;
  std::condition_variable FPauseWake;
};
