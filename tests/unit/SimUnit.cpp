#include "SimUnit.h"

#include "CommandCode.h"
#include "LCmd.h"
#include "LUnitControl.h"
#include "SimUnitLevels.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr int kLastPiece = LUnitControl::kPieceCount - 1;
constexpr uint8_t kStoredMark = 0xFF;  // image byte 0 of a preset the unit stored

// The unit applies the editor's setters to its own image, always "updating": nothing is sent.
class SilentHost : public UnitHost {
 public:
  bool IsUpdating() const override { return true; }
  std::uint8_t GetDeviceId() const override { return 0; }
  void SendCmd(const LCmd&, bool) override {}
  void MarkCurveDirty(int) override {}
  void SetRecallPresetRow(int, const QString&) override {}
  void SetStorePresetRow(int, const QString&) override {}
  QString AskUnitFileName() override { return {}; }
};

bool FrameValid(const SimBytes& f) {
  if (f.size() < LCmd::kMinFrameSize || f[0] != 0x10 || f[1] != 0x02) return false;
  const size_t len = f[4];
  if (len == 0 || f.size() != len + LCmd::kFrameOverhead || f[len + 5] != 0x10 || f[len + 6] != 0x03)
    return false;
  uint8_t x = 0;
  for (size_t i = 0; i + 1 < f.size(); ++i) x ^= f[i];
  return x == f.back();
}

// Piece p of an image: its index, then image bytes 50p to 50p + 49 (zero filler past the end).
SimBytes PiecePayload(const UnitImage& image, uint8_t piece) {
  SimBytes out;
  out.reserve(1 + LUnitControl::kPieceSize);
  out.push_back(piece);
  const uint8_t* bytes = ByteView(image);
  const size_t from = size_t(piece) * LUnitControl::kPieceSize;
  const size_t to = std::min(from + LUnitControl::kPieceSize, kUnitImageSize);
  out.insert(out.end(), bytes + from, bytes + to);
  out.resize(1 + LUnitControl::kPieceSize, 0);
  return out;
}

// A level travels as the upper 24 bits of its single-precision pattern: second, first, third byte.
void AppendLevel(SimBytes& out, float level) {
  const auto bits = std::bit_cast<uint32_t>(level);
  out.push_back(uint8_t(bits >> 16));
  out.push_back(uint8_t(bits >> 24));
  out.push_back(uint8_t(bits >> 8));
}

uint16_t Word(const SimBytes& p, size_t at) { return uint16_t(p[at] | p[at + 1] << 8); }

}  // namespace

SimBytes SimUnitFrame::Payload() const {
  if (bytes.size() < LCmd::kMinFrameSize) return {};
  return LCmd(bytes).GetPayload();
}

SimUnit::SimUnit() : host_(std::make_unique<SilentHost>()), live_(std::make_unique<LUnitControl>(*host_)) {
  presets_.fill(DefaultUnitImage());
}

SimUnit::~SimUnit() = default;

SimBytes SimUnit::BuildFrame(uint8_t unitId, uint8_t code, const SimBytes& payload) {
  return LCmd::FrameBytes(unitId, 0x00, code, payload);
}

void SimUnit::Attach(SimUnitPort* port) {
  std::lock_guard lock(mutex_);
  ports_.push_back(port);
}

size_t SimUnit::RepliesOnTheirWay() const {
  std::lock_guard lock(mutex_);
  size_t n = 0;
  for (const SimUnitPort* port : ports_) n += port->output_.size();
  return n;
}

void SimUnit::Detach(SimUnitPort* port) {
  std::lock_guard lock(mutex_);
  std::erase(ports_, port);
}

