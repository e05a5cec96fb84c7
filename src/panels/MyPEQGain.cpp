#include "MyPEQGain.h"

#include "MarkerPalette.h"

namespace {

TBandTableKind GainKind() {
    TBandTableKind kind;
    kind.Capacity = 50;
    kind.TypeTexts = TMyPEQGain::TypeNames();
    kind.NumberColors.assign(MarkerPalette.begin(), MarkerPalette.end());
    kind.Formats = TBandTableKind::RunTimeFormats;
    kind.CreateWndSelectsItem1 = true;
    return kind;
}

}  // namespace

TMyPEQGain::TMyPEQGain(TComponent* owner) : TCustomPEQTable(owner, GainKind()) {}

const QStringList& TMyPEQGain::TypeNames() {
    static const QStringList names = {" Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ", " High Cut   "};
    return names;
}
