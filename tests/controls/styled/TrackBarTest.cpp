#include "AdvTrackBar.h"
#include "StyledTestSupport.h"

#include "ui/ProgramLook.h"
#include "ui/TForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScreen>
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

// A focused fader shows the look's solid focus frame along its edges (not black dots).
TEST_F(Fader, FocusShowsAsTheSolidFocusFrame) {
    bar->SetFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(bar->hasFocus());
    const QImage shot = bar->grab().toImage();
    const QColor focus = ProgramLook::kFocus;
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(25, 77), QPoint(12, 154)})
        EXPECT_EQ(shot.pixelColor(p), focus) << p.x() << "," << p.y();
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

namespace {

// The bounding box of the pixels of `image` inside `area` for which `match` holds.
template <typename Match>
QRect PixelsWhere(const QImage& image, const QRect& area, Match match) {
    QRect box;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            if (match(QColor(image.pixel(x, y)))) box |= QRect(x, y, 1, 1);
    return box;
}

// A bare horizontal bar on a shown form: no thumb pictures, drawn ticks.
struct PlainBar {
    PlainBar(int w, int h) {
        form.SetBounds(0, 0, w + 20, h + 20);
        bar.SetParent(&form);
        bar.SetBounds(0, 0, w, h);
        form.Show();
    }
    TForm form{nullptr};
    TAdvTrackBar bar{&form};
};

}  // namespace

// Tick images: image i at tick i (image 0 past the list's end), centred on the tick; a list
// that goes away leaves the bar with none.
TEST(TrackBar, TickImagesDrawnAndForgottenWhenTheListGoes) {
    PlainBar p(200, 50);
    TAdvTrackBar& bar = p.bar;
    bar.SetMax(3);
    bar.TickMark().SetStyle(tsAuto);
    bar.TickMark().SetSize(8);
    bar.TickMark().SetPosition(tmBottomRight);
    bar.Thumb().SetSize(0);  // no thumb over a tick
    auto list = std::make_unique<TImageList>(6, 6);
    list->Add(Solid(6, 6, Qt::red));
    list->Add(Solid(6, 6, Qt::green));
    bar.SetTickImages(list.get());
    QRect row;
    bar.GetBottomRightTickRect(row);
    const QImage image = bar.grab().toImage();
    // The colours met along the row's middle line, one entry per run.
    std::vector<QRgb> runs;
    QRgb previous = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, row.center().y()) & 0xFFFFFF;
        if ((c == 0xFF0000 || c == 0x00FF00) && c != previous) runs.push_back(c);
        previous = c;
    }
    EXPECT_EQ(runs, (std::vector<QRgb>{0xFF0000, 0x00FF00, 0xFF0000, 0xFF0000}));
    const QRect red = PixelsWhere(image, row.adjusted(-8, -8, 8, 8), [](QColor c) { return c.rgb() == qRgb(255, 0, 0); });
    EXPECT_EQ(red.height(), 6);
    EXPECT_NEAR(red.center().y(), row.center().y(), 1);  // centred across the row

    bar.setEnabled(false);
    const QImage greyed = bar.grab().toImage();
    EXPECT_TRUE(PixelsWhere(greyed, row, [](QColor c) { return c.rgb() == qRgb(255, 0, 0); }).isEmpty());

    list.reset();
    EXPECT_EQ(bar.TickImages(), nullptr);
    bar.setEnabled(true);
    EXPECT_TRUE(PixelsWhere(bar.grab().toImage(), row, [](QColor c) { return c.red() > 200 && c.green() < 50; }).isEmpty());
}

// Turning a bar swaps its sides, except while a layout is read or an update is in progress.
TEST(TrackBar, OrientationSwapsSidesOnlyOutsideLoadingAndUpdating) {
    struct Case {
        bool loading, updating;
        QSize size;
    };
    for (const Case& c : {Case{false, false, {30, 150}}, Case{true, false, {150, 30}}, Case{false, true, {150, 30}}}) {
        TAdvTrackBar bar(nullptr);
        bar.SetBounds(5, 6, 150, 30);
        if (c.loading) bar.BeginLoading();
        if (c.updating) bar.Updating();
        bar.SetOrientation(trVertical);
        EXPECT_EQ(QSize(bar.Width(), bar.Height()), c.size) << c.loading << c.updating;
        EXPECT_EQ(QPoint(bar.Left(), bar.Top()), QPoint(5, 6));
    }
}

