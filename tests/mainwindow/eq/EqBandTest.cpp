// EQ band editing on the channel pages: the band table writes the band into the link group
// and sends one command; the Q rules of the band types; the faders and the keys of the
// band-frequency box reach the unit through the 1 ms timer; the select buttons only show.
#include "EqFixture.h"

#include "ui/TLabel.h"

namespace {

class EqBandTest : public EqFixture {};

TEST_F(EqBandTest, TableEditWritesTheLinkGroupAndSendsOneCommand)
{
    Masks({3, 3, 4, 8, 16, 32, 64, 128});
    TMyPEQAllpass* table = Table(1);
    BandButton(1, 2)->Click();
    ASSERT_EQ(table->GetNowIndex(), 2);
    EXPECT_TRUE(form->sent.empty()) << "selecting a band sends nothing";

    table->SetGainValue(2, -4.5);
    const PeqBandRecord d = LUnitControl::GetDefaultPeqBand(1, 2);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Peq(1, 2, 75, d.frequency, d.q, 0, 0));
    for (int ch : {0, 1}) {
        const PeqBandRecord r = Unit().GetPeqBand(ch, 2);
        EXPECT_EQ(r.gain, 75) << ch;
        EXPECT_EQ(r.frequency, d.frequency) << ch;
    }
    EXPECT_EQ(Unit().GetPeqBand(0, 1).gain, 120) << "other bands stay";
    EXPECT_EQ(Text("cvdEqGain", 1), "-4.5dB");
    EXPECT_TRUE(BandButton(1, 2)->Down());

    // The band's bypass flag goes into the image with the band.
    form->sent.clear();
    table->SetBypassValue(2, true);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Peq(1, 2, 75, d.frequency, d.q, 0, 1));
    EXPECT_TRUE(Unit().IsPeqBypassed(0, 2));
    EXPECT_TRUE(Unit().IsPeqBypassed(1, 2));
}

// Q index 52 is 8.0, 44 is 5.0, 35 is 3.0, 10 is 0.71.
TEST_F(EqBandTest, QRulesOfTheBandTypes)
{
    TMyPEQAllpass* table = Table(4);
    BandButton(4, 3)->Click();
    table->SetQValue(3, 52);
    const PeqBandRecord d = LUnitControl::GetDefaultPeqBand(4, 3);
    struct Step {
        const char* what;
        std::function<void()> edit;
        int q, type, gain;
    } steps[] = {
        {"Peak Q 8.0 to Low Shelf", [&] { table->SetTypeValue(3, 1); }, 10, 1, 120},
        {"Low Shelf back to Peak", [&] { table->SetTypeValue(3, 0); }, d.q, 0, 120},
        {"Q 5.0 on a Peak stays", [&] { table->SetQValue(3, 44); }, 44, 0, 120},
        {"to High Shelf", [&] { table->SetTypeValue(3, 2); }, 10, 2, 120},
        {"Q 5.0 on a High Shelf", [&] { table->SetQValue(3, 44); }, 35, 2, 120},
        {"gain change keeps 3.0", [&] { table->SetGainValue(3, 2.0); }, 35, 2, 140},
    };
    for (const Step& s : steps) {
        form->sent.clear();
        s.edit();
        EXPECT_EQ(table->QPosition(3), s.q) << s.what;
        ASSERT_EQ(form->sent.size(), 1u) << s.what;
        EXPECT_EQ(form->sent[0], Peq(4, 3, s.gain, d.frequency, s.q, s.type, 0)) << s.what;
        EXPECT_EQ(Unit().GetPeqBand(4, 3).q, s.q) << s.what;
    }
}

TEST_F(EqBandTest, QFaderIsLimitedOnShelvesOnly)
{
    TMyPEQAllpass* table = Table(2);
    BandButton(2, 0)->Click();
    Bar("isEqBw", 2)->SetPosition(100);
    Tick();
    EXPECT_EQ(table->QPosition(0), 100);
    EXPECT_EQ(Text("cvdEqBw", 2), "128.00");

    table->SetTypeValue(0, 2);
    Bar("isEqBw", 2)->SetPosition(80);
    EXPECT_EQ(Bar("isEqBw", 2)->Position(), 35);
    EXPECT_EQ(Text("cvdEqBw", 2), "3.00");
    Tick();
    EXPECT_EQ(Unit().GetPeqBand(2, 0).q, 35);
}

