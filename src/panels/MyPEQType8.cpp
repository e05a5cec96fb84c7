#include "MyPEQType8.h"

#include "MarkerPalette.h"

namespace {

TBandTableKind Type8Kind() {
    TBandTableKind kind;
    kind.Capacity = 50;
    kind.TypeTexts = TMyPEQType8::TypeNames();
    kind.NumberColors.assign(MarkerPalette.begin(), MarkerPalette.end());
    kind.CreateWndSelectsItem1 = true;
    return kind;
}

}  // namespace

TMyPEQType8::TMyPEQType8(TComponent* owner) : TCustomPEQTable(owner, Type8Kind()) {}

const QStringList& TMyPEQType8::TypeNames() {
    static const QStringList names = {" Peak       ", " Low Shelf  ", " High Shelf ", " HPF -6dB   ", " HPF -12dB  ",
                                      " LPF -6dB   ", " LPF -12dB  ", " Allpass 1  ", " Allpass 2  "};
    return names;
}
