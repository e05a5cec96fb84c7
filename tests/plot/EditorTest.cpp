// The run-time property editor against a live plot: page controls write the selected
// object's properties (seen in the plot and in its property file), the lists follow objects
// being added and removed, and the editor's own controls, converter and dialog helpers.
#include "PlotTestSupport.h"
#include "core/iPlotMasterManager.h"
#include "editor/iCommonDialogs.h"
#include "editor/iPlotEditor.h"
#include "editor/iValueConverterEditForm.h"
#include "objects/iPlotLayoutViewer.h"
#include "TempTree.h"
#include "ui/TMenu.h"
#include "ui/TLabel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QTest>
#include <QFile>
#include <QPalette>
#include <QTimer>

namespace {

struct EditorFixture : ::testing::Test {
    std::unique_ptr<TiXYPlot> plot = MakePlot();
    TiPlotEditorForm* Open() {
        plot->SetEditorFormStyle(ipfsStayOnTop);
        plot->Master().EditProperties();
        return plot->Master().EditorForm();
    }
    QString PropertyFile() {
        TempTree tree;
        const QString path = QString::fromStdString(tree.Path("plot.cfg").string());
        plot->SavePropertiesToFile(path);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }
};

// A user's change through a page control: typed and committed, ticked, or chosen.
void UserSets(TiPlotEditorForm& form, const QString& control, const QString& value) {
    TComponent* c = form.FindComponent(control);
    ASSERT_NE(c, nullptr) << control.toStdString();
    if (auto* e = dynamic_cast<TiComponentEditorEdit*>(c)) {
        e->SetStringWithEvent(value);
    } else if (auto* b = dynamic_cast<TiComponentEditorCheckBox*>(c)) {
        const bool want = value == QStringLiteral("1");
        if (b->Checked() != want) {
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
        }
    } else if (auto* cb = dynamic_cast<TiComponentEditorComboBox*>(c)) {
        cb->SetItemIndex(value.toInt());
        cb->OnChange(cb);
    } else {
        FAIL() << "no user path for " << control.toStdString();
    }
}

// File dialogs answer with this file, as if the user had chosen it.
void ChooseFile(const QString& path) {
    SetDialogRunner([path](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(path);
        return int(QDialog::Accepted);
    });
}

TEST_F(EditorFixture, PageControlsWriteTheSelectedObjectAndThePropertyFile) {
    TiPlotEditorForm* form = Open();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* control;
        const char* value;
        std::function<bool()> inPlot;
        const char* fileText;
    };
    const Case cases[] = {
        {"ChannelTraceLineWidthEdit", "5", [&] { return plot->Channel(0)->TraceLineWidth() == 5; }, "Channel0.TraceLineWidth = 5"},
        {"ChannelMarkersVisible", "1", [&] { return plot->Channel(0)->MarkersVisible(); }, "Channel0.MarkersVisible = 1"},
        {"ChannelMarkersStyleComboBox", "2", [&] { return int(plot->Channel(0)->MarkersStyle()) == 2; }, "Channel0.MarkersStyle = 2"},
        {"XAxisMinEdit", "-12.5", [&] { return plot->XAxis(0)->Min() == -12.5; }, "XAxis0.Min = -12.5"},
        {"YAxisTitleTextEdit", "Level", [&] { return plot->YAxis(0)->Title() == QStringLiteral("Level"); }, "YAxis0.Title = Level"},
        {"LegendColumnSpacingEdit", "3", [&] { return plot->Legend(0)->ColumnSpacing() == 3; }, "Legend0.ColumnSpacing = 3"},
        {"ToolBarSmallButtonsCheckBox", "1", [&] { return plot->ToolBar(0)->SmallButtons(); }, "ToolBar0.SmallButtons = 1"},
        {"DataViewGridShow", "0", [&] { return !plot->DataView(0)->GridShow(); }, "DataView0.GridShow = 0"},
        {"LabelCaptionMemo", "Hello", [&] { return plot->Label(0)->Caption() == QStringLiteral("Hello"); }, "Label0.Caption = Hello"},
        // On the axis pages' nested label sub-pages and the data view's custom grid lines.
        {"XAxisCursorPrecisionEdit", "7", [&] { return plot->XAxis(0)->CursorPrecision() == 7; }, "XAxis0.CursorPrecision = 7"},
        {"YAxisLegendMinLengthEdit", "4", [&] { return plot->YAxis(0)->LegendMinLength() == 4; }, "YAxis0.LegendMinLength = 4"},
        {"YAxisLabelRotationComboBox", "1", [&] { return int(plot->YAxis(0)->LabelsRotation()) == 1; }, "YAxis0.LabelsRotation = 1"},
        {"DataViewGridLineYMinorWidthEdit", "3", [&] { return plot->DataView(0)->GridLineYMinorWidth() == 3; },
         "DataView0.GridLineYMinorWidth = 3"},
        // The Control page, written through the master manager.
        {"HintsPauseEdit", "750", [&] { return plot->HintsPause() == 750; }, "\nHintsPause = 750"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        UserSets(*form, QString::fromLatin1(c.control), QString::fromLatin1(c.value));
        EXPECT_TRUE(c.inPlot());
        EXPECT_TRUE(PropertyFile().contains(QString::fromLatin1(c.fileText)));
    }
    // The title label edited on the Labels page shows on the Control page's title controls.
    EXPECT_EQ(form->Find<TiComponentEditorEdit>(QStringLiteral("TitleTextEdit"))->AsString(), QStringLiteral("Hello"));
}

// A colour chosen in the dialog reaches the plot and its file; a cancelled dialog changes
// nothing, whatever was chosen in it before.
TEST_F(EditorFixture, ColourDialogsWriteWhenAcceptedAndCancelRestores) {
    TiPlotEditorForm* form = Open();
    struct Case {
        const char* picker;
        std::function<TColor()> inPlot;
        const char* fileKey;
    };
    const Case cases[] = {
        {"ChannelColorPicker", [&] { return plot->Channel(0)->Color(); }, "Channel0.Color = "},
        {"XAxisScaleLinesColorPicker", [&] { return plot->XAxis(0)->ScaleLinesColor(); }, "XAxis0.ScaleLinesColor = "},
        {"BackGroundColorPicker", [&] { return plot->BackGroundColor(); }, "\nBackGroundColor = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picker);
        auto* picker = form->Find<TiComponentEditorColorPicker>(QString::fromLatin1(c.picker));
        ASSERT_NE(picker, nullptr);
        const TColor before = c.inPlot();
        auto choose = [](bool accept) {
            SetDialogRunner([accept](QDialog& d) {
                static_cast<QColorDialog&>(d).setCurrentColor(QColor(0x12, 0x34, 0x56));
                accept ? d.accept() : d.reject();
                return d.result();
            });
        };
        choose(false);
        picker->Pick();
        EXPECT_EQ(c.inPlot(), before);
        EXPECT_EQ(picker->Color(), before);
        choose(true);
        picker->Pick();
        SetDialogRunner(nullptr);
        EXPECT_EQ(c.inPlot(), TColor(0x563412));
        EXPECT_TRUE(PropertyFile().contains(QString::fromLatin1(c.fileKey) + QString::number(0x563412)));
    }
}

TEST_F(EditorFixture, RenamingAnAxisShowsInTheChannelsAxisList) {
    TiPlotEditorForm* form = Open();
    auto* box = form->Find<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox"));
    ASSERT_EQ(box->AsString(), plot->XAxis(0)->Name());
    // An axis added on its own page is in the channel's list once the list drops down.
    form->Find<TiComponentEditorButton>(QStringLiteral("XAxesAddButton"))->ClickButton();
    box->SetDroppedDown(true);
    box->SetDroppedDown(false);
    EXPECT_EQ(box->Items(), (QStringList{"<None>", plot->XAxis(0)->Name(), plot->XAxis(1)->Name()}));
    EXPECT_EQ(box->AsString(), plot->XAxis(0)->Name());
    // Renamed by the program while the editor is open.
    plot->XAxis(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(box->AsString(), QStringLiteral("Time"));
    EXPECT_EQ(box->Item(0), QStringLiteral("<None>"));
    // Typed on the X-axis page, the name reaches the axis.
    form->ListOf(TiPlotObjectKind::XAxis)->SetItemIndex(0);
    form->UpdatePage(TiPlotObjectKind::XAxis);
    UserSets(*form, QStringLiteral("XAxisNameEdit"), QStringLiteral("Frequency"));
    EXPECT_EQ(plot->XAxis(0)->Name(), QStringLiteral("Frequency"));
    EXPECT_EQ(form->Find<TiComponentEditorEdit>(QStringLiteral("XAxisNameEdit"))->AsString(), QStringLiteral("Frequency"));
}

TEST_F(EditorFixture, ListsFollowAddAndRemoveAndThePageSwitchesOffWhenEmpty) {
    TiPlotEditorForm* form = Open();
    auto* list = form->ListOf(TiPlotObjectKind::DataCursor);
    auto* name = form->Find<TiComponentEditorEdit>(QStringLiteral("DataCursorNameEdit"));
    auto* remove = form->Find<TiComponentEditorButton>(QStringLiteral("DataCursorRemoveButton"));
    const int before = list->Count();
    while (list->Count() > 0) remove->ClickButton();
    EXPECT_FALSE(name->Enabled());
    EXPECT_FALSE(remove->Enabled());
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(plot->Master().DataCursorManager()->Count(), 0);
    form->Find<TiComponentEditorButton>(QStringLiteral("iDataCursorAddButton"))->ClickButton();
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_TRUE(name->Enabled());
    EXPECT_EQ(name->AsString(), plot->Master().DataCursorManager()->Objects().front()->Name());
    EXPECT_GE(before, 0);
    // The plot's title label cannot be removed.
    form->ListOf(TiPlotObjectKind::Label)->SetItemIndex(0);
    form->UpdatePage(TiPlotObjectKind::Label);
    EXPECT_FALSE(form->Find<TiComponentEditorButton>(QStringLiteral("LabelRemoveButton"))->Enabled());
}

TEST_F(EditorFixture, LayoutObjectDeletedElsewhereIsForgottenBeforeTheSecondPopup) {
    TiPlotEditorForm* form = Open();
    plot->AddYAxis();
    TiPlotObject* axis = plot->Master().YAxisManager()->Objects().back();
    form->SetLayoutObjectUnderMouse(axis);
    const int axes = plot->Master().YAxisManager()->Count();
    // Removed through the Y-axis page's list while the popup still remembered it.
    form->ListOf(TiPlotObjectKind::YAxis)->SelectLast();
    form->Find<TiComponentEditorButton>(QStringLiteral("YAxisRemoveButton"))->ClickButton();
    EXPECT_EQ(form->LayoutObjectUnderMouse(), nullptr);
    form->DeleteLayoutObject();  // the second popup's Delete must touch nothing
    EXPECT_EQ(plot->Master().YAxisManager()->Count(), axes - 1);
}

TEST_F(EditorFixture, ModalEditorClosesFreesAndReopensOnTheLastPage) {
    plot->SetEditorFormStyle(ipfsModal);
    int opened = 0, closed = 0;
    plot->OnAfterOpenEditor = [&](TObject*) { ++opened; };
    plot->OnAfterCloseEditor = [&](TObject*) { ++closed; };
    QTimer::singleShot(0, [&] {
        TiPlotEditorForm* form = plot->Master().EditorForm();
        form->PageControl()->SetActivePageIndex(4);
        form->Find<TiComponentEditorPageControl>(QStringLiteral("YAxisLabelsPageControl"))->SetActivePageIndex(2);
        form->Close();
    });
    plot->Master().EditProperties();
    EXPECT_EQ(plot->Master().EditorForm(), nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    int page = -1, labelsPage = -1;
    QTimer::singleShot(0, [&] {
        TiPlotEditorForm* form = plot->Master().EditorForm();
        page = form->PageControl()->ActivePageIndex();
        labelsPage = form->Find<TiComponentEditorPageControl>(QStringLiteral("YAxisLabelsPageControl"))->ActivePageIndex();
        form->Close();
    });
    plot->Master().EditProperties();
    EXPECT_EQ(page, 4);
    EXPECT_EQ(labelsPage, 2);
}

// The layout page's popup over the object under a right click: what it offers, and each item
// acting on the plot and on the editor's pages.
TEST_F(EditorFixture, LayoutPopupOffersAndActsOnTheObjectUnderTheMouse) {
    TiPlotEditorForm* form = Open();
    form->PageControl()->SetActivePageIndex(form->PageControl()->IndexOfPage(QStringLiteral("Layout")));
    TiPlotLayoutViewer* viewer = form->LayoutViewer();
    ASSERT_NE(viewer, nullptr);
    auto rightClick = [&](const TiPlotLayoutObject* object) {
        viewer->Layout();
        const TRect r = object->LayoutRect();
        QTest::mouseClick(viewer, Qt::RightButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    };
    auto item = [&](const char* name) { return form->LayoutMenuItem(QString::fromLatin1(name)); };
    struct Offer {
        const char* what;
        const TiPlotLayoutObject* object;
        bool remove, visible, edit;
    };
    const Offer offers[] = {
        {"X axis", plot->XAxis(0), true, true, true},
        {"title label", plot->Label(0), false, true, true},
        {"legend", plot->Legend(0), false, true, true},
        {"data view", plot->DataView(0), false, false, true},
    };
    for (const Offer& o : offers) {
        SCOPED_TRACE(o.what);
        const int popups = form->LayoutPopupMenu().PopupCount();
        rightClick(o.object);
        EXPECT_EQ(form->LayoutPopupMenu().PopupCount(), popups + 1);
        EXPECT_EQ(form->LayoutObjectUnderMouse(), o.object);
        EXPECT_EQ(item("DeleteMenuItem")->Enabled, o.remove);
        EXPECT_EQ(item("VisibleMenuItem")->Enabled, o.visible);
        EXPECT_EQ(item("VisibleMenuItem")->Checked, o.object->Visible());
        EXPECT_EQ(item("EditMenuItem")->Enabled, o.edit);
    }
    // A press on no object leaves only the plot-wide items.
    form->SetLayoutObjectUnderMouse(nullptr);
    form->LayoutPopupMenuPopup();
    EXPECT_FALSE(item("DeleteMenuItem")->Enabled || item("VisibleMenuItem")->Enabled || item("EditMenuItem")->Enabled);

    // The plot-wide items.
    item("XYAxesReverseMenuItem")->Click();
    EXPECT_TRUE(plot->XYAxesReverse());
    form->LayoutPopupMenuPopup();
    EXPECT_TRUE(item("XYAxesReverseMenuItem")->Checked);
    item("XYAxesReverseMenuItem")->Click();
    EXPECT_FALSE(plot->XYAxesReverse());
    struct Add {
        const char* item;
        TiPlotObjectKind kind;
    };
    for (const Add& a : {Add{"AddXAxisMenuItem", TiPlotObjectKind::XAxis}, Add{"AddYAxisMenuItem", TiPlotObjectKind::YAxis},
                         Add{"AddLabelMenuItem", TiPlotObjectKind::Label}}) {
        SCOPED_TRACE(a.item);
        const int before = plot->Master().ManagerOf(a.kind)->Count();
        item(a.item)->Click();
        EXPECT_EQ(plot->Master().ManagerOf(a.kind)->Count(), before + 1);
        EXPECT_EQ(form->ListOf(a.kind)->Count(), before + 1);
        EXPECT_EQ(form->ListOf(a.kind)->ItemIndex(), before);
    }

    // Visible, Edit and Delete on the new X axis, whose block the schematic shows at once.
    auto* axis = static_cast<TiPlotLayoutObject*>(plot->Master().XAxisManager()->Objects().back());
    rightClick(axis);
    ASSERT_EQ(form->LayoutObjectUnderMouse(), axis);
    item("VisibleMenuItem")->Click();
    EXPECT_FALSE(axis->Visible());
    form->ListOf(TiPlotObjectKind::XAxis)->SetItemIndex(0);
    item("EditMenuItem")->Click();
    EXPECT_EQ(form->PageControl()->PageCaption(form->PageControl()->ActivePageIndex()), QStringLiteral("X-Axes"));
    EXPECT_EQ(form->ListOf(TiPlotObjectKind::XAxis)->Selected(), axis);
    EXPECT_FALSE(form->Find<TiComponentEditorCheckBox>(QStringLiteral("XAxisVisibleCheckBox"))->Checked());
    const int axes = plot->Master().XAxisManager()->Count();
    item("DeleteMenuItem")->Click();
    EXPECT_EQ(plot->Master().XAxisManager()->Count(), axes - 1);
    EXPECT_EQ(form->LayoutObjectUnderMouse(), nullptr);
    EXPECT_EQ(form->ListOf(TiPlotObjectKind::XAxis)->Count(), axes - 1);
    // The title label is never deleted, even when asked directly.
    form->SetLayoutObjectUnderMouse(plot->Label(0));
    form->DeleteLayoutObject();
    EXPECT_EQ(plot->Master().LabelManager()->Objects().front(), plot->Label(0));
}

// "Edit" finds its page by the sheet, so a translated tab caption does not lose the way.
TEST_F(EditorFixture, EditFromTheLayoutFindsATranslatedPage) {
    TiPlotTranslationObject* entry = plot->Master().TranslationManager()->Items(plot->Master().AddTranslation());
    entry->SetOriginalString(QStringLiteral("Y-Axes"));
    entry->SetReplacementString(QStringLiteral("Y-Achsen"));
    TiPlotEditorForm* form = Open();
    form->SetLayoutObjectUnderMouse(plot->YAxis(0));
    form->LayoutMenuItem(QStringLiteral("EditMenuItem"))->Click();
    ASSERT_GE(form->PageControl()->ActivePageIndex(), 0);
    EXPECT_EQ(form->PageControl()->PageCaption(form->PageControl()->ActivePageIndex()), QStringLiteral("Y-Achsen"));
    // The same through an object's own "Edit...".
    form->PageControl()->SetActivePageIndex(0);
    plot->Master().ObjectEdit(plot->YAxis(0));
    EXPECT_EQ(form->PageControl()->PageCaption(form->PageControl()->ActivePageIndex()), QStringLiteral("Y-Achsen"));
}

TEST_F(EditorFixture, CopyDefaultTakesTheDefaultLabelFormatIntoCursorOrLegend) {
    TiPlotEditorForm* form = Open();
    for (const char* axisPrefix : {"XAxis", "YAxis"}) {
        const QString prefix = QString::fromLatin1(axisPrefix);
        TiPlotAxis* axis = prefix == QStringLiteral("XAxis") ? static_cast<TiPlotAxis*>(plot->XAxis(0)) : plot->YAxis(0);
        UserSets(*form, prefix + QStringLiteral("LabelFormatStyleComboBox"), QStringLiteral("3"));
        UserSets(*form, prefix + QStringLiteral("LabelPrecisionStyleComboBox"), QStringLiteral("1"));
        UserSets(*form, prefix + QStringLiteral("LabelPrecisionEdit"), QStringLiteral("6"));
        UserSets(*form, prefix + QStringLiteral("LabelMinLengthEdit"), QStringLiteral("9"));
        UserSets(*form, prefix + QStringLiteral("LabelMinLengthAutoAdjustCheckBox"), QStringLiteral("1"));
        form->Find<TiComponentEditorComboBox>(prefix + QStringLiteral("DateTimeFormatComboBox"))->SetItemIndex(2);
        UserSets(*form, prefix + QStringLiteral("LabelMarginEdit"), QStringLiteral("1"));  // writes the format too
        form->Find<TiComponentEditorButton>(prefix + QStringLiteral("CursorCopyDefaultButton"))->ClickButton();
        EXPECT_EQ(int(axis->CursorFormatStyle()), 3);
        EXPECT_EQ(int(axis->CursorPrecisionStyle()), 1);
        EXPECT_EQ(axis->CursorPrecision(), 6);
        EXPECT_EQ(axis->CursorMinLength(), 9);
        EXPECT_TRUE(axis->CursorMinLengthAutoAdjust());
        EXPECT_EQ(axis->DateTimeFormat(), QStringLiteral("m/d hh:nn:ss"));
        EXPECT_EQ(axis->CursorDateTimeFormat(), QStringLiteral("m/d hh:nn:ss"));
        // The legend's format is left alone until its own button.
        EXPECT_NE(axis->LegendPrecision(), 6);
        form->Find<TiComponentEditorButton>(prefix + QStringLiteral("LegendCopyDefaultButton"))->ClickButton();
        EXPECT_EQ(axis->LegendPrecision(), 6);
        EXPECT_EQ(int(axis->LegendFormatStyle()), 3);
        EXPECT_TRUE(PropertyFile().contains(prefix + QStringLiteral("0.LegendMinLength = 9")));
    }
    // With no axis selected the buttons follow their page off.
    auto* remove = form->Find<TiComponentEditorButton>(QStringLiteral("YAxisRemoveButton"));
    while (form->ListOf(TiPlotObjectKind::YAxis)->Count() > 0) remove->ClickButton();
    EXPECT_FALSE(form->Find<TiComponentEditorButton>(QStringLiteral("YAxisLegendCopyDefaultButton"))->Enabled());
    EXPECT_TRUE(form->Find<TiComponentEditorButton>(QStringLiteral("XAxisLegendCopyDefaultButton"))->Enabled());
}

TEST_F(EditorFixture, ControlLogButtonsFollowTheLogAndACancelledPickChangesNothing) {
    TiPlotEditorForm* form = Open();
    TempTree tree;
    const QString path = QString::fromStdString(tree.Path("run").string());
    auto* edit = form->Find<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"));
    auto* picker = form->Find<TiComponentEditorSavePicker>(QStringLiteral("ControlLogFileNamePicker"));
    auto* activate = form->Find<TiComponentEditorButton>(QStringLiteral("ControlLogActivateButton"));
    auto* deactivate = form->Find<TiComponentEditorButton>(QStringLiteral("ControlLogDeactivateButton"));
    ASSERT_TRUE(edit && picker && activate && deactivate);
    EXPECT_TRUE(activate->Enabled());
    EXPECT_FALSE(deactivate->Enabled());
    // A cancelled pick leaves the name alone, in the edit and in the plot.
    SetDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
    picker->ClickButton();
    EXPECT_EQ(edit->AsString(), QString());
    EXPECT_EQ(plot->LogFileName(), QString());
    ChooseFile(path);
    picker->ClickButton();
    SetDialogRunner(nullptr);
    EXPECT_EQ(edit->AsString(), path + QStringLiteral(".log"));
    EXPECT_EQ(plot->LogFileName(), path + QStringLiteral(".log"));
    activate->ClickButton();
    EXPECT_TRUE(plot->LoggingActive());
    EXPECT_FALSE(activate->Enabled());
    EXPECT_TRUE(deactivate->Enabled());
    EXPECT_FALSE(edit->Enabled());
    EXPECT_FALSE(picker->Enabled());
    EXPECT_EQ(edit->AsString(), path + QStringLiteral(".log"));  // greyed, not cleared
    // Another Control change while logging leaves the log's name as it is.
    UserSets(*form, QStringLiteral("UpdateFrameRateEdit"), QStringLiteral("30"));
    EXPECT_EQ(plot->LogFileName(), path + QStringLiteral(".log"));
    deactivate->ClickButton();
    EXPECT_FALSE(plot->LoggingActive());
    EXPECT_TRUE(activate->Enabled());
    EXPECT_TRUE(edit->Enabled());
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".log")));
}

// This plot makes no annotation objects, so the file holds only their count. A name typed
// without extension gets the annotation file's one, and only that.
TEST_F(EditorFixture, AnnotationFileButtonsSaveAndLoadThePlotsAnnotations) {
    TiPlotEditorForm* form = Open();
    TempTree tree;
    const QString path = QString::fromStdString(tree.Path("notes").string());
    ChooseFile(path);
    form->Find<TiComponentEditorSavePicker>(QStringLiteral("ControlAnnotationSavePicker"))->ClickButton();
    QFile file(path + QStringLiteral(".ano"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("AnnotationCount = 0"));
    ChooseFile(path + QStringLiteral(".ano"));
    form->Find<TiComponentEditorOpenPicker>(QStringLiteral("ControlAnnotationOpenPicker"))->ClickButton();
    SetDialogRunner(nullptr);
    EXPECT_EQ(plot->AnnotationCount(), 0);
}

TEST_F(EditorFixture, ControlPageWritesThePlotThroughTheMasterManager) {
    TiPlotEditorForm* form = Open();
    UserSets(*form, QStringLiteral("UpdateFrameRateEdit"), QStringLiteral("25"));
    EXPECT_EQ(plot->UpdateFrameRate(), 25);
    UserSets(*form, QStringLiteral("TitleTextEdit"), QStringLiteral("Gain"));
    EXPECT_EQ(plot->Label(0)->Caption(), QStringLiteral("Gain"));
    EXPECT_TRUE(PropertyFile().startsWith(QStringLiteral("File Type = Plot Config")));
}

TEST_F(EditorFixture, ValueConverterBesideTheSpanTurnsOneHourIntoADayFraction) {
    TiPlotEditorForm* form = Open();
    auto* picker = form->Find<TiComponentEditorValueConverterPicker>(QStringLiteral("XAxisSpanTimePicker"));
    ASSERT_NE(picker, nullptr);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* converter = dynamic_cast<TiValueConverterEditForm*>(w); converter && converter->isVisible()) {
                shown = true;
                EXPECT_EQ(converter->Pages()->ActivePageIndex(), int(ivcptInterval));
                converter->SetValue(0);
                dynamic_cast<TiComponentEditorEdit*>(converter->FindComponent(QStringLiteral("HoursEdit")))
                    ->SetStringWithEvent(QStringLiteral("1"));
                converter->SetModalResult(mrOk);
            }
    });
    picker->ClickButton();
    EXPECT_TRUE(shown);
    // Through the edit's text of 15 significant digits.
    EXPECT_NEAR(plot->XAxis(0)->Span(), 1.0 / 24, 1e-14);
}

