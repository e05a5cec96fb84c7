#include "RzGroupLatch.h"

#include "ui/TWinControl.h"

bool TRzGroupLatch::Accept(bool value) {
    if (GroupIndex == 0) value = false;
    if (value == Down) return false;
    if (Down && !AllowAllUp) return false;
    Down = value;
    return true;
}

bool TRzGroupLatch::Notify(TControl& button, unsigned message) const {
    if (GroupIndex == 0 || !button.Parent()) return false;
    TMessage m{message, GroupIndex, reinterpret_cast<std::intptr_t>(this), 0};
    button.Parent()->Broadcast(m);
    return true;
}

bool TRzGroupLatch::Receive(const TMessage& message) {
    const auto* sender = reinterpret_cast<const TRzGroupLatch*>(message.LParam);
    if (message.WParam != GroupIndex || sender == this) return false;
    const bool raised = sender->Down && Down;
    if (raised) Down = false;
    AllowAllUp = sender->AllowAllUp;
    return raised;
}
