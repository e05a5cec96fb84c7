#pragma once
// A command to the unit or a reply from it: unit ID, command code and payload bytes,
// with the frame codec.
//
// Frame: 10 02 00 id len code payload... 10 03 xor, len = payload length + 1, xor = XOR of
// every preceding byte. Replies carry the sender's unit ID in byte 2. No byte stuffing:
// boundaries follow from the length byte alone.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

using ByteArray = std::vector<std::uint8_t>;

class LCmd {
 public:
  static constexpr std::size_t kFrameOverhead = 8;   // frame length = len + 8
  static constexpr std::size_t kMinFrameSize = 9;    // frame without payload
  static constexpr std::size_t kMaxPayload = 254;    // len is one byte

  LCmd();
  LCmd(std::uint8_t deviceId, std::uint8_t code);
  // Parses one received frame. Reads only the bytes given: a length byte that promises
  // more than the frame holds yields the payload bytes that are there (before the
  // three trailer bytes), a length byte of 0 an empty payload.
  explicit LCmd(std::span<const std::uint8_t> frame);
  // Whether a received frame starts with 10 02 and ends with 10 03 before its XOR byte.
  static bool Intact(std::span<const std::uint8_t> frame);
  LCmd(const LCmd&) = default;
  LCmd(LCmd&&) = default;
  LCmd& operator=(const LCmd&) = default;
  LCmd& operator=(LCmd&&) = default;
  virtual ~LCmd();

  ByteArray Serialise() const;

  // The bytes of one frame. The editor puts 0 in byte 2 and the addressed unit ID in
  // byte 3 (Serialise); the unit puts its own ID in byte 2.
  static ByteArray FrameBytes(std::uint8_t byte2, std::uint8_t byte3, std::uint8_t code,
                              std::span<const std::uint8_t> payload);

  std::uint8_t GetDeviceId() const { return deviceId_; }
  std::uint8_t GetCode() const { return code_; }
  const ByteArray& GetPayload() const { return payload_; }

  // Payload byte `index`; throws ShortReplyError when the payload is shorter.
  std::uint8_t PayloadByte(std::size_t index) const;

 protected:
  void SetCode(std::uint8_t code) { code_ = code; }
  void SetDeviceId(std::uint8_t deviceId) { deviceId_ = deviceId; }
  void AppendByte(int value) { payload_.push_back(static_cast<std::uint8_t>(value)); }
  // A 16-bit word, low byte first.
  void AppendWord(int value);
  void AppendBytes(const std::uint8_t* bytes, std::size_t count);
  // The first `width` bytes of an 8-bit text, zero-padded to `width`.
  void AppendPadded(const std::string& text, std::size_t width);

 private:
  std::uint8_t deviceId_ = 0;
  std::uint8_t code_ = 0;
  ByteArray payload_;
};

// The generic request: a code with no payload or one or two argument bytes (each the low
// 8 bits of the value passed).
class CM_MCS_CMD : public LCmd {
 public:
  CM_MCS_CMD(std::uint8_t deviceId, std::uint8_t code);
  CM_MCS_CMD(std::uint8_t deviceId, std::uint8_t code, int a);
  CM_MCS_CMD(std::uint8_t deviceId, std::uint8_t code, int a, int b);
};