TEST_F(EditorFixture, ChannelFileButtonsSaveAndLoadTheSelectedChannelsData) {
    TiPlotEditorForm* form = Open();
    plot->Channel(0)->AddXY(1, 2);
    plot->Channel(0)->AddXY(3, 4);
    TempTree tree;
    const QString path = QString::fromStdString(tree.Path("points").string());
    ChooseFile(path);
    form->Find<TiComponentEditorSavePicker>(QStringLiteral("ChannelDataSavePicker"))->ClickButton();
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".dat")));
    plot->Channel(0)->Clear();
    ChooseFile(path + QStringLiteral(".dat"));
    form->Find<TiComponentEditorOpenPicker>(QStringLiteral("ChannelDataOpenPicker"))->ClickButton();
    SetDialogRunner(nullptr);
    EXPECT_EQ(plot->Channel(0)->Count(), 2);
    EXPECT_EQ(form->Find<TLabel>(QStringLiteral("ChannelStatsValue0Label"))->Caption(), QStringLiteral("Click Refresh"));
    form->Find<TiComponentEditorButton>(QStringLiteral("ChannelStatsRefreshButton"))->ClickButton();
    EXPECT_EQ(form->Find<TLabel>(QStringLiteral("ChannelStatsValue0Label"))->Caption(), QStringLiteral("2"));
    EXPECT_EQ(form->Find<TLabel>(QStringLiteral("ChannelStatsValue10Label"))->Caption(),
              plot->YAxis(0)->GetLabelText(3));
    // Not logging: Activate is on, Deactivate off.
    EXPECT_TRUE(form->Find<TiComponentEditorButton>(QStringLiteral("ChannelLogActivateButton"))->Enabled());
    EXPECT_FALSE(form->Find<TiComponentEditorButton>(QStringLiteral("ChannelLogDeactivateButton"))->Enabled());
}

