// The channel response curves (EQ bands, cut filters, sum) and the compressor and gate
// transfer curves of the Comp and Gate pages.
#include "TfmMain.h"

#include "CutCurve.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "MyPEQAllpass.h"
#include "Plot.h"
#include "TransferCurve.h"
#include "ValueCodecs.h"

#include "AdvTrackBar.h"
#include "core/iXYPlot.h"
#include "ui/TLabel.h"
#include "ui/TUpDown.h"

#include <algorithm>

namespace {

// Every caller builds the cuts on kCutBase: results in 10 and 11, sections in 13 to 17.
using MainWindow::kCutBase;
// Band slots 0 to 8 of a channel's engine; slot 9 and above belong to other curves.
constexpr int kBandSlots = 9;

// A cut frequency of the image; an index outside the grid (from the unit or a file) is
// drawn at the nearest end of it.
float CutFrequency(int index) { return float(IndexToFreq(std::clamp(index, kFreqIndexMin, kFreqIndexMax))); }

// Replaces every point of a plot channel by the given ones.
template <class Points>
void ReplacePoints(TiPlotChannelCustom& channel, const Points& points)
{
    channel.DeletePoints(channel.Count());
    for (const TransferPoint& p : points)
        channel.AddXY(p.in, p.out);
}

}  // namespace

void TfmMain::CalcCutCurve(int kind, int slope, double f, int base, int ch)
{
    if (Plot* plot = GetPlot(ch))
        ::CalcCutCurve(*plot, kind, slope, f, base);
}

int TfmMain::GraphChannel(TComponent* graph) const
{
    auto* view = dynamic_cast<LMyFFTDrawPhase*>(graph);
    if (!view || view->Tag() < 0 || view->Tag() >= kChannels)
        return -1;
    return view->Tag();
}

void TfmMain::CalcPeqCurve(TComponent* graph)
{
    const int ch = GraphChannel(graph);
    if (ch < 0)
        return;
    auto* table = Find<TMyPEQAllpass>("peqPeq" + Suffix(ch));
    Plot* plot = GetPlot(ch);
    if (!table || !plot)
        return;
    const int bands = std::min(table->GetChannelNumber(), kBandSlots);
    for (int i = 0; i < bands; ++i) {
        const double f = table->GetFreqValue(i);
        const double g = table->GetGainValue(i);
        const double q = table->GetQValue(i);
        FilterCurve& curve = *plot->Curve(i);
        if (table->GetBypassValue(i))
            curve.SetFilter(0, f, q, FilterCurveType::Flat);
        else
            curve.SetFilter(g, f, q, CurveTypeOfBand(table->GetTypeValue(i)));
        plot->DrawBandMarker(i, float(g), 1);
    }
    plot->DrawSum(ch);
}

void TfmMain::CalcLowCutCurve(TComponent* graph) { CalcCrossoverCurve(graph, kCutHighPass); }
void TfmMain::CalcHighCutCurve(TComponent* graph) { CalcCrossoverCurve(graph, kCutLowPass); }

void TfmMain::CalcCrossoverCurve(TComponent* graph, int kind)
{
    const int ch = GraphChannel(graph);
    if (ch < 0 || !GetPlot(ch))
        return;
    const CrossoverRecord rec = FUnitControl->GetCrossover(ch);
    if (kind == kCutHighPass)
        CalcCutCurve(kind, rec.highPassSlope, CutFrequency(rec.highPassFrequency), kCutBase, ch);
    else
        CalcCutCurve(kind, rec.lowPassSlope, CutFrequency(rec.lowPassFrequency), kCutBase, ch);
    GetPlot(ch)->DrawSum(ch);
}

void TfmMain::ShowCompCurve(int ch)
{
    if (ch < 2 || ch >= kChannels)
        return;
    const QString s = Suffix(ch);
    auto* threshold = Find<TAdvTrackBar>("isCompThreshold" + s);
    auto* knee = Find<TUpDown>("udCompKnee" + s);
    auto* ratio = Find<TUpDown>("udCompRatio" + s);
    auto* title = Find<TCustomLabel>(QStringLiteral("lbCompName"));
    auto* heading = Find<TCustomLabel>(QStringLiteral("lbHeadCompOut"));
    TiXYPlotChannel* curve = ipComp ? ipComp->Channel(0) : nullptr;
    TiXYPlotChannel* marker = ipComp ? ipComp->Channel(1) : nullptr;
    if (!threshold || !knee || !ratio || !title || !heading || !curve || !marker)
        return;
    const double t = threshold->Position() * 0.5;
    ReplacePoints(*curve, CompCurvePoints(t, knee->Position(), ratio->Position(), ratio->Max()));
    ReplacePoints(*marker, std::array{ThresholdMarker(t)});
    const QString name = QStringLiteral("Out ") + s.mid(3);
    title->SetCaption(name + QStringLiteral("  ") + LangText(QStringLiteral("SID_COMP")));
    heading->SetCaption(name);
    FCompChannel = ch;
}

void TfmMain::ShowGateCurve(int ch)
{
    if (ch < 0 || ch >= 2)
        return;
    const QString s = Suffix(ch);
    auto* threshold = Find<TAdvTrackBar>("isGateThreshold" + s);
    auto* title = Find<TCustomLabel>(QStringLiteral("lbGateName"));
    auto* heading = Find<TCustomLabel>(QStringLiteral("lbHeadGateIn"));
    TiXYPlotChannel* curve = ipGate ? ipGate->Channel(0) : nullptr;
    TiXYPlotChannel* marker = ipGate ? ipGate->Channel(1) : nullptr;
    if (!threshold || !title || !heading || !curve || !marker)
        return;
    const double t = threshold->Position() * 0.5;
    ReplacePoints(*curve, GateCurvePoints(t));
    ReplacePoints(*marker, std::array{ThresholdMarker(t)});
    const QString name = QStringLiteral("In ") + s.mid(2);
    title->SetCaption(name + QStringLiteral("  ") + LangText(QStringLiteral("SID_GATE")));
    heading->SetCaption(name);
    FGateChannel = ch;
}
