#pragma once
// Shared pieces of the styled-control tests: image files made in memory, a fake clock for
// the repeat timers, and pixel helpers.
#include "StyledControl.h"

#include "timer/TRepeatTimer.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include <algorithm>
#include <vector>

// The bytes of an image file of that format ("BMP", "PNG", "JPG", "GIF", "TIFF").
inline QByteArray ImageFile(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A w x h opaque image filled with one colour.
inline QImage Solid(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A clock for repeat timers: time moves only when the test advances it.
class FakeClock {
public:
    class Timer : public TRepeatTimer {
    public:
        explicit Timer(FakeClock& clock) : FClock(&clock) { clock.FTimers.push_back(this); }
        ~Timer() override {
            if (FClock) std::erase(FClock->FTimers, this);
        }
        void SetInterval(int ms) override {
            if (ms == FInterval) return;
            FInterval = ms;
            FDue = Now() + ms;
        }
        int Interval() const override { return FInterval; }
        void SetEnabled(bool enabled) override {
            if (enabled && !FEnabled) FDue = Now() + FInterval;
            FEnabled = enabled;
        }
        bool Enabled() const override { return FEnabled; }

    private:
        friend class FakeClock;
        int Now() const { return FClock ? FClock->FNow : 0; }
        FakeClock* FClock;
        int FInterval = 1000;
        bool FEnabled = false;
        int FDue = 0;
    };

    FakeClock() {
        SetRepeatTimerFactory([this] { return std::make_unique<Timer>(*this); });
    }
    ~FakeClock() {
        SetRepeatTimerFactory(nullptr);
        for (Timer* t : FTimers) t->FClock = nullptr;  // timers may outlive the clock
    }

    // Moves time on by `ms` milliseconds, firing each timer when it is due.
    void Advance(int ms) {
        for (int k = 0; k < ms; ++k) {
            ++FNow;
            const std::vector<Timer*> timers = FTimers;
            for (Timer* t : timers) {
                // A handler may have destroyed other timers.
                if (std::find(FTimers.begin(), FTimers.end(), t) == FTimers.end()) continue;
                if (t->FEnabled && FNow >= t->FDue) {
                    t->FDue = FNow + t->FInterval;
                    if (t->OnTimer) t->OnTimer();
                }
            }
        }
    }
    int Now() const { return FNow; }

private:
    int FNow = 0;
    std::vector<Timer*> FTimers;
};

inline bool SameRgb(QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }
