// The spinner's changing event: raised before the position changes, by a click (with the
// value beyond either end) and from code (only for a different value); a refusal keeps the
// position, and the stored position stays within Min and Max.
#include "ui/TUpDown.h"

#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Seen {
    int value;
    int positionThen;
    TUpDownDirection direction;
    bool operator==(const Seen&) const = default;
};

TEST(UpDown, ChangingEventComesBeforeTheMove)
{
    TUpDown updown(nullptr);
    updown.SetBounds(0, 0, 16, 24);
    updown.SetMin(0);
    updown.SetMax(3);
    updown.SetPosition(2);
    std::vector<Seen> seen;
    bool allow = true;
    updown.OnChangingEx = [&](TComponent* sender, bool& allowChange, short value, TUpDownDirection direction) {
        EXPECT_EQ(sender, &updown);
        seen.push_back({value, updown.Position(), direction});
        allowChange = allow;
    };
    int clicks = 0;
    updown.OnClick = [&](TComponent*, TUDBtnType) { ++clicks; };

    QTest::mouseClick(&updown, Qt::LeftButton, {}, QPoint(8, 2));   // up: 3
    QTest::mouseClick(&updown, Qt::LeftButton, {}, QPoint(8, 2));   // up at the top: 4 offered, kept at 3
    QTest::mouseClick(&updown, Qt::LeftButton, {}, QPoint(8, 22));  // down: 2
    updown.SetPosition(2);                                          // equal: no event
    updown.SetPosition(9);                                          // from code: held at 3
    allow = false;
    updown.SetPosition(0);                                          // refused
    EXPECT_EQ(seen, (std::vector<Seen>{{3, 2, updUp}, {4, 3, updUp}, {2, 3, updDown}, {9, 2, updNone}, {0, 3, updNone}}));
    EXPECT_EQ(updown.Position(), 3);
    EXPECT_EQ(clicks, 2);
}

}  // namespace
