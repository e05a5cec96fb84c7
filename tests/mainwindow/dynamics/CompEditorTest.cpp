// The compressor editor: faders and spinners write the image and send one record, the
// typed entries move their control or restore the box, linked outputs follow without a
// second command, and the plotted output follows every change and every press.
#include "DynamicsFixture.h"

#include "timer/TTimer.h"

namespace {

class CompEditorTest : public DynamicsFixture {};

TEST_F(CompEditorTest, FadersWriteTheRecordShowTheirTextAndSendOnce)
{
    struct Case {
        const char* fader;
        int position;
        const char* box;
        const char* text;
        int stored;
    } cases[] = {
        {"isCompThresholdOut3", 0, "cvdCompThresholdOut3", "+0.0dB", 180},
        {"isCompThresholdOut3", 40, "cvdCompThresholdOut3", "+20.0dB", 220},
        {"isCompThresholdOut3", -180, "cvdCompThresholdOut3", "-90.0dB", 0},
        {"isCompAttackOut3", 0, "cvdCompAttackOut3", "  1ms", 0},
        {"isCompAttackOut3", 998, "cvdCompAttackOut3", "999ms", 998},
        {"isCompReleaseOut3", 2999, "cvdCompReleaseOut3", "3000ms", 2999},
        {"isCompReleaseOut3", 9, "cvdCompReleaseOut3", " 10ms", 9},
    };
    for (const Case& c : cases) {
        form->sent.clear();
        Bar(c.fader)->SetPosition(c.position);
        EXPECT_EQ(Text(c.box), c.text) << c.fader << ' ' << c.position;
        const CompRecord rec = Unit().GetComp(4);
        const int stored = QString(c.fader).contains("Threshold") ? rec.threshold
                           : QString(c.fader).contains("Attack")  ? rec.attack
                                                                  : rec.release;
        EXPECT_EQ(stored, c.stored) << c.fader << ' ' << c.position;
        ASSERT_EQ(form->sent.size(), 1u) << c.fader << ' ' << c.position;
        EXPECT_EQ(form->sent[0], CompFrame(4));
    }
    EXPECT_EQ(form->FCompChannel, 4);
}

TEST_F(CompEditorTest, RatioSpinnerClickedToTheLimiterRedrawsByTheTimer)
{
    {
        UpdatingScope updating(form->FUpdating);
        Bar("isCompThresholdOut2")->SetPosition(0);
        Spinner("udCompRatioOut2")->SetPosition(14);
        Spinner("udCompKneeOut2")->SetPosition(6);
    }
    TUpDown* ratio = Spinner("udCompRatioOut2");
    Press(ratio, QPoint(ratio->Width() / 2, 2));
    EXPECT_EQ(ratio->Position(), 15);
    EXPECT_EQ(Text("cvdCompRatioOut2"), "Limit");
    EXPECT_EQ(Unit().GetComp(3).ratio, 15);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], CompFrame(3));
    // The curve reads the spinner's position: drawn once the event has returned.
    EXPECT_EQ(form->FLastCompChannel, 3);
    EXPECT_TRUE(form->tmCompDisp->GetEnabled());
    FireCompRedraw();
    EXPECT_FALSE(form->tmCompDisp->GetEnabled());
    EXPECT_EQ(PointsOf(form->ipComp, 0), (Points{{20, 0}, {6, 0}, {-6, -6}, {-100, -100}}));
    EXPECT_EQ(Caption("lbHeadCompOut"), "Out 2");

    // At the top the arrow moves nothing and sends nothing.
    form->sent.clear();
    Press(ratio, QPoint(ratio->Width() / 2, 2));
    EXPECT_EQ(ratio->Position(), 15);
    EXPECT_TRUE(form->sent.empty());

    // The knee's lower arrow.
    TUpDown* knee = Spinner("udCompKneeOut2");
    Press(knee, QPoint(knee->Width() / 2, knee->Height() - 2));
    EXPECT_EQ(knee->Position(), 5);
    EXPECT_EQ(Text("cvdCompKneeOut2"), "5dB");
    EXPECT_EQ(Unit().GetComp(3).knee, 5);
    ASSERT_EQ(form->sent.size(), 1u);
}

