// Dragging an EQ marker on a channel graph, one pointer step at a time: from the mouse move
// event to the band's frame serialised for the link and the graph repainted (the marker
// timer's redraw run at once instead of 1 ms later, then a synchronous paint of the pane).
// Goal: under 4 ms a step on one core. Run inside the test network namespace
// (scripts/netns.sh).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include <chrono>
#include <cstdio>

#include "LCmd.h"
#include "LMyFFTDrawPhase.h"
#include "RzBmpBtn.h"
#include "TfmMain.h"
#include "timer/TTimer.h"

namespace {

// The window with its frames serialised as the link would queue them, and kept.
class QueueingMain : public TfmMain {
 public:
  using TfmMain::TfmMain;
  void SendCmd(const LCmd& cmd, bool) override { queued.push_back(cmd.Serialise()); }
  std::vector<ByteArray> queued;
};

double meanMs = 0;

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void BM_DragEqMarker(benchmark::State& state) {
  TfmMain::InstanceKey() = QStringLiteral("q7k-eq-drag-bench");
  auto* window = new QueueingMain(nullptr);
  window->tmStartConnect->SetEnabled(false);
  window->Find<TRzBmpButton>(QStringLiteral("rzbMenuOut1"))->Click();
  window->Show();
  QApplication::processEvents();
  auto* graph = window->Find<LMyFFTDrawPhase>(QStringLiteral("fftDrawOut1"));
  const TPoint p = graph->GetBlockPos(4);
  const QPoint marker(p.X + 42, p.Y + 7);
  Send(graph, QEvent::MouseButtonPress, marker, Qt::LeftButton);
  if (window->FDragHandle != 4) state.SkipWithError("the marker was not grabbed");
  int step = 0;
  double total = 0;
  for (auto _ : state) {
    // Back and forth over 200 pixels and 60 levels, a new pixel every step.
    const int k = step++ % 400;
    const int dx = k < 200 ? k : 400 - k;
    const QPoint at = marker + QPoint(dx - 100, (dx % 60) - 30);
    const auto start = std::chrono::steady_clock::now();
    const std::size_t before = window->queued.size();
    Send(graph, QEvent::MouseMove, at, Qt::LeftButton);
    window->tmMouseEqCurveTimer(window->tmMouseEqCurve);
    graph->repaint();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (window->queued.size() != before + 1) state.SkipWithError("one frame a step expected");
    state.SetIterationTime(ms / 1000.0);
    total += ms;
  }
  meanMs = step ? total / step : 0;
  Send(graph, QEvent::MouseButtonRelease, marker, Qt::NoButton);
  window->ShutDownLinks();
  delete window;
}

BENCHMARK(BM_DragEqMarker)->UseManualTime()->Iterations(400)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("\nEQ marker drag, mouse move to frame queued and graph repainted: %.3f ms a step (goal < 4 ms)\n",
              meanMs);
  return 0;
}
