// The preset grids and the name dialog (rows as records, their texts, 14-byte names, store
// and recall), the test-signal dialog's commands and the control-code viewers' scrolling.
#include "DialogTestSupport.h"

#include "FPresetGrid.h"
#include "FRs232CodeDoc.h"
#include "FStoreName.h"
#include "FTest.h"
#include "RzBmpBtn.h"
#include "ui/TComboBox.h"
#include "ui/TEdit.h"
#include "ui/TLabel.h"
#include "ui/TRadioButton.h"
#include "ui/VirtualKeys.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

using PresetDialogs = DialogTest;

TEST_F(PresetDialogs, GridRowsAreTwentyFiveCharacterRecords) {
    ASSERT_EQ(fmRecallPreset->RowCount(), 31);
    ASSERT_EQ(fmStorePreset->RowCount(), 30);
    EXPECT_EQ(fmRecallPreset->RowText(0), "     F00=  Default Preset");
    EXPECT_EQ(fmRecallPreset->RowText(30), "     U30=  Default Preset");
    EXPECT_EQ(fmStorePreset->RowText(0), "     U01=  Default Preset");
    EXPECT_EQ(fmStorePreset->RowText(29), "     U30=  Default Preset");
    const struct {
        QString name;
        QString shown;  // characters 12-25 of the row
    } cases[] = {
        {"Demo", "Demo          "},
        {"Exactly14Chars", "Exactly14Chars"},
        {"Longer than fourteen", "Longer than fo"},
        {QString::fromUtf8("Größe"), QString::fromUtf8("Größe         ")},
        {QString("A\rB\nC") + QChar(0) + "D", "A B C D       "},  // control bytes shown as blanks
        {QString::fromUtf8("名字"), "??            "},              // outside the code page
    };
    for (const auto& c : cases) {
        fmStorePreset->SetPresetRow(4, c.name);
        fmRecallPreset->SetPresetRow(5, c.name);
        EXPECT_EQ(fmStorePreset->RowText(4), "     U05=  " + c.shown) << c.name.toStdString();
        EXPECT_EQ(fmRecallPreset->RowText(5), "     U05=  " + c.shown) << c.name.toStdString();
        // The neighbours keep their rows, and the grid shows the record.
        EXPECT_EQ(fmStorePreset->RowText(5), "     U06=  Default Preset");
        EXPECT_EQ(fmRecallPreset->RowText(4), "     U04=  Default Preset");
        EXPECT_EQ(fmStorePreset->vledPresetName->item(4, 1)->text(), c.shown);
        EXPECT_EQ(fmStorePreset->vledPresetName->item(4, 0)->text(), "U05");
    }
    // The record keeps the bytes the unit sent, CR and LF included.
    fmStorePreset->SetPresetRow(4, QString("A\rB"));
    EXPECT_EQ(fmStorePreset->GetRow(4).name[1], '\r');
    // Rows outside the grid change nothing.
    fmStorePreset->SetPresetRow(30, QString("x"));
    fmRecallPreset->SetPresetRow(-1, QString("x"));
    EXPECT_EQ(fmRecallPreset->RowText(0), "     F00=  Default Preset");
}

TEST_F(PresetDialogs, StoreRowPassesTheBlankPaddedNameAndBothGridsShowIt) {
    host->connected = true;
    fmStorePreset->Show();
    fmStorePreset->vledPresetNameSelectCell(5);
    EXPECT_EQ(fmStoreName->lTitle->Caption(), "U05 : ");
    EXPECT_TRUE(fmStoreName->StoreMode());
    EXPECT_TRUE(fmStoreName->edName->Enabled());
    EXPECT_EQ(fmStoreName->edName->Text(), "Default Preset");
    fmStoreName->edName->SetText("Demo");
    fmStoreName->btnOK->Click();
    EXPECT_THAT(host->Take(), ElementsAre("StorePreset 4 [Demo          ]"));
    EXPECT_EQ(fmStoreName->edName->Text(), "Demo          ");
    EXPECT_EQ(fmStorePreset->RowText(4), "     U05=  Demo          ");
    EXPECT_EQ(fmRecallPreset->RowText(5), "     U05=  Demo          ");
    EXPECT_FALSE(fmStorePreset->isVisible());
    EXPECT_FALSE(fmStoreName->isVisible());
}

TEST_F(PresetDialogs, RecallRowsNameTheirPresetAndRecallIt) {
    const struct {
        int row;
        const char* title;
        const char* call;
    } cases[] = {{1, "F00 : ", "RecallPreset 0"}, {2, "U01 : ", "RecallPreset 1"}, {31, "U30 : ", "RecallPreset 30"}};
    for (const auto& c : cases) {
        fmRecallPreset->vledPresetNameSelectCell(c.row);
        EXPECT_EQ(fmStoreName->lTitle->Caption(), c.title);
        EXPECT_FALSE(fmStoreName->edName->Enabled());
        EXPECT_EQ(fmStoreName->edName->Text(), "Default Preset");
        fmStoreName->btnOK->Click();
        EXPECT_THAT(host->Take(), ElementsAre(c.call));
    }
    // Cancel closes only the name dialog.
    fmRecallPreset->Show();
    fmRecallPreset->vledPresetNameSelectCell(3);
    fmStoreName->bnCancel->Click();
    EXPECT_FALSE(fmStoreName->isVisible());
    EXPECT_TRUE(fmRecallPreset->isVisible());
    EXPECT_TRUE(host->Take().empty());
    fmRecallPreset->Hide();
}

