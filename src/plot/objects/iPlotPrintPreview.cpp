// The print preview window and its settings dialog.
#include "objects/iPlotPrintPreview.h"

#include "core/iPlotComponent.h"
#include "core/iPlotDrawing.h"
#include "core/iPlotPrinting.h"
#include "objects/iPlotToolBar.h"
#include "rtl/RtlMath.h"
#include "ui/TCustomPanel.h"
#include "ui/TPaintBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>

namespace {


// A small printer: paper on top, the body with a slot, a tray in front.
QIcon PrinterGlyph() {
    QImage glyph(16, 16, QImage::Format_ARGB32);
    glyph.fill(0);
    QPainter p(&glyph);
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 13, 6);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(3, 12, 9, 2);
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(12, 8);
    p.end();
    return QIcon(QPixmap::fromImage(glyph));
}

QString Number(double v) { return QString::number(v, 'g', 15); }

}  // namespace

// ---- settings dialog ------------------------------------------------------------------

TiPlotPreviewSettingsForm::TiPlotPreviewSettingsForm(TComponent* owner) : TForm(owner) {
    SetCaption(QStringLiteral("Settings"));
    SetBounds(0, 0, 419, 237);
    QFont small = font();  // the dialog's 8-point face
    small.setPointSize(8);
    setFont(small);
    auto* orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    orientation->setObjectName(QStringLiteral("PrintOrientationRadioGroup"));
    orientation->setGeometry(8, 12, 121, 101);
    PortraitRadio = new QRadioButton(QStringLiteral("Portrait"), orientation);
    PortraitRadio->setGeometry(10, 24, 100, 20);
    LandscapeRadio = new QRadioButton(QStringLiteral("Landscape"), orientation);
    LandscapeRadio->setGeometry(10, 52, 100, 20);

    auto* margin = new QGroupBox(QStringLiteral("Margin"), this);
    margin->setObjectName(QStringLiteral("PrinterMarginGroupBox"));
    margin->setGeometry(144, 12, 137, 101);
    auto edit = [](QWidget* parent, const char* name, int x, int y, int w) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(x, y, w, 21);
        return e;
    };
    PrintMarginTopEdit = edit(margin, "PrintMarginTopEdit", 52, 19, 33);
    PrintMarginLeftEdit = edit(margin, "PrintMarginLeftEdit", 20, 43, 33);
    PrintMarginRightEdit = edit(margin, "PrintMarginRightEdit", 84, 43, 33);
    PrintMarginBottomEdit = edit(margin, "PrintMarginBottomEdit", 52, 67, 33);
    PrintDocumentNameEdit = edit(this, "PrintDocumentNameEdit", 96, 131, 185);

    auto label = [this](const char* name, const QString& text, int right, int y) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(::Qt::AlignRight | ::Qt::AlignVCenter);
        l->setGeometry(0, y - 2, right, 17);
        l->setMinimumWidth(right);
        return l;
    };
    // Right-aligned labels: their right edges meet the fields' left edges.
    label("Label175", QStringLiteral("Document Name"), 92, 135);
    label("Label120", QStringLiteral("Paper Size"), 92, 161);
    PrintPaperSizeComboBox = new QComboBox(this);
    PrintPaperSizeComboBox->setObjectName(QStringLiteral("PrintPaperSizeComboBox"));
    PrintPaperSizeComboBox->setGeometry(96, 158, 185, 22);
    PrintPaperSizeComboBox->addItems({QStringLiteral("Letter"), QStringLiteral("Legal"), QStringLiteral("A3"),
                                      QStringLiteral("A4"), QStringLiteral("A5")});

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(320, 24, 75, 25);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setGeometry(320, 56, 75, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(Button2, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    CentreOnScreen(this);
}

int TiPlotPreviewSettingsForm::OrientationIndex() const {
    return LandscapeRadio->isChecked() ? 1 : PortraitRadio->isChecked() ? 0 : -1;
}

void TiPlotPreviewSettingsForm::SetOrientationIndex(int index) {
    PortraitRadio->setChecked(index == 0);
    LandscapeRadio->setChecked(index == 1);
}

void TiPlotPreviewSettingsForm::Translate(const std::function<QString(const QString&)>& translate) {
    SetCaption(translate(Caption()));
    for (QGroupBox* g : findChildren<QGroupBox*>()) g->setTitle(translate(g->title()));
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) b->setText(translate(b->text()));
    for (QLabel* l : findChildren<QLabel*>()) l->setText(translate(l->text()));
    for (int i = 0; i < PrintPaperSizeComboBox->count(); ++i)
        PrintPaperSizeComboBox->setItemText(i, translate(PrintPaperSizeComboBox->itemText(i)));
}

