#pragma once
// A clock for tests that takes over the schedule of every TTimer of the process while it is
// installed: time moves only when the test advances it, and the timers that fall due tick
// in the order of their due times (ties in the order they were scheduled), each as the event
// loop would run it. One clock at a time, on the thread that owns the timers.
//
// A timer is put on the clock whenever its schedule is set while the clock is installed (at
// creation nothing runs yet, so every timer armed afterwards is on it). When the clock goes,
// the timers still running on it go back to the system's clock with a fresh schedule.
#include <cstdint>
#include <vector>

class TTimer;

class TimerClock {
 public:
  TimerClock();
  ~TimerClock();
  TimerClock(const TimerClock&) = delete;
  TimerClock& operator=(const TimerClock&) = delete;

  // The installed clock, or null.
  static TimerClock* Current();

  // Milliseconds since the clock was installed.
  std::int64_t Now() const { return now_; }
  // Moves time on by `ms`, ticking each timer when it is due (a timer with a short interval
  // may tick several times).
  void Advance(int ms);
  // Moves time on to the next due tick and runs it; false (time unchanged) when no timer runs.
  bool AdvanceToNext();
  // The time until the timer's next tick; -1 when it does not run.
  int Remaining(const TTimer& timer) const;

 private:
  friend class TTimer;
  // Called by the timer whenever its schedule is set again: run or stop it from now.
  void Schedule(TTimer* timer, bool run);
  void Forget(const TTimer* timer);
  // Runs the earliest tick due at or before `until`; false when none is.
  bool RunOneDue(std::int64_t until);

  struct Entry {
    TTimer* timer;
    std::int64_t due;
    std::uint64_t order;
  };
  std::vector<Entry> entries_;
  std::int64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
};
