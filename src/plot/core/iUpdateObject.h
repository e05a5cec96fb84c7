#pragma once
// The process-wide repaint scheduler. Every plot-family control registers with it for its
// whole life; a timer (1000 ms, running while any control is registered) repaints each
// control whose last change was held back by its frame-rate limit. The scheduler is created
// at the first registration (the application object must exist then) and destroyed with the
// application object. It also holds the clock by which controls time their repaints, which
// tests may replace.
#include <functional>
#include <memory>
#include <vector>

class TTimer;

// What the scheduler asks of a control.
class IiUpdateClient {
public:
    virtual bool UpdateActive() const = 0;
    virtual bool NeedsRepaint() const = 0;
    virtual int UpdateFrameRate() const = 0;
    // Date-time (days) of the last repaint that went through.
    virtual double LastUpdate() const = 0;
    virtual void DoInvalidateNow() = 0;

protected:
    ~IiUpdateClient() = default;
};

// Whether a held-back repaint is due at `now`: not inside an update bracket, something to
// repaint, and the frame interval passed since the last repaint. A frame rate of 0 or less
// sets no interval: due at once.
bool IsRepaintDue(const IiUpdateClient& client, double now);

class TiUpdateObject {
public:
    // The scheduler, created on first use.
    static TiUpdateObject& Global();

    ~TiUpdateObject();
    TiUpdateObject(const TiUpdateObject&) = delete;
    TiUpdateObject& operator=(const TiUpdateObject&) = delete;

    // Appends a control; the timer starts with the first one.
    void AddUpdateControl(IiUpdateClient* control);
    // Removes a control; the timer stops when none is left.
    void RemoveUpdateControl(IiUpdateClient* control);
    int ControlCount() const { return int(FControlList.size()); }
    bool TimerEnabled() const;
    // One tick: repaints every control registered before the tick whose repaint is due.
    void TimerTick();

    // The current date-time in days (any monotonic clock of millisecond resolution).
    double Now() const;
    // Replaces the clock (an empty function restores the steady clock).
    void SetClock(std::function<double()> clock);

private:
    TiUpdateObject();

    std::unique_ptr<TTimer> FTimer;
    std::vector<IiUpdateClient*> FControlList;
    std::function<double()> FClock;
};
