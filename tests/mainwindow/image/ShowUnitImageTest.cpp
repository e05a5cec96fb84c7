// Showing a known parameter image: the texts and positions of the channel controls, the
// preset display, the "BYPASS" text set and removed, bytes outside their ranges shown safely
// and kept in the image, the transfer curves left alone while the window is created, and
// not one frame sent.
#include "MainWindowFixture.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "LMyFFTDrawPhase.h"
#include "MyPEQAllpass.h"
#include "Plot.h"
#include "RzBmpBtn.h"
#include "RzComboBox.h"
#include "core/iXYPlot.h"
#include "graphics/TColor.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TUpDown.h"

#include <cstring>

namespace {

void Name(std::uint8_t* field, const char* text, std::size_t size) { std::memcpy(field, text, std::min(std::strlen(text), size)); }

// Default image with a value at an end or a step of each range.
UnitImage KnownImage()
{
    UnitImage image = DefaultUnitImage();
    Name(image.presetName, "Front of house", kPresetNameSize);
    Name(image.inputs[0].name, "Vocal LR", kChannelNameSize);  // all 8 bytes used
    image.inputs[0].gain = 0;
    image.inputs[1].gain = 400;
    image.outputs[0].gain = 79;
    image.outputs[1].gain = 80;
    image.outputs[2].gain = 279;
    image.outputs[3].gain = 280;
    image.inputs[0].gate.threshold = 0;
    image.inputs[0].gate.attack = 0;
    image.inputs[1].gate.threshold = 180;
    image.inputs[1].polarity = 1;
    image.outputs[0].crossover = {0, 300, 0, 20};
    image.outputs[1].crossover = {170, 300, 25, 0};  // slope code past the table
    image.outputs[0].comp = {15, 12, 0, 0, 180};
    image.outputs[1].comp = {3, 0, 0, 0, 140};
    image.outputs[0].routing = 2;
    image.outputs[0].delay = 65280;
    image.outputs[0].bands[2].type = 9;   // no such band type
    image.outputs[0].bands[2].q = 150;    // past the Q table
    image.outputs[0].bands[2].gain = 240;
    image.outputs[1].bands[0].type = 2;   // High Shelf
    image.outputMute = 1u << 2;           // Out3
    image.inputEqBypass = 1;              // InA
    return image;
}

class ShowUnitImageTest : public MainWindowFixture {
protected:
    QString Text(const QString& box) { return Control<TCurvyEdit>(box)->Text(); }
    QString Caption(const QString& label) { return Control<TCustomLabel>(label)->Caption(); }

