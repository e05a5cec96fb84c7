#pragma once

#include "SimUnitPort.h"
#include "UnitImage.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class LUnitControl;
class UnitHost;

// A frame the unit received, as it came off the wire.
struct SimUnitFrame {
  SimBytes bytes;
  SimClock::time_point time;
  bool valid = false;  // start, length, trailer and XOR all correct

  uint8_t Code() const { return bytes.size() > 5 ? bytes[5] : 0; }
  uint8_t Address() const { return bytes.size() > 3 ? bytes[3] : 0; }
  SimBytes Payload() const;
};

enum class SimUnitFaultKind {
  Drop,        // the frame is lost on its way in: not handled, not answered (count -1: the
               // unit stops answering)
  Delay,       // the reply leaves `delay` later; input is read on meanwhile (count -1: a
               // latency, as of a slow network)
  Garble,      // one byte of the reply is XOR-ed with `garbleXor`
  Split,       // the reply is written in two pieces, `delay` apart
  Disconnect,  // the frame is not handled; the connection is dropped instead of answering
};

// A fault applies to the next `count` handled frames of `code` (any code when -1), after the
// first `after` of them have passed untouched; a count of -1 never runs out. Every rule that matches a frame applies (a delayed, split reply works).
struct SimUnitFault {
  SimUnitFaultKind kind = SimUnitFaultKind::Drop;
  int code = -1;
  int count = 1;
  std::chrono::nanoseconds delay{0};
  int splitAt = -1;       // Split: bytes in the first piece (-1: half the frame)
  int garbleIndex = -2;   // Garble: byte to damage, negative counts from the end (-2: the 0x03)
  uint8_t garbleXor = 0xFF;
  int after = 0;
};

// The simulated unit: holds the 718-byte parameter image, 30 stored presets, its unit ID,
// identity, lock, levels and unit information, answers the editor's frames the way the unit
// does and applies every parameter command to its image. Transport-agnostic: frames come in
// and replies go out through `SimUnitPort`s. Every method is thread-safe.
//
// Replies: 16 → 16; 18 → 18 (the keep-alive's answer, so it never acknowledges a sequence);
// 19 → identity; 20 → preset number; 34 → 30 slot flags (0xFF used); 41 n → n and the 14 name
// bytes of slot n + 1; 39 p → 36 with piece p of the current image; 36 s → ACK, then 40 p →
// 40 with piece p of stored preset s; 37 → 37 (piece, preset); 25 → the unit memory asked
// for; 44 → six bytes, byte 5 = locked; 45 → (kind, 1 accepted / 0 refused); 64 → levels.
// Every parameter and preset command (21, 32, 33, 35, 38, 42, 48-54, 56-62) and 4, 17, 26, 47
// are applied and acknowledged with ACK (code 1). Parameter commands follow the link groups
// of the unit's own image, as the editor's setters do. Unknown codes, short payloads and
// out-of-range channels, bands, pieces or slots get no reply. A connect, disconnect or
// restart makes the access lock count again.
class SimUnit {
 public:
  static constexpr size_t kEepromSize = 256;

  SimUnit();
  ~SimUnit();
  SimUnit(const SimUnit&) = delete;
  SimUnit& operator=(const SimUnit&) = delete;

  // Addressing: replies carry the ID in byte 2; only frames whose byte 3 holds it are answered,
  // unless `answerAnyId` is set.
  void SetUnitId(uint8_t id);
  uint8_t UnitId() const;
  void SetAnswerAnyId(bool on);

  void SetIdentity(const std::string& text);  // reply 19; "Q7K V010" by default
  // Access lock: reply 44 reports it engaged until the password (code 45) is accepted.
  void SetLock(bool engaged, const std::string& password = "5820");
  bool LockEngaged() const;
  std::string Password() const;

  // Level reply 64: levels 0-11 as linear values (1.0 full scale) and the limiter bits.
  void SetLevels(const std::array<float, 12>& levels, uint8_t limiterBits);

