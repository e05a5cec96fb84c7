#include "FramedTestSupport.h"
#include "ui/ProgramLook.h"
#include "VrButtons.h"

#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A power button as the main window places the overlay toggles.
TVrPowerButton* OverlayToggle(ShownForm& f, const QString& caption) {
    auto* b = new TVrPowerButton(&f.form);
    b->SetParent(f.host);
    b->SetBounds(10, 10, 47, 16);
    b->SetColor(clBlack);
    b->SetBevelWidth(0);
    b->SetOutlineWidth(0);
    b->Palette().SetLow(clOlive);
    b->Palette().SetHigh(clYellow);
    TFont font;
    font.SetName("Tahoma");
    font.SetColor(clWhite);
    b->SetFont(font);
    b->SetCaption(caption);
    b->Show();
    return b;
}

TColor LedPixel(TVrPowerButton& b) {
    const TRect r = b.ImageRect();
    return PixelAt(Grab(b), r.Left + r.Width() / 2, r.Top + r.Height() / 2);
}

TEST(VrSupport, PaletteFrameAndLayout) {
    TVrPalette a, b;
    int changes = 0;
    a.OnChange = [&](TVrPersistent*) { ++changes; };
    b.SetLow(clRed);
    b.SetHigh(clBlue);
    a.Assign(b);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a.GetColor(-5), clRed);
    EXPECT_EQ(a.GetColor(0), clRed);
    EXPECT_EQ(a.GetColor(1), clBlue);

    TBitmap board;
    FillBoard(board, 10, 10, clWhite);
    TRect r = Rect(0, 0, 10, 10);
    DrawFrame3D(board.Canvas(), r, clRed, clBlue, 2);
    EXPECT_EQ(r, Rect(2, 2, 8, 8));
    EXPECT_EQ(PixelAt(board, 0, 0), clRed);
    EXPECT_EQ(PixelAt(board, 1, 5), clRed);
    EXPECT_EQ(PixelAt(board, 9, 9), clBlue);
    EXPECT_EQ(PixelAt(board, 0, 9), clBlue);
    EXPECT_EQ(PixelAt(board, 2, 2), clWhite);
    r = Rect(0, 0, 10, 10);
    DrawFrame3D(board.Canvas(), r, clLime, clLime, 0);
    EXPECT_EQ(r, Rect(0, 0, 10, 10));

    // An empty caption with Margin -1 and Spacing 5 centres the image alone.
    TCanvas measure;
    TPoint pos;
    TRect text;
    CalcImageTextLayout(measure, Rect(10, 0, 110, 20), "", ImageLeft, -1, 5, Point(12, 12), pos, text);
    EXPECT_EQ(pos, Point(10 + 44, 4));
    CalcImageTextLayout(measure, Rect(0, 0, 100, 20), "", ImageTop, 3, -1, Point(12, 12), pos, text);
    EXPECT_EQ(pos, Point(44, 3));
}

TEST(PowerButton, LedAndCaptionAreCentredOnAnOverlayToggle) {
    ShownForm f;
    TVrPowerButton* b = OverlayToggle(f, "Out1");
    TCanvas measure;
    measure.Font = b->Font();
    const int tw = measure.TextWidth("Out1"), th = measure.TextHeight("Out1");
    const int margin = (47 - (12 + 5 + tw) + 1) / 2;
    EXPECT_EQ(b->ImageRect(), Rect(margin, 2, margin + 12, 14));
    EXPECT_EQ(b->TextBounds().Left, margin + 12 + 5);
    EXPECT_EQ(b->TextBounds().Top, (16 - th + 1) / 2);
    EXPECT_EQ(LedPixel(*b), clOlive);
    EXPECT_EQ(PixelAt(Grab(*b), b->ImageRect().Left + 1, 8), clBlack);  // the black ring
}

