// Pictures of every page of the plot editor (nested sub-pages, the layout schematic and its
// popup menu included) and of the value converter, in the light look and in the program's
// dark look, saved for looking at.
#include "PlotTestSupport.h"
#include "core/iPlotMasterManager.h"
#include "editor/iPlotEditor.h"
#include "editor/iValueConverterEditForm.h"
#include "objects/iPlotLayoutViewer.h"
#include "ui/ProgramLook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

namespace {


// A page control lying directly on a sheet (the nested label and grid-line pages), or null.
TiComponentEditorPageControl* NestedPages(QWidget* sheet) {
    for (QObject* child : sheet->children())
        if (auto* pages = dynamic_cast<TiComponentEditorPageControl*>(child)) return pages;
    return nullptr;
}

QString FileName(const QString& look, QString name) {
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")), QString());
    return OutputPath(QStringLiteral("editor_%1_%2.png").arg(look, name));
}

// Saves every page of a page control, going into the page controls on its sheets.
void SavePages(TiPlotEditorForm& form, TiComponentEditorPageControl& pages, const QString& look, const QString& name) {
    for (int k = 0; k < pages.PageCount(); ++k) {
        if (!pages.PageVisible(k)) continue;
        pages.SetActivePageIndex(k);
        const QString pageName = name + QStringLiteral("_") + pages.PageCaption(k);
        if (TiComponentEditorPageControl* inner = NestedPages(pages.Page(k))) {
            SavePages(form, *inner, look, pageName);
            inner->SetActivePageIndex(0);
        } else {
            ASSERT_TRUE(form.grab().toImage().save(FileName(look, pageName)));
        }
    }
    pages.SetActivePageIndex(0);
}

// Saves every top-level page (and each sub-page of the object pages) of an open editor.
void SaveEveryPage(TiPlotEditorForm& form, const QString& look) {
    TiComponentEditorPageControl* pages = form.PageControl();
    for (int i = 0; i < pages->PageCount(); ++i) {
        pages->SetActivePageIndex(i);
        // The Layout page's schematic, with the plot's objects as grey blocks.
        if (TiComponentEditorPageControl* sub = NestedPages(pages->Page(i)))
            SavePages(form, *sub, look, pages->PageCaption(i));
        else
            ASSERT_TRUE(form.grab().toImage().save(FileName(look, pages->PageCaption(i))));
    }
    pages->SetActivePageIndex(0);
}

// The program's dark look for one test; the toolkit's defaults come back after it.
struct Look {
    explicit Look(bool dark) : style(QApplication::style()->name()) {
        if (dark) ProgramLook::Apply(*qApp);
    }
    ~Look() {
        QApplication::setStyle(style);
        QApplication::setPalette(QApplication::style()->standardPalette());
        for (QObject* child : qApp->children())
            if (child->objectName() == QLatin1String("ProgramLookNoFieldMenu")) delete child;
    }
    QString style;
};

int Lightness(QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3; }

TEST(Gallery, EditorPagesLightAndDark) {
    for (const bool dark : {false, true}) {
        Look look(dark);
        const QString tag = dark ? QStringLiteral("dark") : QStringLiteral("light");
        auto plot = MakePlot();
        plot->SetEditorFormStyle(ipfsStayOnTop);
        plot->Master().EditProperties();
        TiPlotEditorForm* form = plot->Master().EditorForm();
        ASSERT_NE(form, nullptr);
        // A filled channel page: the trace width edit shows the channel's width.
        EXPECT_EQ(form->Find<TiComponentEditorEdit>(QStringLiteral("ChannelTraceLineWidthEdit"))->AsInteger(),
                  plot->Channel(0)->TraceLineWidth());
        SaveEveryPage(*form, tag);
        // The form's face follows the look.
        const QImage page = form->grab().toImage();
        const int face = Lightness(page.pixel(page.width() - 20, page.height() - 20));
        if (dark)
            EXPECT_LT(face, 110);
        else
            EXPECT_GT(face, 180);
        // The layout page's popup menu over the X axis's block.
        form->PageControl()->SetActivePageIndex(1);
        TiPlotLayoutViewer* viewer = form->LayoutViewer();
        viewer->Layout();
        const TRect r = plot->XAxis(0)->LayoutRect();
        const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        QTest::mouseClick(viewer, Qt::RightButton, {}, at);
        QMenu* menu = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible()) menu = m;
        ASSERT_NE(menu, nullptr);
        const QImage shot = menu->grab().toImage();
        ASSERT_TRUE(shot.save(FileName(tag, QStringLiteral("Layout_Popup"))));
        if (dark) EXPECT_LT(Lightness(shot.pixel(shot.width() / 2, shot.height() - 4)), 110);
        menu->close();
        form->Close();
    }
}

TEST(Gallery, ValueConverter) {
    TiValueConverterEditForm form(nullptr);
    form.SetValue(2.046875);
    for (int i = 0; i < form.Pages()->PageCount(); ++i) {
        form.Pages()->SetActivePageIndex(i);
        ASSERT_TRUE(form.grab().toImage().save(OutputPath(QStringLiteral("value_converter_%1.png").arg(i))));
    }
}

}  // namespace
