// The EQ reset confirmation: its texts in both languages, Cancel resets nothing, OK hides the
// window and resets the channel it was given, inside its modal showing.
#include "DialogTestSupport.h"
#include "ProgramLookScope.h"

#include "FPeqRst.h"
#include "RzBmpBtn.h"
#include "ui/TForm.h"
#include "ui/TLabel.h"

namespace {

class PeqRstTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        dialog = std::make_unique<TfmPeqRst>(nullptr);
        dialog->OnResetEq = [this](int ch) {
            resets.push_back(ch);
            visibleDuringReset = dialog->isVisible();
        };
    }
    void TearDown() override
    {
        dialog.reset();
        DialogTest::TearDown();
    }
    std::unique_ptr<TfmPeqRst> dialog;
    std::vector<int> resets;
    bool visibleDuringReset = true;
};

TEST_F(PeqRstTest, TextsInBothLanguages)
{
    struct Case {
        bool chinese;
        const char* file;
    } cases[] = {{false, "peq_reset_en.png"}, {true, "peq_reset_zh.png"}};
    const ProgramLookScope look;
    for (const Case& c : cases) {
        if (c.chinese)
            UseChinese();
        const int result = RunModal(*dialog, [&] {
            SaveGrab(*dialog, QLatin1String(c.file));
            dialog->btnCancel->Click();
        });
        EXPECT_EQ(result, mrCancel);
        const QString texts = dialog->Caption() + "|" + dialog->lbReset->Caption() + "|" + dialog->btnOK->Caption() + "|" +
                              dialog->btnCancel->Caption();
        if (c.chinese)
            EXPECT_EQ(texts, host->LangText("SID_PEQRST") + "|" + host->LangText("SID_PEQRST_RESET") + "|" +
                                 host->LangText("SID_PEQRST_OK") + "|" + host->LangText("SID_PEQRST_CANCEL"));
        else
            EXPECT_EQ(texts, "Information|Are you sure to RESET EQ ?|OK|Cancel");
    }
    EXPECT_TRUE(resets.empty()) << "Cancel resets nothing";
}

TEST_F(PeqRstTest, OkResetsTheGivenChannelWhileStillModal)
{
    dialog->SetChannel(7);
    RunModal(*dialog, [&] { dialog->btnOK->Click(); });
    EXPECT_EQ(resets, std::vector<int>{7});
    EXPECT_FALSE(visibleDuringReset) << "hidden before the reset runs";
    EXPECT_FALSE(dialog->isVisible());
    // The channel is kept between shows.
    RunModal(*dialog, [&] { dialog->btnOK->Click(); });
    EXPECT_EQ(resets, (std::vector<int>{7, 7}));
}

}  // namespace
