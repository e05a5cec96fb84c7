#include "TimerClock.h"

#include <algorithm>
#include <atomic>
#include <cassert>

#include "TTimer.h"

namespace {
std::atomic<TimerClock*> gClock{nullptr};
}

TimerClock::TimerClock() {
  TimerClock* none = nullptr;
  const bool installed = gClock.compare_exchange_strong(none, this);
  assert(installed && "one TimerClock at a time");
  (void)installed;
}

TimerClock::~TimerClock() {
  gClock.store(nullptr);
  const std::vector<Entry> running = std::move(entries_);
  for (const Entry& e : running) e.timer->UpdateTimer();
}

TimerClock* TimerClock::Current() { return gClock.load(); }

void TimerClock::Schedule(TTimer* timer, bool run) {
  Forget(timer);
  if (run) entries_.push_back(Entry{timer, now_ + timer->GetInterval(), nextOrder_++});
}

void TimerClock::Forget(const TTimer* timer) {
  std::erase_if(entries_, [timer](const Entry& e) { return e.timer == timer; });
}

int TimerClock::Remaining(const TTimer& timer) const {
  for (const Entry& e : entries_) {
    if (e.timer == &timer) return int(e.due - now_);
  }
  return -1;
}

bool TimerClock::RunOneDue(std::int64_t until) {
  const auto next = std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return a.due != b.due ? a.due < b.due : a.order < b.order;
  });
  if (next == entries_.end() || next->due > until) return false;
  now_ = next->due;
  TTimer* timer = next->timer;
  // The next tick of a repeating timer; the handler may change or stop it.
  next->due += timer->GetInterval();
  next->order = nextOrder_++;
  timer->Tick();
  return true;
}

void TimerClock::Advance(int ms) {
  const std::int64_t until = now_ + std::max(ms, 0);
  while (RunOneDue(until)) {
  }
  now_ = until;
}

bool TimerClock::AdvanceToNext() {
  if (entries_.empty()) return false;
  return RunOneDue(INT64_MAX);
}
