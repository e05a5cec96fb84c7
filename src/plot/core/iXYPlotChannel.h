#pragma once
// The channel of the XY plot: (X, Y) points in the order they were added, with no
// ordering requirement on X. It draws every point it holds and reads the data cursor's
// values at the cursor's pointers. Its OPC settings feed two data items (X and Y) when the
// optional OPC support library is present; the program sets none, so it takes points from
// AddXY.
#include "core/iPlotChannelCustom.h"
#include "core/iPlotChannelOPC.h"

class TiXYPlotChannel : public TiPlotChannelCustom, public TiPlotChannelOPC {
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

    // OPC: item 0 feeds X, item 1 feeds Y, both in one group of the channel's OPC manager;
    // every group update adds the pair as a point.
    void OPCActivate();
    void OPCActivateSuspend();

private:
    // The extreme of an extent over the valid points; `none` when nothing is drawn.
    double FitExtreme(double (TiPlotChannelCustom::*extent)(int) const, bool largest, double none);
};
