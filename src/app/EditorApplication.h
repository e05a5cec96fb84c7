#pragma once
// The editor's application object: the program's name and the numeric locale, and the error
// box for an exception that escapes an event or message handler (the event loop goes on).
#include <QApplication>

// The program's name and the "C" numeric locale, on the application that exists.
void SetUpApplication();

class EditorApplication : public QApplication {
 public:
  EditorApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows the application's error message box.
  static void ShowError(const QString& text);
};