bool SimUnit::OnFrameLocked(SimUnitPort& port, SimBytes frame) {
  const auto now = SimClock::now();
  const bool valid = FrameValid(frame);
  frames_.push_back({frame, now, valid});
  recorded_.notify_all();
  if (!valid || (!answerAnyId_ && frame[3] != unitId_)) return false;

  SimUnitFrame received{std::move(frame), now, true};
  const uint8_t code = received.Code();

  bool drop = false, disconnect = false;
  std::vector<SimUnitFault> shaping;
  for (SimUnitFault& fault : faults_) {
    if (fault.count == 0 || (fault.code >= 0 && fault.code != code)) continue;
    if (fault.after > 0) {
      --fault.after;
      continue;
    }
    if (fault.count > 0) --fault.count;
    switch (fault.kind) {
      case SimUnitFaultKind::Drop: drop = true; break;
      case SimUnitFaultKind::Disconnect: disconnect = true; break;
      default: shaping.push_back(fault); break;
    }
  }
  std::erase_if(faults_, [](const SimUnitFault& f) { return f.count == 0; });
  if (disconnect) {
    port.QueueLocked(now, {}, true);
    return true;
  }
  if (drop) return false;

  std::vector<SimBytes> replies = HandleLocked(code, received.Payload());
  for (SimBytes& reply : replies) {
    auto due = now;
    int splitAt = -1;
    SimClock::duration gap{};
    for (const SimUnitFault& fault : shaping) {
      switch (fault.kind) {
        case SimUnitFaultKind::Delay: due += fault.delay; break;
        case SimUnitFaultKind::Garble: {
          const long index = fault.garbleIndex < 0 ? long(reply.size()) + fault.garbleIndex : fault.garbleIndex;
          if (index >= 0 && index < long(reply.size())) reply[size_t(index)] ^= fault.garbleXor;
          break;
        }
        case SimUnitFaultKind::Split:
          splitAt = fault.splitAt < 0 ? int(reply.size() / 2) : std::min<int>(fault.splitAt, int(reply.size()));
          gap = fault.delay;
          break;
        default: break;
      }
    }
    if (splitAt > 0 && splitAt < int(reply.size())) {
      port.QueueLocked(due, SimBytes(reply.begin(), reply.begin() + splitAt), false);
      port.QueueLocked(due + gap, SimBytes(reply.begin() + splitAt, reply.end()), false);
    } else {
      port.QueueLocked(due, std::move(reply), false);
    }
  }
  return !replies.empty();
}

