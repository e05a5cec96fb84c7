// The main of every test executable: the application object the event loops, timers,
// hand-overs and widgets need (a QApplication on the offscreen platform where widgets are
// drawn), and the "C" numeric locale the program sets at start.
#include <gmock/gmock.h>

#include <clocale>

#ifdef Q7K_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TestApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
