#include "graphics/GradientFill.h"

#include <cmath>

void GradientFillRect(TCanvas& canvas, const TRect& rect, TColor start, TColor stop, bool vertical) {
    QImage* target = canvas.Target();
    if (!target || target->isNull()) return;
    const QRect area = rect.ToQRect().normalized();
    const QRect clipped = area.intersected(target->rect());
    if (clipped.isEmpty()) return;
    canvas.Release();
    const TColor a = ColorToRGB(start), b = ColorToRGB(stop);
    const int n = vertical ? area.height() : area.width();
    const auto mix = [n](int from, int to, int i) {
        return n <= 1 ? from : int(std::lround(from + double(to - from) * i / (n - 1)));
    };
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target->scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const int i = vertical ? y - area.top() : x - area.left();
            row[x] = qRgb(mix(GetRValue(a), GetRValue(b), i), mix(GetGValue(a), GetGValue(b), i),
                          mix(GetBValue(a), GetBValue(b), i));
        }
    }
    canvas.Changed(clipped);
}