std::vector<SimBytes> SimUnit::HandleLocked(uint8_t code, const SimBytes& p) {
  auto reply = [&](uint8_t c, SimBytes payload = {}) {
    return std::vector<SimBytes>{BuildFrame(unitId_, c, payload)};
  };
  const auto ack = [&] { return reply(CMD_ACK); };

  switch (code) {
    case CMD_CONNECT:
      unlocked_ = false;
      return reply(CMD_CONNECT);
    case CMD_DISCONNECT:
      unlocked_ = false;
      return ack();
    case CMD_MCU_RESET:
      unlocked_ = false;
      return ack();
    case CMD_POLL:
      return reply(CMD_POLL);
    case CMD_IDENTITY:
      return reply(CMD_IDENTITY, SimBytes(identity_.begin(), identity_.end()));
    case CMD_PRESET_NUMBER:
      return reply(CMD_PRESET_NUMBER, {presetNumber_});
    case CMD_PRESET_FLAGS: {
      SimBytes flags(kPresetSlots);
      for (int i = 0; i < kPresetSlots; ++i) flags[size_t(i)] = used_[size_t(i)] ? 0xFF : 0x00;
      return reply(CMD_PRESET_FLAGS, flags);
    }
    case CMD_READ_PRESET_NAME: {
      if (p.empty() || p[0] >= kPresetSlots) return {};
      SimBytes out{p[0]};
      const UnitImage& preset = presets_[p[0]];
      out.insert(out.end(), std::begin(preset.presetName), std::end(preset.presetName));
      return reply(CMD_READ_PRESET_NAME, out);
    }
    case CMD_READ_IMAGE_PIECE:
      if (p.empty() || p[0] > kLastPiece) return {};
      return reply(CMD_IMAGE_PIECE, PiecePayload(live_->Image(), p[0]));
    case CMD_READ_PRESET_PIECE:
      if (p.empty() || p[0] > kLastPiece) return {};
      return reply(CMD_READ_PRESET_PIECE, PiecePayload(presets_[size_t(selectedSlot_ - 1)], p[0]));
    case CMD_SELECT_PRESET:
      if (p.empty() || p[0] < 1 || p[0] > kPresetSlots) return {};
      selectedSlot_ = p[0];
      return ack();
    case CMD_DOWNLOAD: {  // piece, preset 0-29, 50 image bytes of a stored preset
      if (p.size() < 2 || p[0] > kLastPiece || p[1] >= kPresetSlots) return {};
      const size_t from = size_t(p[0]) * LUnitControl::kPieceSize;
      const size_t count = std::min({LUnitControl::kPieceSize, p.size() - 2, kUnitImageSize - from});
      std::copy_n(p.begin() + 2, count, ByteView(presets_[p[1]]) + from);
      if (p[0] == kLastPiece) used_[p[1]] = true;
      return reply(CMD_DOWNLOAD, {p[0], p[1]});
    }
    case CMD_LOCK_STATE: {
      const bool locked = lockEngaged_ && !unlocked_;
      return reply(CMD_LOCK_STATE, {0, 0, 0, 0, 0, uint8_t(locked ? 1 : 0)});
    }
    case CMD_PASS_SUBMIT: {  // kind 0 (access lock), then 4 password characters
      if (p.size() < 5) return {};
      const bool accepted = p[0] == 0 && std::string(p.begin() + 1, p.begin() + 5) == password_;
      if (accepted) unlocked_ = true;
      return reply(CMD_PASS_SUBMIT, {p[0], uint8_t(accepted ? 1 : 0)});
    }
    case CMD_SET_LOCK:  // the next connect meets the lock
      if (p.size() < 4) return {};
      password_.assign(p.begin(), p.begin() + 4);
      lockEngaged_ = true;
      return ack();
    case CMD_LEVELS: {
      SimBytes out;
      if (movingLevels_) {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - levelsStart_).count();
        const SimLevels now = SimUnitLevels::At(seconds);
        for (float level : now.levels) AppendLevel(out, level);
        out.push_back(now.limiterBits);
      } else {
        for (float level : levels_) AppendLevel(out, level);
        out.push_back(limiterBits_);
      }
      return reply(CMD_LEVELS, out);
    }
    case CMD_READ_EEPROM: {  // address word, count
      if (p.size() < 3) return {};
      const size_t address = std::min<size_t>(Word(p, 0), kEepromSize);
      const size_t count = std::min<size_t>(p[2], kEepromSize - address);
      return reply(CMD_READ_EEPROM, SimBytes(eeprom_.begin() + address, eeprom_.begin() + address + count));
    }
    case CMD_WRITE_EEPROM: {  // address word, count, data
      if (p.size() < 3) return {};
      const size_t address = Word(p, 0);
      const size_t count = std::min<size_t>(p[2], p.size() - 3);
      for (size_t i = 0; i < count && address + i < kEepromSize; ++i) eeprom_[address + i] = p[3 + i];
      return ack();
    }
    default:
      if (ApplyLocked(code, p)) return ack();
      return {};
  }
}

