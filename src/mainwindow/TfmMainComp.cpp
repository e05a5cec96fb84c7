// The compressor editor of the Comp page: the threshold, attack and release faders, the ratio
// and knee spinners, their typed entries (also the level and time entries the gate's boxes
// use), the link-group mirror and the deferred redraw of the plotted output's curve.
#include "TfmMain.h"
#include "ForLinkGroup.h"

#include "ControlTexts.h"
#include "DynamicsEntries.h"
#include "LUnitControl.h"
#include "TransferCurve.h"
#include "TypedEntry.h"
#include "UpdatingScope.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "ui/TLabel.h"
#include "timer/TTimer.h"
#include "ui/TUpDown.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cmath>

namespace {

enum CompKind { kCompThreshold = 0, kCompAttack = 1, kCompRelease = 2, kCompRatio = 3, kCompKnee = 4 };
// Limits of a typed threshold, in dB.
constexpr double kThresholdLow = -90, kThresholdHigh = 20;
constexpr double kKneeLow = 0, kKneeHigh = 12;

bool IsOutput(int ch) { return ch >= 2 && ch < TfmMain::kChannels; }

// The text a ratio spinner shows at `index`: the limiter at the spinner's maximum.
QString RatioBoxText(const TUpDown& ratio, int index)
{
    return CompRatioText(index == ratio.Max() ? kCompRatioLimit : index);
}

// The text of an 8-bit box, as typed entries read it.
QByteArray EntryText(const TCurvyEdit& box) { return box.Text().toLatin1(); }

// Ends an invalid or unchanged entry: the box shows the control's value again and receives
// the End key, which puts the caret after the text.
void RestoreEntry(TCurvyEdit& box, const QString& text)
{
    box.SetText(text);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent end(type, Qt::Key_End, Qt::NoModifier);
        QCoreApplication::sendEvent(box.Edit(), &end);
    }
}

}  // namespace

// ---- image and send ---------------------------------------------------------------------

void TfmMain::SetCompParam(int ch, int kind, int value)
{
    if (FUpdating || !IsOutput(ch))
        return;
    CompRecord rec = FUnitControl->GetComp(ch);
    switch (kind) {
    case kCompThreshold: rec.threshold = std::uint16_t(value + kThresholdOffset); break;
    case kCompAttack: rec.attack = std::uint16_t(value); break;
    case kCompRelease: rec.release = std::uint16_t(value); break;
    case kCompRatio: rec.ratio = std::uint8_t(value); break;
    case kCompKnee: rec.knee = std::uint8_t(value); break;
    default: return;
    }
    FUnitControl->SetComp(ch, rec);
}

// ---- faders and spinners -----------------------------------------------------------------

void TfmMain::isCompThresholdOut1Change(TComponent* Sender) { CompFaderChange(Sender, kCompThreshold); }
void TfmMain::isCompAttackOut1Change(TComponent* Sender) { CompFaderChange(Sender, kCompAttack); }
void TfmMain::isCompReleaseOut1Change(TComponent* Sender) { CompFaderChange(Sender, kCompRelease); }

void TfmMain::CompFaderChange(TComponent* Sender, int kind)
{
    if (FUpdating)
        return;
    auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!bar || !IsOutput(bar->Tag()))
        return;
    tmCompDisp->SetEnabled(true);
    FLastCompChannel = FCompChannel = bar->Tag();
    SetCompParam(bar->Tag(), kind, bar->Position());
    MirrorComp(bar->Tag(), kind, bar->Position());
}

void TfmMain::udCompRatioOut1ChangingEx(TComponent* Sender, bool&, short NewValue, int)
{
    CompSpinnerChanging(Sender, NewValue, kCompRatio);
}

void TfmMain::udCompKneeOut1ChangingEx(TComponent* Sender, bool&, short NewValue, int)
{
    CompSpinnerChanging(Sender, NewValue, kCompKnee);
}

