#include "core/iPlotChannelOPC.h"

#include "core/iPlotChannelCustom.h"
#include "core/iPlotComponent.h"

TiPlotChannelOPC::TiPlotChannelOPC(TiPlotChannelCustom& channel) : FChannel(channel) {
    FOPCManager = std::make_unique<TiOPCManager>(nullptr);
    FOPCManager->OnAfterGroupUpdate = [this](TObject* sender, const QString& group) { DoOPCGroupUpdate(sender, group); };
    FOPCItemManager = std::make_unique<TiOPCItemManager>();
    for (int i = 0; i < 2; ++i) OPCItem(FOPCItemManager->Add())->SetPropertyName(QStringLiteral("Data"));
}

void TiPlotChannelOPC::AttachItemsToPlot() { FOPCItemManager->SetOwner(FChannel.Plot()); }

QString TiPlotChannelOPC::AddChannelGroup() {
    const QString group = QStringLiteral("%1").arg(quintptr(FOPCManager.get()), 8, 16, QLatin1Char('0')).toUpper();
    const TiOPCItem* first = OPCItem(0);
    FOPCManager->GroupAdd(group, first->ComputerName(), first->UpdateRate(), first->ServerName());
    return group;
}

void TiPlotChannelOPC::ActivateBoth(bool suspended) {
    for (int i = 0; i < 2; ++i)
        if (suspended)
            OPCItem(i)->ActivateSuspend();
        else
            OPCItem(i)->Activate();
}

void TiPlotChannelOPC::OPCDeactivate() {
    OPCItem(0)->Deactivate();
    OPCItem(1)->Deactivate();
}

void TiPlotChannelOPC::OPCUpdateSuspend() {
    OPCItem(0)->UpdateSuspend();
    OPCItem(1)->UpdateSuspend();
}

void TiPlotChannelOPC::OPCUpdateResume() {
    OPCItem(0)->UpdateResume();
    OPCItem(1)->UpdateResume();
}

void TiPlotChannelOPC::DoOPCGroupUpdate(TObject*, const QString&) {
    FChannel.AddXY(OPCItem(0)->Data().toDouble(), OPCItem(1)->Data().toDouble());
}
