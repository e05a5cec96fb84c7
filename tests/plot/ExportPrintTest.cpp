// The plot's picture in files, on the clipboard and on paper: every output is decoded again
// (image files by Qt, PDF pages by a PDF renderer) and checked at known pixels.
#include "PlotTestSupport.h"

#include "core/iXYPlotChannel.h"
#include "objects/iPlotPrintPreview.h"
#include "rtl/Exception.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {


std::unique_ptr<TiXYPlot> ColouredPlot() {
    auto plot = MakePlot(400, 300);
    plot->SetBackGroundColor(kBack);
    return plot;
}

QString OutPath(const char* name) { return QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(QLatin1String(name)); }

}  // namespace

TEST(PlotExport, ImageFilesDecodeToThePlotPicture) {
    auto plot = ColouredPlot();
    QTemporaryDir dir;
    const QImage painted = plot->PaintOffScreen();
    const unsigned side = PixelAt(painted, 3, 150);

    // Compression limits: nothing is written outside them.
    struct Case {
        int compression;
        bool jpeg;
        const char* error;
    };
    for (const Case& c : {Case{0, true, "Compression must be in the range of 1-100"}, Case{101, true, "Compression must be in the range of 1-100"},
                          Case{-1, false, "Compression must be in the range of 0-9"}, Case{10, false, "Compression must be in the range of 0-9"}}) {
        const QString file = dir.filePath(QStringLiteral("bad"));
        const QString m = MessageOf([&] {
            if (c.jpeg)
                plot->SaveImageToJPEG(file, c.compression, false);
            else
                plot->SaveImageToPNG(file, c.compression);
        });
        EXPECT_EQ(m, QLatin1String(c.error));
        EXPECT_FALSE(QFile::exists(file));
    }

    const QByteArray png = plot->GetBytesPNG(9);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(QImage::fromData(png, "PNG"), painted.convertToFormat(QImage::Format_RGB888).convertToFormat(QImage::fromData(png).format()));
    for (int level : {0, 9}) {
        const QString f = dir.filePath(QStringLiteral("p%1.png").arg(level));
        plot->SaveImageToPNG(f, level);
        EXPECT_EQ(QImage(f).size(), QSize(400, 300));
    }
    for (int q : {1, 100}) {
        const QImage jpg = QImage::fromData(plot->GetBytesJPEG(q, q == 100), "JPEG");
        ASSERT_EQ(jpg.size(), QSize(400, 300));
        EXPECT_TRUE(Near(jpg.pixel(3, 150), side, q == 100 ? 8 : 80));
    }
}

TEST(PlotExport, SaveByEndingWithExactCase) {
    auto plot = ColouredPlot();
    QTemporaryDir dir;
    EXPECT_FALSE(plot->SaveImageByName(dir.filePath(QStringLiteral("a.BMP"))));
    EXPECT_FALSE(plot->SaveImageByName(dir.filePath(QStringLiteral("a.gif"))));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    const QImage painted = plot->PaintOffScreen();
    const QPoint probes[] = {{3, 150}, {200, 150}, {396, 296}};
    for (const char* name : {"a.bmp", "a.jpg", "a.png"}) {
        const QString f = dir.filePath(QLatin1String(name));
        ASSERT_TRUE(plot->SaveImageByName(f));
        const QImage image(f);
        ASSERT_EQ(image.size(), QSize(400, 300)) << name;
        for (QPoint p : probes) EXPECT_TRUE(Near(image.pixel(p), PixelAt(painted, p.x(), p.y()), 8)) << name;
    }
    // The metafile is a PDF page of the plot's size in points.
    const QString emf = dir.filePath(QStringLiteral("a.emf"));
    ASSERT_TRUE(plot->SaveImageByName(emf));
    const std::vector<QImage> pages = RenderPdf(emf, 72);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].size(), QSize(400, 300));
    for (QPoint p : probes) EXPECT_TRUE(Near(pages[0].pixel(p), PixelAt(painted, p.x(), p.y())));
}

