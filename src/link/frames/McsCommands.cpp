#include "McsCommands.h"

#include "CommandCode.h"

namespace {
constexpr std::size_t kPasswordLength = 4;
}

CM_MCS_COMP::CM_MCS_COMP(std::uint8_t deviceId, int ch, const CompRecord& comp)
    : LCmd(deviceId, CMD_COMP) {
  AppendByte(ch);
  AppendByte(comp.ratio);
  AppendByte(comp.knee);
  AppendWord(comp.attack);
  AppendWord(comp.release);
  AppendWord(comp.threshold);
}

CM_MCS_GATE::CM_MCS_GATE(std::uint8_t deviceId, int ch, const GateRecord& gate)
    : LCmd(deviceId, CMD_GATE) {
  AppendByte(ch);
  AppendWord(gate.attack);
  AppendWord(gate.release);
  AppendWord(gate.hold);
  AppendWord(gate.threshold);
}

CM_MCS_POLARITY::CM_MCS_POLARITY(std::uint8_t deviceId, int ch, int polarity)
    : LCmd(deviceId, CMD_POLARITY) {
  AppendByte(ch);
  AppendByte(polarity != 0 ? 1 : 0);
}

CM_MCS_PEQ::CM_MCS_PEQ(std::uint8_t deviceId, int ch, int band, int gain, int frequency, int q,
                       int type, int bypass)
    : LCmd(deviceId, CMD_PEQ) {
  AppendByte(ch);
  AppendByte(band);
  AppendWord(gain);
  AppendWord(frequency);
  AppendByte(q);
  AppendByte(type);
  AppendByte(bypass);
}

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(std::uint8_t deviceId, int ch, int frequency, int slope)
    : LCmd(deviceId, CMD_HIGH_PASS) {
  AppendByte(ch);
  AppendWord(frequency);
  AppendByte(slope);
}

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(std::uint8_t deviceId, int ch, int frequency, int slope)
    : LCmd(deviceId, CMD_LOW_PASS) {
  AppendByte(ch);
  AppendWord(frequency);
  AppendByte(slope);
}

CM_MCS_GAIN::CM_MCS_GAIN(std::uint8_t deviceId, int ch, int gain) : LCmd(deviceId, CMD_GAIN) {
  AppendByte(ch);
  AppendWord(gain);
}

CM_MCS_DELAY::CM_MCS_DELAY(std::uint8_t deviceId, int ch, int delay) : LCmd(deviceId, CMD_DELAY) {
  AppendByte(ch);
  AppendWord(delay);
}

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(std::uint8_t deviceId, int unit)
    : LCmd(deviceId, CMD_DELAY_UNIT) {
  AppendByte(unit);
}

CM_MCS_MATRIX::CM_MCS_MATRIX(std::uint8_t deviceId, int ch, int routing)
    : LCmd(deviceId, CMD_MATRIX) {
  AppendByte(ch);
  AppendByte(routing);
}

CM_MCS_MUTE::CM_MCS_MUTE(std::uint8_t deviceId, int ch, int value) : LCmd(deviceId, CMD_MUTE) {
  AppendByte(ch);
  AppendByte(value);
}

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(std::uint8_t deviceId, int ch, ChannelNameBytes name)
    : LCmd(deviceId, CMD_CHANNEL_NAME) {
  AppendByte(ch);
  AppendBytes(name.data(), name.size());
}

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(std::uint8_t deviceId, PresetNameBytes name)
    : LCmd(deviceId, CMD_PRESET_NAME) {
  AppendBytes(name.data(), name.size());
}

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(std::uint8_t deviceId, int address, int count)
    : LCmd(deviceId, CMD_READ_EEPROM) {
  AppendWord(address);
  AppendByte(count);
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(std::uint8_t deviceId, int address,
                                         std::span<const std::uint8_t> data)
    : LCmd(deviceId, CMD_WRITE_EEPROM) {
  AppendWord(address);
  AppendByte(static_cast<int>(data.size()));
  AppendBytes(data.data(), data.size());
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(std::uint8_t deviceId, int preset, int piece,
                                 std::span<const std::uint8_t> data)
    : LCmd(deviceId, CMD_DOWNLOAD) {
  AppendByte(piece);
  AppendByte(preset);
  AppendBytes(data.data(), data.size());
}

CM_MCS_MCU_RESET::CM_MCS_MCU_RESET(std::uint8_t deviceId) : LCmd(deviceId, CMD_MCU_RESET) {}

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(std::uint8_t deviceId, const std::string& password)
    : LCmd(deviceId, CMD_PASS_SUBMIT) {
  AppendByte(0);
  AppendPadded(password, kPasswordLength);
}

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(std::uint8_t deviceId, const std::string& password)
    : LCmd(deviceId, CMD_SET_LOCK) {
  AppendPadded(password, kPasswordLength);
}

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(std::uint8_t deviceId, int mode, int sineIndex)
    : LCmd(deviceId, CMD_WORK_MODE) {
  AppendByte(mode);
  AppendByte(sineIndex);
}
