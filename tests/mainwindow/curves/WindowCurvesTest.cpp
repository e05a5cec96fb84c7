// The window's curve methods on its own controls and image: the transfer curves drawn from
// the Comp and Gate pages' controls with their titles, the plotted channels, and a
// channel's cut curves from the image.
#include "MainWindowFixture.h"

#include "AdvTrackBar.h"
#include "LMyFFTDrawPhase.h"
#include "Plot.h"
#include "core/iXYPlot.h"
#include "ui/TLabel.h"
#include "ui/TUpDown.h"

#include <cmath>

namespace {

using Points = std::vector<std::pair<double, double>>;

Points PointsOf(TiXYPlot* plot, int channel)
{
    Points out;
    TiXYPlotChannel* c = plot->Channel(channel);
    for (int i = 0; i < c->Count(); ++i)
        out.emplace_back(c->GetX(i), c->GetY(i));
    return out;
}

class WindowCurvesTest : public MainWindowFixture {
protected:
    std::string Caption(const QString& name) { return Control<TCustomLabel>(name)->Caption().toStdString(); }
};

TEST_F(WindowCurvesTest, CompressorCurveFromThePageControls)
{
    {
        UpdatingScope updating(form->FUpdating);
        Control<TAdvTrackBar>("isCompThresholdOut6")->SetPosition(-40);
        Control<TUpDown>("udCompRatioOut6")->SetPosition(5);
        Control<TUpDown>("udCompKneeOut6")->SetPosition(0);
    }
    form->ShowCompCurve(7);
    EXPECT_EQ(PointsOf(form->ipComp, 0), (Points{{20, 0}, {-20, -20}, {-20, -20}, {-100, -100}}));
    ASSERT_EQ(PointsOf(form->ipComp, 1).size(), 1u);
    EXPECT_DOUBLE_EQ(PointsOf(form->ipComp, 1)[0].first, -19.8);
    EXPECT_DOUBLE_EQ(PointsOf(form->ipComp, 1)[0].second, -20.4);
    EXPECT_EQ(Caption("lbCompName"), "Out 6  Compressor");
    EXPECT_EQ(Caption("lbHeadCompOut"), "Out 6");
    EXPECT_EQ(form->FCompChannel, 7);
}

TEST_F(WindowCurvesTest, GateCurveTitleFollowsThePlottedInput)
{
    {
        UpdatingScope updating(form->FUpdating);
        Control<TAdvTrackBar>("isGateThresholdInB")->SetPosition(-80);
    }
    form->ShowGateCurve(1);
    EXPECT_EQ(PointsOf(form->ipGate, 0), (Points{{20, 20}, {-40, -40}, {-40, -100}}));
    EXPECT_EQ(Caption("lbGateName"), "In B  Gate");
    EXPECT_EQ(Caption("lbHeadGateIn"), "In B");
    EXPECT_EQ(form->FGateChannel, 1);

    // Showing the image redraws the plotted input's curve under its own letter.
    EditImage([](LUnitControl& unit) {
        GateRecord gate = unit.GetGate(1);
        gate.threshold = 110;  // -35 dB
        unit.SetGate(1, gate);
    });
    form->ShowUnitImage(Unit());
    EXPECT_EQ(form->FGateChannel, 1);
    EXPECT_EQ(Caption("lbGateName"), "In B  Gate");
    EXPECT_EQ(PointsOf(form->ipGate, 0), (Points{{20, 20}, {-35, -35}, {-35, -100}}));
}

TEST_F(WindowCurvesTest, MissingControlDrawsNothing)
{
    const Points before = PointsOf(form->ipComp, 0);
    Control<TUpDown>("udCompKneeOut2")->SetName(QStringLiteral("gone"));
    form->ShowCompCurve(3);
    EXPECT_EQ(PointsOf(form->ipComp, 0), before);
    EXPECT_EQ(form->FCompChannel, 2);
}

// The low cut of the image on the channel's result slot and in its sum; the high cut keeps
// its own result.
TEST_F(WindowCurvesTest, CutCurvesFromTheImage)
{
    EditImage([](LUnitControl& unit) {
        CrossoverRecord rec = unit.GetCrossover(0);
        rec.highPassFrequency = 170;
        rec.highPassSlope = 5;  // LK -12
        unit.SetHighPass(0, rec);
    });
    auto* graph = Control<LMyFFTDrawPhase>("fftDrawInA");
    form->CalcLowCutCurve(graph);
    const Plot& plot = *form->GetPlot(0);
    const int at1k = int(std::lround(CurveAxis::PointOf(1000)));
    EXPECT_NEAR(plot.Curve(10)->data[at1k], -6.0, 0.15);
    double sum = 0;
    for (int slot = 0; slot < Plot::kSummedSlots; ++slot)
        sum += plot.Curve(slot)->data[at1k];
    EXPECT_DOUBLE_EQ(plot.Curve(Plot::kSumSlot)->data[at1k], sum);
    EXPECT_TRUE(form->sent.empty());
}

}  // namespace
