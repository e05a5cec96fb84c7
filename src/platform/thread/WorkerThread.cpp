#include "WorkerThread.h"

#include <chrono>
#include <system_error>

WorkerThread::~WorkerThread() { Join(); }

bool WorkerThread::Start(std::function<void()> body) {
  if (thread_.joinable()) return false;
  {
    std::lock_guard lock(mutex_);
    running_ = true;
  }
  try {
    thread_ = std::thread([this, body = std::move(body)] {
      body();
      std::lock_guard lock(mutex_);
      running_ = false;
      ended_.notify_all();
    });
  } catch (const std::system_error&) {
    std::lock_guard lock(mutex_);
    running_ = false;
    return false;
  }
  return true;
}

bool WorkerThread::Ended() const {
  std::lock_guard lock(mutex_);
  return !running_;
}

bool WorkerThread::Wait(int timeoutMs) {
  std::unique_lock lock(mutex_);
  if (timeoutMs < 0) {
    ended_.wait(lock, [this] { return !running_; });
    return true;
  }
  return ended_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !running_; });
}

void WorkerThread::Join() {
  if (thread_.joinable() && !IsCurrent()) thread_.join();
}
