#include "SimUnitPort.h"

#include "LCmd.h"
#include "SimUnit.h"

#include <algorithm>

namespace {

// Frames are cut by their length byte: 0x10 0x02, two address bytes, len, len bytes of code and
// payload, 0x10 0x03, XOR. A length of 0 cannot start a frame.
constexpr size_t kHeader = 5;

SimClock::duration ByteTime(uint32_t baud) {
  return std::chrono::duration_cast<SimClock::duration>(std::chrono::nanoseconds(10'000'000'000LL / baud));
}

}  // namespace

SimUnitPort::SimUnitPort(SimUnit& unit, std::function<void()> onOutput)
    : unit_(unit), onOutput_(std::move(onOutput)) {
  unit_.Attach(this);
}

SimUnitPort::~SimUnitPort() { unit_.Detach(this); }

void SimUnitPort::Receive(const uint8_t* data, size_t size) {
  std::lock_guard lock(unit_.mutex_);
  input_.insert(input_.end(), data, data + size);
  bool queued = false;
  size_t pos = 0;
  while (true) {
    while (pos < input_.size() && input_[pos] != 0x10) ++pos;
    if (input_.size() - pos < 2) break;
    if (input_[pos + 1] != 0x02) {
      ++pos;
      continue;
    }
    if (input_.size() - pos < kHeader) break;
    const size_t len = input_[pos + 4];
    if (len == 0) {
      ++pos;
      continue;
    }
    if (input_.size() - pos < len + LCmd::kFrameOverhead) break;
    SimBytes frame(input_.begin() + pos, input_.begin() + pos + len + LCmd::kFrameOverhead);
    pos += len + LCmd::kFrameOverhead;
    queued |= unit_.OnFrameLocked(*this, std::move(frame));
  }
  input_.erase(input_.begin(), input_.begin() + pos);
  if (queued) Notify();
}

void SimUnitPort::Reset() {
  std::lock_guard lock(unit_.mutex_);
  input_.clear();
  output_.clear();
  lineFree_ = {};
}

void SimUnitPort::QueueLocked(SimClock::time_point due, SimBytes bytes, bool disconnect) {
  // Output leaves in order: nothing is due before what was queued ahead of it.
  if (!output_.empty()) due = std::max(due, output_.back().due);
  output_.push_back({due, std::move(bytes), disconnect});
}

std::vector<SimUnitChunk> SimUnitPort::TakeOutput(SimClock::time_point now) {
  std::lock_guard lock(unit_.mutex_);
  std::vector<SimUnitChunk> chunks;
  const uint32_t baud = unit_.paceBaud_;
  while (!output_.empty() && output_.front().due <= now) {
    Pending& head = output_.front();
    if (baud == 0) {
      chunks.push_back({std::move(head.bytes), head.disconnect});
      output_.pop_front();
      continue;
    }
    // Paced: a byte is written when its ten bits have crossed the line.
    const auto byteTime = ByteTime(baud);
    SimUnitChunk chunk;
    size_t sent = 0;
    auto lineFree = std::max(lineFree_, head.due);
    if (lineFree > now) break;
    while (sent < head.bytes.size() && lineFree + byteTime <= now) {
      lineFree += byteTime;
      ++sent;
    }
    if (sent > 0) {
      lineFree_ = lineFree;
      chunk.bytes.assign(head.bytes.begin(), head.bytes.begin() + sent);
      head.bytes.erase(head.bytes.begin(), head.bytes.begin() + sent);
    }
    const bool done = head.bytes.empty();
    if (done) {
      chunk.disconnect = head.disconnect;
      output_.pop_front();
    }
    if (!chunk.bytes.empty() || chunk.disconnect) chunks.push_back(std::move(chunk));
    if (!done) break;
  }
  return chunks;
}

std::optional<SimClock::time_point> SimUnitPort::NextOutputDue() const {
  std::lock_guard lock(unit_.mutex_);
  return NextDueLocked();
}

std::optional<SimClock::time_point> SimUnitPort::NextDueLocked() const {
  if (output_.empty()) return std::nullopt;
  const Pending& head = output_.front();
  const uint32_t baud = unit_.paceBaud_;
  if (baud == 0) return head.due;
  const auto start = std::max(lineFree_, head.due);
  return head.bytes.empty() ? start : start + ByteTime(baud);
}

void SimUnitPort::Notify() const {
  if (onOutput_) onOutput_();
}
