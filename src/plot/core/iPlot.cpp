#include "core/iPlot.h"

#include "rtl/Exception.h"

const TiPublishedClass& TiPlot::PublishedClass() const {
    static const TiPublishedClass info(QStringLiteral("TiPlot"), &TiPlotComponent::Published(), {});
    return info;
}

TiPlot::TiPlot(TComponent* owner) : TiPlotComponent(owner) {
    Master().SetChannelClass(&TiPlotChannel::Create);
    // One repaint for the whole set of objects, also when an addition fails.
    BeginUpdate();
    struct End {
        TiPlot& plot;
        ~End() { plot.EndUpdate(); }
    } end{*this};
    AddDefaultObjects();
}

TiPlotChannel* TiPlot::Channel(int index) const {
    auto* channel = dynamic_cast<TiPlotChannel*>(Master().ChannelManager()->GetItem(index));
    if (!channel) throw EInvalidCast();
    return channel;
}
