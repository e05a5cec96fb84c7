// The editor's entry: the application with its title, the splash screen while the main
// window is made, the windows in their order, the message loop, and the error box for an
// exception that escapes a handler.
#include "Dialogs.h"
#include "ProgramConstants.h"
#include "TfmMain.h"
#include "splash/ProgramSplash.h"
#include "ui/MessageBoxes.h"

#include <QApplication>

#include <clocale>
#include <exception>
#include <memory>

namespace {

// Shows an exception that escapes an event or message handler, and goes on.
class EditorApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      ShowError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
      ShowError(QString());
    }
    return false;
  }

  static void ShowError(const QString& text) {
    MessageBox(text, QLatin1String(Program::kCaption), MB_OK | MB_ICONERROR);
  }
};

}  // namespace

int main(int argc, char** argv) {
  EditorApplication app(argc, argv);
  // Numbers are written and read in the "C" form everywhere.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QLatin1String(Program::kCaption));
  QApplication::setApplicationDisplayName(QLatin1String(Program::kCaption));
  try {
    auto splash = std::make_unique<TAdvSmoothSplashScreen>(nullptr);
    SetUpProgramSplash(*splash);
    splash->Show();
    QApplication::processEvents();

    auto* main = new TfmMain(nullptr);
    splash->SetMainForm(main);
    CreateDialogs();
    if (main->GaveWayToRunningInstance()) {
      DestroyDialogs();
      delete main;
      return 0;
    }
    main->Show();
    splash.reset();
    const int result = QApplication::exec();
    DestroyDialogs();
    delete main;
    return result;
  } catch (const std::exception& e) {
    EditorApplication::ShowError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    EditorApplication::ShowError(QString());
  }
  return 0;
}
