#pragma once
// The send queue of a link: one frame outstanding at a time, the frames that arrive
// meanwhile wait in order. A replaceable frame overwrites the frame at the back of the
// queue when that one was put there by a replaceable enqueue, still waits and carries the
// same command code (byte 5; only the code is compared, not channel or band); otherwise it
// is appended and remembered. Append-only frames are always appended.
#include <cstddef>
#include <deque>
#include <optional>

#include "LCmd.h"

class SendQueue {
 public:
  // True when the link was idle: it is busy now and the caller sends `frame` at once.
  // Otherwise the frame waits (or replaces the remembered one).
  bool Enqueue(const ByteArray& frame, bool appendOnly);
  // After a delivered reply: the next frame to send (busy stays set), or nothing, and the
  // link is idle.
  std::optional<ByteArray> Next();
  // Drops every waiting frame and forgets the remembered one.
  void Clear();

  bool Busy() const { return busy_; }
  bool Empty() const { return waiting_.empty(); }
  const std::deque<ByteArray>& Waiting() const { return waiting_; }
  // Whether the frame at the back may still be replaced.
  bool HasRemembered() const { return remembered_; }

 private:
  std::deque<ByteArray> waiting_;
  bool remembered_ = false;  // the back of `waiting_` came from a replaceable enqueue
  bool busy_ = false;
};