bool SimUnit::ApplyLocked(uint8_t code, const SimBytes& p) {
  // Minimum payload of each command applied here; the channel comes first where there is one.
  size_t need = 0;
  switch (code) {
    case CMD_FACTORY_DEFAULT: need = 0; break;
    case CMD_DELAY_UNIT: case CMD_RECALL_PRESET: case CMD_STORE_PRESET: need = 1; break;
    case CMD_MUTE: case CMD_POLARITY: case CMD_MATRIX: case CMD_LINK: case CMD_EQ_BYPASS:
    case CMD_WORK_MODE: case CMD_COPY_CHANNEL: need = 2; break;
    case CMD_GAIN: case CMD_DELAY: need = 3; break;
    case CMD_HIGH_PASS: case CMD_LOW_PASS: need = 4; break;
    case CMD_PEQ: case CMD_COMP: case CMD_GATE: case CMD_CHANNEL_NAME: need = 9; break;
    case CMD_PRESET_NAME: need = kPresetNameSize; break;
    default: return false;
  }
  if (p.size() < need) return false;
  const bool hasChannel = code != CMD_FACTORY_DEFAULT && code != CMD_DELAY_UNIT && code != CMD_RECALL_PRESET &&
                          code != CMD_STORE_PRESET && code != CMD_PRESET_NAME && code != CMD_WORK_MODE;
  const int ch = hasChannel ? p[0] : 0;
  if (hasChannel && ch >= kChannelCount) return false;
  LUnitControl& img = *live_;

  switch (code) {
    case CMD_GAIN: img.SetGain(ch, Word(p, 1)); return true;
    case CMD_DELAY: img.SetDelay(ch, Word(p, 1)); return true;
    case CMD_POLARITY: img.SetPolarity(ch, p[1]); return true;
    case CMD_MUTE: img.SetMute(ch, p[1]); return true;
    case CMD_PEQ:
      if (p[1] >= BandCount(ch)) return false;
      img.SetPeqBand(ch, p[1], Word(p, 2), Word(p, 4), p[6], p[7], p[8]);
      return true;
    case CMD_HIGH_PASS:
    case CMD_LOW_PASS: {
      // Each setter takes only its own half of the record.
      const CrossoverRecord x{Word(p, 1), Word(p, 1), p[3], p[3]};
      if (code == CMD_HIGH_PASS) img.SetHighPass(ch, x);
      else img.SetLowPass(ch, x);
      return true;
    }
    case CMD_GATE:
      if (!IsInput(ch)) return false;
      img.SetGate(ch, GateRecord{Word(p, 1), Word(p, 3), Word(p, 5), Word(p, 7)});
      return true;
    case CMD_COMP:
      if (IsInput(ch)) return false;
      img.SetComp(ch, CompRecord{p[1], p[2], Word(p, 3), Word(p, 5), Word(p, 7)});
      return true;
    case CMD_MATRIX:
      if (IsInput(ch)) return false;
      img.SetMatrix(ch, p[1]);
      return true;
    case CMD_LINK: img.SetLinkMask(ch, p[1]); return true;
    case CMD_CHANNEL_NAME:
      img.SetChannelName(ch, std::span<const uint8_t, kChannelNameSize>(p.data() + 1, kChannelNameSize));
      return true;
    case CMD_EQ_BYPASS: {  // the whole EQ of the channel's link group
      LeWord word = img.GetEqBypassWord(ch);
      const uint16_t group = img.GetLinkGroup(ch);
      for (int k = 0; k < (IsInput(ch) ? kInputCount : kOutputCount); ++k)
        if (TestBit(group, k)) PutBit(word, k, p[1] != 0);
      img.SetEqBypassWord(ch, word);
      return true;
    }
    case CMD_COPY_CHANNEL: {  // onto every channel of the destination's link group
      const int to = p[1];
      if (to >= kChannelCount || !SameSide(ch, to)) return false;
      const uint16_t group = img.GetLinkGroup(to);
      const int first = IsInput(to) ? 0 : kInputCount;
      for (int k = 0; k < (IsInput(to) ? kInputCount : kOutputCount); ++k)
        if (TestBit(group, k) && first + k != ch) img.CopyChannel(ch, first + k);
      return true;
    }
    case CMD_DELAY_UNIT: img.SetDelayUnit(p[0]); return true;
    case CMD_WORK_MODE: {
      UnitImage image = img.Image();
      image.workMode = p[0];
      image.sineIndex = p[1];
      LoadLiveLocked(image);
      return true;
    }
    case CMD_PRESET_NAME:
      img.SetPresetName(std::span<const uint8_t, kPresetNameSize>(p.data(), kPresetNameSize));
      return true;
    case CMD_RECALL_PRESET:  // 0 is the factory preset
      if (p[0] > kPresetSlots) return false;
      LoadLiveLocked(p[0] == 0 ? DefaultUnitImage() : presets_[p[0] - 1]);
      presetNumber_ = p[0];
      return true;
    case CMD_STORE_PRESET:
      if (p[0] < 1 || p[0] > kPresetSlots) return false;
      presets_[p[0] - 1] = img.Image();
      presets_[p[0] - 1].reserved[0] = kStoredMark;
      used_[p[0] - 1] = true;
      presetNumber_ = p[0];
      return true;
    case CMD_FACTORY_DEFAULT:
      img.ResetImage();
      presets_.fill(DefaultUnitImage());
      used_.fill(false);
      presetNumber_ = 0;
      return true;
    default:
      return false;
  }
}

void SimUnit::LoadLiveLocked(const UnitImage& image) {
  for (uint8_t piece = 0; piece <= kLastPiece; ++piece) live_->ReceiveImagePiece(PiecePayload(image, piece));
}

void SimUnit::QueueEverywhereLocked(const SimBytes& bytes, bool disconnect) {
  const auto now = SimClock::now();
  for (SimUnitPort* port : ports_) {
    port->QueueLocked(now, bytes, disconnect);
    port->Notify();
  }
}

