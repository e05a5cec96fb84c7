#include "Plot.h"

#include "ChannelColors.h"
#include "LMyFFTDrawPhase.h"
#include "MarkerPalette.h"

Plot::Plot(LMyFFTDrawPhase* view_)
    : view(view_), curves(kCurveCount)
{
    // A new curve already is a flat 0 dB high shelf with zeroed data, which is what
    // SetFilter(0, 1000, 0.4, HighShelf) would compute; only the shared coefficient record
    // is brought to that section, as the computation would leave it.
    curves.back().CalcCoefficients();
}

void Plot::SetMode(std::uint8_t m)
{
    mode = m;
    for (FilterCurve& c : curves)
        c.mode = m;
}

FilterCurve* Plot::Curve(int slot)
{
    if (slot < 0 || slot >= count)
        return nullptr;
    return &curves[slot];
}

const FilterCurve* Plot::Curve(int slot) const
{
    return const_cast<Plot*>(this)->Curve(slot);
}

void Plot::ComputeSum()
{
    auto& sum = curves[kSumSlot].data;
    sum = curves[0].data;
    // Untouched curves add nothing; a sum of untouched curves stays untouched (all 0).
    for (int slot = 1; slot < kSummedSlots; ++slot) {
        const auto& d = curves[slot].data;
        if (d.Untouched())
            continue;
        for (int k = 0; k < CurveAxis::kPoints; ++k)
            sum[k] += d[k];
    }
    if (mode == 0 || sum.Untouched())
        return;
    const double turn = 2 * kPhaseUnitsPerHalfTurn;
    for (double& s : sum) {
        if (s > kPhaseUnitsPerHalfTurn) {
            s -= turn;
            if (s > kPhaseUnitsPerHalfTurn)
                s -= turn;
        } else if (s < -kPhaseUnitsPerHalfTurn) {
            s += turn;
            if (s < -kPhaseUnitsPerHalfTurn)
                s += turn;
        }
    }
}

void Plot::DrawSum(int channel)
{
    ComputeSum();
    if (channel >= 0 && channel < int(ChannelColors.size()))
        ShowCurve(kSumSlot, ChannelColors[channel]);
}

void Plot::ShowCurve(int slot, TColor colour)
{
    const FilterCurve* c = Curve(slot);
    if (view && c)
        view->FFTDraw(c->data.data(), CurveAxis::kPoints, slot, colour, TMyPlotStyle::Line);
}

void Plot::RemoveCurve(int id)
{
    if (view)
        view->RemovePlot(id);
}

void Plot::DrawBandMarker(int slot, float gain, int kind)
{
    const FilterCurve* c = Curve(slot);
    if (!view || !c)
        return;
    view->DrawBlock(gain, CurveAxis::PointOf(c->freq), MarkerPalette[slot], slot, false, kind);
    view->SetBlockParameter(slot, c->freq, c->gain, c->q, c->type);
}

void Plot::DrawParamCurve(int kind, int slot, float gain, float q, bool show)
{
    if (!view)
        return;
    if (!show) {
        view->SetCurveDisplay(false);
        return;
    }
    const FilterCurve* c = Curve(slot < 0 ? 0 : slot);
    if (!c)
        return;
    view->DrawParam(kind, gain, CurveAxis::PointOf(c->freq), float(c->freq), q, clYellow);
    view->DrawCurveFill(kind, c->data.data(), CurveAxis::kPoints);
    view->SetCurveDisplay(true);
}
