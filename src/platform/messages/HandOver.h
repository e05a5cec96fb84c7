#pragma once
// Synchronous hand-over of work to another thread's event loop: the calling thread posts
// a callable to a MessageTarget and blocks until the target's thread has run it. One
// HandOver serves one sending thread (a link worker, a HID read thread).
//
// The hand-over can be abandoned from any thread (typically the target's own thread while
// it closes the sender down): a sender blocked in Run() returns false at once, and every
// later Run() returns false without posting until Reopen(). A call that had not started
// never runs; a call that had started runs to its end on the target thread while the
// sender goes on, so the callable must not refer to the sender's stack or to anything the
// sender frees after an abandoned Run() (copy what it needs into the callable).
//
// When the target thread must wait for the sender to end (joining a read thread that may
// itself be waiting in Run()), WaitServing() keeps running the sender's hand-overs while
// it waits; the sender calls SenderDone() as its last act.
#include <functional>
#include <memory>

class MessageTarget;

class HandOver {
 public:
  HandOver();
  ~HandOver();  // abandons a pending call
  HandOver(const HandOver&) = delete;
  HandOver& operator=(const HandOver&) = delete;

  // Runs `fn` on the thread of `target` and waits until it has run: true when it ran to its
  // end (or left by an exception), false when the hand-over was abandoned or the target
  // was destroyed first. Called on the target's own thread, runs `fn` directly.
  bool Run(MessageTarget* target, std::function<void()> fn);

  // Any thread: releases a blocked Run() and refuses later ones until Reopen().
  void Abandon();
  void Reopen();
  bool Abandoned() const;
  // Whether a call waits for the target thread (posted, not started).
  bool HasPending() const;

  // Target thread: runs the pending call now, if one waits; true when one ran.
  bool ServePending();
  // Target thread: waits up to `timeoutMs` (negative: no limit) for SenderDone(), serving
  // hand-overs meanwhile; true when the sender is done.
  bool WaitServing(int timeoutMs);
  // Sender thread, as its last act: wakes WaitServing().
  void SenderDone();

  struct Shared;
  struct Call;

 private:
  std::shared_ptr<Shared> shared_;
};
