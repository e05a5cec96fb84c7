#pragma once
// The QObject that receives window messages and hand-overs on the thread it lives on
// (the thread that created it). A MessageReceiver owns one; other code that hands work
// to a thread (a HID read thread) may create its own on that thread.
#include <QEvent>
#include <QObject>

#include "WindowMessage.h"

class MessageReceiver;
class MessageTarget;

// An event that carries its own delivery (a posted message, a hand-over).
class DeliverableEvent : public QEvent {
 public:
  DeliverableEvent();
  ~DeliverableEvent() override;
  virtual void Deliver(MessageTarget& target) = 0;
};

class MessageTarget : public QObject {
 public:
  // `receiver` gets the posted window messages; may be null for a hand-over-only target.
  explicit MessageTarget(MessageReceiver* receiver = nullptr);
  ~MessageTarget() override;

  // Queues `event` (taking it over) for delivery on this target's thread; any thread may
  // post. Every event of the message layer goes this way, so that what the poster did
  // before is ordered before the delivery also for ThreadSanitizer, which cannot see
  // inside Qt's event queue. An event still queued when the target goes is destroyed
  // undelivered, on the target's thread too.
  void Post(DeliverableEvent* event);

  // Whether the calling thread is the one this target delivers on.
  bool OnTargetThread() const;

  MessageReceiver* Receiver() const { return receiver_; }
  static QEvent::Type EventType();

 protected:
  bool event(QEvent* e) override;

 private:
  MessageReceiver* receiver_;
};
