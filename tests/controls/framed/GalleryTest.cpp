// Renders every framed control in its states into PNG files in the build tree, for looking
// at, and checks a few pixels of each picture.
#include "FramedTestSupport.h"
#include "ui/ProgramLook.h"
#include "RzBmpBtn.h"
#include "RzButton.h"
#include "RzComboBox.h"
#include "RzLabel.h"
#include "RzPanel.h"
#include "RzPanelDockManager.h"
#include "RzShapeButton.h"
#include "VrButtons.h"

#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr TColor kBack = RGBColor(30, 34, 40);    // the window
constexpr TColor kFace = RGBColor(46, 52, 61);    // panels
constexpr TColor kText = RGBColor(214, 220, 228);  // captions
constexpr TColor kAccent = RGBColor(64, 170, 255);

TFont UiFont(int height = -11, TFontStyles style = 0, TColor color = kText) {
    TFont f;
    f.SetName("Tahoma");
    f.SetHeight(height);
    f.SetStyle(style);
    f.SetColor(color);
    return f;
}

// A button picture: a rounded plate with a vertical gradient and a rim, on teal (the
// transparent colour) outside the corners.
void Plate(TBitmap& picture, int w, int h, QColor top, QColor bottom, QColor rim, QColor glow = QColor()) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 128, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, w - 1, h - 1), 4, 4);
    p.fillPath(path, g);
    p.setPen(rim);
    p.drawPath(path);
    p.setPen(top.lighter(125));
    p.drawLine(4, 1, w - 5, 1);
    if (glow.isValid()) {
        p.setPen(glow);
        p.drawLine(6, h - 3, w - 7, h - 3);
        p.drawLine(6, h - 4, w - 7, h - 4);
    }
    p.end();
    picture.SetImage(image);
}

TRzBmpButton* CommandButton(TWinControl* parent, int x, int y, const QString& caption) {
    auto* b = new TRzBmpButton(nullptr);
    b->SetParent(parent);
    b->SetButtonSize(bszStretchToButton);
    b->SetBounds(x, y, 86, 26);
    TBitmap p;
    Plate(p, 86, 26, QColor(74, 82, 94), QColor(44, 49, 57), QColor(20, 22, 26));
    b->Bitmaps().SetUp(p);
    Plate(p, 86, 26, QColor(88, 98, 112), QColor(54, 60, 70), QColor(64, 170, 255));
    b->Bitmaps().SetHot(p);
    Plate(p, 86, 26, QColor(36, 40, 47), QColor(52, 58, 68), QColor(20, 22, 26));
    b->Bitmaps().SetDown(p);
    Plate(p, 86, 26, QColor(40, 60, 82), QColor(30, 44, 60), QColor(20, 22, 26), QColor(64, 170, 255));
    b->Bitmaps().SetStayDown(p);
    b->Bitmaps().SetTransparentColor(clTeal);
    b->SetColor(clWhite);
    b->SetShowFocus(false);
    b->SetShowDownPattern(false);
    b->SetCaptionDownOffset(0);
    b->SetFont(UiFont(-11, fsBold));
    b->SetCaption(caption);
    b->Show();
    return b;
}

TRzLabel* Caption(TWinControl* parent, int x, int y, const QString& text, TColor color = RGBColor(140, 150, 164)) {
    auto* l = new TRzLabel(nullptr);
    l->SetParent(parent);
    l->SetTransparent(true);
    l->SetFont(UiFont(-10, 0, color));
    l->SetCaption(text);
    l->SetLeft(x);
    l->SetTop(y);
    l->Show();
    return l;
}

