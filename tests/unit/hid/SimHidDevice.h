// Control of the simulated HID device: the library libq7ksimhid.so offers the HID
// library's entry points for one device (vendor 0x0168, product 0x0821, 64-byte reports,
// 65 with the report ID byte) that tests plug in and out. Tests link the library and also
// have the HID layer load it (Q7K_HID_LIBRARY), so both see the same device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#define SIMHID_API __attribute__((visibility("default")))

namespace SimHid {

constexpr uint16_t kVendorID = 0x0168;
constexpr uint16_t kProductID = 0x0821;
constexpr uint32_t kReportLength = 65;  // report ID byte + 64 data bytes

// Unplugs, forgets reports and the write sink, and restores notices, report lengths and access.
SIMHID_API void Reset();
// The device appears as a new interface (a new identifier and device path); each change
// is announced on the notice descriptor.
SIMHID_API void Plug();
// The device goes: every open handle fails from now on and a waiting read ends.
SIMHID_API void Unplug();
SIMHID_API bool IsPlugged();
// Without notices the HID layer falls back to rescanning.
SIMHID_API void SetNoticesAvailable(bool available);

// Receives the frame of every report written (the bytes after the report ID, up to the
// frame's length from its byte 4), on the writing thread.
SIMHID_API void SetWriteSink(std::function<void(const uint8_t* frame, size_t size)> sink);
// Every report written, as written (report ID byte first).
SIMHID_API std::vector<std::vector<uint8_t>> WrittenReports();
// Queues input reports carrying `data` (report ID 0, then up to 64 bytes each, zero-padded).
SIMHID_API void PushInput(const uint8_t* data, size_t size);
// Input reports waiting to be read.
SIMHID_API size_t QueuedInput();
// The report lengths the device describes (65 and 65 after Reset).
SIMHID_API void SetReportLengths(uint16_t input, uint16_t output);
// Whether the device can be opened for reading and writing (else for queries only).
SIMHID_API void SetReadWriteAccess(bool allowed);
// Handles the HID layer holds open.
SIMHID_API int OpenHandles();

}  // namespace SimHid
