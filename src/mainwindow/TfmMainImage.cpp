// Showing the parameter image: every control of the eight channels, the preset display and
// the delay unit take the image's values with the updating flag held, so nothing is sent
// and no handler writes back; then every channel's curves are recomputed and the overlays
// of the page on show refreshed.
#include "TfmMain.h"

#include "ChannelNameText.h"
#include "FLinkSel.h"

#include "ControlTexts.h"
#include "FTest.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "MyPEQAllpass.h"
#include "Plot.h"
#include "UpdatingScope.h"
#include "ValueCodecs.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "VrButtons.h"
#include "text/AnsiCodec.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TUpDown.h"
#include "ui/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The image's slope codes run 0 (off) to 20; anything above is shown and drawn as off.
constexpr int kMaxSlope = 20;
// Band frequencies of the band table are held in single precision.
constexpr double kFreqStep = 1.023373891996775;
using MainWindow::kBypassTextSize;

// 8-bit text of the image up to its first zero byte, at most `size` characters.
template <std::size_t N>
QString ImageText(std::span<const std::uint8_t, N> bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t(0));
    return AnsiCodec::ToUnicode(bytes.data(), std::size_t(end - bytes.begin()));
}

// Holds the drawing of the channels' graphs while it lives; at its end each graph draws
// once what it was given.
class GraphRedrawBatch {
public:
    explicit GraphRedrawBatch(const TfmMain& window)
    {
        for (int ch = 0; ch < TfmMain::kChannels; ++ch) {
            const Plot* plot = window.GetPlot(ch);
            LMyFFTDrawPhase* view = plot ? plot->View() : nullptr;
            if (view) {
                view->BeginUpdate();
                FViews.push_back(view);
            }
        }
    }
    ~GraphRedrawBatch()
    {
        for (LMyFFTDrawPhase* view : FViews)
            view->EndUpdate();
    }
    GraphRedrawBatch(const GraphRedrawBatch&) = delete;
    GraphRedrawBatch& operator=(const GraphRedrawBatch&) = delete;

private:
    std::vector<LMyFFTDrawPhase*> FViews;
};

}  // namespace

void TfmMain::ShowUnitImage(LUnitControl& unit)
{
    {
        // Each channel's graph is drawn once, when all its curves and markers are in: every
        // curve, marker and band selection on the way would otherwise draw it again.
        GraphRedrawBatch batch(*this);
        DeselectEqBands();
        if (!ShowImageInControls(unit))
            return;
        for (int ch = 0; ch < kChannels; ++ch) {
            auto* graph = Find<LMyFFTDrawPhase>("fftDraw" + Suffix(ch));
            CalcPeqCurve(graph);
            CalcLowCutCurve(graph);
            CalcHighCutCurve(graph);
        }
        SelectFirstEqBands();
    }
    if (FPage == kPageGain)
        RefreshGainOverlays();
    else
        RefreshPageOverlays(FPage);
}

bool TfmMain::ShowImageInControls(LUnitControl& unit)
{
    UpdatingScope updating(FUpdating);
    auto* presetNumber = Find<TCustomLabel>(QStringLiteral("lbPstNum"));
    auto* presetName = Find<TCustomLabel>(QStringLiteral("lbPstName"));
    if (!presetNumber || !presetName)
        return false;
    presetNumber->SetCaption(FCurrentPreset >= 1 ? Sprintf("U%02d", FCurrentPreset) : Sprintf("F%02d", FCurrentPreset));
    presetName->SetCaption(ImageText(unit.GetPresetName()));
    MarkAllCurvesDirty();

    for (int ch = 0; ch < 2; ++ch)
        if (!ShowChannelName(unit, ch) || !ShowChannelEq(unit, ch) || !ShowChannelGate(unit, ch) ||
            !ShowChannelCuts(unit, ch) || !ShowChannelStrip(unit, ch))
            return false;
    // The Gate page plots the input it shows the level of; drawn once both inputs are shown.
    if (!FCreating)
        ShowGateCurve(FGateChannel);
    for (int ch = 2; ch < kChannels; ++ch)
        if (!ShowChannelName(unit, ch) || !ShowChannelRouting(unit, ch) || !ShowChannelCuts(unit, ch) ||
            !ShowChannelEq(unit, ch) || !ShowChannelComp(unit, ch) || !ShowChannelStrip(unit, ch))
            return false;

    // The delay unit: its button goes down and its click rewrites every delay text (the
    // flag keeps the unit from being stored or sent). An unknown unit shows milliseconds.
    const int delayUnit = unit.GetDelayUnit() <= kDelayUnitFeet ? unit.GetDelayUnit() : kDelayUnitMs;
    if (auto* unitButton = Find<TRzBmpButton>(QStringLiteral("rzbUnit%1").arg(delayUnit))) {
        unitButton->SetDown(true);
        unitButton->Click();
    }
    if (auto* matrix = Find<TControl>(QStringLiteral("pbMatrix")))
        matrix->Invalidate();
    // The link dialog's grid follows the image; its masters and captions then label the
    // page buttons and show or hide the overlay toggles.
    if (fmLinkSel) {
        for (int ch = 0; ch < kChannels; ++ch)
            fmLinkSel->ShowLinkMask(ch, unit.GetLinkMask(ch));
        fmLinkSel->ApplyMasterChannels();
        fmLinkSel->ApplyPageCaptions();
    }
    for (int ch = 0; ch < kChannels; ++ch)
        PlaceDelayIndicator(ch);
    // The unit's test signal in the test-signal dialog (sends nothing while updating).
    if (fmTest)
        fmTest->ShowWorkMode(unit.GetWorkMode(), unit.GetSineIndex());
    return true;
}

