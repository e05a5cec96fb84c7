#pragma once
// Test helpers: every wait of a test has a limit, and a wait that runs out fails with a
// message naming what did not happen, instead of hanging until the test run's time-out.
//
// WaitUntil waits without running the event loop (nothing queued for the calling thread is
// served meanwhile); PumpUntil (QtTestSupport.h) runs it. TestThread is a thread whose end
// the test waits for within the same limit.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

// How long a test waits for something that takes milliseconds when all is well.
inline constexpr std::chrono::seconds kWaitLimit{10};

// Waits until `done` holds (checking it in a loop that yields); fails naming `what` when
// the limit passes first.
inline ::testing::AssertionResult WaitUntil(const std::function<bool()>& done, const char* what) {
  const auto limit = std::chrono::steady_clock::now() + kWaitLimit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) {
      return ::testing::AssertionFailure() << "waited " << kWaitLimit.count() << " s for: " << what;
    }
    std::this_thread::yield();
  }
  return ::testing::AssertionSuccess();
}

// A thread started by a test. Join() waits for its end within the limit; a thread still
// running when the object goes (a hang in the code under test) ends the test program
// with a message, since it may still use the test's stack.
class TestThread {
 public:
  // `what` names what the body's end means, for the failure message.
  TestThread(std::string what, std::function<void()> body)
      : what_(std::move(what)), state_(std::make_shared<State>()) {
    thread_ = std::thread([state = state_, body = std::move(body)] {
      body();
      std::lock_guard lock(state->mutex);
      state->ended = true;
      state->changed.notify_all();
    });
  }
  ~TestThread() {
    if (!thread_.joinable()) return;
    if (!hung_ && WaitForEnd()) {
      thread_.join();
      return;
    }
    std::fprintf(stderr, "test thread still running after %lld s: %s; stopping the test program\n",
                 static_cast<long long>(kWaitLimit.count()), what_.c_str());
    std::fflush(stderr);
    std::abort();
  }
  TestThread(const TestThread&) = delete;
  TestThread& operator=(const TestThread&) = delete;

  ::testing::AssertionResult Join() {
    if (!thread_.joinable()) return ::testing::AssertionSuccess();
    if (!WaitForEnd()) {
      hung_ = true;
      return ::testing::AssertionFailure() << "waited " << kWaitLimit.count() << " s for: " << what_;
    }
    thread_.join();
    return ::testing::AssertionSuccess();
  }

 private:
  struct State {
    std::mutex mutex;
    std::condition_variable changed;
    bool ended = false;
  };
  bool WaitForEnd() {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, kWaitLimit, [&] { return state_->ended; });
  }

  std::string what_;
  std::shared_ptr<State> state_;
  std::thread thread_;
  bool hung_ = false;
};
