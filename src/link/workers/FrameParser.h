#pragma once
// Cuts a received byte stream into frames: 10 02, then bytes up to the length the length
// byte (byte 4) gives (byte 4 + 8 in all). Bytes before a 10 are dropped; a 10 not followed
// by 02 waits for a 02 behind it. A length byte of 0 (never valid: it counts the command
// code) discards the collected bytes. There is no time-out: a frame cut short is completed
// by whatever bytes follow. The XOR byte is not checked.
#include <cstddef>
#include <cstdint>

#include "LCmd.h"

class FrameParser {
 public:
  static constexpr std::size_t kMaxFrame = 255 + LCmd::kFrameOverhead;  // 263

  // Feeds one byte; true when a complete frame now stands in Frame(). The frame stays
  // there until Clear() or the next Push().
  bool Push(std::uint8_t b);
  const ByteArray& Frame() const { return frame_; }
  void Clear();

 private:
  ByteArray frame_;
  bool complete_ = false;
};
