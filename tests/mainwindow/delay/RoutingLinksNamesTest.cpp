// Routing, link groups, channel copy, page captions and channel names on the real window:
// image words and frames, the routing lines' pixels, captions, overlay toggles, and the
// link dialog loaded when the image is shown.
#include "MainWindowFixture.h"

#include "ChannelNameText.h"
#include "CommandCode.h"
#include "Dialogs.h"
#include "FChannelName.h"
#include "FLinkSel.h"
#include "ui/TEdit.h"
#include <QTimer>
#include "McsCommands.h"
#include "Plot.h"
#include "AdvTrackBar.h"
#include "RzBmpBtn.h"
#include "VrButtons.h"
#include "ui/TLabel.h"
#include "ui/TPaintBox.h"

namespace {

class RoutingLinksNamesTest : public MainWindowFixture {
protected:
    void Click(const QString& name)
    {
        auto* b = Control<TRzBmpButton>(name);
        b->SetDown(!b->Down());
        b->OnClick(b);
    }
    QImage Routing()
    {
        auto* box = Control<TPaintBox>("pbMatrix");
        box->Invalidate();
        Settle();
        return box->grab().toImage();
    }
    static bool IsColour(QRgb pixel, TColor colour)
    {
        const QRgb want = qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
        return std::abs(qRed(pixel) - qRed(want)) < 40 && std::abs(qGreen(pixel) - qGreen(want)) < 40 &&
               std::abs(qBlue(pixel) - qBlue(want)) < 40;
    }
    // The colour within two pixels above or below (x, y): where a line crosses column x.
    static bool LineAt(const QImage& image, int x, int y, TColor colour)
    {
        for (int dy = -2; dy <= 2; ++dy)
            if (IsColour(image.pixel(x, y + dy), colour))
                return true;
        return false;
    }
    static std::array<std::uint8_t, 8> Name(const char* text)
    {
        std::array<std::uint8_t, 8> name{};
        for (std::size_t i = 0; text[i] && i < 8; ++i)
            name[i] = std::uint8_t(text[i]);
        return name;
    }
};

TEST_F(RoutingLinksNamesTest, RoutingButtonsChangeTheMaskAndSendIt)
{
    EXPECT_EQ(Unit().GetMatrix(2), 1);
    Click("rzbBMatrixOut1");
    EXPECT_EQ(Unit().GetMatrix(2), 3);
    Click("rzbAMatrixOut1");
    EXPECT_EQ(Unit().GetMatrix(2), 2);
    Click("rzbBMatrixOut1");
    EXPECT_EQ(Unit().GetMatrix(2), 0);
    EXPECT_EQ(form->sent, (std::vector<ByteArray>{CM_MCS_MATRIX(1, 2, 3).Serialise(), CM_MCS_MATRIX(1, 2, 2).Serialise(),
                                                   CM_MCS_MATRIX(1, 2, 0).Serialise()}));
    EXPECT_EQ(Unit().GetMatrix(3), 2) << "the other outputs keep theirs";
}

// Default routing: InA (purple) from row 41 to Out1, Out3, Out5; InB (olive) from 166 to
// the others. A removed route's line disappears.
TEST_F(RoutingLinksNamesTest, RoutingLinesFollowTheMasks)
{
    QImage lines = Routing();
    EXPECT_TRUE(IsColour(lines.pixel(1, 41), clPurple));
    EXPECT_TRUE(IsColour(lines.pixel(1, 166), clOlive));
    // Halfway across (x 48) each line has gone half of its way.
    EXPECT_TRUE(LineAt(lines, 48, 21, clPurple)) << "InA to Out1's row 0";
    EXPECT_TRUE(LineAt(lines, 48, 62, clPurple)) << "InA to Out3's row 83";
    EXPECT_TRUE(LineAt(lines, 48, 104, clOlive)) << "InB to Out2's row 41";
    EXPECT_FALSE(LineAt(lines, 48, 104, clPurple)) << "InA does not feed Out2";
    Click("rzbAMatrixOut1");
    lines = Routing();
    EXPECT_FALSE(LineAt(lines, 48, 21, clPurple)) << "Out1 fed by neither input: its line is gone";
    EXPECT_TRUE(LineAt(lines, 48, 62, clPurple)) << "Out3's line stays";
    // 70 pixels taller: InB's row 35 lower, output j's row 10 x (j + 1) lower.
    form->FExtraHeight = 70;
    lines = Routing();
    EXPECT_TRUE(LineAt(lines, 1, 201, clOlive));
    EXPECT_FALSE(LineAt(lines, 1, 166, clOlive));
    EXPECT_TRUE(LineAt(lines, 48, 77, clPurple)) << "InA to Out3's row 83 + 30";
}

TEST_F(RoutingLinksNamesTest, CopyChannelOfflineConnectedAndRefused)
{
    EditImage([](LUnitControl& unit) {
        unit.SetGain(5, 100);
        unit.SetDelay(5, 777);
        unit.SetLinkMask(2, 0x5);  // Out1 leads Out3
        unit.SetLinkMask(4, 0);
    });
    form->CopyChannel(3, 3, true);
    form->CopyChannel(5, 0, true);   // across the sides
    form->CopyChannel(-1, 2, true);  // no such channel
    form->CopyChannel(5, 9, true);
    for (int ch : {2, 4})
        EXPECT_EQ(Unit().GetDelay(ch), 0) << ch;
    form->CopyChannel(5, 2, true);  // Out4 onto Out1's group
    for (int ch : {2, 4}) {
        EXPECT_EQ(Unit().GetDelay(ch), 777) << ch;
        EXPECT_EQ(Unit().GetGain(ch), 100) << ch;
    }
    EXPECT_EQ(Unit().GetDelay(3), 0);
    EXPECT_EQ(Control<TAdvTrackBar>("isDelayOut3")->Position(), 777) << "the image is shown again";
    EXPECT_TRUE(form->sent.empty());
    // A source inside the destination's group keeps its own settings.
    EditImage([](LUnitControl& unit) { unit.SetDelay(4, 5); });
    form->CopyChannel(4, 2, false);
    EXPECT_EQ(Unit().GetDelay(2), 5);
    EXPECT_EQ(Unit().GetDelay(4), 5);
    // Connected: the unit copies; with refresh the image is read again.
    form->FConnected = true;
    form->CopyChannel(0, 1, false);
    EXPECT_EQ(form->FRequestState, REQ_NONE);
    form->CopyChannel(2, 5, true);
    EXPECT_EQ(form->FRequestState, REQ_REREAD);
    EXPECT_EQ(form->sent, (std::vector<ByteArray>{Frame(CMD_COPY_CHANNEL, {0, 1}), Frame(CMD_COPY_CHANNEL, {2, 5})}));
    form->FConnected = false;
}

TEST_F(RoutingLinksNamesTest, PageCaptionsAndOverlayToggles)
{
    form->SetPageButtonCaption(2, 4);
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuOut3")->Caption(), "3=1");
    form->SetPageButtonCaption(0, 1);
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuInB")->Caption(), "B=A");
    form->SetPageButtonCaption(1, 1);
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuInB")->Caption(), "InB");
    form->SetPageButtonCaption(0, 4);  // across the sides: nothing
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuOut3")->Caption(), "3=1");

    auto* onOut4 = Control<TVrPowerButton>("vrbShow1Out4");
    onOut4->SetActive(true);
    form->FOverlayDirty.fill(0xFF);
    form->ShowOverlayToggles(2, false);
    EXPECT_TRUE(Control<TVrPowerButton>("vrbShow1Gain")->isHidden());
    for (int page = 3; page <= 7; ++page) {
        auto* toggle = Control<TVrPowerButton>(QStringLiteral("vrbShow1Out%1").arg(page - 1));
        EXPECT_TRUE(toggle->isHidden()) << page;
        EXPECT_FALSE(toggle->Active()) << page;
        EXPECT_EQ(form->FOverlayDirty[std::size_t(page)] & 4, 0) << page;
    }
    EXPECT_EQ(form->FOverlayDirty[TfmMain::kViewGainOut] & 4, 0);
    EXPECT_EQ(form->FOverlayDirty[2] & 4, 4) << "Out1's own view is not touched";
    form->ShowOverlayToggles(2, true);
    EXPECT_FALSE(Control<TVrPowerButton>("vrbShow1Out6")->isHidden());
}

// Showing the image loads the link dialog's grid, hides a member's toggles and labels its
// page button after its master.
TEST_F(RoutingLinksNamesTest, ShowingTheImageLoadsTheLinkGridAndCaptions)
{
    fmLinkSel = new TfmLinkSel(nullptr);
    EditImage([](LUnitControl& unit) {
        unit.SetLinkMask(2, 0x5);
        unit.SetLinkMask(4, 0);
        unit.SetLinkMask(0, 0x3);
        unit.SetLinkMask(1, 0);
    });
    form->ShowUnitImage(Unit());
    EXPECT_TRUE(fmLinkSel->GridButton(4, 2)->Down());
    EXPECT_TRUE(fmLinkSel->GridButton(1, 0)->Down());
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuOut3")->Caption(), "3=1");
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuInB")->Caption(), "B=A");
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuOut1")->Caption(), "Out1");
    EXPECT_TRUE(Control<TVrPowerButton>("vrbShow3Gain")->isHidden());
    EXPECT_TRUE(form->sent.empty());
    // Offline, applying the links shows the image again.
    EditImage([](LUnitControl& unit) { unit.SetLinkMask(4, 0x4); unit.SetLinkMask(2, 0x1); });
    form->ApplyLinks();
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuOut3")->Caption(), "Out3");
    delete fmLinkSel;
    fmLinkSel = nullptr;
}

TEST_F(RoutingLinksNamesTest, ApplyLinksConnectedRereadsTheUnit)
{
    form->FConnected = true;
    form->ApplyLinks();
    EXPECT_EQ(form->FRequestState, REQ_REREAD);
    EXPECT_EQ(form->sent, std::vector<ByteArray>{Frame(CMD_POLL, {})});
    form->FConnected = false;
}

TEST_F(RoutingLinksNamesTest, ChannelNamesShownAndSent)
{
    form->SetChannelName(3, Name("Sub"));
    EXPECT_EQ(Control<TCustomLabel>("lbMatrixChNameOut2")->Caption(), "Sub");
    EXPECT_EQ(Control<TRzBmpButton>("rzbMenuOut2")->toolTip(), "Sub");
    EXPECT_EQ(form->GetChannelName(3), Name("Sub"));
    EXPECT_EQ(form->sent, std::vector<ByteArray>{CM_MCS_CHANNEL_NAME(1, 3, Name("Sub")).Serialise()});
    form->sent.clear();
    form->SetChannelName(4, Name("Subwoofe"));
    EXPECT_EQ(Control<TCustomLabel>("lbMatrixChNameOut3")->Caption(), "Subwoofe") << "8 characters, no zero";
    {
        UpdatingScope updating(form->FUpdating);
        form->SetChannelName(5, Name("Quiet"));
    }
    EXPECT_EQ(form->sent.size(), 1u) << "nothing sent while the window moves controls";
    EXPECT_EQ(form->GetChannelName(5), Name("Quiet"));
    form->SetChannelName(9, Name("None"));  // no such channel: nothing
    EXPECT_EQ(form->sent.size(), 1u);
}

// Bytes from the unit: CR and LF show as blanks, a zero ends the name, 8 bytes at most.
TEST_F(RoutingLinksNamesTest, NamesFromTheUnitAreShownSafely)
{
    EditImage([&](LUnitControl& unit) {
        unit.SetChannelName(0, Name("L1\r\nL2"));
        const std::array<std::uint8_t, 8> zeroInside{'A', 'B', 0, 'C', 'D', 'E', 'F', 'G'};
        unit.SetChannelName(1, zeroInside);
        const std::array<std::uint8_t, 8> breaks{'A', '\r', 'B', '\n', 'C', 'D', 'E', 'F'};
        unit.SetChannelName(2, breaks);
    });
    form->ShowUnitImage(Unit());
    EXPECT_EQ(Control<TCustomLabel>("lbMatrixChNameInA")->Caption(), "L1  L2");
    EXPECT_EQ(Control<TCustomLabel>("lbMatrixChNameInB")->Caption(), "AB");
    EXPECT_EQ(Control<TCustomLabel>("lbMatrixChNameOut1")->Caption(), "A B CDEF");
}

TEST_F(RoutingLinksNamesTest, ClickingANameLabelOpensTheNamingDialog)
{
    fmChannelName = new TfmChannelName(nullptr);
    form->SetChannelName(1, Name("Bass  "));
    QString shown;
    int channel = -1;
    QTimer::singleShot(0, [&] {
        shown = fmChannelName->edName->Text();
        channel = fmChannelName->FChannel;
        fmChannelName->bnCancel->Click();
    });
    auto* label = Control<TCustomLabel>("lbMatrixChNameInB");
    label->OnClick(label);
    EXPECT_EQ(channel, 1);
    EXPECT_EQ(shown, "Bass") << "without its trailing blanks";
    EXPECT_EQ(fmChannelName->lbChannel->Caption(), "InB :");
    delete fmChannelName;
    fmChannelName = nullptr;
}

}  // namespace
