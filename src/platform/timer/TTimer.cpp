#include "TTimer.h"

#include "TimerClock.h"

TTimer::TTimer(QObject* owner) : QObject(owner), timer_(this) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

TTimer::~TTimer() {
  if (TimerClock* clock = TimerClock::Current()) clock->Forget(this);
}

bool TTimer::IsActive() const {
  if (const TimerClock* clock = TimerClock::Current()) return clock->Remaining(*this) >= 0;
  return timer_.isActive();
}

void TTimer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  timer_.stop();
  const bool run = enabled_ && interval_ > 0 && onTimer_;
  if (TimerClock* clock = TimerClock::Current()) {
    clock->Schedule(this, run);
    return;
  }
  if (run) timer_.start(interval_);
}

void TTimer::Tick() {
  if (!onTimer_) return;
  // A copy: the handler may replace itself or destroy nothing but what it owns.
  TNotifyEvent handler = onTimer_;
  handler(this);
}
