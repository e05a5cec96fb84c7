#include "QueuedCall.h"

#include <utility>

#include "MessageTarget.h"

namespace {

class QueuedCallEvent final : public DeliverableEvent {
 public:
  explicit QueuedCallEvent(std::function<void()> fn) : fn_(std::move(fn)) {}
  void Deliver(MessageTarget&) override { fn_(); }

 private:
  std::function<void()> fn_;
};

}  // namespace

void PostCall(MessageTarget* target, std::function<void()> fn) {
  if (target) target->Post(new QueuedCallEvent(std::move(fn)));
}
