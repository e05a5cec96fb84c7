#pragma once
// Per-pixel-column accumulation of channel values (fast traces) and the state of a digital
// trace, for the time-series channel's drawing.

class TiPlotMinMaxPoint {
public:
    TiPlotMinMaxPoint() { Clear(); }
    void Clear();
    // The first value of a column sets its X and YFirst; every value widens YMax and YMin
    // and becomes YLast.
    void AddData(double newXValue, double newYValue, int newXPixels);
    void AssignDown(const TiPlotMinMaxPoint& source) { *this = source; }

    bool Empty = true;
    int XPixels = 0;
    double XValue = 0;
    double YMax = -1e301;
    double YMin = 1e301;
    double YFirst = 0;
    double YLast = 0;
};

struct TDigitalSequenceData {
    // Clears the three flags; the values stay.
    void Clear() { StartSet = StopSet = TransitionSet = false; }

    bool StartSet = false;
    double StartXValue = 0;
    bool StartYValue = false;
    bool StopSet = false;
    double StopXValue = 0;
    bool TransitionSet = false;
    double TransitionXValue = 0;
};
