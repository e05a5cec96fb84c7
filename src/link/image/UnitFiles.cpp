#include "UnitFiles.h"

#include "LUnitControl.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

int UnitFileContents::StoredCount() const {
  int n = 0;
  for (int r = 1; r <= kPresetSlots; ++r) n += IsStored(r) ? 1 : 0;
  return n;
}

namespace UnitFiles {

namespace {
bool HasMagic(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= LUnitControl::kFileMagicSize &&
         std::memcmp(bytes.data(), LUnitControl::kFileMagic, LUnitControl::kFileMagicSize) == 0;
}
}  // namespace

std::optional<ByteArray> ReadPresetFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kPresetFileSize || !HasMagic(bytes)) return std::nullopt;
  const auto body = bytes.subspan(LUnitControl::kFileMagicSize, LUnitControl::kPresetBodySize);
  return ByteArray(body.begin(), body.end());
}

std::optional<UnitFileContents> ReadUnitFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != LUnitControl::kUnitFileSize || !HasMagic(bytes)) return std::nullopt;
  UnitFileContents file;
  std::size_t at = LUnitControl::kFileMagicSize;
  std::copy_n(bytes.begin() + at, kDeviceInfoSize, file.info.begin());
  at += kDeviceInfoSize;
  for (auto& record : file.records) {
    std::copy_n(bytes.begin() + at, kUnitRecordBytes, record.begin());
    at += kUnitRecordBytes;
  }
  return file;
}

QString NameBeforeExtension(const QString& chosen, const QString& lower) {
  // Only the file name is looked at: a folder named like "x.untested" stays as it is.
  const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
  const QString upper = lower.toUpper();
  for (qsizetype i = nameStart; i < chosen.size(); ++i) {
    if (chosen[i] != QLatin1Char('.')) continue;
    const QString next = chosen.mid(i + 1, 3);
    if (next == lower || next == upper) return chosen.left(i);
  }
  return chosen;
}

QString PresetFilePath(const QString& chosen) {
  const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
  if (chosen.size() - nameStart > 4 &&
      (chosen.endsWith(QLatin1String(".prs")) || chosen.endsWith(QLatin1String(".PRS"))))
    return chosen;
  return NameBeforeExtension(chosen, QStringLiteral("prs")) + QLatin1String(".prs");
}

std::optional<ByteArray> ReadWholeFile(const QString& path, std::size_t limit) {
  if (QFileInfo(path).isDir()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray data = file.read(qint64(limit) + 1);
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return ByteArray(data.begin(), data.end());
}

bool WriteWholeFile(const QString& path, std::span<const std::uint8_t> bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace UnitFiles
