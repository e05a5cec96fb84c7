#include "MyPEQ.h"
#include "PanelsTestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(PlainBandTable, TextsEntriesSpinnersAndChangeCounts) {
    ShownForm f;
    TMyPEQ table(nullptr);
    table.SetParent(f.host);
    table.Show();
    Settle();
    EXPECT_EQ(table.FreqEdit(0)->Text(), "1.00KHz");
    EXPECT_EQ(table.QEdit(0)->Text(), "1.26");
    EXPECT_EQ(table.GainEdit(0)->Text(), "0dB");
    EXPECT_EQ(table.TypeList(0)->Count(), 3);
    EXPECT_EQ(table.TypeList(0)->ItemIndex(), 1);
    int changes = 0;
    table.OnChange = [&](TComponent*) { ++changes; };

    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"1.4", "1dB"}, Case{"1.49", "1dB"}, Case{"1.0", "1dB"}, Case{"1.5", "1.5dB"},
                          Case{"1.99", "1.5dB"}, Case{"-0.4", "0dB"}, Case{"12.7", "12dB"}, Case{"-1.7", "-1.5dB"},
                          Case{"1,5", "-1.5dB"}}) {
        table.GainEdit(2)->SetFocus();
        table.GainEdit(2)->Field()->selectAll();
        QTest::keyClicks(table.GainEdit(2)->Field(), c.typed);
        QTest::keyClick(table.GainEdit(2)->Field(), Qt::Key_Return);
        EXPECT_EQ(table.GainEdit(2)->Text(), c.shown) << c.typed;
    }
    EXPECT_EQ(table.GetNowIndex(), 2);
    EXPECT_EQ(table.GetGainValue(2), -1.5);
    f.host->SetFocus();  // leaving the field reads it once more

    changes = 0;
    table.SetQValue(1, 40);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(table.QEdit(1)->Text(), "4.00");
    table.SetGainValue(1, 1.5f);
    table.SetFreqValue(1, 2000);
    table.SetTypeValue(1, 2);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(table.FreqEdit(1)->Text(), "2.00KHz");
    table.SetBypassValue(1, true);  // the box clicks too
    EXPECT_EQ(changes, 5);
    table.SetBypassValue(1, true);
    EXPECT_EQ(changes, 6);
    EXPECT_TRUE(table.GetBypassValue(1));

    // A spinner step shows the new position's text and makes the row current.
    changes = 0;
    const QRect up = table.GainUpDown(4)->rect();
    QTest::mouseClick(table.GainUpDown(4), Qt::LeftButton, {}, QPoint(up.width() / 2, 2));
    EXPECT_EQ(table.GainEdit(4)->Text(), "0.5dB");
    EXPECT_EQ(table.GetNowIndex(), 4);
    EXPECT_EQ(changes, 1);

    // ChannelNumber is held at 15; the rows follow at the next size change.
    table.SetChannelNumber(20);
    EXPECT_EQ(table.GetChannelNumber(), 15);
    table.SetChannelNumber(4);
    (void)table.grab();
    EXPECT_TRUE(table.FreqEdit(10)->isVisible());
    table.SetBounds(0, 0, 490, 230);
    (void)table.grab();
    EXPECT_FALSE(table.FreqEdit(10)->isVisible());
    EXPECT_EQ(table.FreqEdit(10)->Top(), 10000);
}

}  // namespace
