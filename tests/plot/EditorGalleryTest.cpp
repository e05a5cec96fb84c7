// Pictures of every page of the plot editor and of the value converter, in the light look
// and in the program's dark look, saved for looking at, with the pixels checked where a
// filled page must show its controls.
#include "PlotTestSupport.h"
#include "core/iPlotMasterManager.h"
#include "editor/iPlotEditor.h"
#include "editor/iValueConverterEditForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QRegularExpression>

namespace {

QString OutputPath(const QString& name) { return QStringLiteral(Q7K_TEST_OUTPUT_DIR "/") + name; }

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x31));
    p.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1f, 0x22));
    p.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3d, 0x42));
    p.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Mid, QColor(0x5a, 0x5d, 0x62));
    return p;
}

// Saves every top-level page (and each sub-page of the object pages) of an open editor.
void SaveEveryPage(TiPlotEditorForm& form, const QString& look) {
    TiComponentEditorPageControl* pages = form.PageControl();
    for (int i = 0; i < pages->PageCount(); ++i) {
        pages->SetActivePageIndex(i);
        auto* sub = dynamic_cast<TiComponentEditorPageControl*>(
            form.FindComponent(i == 0 ? QStringLiteral("ControlPageControl")
                                      : pages->Page(i)->Name().chopped(QStringLiteral("TabSheet").size()) +
                                            QStringLiteral("PageControl")));
        if (!sub && i > 0)
            sub = dynamic_cast<TiComponentEditorPageControl*>(form.FindComponent(
                pages->Page(i)->Name().chopped(QStringLiteral("sTabSheet").size()) + QStringLiteral("PageControl")));
        const int subCount = sub ? sub->PageCount() : 1;
        for (int k = 0; k < subCount; ++k) {
            if (sub) sub->SetActivePageIndex(k);
            QString name = pages->PageCaption(i) + (sub ? QStringLiteral("_") + sub->PageCaption(k) : QString());
            name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")), QString());
            const QImage image = form.grab().toImage();
            ASSERT_TRUE(image.save(OutputPath(QStringLiteral("editor_%1_%2.png").arg(look, name))));
        }
        if (sub) sub->SetActivePageIndex(0);
    }
}

TEST(Gallery, EditorPagesLightAndDark) {
    for (const bool dark : {false, true}) {
        const QPalette saved = QApplication::palette();
        if (dark) QApplication::setPalette(DarkPalette());
        auto plot = MakePlot();
        plot->SetEditorFormStyle(ipfsStayOnTop);
        plot->Master().EditProperties();
        TiPlotEditorForm* form = plot->Master().EditorForm();
        ASSERT_NE(form, nullptr);
        // A filled channel page: the trace width edit shows the channel's width.
        EXPECT_EQ(form->Find<TiComponentEditorEdit>(QStringLiteral("ChannelTraceLineWidthEdit"))->AsInteger(),
                  plot->Channel(0)->TraceLineWidth());
        SaveEveryPage(*form, dark ? QStringLiteral("dark") : QStringLiteral("light"));
        form->Close();
        QApplication::setPalette(saved);
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
