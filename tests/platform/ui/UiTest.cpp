#include "ui/SysUtils.h"
#include "ui/TForm.h"
#include "ui/TMenu.h"
#include "ui/TPaintBox.h"
#include "ui/TWinControl.h"

#include <QApplication>
#include <QPaintEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <clocale>

namespace {

// Handles everything already queued, including the repaints it leads to.
void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

TEST(Components, OwnerFindsByNameAndForgetsDeletedComponents) {
    TForm form(nullptr);
    auto* box = new TPaintBox(&form);
    box->SetName("pbLevelInA");
    box->SetTag(3);
    EXPECT_EQ(form.FindComponent("PBLEVELINA"), box);
    EXPECT_EQ(box->Owner(), &form);
    EXPECT_EQ(box->objectName(), "pbLevelInA");
    box->SetName("pbLevelInB");
    EXPECT_EQ(form.FindComponent("pbLevelInA"), nullptr);
    EXPECT_EQ(form.FindComponent("pbLevelInB"), box);
    EXPECT_EQ(form.ComponentCount(), 1);
    // A second component given the same name takes it; the first leaving does not drop it.
    auto* other = new TPaintBox(&form);
    other->SetName("PBLevelInB");
    EXPECT_EQ(form.FindComponent("pbLevelInB"), other);
    delete box;
    EXPECT_EQ(form.FindComponent("pbLevelInB"), other);
    EXPECT_EQ(form.ComponentCount(), 1);
    delete other;
    EXPECT_EQ(form.FindComponent("pbLevelInB"), nullptr);
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_EQ(form.FindComponent(""), nullptr);
}

TEST(Components, OwnerDeletesWhatItOwnsWhateverTheParents) {
    QPointer<TControl> panel, box, loose;
    {
        TForm form(nullptr);
        auto* p = new TWinControl(&form);
        p->SetParent(&form);
        auto* b = new TPaintBox(&form);  // owned by the form, placed on the panel
        b->SetParent(p);
        loose = new TPaintBox(&form);  // owned, never placed
        panel = p;
        box = b;
        delete p;  // takes the box with it; the form's table follows
        EXPECT_TRUE(box.isNull());
        EXPECT_EQ(form.ComponentCount(), 1);
    }
    EXPECT_TRUE(loose.isNull());
}

TEST(Controls, PublishedPropertiesByName) {
    TPaintBox box(nullptr);
    EXPECT_TRUE(box.setProperty("Tag", 7));
    EXPECT_TRUE(box.setProperty("Name", "pbX"));
    EXPECT_TRUE(box.setProperty("Caption", "Gain"));
    EXPECT_TRUE(box.setProperty("Left", 10));
    EXPECT_TRUE(box.setProperty("Width", 120));
    EXPECT_TRUE(box.setProperty("Color", QVariant::fromValue<TColor>(clSkyBlue)));
    TFont font;
    font.SetSize(11);
    EXPECT_TRUE(box.setProperty("Font", QVariant::fromValue(font)));
    EXPECT_EQ(box.Tag(), 7);
    EXPECT_EQ(box.Name(), "pbX");
    EXPECT_EQ(box.Caption(), "Gain");
    EXPECT_EQ(box.Left(), 10);
    EXPECT_EQ(box.Width(), 120);
    EXPECT_EQ(box.Color(), clSkyBlue);
    EXPECT_EQ(box.Font().Height(), -15);
    EXPECT_EQ(box.property("Visible").toBool(), true);
    box.SetCursor(crCross);
    EXPECT_EQ(box.cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(box.Cursor(), crCross);
    box.SetCursor(crDefault);
    EXPECT_EQ(box.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(box.Cursor(), crDefault);
}

class Events : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 300, 200);
        box = new TPaintBox(&form);
        box->SetParent(&form);
        box->SetBounds(10, 10, 100, 50);
        box->OnClick = [this](TComponent* sender) {
            EXPECT_EQ(sender, box);
            ++clicks;
        };
        box->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState s, int x, int y) {
            downs.push_back({b, s, x, y});
        };
        box->OnMouseUp = [this](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
        box->OnResize = [this](TComponent*) { ++resizes; };
    }
    struct Down {
        TMouseButton button;
        TShiftState shift;
        int x, y;
    };
    TForm form{nullptr};
    TPaintBox* box = nullptr;
    int clicks = 0, ups = 0, resizes = 0;
    std::vector<Down> downs;
};