  // Output pacing for every port: bytes x 10 bits / baud; 0 = as fast as possible.
  void SetPaceBaud(uint32_t baud);

  // The unit's state. The current image starts as the default image; SetImage takes bytes
  // 2 to 717 (bytes 0 and 1 stay the unit's own). Stored presets start as the default image,
  // unused; a preset the unit stores carries 0xFF in its byte 0.
  ImageBytes GetImage() const;
  void SetImage(const ImageBytes& image);
  ImageBytes GetStoredPreset(int slot) const;  // slot 1-30
  void SetStoredPreset(int slot, const ImageBytes& image, bool used = true);
  bool IsSlotUsed(int slot) const;
  uint8_t PresetNumber() const;  // 0 factory, 1-30
  void SetPresetNumber(uint8_t number);
  std::array<uint8_t, kEepromSize> GetEeprom() const;
  void SetEeprom(size_t address, const SimBytes& bytes);

  // Faults.
  void AddFault(const SimUnitFault& fault);
  void ClearFaults();

  // Output the unit starts by itself: a raw byte string, a reply frame, or dropping the
  // connection; it goes to every attached port.
  void SendRaw(const SimBytes& bytes);
  void SendFrame(uint8_t code, const SimBytes& payload);
  void Disconnect();

  // Replies queued on every port and not yet written (held back by a delay or latency).
  size_t RepliesOnTheirWay() const;

  // Recording of every frame received (addressed elsewhere and invalid ones too).
  std::vector<SimUnitFrame> Frames() const;
  size_t FrameCount() const;
  void ClearFrames();
  // Waits until at least `count` frames were recorded; false after `timeout`.
  bool WaitForFrames(size_t count, std::chrono::milliseconds timeout) const;
  // Waits until a frame with `code` was recorded; false after `timeout`.
  bool WaitForCode(uint8_t code, std::chrono::milliseconds timeout) const;

  // The reply frame of the unit (its ID in byte 2, 0 in byte 3).
  static SimBytes BuildFrame(uint8_t unitId, uint8_t code, const SimBytes& payload);

 private:
  friend class SimUnitPort;

  void Attach(SimUnitPort* port);
  void Detach(SimUnitPort* port);
  // A cut frame from a port; called with the lock held. Returns true when output was queued.
  bool OnFrameLocked(SimUnitPort& port, SimBytes frame);
  // The replies to one valid frame addressed to this unit (usually one, none when unanswered).
  std::vector<SimBytes> HandleLocked(uint8_t code, const SimBytes& payload);
  // Applies a parameter or preset command; false when its payload is short or out of range.
  bool ApplyLocked(uint8_t code, const SimBytes& payload);
  void LoadLiveLocked(const UnitImage& image);
  void QueueEverywhereLocked(const SimBytes& bytes, bool disconnect);

  template <class T>
  T Read(const T& field) const {
    std::lock_guard lock(mutex_);
    return field;
  }
  template <class T, class V>
  void Write(T& field, const V& value) {
    std::lock_guard lock(mutex_);
    field = value;
  }

  mutable std::mutex mutex_;
  mutable std::condition_variable recorded_;
  std::vector<SimUnitPort*> ports_;
  std::vector<SimUnitFrame> frames_;
  std::vector<SimUnitFault> faults_;

  uint8_t unitId_ = 1;
  bool answerAnyId_ = false;
  std::string identity_ = "Q7K V010";
  bool lockEngaged_ = false;
  bool unlocked_ = false;
  std::string password_ = "5820";
  std::array<float, 12> levels_{};
  uint8_t limiterBits_ = 0;
  uint32_t paceBaud_ = 0;
  uint8_t presetNumber_ = 0;
  uint8_t selectedSlot_ = 1;
  std::array<uint8_t, kEepromSize> eeprom_{};
  std::unique_ptr<UnitHost> host_;
  std::unique_ptr<LUnitControl> live_;  // applies the setters the way the editor does
  std::array<UnitImage, kPresetSlots> presets_{};
  std::array<bool, kPresetSlots> used_{};
};
