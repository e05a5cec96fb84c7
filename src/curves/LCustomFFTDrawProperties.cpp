// The curve graph's property setters: axes, labels, grid, ticks, titles and fonts.
#include "LCustomFFTDraw.h"

#include <algorithm>

// ---------------------------------------------------------------- property setters

void LCustomFFTDraw::SetAutoRedraw(bool value) {
    FAutoRedraw = value;
    if (value) Redraw();
}

void LCustomFFTDraw::SetAxisColor(TColor value) {
    FAxisColor = value;
    DrawAxis();
}

void LCustomFFTDraw::SetAxisStyle(TMyAxisStyle value) {
    FAxisStyle = value;
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetXAxisFormat(TMyAxisFormat value) {
    FXAxisFormat = value;
    FindXMaxMin();
    if (value == TMyAxisFormat::Log) {
        if (FXMax <= 0) {
            FXMax = 10;
            FXMin = 1;
        } else if (FXMin <= 0) {
            FXMin = FXMax * 0.1;
        }
    }
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetYAxisFormat(TMyAxisFormat value) {
    FYAxisFormat = value;
    FindYMaxMin();
    if (value == TMyAxisFormat::Log) {
        if (FYMax <= 0) {
            FYMax = 10;
            FYMin = 1;
        } else if (FYMin <= 0) {
            FYMin = FYMax * 0.1;
        }
    }
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetShowXLabel(bool value) {
    FShowXLabel = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowYLabel(bool value) {
    FShowYLabel = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowCoordinates(bool value) {
    FShowCoordinates = value;
    if (Visible() && FAutoRedraw && FShown) {
        FPages[pgMouseCoord].Fill(Color());
        FPages[pgMouseCoord].CopyTo(Canvas());
        DrawAllPlots();
    }
}

void LCustomFFTDraw::SetYAutoScale(bool value) {
    FYAutoScale = value;
    FindYMaxMin();
    CompareMaxMin();
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetXAutoScale(bool value) {
    FXAutoScale = value;
    FindXMaxMin();
    CompareMaxMin();
    CalculateLogMaxMin();
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetYMax(double value) {
    FYMax = value;
    RangeChanged();
}

void LCustomFFTDraw::SetYMin(double value) {
    FYMin = value;
    RangeChanged();
}

void LCustomFFTDraw::SetXMax(double value) {
    FXMax = value;
    RangeChanged();
}

void LCustomFFTDraw::SetXMin(double value) {
    FXMin = value;
    RangeChanged();
}

void LCustomFFTDraw::SetPointSize(int value) {
    FPointSize = std::clamp(value, 1, 10);
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetXLabelPrecision(int value) {
    FXLabelPrecision = value;
    SetShowXLabel(FShowXLabel);
}

void LCustomFFTDraw::SetYLabelPrecision(int value) {
    FYLabelPrecision = value;
    SetShowYLabel(FShowYLabel);
}

void LCustomFFTDraw::SetXLabelDigits(int value) {
    FXLabelDigits = value;
    SetShowXLabel(FShowXLabel);
}

void LCustomFFTDraw::SetYLabelDigits(int value) {
    FYLabelDigits = value;
    SetShowYLabel(FShowYLabel);
}

void LCustomFFTDraw::SetXLabelFormat(TStringFloatFormat value) {
    FXLabelFormat = value;
    SetShowXLabel(FShowXLabel);
}

void LCustomFFTDraw::SetYLabelFormat(TStringFloatFormat value) {
    FYLabelFormat = value;
    SetShowYLabel(FShowYLabel);
}

void LCustomFFTDraw::SetShowHorzGrid(bool value) {
    FShowHorzGrid = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowVertGrid(bool value) {
    FShowVertGrid = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowHorzTicks(bool value) {
    FShowHorzTicks = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowVertTicks(bool value) {
    FShowVertTicks = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetHorzTickLength(int value) {
    FHorzTickLength = std::max(0, std::min(value, Width()));
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetVertTickLength(int value) {
    FVertTickLength = std::max(0, std::min(value, Height()));
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetNumHorzGrid(int value) {
    FNumHorzGrid = std::max(0, value);
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetNumVertGrid(int value) {
    FNumVertGrid = std::max(0, value);
    if (FAutoRedraw) DrawPlotsAndLabels();
}

void LCustomFFTDraw::SetGridColor(TColor value) {
    FGridColor = value;
    if (FAutoRedraw) DrawAllPlots();
}

void LCustomFFTDraw::SetShowXTitle(bool value) {
    FShowXTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowYTitle(bool value) {
    FShowYTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetShowPlotTitle(bool value) {
    FShowPlotTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetXTitle(const QString& value) {
    FXTitle = value;
    if (FAutoRedraw) DrawTitles();
}

void LCustomFFTDraw::SetYTitle(const QString& value) {
    FYTitle = value;
    ResizePaintPage();
    if (FAutoRedraw) DrawTitles();
}

void LCustomFFTDraw::SetPlotTitle(const QString& value) {
    FPlotTitle = value;
    if (FAutoRedraw) DrawTitles();
}

void LCustomFFTDraw::SetPlotTitleFont(const TFont& value) {
    FPlotTitleFont = value;
    FPages[pgPlotTitle].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetAxisTitleFont(const TFont& value) {
    FAxisTitleFont = value;
    FPages[pgXTitle].SetFont(value);
    FPages[pgYTitle].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetAxisLabelFont(const TFont& value) {
    FAxisLabelFont = value;
    FPages[pgXLabel].SetFont(value);
    FPages[pgYLabel].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) Redraw();
}

void LCustomFFTDraw::SetMouseCoordFont(const TFont& value) {
    FMouseCoordFont = value;
    FPages[pgMouseCoord].SetFont(value);
    ResizePaintPage();
    if (FAutoRedraw) DrawPlotsAndLabels();
}
