#pragma once

#include "FilterCurve.h"
#include "graphics/TColor.h"

#include <cstdint>
#include <vector>

class LMyFFTDrawPhase;

// The response engine of one curve pane: 27 curve slots and the graph they are drawn on.
// Channel panes use slots 0 to 8 for the EQ bands, 10 and 11 for the high- and low-pass
// results, 12 for the channel sum, 13 to 17 for crossover sections and 18 to 23 for other
// channels' sums; the gain overviews hold channel n's sum in slot n. A slot number is also
// the id under which its curve is drawn.
class Plot {
public:
    static constexpr int kCurveCount = 27;
    static constexpr int kSumSlot = 12;
    static constexpr int kSummedSlots = 12;  // slots 0 to 11 make up the channel sum

    // Binds the graph (not owned; may be null for an engine that only computes) and sets
    // every curve to a flat 0 dB high shelf.
    explicit Plot(LMyFFTDrawPhase* view);

    // Stores the mode (0 magnitude, 1 phase) in the engine and in every curve. Nothing is
    // recomputed: each curve changes mode at its next SetFilter or SetParams.
    void SetMode(std::uint8_t m);
    std::uint8_t GetMode() const { return mode; }

    // The curve of slot 0 to 26; null for any other slot.
    FilterCurve* Curve(int slot);
    const FilterCurve* Curve(int slot) const;

    LMyFFTDrawPhase* View() const { return view; }

    // Slot 12 := point-wise sum of slots 0 to 11, in phase mode folded back towards
    // -18..+18 by at most two full turns; then drawn as curve 12 in the colour of the
    // channel (0 to 9; another channel is summed but not drawn).
    void DrawSum(int channel);

    // Draws the stored data of a slot as curve id = slot.
    void ShowCurve(int slot, TColor colour);
    // Removes curve `id` from the graph.
    void RemoveCurve(int id);

    // Places the marker of a slot at (x of the slot's frequency, gain) in the slot's palette
    // colour, and gives the graph the slot's stored parameters for its texts. Kinds: 1 EQ
    // band, 2 low-pass result, 3 high-pass result.
    void DrawBandMarker(int slot, float gain, int kind);

    // With show: the parameter texts of the slot (a negative slot means slot 0) with the
    // caller's gain and Q and the slot's frequency, the translucent fill of its curve, and
    // the selected-band display switched on. Without: only the display switched off.
    void DrawParamCurve(int kind, int slot, float gain, float q, bool show);

private:
    void ComputeSum();

    int count = kCurveCount;
    std::uint8_t mode = 0;
    LMyFFTDrawPhase* view;
    std::vector<FilterCurve> curves;
};
