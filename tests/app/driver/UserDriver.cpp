// Acts as the user inside the editor it is preloaded into (LD_PRELOAD): once the editor has
// read the unit (connect button enabled again, no scan or progress window), it asks to quit,
// through the main window's close (Q7K_DRIVE_EXIT=window) or the File > Exit menu item
// (Q7K_DRIVE_EXIT=menu), then clicks OK in the exit window with the mouse.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QtTest/QTest>

#include <memory>

namespace {

QWidget* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String(name)) return w;
  return nullptr;
}

bool Shown(const char* name) {
  const QWidget* w = TopLevel(name);
  return w && w->isVisible();
}

void TriggerMenu(QWidget* window, const QString& menuTitle, const QString& itemText) {
  auto* bar = window->findChild<QMenuBar*>();
  if (!bar) return;
  for (QAction* top : bar->actions())
    if (top->menu() && top->text() == menuTitle)
      for (QAction* item : top->menu()->actions())
        if (item->text() == itemText) item->trigger();
}

void Drive() {
  auto* timer = new QTimer(qApp);
  auto step = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
    QWidget* main = TopLevel("fmMain");
    if (!main) return;
    if (*step == 0) {
      auto* link = main->findChild<QWidget*>(QStringLiteral("rzbMenuLink"));
      const bool read = link && link->isEnabled() && main->windowTitle().contains(QLatin1String("Connected"));
      if (!read || Shown("fmNetwork") || Shown("fmProcess")) return;
      *step = 1;
      if (qgetenv("Q7K_DRIVE_EXIT") == "menu")
        TriggerMenu(main, QStringLiteral("File"), QStringLiteral("Exit"));
      else
        main->close();
      return;
    }
    if (*step == 1 && Shown("fmExit")) {
      auto* ok = TopLevel("fmExit")->findChild<QWidget*>(QStringLiteral("btnOK"));
      if (!ok) return;
      *step = 2;
      timer->stop();
      QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
    }
  });
  timer->start(20);
}

// Runs as the application is made: the timer starts from its first event loop.
void Install() { QMetaObject::invokeMethod(qApp, &Drive, Qt::QueuedConnection); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
