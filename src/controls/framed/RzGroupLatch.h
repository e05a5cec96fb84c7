#pragma once
// The latching the grouped buttons share: buttons with the same non-zero GroupIndex on one
// parent form an exclusive group in which at most one is down, and a down member without
// AllowAllUp is raised only by another member going down. Members tell each other through a
// group message broadcast on the parent (each button family has a message number of its own).
#include "ui/TControl.h"

struct TRzGroupLatch {
    int GroupIndex = 0;
    bool Down = false;
    bool AllowAllUp = false;

    // Takes a new Down (an ungrouped button never latches); true when Down changed.
    bool Accept(bool value);
    // Tells the other members on the button's parent; false when there is no group to tell.
    bool Notify(TControl& button, unsigned message) const;
    // A group message from a member: the group's AllowAllUp is taken over, and this member is
    // raised when the sender is down. True when it was raised.
    bool Receive(const TMessage& message);
};
