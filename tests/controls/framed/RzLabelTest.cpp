#include "FramedTestSupport.h"
#include "graphics/ColorContrast.h"
#include "RzBlinkingControlsList.h"
#include "RzLabel.h"
#include "RzPanel.h"

#include <QApplication>
#include <QEnterEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor kLabelHost = RGBColor(30, 34, 40);

// A label as the band tables make them: transparent, centred, their own font.
TRzLabel* BandLabel(TWinControl* parent, const QString& caption) {
    auto* l = new TRzLabel(nullptr);
    l->SetParent(parent);
    l->SetTransparent(true);
    l->SetAlignment(taCenter);
    TFont font;
    font.SetHeight(-14);
    font.SetStyle(fsBold);
    font.SetColor(clWhite);
    l->SetFont(font);
    l->SetCaption(caption);
    l->SetLeft(5);
    return l;
}

int CountColor(const QImage& image, TColor color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += PixelAt(image, x, y) == color;
    return n;
}

TEST(Label, TransparentOverAGroupBoxOrFilledInsideItsBorders) {
    TSolidHost host(nullptr, kLabelHost);
    host.SetBounds(0, 0, 200, 100);
    TRzGroupBox box(nullptr);
    box.SetParent(&host);
    box.SetBounds(0, 0, 200, 100);
    box.SetGroupStyle(gsCustom);
    box.SetTransparent(true);
    TRzLabel* l = BandLabel(&box, "1000");
    QImage shot = Grab(host);
    EXPECT_EQ(PixelAt(shot, l->Left(), l->Top()), kLabelHost);
    EXPECT_GT(CountColor(Grab(*l), clWhite), 10);

    l->SetTransparent(false);
    l->SetColor(RGBColor(0, 60, 0));
    l->SetBorderOuter(fsFlat);
    l->SetFlatColor(clRed);
    l->SetFlatColorAdjustment(0);
    shot = Grab(*l);
    EXPECT_EQ(PixelAt(shot, 0, 0), clRed);
    EXPECT_EQ(PixelAt(shot, 1, 1), RGBColor(0, 60, 0));
    delete l;
}

TEST(Label, AnglesAreNormalisedAndRotationResetsThem) {
    TRzLabel l(nullptr);
    struct Case {
        int set, got;
    };
    for (const Case& c : {Case{-30, 330}, Case{400, 40}, Case{-400, 320}, Case{720, 0}, Case{359, 359}}) {
        l.SetAngle(c.set);
        EXPECT_EQ(l.Angle(), c.got) << c.set;
    }
    l.SetAngle(45);
    EXPECT_EQ(l.Rotation(), roFlat);
    l.SetRotation(roCurve);
    l.SetAngle(30);
    l.SetRotation(roFlat);
    EXPECT_EQ(l.Angle(), 0);
    EXPECT_EQ(l.CenterPoint(), cpCenter);
}

TEST(Label, AutoSizeTurnsWithTheAngleAndCondensingStopsIt) {
    TSolidHost host(nullptr, kLabelHost);
    TRzLabel* l = BandLabel(&host, "Frequency");
    const int w = l->Width(), h = l->Height();
    EXPECT_GT(w, h);
    l->SetAngle(90);
    EXPECT_EQ(l->Width(), h);
    EXPECT_EQ(l->Height(), w);
    l->SetAngle(0);
    l->SetRotation(roNone);
    EXPECT_EQ(l->Width(), w);
    l->SetTextMargin(3);  // takes effect at the next measuring
    EXPECT_EQ(l->Width(), w);
    l->SetCaption("Frequency");
    EXPECT_EQ(l->Width(), w + 6);

    l->SetCondenseCaption(ccAtEnd);
    EXPECT_FALSE(l->AutoSize());
    l->SetBounds(0, 0, 40, h);
    std::vector<QString> drawn;
    TCanvas::SetTextOutHook([&](const TCanvas&, int, int, const QString& t) { drawn.push_back(t); });
    (void)Grab(*l);
    TCanvas::SetTextOutHook(nullptr);
    ASSERT_FALSE(drawn.empty());
    EXPECT_TRUE(drawn.back().endsWith("...")) << drawn.back().toStdString();
    delete l;
}

TEST(Label, BlinksOnTheSharedTicksAndStopsAtOnce) {
    TSolidHost host(nullptr, kLabelHost);
    EXPECT_EQ(BlinkingControls, nullptr);
    TRzLabel* l = BandLabel(&host, "Q");
    TRzLabel* still = BandLabel(&host, "G");
    ASSERT_NE(BlinkingControls, nullptr);
    EXPECT_EQ(BlinkingControls->Count(), 2);
    l->SetBlinkColor(clRed);
    l->SetBlinkIntervalOn(300);
    l->SetBlinking(true);
    EXPECT_EQ(l->CurrentColor(), clWhite);  // it waits for the next tick
    BlinkingControls->TimerFired();  // the list turns on: labels show their font colour
    EXPECT_EQ(BlinkingControls->BlinkState(), bsOn);
    EXPECT_EQ(l->CurrentColor(), clWhite);
    BlinkingControls->TimerFired();
    EXPECT_EQ(l->CurrentColor(), clRed);
    EXPECT_EQ(BlinkingControls->Timer().GetInterval(), 300);  // the lit phase lasts IntervalOn
    EXPECT_EQ(still->CurrentColor(), clWhite);
    EXPECT_GT(CountColor(Grab(*l), clRed), 5);
    l->SetBlinking(false);
    EXPECT_EQ(l->CurrentColor(), clWhite);
    delete l;
    delete still;
    EXPECT_EQ(BlinkingControls, nullptr);
}

TEST(Label, DisabledFlyByAndCurvedEdges) {
    TSolidHost host(nullptr, kLabelHost);
    TRzLabel* l = BandLabel(&host, "Gain");
    l->SetTextStyle(tsShadow);
    l->SetShadowColor(clLime);
    EXPECT_GT(CountColor(Grab(*l), clLime), 0);
    l->SetEnabled(false);
    QImage shot = Grab(*l);
    EXPECT_EQ(CountColor(shot, clLime), 0);
    // One grey that reads on the host behind the transparent label.
    EXPECT_GT(CountColor(shot, DisabledTextOn(kLabelHost)), 0);
    l->SetEnabled(true);

    // Fly-by switched off before the pointer ever came keeps the font colour.
    l->SetFlyByEnabled(true);
    l->SetFlyByEnabled(false);
    EXPECT_EQ(l->Font().Color(), clWhite);
    l->SetFlyByEnabled(true);
    l->SetFlyByColor(clYellow);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(l, &enter);
    EXPECT_EQ(l->Font().Color(), clYellow);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(l, &leave);
    EXPECT_EQ(l->Font().Color(), clWhite);

    // A circle without a radius draws nothing (and does not fail).
    l->SetAutoSize(false);
    l->SetRotation(roCurve);
    l->SetBounds(0, 0, 2, 2);
    l->SetBorderWidth(1);
    EXPECT_EQ(CountColor(Grab(*l), clWhite), 0);
    l->SetBounds(0, 0, 80, 80);
    l->SetBorderWidth(0);
    EXPECT_GT(CountColor(Grab(*l), clWhite), 5);
    delete l;
}

}  // namespace
