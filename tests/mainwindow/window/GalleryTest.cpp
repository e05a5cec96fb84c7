// Pictures of the main window on each kind of page, in English and Chinese, saved in the build
// tree (gallery_main_<page>_<language>.png).
#include "MainWindowTestSupport.h"

#include "ui/TRadioButton.h"

#include <QScrollBar>

namespace {

class Gallery : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (GetParam()) UseChinese();
    }
    QString Name(const char* page) const {
        return QStringLiteral("gallery_main_%1_%2.png").arg(QLatin1String(page), GetParam() ? "zh" : "en");
    }
};

TEST_P(Gallery, EveryKindOfPage) {
    const QImage gain = SaveGrab(Name("gain"));
    EXPECT_EQ(gain.size(), QSize(1126, 727));
    EXPECT_LT(Lightness(gain.pixel(600, 400)), 110) << "dark page area";
    ShowPage(0);
    SaveGrab(Name("inA"));
    ShowPage(3);
    SaveGrab(Name("out2_mag"));
    form->Find<TRadioButton>(QStringLiteral("rbShowPhaseOut2"))->SetChecked(true);
    SaveGrab(Name("out2_phase"));
    ShowPage(TfmMain::kPageComp);
    SaveGrab(Name("comp"));
    ShowPage(TfmMain::kPageGate);
    SaveGrab(Name("gate"));
    ShowPage(TfmMain::kPageDelay);
    SaveGrab(Name("delay"));
    ShowPage(TfmMain::kPageMatrix);
    SaveGrab(Name("matrix"));
}

TEST_P(Gallery, AnEnlargedWindowStretchesItsPages) {
    form->Show();
    form->resize(1326, 866);
    Settle();
    ShowPage(2);
    const QImage out1 = SaveGrab(Name("large_out1"));
    EXPECT_EQ(out1.size(), QSize(1326, 866));
    ShowPage(TfmMain::kPageMatrix);
    SaveGrab(Name("large_matrix"));
    ShowPage(TfmMain::kPageComp);
    SaveGrab(Name("large_comp"));
}

TEST_P(Gallery, ASmallWindowScrolledToItsBottomRight) {
    form->Show();
    form->resize(1000, 600);
    Settle();
    form->HorzScrollBar()->setValue(form->HorzScrollBar()->maximum());
    form->VertScrollBar()->setValue(form->VertScrollBar()->maximum());
    const QImage small = SaveGrab(Name("small_scrolled"));
    EXPECT_EQ(small.size(), QSize(1000, 600));
    EXPECT_LT(Lightness(small.pixel(500, 300)), 110) << "dark page area";
}

INSTANTIATE_TEST_SUITE_P(Languages, Gallery, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? std::string("Chinese") : std::string("English"); });

}  // namespace
