#include "LMyFFTDrawPhase.h"

#include <cmath>

LMyFFTDrawPhase::LMyFFTDrawPhase(TComponent* owner) : LCustomFFTDraw(owner) {}

LMyFFTDrawPhase::LMyFFTDrawPhase(TComponent* owner, const LMyFFTDrawPhase& source) : LCustomFFTDraw(owner) {
    AssignPlot(source);
}

void LMyFFTDrawPhase::SetYLabelScale(double value) {
    FYLabelScale = value;
    if (AutoRedraw()) DrawPlotsAndLabels();
}

void LMyFFTDrawPhase::SetYLabel(const QString& value) {
    FYLabel = value;
    ResizePaintPage();
    if (AutoRedraw()) DrawPlotsAndLabels();
}

double LMyFFTDrawPhase::YDecadeLabelNumber(int d) const { return std::pow(10.0, d * FYLabelScale); }

int LMyFFTDrawPhase::MarkerParameterKind(double type) const {
    if (type == 7) return 5;   // first-order all-pass: Allpass 1
    if (type == 17) return 6;  // second-order all-pass: Allpass 2
    return int(std::trunc(type - 1));
}

LCustomFFTDraw::TParamLayout LMyFFTDrawPhase::ParamLayout(int kind, bool repaint) const {
    TParamLayout layout;
    const bool qAndFrequency = kind == 3 || kind == 4 || kind == 6;
    if (kind <= 2) {
        layout.count = 3;
        layout.lines = {plQ, plFrequency, plGain};
        layout.above = {-69, -56, -43};
    } else if (qAndFrequency || (repaint && !(kind == 5 || kind == 10 || kind == 11))) {
        // The selected-band display shows Q and frequency for the kinds that ShowParam
        // leaves without text.
        layout.count = 2;
        layout.lines = {plQ, plFrequency};
        layout.above = {-69, -56};
    } else if (kind == 5 || kind == 10 || kind == 11) {
        layout.count = 1;
        layout.lines = {plFrequency};
        layout.above = {-43};
    }
    return layout;
}

void LMyFFTDrawPhase::CopyProperties(const LCustomFFTDraw& source) {
    LCustomFFTDraw::CopyProperties(source);
    if (const auto* phase = qobject_cast<const LMyFFTDrawPhase*>(&source)) {
        FYLabelScale = phase->FYLabelScale;
        FYLabel = phase->FYLabel;
    }
}
