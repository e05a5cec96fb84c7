// The cut panels (frequency, slope, bypass) and dragging markers on the response graph with
// real mouse events: mapping of the pointer to frequency and gain, the hit test, one command
// per new pixel, the cut markers driving their panels.
#include "EqFixture.h"

#include "Plot.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

class CutTest : public EqFixture {
protected:
    TRzBmpButton* Bypass(const char* stem, int ch) { return Control<TRzBmpButton>(QStringLiteral("rzb%1Bypass").arg(QLatin1String(stem)) + TfmMain::Suffix(ch)); }
    TRzComboBox* Slope(const char* stem, int ch) { return Control<TRzComboBox>(QStringLiteral("rzc%1Slop").arg(QLatin1String(stem)) + TfmMain::Suffix(ch)); }
};

TEST_F(CutTest, BypassSendsSlopeZeroAndReleaseRestoresTheBoxSlope)
{
    const CrossoverRecord rec = Unit().GetCrossover(3);
    TRzBmpButton* bypass = Bypass("LowCut", 3);
    Slope("LowCut", 3)->SetItemIndex(9);
    bypass->SetDown(true);
    bypass->OnClick(bypass);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Cut(CMD_HIGH_PASS, 3, rec.highPassFrequency, 0));
    EXPECT_EQ(Unit().GetCrossover(3).highPassSlope, 0);
    const auto& flat = form->GetPlot(3)->Curve(10)->data;
    EXPECT_TRUE(std::all_of(flat.begin(), flat.end(), [](double v) { return v == 0; })) << "bypassed cut draws flat";

    form->sent.clear();
    bypass->SetDown(false);
    bypass->OnClick(bypass);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Cut(CMD_HIGH_PASS, 3, rec.highPassFrequency, 10));
}

TEST_F(CutTest, SlopeBoxSendsUnlessUpdatingAndAlwaysRedraws)
{
    const CrossoverRecord rec = Unit().GetCrossover(2);
    TRzComboBox* slope = Slope("HighCut", 2);
    Bypass("HighCut", 2)->SetDown(false);
    slope->SetItemIndex(9);  // "LK -24"
    slope->OnChange(slope);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Cut(CMD_LOW_PASS, 2, rec.lowPassFrequency, 10));
    EXPECT_EQ(Unit().GetCrossover(2).lowPassSlope, 10);

    form->sent.clear();
    const double before = form->GetPlot(2)->Curve(11)->data.back();
    {
        UpdatingScope updating(form->FUpdating);
        slope->SetItemIndex(0);  // "BW -6"
        slope->OnChange(slope);
    }
    EXPECT_TRUE(form->sent.empty());
    EXPECT_NE(form->GetPlot(2)->Curve(11)->data.back(), before) << "the curve follows the box";

    bool handled = false;
    slope->OnMouseWheel(slope, 0, -120, QPoint(), handled);
    EXPECT_TRUE(handled);
}

TEST_F(CutTest, FrequencyFaderTextsAndCommands)
{
    const CrossoverRecord rec = Unit().GetCrossover(5);
    struct Case {
        const char* stem;
        int position;
        const char* text;
        std::uint8_t code;
        int slope;
    } cases[] = {
        {"HighCut", 0, " 19.7Hz", CMD_LOW_PASS, rec.lowPassSlope},
        {"HighCut", 300, "20.16KHz", CMD_LOW_PASS, rec.lowPassSlope},
        {"LowCut", 170, "1.00KHz", CMD_HIGH_PASS, rec.highPassSlope},
    };
    for (const Case& c : cases) {
        form->sent.clear();
        // The panel's slope: its box's item + 1, or 0 while bypassed (as shown from the image).
        Bar(QStringLiteral("is%1Freq").arg(QLatin1String(c.stem)), 5)->SetPosition(c.position);
        EXPECT_EQ(Text(QStringLiteral("cvd%1Freq").arg(QLatin1String(c.stem)), 5), c.text);
        ASSERT_EQ(form->sent.size(), 1u) << c.text;
        EXPECT_EQ(form->sent[0], Cut(c.code, 5, c.position, c.slope)) << c.text;
    }
}

class DragTest : public EqFixture {
protected:
    void SetUp() override
    {
        EqFixture::SetUp();
        form->Show();
        Settle();
        ASSERT_GT(Graph(2)->GetPlotWidth(), 0);
    }
    void Press(int ch, QPoint at) { QTest::mousePress(Graph(ch), Qt::LeftButton, {}, at); }
    void Move(int ch, QPoint at) { QTest::mouseMove(Graph(ch), at); }
    // A move with no button held, as the window system delivers it to the pane.
    void Hover(int ch, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), Graph(ch)->mapToGlobal(QPointF(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Graph(ch), &move);
    }
    void Release(int ch, QPoint at) { QTest::mouseRelease(Graph(ch), Qt::LeftButton, {}, at); }
};

