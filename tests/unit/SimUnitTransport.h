#pragma once

#include "SimUnitPort.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <thread>

// The thread that carries one port of a simulated unit over a file descriptor: it reads what
// the editor writes into the port, writes the port's output when it is due (each chunk in one
// write) and drops the connection when the port asks for it. It waits with poll on the data
// descriptor, an extra descriptor of the subclass (a listening socket) and a wake-up eventfd,
// never sleeping to synchronise. Subclasses open the descriptors, call Start() and, in their
// destructor, Stop() before they close them.
class SimUnitTransport {
 public:
  explicit SimUnitTransport(SimUnit& unit);
  virtual ~SimUnitTransport();
  SimUnitTransport(const SimUnitTransport&) = delete;
  SimUnitTransport& operator=(const SimUnitTransport&) = delete;

 protected:
  void Start();
  void Stop();  // joins the thread; idempotent

  // Called on the transport thread.
  virtual int DataFd() const = 0;                // -1 while no connection
  virtual int ExtraFd() const { return -1; }      // polled for reading
  virtual void OnExtraReadable() {}
  virtual void DropConnection() = 0;             // close the data connection (and maybe reopen)
  virtual long WriteData(const uint8_t* data, size_t size);  // one write(2)-like call

  SimUnitPort& UnitPort() { return port_; }

 private:
  void Wake();
  void Run();
  void ReadData();
  void WriteDue();

  // Declared before the port, so the port detaches from the unit (after which nothing can
  // wake us) before the descriptor closes.
  struct WakeFd {
    WakeFd();
    ~WakeFd();
    int fd;
  } wake_;
  SimUnitPort port_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};
