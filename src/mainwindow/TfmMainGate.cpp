// The gate editor of the Gate page: the threshold, attack, release and hold faders of the two
// inputs, their typed entries (the compressor's level and time entries), the link-group
// mirror and the choice of the plotted input.
#include "TfmMain.h"
#include "ForLinkGroup.h"

#include "ControlTexts.h"
#include "LUnitControl.h"
#include "TypedEntry.h"
#include "UpdatingScope.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "ui/TLabel.h"

namespace {

enum GateKind { kGateThreshold = 0, kGateAttack = 1, kGateRelease = 2, kGateHold = 3, kGateKinds = 4 };
// The stems of the faders (with "is") and boxes (with "cvd") by kind.
const char* const kStems[kGateKinds] = {"GateThreshold", "GateAttack", "GateRelease", "GateHold"};

bool IsGateInput(int ch) { return ch == 0 || ch == 1; }

QString GateText(int kind, int position) { return kind == kGateThreshold ? ThresholdText(position) : GateTimeText(position); }

}  // namespace

void TfmMain::SetGateParam(int ch, int kind, int value)
{
    if (FUpdating || !IsGateInput(ch))
        return;
    GateRecord rec = FUnitControl->GetGate(ch);
    switch (kind) {
    case kGateThreshold: rec.threshold = std::uint16_t(value + kThresholdOffset); break;
    case kGateAttack: rec.attack = std::uint16_t(value); break;
    case kGateRelease: rec.release = std::uint16_t(value); break;
    case kGateHold: rec.hold = std::uint16_t(value); break;
    default: return;
    }
    FUnitControl->SetGate(ch, rec);
}

void TfmMain::isGateThresholdInAChange(TComponent* Sender) { GateFaderChange(Sender, kGateThreshold); }
void TfmMain::isGateAttackInAChange(TComponent* Sender) { GateFaderChange(Sender, kGateAttack); }
void TfmMain::isGateReleaseInAChange(TComponent* Sender) { GateFaderChange(Sender, kGateRelease); }
void TfmMain::isGateHoldInAChange(TComponent* Sender) { GateFaderChange(Sender, kGateHold); }

void TfmMain::GateFaderChange(TComponent* Sender, int kind)
{
    if (FUpdating)
        return;
    auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!bar || !IsGateInput(bar->Tag()))
        return;
    const QString s = Suffix(bar->Tag());
    FGateChannel = bar->Tag();
    auto* box = Find<TCurvyEdit>(QStringLiteral("cvd") + QLatin1String(kStems[kind]) + s);
    if (!box)
        return;
    box->SetText(GateText(kind, bar->Position()));
    if (kind != kGateThreshold && !Find<TAdvTrackBar>(QStringLiteral("isGateThreshold") + s))
        return;
    // A fader holds its new position when its change event runs: the curve is drawn at once.
    ShowGateCurve(FGateChannel);
    SetGateParam(FGateChannel, kind, bar->Position());
    MirrorGate(FGateChannel, kind, bar->Position());
}

void TfmMain::MirrorGate(int ch, int kind, int value)
{
    if (!IsGateInput(ch) || kind < kGateThreshold || kind >= kGateKinds)
        return;
    UpdatingScope updating(FUpdating);
    ForLinkGroup(ch, [&](int member) { return ShowGateValue(member, kind, value); });
}

bool TfmMain::ShowGateValue(int ch, int kind, int value)
{
    const QString stem = QLatin1String(kStems[kind]);
    auto* box = Find<TCurvyEdit>(QStringLiteral("cvd") + stem + Suffix(ch));
    auto* bar = box ? Find<TAdvTrackBar>(QStringLiteral("is") + stem + Suffix(ch)) : nullptr;
    if (!bar)
        return false;
    bar->SetPosition(value);
    box->SetText(GateText(kind, value));
    return true;
}

// ---- plotted input -------------------------------------------------------------------------

void TfmMain::cvdGateThresholdInAMouseDown(TComponent* Sender)
{
    if (auto* box = dynamic_cast<TCurvyEdit*>(Sender))
        ShowGateCurve(box->Tag());
}
void TfmMain::cvdGateAttackInAMouseDown(TComponent* Sender) { cvdGateThresholdInAMouseDown(Sender); }
void TfmMain::cvdGateReleaseInAMouseDown(TComponent* Sender) { cvdGateThresholdInAMouseDown(Sender); }

void TfmMain::lbGateInAMouseDown(TComponent* Sender)
{
    if (auto* label = dynamic_cast<TCustomLabel*>(Sender))
        ShowGateCurve(label->Tag());
}

// ---- typed entries -------------------------------------------------------------------------

void TfmMain::cvdGateThresholdInAKeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        ThresholdEntry(Sender, QStringLiteral("isGateThreshold"));
}
void TfmMain::cvdGateThresholdInAExit(TComponent* Sender) { ThresholdEntry(Sender, QStringLiteral("isGateThreshold")); }

void TfmMain::cvdGateAttackInAKeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        TimeEntry(Sender, QStringLiteral("isGateAttack"));
}
void TfmMain::cvdGateAttackInAExit(TComponent* Sender) { TimeEntry(Sender, QStringLiteral("isGateAttack")); }

void TfmMain::cvdGateReleaseInAKeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        TimeEntry(Sender, QStringLiteral("isGateRelease"));
}
void TfmMain::cvdGateReleaseInAExit(TComponent* Sender) { TimeEntry(Sender, QStringLiteral("isGateRelease")); }

void TfmMain::cvdGateHoldInAKeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        TimeEntry(Sender, QStringLiteral("isGateHold"));
}
void TfmMain::cvdGateHoldInAExit(TComponent* Sender) { TimeEntry(Sender, QStringLiteral("isGateHold")); }
