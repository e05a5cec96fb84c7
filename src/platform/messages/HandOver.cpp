#include "HandOver.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "MessageTarget.h"

struct HandOver::Call {
  enum class State { Pending, Running, Done, Dropped };
  std::function<void()> fn;
  State state = State::Pending;
};

struct HandOver::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  bool abandoned = false;
  bool senderDone = false;
  std::shared_ptr<Call> pending;  // the call waiting for or running on the target thread
};

namespace {

using Call = HandOver::Call;
using Shared = HandOver::Shared;

// Runs `call` on the calling (target) thread unless it was dropped or has run already, and
// marks it done however the callable leaves.
void Execute(const std::shared_ptr<Shared>& shared, const std::shared_ptr<Call>& call) {
  {
    std::lock_guard lock(shared->mutex);
    if (call->state != Call::State::Pending) return;
    call->state = Call::State::Running;
  }
  struct Finish {
    const std::shared_ptr<Shared>& shared;
    const std::shared_ptr<Call>& call;
    ~Finish() {
      std::lock_guard lock(shared->mutex);
      call->state = Call::State::Done;
      if (shared->pending == call) shared->pending.reset();
      shared->changed.notify_all();
    }
  } finish{shared, call};
  call->fn();
}

// Drops `call` if it has not started; caller holds the mutex.
void DropLocked(Shared& shared, const std::shared_ptr<Call>& call) {
  if (call->state != Call::State::Pending) return;
  call->state = Call::State::Dropped;
  if (shared.pending == call) shared.pending.reset();
  shared.changed.notify_all();
}

class HandOverEvent final : public DeliverableEvent {
 public:
  HandOverEvent(std::shared_ptr<Shared> shared, std::shared_ptr<Call> call)
      : shared_(std::move(shared)), call_(std::move(call)) {}
  // Destroyed undelivered (the target went away): the sender must not wait for it.
  ~HandOverEvent() override {
    std::lock_guard lock(shared_->mutex);
    DropLocked(*shared_, call_);
  }
  void Deliver(MessageTarget&) override { Execute(shared_, call_); }

 private:
  std::shared_ptr<Shared> shared_;
  std::shared_ptr<Call> call_;
};

}  // namespace

HandOver::HandOver() : shared_(std::make_shared<Shared>()) {}

HandOver::~HandOver() { Abandon(); }

bool HandOver::Run(MessageTarget* target, std::function<void()> fn) {
  if (!target) return false;
  {
    std::lock_guard lock(shared_->mutex);
    if (shared_->abandoned) return false;
  }
  if (target->OnTargetThread()) {
    fn();
    return true;
  }
  auto call = std::make_shared<Call>();
  call->fn = std::move(fn);
  target->Post(new HandOverEvent(shared_, call));
  std::unique_lock lock(shared_->mutex);
  // Pending only once posted: whoever sees it may rely on the event being queued.
  if (call->state == Call::State::Pending) {
    shared_->pending = call;
    shared_->changed.notify_all();
  }
  shared_->changed.wait(lock, [&] {
    return call->state == Call::State::Done || call->state == Call::State::Dropped ||
           shared_->abandoned;
  });
  if (call->state == Call::State::Done) return true;
  DropLocked(*shared_, call);
  return false;
}

void HandOver::Abandon() {
  std::lock_guard lock(shared_->mutex);
  shared_->abandoned = true;
  if (shared_->pending) DropLocked(*shared_, shared_->pending);
  shared_->changed.notify_all();
}

void HandOver::Reopen() {
  std::lock_guard lock(shared_->mutex);
  shared_->abandoned = false;
  shared_->senderDone = false;
}

bool HandOver::Abandoned() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->abandoned;
}

bool HandOver::HasPending() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->pending && shared_->pending->state == Call::State::Pending;
}

bool HandOver::ServePending() {
  std::shared_ptr<Call> call;
  {
    std::lock_guard lock(shared_->mutex);
    call = shared_->pending;
    if (!call || call->state != Call::State::Pending) return false;
  }
  Execute(shared_, call);
  return true;
}

bool HandOver::WaitServing(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    std::shared_ptr<Call> call;
    {
      std::unique_lock lock(shared_->mutex);
      const auto ready = [&] {
        return shared_->senderDone ||
               (shared_->pending && shared_->pending->state == Call::State::Pending);
      };
      if (timeoutMs < 0) {
        shared_->changed.wait(lock, ready);
      } else if (!shared_->changed.wait_until(lock, deadline, ready)) {
        return false;
      }
      if (shared_->senderDone) return true;
      call = shared_->pending;
    }
    Execute(shared_, call);
  }
}

void HandOver::SenderDone() {
  std::lock_guard lock(shared_->mutex);
  shared_->senderDone = true;
  shared_->changed.notify_all();
}
