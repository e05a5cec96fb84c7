#pragma once
// The stored settings of the main window's two transfer-curve plots (the compressor plot
// ipComp and the gate plot ipGate), applied to a freshly created XY plot the way reading the
// window's layout applies them: while loading, with the layout manager off, ending with
// Loaded. The main window places the compressor plot at (70, 35, 620 x 230) in its group box
// and the gate plot at (70, 40, 904 x 230), then feeds their channels with DeletePoints and
// AddXY.
#include "graphics/Types.h"

#include <QString>

class TiXYPlot;

struct TransferCurvePlotPlacement {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

constexpr TransferCurvePlotPlacement kCompPlotPlacement{"ipComp", 70, 35, 620, 230};
constexpr TransferCurvePlotPlacement kGatePlotPlacement{"ipGate", 70, 40, 904, 230};

void ApplyTransferCurvePlotLayout(TiXYPlot& plot, const TransferCurvePlotPlacement& placement);
