// Gain, mute and polarity: a change moves its twin and every linked channel's controls,
// writes the image for the group and sends exactly one command for the edited channel;
// nothing is sent while the window itself moves controls, and a missing control ends a
// handler before anything changes.
#include "MainWindowFixture.h"

#include "AdvTrackBar.h"
#include "CommandCode.h"
#include "CurvyControls.h"
#include "MyPEQAllpass.h"
#include "ValueCodecs.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

namespace {

class ChannelStripTest : public MainWindowFixture {
protected:
    TAdvTrackBar* Bar(const QString& name) { return Control<TAdvTrackBar>(name); }
    std::string Text(const QString& box) { return Control<TCurvyEdit>(box)->Text().toStdString(); }
    TRzBmpButton* Button(const QString& name) { return Control<TRzBmpButton>(name); }

    // Sets the link masks of the image (InA, InB, Out1 to Out6).
    void Masks(std::initializer_list<int> masks)
    {
        EditImage([&](LUnitControl& unit) {
            int ch = 0;
            for (int m : masks)
                unit.SetLinkMask(ch++, std::uint16_t(m));
        });
    }

    // A user's click on a toggle button: its Down flips, then its click handler runs.
    void Click(TRzBmpButton* button)
    {
        button->SetDown(!button->Down());
        ASSERT_TRUE(button->OnClick);
        button->OnClick(button);
    }
};

TEST_F(ChannelStripTest, GainPositionsTextsAndCodes)
{
    struct Case {
        int position;
        const char* text;
        int code;
    } cases[] = {{120, "+12.0dB", 400}, {0, "+0.0dB", 280}, {-200, "-20.0dB", 80}, {-201, "-20.5dB", 79}, {-280, "-60.0dB", 0}};
    for (const Case& c : cases) {
        form->sent.clear();
        Bar("isGainOut3")->SetPosition(c.position);
        EXPECT_EQ(Bar("isGainBackupOut3")->Position(), c.position);
        EXPECT_EQ(Text("cvdGainOut3"), c.text);
        EXPECT_EQ(Text("cvdGainBackupOut3"), c.text);
        EXPECT_EQ(Unit().GetGain(4), c.code);
        ASSERT_EQ(form->sent.size(), 1u) << c.text;
        EXPECT_EQ(form->sent[0], Frame(CMD_GAIN, {4, std::uint8_t(c.code & 0xFF), std::uint8_t(c.code >> 8)}));
    }
}

TEST_F(ChannelStripTest, GainPageSliderMovesTheChannelPageTwin)
{
    Bar("isGainBackupInB")->SetPosition(-40);
    EXPECT_EQ(Bar("isGainInB")->Position(), -40);
    EXPECT_EQ(Text("cvdGainInB"), "-4.0dB");
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_GAIN, {1, 240, 0}));
}

// Out3's own mask lacks its bit; Out1's holds Out1 and Out3: Out3 edits Out1's group.
TEST_F(ChannelStripTest, LinkedGainFollowsOnEveryMemberWithOneCommand)
{
    Masks({1, 2, 0x5, 0x2, 0, 0x8, 0x10, 0x20});
    Bar("isGainOut3")->SetPosition(-100);
    EXPECT_EQ(Unit().GetGain(2), 180);
    EXPECT_EQ(Unit().GetGain(4), 180);
    EXPECT_EQ(Unit().GetGain(3), 280) << "Out2 is not in the group";
    for (const char* name : {"isGainOut1", "isGainBackupOut1", "isGainOut3", "isGainBackupOut3"})
        EXPECT_EQ(Bar(name)->Position(), -100) << name;
    EXPECT_EQ(Text("cvdGainOut1"), "-10.0dB");
    EXPECT_EQ(Text("cvdGainBackupOut1"), "-10.0dB");
    EXPECT_EQ(Bar("isGainOut2")->Position(), 0);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_GAIN, {4, 180, 0}));
    EXPECT_FALSE(form->IsUpdating());
}

// A mask naming other channels but not the edited one (from the unit or a file) still edits
// the edited channel, and no other.
TEST_F(ChannelStripTest, GroupWithoutTheEditedChannelEditsOnlyThatChannel)
{
    Masks({1, 2, 0x1, 0, 0x4, 0x8, 0x10, 0x20});
    EXPECT_EQ(form->GetLinkGroup(3), 0x2);
    Bar("isGainOut2")->SetPosition(-50);
    EXPECT_EQ(Unit().GetGain(3), 230);
    EXPECT_EQ(Unit().GetGain(2), 280);
    EXPECT_EQ(Bar("isGainOut1")->Position(), 0);
    EXPECT_EQ(form->sent.size(), 1u);
}

TEST_F(ChannelStripTest, NothingMovesOrIsSentWhileUpdating)
{
    {
        UpdatingScope updating(form->FUpdating);
        Bar("isGainInA")->SetPosition(-30);
    }
    EXPECT_EQ(Bar("isGainBackupInA")->Position(), 0);
    EXPECT_EQ(Text("cvdGainInA"), "+0.0dB");
    EXPECT_EQ(Unit().GetGain(0), 280);
    EXPECT_TRUE(form->sent.empty());
}

TEST_F(ChannelStripTest, PolarityClickShowsInverseOnTheGroupAndSendsOnce)
{
    Masks({3, 0, 1, 2, 4, 8, 16, 32});
    Click(Button("rzbPhaseInB"));
    for (const char* name : {"rzbPhaseInA", "rzbPhaseBackupInA", "rzbPhaseInB", "rzbPhaseBackupInB"}) {
        EXPECT_TRUE(Button(name)->Down()) << name;
        EXPECT_EQ(Button(name)->Caption().toStdString(), "Inverse") << name;
    }
    EXPECT_TRUE(Unit().GetPolarity(0));
    EXPECT_TRUE(Unit().GetPolarity(1));
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_POLARITY, {1, 1}));

    form->sent.clear();
    Click(Button("rzbPhaseBackupInA"));
    EXPECT_FALSE(Button("rzbPhaseInB")->Down());
    EXPECT_EQ(Button("rzbPhaseBackupInB")->Caption().toStdString(), "Normal");
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_POLARITY, {0, 0}));
}

