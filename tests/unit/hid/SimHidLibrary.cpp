// The entry points of the simulated HID library (see HidApi.h) and its control functions.
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <sys/eventfd.h>
#include <unistd.h>

#include "HidApi.h"
#include "SimHidDevice.h"

struct Q7kHidSet {
  bool present = false;
  uint32_t deviceId = 0;
  std::string path;
};

struct Q7kHidPreparsed {
  Q7kHidCaps caps;
};

namespace {

constexpr size_t kDataLength = SimHid::kReportLength - 1;

struct Handle {
  uint32_t generation = 0;  // the plug-in it was opened for
  uint32_t access = 0;
  bool cancel = false;
};

struct Device {
  std::mutex mutex;
  std::condition_variable changed;
  bool plugged = false;
  uint32_t generation = 0;  // new at each plug-in; also the interface's identifier
  std::deque<std::vector<uint8_t>> input;
  std::vector<std::vector<uint8_t>> written;
  std::function<void(const uint8_t*, size_t)> sink;
  std::map<int, Handle> handles;
  int nextHandle = 100;
  bool notices = true;
  int noticeFd = -1;
  uint16_t inputLength = SimHid::kReportLength;
  uint16_t outputLength = SimHid::kReportLength;
  bool readWrite = true;
};

Device& Dev() {
  static Device device;
  return device;
}

std::string PathOf(uint32_t generation) { return "/dev/simhid/" + std::to_string(generation); }

void Announce(Device& d) {
  if (d.noticeFd < 0) return;
  const uint64_t one = 1;
  (void)!::write(d.noticeFd, &one, sizeof one);
}

// The handle when it belongs to the device as plugged in now; caller holds the mutex.
Handle* Live(Device& d, int handle) {
  const auto it = d.handles.find(handle);
  if (it == d.handles.end() || !d.plugged || it->second.generation != d.generation) return nullptr;
  return &it->second;
}

bool CopyText(const std::string& text, void* buf, uint32_t size, uint32_t* required) {
  const uint32_t length = static_cast<uint32_t>(text.size() + 1);
  if (required) *required = length;
  if (!buf || size < length) return false;
  std::memcpy(buf, text.c_str(), length);
  return true;
}

bool CopyUtf16(const char* text, char16_t* buf, uint32_t size) {
  const size_t n = std::strlen(text);
  if (!buf || size < 2 * (n + 1)) return false;
  for (size_t i = 0; i <= n; ++i) buf[i] = static_cast<unsigned char>(text[i]);
  return true;
}

}  // namespace

namespace SimHid {

void Reset() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  d.plugged = false;
  d.input.clear();
  d.written.clear();
  d.sink = nullptr;
  d.notices = true;
  d.inputLength = d.outputLength = SimHid::kReportLength;
  d.readWrite = true;
  d.changed.notify_all();
}

void Plug() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  d.plugged = true;
  d.generation++;
  d.input.clear();
  Announce(d);
}

void Unplug() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!d.plugged) return;
  d.plugged = false;
  d.input.clear();
  d.changed.notify_all();
  Announce(d);
}

bool IsPlugged() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  return d.plugged;
}

void SetNoticesAvailable(bool available) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  d.notices = available;
}

void SetWriteSink(std::function<void(const uint8_t*, size_t)> sink) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  d.sink = std::move(sink);
}

std::vector<std::vector<uint8_t>> WrittenReports() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  return d.written;
}

void PushInput(const uint8_t* data, size_t size) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!d.plugged) return;
  size_t done = 0;
  do {
    std::vector<uint8_t> report(kReportLength, 0);
    const size_t n = std::min(kDataLength, size - done);
    if (n) std::memcpy(report.data() + 1, data + done, n);
    d.input.push_back(std::move(report));
    done += n;
  } while (done < size);
  d.changed.notify_all();
}

size_t QueuedInput() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  return d.input.size();
}

void SetReportLengths(uint16_t input, uint16_t output) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  d.inputLength = input;
  d.outputLength = output;
}

