#pragma once
// The command classes for each parameter kind and transfer. Each takes the unit ID first
// and fills its code and payload; words travel low byte first; channels are 0 = InA,
// 1 = InB, 2 to 7 = Out1 to Out6, bands 0-based.
#include "LCmd.h"
#include "ParamRecords.h"

#include <span>
#include <string>

// Channel names are 8 bytes, preset names 14, passwords 4.
using ChannelNameBytes = std::span<const std::uint8_t, 8>;
using PresetNameBytes = std::span<const std::uint8_t, 14>;

class CM_MCS_COMP : public LCmd {
 public:
  CM_MCS_COMP(std::uint8_t deviceId, int ch, const CompRecord& comp);
};

class CM_MCS_GATE : public LCmd {
 public:
  CM_MCS_GATE(std::uint8_t deviceId, int ch, const GateRecord& gate);
};

// Sends 1 for any non-zero polarity value.
class CM_MCS_POLARITY : public LCmd {
 public:
  CM_MCS_POLARITY(std::uint8_t deviceId, int ch, int polarity);
};

class CM_MCS_PEQ : public LCmd {
 public:
  CM_MCS_PEQ(std::uint8_t deviceId, int ch, int band, int gain, int frequency, int q, int type,
             int bypass);
};

// The low-cut filter.
class CM_MCS_HIGH_PASS : public LCmd {
 public:
  CM_MCS_HIGH_PASS(std::uint8_t deviceId, int ch, int frequency, int slope);
};

// The high-cut filter.
class CM_MCS_LOW_PASS : public LCmd {
 public:
  CM_MCS_LOW_PASS(std::uint8_t deviceId, int ch, int frequency, int slope);
};

class CM_MCS_GAIN : public LCmd {
 public:
  CM_MCS_GAIN(std::uint8_t deviceId, int ch, int gain);
};

class CM_MCS_DELAY : public LCmd {
 public:
  CM_MCS_DELAY(std::uint8_t deviceId, int ch, int delay);
};

class CM_MCS_DELAYUNIT : public LCmd {
 public:
  CM_MCS_DELAYUNIT(std::uint8_t deviceId, int unit);
};

// Sends the low byte of the routing word.
class CM_MCS_MATRIX : public LCmd {
 public:
  CM_MCS_MATRIX(std::uint8_t deviceId, int ch, int routing);
};

class CM_MCS_MUTE : public LCmd {
 public:
  CM_MCS_MUTE(std::uint8_t deviceId, int ch, int value);
};

class CM_MCS_CHANNEL_NAME : public LCmd {
 public:
  CM_MCS_CHANNEL_NAME(std::uint8_t deviceId, int ch, ChannelNameBytes name);
};

class CM_MCS_PRESETNAME : public LCmd {
 public:
  CM_MCS_PRESETNAME(std::uint8_t deviceId, PresetNameBytes name);
};

class CM_MCS_READ_EEPROM : public LCmd {
 public:
  CM_MCS_READ_EEPROM(std::uint8_t deviceId, int address, int count);
};

// The count byte is the number of data bytes given.
class CM_MCS_WRITE_EEPROM : public LCmd {
 public:
  CM_MCS_WRITE_EEPROM(std::uint8_t deviceId, int address, std::span<const std::uint8_t> data);
};

// One piece of a stored preset: the piece index goes first, then the preset, then the data.
class CM_MCS_DOWNLOAD : public LCmd {
 public:
  CM_MCS_DOWNLOAD(std::uint8_t deviceId, int preset, int piece, std::span<const std::uint8_t> data);
};

class CM_MCS_MCU_RESET : public LCmd {
 public:
  explicit CM_MCS_MCU_RESET(std::uint8_t deviceId);
};

// A 0 byte, then the 4 password characters (8-bit; a shorter text is zero-padded).
class CM_MCS_PASS_SUBMIT : public LCmd {
 public:
  CM_MCS_PASS_SUBMIT(std::uint8_t deviceId, const std::string& password);
};

// The 4 characters of the new password (8-bit; a shorter text is zero-padded).
class CM_MCS_SET_LOCK : public LCmd {
 public:
  CM_MCS_SET_LOCK(std::uint8_t deviceId, const std::string& password);
};

// Test-signal mode (0 analog input, 1 pink, 2 white, 3 sine) and sine frequency index.
class CM_MCS_WORK_MODE : public LCmd {
 public:
  CM_MCS_WORK_MODE(std::uint8_t deviceId, int mode, int sineIndex);
};
