// Pictures of the Comp and Gate pages after edits by fader, spinner and typed value, in
// English and Simplified Chinese, saved in the build tree (gallery_dynamics_<page>_<lang>.png).
#include "DynamicsFixture.h"

#include "RzBmpBtn.h"
#include "ui/TMenu.h"

namespace {

class DynamicsGallery : public DynamicsFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        DynamicsFixture::SetUp();
        if (GetParam())
            form->ChineseSimplified->Click();
    }
    void ShowPage(const char* button)
    {
        auto* b = Control<TRzBmpButton>(button);
        b->SetDown(true);
        b->Click();
    }
    QImage Grab(const char* page)
    {
        form->Show();
        Settle();
        const QImage image = form->grab().toImage();
        image.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR))
                       .filePath(QStringLiteral("gallery_dynamics_%1_%2.png").arg(page, GetParam() ? "zh" : "en")));
        return image;
    }
};

TEST_P(DynamicsGallery, CompPageAfterEdits)
{
    ShowPage("rzbMenuComp");
    TypeEnter("cvdCompThresholdOut3", "-24");
    TypeEnter("cvdCompRatioOut3", "1:4");
    Spinner("udCompKneeOut3")->SetPosition(6);
    Bar("isCompAttackOut3")->SetPosition(9);
    TypeExit("cvdCompReleaseOut3", "250ms");
    Spinner("udCompRatioOut5")->SetPosition(15);
    FireCompRedraw();
    Press(Box("cvdCompThresholdOut3"));
    EXPECT_EQ(Text("cvdCompThresholdOut3"), "-24.0dB");
    EXPECT_EQ(Text("cvdCompRatioOut3"), "1:4.0");
    EXPECT_EQ(Text("cvdCompKneeOut3"), "6dB");
    EXPECT_EQ(Text("cvdCompAttackOut3"), " 10ms");
    EXPECT_EQ(Text("cvdCompReleaseOut3"), "250ms");
    EXPECT_EQ(Text("cvdCompRatioOut5"), "Limit");
    EXPECT_EQ(PointsOf(form->ipComp, 0), (Points{{20, -13}, {-18, -22.5}, {-30, -30}, {-100, -100}}));
    EXPECT_EQ(form->sent.size(), 6u);
    Grab("comp");
}

TEST_P(DynamicsGallery, GatePageAfterEdits)
{
    ShowPage("rzbMenuGate");
    Bar("isGateThresholdInB")->SetPosition(-100);
    TypeEnter("cvdGateHoldInB", "350");
    TypeExit("cvdGateAttackInB", "12ms");
    Bar("isGateReleaseInB")->SetPosition(799);
    EXPECT_EQ(Text("cvdGateThresholdInB"), "-50.0dB");
    EXPECT_EQ(Text("cvdGateHoldInB"), "350ms");
    EXPECT_EQ(Text("cvdGateAttackInB"), "12ms");
    EXPECT_EQ(Text("cvdGateReleaseInB"), "800ms");
    EXPECT_EQ(PointsOf(form->ipGate, 0), (Points{{20, 20}, {-50, -50}, {-50, -100}}));
    EXPECT_EQ(form->sent.size(), 4u);
    Grab("gate");
}

INSTANTIATE_TEST_SUITE_P(Languages, DynamicsGallery, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Chinese") : std::string("English"); });

}  // namespace
