#pragma once
// Test helper: runs the event loop of the calling thread until a condition holds. A
// periodic wake-up also catches conditions that change on other threads; the limit
// (kWaitLimit) only guards against a hang.
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <functional>

#include "BoundedWait.h"

inline bool PumpUntil(const std::function<bool()>& done) {
  QTimer wake;
  wake.start(5);
  const auto limit = std::chrono::steady_clock::now() + kWaitLimit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}
