#pragma once
// The requests of a full read of the unit, in order: the handshake (16, 19, 44), the slot
// flags (34), the preset number (20), the 30 preset names (41), the 15 image pieces (39)
// and the closing poll (18): 51 exchanges. Shared by the link tests and the benchmark.
#include <vector>

#include "CommandCode.h"
#include "LCmd.h"

struct Exchange {
  std::uint8_t code;
  int arg;  // -1: no argument byte
};

inline std::vector<Exchange> FullRead() {
  std::vector<Exchange> steps{{CMD_CONNECT, -1}, {CMD_IDENTITY, -1}, {CMD_LOCK_STATE, -1},
                              {CMD_PRESET_FLAGS, -1}, {CMD_PRESET_NUMBER, -1}};
  for (int i = 0; i < 30; ++i) steps.push_back({CMD_READ_PRESET_NAME, i});
  for (int i = 0; i < 15; ++i) steps.push_back({CMD_READ_IMAGE_PIECE, i});
  steps.push_back({CMD_POLL, -1});
  return steps;
}

inline ByteArray FrameOf(const Exchange& e) {
  return e.arg < 0 ? CM_MCS_CMD(1, e.code).Serialise() : CM_MCS_CMD(1, e.code, e.arg).Serialise();
}
