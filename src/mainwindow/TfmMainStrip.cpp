// The channel strip: gain, mute and polarity with their twins on the Gain page and their
// mirrors on the linked channels; the selected EQ band's sliders.
#include "TfmMain.h"

#include "ControlTexts.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "MyPEQAllpass.h"
#include "Plot.h"
#include "ForLinkGroup.h"
#include "UpdatingScope.h"
#include "ValueCodecs.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "RzBmpBtn.h"

namespace {

using MainWindow::kNoBand;
// What the band sliders show while no band is selected.
constexpr double kIdleBandFreq = 19.7;
constexpr double kIdleBandQ = 0.4;

QString PhaseKey(bool inverse) { return inverse ? QStringLiteral("SID_PHASE_ON") : QStringLiteral("SID_PHASE_OFF"); }

using MainWindow::BandButtonName;

}  // namespace

std::uint16_t TfmMain::GetLinkGroup(int ch) const { return FUnitControl->GetLinkGroup(ch); }

// ---- gain ---------------------------------------------------------------------------------

void TfmMain::isGainInAChange(TComponent* Sender) { GainChange(Sender, false); }
void TfmMain::isGainBackupInAChange(TComponent* Sender) { GainChange(Sender, true); }

void TfmMain::GainChange(TComponent* Sender, bool gainPage)
{
    if (FUpdating)
        return;
    auto* bar = dynamic_cast<TAdvTrackBar*>(Sender);
    if (!bar)
        return;
    const int ch = bar->Tag();
    const QString s = Suffix(ch);
    if (s.isEmpty())
        return;
    const QString ownBox = gainPage ? QStringLiteral("cvdGainBackup") : QStringLiteral("cvdGain");
    const QString twinBox = gainPage ? QStringLiteral("cvdGain") : QStringLiteral("cvdGainBackup");
    const QString twinBar = gainPage ? QStringLiteral("isGain") : QStringLiteral("isGainBackup");
    auto* box = Find<TCurvyEdit>(ownBox + s);
    auto* otherBox = Find<TCurvyEdit>(twinBox + s);
    auto* twin = Find<TAdvTrackBar>(twinBar + s);
    if (!box || !otherBox || !twin)
        return;
    const int position = bar->Position();
    {
        UpdatingScope updating(FUpdating);
        twin->SetPosition(position);
    }
    const QString text = GainText(position);
    box->SetText(text);
    otherBox->SetText(text);
    FUnitControl->SetGain(ch, std::uint16_t(position - bar->Min()));
    MirrorGain(ch, position);
}

void TfmMain::MirrorGain(int ch, int position)
{
    UpdatingScope updating(FUpdating);
    ForLinkGroup(ch, [&](int m) { return ShowGain(m, position); });
}

bool TfmMain::ShowGain(int ch, int position)
{
    const QString s = Suffix(ch);
    auto* box = Find<TCurvyEdit>("cvdGain" + s);
    auto* bar = Find<TAdvTrackBar>("isGain" + s);
    auto* boxBackup = Find<TCurvyEdit>("cvdGainBackup" + s);
    auto* barBackup = Find<TAdvTrackBar>("isGainBackup" + s);
    if (!box || !bar || !boxBackup || !barBackup)
        return false;
    bar->SetPosition(position);
    barBackup->SetPosition(bar->Position());
    const QString text = GainText(barBackup->Position());
    box->SetText(text);
    boxBackup->SetText(text);
    return true;
}

// ---- mute and polarity --------------------------------------------------------------------

TRzBmpButton* TfmMain::FollowTwin(TComponent* Sender, const QString& stem, bool gainPage)
{
    auto* button = dynamic_cast<TRzBmpButton*>(Sender);
    if (!button)
        return nullptr;
    const QString s = Suffix(button->Tag());
    auto* twin = s.isEmpty() ? nullptr : Find<TRzBmpButton>(stem + (gainPage ? QString() : QStringLiteral("Backup")) + s);
    if (twin)
        twin->SetDown(button->Down());
    return twin;
}

void TfmMain::rzbMuteInAClick(TComponent* Sender) { MuteClick(Sender, false); }
void TfmMain::rzbMuteBackupInAClick(TComponent* Sender) { MuteClick(Sender, true); }

void TfmMain::MuteClick(TComponent* Sender, bool gainPage)
{
    if (!FollowTwin(Sender, QStringLiteral("rzbMute"), gainPage))
        return;
    auto* button = static_cast<TRzBmpButton*>(Sender);
    FUnitControl->SetMute(button->Tag(), button->Down() ? 1 : 0);
    MirrorMute(button->Tag(), button->Down());
}

void TfmMain::MirrorMute(int ch, bool muted)
{
    ForLinkGroup(ch, [&](int m) { return ShowMute(m, muted); });
}

