// Renders the faders, value edits and progress bars as the editor shows them into PNG files
// in the build tree, for looking at, and checks a few pixels at known places.
#include "AdvProgressBar.h"
#include "ui/ProgramLook.h"
#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "splash/ProgramSplash.h"
#include "rtflabel.h"

#include "ui/TWinControl.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QTest>

namespace {

// A dark panel with captions, standing in for the editor's channel page.
class Panel : public TWinControl {
public:
    Panel() : TWinControl(nullptr) {}
    std::vector<std::pair<QPoint, QString>> captions;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0x3B, 0x41, 0x4A));
        g.setColorAt(1, QColor(0x2C, 0x31, 0x38));
        p.fillRect(rect(), g);
        QFont font = TFont().ToQFont();
        font.setPixelSize(11);
        p.setFont(font);
        p.setPen(QColor(0xC8, 0xCE, 0xD6));
        for (const auto& [at, text] : captions) p.drawText(at, text);
    }
};

void Load(TGDIPPicture& picture, const char* name) {
    QFile file(QStringLiteral(":/styled/") + QLatin1String(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    picture.LoadFromStream(&file);
}

TAdvTrackBar* Fader(Panel& panel, int x, int position, bool setA) {
    auto* bar = new TAdvTrackBar(&panel);
    bar->SetParent(&panel);
    bar->SetOrientation(trVertical);
    bar->SetBounds(x, 34, 26, 155);
    bar->SetMin(-280);
    bar->SetMax(120);
    bar->SetPosition(position);
    bar->SetShowFocus(true);
    bar->TickMark().SetStyle(tsNone);
    bar->Slider().SetSize(3);
    bar->Slider().SetBorderColor(clMedGray);
    bar->Slider().SetBorderColorDisabled(clBlack);
    Load(bar->Thumb().Picture(), setA ? "ThumbA.bmp" : "ThumbB.bmp");
    Load(bar->Thumb().PictureHot(), setA ? "ThumbAHot.bmp" : "ThumbBHot.bmp");
    Load(bar->Thumb().PictureDown(), setA ? "ThumbAHot.bmp" : "ThumbBHot.bmp");
    Load(bar->Thumb().PictureDisabled(), "ThumbDisabled.bmp");
    bar->Loaded();
    return bar;
}

TCurvyEdit* Edit(Panel& panel, int x, int y, int width, const QString& text, TColor color, bool readOnly) {
    auto* edit = new TCurvyEdit(&panel);
    edit->SetParent(&panel);
    edit->SetBounds(x, y, width, 24);
    edit->SetRounding(6);
    edit->SetBorderColor(clHighlightText);
    edit->SetColor(color);
    edit->SetAlignment(taCenter);
    TFont font;
    font.SetName(QStringLiteral("Tahoma"));
    font.SetHeight(-11);
    font.SetColor(clBlack);
    edit->SetFont(font);
    edit->SetReadOnly(readOnly);
    edit->SetText(text);
    return edit;
}

}  // namespace

TEST(Gallery, FadersEditsAndProgressBars) {
    Panel panel;
    panel.resize(620, 300);
    panel.captions = {{{14, 20}, QStringLiteral("Gain faders")},
                      {{214, 20}, QStringLiteral("EQ faders")},
                      {{356, 20}, QStringLiteral("Transfer progress")}};
    TAdvTrackBar* normal = Fader(panel, 16, 0, true);
    TAdvTrackBar* focused = Fader(panel, 62, -140, true);
    TAdvTrackBar* hot = Fader(panel, 108, 80, true);
    TAdvTrackBar* disabled = Fader(panel, 154, -280, true);
    TAdvTrackBar* eqA = Fader(panel, 214, 120, false);
    TAdvTrackBar* eqB = Fader(panel, 260, -40, false);
    disabled->SetEnabled(false);
    Edit(panel, 6, 200, 58, QStringLiteral("+0.0dB"), 16777183, true);
    Edit(panel, 68, 200, 58, QStringLiteral("-14.0dB"), 16777183, true);
    Edit(panel, 130, 200, 70, QStringLiteral("0.00ms"), clWhite, false);
    Edit(panel, 214, 200, 58, QStringLiteral("1.00KHz"), 16777183, true);
    TCurvyEdit* typed = Edit(panel, 214, 236, 70, QStringLiteral("12.5ms"), clWhite, false);
    TCurvyEdit* disabledEdit = Edit(panel, 6, 236, 58, QStringLiteral("+20.0dB"), clWhite, false);
    disabledEdit->SetEnabled(false);
    TAdvProgressBar* bars[3];
    const int positions[3] = {0, 50, 100};
    for (int k = 0; k < 3; ++k) {
        bars[k] = new TAdvProgressBar(&panel);
        bars[k]->SetParent(&panel);
        bars[k]->SetBounds(356, 40 + 56 * k, 240, 41);
        TFont font;
        font.SetName(QStringLiteral("Verdana"));
        font.SetHeight(-13);
        bars[k]->SetFont(font);
        bars[k]->SetPosition(positions[k]);
    }
    panel.show();
    focused->SetFocus();
    QApplication::setActiveWindow(&panel);
    focused->SetFocus();
    QTest::mouseMove(hot, hot->GetThumbRect().center());
    typed->SetFocus();
    focused->SetFocus();
    const QImage image = panel.grab().toImage();
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/gallery_styled_controls.png")));
    (void)eqA;
    (void)eqB;

    // The groove's 3D frame in medium grey beside the thumb, the thumb's index line at its
    // centre, the focus frame, the disabled groove in black.
    const QRect thumb = normal->GetThumbRect().translated(normal->pos());
    EXPECT_EQ(image.pixel(16 + 13, 34 + 10), qRgb(0xA0, 0xA0, 0xA4));
    EXPECT_EQ(image.pixel(thumb.x() + 8, thumb.y() + 14), qRgb(56, 208, 255));
    EXPECT_TRUE(hot->ThumbHot());
    const QRect hotThumb = hot->GetThumbRect().translated(hot->pos());
    EXPECT_EQ(image.pixel(hotThumb.x() + 8, hotThumb.y() + 14), qRgb(140, 232, 255));
    EXPECT_EQ(image.pixel(62, 34), ProgramLook::kFocus.rgb());  // the look's solid focus frame
    EXPECT_EQ(image.pixel(154 + 13, 34 + 10), qRgb(0, 0, 0));
    // The value edits' pale cyan fill, the progress bars' empty track and full red bar.
    EXPECT_EQ(image.pixel(6 + 4, 200 + 12), qRgb(0xDF, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(356 + 30, 40 + 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(356 + 30, 40 + 112 + 20), qRgb(255, 0, 0));
}

TEST(Gallery, SplashWindowAsTheProgramShowsIt) {
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    splash.Loaded();
    ASSERT_TRUE(splash.Showing());
    const QImage& buffer = *splash.SplashWindow()->Buffer();
    ASSERT_TRUE(buffer.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/gallery_splash.png")));
    // The same over a desktop, as a user sees the translucent window.
    QImage desktop(buffer.width() + 80, buffer.height() + 80, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&desktop);
        QLinearGradient g(0, 0, desktop.width(), desktop.height());
        g.setColorAt(0, QColor(0x5A, 0x6F, 0x86));
        g.setColorAt(1, QColor(0x8C, 0x9B, 0x8A));
        p.fillRect(desktop.rect(), g);
        p.drawImage(40, 40, buffer);
    }
    ASSERT_TRUE(desktop.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/gallery_splash_on_desktop.png")));
    EXPECT_EQ(qAlpha(buffer.pixel(0, 0)), 0);
    EXPECT_EQ(buffer.pixel(300, 300) | 0xFF000000u, buffer.pixel(300, 300));
}

TEST(Gallery, RichTextLabel) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 640, 220);
    form.SetColor(clWhite);
    TRTFLabel label(&form);
    label.SetParent(&form);
    label.SetBounds(0, 0, 640, 220);
    label.SetTransparent(false);
    label.SetColor(clWhite);
    label.Loaded();
    label.SetWordWrap(true);
    const QByteArray rtf =
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
        R"({\colortbl ;\red0\green70\blue140;\red170\green20\blue20;\red90\green90\blue90;})"
        R"({\*\generator Layout;}\pard\f0\fs32\cf1\b Control codes\b0\par)"
        R"(\fs20\cf3 Frames start with \f1 10 02\f0 , carry the unit ID, a length and a command code,)"
        R"( and end with \f1 10 03\f0  and an XOR check byte.\par\par)"
        R"(\cf2\b Code 16\b0\cf0\tab Connect\line \cf2\b Code 17\b0\cf0\tab Disconnect\line )"
        R"(\cf2\b Code 64\b0\cf0\tab Level meters, polled every 300 ms\par)"
        R"(\qc\i\fs18\cf3 All values are little-endian; temperatures in \u176?C.\i0\par})";
    QString text;
    for (const char c : rtf) text += QChar(uchar(c));
    label.SetRichText(text);
    form.Show();
    const QImage image = label.grab().toImage();
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/gallery_rich_text_label.png")));
    int blue = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x) blue += qBlue(image.pixel(x, y)) > 100 && qRed(image.pixel(x, y)) < 60;
    EXPECT_GT(blue, 50);  // the heading in its dark blue
}

namespace {

// A small round icon drawn by code: a filled disc with a darker rim and a light spot.
QImage Icon(int size, QColor color) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(160), 1));
    p.setBrush(color);
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(size * 0.25, size * 0.2, size * 0.3, size * 0.25));
    return image;
}

}  // namespace

