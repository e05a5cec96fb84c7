// The device a borrower holds between its check-out and its check-in, shared with a
// writer on another thread (the USB link's worker). Whether a device is held and the
// report write are one step under the slot's lock, and releasing the device waits for a
// write in progress, so no write starts or runs on a device after it was let go.
#pragma once

#include <cstdint>
#include <mutex>

class TJvHidDevice;

class HidDeviceSlot {
 public:
  // GUI thread.
  void Hold(TJvHidDevice* device);
  // GUI thread: empties the slot and returns what it held; call before checking it in.
  TJvHidDevice* Release();
  TJvHidDevice* Device() const;

  // Any thread: one output report, report ID 0 followed by the frame and zero padding, of
  // the device's output report length. False when no device is held (nothing written);
  // a write the device refuses still counts as done.
  bool WriteReport(const std::uint8_t* frame, int count);

 private:
  mutable std::mutex lock_;
  TJvHidDevice* device_ = nullptr;
};