TEST_F(EditorFixture, TranslationReachesCaptionsTabsItemsAndNameLists) {
    TiPlotTranslationManager* t = plot->Master().TranslationManager();
    for (const auto& [from, to] : {std::pair{"Plot", "Graph"}, {"Channels", "Kanaele"}, {"Visible", "Sichtbar"},
                                   {"Solid", "Voll"}, {"<None>", "<Keine>"}, {"Delete", "Loeschen"}}) {
        TiPlotTranslationObject* entry = t->Items(plot->Master().AddTranslation());
        entry->SetOriginalString(QString::fromLatin1(from));
        entry->SetReplacementString(QString::fromLatin1(to));
    }
    TiPlotEditorForm* form = Open();
    EXPECT_EQ(form->Caption(), QStringLiteral("Graph"));
    EXPECT_EQ(form->PageControl()->PageCaption(2), QStringLiteral("Kanaele"));
    EXPECT_EQ(form->Find<TiComponentEditorCheckBox>(QStringLiteral("ChannelVisibleCheckBox"))->Caption(),
              QStringLiteral("Sichtbar"));
    EXPECT_EQ(form->Find<TiComponentEditorComboBox>(QStringLiteral("ChannelTraceLineStyleComboBox"))->Item(0),
              QStringLiteral("Voll"));
    EXPECT_EQ(form->Find<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox"))->Item(0),
              QStringLiteral("<Keine>"));
    EXPECT_EQ(form->LayoutMenuItem(QStringLiteral("DeleteMenuItem"))->Caption, QStringLiteral("Loeschen"));
}

