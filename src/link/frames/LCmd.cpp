#include "LCmd.h"

#include "ShortReplyError.h"

#include <algorithm>

LCmd::LCmd() = default;

LCmd::LCmd(std::uint8_t deviceId, std::uint8_t code) : deviceId_(deviceId), code_(code) {}

LCmd::LCmd(std::span<const std::uint8_t> frame) {
  const std::size_t n = frame.size();
  if (Intact(frame)) {
    deviceId_ = frame[2];
    code_ = frame[5];
  } else {
    // A damaged trailer: the frame is taken as one from no unit of ours.
    deviceId_ = 0;
    code_ = n > 0 ? frame[0] : 0;
  }
  const std::size_t len = n > 4 ? frame[4] : 0;
  const std::size_t wanted = len > 0 ? len - 1 : 0;
  const std::size_t available = n > kMinFrameSize ? n - kMinFrameSize : 0;
  const std::size_t count = std::min(wanted, available);
  if (count > 0) payload_.assign(frame.begin() + 6, frame.begin() + 6 + count);
}

bool LCmd::Intact(std::span<const std::uint8_t> frame) {
  const std::size_t n = frame.size();
  return n >= kMinFrameSize && frame[0] == 0x10 && frame[1] == 0x02 && frame[n - 3] == 0x10 &&
         frame[n - 2] == 0x03;
}

LCmd::~LCmd() = default;

ByteArray LCmd::Serialise() const { return FrameBytes(0x00, deviceId_, code_, payload_); }

ByteArray LCmd::FrameBytes(std::uint8_t byte2, std::uint8_t byte3, std::uint8_t code,
                           std::span<const std::uint8_t> payload) {
  ByteArray out;
  out.reserve(payload.size() + kFrameOverhead);
  out.push_back(0x10);
  out.push_back(0x02);
  out.push_back(byte2);
  out.push_back(byte3);
  out.push_back(static_cast<std::uint8_t>(payload.size() + 1));
  out.push_back(code);
  out.insert(out.end(), payload.begin(), payload.end());
  out.push_back(0x10);
  out.push_back(0x03);
  std::uint8_t x = 0;
  for (std::uint8_t b : out) x ^= b;
  out.push_back(x);
  return out;
}

std::uint8_t LCmd::PayloadByte(std::size_t index) const {
  if (index >= payload_.size()) throw ShortReplyError(code_, index, payload_.size());
  return payload_[index];
}

void LCmd::AppendWord(int value) {
  AppendByte(value & 0xFF);
  AppendByte((value >> 8) & 0xFF);
}

void LCmd::AppendBytes(const std::uint8_t* bytes, std::size_t count) {
  payload_.insert(payload_.end(), bytes, bytes + count);
}

void LCmd::AppendPadded(const std::string& text, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i)
    AppendByte(i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t deviceId, std::uint8_t code) : LCmd(deviceId, code) {}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t deviceId, std::uint8_t code, int a) : LCmd(deviceId, code) {
  AppendByte(a);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t deviceId, std::uint8_t code, int a, int b)
    : LCmd(deviceId, code) {
  AppendByte(a);
  AppendByte(b);
}
