// The editor's entry: the application with its title, the splash screen while the main
// window is made, the windows in their order, the message loop, and the error box for an
// exception that escapes a handler.
#include "Dialogs.h"
#include "EditorApplication.h"
#include "TfmMain.h"
#include "splash/ProgramSplash.h"

#include <exception>
#include <memory>

int main(int argc, char** argv) {
  EditorApplication app(argc, argv);
  try {
    auto splash = std::make_unique<TAdvSmoothSplashScreen>(nullptr);
    SetUpProgramSplash(*splash);
    splash->Show();
    QApplication::processEvents();

    auto* main = new TfmMain(nullptr);
    // Closing the main window (once the exit is confirmed) ends the message loop.
    TForm::SetMainForm(main);
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
    // The links are closed and their threads joined as the main window goes.
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
