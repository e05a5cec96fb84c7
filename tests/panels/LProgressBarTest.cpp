#include "LProgressBar.h"
#include "PanelsTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The meter's segments top to bottom: 'r' unlit zone colour, 'L' lit (by colour).
std::string Lights(const LProgressBar& m) {
    std::string s;
    for (int k = 1; k <= m.SegmentCount(); ++k) {
        const TColor c = m.Segment(k)->Brush().Color;
        s += (c == m.LFirstColor() || c == m.LSecondColor() || c == m.LThirdColor()) ? 'L' : '.';
    }
    return s;
}

LProgressBar* Meter(int first, int second, int third, int max) {
    auto* m = new LProgressBar(nullptr);
    m->SetBounds(0, 0, 14, 179);
    m->SetFirstNum(first);
    m->SetSecondNum(second);
    m->SetThirdNum(third);
    m->SetMax(max);
    return m;
}

TEST(LevelMeter, DefaultMeterLightsByTheSinglePrecisionStep) {
    LProgressBar m(nullptr);
    EXPECT_EQ(m.SegmentCount(), 5);
    EXPECT_EQ(m.Segment(1)->Brush().Color, clMaroon);
    EXPECT_EQ(m.Segment(5)->Brush().Color, clGreen);
    EXPECT_EQ(m.Segment(1)->Name(), "shape1");
    struct Case {
        int position;
        const char* lights;
    };
    for (const Case& c : {Case{19, "....."}, Case{20, "....L"}, Case{99, ".LLLL"}, Case{100, "LLLLL"},
                          Case{150, "LLLLL"}, Case{0, "....."}, Case{-5, "....."}}) {
        m.SetPosition(c.position);
        EXPECT_EQ(Lights(m), c.lights) << c.position;
    }
    m.SetPosition(150);
    EXPECT_EQ(m.Position(), 100);
    m.SetPosition(-5);
    EXPECT_EQ(m.Position(), 0);
    // Lit colours by zone.
    m.SetPosition(100);
    EXPECT_EQ(m.Segment(1)->Brush().Color, clRed);
    EXPECT_EQ(m.Segment(2)->Brush().Color, clYellow);
    EXPECT_EQ(m.Segment(3)->Brush().Color, clLime);
}

TEST(LevelMeter, StepEdgesMinAndUnchangedPositions) {
    std::unique_ptr<LProgressBar> m(Meter(1, 1, 1, 2));
    m->SetPosition(1);
    EXPECT_EQ(Lights(*m), "..L");
    m->SetPosition(2);  // the quotient falls just below 3: the at-Max rule lights all
    EXPECT_EQ(Lights(*m), "LLL");

    std::unique_ptr<LProgressBar> low(Meter(1, 1, 3, 100));
    low->SetMin(50);
    low->SetPosition(50);  // counted from 0, not from Min
    EXPECT_EQ(Lights(*low), "...LL");
    low->SetPosition(10);
    EXPECT_EQ(low->Position(), 50);
    // Max changes show at the next different position only.
    low->SetMax(50);
    EXPECT_EQ(Lights(*low), "...LL");
    low->SetPosition(49);
    EXPECT_EQ(Lights(*low), "LLLLL");

    // The main window's output meter (1 + 3 + 4, Max 8): a position is a number of segments.
    std::unique_ptr<LProgressBar> out(Meter(1, 3, 4, 8));
    for (int p = 0; p <= 8; ++p) {
        out->SetPosition(p);
        EXPECT_EQ(Lights(*out), std::string(std::size_t(8 - p), '.') + std::string(std::size_t(p), 'L')) << p;
    }
}

TEST(LevelMeter, ZoneCountChangesRenameAndUnlight) {
    std::unique_ptr<LProgressBar> m(Meter(3, 2, 4, 9));
    TShape* former4 = m->Segment(4);
    TShape* former6 = m->Segment(6);
    m->SetPosition(9);
    m->SetFirstNum(1);
    ASSERT_EQ(m->SegmentCount(), 7);
    EXPECT_EQ(m->Segment(2), former4);
    EXPECT_EQ(m->Segment(4), former6);
    EXPECT_EQ(m->Segment(8), nullptr);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(m->Segment(k)->Name(), QString("shape%1").arg(k));
    EXPECT_EQ(Lights(*m), ".......");  // unlit, whatever Position holds
    m->SetPosition(9);
    EXPECT_EQ(Lights(*m), ".......");  // the same position again changes nothing
    m->SetPosition(4);  // Max 9 over 7 segments: 3 lit
    EXPECT_EQ(Lights(*m), "....LLL");

    LProgressBar grow(nullptr);
    TShape* s3 = grow.Segment(3);
    TShape* s5 = grow.Segment(5);
    grow.SetSecondNum(2);
    EXPECT_EQ(grow.Segment(4), s3);
    EXPECT_EQ(grow.Segment(6), s5);
    EXPECT_NE(grow.Segment(3), nullptr);
    EXPECT_EQ(grow.Segment(3)->Brush().Color, clOlive);

    // A limiter lamp, and a meter without segments (no division by zero).
    std::unique_ptr<LProgressBar> lamp(Meter(0, 1, 0, 1));
    lamp->SetSecondColor(20123);
    lamp->SetLSecondColor(4629503);
    ASSERT_EQ(lamp->SegmentCount(), 1);
    lamp->SetPosition(1);
    EXPECT_EQ(lamp->Segment(1)->Brush().Color, TColor(4629503));
    lamp->SetPosition(0);
    EXPECT_EQ(lamp->Segment(1)->Brush().Color, TColor(20123));
    lamp->SetSecondNum(0);
    EXPECT_EQ(lamp->SegmentCount(), 0);
    lamp->SetPosition(1);
    lamp->SetBounds(0, 0, 14, 50);
    (void)lamp->grab();
}

TEST(LevelMeter, ColourSettersAndSharedColours) {
    LProgressBar m(nullptr);
    m.SetPosition(100);
    m.SetFirstColor(clNavy);  // the lit segment takes the new unlit colour too
    EXPECT_EQ(m.Segment(1)->Brush().Color, clNavy);
    m.SetLThirdColor(clWhite);  // only the lit segments of zone 3
    EXPECT_EQ(m.Segment(5)->Brush().Color, clWhite);
    m.SetPosition(0);
    EXPECT_EQ(m.Segment(5)->Brush().Color, clGreen);
    // Two zones sharing an unlit colour light with the lit colour of the first of them.
    m.SetSecondColor(clGreen);
    m.SetPosition(100);
    for (int k = 2; k <= 5; ++k) EXPECT_EQ(m.Segment(k)->Brush().Color, clYellow) << k;
}

TEST(LevelMeter, ResizeLaysTheSegmentsOutAtTheNextPaint) {
    std::unique_ptr<LProgressBar> m(Meter(1, 3, 4, 8));
    m->SetBounds(0, 0, 14, 185);
    (void)m->grab();
    m->SetBounds(0, 0, 14, 217);
    (void)m->grab();
    const int tops[] = {-1, 26, 53, 80, 107, 134, 161, 188};
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(m->Segment(k)->Top(), tops[k - 1]) << k;
        EXPECT_EQ(m->Segment(k)->Height(), 29);
        EXPECT_EQ(m->Segment(k)->Width(), 14);
    }
    // A lit segment is drawn in its colour with a black outline.
    m->SetPosition(8);
    const QImage shot = Grab(*m);
    EXPECT_EQ(PixelAt(shot, 7, 200), clLime);
    EXPECT_EQ(PixelAt(shot, 0, 200), clBlack);
}

}  // namespace
