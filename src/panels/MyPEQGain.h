#pragma once
// The band table for equalisers with five band types (no all-pass types); its Q and gain
// texts use the run-time number formats, which also take part in snapping frequencies.
#include "CustomPEQTable.h"

class TMyPEQGain : public TCustomPEQTable {
    Q_OBJECT
public:
    explicit TMyPEQGain(TComponent* owner);
    static const QStringList& TypeNames();

protected:
    TMyPEQGain(TComponent* owner, TBandTableKind kind) : TCustomPEQTable(owner, std::move(kind)) {}
};