TEST(Gallery, FramesGradientsAndGroupBoxes) {
    TSolidHost host(nullptr, kBack);
    host.SetBounds(0, 0, 760, 470);
    const char* names[] = {"None", "Flat", "Groove", "Bump", "Lowered", "ButtonDown", "Raised", "ButtonUp",
                           "Status", "Popup", "FlatBold", "FlatRounded"};
    for (int i = 0; i < 12; ++i) {
        auto* p = new TRzPanel(nullptr);
        p->SetParent(&host);
        p->SetBounds(12 + (i % 6) * 124, 12 + (i / 6) * 46, 112, 36);
        p->SetColor(kFace);
        p->SetFont(UiFont());
        p->SetBorderOuter(TFrameStyleEx(i));
        p->SetFlatColor(RGBColor(90, 100, 115));
        p->SetFlatColorAdjustment(0);
        p->SetCaption(names[i]);
        p->Show();
    }
    const char* gradients[] = {"DiagonalUp", "DiagonalDown", "HorizontalEnd", "HorizontalCenter", "HorizontalBox",
                               "VerticalEnd", "VerticalCenter", "VerticalBox", "SquareBox", "BigSquareBox"};
    for (int i = 0; i < 10; ++i) {
        auto* p = new TRzPanel(nullptr);
        p->SetParent(&host);
        p->SetBounds(12 + (i % 5) * 148, 116 + (i / 5) * 70, 136, 60);
        p->SetBorderOuter(fsFlat);
        p->SetFlatColor(RGBColor(20, 22, 26));
        p->SetFlatColorAdjustment(0);
        p->SetVisualStyle(vsGradient);
        p->SetGradientColorStyle(gcsCustom);
        p->SetGradientColorStart(RGBColor(84, 96, 114));
        p->SetGradientColorStop(RGBColor(26, 29, 35));
        p->SetGradientDirection(TGradientDirection(i));
        p->SetFont(UiFont(-10));
        p->SetCaption(gradients[i]);
        p->Show();
    }
    const struct {
        TRzGroupBoxStyle style;
        const char* caption;
    } groups[] = {{gsStandard, "Standard"}, {gsTopLine, "Top line"}, {gsFlat, "Flat"},
                  {gsBanner, "Banner"},     {gsUnderline, "Underline"}, {gsCustom, ""}};
    for (int i = 0; i < 6; ++i) {
        auto* g = new TRzGroupBox(nullptr);
        g->SetParent(&host);
        g->SetBounds(12 + (i % 3) * 248, 266 + (i / 3) * 100, 236, 90);
        g->SetTransparent(true);
        g->SetGroupStyle(groups[i].style);
        g->SetFlatColor(RGBColor(90, 100, 115));
        g->SetFlatColorAdjustment(0);
        g->SetGradientColorStyle(gcsCustom);
        g->SetGradientColorStart(RGBColor(70, 82, 100));
        g->SetGradientColorStop(RGBColor(40, 46, 56));
        TFont caption = UiFont(-11, fsBold);
        g->SetCaptionFont(caption);
        g->SetCaption(groups[i].caption);
        if (groups[i].style == gsCustom) {
            g->SetBorderOuter(fsFlatRounded);
            g->SetTransparent(false);
            g->SetColor(kFace);
            Caption(g, 12, 36, "Custom, rounded");
        }
        g->Show();
    }
    const QImage shot = Grab(host);
    ASSERT_TRUE(SaveGallery(shot, "gallery_frames.png"));
    EXPECT_EQ(PixelAt(shot, 20, 20), kFace);  // a panel face
    // The lowered frame's outer ring, in the dark look's shadow on the dark face.
    EXPECT_EQ(PixelAt(shot, 12 + 124 * 4, 12), ProgramLook::OnFace(clBtnShadow, kFace));
    EXPECT_EQ(PixelAt(shot, 400, 300), kBack);  // a transparent group box shows the window
}

