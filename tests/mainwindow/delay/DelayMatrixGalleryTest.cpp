// Pictures of the Delay and Matrix pages after edits made as a user would (faders, a typed
// value, a drag, routing buttons, a name, a link group), in English and Chinese, kept in the
// build tree for a look, with a few pixels checked.
#include "MainWindowFixture.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "FLinkSel.h"
#include "RzBmpBtn.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"
#include "ui/TMenu.h"

namespace {

class DelayMatrixGallery : public MainWindowFixture, public ::testing::WithParamInterface<bool> {
protected:
    QImage Grab(const char* page, const char* name)
    {
        auto* button = Control<TRzBmpButton>(QLatin1String(page));
        button->Click();
        form->Show();
        Settle();
        const QImage shot = form->grab().toImage();
        const QString file = QStringLiteral("%1_%2.png").arg(QLatin1String(name), GetParam() ? "zh" : "en");
        EXPECT_TRUE(shot.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(file)));
        return shot;
    }
    void Press(const QString& name)
    {
        auto* b = Control<TRzBmpButton>(name);
        b->SetDown(!b->Down());
        b->OnClick(b);
    }
};

TEST_P(DelayMatrixGallery, PagesAfterEdits)
{
    if (GetParam())
        form->ChineseSimplifiedClick(form->ChineseSimplified);
    fmLinkSel = new TfmLinkSel(nullptr);
    const int delays[] = {0, 4800, 960, 19200, 38400, 9600, 65280, 28800};
    for (int ch = 0; ch < 8; ++ch)
        Control<TAdvTrackBar>("isDelay" + TfmMain::Suffix(ch))->SetPosition(delays[ch]);
    auto* box = Control<TCurvyEdit>("cvdDelayInA");
    box->SetText("12.5");
    TKey enter = 13;
    box->OnKeyDown(box, enter, 0);
    Press("rzbUnit1");
    Press("rzbBMatrixOut1");
    Press("rzbAMatrixOut6");
    std::array<std::uint8_t, 8> name{'V', 'o', 'c', 'a', 'l', 0, 0, 0};
    form->SetChannelName(0, name);
    form->SetLinkMask(2, 0x5);
    form->SetLinkMask(4, 0);
    form->ApplyLinks();
    const QImage delay = Grab("rzbMenuDelay", "delay_page");
    auto* picture = Control<TImage>("imDelayOut6");
    EXPECT_EQ(picture->Width(), 30);
    EXPECT_EQ(Control<TCustomLabel>("lbDelayLineOut1")->Left(), 46);
    EXPECT_EQ(Control<TCustomLabel>("lbFftDelayTimeInB")->Caption(), "17.175m");
    const QImage matrix = Grab("rzbMenuMatrix", "matrix_page");
    EXPECT_EQ(Control<TCustomLabel>("lbMatrixChNameInA")->Caption(), "Vocal");
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuOut3")->Caption(), "3=1");
    EXPECT_FALSE(delay.isNull());
    EXPECT_FALSE(matrix.isNull());
    delete fmLinkSel;
    fmLinkSel = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Languages, DelayMatrixGallery, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Chinese" : "English"); });

}  // namespace
