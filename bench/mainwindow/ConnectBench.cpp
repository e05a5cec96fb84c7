// The main window against the simulated unit: from a press of the connect button to the last
// control shown (the image shown and level polling on) for a full read, over TCP loopback at
// the unit's address and over a pty with the unit pacing its output at 115200 baud. The floor
// is what the protocol itself takes: the scan dialog's 100 ms before it opens the link, plus
// (on the pty) the unit's reply bytes on the wire (10 bits a byte). Goal on the pty: at most
// 1.1 times the floor. Run inside the test network namespace (scripts/netns.sh).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>

#include "Dialogs.h"
#include "FNetWorkScan.h"
#include "RzBmpBtn.h"
#include "SimUnit.h"
#include "SimUnitPty.h"
#include "SimUnitTcpServer.h"
#include "TfmMain.h"
#include "serial/SerialPortList.h"
#include "timer/TTimer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBaud = 115200.0;
constexpr double kScanDelayMs = 100.0;
// Reply bytes of the handshake and the read: 16, 19 (8 identity bytes), 44 (6), 34 (30),
// 20 (1), 30 x 41 (15), 15 x 36 (51), 18; each frame is its payload + 9 bytes.
constexpr int kReplyBytes = 9 + 17 + 15 + 39 + 10 + 30 * 24 + 15 * 60 + 9;

struct Result {
  double tcpMs = 0, ptyMs = 0;
} result;

// Runs the event loop until `done` or 10 s.
bool Pump(const std::function<bool()>& done) {
  const auto limit = Clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (Clock::now() > limit) return false;
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return true;
}

// One press of the connect button on an offline window; milliseconds until level polling is
// on (it starts right after the image is shown), measured from inside whatever modal loop runs.
double TimeConnect(TfmMain& window) {
  double ms = -1;
  const auto start = Clock::now();
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (ms < 0 && window.tmInLevelDet->GetEnabled())
      ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  });
  watch.start(0);
  QTimer::singleShot(0, [&] { window.rzbMenuLink->Click(); });
  Pump([&] { return ms >= 0 && !fmNetwork->isVisible(); });
  return ms;
}

// Presses the button while online and waits until the window is offline again.
void Disconnect(TfmMain& window) {
  window.rzbMenuLink->Click();
  Pump([&] { return !window.HasLink() && !window.FOnline; });
}

template <class Setup>
void Run(benchmark::State& state, double& out, Setup setup) {
  SimUnit unit;
  auto transport = setup(unit);
  TfmMain::InstanceKey() = QStringLiteral("q7k-connect-bench");
  auto* window = new TfmMain(nullptr);
  CreateDialogs();
  window->tmStartConnect->SetEnabled(false);
  window->SetAutoAddress(std::is_same_v<decltype(transport), std::unique_ptr<SimUnitPty>> ? 1 : 0);
  double total = 0;
  int n = 0;
  for (auto _ : state) {
    const double ms = TimeConnect(*window);
    state.SetIterationTime(ms / 1000.0);
    total += ms;
    ++n;
    Disconnect(*window);
    // The scan dialog's "Link Broken" closes with "Demo" as a user would.
    if (fmNetwork->isVisible()) fmNetwork->btnExit->Click();
  }
  out = n ? total / n : 0;
  window->ShutDownLinks();
  DestroyDialogs();
  delete window;
}

void BM_ConnectTcp(benchmark::State& state) {
  Run(state, result.tcpMs, [](SimUnit& unit) { return std::make_unique<SimUnitTcpServer>(unit, "192.168.1.101", 9761); });
}

void BM_ConnectPty(benchmark::State& state) {
  Run(state, result.ptyMs, [](SimUnit& unit) {
    unit.SetPaceBaud(static_cast<std::uint32_t>(kBaud));
    auto pty = std::make_unique<SimUnitPty>(unit);
    SerialPortList::SetOverride({{3, pty->SlavePath()}});
    return pty;
  });
  SerialPortList::ClearOverride();
}

BENCHMARK(BM_ConnectTcp)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConnectPty)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const double wire = kReplyBytes * 10.0 / kBaud * 1000.0;
  std::printf("\nConnect button to last control shown (full read)\n");
  std::printf("  TCP loopback: %.1f ms (floor %.1f ms: the scan's delay)\n", result.tcpMs, kScanDelayMs);
  std::printf("  pty at 115200 baud: %.1f ms, floor %.1f ms (%.1f ms scan delay + %.1f ms wire), ratio %.3f (goal <= 1.1)\n",
              result.ptyMs, kScanDelayMs + wire, kScanDelayMs, wire, result.ptyMs / (kScanDelayMs + wire));
  return 0;
}
