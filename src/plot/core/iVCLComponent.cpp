#include "core/iVCLComponent.h"

TiVCLComponent::~TiVCLComponent() { FDestroying = true; }

void TiVCLComponent::Lock() {
    if (!FDestroying) FDataCriticalSection.lock();
}

void TiVCLComponent::Unlock() {
    if (!FDestroying) FDataCriticalSection.unlock();
}
