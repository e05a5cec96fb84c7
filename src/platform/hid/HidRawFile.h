// The library's open hidraw files. A handle is the file's descriptor; beside it the
// library keeps what a read needs: whether the device numbers its reports (if not, a
// read puts report ID 0 in front, so the caller always sees the ID followed by the data)
// and a wake-up descriptor that ends a waiting read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace HidRawFile {

// Opens the node with Q7K_HID_ACCESS_* bits; 0 opens it for queries only. -1 on failure.
int Open(const std::string& path, uint32_t access);
// Takes over a descriptor that carries one report per read (tests use a socket pair).
int Adopt(int fd, bool numberedReports);
void Close(int handle);
bool IsOpen(int handle);

// The node's name ("hidraw3") for sysfs look-ups; empty for adopted descriptors.
std::string NodeName(int handle);

// The device's report descriptor: from the node, or from sysfs when the node refuses.
std::vector<uint8_t> ReportDescriptor(int handle);

// One report, report ID byte first (Q7K_HID_IO_* result).
int32_t Read(int handle, void* report, uint32_t size, int32_t timeoutMs, uint32_t* bytesRead,
             uint32_t* error);
bool Write(int handle, const void* report, uint32_t size, uint32_t* written);
// Wakes a read waiting on the handle; it ends with ECANCELED.
bool CancelRead(int handle);
// Drops the input reports queued on the handle.
bool Flush(int handle);

}  // namespace HidRawFile
