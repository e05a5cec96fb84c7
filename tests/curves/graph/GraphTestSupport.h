#pragma once
// Shared pieces of the graph tests: the application, a recorder of drawn texts and a pane set
// up as the main window sets up its channel panes.
#include "LMyFFTDraw.h"
#include "LMyFFTDrawPhase.h"

#include <QString>

#include <vector>

struct DrawnText {
    const TCanvas* canvas;
    int x;
    int y;
    QString text;
};

// Records every text drawn while it exists.
class TextRecorder {
public:
    TextRecorder();
    ~TextRecorder();
    void Clear() { FTexts.clear(); }
    // Texts drawn on one canvas, in drawing order.
    std::vector<DrawnText> On(const TCanvas& canvas) const;
    // Texts of one canvas only, for comparing with a list.
    std::vector<QString> TextsOn(const TCanvas& canvas) const;
    const std::vector<DrawnText>& All() const { return FTexts; }

private:
    std::vector<DrawnText> FTexts;
};

// Settings of the main window's channel panes (Width 1070, Height 255 unless given).
void SetUpPane(LCustomFFTDraw& graph, int width = 1070, int height = 255);

// Lays the graph out and draws it once, as its first paint does.
void PaintOnce(LCustomFFTDraw& graph);

// A smooth bell of `gainDb` around curve point `centre`, 4096 points.
std::vector<double> Bell(double centre, double gainDb, double width);
