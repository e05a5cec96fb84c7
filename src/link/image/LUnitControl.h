#pragma once
// The live parameter image of the unit, with its setters that write the image and send the
// change, and the bulk transfers: pieces from the unit, preset flags and names, unit
// information, the preset-file body, the whole-unit file and channel copy.
#include "LCmd.h"
#include "UnitHost.h"
#include "UnitImage.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>

class LUnitControl {
 public:
  static constexpr std::size_t kPieceSize = 50;
  static constexpr int kPieceCount = 15;
  static constexpr int kLastPiece = kPieceCount - 1;
  static constexpr std::size_t kPresetBodySize = 706;  // image bytes 2 to 707
  static constexpr std::size_t kPresetBodyOffset = 2;
  static constexpr std::size_t kUnitRecordSize = 720;
  static constexpr std::size_t kUnitFileSize = 21634;
  static constexpr char kFileMagic[] = "*****Q7KV010****";
  static constexpr std::size_t kFileMagicSize = 16;
  static constexpr std::uint8_t kEmptyRecordFill = 0x64;
  static_assert(kUnitRecordSize == kUnitImageSize + 2);  // a record ends in CR LF
  static_assert(kUnitFileSize == kFileMagicSize + kDeviceInfoSize + kPresetSlots * kUnitRecordSize);

  explicit LUnitControl(UnitHost& host);
  ~LUnitControl();
  LUnitControl(const LUnitControl&) = delete;
  LUnitControl& operator=(const LUnitControl&) = delete;

  // Copies the default image over the live image.
  void ResetImage();
  const UnitImage& Image() const { return image_; }

  // Accessors. ch = 0 to 7, band within the channel's bands; not checked.
  std::uint16_t GetGain(int ch) const;
  std::uint16_t GetDelay(int ch) const;
  bool GetPolarity(int ch) const;
  bool IsMuted(int ch) const;
  bool IsPeqBypassed(int ch, int band) const;
  PeqBandRecord GetPeqBand(int ch, int band) const;
  static PeqBandRecord GetDefaultPeqBand(int ch, int band);
  CrossoverRecord GetCrossover(int ch) const;
  GateRecord GetGate(int ch) const;  // inputs
  CompRecord GetComp(int ch) const;  // outputs
  std::uint16_t GetMatrix(int ch) const;  // outputs
  std::uint16_t GetLinkMask(int ch) const;
  // The mask of the link group holding ch (bits of ch's side).
  std::uint16_t GetLinkGroup(int ch) const;
  std::span<const std::uint8_t, kChannelNameSize> GetChannelName(int ch) const;
  std::uint16_t GetEqBypassWord(int ch) const;
  void SetEqBypassWord(int ch, std::uint16_t word);  // sends nothing
  std::span<const std::uint8_t, kPresetNameSize> GetPresetName() const;
  std::uint16_t GetDelayUnit() const;
  std::uint16_t GetWorkMode() const;
  std::uint16_t GetSineIndex() const;
  // Preset-slot flag n (0 to 29); false, and nothing marked, outside that range.
  bool IsPresetUsed(int n) const;
  void MarkPresetUsed(int n);
  const DeviceInfoBlock& GetDeviceInfo() const { return deviceInfo_; }
  const StoredPreset& GetStoredPreset(int slot) const { return storedPresets_[slot - 1]; }

  // Setters: write the image (for the whole link group where the parameter follows
  // links), then send the command for ch unless the main window is updating.
  void SetGain(int ch, std::uint16_t gain);
  void SetDelay(int ch, std::uint16_t delay);
  void SetPolarity(int ch, std::uint8_t value);
  void SetMute(int ch, std::uint8_t on);
  void SetPeqBand(int ch, int band, std::uint16_t gain, std::uint16_t frequency, std::uint8_t q,
                  std::uint8_t type, std::uint8_t bypass);
  void SetHighPass(int ch, const CrossoverRecord& crossover);
  void SetLowPass(int ch, const CrossoverRecord& crossover);
  void SetGate(int ch, const GateRecord& gate);
  void SetComp(int ch, const CompRecord& comp);
  void SetMatrix(int ch, std::uint16_t routing);
  void SetLinkMask(int ch, std::uint16_t mask);
  void SetChannelName(int ch, std::span<const std::uint8_t, kChannelNameSize> name);
  void SetDelayUnit(std::uint16_t unit);

  // Bulk transfer. Replies are taken as received: an empty payload, a piece index above
  // 14 or a slot outside 1 to 30 changes nothing; data past 50 bytes is ignored.
  void ReceiveImagePiece(std::span<const std::uint8_t> payload);
  void ReceivePresetPiece(int slot, std::span<const std::uint8_t> payload);
  // Takes nothing from a payload shorter than 30 bytes.
  void SetPresetFlags(std::span<const std::uint8_t> payload);
  void SetDeviceInfo(std::span<const std::uint8_t> payload);
  void SetPresetName(std::span<const std::uint8_t, kPresetNameSize> name);
  void ResetPresetNames();
  // Name reply: index byte, then 14 name bytes; missing bytes show as blanks.
  void SetPresetListName(int row, std::span<const std::uint8_t> payload);
  // The magic and the preset-file body (722 bytes).
  ByteArray SerialiseImage() const;
  // Takes a preset-file body into the image and sends every parameter of it, appending.
  // A body shorter than 706 bytes is not taken; returns whether it was.
  bool DownloadImage(std::span<const std::uint8_t> body);
  // The bytes of the whole-unit file.
  ByteArray UnitFileBytes() const;
  // Asks for a file name and writes the whole-unit file (through a temporary file, so a
  // failed write leaves no part of it); false when cancelled (`cancelled` set) or not written.
  bool SaveUnitFile(bool* cancelled = nullptr);
  // The path a chosen name is written to: the extension rule applied to its file name.
  static QString UnitFilePath(const QString& chosen);
  // Copies one channel's processing settings onto another of the same side.
  void CopyChannel(int from, int to);

 private:
  template <class F>
  void ForGroup(int ch, F&& f);
  void Send(const LCmd& cmd, bool append);
  // One half of the crossover (high-pass or low-pass) for the group, then its command.
  void SetCutFilter(int ch, const CrossoverRecord& crossover, LeWord CrossoverRecord::*frequency,
                    std::uint8_t CrossoverRecord::*slope, const LCmd& cmd);
  // Puts one piece into the assembly buffer; true when it was the last one.
  bool TakePiece(std::span<const std::uint8_t> payload);
  // The settings of one channel, in the order a preset body is sent.
  void SendChannel(int ch, bool append);

  UnitHost& host_;
  UnitImage image_{};
  std::array<std::uint8_t, kPresetSlots> presetFlags_{};
  DeviceInfoBlock deviceInfo_{};
  std::array<std::uint8_t, kPieceSize * kPieceCount> assembly_{};
  std::array<StoredPreset, kPresetSlots> storedPresets_{};
};
