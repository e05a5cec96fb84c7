#include "SimUnitTcpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

SimUnitTcpServer::SimUnitTcpServer(SimUnit& unit, const std::string& address, uint16_t port)
    : SimUnitTransport(unit), address_(address) {
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(port);
  if (inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1)
    throw std::runtime_error("bad IPv4 address: " + address);
  listen_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listen_ < 0) throw std::runtime_error(std::string("socket: ") + strerror(errno));
  const int one = 1;
  setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  socklen_t len = sizeof sa;
  if (bind(listen_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) < 0 || listen(listen_, 4) < 0 ||
      getsockname(listen_, reinterpret_cast<sockaddr*>(&sa), &len) < 0) {
    const std::string why = strerror(errno);
    close(listen_);
    throw std::runtime_error("cannot listen on " + address + ":" + std::to_string(port) + ": " + why);
  }
  port_ = ntohs(sa.sin_port);
  Start();
}

SimUnitTcpServer::~SimUnitTcpServer() {
  Stop();
  if (client_ >= 0) close(client_);
  close(listen_);
}

void SimUnitTcpServer::OnExtraReadable() {
  const int fd = accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
  if (fd < 0) return;
  const int one = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  if (client_ >= 0) DropConnection();
  UnitPort().Reset();
  client_ = fd;
  ++accepted_;
}

void SimUnitTcpServer::DropConnection() {
  if (client_ < 0) return;
  shutdown(client_, SHUT_RDWR);
  close(client_);
  client_ = -1;
}

long SimUnitTcpServer::WriteData(const uint8_t* data, size_t size) {
  return send(client_, data, size, MSG_NOSIGNAL);
}
