// The plot's window services: transparency over the parent's drawing, painting onto a foreign
// painter, the JPEG and snapshot pictures, and the mouse capture lost to a popup or another
// window in the middle of a press.
#include "PlotTestSupport.h"

#include "rtl/Exception.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr QRgb kLeft = 0xFFC03020;   // the host's left half
constexpr QRgb kRight = 0xFF2050C0;  // the host's right half

// A parent that draws two colours side by side, each over half its width.
class Host : public QWidget {
public:
    explicit Host(int w = 400, int h = 200) { resize(w, h); }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, width() / 2, height(), QColor::fromRgb(kLeft));
        p.fillRect(width() / 2, 0, width() - width() / 2, height(), QColor::fromRgb(kRight));
    }
};

// A yellow plot of 160 x 120 inside the host at (20, 40), without border.
std::unique_ptr<TiXYPlot> HostedPlot(Host& host) {
    auto plot = MakePlot(160, 120);
    plot->SetBorderStyle(ibsNone);
    plot->SetBackGroundColor(kBack);
    plot->setParent(&host);
    plot->move(20, 40);
    plot->show();
    host.show();
    return plot;
}

// A control whose paint fills its area green, or fails.
class Probe : public TiCustomComponent {
public:
    Probe() : TiCustomComponent(nullptr) { SetBounds(0, 0, 30, 20); }
    void iPaintToCanvas(TCanvas& canvas) override {
        if (fail) throw Exception(QStringLiteral("Broken paint"));
        DrawBackGround(canvas, clGreen);
        canvas.Brush.Color = clBlue;
        canvas.FillRect({10, 5, 20, 15});
    }
    bool fail = false;
};

}  // namespace

