#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <latch>
#include <thread>

#include "BoundedWait.h"

#include "thread/AutoResetEvent.h"
#include "thread/CriticalSection.h"
#include "thread/WorkerThread.h"

namespace {

constexpr int kGuardMs = 10000;

TEST(AutoResetEvent, OneSetReleasesOneWaitThenResets) {
  AutoResetEvent e;
  ASSERT_TRUE(e.Valid());
  EXPECT_FALSE(e.Wait(0));
  e.Set();
  e.Set();  // still one signal
  EXPECT_TRUE(e.Wait(0));
  EXPECT_FALSE(e.Wait(0));
}

TEST(AutoResetEvent, SetFromAnotherThreadWakesAnUnlimitedWait) {
  AutoResetEvent e;
  std::uint32_t result = WAIT_FAILED;
  TestThread waiter("the unlimited wait returned", [&] { result = WaitForAny({&e}, INFINITE_WAIT); });
  e.Set();
  ASSERT_TRUE(waiter.Join());
  EXPECT_EQ(result, WAIT_OBJECT_0);
}

TEST(WaitForAny, FirstSignalledInListOrderWinsAndOnlyItIsConsumed) {
  AutoResetEvent a, b, c;
  c.Set();
  b.Set();
  EXPECT_EQ(WaitForAny({&a, &b, &c}, 0), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(WaitForAny({&a, &b, &c}, 0), WAIT_OBJECT_0 + 2);
  EXPECT_EQ(WaitForAny({&a, &b, &c}, 0), WAIT_TIMEOUT);
}

TEST(WaitForAny, TimesOutWhenNothingIsSignalled) {
  AutoResetEvent a, b;
  EXPECT_EQ(WaitForAny({&a, &b}, 5), WAIT_TIMEOUT);
}

TEST(WaitForAny, DescriptorCountsWhileReadableAndIsNotConsumed) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  AutoResetEvent e;
  FdWaitable readable(fds[0]);
  EXPECT_EQ(WaitForAny({&readable, &e}, 0), WAIT_TIMEOUT);
  ASSERT_EQ(::write(fds[1], "x", 1), 1);
  EXPECT_EQ(WaitForAny({&readable, &e}, kGuardMs), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForAny({&readable, &e}, 0), WAIT_OBJECT_0);
  ::close(fds[1]);  // hang-up also counts, so the caller looks at the descriptor
  char ch;
  ASSERT_EQ(::read(fds[0], &ch, 1), 1);
  EXPECT_EQ(WaitForAny({&readable}, 0), WAIT_OBJECT_0);
  ::close(fds[0]);
}

TEST(WaitForAny, UnusableObjectFails) {
  AutoResetEvent e;
  FdWaitable none(-1);
  EXPECT_EQ(WaitForAny({&e, &none}, 0), WAIT_FAILED);
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::close(fds[1]);
  ::close(fds[0]);
  FdWaitable closed(fds[0]);
  EXPECT_EQ(WaitForAny({&closed}, 0), WAIT_FAILED);
}

TEST(CriticalSection, ReleaseLetsGoOfEveryLevelAndTakesThemBack) {
  CriticalSection cs;
  cs.Enter();
  cs.Enter();
  {
    CriticalSectionRelease release(cs);
    TestThread other("another thread entered the released section", [&] {
      cs.Enter();  // blocks while a level is still held
      cs.Leave();
    });
    ASSERT_TRUE(other.Join());
  }
  // Both levels are back: two Leaves balance them, and another thread can then enter.
  cs.Leave();
  cs.Leave();
  TestThread after("another thread entered the section left twice", [&] { std::lock_guard g(cs); });
  EXPECT_TRUE(after.Join());
}

TEST(WorkerThread, WaitReportsWhetherTheBodyHasEnded) {
  WorkerThread w;
  std::latch release(1);
  ASSERT_TRUE(w.Start([&] { release.wait(); }));
  EXPECT_FALSE(w.Start([] {}));  // one thread at a time
  EXPECT_FALSE(w.Wait(0));
  EXPECT_FALSE(w.Ended());
  release.count_down();
  EXPECT_TRUE(w.Wait(kGuardMs));
  EXPECT_TRUE(w.Ended());
  w.Join();
  EXPECT_FALSE(w.Started());
}

}  // namespace
