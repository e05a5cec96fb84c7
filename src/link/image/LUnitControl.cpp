#include "LUnitControl.h"

#include "UnitFiles.h"

#include "text/AnsiCodec.h"
#include "CommandCode.h"
#include "McsCommands.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char kDefaultPresetName[] = "Default Preset";

}  // namespace

LUnitControl::LUnitControl(UnitHost& host) : host_(host) { ResetImage(); }

LUnitControl::~LUnitControl() = default;

void LUnitControl::ResetImage() { image_ = DefaultUnitImage(); }

// ---- accessors -------------------------------------------------------------------------

std::uint16_t LUnitControl::GetGain(int ch) const {
  return OnChannelBlock(image_, ch, [](const auto& b) -> std::uint16_t { return b.gain; });
}

std::uint16_t LUnitControl::GetDelay(int ch) const {
  return OnChannelBlock(image_, ch, [](const auto& b) -> std::uint16_t { return b.delay; });
}

bool LUnitControl::GetPolarity(int ch) const {
  return OnChannelBlock(image_, ch, [](const auto& b) { return b.polarity != 0; });
}

bool LUnitControl::IsMuted(int ch) const { return TestBit(MuteWord(image_, ch), SideBit(ch)); }

bool LUnitControl::IsPeqBypassed(int ch, int band) const {
  return TestBit(image_.bandBypass[ch], band);
}

PeqBandRecord LUnitControl::GetPeqBand(int ch, int band) const {
  return OnChannelBlock(image_, ch, [band](const auto& b) { return b.bands[band]; });
}

PeqBandRecord LUnitControl::GetDefaultPeqBand(int ch, int band) {
  return OnChannelBlock(DefaultUnitImage(), ch, [band](const auto& b) { return b.bands[band]; });
}

CrossoverRecord LUnitControl::GetCrossover(int ch) const {
  return OnChannelBlock(image_, ch, [](const auto& b) { return b.crossover; });
}

GateRecord LUnitControl::GetGate(int ch) const { return image_.inputs[ch].gate; }

CompRecord LUnitControl::GetComp(int ch) const { return image_.outputs[ch - kInputCount].comp; }

std::uint16_t LUnitControl::GetMatrix(int ch) const {
  return image_.outputs[ch - kInputCount].routing;
}

std::uint16_t LUnitControl::GetLinkMask(int ch) const {
  return OnChannelBlock(image_, ch, [](const auto& b) -> std::uint16_t { return b.linkMask; });
}

std::uint16_t LUnitControl::GetLinkGroup(int ch) const {
  const int bit = SideBit(ch);
  const std::uint16_t own = GetLinkMask(ch);
  if (TestBit(own, bit)) return own;
  const int first = IsInput(ch) ? 0 : kInputCount;
  for (int lower = first; lower < ch; ++lower) {
    const std::uint16_t mask = GetLinkMask(lower);
    if (TestBit(mask, bit)) return mask;
  }
  return static_cast<std::uint16_t>(1u << bit);
}

std::span<const std::uint8_t, kChannelNameSize> LUnitControl::GetChannelName(int ch) const {
  return OnChannelBlock(image_, ch, [](const auto& b) {
    return std::span<const std::uint8_t, kChannelNameSize>(b.name);
  });
}

std::uint16_t LUnitControl::GetEqBypassWord(int ch) const { return EqBypassWord(image_, ch); }

void LUnitControl::SetEqBypassWord(int ch, std::uint16_t word) { EqBypassWord(image_, ch) = word; }

std::span<const std::uint8_t, kPresetNameSize> LUnitControl::GetPresetName() const {
  return std::span<const std::uint8_t, kPresetNameSize>(image_.presetName);
}

std::uint16_t LUnitControl::GetDelayUnit() const { return image_.delayUnit; }
std::uint16_t LUnitControl::GetWorkMode() const { return image_.workMode; }
std::uint16_t LUnitControl::GetSineIndex() const { return image_.sineIndex; }
bool LUnitControl::IsPresetUsed(int n) const {
  return n >= 0 && n < kPresetSlots && presetFlags_[static_cast<std::size_t>(n)] != 0;
}

void LUnitControl::MarkPresetUsed(int n) {
  if (n >= 0 && n < kPresetSlots) presetFlags_[static_cast<std::size_t>(n)] = 1;
}

// ---- setters ---------------------------------------------------------------------------