// An XY channel lacks the line-plot features: their sub-pages and controls are hidden, with a
// translation too, while the sub-pages it has (Stats, without rows, among them) stay.
TEST_F(EditorFixture, ChannelPageShowsWhatAnXYChannelHasUnderTranslatedCaptions) {
    for (const auto& [from, to] : {std::pair{"General", "Allgemein"}, {"Stats", "Statistik"}, {"Fill", "Fuellung"}}) {
        TiPlotTranslationObject* entry = plot->Master().TranslationManager()->Items(plot->Master().AddTranslation());
        entry->SetOriginalString(QString::fromLatin1(from));
        entry->SetReplacementString(QString::fromLatin1(to));
    }
    TiPlotEditorForm* form = Open();
    TiComponentEditorPageControl* pages = form->Page(TiPlotObjectKind::Channel)->SubPages;
    QStringList shown, hidden;
    for (int i = 0; i < pages->PageCount(); ++i) (pages->PageVisible(i) ? shown : hidden) << pages->PageCaption(i);
    EXPECT_EQ(shown, (QStringList{"Allgemein", "Trace", "Marker", "File I/O", "Statistik"}));
    EXPECT_EQ(hidden, (QStringList{"Fuellung", "Bar", "High/Low", "Digital"}));
    for (const char* name : {"ChannelFastDrawCheckBox", "ChannelInterpolationStyleComboBox", "ChannelInterpolationStyleComboBoxLabel"})
        EXPECT_TRUE(form->Find<TControl>(QString::fromLatin1(name))->isHidden()) << name;
    EXPECT_FALSE(form->Find<TControl>(QStringLiteral("ChannelClipToAxesCheckBox"))->isHidden());
}

