#pragma once
// The curve graph of every curve pane: y labels are the axis value times YLabelScale followed
// by YLabel (the phase view reads degrees through a scale of 10 and no unit); markers are of
// kinds 0 square with number, 1 circle with number, 2 "LPF", 3 "HPF".
#include "LCustomFFTDraw.h"

class LMyFFTDrawPhase : public LCustomFFTDraw {
    Q_OBJECT
    Q_PROPERTY(double YLabelScale READ YLabelScale WRITE SetYLabelScale)
    Q_PROPERTY(QString YLabel READ YLabel WRITE SetYLabel)

public:
    explicit LMyFFTDrawPhase(TComponent* owner);
    // A new graph with the curves and settings of another (AssignPlot).
    LMyFFTDrawPhase(TComponent* owner, const LMyFFTDrawPhase& source);

    double YLabelScale() const { return FYLabelScale; }
    void SetYLabelScale(double value);
    QString YLabel() const { return FYLabel; }
    void SetYLabel(const QString& value);

    // Rebuilds pages and fonts, copies the other graph's curves (newest last) and settings,
    // then autoscale, layout and Redraw.
    void AssignPlot(const LMyFFTDrawPhase& source) { AssignPlotFrom(source); }
    // Copies only the curves, then autoscale, layout and Redraw.
    void AssignPlotData(const LMyFFTDrawPhase& source) { AssignPlotDataFrom(source); }
    // Adds or replaces each curve of the other graph.
    void AppendPlotData(const LMyFFTDrawPhase& source) { AppendPlotDataFrom(source); }
    // Copies the published settings, then Redraw.
    void AssignPlotProperties(const LMyFFTDrawPhase& source) { AssignPlotPropertiesFrom(source); }

protected:
    double YLabelNumber(double v) const override { return v * FYLabelScale; }
    double YDecadeLabelNumber(int d) const override;
    QString YLabelUnit() const override { return FYLabel; }
    int MarkerParameterKind(double type) const override;
    TParamLayout ParamLayout(int kind, bool repaint) const override;
    void CopyProperties(const LCustomFFTDraw& source) override;

private:
    double FYLabelScale = 1.0;
    QString FYLabel = QStringLiteral("dB");
};
