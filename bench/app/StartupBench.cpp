// The editor's start, as its entry runs it: the splash screen, the main window with its whole
// layout, the default image and the ten response engines, the dialogs, and the main window
// shown and painted once. First it shows a plain Qt window (a label) and times it, then the
// editor's first start: its first window (the splash; goal within twice the plain window),
// the main window shown (goal under 250 ms) and the resident memory (goal under 80 MB); then
// it times further starts. The windows use the offscreen
// platform unless another is set; the connect timer never runs (a test clock holds time).
#include <benchmark/benchmark.h>

#include "Dialogs.h"
#include "TfmMain.h"
#include "splash/ProgramSplash.h"
#include "timer/TimerClock.h"

#include <QApplication>
#include <QFile>
#include <QLabel>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// The process's resident memory in MB, from /proc/self/status.
double ResidentMb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
  return 0;
}

// The seconds of each step of one start: splash shown, main window made, dialogs made, main
// window shown and painted.
struct Steps {
  double splash = 0, main = 0, dialogs = 0, shown = 0;
  double Total() const { return splash + main + dialogs + shown; }
};

double Since(Clock::time_point& mark) {
  const auto now = Clock::now();
  const double seconds = std::chrono::duration<double>(now - mark).count();
  mark = now;
  return seconds;
}

// One start; the windows are left to the caller.
Steps StartOnce(TfmMain*& main) {
  Steps steps;
  auto mark = Clock::now();
  auto splash = std::make_unique<TAdvSmoothSplashScreen>(nullptr);
  SetUpProgramSplash(*splash);
  splash->Show();
  QApplication::processEvents();
  steps.splash = Since(mark);
  main = new TfmMain(nullptr);
  splash->SetMainForm(main);
  steps.main = Since(mark);
  CreateDialogs();
  steps.dialogs = Since(mark);
  main->Show();
  main->repaint();
  QApplication::processEvents();
  steps.shown = Since(mark);
  splash.reset();
  return steps;
}

void Close(TfmMain* main) {
  DestroyDialogs();
  delete main;
  QApplication::processEvents();
}

void BM_Startup(benchmark::State& state) {
  for (auto _ : state) {
    TfmMain* main = nullptr;
    state.SetIterationTime(StartOnce(main).Total());
    state.PauseTiming();
    Close(main);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Startup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const auto processStart = Clock::now();
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  TfmMain::InstanceKey() = QStringLiteral("q7k-bench-startup-%1").arg(QCoreApplication::applicationPid());
  TimerClock clock;

  const double appReady = std::chrono::duration<double>(Clock::now() - processStart).count();

  // A plain Qt window, shown and painted, as the yardstick for the first window.
  double plain = 0;
  {
    auto mark = Clock::now();
    QLabel label(QStringLiteral("A plain Qt window"));
    label.resize(400, 300);
    label.show();
    label.repaint();
    QApplication::processEvents();
    plain = Since(mark);
  }
  QApplication::processEvents();

  TfmMain* main = nullptr;
  const Steps first = StartOnce(main);
  const double sinceProcess = std::chrono::duration<double>(Clock::now() - processStart).count();
  const double rss = ResidentMb();
  std::printf("application ready %.3f s after the process start\n", appReady);
  std::printf("first window: plain Qt window %.3f s, the editor's splash %.3f s (%.1fx; goal within 2x)\n", plain,
              first.splash, plain > 0 ? first.splash / plain : 0.0);
  std::printf("first start: %.3f s to the main window shown (%.3f s from the process start; goal under 0.25 s)\n",
              first.Total(), sinceProcess);
  std::printf("  splash %.3f s, main window %.3f s, dialogs %.3f s, shown and painted %.3f s\n", first.splash,
              first.main, first.dialogs, first.shown);
  std::printf("resident memory after start: %.1f MB (goal under 80 MB)\n", rss);
  Close(main);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
