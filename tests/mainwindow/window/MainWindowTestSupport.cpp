#include "MainWindowTestSupport.h"

#include "Dialogs.h"
#include "RzBmpBtn.h"
#include "ui/TMenu.h"

#include <QCoreApplication>
#include <QDir>

void MainWindowTest::SetUp() {
    clock = std::make_unique<TimerClock>();
    TfmMain::InstanceKey() = QStringLiteral("q7k-window-test-%1").arg(QCoreApplication::applicationPid());
    form = new TfmMain(nullptr);
    CreateDialogs();
}

void MainWindowTest::TearDown() {
    DestroyDialogs();
    delete form;
    clock.reset();
}

void MainWindowTest::UseChinese() { form->ChineseSimplified->Click(); }

void MainWindowTest::ShowPage(int page) {
    static const char* const names[] = {"rzbMenuInA",  "rzbMenuInB",  "rzbMenuOut1",  "rzbMenuOut2", "rzbMenuOut3",
                                        "rzbMenuOut4", "rzbMenuOut5", "rzbMenuOut6",  "rzbMenuComp", "rzbMenuDelay",
                                        "rzbMenuGain", "rzbMenuMatrix", "rzbMenuGate"};
    auto* button = form->Find<TRzBmpButton>(QLatin1String(names[page]));
    ASSERT_NE(button, nullptr);
    // As a click with the mouse: the button goes down (the others of its group up), then its
    // handler runs.
    button->SetDown(true);
    button->Click();
}

void MainWindowTest::Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

QImage MainWindowTest::SaveGrab(const QString& name) {
    form->Show();
    Settle();
    const QImage image = form->grab().toImage();
    image.save(QDir(QStringLiteral(Q7K_TEST_OUTPUT_DIR)).filePath(name));
    return image;
}
