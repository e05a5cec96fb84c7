#pragma once
// The layer between the control base and the concrete plot-family controls: the control's
// critical section (every paint pass runs under it, so that a thread feeding data under
// the same lock never overlaps a paint). Window services, image export, themes and OPC
// data exchange join this class when they are built.
#include "core/iComponent.h"

#include <mutex>

class TiVCLComponent : public TiComponent {
public:
    explicit TiVCLComponent(TComponent* owner) : TiComponent(owner) {}
    ~TiVCLComponent() override;

    // Enter and leave the critical section; both do nothing while the control is destroyed.
    void Lock() override;
    void Unlock() override;

private:
    std::recursive_mutex FDataCriticalSection;
    bool FDestroying = false;
};

// The base of the concrete controls (it adds nothing).
class TiCustomComponent : public TiVCLComponent {
public:
    using TiVCLComponent::TiVCLComponent;
};
