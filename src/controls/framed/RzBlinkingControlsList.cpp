#include "RzBlinkingControlsList.h"

#include "ui/TControl.h"

#include <algorithm>

TRzBlinkingControlsList* BlinkingControls = nullptr;

TRzBlinkingControlsList::TRzBlinkingControlsList() {
    FTimer.SetInterval(FIntervalOn);
    FTimer.SetOnTimer([this](QObject*) { TimerFired(); });
    FTimer.SetEnabled(true);
}

void TRzBlinkingControlsList::Add(TControl* control) {
    if (std::find(FControls.begin(), FControls.end(), control) == FControls.end()) FControls.push_back(control);
}

void TRzBlinkingControlsList::Remove(TControl* control) {
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
}

void TRzBlinkingControlsList::TimerFired() {
    if (FBlinkState == bsOff) {
        FBlinkState = bsOn;
        FTimer.SetInterval(FIntervalOff);
    } else {
        FBlinkState = bsOff;
        FTimer.SetInterval(FIntervalOn);
    }
    const std::vector<TControl*> controls = FControls;
    for (TControl* c : controls)
        if (c->Perform(BlinkQueryMessage) == 1) c->Perform(BlinkStateMessage, FBlinkState);
}

void AddBlinkingControl(TControl* control) {
    if (!BlinkingControls) BlinkingControls = new TRzBlinkingControlsList;
    BlinkingControls->Add(control);
}

void RemoveBlinkingControl(TControl* control) {
    if (!BlinkingControls) return;
    BlinkingControls->Remove(control);
    if (BlinkingControls->Count() == 0) {
        delete BlinkingControls;
        BlinkingControls = nullptr;
    }
}
