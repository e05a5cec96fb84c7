// q7k-simunit: the simulated unit as a program, for end-to-end runs, benchmarks and manual
// tries. Run it only inside the test network namespace (scripts/netns.sh).
#include "SimUnit.h"
#include "SimUnitPty.h"
#include "SimUnitTcpServer.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: q7k-simunit [--address A] [--port P] [--no-tcp] [--pty] [--id N]\n"
               "                   [--identity TEXT] [--baud B] [--locked PASSWORD]\n"
               "                   [--latency MS] [--split N] [--stop-after N]\n"
               "  --address A   IPv4 address to listen on (default 127.0.0.1)\n"
               "  --port P      TCP port, 0 = any free one (default 9761)\n"
               "  --no-tcp      no TCP server\n"
               "  --pty         serve a pseudo-terminal too (its slave path is printed)\n"
               "  --id N        unit ID 1-254 (default 1)\n"
               "  --identity T  identity text (default \"Q7K V010\")\n"
               "  --baud B      pace the unit's output at B baud (default: unpaced)\n"
               "  --locked PW   engage the access lock with the 4-character password PW\n"
               "  --latency MS  every reply leaves MS milliseconds late (input is read on)\n"
               "  --split N     every reply is written in two pieces, the first of N bytes\n"
               "  --stop-after N  answers the first N frames, then none\n"
               "Runs until SIGINT or SIGTERM.\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::string address = "127.0.0.1";
  long port = SimUnitTcpServer::kDefaultPort;
  bool tcp = true, pty = false;
  long id = 1, baud = 0, latency = 0, split = 0, stopAfter = -1;
  std::optional<std::string> identity, password;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--address" && hasValue) address = argv[++i];
    else if (arg == "--port" && hasValue) port = std::strtol(argv[++i], nullptr, 10);
    else if (arg == "--no-tcp") tcp = false;
    else if (arg == "--pty") pty = true;
    else if (arg == "--id" && hasValue) id = std::strtol(argv[++i], nullptr, 10);
    else if (arg == "--identity" && hasValue) identity = argv[++i];
    else if (arg == "--baud" && hasValue) baud = std::strtol(argv[++i], nullptr, 10);
    else if (arg == "--locked" && hasValue) password = argv[++i];
    else if (arg == "--latency" && hasValue) latency = std::strtol(argv[++i], nullptr, 10);
    else if (arg == "--split" && hasValue) split = std::strtol(argv[++i], nullptr, 10);
    else if (arg == "--stop-after" && hasValue) stopAfter = std::strtol(argv[++i], nullptr, 10);
    else {
      Usage();
      return 2;
    }
  }
  if (port < 0 || port > 65535 || id < 1 || id > 254 || baud < 0 || latency < 0 || split < 0 ||
      stopAfter < -1 || (!tcp && !pty)) {
    Usage();
    return 2;
  }

  // The transport threads inherit this mask, so the signals reach only sigwait below.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  SimUnit unit;
  unit.SetUnitId(uint8_t(id));
  unit.SetPaceBaud(uint32_t(baud));
  if (identity) unit.SetIdentity(*identity);
  if (password) unit.SetLock(true, *password);
  const auto everyFrame = [](SimUnitFaultKind kind) {
    SimUnitFault f;
    f.kind = kind;
    f.count = -1;
    return f;
  };
  if (latency > 0) {
    SimUnitFault f = everyFrame(SimUnitFaultKind::Delay);
    f.delay = std::chrono::milliseconds(latency);
    unit.AddFault(f);
  }
  if (split > 0) {
    SimUnitFault f = everyFrame(SimUnitFaultKind::Split);
    f.splitAt = int(split);
    f.delay = std::chrono::milliseconds(2);  // apart, so they come in two reads
    unit.AddFault(f);
  }
  if (stopAfter >= 0) {
    SimUnitFault f = everyFrame(SimUnitFaultKind::Drop);
    f.after = int(stopAfter);
    unit.AddFault(f);
  }

  std::unique_ptr<SimUnitTcpServer> server;
  std::unique_ptr<SimUnitPty> serial;
  try {
    if (tcp) {
      server = std::make_unique<SimUnitTcpServer>(unit, address, uint16_t(port));
      std::printf("tcp %s:%u\n", server->Address().c_str(), unsigned(server->Port()));
    }
    if (pty) {
      serial = std::make_unique<SimUnitPty>(unit);
      std::printf("pty %s\n", serial->SlavePath().c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "q7k-simunit: %s\n", e.what());
    return 1;
  }
  std::fflush(stdout);

  int signal = 0;
  sigwait(&stopSignals, &signal);
  std::printf("stopped, %zu frames received\n", unit.FrameCount());
  return 0;
}