TEST_F(ChannelStripTest, MuteClickTogglesTwinAndGroupOnBothPages)
{
    Masks({1, 2, 0x7, 0, 0, 8, 16, 32});  // Out1, Out2 and Out3 linked
    Click(Button("rzbMuteBackupOut2"));
    for (const char* name : {"rzbMuteOut1", "rzbMuteBackupOut1", "rzbMuteOut2", "rzbMuteOut3", "rzbMuteBackupOut3"})
        EXPECT_TRUE(Button(name)->Down()) << name;
    EXPECT_FALSE(Button("rzbMuteOut4")->Down());
    EXPECT_TRUE(Unit().IsMuted(2) && Unit().IsMuted(3) && Unit().IsMuted(4));
    EXPECT_FALSE(Unit().IsMuted(5));
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_MUTE, {3, 1}));
}

TEST_F(ChannelStripTest, MissingTwinEndsTheHandlerBeforeAnyChange)
{
    Control<TAdvTrackBar>("isGainBackupOut5")->SetName(QStringLiteral("gone"));
    Bar("isGainOut5")->SetPosition(-60);
    EXPECT_EQ(Text("cvdGainOut5"), "+0.0dB");
    EXPECT_EQ(Unit().GetGain(6), 280);
    EXPECT_TRUE(form->sent.empty());

    // A mirror stops at the missing member, leaving the flag cleared.
    Control<TCurvyEdit>("cvdGainBackupOut2")->SetName(QStringLiteral("gone too"));
    Masks({1, 2, 0x3, 0, 4, 8, 16, 32});
    Bar("isGainOut1")->SetPosition(-60);
    EXPECT_FALSE(form->IsUpdating());
    EXPECT_EQ(Unit().GetGain(3), 220) << "the image holds the group";
    EXPECT_EQ(Bar("isGainOut2")->Position(), 0) << "the member whose controls are incomplete stays";
    EXPECT_EQ(form->sent.size(), 1u);
}

// No band selected: every channel's band sliders off, showing the idle band; then band 1
// selected again with its values.
TEST_F(ChannelStripTest, DeselectAndSelectFirstBands)
{
    form->DeselectEqBands();
    for (const char* ch : {"InA", "Out6"}) {
        const QString s = QLatin1String(ch);
        EXPECT_FALSE(Bar("isEqFreq" + s)->Enabled()) << ch;
        EXPECT_FALSE(Bar("isEqGain" + s)->Enabled()) << ch;
        EXPECT_EQ(Text("cvdEqFreq" + s), " 19.7Hz");
        EXPECT_EQ(Text("cvdEqGain" + s), "+0.0dB");
        EXPECT_EQ(Text("cvdEqBw" + s), "0.40");
        EXPECT_EQ(Control<TMyPEQAllpass>("peqPeq" + s)->GetNowIndex(), 15);
    }
    form->SelectFirstEqBands();
    auto* table = Control<TMyPEQAllpass>("peqPeqOut6");
    EXPECT_EQ(table->GetNowIndex(), 0);
    EXPECT_TRUE(Button("rzbEq1Out6")->Down());
    EXPECT_TRUE(Bar("isEqFreqOut6")->Enabled());
    EXPECT_EQ(Bar("isEqFreqOut6")->Position(), FreqToIndex(table->GetFreqValue(0)));
    EXPECT_FALSE(form->IsUpdating());
    EXPECT_TRUE(form->sent.empty());
}

// A unit button rewrites every delay text in its unit and sends the unit once; with the
// updating flag set it only rewrites the texts.
TEST_F(ChannelStripTest, DelayUnitRewritesEveryDelayText)
{
    {
        UpdatingScope updating(form->FUpdating);
        Bar("isDelayInB")->SetPosition(96);
        Bar("isDelayOut6")->SetPosition(65280);
    }
    auto* feet = Button("rzbUnit2");
    feet->SetDown(true);
    feet->OnClick(feet);
    EXPECT_EQ(Text("cvdDelayInB"), "1.127ft");
    EXPECT_EQ(Control<TCustomLabel>("lbFftDelayTimeInB")->Caption().toStdString(), "1.127ft");
    EXPECT_EQ(Text("cvdDelayInA"), "0.000ft");
    EXPECT_EQ(Unit().GetDelayUnit(), 2);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_DELAY_UNIT, {2}));

    form->sent.clear();
    {
        UpdatingScope updating(form->FUpdating);
        auto* metres = Button("rzbUnit1");
        metres->OnClick(metres);
    }
    EXPECT_EQ(Text("cvdDelayInB"), "0.344m");
    EXPECT_EQ(Unit().GetDelayUnit(), 2) << "not stored while updating";
    EXPECT_TRUE(form->sent.empty());
}

TEST_F(ChannelStripTest, DelayIndicatorFollowsItsPicture)
{
    auto* picture = Control<TImage>("imDelayOut2");
    picture->SetLeft(100);
    form->PlaceDelayIndicator(3);
    auto* time = Control<TCustomLabel>("lbFftDelayTimeOut2");
    EXPECT_EQ(time->Left(), 100 + picture->Width());
    EXPECT_EQ(time->Top(), picture->Top() + picture->Height() / 4);
    EXPECT_EQ(Control<TCustomLabel>("lbDelayLineOut2")->Caption(), QString(10, QLatin1Char('-')));
}

}  // namespace
