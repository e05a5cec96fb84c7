#include "core/iXYPlot.h"

#include "rtl/Exception.h"

const TiPublishedClass& TiXYPlot::PublishedClass() const {
    static const TiPublishedClass info(QStringLiteral("TiXYPlot"), &TiPlotComponent::Published(), {});
    return info;
}

TiXYPlot::TiXYPlot(TComponent* owner) : TiPlotComponent(owner) {
    Master().SetChannelClass(&TiXYPlotChannel::Create);
    AddDefaultObjects();
}

TiXYPlotChannel* TiXYPlot::Channel(int index) const {
    TiPlotObject* object = Master().ChannelManager()->GetItem(index);
    auto* channel = dynamic_cast<TiXYPlotChannel*>(object);
    if (!channel) throw EInvalidCast();
    return channel;
}
