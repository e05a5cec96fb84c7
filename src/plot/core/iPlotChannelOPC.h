#pragma once
// The OPC feed both channel classes share: an OPC manager for the channel's own group and two
// data items bound to "Data" (item 0 and item 1). The published OPC settings write straight
// into the items without a change notification. Without the OPC support library nothing
// registers and the channel is fed by its Add methods alone.
#include "core/iPublishedClass.h"
#include "opc/iOPCItem.h"
#include "opc/iOPCManager.h"

#include <QString>

#include <memory>
#include <vector>

class TiPlotChannelCustom;

class TiPlotChannelOPC {
public:
    explicit TiPlotChannelOPC(TiPlotChannelCustom& channel);
    TiPlotChannelOPC(const TiPlotChannelOPC&) = delete;
    TiPlotChannelOPC& operator=(const TiPlotChannelOPC&) = delete;

    // Both items together, so that a deactivated or suspended channel takes no points.
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();
    bool OPCActive() const { return OPCItem(0)->Active(); }
    bool OPCQualityGood() const { return OPCItem(0)->QualityGood(); }
    TiOPCManager* OPCManager() const { return FOPCManager.get(); }
    TiOPCItem* OPCItem(int index) const { return FOPCItemManager->GetItem(index); }
    // After every update of the channel's group: AddXY(item 0, item 1).
    void DoOPCGroupUpdate(TObject* Sender, const QString& GroupName);

    const QString& OPCComputerName() const { return OPCItem(0)->ComputerName(); }
    void SetOPCComputerName(const QString& v) { OPCItem(0)->SetComputerName(v); }
    const QString& OPCServerName() const { return OPCItem(0)->ServerName(); }
    void SetOPCServerName(const QString& v) { OPCItem(0)->SetServerName(v); }
    const QString& OPCItemName() const { return OPCItem(0)->ItemName(); }
    void SetOPCItemName(const QString& v) { OPCItem(0)->SetItemName(v); }
    const QString& OPCItem2Name() const { return OPCItem(1)->ItemName(); }
    void SetOPCItem2Name(const QString& v) { OPCItem(1)->SetItemName(v); }
    int OPCUpdateRate() const { return OPCItem(0)->UpdateRate(); }
    void SetOPCUpdateRate(int v) { OPCItem(0)->SetUpdateRate(v); }
    double OPCScalar() const { return OPCItem(0)->Scalar(); }
    void SetOPCScalar(double v) { OPCItem(0)->SetScalar(v); }
    double OPCOffset() const { return OPCItem(0)->Offset(); }
    void SetOPCOffset(double v) { OPCItem(0)->SetOffset(v); }
    double OPCScalar2() const { return OPCItem(1)->Scalar(); }
    void SetOPCScalar2(double v) { OPCItem(1)->SetScalar(v); }
    double OPCOffset2() const { return OPCItem(1)->Offset(); }
    void SetOPCOffset2(double v) { OPCItem(1)->SetOffset(v); }
    bool OPCAutoConnect() const { return OPCItem(0)->AutoConnect(); }
    void SetOPCAutoConnect(bool v) { OPCItem(0)->SetAutoConnect(v); }

    // The published entries of these settings for the channel class C, after `own`.
    template <class C> static std::vector<TiPublishedProperty> WithProperties(std::vector<TiPublishedProperty> own) {
        using namespace published;
        for (TiPublishedProperty& p : std::vector<TiPublishedProperty>{
                 Prop<C>("OPCComputerName", &C::OPCComputerName, &C::SetOPCComputerName),
                 Prop<C>("OPCServerName", &C::OPCServerName, &C::SetOPCServerName),
                 Prop<C>("OPCItemName", &C::OPCItemName, &C::SetOPCItemName),
                 Prop<C>("OPCItem2Name", &C::OPCItem2Name, &C::SetOPCItem2Name),
                 Prop<C>("OPCUpdateRate", &C::OPCUpdateRate, &C::SetOPCUpdateRate, 500),
                 Prop<C>("OPCScalar", &C::OPCScalar, &C::SetOPCScalar),
                 Prop<C>("OPCOffset", &C::OPCOffset, &C::SetOPCOffset),
                 Prop<C>("OPCScalar2", &C::OPCScalar2, &C::SetOPCScalar2),
                 Prop<C>("OPCOffset2", &C::OPCOffset2, &C::SetOPCOffset2),
                 Prop<C>("OPCAutoConnect", &C::OPCAutoConnect, &C::SetOPCAutoConnect, 1),
             })
            own.push_back(std::move(p));
        return own;
    }

protected:
    // The items act for the channel's plot (it has no design state: always as at run time).
    void AttachItemsToPlot();
    // Adds a group named uniquely for this channel (its manager's address) on item 0's
    // computer, update rate and server; returns the group's name.
    QString AddChannelGroup();
    // Registers both items, suspended or not.
    void ActivateBoth(bool suspended);

    std::unique_ptr<TiOPCManager> FOPCManager;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;  // freed first

private:
    TiPlotChannelCustom& FChannel;
};
