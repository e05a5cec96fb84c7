// Shared by the HID layer tests: an application object for the event loop, waits that
// keep the loop running, and a fixture that makes the HID layer load the simulated device.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

#include "SimHidDevice.h"

inline void EnsureApp() {
  static int argc = 1;
  static char name[] = "test_link_hid";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
  (void)app;
}

// Runs the event loop until `done` holds; false after the guard time (a failure, not a timing).
inline bool WaitUntil(const std::function<bool()>& done, int guardMs = 10000) {
  QDeadlineTimer deadline(guardMs);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Runs the events that are due now (posted calls and hand-overs already queued).
inline void Drain() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

class SimHidFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    ::setenv("Q7K_HID_LIBRARY", SIMHID_FILE, 1);
    SimHid::Reset();
  }
  void TearDown() override {
    SimHid::Reset();
    EXPECT_EQ(SimHid::OpenHandles(), 0) << "a device handle was left open";
  }
};
