#include "GraphTestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

TextRecorder::TextRecorder() {
    TCanvas::SetTextOutHook([this](const TCanvas& c, int x, int y, const QString& text) {
        FTexts.push_back({&c, x, y, text});
    });
}

TextRecorder::~TextRecorder() { TCanvas::SetTextOutHook(nullptr); }

std::vector<DrawnText> TextRecorder::On(const TCanvas& canvas) const {
    std::vector<DrawnText> out;
    for (const DrawnText& t : FTexts)
        if (t.canvas == &canvas) out.push_back(t);
    return out;
}

std::vector<QString> TextRecorder::TextsOn(const TCanvas& canvas) const {
    std::vector<QString> out;
    for (const DrawnText& t : On(canvas)) out.push_back(t.text);
    return out;
}

void SetUpPane(LCustomFFTDraw& graph, int width, int height) {
    graph.SetBounds(0, 0, width, height);
    graph.SetYAutoScale(false);
    graph.SetYMax(18);
    graph.SetYMin(-18);
    graph.SetSampleRate(TSampleRate::n96000);
    TFont labels = graph.AxisLabelFont();
    labels.SetHeight(-11);
    labels.SetColor(clActiveBorder);
    graph.SetAxisLabelFont(labels);
}

void PaintOnce(LCustomFFTDraw& graph) { (void)graph.grab(); }

std::vector<double> Bell(double centre, double gainDb, double width) {
    std::vector<double> y(4096);
    for (int k = 0; k < 4096; ++k) y[std::size_t(k)] = gainDb * std::exp(-std::pow((k - centre) / width, 2));
    return y;
}
