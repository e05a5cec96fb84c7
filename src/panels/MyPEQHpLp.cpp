#include "MyPEQHpLp.h"

#include "MarkerPalette.h"

namespace {

TBandTableKind HpLpKind() {
    TBandTableKind kind;
    kind.Capacity = 15;
    kind.TypeTexts = TMyPEQGain::TypeNames();
    kind.NumberColors.assign(MarkerPalette.begin(), MarkerPalette.begin() + 13);
    kind.NumberColors.push_back(clSilver);
    kind.NumberColors.push_back(clBlack);
    kind.Formats = TBandTableKind::RunTimeFormats;
    kind.GainStepsPerDb = 2;
    kind.SinglePrecision = true;
    kind.FirstFreqIsRowNumber = false;
    kind.ChannelNumberRepaints = true;
    kind.CreateWndSelectsItem1 = true;
    return kind;
}

}  // namespace

TMyPEQHpLp::TMyPEQHpLp(TComponent* owner) : TMyPEQGain(owner, HpLpKind()) {}
