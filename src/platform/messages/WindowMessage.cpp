#include "WindowMessage.h"

#include <memory>

#include "HandOver.h"
#include "MessageReceiver.h"
#include "MessageTarget.h"

namespace {

class PostedMessageEvent final : public DeliverableEvent {
 public:
  PostedMessageEvent(UINT msg, WPARAM wParam, LPARAM lParam)
      : msg_(msg), wParam_(wParam), lParam_(lParam) {}
  void Deliver(MessageTarget& target) override {
    if (MessageReceiver* receiver = target.Receiver()) receiver->WndProc(msg_, wParam_, lParam_);
  }

 private:
  UINT msg_;
  WPARAM wParam_;
  LPARAM lParam_;
};

}  // namespace

void PostMessage(MessageReceiver* receiver, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!receiver) return;
  receiver->GetMessageTarget()->Post(new PostedMessageEvent(msg, wParam, lParam));
}

std::optional<LRESULT> SendMessage(MessageReceiver* receiver, UINT msg, WPARAM wParam,
                                   LPARAM lParam, HandOver& via, std::shared_ptr<const void> keep) {
  if (!receiver) return std::nullopt;
  // The result lives beside the call, not on this stack: an abandoned call may still finish.
  auto result = std::make_shared<LRESULT>(0);
  const bool ran = via.Run(receiver->GetMessageTarget(),
                           [receiver, msg, wParam, lParam, result, keep = std::move(keep)] {
                             *result = receiver->WndProc(msg, wParam, lParam);
                           });
  if (!ran) return std::nullopt;
  return *result;
}
