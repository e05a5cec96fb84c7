// The plot on the clipboard, in image files and on paper: every one paints the plot off
// screen with its toolbars hidden and its selection cleared, and puts everything back.
#include "core/iPlotPrinting.h"

#include "core/iPlotAxis.h"
#include "core/iPlotComponent.h"
#include "objects/iPlotPrintPreview.h"
#include "objects/iPlotToolBar.h"
#include "rtl/Exception.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTabWidget>

#include <cmath>
#include <vector>

void PrinterPaperSizeInches(const QPrinter& printer, double& width, double& height) {
    // The layout's full rectangle is already turned for landscape.
    const QRectF r = printer.pageLayout().fullRect(QPageLayout::Inch);
    if (r.isEmpty()) throw Exception(QStringLiteral("Could not initialize printer DeviceMode Structure"));
    width = r.width();
    height = r.height();
}

int GetActivePageIndex(const QTabWidget* pageControl) { return pageControl ? pageControl->currentIndex() : -1; }

void SetActivePageIndex(QTabWidget* pageControl, int index) {
    if (pageControl && index >= 0 && index < pageControl->count()) pageControl->setCurrentIndex(index);
}

void CentreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

namespace {

// Hides every toolbar and clears the selection; the destructor shows the toolbars again.
class ToolBarsHidden {
public:
    explicit ToolBarsHidden(TiPlotComponent& plot) : FPlot(plot) {
        plot.ToolBar(0);  // a plot without toolbar 0 fails here, before anything changes
        for (int i = 0; i < plot.ToolBarCount(); ++i) {
            FVisible.push_back(plot.ToolBar(i)->Visible());
            plot.ToolBar(i)->SetVisible(false);
        }
        plot.Master().DeSelectAll();
    }
    ~ToolBarsHidden() {
        for (int i = 0; i < FPlot.ToolBarCount() && i < int(FVisible.size()); ++i)
            FPlot.ToolBar(i)->SetVisible(FVisible[std::size_t(i)]);
    }
    ToolBarsHidden(const ToolBarsHidden&) = delete;
    ToolBarsHidden& operator=(const ToolBarsHidden&) = delete;

private:
    TiPlotComponent& FPlot;
    std::vector<bool> FVisible;
};

// An update bracket closed however the block ends.
struct UpdateBracket {
    explicit UpdateBracket(TiPlotComponent& p) : plot(p) { plot.BeginUpdate(); }
    ~UpdateBracket() { plot.EndUpdate(); }
    TiPlotComponent& plot;
};

}  // namespace

void TiPlotComponent::CopyToClipBoard() {
    UpdateBracket update(*this);
    ToolBarsHidden hidden(*this);
    auto* mime = new QMimeData;
    switch (FCopyToClipBoardFormat) {
    case ipefMetaFile:
        mime->setData(QStringLiteral("application/pdf"), GetBytesMetaFile());
        break;
    case ipefBitmap:
        mime->setImageData(PaintOffScreen());
        break;
    case ipefJPEG:
        mime->setData(QStringLiteral("image/jpeg"), GetJPEGImage(100, false)->Data());
        break;
    }
    QApplication::clipboard()->setMimeData(mime);
}

const QPicture& TiPlotComponent::GetSnapShotPicture() {
    const QImage image = PaintOffScreen();
    FSnapShotPicture = QPicture();
    FSnapShotPicture.setBoundingRect(QRect(0, 0, Width(), Height()));
    QPainter painter(&FSnapShotPicture);
    painter.drawImage(0, 0, image);
    painter.end();
    return FSnapShotPicture;
}

bool TiPlotComponent::SaveImageByName(const QString& fileName) {
    const QString ending = fileName.right(3);
    if (ending == QLatin1String("bmp"))
        SaveImageToBitmap(fileName);
    else if (ending == QLatin1String("emf"))
        SaveImageToMetaFile(fileName);
    else if (ending == QLatin1String("jpg"))
        SaveImageToJPEG(fileName, 100, true);
    else if (ending == QLatin1String("png"))
        SaveImageToPNG(fileName, 9);
    else
        return false;
    return true;
}

void TiPlotComponent::Save() {
    const QStringList filters{QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("Enhanced Metafile (*.emf)"),
                              QStringLiteral("JPEG File (*.jpg)"), QStringLiteral("PNG (*.png)")};
    QString selected = filters.value(int(FDefaultSaveImageFormat));
    const QString start = FDefaultSaveImageDirectory.isEmpty()
                              ? QStringLiteral("Untitled")
                              : FDefaultSaveImageDirectory + QStringLiteral("/Untitled");
    const QString fileName =
        QFileDialog::getSaveFileName(this, QString(), start, filters.join(QStringLiteral(";;")), &selected);
    if (fileName.isEmpty()) return;
    Master().DeSelectAll();
    SaveImageByName(fileName);
}