void SetReadWriteAccess(bool allowed) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  d.readWrite = allowed;
}

int OpenHandles() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  return static_cast<int>(d.handles.size());
}

}  // namespace SimHid

extern "C" {

SIMHID_API Q7kHidSet* q7k_hid_enum_open() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  return new Q7kHidSet{d.plugged, d.generation, PathOf(d.generation)};
}

SIMHID_API bool q7k_hid_enum_interface(Q7kHidSet* set, uint32_t index, Q7kHidInterfaceData* data) {
  if (!set || !set->present || index != 0 || !data || data->Size != sizeof(Q7kHidInterfaceData)) return false;
  data->DeviceID = set->deviceId;
  return true;
}

SIMHID_API bool q7k_hid_enum_path(Q7kHidSet* set, uint32_t index, char* buf, uint32_t size, uint32_t* required) {
  if (!set || !set->present || index != 0) return false;
  return CopyText(set->path, buf, size, required);
}

SIMHID_API bool q7k_hid_enum_property(Q7kHidSet* set, uint32_t index, uint32_t property, void* buf,
                                      uint32_t size, uint32_t* required) {
  if (!set || !set->present || index != 0) return false;
  switch (property) {
    case Q7K_HID_PROP_CLASS: return CopyText("hidraw", buf, size, required);
    case Q7K_HID_PROP_DEVICE_DESCR: return CopyText("Q7K DSP Processor (simulated)", buf, size, required);
    case Q7K_HID_PROP_ENUMERATOR: return CopyText("USB", buf, size, required);
    default: return false;
  }
}

SIMHID_API void q7k_hid_enum_close(Q7kHidSet* set) { delete set; }

SIMHID_API int q7k_hid_monitor_open() {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!d.notices || d.noticeFd >= 0) return -1;  // one listener at a time
  d.noticeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  return d.noticeFd;
}

SIMHID_API bool q7k_hid_monitor_read(int fd) {
  uint64_t count = 0;
  return ::read(fd, &count, sizeof count) == sizeof count && count > 0;
}

SIMHID_API void q7k_hid_monitor_close(int fd) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (fd >= 0 && fd == d.noticeFd) {
    ::close(fd);
    d.noticeFd = -1;
  }
}

SIMHID_API int q7k_hid_open(const char* path, uint32_t access) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!path || !d.plugged || path != PathOf(d.generation)) return -1;
  if (access != 0 && !d.readWrite) return -1;
  const int handle = d.nextHandle++;
  d.handles[handle] = Handle{d.generation, access, false};
  return handle;
}

SIMHID_API void q7k_hid_close(int handle) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  d.handles.erase(handle);
  d.changed.notify_all();
}

SIMHID_API bool q7k_hid_get_attributes(int handle, Q7kHidAttributes* attributes) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!Live(d, handle) || !attributes || attributes->Size != sizeof(Q7kHidAttributes)) return false;
  attributes->VendorID = SimHid::kVendorID;
  attributes->ProductID = SimHid::kProductID;
  attributes->VersionNumber = 0x0103;
  return true;
}

SIMHID_API bool q7k_hid_get_preparsed_data(int handle, Q7kHidPreparsed** data) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!data) return false;
  *data = nullptr;
  if (!Live(d, handle)) return false;
  *data = new Q7kHidPreparsed{{0x0001, 0xFF00, d.inputLength, d.outputLength, 0, 1}};
  return true;
}

SIMHID_API bool q7k_hid_free_preparsed_data(Q7kHidPreparsed* data) {
  delete data;
  return data != nullptr;
}

SIMHID_API uint32_t q7k_hid_get_caps(const Q7kHidPreparsed* data, Q7kHidCaps* caps) {
  if (!data || !caps) return Q7K_HIDP_STATUS_INVALID_PREPARSED_DATA;
  *caps = data->caps;
  return Q7K_HIDP_STATUS_SUCCESS;
}

SIMHID_API bool q7k_hid_get_num_input_buffers(int handle, uint32_t* count) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!Live(d, handle) || !count) return false;
  *count = 64;
  return true;
}