// ---- preview window -------------------------------------------------------------------

TiPlotPreviewForm::TiPlotPreviewForm(TComponent* owner) : TForm(owner) {
    SetCaption(QStringLiteral("Preview"));
    SetColor(clBtnFace);
    setMinimumSize(500, 300);
    SetBounds(0, 0, 836, 563);

    Panel2 = new TPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->SetParent(this);
    Panel2->SetBounds(0, 0, 836, 41);
    Panel2->SetAlign(alTop);
    PrintButton = new QToolButton(Panel2);
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    PrintButton->setGeometry(8, 8, 28, 28);
    PrintButton->setIcon(PrinterGlyph());
    PrintButton->setAutoRaise(true);
    SettingsButton = new QPushButton(QStringLiteral("Settings"), Panel2);
    SettingsButton->setObjectName(QStringLiteral("SettingsButton"));
    SettingsButton->setGeometry(48, 8, 75, 28);
    CloseButton = new QToolButton(Panel2);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setText(QStringLiteral("Close"));
    CloseButton->setGeometry(135, 8, 75, 28);
    CloseButton->setAutoRaise(true);

    Preview = new TPaintBox(this);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->SetParent(this);
    Preview->SetAlign(alClient);
    Preview->OnPaint = [this](TComponent*) { PreviewPaint(); };

    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButtonClick(); });
    connect(SettingsButton, &QPushButton::clicked, this, [this] { SettingsButtonClick(); });
    connect(CloseButton, &QToolButton::clicked, this, [this] { CloseButtonClick(); });
    CentreOnScreen(this);
}

TiPlotPreviewForm::~TiPlotPreviewForm() = default;

TiPlotComponent* TiPlotPreviewForm::Plot() const { return dynamic_cast<TiPlotComponent*>(iComponent); }

int TiPlotPreviewForm::PaperCode(int printSize) {
    switch (printSize) {
    case 1: return 5;   // Legal
    case 2: return 8;   // A3
    case 3: return 9;   // A4
    case 4: return 11;  // A5
    default: return 1;  // Letter
    }
}

QImage TiPlotPreviewForm::RenderPreview(const QSize& size) {
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(ToQColor(clBtnFace));
    TiPlotComponent* plot = Plot();
    if (!plot) return bitmap;
    TiPlotToolBar* toolBar = plot->ToolBarCount() > 0 ? plot->ToolBar(0) : nullptr;
    const bool toolBarVisible = toolBar && toolBar->Visible();
    if (toolBar) toolBar->SetVisible(false);
    // The toolbar comes back however the drawing ends.
    struct Restore {
        TiPlotToolBar* bar;
        bool visible;
        ~Restore() {
            if (bar) bar->SetVisible(visible);
        }
    } restore{toolBar, toolBarVisible};
    if (plot->OnBeforePrint) plot->OnBeforePrint(this);
    DrawSheet(bitmap);
    if (toolBar) toolBar->SetVisible(toolBarVisible);
    restore.bar = nullptr;
    if (plot->OnAfterPrint) plot->OnAfterPrint(this);
    return bitmap;
}

