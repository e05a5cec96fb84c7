// Arrival and removal notices of hidraw interfaces from the uevent netlink socket.
#pragma once

#include <cstddef>

namespace HidUeventMonitor {

// A non-blocking socket subscribed to the kernel's uevents, or -1 when unavailable.
int Open();
// Reads every pending message; true when one of them adds or removes a hidraw node.
bool ReadPending(int fd);
void Close(int fd);

// One uevent message, the kernel's ("add@/devices/...\0ACTION=add\0SUBSYSTEM=hidraw\0...")
// or udev's (a header, then the same fields): true when it adds or removes a hidraw node.
bool IsHidrawChange(const char* message, size_t size);

}  // namespace HidUeventMonitor
