#include "AdvTrackBar.h"
#include "StyledTestSupport.h"

#include "ui/TForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include <cmath>
#include <vector>

namespace {

void LoadPicture(TGDIPPicture& picture, const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    picture.LoadFromStream(&file);
}

// A form with one fader set up as the main window's gain faders.
class Fader : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 200, 240);
        bar = new TAdvTrackBar(&form);
        bar->SetParent(&form);
        bar->SetOrientation(trVertical);
        bar->SetBounds(20, 20, 26, 155);
        bar->SetMin(-280);
        bar->SetMax(120);
        bar->SetPageSize(6);
        bar->TickMark().SetStyle(tsNone);
        bar->SetShowFocus(true);
        bar->Slider().SetSize(3);
        bar->Slider().SetBorderColor(clMedGray);
        bar->Thumb().SetSize(16);
        bar->Thumb().SetWidth(29);
        LoadPicture(bar->Thumb().Picture(), QStringLiteral(":/styled/ThumbA.bmp"));
        LoadPicture(bar->Thumb().PictureHot(), QStringLiteral(":/styled/ThumbAHot.bmp"));
        LoadPicture(bar->Thumb().PictureDown(), QStringLiteral(":/styled/ThumbAHot.bmp"));
        bar->Loaded();
        bar->OnChange = [this](TComponent* sender) {
            EXPECT_EQ(sender, bar);
            changes.push_back(bar->Position());
        };
        form.Show();
        QApplication::setActiveWindow(&form);
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(bar, key, modifiers); }

    TForm form{nullptr};
    TAdvTrackBar* bar = nullptr;
    std::vector<int> changes;
};

}  // namespace

TEST_F(Fader, SetPositionTable) {
    struct Case {
        int start, value, stored;
        bool event;
    };
    for (const Case& c : {Case{0, 0, 0, false}, Case{0, 50, 50, true}, Case{0, 500, 120, true},
                          Case{120, 125, 120, true}, Case{0, -999, -280, true}, Case{-280, -280, -280, false}}) {
        bar->OnChange = nullptr;
        bar->SetPosition(c.start);
        changes.clear();
        bar->OnChange = [this](TComponent*) { changes.push_back(bar->Position()); };
        bar->SetPosition(c.value);
        EXPECT_EQ(bar->Position(), c.stored) << c.start << " -> " << c.value;
        EXPECT_EQ(changes.size(), c.event ? 1u : 0u) << c.start << " -> " << c.value;
    }
}

TEST_F(Fader, GeometryOfTheGainFader) {
    EXPECT_EQ(bar->Thumb().Size(), 16);
    EXPECT_EQ(bar->Thumb().Width(), 29);
    EXPECT_EQ(bar->TrackRect(), QRect(13, 3, 10, 149));
    EXPECT_EQ(bar->GrooveRect(), QRect(13, 3, 3, 149));
    bar->SetPosition(0);
    // 120 pixels of travel for 400 units: position 0 lies 84 pixels above the bottom.
    EXPECT_EQ(bar->GetThumbRect(), QRect(6, 152 - 84 - 29, 16, 29));
    bar->SetPosition(-280);
    EXPECT_EQ(bar->GetThumbRect().bottom() + 1, 152);
    bar->SetPosition(120);
    EXPECT_EQ(bar->GetThumbRect().top(), 3);
    bar->SetPosition(-279);  // 0.3 pixels: rounds to 0
    EXPECT_EQ(bar->GetThumbRect().bottom() + 1, 152);
}

