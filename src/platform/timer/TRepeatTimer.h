#pragma once
// A timer the controls make through one factory, for their auto-repeat and animations: on
// the framework's timer, or on a fake clock that a test installs, so that timed behaviour is
// tested without waiting.
#include <functional>
#include <memory>

// Interval in ms, enabled, a handler.
class TRepeatTimer {
public:
    virtual ~TRepeatTimer() = default;
    virtual void SetInterval(int ms) = 0;
    virtual int Interval() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    std::function<void()> OnTimer;
};
using TRepeatTimerFactory = std::function<std::unique_ptr<TRepeatTimer>()>;
// A new repeat timer, not enabled: on the framework's timer, or from the factory a test
// installed.
std::unique_ptr<TRepeatTimer> MakeRepeatTimer();
void SetRepeatTimerFactory(TRepeatTimerFactory factory);
