// The XY channel's OPC feed: two items (X and Y) in one group of the channel's own manager.
#include "core/iPlotComponent.h"
#include "core/iXYPlotChannel.h"

void TiXYPlotChannel::CreateOPC() {
    FOPCManager = std::make_unique<TiOPCManager>(nullptr);
    FOPCManager->OnAfterGroupUpdate = [this](TObject* sender, const QString& group) { DoOPCGroupUpdate(sender, group); };
    FOPCItemManager = std::make_unique<TiOPCItemManager>();
    // The plot has no design state: the items always act as at run time.
    FOPCItemManager->SetOwner(Plot());
    for (int i = 0; i < 2; ++i) OPCItem(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

void TiXYPlotChannel::OPCActivate() {
    FOPCItemManager->SetOwner(Plot());
    OPCDeactivate();
    FOPCManager->GroupClear();
    // A name unique to this channel: the address of its manager.
    const QString group = QStringLiteral("%1").arg(quintptr(FOPCManager.get()), 8, 16, QLatin1Char('0')).toUpper();
    TiOPCItem* x = OPCItem(0);
    TiOPCItem* y = OPCItem(1);
    FOPCManager->GroupAdd(group, x->ComputerName(), x->UpdateRate(), x->ServerName());
    x->SetGroupName(group);
    y->SetGroupName(group);
    x->Activate();
    y->Activate();
}

void TiXYPlotChannel::OPCActivateSuspend() {
    OPCActivate();
    OPCUpdateSuspend();
}

void TiXYPlotChannel::OPCDeactivate() {
    OPCItem(0)->Deactivate();
    OPCItem(1)->Deactivate();
}

void TiXYPlotChannel::OPCUpdateSuspend() {
    OPCItem(0)->UpdateSuspend();
    OPCItem(1)->UpdateSuspend();
}

void TiXYPlotChannel::OPCUpdateResume() {
    OPCItem(0)->UpdateResume();
    OPCItem(1)->UpdateResume();
}

void TiXYPlotChannel::DoOPCGroupUpdate(TObject*, const QString&) {
    AddXY(OPCItem(0)->Data().toDouble(), OPCItem(1)->Data().toDouble());
}
