#pragma once

#include "SimUnitTransport.h"

#include <atomic>
#include <cstdint>
#include <string>

// The simulated unit's network face: a TCP server at an IPv4 address and port (port 0 picks a
// free one) that serves one client at a time. A new client replaces the one before it, the
// way the unit takes whichever editor connects last. Listens from construction (throws
// std::runtime_error when it cannot) until destruction.
class SimUnitTcpServer : public SimUnitTransport {
 public:
  static constexpr uint16_t kDefaultPort = 9761;

  SimUnitTcpServer(SimUnit& unit, const std::string& address = "127.0.0.1", uint16_t port = kDefaultPort);
  ~SimUnitTcpServer() override;

  uint16_t Port() const { return port_; }  // the port actually bound
  const std::string& Address() const { return address_; }
  int Accepted() const { return accepted_; }  // clients accepted so far

 protected:
  int DataFd() const override { return client_; }
  int ExtraFd() const override { return listen_; }
  void OnExtraReadable() override;
  void DropConnection() override;
  long WriteData(const uint8_t* data, size_t size) override;

 private:
  std::string address_;
  uint16_t port_ = 0;
  int listen_ = -1;
  int client_ = -1;
  std::atomic<int> accepted_{0};
};
