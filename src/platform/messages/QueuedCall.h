#pragma once
// A call queued for the thread of a message target from any thread: it runs there later,
// after what is queued before it, the way a posted window message does (and through the
// same posting routine, so ThreadSanitizer sees the order too). A call still queued when
// the target goes is dropped without running.
#include <functional>

class MessageTarget;

void PostCall(MessageTarget* target, std::function<void()> fn);