template <class F>
void LUnitControl::ForGroup(int ch, F&& f) {
  const std::uint16_t group = GetLinkGroup(ch);
  const int first = IsInput(ch) ? 0 : kInputCount;
  const int count = IsInput(ch) ? kInputCount : kOutputCount;
  for (int k = 0; k < count; ++k)
    if (TestBit(group, k)) f(first + k);
}

void LUnitControl::Send(const LCmd& cmd, bool append) {
  if (!host_.IsUpdating()) host_.SendCmd(cmd, append);
}

void LUnitControl::SetGain(int ch, std::uint16_t gain) {
  ForGroup(ch, [&](int k) { OnChannelBlock(image_, k, [&](auto& b) { b.gain = gain; }); });
  Send(CM_MCS_GAIN(host_.GetDeviceId(), ch, gain), false);
}

void LUnitControl::SetDelay(int ch, std::uint16_t delay) {
  ForGroup(ch, [&](int k) { OnChannelBlock(image_, k, [&](auto& b) { b.delay = delay; }); });
  Send(CM_MCS_DELAY(host_.GetDeviceId(), ch, delay), false);
}

void LUnitControl::SetPolarity(int ch, std::uint8_t value) {
  ForGroup(ch, [&](int k) { OnChannelBlock(image_, k, [&](auto& b) { b.polarity = value; }); });
  Send(CM_MCS_POLARITY(host_.GetDeviceId(), ch, value), false);
}

void LUnitControl::SetMute(int ch, std::uint8_t on) {
  ForGroup(ch, [&](int k) { PutBit(MuteWord(image_, k), SideBit(k), on != 0); });
  Send(CM_MCS_MUTE(host_.GetDeviceId(), ch, on), false);
}

void LUnitControl::SetPeqBand(int ch, int band, std::uint16_t gain, std::uint16_t frequency,
                              std::uint8_t q, std::uint8_t type, std::uint8_t bypass) {
  ForGroup(ch, [&](int k) {
    OnChannelBlock(image_, k, [&](auto& b) { b.bands[band] = {gain, frequency, q, type}; });
    PutBit(image_.bandBypass[k], band, bypass != 0);
  });
  Send(CM_MCS_PEQ(host_.GetDeviceId(), ch, band, gain, frequency, q, type, bypass), false);
  host_.MarkCurveDirty(ch);
}

void LUnitControl::SetCutFilter(int ch, const CrossoverRecord& crossover,
                                LeWord CrossoverRecord::*frequency,
                                std::uint8_t CrossoverRecord::*slope, const LCmd& cmd) {
  ForGroup(ch, [&](int k) {
    OnChannelBlock(image_, k, [&](auto& b) {
      b.crossover.*frequency = crossover.*frequency;
      b.crossover.*slope = crossover.*slope;
    });
  });
  Send(cmd, false);
  host_.MarkCurveDirty(ch);
}

void LUnitControl::SetHighPass(int ch, const CrossoverRecord& crossover) {
  SetCutFilter(ch, crossover, &CrossoverRecord::highPassFrequency, &CrossoverRecord::highPassSlope,
               CM_MCS_HIGH_PASS(host_.GetDeviceId(), ch, crossover.highPassFrequency,
                                crossover.highPassSlope));
}

void LUnitControl::SetLowPass(int ch, const CrossoverRecord& crossover) {
  SetCutFilter(ch, crossover, &CrossoverRecord::lowPassFrequency, &CrossoverRecord::lowPassSlope,
               CM_MCS_LOW_PASS(host_.GetDeviceId(), ch, crossover.lowPassFrequency,
                               crossover.lowPassSlope));
}

void LUnitControl::SetGate(int ch, const GateRecord& gate) {
  ForGroup(ch, [&](int k) { image_.inputs[k].gate = gate; });
  Send(CM_MCS_GATE(host_.GetDeviceId(), ch, gate), false);
}

void LUnitControl::SetComp(int ch, const CompRecord& comp) {
  ForGroup(ch, [&](int k) { image_.outputs[k - kInputCount].comp = comp; });
  Send(CM_MCS_COMP(host_.GetDeviceId(), ch, comp), false);
}

void LUnitControl::SetMatrix(int ch, std::uint16_t routing) {
  image_.outputs[ch - kInputCount].routing = routing;
  Send(CM_MCS_MATRIX(host_.GetDeviceId(), ch, routing), false);
}

void LUnitControl::SetLinkMask(int ch, std::uint16_t mask) {
  OnChannelBlock(image_, ch, [&](auto& b) { b.linkMask = mask; });
  Send(CM_MCS_CMD(host_.GetDeviceId(), CMD_LINK, ch, mask), true);
}

