#include "FramedTestSupport.h"
#include "ui/ProgramLook.h"
#include "RzButton.h"
#include "RzShapeButton.h"

#include "ui/LayoutProperties.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A bypass button as the band tables make them: classic drawing, no themes.
TRzButton* BypassButton(ShownForm& f, int left, int group = 0) {
    auto* b = new TRzButton(&f.form);
    b->SetParent(f.host);
    b->SetThemeAware(false);
    b->SetBounds(left, 10, 60, 22);
    b->SetCaption("Byp");
    b->SetGroupIndex(group);
    b->Show();
    return b;
}

TEST(PushButton, PressDragOffAndBack) {
    ShownForm f;
    TRzButton* b = BypassButton(f, 10);
    int clicks = 0;
    b->OnClick = [&](TComponent*) { ++clicks; };
    f.form.SetModalResult(mrOk);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(b->ShowDownVersion());
    QTest::mouseMove(b, QPoint(20, 22));  // the row below is outside
    EXPECT_FALSE(b->ShowDownVersion());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 22));
    EXPECT_EQ(clicks, 0);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(b, QPoint(80, 10));
    QTest::mouseMove(b, QPoint(20, 10));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.form.ModalResult(), mrNone);  // ModalResult 0 is handed on too
    // Space presses and releases it.
    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_TRUE(b->ShowDownVersion());
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST(PushButton, GroupsLatchOneAtATime) {
    ShownForm f;
    TRzButton* a = BypassButton(f, 10, 1);
    TRzButton* b = BypassButton(f, 80, 1);
    TRzButton* loose = BypassButton(f, 150, 0);
    a->SetDown(true);
    a->SetDown(false);  // no AllowAllUp: stays down
    EXPECT_TRUE(a->Down());
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(a->Down());
    EXPECT_FALSE(b->Down());
    loose->SetDown(true);
    EXPECT_FALSE(loose->Down());
    // A latched button shows the down pattern: equal-parity pixels in light grey.
    const QImage shot = Grab(*a);
    EXPECT_EQ(PixelAt(shot, 10, 4), RGBColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(PixelAt(shot, 11, 4), Rgb(clBtnFace));
}

TEST(PushButton, DefaultAndCancelAnswerEnterAndEscFromAnotherControl) {
    ShownForm f;
    TRzButton* ok = BypassButton(f, 10);
    TRzButton* cancel = BypassButton(f, 80);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    auto* other = new TCustomControl(&f.form);
    other->SetParent(f.host);
    other->SetBounds(150, 10, 40, 20);
    other->SetTabStop(true);
    other->Show();
    other->SetFocus();
    EXPECT_TRUE(ok->Active());
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(f.form.ModalResult(), mrOk);
    QTest::keyClick(other, Qt::Key_Escape);
    EXPECT_EQ(f.form.ModalResult(), mrCancel);
    // Focus on another push button makes that one active instead.
    cancel->SetFocus();
    EXPECT_FALSE(ok->Active());
    EXPECT_TRUE(cancel->Active());
    // The focused, active button has a frame ring and the look's solid focus frame.
    const QImage shot = Grab(*cancel);
    EXPECT_EQ(PixelAt(shot, 0, 10), Rgb(clWindowFrame));
    const QColor focus = ProgramLook::kFocus;
    for (const int x : {4, 5, 6}) EXPECT_EQ(PixelAt(shot, x, 4), RGBColor(focus.red(), focus.green(), focus.blue())) << x;
}

TEST(PushButton, RightAlignedCaptionKeepsTheShadowDepthFromTheEdge) {
    ShownForm f;
    TRzButton* b = BypassButton(f, 10);
    b->SetAlignment(taRightJustify);
    b->SetTextShadowDepth(3);
    int x = -1;
    TCanvas::SetTextOutHook([&](const TCanvas&, int tx, int, const QString& t) {
        if (t == "Byp") x = tx;
    });
    (void)Grab(*b);
    TCanvas::SetTextOutHook(nullptr);
    TCanvas measure;
    measure.Font = b->Font();
    EXPECT_EQ(x + measure.TextWidth("Byp"), 60 - 5 - 3);
    // An old layout's FrameFlat turns hot tracking on.
    EXPECT_TRUE(SetLayoutProperty(b, "FrameFlat", true));
    EXPECT_TRUE(b->HotTrack());
}

// A 10 x 6 picture: a 4 x 2 shape in the middle, teal around it (the bottom-left pixel).
void ShapePicture(TBitmap& picture) {
    FillBoard(picture, 10, 6, clTeal);
    picture.Canvas().Brush.Color = clYellow;
    picture.Canvas().FillRect(Rect(3, 2, 7, 4));
}

TEST(ShapeButton, BevelsGrowIntoTheTransparentSurroundings) {
    TRzShapeButton s(nullptr);
    TBitmap picture;
    ShapePicture(picture);
    s.SetBevelWidth(0);
    s.SetBorderStyle(bsNone);
    s.SetBitmap(picture);
    EXPECT_EQ(s.BitmapUp().Image(), s.Bitmap().Image());
    EXPECT_EQ(s.BitmapDown().Image(), s.Bitmap().Image());
    EXPECT_EQ(s.Width(), 14);  // the picture plus 4
    EXPECT_EQ(s.Height(), 10);

    s.SetBevelWidth(5);
    EXPECT_EQ(s.BevelWidth(), 2);
    s.SetBevelWidth(1);
    s.SetBorderStyle(bsSingle);
    // Up: ring 1 shadow on the right and bottom, highlight on the left and top; ring 2 the border.
    EXPECT_EQ(PixelAt(s.BitmapUp(), 7, 2), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(s.BitmapUp(), 5, 4), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(s.BitmapUp(), 2, 2), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(s.BitmapUp(), 5, 1), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(s.BitmapUp(), 8, 3), Rgb(cl3DDkShadow));
    EXPECT_EQ(PixelAt(s.BitmapUp(), 1, 3), Rgb(cl3DDkShadow));
    EXPECT_EQ(PixelAt(s.BitmapUp(), 0, 5), clTeal);
    // Down: the colours swap, and the outer ring leaves out the right and bottom.
    EXPECT_EQ(PixelAt(s.BitmapDown(), 7, 2), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(s.BitmapDown(), 2, 2), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(s.BitmapDown(), 8, 3), clTeal);
    EXPECT_EQ(PixelAt(s.BitmapDown(), 1, 3), Rgb(cl3DDkShadow));
}

TEST(ShapeButton, PressesOnlyCountOnTheShape) {
    ShownForm f;
    auto* s = new TRzShapeButton(&f.form);
    s->SetParent(f.host);
    s->SetLeft(20);
    s->SetTop(20);
    TBitmap picture;
    ShapePicture(picture);
    s->SetBevelWidth(1);
    s->SetBorderStyle(bsNone);
    s->SetBitmap(picture);
    s->Show();
    int clicks = 0;
    s->OnClick = [&](TComponent*) { ++clicks; };
    EXPECT_FALSE(s->PtInMask(0, 0));
    EXPECT_TRUE(s->PtInMask(4, 3));
    EXPECT_TRUE(s->PtInMask(2, 2));  // the bevel belongs to the shape
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(4, 3));
    EXPECT_EQ(clicks, 1);
    // A press on a transparent pixel does not reach the button.
    QTest::mousePress(f.host, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(s->State(), bsUp);
    QTest::mouseRelease(f.host, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks, 1);
    // Disabled: the up image, and presses are ignored.
    s->SetEnabled(false);
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(4, 3));
    EXPECT_EQ(clicks, 1);
    const QImage shot = Grab(*s);
    EXPECT_EQ(PixelAt(shot, 4, 3), clYellow);
}