TEST(EditorEdit, CommitsOnlyUserChangesAndEscapeRestoresTheCommittedText) {
    TiCustomEditorForm form(nullptr);
    TiComponentEditorEdit edit(&form);
    int updates = 0;
    edit.OnUpdate = [&](TComponent*) { ++updates; };
    edit.SetAsFloat(1.5);
    EXPECT_EQ(updates, 0);
    edit.SetText(QStringLiteral("2.5"));
    edit.Commit();
    EXPECT_EQ(updates, 1);
    edit.Commit();
    EXPECT_EQ(updates, 1);
    edit.SetText(QStringLiteral("abc"));
    EXPECT_EQ(edit.AsInteger(), 0);
    EXPECT_EQ(edit.AsFloat(), 0.0);
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_EQ(edit.Text(), QStringLiteral("2.5"));
    edit.Disable();
    EXPECT_EQ(edit.Text(), QString());
    edit.Commit();
    EXPECT_EQ(updates, 1);
}

TEST(EditorUpDown, LimitsWhenARangeIsSetAndCountsFreelyWithout) {
    TiCustomEditorForm form(nullptr);
    TiComponentEditorEdit edit(&form);
    TiUpDown spin(&form);
    spin.SetAssociate(&edit);
    int updates = 0;
    edit.OnUpdate = [&](TComponent*) { ++updates; };
    spin.Min = 1, spin.Max = 50;
    edit.SetAsInteger(50);
    spin.StepUser(true);
    EXPECT_EQ(edit.AsInteger(), 50);
    spin.Min = 0, spin.Max = 0;
    edit.SetAsInteger(0);
    spin.StepUser(false);
    EXPECT_EQ(edit.AsInteger(), -1);
    EXPECT_EQ(updates, 1);
}

