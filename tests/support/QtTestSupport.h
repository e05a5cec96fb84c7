#pragma once
// Test helper: runs the event loop of the calling thread until a condition holds. A
// periodic wake-up also catches conditions that change on other threads; the ten-second
// limit only guards against a hang.
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <functional>

inline bool PumpUntil(const std::function<bool()>& done) {
  QTimer wake;
  wake.start(5);
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}
