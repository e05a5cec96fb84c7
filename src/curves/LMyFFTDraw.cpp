#include "LMyFFTDraw.h"

#include <cmath>

LMyFFTDraw::LMyFFTDraw(TComponent* owner) : LCustomFFTDraw(owner) {}

LMyFFTDraw::LMyFFTDraw(TComponent* owner, const LMyFFTDraw& source) : LCustomFFTDraw(owner) { AssignPlot(source); }

double LMyFFTDraw::YDecadeLabelNumber(int d) const { return std::pow(10.0, d); }

LCustomFFTDraw::TMarkerLook LMyFFTDraw::MarkerLook(int kind, int index) const {
    if (kind < 4 || kind > 6) return LCustomFFTDraw::MarkerLook(kind, index);
    // Kinds 4 to 6: circles lettered low, mid and high.
    TMarkerLook look;
    look.shape = msCircle;
    look.label = kind == 4 ? QStringLiteral("L") : kind == 5 ? QStringLiteral("M") : QStringLiteral("H");
    return look;
}

int LMyFFTDraw::MarkerParameterKind(double type) const { return int(std::trunc(type - 1)); }

LCustomFFTDraw::TParamLayout LMyFFTDraw::ParamLayout(int kind, bool repaint) const {
    TParamLayout layout;
    layout.colourPen = true;
    if (kind == 0) {
        layout.count = 3;
        layout.lines = {plQ, plFrequency, plGain};
        layout.above = {-69, -56, -43};
    } else if (kind == 1 || kind == 2) {
        // The texts drawn at once sit 10 pixels lower than the repainted ones.
        layout.count = 2;
        layout.lines = {plFrequency, plGain};
        layout.above = repaint ? std::array<int, 3>{-56, -43, 0} : std::array<int, 3>{-46, -33, 0};
    } else if (kind >= 3) {
        layout.count = 1;
        layout.lines = {plFrequency};
        layout.above = {-43};
    }
    return layout;
}
