#pragma once
// The one timer that makes labels blink: each tick flips the shared phase, asks every
// listed control whether it blinks (BlinkQueryMessage) and hands the new phase to those
// that do (BlinkStateMessage). It exists while at least one label exists.
#include "RzCommon.h"

#include "timer/TTimer.h"

#include <vector>

class TControl;

constexpr unsigned BlinkQueryMessage = 0xB3E8;
constexpr unsigned BlinkStateMessage = 0xB3E9;

class TRzBlinkingControlsList {
public:
    TRzBlinkingControlsList();
    virtual ~TRzBlinkingControlsList() = default;
    TRzBlinkingControlsList(const TRzBlinkingControlsList&) = delete;
    TRzBlinkingControlsList& operator=(const TRzBlinkingControlsList&) = delete;

    void Add(TControl* control);
    void Remove(TControl* control);
    virtual int Count() const { return int(FControls.size()); }
    // One tick of the timer.
    void TimerFired();

    TBlinkState BlinkState() const { return FBlinkState; }
    // Milliseconds of the lit and unlit phases; a change takes effect at the next tick.
    int IntervalOn() const { return FIntervalOn; }
    int IntervalOff() const { return FIntervalOff; }
    void SetIntervalOn(int ms) { FIntervalOn = ms; }
    void SetIntervalOff(int ms) { FIntervalOff = ms; }
    TTimer& Timer() { return FTimer; }

private:
    TBlinkState FBlinkState = bsOff;
    std::vector<TControl*> FControls;
    TTimer FTimer;
    int FIntervalOff = 500;
    int FIntervalOn = 500;
};

// The shared list (null while no label exists). Labels add themselves, creating it, and
// remove themselves, freeing it with the last one.
extern TRzBlinkingControlsList* BlinkingControls;
void AddBlinkingControl(TControl* control);
void RemoveBlinkingControl(TControl* control);
