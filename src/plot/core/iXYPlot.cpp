#include "core/iXYPlot.h"

#include "objects/iPlotLabel.h"
#include "objects/iPlotLegend.h"
#include "objects/iPlotToolBar.h"
#include "rtl/Exception.h"

const TiPublishedClass& TiXYPlot::PublishedClass() const {
    static const TiPublishedClass info(QStringLiteral("TiXYPlot"), &TiPlotComponent::Published(), {});
    return info;
}

TiXYPlot::TiXYPlot(TComponent* owner) : TiPlotComponent(owner) {
    Master().SetChannelClass(&TiXYPlotChannel::Create);
    DisableLayoutManager();
    struct Enable {
        TiXYPlot& plot;
        ~Enable() { plot.EnableLayoutManager(); }
    } enable{*this};
    ToolBar(AddToolBar())->SetZOrder(3);
    Legend(AddLegend())->SetZOrder(2);
    AddXAxis();
    AddYAxis();
    AddChannel();
    AddDataView();
    AddDataCursor();
    TiPlotLabel* title = Label(AddLabel());
    title->SetZOrder(2);
    title->SetName(QStringLiteral("Title"));
    title->SetCaption(QStringLiteral("Untitled"));
    title->SetMarginBottom(0);
}

TiXYPlotChannel* TiXYPlot::Channel(int index) const {
    TiPlotObject* object = Master().ChannelManager()->GetItem(index);
    auto* channel = dynamic_cast<TiXYPlotChannel*>(object);
    if (!channel) throw EInvalidCast();
    return channel;
}
