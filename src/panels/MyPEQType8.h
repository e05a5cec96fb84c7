#pragma once
// The band table with nine band types: besides Peak, the shelves and the all-pass types,
// high- and low-pass types of 6 and 12 dB in place of the two cuts. Its item numbers are its
// own; the window that uses it says what each item stands for.
#include "CustomPEQTable.h"

class TMyPEQType8 : public TCustomPEQTable {
    Q_OBJECT
public:
    explicit TMyPEQType8(TComponent* owner);
    static const QStringList& TypeNames();
};