TEST_F(CompEditorTest, TypedEntriesMoveTheirControlOrRestoreTheBox)
{
    const EntryCase cases[] = {
        // ratio
        {"cvdCompRatioOut1", "udCompRatioOut1", 0, "1:4", false, "1:4.0", 9, true},
        {"cvdCompRatioOut1", "udCompRatioOut1", 0, "2.2", true, "1:2.5", 6, true},
        {"cvdCompRatioOut1", "udCompRatioOut1", 3, "0.5", false, "1:1.0", 0, true},
        {"cvdCompRatioOut1", "udCompRatioOut1", 0, "25", false, "Limit", 15, true},
        {"cvdCompRatioOut1", "udCompRatioOut1", 9, "4", false, "1:4.0", 9, false},
        {"cvdCompRatioOut1", "udCompRatioOut1", 9, "2:1", false, "1:4.0", 9, false},
        {"cvdCompRatioOut1", "udCompRatioOut1", 9, "", true, "1:4.0", 9, false},
        // threshold
        {"cvdCompThresholdOut1", "isCompThresholdOut1", 40, "-10.7", false, "-10.5dB", -21, true},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", 40, "-10.3", true, "-10.0dB", -20, true},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", 0, "-95", false, "-90.0dB", -180, true},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", 0, "30", false, "+20.0dB", 40, true},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", 0, "5 dB", true, "+5.0dB", 10, true},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", -20, "-10", false, "-10.0dB", -20, false},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", -20, ".3", false, "-10.0dB", -20, false},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", -20, "   ", true, "-10.0dB", -20, false},
        {"cvdCompThresholdOut1", "isCompThresholdOut1", -20, "nan", false, "-10.0dB", -20, false},
        // knee
        {"cvdCompKneeOut1", "udCompKneeOut1", 6, "6", false, "6dB", 6, false},
        {"cvdCompKneeOut1", "udCompKneeOut1", 6, "3", false, "3dB", 3, true},
        {"cvdCompKneeOut1", "udCompKneeOut1", 0, "7.9", false, "7dB", 7, true},
        {"cvdCompKneeOut1", "udCompKneeOut1", 0, "20", true, "12dB", 12, true},
        {"cvdCompKneeOut1", "udCompKneeOut1", 6, "-2", false, "0dB", 0, true},
        {"cvdCompKneeOut1", "udCompKneeOut1", 6, "5 dB", false, "6dB", 6, false},
        {"cvdCompKneeOut1", "udCompKneeOut1", 6, "5 dB", true, "5dB", 5, true},
        // attack and release
        {"cvdCompAttackOut1", "isCompAttackOut1", 0, "1", false, "1ms", 0, false},
        {"cvdCompAttackOut1", "isCompAttackOut1", 49, "0ms", false, "1ms", 0, true},
        {"cvdCompAttackOut1", "isCompAttackOut1", 49, "-5", true, "50ms", 49, false},
        {"cvdCompReleaseOut1", "isCompReleaseOut1", 499, "5000", false, "3000ms", 2999, true},
        {"cvdCompReleaseOut1", "isCompReleaseOut1", 499, "99999999999999999999", true, "3000ms", 2999, true},
        {"cvdCompReleaseOut1", "isCompReleaseOut1", 499, "", false, "500ms", 499, false},
    };
    for (const EntryCase& c : cases)
        CheckEntry(c, [this] { return CompFrame(2); });
}

TEST_F(CompEditorTest, OtherKeysDoNotApplyATypedValue)
{
    const int before = Bar("isCompAttackOut1")->Position();
    Box("cvdCompAttackOut1")->SetText("300");
    QTest::keyClick(Box("cvdCompAttackOut1")->Edit(), Qt::Key_Left);
    QTest::keyClick(Box("cvdCompAttackOut1")->Edit(), Qt::Key_Escape);
    EXPECT_EQ(Bar("isCompAttackOut1")->Position(), before);
    EXPECT_EQ(Text("cvdCompAttackOut1"), "300");
    EXPECT_TRUE(form->sent.empty());
}