TEST_F(Events, SettingPropertiesFiresNoInputEvent) {
    box->SetCaption("x");
    box->SetColor(clRed);
    box->SetVisible(false);
    box->SetVisible(true);
    box->SetEnabled(false);
    box->SetEnabled(true);
    box->SetTag(4);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(downs.empty());
    EXPECT_EQ(ups, 0);
}

TEST_F(Events, UserInputFiresWithSenderButtonShiftAndPosition) {
    form.Show();
    QTest::mouseClick(box, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 6));
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, mbLeft);
    EXPECT_EQ(downs[0].shift, TShiftState(ssCtrl | ssLeft));
    EXPECT_EQ(downs[0].x, 5);
    EXPECT_EQ(downs[0].y, 6);
    EXPECT_EQ(ups, 1);

    QTest::mouseClick(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(clicks, 1);  // a right click is no click
    EXPECT_EQ(downs.back().button, mbRight);

    // Released outside the control: no click.
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(500, 6));
    EXPECT_EQ(clicks, 1);

    const int before = resizes;
    box->SetBounds(10, 10, 120, 60);
    EXPECT_GT(resizes, before);  // OnResize follows every change of size
    form.Hide();
}

TEST(Visibility, VisibleIsTheControlsOwnSettingAndGraphicControlsStayBelowWindowedOnes) {
    TForm form(nullptr);
    EXPECT_FALSE(form.Visible());
    auto* panel = new TWinControl(&form);
    panel->SetParent(&form);
    auto* box = new TPaintBox(&form);
    EXPECT_TRUE(box->Visible());
    EXPECT_TRUE(box->isWindow());  // not placed: no window shown
    box->SetParent(&form);
    const QObjectList& children = form.children();
    EXPECT_LT(children.indexOf(box), children.indexOf(panel));
    box->BringToFront();
    EXPECT_LT(form.children().indexOf(box), form.children().indexOf(panel));
    panel->BringToFront();
    EXPECT_EQ(form.children().last(), panel);
    box->SetVisible(false);
    EXPECT_TRUE(box->isHidden());
    EXPECT_FALSE(box->Visible());
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(PaintBox, DrawingOutsidePaintShowsWithoutPaintingAgain) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* box = new TPaintBox(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 100, 50);
    PaintCounter counter;
    box->installEventFilter(&counter);
    int onPaint = 0;
    box->OnPaint = [&](TComponent* sender) {
        ++onPaint;
        TCanvas& c = static_cast<TPaintBox*>(sender)->Canvas();
        c.Brush.Color = clBlue;
        c.FillRect(Rect(0, 0, 100, 50));  // drawing inside a paint asks for no other
    };
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Settle();
    ASSERT_GE(onPaint, 1);
    const int paintsBefore = counter.paints, onPaintBefore = onPaint;
    EXPECT_EQ(paintsBefore, onPaintBefore);

    TCanvas& c = box->Canvas();
    c.Brush.Color = clRed;
    c.FillRect(Rect(0, 0, 10, 10));
    Settle();
    EXPECT_EQ(counter.paints, paintsBefore + 1);  // the area was shown
    EXPECT_EQ(onPaint, onPaintBefore);            // without running OnPaint

    box->Invalidate();
    Settle();
    EXPECT_EQ(counter.paints, paintsBefore + 2);
    EXPECT_EQ(onPaint, onPaintBefore + 1);
    form.Hide();
}

