// The link selection, channel copy and channel name dialogs against the recording host:
// which grid buttons a click leaves down and enabled, what Set and Exit store and call, the
// copies the copy buttons ask for, and the 8-byte names the name dialogs hand over; with
// their pictures in both languages.
#include "DialogTestSupport.h"
#include "ProgramLookScope.h"

#include "FChNameList.h"
#include "FChannelName.h"
#include "FCopy.h"
#include "FLinkSel.h"
#include "RzBmpBtn.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"

#include <QCoreApplication>
#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

class ChannelDialogsTest : public DialogTest {
protected:
    // A user's click on a grid button: it goes down, then its handler runs.
    static void Click(TRzBmpButton* b) {
        ASSERT_NE(b, nullptr);
        b->SetDown(true);
        if (b->OnClick) b->OnClick(b);
    }
    static TRzBmpButton* Grid(int member, int master) { return fmLinkSel->GridButton(member, master); }
    // The master column whose button is down in each output row (Out1 to Out6).
    static std::vector<int> OutputRows() {
        std::vector<int> rows;
        for (int member = 2; member < 8; ++member)
            for (int master = 2; master <= member; ++master)
                if (Grid(member, master)->Down()) rows.push_back(master);
        return rows;
    }
};

TEST_F(ChannelDialogsTest, LinkGridIsTriangularWithTheDiagonalDown) {
    EXPECT_EQ(Grid(0, 0)->Name(), "rzbALinkInA");
    EXPECT_EQ(Grid(1, 0)->Name(), "rzbBLinkInA");
    EXPECT_EQ(Grid(4, 2)->Name(), "rzb3LinkOut1");
    EXPECT_EQ(Grid(4, 2)->Caption(), "Out3");
    EXPECT_EQ(Grid(4, 2)->Tag(), 0);
    EXPECT_EQ(Grid(2, 4), nullptr) << "no button above the diagonal";
    EXPECT_EQ(Grid(2, 0), nullptr) << "no button across the sides";
    EXPECT_THAT(OutputRows(), ElementsAre(2, 3, 4, 5, 6, 7));
    EXPECT_TRUE(Grid(1, 1)->Down());
}

TEST_F(ChannelDialogsTest, SetWithNothingChangedStoresNothing) {
    RunModal(*fmLinkSel, [] {
        EXPECT_EQ(fmLinkSel->Caption(), "Link Selection");
        EXPECT_EQ(fmLinkSel->bnSet->Caption(), "Set");
        fmLinkSel->bnSet->Click();
    });
    EXPECT_THAT(host->Take(), ElementsAre());
    EXPECT_FALSE(fmLinkSel->isVisible());
}

TEST_F(ChannelDialogsTest, Out3FollowsOut1AndSet) {
    RunModal(*fmLinkSel, [] {
        Click(Grid(4, 2));
        fmLinkSel->bnSet->Click();
    });
    EXPECT_THAT(host->Take(),
                ElementsAre("SetPageButtonCaption 2 4", "CopyChannel 2 4 0", "SetLinkMask 2 5", "SetLinkMask 4 0",
                            "ApplyLinks", "ShowOverlayToggles 0 1", "SetPageButtonCaption 0 0",
                            "ShowOverlayToggles 1 1", "SetPageButtonCaption 1 1", "ShowOverlayToggles 2 1",
                            "SetPageButtonCaption 2 2", "ShowOverlayToggles 3 1", "SetPageButtonCaption 3 3",
                            "ShowOverlayToggles 4 0", "ShowOverlayToggles 5 1", "SetPageButtonCaption 5 5",
                            "ShowOverlayToggles 6 1", "SetPageButtonCaption 6 6", "ShowOverlayToggles 7 1",
                            "SetPageButtonCaption 7 7", "ShowGainPage"));
}

