#include "graphics/ColorContrast.h"
#include "FramedTestSupport.h"
#include "RzBmpBtn.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr TColor kUp = RGBColor(40, 60, 90), kDown = RGBColor(200, 120, 0), kHot = RGBColor(60, 90, 140),
                 kStay = RGBColor(0, 160, 80);

// A button on a shown form with Up, Down, Hot and StayDown pictures (told apart by their
// middle pixel), stretched to the button, as the windows' buttons are set up.
TRzBmpButton* MakeButton(ShownForm& f, int left, int group = 0) {
    auto* b = new TRzBmpButton(&f.form);
    b->SetParent(f.host);
    b->SetBounds(left, 20, 60, 30);
    b->SetButtonSize(bszStretchToButton);
    TBitmap p;
    FramedPicture(p, 20, 10, kUp, clTeal);
    b->Bitmaps().SetUp(p);
    FramedPicture(p, 20, 10, kDown, clTeal);
    b->Bitmaps().SetDown(p);
    FramedPicture(p, 20, 10, kHot, clTeal);
    b->Bitmaps().SetHot(p);
    FramedPicture(p, 20, 10, kStay, clTeal);
    b->Bitmaps().SetStayDown(p);
    b->Bitmaps().SetTransparentColor(clTeal);
    b->SetShowFocus(false);
    b->SetGroupIndex(group);
    b->Show();
    return b;
}

TColor Middle(TRzBmpButton& b) { return PixelAt(Grab(b), b.Width() / 2, b.Height() / 2); }

struct Counter {
    int clicks = 0;
    void Attach(TRzBmpButton& b) {
        b.OnClick = [this](TComponent*) { ++clicks; };
    }
};

TEST(BitmapButton, PressDragOffDragBackAndRelease) {
    ShownForm f;
    TRzBmpButton* b = MakeButton(f, 10);
    b->SetModalResult(mrRetry);
    Counter c;
    c.Attach(*b);
    EXPECT_EQ(Middle(*b), kUp);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(b->State(), bsDown);
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(Middle(*b), kDown);
    QTest::mouseMove(b, QPoint(200, 15));
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(Middle(*b), kUp);
    QTest::mouseMove(b, QPoint(30, 15));
    EXPECT_EQ(b->State(), bsDown);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(c.clicks, 1);
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(f.form.ModalResult(), mrRetry);

    // Released off the button: no click.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 15));
    QTest::mouseMove(b, QPoint(30, 80));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(30, 80));
    EXPECT_EQ(c.clicks, 1);
    EXPECT_EQ(b->State(), bsUp);
    // A right press does not press it.
    QTest::mouseClick(b, Qt::RightButton, {}, QPoint(30, 15));
    EXPECT_EQ(c.clicks, 1);
}

TEST(BitmapButton, ReleaseOnTheRowBelowCountsButNotOnTheColumnRight) {
    ShownForm f;
    TRzBmpButton* b = MakeButton(f, 10);
    Counter c;
    c.Attach(*b);
    struct Case {
        QPoint at;
        int clicks;
    };
    for (const Case& k : {Case{{59, 29}, 1}, Case{{30, 30}, 1}, Case{{60, 15}, 0}, Case{{30, 31}, 0}, Case{{-1, 5}, 0}}) {
        c.clicks = 0;
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 15));
        QTest::mouseMove(b, k.at);
        QTest::mouseRelease(b, Qt::LeftButton, {}, k.at);
        EXPECT_EQ(c.clicks, k.clicks) << k.at.x() << "," << k.at.y();
    }
}