void SimUnit::SendRaw(const SimBytes& bytes) {
  std::lock_guard lock(mutex_);
  QueueEverywhereLocked(bytes, false);
}

void SimUnit::SendFrame(uint8_t code, const SimBytes& payload) {
  std::lock_guard lock(mutex_);
  QueueEverywhereLocked(BuildFrame(unitId_, code, payload), false);
}

void SimUnit::Disconnect() {
  std::lock_guard lock(mutex_);
  QueueEverywhereLocked({}, true);
}

void SimUnit::SetUnitId(uint8_t id) { Write(unitId_, id); }

uint8_t SimUnit::UnitId() const { return Read(unitId_); }

void SimUnit::SetAnswerAnyId(bool on) { Write(answerAnyId_, on); }

void SimUnit::SetIdentity(const std::string& text) { Write(identity_, text); }

void SimUnit::SetLock(bool engaged, const std::string& password) {
  std::lock_guard lock(mutex_);
  lockEngaged_ = engaged;
  unlocked_ = false;
  password_ = password;
}

bool SimUnit::LockEngaged() const { return Read(lockEngaged_); }

std::string SimUnit::Password() const { return Read(password_); }

void SimUnit::SetLevels(const std::array<float, 12>& levels, uint8_t limiterBits) {
  std::lock_guard lock(mutex_);
  levels_ = levels;
  limiterBits_ = limiterBits;
}

void SimUnit::SetMovingLevels(bool moving) {
  std::lock_guard lock(mutex_);
  movingLevels_ = moving;
  levelsStart_ = std::chrono::steady_clock::now();
}

void SimUnit::SetPaceBaud(uint32_t baud) { Write(paceBaud_, baud); }

ImageBytes SimUnit::GetImage() const {
  std::lock_guard lock(mutex_);
  return ToBytes(live_->Image());
}

void SimUnit::SetImage(const ImageBytes& image) {
  std::lock_guard lock(mutex_);
  LoadLiveLocked(ImageFromBytes(image));
}

ImageBytes SimUnit::GetStoredPreset(int slot) const {
  std::lock_guard lock(mutex_);
  return ToBytes(presets_.at(size_t(slot - 1)));
}

void SimUnit::SetStoredPreset(int slot, const ImageBytes& image, bool used) {
  std::lock_guard lock(mutex_);
  presets_.at(size_t(slot - 1)) = ImageFromBytes(image);
  used_.at(size_t(slot - 1)) = used;
}

bool SimUnit::IsSlotUsed(int slot) const {
  std::lock_guard lock(mutex_);
  return used_.at(size_t(slot - 1));
}

uint8_t SimUnit::PresetNumber() const { return Read(presetNumber_); }

void SimUnit::SetPresetNumber(uint8_t number) { Write(presetNumber_, number); }

std::array<uint8_t, SimUnit::kEepromSize> SimUnit::GetEeprom() const { return Read(eeprom_); }

void SimUnit::SetEeprom(size_t address, const SimBytes& bytes) {
  std::lock_guard lock(mutex_);
  for (size_t i = 0; i < bytes.size() && address + i < kEepromSize; ++i) eeprom_[address + i] = bytes[i];
}

void SimUnit::AddFault(const SimUnitFault& fault) {
  std::lock_guard lock(mutex_);
  if (fault.count != 0) faults_.push_back(fault);
}

void SimUnit::ClearFaults() {
  std::lock_guard lock(mutex_);
  faults_.clear();
}

std::vector<SimUnitFrame> SimUnit::Frames() const { return Read(frames_); }

size_t SimUnit::FrameCount() const {
  std::lock_guard lock(mutex_);
  return frames_.size();
}

void SimUnit::ClearFrames() {
  std::lock_guard lock(mutex_);
  frames_.clear();
}

bool SimUnit::WaitForFrames(size_t count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return recorded_.wait_for(lock, timeout, [&] { return frames_.size() >= count; });
}

bool SimUnit::WaitForCode(uint8_t code, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return recorded_.wait_for(lock, timeout, [&] {
    return std::any_of(frames_.begin(), frames_.end(), [&](const SimUnitFrame& f) { return f.Code() == code; });
  });
}
