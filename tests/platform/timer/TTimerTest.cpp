#include <gtest/gtest.h>

#include "QtTestSupport.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <functional>

#include "timer/TTimer.h"

namespace {

// The time left until the next tick, from the timer the TTimer runs on.
int Remaining(TTimer& t) { return t.findChild<QTimer*>()->remainingTime(); }

// Waits (without sleeping) until the schedule has visibly moved on from `ms`.
void LetTimePass(TTimer& t, int ms) {
  while (Remaining(t) >= ms) QCoreApplication::processEvents();
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
  const int first = Remaining(t);
  LetTimePass(t, first);
  const int before = Remaining(t);
  t.SetInterval(100000);
  t.SetEnabled(true);
  EXPECT_LE(Remaining(t), before);
  // A real change starts the schedule again from now.
  t.SetInterval(100001);
  EXPECT_GT(Remaining(t), before);
  LetTimePass(t, Remaining(t));
  const int moved = Remaining(t);
  t.SetEnabled(false);
  t.SetEnabled(true);
  EXPECT_GT(Remaining(t), moved);
}

}  // namespace