bool TfmMain::ShowMute(int ch, bool muted)
{
    auto* button = Find<TRzBmpButton>("rzbMute" + Suffix(ch));
    auto* backup = Find<TRzBmpButton>("rzbMuteBackup" + Suffix(ch));
    if (!button || !backup)
        return false;
    button->SetDown(muted);
    backup->SetDown(muted);
    return true;
}

void TfmMain::rzbPhaseInAClick(TComponent* Sender) { PhaseClick(Sender, false); }
void TfmMain::rzbPhaseBackupInAClick(TComponent* Sender) { PhaseClick(Sender, true); }

void TfmMain::PhaseClick(TComponent* Sender, bool gainPage)
{
    TRzBmpButton* twin = FollowTwin(Sender, QStringLiteral("rzbPhase"), gainPage);
    if (!twin)
        return;
    auto* button = static_cast<TRzBmpButton*>(Sender);
    button->SetCaption(LangText(PhaseKey(button->Down())));
    twin->SetCaption(button->Caption());
    FUnitControl->SetPolarity(button->Tag(), button->Down() ? 1 : 0);
    MirrorPhase(button->Tag(), button->Down());
}

void TfmMain::MirrorPhase(int ch, bool inverse)
{
    ForLinkGroup(ch, [&](int m) { return ShowPhase(m, inverse); });
}

bool TfmMain::ShowPhase(int ch, bool inverse)
{
    auto* button = Find<TRzBmpButton>("rzbPhase" + Suffix(ch));
    auto* backup = Find<TRzBmpButton>("rzbPhaseBackup" + Suffix(ch));
    if (!button || !backup)
        return false;
    button->SetDown(inverse);
    backup->SetDown(inverse);
    button->SetCaption(LangText(PhaseKey(inverse)));
    backup->SetCaption(button->Caption());
    return true;
}

// ---- the selected EQ band -----------------------------------------------------------------

void TfmMain::ShowEqBand(int ch, bool enabled, double freq, double gain, double q)
{
    if (FUpdating)
        return;
    const QString s = Suffix(ch);
    auto* freqBar = Find<TAdvTrackBar>("isEqFreq" + s);
    auto* qBar = Find<TAdvTrackBar>("isEqBw" + s);
    auto* gainBar = Find<TAdvTrackBar>("isEqGain" + s);
    auto* freqBox = Find<TCurvyEdit>("cvdEqFreq" + s);
    auto* qBox = Find<TCurvyEdit>("cvdEqBw" + s);
    auto* gainBox = Find<TCurvyEdit>("cvdEqGain" + s);
    if (s.isEmpty() || !freqBar || !qBar || !gainBar || !freqBox || !qBox || !gainBox)
        return;
    UpdatingScope updating(FUpdating);
    freqBar->SetPosition(FreqToIndex(freq));
    freqBar->SetEnabled(enabled);
    freqBox->SetText(EqFreqText(freq));
    gainBar->SetPosition(GainToCode(gain));
    gainBar->SetEnabled(enabled);
    gainBox->SetText(EqGainText(gainBar->Position()));
    qBar->SetPosition(QToIndex(q));
    qBar->SetEnabled(enabled);
    qBox->SetText(EqQText(qBar->Position()));
}

void TfmMain::DeselectEqBands()
{
    for (int ch = 0; ch < kChannels; ++ch) {
        const QString s = Suffix(ch);
        auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
        if (!table)
            return;
        const int band = table->GetNowIndex() == kNoBand ? 0 : table->GetNowIndex();
        auto* button = Find<TRzBmpButton>(BandButtonName(band, s));
        Plot* plot = GetPlot(ch);
        if (!button || !plot || !plot->View())
            return;
        RaiseBandButton(*button);
        ShowEqBand(ch, false, kIdleBandFreq, 0, kIdleBandQ);
        table->SetNowIndex(kNoBand);
        table->SetNowIndex(-1);
        plot->DrawParamCurve(1, 0, 0, float(kIdleBandQ), false);
        plot->DrawSum(ch);
        plot->View()->UpdateCurvePage();
    }
}

void TfmMain::SelectFirstEqBands()
{
    for (int ch = 0; ch < kChannels; ++ch) {
        const QString s = Suffix(ch);
        auto* button = Find<TRzBmpButton>(BandButtonName(0, s));
        auto* table = Find<TMyPEQAllpass>("peqPeq" + s);
        Plot* plot = GetPlot(ch);
        if (!button || !table || !plot || !plot->View())
            return;
        button->SetDown(true);
        const double freq = table->GetFreqValue(0);
        const double gain = table->GetGainValue(0);
        const double q = table->GetQValue(0);
        const int type = table->GetTypeValue(0);
        table->SetNowIndex(0);
        ShowEqBand(ch, true, freq, gain, q);
        plot->DrawBandMarker(0, float(gain), 1);
        plot->DrawParamCurve(type, 0, float(gain), float(q), true);
        plot->DrawSum(ch);
        plot->View()->UpdateCurvePage();
    }
}