    // Pixels of the "BYPASS" colour on a graph.
    int BypassPixels(const QString& graph)
    {
        Settle();
        const QImage shot = Control<LMyFFTDrawPhase>(graph)->grab().toImage();
        const TColor c = ColorToRGB(clBtnFace);
        const QRgb face = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += (shot.pixel(x, y) & 0xFFFFFF) == (face & 0xFFFFFF);
        return count;
    }
};

TEST_F(ShowUnitImageTest, TextsAndPositionsOfTheChannelControls)
{
    Load(KnownImage());
    form->ShowUnitImage(Unit());

    struct BoxCase {
        const char* box;
        const char* text;
    } boxes[] = {
        {"cvdGainInA", "-60.0dB"},          {"cvdGainBackupInA", "-60.0dB"},   {"cvdGainInB", "+12.0dB"},
        {"cvdGainOut1", "-20.5dB"},         {"cvdGainBackupOut2", "-20.0dB"},  {"cvdGainOut3", "-0.1dB"},
        {"cvdGainOut4", "+0.0dB"},          {"cvdLowCutFreqOut1", "19.7Hz"},   {"cvdHighCutFreqOut1", "20.16KHz"},
        {"cvdLowCutFreqOut2", "1.00KHz"},   {"cvdGateThresholdInA", "-90.0dB"}, {"cvdGateThresholdInB", "+0.0dB"},
        {"cvdGateAttackInA", "1ms"},        {"cvdCompAttackOut1", "  1ms"},    {"cvdCompRatioOut1", "Limit"},
        {"cvdCompKneeOut1", "12dB"},        {"cvdCompThresholdOut1", "+0.0dB"}, {"cvdCompRatioOut2", "1:1.5"},
        {"cvdCompThresholdOut2", "-20.0dB"}, {"cvdDelayInA", "0.000ms"},        {"cvdDelayOut1", "680.000ms"},
    };
    for (const BoxCase& c : boxes)
        EXPECT_EQ(Text(c.box).toStdString(), c.text) << c.box;

    EXPECT_EQ(Control<TAdvTrackBar>("isGainInA")->Position(), -280);
    EXPECT_EQ(Control<TAdvTrackBar>("isGainBackupOut1")->Position(), -201);
    EXPECT_EQ(Control<TUpDown>("udCompRatioOut1")->Position(), 15);
    EXPECT_EQ(Caption("lbPstName").toStdString(), "Front of house");
    EXPECT_EQ(Caption("lbMatrixChNameInA").toStdString(), "Vocal LR");
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuInA")->toolTip().toStdString(), "Vocal LR");

    // Cut filters: slope 0 puts the bypass down, slope 20 is the last item.
    EXPECT_TRUE(Control<TRzBmpButton>("rzbLowCutBypassOut1")->Down());
    EXPECT_FALSE(Control<TRzBmpButton>("rzbHighCutBypassOut1")->Down());
    EXPECT_EQ(Control<TRzComboBox>("rzcHighCutSlopOut1")->ItemIndex(), 19);

    // Buttons.
    EXPECT_TRUE(Control<TRzBmpButton>("rzbPhaseInB")->Down());
    EXPECT_TRUE(Control<TRzBmpButton>("rzbPhaseBackupInB")->Down());
    EXPECT_EQ(Control<TRzBmpButton>("rzbPhaseInB")->Caption().toStdString(), "Inverse");
    EXPECT_EQ(Control<TRzBmpButton>("rzbPhaseBackupInA")->Caption().toStdString(), "Normal");
    EXPECT_TRUE(Control<TRzBmpButton>("rzbMuteOut3")->Down());
    EXPECT_TRUE(Control<TRzBmpButton>("rzbMuteBackupOut3")->Down());
    EXPECT_FALSE(Control<TRzBmpButton>("rzbMuteOut2")->Down());
    EXPECT_FALSE(Control<TRzBmpButton>("rzbAMatrixOut1")->Down());
    EXPECT_TRUE(Control<TRzBmpButton>("rzbBMatrixOut1")->Down());

    // Delay pictures: at the line's start for 0, 50 pixels short of its end at the maximum.
    EXPECT_EQ(Control<TImage>("imDelayInA")->Left(), 40);
    EXPECT_EQ(Control<TImage>("imDelayOut1")->Left(), Control<TCustomLabel>("lbDelayLineOut1")->Width() - 50);
    EXPECT_TRUE(Caption("lbDelayLineInA").isEmpty());

    EXPECT_EQ(Control<TMyPEQAllpass>("peqPeqOut2")->GetTypeValue(0), 2);
    // Band 1 selected on every channel, the band sliders showing it.
    EXPECT_EQ(Control<TMyPEQAllpass>("peqPeqOut6")->GetNowIndex(), 0);
    EXPECT_TRUE(Control<TRzBmpButton>("rzbEq1Out6")->Down());
    EXPECT_TRUE(Control<TAdvTrackBar>("isEqFreqOut6")->Enabled());

    EXPECT_TRUE(form->sent.empty()) << form->sent.size() << " frames sent";
}

TEST_F(ShowUnitImageTest, PresetNumbers)
{
    for (auto [preset, text] : {std::pair{0, "F00"}, {5, "U05"}, {30, "U30"}}) {
        form->FCurrentPreset = preset;
        form->ShowUnitImage(Unit());
        EXPECT_EQ(Caption("lbPstNum").toStdString(), text);
    }
}

TEST_F(ShowUnitImageTest, BypassTextIsSetAndRemoved)
{
    const int before = BypassPixels("fftDrawInA");
    Load(KnownImage());
    form->ShowUnitImage(Unit());
    EXPECT_GT(BypassPixels("fftDrawInA"), before + 200) << "BYPASS drawn on InA";
    EXPECT_EQ(BypassPixels("fftDrawInB"), before) << "nothing on InB";

    UnitImage cleared = KnownImage();
    cleared.inputEqBypass = 0;
    Load(cleared);
    form->ShowUnitImage(Unit());
    EXPECT_EQ(BypassPixels("fftDrawInA"), before) << "BYPASS removed";
}

// A band table first painted on its page after the image was shown keeps the image's types.
TEST_F(ShowUnitImageTest, BandTypesSurviveTheFirstShowingOfTheirPage)
{
    Load(KnownImage());
    form->ShowUnitImage(Unit());
    Control<TRzBmpButton>("rzbMenuOut2")->Click();
    form->Show();
    Settle();
    auto* table = Control<TMyPEQAllpass>("peqPeqOut2");
    EXPECT_EQ(table->GetTypeValue(0), 2);
    EXPECT_EQ(table->GetTypeValue(1), 0);
}

// Bytes outside their ranges are shown and drawn safely, and the image keeps them.
TEST_F(ShowUnitImageTest, OutOfRangeBytesAreShownSafelyAndKept)
{
    Load(KnownImage());
    form->ShowUnitImage(Unit());

    // Slope 25: shown as off and drawn flat with its marker.
    EXPECT_TRUE(Control<TRzBmpButton>("rzbLowCutBypassOut2")->Down());
    const FilterCurve& cut = *form->GetPlot(3)->Curve(10);
    EXPECT_EQ(cut.type, FilterCurveType::Flat);
    for (double v : cut.data)
        ASSERT_EQ(v, 0.0);
    EXPECT_EQ(Unit().GetCrossover(3).highPassSlope, 25);

    // Band type 9: a flat band whatever its gain; Q index 150 reads the table's last Q.
    auto* table = Control<TMyPEQAllpass>("peqPeqOut1");
    EXPECT_DOUBLE_EQ(table->GetQValue(2), 128.0);
    const FilterCurve& band = *form->GetPlot(2)->Curve(2);
    EXPECT_EQ(band.type, FilterCurveType::Flat);
    EXPECT_EQ(Unit().GetPeqBand(2, 2).type, 9);
    EXPECT_EQ(Unit().GetPeqBand(2, 2).q, 150);
    EXPECT_TRUE(form->sent.empty());
}

TEST_F(ShowUnitImageTest, TransferCurvesAreNotDrawnWhileCreating)
{
    auto points = [](TiXYPlot* plot, int channel) {
        std::vector<std::pair<double, double>> out;
        TiXYPlotChannel* c = plot->Channel(channel);
        for (int i = 0; i < c->Count(); ++i)
            out.emplace_back(c->GetX(i), c->GetY(i));
        return out;
    };
    // The seeds of creation, (input dB, output dB).
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(points(form->ipComp, 0), (P{{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}));
    EXPECT_EQ(points(form->ipComp, 1), (P{{19.8, 20.4}}));
    EXPECT_EQ(points(form->ipGate, 0), (P{{20, 20}, {-90, -90}, {-90, -100}}));
    EXPECT_EQ(points(form->ipGate, 1), (P{{-89.8, -90.4}}));

    Load(KnownImage());
    form->FCreating = true;
    form->ShowUnitImage(Unit());
    EXPECT_EQ(points(form->ipComp, 0).size(), 4u);
    EXPECT_EQ(points(form->ipComp, 0)[1], (std::pair<double, double>{-10, -10}));
    EXPECT_EQ(points(form->ipGate, 0)[1], (std::pair<double, double>{-90, -90}));

    form->FCreating = false;
    form->ShowUnitImage(Unit());
    // Out1: limiter at 0 dB, knee 12; InA: gate at -90 dB.
    EXPECT_EQ(points(form->ipComp, 0), (P{{20, 0}, {12, 0}, {-12, -12}, {-100, -100}}));
    EXPECT_EQ(points(form->ipGate, 0), (P{{20, 20}, {-90, -90}, {-90, -100}}));
    EXPECT_TRUE(form->sent.empty());
}

// A missing control ends the display there, with the updating flag cleared.
TEST_F(ShowUnitImageTest, MissingControlEndsTheDisplayWithTheFlagCleared)
{
    Control<TCurvyEdit>("cvdCompKneeOut4")->SetName(QStringLiteral("renamed"));
    Load(KnownImage());
    form->ShowUnitImage(Unit());
    EXPECT_FALSE(form->IsUpdating());
    EXPECT_EQ(Text("cvdCompRatioOut2").toStdString(), "1:1.5") << "channels before the gap are shown";
    EXPECT_TRUE(form->sent.empty());
}

}  // namespace
