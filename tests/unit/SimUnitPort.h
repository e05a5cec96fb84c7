#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class SimUnit;

using SimClock = std::chrono::steady_clock;
using SimBytes = std::vector<uint8_t>;

// Bytes a transport writes in one call; `disconnect` asks it to drop the connection after them.
struct SimUnitChunk {
  SimBytes bytes;
  bool disconnect = false;
};

// One connection point of a simulated unit (a TCP client, a pty, a HID device). It cuts the
// editor's byte stream into frames for the unit and holds the unit's output until it is due:
// delayed replies wait for their time, and with pacing on, bytes leave no faster than the
// configured baud rate (10 bits per byte). Output stays in order. Thread-safe: every method
// takes the unit's lock. A port registers with its unit while it lives and must not outlive it.
class SimUnitPort {
 public:
  // `onOutput` is called whenever new output was queued, on whichever thread queued it and
  // with the unit's lock held: it may only wake the transport (never call into the unit).
  explicit SimUnitPort(SimUnit& unit, std::function<void()> onOutput = {});
  ~SimUnitPort();
  SimUnitPort(const SimUnitPort&) = delete;
  SimUnitPort& operator=(const SimUnitPort&) = delete;

  // Bytes from the editor, in any chunking; every complete frame is recorded and handled.
  void Receive(const uint8_t* data, size_t size);
  void Receive(const SimBytes& bytes) { Receive(bytes.data(), bytes.size()); }

  // A new connection: forgets partial input and pending output.
  void Reset();

  // The output that is due at `now`, oldest first; each queued write stays a chunk of its own
  // (a paced write may come out in several chunks).
  std::vector<SimUnitChunk> TakeOutput(SimClock::time_point now);
  // When the next output becomes due, or nothing when none is pending.
  std::optional<SimClock::time_point> NextOutputDue() const;

 private:
  friend class SimUnit;
  struct Pending {
    SimClock::time_point due;
    SimBytes bytes;
    bool disconnect = false;
  };

  // Called by the unit with its lock held.
  void QueueLocked(SimClock::time_point due, SimBytes bytes, bool disconnect);
  std::optional<SimClock::time_point> NextDueLocked() const;
  void Notify() const;  // with the unit's lock held

  SimUnit& unit_;
  std::function<void()> onOutput_;
  SimBytes input_;
  std::deque<Pending> output_;
  SimClock::time_point lineFree_{};
};
