// The page switch, the Matrix page's block labels, the Mag/Phase choice and the resize tables.
#include "MainWindowTestSupport.h"

#include "ChannelColors.h"
#include "LMyFFTDrawPhase.h"
#include "LUnitControl.h"
#include "Plot.h"
#include "RzBmpBtn.h"
#include "RzPanel.h"
#include "RzLabel.h"
#include "ui/TMenu.h"
#include "ui/TRadioButton.h"

#include <QMenuBar>
#include <QScrollBar>

namespace {

class PagesTest : public MainWindowTest {
protected:
    TControl* Control(const char* name) const {
        auto* c = form->Find<TControl>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    bool Shown(const char* name) const { return Control(name)->isVisibleTo(form->rzgMain); }
    TColor CaptionColour(const char* name) const { return Control(name)->Font().Color(); }
    void Resize(int width, int height) {
        form->Show();
        form->resize(width, height);
        Settle();
    }
};

constexpr TColor kLime = RGBColor(0, 255, 0);

TEST_F(PagesTest, APageButtonShowsItsTwoFramesAndMarksItself) {
    ShowPage(0);
    EXPECT_EQ(form->FPage, 0);
    EXPECT_TRUE(Shown("rzgFftInA"));
    EXPECT_TRUE(Shown("rzgParamInA"));
    EXPECT_FALSE(Shown("rzgFftGain"));
    EXPECT_FALSE(Shown("rzgParamGain"));
    EXPECT_EQ(CaptionColour("rzbMenuInA"), kLime);
    EXPECT_EQ(CaptionColour("rzbMenuGain"), clWhite);

    ShowPage(TfmMain::kPageComp);
    EXPECT_EQ(form->FPage, TfmMain::kPageComp);
    EXPECT_TRUE(Shown("rzgFftComp"));
    EXPECT_TRUE(Shown("rzgParamComp"));
    EXPECT_FALSE(Shown("rzgFftInA"));
    EXPECT_EQ(CaptionColour("rzbMenuInA"), clWhite);

    // The current page's button again changes nothing.
    Control("rzgFftInA")->Show();
    ShowPage(TfmMain::kPageComp);
    EXPECT_TRUE(Shown("rzgFftInA")) << "the previous page is not hidden again";
    EXPECT_EQ(form->FPage, TfmMain::kPageComp);
}

TEST_F(PagesTest, ALinkedMemberShowsItsMastersPageUnderItsOwnName) {
    LUnitControl& unit = form->UnitControl();
    unit.SetLinkMask(2, 0x3);  // Out1 leads Out1 and Out2
    unit.SetLinkMask(3, 0);
    ShowPage(3);
    EXPECT_EQ(form->FPage, 3);
    EXPECT_TRUE(Shown("rzgFftOut1"));
    EXPECT_TRUE(Shown("rzgParamOut1"));
    EXPECT_FALSE(Shown("rzgFftOut2"));
    EXPECT_EQ(Control("lbFftChannelOut1")->Caption(), QStringLiteral("Out2"));
    EXPECT_EQ(Control("lbGainNameOut1")->Caption(), QStringLiteral("Out2"));
    TColor sum = clNone;
    ASSERT_TRUE(form->GetPlot(2)->View()->GetPlotColor(Plot::kSumSlot, sum));
    EXPECT_EQ(sum, ChannelColors[3]) << "the sum in Out2's colour";

    // Out1 itself shows its own name again.
    ShowPage(2);
    EXPECT_EQ(Control("lbFftChannelOut1")->Caption(), QStringLiteral("Out1"));
    ASSERT_TRUE(form->GetPlot(2)->View()->GetPlotColor(Plot::kSumSlot, sum));
    EXPECT_EQ(sum, ChannelColors[2]);
}

TEST_F(PagesTest, AnUnlinkedMemberWithoutMasterStaysOnItsPage) {
    form->UnitControl().SetLinkMask(1, 0);  // InB named by no input
    form->UnitControl().SetLinkMask(0, 0x1);
    ShowPage(1);
    EXPECT_EQ(form->FPage, TfmMain::kPageGain);
    EXPECT_TRUE(Shown("rzgFftGain"));
}

TEST_F(PagesTest, AMissingControlEndsAHandlerSilently) {
    delete Control("rzgParamInB");
    ShowPage(1);
    EXPECT_EQ(form->FPage, TfmMain::kPageGain);
    EXPECT_TRUE(Shown("rzgFftGain"));
    EXPECT_TRUE(Shown("rzgParamGain"));

    // Mag/Phase keeps the mode it stored, and goes no further.
    delete Control("peqPeqOut4");
    form->rbShowPhaseInAClick(form->Find<TRadioButton>(QStringLiteral("rbShowPhaseOut4")));
    EXPECT_EQ(form->GetPlot(5)->GetMode(), 1);
    EXPECT_EQ(form->Find<LMyFFTDrawPhase>(QStringLiteral("fftDrawOut4"))->YLabel(), QStringLiteral("dB"));

    // A sender of another class is ignored.
    form->rzbMenuInAClick(Control("lbGainInput"));
    EXPECT_EQ(form->FPage, TfmMain::kPageGain);
}

TEST_F(PagesTest, MatrixLabelsLeadToTheirPages) {
    ShowPage(TfmMain::kPageMatrix);
    auto* matrix = form->Find<TRzBmpButton>(QStringLiteral("rzbMenuMatrix"));
    matrix->SetDown(true);
    struct Case {
        const char* label;
        int page;
        const char* button;
    };
    const Case cases[] = {
        {"lbMatrixDelayOut4", TfmMain::kPageDelay, "rzbMenuDelay"},
        {"lbMatrixCompOut2", TfmMain::kPageComp, "rzbMenuComp"},
        {"lbMatrixGateInB", TfmMain::kPageGate, "rzbMenuGate"},
        {"lbMatrixPeqOut5", 6, "rzbMenuOut5"},
        {"lbMatrixHpLpInB", 1, "rzbMenuInB"},
    };
    for (const Case& c : cases) {
        ShowPage(TfmMain::kPageMatrix);
        matrix->SetDown(true);
        auto* label = form->Find<TRzLabel>(QLatin1String(c.label));
        ASSERT_NE(label, nullptr) << c.label;
        label->OnClick(label);
        EXPECT_EQ(form->FPage, c.page) << c.label;
        EXPECT_TRUE(form->Find<TRzBmpButton>(QLatin1String(c.button))->Down()) << c.label;
        EXPECT_FALSE(matrix->Down()) << c.label;
    }
    auto* name = form->Find<TRzLabel>(QStringLiteral("lbMatrixChNameOut1"));
    name->OnMouseMove(name, 0, 3, 3);
    EXPECT_EQ(name->Cursor(), crHandPoint);
    name->OnMouseLeave(name);
    EXPECT_EQ(name->Cursor(), crDefault);
}

TEST_F(PagesTest, MagnitudeAndPhaseSwitchTheAxisOnce) {
    auto* graph = form->Find<LMyFFTDrawPhase>(QStringLiteral("fftDrawInB"));
    auto* phase = form->Find<TRadioButton>(QStringLiteral("rbShowPhaseInB"));
    auto* mag = form->Find<TRadioButton>(QStringLiteral("rbShowGainInB"));
    EXPECT_EQ(graph->YLabel(), QStringLiteral("dB"));

    form->rbShowPhaseInAClick(phase);
    EXPECT_EQ(form->GetPlot(1)->GetMode(), 1);
    EXPECT_EQ(graph->YLabel(), QString());
    EXPECT_DOUBLE_EQ(graph->YLabelScale(), 10.0);
    EXPECT_EQ(graph->NumHorzGrid(), 7);
    EXPECT_DOUBLE_EQ(graph->YMax(), 18.0);
    EXPECT_DOUBLE_EQ(graph->YMin(), -18.0);
    EXPECT_EQ(phase->Font().Color(), RGBColor(255, 255, 0));
    EXPECT_EQ(mag->Font().Color(), RGBColor(192, 192, 192));
    EXPECT_EQ(form->GetPlot(0)->GetMode(), 0) << "each channel keeps its own view";

    graph->SetNumHorzGrid(3);
    form->rbShowPhaseInAClick(phase);
    EXPECT_EQ(graph->NumHorzGrid(), 3) << "a second Phase click changes nothing";

    form->rbShowGainInAClick(mag);
    EXPECT_EQ(form->GetPlot(1)->GetMode(), 0);
    EXPECT_EQ(graph->YLabel(), QStringLiteral("dB"));
    EXPECT_DOUBLE_EQ(graph->YLabelScale(), 1.0);
    EXPECT_EQ(graph->NumHorzGrid(), 11);
}

TEST_F(PagesTest, TheDesignSizeTakesTheTablesValues) {
    EXPECT_EQ(Control("rzgFftDelay")->Height(), 284);
    EXPECT_EQ(Control("pbLevelCompOut")->Top(), 43);
    EXPECT_EQ(Control("rzgMain")->Height(), 629);
    EXPECT_EQ(Control("rzgParamOut3")->Top(), 292);
    EXPECT_EQ(Control("plMatrixOut6")->Top(), 230);
    EXPECT_EQ(Control("plLevelCompOut6")->Left(), 1020);
    EXPECT_EQ(Control("lbMatrixNameOut2")->Left(), 418);
}

TEST_F(PagesTest, ATallerWindowStretchesByTheHeightTable) {
    Resize(1126, 826);  // dy = 99
    EXPECT_EQ(form->FExtraHeight, 99);
    EXPECT_EQ(Control("pbLevelGateInA")->Height(), 296);
    EXPECT_EQ(Control("pbLevelGateInA")->Top(), 43);
    EXPECT_EQ(Control("lbN60GateInB")->Top(), 321);
    EXPECT_EQ(Control("rzgMain")->Height(), 728);
    EXPECT_EQ(Control("rzgParamGain")->Top(), 391);
    EXPECT_EQ(Control("fftDrawOut2")->Height(), 354);
    EXPECT_EQ(Control("pbLevelCompOut3")->Height(), 185 + 88);
    EXPECT_EQ(Control("lbN15CompOut")->Top(), 161 + 7 * 99 / 9);
    EXPECT_EQ(Control("lbN60CompOut3")->Top(), 222 + 99);
    EXPECT_EQ(Control("lbClipCompOut6")->Top(), 58 + 2 * 99 / 9);
    EXPECT_EQ(Control("imDelayInB")->Top(), (99 / 4) * 2 + 91 + 51);
    EXPECT_EQ(Control("plMatrixOut4")->Top(), (99 / 7) * 4 + 200 - 50);
    EXPECT_EQ(Control("rzgPreset")->Top(), 725);

    // Lower than the design height: the last layout stays.
    Resize(1126, 700);
    EXPECT_EQ(form->FExtraHeight, 99);
    EXPECT_EQ(Control("rzgMain")->Height(), 728);
}

TEST_F(PagesTest, AWiderWindowStretchesByTheWidthTable) {
    Resize(1226, 727);  // dx = 100
    EXPECT_EQ(Control("fftDrawInA")->Width(), 1170);
    EXPECT_EQ(Control("rzgParamOut1")->Left(), 70);
    EXPECT_EQ(Control("rzbMenuLink")->Left(), 1140);
    EXPECT_EQ(Control("fftDrawGainOut")->Left(), 600);
    EXPECT_EQ(Control("plMatrixOut1")->Left(), 561 + 66);
    EXPECT_EQ(Control("lbMatrixDelayInA")->Left(), ((100 / 3) * 7) / 8 + 362);
    EXPECT_EQ(Control("lbMatrixMuteOut2")->Left(), ((100 / 3) * 6) / 9 + 359);
    EXPECT_EQ(Control("lbMatrixNameInA")->Left(), (100 / 3) / 8);
    EXPECT_EQ(Control("rzgFftShowChOut3")->Width(), 260);

    // Narrower than the design width: the widths of the last wide layout stay.
    Resize(1000, 727);
    EXPECT_EQ(Control("fftDrawInA")->Width(), 1170);
}

TEST_F(PagesTest, AWindowBelowTheDesignSizeScrolls) {
    struct Case {
        int width, height;
        bool scrolls;
    } cases[] = {{1000, 600, true}, {1125, 727, true}, {1126, 726, true}, {1126, 727, false}, {1300, 900, false}};
    for (const Case& c : cases) {
        Resize(c.width, c.height);
        EXPECT_EQ(form->AutoScroll(), c.scrolls) << c.width << "x" << c.height;
        // Bars show only where the controls reach beyond the window; the design layout fits
        // a window a pixel smaller than the design size.
        const bool bars = form->HorzScrollBar() && (form->HorzScrollBar()->isVisible() || form->VertScrollBar()->isVisible());
        EXPECT_EQ(bars, c.width == 1000) << c.width << "x" << c.height;
    }
}

TEST_F(PagesTest, AScrolledSmallWindowReachesThePresetsAndComesBackToTheTables) {
    Resize(1000, 600);
    QScrollBar* horz = form->HorzScrollBar();
    QScrollBar* vert = form->VertScrollBar();
    ASSERT_TRUE(horz->isVisible() && vert->isVisible());
    TControl* preset = Control("rzgPreset");
    EXPECT_GT(preset->Top() + preset->Height(), form->GetClientRect().Bottom) << "out of sight before scrolling";
    horz->setValue(horz->maximum());
    vert->setValue(vert->maximum());
    Settle();
    const TRect client = form->GetClientRect();
    EXPECT_LE(preset->Top() + preset->Height(), client.Bottom);
    EXPECT_LE(preset->Left() + preset->Width(), client.Right);
    EXPECT_GE(preset->Top(), form->MainMenu()->Height());
    EXPECT_EQ(form->MainMenu()->Bar()->pos(), QPoint(0, 0));
    EXPECT_EQ(form->MainMenu()->Bar()->width(), 1000);
    // Still wider than the visible area: the last wide layout is kept, not squeezed.
    EXPECT_EQ(Control("rzgMain")->Width(), 1112);

    // Back at the design size the controls stand at the tables' places again.
    Resize(1126, 727);
    EXPECT_EQ(preset->Top(), 626);
    EXPECT_EQ(preset->Left(), 10);
    EXPECT_EQ(Control("rzgMain")->Left(), 5);
    EXPECT_EQ(Control("lbStatus")->Top(), 705);

    // Narrow but tall: the height table places its controls unscrolled.
    Resize(1000, 600);
    vert->setValue(vert->maximum());
    Resize(1000, 826);
    EXPECT_EQ(vert->value(), 0);
    EXPECT_EQ(preset->Top(), 725);
}

}  // namespace
