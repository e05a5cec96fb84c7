// Real mouse, wheel and key events on a shown plot: they reach the axes, channels and the
// application's handlers, drive the selection and time the hint box.
#include "PlotTestSupport.h"

#include "core/iXYPlotChannel.h"
#include "timer/TRepeatTimer.h"
#include "ui/VirtualKeys.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// Repeat timers that only tick when the test says so.
struct ManualTimers {
    struct Timer : TRepeatTimer {
        explicit Timer(ManualTimers& o) : owner(o) { owner.all.push_back(this); }
        ~Timer() override { std::erase(owner.all, this); }
        void SetInterval(int ms) override { interval = ms; }
        int Interval() const override { return interval; }
        void SetEnabled(bool e) override { enabled = e; }
        bool Enabled() const override { return enabled; }
        ManualTimers& owner;
        int interval = 1000;
        bool enabled = false;
    };
    ManualTimers() {
        SetRepeatTimerFactory([this] { return std::make_unique<Timer>(*this); });
    }
    ~ManualTimers() { SetRepeatTimerFactory(nullptr); }
    // The one running timer (null when none runs).
    Timer* Running() const {
        for (Timer* t : all)
            if (t->enabled) return t;
        return nullptr;
    }
    std::vector<Timer*> all;
};

void Wheel(QWidget& w, QPoint at, int delta, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWheelEvent e(QPointF(at), w.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

// A shown plot with fixed axes 0..100, laid out.
struct Shown {
    explicit Shown(int w = 600, int h = 300) : plot(MakePlot(w, h)) {
        x = plot->XAxis(0);
        y = plot->YAxis(0);
        for (TiPlotAxis* a : {static_cast<TiPlotAxis*>(x), static_cast<TiPlotAxis*>(y)}) {
            a->SetTrackingEnabled(false);
            a->SetMinSpan(0, 100);
        }
        plot->show();
        plot->ReCalcLayout();
    }
    QPoint OnX() const {
        const TRect r = x->FocusRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    int XLength() const { return x->ScaleRect().Right - x->ScaleRect().Left; }
    std::unique_ptr<TiXYPlot> plot;
    TiPlotXAxis* x;
    TiPlotYAxis* y;
};

}  // namespace

TEST(PlotInput, DragScrollsOrZoomsTheAxisAndFiresFinishedOnce) {
    Shown s;
    std::vector<std::pair<double, double>> finished;
    s.plot->OnXAxisMinSpanChangeFinished = [&](TObject*, int, double, double, double m, double sp) {
        finished.push_back({m, sp});
    };
    int clicks = 0;
    s.plot->OnClickXAxis = [&](TObject*, int) { ++clicks; };
    const QPoint a = s.OnX();
    const int len = s.XLength();
    ASSERT_GT(len, 100);
    // Dragging right by a tenth of the scale scrolls Min down by a tenth of the span.
    Drag(*s.plot, a, a + QPoint(len / 10, 0));
    EXPECT_NEAR(s.x->Min(), -100.0 * (len / 10) / len, 1e-9);
    EXPECT_DOUBLE_EQ(s.x->Span(), 100);
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_DOUBLE_EQ(finished[0].first, s.x->Min());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(s.x->UserSelected());

    // Reversed, the same drag moves Min up.
    s.x->SetMinSpan(0, 100);
    s.x->SetReverseScale(true);
    s.plot->ReCalcLayout();
    Drag(*s.plot, a, a + QPoint(len / 10, 0));
    EXPECT_GT(s.x->Min(), 0);
    s.x->SetReverseScale(false);

    // Ctrl held while dragging exchanges scroll and zoom: dragging right zooms in about the
    // centre.
    s.x->SetMinSpan(0, 100);
    s.plot->ReCalcLayout();
    Drag(*s.plot, a, a + QPoint(len / 10, 0), Qt::ControlModifier);
    const double e = double(len / 10) / len / 4;
    EXPECT_NEAR(s.x->Span(), 100 / std::pow(10.0, e), 1e-9);
    EXPECT_NEAR(s.x->Mid(), 50, 1e-9);
    // A plain press and release changes nothing and reports no finished change.
    finished.clear();
    Drag(*s.plot, a, a);
    EXPECT_TRUE(finished.empty());
}

TEST(PlotInput, WheelOnTheSelectedAxisScrollsOrZooms) {
    Shown s;
    const QPoint a = s.OnX();
    Drag(*s.plot, a, a);  // selects the axis
    ASSERT_TRUE(s.x->UserSelected());
    s.x->SetTrackingEnabled(true);
    Wheel(*s.plot, a, 120);
    EXPECT_NEAR(s.x->Min(), 5, 1e-9);
    EXPECT_FALSE(s.x->TrackingEnabled());
    Wheel(*s.plot, a, -120);
    EXPECT_NEAR(s.x->Min(), 0, 1e-9);
    s.x->SetMode(ipamZoom);
    Wheel(*s.plot, a, 120);
    EXPECT_NEAR(s.x->Span(), 100 / std::pow(10.0, 0.025), 1e-9);
    EXPECT_NEAR(s.x->Mid(), 50, 1e-9);
}

TEST(PlotInput, KeysReachTheApplicationAndTheSelectedAxis) {
    Shown s;
    std::vector<int> down, up;
    QString typed;
    s.plot->OnKeyDown = [&](TComponent*, TKey& k, TShiftState) { down.push_back(k); };
    s.plot->OnKeyUp = [&](TComponent*, TKey& k, TShiftState) { up.push_back(k); };
    s.plot->OnKeyPress = [&](TComponent*, QChar& c) { typed += c; };
    Drag(*s.plot, s.OnX(), s.OnX());
    QTest::keyClick(s.plot.get(), Qt::Key_Right);
    QTest::keyClick(s.plot.get(), Qt::Key_A);
    EXPECT_EQ(down, (std::vector<int>{VK_RIGHT, 'A'}));
    EXPECT_EQ(up, (std::vector<int>{VK_RIGHT, 'A'}));
    EXPECT_EQ(typed, QStringLiteral("a"));
    EXPECT_NEAR(s.x->Min(), 1, 1e-9);  // Right scrolls by 1 % of the span
    // Page keys scroll a whole span; in zoom mode a factor of ten. Ctrl is ignored by keys.
    QTest::keyClick(s.plot.get(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_NEAR(s.x->Min(), 101, 1e-9);
    s.x->SetMinSpan(0, 100);
    s.x->SetMode(ipamZoom);
    QTest::keyClick(s.plot.get(), Qt::Key_PageUp);
    EXPECT_NEAR(s.x->Span(), 10, 1e-9);
    // A handler that swallows the key keeps it from the axis.
    s.plot->OnKeyDown = [&](TComponent*, TKey& k, TShiftState) { k = 0; };
    QTest::keyClick(s.plot.get(), Qt::Key_PageUp);
    EXPECT_NEAR(s.x->Span(), 10, 1e-9);
}

TEST(PlotInput, SelectionByClicks) {
    Shown s;
    s.y->SetUserSelected(true);
    const TRect yr = s.y->FocusRect();
    const QPoint onY((yr.Left + yr.Right) / 2, (yr.Top + yr.Bottom) / 2);
    // Ctrl-click on a selected axis deselects it.
    Mouse(*s.plot, QEvent::MouseButtonPress, onY, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    Mouse(*s.plot, QEvent::MouseButtonRelease, onY, Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    EXPECT_FALSE(s.y->UserSelected());
    // Shift-click selects two axes together.
    Mouse(*s.plot, QEvent::MouseButtonPress, onY, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    Mouse(*s.plot, QEvent::MouseButtonRelease, onY, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    Mouse(*s.plot, QEvent::MouseButtonPress, s.OnX(), Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    Mouse(*s.plot, QEvent::MouseButtonRelease, s.OnX(), Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_TRUE(s.x->UserSelected());
    EXPECT_TRUE(s.y->UserSelected());
    // A right click on empty area clears every selection and pops nothing up.
    const int popups = s.plot->PopupMenu()->PopupCount();
    Mouse(*s.plot, QEvent::MouseButtonPress, {1, 1}, Qt::RightButton, Qt::RightButton);
    Mouse(*s.plot, QEvent::MouseButtonRelease, {1, 1}, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(s.x->UserSelected());
    EXPECT_FALSE(s.y->UserSelected());
    EXPECT_EQ(s.plot->PopupMenu()->PopupCount(), popups);
}

TEST(PlotInput, MissedReleaseIsDeliveredByTheNextPlainMove) {
    Shown s;
    const QPoint a = s.OnX();
    int finished = 0;
    s.plot->OnXAxisMinSpanChangeFinished = [&](TObject*, int, double, double, double, double) { ++finished; };
    Mouse(*s.plot, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    Mouse(*s.plot, QEvent::MouseMove, a + QPoint(30, 0), Qt::NoButton, Qt::LeftButton);
    ASSERT_NE(s.plot->MouseDownObject(), nullptr);
    // The release happened outside the window; the next move has no button.
    Mouse(*s.plot, QEvent::MouseMove, a + QPoint(40, 0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(s.plot->MouseDownObject(), nullptr);
    EXPECT_EQ(finished, 1);
}

TEST(PlotInput, DraggingADataPointMovesItAndReportsIt) {
    Shown s;
    auto* ch = static_cast<TiXYPlotChannel*>(s.plot->ChannelObject(0));
    ch->SetUserCanMoveDataPoints(true);
    ch->SetMarkersVisible(true);
    s.plot->SetSelectActive(true);  // points are picked in select mode
    ch->AddXY(20, 20);
    ch->AddXY(50, 50);
    s.plot->ReCalcLayout();
    const QPoint p(s.x->PositionToPixels(50), s.y->PositionToPixels(50));
    std::vector<double> moved;
    s.plot->OnDataPointMoved = [&](TObject*, int c, int i, double ox, double oy, double nx, double ny) {
        moved = {double(c), double(i), ox, oy, nx, ny};
    };
    Drag(*s.plot, p, p + QPoint(0, -(s.y->PositionToPixels(0) - s.y->PositionToPixels(10))));
    ASSERT_EQ(moved.size(), 6u);
    EXPECT_EQ(moved[1], 1);
    EXPECT_DOUBLE_EQ(moved[3], 50);
    EXPECT_NEAR(moved[5], 60, 1.0);
    EXPECT_NEAR(ch->GetY(1), 60, 1.0);
}

TEST(PlotInput, HintShowsAfterThePauseAndHidesAfterTheHidePause) {
    ManualTimers timers;
    Shown s;
    s.x->SetTitle(QStringLiteral("Seconds"));
    s.x->SetTitleShow(false);
    s.plot->SetHintsPause(300);
    s.plot->SetHintsHidePause(900);
    const QPoint a = s.OnX();
    Mouse(*s.plot, QEvent::MouseMove, a, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(s.plot->HintData().Text, QStringLiteral("Seconds"));
    ASSERT_NE(timers.Running(), nullptr);
    EXPECT_EQ(timers.Running()->interval, 300);
    EXPECT_FALSE(s.plot->HintData().Visible);
    timers.Running()->OnTimer();
    EXPECT_TRUE(s.plot->HintData().Visible);
    ASSERT_NE(timers.Running(), nullptr);
    EXPECT_EQ(timers.Running()->interval, 900);
    // Painted: the hint box shows the title in the hint colour.
    const QImage shown = s.plot->PaintOffScreen();
    const TiHintData& h = s.plot->HintData();
    EXPECT_TRUE(HasColorNear(shown, {h.Left + 1, h.Top + 1, h.Left + h.Width - 1, h.Top + h.Height - 1}, clInfoBk, 0));
    timers.Running()->OnTimer();
    EXPECT_FALSE(s.plot->HintData().Visible);
    EXPECT_EQ(timers.Running(), nullptr);
    // Resting within 3 pixels of where it appeared does not start it again.
    Mouse(*s.plot, QEvent::MouseMove, a + QPoint(2, 0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(timers.Running(), nullptr);
    // An object without hint text forgets the last one; back on the axis the pause starts
    // again, and a press hides the waiting hint at once.
    s.y->SetTitle(QString());
    const TRect yr = s.y->FocusRect();
    Mouse(*s.plot, QEvent::MouseMove, {(yr.Left + yr.Right) / 2, (yr.Top + yr.Bottom) / 2}, Qt::NoButton,
          Qt::NoButton);
    EXPECT_EQ(timers.Running(), nullptr);
    Mouse(*s.plot, QEvent::MouseMove, a, Qt::NoButton, Qt::NoButton);
    ASSERT_NE(timers.Running(), nullptr);
    Mouse(*s.plot, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(timers.Running(), nullptr);
    Mouse(*s.plot, QEvent::MouseButtonRelease, a, Qt::LeftButton, Qt::NoButton);
}

TEST(PlotInput, MasterAxisRepeatsItsInputOnTheOtherAxes) {
    Shown s;
    TiPlotYAxis* second = s.plot->YAxis(s.plot->AddYAxis());
    second->SetTrackingEnabled(false);
    second->SetMinSpan(0, 10);
    s.y->SetMasterUIInput(true);
    s.y->SetUserSelected(true);
    int key = VK_PRIOR;
    s.y->iKeyDown(key, 0, nullptr);
    EXPECT_NEAR(s.y->Min(), 100, 1e-9);
    EXPECT_NEAR(second->Min(), 10, 1e-9);
    EXPECT_NEAR(s.x->Min(), 0, 1e-9);  // an axis of the other kind is left alone
}

TEST(PlotInput, GalleryOfATrackedAndZoomedPlot) {
    ManualTimers timers;
    auto plot = MakePlot(600, 320);
    plot->show();
    TiPlotXAxis* x = plot->XAxis(0);
    TiPlotYAxis* y = plot->YAxis(0);
    x->SetTrackingStyle(iptsScrollSmooth);
    x->SetTitle(QStringLiteral("Seconds"));
    y->SetTrackingEnabled(false);
    y->SetMinSpan(-1.2, 2.4);
    auto* ch = static_cast<TiXYPlotChannel*>(plot->ChannelObject(0));
    ch->SetTitleText(QStringLiteral("Signal"));
    for (int i = 0; i <= 300; ++i) ch->AddXY(i, std::sin(i / 12.0) * std::exp(-i / 400.0));
    EXPECT_DOUBLE_EQ(x->Max(), 300);  // the range followed the data
    plot->ReCalcLayout();
    // The user zooms the X axis in with the wheel and rests on it for its hint.
    const TRect r = x->FocusRect();
    const QPoint onX((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Drag(*plot, onX, onX);
    x->SetMode(ipamZoom);
    for (int i = 0; i < 8; ++i) Wheel(*plot, onX, 120);
    EXPECT_NEAR(x->Span(), 100 / std::pow(10.0, 0.2), 1e-9);
    EXPECT_FALSE(x->TrackingEnabled());
    Mouse(*plot, QEvent::MouseMove, onX, Qt::NoButton, Qt::NoButton);
    ASSERT_NE(timers.Running(), nullptr);
    timers.Running()->OnTimer();
    const QImage image = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(image.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/plot_zoomed_tracked.png")));
    const TiHintData& h = plot->HintData();
    EXPECT_TRUE(h.Visible);
    EXPECT_EQ(PixelAt(image, h.Left + 2, h.Top + 2), Rgb(clInfoBk));
}
