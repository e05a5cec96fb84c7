#pragma once
// Window messages between threads: a message number with two word parameters, delivered
// to a MessageReceiver (a window) on the thread that created it.
//
// PostMessage queues the message and returns at once. SendMessage runs the receiver's
// handler on its thread and blocks the caller until it has run; it goes through a HandOver
// so that whoever shuts the sender down can abandon the wait. A send from the receiver's
// own thread calls the handler directly.
#include <cstdint>
#include <memory>
#include <optional>

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

class HandOver;
class MessageReceiver;

// Safe from any thread while the receiver lives; the message is dropped if the receiver is
// destroyed before it is delivered.
void PostMessage(MessageReceiver* receiver, UINT msg, WPARAM wParam, LPARAM lParam);

// The handler's result, or nothing when `via` was abandoned (or the receiver destroyed)
// before the handler ran to its end. Pointers passed in wParam / lParam must stay valid
// until the handler has returned, which after an abandoned hand-over can be later than
// this call's return: pass what they point into as `keep`, which the hand-over holds until
// then.
std::optional<LRESULT> SendMessage(MessageReceiver* receiver, UINT msg, WPARAM wParam,
                                   LPARAM lParam, HandOver& via,
                                   std::shared_ptr<const void> keep = {});