TEST_F(PresetDialogs, NameTextLosesTrailingBlanksAndCarriageReturns) {
    const struct {
        const char* in;
        const char* shown;
    } cases[] = {{"Live Set      ", "Live Set"}, {"Two  Words \r\r", "Two  Words"}, {"  lead", "  lead"}, {"", ""}};
    for (const auto& c : cases) {
        fmStoreName->SetNameText(c.in);
        EXPECT_EQ(fmStoreName->edName->Text(), c.shown) << c.in;
    }
    EXPECT_EQ(TfmStoreName::PaddedName("ab"), "ab            ");
    EXPECT_EQ(TfmStoreName::PaddedName("fifteen chars!!"), "fifteen chars!");
}

TEST_F(PresetDialogs, TestSignalSendsEveryChoice) {
    fmTest->Show();
    EXPECT_EQ(fmTest->cbSineFreq->Count(), 31);
    EXPECT_EQ(fmTest->cbSineFreq->Item(17), "1KHz");
    EXPECT_EQ(fmTest->cbSineFreq->Style(), csDropDownList) << "no typed frequency, no index -1";
    EXPECT_TRUE(fmTest->rbAnalogIn->Checked());
    // Pink noise while 1 kHz shows.
    fmTest->cbSineFreq->SetItemIndex(17);
    fmTest->rbPinkNoise->SetChecked(true);
    EXPECT_THAT(host->Take(), ElementsAre("SendCmd 1:57 [01 11] append"));
    // 20 kHz from white noise: the sine radio is checked and two commands go.
    fmTest->rbWhiteNoise->SetChecked(true);
    host->Take();
    fmTest->cbSineFreq->SetItemIndex(30);
    fmTest->cbSineFreqSelect(fmTest->cbSineFreq);
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_THAT(host->Take(), ElementsAre("SendCmd 1:57 [03 1E] append", "SendCmd 1:57 [03 1E] append"));
    // Another frequency with the sine chosen: one command.
    fmTest->cbSineFreq->SetItemIndex(0);
    fmTest->cbSineFreqSelect(fmTest->cbSineFreq);
    EXPECT_THAT(host->Take(), ElementsAre("SendCmd 1:57 [03 00] append"));
    // While the main window updates: nothing, and the combo does not check the sine radio.
    fmTest->rbAnalogIn->SetChecked(true);
    host->Take();
    host->updating = true;
    fmTest->rbPinkNoise->SetChecked(true);
    fmTest->cbSineFreqSelect(fmTest->cbSineFreq);
    EXPECT_TRUE(host->Take().empty());
    EXPECT_FALSE(fmTest->rbSineWave->Checked());
    // The unit's own signal, shown without sending; unknown modes change nothing.
    fmTest->ShowWorkMode(3, 17);
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), 17);
    fmTest->ShowWorkMode(7, 2);
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_TRUE(host->Take().empty());
    fmTest->bnExit->Click();
    EXPECT_FALSE(fmTest->isVisible());
}

TEST_F(PresetDialogs, ControlCodeViewersCentreTheColumnAndScroll) {
    for (const auto& c : {std::pair{1000, 175}, std::pair{751, 50}, std::pair{750, 50}, std::pair{700, 50}})
        EXPECT_EQ(TRs232CodeViewer::ColumnLeft(c.first), c.second) << c.first;
    for (TRs232CodeViewer* viewer : {static_cast<TRs232CodeViewer*>(fmRs232CodeEnglish),
                                     static_cast<TRs232CodeViewer*>(fmRs232Code)}) {
        EXPECT_THAT(viewer->RTFLabel->text().toStdString(), ::testing::HasSubstr("10 02 00 01 01 12 10 03 13"));
        viewer->Show();
        viewer->resize(1000, 400);
        EXPECT_EQ(viewer->RTFLabel->x(), 175);
        QScrollBar* bar = viewer->Scroller->verticalScrollBar();
        ASSERT_GT(bar->maximum(), viewer->frameGeometry().height() + 60) << "the document is taller than the window";
        viewer->FormKeyDown(VK_NEXT);
        EXPECT_EQ(bar->value(), viewer->frameGeometry().height());
        viewer->FormKeyDown(VK_UP);
        EXPECT_EQ(bar->value(), viewer->frameGeometry().height() - 30);
        viewer->FormMouseWheelDown();
        viewer->FormMouseWheelDown();
        EXPECT_EQ(bar->value(), viewer->frameGeometry().height() + 30);
        viewer->FormKeyDown(VK_PRIOR);
        viewer->FormKeyDown(VK_PRIOR);
        EXPECT_EQ(bar->value(), 0) << "kept within the range";
        viewer->showMaximized();
        viewer->Close();
        EXPECT_EQ(viewer->width(), 755);
        EXPECT_EQ(viewer->height(), 666);
        EXPECT_FALSE(viewer->isMaximized());
    }
}

}  // namespace
