// Feeds arbitrary texts to the mini-HTML renderer: once measuring only, once drawing into a
// small surface with word wrap off, with a test point for the anchors.
#include "MiniHtml.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    QImage image(160, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    TGPGraphics g(&image);
    for (int pass = 0; pass < 2; ++pass) {
        THtmlRender h;
        h.Text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
        h.Rect = TRect{0, 0, 160, 60};
        h.MeasureOnly = pass == 0;
        h.WordWrap = pass == 0;
        h.TestPoint = QPoint(20, 10);
        RenderHtmlText(&g, h);
        if (h.Height < 2 || h.Width < 2 || h.AnchorCount < 0) std::abort();
    }
    return 0;
}
