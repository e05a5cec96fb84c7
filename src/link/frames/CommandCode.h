#pragma once
// Command codes of the frames exchanged with the unit, in both directions. Some codes
// mean one thing as a request and another as a reply; both names are given.
#include <cstdint>

enum CommandCode : std::uint8_t {
  CMD_ACK = 1,                 // reply: acknowledges the last request
  CMD_MCU_RESET = 4,           // restart the unit after a whole-unit download
  CMD_CONNECT = 16,
  CMD_DISCONNECT = 17,
  CMD_POLL = 18,               // keep-alive
  CMD_IDENTITY = 19,
  CMD_PRESET_NUMBER = 20,
  CMD_DELAY_UNIT = 21,
  CMD_READ_EEPROM = 25,
  CMD_WRITE_EEPROM = 26,
  CMD_RECALL_PRESET = 32,
  CMD_STORE_PRESET = 33,
  CMD_PRESET_FLAGS = 34,
  CMD_FACTORY_DEFAULT = 35,
  CMD_SELECT_PRESET = 36,      // request: select a stored preset for reading
  CMD_IMAGE_PIECE = 36,        // reply: one piece of the current image (answer to 39)
  CMD_DOWNLOAD = 37,
  CMD_PRESET_NAME = 38,
  CMD_READ_IMAGE_PIECE = 39,
  CMD_READ_PRESET_PIECE = 40,
  CMD_READ_PRESET_NAME = 41,
  CMD_COPY_CHANNEL = 42,
  CMD_LOCK_STATE = 44,
  CMD_PASS_SUBMIT = 45,
  CMD_SET_LOCK = 47,
  CMD_COMP = 48,
  CMD_LOW_PASS = 49,           // the high-cut filter
  CMD_HIGH_PASS = 50,          // the low-cut filter
  CMD_PEQ = 51,
  CMD_GAIN = 52,
  CMD_MUTE = 53,
  CMD_POLARITY = 54,
  CMD_DELAY = 56,
  CMD_WORK_MODE = 57,
  CMD_MATRIX = 58,
  CMD_LINK = 59,
  CMD_EQ_BYPASS = 60,
  CMD_CHANNEL_NAME = 61,
  CMD_GATE = 62,
  CMD_LEVELS = 64,
};