TEST(ValueConverter, PartsOfAValue) {
    struct Case {
        double x;
        double days, weeks;
        int hour, minute;
        double price;
        int p32, p256;
    };
    const Case cases[] = {
        {1.5, 1, 0, 12, 0, 1, 16, 0},
        {2.046875, 2, 0, 1, 7, 2, 1, 4},
        {17.25, 17, 2, 6, 0, 17, 8, 0},
        // Beyond 1e14 in magnitude the interval pages show only the fraction, either sign;
        // the whole part is truncated in double, not in a 32-bit integer.
        {1e15 + 0.5, 0, 0, 12, 0, 1e15, 16, 0},
        {-1e15 - 0.5, -0.0, -0.0, 12, 0, -1e15, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        const TiValueConverterParts p = TiValueConverterParts::Of(c.x);
        EXPECT_EQ(p.Days, c.days);
        EXPECT_EQ(p.Weeks, c.weeks);
        EXPECT_EQ(p.Hour, c.hour);
        EXPECT_EQ(p.Minute, c.minute);
        EXPECT_EQ(p.PriceInteger, c.price);
        EXPECT_EQ(p.Price32nds, c.p32);
        EXPECT_EQ(p.Price256ths, c.p256);
    }
}

TEST(ValueConverter, WeeksReplaceTheDaysAndKeepTheTimeOfDay) {
    TiValueConverterEditForm form(nullptr);
    form.SetValue(17.25);
    auto* weeks = dynamic_cast<TiComponentEditorEdit*>(form.FindComponent(QStringLiteral("WeeksEdit")));
    weeks->SetStringWithEvent(QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(form.Value(), 7.25);
    // Days beyond whole weeks are dropped.
    form.SetValue(17.25);
    form.WeeksChange();
    EXPECT_DOUBLE_EQ(form.Value(), 14.25);
    form.SetAllToZeroClick();
    EXPECT_EQ(form.Value(), 0.0);
}

TEST(RadioGroupLayout, HitTestAndItsDegenerateSizes) {
    // Five items in two columns: three rows; item 3 is in column 1, row 0.
    const TiRadioGroupLayout l = TiRadioGroupLayout::Compute(5, 2, 214, 105, 16);
    EXPECT_EQ(l.MaxRows, 3);
    const TPoint c3 = l.ItemCenter(3);
    EXPECT_EQ(l.ItemAt(c3.X, c3.Y), 3);
    EXPECT_EQ(c3.Y, l.ItemCenter(0).Y);
    // A group too small for its rows (spacing 0 or less) hits nothing instead of dividing by 0.
    EXPECT_EQ(TiRadioGroupLayout::Compute(3, 1, 100, 10, 16).ItemAt(5, 5), -1);
    EXPECT_EQ(TiRadioGroupLayout::Compute(4, 2, 10, 105, 16).ItemAt(5, 50), -1);
}

TEST(CheckBox, ToggledOnlyByAReleaseOverItAndOnlyWhenAllowed) {
    QWidget window;
    TiCheckBox box(nullptr);
    box.setParent(&window);
    window.show();
    int changes = 0, userChanges = 0;
    box.OnChange = [&](TComponent*) { ++changes; };
    box.OnChangeUser = [&](TComponent*) { ++userChanges; };
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(userChanges, 1);
    // Pressed on the box, released outside it: no toggle.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(box.width() + 20, box.height() / 2));
    EXPECT_TRUE(box.Checked());
    box.SetChecked(true);  // the same value: nothing
    EXPECT_EQ(changes, 1);
    box.OnRequestEdit = [](TObject*, const QString& property, bool& allowed) { allowed = property != QStringLiteral("Checked"); };
    box.SetChecked(false);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(userChanges, 1);
}

TEST(RadioGroup, ItemIndexIsClampedAndArrowsWrap) {
    TiRadioGroup group(nullptr);
    group.SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    int changes = 0;
    group.OnChange = [&](TComponent*) { ++changes; };
    group.SetItemIndex(10);
    EXPECT_EQ(group.ItemIndex(), 2);
    group.SetItemIndex(-5);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(changes, 2);
    group.SetItemIndex(2);
    group.SetItems({});
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(changes, 3);
}

TEST(SaveDialog, AppendsTheChosenFiltersExtensionOnlyForAFilterItHolds) {
    struct Case {
        const char* name;
        int filterIndex;
        const char* expected;
        const char* returnExt;
    };
    const Case cases[] = {
        {"/tmp/plot", 1, "/tmp/plot.cfg", ".cfg"},
        {"/tmp/plot.CFG", 1, "/tmp/plot.CFG", ".cfg"},
        {"/tmp/plot.txt", 1, "/tmp/plot.txt.cfg", ".cfg"},
        {"/tmp/plot", 2, "/tmp/plot", ".*"},
        {"/tmp/plot", 0, "/tmp/plot", ""},
        {"/tmp/plot", 3, "/tmp/plot", ""},
        {"/tmp/plot", -1, "/tmp/plot", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filterIndex);
        TiSaveDialog dialog(nullptr);
        dialog.Filter = QStringLiteral("Config (*.cfg)|*.cfg|All Files (*.*)|*.*");
        dialog.Accept(QString::fromLatin1(c.name), c.filterIndex);
        EXPECT_EQ(dialog.FileName, QString::fromLatin1(c.expected));
        EXPECT_EQ(dialog.ReturnExt(), QString::fromLatin1(c.returnExt));
    }
}

TEST(SavePicker, PassesItsDefaultFolderOnlyOnTheFirstPick) {
    TiCustomEditorForm form(nullptr);
    TiComponentEditorSavePicker picker(&form);
    picker.SetParent(&form);
    picker.DefaultDir = QStringLiteral("/usr");
    picker.Filter = QStringLiteral("Data (*.dat)|*.dat");
    QStringList folders;
    SetDialogRunner([&](QDialog& d) {
        auto& f = static_cast<QFileDialog&>(d);
        folders << f.directory().absolutePath();
        f.selectFile(QStringLiteral("/tmp/x"));
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(picker.Execute());
    EXPECT_EQ(picker.FileName, QStringLiteral("/tmp/x.dat"));
    EXPECT_TRUE(picker.Execute());
    SetDialogRunner(nullptr);
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], QStringLiteral("/usr"));
    EXPECT_EQ(folders[1], QStringLiteral("/tmp"));  // where the chosen name lies, not the default
}

}  // namespace
