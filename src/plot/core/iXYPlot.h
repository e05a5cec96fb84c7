#pragma once
// The XY plot control: a plot whose channels are XY channels. It is created with its default
// objects: a toolbar, a legend, an X and a Y axis, a channel, a data view, a data cursor and
// the title label.
#include "core/iPlotComponent.h"
#include "core/iXYPlotChannel.h"

class TiXYPlot : public TiPlotComponent {
public:
    explicit TiXYPlot(TComponent* owner);

    const TiPublishedClass& PublishedClass() const override;

    // The XY channel at an index ("List index out of bounds (%d)" outside the channel list;
    // "Invalid class typecast" for a channel of another class).
    TiXYPlotChannel* Channel(int index) const;
};
