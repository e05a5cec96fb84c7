#pragma once
// The EQ band table of the channel pages: seven band types (Peak, the two shelves, the two
// cuts, the two all-pass types), gains in tenths of a dB, C-format texts.
#include "CustomPEQTable.h"

class TMyPEQAllpass : public TCustomPEQTable {
    Q_OBJECT
public:
    explicit TMyPEQAllpass(TComponent* owner);
    // The built-in type names, 12 characters each.
    static const QStringList& TypeNames();
};
