#pragma once
// The plot's print preview: a modal window showing one sheet of the chosen paper, centred
// with a drop shadow, and the plot's picture scaled into the sheet's margins. From it the
// user prints, closes, or changes margins, orientation, document name and paper size in a
// small settings dialog.
#include "core/iPlotTypes.h"
#include "rtl/TObject.h"
#include "ui/TForm.h"

#include <QImage>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class TiComponent;
class TiPlotComponent;
class TPaintBox;
class TPanel;

// The settings dialog: orientation, the four margins, document name and paper size.
class TiPlotPreviewSettingsForm : public TForm {
    Q_OBJECT
public:
    explicit TiPlotPreviewSettingsForm(TComponent* owner);

    QRadioButton* PortraitRadio;
    QRadioButton* LandscapeRadio;
    QLineEdit* PrintMarginTopEdit;
    QLineEdit* PrintMarginLeftEdit;
    QLineEdit* PrintMarginRightEdit;
    QLineEdit* PrintMarginBottomEdit;
    QLineEdit* PrintDocumentNameEdit;
    QComboBox* PrintPaperSizeComboBox;
    QPushButton* Button1;
    QPushButton* Button2;

    // The orientation group's index: 0 portrait, 1 landscape.
    int OrientationIndex() const;
    void SetOrientationIndex(int index);
    // Every caption through a translation (identity when none).
    void Translate(const std::function<QString(const QString&)>& translate);
};

// A TObject too: the plot's print events name the window as their sender.
class TiPlotPreviewForm : public TForm, public TObject {
    Q_OBJECT
public:
    explicit TiPlotPreviewForm(TComponent* owner);
    ~TiPlotPreviewForm() override;

    TPanel* Panel2;
    QToolButton* PrintButton;
    QPushButton* SettingsButton;
    QToolButton* CloseButton;
    TPaintBox* Preview;

    TiComponent* iComponent = nullptr;
    double PrintMarginLeft = 0, PrintMarginTop = 0, PrintMarginRight = 0, PrintMarginBottom = 0;
    TPrinterOrientation PrintOrientation = poPortrait;
    QString PrintDocumentName;
    int PrintSize = 0;

    // The printer paper code of a paper-size index (0 Letter, 1 Legal, 2 A3, 3 A4, 4 A5;
    // any other index counts as Letter).
    static int PaperCode(int printSize);

    // The preview's picture for a paint box of that size: the sheet with the plot on it,
    // toolbar 0 hidden meanwhile, between the plot's before- and after-print events.
    QImage RenderPreview(const QSize& size);

    void PrintButtonClick();
    void CloseButtonClick();
    void SettingsButtonClick();
    void DoTranslation();

    // Shows the settings dialog modally and returns its modal result (tests answer it).
    std::function<int(TiPlotPreviewSettingsForm& settings)> OnShowSettings;

private:
    TiPlotComponent* Plot() const;
    void PreviewPaint();
    void DrawSheet(QImage& bitmap);
};