void LUnitControl::SetChannelName(int ch, std::span<const std::uint8_t, kChannelNameSize> name) {
  OnChannelBlock(image_, ch, [&](auto& b) { std::copy(name.begin(), name.end(), b.name); });
  Send(CM_MCS_CHANNEL_NAME(host_.GetDeviceId(), ch, GetChannelName(ch)), true);
}

void LUnitControl::SetDelayUnit(std::uint16_t unit) {
  image_.delayUnit = unit;
  Send(CM_MCS_DELAYUNIT(host_.GetDeviceId(), unit & 0xFF), false);
}

// ---- bulk transfer ---------------------------------------------------------------------

bool LUnitControl::TakePiece(std::span<const std::uint8_t> payload) {
  if (payload.empty()) return false;
  const int piece = payload[0];
  if (piece >= kPieceCount) return false;
  const std::size_t count = std::min(payload.size() - 1, kPieceSize);
  std::copy_n(payload.begin() + 1, count, assembly_.begin() + piece * kPieceSize);
  return piece == kPieceCount - 1;
}

void LUnitControl::ReceiveImagePiece(std::span<const std::uint8_t> payload) {
  if (!TakePiece(payload)) return;
  // The first two bytes of the live image are the editor's own; they stay.
  std::copy(assembly_.begin() + 2, assembly_.begin() + kUnitImageSize, ByteView(image_) + 2);
}

void LUnitControl::ReceivePresetPiece(int slot, std::span<const std::uint8_t> payload) {
  if (slot < 1 || slot > kPresetSlots) return;
  if (!TakePiece(payload)) return;
  StoredPreset& preset = storedPresets_[slot - 1];
  preset.slot = static_cast<std::uint8_t>(slot);
  preset.image = ImageFromBytes(std::span<const std::uint8_t, kUnitImageSize>(
      assembly_.data(), kUnitImageSize));
}

void LUnitControl::SetPresetFlags(std::span<const std::uint8_t> payload) {
  if (payload.size() < kPresetSlots) return;
  for (int n = 0; n < kPresetSlots; ++n) presetFlags_[n] = payload[n] == 0xFF ? 1 : 0;
}

void LUnitControl::SetDeviceInfo(std::span<const std::uint8_t> payload) {
  std::copy_n(payload.begin(), std::min(payload.size(), kDeviceInfoSize), deviceInfo_.begin());
}

void LUnitControl::SetPresetName(std::span<const std::uint8_t, kPresetNameSize> name) {
  std::copy(name.begin(), name.end(), image_.presetName);
}

void LUnitControl::ResetPresetNames() {
  const QString name = QString::fromLatin1(kDefaultPresetName);
  for (int row = 1; row <= kPresetSlots; ++row) host_.SetRecallPresetRow(row, name);
  for (int row = 0; row < kPresetSlots; ++row) host_.SetStorePresetRow(row, name);
}

void LUnitControl::SetPresetListName(int row, std::span<const std::uint8_t> payload) {
  std::uint8_t chars[kPresetNameSize];
  for (std::size_t i = 0; i < kPresetNameSize; ++i) {
    const std::uint8_t c = i + 1 < payload.size() ? payload[i + 1] : 0;
    chars[i] = c == 0 ? ' ' : c;
  }
  const QString name = AnsiCodec::ToUnicode(chars, kPresetNameSize);
  if (row >= 0 && row <= kPresetSlots) host_.SetRecallPresetRow(row, name);
  if (row >= 1 && row <= kPresetSlots) host_.SetStorePresetRow(row - 1, name);
}

ByteArray LUnitControl::SerialiseImage() const {
  ByteArray out;
  out.reserve(kFileMagicSize + kPresetBodySize);
  out.insert(out.end(), kFileMagic, kFileMagic + kFileMagicSize);
  const std::uint8_t* body = ByteView(image_) + kPresetBodyOffset;
  out.insert(out.end(), body, body + kPresetBodySize);
  return out;
}