// A form of 300 x 200 with a menu bar and a solid box that can be placed anywhere.
class AutoScroll : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 300, 200);
        menu.Items().Add("File");
        menu.Refresh();
        corner = Place(5, menu.Height() + 2, 40, 20, clLime);
        box = Place(0, 0, 10, 10, clRed);
        form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override { form.Hide(); }
    TPaintBox* Place(int left, int top, int width, int height, TColor color) {
        auto* b = new TPaintBox(&form);
        b->SetParent(&form);
        b->SetBounds(left, top, width, height);
        b->OnPaint = [b, color](TComponent*) {
            b->Canvas().Brush.Color = color;
            b->Canvas().FillRect(Rect(0, 0, b->Width(), b->Height()));
        };
        return b;
    }
    bool HorzShown() const { return form.HorzScrollBar() && form.HorzScrollBar()->isVisible(); }
    bool VertShown() const { return form.VertScrollBar() && form.VertScrollBar()->isVisible(); }

    TForm form{nullptr};
    TMainMenu menu{&form};
    TPaintBox* corner = nullptr;
    TPaintBox* box = nullptr;
};

TEST_F(AutoScroll, BarsShowAlongTheSidesTheControlsReachBeyond) {
    form.SetAutoScroll(true);
    const int barWidth = form.VertScrollBar()->sizeHint().width();
    const int barHeight = form.HorzScrollBar()->sizeHint().height();
    struct Case {
        QRect bounds;
        bool horz, vert;
    } cases[] = {
        {{200, 100, 100, 100}, false, false},                // exactly fills the form
        {{250, 50, 100, 50}, true, false},                   // beyond the right edge
        {{50, 150, 50, 100}, false, true},                   // beyond the bottom edge
        {{300 - barWidth + 1 - 50, 150, 50, 200}, true, true},    // fits only without the vertical bar
        {{250, 200 - barHeight + 1 - 50, 100, 50}, true, true},  // fits only without the horizontal bar
    };
    for (const Case& c : cases) {
        box->SetBounds(c.bounds.x(), c.bounds.y(), c.bounds.width(), c.bounds.height());
        Settle();
        EXPECT_EQ(HorzShown(), c.horz) << c.bounds.x() << "," << c.bounds.y();
        EXPECT_EQ(VertShown(), c.vert) << c.bounds.x() << "," << c.bounds.y();
        const TRect client = form.GetClientRect();
        EXPECT_EQ(client.Right, 300 - (c.vert ? barWidth : 0));
    }
    // A hidden control needs no scrolling.
    box->SetVisible(false);
    Settle();
    EXPECT_FALSE(HorzShown());
    EXPECT_FALSE(VertShown());

    // Without AutoScroll no bar shows, however far the controls reach.
    box->SetVisible(true);
    form.SetAutoScroll(false);
    box->SetBounds(500, 500, 50, 50);
    Settle();
    EXPECT_FALSE(HorzShown());
    EXPECT_FALSE(VertShown());
    EXPECT_EQ(form.GetClientRect().Right, 300);
}

