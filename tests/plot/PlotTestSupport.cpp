#include "PlotTestSupport.h"

#include "rtl/Exception.h"

#include <cstdlib>

std::unique_ptr<TiXYPlot> MakePlot(int width, int height) {
    auto plot = std::make_unique<TiXYPlot>(nullptr);
    plot->SetBounds(0, 0, width, height);
    return plot;
}

unsigned Rgb(TColor color) { return ToQColor(color).rgb() & 0xFFFFFFu; }

int CountColor(const QImage& image, const TRect& area, TColor color) {
    const unsigned want = Rgb(color);
    int n = 0;
    for (int y = std::max(0, area.Top); y < std::min(image.height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(image.width(), area.Right); ++x) n += PixelAt(image, x, y) == want;
    return n;
}

bool HasColorNear(const QImage& image, const TRect& area, TColor color, int tolerance) {
    const QColor want = ToQColor(color);
    for (int y = std::max(0, area.Top); y < std::min(image.height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(image.width(), area.Right); ++x) {
            const QColor c(image.pixel(x, y));
            if (std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                    std::abs(c.blue() - want.blue()) <=
                tolerance)
                return true;
        }
    return false;
}

QString MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}
