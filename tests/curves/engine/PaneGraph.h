#pragma once
// A curve graph set up as the main window sets up a channel pane: 1070 x 255, black, fixed
// range, 96 kHz axis, magnitude view.
#include "LMyFFTDrawPhase.h"

#include <memory>

inline std::unique_ptr<LMyFFTDrawPhase> MakePaneGraph()
{
    auto graph = std::make_unique<LMyFFTDrawPhase>(nullptr);
    graph->SetBounds(0, 0, 1070, 255);
    graph->SetColor(clBlack);
    graph->SetYAutoScale(false);
    graph->SetXAutoScale(false);
    graph->SetSampleRate(TSampleRate::n96000);
    TFont font = graph->AxisLabelFont();
    font.SetHeight(-11);
    font.SetColor(clActiveBorder);
    graph->SetAxisLabelFont(font);
    for (auto [get, set] : {std::pair{&LMyFFTDrawPhase::PlotTitleFont, &LMyFFTDrawPhase::SetPlotTitleFont},
                            std::pair{&LMyFFTDrawPhase::AxisTitleFont, &LMyFFTDrawPhase::SetAxisTitleFont},
                            std::pair{&LMyFFTDrawPhase::MouseCoordFont, &LMyFFTDrawPhase::SetMouseCoordFont}}) {
        TFont f = ((*graph).*get)();
        f.SetHeight(-11);
        f.SetColor(clLime);
        ((*graph).*set)(f);
    }
    graph->SetNumHorzGrid(11);
    graph->SetYLabel("dB");
    graph->SetYLabelScale(1.0);
    graph->SetYMax(18);
    graph->SetYMin(-18);
    graph->show();
    return graph;
}
