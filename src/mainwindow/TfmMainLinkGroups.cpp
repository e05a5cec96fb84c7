// Link groups, channel copy and page captions: what the link and copy dialogs change on the
// main window, and how a linked channel's page button names its group's first channel.
#include "TfmMain.h"

#include "CommandCode.h"
#include "LCmd.h"
#include "LUnitControl.h"
#include "Plot.h"

#include "RzBmpBtn.h"
#include "VrButtons.h"
#include "timer/TTimer.h"

namespace {

// Channels on one side: inputs 0-1, outputs 2-7.
bool IsChannel(int ch) { return ch >= 0 && ch < TfmMain::kChannels; }
bool OnOneSide(int a, int b) { return (a < 2) == (b < 2); }
// The letter of a channel within its side: "A", "B", "1" to "6".
QString Letter(int ch) { return ch < 2 ? QString(QChar('A' + ch)) : QString::number(ch - 1); }
QString SideWord(int ch) { return ch < 2 ? QStringLiteral("In") : QStringLiteral("Out"); }
// Overlay curve ids on the channel pages: the channel + 18 on inputs, + 16 on outputs.
constexpr int kInputOverlayBase = 18, kOutputOverlayBase = 16;

}  // namespace

void TfmMain::SetLinkMask(int ch, std::uint16_t mask) { FUnitControl->SetLinkMask(ch, mask); }

void TfmMain::CopyChannel(int source, int destination, bool refresh)
{
    if (source == destination || !IsChannel(source) || !IsChannel(destination) || !OnOneSide(source, destination))
        return;
    if (FConnected) {
        if (refresh)
            FRequestState = REQ_REREAD;
        SendCmd(CM_MCS_CMD(FDeviceId, CMD_COPY_CHANNEL, source, destination), true);
        return;
    }
    const std::uint16_t group = GetLinkGroup(destination);
    const int first = destination < 2 ? 0 : 2;
    const int count = destination < 2 ? 2 : 6;
    for (int k = 0; k < count; ++k)
        // The source may itself belong to the destination's group: it keeps its settings.
        if (((group >> k) & 1u) && first + k != source)
            FUnitControl->CopyChannel(source, first + k);
    if (refresh)
        ShowUnitImage(*FUnitControl);
}

void TfmMain::ApplyLinks()
{
    if (!FConnected) {
        ShowUnitImage(*FUnitControl);
        return;
    }
    if (tmInLevelDet)
        tmInLevelDet->SetEnabled(false);
    FRequestState = REQ_REREAD;
    SendCmd(CM_MCS_CMD(FDeviceId, CMD_POLL), true);
    if (rzbMenuLink)
        rzbMenuLink->SetFocus();
}

void TfmMain::SetPageButtonCaption(int master, int member)
{
    if (!IsChannel(master) || !IsChannel(member) || !OnOneSide(master, member))
        return;
    auto* button = Find<TRzBmpButton>("rzbMenu" + SideWord(master) + Letter(member));
    if (!button)
        return;
    button->SetCaption(master == member ? SideWord(member) + Letter(member)
                                        : Letter(member) + QLatin1Char('=') + Letter(master));
}

void TfmMain::ShowOverlayToggles(int ch, bool visible)
{
    if (!IsChannel(ch))
        return;
    const QString letter = Letter(ch);
    auto* pageButton = Find<TRzBmpButton>("rzbMenu" + SideWord(ch) + letter);
    auto* gainToggle = Find<TVrPowerButton>("vrbShow" + letter + "Gain");
    if (!pageButton || !gainToggle)
        return;
    const bool input = ch < 2;
    gainToggle->SetVisible(visible);
    if (!visible) {
        const int view = input ? kViewGainIn : kViewGainOut;
        gainToggle->SetActive(false);
        FOverlayDirty[std::size_t(view)] &= std::uint16_t(~(1u << gainToggle->Tag()));
        if (Plot* plot = GetPlot(view))
            plot->RemoveCurve(gainToggle->Tag());
    }
    const int first = input ? 0 : 2, last = input ? 1 : 7;
    for (int page = first; page <= last; ++page) {
        if (page == ch)
            continue;
        auto* toggle = Find<TVrPowerButton>("vrbShow" + letter + SideWord(page) + Letter(page));
        if (!toggle)
            return;
        toggle->SetVisible(visible);
        if (visible)
            continue;
        toggle->SetActive(false);
        FOverlayDirty[std::size_t(page)] &= std::uint16_t(~(1u << toggle->Tag()));
        if (Plot* plot = GetPlot(page))
            plot->RemoveCurve(toggle->Tag() + (input ? kInputOverlayBase : kOutputOverlayBase));
    }
}

void TfmMain::ShowGainPage()
{
    auto* gain = Find<TRzBmpButton>(QStringLiteral("rzbMenuGain"));
    if (!gain)
        return;
    gain->Click();
    gain->SetDown(true);
}