void LUnitControl::SendChannel(int ch, bool append) {
  const std::uint8_t id = host_.GetDeviceId();
  host_.SendCmd(CM_MCS_CHANNEL_NAME(id, ch, GetChannelName(ch)), append);
  if (IsInput(ch)) {
    host_.SendCmd(CM_MCS_GATE(id, ch, GetGate(ch)), append);
  } else {
    host_.SendCmd(CM_MCS_MATRIX(id, ch, GetMatrix(ch)), append);
  }
  const CrossoverRecord crossover = GetCrossover(ch);
  host_.SendCmd(CM_MCS_HIGH_PASS(id, ch, crossover.highPassFrequency, crossover.highPassSlope),
                append);
  host_.SendCmd(CM_MCS_LOW_PASS(id, ch, crossover.lowPassFrequency, crossover.lowPassSlope),
                append);
  if (!IsInput(ch)) host_.SendCmd(CM_MCS_COMP(id, ch, GetComp(ch)), append);
  host_.SendCmd(CM_MCS_GAIN(id, ch, GetGain(ch)), append);
  host_.SendCmd(CM_MCS_POLARITY(id, ch, GetPolarity(ch)), append);
  host_.SendCmd(CM_MCS_DELAY(id, ch, GetDelay(ch)), append);
  host_.SendCmd(CM_MCS_CMD(id, CMD_LINK, ch, GetLinkMask(ch)), append);
}

bool LUnitControl::DownloadImage(std::span<const std::uint8_t> body) {
  if (body.size() < kPresetBodySize) return false;
  std::copy_n(body.begin(), kPresetBodySize, ByteView(image_) + kPresetBodyOffset);

  const std::uint8_t id = host_.GetDeviceId();
  host_.SendCmd(CM_MCS_PRESETNAME(id, GetPresetName()), true);
  for (int ch = 0; ch < kChannelCount; ++ch) SendChannel(ch, true);
  for (int ch = 0; ch < kChannelCount; ++ch) host_.SendCmd(CM_MCS_MUTE(id, ch, IsMuted(ch)), true);
  for (int ch = 0; ch < kChannelCount; ++ch) {
    for (int band = 0; band < BandCount(ch); ++band) {
      const PeqBandRecord b = GetPeqBand(ch, band);
      host_.SendCmd(CM_MCS_PEQ(id, ch, band, b.gain, b.frequency, b.q, b.type,
                               IsPeqBypassed(ch, band)),
                    true);
    }
  }
  return true;
}

ByteArray LUnitControl::UnitFileBytes() const {
  ByteArray out;
  out.reserve(kUnitFileSize);
  out.insert(out.end(), kFileMagic, kFileMagic + kFileMagicSize);
  out.insert(out.end(), deviceInfo_.begin(), deviceInfo_.end());
  for (int n = 0; n < kPresetSlots; ++n) {
    if (presetFlags_[n] != 0) {
      const StoredPreset& preset = storedPresets_[n];
      out.push_back(preset.slot);
      const std::uint8_t* image = ByteView(preset.image);
      out.insert(out.end(), image, image + kUnitImageSize - 1);
    } else {
      out.insert(out.end(), kUnitImageSize, kEmptyRecordFill);
    }
    out.push_back('\r');
    out.push_back('\n');
  }
  return out;
}

QString LUnitControl::UnitFilePath(const QString& chosen) {
  return UnitFiles::NameBeforeExtension(chosen, QStringLiteral("unt")) + QLatin1String(".unt");
}

bool LUnitControl::SaveUnitFile(bool* cancelled) {
  const QString chosen = host_.AskUnitFileName();
  if (cancelled) *cancelled = chosen.isEmpty();
  if (chosen.isEmpty()) return false;
  return UnitFiles::WriteWholeFile(UnitFilePath(chosen), UnitFileBytes());
}

void LUnitControl::CopyChannel(int from, int to) {
  const auto valid = [](int ch) { return ch >= 0 && ch < kChannelCount; };
  if (!valid(from) || !valid(to) || !SameSide(from, to)) return;
  image_.bandBypass[to] = image_.bandBypass[from];
  PutBit(MuteWord(image_, to), SideBit(to), TestBit(MuteWord(image_, from), SideBit(from)));
  PutBit(EqBypassWord(image_, to), SideBit(to), TestBit(EqBypassWord(image_, from), SideBit(from)));
  // Everything between the name (and routing) and the link mask: the processing settings.
  const auto copyRange = [](auto& dest, const auto& src, std::size_t first, std::size_t last) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(&dest) + first,
                reinterpret_cast<const std::uint8_t*>(&src) + first, last - first);
  };
  if (IsInput(to)) {
    copyRange(image_.inputs[to], image_.inputs[from], offsetof(InputBlock, gate),
              offsetof(InputBlock, linkMask));
  } else {
    copyRange(image_.outputs[to - kInputCount], image_.outputs[from - kInputCount],
              offsetof(OutputBlock, crossover), offsetof(OutputBlock, linkMask));
  }
}
