#include "HidSysfs.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace HidSysfs {

namespace {

std::string EnvOr(const char* name, const char* fallback) {
  const char* v = std::getenv(name);
  return v && *v ? v : fallback;
}

uint32_t Fnv1a(const std::string& text) {
  uint32_t h = 2166136261u;
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  return h;
}

// "hidraw12" -> 12, for ordering; names without a number sort last.
long NodeNumber(const std::string& name) {
  const auto digits = name.find_first_of("0123456789");
  if (digits == std::string::npos) return LONG_MAX;
  return std::strtol(name.c_str() + digits, nullptr, 10);
}

std::string Basename(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string SysfsRoot() { return EnvOr("Q7K_HID_SYSFS", "/sys"); }
std::string DevRoot() { return EnvOr("Q7K_HID_DEVROOT", "/dev"); }

std::string ReadFile(const std::string& path, size_t limit) {
  std::string out;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return out;
  char buf[4096];
  while (out.size() < limit) {
    const ssize_t n = ::read(fd, buf, std::min(sizeof buf, limit - out.size()));
    if (n <= 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return out;
}

bool Find(const std::string& name, HidSysfsEntry& entry) {
  if (name.empty() || name[0] == '.' || name.find('/') != std::string::npos) return false;
  const std::string link = SysfsRoot() + "/class/hidraw/" + name + "/device";
  char resolved[PATH_MAX];
  if (!::realpath(link.c_str(), resolved)) return false;
  entry.Name = name;
  entry.DevicePath = DevRoot() + "/" + name;
  entry.DeviceDir = resolved;
  entry.DeviceID = Fnv1a(name + "|" + Basename(entry.DeviceDir));
  return true;
}

std::vector<HidSysfsEntry> List() {
  std::vector<HidSysfsEntry> entries;
  const std::string dir = SysfsRoot() + "/class/hidraw";
  DIR* d = ::opendir(dir.c_str());
  if (!d) return entries;
  while (const dirent* e = ::readdir(d)) {
    HidSysfsEntry entry;
    if (Find(e->d_name, entry)) entries.push_back(std::move(entry));
  }
  ::closedir(d);
  std::sort(entries.begin(), entries.end(), [](const HidSysfsEntry& a, const HidSysfsEntry& b) {
    const long na = NodeNumber(a.Name), nb = NodeNumber(b.Name);
    return na != nb ? na < nb : a.Name < b.Name;
  });
  return entries;
}

std::map<std::string, std::string> ReadUevent(const std::string& dir) {
  std::map<std::string, std::string> values;
  const std::string text = ReadFile(dir + "/uevent");
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const auto eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    start = end + 1;
  }
  return values;
}

bool ParseHidId(const std::string& text, HidUeventIds& ids) {
  unsigned long parts[3];
  const char* p = text.c_str();
  for (int i = 0; i < 3; ++i) {
    char* end = nullptr;
    parts[i] = std::strtoul(p, &end, 16);
    if (end == p || (i < 2 && *end != ':') || (i == 2 && *end != '\0')) return false;
    p = end + 1;
  }
  if (parts[1] > 0xFFFFFFFFul || parts[2] > 0xFFFFFFFFul) return false;
  ids.Bus = static_cast<uint32_t>(parts[0]);
  ids.VendorID = static_cast<uint16_t>(parts[1]);
  ids.ProductID = static_cast<uint16_t>(parts[2]);
  return true;
}

std::string UsbDeviceAttribute(const std::string& dir, const std::string& file) {
  std::string d = dir;
  for (int level = 0; level < 5 && !d.empty(); ++level) {
    if (::access((d + "/idVendor").c_str(), F_OK) == 0) {
      std::string text = ReadFile(d + "/" + file, 4096);
      const auto nl = text.find('\n');
      if (nl != std::string::npos) text.resize(nl);
      return text;
    }
    const auto slash = d.find_last_of('/');
    if (slash == std::string::npos || slash == 0) break;
    d.resize(slash);
  }
  return {};
}

std::vector<uint8_t> ReadReportDescriptor(const std::string& deviceDir) {
  const std::string text = ReadFile(deviceDir + "/report_descriptor", 4096);
  return std::vector<uint8_t>(text.begin(), text.end());
}

bool CopyUtf16(const std::string& utf8, char16_t* buf, uint32_t size) {
  const uint32_t units = size / 2;
  if (units == 0) return false;
  uint32_t out = 0;
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    uint32_t cp = 0xFFFD;
    size_t n = 1;
    if (c < 0x80) cp = c;
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; n = 2; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; n = 3; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; n = 4; }
    if (n > 1) {
      if (i + n > utf8.size()) { cp = 0xFFFD; n = utf8.size() - i; }
      else for (size_t k = 1; k < n; ++k) {
        const unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
        if ((cc & 0xC0) != 0x80) { cp = 0xFFFD; n = k; break; }
        cp = (cp << 6) | (cc & 0x3F);
      }
    }
    i += n;
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    const uint32_t need = cp >= 0x10000 ? 2 : 1;
    if (out + need >= units) break;  // keep room for the terminator
    if (cp >= 0x10000) {
      cp -= 0x10000;
      buf[out++] = static_cast<char16_t>(0xD800 + (cp >> 10));
      buf[out++] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      buf[out++] = static_cast<char16_t>(cp);
    }
  }
  buf[out] = 0;
  return true;
}

}  // namespace HidSysfs