TEST(Gallery, ButtonsInTheirStates) {
    ShownForm f(760, 330);
    f.host->SetColor(kBack);
    TWinControl* h = f.host;
    const char* states[] = {"normal", "hot", "pressed", "latched", "disabled", "focused"};
    for (int i = 0; i < 6; ++i) Caption(h, 12 + i * 124, 8, states[i]);
    CommandButton(h, 12, 24, "Store");
    TRzBmpButton* hot = CommandButton(h, 136, 24, "Recall");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(hot, &enter);
    TRzBmpButton* pressed = CommandButton(h, 260, 24, "Upload");
    TRzBmpButton* latched = CommandButton(h, 384, 24, "Gain");
    latched->SetGroupIndex(1);
    latched->SetDown(true);
    TRzBmpButton* disabled = CommandButton(h, 508, 24, "Connect");
    TBitmap dim;
    Plate(dim, 86, 26, QColor(52, 57, 65), QColor(40, 44, 51), QColor(30, 33, 38));
    disabled->Bitmaps().SetDisabled(dim);
    disabled->SetEnabled(false);
    TRzBmpButton* focused = CommandButton(h, 632, 24, "Save");
    focused->SetShowFocus(true);
    focused->SetFocus();
    QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(40, 12));

    // Push buttons (the band tables' bypass buttons) and their states.
    auto push = [&](int x, const QString& caption) {
        auto* b = new TRzButton(&f.form);
        b->SetParent(h);
        b->SetThemeAware(false);
        b->SetBounds(x, 72, 86, 24);
        b->SetColor(kFace);
        b->SetFont(UiFont());
        b->SetCaption(caption);
        b->Show();
        return b;
    };
    push(12, "Bypass");
    TRzButton* hotPush = push(136, "Hot track");
    hotPush->SetHotTrack(true);
    QApplication::sendEvent(hotPush, &enter);
    TRzButton* down = push(260, "Pressed");
    TRzButton* group = push(384, "Latched");
    group->SetGroupIndex(2);
    group->SetDown(true);
    push(508, "Disabled")->SetEnabled(false);
    TRzButton* def = push(632, "Default");
    def->SetDefault(true);
    QTest::mousePress(down, Qt::LeftButton, {}, QPoint(40, 12));

    // LED buttons: overlay toggles off, on, pressed and disabled; wide show-all toggles.
    auto power = [&](int x, int y, int w, const QString& caption) {
        auto* b = new TVrPowerButton(&f.form);
        b->SetParent(h);
        b->SetBounds(x, y, w, 16);
        b->SetColor(clBlack);
        b->SetBevelWidth(0);
        b->SetOutlineWidth(0);
        b->Palette().SetLow(clOlive);
        b->Palette().SetHigh(clYellow);
        b->SetFont(UiFont(-11, 0, kText));
        b->SetCaption(caption);
        b->Show();
        return b;
    };
    power(12, 120, 47, "Out1");
    power(67, 120, 47, "Out2")->SetActive(true);
    TVrPowerButton* pressedLed = power(122, 120, 47, "InA");
    power(177, 120, 47, "InB")->SetEnabled(false);
    power(260, 120, 118, "Show all EQ")->SetActive(true);
    power(384, 120, 118, "Show all EQ");
    QTest::mousePress(pressedLed, Qt::LeftButton, {}, QPoint(20, 8));
    auto demo = [&](int x, const QString& caption) {
        auto* b = new TVrDemoButton(&f.form);
        b->SetParent(h);
        b->SetBounds(x, 148, 65, 17);
        b->SetBevelWidth(1);
        b->SetColor(clBlack);
        TFont font = UiFont(-11, fsBold, clActiveBorder);
        font.SetName("Arial");
        b->SetFontLeave(font);
        font.SetColor(clWhite);
        b->SetFontEnter(font);
        b->SetCaption(caption);
        b->Show();
        return b;
    };
    demo(12, "Bypass");
    TVrDemoButton* hoverDemo = demo(85, "Reset");
    QApplication::sendEvent(hoverDemo, &enter);
    TVrDemoButton* downDemo = demo(158, "Bypass");
    QTest::mousePress(downDemo, Qt::LeftButton, {}, QPoint(20, 8));

    // Combo boxes: the slope selectors and a band-type list.
    auto combo = [&](int x, int width, TComboBoxStyle style) {
        auto* c = new TRzComboBox(&f.form);
        c->SetParent(h);
        c->SetStyle(style);
        c->SetBounds(x, 196, width, 22);
        TFont font = UiFont(-11, 0, clBlack);
        font.SetName("Arial");
        c->SetFont(font);
        for (const char* s : {"BW -6", "BW -12", "BW -18", "LK -24", "LK -48"}) c->Add(s);
        c->SetItemIndex(1);
        c->Show();
        return c;
    };
    TRzComboBox* slope = combo(12, 60, csDropDown);
    slope->SetFlatButtons(true);
    slope->SetColor(0x00FFFFDF);
    TRzComboBox* hotSlope = combo(84, 60, csDropDown);
    hotSlope->SetFlatButtons(true);
    hotSlope->SetColor(0x00FFFFDF);
    QApplication::sendEvent(hotSlope, &enter);
    TRzComboBox* framed = combo(156, 96, csDropDownList);
    framed->SetFrameVisible(true);
    framed->SetFrameColor(RGBColor(90, 100, 115));
    framed->SetFlatButtons(true);
    framed->SetColor(RGBColor(58, 65, 76));
    framed->SetFont(UiFont(-11, 0, kText));
    TRzComboBox* off = combo(264, 96, csDropDownList);
    off->SetFlatButtons(true);
    off->SetEnabled(false);
    // Owner-drawn: each slope with a swatch of its own colour before the text.
    TRzComboBox* drawn = combo(372, 110, csOwnerDrawFixed);
    drawn->SetItemHeight(18);
    drawn->SetItemIndex(3);
    drawn->OnDrawItem = [](TComponent*, TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState) {
        static const TColor swatch[] = {RGBColor(64, 170, 255), RGBColor(90, 200, 120), RGBColor(230, 190, 60),
                                        RGBColor(230, 110, 60), RGBColor(200, 70, 90)};
        canvas.FillRect(rect);
        const TBrush keep = canvas.Brush;
        canvas.Brush.Color = swatch[index % 5];
        canvas.FillRect(Rect(rect.Left + 3, rect.Top + 4, rect.Left + 13, rect.Bottom - 4));
        canvas.Brush = keep;
        canvas.Brush.Style = bsClear;
        canvas.TextOut(rect.Left + 18, rect.Top + (rect.Height() - canvas.TextHeight("Ay")) / 2,
                       QString("Slope %1").arg(index + 1));
        canvas.Brush.Style = bsSolid;
    };

    // Labels in their text styles.
    auto label = [&](int x, int y, const QString& text) {
        TRzLabel* l = Caption(h, x, y, text, kText);
        l->SetFont(UiFont(-14, fsBold, kText));
        l->SetAutoSize(true);
        return l;
    };
    label(12, 240, "Normal");
    TRzLabel* raised = label(100, 240, "Raised");
    raised->SetTextStyle(tsRaised);
    raised->SetShadowColor(clBlack);
    raised->SetHighlightColor(RGBColor(90, 100, 115));
    TRzLabel* recessed = label(190, 240, "Recessed");
    recessed->SetTextStyle(tsRecessed);
    recessed->SetShadowColor(clBlack);
    recessed->SetHighlightColor(RGBColor(90, 100, 115));
    TRzLabel* shadow = label(300, 240, "Shadow");
    shadow->SetTextStyle(tsShadow);
    shadow->SetShadowColor(clBlack);
    label(390, 240, "Disabled")->SetEnabled(false);
    TRzLabel* blink = label(490, 240, "Blink");
    blink->SetBlinkColor(kAccent);
    blink->SetBlinking(true);
    blink->Perform(0xB3E9, bsOff);
    TRzLabel* boxed = label(560, 236, "Framed");
    boxed->SetAutoSize(false);
    boxed->SetBounds(560, 234, 84, 26);
    boxed->SetAlignment(taCenter);
    boxed->SetLayout(tlCenter);
    boxed->SetBorderOuter(fsFlatRounded);
    boxed->SetFlatColor(RGBColor(90, 100, 115));
    boxed->SetFlatColorAdjustment(0);
    TRzLabel* turned = label(12, 262, "Turned 30");
    turned->SetAutoSize(false);
    turned->SetBounds(12, 262, 120, 60);
    turned->SetAngle(30);
    TRzLabel* curved = label(150, 262, "Along a circle");
    curved->SetAutoSize(false);
    curved->SetBounds(150, 262, 140, 66);
    curved->SetFont(UiFont(-12, fsBold, kText));
    curved->SetRotation(roCurve);
    curved->SetCenterPoint(cpLowerCenter);
    curved->SetAngle(60);

    // A shaped plate.
    auto* plate = new TRzShapeButton(&f.form);
    plate->SetParent(h);
    TBitmap shape;
    Plate(shape, 120, 36, QColor(60, 68, 80), QColor(36, 40, 48), QColor(20, 22, 26));
    QImage framedShape(126, 42, QImage::Format_ARGB32_Premultiplied);
    framedShape.fill(QColor(0, 128, 128));
    QPainter(&framedShape).drawImage(3, 3, shape.Image());
    shape.SetImage(framedShape);
    plate->SetBitmap(shape);
    plate->SetLeft(320);
    plate->SetTop(272);
    plate->SetFont(UiFont(-11, fsBold));
    plate->SetCaption("Preset");
    plate->Show();

    Settle();
    QImage shot = Grab(*f.host);
    // The pressed controls hold the focus; the focused button is grabbed on its own after.
    focused->SetFocus();
    Settle();
    QPainter(&shot).drawImage(focused->pos(), Grab(*focused));
    ASSERT_TRUE(SaveGallery(shot, "gallery_buttons.png"));
    // The owner-drawn list dropped, its selected line highlighted with a focus rectangle.
    drawn->SetDroppedDown(true);
    Settle();
    auto* drawnList = drawn->findChild<QListWidget*>();
    ASSERT_NE(drawnList, nullptr);
    ASSERT_TRUE(SaveGallery(drawnList->window()->grab().toImage(), "gallery_combo_owner_drawn.png"));
    drawn->SetDroppedDown(false);
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseRelease(pressedLed, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseRelease(downDemo, Qt::LeftButton, {}, QPoint(200, 200));

    // The teal corners of the pictures show the window; the latched button its glow.
    EXPECT_EQ(PixelAt(shot, 12, 24), kBack);
    EXPECT_EQ(PixelAt(shot, 384 + 43, 24 + 22), RGBColor(64, 170, 255));
    // The lit LED is yellow, the unlit olive.
    EXPECT_EQ(PixelAt(f.host->grab().toImage(), 67 + 10, 128), clYellow);
}

