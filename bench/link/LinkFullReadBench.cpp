// The 51 exchanges of a full read of the unit, driven the way the main window drives them
// (each reply queues the next request from the reply handler), against the simulated unit:
//  - over TCP loopback: the editor-side time per exchange, from the socket read handler
//    taking a reply to the next request going onto the socket (goal under 0.2 ms);
//  - over a pty with the unit pacing its output at 115200 baud: the total time beside the
//    wire floor of the unit's reply bytes (bytes x 10 bits / 115200), as a ratio (goal at
//    most 1.2).
// Run inside the test network namespace.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <chrono>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

#include "FullReadSequence.h"
#include "LCommProc.h"
#include "LNetProc.h"
#include "LinkMessages.h"
#include "LinkOwner.h"
#include "SimUnit.h"
#include "SimUnitPty.h"
#include "SimUnitTcpServer.h"
#include "messages/MessageTarget.h"
#include "serial/SerialPortList.h"
#include "socket/TClientSocket.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBaud = 115200.0;

// The main window's part: the reply handler queues the next request; the network writer
// hands the frame to the socket's thread; socket input goes to the link.
class BenchOwner : public LinkOwner {
 public:
  BenchOwner() {
    socket.OnRead = [this](QObject*) {
      readAt_ = Clock::now();
      readPending_ = true;
      std::uint8_t buf[100];
      const int n = socket.ReceiveBuf(buf, sizeof buf);
      if (netLink && n > 0) netLink->PutReceived(buf, n);
    };
  }

  int GetDeviceId() const override { return 1; }
  void UsbWrite(const std::uint8_t*, int) override {}
  void NetWrite(const std::uint8_t* bytes, int count) override {
    QByteArray frame(reinterpret_cast<const char*>(bytes), count);
    QMetaObject::invokeMethod(
        GetMessageTarget(),
        [this, frame] {
          socket.SendBuf(frame.constData(), static_cast<int>(frame.size()));
          if (readPending_) {
            turnaround_.push_back(std::chrono::duration<double, std::micro>(Clock::now() - readAt_).count());
            readPending_ = false;
          }
        },
        Qt::QueuedConnection);
  }
  void LogComWrite(const std::uint8_t*, int) override {}
  void LogComRead(const std::uint8_t*, int) override {}

  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM) override {
    if (msg != WM_LINK_REPLY) return 0;
    ++replies_;
    replyBytes_ += ReplyFrame(wParam).size();
    if (next_ < steps_.size()) enqueue(FrameOf(steps_[next_++]), true);
    return 0;
  }

  // One full read; returns its duration in seconds.
  double FullReadOnce() {
    steps_ = FullRead();
    next_ = 1;
    replies_ = 0;
    replyBytes_ = 0;
    const auto start = Clock::now();
    enqueue(FrameOf(steps_[0]), true);
    while (replies_ < steps_.size()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return std::chrono::duration<double>(Clock::now() - start).count();
  }

  std::size_t ReplyBytes() const { return replyBytes_; }
  std::vector<double>& Turnaround() { return turnaround_; }

  TClientSocket socket;
  LFedLink* netLink = nullptr;
  std::function<void(const ByteArray&, bool)> enqueue;

 private:
  std::vector<Exchange> steps_;
  std::size_t next_ = 0;
  std::size_t replies_ = 0;
  std::size_t replyBytes_ = 0;
  Clock::time_point readAt_;
  bool readPending_ = false;
  std::vector<double> turnaround_;
};

double Mean(const std::vector<double>& v) {
  return v.empty() ? 0.0 : std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

struct Summary {
  double tcpEditorUs = 0, tcpExchangeUs = 0;
  double ptyTotalMs = 0, ptyFloorMs = 0;
} summary;

void BM_FullReadTcp(benchmark::State& state) {
  SimUnit unit;
  SimUnitTcpServer server(unit, "127.0.0.1", 0);
  BenchOwner owner;
  owner.socket.SetAddress("127.0.0.1");
  owner.socket.SetPort(server.Port());
  owner.socket.Open();
  while (!owner.socket.Connected()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  LNetProc link(&owner);
  owner.netLink = &link;
  owner.enqueue = [&](const ByteArray& f, bool appendOnly) { link.Enqueue(f, appendOnly); };
  if (!link.Open()) {
    state.SkipWithError("link did not open");
    return;
  }
  link.SetQuiet(true);
  std::vector<double> perExchange;
  for (auto _ : state) {
    const double seconds = owner.FullReadOnce();
    state.SetIterationTime(seconds);
    perExchange.push_back(seconds * 1e6 / static_cast<double>(FullRead().size()));
  }
  summary.tcpEditorUs = Mean(owner.Turnaround());
  summary.tcpExchangeUs = Mean(perExchange);
  state.counters["editor_us_per_exchange"] = summary.tcpEditorUs;
  state.counters["round_trip_us_per_exchange"] = summary.tcpExchangeUs;
  link.Close();
  owner.netLink = nullptr;
}

void BM_FullReadPty(benchmark::State& state) {
  SimUnit unit;
  unit.SetPaceBaud(static_cast<std::uint32_t>(kBaud));
  SimUnitPty pty(unit);
  SerialPortList::SetOverride({{1, pty.SlavePath()}});
  BenchOwner owner;
  LCommProc link(&owner);
  owner.enqueue = [&](const ByteArray& f, bool appendOnly) { link.Enqueue(f, appendOnly); };
  if (!link.Open(1, 115200, 8, NOPARITY, ONESTOPBIT)) {
    state.SkipWithError("port did not open");
    return;
  }
  link.SetQuiet(true);
  std::vector<double> totals, floors;
  for (auto _ : state) {
    const double seconds = owner.FullReadOnce();
    state.SetIterationTime(seconds);
    totals.push_back(seconds * 1e3);
    floors.push_back(static_cast<double>(owner.ReplyBytes()) * 10.0 / kBaud * 1e3);
  }
  summary.ptyTotalMs = Mean(totals);
  summary.ptyFloorMs = Mean(floors);
  state.counters["total_ms"] = summary.ptyTotalMs;
  state.counters["wire_floor_ms"] = summary.ptyFloorMs;
  state.counters["ratio"] = summary.ptyTotalMs / summary.ptyFloorMs;
  link.Close();
  SerialPortList::ClearOverride();
}

BENCHMARK(BM_FullReadTcp)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullReadPty)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("\nFull read, %zu exchanges\n", FullRead().size());
  std::printf("  TCP loopback: editor-side %.1f us per exchange (goal < 200 us); round trip %.1f us\n",
              summary.tcpEditorUs, summary.tcpExchangeUs);
  if (summary.ptyFloorMs > 0) {
    std::printf("  pty at 115200 baud: total %.1f ms, wire floor %.1f ms, ratio %.3f (goal <= 1.2)\n",
                summary.ptyTotalMs, summary.ptyFloorMs, summary.ptyTotalMs / summary.ptyFloorMs);
  }
  return 0;
}