TEST(PlotExport, ClipboardPictureLeavesOutTheToolbarAndGivesItBack) {
    auto plot = ColouredPlot();
    plot->SetCopyToClipBoardFormat(ipefBitmap);
    plot->XAxis(0)->SetUserSelected(true);
    ASSERT_TRUE(plot->ToolBar(0)->Visible());
    plot->ToolBar(0)->ClickButton(TiPlotToolBar::tbCopy);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_TRUE(plot->ToolBar(0)->Visible());
    EXPECT_FALSE(plot->XAxis(0)->UserSelected());
    plot->ToolBar(0)->SetVisible(false);
    const QImage without = plot->PaintOffScreen();
    plot->ToolBar(0)->SetVisible(true);
    const QImage with = plot->PaintOffScreen();
    ASSERT_NE(with, without);
    EXPECT_EQ(copied.convertToFormat(without.format()), without);

    plot->SetCopyToClipBoardFormat(ipefJPEG);
    plot->CopyToClipBoard();
    const QByteArray jpeg = QApplication::clipboard()->mimeData()->data(QStringLiteral("image/jpeg"));
    EXPECT_EQ(QImage::fromData(jpeg, "JPEG").size(), QSize(400, 300));
    plot->SetCopyToClipBoardFormat(ipefMetaFile);
    plot->CopyToClipBoard();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->data(QStringLiteral("application/pdf")).startsWith("%PDF"));

    // Without toolbar 0 the copy fails with the list's error and changes nothing.
    plot->RemoveAllToolBars();
    EXPECT_EQ(MessageOf([&] { plot->CopyToClipBoard(); }), QStringLiteral("List index out of bounds (0)"));
}

TEST(PlotPrint, PagesCoverTheXRangeOneSpanEach) {
    auto plot = ColouredPlot();
    TiPlotXAxis* x = plot->XAxis(0);
    x->SetTrackingEnabled(false);
    x->SetMinSpan(0, 90);
    std::vector<std::pair<int, bool>> pages;
    std::vector<double> mins;
    plot->OnBeforePrint = [&](TObject*) { x->SetSpan(30); };
    plot->OnBeforePrintPage = [&](TObject*, int page, bool last) {
        pages.push_back({page, last});
        mins.push_back(x->Min());
    };
    int after = 0;
    plot->OnAfterPrint = [&](TObject*) { ++after; };
    const QString pdf = OutPath("plot_print.pdf");
    QFile::remove(pdf);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    plot->PrintToPrinter(printer);

    EXPECT_EQ(pages, (std::vector<std::pair<int, bool>>{{1, false}, {2, false}, {3, true}}));
    EXPECT_EQ(mins, (std::vector<double>{0, 30, 60}));
    EXPECT_EQ(after, 1);
    // Everything the print changed is back.
    EXPECT_DOUBLE_EQ(x->Min(), 0);
    EXPECT_DOUBLE_EQ(x->Span(), 90);
    EXPECT_TRUE(plot->ToolBar(0)->Visible());
    EXPECT_NEAR(plot->PrinterPaperWidthInches(), 11.69, 0.01);
    EXPECT_NEAR(plot->PrinterPaperHeightInches(), 8.27, 0.01);

    // A4 landscape at 72 dpi: 842 x 595; the plot starts an inch in and is scaled by the
    // smaller of (842 - 144) / 400 and (595 - 144) / 300.
    // The reference: the plot as printed, without its toolbar.
    plot->ToolBar(0)->SetVisible(false);
    const QImage painted = plot->PaintOffScreen();
    plot->ToolBar(0)->SetVisible(true);
    const std::vector<QImage> rendered = RenderPdf(pdf, 72);
    ASSERT_EQ(rendered.size(), 3u);
    const double s = std::min((842.0 - 144) / 400, (595.0 - 144) / 300);
    for (const QImage& page : rendered) {
        ASSERT_EQ(page.size(), QSize(842, 595));
        EXPECT_TRUE(Near(page.pixel(36, 36), 0xFFFFFF, 4)) << "margin";
        // Plot pixels land at 72 + s x their place (the data view's middle shows the page's
        // own range, so it is left out).
        for (QPoint p : {QPoint(4, 4), QPoint(395, 150), QPoint(4, 295)})
            EXPECT_TRUE(Near(page.pixel(72 + int(p.x() * s), 72 + int(p.y() * s)), PixelAt(painted, p.x(), p.y())))
                << p.x() << "," << p.y();
        EXPECT_TRUE(Near(page.pixel(72 + int(400 * s) + 6, 80), 0xFFFFFF, 4)) << "right of the plot";
    }
    // The paper measured by the print sizes the plot to the page's proportions.
    plot->SetBounds(0, 0, 500, 300);
    plot->PrintSizeToFillPage();
    EXPECT_EQ(plot->Height(), int(500 * plot->PrinterPaperHeightInches() / plot->PrinterPaperWidthInches()));
}