void TfmMain::CompSpinnerChanging(TComponent* Sender, short NewValue, int kind)
{
    if (FUpdating)
        return;
    auto* spinner = dynamic_cast<TUpDown*>(Sender);
    if (!spinner || !IsOutput(spinner->Tag()) || NewValue < spinner->Min() || NewValue > spinner->Max())
        return;
    const int ch = spinner->Tag();
    auto* box = Find<TCurvyEdit>((kind == kCompRatio ? QStringLiteral("cvdCompRatio") : QStringLiteral("cvdCompKnee")) +
                                 Suffix(ch));
    if (!box)
        return;
    box->SetText(kind == kCompRatio ? RatioBoxText(*spinner, NewValue) : KneeText(NewValue));
    tmCompDisp->SetEnabled(true);
    FLastCompChannel = FCompChannel = ch;
    SetCompParam(ch, kind, NewValue);
    MirrorComp(ch, kind, NewValue);
}

// ---- mirror --------------------------------------------------------------------------------

void TfmMain::MirrorComp(int ch, int kind, int value)
{
    if (!IsOutput(ch))
        return;
    UpdatingScope updating(FUpdating);
    ForLinkGroup(ch, [&](int member) { return ShowCompValue(member, kind, value, ch); });
}

bool TfmMain::ShowCompValue(int ch, int kind, int value, int edited)
{
    const QString s = Suffix(ch);
    if (kind == kCompThreshold || kind == kCompAttack || kind == kCompRelease) {
        static const char* const stems[] = {"CompThreshold", "CompAttack", "CompRelease"};
        const QString stem = QLatin1String(stems[kind]);
        auto* box = Find<TCurvyEdit>(QStringLiteral("cvd") + stem + s);
        auto* bar = box ? Find<TAdvTrackBar>(QStringLiteral("is") + stem + s) : nullptr;
        if (!bar)
            return false;
        bar->SetPosition(value);
        box->SetText(kind == kCompThreshold ? ThresholdText(value) : CompTimeText(value));
        return true;
    }
    if ((kind != kCompRatio && kind != kCompKnee) || ch == edited)
        return true;
    const QString stem = kind == kCompRatio ? QStringLiteral("CompRatio") : QStringLiteral("CompKnee");
    auto* box = Find<TCurvyEdit>(QStringLiteral("cvd") + stem + s);
    auto* spinner = box ? Find<TUpDown>(QStringLiteral("ud") + stem + s) : nullptr;
    if (!spinner)
        return false;
    spinner->SetPosition(value);
    box->SetText(kind == kCompRatio ? RatioBoxText(*spinner, value) : KneeText(value));
    return true;
}

// ---- plotted output ------------------------------------------------------------------------

void TfmMain::tmCompDispTimer(QObject*)
{
    tmCompDisp->SetEnabled(false);
    ShowCompCurve(FLastCompChannel);
}

void TfmMain::isCompThresholdOut1MouseDown(TComponent* Sender)
{
    if (auto* bar = dynamic_cast<TAdvTrackBar*>(Sender))
        ShowCompCurve(bar->Tag());
}

void TfmMain::cvdCompThresholdOut1MouseDown(TComponent* Sender)
{
    if (auto* box = dynamic_cast<TCurvyEdit*>(Sender))
        ShowCompCurve(box->Tag());
}

void TfmMain::lbCompOut1MouseDown(TComponent* Sender)
{
    if (auto* label = dynamic_cast<TCustomLabel*>(Sender))
        ShowCompCurve(label->Tag());
}

// ---- typed entries -------------------------------------------------------------------------

void TfmMain::cvdCompRatioOut1KeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        CompRatioEntry(Sender);
}
void TfmMain::cvdCompRatioOut1Exit(TComponent* Sender) { CompRatioEntry(Sender); }

void TfmMain::cvdCompThresholdOut1KeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        ThresholdEntry(Sender, QStringLiteral("isCompThreshold"));
}
void TfmMain::cvdCompThresholdOut1Exit(TComponent* Sender) { ThresholdEntry(Sender, QStringLiteral("isCompThreshold")); }

