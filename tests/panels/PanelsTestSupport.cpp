#include "PanelsTestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

ShownForm::ShownForm(int width, int height) {
    form.SetBounds(100, 100, width, height);
    host = new TSolidHost(&form, RGBColor(30, 34, 40));
    host->SetParent(&form);
    host->SetBounds(0, 0, width, height);
    form.Show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    Settle();
}

ShownForm::~ShownForm() { form.Hide(); }

void ChangeLog::Attach(TCustomPEQTable& table) {
    table.OnChange = [this, &table](TComponent* sender) {
        EXPECT_EQ(sender, &table);
        ++count;
        rows.push_back(table.GetNowIndex());
    };
}

void SetUpChannelTable(TCustomPEQTable& table, TWinControl* parent, int rows) {
    table.SetParent(parent);
    table.SetBounds(0, 0, 536, 270);
    table.SetGroupStyle(gsCustom);
    table.SetTransparent(true);
    TFont font;
    font.SetHeight(-13);
    table.SetFont(font);
    table.SetChannelNumber(rows);
    table.SetUpdownVisable(false);
    table.SetLabelColor(clBackground);
    table.SetEditBackColor(clWhite);
    table.SetBypassBackColor(clSilver);
    table.Show();
    (void)table.grab();  // the first paint lays the rows out
    table.CreateWnd();
    table.ChangeLanguage();
}

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TColor PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

TColor FontColorOf(const TControl& control) { return control.Font().Color(); }
