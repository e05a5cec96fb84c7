#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>

#include "QtTestSupport.h"
#include "timer/TTimer.h"
#include "timer/TimerClock.h"

namespace {

// Timers on a test clock tick in the order of their due times, keep the framework's
// schedule rules, and may re-arm or stop one another from their handlers.
TEST(TimerClock, TicksInDueOrderUnderTheScheduleRules) {
  TimerClock clock;
  std::string log;
  TTimer slow, fast, once;
  slow.SetEnabled(false);
  slow.SetInterval(250);
  slow.SetOnTimer([&](QObject*) { log += "S" + std::to_string(clock.Now()) + " "; });
  fast.SetInterval(100);
  fast.SetOnTimer([&](QObject*) { log += "F" + std::to_string(clock.Now()) + " "; });
  once.SetInterval(150);
  once.SetOnTimer([&](QObject*) {
    once.SetEnabled(false);  // one-shot by convention
    slow.SetEnabled(true);   // armed at 150: due at 400
    log += "O" + std::to_string(clock.Now()) + " ";
  });
  EXPECT_FALSE(slow.IsActive());
  EXPECT_EQ(clock.Remaining(fast), 100);

  clock.Advance(50);
  fast.SetInterval(100);  // the same interval: the schedule stays (due at 100)
  fast.SetEnabled(true);  // already running: the same
  EXPECT_EQ(clock.Remaining(fast), 50);
  clock.Advance(350);
  EXPECT_EQ(log, "F100 O150 F200 F300 S400 F400 ");  // S was scheduled first
  EXPECT_EQ(clock.Now(), 400);
  EXPECT_FALSE(once.IsActive());

  // A real change starts the schedule again from now.
  fast.SetInterval(30);
  EXPECT_EQ(clock.Remaining(fast), 30);
  log.clear();
  ASSERT_TRUE(clock.AdvanceToNext());
  EXPECT_EQ(log, "F430 ");
}

TEST(TimerClock, TimersGoBackToTheSystemClockWhenItGoes) {
  int ticks = 0;
  TTimer t;
  t.SetEnabled(false);
  t.SetInterval(5);
  t.SetOnTimer([&](QObject*) { ++ticks; });
  {
    TimerClock clock;
    t.SetEnabled(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);  // only the test clock moves it
    {
      TTimer gone;  // a timer destroyed while on the clock leaves it
      gone.SetOnTimer([&](QObject*) { ticks += 100; });
    }
    clock.Advance(5);
    EXPECT_EQ(ticks, 1);
  }
  EXPECT_TRUE(t.IsActive());
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; })) << "the timer runs on the system clock again";
}

}  // namespace
