#include "MessageTarget.h"

#include <QThread>

QEvent::Type MessageTarget::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

DeliverableEvent::DeliverableEvent() : QEvent(MessageTarget::EventType()) {}

MessageTarget::MessageTarget(MessageReceiver* receiver) : receiver_(receiver) {}

MessageTarget::~MessageTarget() = default;

bool MessageTarget::OnTargetThread() const { return QThread::currentThread() == thread(); }

bool MessageTarget::event(QEvent* e) {
  if (e->type() == EventType()) {
    static_cast<DeliverableEvent*>(e)->Deliver(*this);
    return true;
  }
  return QObject::event(e);
}