// Tick texts on a vertical bar: turned (taller than wide) with RotateFontVert, level without.
TEST(TrackBar, VerticalTickTextTurnsWithRotateFontVert) {
    struct Case {
        TTickMarkPosition row;
        bool rotate, taller;
    };
    for (const Case& c : {Case{tmBottomRight, true, true}, Case{tmTopLeft, true, true}, Case{tmBottomRight, false, false}}) {
        PlainBar p(120, 200);
        TAdvTrackBar& bar = p.bar;
        bar.SetOrientation(trVertical);
        bar.SetBounds(0, 0, 120, 200);
        bar.SetMax(2);
        bar.Thumb().SetSize(0);  // no thumb over the text
        bar.TickMark().SetStyle(tsAuto);
        bar.TickMark().SetPosition(c.row);
        bar.TickMark().SetShowText(true);
        bar.TickMark().SetColor(clBlue);
        bar.TickMark().SetRotateFontVert(c.rotate);
        bar.OnGetTickMarkText = [](TComponent*, int position, QString& text) {
            text = position == 1 ? QStringLiteral("8888888") : QString();
        };
        bar.Loaded();
        QRect row;
        if (c.row == tmTopLeft) bar.GetTopLeftTickRect(row);
        else bar.GetBottomRightTickRect(row);
        const QRect text = PixelsWhere(bar.grab().toImage(), row.adjusted(-40, 0, 40, 0), [](QColor k) {
            return k.alpha() > 0 && k.red() < 100 && k.green() < 100 && k.blue() < 100;
        });
        ASSERT_FALSE(text.isEmpty()) << c.row << c.rotate;
        EXPECT_EQ(text.height() > text.width(), c.taller) << c.row << c.rotate << " " << text.width() << "x" << text.height();
        EXPECT_NEAR(text.center().y(), row.center().y(), 3) << c.row << c.rotate;  // centred on the middle tick
    }
}

// Thumb shapes without pictures: the round thumb has a 4 x 4 dot and no grip line, the
// rectangle a white rectangle inside its border, the rounded rectangle a grip line.
TEST(TrackBar, ThumbShapeDetails) {
    struct Case {
        TThumbShape shape;
        bool dot, gripAboveCentre, innerWhite;
    };
    for (const Case& c : {Case{tsRound, true, false, false}, Case{tsRoundRect, false, true, false},
                          Case{tsRectangle, false, true, true}}) {
        PlainBar p(200, 40);
        TAdvTrackBar& bar = p.bar;
        bar.SetMax(10);
        bar.SetPosition(5);
        bar.Thumb().SetShape(c.shape);
        bar.Thumb().SetSize(20);
        bar.Thumb().SetWidth(14);
        bar.Thumb().SetColor(clRed);
        bar.Thumb().SetColorTo(clNone);
        bar.Thumb().SetBorderColor(clBlue);
        const QRect r = bar.GetThumbRect();
        const QImage image = bar.grab().toImage();
        const double mx = (r.x() + r.x() + r.width() - 1) / 2.0, my = (r.y() + r.y() + r.height() - 1) / 2.0;
        const int cx = int(std::floor(mx)), cy = int(std::floor(my));
        const auto blue = [&](int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 255); };
        // The dot's corners are rounded: its middle pixels only.
        EXPECT_EQ(blue(cx, cy) && blue(cx + 1, cy) && blue(cx, cy + 1) && blue(cx + 1, cy + 1), c.dot) << c.shape;
        EXPECT_EQ(blue(int(std::floor(mx + 0.5)), cy - 3), c.gripAboveCentre) << c.shape;
        const QColor inside(image.pixel(r.x() + 2, cy + 3));
        EXPECT_EQ(inside.green() > 200, c.innerWhite) << c.shape;
        EXPECT_GT(inside.red(), 200) << c.shape;  // white or the red fill, never the border
    }
}

// The label's text spans its width + 5 from the end the position names (the left end of a
// vertical bar is its bottom).
TEST(TrackBar, LabelTextSpan) {
    struct Case {
        TTrackBarOrientation orientation;
        TLabelPosition position;
    };
    for (const Case& c : {Case{trHorizontal, lpTopLeft}, Case{trHorizontal, lpBottomRight},
                          Case{trHorizontal, lpTopCenter}, Case{trVertical, lpTopLeft}, Case{trVertical, lpBottomRight}}) {
        TAdvTrackBar bar(nullptr);
        bar.SetOrientation(c.orientation);
        bar.SetBounds(0, 0, c.orientation == trVertical ? 40 : 200, c.orientation == trVertical ? 200 : 40);
        bar.TrackLabel().SetVisible(true);
        bar.TrackLabel().SetPosition(c.position);
        const int span = QFontMetrics(bar.TrackLabel().Font().ToQFont()).horizontalAdvance(bar.GetLabelText()) + 5;
        const QRect strip = bar.LabelRect(), text = bar.LabelTextRect();
        const bool vertical = c.orientation == trVertical;
        EXPECT_EQ(vertical ? text.height() : text.width(), span) << c.orientation << c.position;
        EXPECT_EQ(vertical ? text.width() : text.height(), vertical ? strip.width() : strip.height());
        const bool atStart = (c.position == lpTopLeft) != vertical;  // left or top end of the strip
        if (c.position == lpTopCenter) EXPECT_NEAR(text.center().x(), strip.center().x(), 1);
        else if (atStart) EXPECT_EQ(vertical ? text.top() : text.left(), vertical ? strip.top() : strip.left());
        else EXPECT_EQ(vertical ? text.bottom() : text.right(), vertical ? strip.bottom() : strip.right());
    }
}

// A hint asked for beyond every screen goes to the nearest one, 2 pixels inside its edge.
TEST(TrackBar, HintKeptOnTheNearestScreen) {
    TAdvTrackBar bar(nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    bar.HintWindow()->ActivateHint(QRect(screen.right() + 5000, screen.bottom() + 5000, 1, 1), QStringLiteral("42"));
    const QRect hint = bar.HintWindow()->geometry();
    EXPECT_EQ(hint.right(), screen.right() - 2);
    EXPECT_EQ(hint.bottom(), screen.bottom() - 2);
    bar.HintWindow()->hide();
}
