#pragma once
// A critical section: a recursive lock that also knows how deep its owner holds it, so the
// owner can let go of it completely for a while (for example around a blocking hand-over to
// another thread) and take it back at the same depth.
#include <mutex>

class CriticalSection {
 public:
  void Enter() {
    mutex_.lock();
    ++depth_;
  }
  void Leave() {
    --depth_;
    mutex_.unlock();
  }
  // BasicLockable, for std::lock_guard / std::unique_lock.
  void lock() { Enter(); }
  void unlock() { Leave(); }

  // Releases every level the calling thread holds; returns how many there were (0 when
  // the calling thread does not hold it: the caller must know that it does).
  int LeaveAll() {
    const int levels = depth_;
    for (int i = 0; i < levels; ++i) Leave();
    return levels;
  }
  void EnterLevels(int levels) {
    for (int i = 0; i < levels; ++i) Enter();
  }

 private:
  std::recursive_mutex mutex_;
  int depth_ = 0;  // changed only by the owning thread, while it holds the mutex
};

// Lets go of a critical section that the calling thread holds, for the life of the guard.
class CriticalSectionRelease {
 public:
  explicit CriticalSectionRelease(CriticalSection& cs) : cs_(cs), levels_(cs.LeaveAll()) {}
  ~CriticalSectionRelease() { cs_.EnterLevels(levels_); }
  CriticalSectionRelease(const CriticalSectionRelease&) = delete;
  CriticalSectionRelease& operator=(const CriticalSectionRelease&) = delete;

 private:
  CriticalSection& cs_;
  int levels_;
};
