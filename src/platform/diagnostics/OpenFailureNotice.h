#pragma once
// A device node the user may not open (a HID node without the access rule, a serial port
// without the group that owns it) otherwise shows only as silence and time-outs: say once
// per node on stderr which node it is and why.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>
#include <string>

// Called after a failed open of `node` with the open's errno; only a lack of permission is
// told, and only the first time for each node.
inline void NoticeOpenFailure(const std::string& node, int error) {
  if (error != EACCES && error != EPERM) return;
  static std::mutex mutex;
  static std::set<std::string> told;
  std::lock_guard lock(mutex);
  if (!told.insert(node).second) return;
  std::fprintf(stderr, "cannot open %s: %s\n", node.c_str(), std::strerror(error));
}
