#include "MessageTarget.h"

#include <QCoreApplication>
#include <QThread>

#include "thread/HappensBefore.h"

QEvent::Type MessageTarget::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

DeliverableEvent::DeliverableEvent() : QEvent(MessageTarget::EventType()) {}

DeliverableEvent::~DeliverableEvent() { HappensAfter(this); }  // also when never delivered

MessageTarget::MessageTarget(MessageReceiver* receiver) : receiver_(receiver) {}

MessageTarget::~MessageTarget() = default;

void MessageTarget::Post(DeliverableEvent* event) {
  HappensBefore(event);
  QCoreApplication::postEvent(this, event);
}

bool MessageTarget::OnTargetThread() const { return QThread::currentThread() == thread(); }

bool MessageTarget::event(QEvent* e) {
  HappensAfter(e);  // before even the type is read: ours were made on the posting thread
  if (e->type() == EventType()) {
    static_cast<DeliverableEvent*>(e)->Deliver(*this);
    return true;
  }
  return QObject::event(e);
}
