#pragma once
// The readers and writers of the files on the PC: the ".prs" preset file (magic, the
// 706-byte body, CR LF) and the ".unt" whole-unit file (magic, the 18 information bytes and
// 30 records of 720 bytes), the extension rule for the names they are saved under, and
// whole-file reading and writing. A reader takes the file's bytes and refuses anything that
// is not exactly such a file; a write goes to a temporary file that replaces the target only
// once it is complete.
#include "LCmd.h"
#include "UnitImage.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

constexpr std::size_t kPresetFileSize = 724;  // magic, body, CR LF
constexpr std::size_t kUnitRecordBytes = 720;

// The contents of a ".unt" file.
struct UnitFileContents {
  DeviceInfoBlock info{};
  std::array<std::array<std::uint8_t, kUnitRecordBytes>, kPresetSlots> records{};

  // Record n (1 to 30) holds a stored preset: its byte 1 is 0xFF.
  bool IsStored(int n) const { return n >= 1 && n <= kPresetSlots && records[std::size_t(n - 1)][1] == 0xFF; }
  int StoredCount() const;
};

namespace UnitFiles {

// The body of a ".prs" file (706 bytes); none unless it is 724 bytes with the magic.
std::optional<ByteArray> ReadPresetFile(std::span<const std::uint8_t> bytes);
// A ".unt" file; none unless it is 21634 bytes with the magic.
std::optional<UnitFileContents> ReadUnitFile(std::span<const std::uint8_t> bytes);

// The chosen name up to a dot followed by the extension (three letters, all small or all
// capital) in its file name; the whole name when there is none.
QString NameBeforeExtension(const QString& chosen, const QString& lower);
// The path a chosen name is written to: the name up to a dot followed by "prs" or "PRS",
// then ".prs"; a name that already ends in ".prs" or ".PRS" is kept as it is.
QString PresetFilePath(const QString& chosen);

// The file's bytes, at most `limit` + 1 of them (so that a longer file shows as too long);
// none for a directory or a file that cannot be read.
std::optional<ByteArray> ReadWholeFile(const QString& path, std::size_t limit);
// Writes the bytes to a temporary file beside `path` and renames it to `path`; false (and
// no file changed) when that cannot be done.
bool WriteWholeFile(const QString& path, std::span<const std::uint8_t> bytes);

}  // namespace UnitFiles