TEST(PlotPrint, FailuresNameThePrintAndRestoreThePlot) {
    auto plot = ColouredPlot();
    plot->XAxis(0)->SetTrackingEnabled(false);
    plot->XAxis(0)->SetMinSpan(0, 50);
    plot->OnBeforePrintPage = [&](TObject*, int, bool) { throw Exception(QStringLiteral("out of paper")); };
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("x.pdf")));
    EXPECT_EQ(MessageOf([&] { plot->PrintToPrinter(printer); }), QStringLiteral("Error Printing : out of paper"));
    EXPECT_TRUE(plot->ToolBar(0)->Visible());
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Span(), 50);
}

TEST(PlotPrint, PreviewButtonOpensThePreviewWithThePrintSettings) {
    auto plot = ColouredPlot();
    plot->SetPrintDocumentName(QStringLiteral("Trace"));
    plot->SetPrintMarginLeft(0.5);
    plot->SetPrintOrientation(poLandscape);
    int shown = 0;
    plot->OnShowPreview = [&](TiPlotPreviewForm& preview) {
        ++shown;
        EXPECT_EQ(preview.Caption(), QStringLiteral("Trace (Preview)"));
        EXPECT_EQ(preview.iComponent, plot.get());
        EXPECT_DOUBLE_EQ(preview.PrintMarginLeft, 0.5);
        EXPECT_EQ(preview.PrintOrientation, poLandscape);
        EXPECT_EQ(preview.PrintSize, 0);
    };
    plot->ToolBar(0)->ClickButton(TiPlotToolBar::tbPreview);
    EXPECT_EQ(shown, 1);
}

TEST(PlotImageLists, SmallerPicturesAreCentredOthersMustMatch) {
    auto plot = MakePlot();
    QImage first(24, 24, QImage::Format_RGB32);
    first.fill(Qt::blue);
    plot->ImageListAdd(1, first);
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::white);  // its corner colour is transparent
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) small.setPixel(x, y, qRgb(255, 0, 0));
    plot->ImageListAdd(1, small);
    ASSERT_EQ(plot->ImageList(1).Count(), 2);
    const QImage centred = plot->ImageList(1).Image(1);
    ASSERT_EQ(centred.size(), QSize(24, 24));
    EXPECT_EQ(qAlpha(centred.pixel(3, 3)), 0);      // the 4-pixel frame is transparent
    EXPECT_EQ(qAlpha(centred.pixel(4 + 3, 4 + 3)), 0);  // so is the picture's own white
    EXPECT_EQ(centred.pixel(4 + 4, 4 + 4) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(centred.pixel(4 + 11, 4 + 11) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(MessageOf([&] { plot->ImageListAdd(1, QImage(20, 30, QImage::Format_RGB32)); }),
              QStringLiteral("Image Width and Height must be the same as other images, or both smaller, or both larger"));
    EXPECT_EQ(MessageOf([&] { plot->ImageListAdd(3, first); }), QStringLiteral("ImageList Index must be 0-2"));
    EXPECT_EQ(MessageOf([&] { plot->ImageListClear(-1); }), QStringLiteral("ImageList Index must be 0-2"));
    plot->ImageListClear(1);
    EXPECT_EQ(plot->ImageList(1).Count(), 0);
}