// Faders with tick images, turned tick texts and drawn thumb shapes, value edits with
// image-list side buttons, and a splash whose items come from an image list.
TEST(Gallery, ImageListsTicksAndThumbShapes) {
    Panel panel;
    panel.resize(520, 250);
    panel.captions = {{{14, 20}, QStringLiteral("Tick images, round thumb")},
                      {{14, 110}, QStringLiteral("Value edits with side buttons")},
                      {{300, 20}, QStringLiteral("Turned tick texts")}};
    TImageList ticks(10, 10);
    ticks.Add(Icon(10, QColor(0x2E, 0xCC, 0x71)));
    ticks.Add(Icon(10, QColor(0xF1, 0xC4, 0x0F)));
    ticks.Add(Icon(10, QColor(0xE6, 0x7E, 0x22)));
    ticks.Add(Icon(10, QColor(0xE7, 0x4C, 0x3C)));
    auto* rated = new TAdvTrackBar(&panel);
    rated->SetParent(&panel);
    rated->SetBounds(14, 30, 260, 50);
    rated->SetMax(3);
    rated->SetPosition(2);
    rated->TickMark().SetStyle(tsAuto);
    rated->TickMark().SetSize(10);
    rated->TickMark().SetPosition(tmBottomRight);
    rated->SetTickImages(&ticks);
    rated->Thumb().SetShape(tsRound);
    rated->Thumb().SetSize(18);
    rated->Thumb().SetWidth(18);
    rated->Loaded();

    auto* turned = new TAdvTrackBar(&panel);
    turned->SetParent(&panel);
    turned->SetOrientation(trVertical);
    turned->SetBounds(300, 30, 90, 200);
    turned->SetMax(4);
    turned->SetPosition(1);
    turned->TickMark().SetStyle(tsAuto);
    turned->TickMark().SetPosition(tmBoth);
    turned->TickMark().SetShowText(true);
    turned->TickMark().SetColor(clSilver);
    TFont tickFont = turned->TickMark().Font();
    tickFont.SetColor(clWhite);
    turned->TickMark().SetFont(tickFont);
    turned->OnGetTickMarkText = [](TComponent*, int position, QString& text) {
        text = QStringLiteral("%1 dB").arg(position * 10 - 20);
    };
    turned->Thumb().SetShape(tsRectangle);
    turned->Thumb().SetSize(22);
    turned->Thumb().SetWidth(14);
    turned->Loaded();

    TImageList buttons(12, 12);
    buttons.Add(Icon(12, QColor(0x34, 0x98, 0xDB)));
    buttons.Add(Icon(12, QColor(0x1A, 0x5D, 0x8C)));
    TCurvyEdit* search = Edit(panel, 14, 120, 150, QStringLiteral("1.00KHz"), clWhite, false);
    search->SetImages(&buttons);
    TCurvyControl* left = search->Controls().Add();
    left->SetPosition(cpLeftInControl);
    left->SetImageIndex(0);
    TCurvyControl* right = search->Controls().Add();
    right->SetImageIndex(1);
    right->SetDropDown(true);
    TCurvyEdit* secret = Edit(panel, 14, 156, 150, QStringLiteral("1234"), 16777183, false);
    secret->SetPasswordChar(QChar(u'*'));
    secret->SetImages(&buttons);
    secret->Controls().Add()->SetImageIndex(0);

    panel.show();
    const QImage image = panel.grab().toImage();
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/gallery_styled_image_lists.png")));
    QRect row;
    rated->GetBottomRightTickRect(row);
    // The last tick carries the red icon; the side button its blue one.
    int reds = 0;
    for (int x = row.center().x(); x < row.right() + 6; ++x) {
        const QColor c(image.pixel(rated->pos() + QPoint(x, row.center().y())));
        reds += c.red() > 180 && c.green() < 110 && c.blue() < 110;
    }
    EXPECT_GT(reds, 3);
    const QColor side(image.pixel(search->pos() + QPoint(4 + 6, 12)));
    EXPECT_GT(side.blue(), 150);
    EXPECT_LT(side.red(), 120);

    // The splash with an item drawn from its image list beside its text.
    TForm main(nullptr);
    TAdvSmoothSplashScreen splash(&main);
    SetUpProgramSplash(splash);
    TImageList badges(24, 24);
    badges.Add(Icon(24, QColor(0x2E, 0xCC, 0x71)));
    splash.SetImages(&badges);
    TSplashItem* item = splash.Items().Add();
    item->ImageIndex = 0;
    item->PosX = 180;
    item->PosY = 260;
    item->Text = QStringLiteral("Connected");
    item->Font.SetColor(clWhite);
    item->Font.SetHeight(-18);
    splash.Show();
    const QImage& buffer = *splash.SplashWindow()->Buffer();
    ASSERT_TRUE(buffer.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/gallery_splash_image_item.png")));
    const QColor badge(buffer.pixel(180 + 12, 260 + 18));
    EXPECT_GT(badge.green(), 150);
    EXPECT_LT(badge.red(), 100);
}
