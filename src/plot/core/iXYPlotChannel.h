#pragma once
// The channel of the XY plot: (X, Y) points in the order they were added, with no
// ordering requirement on X. It draws every point it holds and reads the data cursor's
// values at the cursor's pointers. Its OPC settings feed two data items (X and Y) when the
// optional OPC support library is present; the program sets none, so it takes points from
// AddXY.
#include "core/iPlotChannelCustom.h"
#include "opc/iOPCItem.h"
#include "opc/iOPCManager.h"

#include <memory>

class TiXYPlotChannel : public TiPlotChannelCustom {
public:
    TiXYPlotChannel(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert, TiNotifyEvent onRemove,
                    TiNotifyEvent onRename);
    // The channel class of the XY plot.
    static TiPlotChannelCustom* Create(TObject* owner, TiNotifyEvent onChange, TiNotifyEvent onInsert,
                                       TiNotifyEvent onRemove, TiNotifyEvent onRename);

    const TiPublishedClass& PublishedClass() const override;
    static const TiPublishedClass& Published();

    // A null or empty point at (0, 0), straight to the store (no statistics or tracking).
    int AddNull();
    int AddEmpty();

    void SetCanDraw(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void DoInsert() override;
    void CalcStartIndex() override { FStartIndex = Count() > 0 ? 0 : -1; }
    void CalcStopIndex() override { FStopIndex = Count() - 1; }
    double GetFitXMax() override;
    double GetFitXMin() override;
    double GetFitYMax() override;
    double GetFitYMin() override;
    void CalcDataCursorValues(TiPlotDataCursor* cursor) override;

    // OPC (iXYPlotChannelOPC.cpp): item 0 feeds X, item 1 feeds Y, both in one group of the
    // channel's OPC manager; every group update adds the pair as a point. Without the OPC
    // support library nothing registers and the channel is fed by AddXY alone.
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();
    bool OPCActive() const { return OPCItem(0)->Active(); }
    bool OPCQualityGood() const { return OPCItem(0)->QualityGood(); }
    TiOPCManager* OPCManager() const { return FOPCManager.get(); }
    TiOPCItem* OPCItem(int index) const { return FOPCItemManager->GetItem(index); }
    // After every update of the channel's group: AddXY(item 0, item 1).
    void DoOPCGroupUpdate(TObject* Sender, const QString& GroupName);

    // The OPC settings write straight into the items (no change notification).
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

private:
    // The extreme of an extent over the valid points; `none` when nothing is drawn.
    double FitExtreme(double (TiPlotChannelCustom::*extent)(int) const, bool largest, double none);

    // Makes the OPC manager and the two items named "Data".
    void CreateOPC();

    std::unique_ptr<TiOPCManager> FOPCManager;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;  // freed first
};
