#include "ui/TProgressBar.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdint>

TProgressBar::TProgressBar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 150, 17);
    SetColor(clBtnFace);
}

void TProgressBar::SetMin(int value) {
    FMin = value;
    FMax = std::max(FMax, FMin);
    FPosition = std::clamp(FPosition, FMin, FMax);
    Invalidate();
}

void TProgressBar::SetMax(int value) {
    FMax = value;
    FMin = std::min(FMin, FMax);
    FPosition = std::clamp(FPosition, FMin, FMax);
    Invalidate();
}

void TProgressBar::SetPosition(int value) {
    value = std::clamp(value, FMin, FMax);
    if (value == FPosition) return;
    FPosition = value;
    Invalidate();
}

void TProgressBar::SetSmooth(bool smooth) {
    FSmooth = smooth;
    Invalidate();
}

void TProgressBar::SetBarColor(TColor color) {
    FBarColor = color;
    Invalidate();
}

void TProgressBar::SetBackgroundColor(TColor color) {
    FBackgroundColor = color;
    Invalidate();
}

void TProgressBar::Paint() {
    QPainter* p = Canvas().Painter();
    if (!p) return;
    const int w = Width(), h = Height();
    const QColor track = ToQColor(FBackgroundColor == clDefault ? clBtnFace : FBackgroundColor);
    const QColor bar = ToQColor(FBarColor == clDefault ? clHighlight : FBarColor);
    // A sunken edge: shadow on the top and left, light on the bottom and right.
    p->fillRect(0, 0, w, h, track);
    p->fillRect(0, 0, w, 1, track.darker(160));
    p->fillRect(0, 0, 1, h, track.darker(160));
    p->fillRect(0, h - 1, w, 1, track.lighter(130));
    p->fillRect(w - 1, 0, 1, h, track.lighter(130));
    const int inner = w - 4;
    const int span = FMax - FMin;
    const int filled = span > 0 ? int(std::int64_t(inner) * (FPosition - FMin) / span) : 0;
    if (filled > 0) {
        QLinearGradient shade(0, 2, 0, h - 2);
        shade.setColorAt(0, bar.lighter(135));
        shade.setColorAt(0.5, bar);
        shade.setColorAt(1, bar.darker(125));
        if (FSmooth) {
            p->fillRect(2, 2, filled, h - 4, shade);
        } else {
            // Blocks two thirds of the bar's height wide, with a gap of two pixels.
            const int block = std::max(2, (h - 4) * 2 / 3);
            for (int x = 0; x < filled; x += block + 2)
                p->fillRect(2 + x, 2, std::min(block, filled - x), h - 4, shade);
        }
    }
    Canvas().Changed(rect());
}