TEST_F(Fader, KeysAndWheelAtTheEnds) {
    struct Case {
        int start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
        std::size_t events;
    };
    for (const Case& c : {Case{120, Qt::Key_PageUp, Qt::NoModifier, 120, 1}, Case{120, Qt::Key_Up, Qt::NoModifier, 120, 0},
                          Case{-280, Qt::Key_Down, Qt::NoModifier, -280, 0}, Case{0, Qt::Key_Home, Qt::NoModifier, 120, 1},
                          Case{0, Qt::Key_End, Qt::NoModifier, -280, 1}, Case{0, Qt::Key_PageDown, Qt::NoModifier, -6, 1},
                          Case{0, Qt::Key_Right, Qt::NoModifier, 1, 1}, Case{0, Qt::Key_Up, Qt::ShiftModifier, 0, 0}}) {
        bar->SetPosition(c.start);
        changes.clear();
        Key(c.key, c.modifiers);
        EXPECT_EQ(bar->Position(), c.expected) << c.start << " key " << c.key;
        EXPECT_EQ(changes.size(), c.events) << c.start << " key " << c.key;
    }
    auto wheel = [&](int delta) {
        QWheelEvent e(QPointF(10, 50), bar->mapToGlobal(QPointF(10, 50)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &e);
    };
    bar->SetPosition(120);
    changes.clear();
    wheel(120);
    EXPECT_TRUE(changes.empty());
    wheel(-120);
    EXPECT_EQ(bar->Position(), 119);
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(Fader, DragKeepsTheGrabOffset) {
    bar->SetPosition(0);
    const QRect thumb = bar->GetThumbRect();
    const QPoint grab(thumb.center().x(), thumb.y() + thumb.height() / 2 + 5);
    QTest::mousePress(bar, Qt::LeftButton, {}, grab);
    EXPECT_TRUE(bar->Sliding());
    QTest::mouseMove(bar, grab - QPoint(0, 30));
    // 30 pixels of 120 for 400 units: 100 units up.
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(bar->GetThumbRect().top(), thumb.top() - 30);
    QTest::mouseMove(bar, grab - QPoint(0, 31));
    EXPECT_EQ(bar->Position(), int(std::nearbyint(31 / 120.0 * 400)));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grab - QPoint(0, 31));
    EXPECT_FALSE(bar->Sliding());
}

TEST_F(Fader, PressBesideTheThumbRepeatsAfter400ThenEvery100Ms) {
    FakeClock clock;
    bar->SetPosition(0);
    const QRect thumb = bar->GetThumbRect();
    const QPoint above(18, thumb.top() - 20);
    std::vector<int> times;
    bar->OnChange = [&](TComponent*) { times.push_back(clock.Now()); };
    QTest::mousePress(bar, Qt::LeftButton, {}, above);
    EXPECT_EQ(bar->Position(), 6);
    clock.Advance(399);
    EXPECT_EQ(times.size(), 1u);
    clock.Advance(1);
    clock.Advance(250);
    EXPECT_EQ(times, (std::vector<int>{0, 400, 500, 600}));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, above);
    clock.Advance(500);
    EXPECT_EQ(times.size(), 4u);
    EXPECT_FALSE(bar->RepeatTimer()->Enabled());

    // Pressing below the thumb steps down; at an end each repeat still reports.
    bar->SetPosition(-277);
    times.clear();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(18, 152));
    clock.Advance(400);
    EXPECT_EQ(bar->Position(), -280);
    EXPECT_EQ(times.size(), 2u);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(18, 152));
}

TEST_F(Fader, MouseDownEventComesFirst) {
    std::vector<std::string> order;
    bar->OnMouseDown = [&](TComponent* sender, TMouseButton, TShiftState, int, int) {
        EXPECT_EQ(sender, bar);
        order.push_back(bar->Sliding() ? "sliding" : "idle");
    };
    const QRect thumb = bar->GetThumbRect();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    EXPECT_EQ(order, std::vector<std::string>{"idle"});
    EXPECT_TRUE(bar->Sliding());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center());
}

TEST_F(Fader, AThumbAsLongAsTheTrackLeavesPositionAlone) {
    bar->SetBounds(20, 20, 26, 30);  // track shorter than the 29-pixel thumb: no travel
    bar->SetPosition(0);
    changes.clear();
    const QRect thumb = bar->GetThumbRect();
    const QRect track = bar->TrackRect();
    ASSERT_LE(track.height(), thumb.height());
    // Presses on the track beside the thumb, so the click paths run, not the drag.
    const QPoint beside(track.center().x(), thumb.top() - 1);
    ASSERT_FALSE(thumb.contains(beside));
    ASSERT_TRUE(track.adjusted(-4, -4, 4, 4).contains(beside));

    bar->SetMoveOnClick(mcMove);
    QTest::mousePress(bar, Qt::LeftButton, {}, beside);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, beside);
    bar->SetMoveOnClick(mcStep);
    QTest::mousePress(bar, Qt::LeftButton, {}, beside);
    EXPECT_TRUE(bar->RepeatTimer()->Enabled()) << "the press took the step path";
    QTest::mouseRelease(bar, Qt::LeftButton, {}, beside);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, thumb.center() - QPoint(0, 10));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() - QPoint(0, 10));
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_TRUE(changes.empty());
}

