#include "CutCurve.h"

#include "Plot.h"

namespace {

// Butterworth rows 1 to 8: element 0 is 1 when the order has a first-order section,
// elements 1 to 4 the dampings of its second-order sections (0 = none).
constexpr float kButterworth[9][5] = {
    {0, 0, 0, 0, 0},
    {1.0f, 0, 0, 0, 0},
    {0, 1.4142f, 0, 0, 0},
    {1.0f, 1.0f, 0, 0, 0},
    {0, 0.7654f, 1.8478f, 0, 0},
    {1.0f, 0.618f, 1.618f, 0, 0},
    {0, 0.5176f, 1.4142f, 1.9319f, 0},
    {1.0f, 0.445f, 1.247f, 1.8019f, 0},
    {0, 0.3902f, 1.1111f, 1.6629f, 1.9616f},
};

// Bessel orders 1 to 8 (rows 9 to 16), normalised to -3 dB at the cut frequency: element 0
// the first-order coefficient (0 = none), element 1 unused, then four pairs (s0, s1) of
// second-order sections 1 + s0 p + s1 p^2 (s0 = 0 = none).
constexpr float kBessel[9][10] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 1.3617f, 0.618f, 0, 0, 0, 0, 0, 0},
    {0.756f, 0, 0.9996f, 0.4772f, 0, 0, 0, 0, 0, 0},
    {0, 0, 1.3397f, 0.4889f, 0.7743f, 0.389f, 0, 0, 0, 0},
    {0.6656f, 0, 1.1402f, 0.4128f, 0.6216f, 0.3245f, 0, 0, 0, 0},
    {0, 0, 1.2217f, 0.3887f, 0.9686f, 0.3505f, 0.5131f, 0.2756f, 0, 0},
    {0.5937f, 0, 1.0944f, 0.3395f, 0.8304f, 0.3011f, 0.4332f, 0.2381f, 0, 0},
    {0, 0, 1.1112f, 0.3126f, 0.9754f, 0.2979f, 0.7202f, 0.2621f, 0.3728f, 0.2087f},
};

constexpr int kButterworthLast = 8;
constexpr int kBesselFirst = 9, kBesselLast = 16;
constexpr int kLinkwitz12 = 17, kLinkwitz24 = 18, kLinkwitz36 = 19;  // 20 is Linkwitz-Riley 48

// Sections are set with 0 dB and a nominal Q; their types read only s0 and s1.
constexpr double kSectionQ = 0.05;
constexpr double kFlatFreq = 1000;

struct SectionTypes {
    int firstOrder, damping, table;
};

constexpr SectionTypes kHighPassTypes{FilterCurveType::HighPass1Coef, FilterCurveType::HighPass2Damping,
                                      FilterCurveType::HighPass2Table};
constexpr SectionTypes kLowPassTypes{FilterCurveType::LowPass1Coef, FilterCurveType::LowPass2Damping,
                                     FilterCurveType::LowPass2Table};

// Fills the five section slots of one cut and remembers the last non-flat section set.
class SectionWriter {
public:
    SectionWriter(Plot& plot, int base, double freq) : plot(plot), base(base), freq(freq) {}

    void Flat(int section)
    {
        plot.Curve(Slot(section))->SetParams(0, kFlatFreq, kSectionQ, FilterCurveType::Flat, 0, 0);
    }
    void Set(int section, int type, float s0, float s1 = 0)
    {
        plot.Curve(Slot(section))->SetParams(0, freq, kSectionQ, type, s0, s1);
        lastType = type;
        lastS0 = s0;
        lastS1 = s1;
    }

    int lastType = FilterCurveType::Flat;
    float lastS0 = 0, lastS1 = 0;

private:
    int Slot(int section) const { return base + kCutSectionOffset + section - 1; }

    Plot& plot;
    int base;
    double freq;
};

}  // namespace

const std::array<int, kSlopeCodeCount> SlopeSectionRows = {0,  1, 9, 2,  10, 17, 3,  11, 4,  12, 18,
                                                           5,  13, 6, 14, 19, 7,  15, 8,  16, 20};

int SlopeSectionRow(int slope)
{
    if (slope < 0 || slope >= kSlopeCodeCount)
        return 0;
    return SlopeSectionRows[std::size_t(slope)];
}

void CalcCutCurve(Plot& plot, int kind, int slope, double freq, int base)
{
    const int row = SlopeSectionRow(slope);
    const SectionTypes& types = kind == kCutHighPass ? kHighPassTypes : kLowPassTypes;
    SectionWriter sections(plot, base, freq);
    for (int s = 1; s <= kCutSectionCount; ++s)
        sections.Flat(s);

    const int resultSlot = kind == kCutHighPass ? base : base + 1;
    FilterCurve& result = *plot.Curve(resultSlot);

    if (row == 0) {
        result.SetParams(0, freq, kSectionQ, FilterCurveType::Flat, 0, 0);
    } else if (row == 1) {
        result.SetParams(0, freq, kSectionQ, types.firstOrder, 1.0f, 0);
    } else {
        if (row <= kButterworthLast) {
            const float* e = kButterworth[row];
            if (e[0] == 1.0f)
                sections.Set(1, types.firstOrder, 1.0f);
            for (int i = 1; i <= 4; ++i)
                if (e[i] != 0)
                    sections.Set(i + 1, types.damping, e[i]);
        } else if (row <= kBesselLast) {
            const float* e = kBessel[row - kBesselFirst + 1];
            if (e[0] != 0)
                sections.Set(1, types.firstOrder, e[0]);
            for (int i = 1; i <= 4; ++i)
                if (e[2 * i] != 0)
                    sections.Set(i + 1, types.table, e[2 * i], e[2 * i + 1]);
        } else if (row == kLinkwitz12 || row == kLinkwitz24) {
            for (int s : {1, 2}) {
                if (row == kLinkwitz12)
                    sections.Set(s, types.firstOrder, 1.0f);
                else
                    sections.Set(s, types.damping, 1.4142f);
            }
        } else {
            // Two equal Butterworth filters of order 3 or 4, set section 1, 3, 2, 4.
            for (int s : {1, 3, 2, 4}) {
                const bool firstPair = s <= 2;
                if (row == kLinkwitz36) {
                    if (firstPair)
                        sections.Set(s, types.firstOrder, 1.0f);
                    else
                        sections.Set(s, types.damping, 1.0f);
                } else {
                    sections.Set(s, types.damping, firstPair ? 1.8478f : 0.7654f);
                }
            }
            sections.Flat(5);
        }
        result.SetParams(0, freq, kSectionQ, sections.lastType, sections.lastS0, sections.lastS1);
        for (int k = 0; k < CurveAxis::kPoints; ++k) {
            double sum = 0;
            for (int s = 0; s < kCutSectionCount; ++s)
                sum += plot.Curve(base + kCutSectionOffset + s)->data[std::size_t(k)];
            result.data[std::size_t(k)] = sum;
        }
    }
    plot.DrawBandMarker(resultSlot, 0, kind == kCutHighPass ? 3 : 2);
}