TEST(Gallery, DockSiteCaptionBars) {
    // Three sites: caption bars on top (one client focused), bars on the left of a
    // top-aligned site, and the plain grips without ShowDockClientCaptions.
    ShownForm f(640, 200);
    f.host->SetColor(kBack);
    auto site = [&](int x, bool captions, TAlign align) {
        // Each site fills a holder of its own, aligned as asked.
        auto* holder = new TSolidHost(&f.form, kBack);
        holder->SetParent(f.host);
        holder->SetBounds(x, 10, 200, 180);
        holder->Show();
        auto* p = new TRzPanel(&f.form);
        p->SetParent(holder);
        p->SetBounds(0, 0, 200, 180);
        p->SetAlign(align);
        p->SetBorderOuter(fsFlat);
        p->SetColor(kFace);
        p->SetShowDockClientCaptions(captions);
        p->SetDockSite(true);
        p->Show();
        return p;
    };
    auto client = [&](TRzPanel* p, const QString& caption) {
        auto* c = new TRzPanel(&f.form);
        c->SetCaption(caption);
        c->SetBorderOuter(fsNone);
        c->SetColor(RGBColor(58, 65, 76));
        c->SetFont(UiFont(-11, 0, kText));
        p->DockManager()->InsertControl(c);
        return c;
    };
    TRzPanel* top = site(10, true, alNone);
    client(top, "Input gain");
    TRzPanel* focused = client(top, "Output delay");
    focused->SetTabStop(true);
    focused->SetFocus();
    TRzPanel* left = site(220, true, alTop);
    client(left, "EQ");
    client(left, "Limiter");
    TRzPanel* grips = site(430, false, alNone);
    client(grips, "Gain");
    client(grips, "Delay");
    Settle();
    const QImage shot = Grab(*f.host);
    ASSERT_TRUE(SaveGallery(shot, "gallery_dock_captions.png"));
    EXPECT_EQ(PixelAt(shot, 10 + 150, 10 + 1 + 89 + 3), Rgb(clActiveCaption));  // the focused client's bar
}

}  // namespace