TEST_F(Fader, LimitsAndDesignTime) {
    bar->SetPosition(100);
    changes.clear();
    bar->SetMax(120);
    EXPECT_TRUE(changes.empty());
    bar->SetMax(50);
    EXPECT_EQ(changes, std::vector<int>{50});
    // Min above Max is not prevented: values below Min clamp to Min, all others to Max.
    bar->SetMin(60);
    EXPECT_EQ(bar->Position(), 50);
    bar->SetPosition(10);
    EXPECT_EQ(bar->Position(), 60);
    bar->SetPosition(70);
    EXPECT_EQ(bar->Position(), 50);
    bar->SetMin(-280);
    bar->SetMax(120);
    changes.clear();
    bar->SetDesigning(true);
    bar->SetPosition(10);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_TRUE(changes.empty());
}

TEST(TrackBar, RatingMode) {
    TForm form(nullptr);
    TAdvTrackBar bar(&form);
    bar.SetParent(&form);
    bar.SetBounds(0, 0, 150, 40);
    bar.SetMin(0);
    bar.SetMax(5);
    bar.SetPosition(3);
    QBuffer star;
    star.setData(ImageFile(Solid(12, 12, Qt::yellow), "PNG"));
    star.open(QIODevice::ReadOnly);
    bar.RateActive().LoadFromStream(&star);
    star.seek(0);
    QBuffer dim;
    dim.setData(ImageFile(Solid(12, 12, Qt::gray), "PNG"));
    dim.open(QIODevice::ReadOnly);
    bar.RateInActive().LoadFromStream(&dim);
    ASSERT_TRUE(bar.RatingMode());
    form.Show();
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(image.pixel(bar.RateCell(3).center()), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(bar.RateCell(4).center()), QColor(Qt::gray).rgb());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.RateCell(5).center());
    EXPECT_EQ(bar.Position(), 5);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.RateCell(1).topLeft() + QPoint(-2, 3));
    EXPECT_EQ(bar.Position(), 0);
}

TEST(TrackBar, PartsAndPresets) {
    TAdvTrackBar bar(nullptr);
    EXPECT_EQ(bar.GetLabelText(), QStringLiteral("Pos: 0"));
    bar.SetMin(-10);
    bar.SetPosition(-6);
    EXPECT_EQ(bar.GetLabelText(), QStringLiteral("Pos: -6"));

    QBuffer png;
    png.setData(ImageFile(Solid(14, 9, Qt::blue), "PNG"));
    png.open(QIODevice::ReadOnly);
    bar.Buttons().MinPicture().LoadFromStream(&png);
    EXPECT_EQ(bar.Buttons().Size(), 14);  // horizontal bar: the picture's width
    bar.Buttons().SetSize(30);
    EXPECT_EQ(bar.Buttons().Size(), 14);

    bar.Thumb().SetColor(123);
    bar.Slider().SetOffset(4);
    bar.SetComponentStyle(tsCustom);
    EXPECT_EQ(bar.Thumb().Color(), 123u);
    EXPECT_EQ(bar.Slider().Offset(), 10);
    bar.SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(bar.Thumb().Color(), 13224393u);
    EXPECT_EQ(bar.Buttons().ColorMirror(), 8421504u);
    EXPECT_EQ(bar.TickMark().Color(), 2500134u);

    TTrackBarThumb other(nullptr);
    EXPECT_THROW(bar.Slider().Assign(&other), std::bad_cast);
    EXPECT_NO_THROW(bar.Thumb().Assign(&bar.Slider()));
}

// The label's format comes from a layout or a stored setting: whatever it holds is drawn as
// text, and only number conversions take the position.
TEST(TrackBar, LabelFormatIsNeverAPrintfFormat) {
    TForm form(nullptr);
    TAdvTrackBar bar(&form);
    bar.SetParent(&form);
    bar.SetBounds(0, 0, 200, 60);
    bar.SetMin(-10);
    bar.SetPosition(-6);
    bar.TrackLabel().SetVisible(true);
    form.Show();
    const struct {
        const char* format;
        const char* text;
    } cases[] = {
        {"Pos: %d", "Pos: -6"},      {"Pos: %s", "Pos: %s"},     {"%n%n", "%n%n"},
        {"%d %d %d %s", "-6   %s"}, {"%5.1f dB", " -6.0 dB"}, {"100%% %x", "100% %x"},
    };
    for (const auto& c : cases) {
        bar.TrackLabel().SetFormat(QString::fromLatin1(c.format));
        EXPECT_EQ(bar.GetLabelText().toStdString(), c.text) << c.format;
        EXPECT_FALSE(bar.grab().isNull()) << c.format;  // drawn with that label
    }
}
