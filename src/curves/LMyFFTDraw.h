#pragma once
// The curve-graph variant without label scale: y labels are the axis value followed by "dB";
// besides the markers of LMyFFTDrawPhase it draws kinds 4, 5 and 6 as circles lettered "L",
// "M" and "H"; its parameter texts choose their lines by another rule.
#include "LCustomFFTDraw.h"

class LMyFFTDraw : public LCustomFFTDraw {
    Q_OBJECT
public:
    explicit LMyFFTDraw(TComponent* owner);
    // A new graph with the curves and settings of another (AssignPlot).
    LMyFFTDraw(TComponent* owner, const LMyFFTDraw& source);

    void AssignPlot(const LMyFFTDraw& source) { AssignPlotFrom(source); }
    void AssignPlotData(const LMyFFTDraw& source) { AssignPlotDataFrom(source); }
    void AppendPlotData(const LMyFFTDraw& source) { AppendPlotDataFrom(source); }
    void AssignPlotProperties(const LMyFFTDraw& source) { AssignPlotPropertiesFrom(source); }

protected:
    double YLabelNumber(double v) const override { return v; }
    double YDecadeLabelNumber(int d) const override;
    QString YLabelUnit() const override { return QStringLiteral("dB"); }
    TMarkerLook MarkerLook(int kind, int index) const override;
    int MarkerParameterKind(double type) const override;
    TParamLayout ParamLayout(int kind, bool repaint) const override;
};
