// Overlay curves: a view copies and redraws another channel's sum only when that channel
// changed since the view last took it; a toggle shows its current copy at once and removes
// the curve when switched off.
#include "MainWindowFixture.h"

#include "CurveAxis.h"
#include "LMyFFTDrawPhase.h"
#include "Plot.h"
#include "VrButtons.h"

#include <QScreen>

namespace {

constexpr int kOut1Page = 2;

class OverlaysTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        form->FPage = kOut1Page;
    }

    // Fills channel ch's sum with a value that no response has.
    void Stamp(int ch, double value) { form->GetPlot(ch)->Curve(Plot::kSumSlot)->data.fill(value); }

    // What view `view` holds in `slot` (first point) and what its graph draws for it.
    double Copy(int view, int slot) { return form->GetPlot(view)->Curve(slot)->data[100]; }
    bool Drawn(int view, int slot, double* firstValue = nullptr)
    {
        std::vector<double> y;
        if (!form->GetPlot(view)->View()->GetPlotY(slot, y))
            return false;
        if (firstValue)
            *firstValue = y.at(100);
        return true;
    }

    TVrPowerButton* Toggle(const QString& name) { return Control<TVrPowerButton>(name); }

    // A user click on a toggle: the LED flips, then its handler runs.
    void Switch(const QString& name)
    {
        TVrPowerButton* t = Toggle(name);
        t->SetActive(!t->Active());
        t->OnClick(t);
    }
};

TEST_F(OverlaysTest, PageCopiesAndDrawsOnlyChangedChannels)
{
    Toggle("vrbShow3Out1")->SetActive(true);
    Toggle("vrbShow4Out1")->SetActive(false);
    form->ShowUnitImage(Unit());  // every channel dirty, then refreshed for the Out1 page
    EXPECT_EQ(form->FOverlayDirty[kOut1Page] & 0xFC, 1u << kOut1Page) << "only the page's own bit is left";
    EXPECT_TRUE(Drawn(kOut1Page, 20)) << "Out3 shown";
    EXPECT_FALSE(Drawn(kOut1Page, 21)) << "Out4's toggle is off";

    // Out3 and Out4 change in the engines; only Out3 is marked.
    Stamp(4, 7.5);
    Stamp(5, -7.5);
    form->MarkCurveDirty(4);
    form->RefreshPageOverlays(kOut1Page);
    double drawn = 0;
    EXPECT_EQ(Copy(kOut1Page, 20), 7.5);
    ASSERT_TRUE(Drawn(kOut1Page, 20, &drawn));
    EXPECT_EQ(drawn, 7.5);
    EXPECT_NE(Copy(kOut1Page, 21), -7.5) << "Out4 was not marked, so not copied";
    EXPECT_EQ(form->FOverlayDirty[kOut1Page] & (1u << 4), 0u);
}

TEST_F(OverlaysTest, ToggleShowsTheLastCopyAndRemovesTheCurve)
{
    Toggle("vrbShow4Out1")->SetActive(false);
    Stamp(5, 3.25);
    form->MarkCurveDirty(5);
    form->RefreshPageOverlays(kOut1Page);
    EXPECT_EQ(Copy(kOut1Page, 21), 3.25) << "copied although its toggle is off";
    EXPECT_FALSE(Drawn(kOut1Page, 21));

    Stamp(5, -1.0);  // a later change, not yet marked
    Switch("vrbShow4Out1");
    double drawn = 0;
    ASSERT_TRUE(Drawn(kOut1Page, 21, &drawn));
    EXPECT_EQ(drawn, 3.25) << "the copy is shown at once, without a new copy";

    Switch("vrbShow4Out1");
    EXPECT_FALSE(Drawn(kOut1Page, 21)) << "off removes the curve at once";
}

TEST_F(OverlaysTest, InputPagesUseTheirOwnSlots)
{
    form->FPage = 1;
    Toggle("vrbShowAInB")->SetActive(true);
    Stamp(0, 2.5);
    form->MarkCurveDirty(0);
    form->RefreshPageOverlays(1);
    double drawn = 0;
    ASSERT_TRUE(Drawn(1, 18, &drawn));
    EXPECT_EQ(drawn, 2.5);
}

