#include "timer/TRepeatTimer.h"

#include "timer/TTimer.h"

#include <utility>

namespace {

TRepeatTimerFactory& Factory() {
    static TRepeatTimerFactory factory;
    return factory;
}

// The default repeat timer: the framework's timer.
class FrameworkRepeatTimer : public TRepeatTimer {
public:
    FrameworkRepeatTimer() {
        FTimer.SetEnabled(false);
        FTimer.SetOnTimer([this](QObject*) {
            if (OnTimer) OnTimer();
        });
    }
    void SetInterval(int ms) override { FTimer.SetInterval(ms); }
    int Interval() const override { return FTimer.GetInterval(); }
    void SetEnabled(bool enabled) override { FTimer.SetEnabled(enabled); }
    bool Enabled() const override { return FTimer.GetEnabled(); }

private:
    TTimer FTimer;
};

}  // namespace

std::unique_ptr<TRepeatTimer> MakeRepeatTimer() {
    if (Factory()) return Factory()();
    return std::make_unique<FrameworkRepeatTimer>();
}

void SetRepeatTimerFactory(TRepeatTimerFactory factory) { Factory() = std::move(factory); }
