// Overlay curves: the other channels' summed responses on each channel page and on the
// Gain page's two overviews. Each view copies and redraws a channel's curve only when its
// dirty bit says the channel changed since the view last took it.
#include "TfmMain.h"

#include "ChannelColors.h"
#include "LMyFFTDrawPhase.h"
#include "Plot.h"

#include "VrButtons.h"

namespace {

constexpr std::uint32_t kInputBits = 0x03;
constexpr std::uint32_t kOutputBits = 0xFC;
// A channel page keeps the other channels' sums from slot 18 on (18 + side index).
constexpr int kOverlaySlot = 18;

bool IsInputView(int view) { return view == 0 || view == 1 || view == TfmMain::kViewGainIn; }

int SideIndex(int ch) { return ch < 2 ? ch : ch - 2; }

// The letter or digit of a channel within its side ("A", "B", "1" to "6").
QString ChannelMark(int ch) { return ch < 2 ? QString(QChar('A' + ch)) : QString::number(ch - 1); }

// The slot of channel ch's curve in a view: its own number on the overviews, its side
// index past the overlay base on the channel pages.
int OverlaySlot(int view, int ch) { return view >= TfmMain::kViewGainIn ? ch : kOverlaySlot + SideIndex(ch); }

void CopySum(const Plot& from, Plot& to, int slot) { to.Curve(slot)->data = from.Curve(Plot::kSumSlot)->data; }

}  // namespace

void TfmMain::MarkCurveDirty(int ch)
{
    if (ch < 0 || ch >= kChannels)
        return;
    for (int view = 0; view < kViews; ++view)
        if (IsInputView(view) == (ch < 2))
            FOverlayDirty[view] |= std::uint16_t(1u << ch);
}

void TfmMain::MarkAllCurvesDirty()
{
    for (int view = 0; view < kViews; ++view)
        FOverlayDirty[view] = IsInputView(view) ? kInputBits : kOutputBits;
}

void TfmMain::RefreshGainOverlays()
{
    Plot* inputs = GetPlot(kViewGainIn);
    Plot* outputs = GetPlot(kViewGainOut);
    if (!inputs || !outputs)
        return;
    for (int ch = 0; ch < kChannels; ++ch)
        if (const Plot* own = GetPlot(ch))
            CopySum(*own, ch < 2 ? *inputs : *outputs, ch);
    for (int ch = 0; ch < kChannels; ++ch) {
        const int view = ch < 2 ? kViewGainIn : kViewGainOut;
        auto* toggle = Find<TVrPowerButton>(QStringLiteral("vrbShow") + ChannelMark(ch) + QStringLiteral("Gain"));
        if (!toggle)
            return;
        const std::uint16_t bit = std::uint16_t(1u << ch);
        if (toggle->Active() && (FOverlayDirty[view] & bit)) {
            FOverlayDirty[view] &= std::uint16_t(~bit);
            GetPlot(view)->ShowCurve(ch, ChannelColors[std::size_t(ch)]);
        }
    }
    for (Plot* p : {inputs, outputs})
        if (p->View())
            p->View()->UpdateCurvePage();
}

void TfmMain::RefreshPageOverlays(int page)
{
    if (page < 0 || page >= kChannels)
        return;
    Plot* plot = GetPlot(page);
    if (!plot)
        return;
    const bool input = page < 2;
    const QString pageName = (input ? QStringLiteral("In") : QStringLiteral("Out")) + ChannelMark(page);
    for (int ch = input ? 0 : 2; ch < (input ? 2 : kChannels); ++ch) {
        if (ch == page)
            continue;
        auto* toggle = Find<TVrPowerButton>(QStringLiteral("vrbShow") + ChannelMark(ch) + pageName);
        const Plot* other = GetPlot(ch);
        if (!toggle || !other)
            return;
        const std::uint16_t bit = std::uint16_t(1u << ch);
        if (!(FOverlayDirty[page] & bit))
            continue;
        FOverlayDirty[page] &= std::uint16_t(~bit);
        const int slot = OverlaySlot(page, ch);
        CopySum(*other, *plot, slot);
        if (toggle->Active())
            plot->ShowCurve(slot, ChannelColors[std::size_t(ch)]);
    }
    if (plot->View())
        plot->View()->UpdateCurvePage();
}

void TfmMain::OverlayToggleClick(TComponent* Sender, int view)
{
    auto* toggle = dynamic_cast<TVrPowerButton*>(Sender);
    Plot* plot = GetPlot(view);
    if (!toggle || !plot)
        return;
    const int ch = toggle->Tag();
    // Only a channel of the view's side has a curve there.
    if (ch < 0 || ch >= kChannels || (ch < 2) != IsInputView(view))
        return;
    FOverlayDirty[view] &= std::uint16_t(~(1u << ch));
    const int slot = OverlaySlot(view, ch);
    if (toggle->Active())
        plot->ShowCurve(slot, ChannelColors[std::size_t(ch)]);
    else
        plot->RemoveCurve(slot);
    if (plot->View())
        plot->View()->UpdateCurvePage();
}

void TfmMain::vrbShowAGainClick(TComponent* Sender) { OverlayToggleClick(Sender, kViewGainIn); }
void TfmMain::vrbShow1GainClick(TComponent* Sender) { OverlayToggleClick(Sender, kViewGainOut); }
void TfmMain::vrbShowBInAClick(TComponent* Sender) { OverlayToggleClick(Sender, 0); }
void TfmMain::vrbShowAInBClick(TComponent* Sender) { OverlayToggleClick(Sender, 1); }
void TfmMain::vrbShow2Out1Click(TComponent* Sender) { OverlayToggleClick(Sender, 2); }
void TfmMain::vrbShow1Out2Click(TComponent* Sender) { OverlayToggleClick(Sender, 3); }
void TfmMain::vrbShow1Out3Click(TComponent* Sender) { OverlayToggleClick(Sender, 4); }
void TfmMain::vrbShow1Out4Click(TComponent* Sender) { OverlayToggleClick(Sender, 5); }
void TfmMain::vrbShow1Out5Click(TComponent* Sender) { OverlayToggleClick(Sender, 6); }
void TfmMain::vrbShow1Out6Click(TComponent* Sender) { OverlayToggleClick(Sender, 7); }