TEST_F(DragTest, PressHitsWithinFourPixelsAndSelectsTheBand)
{
    const QPoint marker = MarkerPoint(2, 3);
    for (int dx : {-4, 4, -5, 5}) {
        Press(2, marker + QPoint(dx, 0));
        const bool hit = std::abs(dx) < 5;
        EXPECT_EQ(form->FDragHandle, hit ? 3 : -1) << dx;
        if (hit) {
            EXPECT_EQ(Table(2)->GetNowIndex(), 3);
            EXPECT_TRUE(BandButton(2, 3)->Down());
        }
        Release(2, marker);
    }
    EXPECT_TRUE(form->sent.empty()) << "a press sends nothing";

    // Hovering: at 96 dots per inch the cross shows within about 3 pixels only.
    ASSERT_EQ(Graph(2)->logicalDpiX(), 96);
    for (int dx : {2, -2, 4, -4}) {
        Hover(2, marker + QPoint(dx, 0));
        EXPECT_EQ(Graph(2)->Cursor(), std::abs(dx) == 2 ? crCross : crDefault) << dx;
    }
}

TEST_F(DragTest, DraggingABandMapsThePointerAndSendsOncePerPixel)
{
    const QPoint marker = MarkerPoint(2, 4);
    Press(2, marker);
    ASSERT_EQ(form->FDragHandle, 4);
    const int right = 42 + Graph(2)->GetPlotWidth() + 30;
    struct Step {
        QPoint at;
        int gain, freq;
    } steps[] = {
        {{marker.x(), LevelY(2, 14)}, 240, -1},      // above +12 dB
        {{marker.x(), LevelY(2, -3.47)}, 86, -1},    // toward 0 dB in 0.1 dB steps
        {{0, LevelY(2, 0)}, 120, 0},                 // far left: 19.7 Hz
        {{right, LevelY(2, 0)}, 120, 300},           // far right: 20160 Hz
    };
    for (const Step& s : steps) {
        form->sent.clear();
        Move(2, s.at);
        ASSERT_EQ(form->sent.size(), 1u) << s.gain;
        const PeqBandRecord r = Unit().GetPeqBand(2, 4);
        EXPECT_EQ(r.gain, s.gain);
        if (s.freq >= 0)
            EXPECT_EQ(r.frequency, s.freq);
        EXPECT_EQ(form->sent[0], Peq(2, 4, r.gain, r.frequency, r.q, r.type, 0));
        Move(2, s.at);
        EXPECT_EQ(form->sent.size(), 1u) << "the same pixel again sends nothing";
    }
    Tick();
    EXPECT_EQ(Text("cvdEqFreq", 2), "20.16KHz");
    EXPECT_EQ(Text("cvdEqGain", 2), "+0.0dB");
    Release(2, {right, LevelY(2, 0)});
    EXPECT_EQ(form->FDragHandle, -1);
}

TEST_F(DragTest, LowPassMarkerDrivesTheHighCutPanel)
{
    const QPoint marker = MarkerPoint(3, 11);
    Press(3, marker);
    ASSERT_EQ(form->FDragHandle, 11);
    form->sent.clear();
    Move(3, marker - QPoint(60, 0));
    const int index = Bar("isHighCutFreq", 3)->Position();
    EXPECT_LT(index, Unit().GetCrossover(3).lowPassFrequency + 1);
    EXPECT_EQ(Unit().GetCrossover(3).lowPassFrequency, index);
    ASSERT_FALSE(form->sent.empty());
    for (const ByteArray& f : form->sent)
        EXPECT_EQ(f[5], CMD_LOW_PASS);
    EXPECT_EQ(Box("cvdHighCutFreq", 3)->Font().Color(), clGreen);
    for (int b = 0; b < 9; ++b)
        EXPECT_FALSE(BandButton(3, b)->Down()) << b;
    Release(3, marker);
    EXPECT_EQ(Box("cvdHighCutFreq", 3)->Font().Color(), clBlack);
}

TEST_F(DragTest, UndrawnHandlesAndEmptyPlotsAreNeverHit)
{
    // Handle 9 of an input pane has never been drawn: its position stays (0, 0).
    Press(0, {42, LevelY(0, 0)});
    EXPECT_EQ(form->FDragHandle, -1);
    Move(0, {300, LevelY(0, 6)});
    EXPECT_TRUE(form->sent.empty());

    // A pane without plot area maps nothing, even while a handle is held.
    LMyFFTDrawPhase* graph = Graph(2);
    const QPoint marker = MarkerPoint(2, 0);
    graph->SetPlotWidth(0);
    ASSERT_EQ(graph->GetPlotWidth(), 0);
    Press(2, marker);
    EXPECT_EQ(form->FDragHandle, -1);
    form->FDragHandle = 0;
    Move(2, {30, 4});
    EXPECT_TRUE(form->sent.empty());
    form->FDragHandle = -1;
}

}  // namespace
