#include "MyPEQAllpass.h"

#include "MarkerPalette.h"

namespace {

TBandTableKind AllpassKind() {
    TBandTableKind kind;
    kind.Capacity = 50;
    kind.TypeTexts = TMyPEQAllpass::TypeNames();
    kind.NumberColors.assign(MarkerPalette.begin(), MarkerPalette.end());
    return kind;
}

}  // namespace

TMyPEQAllpass::TMyPEQAllpass(TComponent* owner) : TCustomPEQTable(owner, AllpassKind()) {}

const QStringList& TMyPEQAllpass::TypeNames() {
    static const QStringList names = {" Peak       ", " Low Shelf  ", " High Shelf ", " Low Cut    ",
                                      " High Cut   ", " Allpass 1  ", " Allpass 2  "};
    return names;
}
