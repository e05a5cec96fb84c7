// The delay editor on the real window: fader positions to texts, pictures, image and frames;
// typed values in every unit with hostile texts; the focus-exit re-parse; the unit buttons;
// dragging a picture; a linked group following with one command per move.
#include "MainWindowFixture.h"

#include "AdvTrackBar.h"
#include "CurvyControls.h"
#include "McsCommands.h"
#include "RzBmpBtn.h"
#include "ValueCodecs.h"
#include "ui/TImage.h"
#include "ui/TLabel.h"

#include <string>

namespace {

class DelayEditorTest : public MainWindowFixture {
protected:
    TAdvTrackBar* Bar(int ch) { return Control<TAdvTrackBar>("isDelay" + TfmMain::Suffix(ch)); }
    TCurvyEdit* Box(int ch) { return Control<TCurvyEdit>("cvdDelay" + TfmMain::Suffix(ch)); }
    TImage* Picture(int ch) { return Control<TImage>("imDelay" + TfmMain::Suffix(ch)); }
    TCustomLabel* Line(int ch) { return Control<TCustomLabel>("lbDelayLine" + TfmMain::Suffix(ch)); }
    TCustomLabel* Time(int ch) { return Control<TCustomLabel>("lbFftDelayTime" + TfmMain::Suffix(ch)); }
    static ByteArray DelayFrame(int ch, int samples) { return CM_MCS_DELAY(1, ch, samples).Serialise(); }