TEST_F(AutoScroll, ScrollingMovesTheControlsUnderAFixedMenuAndReachesEveryOne) {
    box->SetBounds(400, 350, 60, 40);  // content 460 x 390
    form.SetAutoScroll(true);
    Settle();
    ASSERT_TRUE(HorzShown() && VertShown());
    QScrollBar* horz = form.HorzScrollBar();
    QScrollBar* vert = form.VertScrollBar();
    EXPECT_GE(vert->y(), menu.Height()) << "the vertical bar starts below the menu";
    // Scrolled a little, the top control slides under the menu, which stays above it.
    vert->setValue(10);
    Settle();
    EXPECT_EQ(corner->Top(), menu.Height() - 8);
    EXPECT_EQ(menu.Bar()->pos(), QPoint(0, 0));
    QWidget* atMenu = form.childAt(20, menu.Height() - 4);
    EXPECT_TRUE(atMenu == menu.Bar() || menu.Bar()->isAncestorOf(atMenu));
    EXPECT_EQ(form.childAt(20, menu.Height() + 4), corner);

    horz->setValue(horz->maximum());
    vert->setValue(vert->maximum());
    Settle();
    const TRect client = form.GetClientRect();
    // The far box ends at the visible area's bottom-right corner and shows there.
    EXPECT_EQ(box->Left() + box->Width(), client.Right);
    EXPECT_EQ(box->Top() + box->Height(), client.Bottom);
    EXPECT_EQ(corner->Left(), 5 - horz->value());
    EXPECT_EQ(corner->Top(), menu.Height() + 2 - vert->value());
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(client.Right - 5, client.Bottom - 5), QColor(Qt::red));

    // A control moved while scrolled is placed where it shows and widens the range.
    const int maxBefore = vert->maximum();
    box->SetTop(box->Top() + 100);
    Settle();
    EXPECT_EQ(vert->maximum(), maxBefore + 100);

    // A larger window shortens the range; the controls follow the position it falls back to.
    form.SetBounds(0, 0, 480, 420);
    Settle();
    EXPECT_EQ(box->Top() + vert->value(), 450);
    EXPECT_EQ(corner->Left() + horz->value(), 5);
    EXPECT_LE(box->Top() + box->Height(), form.GetClientRect().Bottom);

    // Off: back to the origin, no bars.
    form.SetAutoScroll(false);
    Settle();
    EXPECT_FALSE(HorzShown() || VertShown());
    EXPECT_EQ(corner->Left(), 5);
    EXPECT_EQ(corner->Top(), menu.Height() + 2);
    EXPECT_EQ(box->Left(), 400);
    EXPECT_EQ(box->Top(), 450);
    // On again starts at the origin.
    form.SetBounds(0, 0, 300, 200);
    form.SetAutoScroll(true);
    Settle();
    EXPECT_EQ(horz->value(), 0);
    EXPECT_EQ(vert->value(), 0);
    EXPECT_EQ(corner->Top(), menu.Height() + 2);
}

TEST(Forms, ShowModalRunsUntilAModalResult) {
    TForm form(nullptr);
    form.SetCaption("Copy");
    EXPECT_EQ(form.windowTitle(), "Copy");
    int shows = 0;
    form.OnShow = [&](TComponent*) { ++shows; };
    QTimer::singleShot(0, &form, [&] { form.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(shows, 1);
    QTimer::singleShot(0, &form, [&] { form.close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);

    // A form destroyed by a handler while it is shown ends its loop with mrCancel.
    auto* doomed = new TForm(nullptr);
    QTimer::singleShot(0, [doomed] { delete doomed; });
    EXPECT_EQ(doomed->ShowModal(), mrCancel);
}

TEST(SysUtils, FloatToStrFFormats) {
    struct Case {
        double v;
        TFloatFormat f;
        int precision, digits;
        const char* text;
    };
    const Case cases[] = {
        {20, ffGeneral, 4, 4, "20"},
        {1, ffGeneral, 4, 4, "1"},
        {0, ffGeneral, 5, 4, "0"},
        {-18, ffGeneral, 5, 4, "-18"},
        {180, ffGeneral, 5, 4, "180"},
        {0.5, ffGeneral, 5, 4, "0.5"},
        {1e-5, ffGeneral, 5, 4, "0.00001"},
        {3.14159265e100, ffGeneral, 5, 4, "3.1416E0100"},
        {3.14159265e-100, ffGeneral, 5, 4, "3.1416E-0100"},
        {123456, ffGeneral, 4, 4, "1.235E0005"},
        {1234, ffGeneral, 4, 0, "1234"},
        {19.999999999999996, ffGeneral, 4, 4, "20"},
        {1234.5, ffExponent, 5, 2, "1.2345E+03"},
        {3.14159, ffFixed, 15, 2, "3.14"},
        {-0.0001, ffFixed, 15, 2, "0.00"},
        {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToStrF(c.v, c.f, c.precision, c.digits), c.text) << c.v;
    EXPECT_EQ(Sprintf("%4.1fdB", 6.0), " 6.0dB");
    std::setlocale(LC_NUMERIC, "C.UTF-8");
    EXPECT_EQ(Sprintf("%4.2fKHz", 1.5), "1.50KHz");
}

}  // namespace
