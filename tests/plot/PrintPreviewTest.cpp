// The print preview: its sheet, the plot's picture on it compared with a printed PDF page,
// the settings dialog, and the toolbar hidden while it draws.
#include "PlotTestSupport.h"

#include "core/iXYPlotChannel.h"
#include "objects/iPlotPrintPreview.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {


struct PreviewFixture {
    std::unique_ptr<TiXYPlot> plot = MakePlot(400, 300);
    TiPlotPreviewForm form{nullptr};
    PreviewFixture() {
        plot->SetBackGroundColor(kBack);
        plot->SetPrintMarginLeft(1), plot->SetPrintMarginTop(1);
        plot->SetPrintMarginRight(1), plot->SetPrintMarginBottom(1);
        form.iComponent = plot.get();
        form.PrintMarginLeft = form.PrintMarginTop = form.PrintMarginRight = form.PrintMarginBottom = 1;
    }
};

// The sheet's outline: from the first black pixel of the middle row (column) to the one
// after the last white pixel (the shadow joins the outline on the right and bottom).
QRect SheetOf(const QImage& image) {
    const int y = image.height() / 2, x = image.width() / 2;
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int i = 0; i < image.width(); ++i) {
        if (left < 0 && PixelAt(image, i, y) == 0) left = i;
        if (PixelAt(image, i, y) == 0xFFFFFF) right = i + 1;
    }
    for (int i = 0; i < image.height(); ++i) {
        if (top < 0 && PixelAt(image, x, i) == 0) top = i;
        if (PixelAt(image, x, i) == 0xFFFFFF) bottom = i + 1;
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

TEST(PlotPrintPreview, LetterPortraitSheetMatchesThePrintedPage) {
    PreviewFixture f;
    // 808 x 487: w / W = 788 / 8.5 is larger than h / H = 467 / 11, so the sheet is 361 x
    // 467 pixels, 42 per inch, with a printable area of 277 x 383.
    const QImage preview = f.form.RenderPreview(QSize(808, 487));
    const QRect sheet = SheetOf(preview);
    EXPECT_EQ(sheet, QRect(404 - 180 - 5, 243 - 233 - 5, 360, 466));
    EXPECT_EQ(PixelAt(preview, sheet.right() + 4, sheet.center().y()), 0u) << "shadow";
    EXPECT_EQ(PixelAt(preview, sheet.left() + 20, sheet.top() + 20), 0xFFFFFFu) << "margin";
    EXPECT_EQ(PixelAt(preview, 3, 3), Rgb(clBtnFace));

    // The same plot printed on Letter paper and rendered at 42 dpi.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("letter.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    f.plot->PrintToPrinter(printer);
    const std::vector<QImage> pages = RenderPdf(pdf, 42);
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages[0];
    ASSERT_EQ(page.size(), QSize(357, 462));

    // Places of the plot where its picture is flat: the same colour on the page and in the
    // preview. The preview's picture is 277 wide from (sheet + 42); the page's is 273 from 42.
    f.plot->ToolBar(0)->SetVisible(false);
    const QImage painted = f.plot->PaintOffScreen();
    f.plot->ToolBar(0)->SetVisible(true);
    int compared = 0;
    for (int py = 10; py < 300; py += 20)
        for (int px = 10; px < 400; px += 20) {
            const unsigned c = PixelAt(painted, px, py);
            bool flat = true;
            for (int dy = -6; dy <= 6 && flat; ++dy)
                for (int dx = -6; dx <= 6 && flat; ++dx)
                    flat = px + dx >= 0 && px + dx < 400 && py + dy >= 0 && py + dy < 300 &&
                           PixelAt(painted, px + dx, py + dy) == c;
            if (!flat) continue;
            ++compared;
            const QRgb onPage = page.pixel(42 + px * 273 / 400, 42 + py * 273 / 400);
            const QRgb inPreview = preview.pixel(sheet.left() + 42 + px * 277 / 400, sheet.top() + 42 + py * 277 / 400);
            EXPECT_TRUE(Near(onPage, c, 12)) << px << "," << py;
            EXPECT_TRUE(Near(inPreview, c, 12)) << px << "," << py;
        }
    EXPECT_GT(compared, 50);
    // Below the picture (208 high) the sheet is white again.
    EXPECT_EQ(PixelAt(preview, sheet.left() + 100, sheet.top() + 42 + 212), 0xFFFFFFu);
}

TEST(PlotPrintPreview, OrientationPaperAndImpossibleMargins) {
    PreviewFixture f;
    f.form.PrintOrientation = poLandscape;
    // Landscape Letter in 808 x 487: h / H = 467 / 8.5 is smaller, so 604 x 467.
    EXPECT_EQ(SheetOf(f.form.RenderPreview(QSize(808, 487))).size(), QSize(604, 466));
    f.form.PrintOrientation = poPortrait;
    f.form.PrintSize = 3;  // A4: 467 x 210 / 297 = 330
    EXPECT_EQ(SheetOf(f.form.RenderPreview(QSize(808, 487))).size(), QSize(330, 466));
    EXPECT_EQ(TiPlotPreviewForm::PaperCode(3), 9);
    EXPECT_EQ(TiPlotPreviewForm::PaperCode(7), 1);

    // Margins wider than the paper leave the sheet blank instead of a mirrored picture.
    f.plot->SetPrintMarginLeft(6), f.plot->SetPrintMarginRight(6);
    const QImage blank = f.form.RenderPreview(QSize(808, 487));
    const QRect sheet = SheetOf(blank);
    EXPECT_EQ(CountColor(blank, TRect{sheet.left() + 1, sheet.top() + 1, sheet.right(), sheet.bottom()}, clWhite),
              (sheet.width() - 2) * (sheet.height() - 2));
}

TEST(PlotPrintPreview, ToolBarHiddenWhileDrawingBetweenPrintEvents) {
    PreviewFixture f;
    std::vector<bool> visibleAtEvents;
    TObject* sender = nullptr;
    f.plot->OnBeforePrint = [&](TObject* s) {
        sender = s;
        visibleAtEvents.push_back(f.plot->ToolBar(0)->Visible());
    };
    f.plot->OnAfterPrint = [&](TObject*) { visibleAtEvents.push_back(f.plot->ToolBar(0)->Visible()); };
    f.form.RenderPreview(QSize(400, 300));
    EXPECT_EQ(sender, static_cast<TObject*>(&f.form));
    EXPECT_EQ(visibleAtEvents, (std::vector<bool>{false, true}));
    EXPECT_TRUE(f.plot->ToolBar(0)->Visible());
}

TEST(PlotPrintPreview, SettingsDialogWritesThePlotOnOkOnly) {
    PreviewFixture f;
    f.plot->SetPrintDocumentName(QStringLiteral("Doc"));
    f.form.PrintDocumentName = QStringLiteral("Doc");
    int shown = 0;
    auto answer = [&](int result) {
        f.form.OnShowSettings = [&shown, result](TiPlotPreviewSettingsForm& s) {
            ++shown;
            EXPECT_EQ(s.PrintMarginLeftEdit->text(), QStringLiteral("1"));
            EXPECT_EQ(s.OrientationIndex(), 0);
            EXPECT_EQ(s.PrintDocumentNameEdit->text(), QStringLiteral("Doc"));
            s.PrintMarginLeftEdit->setText(QStringLiteral("0.5"));
            s.SetOrientationIndex(1);
            s.PrintDocumentNameEdit->setText(QStringLiteral("Run 2"));
            s.PrintPaperSizeComboBox->setCurrentIndex(3);
            return result;
        };
        f.form.SettingsButtonClick();
    };
    answer(mrCancel);
    EXPECT_DOUBLE_EQ(f.form.PrintMarginLeft, 1);
    EXPECT_DOUBLE_EQ(f.plot->PrintMarginLeft(), 1);
    EXPECT_EQ(f.form.PrintSize, 0);
    EXPECT_EQ(f.plot->PrintDocumentName(), QStringLiteral("Doc"));

    answer(mrOk);
    EXPECT_EQ(shown, 2);
    EXPECT_DOUBLE_EQ(f.form.PrintMarginLeft, 0.5);
    EXPECT_DOUBLE_EQ(f.plot->PrintMarginLeft(), 0.5);
    EXPECT_EQ(f.plot->PrintOrientation(), poLandscape);
    EXPECT_EQ(f.plot->PrintDocumentName(), QStringLiteral("Run 2"));
    EXPECT_EQ(f.form.PrintSize, 3);  // the paper stays with the window
    EXPECT_EQ(f.form.Caption(), QStringLiteral("Run 2 (Preview)"));
}

TEST(PlotPrintPreview, GalleryWindowAndSettings) {
    PreviewFixture f;
    TiXYPlotChannel* channel = f.plot->Channel(0);
    for (int i = 0; i <= 20; ++i) channel->AddXY(i * 5, (i % 5) * 20);
    f.form.SetCaption(QStringLiteral("Trace (Preview)"));
    f.form.show();
    const QImage window = f.form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(window.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(QStringLiteral("plot_print_preview.png"))));
    ASSERT_EQ(window.size(), QSize(836, 563));
    // Below the 41-pixel button panel the paint box shows the sheet with its shadow.
    EXPECT_EQ(CountColor(window, TRect{0, 41, 836, 563}, clWhite) > 100000, true);
    EXPECT_GT(CountColor(window, TRect{0, 41, 836, 563}, clBlack), 600);

    TiPlotPreviewSettingsForm settings(nullptr);
    settings.SetOrientationIndex(0);
    settings.PrintPaperSizeComboBox->setCurrentIndex(0);
    settings.show();
    const QImage dialog = settings.grab().toImage();
    ASSERT_TRUE(dialog.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(QStringLiteral("plot_print_settings.png"))));
    EXPECT_EQ(dialog.size(), QSize(419, 237));
}
