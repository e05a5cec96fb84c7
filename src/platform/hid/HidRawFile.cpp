#include "HidRawFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

#include <linux/hidraw.h>

#include "HidApi.h"
#include "HidReportDescriptor.h"
#include "HidSysfs.h"
#include "diagnostics/OpenFailureNotice.h"

namespace HidRawFile {

namespace {

struct File {
  int fd = -1;
  int wake = -1;
  bool numbered = false;
  std::string node;
  ~File() {
    if (wake >= 0) ::close(wake);
    if (fd >= 0) ::close(fd);
  }
};

std::mutex mutex;
std::map<int, std::shared_ptr<File>> files;

std::shared_ptr<File> Get(int handle) {
  std::lock_guard lock(mutex);
  const auto it = files.find(handle);
  return it == files.end() ? nullptr : it->second;
}

int Register(std::shared_ptr<File> file) {
  file->wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (file->wake < 0) return -1;
  const int handle = file->fd;
  std::lock_guard lock(mutex);
  files[handle] = std::move(file);
  return handle;
}

// The report descriptor from the node, or from sysfs when the node refuses the request.
std::vector<uint8_t> Descriptor(int fd, const std::string& node) {
  int size = 0;
  if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
    hidraw_report_descriptor d{};
    d.size = static_cast<uint32_t>(size);
    if (::ioctl(fd, HIDIOCGRDESC, &d) == 0) return std::vector<uint8_t>(d.value, d.value + size);
  }
  HidSysfsEntry entry;
  if (HidSysfs::Find(node, entry)) return HidSysfs::ReadReportDescriptor(entry.DeviceDir);
  return {};
}

std::string Basename(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int Open(const std::string& path, uint32_t access) {
  int flags = O_CLOEXEC | O_NONBLOCK;
  const bool read = access & Q7K_HID_ACCESS_READ, write = access & Q7K_HID_ACCESS_WRITE;
  if (read && write) flags |= O_RDWR;
  else if (write) flags |= O_WRONLY;
  else if (read) flags |= O_RDONLY;
  else flags = O_PATH | O_CLOEXEC;  // queries only: no access rights needed on the node
  auto file = std::make_shared<File>();
  file->fd = ::open(path.c_str(), flags);
  if (file->fd < 0) {
    NoticeOpenFailure(path, errno);
    return -1;
  }
  file->node = Basename(path);
  if (read) {
    const std::vector<uint8_t> d = Descriptor(file->fd, file->node);
    HidReportDescriptor parsed;
    parsed.Parse(d.data(), d.size());
    file->numbered = parsed.NumberedReports;
  }
  return Register(std::move(file));
}

int Adopt(int fd, bool numberedReports) {
  if (fd < 0) return -1;
  auto file = std::make_shared<File>();
  file->fd = fd;
  file->numbered = numberedReports;
  return Register(std::move(file));
}

void Close(int handle) {
  std::shared_ptr<File> file;
  {
    std::lock_guard lock(mutex);
    const auto it = files.find(handle);
    if (it == files.end()) return;
    file = std::move(it->second);
    files.erase(it);
  }
  // A read still running on another thread keeps the file alive until it returns.
  const uint64_t one = 1;
  (void)!::write(file->wake, &one, sizeof one);
}

std::vector<uint8_t> ReportDescriptor(int handle) {
  const auto file = Get(handle);
  return file ? Descriptor(file->fd, file->node) : std::vector<uint8_t>();
}

bool IsOpen(int handle) { return Get(handle) != nullptr; }

std::string NodeName(int handle) {
  const auto file = Get(handle);
  return file ? file->node : std::string();
}

int32_t Read(int handle, void* report, uint32_t size, int32_t timeoutMs, uint32_t* bytesRead,
             uint32_t* error) {
  *bytesRead = 0;
  *error = 0;
  const auto file = Get(handle);
  if (!file || size == 0) {
    *error = file ? EINVAL : EBADF;
    return Q7K_HID_IO_FAILED;
  }
  pollfd fds[2] = {{file->fd, POLLIN, 0}, {file->wake, POLLIN, 0}};
  const int ready = ::poll(fds, 2, timeoutMs < 0 ? -1 : timeoutMs);
  if (ready < 0) {
    *error = static_cast<uint32_t>(errno);
    return errno == EINTR ? Q7K_HID_IO_PENDING : Q7K_HID_IO_FAILED;
  }
  if (fds[1].revents & POLLIN) {
    uint64_t count;
    (void)!::read(file->wake, &count, sizeof count);
    *error = ECANCELED;
    return Q7K_HID_IO_FAILED;
  }
  if (ready == 0) return Q7K_HID_IO_PENDING;
  auto* out = static_cast<uint8_t*>(report);
  const size_t skip = file->numbered ? 0 : 1;  // room for the report ID 0
  if (size <= skip) {
    *error = EINVAL;
    return Q7K_HID_IO_FAILED;
  }
  const ssize_t n = ::read(file->fd, out + skip, size - skip);
  if (n < 0) {
    if (errno == EAGAIN || errno == EINTR) return Q7K_HID_IO_PENDING;
    *error = static_cast<uint32_t>(errno);
    return Q7K_HID_IO_FAILED;
  }
  if (n > 0 && skip) out[0] = 0;
  *bytesRead = n > 0 ? static_cast<uint32_t>(n + skip) : 0;
  return Q7K_HID_IO_DONE;
}

bool Write(int handle, const void* report, uint32_t size, uint32_t* written) {
  *written = 0;
  const auto file = Get(handle);
  if (!file || size == 0) return false;
  // The node takes the report ID byte first (0 for devices without numbered reports).
  // A full output queue is waited for, so one call writes one whole report.
  for (;;) {
    const ssize_t n = ::write(file->fd, report, size);
    if (n >= 0) {
      *written = static_cast<uint32_t>(n);
      return static_cast<uint32_t>(n) == size;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN) return false;
    pollfd p{file->fd, POLLOUT, 0};
    if (::poll(&p, 1, 1000) <= 0) return false;
  }
}

bool CancelRead(int handle) {
  const auto file = Get(handle);
  if (!file) return false;
  const uint64_t one = 1;
  return ::write(file->wake, &one, sizeof one) == sizeof one;
}

bool Flush(int handle) {
  const auto file = Get(handle);
  if (!file) return false;
  uint8_t buf[4096];
  for (;;) {
    const ssize_t n = ::read(file->fd, buf, sizeof buf);
    if (n > 0) continue;
    return n == 0 || errno == EAGAIN;
  }
}

}  // namespace HidRawFile