// Out3 joining Out1 closes column Out3 below it; rows that followed Out3 lead themselves
// again; Out3 leading itself opens the column once more.
TEST_F(ChannelDialogsTest, JoiningAGroupClosesTheColumnBelow) {
    Click(Grid(5, 4));  // Out4 follows Out3
    EXPECT_THAT(OutputRows(), ElementsAre(2, 3, 4, 4, 6, 7));
    Click(Grid(4, 2));  // Out3 follows Out1
    EXPECT_THAT(OutputRows(), ElementsAre(2, 3, 2, 5, 6, 7));
    for (int row = 5; row < 8; ++row) EXPECT_FALSE(Grid(row, 4)->Enabled()) << row;
    Click(Grid(4, 4));
    for (int row = 5; row < 8; ++row) EXPECT_TRUE(Grid(row, 4)->Enabled()) << row;
    EXPECT_EQ(fmLinkSel->FChanged, 1);
}

TEST_F(ChannelDialogsTest, ExitUndoesClicksFromTheImageAndSendsNothing) {
    host->masks = {3, 0, 0x3, 0, 4, 8, 16, 32};  // InB follows InA, Out2 follows Out1
    for (int ch = 0; ch < 8; ++ch) fmLinkSel->ShowLinkMask(ch, host->masks[std::size_t(ch)]);
    host->Take();
    RunModal(*fmLinkSel, [] {
        Click(Grid(3, 3));
        Click(Grid(1, 1));
        Click(Grid(7, 2));
        fmLinkSel->bnExit->Click();
    });
    EXPECT_THAT(OutputRows(), ElementsAre(2, 2, 4, 5, 6, 7));
    EXPECT_TRUE(Grid(1, 0)->Down());
    EXPECT_THAT(host->Take(), ElementsAre());
}

// Out2 is named by no mask: its row keeps leading itself.
TEST_F(ChannelDialogsTest, PageCaptionsNameEachMembersMaster) {
    for (int ch = 0; ch < 8; ++ch) fmLinkSel->ShowLinkMask(ch, std::array<int, 8>{3, 0, 0x15, 0, 0, 0x8, 0, 0x20}[std::size_t(ch)]);
    host->Take();
    fmLinkSel->ApplyPageCaptions();
    EXPECT_THAT(host->Take(), ElementsAre("SetPageButtonCaption 0 0", "SetPageButtonCaption 0 1",
                                          "SetPageButtonCaption 2 2", "SetPageButtonCaption 2 4",
                                          "SetPageButtonCaption 2 6", "SetPageButtonCaption 3 3",
                                          "SetPageButtonCaption 5 5",
                                          "SetPageButtonCaption 7 7"));
}

TEST_F(ChannelDialogsTest, CopyButtonsCopyTheSelectedChannels) {
    EXPECT_EQ(fmCopy->cbInSource->Style(), csDropDownList) << "selectors take no typed text";
    RunModal(*fmCopy, [] {
        EXPECT_EQ(fmCopy->Caption(), "Channel Copy");
        fmCopy->bnInChCopy->Click();  // InA => InB
        fmCopy->cbOutSource->SetItemIndex(0);
        fmCopy->cbOutDestination->SetItemIndex(3);
        fmCopy->bnOutChCopy->Click();  // Out1 => Out4
        fmCopy->cbOutDestination->SetItemIndex(-1);
        fmCopy->bnOutChCopy->Click();  // nothing chosen: nothing copied
        EXPECT_TRUE(fmCopy->isVisible()) << "stays open after each copy";
        fmCopy->bnExit->Click();
    });
    EXPECT_THAT(host->Take(), ElementsAre("CopyChannel 0 1 1", "CopyChannel 2 5 1"));
}

