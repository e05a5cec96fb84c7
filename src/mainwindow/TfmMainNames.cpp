// Channel names: shown on the Matrix page's name labels and as the page buttons' hints;
// named one by one from a name label or all together from the name list.
#include "TfmMain.h"

#include "ChannelNameText.h"
#include "FChannelName.h"
#include "LUnitControl.h"
#include "text/AnsiCodec.h"

#include "RzBmpBtn.h"
#include "ui/TLabel.h"

#include <algorithm>

std::array<std::uint8_t, 8> TfmMain::GetChannelName(int ch) const
{
    std::array<std::uint8_t, 8> name{};
    if (ch >= 0 && ch < kChannels) {
        const auto bytes = FUnitControl->GetChannelName(ch);
        std::copy(bytes.begin(), bytes.end(), name.begin());
    }
    return name;
}

void TfmMain::SetChannelName(int ch, const std::array<std::uint8_t, 8>& name)
{
    const QString s = Suffix(ch);
    auto* label = Find<TCustomLabel>("lbMatrixChName" + s);
    auto* pageButton = Find<TRzBmpButton>("rzbMenu" + s);
    if (s.isEmpty() || !label || !pageButton)
        return;
    const QString text = ChannelNameText(name);
    label->SetCaption(text);
    pageButton->setToolTip(text);
    FUnitControl->SetChannelName(ch, name);
}

void TfmMain::lbMatrixChNameInAClick(TComponent* Sender)
{
    auto* label = dynamic_cast<TCustomLabel*>(Sender);
    if (!label || !fmChannelName)
        return;
    fmChannelName->SetChannel(label->Tag());
    fmChannelName->SetNameText(AnsiCodec::ToUnicode(AnsiCodec::FromUnicode(label->Caption())));
    fmChannelName->ShowModal();
}
