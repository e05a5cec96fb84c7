// Pictures of the pages after a non-default image was shown, kept in the build tree for a
// look: the Out1 page with its EQ, cuts and overlays, the Comp page and the Gate page.
#include "MainWindowFixture.h"

#include "RzBmpBtn.h"
#include "VrButtons.h"

namespace {

UnitImage StageImage()
{
    UnitImage image = DefaultUnitImage();
    OutputBlock& out1 = image.outputs[0];
    const int gains[] = {180, 90, 150, 60, 170, 120, 100, 200, 140};  // tenths of a dB + 120
    const int freqs[] = {60, 95, 120, 150, 170, 190, 215, 240, 270};
    const int qs[] = {10, 30, 20, 45, 16, 35, 25, 12, 10};
    const int types[] = {1, 0, 0, 0, 0, 0, 0, 0, 2};
    for (int b = 0; b < kOutputBands; ++b)
        out1.bands[b] = {std::uint16_t(gains[b]), std::uint16_t(freqs[b]), std::uint8_t(qs[b]), std::uint8_t(types[b])};
    out1.crossover = {30, 280, 10, 3};   // 40 Hz LK -24, 12.7 kHz BW -12
    out1.comp = {9, 6, 9, 199, 140};     // 4:1, knee 6, 10 ms, 200 ms, -20 dB
    out1.gain = 250;
    image.outputs[2].crossover = {90, 300, 8, 0};
    image.outputs[2].bands[3] = {200, 160, 20, 0};
    image.inputs[0].gate = {4, 299, 49, 60};  // -60 dB
    image.outputMute = 1u << 1;
    return image;
}

class ImageGalleryTest : public MainWindowFixture {
protected:
    void Grab(const char* page, const char* file)
    {
        auto* button = Control<TRzBmpButton>(QLatin1String(page));
        ASSERT_NE(button, nullptr);
        button->Click();
        form->Show();
        Settle();
        const QImage shot = form->grab().toImage();
        EXPECT_EQ(shot.size(), QSize(form->Width(), form->Height()));
        EXPECT_TRUE(shot.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(QLatin1String(file))));
    }
};

TEST_F(ImageGalleryTest, PagesAfterShowingAnImage)
{
    Load(StageImage());
    form->FCurrentPreset = 7;
    form->ShowUnitImage(Unit());
    Control<TVrPowerButton>("vrbShow3Out1")->SetActive(true);
    Grab("rzbMenuOut1", "image_out1.png");
    Grab("rzbMenuComp", "image_comp.png");
    Grab("rzbMenuGate", "image_gate.png");
    EXPECT_TRUE(form->sent.empty());
}

}  // namespace