    // Types the text into the channel's box and presses Enter (or leaves the box).
    void Type(int ch, const QString& text, bool enter = true)
    {
        Box(ch)->SetText(text);
        if (enter) {
            TKey key = 13;
            Box(ch)->OnKeyDown(Box(ch), key, 0);
        } else {
            Box(ch)->OnExit(Box(ch));
        }
    }
    void SetUnit(int unit)
    {
        auto* button = Control<TRzBmpButton>(QStringLiteral("rzbUnit%1").arg(unit));
        button->SetDown(true);
        button->OnClick(button);
        form->sent.clear();
    }
};

TEST_F(DelayEditorTest, FaderPlacesPictureWritesTextImageAndOneFrame)
{
    struct Case {
        int ch, samples;
        const char* text;
        int left;
        int dashes;
    } cases[] = {
        {0, 0, "0.000ms", 40, 0},        {0, 96, "1.000ms", 40, 0},      {1, 65280, "680.000ms", 425, 64},
        {7, 65280, "680.000ms", 425, 64}, {4, 32640, "340.000ms", 232, 32},
    };
    for (const Case& c : cases) {
        form->sent.clear();
        Bar(c.ch)->SetPosition(c.samples);
        EXPECT_EQ(Box(c.ch)->Text().toStdString(), c.text);
        EXPECT_EQ(Time(c.ch)->Caption().toStdString(), c.text);
        EXPECT_EQ(Picture(c.ch)->Left(), c.left) << c.samples;
        EXPECT_EQ(Time(c.ch)->Left(), c.left + 30) << "beside the 30-pixel picture";
        EXPECT_EQ(Time(c.ch)->Top(), Picture(c.ch)->Top() + 30 / 4);
        EXPECT_EQ(Line(c.ch)->Caption().size(), c.dashes);
        EXPECT_EQ(Unit().GetDelay(c.ch), c.samples);
        ASSERT_EQ(form->sent.size(), c.samples == 0 ? 0u : 1u) << "0 is already the fader's position";
        if (!form->sent.empty())
            EXPECT_EQ(form->sent[0], DelayFrame(c.ch, c.samples));
    }
}

TEST_F(DelayEditorTest, UnitsTextsAndTheUnitButton)
{
    Bar(2)->SetPosition(96);
    SetUnit(kDelayUnitMetres);
    EXPECT_EQ(Box(2)->Text(), "0.344m");
    EXPECT_EQ(Time(2)->Caption(), "0.344m");
    auto* feet = Control<TRzBmpButton>("rzbUnit2");
    feet->SetDown(true);
    feet->OnClick(feet);
    EXPECT_EQ(Box(2)->Text(), "1.127ft");
    EXPECT_EQ(Box(0)->Text(), "0.000ft");
    ASSERT_EQ(form->sent.size(), 1u) << "the unit only, no delay";
    EXPECT_EQ(form->sent[0], CM_MCS_DELAYUNIT(1, 2).Serialise());
    EXPECT_EQ(Unit().GetDelayUnit(), 2);
}

TEST_F(DelayEditorTest, TypedDelaysInEachUnitAndHostileTexts)
{
    struct Case {
        int unit;
        const char* typed;
        int samples;  // -1: refused, the delay stays at 500
        const char* shown;
    } cases[] = {
        {kDelayUnitMs, "2ms", 192, "2.000ms"},
        {kDelayUnitMs, "2MS", 192, "2.000ms"},
        {kDelayUnitMs, "1,5", 96, "1.000ms"},
        {kDelayUnitMs, "700", 65280, "680.000ms"},
        {kDelayUnitMs, "   ", 0, "0.000ms"},  // blanks only read as 0
        {kDelayUnitMs, "abc", -1, "5.208ms"},
        {kDelayUnitMs, "", -1, "5.208ms"},
        {kDelayUnitMs, "-3", -1, "5.208ms"},
        {kDelayUnitMs, "+3", -1, "5.208ms"},
        {kDelayUnitMs, "nan", -1, "5.208ms"},
        {kDelayUnitMs, "1;5", -1, "5.208ms"},
        {kDelayUnitMs, "\xe5\xbb\xb6", -1, "5.208ms"},
        {kDelayUnitMetres, "10", 2794, "9.997m"},
        {kDelayUnitMetres, "10M", 2794, "9.997m"},
        {kDelayUnitFeet, "10fT", 851, "9.990ft"},
    };
    for (const Case& c : cases) {
        {
            UpdatingScope updating(form->FUpdating);
            Bar(3)->SetPosition(500);
        }
        Unit().SetDelay(3, 500);
        SetUnit(c.unit);
        Type(3, QString::fromUtf8(c.typed));
        const int expected = c.samples < 0 ? 500 : c.samples;
        EXPECT_EQ(Bar(3)->Position(), expected) << c.typed;
        EXPECT_EQ(Unit().GetDelay(3), expected) << c.typed;
        EXPECT_EQ(Box(3)->Text().toStdString(), c.shown) << c.typed;
        if (c.samples < 0 || c.samples == 500)
            EXPECT_TRUE(form->sent.empty()) << c.typed;
        else
            EXPECT_EQ(form->sent, std::vector<ByteArray>{DelayFrame(3, c.samples)}) << c.typed;
    }
    // Huge texts saturate at the top instead of overflowing.
    SetUnit(kDelayUnitFeet);
    Type(3, QString(4000, QLatin1Char('9')));
    EXPECT_EQ(Bar(3)->Position(), 65280);
}

TEST_F(DelayEditorTest, OtherKeysDoNothingAndLeavingTheBoxParsesAgain)
{
    Box(5)->SetText("3");
    TKey key = 'A';
    Box(5)->OnKeyDown(Box(5), key, 0);
    EXPECT_EQ(Bar(5)->Position(), 0);
    // 97 samples show 1.010ms, which reads back as 96: leaving the box lowers the delay.
    Bar(5)->SetPosition(97);
    form->sent.clear();
    Type(5, Box(5)->Text(), false);
    EXPECT_EQ(Bar(5)->Position(), 96);
    EXPECT_EQ(form->sent, std::vector<ByteArray>{DelayFrame(5, 96)});
    form->sent.clear();
    Type(5, Box(5)->Text(), false);
    EXPECT_TRUE(form->sent.empty()) << "1.000ms reads back as 96";
}

TEST_F(DelayEditorTest, DraggingThePictureAlongItsLine)
{
    TCustomLabel* line = Line(0);
    const int w = line->Width();
    ASSERT_EQ(w, 475);
    // A press away from the picture does not grab it; on it (its middle 25 left of Left) does.
    line->OnMouseDown(line, mbLeft, 0, 60, line->Height() / 2);
    line->OnMouseMove(line, 0, 200, line->Height() / 2);
    EXPECT_EQ(Bar(0)->Position(), 0);
    line->OnMouseDown(line, mbLeft, 0, 15, line->Height() / 2);
    EXPECT_EQ(form->FDelayDrag, 1);
    line->OnMouseMove(line, 0, 200, 3);
    const int expected = int((200 - 15) * 65280.0 / (w - 90));
    EXPECT_EQ(Bar(0)->Position(), expected);
    EXPECT_EQ(Unit().GetDelay(0), expected);
    EXPECT_EQ(line->Caption().size(), (200 - 15) / 6);
    form->sent.clear();
    line->OnMouseMove(line, 0, 5000, 3);
    EXPECT_EQ(Bar(0)->Position(), 65280) << "past Width - 75 stops at the top";
    line->OnMouseMove(line, 0, 6000, 3);
    EXPECT_EQ(form->sent.size(), 1u) << "further moves there send nothing";
    // Left of the line's start: 0, and every further move there sends 0 again.
    form->sent.clear();
    line->OnMouseMove(line, 0, -40, 3);
    line->OnMouseMove(line, 0, -50, 3);
    EXPECT_EQ(Bar(0)->Position(), 0);
    EXPECT_EQ(form->sent, (std::vector<ByteArray>{DelayFrame(0, 0), DelayFrame(0, 0)}));
    line->OnMouseUp(line, mbLeft, 0, 0, 0);
    EXPECT_EQ(form->FDelayDrag, 0);
    // A line with no room for its picture has no scale: the drag changes nothing.
    line->OnMouseDown(line, mbLeft, 0, 15, line->Height() / 2);
    line->SetWidth(90);
    form->sent.clear();
    line->OnMouseMove(line, 0, 50, 3);
    EXPECT_TRUE(form->sent.empty());
}

TEST_F(DelayEditorTest, LinkedGroupFollowsWithOneCommandPerMove)
{
    EditImage([](LUnitControl& unit) {
        unit.SetLinkMask(2, 0x15);  // Out1 leads Out3 and Out5
        unit.SetLinkMask(4, 0);
        unit.SetLinkMask(6, 0);
    });
    TCustomLabel* line = Line(4);
    line->OnMouseDown(line, mbLeft, 0, Picture(4)->Left() - 25, line->Height() / 2);
    line->OnMouseMove(line, 0, 100, 3);
    line->OnMouseMove(line, 0, 160, 3);
    line->OnMouseUp(line, mbLeft, 0, 0, 0);
    const int samples = Bar(4)->Position();
    ASSERT_GT(samples, 0);
    EXPECT_EQ(form->sent, (std::vector<ByteArray>{DelayFrame(4, int((100 - 15) * 65280.0 / (475 - 90))),
                                                   DelayFrame(4, samples)}));
    for (int ch : {2, 4, 6}) {
        EXPECT_EQ(Bar(ch)->Position(), samples) << ch;
        EXPECT_EQ(Unit().GetDelay(ch), samples) << ch;
        EXPECT_EQ(Picture(ch)->Left(), Picture(4)->Left()) << ch;
        EXPECT_EQ(Box(ch)->Text(), Box(4)->Text()) << ch;
        EXPECT_EQ(Line(ch)->Caption().isEmpty(), false) << ch;
    }
    EXPECT_EQ(Bar(3)->Position(), 0) << "Out2 is not in the group";
}

TEST_F(DelayEditorTest, NothingMovesWhileTheWindowMovesControls)
{
    UpdatingScope updating(form->FUpdating);
    Bar(1)->SetPosition(1000);
    EXPECT_EQ(Box(1)->Text(), "0.000ms");
    EXPECT_EQ(Unit().GetDelay(1), 0);
    EXPECT_TRUE(form->sent.empty());
}

}  // namespace
