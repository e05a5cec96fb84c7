// The main menu: every item present under its name, the hidden ones invisible, and each
// visible item (and the hidden ones with a handler) reaching what it opens or does. The
// link, channel-copy and channel-name items are checked with their dialogs.
#include "MainWindowTestSupport.h"

#include "QtTestSupport.h"

#include "FAbout.h"
#include "FExit.h"
#include "FHidData.h"
#include "FInformation.h"
#include "FLockSetup.h"
#include "FMemo.h"
#include "FNetworkSetup.h"
#include "FPresetGrid.h"
#include "FRs232CodeDoc.h"
#include "FStoreName.h"
#include "FTest.h"
#include "ui/TLabel.h"
#include "ui/TMenu.h"

#include <QTimer>

namespace {

using MenuTreeTest = MainWindowTest;

// Clicks the item and returns the name of the window that came up (closed again at once),
// or what the click asked for instead.
std::string Reach(TfmMain& form, TMenuItem* item, std::string& asked) {
    std::string opened;
    TForm* const windows[] = {fmAbout, fmExit, fmHidData, fmInformation, fmLockSetup, fmMemo, fmNetworkSetup,
                              fmTest, fmRs232CodeEnglish, fmRs232Code};
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (TForm* w : windows)
            if (w && w->isVisible() && opened.empty()) {
                opened = w->Name().toStdString();
                if (w == fmInformation) opened += ": " + fmInformation->lbMessage->Caption().toStdString();
                w->Close();
            }
    });
    watch.start(1);
    form.AskFileName = [&](TfmMain::FileDialog kind) {
        asked = "file dialog " + std::to_string(int(kind));
        return QString();
    };
    item->Click();
    PumpUntil([&] { return !opened.empty() || !asked.empty(); });
    return opened.empty() ? asked : opened;
}

TEST_F(MenuTreeTest, HiddenItemsArePresentButInvisible) {
    const struct {
        TMenuItem* item;
        const char* name;
        bool visible;
    } items[] = {
        {form->File, "File", true},           {form->Open, "Open", true},
        {form->Save, "Save", true},           {form->Upload, "Upload", true},
        {form->Download, "Download", true},   {form->FactoryDefault, "FactoryDefault", false},
        {form->Exit, "Exit", true},           {form->Link, "Link", true},
        {form->Copy, "Copy", true},           {form->Lock, "Lock", true},
        {form->SettingID, "SettingID", false}, {form->NetworkSetup, "NetworkSetup", true},
        {form->TestTone, "TestTone", true},   {form->ChNameList, "ChNameList", true},
        {form->LanguageSel, "LanguageSel", true}, {form->ChineseSimplified, "ChineseSimplified", true},
        {form->ChineseTraditional, "ChineseTraditional", false}, {form->English, "English", true},
        {form->Help, "Help", true},           {form->Rs232Code, "Rs232Code", true},
        {form->MemoShow, "MemoShow", false},  {form->HidData, "HidData", false},
        {form->LockSetup, "LockSetup", false}, {form->BlockDiagram, "BlockDiagram", false},
        {form->Connect, "Connect", false},    {form->ConnectHelp, "ConnectHelp", false},
        {form->About, "About", true},
    };
    for (const auto& i : items) {
        ASSERT_NE(i.item, nullptr) << i.name;
        EXPECT_EQ(i.item->Name.toStdString(), i.name);
        EXPECT_EQ(i.item->Visible, i.visible) << i.name;
    }
    // The windows the menu opens exist from the start.
    for (TForm* w : std::initializer_list<TForm*>{fmRecallPreset, fmStorePreset, fmStoreName, fmTest,
                                                  fmRs232CodeEnglish, fmRs232Code})
        EXPECT_NE(w, nullptr);
}

TEST_F(MenuTreeTest, EachItemReachesItsHandler) {
    const struct {
        TMenuItem* TfmMain::*item;
        const char* reached;
    } cases[] = {
        {&TfmMain::Open, "file dialog 1"},
        {&TfmMain::Save, "file dialog 0"},
        {&TfmMain::Upload, "fmInformation: You Must Connect First !!"},
        {&TfmMain::Download, "fmInformation: You Must Connect First !!"},
        {&TfmMain::FactoryDefault, "fmInformation: You Must Connect First !!"},
        {&TfmMain::Exit, "fmExit"},
        {&TfmMain::Lock, "fmLockSetup"},
        {&TfmMain::LockSetup, "fmLockSetup"},
        {&TfmMain::NetworkSetup, "fmNetworkSetup"},
        {&TfmMain::TestTone, "fmTest"},
        {&TfmMain::Rs232Code, "fmRs232CodeEnglish"},
        {&TfmMain::MemoShow, "fmMemo"},
        {&TfmMain::HidData, "fmHidData"},
        {&TfmMain::About, "fmAbout"},
    };
    for (const auto& c : cases) {
        std::string asked;
        EXPECT_EQ(Reach(*form, form->*c.item, asked), c.reached) << (form->*c.item)->Name.toStdString();
    }
    // In Simplified Chinese the control codes open in the Chinese viewer.
    UseChinese();
    std::string asked;
    EXPECT_EQ(Reach(*form, form->Rs232Code, asked), "fmRs232Code");
}

}  // namespace