void TiPlotComponent::PrintChart() {
    try {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(FPrintOrientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer.setDocName(FPrintDocumentName);
        if (FPrintShowDialog) {
            QPrintDialog dialog(&printer, this);
            if (dialog.exec() != QDialog::Accepted) return;
        }
        PrintToPrinter(printer);
    } catch (const Exception& e) {
        if (e.Message().startsWith(QLatin1String("Error Printing : "))) throw;
        throw Exception(QStringLiteral("Error Printing : ") + e.Message());
    }
}

void TiPlotComponent::PrintToPrinter(QPrinter& printer) {
    try {
        UpdateBracket update(*this);
        FPrintXStart = XAxis(0)->Min();
        FPrintXStop = XAxis(0)->Max();
        PrintPages(printer);
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Error Printing : ") + e.Message());
    }
}

void TiPlotComponent::PrintPages(QPrinter& printer) {
    if (!FPrinterName.trimmed().isEmpty() && printer.outputFormat() == QPrinter::NativeFormat &&
        QPrinterInfo::availablePrinterNames().contains(FPrinterName))
        printer.setPrinterName(FPrinterName);
    // The painter's origin is the paper's corner, so the margins count from the edge.
    printer.setFullPage(true);
    PrinterPaperSizeInches(printer, FPrinterPaperWidthInches, FPrinterPaperHeightInches);
    FPrinterPaperWidthCentimeters = FPrinterPaperWidthInches * 2.54;
    FPrinterPaperHeightCentimeters = FPrinterPaperHeightInches * 2.54;
    const double dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
    FPrinterPaperWidthPixels = int(std::nearbyint(dpiX * FPrinterPaperWidthInches));
    FPrinterPaperHeightPixels = int(std::nearbyint(dpiY * FPrinterPaperHeightInches));

    QPainter painter;
    if (!painter.begin(&printer)) throw Exception(QStringLiteral("Printer is not ready"));
    // Everything a print changes comes back, however it ends.
    struct Restore {
        TiPlotComponent& p;
        QPainter& painter;
        TiPlotXAxis* axis;
        double min, span;
        int width, height, left, top, right, bottom;
        ~Restore() {
            painter.end();
            p.SetOuterMarginLeft(left), p.SetOuterMarginTop(top);
            p.SetOuterMarginRight(right), p.SetOuterMarginBottom(bottom);
            p.SetBounds(p.Left(), p.Top(), width, height);
            axis->SetMinSpan(min, span);
        }
    } restore{*this,     painter,         XAxis(0),         XAxis(0)->Min(),   XAxis(0)->Span(),  Width(),
              Height(),  OuterMarginLeft(), OuterMarginTop(), OuterMarginRight(), OuterMarginBottom()};
    ToolBarsHidden hidden(*this);
    if (OnBeforePrint) OnBeforePrint(this);

    TiPlotXAxis* axis = XAxis(0);
    int page = 1;
    axis->SetMin(FPrintXStart);
    while (axis->Min() < FPrintXStop) {
        if (OnBeforePrintPage) OnBeforePrintPage(this, page, axis->Max() >= FPrintXStop);
        const double s = std::min((FPrinterPaperWidthPixels - (FPrintMarginLeft + FPrintMarginRight) * dpiX) / Width(),
                                  (FPrinterPaperHeightPixels - (FPrintMarginTop + FPrintMarginBottom) * dpiY) / Height());
        const int left = int(std::nearbyint(dpiX * FPrintMarginLeft));
        const int top = int(std::nearbyint(dpiY * FPrintMarginTop));
        const int right = int(std::nearbyint(dpiX * FPrintMarginLeft + Width() * s));
        const int bottom = int(std::nearbyint(dpiY * FPrintMarginTop + Height() * s));
        ReCalcLayout();
        painter.drawImage(QRect(left, top, right - left, bottom - top), PaintOffScreen());
        if (!(axis->Min() + axis->Span() > axis->Min()) || axis->Max() >= FPrintXStop) break;
        printer.newPage();
        ++page;
        axis->SetMin(axis->Min() + axis->Span());
    }
    if (OnAfterPrint) OnAfterPrint(this);
}

void TiPlotComponent::PreviewChart() {
    TiPlotPreviewForm preview(nullptr);
    preview.iComponent = this;
    preview.PrintMarginLeft = FPrintMarginLeft;
    preview.PrintMarginTop = FPrintMarginTop;
    preview.PrintMarginRight = FPrintMarginRight;
    preview.PrintMarginBottom = FPrintMarginBottom;
    preview.PrintOrientation = FPrintOrientation;
    preview.PrintDocumentName = FPrintDocumentName;
    preview.SetCaption(FPrintDocumentName + QStringLiteral(" (Preview)"));
    preview.DoTranslation();
    if (OnShowPreview)
        OnShowPreview(preview);
    else
        preview.ShowModal();
}

void TiPlotComponent::PrintSizeToFillPage() {
    // Before any print the paper is unknown: the size stays.
    if (FPrinterPaperWidthInches <= 0) return;
    SetHeight(int(std::trunc(Width() * FPrinterPaperHeightInches / FPrinterPaperWidthInches)));
    ReCalcLayout();
}

void TiPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double minutesPerMillimeter) {
    ReCalcLayout();
    if (FPrinterPaperHeightInches <= 0 || Height() <= 0) return;
    TiPlotXAxis* axis = XAxis(0);
    const double pixels = std::abs(axis->MaxPixels() - axis->MinPixels());
    axis->SetSpan(pixels * ((FPrinterPaperHeightInches - FPrintMarginTop - FPrintMarginBottom) / Height()) * 25.4 *
                  minutesPerMillimeter / 1440);
}