SIMHID_API bool q7k_hid_set_num_input_buffers(int, uint32_t count) { return count == 64; }

SIMHID_API bool q7k_hid_write(int handle, const void* report, uint32_t size, uint32_t* written) {
  std::function<void(const uint8_t*, size_t)> sink;
  std::vector<uint8_t> frame;
  if (written) *written = 0;
  {
    Device& d = Dev();
    std::lock_guard lock(d.mutex);
    const Handle* h = Live(d, handle);
    if (!h || !(h->access & Q7K_HID_ACCESS_WRITE) || !report || size != d.outputLength || size < 6) return false;
    const auto* bytes = static_cast<const uint8_t*>(report);
    d.written.emplace_back(bytes, bytes + size);
    if (bytes[0] != 0) return false;  // the device has report 0 only
    // The device takes one frame per report: its length is byte 4 + 8.
    const size_t length = std::min<size_t>(size - 1, size_t(bytes[1 + 4]) + 8);
    frame.assign(bytes + 1, bytes + 1 + length);
    sink = d.sink;
    if (written) *written = size;
  }
  if (sink) sink(frame.data(), frame.size());
  return true;
}

SIMHID_API int32_t q7k_hid_read(int handle, void* report, uint32_t size, int32_t timeout_ms, uint32_t* bytes_read,
                                uint32_t* error) {
  uint32_t n = 0, e = 0;
  uint32_t& bytes = bytes_read ? *bytes_read : n;
  uint32_t& err = error ? *error : e;
  bytes = 0;
  err = 0;
  Device& d = Dev();
  std::unique_lock lock(d.mutex);
  const auto ready = [&] {
    const auto it = d.handles.find(handle);
    return it == d.handles.end() || it->second.cancel || !Live(d, handle) || !d.input.empty();
  };
  if (timeout_ms < 0) d.changed.wait(lock, ready);
  else if (!d.changed.wait_for(lock, std::chrono::milliseconds(timeout_ms), ready)) return Q7K_HID_IO_PENDING;
  const auto it = d.handles.find(handle);
  if (it != d.handles.end() && it->second.cancel) {
    it->second.cancel = false;
    err = ECANCELED;
    return Q7K_HID_IO_FAILED;
  }
  const Handle* h = Live(d, handle);
  if (!h || !(h->access & Q7K_HID_ACCESS_READ) || !report) {
    err = ENODEV;
    return Q7K_HID_IO_FAILED;
  }
  const std::vector<uint8_t> next = std::move(d.input.front());
  d.input.pop_front();
  bytes = std::min<uint32_t>(size, static_cast<uint32_t>(next.size()));
  std::memcpy(report, next.data(), bytes);
  return Q7K_HID_IO_DONE;
}

SIMHID_API bool q7k_hid_cancel_read(int handle) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  const auto it = d.handles.find(handle);
  if (it == d.handles.end()) return false;
  it->second.cancel = true;
  d.changed.notify_all();
  return true;
}

SIMHID_API bool q7k_hid_get_manufacturer_string(int handle, char16_t* buf, uint32_t size) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  return Live(d, handle) && CopyUtf16("Q7K", buf, size);
}

SIMHID_API bool q7k_hid_get_product_string(int handle, char16_t* buf, uint32_t size) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  return Live(d, handle) && CopyUtf16("DSP Processor", buf, size);
}

SIMHID_API bool q7k_hid_flush_queue(int handle) {
  Device& d = Dev();
  std::lock_guard lock(d.mutex);
  if (!Live(d, handle)) return false;
  d.input.clear();
  return true;
}

SIMHID_API bool q7k_hid_get_feature(int, void*, uint32_t) { return false; }
SIMHID_API bool q7k_hid_set_feature(int, void*, uint32_t) { return false; }
SIMHID_API bool q7k_hid_get_input_report(int, void*, uint32_t) { return false; }
SIMHID_API bool q7k_hid_set_output_report(int, void*, uint32_t) { return false; }

}  // extern "C"
