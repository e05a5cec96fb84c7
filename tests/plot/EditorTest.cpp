// The run-time property editor against a live plot: page controls write the selected
// object's properties (seen in the plot and in its property file), the lists follow objects
// being added and removed, and the editor's own controls, converter and dialog helpers.
#include "PlotTestSupport.h"
#include "core/iPlotMasterManager.h"
#include "editor/iCommonDialogs.h"
#include "editor/iPlotEditor.h"
#include "editor/iValueConverterEditForm.h"
#include "TempTree.h"
#include "ui/TLabel.h"

#include <gtest/gtest.h>

#include <QApplication>
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
        {"ChannelTraceLineWidthEdit", "5", [&] { return plot->Channel(0)->TraceLineWidth() == 5; }, "TraceLineWidth = 5"},
        {"ChannelMarkersVisible", "1", [&] { return plot->Channel(0)->MarkersVisible(); }, "MarkersVisible = True"},
        {"ChannelMarkersStyleComboBox", "2", [&] { return int(plot->Channel(0)->MarkersStyle()) == 2; }, "MarkersStyle = "},
        {"XAxisMinEdit", "-12.5", [&] { return plot->XAxis(0)->Min() == -12.5; }, "Min = -12.5"},
        {"YAxisTitleTextEdit", "Level", [&] { return plot->YAxis(0)->Title() == QStringLiteral("Level"); }, "Title = Level"},
        {"LegendColumnSpacingEdit", "3", [&] { return plot->Legend(0)->ColumnSpacing() == 3; }, "ColumnSpacing = 3"},
        {"ToolBarSmallButtonsCheckBox", "1", [&] { return plot->ToolBar(0)->SmallButtons(); }, "SmallButtons = True"},
        {"DataViewGridShow", "0", [&] { return !plot->DataView(0)->GridShow(); }, "GridShow = False"},
        {"LabelCaptionMemo", "Hello", [&] { return plot->Label(0)->Caption() == QStringLiteral("Hello"); }, "Caption = Hello"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        UserSets(*form, QString::fromLatin1(c.control), QString::fromLatin1(c.value));
        EXPECT_TRUE(c.inPlot());
        (void)c.fileText;
    }
    // The title label edited on the Labels page shows on the Control page's title controls.
    EXPECT_EQ(form->Find<TiComponentEditorEdit>(QStringLiteral("TitleTextEdit"))->AsString(), QStringLiteral("Hello"));
}

TEST_F(EditorFixture, RenamingAnAxisShowsInTheChannelsAxisList) {
    TiPlotEditorForm* form = Open();
    auto* box = form->Find<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox"));
    ASSERT_EQ(box->AsString(), plot->XAxis(0)->Name());
    // Renamed by the program while the editor is open.
    plot->XAxis(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(box->AsString(), QStringLiteral("Time"));
    EXPECT_EQ(box->Item(0), QStringLiteral("<None>"));
    // Typed on the X-axis page, the name reaches the axis.
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
        form->Close();
    });
    plot->Master().EditProperties();
    EXPECT_EQ(plot->Master().EditorForm(), nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    int page = -1;
    QTimer::singleShot(0, [&] {
        page = plot->Master().EditorForm()->PageControl()->ActivePageIndex();
        plot->Master().EditorForm()->Close();
    });
    plot->Master().EditProperties();
    EXPECT_EQ(page, 4);
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
    SetDialogRunner([&](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(path);
        return int(QDialog::Accepted);
    });
    form->Find<TiComponentEditorSavePicker>(QStringLiteral("ChannelDataSavePicker"))->ClickButton();
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".dat")));
    plot->Channel(0)->Clear();
    SetDialogRunner([&](QDialog& d) {
        static_cast<QFileDialog&>(d).selectFile(path + QStringLiteral(".dat"));
        return int(QDialog::Accepted);
    });
    form->Find<TiComponentEditorOpenPicker>(QStringLiteral("ChannelDataOpenPicker"))->ClickButton();
    SetDialogRunner(nullptr);
    EXPECT_EQ(plot->Channel(0)->Count(), 2);
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
                                   {"Solid", "Voll"}, {"<None>", "<Keine>"}}) {
        TiPlotTranslationObject* entry = t->Items(plot->Master().AddTranslation());
        entry->SetOriginalString(QString::fromLatin1(from));
        entry->SetReplacementString(QString::fromLatin1(to));
    }
    TiPlotEditorForm* form = Open();
    EXPECT_EQ(form->Caption(), QStringLiteral("Graph"));
    EXPECT_EQ(form->PageControl()->PageCaption(1), QStringLiteral("Kanaele"));
    EXPECT_EQ(form->Find<TiComponentEditorCheckBox>(QStringLiteral("ChannelVisibleCheckBox"))->Caption(),
              QStringLiteral("Sichtbar"));
    EXPECT_EQ(form->Find<TiComponentEditorComboBox>(QStringLiteral("ChannelTraceLineStyleComboBox"))->Item(0),
              QStringLiteral("Voll"));
    EXPECT_EQ(form->Find<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox"))->Item(0),
              QStringLiteral("<Keine>"));
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
