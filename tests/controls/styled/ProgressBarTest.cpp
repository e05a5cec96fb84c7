#include "AdvProgressBar.h"

#include "ui/TForm.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The progress dialog's bar on a form.
class Progress : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetBounds(0, 0, 460, 80);
        bar = new TAdvProgressBar(&form);
        bar->SetParent(&form);
        bar->SetBounds(12, 14, 431, 41);
        TFont font;
        font.SetName(QStringLiteral("Verdana"));
        font.SetHeight(-13);
        bar->SetFont(font);
        bar->SetPosition(0);
        form.Show();
    }

    // The bar's surface as drawn so far (without running a paint).
    QImage Surface() {
        bar->Canvas().Release();
        return *bar->Canvas().Target();
    }

    // The runs of bar pixels (not the white track) along a row.
    std::vector<std::pair<int, int>> Runs(const QImage& image, int y) {
        std::vector<std::pair<int, int>> runs;
        for (int x = 2; x < image.width() - 2; ++x) {
            const bool bar = image.pixel(x, y) != qRgb(255, 255, 255) && qAlpha(image.pixel(x, y)) == 255;
            if (bar && (runs.empty() || runs.back().second != x)) runs.push_back({x, x + 1});
            else if (bar) runs.back().second = x + 1;
        }
        return runs;
    }

    TForm form{nullptr};
    TAdvProgressBar* bar = nullptr;
};

}  // namespace

TEST_F(Progress, PercentageIsNotOffsetByMin) {
    struct Case {
        int min, max, position, percent;
    };
    for (const Case& c : {Case{0, 15, 1, 7}, Case{0, 15, 15, 100}, Case{20, 120, 70, 70}, Case{5, 5, 5, 0},
                          Case{0, 431, 2, 0}}) {
        bar->SetMin(c.min);
        bar->SetMax(c.max);
        bar->SetPosition(c.position);
        EXPECT_EQ(bar->Percentage(), c.percent) << c.min << ".." << c.max << " at " << c.position;
    }
}

TEST_F(Progress, InRangeWritesPaintAtOnceOutOfRangeOnlyClamp) {
    bar->SetMax(15);
    bar->SetPosition(0);
    const QRgb track = Surface().pixel(96, 20);
    bar->SetPosition(8);  // no event loop runs in between
    EXPECT_NE(Surface().pixel(96, 20), track);
    EXPECT_EQ(bar->PositionText(), QStringLiteral("53%"));
    bar->grab();  // the system shows what was drawn
    const QImage before = Surface();
    bar->SetPosition(16);
    EXPECT_EQ(bar->Position(), 15);
    EXPECT_EQ(Surface(), before);
    // The next paint shows 100 % in the level-3 colours (red at the centre line).
    const QImage shown = bar->grab().toImage();
    EXPECT_EQ(bar->PositionText(), QStringLiteral("100%"));
    EXPECT_EQ(shown.pixel(30, 20), qRgb(255, 0, 0));
}

TEST_F(Progress, BlocksAndLevelColours) {
    bar->SetPosition(50);
    const QImage half = Surface();
    // 429 pixels at 50 %: 214 (halves to even): 23 blocks of 7 and one of 6.
    const auto runs = Runs(half, 6);
    ASSERT_EQ(runs.size(), 24u);
    EXPECT_EQ(runs.front(), std::make_pair(2, 9));
    EXPECT_EQ(runs[1].first, 11);
    EXPECT_EQ(runs.back().second - runs.back().first, 6);
    struct Case {
        int position;
        QRgb centre;
    };
    for (const Case& c : {Case{50, qRgb(0, 255, 0)}, Case{80, qRgb(255, 255, 0)}, Case{95, qRgb(255, 169, 83)},
                          Case{100, qRgb(255, 0, 0)}}) {
        bar->SetPosition(c.position);
        // The centre row carries the level colour; the edges its lighter partner.
        EXPECT_EQ(Surface().pixel(30, 20) & 0xFFFFFF, c.centre & 0xFFFFFF) << c.position;
    }
    bar->SetPosition(0);
    EXPECT_TRUE(Runs(Surface(), 6).empty());
}

TEST_F(Progress, RoundedCornersShowTheParent) {
    bar->SetPosition(30);
    EXPECT_EQ(qAlpha(Surface().pixel(0, 0)), 0);
    bar->SetRounded(false);
    const QImage square = bar->grab().toImage();
    EXPECT_EQ(square.pixel(0, 0), qRgb(128, 128, 128));
}

TEST_F(Progress, EndlessModeBounces) {
    bar->SetInfinite(true);
    EXPECT_FALSE(bar->TimerRunning());
    bar->SetAnimated(true);
    EXPECT_TRUE(bar->TimerRunning());
    std::vector<int> seen;
    for (int k = 0; k < 30; ++k) {
        bar->InfiniteTimerTick();
        seen.push_back(bar->InfinitePos());
    }
    EXPECT_EQ(seen[0], 0);
    EXPECT_EQ(seen[1], 4);
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 100);
    EXPECT_EQ(seen[25], 100);
    EXPECT_EQ(seen[26], 96);
}

TEST_F(Progress, FormatTakesValueAndMax) {
    bar->SetMax(15);
    bar->SetPosition(3);
    bar->SetFormat(QStringLiteral("%d of %d %s %%"));
    EXPECT_EQ(bar->PositionText(), QStringLiteral("3 of 15 %s %"));
    bar->SetFormat(QString());
    bar->SetShowPercentage(false);
    EXPECT_EQ(bar->PositionText(), QStringLiteral("3"));
}