TEST_F(OverlaysTest, GainPageKeepsTheBitOfAToggledOffChannel)
{
    form->FPage = TfmMain::kPageGain;
    Toggle("vrbShowAGain")->SetActive(true);
    Toggle("vrbShowBGain")->SetActive(false);
    Stamp(0, 1.5);
    Stamp(1, -2.5);
    form->MarkCurveDirty(0);
    form->MarkCurveDirty(1);
    form->RefreshGainOverlays();
    const int in = TfmMain::kViewGainIn;
    double drawn = 0;
    ASSERT_TRUE(Drawn(in, 0, &drawn));
    EXPECT_EQ(drawn, 1.5);
    EXPECT_EQ(Copy(in, 1), -2.5) << "every channel is copied on the Gain page";
    EXPECT_FALSE(Drawn(in, 1));
    EXPECT_EQ(form->FOverlayDirty[in], 1u << 1) << "InB keeps its bit, InA's is cleared";

    Switch("vrbShowBGain");
    ASSERT_TRUE(Drawn(in, 1, &drawn));
    EXPECT_EQ(drawn, -2.5);
    EXPECT_EQ(form->FOverlayDirty[in], 0u);

    // Unchanged since: a refresh copies again but redraws nothing.
    Stamp(0, 9.0);
    form->RefreshGainOverlays();
    ASSERT_TRUE(Drawn(in, 0, &drawn));
    EXPECT_EQ(drawn, 1.5);
}

TEST_F(OverlaysTest, OverviewPagesRefreshNothing)
{
    Stamp(5, 4.0);
    form->MarkCurveDirty(5);
    const auto masks = form->FOverlayDirty;
    for (int page = 8; page <= 12; ++page)
        form->RefreshPageOverlays(page);
    EXPECT_EQ(form->FOverlayDirty, masks);
}

// The Gain page's two overviews: InA and Out1 are shown from the start, follow every image
// shown, and are on screen at the window's first paint.
class GainOverviewTest : public MainWindowFixture {
protected:
    // The drawn y of a view's curve at frequency `hz`; NaN when the curve is not drawn.
    double DrawnAt(int view, int slot, double hz)
    {
        std::vector<double> y;
        if (!form->GetPlot(view)->View()->GetPlotY(slot, y))
            return std::nan("");
        return y.at(std::size_t(std::lround(CurveAxis::PointOf(hz))));
    }

    // Pixels of exactly `colour` on the graph `name` as the screen shows it.
    int ShownPixels(const QImage& screen, const QString& name, TColor colour)
    {
        auto* graph = Control<LMyFFTDrawPhase>(name);
        const QRect area(graph->mapTo(form, QPoint(0, 0)), graph->size());
        const QRgb want = qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += (screen.pixel(x, y) & 0xFFFFFF) == (want & 0xFFFFFF);
        return count;
    }
};

TEST_F(GainOverviewTest, InAAndOut1AreOnAtStartAndFollowEachImage)
{
    for (const char* name : {"vrbShowAGain", "vrbShow1Gain"})
        EXPECT_TRUE(Control<TVrPowerButton>(name)->Active()) << name;
    for (const char* name : {"vrbShowBGain", "vrbShow2Gain", "vrbShow3Gain", "vrbShow4Gain", "vrbShow5Gain",
                             "vrbShow6Gain"})
        EXPECT_FALSE(Control<TVrPowerButton>(name)->Active()) << name;
    EXPECT_NEAR(DrawnAt(TfmMain::kViewGainIn, 0, 1000), 0.0, 0.01);

    // A peak of +12 dB at 1 kHz on InA and of -6 dB at 1 kHz on Out1 (frequency index 170).
    UnitImage image = DefaultUnitImage();
    image.inputs[0].bands[0] = {240, 170, 20, 0};
    image.outputs[0].bands[0] = {60, 170, 20, 0};
    Load(image);
    form->ShowUnitImage(Unit());
    EXPECT_NEAR(DrawnAt(TfmMain::kViewGainIn, 0, 1000), 12.0, 0.05);
    EXPECT_NEAR(DrawnAt(TfmMain::kViewGainOut, 2, 1000), -6.0, 0.05);
    EXPECT_NEAR(DrawnAt(TfmMain::kViewGainIn, 0, 20), 0.0, 0.05) << "the peak only";
    EXPECT_TRUE(std::isnan(DrawnAt(TfmMain::kViewGainIn, 1, 1000))) << "InB is off";
}

// Without a unit nothing shows an image again: the first paint must already hold the curves
// (a grab would run a fresh paint, so the screen's picture is read).
TEST_F(GainOverviewTest, CurvesAreOnScreenAtTheFirstPaint)
{
    form->Show();
    Settle();
    const QImage screen = form->screen()->grabWindow(form->winId()).toImage();
    ASSERT_FALSE(screen.isNull());
    EXPECT_GT(ShownPixels(screen, "fftDrawGainIn", clPurple), 300) << "InA's curve across the input overview";
    EXPECT_GT(ShownPixels(screen, "fftDrawGainOut", clRed), 300) << "Out1's curve across the output overview";
}

}  // namespace
