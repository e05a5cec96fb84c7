#include "CommandCode.h"
#include "McsCommands.h"

#include <gtest/gtest.h>

namespace {

ByteArray Bytes(std::initializer_list<int> values) {
  ByteArray out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

TEST(McsCommands, GainExampleFrame) {
  EXPECT_EQ(CM_MCS_GAIN(1, 2, 280).Serialise(),
            Bytes({0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x02, 0x18, 0x01, 0x10, 0x03, 0x2B}));
}

TEST(McsCommands, PayloadLayouts) {
  struct Case {
    const char* what;
    LCmd cmd;
    int code;
    ByteArray payload;
  };
  const std::uint8_t name8[8] = {'L', 'e', 'f', 't', 0, 0, 0, 0};
  const std::uint8_t name14[14] = {'A', 'B', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  const std::uint8_t data[3] = {7, 8, 9};
  const Case cases[] = {
      {"comp", CM_MCS_COMP(1, 3, CompRecord{15, 12, 0x0102, 0x0304, 0x0506}), CMD_COMP,
       Bytes({3, 15, 12, 2, 1, 4, 3, 6, 5})},
      {"gate", CM_MCS_GATE(1, 1, GateRecord{0x0102, 0x0304, 0x0506, 0x0708}), CMD_GATE,
       Bytes({1, 2, 1, 4, 3, 6, 5, 8, 7})},
      {"polarity", CM_MCS_POLARITY(1, 2, 5), CMD_POLARITY, Bytes({2, 1})},
      {"peq", CM_MCS_PEQ(1, 7, 8, 240, 300, 100, 6, 1), CMD_PEQ,
       Bytes({7, 8, 240, 0, 0x2C, 1, 100, 6, 1})},
      {"high pass", CM_MCS_HIGH_PASS(1, 0, 0x0123, 20), CMD_HIGH_PASS, Bytes({0, 0x23, 1, 20})},
      {"low pass", CM_MCS_LOW_PASS(1, 0, 300, 3), CMD_LOW_PASS, Bytes({0, 0x2C, 1, 3})},
      {"delay", CM_MCS_DELAY(1, 4, 65280), CMD_DELAY, Bytes({4, 0x00, 0xFF})},
      {"delay unit", CM_MCS_DELAYUNIT(1, 2), CMD_DELAY_UNIT, Bytes({2})},
      {"matrix", CM_MCS_MATRIX(1, 5, 0x0103), CMD_MATRIX, Bytes({5, 3})},
      {"mute", CM_MCS_MUTE(1, 4, 1), CMD_MUTE, Bytes({4, 1})},
      {"channel name", CM_MCS_CHANNEL_NAME(1, 6, name8), CMD_CHANNEL_NAME,
       Bytes({6, 'L', 'e', 'f', 't', 0, 0, 0, 0})},
      {"preset name", CM_MCS_PRESETNAME(1, name14), CMD_PRESET_NAME,
       ByteArray(name14, name14 + 14)},
      {"read eeprom", CM_MCS_READ_EEPROM(1, 0, 18), CMD_READ_EEPROM, Bytes({0, 0, 18})},
      {"write eeprom", CM_MCS_WRITE_EEPROM(1, 0x0201, data), CMD_WRITE_EEPROM,
       Bytes({1, 2, 3, 7, 8, 9})},
      {"download: piece first", CM_MCS_DOWNLOAD(1, 29, 14, data), CMD_DOWNLOAD,
       Bytes({14, 29, 7, 8, 9})},
      {"reset", CM_MCS_MCU_RESET(1), CMD_MCU_RESET, {}},
      {"password", CM_MCS_PASS_SUBMIT(1, "12ab"), CMD_PASS_SUBMIT, Bytes({0, '1', '2', 'a', 'b'})},
      {"short password", CM_MCS_PASS_SUBMIT(1, "9"), CMD_PASS_SUBMIT, Bytes({0, '9', 0, 0, 0})},
      {"set lock", CM_MCS_SET_LOCK(1, "wxyz!"), CMD_SET_LOCK, Bytes({'w', 'x', 'y', 'z'})},
      {"work mode", CM_MCS_WORK_MODE(1, 3, 30), CMD_WORK_MODE, Bytes({3, 30})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.cmd.GetCode(), c.code) << c.what;
    EXPECT_EQ(c.cmd.GetPayload(), c.payload) << c.what;
    EXPECT_EQ(c.cmd.GetDeviceId(), 1) << c.what;
  }
}

}  // namespace
