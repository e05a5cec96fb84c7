#pragma once
// The time-series plot control: a plot whose channels are time-series channels, created with
// the same default objects as the XY plot.
#include "core/iPlotChannel.h"
#include "core/iPlotComponent.h"

class TiPlot : public TiPlotComponent {
public:
    explicit TiPlot(TComponent* owner);

    const TiPublishedClass& PublishedClass() const override;

    // The time-series channel at an index ("List index out of bounds (%d)" outside the channel
    // list; "Invalid class typecast" for a channel of another class).
    TiPlotChannel* Channel(int index) const;
};
