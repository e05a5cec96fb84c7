// The gate editor: faders write the image, send one record and plot their input at once;
// typed entries use the compressor's level and time rules within the gate's faders; linked
// inputs follow without a second command; a press on an input's box or name plots it.
#include "DynamicsFixture.h"

#include "RzBmpBtn.h"

namespace {

class GateEditorTest : public DynamicsFixture {};

TEST_F(GateEditorTest, FadersWriteTheRecordAndPlotTheirInput)
{
    struct Case {
        const char* stem;
        int position;
        const char* text;
        int stored;
    } cases[] = {
        {"Threshold", 0, "+0.0dB", 180}, {"Threshold", -180, "-90.0dB", 0}, {"Threshold", -80, "-40.0dB", 100},
        {"Hold", 9, "10ms", 9},            {"Attack", 998, "999ms", 998},         {"Release", 2999, "3000ms", 2999},
    };
    for (const Case& c : cases) {
        form->sent.clear();
        Bar(QStringLiteral("isGate%1InB").arg(c.stem))->SetPosition(c.position);
        EXPECT_EQ(Text(QStringLiteral("cvdGate%1InB").arg(c.stem)), c.text) << c.stem;
        const GateRecord rec = Unit().GetGate(1);
        const QString stem = c.stem;
        const int stored = stem == "Threshold" ? rec.threshold
                           : stem == "Hold"    ? rec.hold
                           : stem == "Attack"  ? rec.attack
                                               : rec.release;
        EXPECT_EQ(stored, c.stored) << c.stem;
        ASSERT_EQ(form->sent.size(), 1u) << c.stem;
        EXPECT_EQ(form->sent[0], GateFrame(1));
        EXPECT_EQ(form->FGateChannel, 1);
        EXPECT_EQ(Caption("lbHeadGateIn"), "In B");
        EXPECT_EQ(Caption("lbGateName"), "In B  Gate");
    }
    // The last threshold was -40 dB; the curve is drawn at once, without a timer.
    EXPECT_EQ(PointsOf(form->ipGate, 0), (Points{{20, 20}, {-40, -40}, {-40, -100}}));
    ASSERT_EQ(PointsOf(form->ipGate, 1).size(), 1u);
    EXPECT_DOUBLE_EQ(PointsOf(form->ipGate, 1)[0].first, -39.8);
    EXPECT_DOUBLE_EQ(PointsOf(form->ipGate, 1)[0].second, -40.4);
}

TEST_F(GateEditorTest, TypedEntriesWithinTheGatesFaders)
{
    const EntryCase cases[] = {
        {"cvdGateHoldInA", "isGateHoldInA", 99, "5", false, "10ms", 9, true},
        {"cvdGateHoldInA", "isGateHoldInA", 99, "2000", true, "999ms", 998, true},
        {"cvdGateHoldInA", "isGateHoldInA", 99, "150.5", false, "150ms", 149, true},
        {"cvdGateHoldInA", "isGateHoldInA", 99, "100ms", false, "100ms", 99, false},
        {"cvdGateHoldInA", "isGateHoldInA", 99, "+5", false, "100ms", 99, false},
        {"cvdGateAttackInA", "isGateAttackInA", 49, "99999999999999999999999999", false, "999ms", 998, true},
        {"cvdGateReleaseInA", "isGateReleaseInA", 499, "  ", true, "10ms", 9, true},
        {"cvdGateThresholdInA", "isGateThresholdInA", -40, "10", false, "+0.0dB", 0, true},
        {"cvdGateThresholdInA", "isGateThresholdInA", -40, "-100", true, "-90.0dB", -180, true},
        {"cvdGateThresholdInA", "isGateThresholdInA", -40, "-20", false, "-20.0dB", -40, false},
        {"cvdGateThresholdInA", "isGateThresholdInA", -40, "", false, "-20.0dB", -40, false},
        {"cvdGateThresholdInA", "isGateThresholdInA", -40, "--3", true, "-20.0dB", -40, false},
        {"cvdGateThresholdInA", "isGateThresholdInA", -40, "1,5.5.5", false, "-20.0dB", -40, false},
    };
    for (const EntryCase& c : cases)
        CheckEntry(c, [this] { return GateFrame(0); });
}

TEST_F(GateEditorTest, LinkedInputsFollowAndTheEditedOnePlots)
{
    Masks({0x3, 0x3, 0x1, 0x2, 0x4, 0x8, 0x10, 0x20});
    Bar("isGateAttackInB")->SetPosition(199);
    EXPECT_EQ(Bar("isGateAttackInA")->Position(), 199);
    EXPECT_EQ(Text("cvdGateAttackInA"), "200ms");
    EXPECT_EQ(Unit().GetGate(0).attack, 199);
    EXPECT_EQ(Unit().GetGate(1).attack, 199);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], GateFrame(1));
    EXPECT_EQ(form->FGateChannel, 1);
    EXPECT_EQ(Caption("lbHeadGateIn"), "In B");
    EXPECT_FALSE(form->FUpdating);
}

TEST_F(GateEditorTest, PressingAnInputsBoxOrNamePlotsIt)
{
    {
        UpdatingScope updating(form->FUpdating);
        Bar("isGateThresholdInB")->SetPosition(0);
        Bar("isGateThresholdInA")->SetPosition(-80);
    }
    const ImageBytes before = ToBytes(Unit().Image());
    struct Case {
        const char* control;
        int ch;
    } cases[] = {{"lbGateInB", 1},          {"cvdGateThresholdInA", 0}, {"lbGateTitleInB", 1},
                 {"cvdGateReleaseInA", 0},  {"cvdGateHoldInB", 1},      {"cvdGateAttackInA", 0}};
    for (const Case& c : cases) {
        Press(Control<QWidget>(c.control));
        EXPECT_EQ(form->FGateChannel, c.ch) << c.control;
        EXPECT_EQ(PointsOf(form->ipGate, 0),
                  c.ch == 1 ? (Points{{20, 20}, {0, 0}, {0, -100}}) : (Points{{20, 20}, {-40, -40}, {-40, -100}}))
            << c.control;
    }
    EXPECT_TRUE(form->sent.empty());
    EXPECT_EQ(ToBytes(Unit().Image()), before);
}

TEST_F(GateEditorTest, MatrixGateLabelShowsTheGatePage)
{
    form->FGateChannel = 1;
    form->lbMatrixGateInAClick(Control<TComponent>("lbMatrixGateInB"));
    EXPECT_EQ(form->FPage, TfmMain::kPageGate);
    EXPECT_TRUE(Control<TRzBmpButton>("rzbMenuGate")->Down());
    EXPECT_FALSE(Control<TRzBmpButton>("rzbMenuMatrix")->Down());
    EXPECT_EQ(form->FGateChannel, 1);
}

TEST_F(GateEditorTest, SetGateParamDoesNothingWhileUpdating)
{
    const ImageBytes before = ToBytes(Unit().Image());
    {
        UpdatingScope updating(form->FUpdating);
        for (int kind = 0; kind < 4; ++kind)
            form->SetGateParam(0, kind, 9);
    }
    EXPECT_EQ(ToBytes(Unit().Image()), before);
    EXPECT_TRUE(form->sent.empty());
    form->SetGateParam(0, 4, 9);
    form->SetGateParam(2, 0, 9);
    EXPECT_TRUE(form->sent.empty());
}

}  // namespace
