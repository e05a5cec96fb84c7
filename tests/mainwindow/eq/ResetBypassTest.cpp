// EQ reset (through its dialog) puts every band back to its default and sends each band
// twice, the second copy appended; whole-EQ bypass toggles the link group's bits and sends
// one command for the clicked channel. Pictures of two channel pages after edits and of the
// reset dialog, in both languages.
#include "EqFixture.h"

#include "FPeqRst.h"
#include "RzBmpBtn.h"
#include "ui/TMenu.h"

#include <QTimer>

namespace {

class ResetBypassTest : public EqFixture {
protected:
    void Grab(QWidget* widget, const QString& file)
    {
        Settle();
        const QImage shot = widget->grab().toImage();
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(file)));
    }
    // Edits that show on a channel page: two bands, the high cut, a slope.
    void Edit(int ch)
    {
        BandButton(ch, 1)->Click();
        Table(ch)->SetGainValue(1, 6.0);
        Table(ch)->SetTypeValue(2, 1);
        BandButton(ch, 2)->Click();
        Table(ch)->SetGainValue(2, -4.0);
        Bar("isHighCutFreq", ch)->SetPosition(240);
        Tick();
        auto* bypass = Control<TRzBmpButton>("rzbLowCutBypass" + TfmMain::Suffix(ch));
        bypass->SetDown(false);
        bypass->OnClick(bypass);
        auto* slope = Control<TRzComboBox>("rzcLowCutSlop" + TfmMain::Suffix(ch));
        slope->SetItemIndex(9);
        slope->OnChange(slope);
        Bar("isLowCutFreq", ch)->SetPosition(40);
        Tick();
    }
};

TEST_F(ResetBypassTest, ResetRestoresEveryBandLastFirstWithAppendedCopies)
{
    Edit(4);
    form->sent.clear();
    form->ResetEq(4);
    std::vector<int> copies;  // bands of the frames in send order, band 1 (index 0) rewrites aside
    for (const ByteArray& f : form->sent) {
        ASSERT_EQ(f[5], CMD_PEQ);
        if (f[7] != 0)
            copies.push_back(f[7]);
    }
    EXPECT_EQ(copies, (std::vector<int>{8, 8, 7, 7, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1}));
    for (int b = 0; b < 9; ++b) {
        const PeqBandRecord d = LUnitControl::GetDefaultPeqBand(4, b);
        const PeqBandRecord r = Unit().GetPeqBand(4, b);
        EXPECT_EQ(std::tie(r.gain, r.frequency, r.q, r.type), std::tie(d.gain, d.frequency, d.q, d.type)) << b;
        EXPECT_NEAR(Table(4)->GetGainValue(b), 0.0, 1e-9) << b;
    }
    EXPECT_EQ(form->sent.back(), Peq(4, 0, 120, LUnitControl::GetDefaultPeqBand(4, 0).frequency,
                                     LUnitControl::GetDefaultPeqBand(4, 0).q, 0, 0));
    EXPECT_EQ(Table(4)->GetNowIndex(), 0);
    EXPECT_EQ(Text("cvdEqGain", 4), "+0.0dB");
}

TEST_F(ResetBypassTest, BypassTogglesTheLinkGroupAndSendsForTheClickedChannel)
{
    Masks({3, 3, 4, 8, 16, 32, 64, 128});
    auto* button = Control<TVrDemoButton>(QStringLiteral("vrbEqBypassInB"));
    EXPECT_EQ(button->Caption(), form->LangText(QStringLiteral("SID_BYPASS_EQ")));
    EXPECT_EQ(std::pair(button->Width(), button->Height()), std::pair(65, 17));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_EQ(Unit().GetEqBypassWord(1) & 3, 3);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_EQ_BYPASS, {1, 1}));
    form->sent.clear();
    button->OnClick(button);
    EXPECT_EQ(Unit().GetEqBypassWord(1) & 3, 0);
    ASSERT_EQ(form->sent.size(), 1u);
    EXPECT_EQ(form->sent[0], Frame(CMD_EQ_BYPASS, {1, 0}));

    // Judged by the clicked channel's own bit: the group takes the opposite of it.
    EditImage([](LUnitControl& unit) { unit.SetEqBypassWord(0, 1); });
    button->OnClick(button);
    EXPECT_EQ(Unit().GetEqBypassWord(1) & 3, 3);
}

TEST_F(ResetBypassTest, ResetButtonOpensTheDialogAndOkResetsThatChannel)
{
    Edit(7);
    const std::size_t before = form->sent.size();
    auto* reset = Control<TVrDemoButton>(QStringLiteral("vrbEqResetOut6"));
    // Cancel first: nothing changes.
    QTimer::singleShot(0, [] { ASSERT_NE(fmPeqRst, nullptr); fmPeqRst->btnCancel->Click(); });
    reset->OnClick(reset);
    EXPECT_EQ(form->sent.size(), before);
    EXPECT_EQ(Unit().GetPeqBand(7, 1).gain, 180);

    QTimer::singleShot(0, [] { fmPeqRst->btnOK->Click(); });
    reset->OnClick(reset);
    EXPECT_EQ(fmPeqRst->Channel(), 7);
    EXPECT_EQ(Unit().GetPeqBand(7, 1).gain, 120);
    EXPECT_FALSE(fmPeqRst->isVisible());
}

TEST_F(ResetBypassTest, Gallery)
{
    for (const bool chinese : {false, true}) {
        if (chinese)
            form->ChineseSimplified->Click();
        const QString lang = chinese ? QStringLiteral("zh") : QStringLiteral("en");
        Edit(0);
        Edit(2);
        Control<TVrPowerButton>(QStringLiteral("vrbEqShowAllOut1"))->SetActive(true);
        form->vrbEqShowAllInAClick(Control<TVrPowerButton>(QStringLiteral("vrbEqShowAllOut1")));
        for (const char* page : {"rzbMenuInA", "rzbMenuOut1"}) {
            Control<TRzBmpButton>(QLatin1String(page))->Click();
            form->Show();
            Grab(form, QStringLiteral("eq_%1_%2.png").arg(QLatin1String(page + 7), lang));
        }
        auto* reset = Control<TVrDemoButton>(QStringLiteral("vrbEqResetInA"));
        QTimer::singleShot(0, [this, lang] {
            Grab(fmPeqRst, QStringLiteral("eq_reset_dialog_%1.png").arg(lang));
            EXPECT_EQ(fmPeqRst->lbReset->Caption(), form->LangText(QStringLiteral("SID_PEQRST_RESET")));
            fmPeqRst->btnCancel->Click();
        });
        reset->OnClick(reset);
    }
    EXPECT_EQ(fmPeqRst->windowTitle(), form->LangText(QStringLiteral("SID_PEQRST")));
    EXPECT_NE(form->LangText(QStringLiteral("SID_PEQRST_RESET")), QStringLiteral("Are you sure to RESET EQ ?"));
}

}  // namespace
