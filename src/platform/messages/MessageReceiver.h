#pragma once
// Base of every window that receives window messages: implement WndProc. Messages are
// delivered on the thread that constructed the receiver (the GUI thread for windows).
#include <memory>

#include "WindowMessage.h"

class MessageTarget;

class MessageReceiver {
 public:
  MessageReceiver();
  virtual ~MessageReceiver();
  MessageReceiver(const MessageReceiver&) = delete;
  MessageReceiver& operator=(const MessageReceiver&) = delete;

  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;

  MessageTarget* GetMessageTarget() const { return target_.get(); }

 private:
  std::unique_ptr<MessageTarget> target_;
};
