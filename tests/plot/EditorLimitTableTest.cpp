// The editor's Limits and Tables pages against a live plot: Add creates and selects an
// object, the page controls write it (seen in the plot's drawing), Remove empties the page;
// and pictures of both pages filled.
#include "PlotTestSupport.h"
#include "core/iPlotMasterManager.h"
#include "editor/iPlotEditor.h"
#include "objects/iPlotLimit.h"
#include "objects/iPlotTable.h"

#include <gtest/gtest.h>

namespace {

struct EditorPages : ::testing::Test {
    std::unique_ptr<TiXYPlot> plot = MakePlot(400, 300);
    TiPlotEditorForm* form = nullptr;
    void SetUp() override {
        plot->SetEditorFormStyle(ipfsStayOnTop);
        plot->Master().EditProperties();
        form = plot->Master().EditorForm();
        ASSERT_NE(form, nullptr);
    }
    template <class T> T* Get(const char* name) {
        T* c = form->Find<T>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void Type(const char* edit, const QString& text) { Get<TiComponentEditorEdit>(edit)->SetStringWithEvent(text); }
    void Choose(const char* combo, int index) {
        auto* box = Get<TiComponentEditorComboBox>(combo);
        box->SetItemIndex(index);
        box->OnChange(box);
    }
    void Click(const char* button) { Get<TiComponentEditorButton>(button)->ClickButton(); }
};

TEST_F(EditorPages, LimitsPageAddsWritesAndRemovesALimit) {
    auto* name = Get<TiComponentEditorEdit>("LimitNameEdit");
    EXPECT_FALSE(name->Enabled());
    EXPECT_FALSE(Get<TiComponentEditorButton>("LimitRemoveButton")->Enabled());
    Click("iLimitAddButton");
    ASSERT_EQ(plot->LimitCount(), 1);
    TiPlotLimit* limit = plot->Limit(0);
    EXPECT_EQ(form->ListOf(TiPlotObjectKind::Limit)->ItemIndex(), 0);
    EXPECT_TRUE(name->Enabled());
    EXPECT_EQ(name->AsString(), QStringLiteral("Limit 1"));
    EXPECT_EQ(Get<TiComponentEditorComboBox>("LimitXAxisNameComboBox")->AsString(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(Get<TiComponentEditorComboBox>("LimitStyleComboBox")->AsInteger(), int(iplsLineY));

    Choose("LimitStyleComboBox", 0);  // Line X
    Type("LimitLine1PositionEdit", QStringLiteral("25"));
    Choose("LimitLineStyleComboBox", 6);  // Inside Frame
    Type("LimitNameEdit", QStringLiteral("Alarm"));
    EXPECT_EQ(limit->Style(), iplsLineX);
    EXPECT_EQ(limit->Line1Position(), 25);
    EXPECT_EQ(limit->LineStyle(), psInsideFrame);
    EXPECT_EQ(limit->Name(), QStringLiteral("Alarm"));
    // The page was refreshed from the limit after the write.
    EXPECT_EQ(Get<TiComponentEditorEdit>("LimitLine1PositionEdit")->AsFloat(), 25);
    const QImage image = plot->PaintOffScreen();
    EXPECT_EQ(PixelAt(image, plot->XAxis(0)->PositionToPixels(25), plot->YAxis(0)->PositionToPixels(50)),
              Rgb(0x0000FF));

    Click("LimitRemoveButton");
    EXPECT_EQ(plot->LimitCount(), 0);
    EXPECT_FALSE(name->Enabled());
}

TEST_F(EditorPages, TablesPageWritesTheSelectedTable) {
    Click("iTableAddButton");
    Click("iTableAddButton");
    ASSERT_EQ(plot->TableCount(), 2);
    EXPECT_EQ(form->ListOf(TiPlotObjectKind::Table)->ItemIndex(), 1);
    TiPlotTable* table = plot->Table(1);
    table->AddColumn(QStringLiteral("A"));
    table->AddRow();
    Type("TableRowsMaxEdit", QStringLiteral("2"));
    Type("TableLeftMarginEdit", QStringLiteral("3.5"));
    auto* grid = Get<TiComponentEditorCheckBox>("TableGridLinesShowCheckBox");
    grid->SetAsBoolean(false);
    grid->OnClick(grid);
    EXPECT_EQ(table->RowsMax(), 2);
    EXPECT_EQ(table->MarginLeft(), 3.5);
    EXPECT_FALSE(table->GridLinesShow());
    EXPECT_TRUE(plot->Table(0)->GridLinesShow());
    // Hidden through the page: the table no longer takes room beside the data view.
    plot->PaintOffScreen();
    const int with = plot->DataView(0)->DrawRect().Width();
    auto* visible = Get<TiComponentEditorCheckBox>("TableVisibleCheckbox");
    visible->SetAsBoolean(false);
    visible->OnClick(visible);
    plot->PaintOffScreen();
    EXPECT_FALSE(table->Visible());
    EXPECT_GT(plot->DataView(0)->DrawRect().Width(), with);
    Click("TableRemoveButton");
    EXPECT_EQ(plot->TableCount(), 1);
    EXPECT_EQ(form->ListOf(TiPlotObjectKind::Table)->ItemIndex(), 0);
}

TEST_F(EditorPages, GalleryOfTheFilledPages) {
    TiPlotLimit* limit = plot->Limit(plot->AddLimit());
    limit->SetStyle(iplsBandX);
    TiPlotTable* table = plot->Table(plot->AddTable());
    table->AddColumn(QStringLiteral("A"));
    form->UpdateAll();
    for (const auto& [page, sub, file] : {std::tuple{"Limits", "LimitPageControl", "editor_limits"},
                                          std::tuple{"Tables", "TablePageControl", "editor_tables"}}) {
        form->PageControl()->SetActivePageIndex(form->PageControl()->IndexOfPage(QString::fromLatin1(page)));
        auto* pages = Get<TiComponentEditorPageControl>(sub);
        for (int k = 0; k < pages->PageCount(); ++k) {
            pages->SetActivePageIndex(k);
            const QString path = QStringLiteral(Q7K_TEST_OUTPUT_DIR "/%1_%2.png").arg(QLatin1String(file)).arg(k);
            ASSERT_TRUE(form->grab().toImage().save(path));
        }
    }
    EXPECT_EQ(Get<TiComponentEditorComboBox>("LimitStyleComboBox")->AsInteger(), int(iplsBandX));
}

}  // namespace
