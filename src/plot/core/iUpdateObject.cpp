#include "core/iUpdateObject.h"

#include "timer/TTimer.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>

namespace {

TiUpdateObject*& Instance() {
    static TiUpdateObject* instance = nullptr;
    return instance;
}

// Runs when the application object is destroyed: the scheduler's timer must go before it.
void DestroyGlobal() {
    delete Instance();
    Instance() = nullptr;
}

double SteadyNowInDays() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count() / 86400.0;
}

}  // namespace

bool IsRepaintDue(const IiUpdateClient& client, double now) {
    if (client.UpdateActive() || !client.NeedsRepaint()) return false;
    const int rate = client.UpdateFrameRate();
    if (rate <= 0) return true;
    return now > client.LastUpdate() + 1.0 / (rate * 86400.0);
}

TiUpdateObject& TiUpdateObject::Global() {
    if (!Instance()) {
        Instance() = new TiUpdateObject();
        qAddPostRoutine(DestroyGlobal);
    }
    return *Instance();
}

TiUpdateObject::TiUpdateObject() : FTimer(std::make_unique<TTimer>()) {
    FTimer->SetOnTimer([this](QObject*) { TimerTick(); });
}

TiUpdateObject::~TiUpdateObject() { FTimer->SetEnabled(false); }

void TiUpdateObject::AddUpdateControl(IiUpdateClient* control) {
    FControlList.push_back(control);
    if (FControlList.size() == 1) FTimer->SetEnabled(true);
}

void TiUpdateObject::RemoveUpdateControl(IiUpdateClient* control) {
    const auto it = std::find(FControlList.begin(), FControlList.end(), control);
    if (it != FControlList.end()) FControlList.erase(it);
    if (FControlList.empty()) FTimer->SetEnabled(false);
}

bool TiUpdateObject::TimerEnabled() const { return FTimer->GetEnabled(); }

void TiUpdateObject::TimerTick() {
    // Controls may register or leave while others repaint: walk a copy, and skip a control
    // that has left meanwhile.
    const std::vector<IiUpdateClient*> controls = FControlList;
    for (IiUpdateClient* c : controls) {
        if (std::find(FControlList.begin(), FControlList.end(), c) == FControlList.end()) continue;
        if (IsRepaintDue(*c, Now())) c->DoInvalidateNow();
    }
}

double TiUpdateObject::Now() const { return FClock ? FClock() : SteadyNowInDays(); }

void TiUpdateObject::SetClock(std::function<double()> clock) { FClock = std::move(clock); }
