// Shared by the HID layer tests: a drain of the events due now, and a fixture that makes
// the HID layer load the simulated device.
#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "SimHidDevice.h"

// Runs the events that are due now (posted calls and hand-overs already queued).
inline void Drain() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

class SimHidFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("Q7K_HID_LIBRARY", SIMHID_FILE, 1);
    SimHid::Reset();
  }
  void TearDown() override {
    SimHid::Reset();
    EXPECT_EQ(SimHid::OpenHandles(), 0) << "a device handle was left open";
  }
};
