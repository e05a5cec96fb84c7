// Feeds arbitrary file contents to the ".prs" and ".unt" readers: a file is taken only when
// it is exactly one of them, and what is taken is the file's own bytes.
#include "LUnitControl.h"
#include "UnitFiles.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that a read past its end is caught.
  const std::vector<std::uint8_t> bytes(data, data + size);
  const bool magic = size >= LUnitControl::kFileMagicSize &&
                     std::memcmp(data, LUnitControl::kFileMagic, LUnitControl::kFileMagicSize) == 0;
  if (const auto body = UnitFiles::ReadPresetFile(bytes)) {
    if (size != kPresetFileSize || !magic || body->size() != LUnitControl::kPresetBodySize) std::abort();
    if (std::memcmp(body->data(), data + 16, body->size()) != 0) std::abort();
  }
  if (const auto file = UnitFiles::ReadUnitFile(bytes)) {
    if (size != LUnitControl::kUnitFileSize || !magic) std::abort();
    if (std::memcmp(file->info.data(), data + 16, file->info.size()) != 0) std::abort();
    const auto& last = file->records[29];
    if (std::memcmp(last.data(), data + size - last.size(), last.size()) != 0) std::abort();
    if (file->StoredCount() < 0 || file->StoredCount() > 30) std::abort();
  }
  return 0;
}