bool TfmMain::ShowChannelName(LUnitControl& unit, int ch)
{
    const QString s = Suffix(ch);
    auto* label = Find<TCustomLabel>("lbMatrixChName" + s);
    auto* pageButton = Find<TRzBmpButton>("rzbMenu" + s);
    if (!label || !pageButton)
        return false;
    const QString name = ChannelNameText(unit.GetChannelName(ch));
    label->SetCaption(name);
    pageButton->setToolTip(name);
    return true;
}

bool TfmMain::ShowChannelEq(LUnitControl& unit, int ch)
{
    auto* table = Find<TMyPEQAllpass>("peqPeq" + Suffix(ch));
    if (!table)
        return false;
    table->SetNowIndex(0);
    const int bands = ch < 2 ? kInputBands : kOutputBands;
    for (int b = 0; b < bands; ++b) {
        const PeqBandRecord band = unit.GetPeqBand(ch, b);
        const int index = std::clamp(int(band.frequency), kFreqIndexMin, kFreqIndexMax);
        const float hz = float(1000 * std::pow(kFreqStep, index - kFreqIndex1kHz));
        table->SetEqParamValue(b, hz, double(band.q), (int(band.gain) - kGainCodeOffset) * 0.1, band.type,
                               unit.IsPeqBypassed(ch, b));
    }
    return true;
}

bool TfmMain::ShowCut(const QString& stem, int ch, int frequencyIndex, int slope)
{
    const QString s = Suffix(ch);
    auto* bar = Find<TAdvTrackBar>("is" + stem + "Freq" + s);
    auto* box = Find<TCurvyEdit>("cvd" + stem + "Freq" + s);
    auto* slopes = Find<TRzComboBox>("rzc" + stem + "Slop" + s);
    auto* bypass = Find<TRzBmpButton>("rzb" + stem + "Bypass" + s);
    if (!bar || !box || !slopes || !bypass)
        return false;
    bar->SetPosition(frequencyIndex);
    box->SetText(CutFreqText(IndexToFreq(bar->Position())));
    if (slope != 0 && slope <= kMaxSlope) {
        slopes->SetItemIndex(slope - 1);
        bypass->SetDown(false);
    } else {
        bypass->SetDown(true);
    }
    return true;
}

bool TfmMain::ShowChannelCuts(LUnitControl& unit, int ch)
{
    const CrossoverRecord rec = unit.GetCrossover(ch);
    return ShowCut(QStringLiteral("LowCut"), ch, rec.highPassFrequency, rec.highPassSlope) &&
           ShowCut(QStringLiteral("HighCut"), ch, rec.lowPassFrequency, rec.lowPassSlope);
}