TEST(PowerButton, ClickTogglesOncePressDragOffDoesNothing) {
    ShownForm f;
    TVrPowerButton* b = OverlayToggle(f, "InA");
    std::vector<QString> log;
    b->OnClick = [&](TComponent*) { log.push_back("click:" + QString::number(b->Active())); };
    b->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_TRUE(b->Active());
    EXPECT_EQ(LedPixel(*b), clYellow);
    EXPECT_EQ(log, (std::vector<QString>{"up", "click:1"}));

    // Off and back on before the release: one toggle, one click.
    log.clear();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseMove(b, QPoint(200, 8));
    EXPECT_FALSE(b->Pressed());
    QTest::mouseMove(b, QPoint(20, 8));
    EXPECT_TRUE(b->Pressed());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(log, (std::vector<QString>{"up", "click:0"}));

    // Released off the button: nothing changes.
    log.clear();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseMove(b, QPoint(20, 80));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 80));
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(log, (std::vector<QString>{"up"}));

    // Setting Active from code repaints and raises nothing.
    log.clear();
    b->SetActive(true);
    b->SetActive(true);
    EXPECT_EQ(LedPixel(*b), clYellow);
    EXPECT_TRUE(log.empty());

    // Space toggles too.
    b->SetFocus();
    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_TRUE(b->Pressed());
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(log, (std::vector<QString>{"click:0"}));

    // A right click alone does nothing, but any button's release ends a left press.
    log.clear();
    QTest::mouseClick(b, Qt::RightButton, {}, QPoint(20, 8));
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(log, (std::vector<QString>{"up"}));
    log.clear();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseRelease(b, Qt::RightButton, {}, QPoint(20, 8));
    EXPECT_TRUE(b->Active());
    EXPECT_EQ(log, (std::vector<QString>{"up", "click:1"}));
}

TEST(PowerButton, DisabledLedShowsColorAndBevelsFollowPress) {
    ShownForm f;
    TVrPowerButton* b = OverlayToggle(f, "Out2");
    b->SetActive(true);
    b->SetEnabled(false);
    EXPECT_EQ(LedPixel(*b), clBlack);
    b->SetEnabled(true);
    b->SetBounds(10, 10, 118, 16);
    b->SetBevelWidth(2);
    b->SetOutlineWidth(1);
    QImage shot = Grab(*b);
    EXPECT_EQ(PixelAt(shot, 0, 8), clBlack);             // the outline
    // The bevels in the dark look's colours on the black face.
    const TColor light = ProgramLook::OnFace(clBtnHighlight, clBlack), shadow = ProgramLook::OnFace(clBtnShadow, clBlack);
    EXPECT_EQ(PixelAt(shot, 1, 8), light);  // raised bevel
    EXPECT_EQ(PixelAt(shot, 116, 8), shadow);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 8));
    shot = Grab(*b);
    EXPECT_EQ(PixelAt(shot, 1, 8), shadow);  // sunken while pressed
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(50, 8));
}

TEST(DemoButton, ClicksOnReleaseInsideBeforeMouseUp) {
    ShownForm f;
    auto* b = new TVrDemoButton(&f.form);
    b->SetParent(f.host);
    b->SetBounds(10, 10, 65, 17);
    b->SetBevelWidth(1);
    b->SetColor(clBlack);
    b->SetCaption("Bypass");
    b->Show();
    std::vector<QString> log;
    b->OnClick = [&](TComponent*) { log.push_back("click"); };
    b->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_TRUE(b->Down());
    // Sunken while down, raised after; the bevels in the dark look's colours on black.
    EXPECT_EQ(PixelAt(Grab(*b), 1, 8), ProgramLook::OnFace(clBtnShadow, clBlack));
    QTest::mouseMove(b, QPoint(30, 40));
    EXPECT_FALSE(b->Down());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_EQ(log, (std::vector<QString>{"up"}));
    log.clear();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_EQ(log, (std::vector<QString>{"click", "up"}));
    EXPECT_EQ(PixelAt(Grab(*b), 1, 8), ProgramLook::OnFace(clBtnHighlight, clBlack));
}

}  // namespace
