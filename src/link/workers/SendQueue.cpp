#include "SendQueue.h"

namespace {

constexpr std::size_t kCodeOffset = 5;

// Frames too short to hold a code never match.
bool SameCode(const ByteArray& a, const ByteArray& b) {
  return a.size() > kCodeOffset && b.size() > kCodeOffset && a[kCodeOffset] == b[kCodeOffset];
}

}  // namespace

bool SendQueue::Enqueue(const ByteArray& frame, bool appendOnly) {
  if (!busy_) {
    busy_ = true;
    return true;
  }
  if (appendOnly) {
    waiting_.push_back(frame);
    remembered_ = false;
    return false;
  }
  if (remembered_ && SameCode(waiting_.back(), frame)) {
    waiting_.back() = frame;
  } else {
    waiting_.push_back(frame);
    remembered_ = true;
  }
  return false;
}

std::optional<ByteArray> SendQueue::Next() {
  if (waiting_.empty()) {
    busy_ = false;
    return std::nullopt;
  }
  if (waiting_.size() == 1) remembered_ = false;
  ByteArray next = std::move(waiting_.front());
  waiting_.pop_front();
  return next;
}

void SendQueue::Clear() {
  waiting_.clear();
  remembered_ = false;
}