TEST_F(EqBandTest, FadersSendTheLastPendingValueOnceTheTimerRuns)
{
    BandButton(0, 4)->Click();
    form->sent.clear();
    Bar("isEqGain", 0)->SetPosition(100);
    Bar("isEqGain", 0)->SetPosition(150);
    EXPECT_TRUE(form->sent.empty()) << "nothing before the timer";
    EXPECT_EQ(Text("cvdEqGain", 0), "+3.0dB");
    Tick();
    const PeqBandRecord d = LUnitControl::GetDefaultPeqBand(0, 4);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Peq(0, 4, 150, d.frequency, d.q, 0, 0));

    // Moved by the window itself: neither table nor unit change.
    form->sent.clear();
    {
        UpdatingScope updating(form->FUpdating);
        Bar("isEqFreq", 0)->SetPosition(12);
    }
    Tick();
    EXPECT_TRUE(form->sent.empty());
    EXPECT_EQ(FreqToIndex(Table(0)->GetFreqValue(4)), d.frequency);
}

TEST_F(EqBandTest, KeysOfTheFrequencyBoxMoveOneFader)
{
    BandButton(3, 5)->Click();
    const PeqBandRecord d = LUnitControl::GetDefaultPeqBand(3, 5);
    QWidget* edit = Box("cvdEqFreq", 3)->Edit();
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int gain, freq, q;
    } keys[] = {
        {Qt::Key_Right, {}, 120, d.frequency + 1, d.q},
        {Qt::Key_Left, {}, 120, d.frequency, d.q},
        {Qt::Key_Up, {}, 121, d.frequency, d.q},
        {Qt::Key_Down, {}, 120, d.frequency, d.q},
        {Qt::Key_Equal, {}, 120, d.frequency, d.q + 1},
        {Qt::Key_Plus, Qt::KeypadModifier, 120, d.frequency, d.q + 2},
        {Qt::Key_Minus, {}, 120, d.frequency, d.q + 1},
    };
    for (const Key& k : keys) {
        form->sent.clear();
        QTest::keyClick(edit, k.key, k.mods);
        Tick();
        ASSERT_EQ(form->sent.size(), 1u) << k.key;
        EXPECT_EQ(form->sent[0], Peq(3, 5, k.gain, k.freq, k.q, 0, 0)) << k.key;
    }
    form->sent.clear();
    QTest::keyClick(edit, Qt::Key_Shift);
    Tick();
    EXPECT_TRUE(form->sent.empty());
}

TEST_F(EqBandTest, DeselectedBandsDisableTheFaders)
{
    form->DeselectEqBands();
    for (int ch = 0; ch < TfmMain::kChannels; ++ch) {
        for (const char* stem : {"isEqFreq", "isEqBw", "isEqGain"})
            EXPECT_FALSE(Bar(QLatin1String(stem), ch)->Enabled()) << stem << ch;
        EXPECT_EQ(Text("cvdEqFreq", ch), " 19.7Hz");
        EXPECT_EQ(Text("cvdEqGain", ch), "+0.0dB");
        EXPECT_EQ(Text("cvdEqBw", ch), "0.40");
        EXPECT_EQ(Table(ch)->GetNowIndex(), 15);
    }
    // A key in a box with no band selected changes no band.
    form->sent.clear();
    QTest::keyClick(Box("cvdEqFreq", 0)->Edit(), Qt::Key_Right);
    Tick();
    EXPECT_TRUE(form->sent.empty());
}

TEST_F(EqBandTest, WheelOverATypeIsSwallowed)
{
    bool handled = false;
    ASSERT_TRUE(Table(0)->OnPeqTypeMouseWheel);
    Table(0)->OnPeqTypeMouseWheel(Table(0), 0, 120, QPoint(), handled);
    EXPECT_TRUE(handled);
}

}  // namespace
