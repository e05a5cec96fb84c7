#include "FrameParser.h"

bool FrameParser::Push(std::uint8_t b) {
  if (complete_) Clear();
  if (frame_.empty() && b != 0x10) return false;
  if (frame_.size() == 1 && b != 0x02) return false;
  frame_.push_back(b);
  if (frame_.size() < 5) return false;
  if (frame_[4] == 0) {
    frame_.clear();
    return false;
  }
  if (frame_.size() == frame_[4] + LCmd::kFrameOverhead) {
    complete_ = true;
    return true;
  }
  return false;
}

void FrameParser::Clear() {
  frame_.clear();
  complete_ = false;
}
