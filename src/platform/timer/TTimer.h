#pragma once
// The framework's timer on a QTimer: `Interval` (ms, 1000 at start), `Enabled` (true at
// start) and `OnTimer`, called with the timer as sender on the thread that owns the timer.
// It runs while enabled, with an interval above 0 and a handler. Setting the interval it
// already has, or enabling a running timer, leaves its schedule unchanged; any real change
// (interval, enabled, handler) starts the schedule again from now.
#include <QObject>
#include <QTimer>
#include <functional>

class TTimer : public QObject {
 public:
  using TNotifyEvent = std::function<void(QObject* Sender)>;

  explicit TTimer(QObject* owner = nullptr);
  ~TTimer() override;

  int GetInterval() const { return interval_; }
  void SetInterval(int ms);
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const TNotifyEvent& GetOnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);

  // Whether the underlying timer is scheduled.
  bool IsActive() const;

 private:
  friend class TimerClock;
  void UpdateTimer();
  void Tick();

  QTimer timer_;
  int interval_ = 1000;
  bool enabled_ = true;
  TNotifyEvent onTimer_;
};
