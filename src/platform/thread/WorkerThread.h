#pragma once
// A worker thread that the starting thread can wait for with a time-out (the thread
// handle's wait) and that is always joined before it is destroyed.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class WorkerThread {
 public:
  WorkerThread() = default;
  ~WorkerThread();  // joins a thread that was started
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Starts `body` on a new thread; false when a thread runs already or none can be made.
  bool Start(std::function<void()> body);
  // Whether a thread was started and has not been joined.
  bool Started() const { return thread_.joinable(); }
  // Whether the started thread's body has returned (true when none was started).
  bool Ended() const;
  // Waits up to `timeoutMs` (negative: no limit) for the body to return; true when it has.
  bool Wait(int timeoutMs);
  // Waits for the thread to end without limit and releases it.
  void Join();
  // Whether the calling thread is this worker.
  bool IsCurrent() const { return thread_.get_id() == std::this_thread::get_id(); }

 private:
  std::thread thread_;
  mutable std::mutex mutex_;
  std::condition_variable ended_;
  bool running_ = false;
};
