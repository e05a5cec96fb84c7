// A delay fader move on the main window, from the new position to its frame serialised for
// the link's queue: the picture, time label and dash line placed, the texts written, the
// image set and the command built; alone and with a three-channel link group following.
// Run inside the test network namespace (scripts/netns.sh).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>

#include "AdvTrackBar.h"
#include "LCmd.h"
#include "LUnitControl.h"
#include "TfmMain.h"
#include "UpdatingScope.h"

namespace {

// The window with the link replaced by a counter of queued frames.
class QueueingMain : public TfmMain {
 public:
  using TfmMain::TfmMain;
  void SendCmd(const LCmd& cmd, bool) override {
    last = cmd.Serialise();
    ++queued;
  }
  ByteArray last;
  long queued = 0;
};

QueueingMain* Window() {
  static QueueingMain* window = [] {
    TfmMain::InstanceKey() = QStringLiteral("q7k-fader-bench");
    return new QueueingMain(nullptr);
  }();
  return window;
}

void MoveDelayFader(benchmark::State& state) {
  QueueingMain* window = Window();
  {
    UpdatingScope updating(window->FUpdating);
    const bool linked = state.range(0) != 0;
    window->UnitControl().SetLinkMask(2, linked ? 0x15 : 0x1);
    window->UnitControl().SetLinkMask(4, linked ? 0 : 0x4);
    window->UnitControl().SetLinkMask(6, linked ? 0 : 0x10);
  }
  auto* fader = window->Find<TAdvTrackBar>(QStringLiteral("isDelayOut1"));
  int position = fader->Position();
  const long before = window->queued;
  for (auto _ : state) {
    position = (position + 97) % 65280;
    fader->SetPosition(position);
    benchmark::DoNotOptimize(window->last.data());
  }
  if (window->queued - before != long(state.iterations())) {
    std::fprintf(stderr, "%ld frames for %ld moves\n", window->queued - before, long(state.iterations()));
    state.SkipWithError("not one frame per move");
  }
}
BENCHMARK(MoveDelayFader)->Arg(0)->Arg(1)->ArgName("linked")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete Window();
  return 0;
}
