// The window after creation, the running-instance test and the way out through the exit
// window.
#include "MainWindowTestSupport.h"

#include "QtTestSupport.h"

#include "FExit.h"
#include "LProgressBar.h"
#include "RzBmpBtn.h"
#include "RzPanel.h"
#include "RzLabel.h"
#include "socket/TClientSocket.h"
#include "timer/TTimer.h"
#include "ui/TMenu.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, OpensOnTheGainPageWithTheDefaults) {
    EXPECT_EQ(form->Caption(), QStringLiteral("Q7K DSP Processor Editor V1.03"));
    EXPECT_EQ(form->Width(), 1126);
    EXPECT_EQ(form->Height(), 727);
    EXPECT_EQ(form->FPage, TfmMain::kPageGain);
    EXPECT_EQ(form->FCompChannel, 2);
    EXPECT_EQ(form->FGateChannel, 0);
    EXPECT_EQ(form->FExtraHeight, 0);
    EXPECT_EQ(form->GetDeviceId(), 1);
    EXPECT_EQ(form->lbShowIdNumber->Caption(), QStringLiteral("ID : 1"));
    EXPECT_EQ(form->ClientSocket->GetPort(), 9761);
    EXPECT_EQ(form->ClientSocket->GetAddress(), QStringLiteral("192.168.1.101"));
    EXPECT_EQ(form->GetUnitAddress(), 0xC0A80165u);
    EXPECT_FALSE(form->ClientSocket->GetActive()) << "nothing connects before the start timer";
    EXPECT_TRUE(form->English->Checked);
    EXPECT_FALSE(form->ChineseSimplified->Checked);
    EXPECT_TRUE(form->NetworkSetup->Visible);
    EXPECT_EQ(form->rzgPreset->Top(), 626);

    // Every meter and lamp dark.
    int meters = 0;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* meter = dynamic_cast<LProgressBar*>(form->Components(i))) {
            ++meters;
            EXPECT_EQ(meter->Position(), 0) << meter->Name().toStdString();
        }
    EXPECT_EQ(meters, 8 + 6 + 8 + 6 + 3 + 7 + 7);

    // The Gain page's frames show (InA's graph frame lies made visible beneath them).
    for (const char* name : {"rzgFftGain", "rzgParamGain", "rzgFftInA"})
        EXPECT_TRUE(form->Find<TControl>(QLatin1String(name))->Visible()) << name;
    for (const char* name : {"rzgParamInA", "rzgFftComp", "rzgParamMatrix", "rzgFftOut6"})
        EXPECT_FALSE(form->Find<TControl>(QLatin1String(name))->isVisibleTo(form->rzgMain)) << name;
    EXPECT_EQ(form->Find<TRzBmpButton>(QStringLiteral("rzbMenuGain"))->Font().Color(), RGBColor(0, 255, 0));

    // The connect button is pressed 300 ms after creation, not before.
    EXPECT_TRUE(form->tmStartConnect->GetEnabled());
    EXPECT_EQ(clock->Remaining(*form->tmStartConnect), 300);
}

TEST_F(StartupTest, EveryControlIsRegisteredUnderItsName) {
    // A sample of each family, found by composed name with its channel as Tag.
    const char* const stems[] = {"isGain", "cvdGain", "rzbMute", "rzbPhase", "pbLevel", "peqPeq", "fftDraw",
                                 "rbShowGain", "rbShowPhase", "rzgFft", "rzgParam", "isGainBackup", "rzbMuteBackup",
                                 "isDelay", "cvdDelay", "imDelay", "lbDelayLine", "lbFftDelayTime", "isEqFreq",
                                 "isLowCutFreq", "rzcHighCutSlop", "vrbEqShowAll", "lbMatrixChName", "plMatrix"};
    for (int ch = 0; ch < TfmMain::kChannels; ++ch)
        for (const char* stem : stems) {
            const QString name = QLatin1String(stem) + TfmMain::Suffix(ch);
            TComponent* c = form->FindComponent(name);
            ASSERT_NE(c, nullptr) << name.toStdString();
            EXPECT_EQ(c->Tag(), ch) << name.toStdString();
        }
    for (int n = 1; n <= 6; ++n) {
        const QString s = QStringLiteral("Out%1").arg(n);
        for (const char* stem : {"isCompThreshold", "cvdCompRatio", "udCompRatio", "pbLimit", "rzbAMatrix", "lbMatrixComp"})
            EXPECT_NE(form->FindComponent(QLatin1String(stem) + s), nullptr) << stem << n;
    }
    EXPECT_EQ(form->Find<TRzBmpButton>(QStringLiteral("rzbMenuGate"))->Tag(), TfmMain::kPageGate);
}

TEST_F(StartupTest, ASecondEditorGivesWayToTheFirst) {
    EXPECT_FALSE(form->GaveWayToRunningInstance());
    // The first window is minimised; the second start restores it.
    form->Show();
    form->showMinimized();
    auto second = std::make_unique<TfmMain>(nullptr);
    EXPECT_TRUE(second->GaveWayToRunningInstance());
    second.reset();
    fmMain = form;
    SetMainHost(form);
    EXPECT_TRUE(PumpUntil([&] { return !form->isMinimized(); })) << "the first window is restored";
}

TEST_F(StartupTest, ClosingAsksTheExitWindowAndOnlyItsOkEnds) {
    form->Show();
    Settle();
    form->close();
    Settle();
    EXPECT_TRUE(form->isVisible()) << "not confirmed: the window stays";
    EXPECT_TRUE(fmExit->isVisible());
    fmExit->btnCancel->Click();
    form->close();
    EXPECT_TRUE(form->isVisible());
    fmExit->btnOK->Click();
    Settle();
    EXPECT_FALSE(form->isVisible()) << "confirmed: the window closes";
    EXPECT_FALSE(fmExit->isVisible());
}

}  // namespace
