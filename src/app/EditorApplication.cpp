#include "EditorApplication.h"

#include "ProgramConstants.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramLook.h"

#include <clocale>
#include <exception>

void SetUpApplication() {
  // Numbers are written and read in the "C" form everywhere.
  std::setlocale(LC_NUMERIC, "C");
  // Only the name: a display name, once set, is appended to every window title, and the
  // windows' titles are exactly their captions.
  QApplication::setApplicationName(QLatin1String(Program::kCaption));
  // The program's dark look for what the windows leave to the toolkit.
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) ProgramLook::Apply(*app);
}

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) { SetUpApplication(); }

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowError(QString());
  }
  return false;
}

void EditorApplication::ShowError(const QString& text) {
  MessageBox(text, QLatin1String(Program::kCaption), MB_OK | MB_ICONERROR);
}