TEST(BitmapButton, LatchedGroupReleasesItsOtherMembers) {
    ShownForm f;
    TRzBmpButton* b1 = MakeButton(f, 10, 1);
    TRzBmpButton* b2 = MakeButton(f, 80, 1);
    TRzBmpButton* b3 = MakeButton(f, 150, 1);
    TRzBmpButton* other = MakeButton(f, 220, 2);
    other->SetDown(true);
    b1->SetDown(true);
    EXPECT_EQ(Middle(*b1), kStay);
    Counter c;
    c.Attach(*b2);

    QTest::mouseClick(b2, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_TRUE(b2->Down());
    EXPECT_FALSE(b1->Down());
    EXPECT_EQ(b1->State(), bsUp);
    EXPECT_FALSE(b3->Down());
    EXPECT_TRUE(other->Down());  // another group
    EXPECT_EQ(c.clicks, 1);
    // Clicking the latched button again keeps it latched (and still clicks).
    QTest::mouseClick(b2, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_TRUE(b2->Down());
    EXPECT_EQ(b2->State(), bsExclusive);
    EXPECT_EQ(c.clicks, 2);
    b2->SetDown(false);  // the writer cannot release it either
    EXPECT_TRUE(b2->Down());
    // With AllowAllUp (handed on to the group) a click releases it and none is down.
    b3->SetAllowAllUp(true);
    EXPECT_TRUE(b2->AllowAllUp());
    QTest::mouseClick(b2, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_FALSE(b1->Down() || b2->Down() || b3->Down());

    // The writer latches a member and releases the latched sibling; without a group it does
    // nothing.
    b1->SetDown(true);
    b3->SetDown(true);
    EXPECT_FALSE(b1->Down());
    EXPECT_TRUE(b3->Down());
    TRzBmpButton* loose = MakeButton(f, 10, 0);
    loose->SetDown(true);
    EXPECT_FALSE(loose->Down());
}

TEST(BitmapButton, KeyboardClicks) {
    ShownForm f;
    TRzBmpButton* b = MakeButton(f, 10);
    Counter c;
    c.Attach(*b);
    b->SetFocus();
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(c.clicks, 1);
    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_EQ(b->State(), bsDown);
    EXPECT_EQ(Middle(*b), kDown);
    EXPECT_EQ(c.clicks, 1);
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_EQ(c.clicks, 2);
    EXPECT_EQ(b->State(), bsUp);

    // A keyboard click on a latched member of a group stays drawn latched.
    TRzBmpButton* g = MakeButton(f, 80, 3);
    g->SetDown(true);
    g->SetFocus();
    QTest::keyPress(g, Qt::Key_Space);
    QTest::keyRelease(g, Qt::Key_Space);
    EXPECT_TRUE(g->Down());
    EXPECT_EQ(g->State(), bsExclusive);
    EXPECT_EQ(Middle(*g), kStay);
}

TEST(BitmapButton, DisabledPicturesAndHot) {
    ShownForm f;
    TRzBmpButton* b = MakeButton(f, 10, 4);
    // Up with a black mark: the embossed form shows it as a shadow-coloured silhouette with
    // a white edge, on the button face.
    TBitmap up;
    FramedPicture(up, 60, 30, kUp, clTeal);
    up.Canvas().Brush.Color = clBlack;
    up.Canvas().FillRect(Rect(5, 5, 15, 12));
    b->Bitmaps().SetUp(up);
    b->SetCaption("Go");
    TFont bold;
    bold.SetHeight(-20);
    bold.SetStyle(fsBold);
    b->SetFont(bold);
    b->SetEnabled(false);
    QImage shot = Grab(*b);
    EXPECT_EQ(b->State(), bsDisabled);
    EXPECT_EQ(PixelAt(shot, 10, 8), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(shot, 15, 12), clWhite);
    EXPECT_EQ(PixelAt(shot, 5, 25), Rgb(clBtnFace));
    // The caption in one grey that reads on the face, without an embossed white copy.
    int grey = 0, white = 0;
    for (int y = 5; y < 25; ++y)
        for (int x = 20; x < 40; ++x) {
            grey += PixelAt(shot, x, y) == Rgb(DisabledTextOn(clBtnFace));
            white += PixelAt(shot, x, y) == clWhite;
        }
    EXPECT_GT(grey, 5);
    EXPECT_EQ(white, 0);
    // A latched button disabled and enabled again shows its StayDown picture.
    b->SetEnabled(true);
    b->SetDown(true);
    b->SetEnabled(false);
    (void)Grab(*b);
    b->SetEnabled(true);
    b->SetCaption("");
    EXPECT_EQ(Middle(*b), kStay);
    EXPECT_EQ(b->State(), bsExclusive);

    TRzBmpButton* h = MakeButton(f, 80);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(h, &enter);
    EXPECT_TRUE(h->MouseOverButton());
    EXPECT_EQ(Middle(*h), kHot);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(h, &leave);
    EXPECT_EQ(Middle(*h), kUp);
}

TEST(BitmapButton, TransparentPixelsShowTheParentAndSizesFollowTheRules) {
    ShownForm f;
    f.host->SetColor(RGBColor(10, 20, 30));
    TRzBmpButton* b = MakeButton(f, 10);
    b->SetBounds(10, 20, 24, 18);
    TBitmap big;
    FramedPicture(big, 50, 30, kUp, clTeal);
    b->Bitmaps().SetUp(big);
    b->SetColor(clWhite);  // a white brush leaves the background as it is
    QImage shot = Grab(*b);
    EXPECT_EQ(b->Width(), 24);  // stretched to the button, the button keeps its size
    EXPECT_EQ(PixelAt(shot, 0, 0), RGBColor(10, 20, 30));
    EXPECT_EQ(PixelAt(shot, 12, 9), kUp);
    b->SetColor(RGBColor(0, 255, 255));  // the background is ANDed with Color
    EXPECT_EQ(PixelAt(Grab(*b), 0, 0), RGBColor(0, 20, 30));

    auto* sized = new TRzBmpButton(&f.form);
    sized->SetParent(f.host);
    sized->BeginLoading();
    sized->Bitmaps().SetUp(big);
    sized->SetButtonBorder(bbSingle);
    EXPECT_EQ(sized->Width(), 80);  // not while loading
    sized->EndLoading();
    EXPECT_EQ(sized->Width(), 52);
    EXPECT_EQ(sized->Height(), 32);
}

TEST(BitmapButton, ClickHandsItsModalResultToTheFormEvenNone) {
    ShownForm f;
    TRzBmpButton* b = MakeButton(f, 10);
    f.form.SetModalResult(mrOk);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(f.form.ModalResult(), mrNone);
}

}  // namespace