TEST_F(CompEditorTest, LinkedOutputsFollowWithOneCommand)
{
    Masks({1, 2, 0x3, 0x3, 0x4, 0x8, 0x10, 0x20});
    Bar("isCompThresholdOut1")->SetPosition(-30);
    EXPECT_EQ(Bar("isCompThresholdOut2")->Position(), -30);
    EXPECT_EQ(Text("cvdCompThresholdOut2"), "-15.0dB");
    EXPECT_EQ(Unit().GetComp(3).threshold, 150);
    EXPECT_EQ(Unit().GetComp(4).threshold, 220) << "Out3 is not in the group";
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], CompFrame(2));

    // Stepping Out2's ratio sets Out1's spinner and box; Out2's box is written once.
    form->sent.clear();
    int writes = 0;
    Box("cvdCompRatioOut2")->OnChange = [&writes](TComponent*) { ++writes; };
    Spinner("udCompRatioOut2")->SetPosition(5);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(Spinner("udCompRatioOut1")->Position(), 5);
    EXPECT_EQ(Text("cvdCompRatioOut1"), "1:2.0");
    EXPECT_EQ(Text("cvdCompRatioOut2"), "1:2.0");
    EXPECT_EQ(Unit().GetComp(2).ratio, 5);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], CompFrame(3));
    EXPECT_FALSE(form->FUpdating);
}

TEST_F(CompEditorTest, PressingAnOutputsControlsOrNamePlotsItWithoutAChange)
{
    struct Case {
        const char* control;
        int ch;
    } cases[] = {{"cvdCompReleaseOut4", 5}, {"lbCompTitleOut6", 7}, {"lbCompOut2", 3},
                 {"cvdCompKneeOut5", 6},    {"isCompAttackOut3", 4}};
    {
        UpdatingScope updating(form->FUpdating);
        Bar("isCompThresholdOut4")->SetPosition(-40);
        Spinner("udCompRatioOut4")->SetPosition(5);
        Spinner("udCompKneeOut4")->SetPosition(0);
    }
    const ImageBytes before = ToBytes(Unit().Image());
    for (const Case& c : cases) {
        Press(Control<QWidget>(c.control));
        EXPECT_EQ(form->FCompChannel, c.ch) << c.control;
        EXPECT_EQ(Caption("lbHeadCompOut"), "Out " + std::to_string(c.ch - 1)) << c.control;
        if (c.ch == 5) {
            EXPECT_EQ(PointsOf(form->ipComp, 0), (Points{{20, 0}, {-20, -20}, {-20, -20}, {-100, -100}}));
            EXPECT_EQ(Caption("lbCompName"), "Out 4  Compressor");
        }
    }
    EXPECT_TRUE(form->sent.empty());
    EXPECT_EQ(ToBytes(Unit().Image()), before);
}

TEST_F(CompEditorTest, SetCompParamDoesNothingWhileUpdating)
{
    const ImageBytes before = ToBytes(Unit().Image());
    {
        UpdatingScope updating(form->FUpdating);
        for (int kind = 0; kind < 5; ++kind)
            form->SetCompParam(2, kind, 7);
    }
    EXPECT_EQ(ToBytes(Unit().Image()), before);
    EXPECT_TRUE(form->sent.empty());
    // Outside it each kind writes its own field.
    for (int kind = 0; kind < 5; ++kind)
        form->SetCompParam(2, kind, 7);
    const CompRecord rec = Unit().GetComp(2);
    EXPECT_EQ(rec.threshold, 187);
    EXPECT_EQ(rec.attack, 7);
    EXPECT_EQ(rec.release, 7);
    EXPECT_EQ(rec.ratio, 7);
    EXPECT_EQ(rec.knee, 7);
    EXPECT_EQ(form->sent.size(), 5u);
    // Another kind or an input changes and sends nothing.
    form->SetCompParam(2, 5, 1);
    form->SetCompParam(1, 0, 1);
    EXPECT_EQ(form->sent.size(), 5u);
}

}  // namespace
