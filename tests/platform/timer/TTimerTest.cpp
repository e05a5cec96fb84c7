#include <gtest/gtest.h>

#include "QtTestSupport.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <functional>

#include "timer/TTimer.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The time left until the next tick, from the timer the TTimer runs on.
int Remaining(TTimer& t) { return t.findChild<QTimer*>()->remainingTime(); }

// When the next tick is due: the clock plus the time left, read back to back (a read with
// a gap between the two, a busy machine, is made again).
Clock::time_point Due(TTimer& t) {
  const auto limit = Clock::now() + kWaitLimit;
  for (;;) {
    const auto before = Clock::now();
    const int left = Remaining(t);
    if (Clock::now() - before <= milliseconds(1) || before > limit) return before + milliseconds(left);
  }
}

// Runs the event loop until the schedule has visibly moved on (by far more than a read's
// uncertainty of a millisecond or two).
constexpr milliseconds kMoved{30};
constexpr milliseconds kSame{5};
bool LetTimePass(TTimer& t) {
  const int from = Remaining(t);
  return PumpUntil([&] { return Remaining(t) <= from - int(kMoved.count()); });
}

TEST(TTimer, TicksWithItselfAsSenderWhileEnabledWithAHandler) {
  TTimer t;
  EXPECT_EQ(t.GetInterval(), 1000);
  EXPECT_TRUE(t.GetEnabled());
  EXPECT_FALSE(t.IsActive());  // no handler yet
  int ticks = 0;
  QObject* sender = nullptr;
  t.SetInterval(5);
  t.SetOnTimer([&](QObject* s) {
    sender = s;
    ++ticks;
  });
  EXPECT_TRUE(t.IsActive());
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  EXPECT_EQ(sender, &t);
  t.SetEnabled(false);
  EXPECT_FALSE(t.IsActive());
  t.SetEnabled(true);
  t.SetInterval(0);
  EXPECT_FALSE(t.IsActive());
}

TEST(TTimer, SameIntervalOrEnablingARunningTimerKeepsTheSchedule) {
  TTimer t;
  t.SetInterval(100000);
  t.SetOnTimer([](QObject*) {});
  ASSERT_TRUE(LetTimePass(t));
  const auto due = Due(t);
  t.SetInterval(100000);
  t.SetEnabled(true);
  EXPECT_LE(abs(Due(t) - due), kSame);
  // A real change starts the schedule again from now.
  t.SetInterval(100001);
  const auto restarted = Due(t);
  EXPECT_GE(restarted - due, kMoved - kSame);
  ASSERT_TRUE(LetTimePass(t));
  t.SetEnabled(false);
  t.SetEnabled(true);
  EXPECT_GE(Due(t) - restarted, kMoved - kSame);
}

}  // namespace