void TiPlotPreviewForm::DrawSheet(QImage& bitmap) {
    TiPlotComponent* plot = Plot();
    double W = 0, H = 0;
    PaperSizeInches(PaperCode(PrintSize), W, H);
    if (PrintOrientation == poLandscape) std::swap(W, H);

    const int w = bitmap.width() - 20, h = bitmap.height() - 20;
    int pw = 0, ph = 0;
    if (h / H > w / W) {
        pw = w;
        ph = Round(H * w / W);
    } else {
        ph = h;
        pw = Round(W * h / H);
    }
    const int ppi = Round(pw / W);
    const int aw = pw - Round((plot->PrintMarginLeft() + plot->PrintMarginRight()) * ppi);
    const int ah = ph - Round((plot->PrintMarginTop() + plot->PrintMarginBottom()) * ppi);

    QPainter p(&bitmap);
    p.fillRect(bitmap.rect(), ToQColor(clBtnFace));
    const int cx = bitmap.width() / 2, cy = bitmap.height() / 2;
    const QRect sheet(QPoint(cx - pw / 2 - 5, cy - ph / 2 - 5), QPoint(cx + pw / 2 - 5 - 1, cy + ph / 2 - 5 - 1));
    p.setPen(::Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    p.drawRect(sheet.translated(7, 7));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(sheet);
    p.setPen(QColor(0, 0, 0));
    p.setBrush(::Qt::NoBrush);
    p.drawRect(sheet.adjusted(0, 0, -1, -1));

    const QPicture& picture = plot->GetSnapShotPicture();
    const QRect bounds = picture.boundingRect();
    if (bounds.width() <= 0 || bounds.height() <= 0) return;
    const double rx = double(aw) / bounds.width(), ry = double(ah) / bounds.height();
    int pictureWidth = 0, pictureHeight = 0;
    if (rx < ry) {
        pictureWidth = aw;
        pictureHeight = Round(bounds.height() * rx);
    } else {
        pictureWidth = Round(bounds.width() * ry);
        pictureHeight = ah;
    }
    // Margins wider than the sheet leave no room: no picture rather than a mirrored one.
    if (!std::isfinite(rx) || !std::isfinite(ry) || pictureWidth <= 0 || pictureHeight <= 0) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(sheet.left() + Round(ppi * plot->PrintMarginLeft()), sheet.top() + Round(ppi * plot->PrintMarginTop()));
    p.scale(double(pictureWidth) / bounds.width(), double(pictureHeight) / bounds.height());
    p.drawPicture(0, 0, picture);
}

void TiPlotPreviewForm::PreviewPaint() {
    QImage image = RenderPreview(QSize(Preview->Width(), Preview->Height()));
    TCanvas source(&image);
    const TRect all{0, 0, image.width(), image.height()};
    Preview->Canvas().CopyRect(all, source, all);
}

void TiPlotPreviewForm::PrintButtonClick() {
    if (TiPlotComponent* plot = Plot()) plot->PrintChart();
    Preview->update();
}

void TiPlotPreviewForm::CloseButtonClick() { SetModalResult(mrOk); }

void TiPlotPreviewForm::SettingsButtonClick() {
    TiPlotPreviewSettingsForm settings(nullptr);
    settings.PrintMarginLeftEdit->setText(Number(PrintMarginLeft));
    settings.PrintMarginTopEdit->setText(Number(PrintMarginTop));
    settings.PrintMarginRightEdit->setText(Number(PrintMarginRight));
    settings.PrintMarginBottomEdit->setText(Number(PrintMarginBottom));
    settings.SetOrientationIndex(int(PrintOrientation));
    settings.PrintDocumentNameEdit->setText(PrintDocumentName);
    settings.PrintPaperSizeComboBox->setCurrentIndex(PrintSize);
    if (TiPlotComponent* plot = Plot()) settings.Translate([plot](const QString& t) { return plot->Translate(t); });
    const int result = OnShowSettings ? OnShowSettings(settings) : settings.ShowModal();
    if (result != mrOk) return;

    // A field that does not read as a number keeps its value.
    auto read = [](const QLineEdit* edit, double& field) {
        bool ok = false;
        const double v = edit->text().trimmed().toDouble(&ok);
        if (ok) field = v;
    };
    read(settings.PrintMarginLeftEdit, PrintMarginLeft);
    read(settings.PrintMarginTopEdit, PrintMarginTop);
    read(settings.PrintMarginRightEdit, PrintMarginRight);
    read(settings.PrintMarginBottomEdit, PrintMarginBottom);
    if (settings.OrientationIndex() >= 0) PrintOrientation = TPrinterOrientation(settings.OrientationIndex());
    PrintDocumentName = settings.PrintDocumentNameEdit->text();
    PrintSize = settings.PrintPaperSizeComboBox->currentIndex();
    if (TiPlotComponent* plot = Plot()) {
        plot->SetPrintMarginLeft(PrintMarginLeft);
        plot->SetPrintMarginTop(PrintMarginTop);
        plot->SetPrintMarginRight(PrintMarginRight);
        plot->SetPrintMarginBottom(PrintMarginBottom);
        plot->SetPrintOrientation(PrintOrientation);
        plot->SetPrintDocumentName(PrintDocumentName);
    }
    SetCaption(PrintDocumentName + QStringLiteral(" (Preview)"));
    Preview->update();
}

void TiPlotPreviewForm::DoTranslation() {
    TiPlotComponent* plot = Plot();
    if (!plot) return;
    SetCaption(plot->Translate(Caption()));
    SettingsButton->setText(plot->Translate(SettingsButton->text()));
    CloseButton->setText(plot->Translate(CloseButton->text()));
}