// Moves the pointer over the button (no button held), straight to it as the window would.
void HoverAt(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

TEST(ShapeButton, HintAndCursorAreSwitchedOffOutsideTheShapeAndComeBackInside) {
    struct Case {
        bool preciseClick, preciseShowHint;
        bool hintOutside;       // ShowHint while over a transparent pixel
        TCursor cursorOutside;  // Cursor while over a transparent pixel
    };
    const Case cases[] = {
        {false, true, false, crHandPoint},   // the hint goes, the cursor stays
        {true, false, true, crDefault},      // the cursor goes, the hint stays
        {true, true, false, crHandPoint},    // the hint takes precedence
        {false, false, true, crHandPoint},   // both options off: nothing changes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "preciseClick " << c.preciseClick << " preciseShowHint " << c.preciseShowHint);
        TRzShapeButton s(nullptr);
        TBitmap picture;
        ShapePicture(picture);
        s.SetBevelWidth(0);  // no bevel: the shape is the yellow block only
        s.SetBorderStyle(bsNone);
        s.SetBitmap(picture);
        s.SetPreciseClick(c.preciseClick);
        s.SetPreciseShowHint(c.preciseShowHint);
        s.SetHint("Gain");
        s.SetShowHint(true);
        s.SetCursor(crHandPoint);
        HoverAt(&s, QPoint(0, 0));
        EXPECT_EQ(s.ShowHint(), c.hintOutside);
        EXPECT_EQ(s.toolTip(), c.hintOutside ? QString("Gain") : QString());
        EXPECT_EQ(s.Cursor(), c.cursorOutside);
        HoverAt(&s, QPoint(1, 1));  // still outside: what was saved stays saved
        HoverAt(&s, QPoint(4, 3));
        EXPECT_TRUE(s.ShowHint());
        EXPECT_TRUE(s.ParentShowHint());
        EXPECT_EQ(s.toolTip(), "Gain");
        EXPECT_EQ(s.Cursor(), crHandPoint);
    }
}

}  // namespace
