// Renders a channel page's band table with eight bands set (one current, one bypassed) and
// the level meters at several levels beside a limiter lamp, for looking at.
#include "LProgressBar.h"
#include "PanelsTestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr TColor kBack = RGBColor(30, 34, 40);

TEST(Gallery, BandTableAndMeters) {
    ShownForm f(760, 300);
    TMyPEQAllpass table(nullptr);
    SetUpChannelTable(table, f.host, 8);
    ChangeLog log;
    log.Attach(table);
    const struct {
        int freqIndex, q, gainCode, type;
        bool bypass;
    } bands[] = {{50, 30, 150, 0, false}, {80, 20, 90, 1, false},  {110, 40, 132, 0, true},  {140, 25, 108, 0, false},
                 {170, 50, 160, 2, false}, {200, 16, 120, 5, false}, {230, 35, 84, 0, false}, {260, 10, 126, 4, false}};
    for (int b = 0; b < 8; ++b) {
        const double hz = float(1000 * std::pow(1.023373891996775, bands[b].freqIndex - 170));
        table.SetEqParamValue(b, hz, bands[b].q, (bands[b].gainCode - 120) * 0.1, bands[b].type, bands[b].bypass);
    }
    table.SetNowIndex(0);
    table.SetNowIndex(3);

    // Meters as on an output channel page: the lamp above the level meter, and an input meter.
    const auto meter = [&](int x, int y, int h, int first, int second, int third, int position) {
        auto* m = new LProgressBar(&f.form);
        m->SetParent(f.host);
        m->SetBounds(x, y, 14, h);
        m->SetFirstNum(first);
        m->SetSecondNum(second);
        m->SetThirdNum(third);
        m->SetMax(first + second + third);
        m->SetPosition(position);
        m->Show();
        return m;
    };
    for (int i = 0; i < 5; ++i) {
        meter(560 + i * 22, 36, 199, 1, 2, 6, i * 2 + 1);  // inputs at 1, 3, 5, 7 and 9 of 9
    }
    LProgressBar* lamp = meter(680, 34, 22, 1, 1, 1, 0);
    lamp->SetFirstNum(0);
    lamp->SetThirdNum(0);
    lamp->SetSecondColor(20123);
    lamp->SetLSecondColor(4629503);
    lamp->SetMax(1);
    lamp->SetPosition(1);
    meter(680, 56, 179, 1, 3, 4, 6);
    LProgressBar* offLamp = meter(710, 34, 22, 1, 1, 1, 0);
    offLamp->SetFirstNum(0);
    offLamp->SetThirdNum(0);
    offLamp->SetSecondColor(20123);
    offLamp->SetLSecondColor(4629503);
    meter(710, 56, 179, 1, 3, 4, 2);

    Settle();
    const QImage shot = Grab(*f.host);
    ASSERT_TRUE(shot.save(QStringLiteral(Q7K_TEST_OUTPUT_DIR "/gallery_band_table.png")));
    // The current row's text is green, the bypassed row's button shows the bypass colour,
    // the transparent table shows the page.
    EXPECT_EQ(FontColorOf(*table.FreqEdit(3)), TCustomPEQTable::kHighlightColor);
    const QRect b = table.BypassButton(2)->geometry();
    EXPECT_EQ(PixelAt(shot, b.left() + 6, b.top() + 4), TCustomPEQTable::kBypassedColor);
    EXPECT_EQ(PixelAt(shot, 5, 5), kBack);
    EXPECT_EQ(table.FreqEdit(0)->Text(), "62.5Hz");
    EXPECT_EQ(PixelAt(shot, 687, 45), TColor(4629503));  // the lit lamp
}

}  // namespace