void TfmMain::cvdCompKneeOut1KeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        CompKneeEntry(Sender, true);
}
void TfmMain::cvdCompKneeOut1Exit(TComponent* Sender) { CompKneeEntry(Sender, false); }

void TfmMain::cvdCompAttackOut1KeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        TimeEntry(Sender, QStringLiteral("isCompAttack"));
}
void TfmMain::cvdCompAttackOut1Exit(TComponent* Sender) { TimeEntry(Sender, QStringLiteral("isCompAttack")); }

void TfmMain::cvdCompReleaseOut1KeyDown(TComponent* Sender, TKey& Key, unsigned)
{
    if (Key == TypedEntry::kEnterKey)
        TimeEntry(Sender, QStringLiteral("isCompRelease"));
}
void TfmMain::cvdCompReleaseOut1Exit(TComponent* Sender) { TimeEntry(Sender, QStringLiteral("isCompRelease")); }

void TfmMain::CompRatioEntry(TComponent* Sender)
{
    auto* box = dynamic_cast<TCurvyEdit*>(Sender);
    auto* ratio = box ? Find<TUpDown>("udCompRatio" + Suffix(box->Tag())) : nullptr;
    if (!ratio)
        return;
    const std::optional<int> index = ParseRatioEntry(EntryText(*box));
    box->SetText(QString());
    if (!index) {
        RestoreEntry(*box, RatioBoxText(*ratio, ratio->Position()));
        return;
    }
    ratio->SetPosition(*index);
    box->SetText(RatioBoxText(*ratio, ratio->Position()));
}

void TfmMain::ThresholdEntry(TComponent* Sender, const QString& faderStem)
{
    auto* box = dynamic_cast<TCurvyEdit*>(Sender);
    auto* fader = box ? Find<TAdvTrackBar>(faderStem + Suffix(box->Tag())) : nullptr;
    if (!fader)
        return;
    const std::optional<double> level = ParseLevelEntry(EntryText(*box), kLevelChars, kThresholdLow, kThresholdHigh);
    box->SetText(QString());
    if (!level || *level * 2 == fader->Position()) {
        RestoreEntry(*box, ThresholdText(fader->Position()));
        return;
    }
    fader->SetPosition(int(std::trunc(*level * 2)));
    box->SetText(ThresholdText(fader->Position()));
}

void TfmMain::CompKneeEntry(TComponent* Sender, bool enter)
{
    auto* box = dynamic_cast<TCurvyEdit*>(Sender);
    auto* knee = box ? Find<TUpDown>("udCompKnee" + Suffix(box->Tag())) : nullptr;
    if (!knee)
        return;
    const std::optional<double> level =
        ParseLevelEntry(EntryText(*box), enter ? kKneeEnterChars : kLevelChars, kKneeLow, kKneeHigh);
    box->SetText(QString());
    if (!level || *level == knee->Position()) {
        RestoreEntry(*box, KneeText(knee->Position()));
        return;
    }
    knee->SetPosition(int(std::trunc(*level)));
    box->SetText(KneeText(knee->Position()));
}

void TfmMain::TimeEntry(TComponent* Sender, const QString& faderStem)
{
    auto* box = dynamic_cast<TCurvyEdit*>(Sender);
    auto* fader = box ? Find<TAdvTrackBar>(faderStem + Suffix(box->Tag())) : nullptr;
    if (!fader)
        return;
    const std::optional<int> ms = ParseTimeEntry(EntryText(*box), fader->Min(), fader->Max());
    box->SetText(QString());
    if (!ms || *ms == fader->Position() + 1) {
        RestoreEntry(*box, GateTimeText(fader->Position()));
        return;
    }
    fader->SetPosition(*ms - 1);
    box->SetText(GateTimeText(fader->Position()));
}