TEST_F(ChannelDialogsTest, ChannelNameSendsEightBytes) {
    fmChannelName->SetChannel(4);
    fmChannelName->SetNameText("Out3  \r");
    RunModal(*fmChannelName, [] {
        EXPECT_EQ(fmChannelName->lbChannel->Caption(), "Out3 :");
        EXPECT_EQ(fmChannelName->edName->Text(), "Out3");
        fmChannelName->edName->SetText("Sub");
        fmChannelName->btnOK->Click();
    });
    fmChannelName->SetChannel(1);
    RunModal(*fmChannelName, [] {
        EXPECT_EQ(fmChannelName->lbChannel->Caption(), "InB :");
        fmChannelName->edName->SetText("");
        TKey enter = VK_RETURN;
        fmChannelName->edNameKeyDown(fmChannelName->edName, enter, 0);
    });
    RunModal(*fmChannelName, [] { fmChannelName->bnCancel->Click(); });
    EXPECT_THAT(host->Take(), ElementsAre("SetChannelName 4 [53 75 62 00 00 00 00 00]",
                                          "SetChannelName 1 [00 00 00 00 00 00 00 00]"));
}

TEST_F(ChannelDialogsTest, NameListSendsOnlyChangedNamesCaseSensitively) {
    const auto bytes = [](const char* text) {
        std::array<std::uint8_t, 8> name{};
        for (std::size_t i = 0; text[i] && i < 8; ++i) name[i] = std::uint8_t(text[i]);
        return name;
    };
    host->names = {bytes("InA"), bytes("InB"), bytes("Out1"), bytes("Out2"), bytes("Main L"), bytes("Main R"),
                   bytes("Subwoofe"), bytes("Out6")};
    host->names[3][2] = '\r';  // a carriage return from the unit shows as a blank
    RunModal(*fmChNameList, [] {
        EXPECT_EQ(fmChNameList->Caption(), "Channel Name");
        EXPECT_EQ(fmChNameList->edNames[6]->Text(), "Subwoofe") << "8 characters, no terminator";
        EXPECT_EQ(fmChNameList->edNames[3]->Text(), "Ou 2");
        fmChNameList->edNames[1]->SetText("Vocal");
        fmChNameList->edNames[4]->SetText("MAIN L");
        fmChNameList->btnOK->Click();
    });
    EXPECT_THAT(host->Take(), ElementsAre("SetChannelName 1 [56 6F 63 61 6C 00 00 00]",
                                          "SetChannelName 3 [4F 75 20 32 00 00 00 00]",
                                          "SetChannelName 4 [4D 41 49 4E 20 4C 00 00]"));
}

// ---- pictures ----------------------------------------------------------------------------

class ChannelDialogsGallery : public ChannelDialogsTest, public ::testing::WithParamInterface<bool> {
protected:
    ProgramLookScope look;  // the look the program draws with

    void SetUp() override {
        ChannelDialogsTest::SetUp();
        if (GetParam()) UseChinese();
    }
    QImage Picture(TForm& form, const char* name) {
        form.Show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        const QImage image = SaveGrab(form, QStringLiteral("gallery_%1_%2.png").arg(name, GetParam() ? "zh" : "en"));
        form.Hide();
        return image;
    }
};

TEST_P(ChannelDialogsGallery, LinkCopyAndNames) {
    Click(Grid(1, 0));
    Click(Grid(4, 2));
    const QImage link = Picture(*fmLinkSel, "link_selection");
    EXPECT_EQ(link.size(), QSize(380, 386));
    EXPECT_EQ(link.pixel(20, 30) & 0xFFFFFF, 0xD8D8D8u) << "the light input panel";
    Picture(*fmCopy, "channel_copy");
    fmChannelName->SetChannel(4);
    fmChannelName->SetNameText("Main L");
    Picture(*fmChannelName, "channel_name");
    const char* names[] = {"Vocal", "Guitar", "Main L", "Main R", "Sub", "Fill", "Delay1", "Monitor"};
    for (std::size_t ch = 0; ch < 8; ++ch)
        for (std::size_t i = 0; names[ch][i]; ++i) host->names[ch][i] = std::uint8_t(names[ch][i]);
    Picture(*fmChNameList, "channel_name_list");
}

INSTANTIATE_TEST_SUITE_P(Languages, ChannelDialogsGallery, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Chinese" : "English"); });

}  // namespace