bool TfmMain::ShowChannelStrip(LUnitControl& unit, int ch)
{
    const QString s = Suffix(ch);
    auto* gain = Find<TAdvTrackBar>("isGain" + s);
    auto* delay = Find<TAdvTrackBar>("isDelay" + s);
    auto* picture = Find<TImage>("imDelay" + s);
    auto* line = Find<TCustomLabel>("lbDelayLine" + s);
    auto* graph = Find<LMyFFTDrawPhase>("fftDraw" + s);
    if (!gain || !delay || !picture || !line || !graph)
        return false;
    if (!ShowGain(ch, unit.GetGain(ch) + gain->Min()) || !ShowPhase(ch, unit.GetPolarity(ch)))
        return false;

    delay->SetPosition(unit.GetDelay(ch));
    picture->SetLeft(DelayPictureLeft(delay->Position(), delay->Max(), line->Width()));

    if (!ShowMute(ch, unit.IsMuted(ch)))
        return false;
    MarkCurveDirty(ch);

    const int sideBit = ch < 2 ? ch : ch - 2;
    const bool bypassed = (unit.GetEqBypassWord(ch) >> sideBit) & 1u;
    graph->DrawTextA(graph->Width() / 3, graph->Height() / 4, kBypassTextSize, clBtnFace,
                     QStringLiteral("Times New Roman"), bypassed ? QStringLiteral("BYPASS") : QString());
    return true;
}

bool TfmMain::ShowChannelGate(LUnitControl& unit, int ch)
{
    const QString s = Suffix(ch);
    auto* threshold = Find<TAdvTrackBar>("isGateThreshold" + s);
    auto* thresholdBox = Find<TCurvyEdit>("cvdGateThreshold" + s);
    if (!threshold || !thresholdBox)
        return false;
    const GateRecord gate = unit.GetGate(ch);
    threshold->SetPosition(gate.threshold + threshold->Min());
    thresholdBox->SetText(ThresholdText(threshold->Position()));
    const std::pair<const char*, int> times[] = {
        {"Attack", gate.attack}, {"Release", gate.release}, {"Hold", gate.hold}};
    for (const auto& [stem, value] : times) {
        auto* bar = Find<TAdvTrackBar>(QStringLiteral("isGate") + stem + s);
        auto* box = Find<TCurvyEdit>(QStringLiteral("cvdGate") + stem + s);
        if (!bar || !box)
            return false;
        bar->SetPosition(value);
        box->SetText(GateTimeText(bar->Position()));
    }
    return true;
}

bool TfmMain::ShowChannelRouting(LUnitControl& unit, int ch)
{
    const QString s = Suffix(ch);
    auto* fromA = Find<TRzBmpButton>("rzbAMatrix" + s);
    auto* fromB = Find<TRzBmpButton>("rzbBMatrix" + s);
    if (!fromA || !fromB)
        return false;
    const std::uint16_t routing = unit.GetMatrix(ch);
    fromA->SetDown(routing & 1u);
    fromB->SetDown(routing & 2u);
    return true;
}

bool TfmMain::ShowChannelComp(LUnitControl& unit, int ch)
{
    const QString s = Suffix(ch);
    auto* threshold = Find<TAdvTrackBar>("isCompThreshold" + s);
    auto* thresholdBox = Find<TCurvyEdit>("cvdCompThreshold" + s);
    auto* ratio = Find<TUpDown>("udCompRatio" + s);
    auto* ratioBox = Find<TCurvyEdit>("cvdCompRatio" + s);
    auto* attack = Find<TAdvTrackBar>("isCompAttack" + s);
    auto* attackBox = Find<TCurvyEdit>("cvdCompAttack" + s);
    auto* release = Find<TAdvTrackBar>("isCompRelease" + s);
    auto* releaseBox = Find<TCurvyEdit>("cvdCompRelease" + s);
    auto* knee = Find<TUpDown>("udCompKnee" + s);
    auto* kneeBox = Find<TCurvyEdit>("cvdCompKnee" + s);
    if (!threshold || !thresholdBox || !ratio || !ratioBox || !attack || !attackBox || !release || !releaseBox ||
        !knee || !kneeBox)
        return false;
    const CompRecord comp = unit.GetComp(ch);
    threshold->SetPosition(comp.threshold + threshold->Min());
    thresholdBox->SetText(ThresholdText(threshold->Position()));
    ratio->SetPosition(comp.ratio);
    ratioBox->SetText(CompRatioText(ratio->Position()));
    attack->SetPosition(comp.attack);
    attackBox->SetText(CompTimeText(attack->Position()));
    release->SetPosition(comp.release);
    releaseBox->SetText(CompTimeText(release->Position()));
    knee->SetPosition(comp.knee);
    kneeBox->SetText(KneeText(knee->Position()));
    if (ch == 2 && !FCreating)
        ShowCompCurve(ch);
    return true;
}
