#pragma once
// The OPC connection settings the time-series channel publishes: the server, the items feeding
// X and Y, the update rate and whether the channel connects when it is inserted. (The XY
// channel writes its settings straight into its own OPC items.)
#include "core/iPublishedClass.h"

#include <QString>

#include <vector>

class TiPlotChannelOPCSettings {
public:
    const QString& OPCComputerName() const { return FOPCComputerName; }
    void SetOPCComputerName(const QString& v) { FOPCComputerName = v; }
    const QString& OPCServerName() const { return FOPCServerName; }
    void SetOPCServerName(const QString& v) { FOPCServerName = v; }
    const QString& OPCItemName() const { return FOPCItemName; }
    void SetOPCItemName(const QString& v) { FOPCItemName = v; }
    const QString& OPCItem2Name() const { return FOPCItem2Name; }
    void SetOPCItem2Name(const QString& v) { FOPCItem2Name = v; }
    int OPCUpdateRate() const { return FOPCUpdateRate; }
    void SetOPCUpdateRate(int v) { FOPCUpdateRate = v; }
    bool OPCAutoConnect() const { return FOPCAutoConnect; }
    void SetOPCAutoConnect(bool v) { FOPCAutoConnect = v; }

    // The published entries of these settings for the channel class C, after `own`.
    template <class C> static std::vector<TiPublishedProperty> WithProperties(std::vector<TiPublishedProperty> own) {
        using namespace published;
        for (TiPublishedProperty& p : std::vector<TiPublishedProperty>{
                 Prop<C>("OPCComputerName", &C::OPCComputerName, &C::SetOPCComputerName),
                 Prop<C>("OPCServerName", &C::OPCServerName, &C::SetOPCServerName),
                 Prop<C>("OPCItemName", &C::OPCItemName, &C::SetOPCItemName),
                 Prop<C>("OPCItem2Name", &C::OPCItem2Name, &C::SetOPCItem2Name),
                 Prop<C>("OPCUpdateRate", &C::OPCUpdateRate, &C::SetOPCUpdateRate, 500),
                 Prop<C>("OPCAutoConnect", &C::OPCAutoConnect, &C::SetOPCAutoConnect, 1),
             })
            own.push_back(std::move(p));
        return own;
    }

protected:
    QString FOPCComputerName;
    QString FOPCServerName;
    QString FOPCItemName;
    QString FOPCItem2Name;
    int FOPCUpdateRate = 500;
    bool FOPCAutoConnect = true;
};