TEST(PlotWindowServices, TransparentPlotShowsWhatLiesBehindItWhereverItIs) {
    Host host;
    auto plot = HostedPlot(host);
    const QPoint corner(2, 70);  // in the outer margin, outside every object
    EXPECT_EQ(PixelAt(plot->PaintOffScreen(), corner.x(), corner.y()), Rgb(kBack));
    EXPECT_FALSE(plot->Transparent());

    plot->SetTransparent(true);
    EXPECT_FALSE(plot->testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage over = plot->PaintOffScreen();
    EXPECT_EQ(over.pixel(corner), kLeft);
    // The objects are drawn over it (toolbar, axes, labels): many pixels are not the host's.
    int drawn = 0;
    for (int y = 0; y < over.height(); ++y)
        for (int x = 0; x < over.width(); ++x) drawn += over.pixel(x, y) != kLeft;
    EXPECT_GT(drawn, 1000);
    EXPECT_LT(drawn, over.width() * over.height() / 2);
    // On screen the host's grab shows the same, and moving the plot changes what shows.
    EXPECT_EQ(host.grab().toImage().pixel(QPoint(20, 40) + corner), kLeft);
    plot->move(220, 40);
    EXPECT_EQ(plot->PaintOffScreen().pixel(corner), kRight);
    EXPECT_EQ(host.grab().toImage().pixel(QPoint(220, 40) + corner), kRight);
    // Straddling both halves, each part shows its own colour.
    plot->move(150, 40);
    const QImage straddling = plot->PaintOffScreen();
    EXPECT_EQ(straddling.pixel(corner), kLeft);
    EXPECT_EQ(straddling.pixel(157, 70), kRight);

    plot->SetTransparent(false);
    EXPECT_TRUE(plot->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(PixelAt(plot->PaintOffScreen(), corner.x(), corner.y()), Rgb(kBack));

    // Without a parent a transparent plot draws its own background.
    auto alone = MakePlot(160, 120);
    alone->SetBackGroundColor(kBack);
    alone->SetTransparent(true);
    EXPECT_EQ(PixelAt(alone->PaintOffScreen(), 2, 70), Rgb(kBack));
}

TEST(PlotWindowServices, GalleryOfATransparentPlotOverTwoColours) {
    Host host(640, 320);
    auto plot = MakePlot(480, 260);
    plot->setParent(&host);
    plot->move(80, 30);
    plot->SetTransparent(true);
    TiPlotChannelCustom* channel = plot->ChannelObject(0);
    for (int i = 0; i <= 100; i += 2) channel->AddXY(i, 50 + 40 * std::sin(i / 8.0));
    plot->show();
    host.show();
    const QImage shot = host.grab().toImage();
    ASSERT_TRUE(shot.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/plot_transparent.png")));
    // Both halves show through the plot's margin.
    EXPECT_EQ(shot.pixel(82, 150), kLeft);
    EXPECT_EQ(shot.pixel(550, 150), kRight);
}

TEST(PlotWindowServices, PaintToAPainterAtAnOffsetClippedAndRestored) {
    auto plot = MakePlot(160, 120);
    plot->SetBorderStyle(ibsNone);
    plot->SetBackGroundColor(kBack);
    const QImage own = plot->PaintOffScreen();
    for (bool transparent : {false, true}) {
        QImage target(300, 200, QImage::Format_ARGB32);
        target.fill(Qt::magenta);
        QPainter painter(&target);
        painter.setBrush(Qt::red);
        plot->iPaintToDC(50, 30, transparent, painter);
        EXPECT_FALSE(painter.hasClipping());
        EXPECT_EQ(painter.brush().color(), QColor(Qt::red));
        EXPECT_TRUE(painter.transform().isIdentity());
        painter.end();
        // Nothing outside the plot's rectangle.
        for (QPoint p : {QPoint(49, 100), QPoint(50, 29), QPoint(210, 100), QPoint(100, 150)})
            EXPECT_EQ(target.pixel(p), QColor(Qt::magenta).rgb()) << transparent << " " << p.x() << "," << p.y();
        // The background is the plot's, or what the painter held.
        EXPECT_EQ(PixelAt(target, 52, 100), transparent ? 0xFF00FFu : Rgb(kBack)) << transparent;
        // The objects are drawn where the plot draws them (the toolbar's face at the top left).
        ASSERT_NE(PixelAt(own, 2, 2), Rgb(kBack));
        EXPECT_EQ(PixelAt(target, 52, 32), PixelAt(own, 2, 2)) << transparent;
    }

    // A failing paint leaves the painter's drawing and state as they were.
    Probe probe;
    QImage target(60, 40, QImage::Format_ARGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    probe.iPaintToDC(5, 5, false, painter);
    EXPECT_EQ(PixelAt(target, 6, 6), Rgb(clGreen));
    EXPECT_EQ(PixelAt(target, 20, 15), Rgb(clBlue));
    probe.fail = true;
    target.fill(Qt::white);
    probe.iPaintToDC(5, 5, false, painter);
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(target, [] {
        QImage white(60, 40, QImage::Format_ARGB32);
        white.fill(Qt::white);
        return white;
    }());
}

TEST(PlotWindowServices, JpegAndSnapshotPicturesHoldThePlot) {
    auto plot = MakePlot(400, 300);
    plot->SetBackGroundColor(kBack);
    const QImage painted = plot->PaintOffScreen();
    EXPECT_EQ(MessageOf([&] { plot->GetJPEGImage(0, false); }), QStringLiteral("Compression must be in the range of 1-100"));
    EXPECT_EQ(MessageOf([&] { plot->GetJPEGImage(101, true); }), QStringLiteral("Compression must be in the range of 1-100"));
    const QPoint probes[] = {{3, 150}, {200, 150}, {396, 296}};
    for (bool progressive : {false, true}) {
        const std::unique_ptr<TJPEGImage> jpeg = plot->GetJPEGImage(100, progressive);
        ASSERT_TRUE(jpeg->Data().startsWith("\xFF\xD8")) << progressive;
        const QImage decoded = QImage::fromData(jpeg->Data(), "JPEG");
        ASSERT_EQ(decoded.size(), QSize(400, 300));
        EXPECT_EQ(jpeg->Image(), decoded);
        for (QPoint p : probes) {
            const QRgb want = painted.pixel(p), got = decoded.pixel(p);
            EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                          std::abs(qBlue(got) - qBlue(want)),
                      24)
                << p.x() << "," << p.y();
        }
    }

    // The snapshot: a picture of the plot's size that replays the plot's pixels.
    const QPicture& snapshot = plot->GetSnapShotPicture();
    EXPECT_EQ(snapshot.boundingRect(), QRect(0, 0, 400, 300));
    QImage replayed(400, 300, QImage::Format_ARGB32_Premultiplied);
    replayed.fill(Qt::black);
    QPainter painter(&replayed);
    painter.drawPicture(0, 0, snapshot);
    painter.end();
    EXPECT_EQ(replayed.convertToFormat(painted.format()), painted);
    // The next call replaces it with the plot as it is now.
    plot->SetBackGroundColor(clTeal);
    EXPECT_EQ(&plot->GetSnapShotPicture(), &snapshot);
    QImage again(400, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter second(&again);
    second.drawPicture(0, 0, snapshot);
    second.end();
    EXPECT_EQ(PixelAt(again, 3, 150), Rgb(clTeal));
}

TEST(PlotWindowServices, CaptureLostToAPopupOrAnotherWindowMidPress) {
    for (const bool popup : {true, false}) {
        auto plot = MakePlot(600, 300);
        TiPlotXAxis* x = plot->XAxis(0);
        x->SetTrackingEnabled(false);
        plot->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(plot.get()));
        plot->ReCalcLayout();
        const TRect r = x->FocusRect();
        const QPoint onAxis((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        Mouse(*plot, QEvent::MouseMove, onAxis, Qt::NoButton, Qt::NoButton);
        ASSERT_EQ(plot->LastMouseOverObject(), x);
        Mouse(*plot, QEvent::MouseButtonPress, onAxis, Qt::LeftButton, Qt::LeftButton);
        ASSERT_TRUE(plot->MouseCapture());
        ASSERT_TRUE(plot->hasFocus());

        // The press is interrupted before its release.
        QMenu menu;
        QWidget other;
        if (popup) {
            menu.addAction(QStringLiteral("Item"));
            menu.popup(plot->mapToGlobal(onAxis));
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
        } else {
            other.resize(100, 100);
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        }
        EXPECT_FALSE(plot->MouseCapture()) << popup;
        EXPECT_EQ(plot->LastMouseOverObject(), nullptr) << popup;
        EXPECT_FALSE(plot->HintData().Visible) << popup;
        EXPECT_EQ(plot->MouseDownObject(), nullptr) << popup;
        menu.close();
    }
}
