#include "FramedTestSupport.h"

#include <QApplication>
#include <QCoreApplication>

void FillBoard(TBitmap& board, int width, int height, TColor color) {
    board.SetSize(width, height);
    board.Canvas().Brush.Color = color;
    board.Canvas().Brush.Style = bsSolid;
    board.Canvas().FillRect(Rect(0, 0, width, height));
}

TColor PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

TSolidHost::TSolidHost(TComponent* owner, TColor color) : TCustomControl(owner) { SetColor(color); }

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool SaveGallery(const QImage& image, const QString& name) {
    return image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/") + name);
}

void FramedPicture(TBitmap& picture, int width, int height, TColor face, TColor frame) {
    FillBoard(picture, width, height, frame);
    picture.Canvas().Brush.Color = face;
    picture.Canvas().FillRect(Rect(1, 1, width - 1, height - 1));
}

ShownForm::ShownForm(int width, int height) {
    form.SetBounds(100, 100, width, height);
    host = new TSolidHost(&form);
    host->SetParent(&form);
    host->SetBounds(0, 0, width, height);
    form.Show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    Settle();

}

ShownForm::~ShownForm() { form.Hide(); }
